// SPDX-License-Identifier: GPL-3.0-or-later
// A whole lesson in a few minutes: clock ticks, paints of the real window into an image and
// clipboard copies, with the winding changed as the dialog's Enter does every hundred paints.
// Resident memory must stay flat once every kind of state has been drawn and copied once.
//
// kest_soak          1 000 000 ticks, 10 000 paints, 1 000 copies, 100 changes of the winding
// kest_soak --court  the same cycle in 40 paints, for valgrind or LeakSanitizer

#include <malloc.h>

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>

#include "app/BoiteErreur.h"
#include "app/TkestForm.h"
#include "model/Regles.h"

using namespace kest;

namespace {

struct Changement {
    Saisie saisie;
    bool echoue;  // the dialog answers with a message
};

// Every kind of winding and every failure of the dialog, the largest winding among them.
const Changement kChangements[] = {
    {{"1", "2", "3.14159265358979", false, false}, false},
    {{"2", "3", "2.5", true, false}, false},
    {{"3", "1", "1", false, true}, false},
    {{"4", "-2", "1e308", true, false}, false},
    {{"abc", "1", "1", false, false}, true},
    {{"5", "0", "2", true, false}, true},
    {{"7", "5", "-1e308", false, true}, false},
    {{"2", "4", "1e309", false, false}, true},
    {{"99", "99", "3", false, true}, false},
    {{"12", "7", "0,5", true, false}, true},
};
constexpr int kNbChangements = sizeof kChangements / sizeof kChangements[0];

// Free pages are handed back first, so that the figure follows live memory rather than what
// the allocator happens to cache after the large buffers of a big winding's copy.
long VmRssKo() {
    malloc_trim(0);
    std::ifstream status("/proc/self/status");
    std::string mot;
    while (status >> mot)
        if (mot == "VmRSS:") {
            long ko = 0;
            status >> ko;
            return ko;
        }
    return -1;
}

bool Echec(const char* quoi) {
    std::fprintf(stderr, "ÉCHEC : %s\n", quoi);
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const bool court = argc > 1 && std::string(argv[1]) == "--court";
    const int peintures = court ? 40 : 10'000;
    const int peinturesParChangement = court ? 2 : 100;
    const int peinturesParCopie = court ? 1 : 10;
    const int ticksParPeinture = 100;
    // Warm-up: every kind of change drawn and copied once before memory is judged.
    const int echauffement = kNbChangements * peinturesParChangement;

    bool ok = true;
    long ticks = 0, copies = 0, erreurs = 0, erreursAttendues = 0;
    // Resident memory at each change of winding: the highest during the warm-up cycle and after.
    long rssEchauffement = 0, rssMax = 0;
    const auto debut = std::chrono::steady_clock::now();
    // The window shows the dialog's messages through the error box: count them instead.
    const Rapporteur ancien = DefinirRapporteur([&](const std::string&) { ++erreurs; });
    {
        TkestForm fenetre;
        fenetre.show();
        QApplication::processEvents();
        QImage image(700, 500, QImage::Format_ARGB32_Premultiplied);

        for (int n = 0; n < peintures; ++n) {
            if (n % peinturesParChangement == 0) {
                long& haut = n < echauffement ? rssEchauffement : rssMax;
                haut = std::max(haut, VmRssKo());
                const Changement& c = kChangements[(n / peinturesParChangement) % kNbChangements];
                erreursAttendues += c.echoue;
                fenetre.AppliquerOptions(c.saisie);  // as the dialog's Enter does
            }
            for (int k = 0; k < ticksParPeinture; ++k, ++ticks) fenetre.Timer1Timer();
            fenetre.centralWidget()->render(&image);
            if (n % peinturesParCopie == peinturesParCopie - 1) {
                fenetre.Copy1Click();
                ++copies;
            }
        }
        rssMax = std::max(rssMax, VmRssKo());

        const QMimeData* presse = QGuiApplication::clipboard()->mimeData();
        if (!presse || !presse->hasFormat(QStringLiteral("image/x-emf")))
            ok = Echec("the clipboard does not hold the last picture");
        // Each tick adds 0.0002 s of simulated time; a million of them make 200 s.
        const double attendu = ticks * (0.06283185307179587 / fenetre.Etat().Omega);
        if (std::fabs(fenetre.Etat().t - attendu) > 1e-6 * attendu)
            ok = Echec("the simulated time drifted from the number of ticks");
        if (erreurs != erreursAttendues)
            ok = Echec("the dialog's messages were not the expected ones");
    }
    DefinirRapporteur(ancien);
    const long rssFin = VmRssKo();
    const double secondes =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();

    std::printf("%ld ticks, %d paints, %ld copies, %ld messages in %.1f s\n", ticks, peintures,
                copies, erreurs, secondes);
    std::printf(
        "VmRSS highest during warm-up %ld kB, after it %ld kB (%+ld kB), at the end %ld kB\n",
        rssEchauffement, rssMax, rssMax - rssEchauffement, rssFin);
    if (!court && rssMax - rssEchauffement >= 1024)
        ok = Echec("resident memory grew by 1 MB or more");
    return ok ? 0 : 1;
}
