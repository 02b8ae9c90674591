// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "model/Configuration.h"
#include "model/Erreur.h"

namespace kest {
namespace {

// Two configurations give the same picture and clock when every member the scene reads is the
// same, bit for bit.
void ExpectMemes(const Configuration& a, const Configuration& b, const std::string& lien) {
    SCOPED_TRACE(lien);
    EXPECT_EQ(a.etat.p, b.etat.p);
    EXPECT_EQ(a.etat.m, b.etat.m);
    EXPECT_EQ(a.etat.NbEncoches, b.etat.NbEncoches);
    EXPECT_EQ(0, std::memcmp(&a.etat.Y, &b.etat.Y, sizeof a.etat.Y));
    EXPECT_EQ(0, std::memcmp(&a.etat.Alpha, &b.etat.Alpha, sizeof a.etat.Alpha));
    EXPECT_EQ(a.etat.Reelle, b.etat.Reelle);
    EXPECT_EQ(a.etat.DoubleEtoile, b.etat.DoubleEtoile);
    EXPECT_EQ(a.affichage.Vecteurs, b.affichage.Vecteurs);
    EXPECT_EQ(a.affichage.Onde, b.affichage.Onde);
    EXPECT_EQ(a.affichage.Bobinage, b.affichage.Bobinage);
    EXPECT_EQ(a.intervalle, b.intervalle);
    EXPECT_EQ(a.enMarche, b.enMarche);
    EXPECT_EQ(a.etat.alimentation, b.etat.alimentation);
    EXPECT_EQ(0, std::memcmp(a.etat.amplitudesLibres, b.etat.amplitudesLibres,
                             sizeof a.etat.amplitudesLibres));
    EXPECT_EQ(0, std::memcmp(a.etat.dephasagesLibres, b.etat.dephasagesLibres,
                             sizeof a.etat.dephasagesLibres));
    EXPECT_EQ(a.etat.typeBobinage, b.etat.typeBobinage);
    EXPECT_EQ(a.etat.encoches, b.etat.encoches);
    EXPECT_EQ(a.etat.couches, b.etat.couches);
    EXPECT_EQ(a.etat.pas, b.etat.pas);
}

TEST(Configuration, ALinkFormsAgainTheConfigurationThatWroteIt) {
    const std::vector<std::string> lignes[] = {
        {},
        {"--p", "2", "--m", "3", "--distribution", "reelle"},
        {"--Y", "2.5", "--sans-onde", "--marche"},
        {"--distribution", "double-etoile", "--sans-vecteurs", "--sans-bobinage"},
        {"--m", "-3", "--Y", "1e-300"},
        {"--p", "1"},  // an Enter over the defaults: Y becomes 3.14159265358979
        {"--lien", "https://exemple.org/kest/#p=99&m=99&Y=0.1&intervalle=10"},
        {"--alimentation", "phase-coupee", "--p", "2"},
        {"--amplitudes", "1,0.5,1.75", "--dephasages", "0,90,-200.25"},
        {"--lien", "#dephasages=10,20,1e-5"},
        {"--p", "5", "--encoches", "12"},
        {"--lien", "#pas=6&p=2&couches=1&encoches=24"},
        {"--p", "2", "--couches", "2", "--pas", "7", "--encoches", "36"},
    };
    for (const auto& ligne : lignes) {
        Options options;
        ASSERT_TRUE(PrendOptions(ligne, options).empty()) << testing::PrintToString(ligne);
        const Configuration c = FormeConfiguration(options);
        const std::string lien = EcritLien(c);
        ExpectMemes(c, FormeConfiguration(LitLien("#" + lien)), lien);
        EXPECT_EQ(lien, EcritLien(FormeConfiguration(LitLien(lien))));
    }
    EXPECT_EQ("", EcritLien(Configuration{}));
    // The supply after the distribution, its lists only for "libre".
    EXPECT_EQ("p=2&alimentation=monophasee&onde=0",
              EcritLien(FormeConfiguration(LitLien("onde=0&alimentation=monophasee&p=2"))));
    EXPECT_EQ("alimentation=libre&amplitudes=1,0.5,1&dephasages=0,120,240",
              EcritLien(FormeConfiguration(LitLien("amplitudes=1,0.5,1"))));
    EXPECT_EQ("Y=3.14159265358979",
              EcritLien(FormeConfiguration({{"p", "1"}})));  // not the exact π of the defaults
    // The slots always, the layers and the span when not the defaults.
    EXPECT_EQ("p=5&encoches=12", EcritLien(FormeConfiguration(LitLien("encoches=12&p=5"))));
    EXPECT_EQ("p=2&encoches=24&couches=1&pas=6",
              EcritLien(FormeConfiguration(LitLien("pas=6&couches=1&p=2&encoches=24"))));
    EXPECT_EQ("p=2&m=3&distribution=reelle&onde=0&intervalle=100&marche=1",
              EcritLien(FormeConfiguration(
                  LitLien("marche=1&onde=0&distribution=reelle&m=3&intervalle=100&p=2"))));
}

TEST(Configuration, EachRefusedValueOfABadLinkStaysAtItsDefault) {
    struct Cas {
        const char* lien;
        std::vector<std::string> refus;
        int p, m;
    } cas[] = {
        {"#cle=1&p=2", {"Clé inconnue « cle » dans le lien"}, 2, 2},
        {"#p=abc&m=3", {"'abc' n'est pas une valeur entière correcte"}, 1, 3},
        {"#m=0&p=3", {"Division par zéro en virgule flottante"}, 3, 2},
        {"#p=2&p=3", {"L'option p (du lien) est donnée deux fois"}, 2, 2},
        {"#t=1e308&p=2", {"'1e308' n'est pas un temps correct (0 à 2000 s)"}, 2, 2},
        {"#p=%32&m%3D=1&onde=2",
         {"Clé inconnue « m= » dans le lien",
          "'2' n'est pas une valeur correcte pour onde (0 ou 1)"},
         2,
         2},
        {"#distribution=etoile&intervalle=5",
         {"'etoile' n'est pas une distribution correcte (parfaite, reelle ou double-etoile)",
          "'5' n'est pas un intervalle en millisecondes correct (10 à 200)"},
         1,
         2},
        {"#encoches=10&p=2",
         {"10 encoches ne forment pas de bobinage triphasé : le nombre d'encoches doit être un "
          "multiple de 3"},
         2,
         2},
        {"#p=6&encoches=12",
         {"12 encoches et 6 paires de pôles ne forment pas de bobinage triphasé équilibré : Q / "
          "(3·pgcd(Q, p)) doit être entier"},
         6,
         2},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.lien);
        std::vector<std::string> refus;
        const Configuration conf = FormeConfigurationTolerante(LitLien(c.lien), ",", refus);
        EXPECT_EQ(c.refus, refus);
        EXPECT_EQ(c.p, conf.etat.p);
        EXPECT_EQ(c.m, conf.etat.m);
        EXPECT_TRUE(conf.affichage.Onde);
        EXPECT_EQ(conf.etat.typeBobinage, TypeBobinage::Classique);
    }
    // A French reader's comma, and a long junk fragment that neither hangs nor blanks anything.
    std::vector<std::string> refus;
    EXPECT_EQ(3.5, FormeConfigurationTolerante(LitLien("#Y=3,5"), ",", refus).etat.Y);
    EXPECT_TRUE(refus.empty());
    const Configuration junk =
        FormeConfigurationTolerante(LitLien("#" + std::string(10000, '&') + "%zz=%"), ",", refus);
    EXPECT_EQ(1, junk.etat.p);
    EXPECT_EQ(1u, refus.size());
    EXPECT_TRUE(LitLien("https://exemple.org/kest/").empty());
}

TEST(Configuration, TheCommandLineLeavesTheProgramItsOptionsAndRefusesRepeats) {
    Options options;
    EXPECT_EQ((std::vector<std::string>{"--sortie", "f.svg", "--echelle=2"}),
              PrendOptions({"--sortie", "f.svg", "--m=3", "--echelle=2", "--sans-onde"}, options));
    EXPECT_EQ((Options{{"m", "3"}, {"onde", "0"}}), options);
    // As the desktop and the exporter read their command line.
    const auto refuse = [](std::vector<std::string> arguments) {
        Options o;
        try {
            PrendOptions(arguments, o);
            FormeConfiguration(o);
        } catch (const Erreur& e) {
            return e.message();
        }
        return std::string();
    };
    const struct {
        std::vector<std::string> arguments;
        const char* message;
    } cas[] = {
        {{"--p", "2", "--p=3"}, "L'option --p est donnée deux fois"},
        {{"--sans-onde", "--sans-onde"}, "L'option --sans-onde est donnée deux fois"},
        {{"--m"}, "L'option --m attend une valeur"},
        // A link's repeated key gives the page's message, wherever the first one stands.
        {{"--p", "2", "--lien", "#p=3"}, "L'option p (du lien) est donnée deux fois"},
        {{"--lien", "#m=3&p=2&p=3"}, "L'option p (du lien) est donnée deux fois"},
        {{"--lien", "#p=3", "--p", "2"}, "L'option --p est donnée deux fois"},
        {{"--lien", "#p=3", "--lien", "#m=3"}, "L'option --lien est donnée deux fois"},
        {{"--lien=#p=3", "--lien", "#p=3"}, "L'option --lien est donnée deux fois"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.arguments.front());
        EXPECT_EQ(c.message, refuse(c.arguments));
    }
    Options o;
    PrendOptions({"--lien", "#p=3"}, o);
    EXPECT_EQ(2, FormeConfiguration(o).etat.m);
}

// The clock stops at kTicksMax ticks (2000 s at 50 Hz); a time beyond, whose angle Omega·t
// loses its meaning or overflows (from about 1e306 s), is refused like a negative one.
TEST(Configuration, TheTimeIsBoundedAsTheTicksAre) {
    const struct {
        const char* t;
        bool accepte;
    } cas[] = {
        {"0", true},      {"1999.9999", true}, {"2000", true},  {"2000.001", false},
        {"1e306", false}, {"1e308", false},    {"-0.5", false}, {"1e5", false},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.t);
        std::string message;
        try {
            EXPECT_EQ(std::stod(c.t), FormeConfiguration({{"t", c.t}}).etat.t);
        } catch (const Erreur& e) {
            message = e.message();
        }
        EXPECT_EQ(
            c.accepte ? "" : "'" + std::string(c.t) + "' n'est pas un temps correct (0 à 2000 s)",
            message);
    }
    // The clock's own last tick is a time the configuration accepts.
    const double fin = FormeConfiguration({{"ticks", std::to_string(kTicksMax)}}).etat.t;
    char texte[32];
    std::snprintf(texte, sizeof texte, "%.17g", fin);
    EXPECT_EQ(fin, FormeConfiguration({{"t", texte}}).etat.t);
}

// An address without a fragment opens the defaults, whether it has a scheme or not.
TEST(Configuration, AnAddressWithoutFragmentGivesTheDefaults) {
    for (const char* adresse : {"https://exemple.org/kest/", "exemple.org/kest/",
                                "localhost:8080/kest/index.html", "kest"}) {
        SCOPED_TRACE(adresse);
        Options options;
        ASSERT_TRUE(PrendOptions({"--lien", adresse}, options).empty());
        EXPECT_EQ("", EcritLien(FormeConfiguration(options)));
        EXPECT_TRUE(LitLien(adresse).empty());
    }
}

}  // namespace
}  // namespace kest
