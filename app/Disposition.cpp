// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Disposition.h"

#include <QLabel>
#include <algorithm>

#include "render/Ecran.h"

namespace kest {

QFont PoliceInterface(bool gras) {
    // PixelsParPouce stays within what HauteurPolice converts.
    return PoliceEnPixels(HauteurPolice(PixelsParPouce()).value(), gras);
}

QFont PoliceEnPixels(int pixels, bool gras) {
    QFont police(QString::fromLatin1(kFacePolice));
    police.setStyleHint(QFont::SansSerif);
    police.setPixelSize(pixels);
    police.setBold(gras);
    return police;
}

QLabel* NouveauLibelle(const QString& nom, const QString& texte, QWidget* parent, int x, int y,
                       bool alignee_a_droite, const std::optional<QFont>& police, int largeurMax) {
    auto* libelle = new QLabel(texte, parent);
    libelle->setObjectName(nom);
    if (police) libelle->setFont(*police);
    libelle->adjustSize();  // measured in the font actually resolved, whatever face it is
    // Narrower, never clipped: a condensed face where there is one, else a scaled one.
    for (int etirement = 100; libelle->width() > largeurMax && etirement > 50;) {
        etirement = std::min(etirement - 1, 100 * largeurMax / libelle->width());
        QFont f = libelle->font();
        f.setStretch(etirement);
        libelle->setFont(f);
        libelle->adjustSize();
    }
    const int gauche = alignee_a_droite ? x - libelle->width() : x;
    libelle->move(gauche, y);
    return libelle;
}

}  // namespace kest
