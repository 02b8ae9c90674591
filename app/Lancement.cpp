// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Lancement.h"

#include <fcntl.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>

#include "model/Erreur.h"
#include "model/Textes.h"
#include "render/Langue.h"

namespace kest {

namespace {

// The value after `option` on the command line (Qt reads -platform and -display itself).
const char* Argument(int argc, char* argv[], std::string_view option) {
    for (int i = 1; i + 1 < argc; ++i)
        if (argv[i] == option || (argv[i][0] == '-' && argv[i] + 1 == option)) return argv[i + 1];
    return nullptr;
}

// Whether Qt will start on X: its first choice of platform, as Qt makes it, is xcb.
bool SurX(int argc, char* argv[]) {
    std::string_view liste;
    if (const char* a = Argument(argc, argv, "-platform"))
        liste = a;
    else if (const char* e = std::getenv("QT_QPA_PLATFORM"); e && *e)
        liste = e;
    else {
        // In a Wayland session Qt tries Wayland first and may fall back on its own.
        const char* session = std::getenv("XDG_SESSION_TYPE");
        const char* wayland = std::getenv("WAYLAND_DISPLAY");
        if ((wayland && *wayland) || (session && std::strcmp(session, "wayland") == 0))
            return false;
        return true;
    }
    // "xcb", "xcb:option=…" or a list "xcb;offscreen": the first entry decides.
    const std::string_view premiere = liste.substr(0, liste.find_first_of(";:"));
    return premiere == "xcb";
}

// The arguments without --langue and its value, or --langue=…: LangueDemandee reads (and
// checks) them before anything else.
std::vector<std::string> SansLangue(const std::vector<std::string>& arguments) {
    std::vector<std::string> reste;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--langue")
            ++i;
        else if (!arguments[i].starts_with("--langue="))
            reste.push_back(arguments[i]);
    }
    return reste;
}

}  // namespace

std::optional<std::string> EcranInaccessible(int argc, char* argv[]) {
    if (!SurX(argc, argv)) return std::nullopt;
    const char* nom = Argument(argc, argv, "-display");
    if (!nom) nom = std::getenv("DISPLAY");
    // The same connection Qt's X plugin would open: same name, same authorisation cookie.
    // libxcb writes a refusing server's English reason straight to standard error: it goes
    // to /dev/null, so that the French line below is the only one.
    const int erreurs = dup(STDERR_FILENO);
    const int nul = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (erreurs >= 0 && nul >= 0) dup2(nul, STDERR_FILENO);
    xcb_connection_t* connexion = xcb_connect(nom && *nom ? nom : nullptr, nullptr);
    const bool refusee = xcb_connection_has_error(connexion) != 0;
    xcb_disconnect(connexion);  // also frees a connection in error
    if (erreurs >= 0 && nul >= 0) dup2(erreurs, STDERR_FILENO);
    if (nul >= 0) close(nul);
    if (erreurs >= 0) close(erreurs);
    if (!refusee) return std::nullopt;
    if (!nom || !*nom)
        return std::string(Traduit(
            "Lancement", "kest : impossible d'ouvrir l'écran (la variable DISPLAY est vide)"));
    return Remplit(Traduit("Lancement", "kest : impossible d'ouvrir l'écran « %1 »"), {nom});
}

LigneDeCommande LitLigneDeCommande(const std::vector<std::string>& arguments) {
    LigneDeCommande ligne;
    Options options;
    for (std::string& argument : PrendOptions(SansLangue(arguments), options)) {
        if (argument == "--help" || argument == "-h")
            ligne.aide = true;
        else
            ligne.reste.push_back(std::move(argument));
    }
    if (!ligne.aide) ligne.configuration = FormeConfiguration(options);
    return ligne;
}

void RefuseLeReste(const std::vector<std::string>& arguments) {
    Options options;
    const std::vector<std::string> reste = PrendOptions(SansLangue(arguments), options);
    if (reste.empty()) return;
    const std::string& a = reste.front();
    if (a.size() > 1 && a[0] == '-')
        throw Erreur(
            Remplit(Traduit("Lancement", "Option inconnue « %1 » (voir kest --help)"), {a}));
    throw Erreur(
        Remplit(Traduit("Lancement", "Argument inattendu « %1 » (voir kest --help)"), {a}));
}

std::string TexteAide() {
    return std::string(Traduit("Lancement", R"(Usage : kest [OPTIONS]

Ouvre la fenêtre de kest (force magnétomotrice d'un bobinage triphasé) dans la
configuration donnée : les options de kest-export, ou un lien de la page
(--lien) pour ouvrir ce que la page montre à cette adresse.

)")) + AideConfiguration() +
           Remplit(Traduit("Lancement", R"(
  --langue L        langue des textes : %1 (défaut : celle des réglages
                    régionaux, LANGUAGE, LC_ALL, LC_MESSAGES ou LANG ; le
                    français pour toute autre langue)
  --help            affiche cette aide

Code de retour : 0 ; 2 pour une option ou une valeur refusée, avant que la
fenêtre s'ouvre ; 1 sans écran.

Exemples :
  kest --p 2 --m 3 --distribution reelle --sans-onde
  kest --lien 'https://…/kest/#p=2&m=3&distribution=reelle'
)"),
                   {CodesDesLangues()});
}

QTranslator* InstallerTraductionQt(QCoreApplication& application) {
    auto traduction = std::make_unique<QTranslator>();
    const QString nom = TraductionQt(LangueChoisie());
    if (!traduction->load(nom, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) return nullptr;
    if (!QCoreApplication::installTranslator(traduction.get())) return nullptr;
    traduction->setParent(&application);
    return traduction.release();
}

}  // namespace kest
