// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BoiteErreur.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <utility>

namespace kest {

namespace {

void BoiteStandard(const std::string& message) {
    QMessageBox boite(QMessageBox::Critical, QCoreApplication::applicationName(),
                      TexteErreur(message), QMessageBox::Ok);
    // Its own nested loop: the clock keeps ticking and the window repainting meanwhile.
    boite.exec();
}

Rapporteur& RapporteurCourant() {
    static Rapporteur r = BoiteStandard;
    return r;
}

}  // namespace

QString TexteErreur(const std::string& message) {
    QString texte = QString::fromStdString(message);
    // The last byte decides: a character of a multibyte sequence is always above '.'.
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') texte += '.';
    return texte;
}

void MontrerErreur(const std::string& message) { RapporteurCourant()(message); }

Rapporteur DefinirRapporteur(Rapporteur r) {
    if (!r) r = BoiteStandard;
    return std::exchange(RapporteurCourant(), std::move(r));
}

}  // namespace kest
