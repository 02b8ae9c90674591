// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TAboutDlg.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "app/Disposition.h"

namespace kest {

TAboutDlg::TAboutDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("AboutDlg"));
    setWindowTitle(tr("A propos de kest"));
    setFont(PoliceInterface());
    setFixedSize(313, 214);

    OKBtn = new QPushButton(tr("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setGeometry(113, 168, 75, 37);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);

    const QFont gras = PoliceInterface(true);
    Label1 = NouveauLibelle(QStringLiteral("Label1"), tr("Force magnétomotrice"), this, 75, 80,
                            false, gras);
    Label2 = NouveauLibelle(QStringLiteral("Label2"), tr("d'un stator triphasé"), this, 94, 128);
    Label3 = NouveauLibelle(QStringLiteral("Label3"), tr("et champ tournant"), this, 103, 144,
                            false, gras);
    Label4 = NouveauLibelle(QStringLiteral("Label4"), QStringLiteral("KEST"), this, 123, 16, false,
                            PoliceEnPixels(16, true));
    Label5 = NouveauLibelle(QStringLiteral("Label5"), tr("Machines électriques"), this, 84, 40,
                            false, gras);
}

int TAboutDlg::exec() {
    if (const QScreen* ecran = screen()) {
        const QRect zone = ecran->geometry();
        move(zone.center() - rect().center());
    }
    return QDialog::exec();
}

}  // namespace kest
