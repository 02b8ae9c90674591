// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <cstdio>

#include "app/BoiteErreur.h"
#include "app/Lancement.h"
#include "app/TkestForm.h"
#include "model/Erreur.h"
#include "model/Textes.h"
#include "render/Langue.h"

// Exit status 0, also after an error at start-up, which is shown and then ends the program;
// 1 only when there is no display to show anything on, 2 for an unknown language.
// The language: --langue fr|en, else the user's locale.
int main(int argc, char* argv[]) {
    try {
        kest::ChoisitLangue(kest::LangueDuSysteme());
        if (const auto langue = kest::LangueDemandee(argc, argv)) kest::ChoisitLangue(*langue);
    } catch (const kest::Erreur& e) {
        std::fprintf(
            stderr, "%s\n",
            kest::Remplit(kest::Traduit("Lancement", "kest : %1."), {e.message()}).c_str());
        return 2;
    }
    if (const auto message = kest::EcranInaccessible(argc, argv)) {
        std::fprintf(stderr, "%s\n", message->c_str());
        return 1;
    }
    QApplication application(argc, argv);
    kest::InstalleCatalogue();
    kest::InstallerTraductionQt(application);
    kest::Garde([] {
        kest::TkestForm kestForm;
        kestForm.CreerOptionsDlg();
        kestForm.show();
        QApplication::exec();
    });
    return 0;
}
