// SPDX-License-Identifier: GPL-3.0-or-later
// kest-export: any picture or animation of kest from its parameters, without a display.

#include <QGuiApplication>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "cli/Commande.h"
#include "cli/Sortie.h"
#include "model/Encoches.h"
#include "model/Erreur.h"
#include "model/Harmoniques.h"
#include "model/Textes.h"
#include "render/Animation.h"
#include "render/Ecran.h"
#include "render/Enregistrement.h"
#include "render/Langue.h"
#include "render/Tableaux.h"
#include "scene/Etoile.h"
#include "scene/Plan.h"

namespace {

using namespace kest;

// The messages end with a full stop, as in the program's error box.
void Signale(const std::string& message) {
    std::cerr << Remplit(Traduit("kest-export", "kest-export : %1."), {message}) << "\n";
}

// Qt's own notices (no runtime folder, fonts substituted…) are not the user's business here.
void Silence(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << "kest-export : " << message.toStdString() << "\n";
}

void Produit(Commande& c) {
    const QSize taille(kLargeurImage, kHauteurImage);
    const QColor texte(Qt::black);  // the window-text colour of a standard desktop
    FichierSortie sortie(c.sortie);
    if (c.format == Format::Gif) {
        EcritGif(c.etat, c.affichage, taille, kPpiReference, texte, c.rendu, c.animation,
                 [&](std::string_view octets) { sortie.Ecrit(octets); });
    } else {
        Enregistrement r =
            c.etoile ? EnregistreFigure([&](DrawingSurface& d) { DessineEtoile(d, c.etat); },
                                        taille, kEcranReference, kPpiReference, texte, c.rendu)
                     : Enregistre(c.etat, c.affichage, taille, kEcranReference, kPpiReference,
                                  texte, c.rendu);
        QByteArray octets;
        if (c.format == Format::Emf) octets = r.emf;
        if (c.format == Format::Svg) octets = r.svg;
        if (c.format == Format::Png) {
            // Drawn at k pixels per pixel of a 96-per-inch screen: the same size on paper.
            const int parMetre = int(96.0 * c.rendu.agrandissement / 0.0254 + 0.5);
            r.png.setDotsPerMeterX(parMetre);
            r.png.setDotsPerMeterY(parMetre);
            octets = EnPng(r.png);
        }
        sortie.Ecrit(std::string_view(octets.constData(), std::size_t(octets.size())));
    }
    sortie.Valide();
}

// The harmonics table of the state, as the harmonics window computes it, with every order.
void ProduitHarmoniques(const Commande& c) {
    const Spectre spectre = SpectreDe(c.etat, false);
    FichierSortie sortie(c.sortie);
    sortie.Ecrit(c.format == Format::Json
                     ? JsonTableau(c.etat, spectre)
                     : TexteTableau(spectre) + TexteDistorsion(spectre) + TexteMoteur(c.etat));
    sortie.Valide();
}

// Runs the work once the arguments are accepted: 1 and the reason when it fails.
template <typename F>
int Execute(F&& travail) {
    try {
        travail();
    } catch (const ErreurSortie& e) {
        Signale(e.what());
        return 1;
    } catch (const Erreur& e) {
        Signale(e.message());
        return 1;
    } catch (const std::bad_alloc&) {
        Signale(RessourcesInsuffisantes());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    Commande commande;
    try {
        // The language first, so that every message after it speaks it: --langue fr|en, else
        // the user's locale.
        ChoisitLangue(LangueDuSysteme());
        const std::vector<std::string> arguments(argv + 1, argv + argc);
        if (const auto langue = LangueDemandee(arguments)) ChoisitLangue(*langue);
        commande = LitCommande(arguments);
    } catch (const Erreur& e) {
        Signale(e.message());
        return 2;
    }
    if (commande.aide) {
        std::cout << TexteAide();
        return std::cout.flush() ? 0 : 1;
    }

    // A closed pipe is a write error to report, not a silent death.
    std::signal(SIGPIPE, SIG_IGN);
    ProtegeSortie();
    if (commande.spectre) {
        RecoitInterruptions();
        return Execute([&] { ProduitHarmoniques(commande); });
    }
    // Fonts and painting need a Qt application, never a display: the offscreen platform,
    // whatever the caller's environment names.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(Silence);
    int argcQt = 1;
    QGuiApplication application(argcQt, argv);
    // The threads the application has made keep the interruptions blocked: they reach the main
    // thread, where the temporary file's creation blocks them.
    RecoitInterruptions();

    return Execute([&] { Produit(commande); });
}
