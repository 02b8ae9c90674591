// SPDX-License-Identifier: GPL-3.0-or-later
// kest-export run as the user runs it: a separate process with no display and no Qt platform
// in its environment. Its pictures are read back and compared with the scene's own calls.

#include <fcntl.h>
#include <gif_lib.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <cstring>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "model/Alimentation.h"
#include "model/Configuration.h"
#include "model/Conversions.h"
#include "model/Encoches.h"
#include "model/Harmoniques.h"
#include "model/Personnalise.h"
#include "model/Regles.h"
#include "render/Langue.h"
#include "render/Tableaux.h"
#include "scene/Dessine.h"
#include "scene/Etoile.h"
#include "tests/support/Bobinage.h"
#include "tests/support/LectureEmf.h"
#include "tests/support/LectureSvg.h"
#include "tests/support/RecordingSurface.h"

namespace {

using namespace kest;
using test::Op;

struct Resultat {
    int statut;
    QByteArray sortie, erreurs;
};

// The signals the tests send or provoke take their default action in the child, whatever
// the caller of the tests ignores (a shell's background job ignores SIGINT); and, when given,
// a file-size limit in bytes. The locale is `lang` alone, C (so French texts) unless told.
void Demarre(QProcess& p, const QStringList& arguments, const QString& dossier,
             rlim_t limite = RLIM_INFINITY, const QString& lang = QStringLiteral("C.UTF-8")) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* v :
         {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        env.remove(v);
    env.insert(QStringLiteral("LANG"), lang);
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(dossier);
    p.setChildProcessModifier([limite] {
        for (int s : {SIGINT, SIGTERM, SIGHUP, SIGXFSZ}) signal(s, SIG_DFL);
        const struct rlimit taille = {limite, limite};
        setrlimit(RLIMIT_FSIZE, &taille);
    });
    p.start(QStringLiteral(KEST_EXPORT), arguments);
}

Resultat Lance(const QStringList& arguments, const QString& dossier = QDir::tempPath(),
               rlim_t limite = RLIM_INFINITY, const QString& lang = QStringLiteral("C.UTF-8")) {
    QProcess p;
    Demarre(p, arguments, dossier, limite, lang);
    if (!p.waitForFinished(60000)) return {-1, {}, "timeout"};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

QByteArray Lit(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The state the window shows after the same entries in the dialog and the same clock ticks.
State Etat(const char* p, const char* m, const char* Y, bool reelle, bool doubleEtoile, int ticks) {
    State s;
    AppliquerSaisie(s, {p, m, Y, reelle, doubleEtoile}, ".");
    for (int k = 0; k < ticks; ++k) AvancerTemps(s);
    return s;
}

void AttendMemesAppels(const std::vector<test::Appel>& lus, const std::vector<test::Appel>& ref) {
    ASSERT_EQ(lus.size(), ref.size());
    for (std::size_t i = 0; i < ref.size(); ++i)
        ASSERT_TRUE(test::MemeAppel(lus[i], ref[i])) << "call " << i << " op " << int(ref[i].op);
}

const struct Cas {
    const char* nom;
    QStringList arguments;
    State etat;
    Affichage affichage;
    // The SVG is read back only for the balanced pictures: a supply's labels have no text box
    // that would give their top, and a phase without current draws lines of zero length, which
    // the SVG drops. The EMF holds every call of every picture.
    bool svg = true;
} kCas[] = {
    {"reelle, 25 ticks",
     {"--p", "2", "--m", "3", "--distribution", "reelle", "--ticks", "25"},
     Etat("2", "3", "3.14159265358979", true, false, 25),
     {}},
    {"double etoile, short pitch, no waves",
     {"--distribution=double-etoile", "--Y", "2.5", "--p", "3", "--ticks", "7", "--sans-onde"},
     Etat("3", "2", "2.5", false, true, 7),
     {true, false, true}},
    {"defaults, t in seconds, winding only",
     {"--t", "0.0123", "--sans-vecteurs", "--sans-onde"},
     [] {
         State s;
         s.t = 0.0123;
         return s;
     }(),
     {false, false, true}},
    {"single phase, 13 ticks",
     {"--alimentation", "monophasee", "--ticks", "13"},
     [] {
         State s;
         ChoisirAlimentation(s, AlimentationDe("monophasee"));
         for (int k = 0; k < 13; ++k) AvancerTemps(s);
         return s;
     }(),
     {},
     false},
    {"free supply, lags alone imply it",
     {"--dephasages", "0,90,200.5", "--ticks", "4", "--m", "3"},
     [] {
         State s = Etat("1", "3", "3.14159265358979", false, false, 0);
         s.alimentation = kAlimentationLibre;
         s.dephasagesLibres[1] = 90, s.dephasagesLibres[2] = 200.5;
         for (int k = 0; k < 4; ++k) AvancerTemps(s);
         return s;
     }(),
     {},
     false},
    {"slot winding 12/10, 9 ticks",
     {"--p", "5", "--encoches", "12", "--couches", "2", "--pas", "1", "--ticks", "9"},
     [] {
         State s = Etat("5", "2", "3.14159265358979", false, false, 9);
         AppliquerEncoches(s, {"12", "2", "1"});
         return s;
     }(),
     {},
     false},  // its staircases hold zero-length arrows, which the SVG drops
};

// The EMF and the SVG hold the very calls the scene makes for that state on the recording
// surface; the EMF's frame is the 96-per-inch reference screen's.
TEST(KestExport, VectorPicturesAreTheScenesCalls) {
    QTemporaryDir dossier;
    for (const Cas& k : kCas) {
        SCOPED_TRACE(k.nom);
        State etat = k.etat;
        test::RecordingSurface r;
        Dessine(r, etat, k.affichage);
        std::vector<test::Appel> dessins;
        for (const test::Appel& a : r.appels)
            if (a.op != Op::MoveTo) dessins.push_back(a);

        const QString emf = dossier.filePath("f.emf"), svg = dossier.filePath("f.svg");
        ASSERT_EQ(Lance(k.arguments + QStringList{"--sortie", emf}).statut, 0);
        ASSERT_EQ(Lance(k.arguments + QStringList{"--sortie", svg}).statut, 0);
        const QByteArray o = Lit(emf);
        const test::Emf e = test::LitEmf(std::string_view(o.constData(), std::size_t(o.size())));
        ASSERT_TRUE(e.valide);
        EXPECT_EQ(std::vector<int>(e.cadre, e.cadre + 4), (std::vector<int>{0, 0, 18521, 13229}));
        EXPECT_EQ(std::tuple(e.pixels[0], e.pixels[1], e.millimetres[0], e.millimetres[1]),
                  std::tuple(1440, 960, 381, 254));
        AttendMemesAppels(e.appels, r.appels);

        if (!k.svg) continue;
        bool valide = false;
        const std::vector<test::Appel> lus = test::LitSvg(Lit(svg), &valide);
        EXPECT_TRUE(valide);
        AttendMemesAppels(lus, dessins);
    }
}

struct Gif {
    int largeur = 0, hauteur = 0, images = 0;
    std::vector<int> delais;
    std::vector<QRgb> palette;
    int transparent = NO_TRANSPARENT_COLOR;
    bool boucle = false;  // Netscape loop count 0: forever
    QImage premiere;
};

Gif DecodeGif(const QString& chemin) {
    Gif g;
    int code = 0;
    GifFileType* f = DGifOpenFileName(QFile::encodeName(chemin).constData(), &code);
    if (!f) return g;
    if (DGifSlurp(f) == GIF_OK && f->SColorMap) {
        g.largeur = f->SWidth, g.hauteur = f->SHeight, g.images = f->ImageCount;
        for (int i = 0; i < f->SColorMap->ColorCount; ++i) {
            const GifColorType c = f->SColorMap->Colors[i];
            g.palette.push_back(qRgb(c.Red, c.Green, c.Blue));
        }
        for (int i = 0; i < f->ImageCount; ++i) {
            GraphicsControlBlock gcb{};
            DGifSavedExtensionToGCB(f, i, &gcb);
            g.delais.push_back(gcb.DelayTime);
            if (i == 0) g.transparent = gcb.TransparentColor;
        }
        for (int i = 0; i + 1 < f->SavedImages[0].ExtensionBlockCount; ++i) {
            const ExtensionBlock* b = f->SavedImages[0].ExtensionBlocks;
            if (b[i].Function == APPLICATION_EXT_FUNC_CODE && b[i].ByteCount == 11 &&
                std::string(reinterpret_cast<char*>(b[i].Bytes), 11) == "NETSCAPE2.0")
                g.boucle =
                    b[i + 1].ByteCount == 3 && b[i + 1].Bytes[1] == 0 && b[i + 1].Bytes[2] == 0;
        }
        const SavedImage& s = f->SavedImages[0];
        g.premiere = QImage(s.ImageDesc.Width, s.ImageDesc.Height, QImage::Format_ARGB32);
        for (int y = 0; y < s.ImageDesc.Height; ++y)
            for (int x = 0; x < s.ImageDesc.Width; ++x) {
                const int i = s.RasterBits[y * s.ImageDesc.Width + x];
                g.premiere.setPixel(x, y, i == g.transparent ? 0u : g.palette[std::size_t(i)]);
            }
    }
    DGifCloseFile(f, &code);
    return g;
}

// A GIF: its frames, size, delays and loop; a palette of distinct exact colours holding the
// scene's; its first frame is the PNG of the same state, pixel for pixel, at every scale and on
// every background.
TEST(KestExport, GifFramesArePngsOfTheClock) {
    QTemporaryDir dossier;
    const QString gif = dossier.filePath("a.gif"), png = dossier.filePath("a.png");
    const struct {
        QStringList etat, image, animation;
        int images, largeur;
        std::vector<int> delais;
    } cas[] = {
        {{"--p", "2", "--m", "3", "--distribution", "reelle", "--ticks", "25"},
         {},
         {},
         100,
         700,
         std::vector<int>(100, 6)},
        {{"--p", "2", "--m", "3", "--distribution", "reelle", "--ticks", "25"},
         {"--echelle", "2", "--fond", "transparent"},
         {"--images", "4", "--intervalle", "65"},
         4,
         1400,
         {7, 6, 7, 6}},
        {{"--distribution", "double-etoile", "--sans-onde"},
         {"--fond", "fenetre"},
         {"--images", "3", "--intervalle", "200"},
         3,
         700,
         {20, 20, 20}},
    };
    for (const auto& k : cas) {
        SCOPED_TRACE((k.etat + k.image + k.animation).join(' ').toStdString());
        ASSERT_EQ(Lance(k.etat + k.image + k.animation + QStringList{"--sortie", gif}).statut, 0);
        ASSERT_EQ(Lance(k.etat + k.image + QStringList{"--sortie", png}).statut, 0);
        const Gif g = DecodeGif(gif);
        EXPECT_EQ(std::tuple(g.images, g.largeur, g.hauteur),
                  std::tuple(k.images, k.largeur, k.largeur * 5 / 7));
        EXPECT_EQ(g.delais, k.delais);
        EXPECT_TRUE(g.boucle);
        const bool transparent = k.image.contains("transparent");
        EXPECT_EQ(g.transparent != NO_TRANSPARENT_COLOR, transparent);
        const int utiles = int(g.palette.size()) - (transparent ? 1 : 0);
        const std::set<QRgb> couleurs(g.palette.begin(), g.palette.begin() + utiles);
        // The scene's colours, each once (padding entries past the last one are black, itself
        // a colour of the scene); the window's grey replaces white with --fond fenetre, also
        // behind the labels, as in the window.
        const bool fenetre = k.image.contains("fenetre");
        for (const QRgb c : {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(0, 128, 0),
                             qRgb(128, 128, 128)})
            EXPECT_EQ(couleurs.count(c), 1u) << std::hex << c;
        EXPECT_EQ(couleurs.count(qRgb(255, 255, 255)), fenetre ? 0u : 1u);
        EXPECT_EQ(couleurs.count(qRgb(0xF0, 0xF0, 0xF0)), fenetre ? 1u : 0u);
        const QImage attendue =
            QImage::fromData(Lit(png), "PNG").convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(attendue.size(), QSize(k.largeur, k.largeur * 5 / 7));
        ASSERT_EQ(g.premiere.size(), attendue.size());
        EXPECT_EQ(g.premiere, attendue);
        EXPECT_EQ(attendue.pixel(1, 499), transparent ? 0u
                                          : fenetre   ? qRgb(0xF0, 0xF0, 0xF0)
                                                      : qRgb(255, 255, 255));
    }
}

// kest-export --lien draws, for each link of the table that the page and the window read too
// (tests/support/liens.json), the configuration the model forms from it: state, views, time. A
// GIF's frames last the clock's interval, the link's or --intervalle's, which are one option.
TEST(KestExport, ALinkDrawsItsConfiguration) {
    QFile fichier(QStringLiteral(KEST_LIENS));
    ASSERT_TRUE(fichier.open(QIODevice::ReadOnly));
    const QJsonArray liens = QJsonDocument::fromJson(fichier.readAll()).array();
    ASSERT_GT(liens.size(), 5);
    QTemporaryDir dossier;
    const QString emf = dossier.filePath("f.emf");
    for (const QJsonValue& lien : liens) {
        SCOPED_TRACE(lien.toString().toStdString());
        Configuration c = FormeConfiguration(LitLien(lien.toString().toStdString()));
        test::RecordingSurface r;
        Dessine(r, c.etat, c.affichage);
        ASSERT_EQ(Lance({"--lien", lien.toString(), "--sortie", emf}).statut, 0);
        const QByteArray o = Lit(emf);
        const test::Emf e = test::LitEmf(std::string_view(o.constData(), std::size_t(o.size())));
        ASSERT_TRUE(e.valide);
        AttendMemesAppels(e.appels, r.appels);
    }

    const QString gif = dossier.filePath("a.gif");
    for (const QStringList& arguments :
         {QStringList{"--lien", "#p=2&intervalle=120"}, QStringList{"--intervalle=120"}}) {
        ASSERT_EQ(Lance(arguments + QStringList{"--images", "2", "--sortie", gif}).statut, 0);
        EXPECT_EQ(DecodeGif(gif).delais, (std::vector<int>{12, 12}));
    }
    const Resultat deuxFois =
        Lance({"--intervalle", "100", "--lien", "#intervalle=120", "--sortie", gif});
    EXPECT_EQ(deuxFois.statut, 2);
    EXPECT_TRUE(deuxFois.erreurs.contains("L'option intervalle (du lien) est donnée deux fois."))
        << deuxFois.erreurs.toStdString();
    // The page's speed in a link changes nothing in a still picture or a table.
    EXPECT_EQ(Lance({"--lien", "#intervalle=120&marche=1", "--sortie", emf}).statut, 0);
    EXPECT_EQ(Lance({"--lien", "#intervalle=120", "--spectre"}).statut, 0);
    // The links that every edition refuses alike (tests/support/liens_refuses.json).
    QFile refuses(QStringLiteral(KEST_LIENS_REFUSES));
    ASSERT_TRUE(refuses.open(QIODevice::ReadOnly));
    for (const QJsonValue& cas : QJsonDocument::fromJson(refuses.readAll()).array()) {
        const QString lien = cas[QStringLiteral("lien")].toString();
        SCOPED_TRACE(lien.toStdString());
        const Resultat r = Lance({"--lien", lien, "--sortie", dossier.filePath("refus.emf")});
        EXPECT_EQ(r.statut, 2);
        EXPECT_EQ(QString::fromUtf8(r.erreurs),
                  "kest-export : " + cas[QStringLiteral("message")].toString() + ".\n");
    }
    EXPECT_FALSE(QFile::exists(dossier.filePath("refus.emf")));
}

// Refused values and options: the French message, status 2, nothing written; an output that
// cannot be written: status 1 and the system's reason, no file, no temporary file left.
TEST(KestExport, RefusalsAndFailuresLeaveNoFile) {
    QTemporaryDir dossier;
    const QString f = dossier.filePath("f.png");
    const struct {
        QStringList arguments;
        int statut;
        const char* message;
    } cas[] = {
        {{"--m", "0"}, 2, "Division par zéro en virgule flottante."},
        {{"--p", "abc"}, 2, "'abc' n'est pas une valeur entière correcte."},
        {{"--p", "100"}, 2, "'100' n'est pas un nombre de paires de pôles correct (1 à 99)."},
        {{"--m", "-100"}, 2, "n'est pas un nombre d'encoches par pôle et par phase correct"},
        {{"--Y", "3,5"}, 2, "'3,5' n'est pas une valeur en virgule flottante correcte."},
        {{"--Y", "1e309"}, 2, "Débordement en virgule flottante."},
        {{"--distribution", "Reelle"}, 2, "'Reelle' n'est pas une distribution correcte"},
        {{"--ticks", "-1"},
         2,
         "'-1' n'est pas un nombre de tops d'horloge correct (0 à 10000000)."},
        {{"--t", "-0.5"}, 2, "'-0.5' n'est pas un temps correct (0 à 2000 s)."},
        {{"--t", "1e308"}, 2, "'1e308' n'est pas un temps correct (0 à 2000 s)."},
        {{"--lien", "#p=2", "--lien", "#m=3"}, 2, "L'option --lien est donnée deux fois."},
        {{"--langue", "fr", "--langue=fr"}, 2, "L'option --langue est donnée deux fois."},
        {{"--ticks", "3", "--t", "1"}, 2, "--ticks et --t s'excluent"},
        {{"--echelle", "9"}, 2, "'9' n'est pas une échelle correcte (1 à 8)."},
        {{"--echelle", "2", "--format", "svg"}, 2, "ne valent que pour les formats png et gif"},
        {{"--fond", "noir"}, 2, "'noir' n'est pas un fond correct"},
        {{"--format", "jpg"}, 2, "'jpg' n'est pas un format correct (emf, svg, png ou gif)."},
        {{"--images", "0", "--format", "gif"}, 2, "'0' n'est pas un nombre d'images correct"},
        {{"--intervalle", "5", "--format", "gif"},
         2,
         "'5' n'est pas un intervalle en millisecondes correct (10 à 200)."},
        {{"--images", "5"}, 2, "ne valent que pour le format gif"},
        {{"--couleur", "rouge"}, 2, "Option inconnue « --couleur »"},
        {{"figure"}, 2, "Argument inattendu « figure »"},
        {{"--p"}, 2, "L'option --p attend une valeur."},
        {{"--p", "2", "--p=3"}, 2, "L'option --p est donnée deux fois."},
        {{"--alimentation", "triphasee"}, 2, "'triphasee' n'est pas une alimentation correcte"},
        {{"--amplitudes", "1,2.5,1"}, 2, "'2.5' n'est pas une amplitude correcte (0 à 2)."},
        {{"--amplitudes", "1,1"}, 2, "'1,1' n'est pas une liste de trois amplitudes"},
        {{"--dephasages", "0,1,2,3"}, 2, "'0,1,2,3' n'est pas une liste de trois déphasages"},
        {{"--dephasages", "0,90,x"}, 2, "'x' n'est pas une valeur en virgule flottante correcte."},
        {{"--alimentation", "inverse", "--amplitudes", "1,1,1"},
         2,
         "ne valent qu'avec l'alimentation libre"},
    };
    for (const auto& k : cas) {
        SCOPED_TRACE(k.arguments.join(' ').toStdString());
        // The output option first, so that a value missing at the end stays missing.
        const Resultat r = Lance(QStringList{"--sortie", f} + k.arguments);
        EXPECT_EQ(r.statut, k.statut);
        EXPECT_TRUE(r.erreurs.startsWith("kest-export : ")) << r.erreurs.toStdString();
        EXPECT_TRUE(r.erreurs.contains(k.message)) << r.erreurs.toStdString();
        EXPECT_TRUE(r.sortie.isEmpty());
        EXPECT_EQ(
            QDir(dossier.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList());
    }
    const Resultat sansSortie = Lance({"--p", "2"});
    EXPECT_EQ(sansSortie.statut, 2);
    EXPECT_TRUE(sansSortie.erreurs.contains("Indiquez le fichier à écrire avec --sortie"));
    EXPECT_EQ(Lance({"--sortie", dossier.filePath("f.txt")}).statut, 2);

    // Unwritable: a missing folder, a folder in the file's place, a read-only folder.
    QDir(dossier.path()).mkdir("d");
    QDir(dossier.path()).mkdir("lecture");
    QFile::setPermissions(dossier.filePath("lecture"), QFile::ReadOwner | QFile::ExeOwner);
    const struct {
        QString chemin;
        const char* raison;
    } echecs[] = {
        {dossier.filePath("absent/f.svg"), "No such file or directory"},
        {dossier.filePath("d"), "Is a directory"},
        {dossier.filePath("lecture/f.png"), "Permission denied"},
    };
    for (const auto& k : echecs) {
        SCOPED_TRACE(k.chemin.toStdString());
        const Resultat r = Lance({"--format", "png", "--sortie", k.chemin}, dossier.path());
        // Root writes anywhere: the read-only folder then proves nothing.
        if (k.chemin.endsWith("lecture/f.png") && r.statut == 0) continue;
        EXPECT_EQ(r.statut, 1);
        EXPECT_TRUE(r.erreurs.contains(("Impossible d'écrire « " + k.chemin + " » : ").toUtf8()))
            << r.erreurs.toStdString();
        EXPECT_TRUE(r.erreurs.contains(k.raison)) << r.erreurs.toStdString();
    }
    EXPECT_EQ(
        QDir(dossier.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        (QStringList{"d", "lecture"}));
    EXPECT_TRUE(QDir(dossier.filePath("d"))
                    .isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

QStringList Contenu(const QString& dossier) {
    return QDir(dossier).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                   QDir::NoDotAndDotDot);
}

const QStringList kPng = {"--p", "2", "--format", "png"};

// The bytes a plain new file receives.
QByteArray PngDeReference() {
    QTemporaryDir dossier;
    Lance(kPng + QStringList{"--sortie", "r.png"}, dossier.path());
    return Lit(dossier.filePath("r.png"));
}

// A named pipe is written in place, as cp does: it stays a pipe, its reader gets the whole
// picture, and nothing is made beside it.
TEST(KestExport, PipeIsWrittenInPlace) {
    QTemporaryDir dossier;
    const QByteArray attendu = PngDeReference();
    ASSERT_FALSE(attendu.isEmpty());
    const QByteArray tube = dossier.filePath("tube").toLocal8Bit();
    ASSERT_EQ(mkfifo(tube.constData(), 0600), 0);
    // The reader is there first, so that the exporter's opening does not wait; the picture
    // fits in the pipe's buffer, and a reader that nobody wrote to reads nothing.
    const int lecteur = open(tube.constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(lecteur, 0);
    const Resultat r = Lance(kPng + QStringList{"--sortie", "tube"}, dossier.path());
    EXPECT_EQ(r.statut, 0) << r.erreurs.toStdString();
    QByteArray lu;
    char tampon[4096];
    for (ssize_t n; (n = read(lecteur, tampon, sizeof tampon)) > 0;) lu.append(tampon, n);
    close(lecteur);
    EXPECT_EQ(lu, attendu);
    struct stat st {};
    EXPECT_TRUE(lstat(tube.constData(), &st) == 0 && S_ISFIFO(st.st_mode));
    EXPECT_EQ(Contenu(dossier.path()), QStringList{"tube"});
}

// Device nodes are written in place and stay nodes: the null device takes the picture, the
// full one refuses it with the system's reason.
TEST(KestExport, DevicesAreWrittenInPlace) {
    QTemporaryDir dossier;
    const struct {
        const char* nom;
        dev_t numero;
        int statut;
    } cas[] = {{"nul", makedev(1, 3), 0}, {"plein", makedev(1, 7), 1}};
    for (const auto& k : cas)
        if (mknod(dossier.filePath(k.nom).toLocal8Bit().constData(), S_IFCHR | 0600, k.numero))
            GTEST_SKIP() << "device nodes cannot be made here (mknod needs root): "
                         << std::strerror(errno);
    for (const auto& k : cas) {
        SCOPED_TRACE(k.nom);
        const Resultat r = Lance(kPng + QStringList{"--sortie", k.nom}, dossier.path());
        EXPECT_EQ(r.statut, k.statut) << r.erreurs.toStdString();
        if (k.statut == 1) {
            EXPECT_TRUE(
                r.erreurs.contains("Impossible d'écrire « plein » : No space left on device"))
                << r.erreurs.toStdString();
        }
        struct stat st {};
        ASSERT_EQ(lstat(dossier.filePath(k.nom).toLocal8Bit().constData(), &st), 0);
        EXPECT_TRUE(S_ISCHR(st.st_mode));
        EXPECT_EQ(st.st_rdev, k.numero);
    }
    EXPECT_EQ(Contenu(dossier.path()), (QStringList{"nul", "plein"}));
}

// A symbolic link leads to the file written, through a chain and from each link's own folder,
// whether the file exists yet or not; the links stay links and the temporary file is made
// beside the target. A loop of links is an error.
TEST(KestExport, LinksLeadToTheFileWritten) {
    QTemporaryDir dossier;
    const QDir d(dossier.path());
    const QByteArray attendu = PngDeReference();
    ASSERT_FALSE(attendu.isEmpty());
    d.mkdir("a");
    d.mkdir("b");
    ASSERT_EQ(symlink("../b/f.png", d.filePath("a/lien").toLocal8Bit().constData()), 0);
    ASSERT_EQ(symlink("a/lien", d.filePath("chaine").toLocal8Bit().constData()), 0);
    ASSERT_EQ(symlink("boucle", d.filePath("boucle").toLocal8Bit().constData()), 0);
    for (const char* sortie : {"chaine", "a/lien"}) {
        SCOPED_TRACE(sortie);
        const Resultat r = Lance(kPng + QStringList{"--sortie", sortie}, d.path());
        EXPECT_EQ(r.statut, 0) << r.erreurs.toStdString();
        EXPECT_EQ(Lit(d.filePath("b/f.png")), attendu);
        EXPECT_EQ(QFileInfo(d.filePath("chaine")).symLinkTarget(), d.filePath("a/lien"));
        EXPECT_EQ(QFileInfo(d.filePath("a/lien")).symLinkTarget(), d.filePath("b/f.png"));
        EXPECT_EQ(Contenu(d.path()), (QStringList{"a", "b", "boucle", "chaine"}));
        EXPECT_EQ(Contenu(d.filePath("a")), QStringList{"lien"});
        EXPECT_EQ(Contenu(d.filePath("b")), QStringList{"f.png"});
        QFile ancien(d.filePath("b/f.png"));  // the second run replaces an existing file
        ASSERT_TRUE(ancien.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ancien.write("ancien");
    }
    const Resultat boucle = Lance(kPng + QStringList{"--sortie", "boucle"}, d.path());
    EXPECT_EQ(boucle.statut, 1);
    EXPECT_TRUE(boucle.erreurs.contains(
        "Impossible d'écrire « boucle » : Too many levels of symbolic links"))
        << boucle.erreurs.toStdString();
    EXPECT_EQ(Contenu(d.path()), (QStringList{"a", "b", "boucle", "chaine"}));
}

// A new file has the rights the umask leaves of 0666; a file replaced keeps its own, also the
// ones the umask would take away.
TEST(KestExport, AReplacedFileKeepsItsRights) {
    QTemporaryDir dossier;
    const QDir d(dossier.path());
    const mode_t masque = umask(027);  // the exporter inherits it
    const Resultat nouveau = Lance(kPng + QStringList{"--sortie", "n.png"}, d.path());
    for (const mode_t droits : {0600, 0664}) {
        SCOPED_TRACE(droits);
        const QByteArray nom = d.filePath("r.png").toLocal8Bit();
        const int fd = open(nom.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ASSERT_GE(fd, 0);
        fchmod(fd, droits);
        close(fd);
        const Resultat r = Lance(kPng + QStringList{"--sortie", "r.png"}, d.path());
        EXPECT_EQ(r.statut, 0) << r.erreurs.toStdString();
        struct stat st;
        ASSERT_EQ(stat(nom.constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, droits);
        EXPECT_GT(st.st_size, 0);
    }
    umask(masque);
    EXPECT_EQ(nouveau.statut, 0) << nouveau.erreurs.toStdString();
    struct stat st;
    ASSERT_EQ(stat(d.filePath("n.png").toLocal8Bit().constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

// Writes the old picture that an export must leave as it is when it fails.
const QByteArray kAncien = "ancien";
void Remet(const QString& chemin) {
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(kAncien);
}

// Stopped by the file-size limit in the middle of a write (4 KiB: a few frames of the
// animation, part of the picture), the export fails with the system's reason and leaves the
// folder as it found it: the old picture unchanged and no temporary file.
TEST(KestExport, TooLargeLeavesTheOldFile) {
    QTemporaryDir dossier;
    Remet(dossier.filePath("long.gif"));
    Remet(dossier.filePath("f.png"));
    const struct {
        const char* nom;
        QStringList arguments;
    } cas[] = {{"long.gif", {"--images", "20"}}, {"f.png", {"--format", "png"}}};
    for (const auto& k : cas) {
        SCOPED_TRACE(k.nom);
        const Resultat r =
            Lance(QStringList{"--p", "9", "--sortie", k.nom} + k.arguments, dossier.path(), 4096);
        EXPECT_EQ(r.statut, 1);
        EXPECT_TRUE(r.erreurs.contains(
            (QString("Impossible d'écrire « ") + k.nom + " » : File too large").toUtf8()))
            << r.erreurs.toStdString();
        EXPECT_EQ(Contenu(dossier.path()), (QStringList{"f.png", "long.gif"}));
        EXPECT_EQ(Lit(dossier.filePath(k.nom)), kAncien);
    }
}

// Interrupted in the middle of a long animation, the export ends as the signal asks and
// leaves the old picture unchanged and no temporary file.
TEST(KestExport, InterruptionLeavesTheOldFile) {
    QTemporaryDir dossier;
    Remet(dossier.filePath("long.gif"));
    for (int numero : {SIGINT, SIGTERM, SIGHUP}) {
        SCOPED_TRACE(numero);
        QProcess p;
        Demarre(p,
                {"--p", "9", "--m", "9", "--distribution", "reelle", "--echelle", "8", "--images",
                 "200", "--sortie", "long.gif"},
                dossier.path());
        // The signal comes once the animation's first bytes are written, wherever they go.
        bool commence = false;
        for (int k = 0; k < 6000 && !commence && p.state() != QProcess::NotRunning; ++k) {
            qint64 octets = 0;
            for (const QFileInfo& f :
                 QDir(dossier.path()).entryInfoList(QDir::Files | QDir::Hidden))
                octets += f.size();
            commence = octets > kAncien.size();
            if (!commence) QThread::msleep(10);
        }
        ASSERT_TRUE(commence);
        kill(pid_t(p.processId()), numero);
        ASSERT_TRUE(p.waitForFinished(60000));
        // A machine fast enough to finish the animation first has nothing left to interrupt.
        if (p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
            GTEST_SKIP() << "the export ended before the signal reached it";
        EXPECT_EQ(p.exitStatus(), QProcess::CrashExit);
        EXPECT_EQ(p.exitCode(), numero);  // the signal's own ending, as without a handler
        EXPECT_EQ(Contenu(dossier.path()), QStringList{"long.gif"});
        EXPECT_EQ(Lit(dossier.filePath("long.gif")), kAncien);
    }
}

// Started under nohup, the export ignores a hang-up (its terminal closing) and finishes the file.
TEST(KestExport, NohupKeepsTheExportThroughAHangUp) {
    QTemporaryDir dossier;
    QProcess p;
    p.setWorkingDirectory(dossier.path());
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(QStringLiteral("nohup"),
            {QStringLiteral(KEST_EXPORT), "--p", "9", "--m", "9", "--distribution", "reelle",
             "--echelle", "8", "--images", "15", "--sortie", "long.gif"});
    ASSERT_TRUE(p.waitForStarted());
    bool commence = false;
    for (int k = 0; k < 6000 && !commence && p.state() != QProcess::NotRunning; ++k) {
        commence = !QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden).isEmpty();
        if (!commence) QThread::msleep(10);
    }
    ASSERT_TRUE(commence);
    ASSERT_EQ(p.state(), QProcess::Running);
    kill(pid_t(p.processId()), SIGHUP);
    ASSERT_TRUE(p.waitForFinished(120000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_EQ(Contenu(dossier.path()), QStringList{"long.gif"});
    EXPECT_EQ(DecodeGif(dossier.filePath("long.gif")).delais.size(), 15u);
}

// The standard output carries the picture; the help is French and exits 0.
TEST(KestExport, StandardOutputAndHelp) {
    const Resultat svg = Lance({"--format", "svg", "--sortie", "-", "--p", "2"});
    EXPECT_EQ(svg.statut, 0);
    EXPECT_TRUE(svg.sortie.startsWith("<?xml")) << svg.sortie.left(40).toStdString();
    const Resultat png = Lance({"--sortie", "-", "--format", "png", "--echelle", "2"});
    EXPECT_EQ(QImage::fromData(png.sortie, "PNG").size(), QSize(1400, 1000));
    const Resultat aide = Lance({"--p", "abc", "--help"});
    EXPECT_EQ(aide.statut, 0);
    for (const char* option :
         {"--p", "--m", "--Y", "--distribution", "--ticks", "--t", "--sans-vecteurs", "--sans-onde",
          "--sans-bobinage", "--format", "--sortie", "--echelle", "--fond", "--images",
          "--intervalle", "--spectre", "--alimentation", "--amplitudes", "--dephasages"})
        EXPECT_TRUE(aide.sortie.contains(QByteArray("  ") + option + " ")) << option;
}

// The language: English for an English locale or --langue en, French for a French or C locale
// and for --langue fr over an English locale; a language it does not speak is refused. The
// languages it names are the list's, however many it holds.
TEST(KestExport, EnglishEdition) {
    const QString anglais = QStringLiteral("en_US.UTF-8");
    const std::string codes = kest::CodesDesLangues();
    const Resultat aide = Lance({"--langue", "en", "--help"});
    EXPECT_EQ(aide.statut, 0);
    EXPECT_TRUE(aide.sortie.startsWith("Usage: kest-export [OPTIONS] --sortie FILE\n"));
    EXPECT_TRUE(aide.sortie.contains(
        QByteArray::fromStdString("  --langue L        language of the texts: " + codes)));
    const char* const entier = "kest-export: 'x' is not a valid integer value.\n";
    const char* const entierFr = "kest-export : 'x' n'est pas une valeur entière correcte.\n";
    const struct {
        QStringList arguments;
        QString lang;
        std::string erreurs;
    } cas[] = {
        {{"--p", "x", "--sortie", "a.svg"}, anglais, entier},
        {{"--langue=en", "--p", "x", "--sortie", "a.svg"}, QStringLiteral("fr_FR.UTF-8"), entier},
        {{"--p", "x", "--sortie", "a.svg"}, QStringLiteral("fr_FR.UTF-8"), entierFr},
        {{"--langue", "fr", "--p", "x", "--sortie", "a.svg"}, anglais, entierFr},
        // ISO 639 keeps qaa–qtz for local use and gives them to no language: no row of
        // translations/langues.txt can ever make this one valid.
        {{"--langue", "qaa"},
         anglais,
         "kest-export: 'qaa' is not a valid language (" + codes + ").\n"},
    };
    for (const auto& c : cas) {
        const Resultat r = Lance(c.arguments, QDir::tempPath(), RLIM_INFINITY, c.lang);
        EXPECT_EQ(r.statut, 2);
        EXPECT_EQ(r.erreurs.toStdString(), c.erreurs) << c.arguments.join(' ').toStdString();
    }
}

// The harmonics table of a figure agrees with the harmonics window's: the same model, the same
// rules forming the state, orders 1 to 25, as text or JSON; picture options are refused.
TEST(KestExport, SpectrumTableIsTheModels) {
    const struct {
        QStringList arguments;
        State etat;
    } cas[] = {
        {{"--p", "1", "--m", "2", "--distribution", "reelle"},
         Etat("1", "2", "3.14159265358979", true, false, 0)},
        {{"--p", "2", "--m", "3", "--Y", "2.6179938779914944", "--distribution", "double-etoile",
          "--ticks", "7"},
         Etat("2", "3", "2.6179938779914944", false, true, 7)},
        {{"--distribution", "parfaite"}, State{}},
        {{"--alimentation", "monophasee", "--m", "3", "--distribution", "reelle"},
         [] {
             State s = Etat("1", "3", "3.14159265358979", true, false, 0);
             ChoisirAlimentation(s, AlimentationDe("monophasee"));
             return s;
         }()},
        {{"--amplitudes", "1,0.5,1", "--ticks", "3"},
         [] {
             State s;
             for (int k = 0; k < 3; ++k) AvancerTemps(s);
             s.alimentation = kAlimentationLibre;
             s.amplitudesLibres[1] = 0.5;
             return s;
         }()},
    };
    for (const auto& k : cas) {
        const Spectre sp = SpectreDe(k.etat, false);
        const Resultat texte = Lance(QStringList{"--spectre"} + k.arguments);
        EXPECT_EQ(texte.statut, 0) << texte.erreurs.toStdString();
        EXPECT_EQ(texte.sortie.toStdString(), TexteTableau(sp) + TexteDistorsion(sp));
        // A header, orders 1 to 25, the distortion, and for an unbalanced supply the note
        // saying why it has no A(h)/A(1) and no distortion.
        EXPECT_EQ(texte.sortie.count('\n'), sp.pulse ? 28 : 27);
        const Resultat json = Lance(QStringList{"--spectre", "--format", "json"} + k.arguments);
        EXPECT_EQ(json.statut, 0);
        EXPECT_EQ(json.sortie.toStdString(), JsonTableau(k.etat, sp));
    }
    // A single phase: two counter-rotating halves, a third of the balanced fundamental each.
    const Resultat mono = Lance({"--spectre", "--alimentation", "monophasee"});
    const QList<QByteArray> h1 = mono.sortie.split('\n').value(1).split('\t');
    ASSERT_EQ(h1.size(), 10);
    EXPECT_NEAR(h1[8].toDouble(), 1.0 / 3, 1e-3);
    EXPECT_NEAR(h1[9].toDouble(), 1.0 / 3, 1e-3);
    // It only pulsates: no direction, no speed of its own, no instant's A(h)/A(1) or distortion,
    // whatever the instant; equal parts are "pulsant" at every tick, not a rounding's direction.
    EXPECT_EQ(h1[6], "pulsant");
    EXPECT_EQ(h1[7], "±1.0000");
    EXPECT_TRUE(h1[5].isEmpty());
    for (const char* ticks : {"0", "1", "10", "25"}) {
        const Resultat r =
            Lance({"--spectre", "--alimentation", "monophasee", "--m", "2", "--distribution",
                   "reelle", "--ticks", ticks, "--format", "json"});
        EXPECT_NE(r.sortie.indexOf("\"distorsion\": null"), -1) << ticks;
        EXPECT_NE(r.sortie.indexOf("\"note\": "), -1);
        for (const QByteArray& ligne : r.sortie.split('\n'))
            if (ligne.contains("{\"h\": 5,") || ligne.contains("{\"h\": 1,"))
                EXPECT_TRUE(ligne.contains("\"relatif\": null, \"sens\": \"pulsant\""))
                    << ligne.toStdString();
    }
    // A lost phase: two equal halves too, never "inverse -1.0000".
    const QList<QByteArray> coupee = Lance({"--spectre", "--alimentation", "phase-coupee"})
                                         .sortie.split('\n')
                                         .value(1)
                                         .split('\t');
    EXPECT_EQ(coupee.value(6), "pulsant");
    QTemporaryDir dossier;
    const Resultat fichier = Lance({"--spectre", "--sortie", "t.tsv", "--m", "3"}, dossier.path());
    EXPECT_EQ(fichier.statut, 0);
    EXPECT_TRUE(Lit(dossier.filePath("t.tsv")).startsWith("h\t"));
    for (const QStringList& refus :
         {QStringList{"--spectre", "--echelle", "2"}, QStringList{"--spectre", "--format", "svg"},
          QStringList{"--spectre", "--m", "0", "--sortie", "r.tsv"}}) {
        const Resultat r = Lance(refus, dossier.path());
        EXPECT_EQ(r.statut, 2) << refus.join(' ').toStdString();
        EXPECT_TRUE(r.sortie.isEmpty());
        EXPECT_FALSE(QFile::exists(dossier.filePath("r.tsv")));
    }
}

// A slot winding: its spectrum in mechanical orders, the star's figure as the scene draws it
// (in the EMF, and the SVG's texts in their colours), and its refusals, which write nothing.
TEST(KestExport, SlotWindingSpectrumStarAndRefusals) {
    const Resultat json = Lance({"--p", "5", "--encoches", "12", "--couches", "2", "--pas", "1",
                                 "--spectre", "--format", "json"});
    ASSERT_EQ(json.statut, 0) << json.erreurs.toStdString();
    const std::string j = json.sortie.toStdString();
    EXPECT_NE(j.find("\"ordres_mecaniques\": true"), std::string::npos);
    const auto nombre = [&](int nu, const char* cle) {
        const auto ligne = j.find("{\"nu\": " + std::to_string(nu) + ",");
        const auto champ = j.find(std::string("\"") + cle + "\": ", ligne);
        return std::stod(j.substr(champ + std::strlen(cle) + 4));
    };
    EXPECT_NEAR(nombre(5, "kw"), 0.9330, 1e-4);
    EXPECT_NEAR(nombre(5, "relatif"), 1.0, 1e-12);
    EXPECT_GT(nombre(1, "relatif"), 0.3);  // the sub-harmonic
    EXPECT_NEAR(nombre(7, "kw"), 0.9330, 1e-4);
    EXPECT_NE(j.find("{\"nu\": 25,"), std::string::npos);
    EXPECT_EQ(j.find("{\"nu\": 26,"), std::string::npos);
    const Resultat texte =
        Lance({"--p", "2", "--encoches", "24", "--couches", "1", "--pas", "6", "--spectre"});
    EXPECT_EQ(texte.sortie.split('\n').value(2).split('\t').value(1), "0.9659");

    QTemporaryDir dossier;
    const QString emf = dossier.filePath("etoile.emf");
    ASSERT_EQ(Lance({"--p", "4", "--encoches", "9", "--etoile", "--sortie", emf}).statut, 0);
    State etat;
    etat.p = 4;
    AppliquerEncoches(etat, {"9", "2", "1"});
    test::RecordingSurface r;
    DessineEtoile(r, etat);
    const QByteArray o = Lit(emf);
    const test::Emf e = test::LitEmf(std::string_view(o.constData(), std::size_t(o.size())));
    ASSERT_TRUE(e.valide);
    AttendMemesAppels(e.appels, r.appels);
    const QString svg = dossier.filePath("etoile.svg");
    ASSERT_EQ(Lance({"--p", "4", "--encoches", "9", "--etoile", "--sortie", svg}).statut, 0);
    std::vector<std::pair<std::string, Couleur>> textes, lus;
    for (const auto& [appels, liste] :
         {std::pair{r.appels, &textes}, {test::LitSvg(Lit(svg)), &lus}})
        for (const test::Appel& a : appels)
            if (a.op == Op::TextOut) liste->emplace_back(a.texte, a.couleurTexte);
    EXPECT_EQ(lus, textes);

    const struct {
        QStringList arguments;
        const char* message;
    } refus[] = {
        {{"--encoches", "10"}, "10 encoches ne forment pas de bobinage triphasé"},
        {{"--p", "6", "--encoches", "12"}, "Q / (3·pgcd(Q, p))"},
        {{"--p", "4", "--encoches", "9", "--couches", "1"}, "multiple de 6 (9 encoches)"},
        {{"--encoches", "12", "--pas", "0"}, "'0' n'est pas un pas de bobine correct (1 à 6"},
        {{"--encoches", "12", "--pas", "7"}, "'7' n'est pas un pas de bobine correct (1 à 6"},
        {{"--etoile", "--p", "2"}, "--etoile demande un bobinage par encoches"},
        {{"--etoile", "--encoches", "12", "--format", "gif"}, "emf, svg ou png"},
        {{"--etoile", "--spectre", "--encoches", "12"}, "s'excluent"},
    };
    for (const auto& k : refus) {
        const Resultat res = Lance(k.arguments + QStringList{"--sortie", "r.png"}, dossier.path());
        EXPECT_EQ(res.statut, 2) << k.arguments.join(' ').toStdString();
        EXPECT_TRUE(res.erreurs.toStdString().find(k.message) != std::string::npos)
            << res.erreurs.toStdString();
        EXPECT_FALSE(QFile::exists(dossier.filePath("r.png")));
    }
}

// --bobinage: a custom winding's file gives the picture, animation and spectrum of the same
// winding in a link; a refused file names its line, and nothing is written.
TEST(KestExport, ACustomWindingsFile) {
    QTemporaryDir dossier;
    TableBobinage t = *EncochesDe(test::Encoches(12, 5, 2, 1))->Table();
    t.cellules[0].spires = -3;
    QFile fichier(dossier.filePath("douze-dix.csv"));
    ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
    fichier.write(QByteArray::fromStdString(EcritFichierBobinage(t)));
    fichier.close();
    const QStringList parFichier{"--p", "5", "--ticks", "7", "--bobinage", fichier.fileName()};
    const QStringList parLien{"--lien",
                              QString::fromStdString("#p=5&ticks=7&perso=" + CodeLienBobinage(t))};
    for (const QStringList& format : {QStringList{"--sortie", "-", "--format", "emf"},
                                      {"--sortie", "-", "--format", "gif", "--images", "3"},
                                      {"--spectre"},
                                      {"--spectre", "--format", "json"}}) {
        const Resultat a = Lance(parFichier + format), b = Lance(parLien + format);
        ASSERT_EQ(a.statut, 0) << a.erreurs.toStdString();
        EXPECT_GT(a.sortie.size(), 100);
        EXPECT_EQ(a.sortie, b.sortie) << format.join(' ').toStdString();
    }
    const Resultat refus = Lance({"--bobinage", "/dev/null", "--sortie", "r.png"}, dossier.path());
    EXPECT_EQ(refus.statut, 2);
    EXPECT_EQ(QString::fromUtf8(refus.erreurs),
              "kest-export : Bobinage « /dev/null » : Ligne 1 : le fichier est vide.\n");
    EXPECT_FALSE(QFile::exists(dossier.filePath("r.png")));
}

}  // namespace
