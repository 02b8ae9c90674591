// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Copier.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPalette>
#include <functional>
#include <memory>
#include <new>

#include "model/Erreur.h"
#include "model/Textes.h"
#include "render/Enregistrement.h"
#include "scene/Plan.h"

namespace kest {

namespace {

// The names under which Linux programs look for a metafile on the clipboard.
const char* const kTypesEmf[] = {
    "image/x-emf",
    "image/emf",
    "application/x-openoffice-emf;windows_formatname=\"Image EMF\"",
};

// One recording as EMF, SVG and PNG; nothing reaches the clipboard here.
std::unique_ptr<QMimeData> Donnees(const Enregistrement& images) {
    auto donnees = std::make_unique<QMimeData>();
    for (const char* type : kTypesEmf) donnees->setData(QString::fromLatin1(type), images.emf);
    donnees->setData(QStringLiteral("image/svg+xml"), images.svg);
    donnees->setData(QStringLiteral("image/png"), EnPng(images.png));
    return donnees;
}

QColor CouleurTexte() { return QGuiApplication::palette().color(QPalette::WindowText); }

// Records, then replaces the clipboard only once the recording is closed.
void Poser(const std::function<Enregistrement()>& enregistre, QClipboard& clipboard) {
    std::unique_ptr<QMimeData> donnees;
    try {
        donnees = Donnees(enregistre());
    } catch (const std::bad_alloc&) {
        throw Erreur(RessourcesInsuffisantes());
    }
    // Qt reports no failure to take the clipboard; what shows it is that the clipboard does not
    // give back our data (on X11 another client kept the selection). The data then stays with
    // Qt, which frees it at the next change of the clipboard.
    const QMimeData* pose = donnees.get();
    clipboard.setMimeData(donnees.release(), QClipboard::Clipboard);
    if (clipboard.mimeData(QClipboard::Clipboard) != pose)
        throw Erreur(Traduit("Copier", "Impossible d'ouvrir le Presse-papiers"));
}

}  // namespace

void Copier(State& etat, Affichage affichage, QSize tailleExterieure, const Ecran& ecran,
            QClipboard& clipboard) {
    Poser(
        [&] {
            return Enregistre(etat, affichage, tailleExterieure, ecran, PixelsParPouce(),
                              CouleurTexte());
        },
        clipboard);
}

void CopierFigure(const std::function<void(DrawingSurface&)>& dessin, const Ecran& ecran,
                  QClipboard& clipboard) {
    Poser(
        [&] {
            return EnregistreFigure(dessin, QSize(kLargeurImage, kHauteurImage), ecran,
                                    PixelsParPouce(), CouleurTexte());
        },
        clipboard);
}

}  // namespace kest
