// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <cstdio>

#include "app/BoiteErreur.h"
#include "app/Lancement.h"
#include "app/TkestForm.h"

// Exit status 0, also after an error at start-up, which is shown and then ends the program;
// 1 only when there is no display to show anything on.
int main(int argc, char* argv[]) {
    if (const auto message = kest::EcranInaccessible(argc, argv)) {
        std::fprintf(stderr, "%s\n", message->c_str());
        return 1;
    }
    QApplication application(argc, argv);
    kest::InstallerTraductionQt(application);
    kest::Garde([] {
        kest::TkestForm kestForm;
        kestForm.CreerOptionsDlg();
        kestForm.show();
        QApplication::exec();
    });
    return 0;
}
