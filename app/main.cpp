// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "app/BoiteErreur.h"
#include "app/Lancement.h"
#include "app/TkestForm.h"
#include "model/Erreur.h"
#include "model/Textes.h"
#include "render/Langue.h"

namespace {

void Refuse(const kest::Erreur& e) {
    std::fprintf(stderr, "%s\n",
                 kest::Remplit(kest::Traduit("Lancement", "kest : %1."), {e.message()}).c_str());
}

}  // namespace

// Exit status 0, also after an error at start-up, which is shown and then ends the program;
// 2 for a refused option, before any window opens; 1 when there is no display to show anything
// on. The language: --langue fr|en, else the user's locale; chosen before any text is written.
int main(int argc, char* argv[]) {
    kest::LigneDeCommande ligne;
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    try {
        kest::ChoisitLangue(kest::LangueDuSysteme());
        if (const auto langue = kest::LangueDemandee(arguments)) kest::ChoisitLangue(*langue);
        ligne = kest::LitLigneDeCommande(arguments);
    } catch (const kest::Erreur& e) {
        Refuse(e);
        return 2;
    }
    if (ligne.aide) {
        std::fputs(kest::TexteAide().c_str(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    if (const auto message = kest::EcranInaccessible(argc, argv)) {
        std::fprintf(stderr, "%s\n", message->c_str());
        return 1;
    }
    QApplication application(argc, argv);
    // Qt has taken its own options (-platform, -display…): anything else left is unknown.
    try {
        std::vector<std::string> reste;
        for (const QString& a : QCoreApplication::arguments().mid(1))
            reste.push_back(a.toStdString());
        kest::RefuseLeReste(reste);
    } catch (const kest::Erreur& e) {
        Refuse(e);
        return 2;
    }
    kest::InstalleCatalogue();
    kest::InstallerTraductionQt(application);
    kest::Garde([&] {
        kest::TkestForm kestForm;
        kestForm.Configurer(ligne.configuration);
        kestForm.CreerOptionsDlg();
        kestForm.show();
        QApplication::exec();
    });
    return 0;
}
