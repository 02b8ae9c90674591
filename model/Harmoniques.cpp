// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Harmoniques.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>

#include "model/Erreur.h"
#include "model/Physique.h"

namespace kest {

namespace {

using Complexe = std::complex<double>;

bool Etagee(const State& s) { return s.DoubleEtoile || s.Reelle; }

// Below this the fundamental is taken as missing: nothing to compare the orders with.
bool AFondamental(const Harmoniques& sp, double imax) {
    return sp.amplitude[1] > 1e-9 * std::abs(imax) && sp.amplitude[1] > 0.0;
}

std::string Json(double v) {
    if (!std::isfinite(v)) return "null";
    char tampon[64];
    std::snprintf(tampon, sizeof tampon, "%.10g", v);
    return tampon;
}

std::string Json(const std::optional<double>& v) { return v ? Json(*v) : "null"; }

std::string JsonTexte(std::string_view texte) {
    std::string r = "\"";
    for (const char c : texte) {
        if (c == '"' || c == '\\') r += '\\';
        r += c;
    }
    return r + '"';
}

// The resultant's transform at one instant: c_h = (2/N)·Σ F(x_n)·e^{−i·h·x_n}, x_n the
// electrical angle of sample n at the middle of its step. |c_h| is the crest of order h.
// `table` holds e^{−i·π·j/N} for j = 0 .. 2N−1, since h·x_n = π·h·(2n+1)/N.
void Transformee(State& s, int n, const std::vector<Complexe>& table,
                 std::array<Complexe, kOrdreMax + 1>& c) {
    for (int k = 0; k < 3; ++k) s.I[k] = CourantPhase(s, k).valeur;
    c.fill(Complexe());
    const long long deuxN = 2LL * n;
    for (int i = 0; i < n; ++i) {
        const double x = kPi * (2 * i + 1) / n;
        const double theta = x / s.p;
        const double f =
            (ForcePhase(s, 0, theta) + ForcePhase(s, 1, theta)) + ForcePhase(s, 2, theta);
        long long j = 0;
        const long long pas = 2LL * i + 1;
        for (int h = 1; h <= kOrdreMax; ++h) {
            j += pas;
            if (j >= deuxN) j -= deuxN;
            c[h] += f * table[j];
        }
    }
    for (auto& v : c) v *= 2.0 / n;
}

}  // namespace

Sens SensTheorique(int h) {
    switch (h % 3) {
        case 1:
            return Sens::Direct;
        case 2:
            return Sens::Inverse;
        default:
            return Sens::Absent;
    }
}

Facteurs FacteursBobinage(const State& s, int h) {
    Facteurs f;
    if (h < 1 || s.p < 1) return f;
    if (!Etagee(s)) {
        // The ideal distribution is a pure sine of the fundamental, whatever m and Y.
        if (h == 1) f = {1.0, 1.0, 1.0, 1.0};
        return f;
    }
    if (s.m <= 0) return f;
    // A coil opening outside one pole-pair span makes the coil cover all of it or none of it:
    // the phase's MMF is then a constant, with no harmonic at all.
    if (s.Y >= 0.0 && s.Y <= kDeuxPi) f.kp = std::sin(h * s.Y / 2);
    // The belt's m coils, centred on its middle, γ apart: the mean of their phasors, real by
    // symmetry. This is sin(h·m·γ/2)/(m·sin(h·γ/2)) without its 0/0 points.
    const double gamma = s.p * s.Alpha;
    double somme = 0.0;
    for (int i = 1; i <= s.m; ++i) somme += std::cos(h * gamma * ((i - 1) - (s.m - 1) * 0.5));
    f.kd = somme / s.m;
    f.ke = 1.0;
    if (s.DoubleEtoile) {
        // Stars ∓π/12 apart in space around the belt, the second fed π/6 later: their waves
        // of order h add with a phase difference of (h ∓ 1)·π/6. A multiple of 3 makes no
        // rotating wave for the pair to combine: the three phases cancel it.
        switch (SensTheorique(h)) {
            case Sens::Direct:
                f.ke = std::cos((h - 1) * kPi / 12);
                break;
            case Sens::Inverse:
                f.ke = std::cos((h + 1) * kPi / 12);
                break;
            case Sens::Absent:
                f.ke = 0.0;
                break;
        }
    }
    f.kw = f.kp * f.kd * f.ke;
    return f;
}

double AmplitudeAnalytique(const State& s, int h) {
    if (h < 1 || s.p < 1) return 0.0;
    if (!Etagee(s)) return h == 1 ? 0.75 * std::abs(s.Imax) : 0.0;
    if (SensTheorique(h) == Sens::Absent) return 0.0;
    return 3.0 / (kPi * h) * std::abs(FacteursBobinage(s, h).kw) * std::abs(s.Imax);
}

std::optional<double> Harmoniques::Relatif(int h) const {
    if (h < 1 || h > kOrdreMax || !(amplitude[1] > 0.0)) return std::nullopt;
    if (sens[1] == Sens::Absent) return std::nullopt;
    return amplitude[h] / amplitude[1];
}

int EchantillonsDefaut(const State& s) {
    const int m = std::max(s.m, 1);
    return std::clamp(65536 / m, 512, 8192);
}

Harmoniques HarmoniquesNumeriques(const State& s, int echantillons) {
    if (echantillons == 0) echantillons = EchantillonsDefaut(s);
    if (echantillons < 2 * kOrdreMax + 2 || echantillons > (1 << 24))
        throw Erreur("Nombre d'échantillons incorrect pour le spectre (" +
                     std::to_string(2 * kOrdreMax + 2) + " à " + std::to_string(1 << 24) + ")");
    Harmoniques sp;
    if (s.p < 1) return sp;
    const int n = echantillons;
    std::vector<Complexe> table(2 * static_cast<std::size_t>(n));
    for (int j = 0; j < 2 * n; ++j) table[j] = std::polar(1.0, -kPi * j / n);

    // A copy: the scene's working currents and MMFs stay as the last paint left them.
    State copie = s;
    std::array<Complexe, kOrdreMax + 1> c1, c2;
    Transformee(copie, n, table, c1);
    // A quarter period later a forward wave's phasor has turned by −π/2, a backward one's by
    // +π/2: c1 = a + b and c2 = −i·a + i·b give both parts of each order.
    copie.t = s.t + kPiSur2 / s.Omega;
    if (!std::isfinite(copie.t)) copie.t = s.t;
    Transformee(copie, n, table, c2);

    const Complexe i(0.0, 1.0);
    for (int h = 1; h <= kOrdreMax; ++h) {
        sp.amplitude[h] = std::abs(c1[h]);
        sp.direct[h] = std::abs((c1[h] + i * c2[h]) * 0.5);
        sp.inverse[h] = std::abs((c1[h] - i * c2[h]) * 0.5);
    }
    const bool fondamental = AFondamental(sp, s.Imax);
    const double seuil = fondamental ? kSeuilAbsent * sp.amplitude[1] : 1e-9 * std::abs(s.Imax);
    for (int h = 1; h <= kOrdreMax; ++h) {
        if (!(sp.amplitude[h] > seuil))
            sp.sens[h] = Sens::Absent;
        else
            sp.sens[h] = sp.direct[h] >= sp.inverse[h] ? Sens::Direct : Sens::Inverse;
    }
    if (fondamental) {
        double somme = 0.0;
        for (int h = 2; h <= kOrdreMax; ++h) somme += sp.amplitude[h] * sp.amplitude[h];
        sp.distorsion = std::sqrt(somme) / sp.amplitude[1];
    } else {
        sp.sens[1] = Sens::Absent;
    }
    return sp;
}

std::vector<int> OrdresFenetre(const State& s) {
    // A full-pitch coil's wave has half-wave symmetry: no even order. Any other pitch has them.
    if (s.Y == kPi) return {1, 5, 7, 11, 13};
    return {1, 2, 4, 5, 7, 11, 13};
}

std::vector<int> OrdresExport() {
    std::vector<int> ordres;
    for (int h = 1; h <= kOrdresTableau; ++h) ordres.push_back(h);
    return ordres;
}

std::vector<LigneHarmonique> LignesHarmoniques(const State& s, const Harmoniques& analyse,
                                               std::span<const int> ordres) {
    std::vector<LigneHarmonique> lignes;
    for (const int h : ordres) {
        LigneHarmonique l;
        l.h = h;
        l.facteurs = FacteursBobinage(s, h);
        if (h >= 1 && h <= kOrdreMax) {
            l.relatif = analyse.Relatif(h);
            l.sens = analyse.sens[h];
        }
        if (l.sens == Sens::Direct) l.vitesse = 1.0 / h;
        if (l.sens == Sens::Inverse) l.vitesse = -1.0 / h;
        lignes.push_back(l);
    }
    return lignes;
}

std::string NomBobinage(const State& s, std::string_view separateur) {
    char degres[64];
    std::snprintf(degres, sizeof degres, "%.1f", s.Y * 180.0 / kPi);
    std::string y = degres;
    if (y.size() > 2 && y.compare(y.size() - 2, 2, ".0") == 0) y.resize(y.size() - 2);
    if (y == "-0") y = "0";
    if (const auto point = y.find('.'); point != std::string::npos)
        y.replace(point, 1, separateur.empty() ? std::string_view(".") : separateur);
    const char* distribution = s.DoubleEtoile ? "Double étoile" : s.Reelle ? "Réelle" : "Parfaite";
    return "p = " + std::to_string(s.p) + ", m = " + std::to_string(s.m) + ", " +
           std::to_string(s.NbEncoches) + " encoches, Y = " + y + "° électriques, " + distribution;
}

std::string TexteFacteur(double v, std::string_view separateur) {
    if (std::abs(v) < 5e-5) v = 0.0;
    char tampon[64];
    std::snprintf(tampon, sizeof tampon, "%.4f", v);
    std::string texte = tampon;
    if (const auto point = texte.find('.'); point != std::string::npos)
        texte.replace(point, 1, separateur.empty() ? std::string_view(".") : separateur);
    return texte;
}

std::string NomSens(Sens sens) {
    switch (sens) {
        case Sens::Direct:
            return "direct";
        case Sens::Inverse:
            return "inverse";
        case Sens::Absent:
            break;
    }
    return "absent";
}

std::string TexteVitesse(const LigneHarmonique& ligne) {
    if (ligne.sens == Sens::Absent) return "0";
    const std::string fraction = ligne.h == 1 ? "1" : "1/" + std::to_string(ligne.h);
    return ligne.sens == Sens::Inverse ? "-" + fraction : fraction;
}

std::string TexteTableau(std::span<const LigneHarmonique> lignes, std::string_view separateur) {
    std::string texte = "h\tk_p\tk_d\tk_e\tk_w\tA(h)/A(1)\tsens\tvitesse\n";
    for (const LigneHarmonique& l : lignes) {
        texte += std::to_string(l.h);
        for (const double v : {l.facteurs.kp, l.facteurs.kd, l.facteurs.ke, l.facteurs.kw})
            texte += '\t' + TexteFacteur(v, separateur);
        texte += '\t' + (l.relatif ? TexteFacteur(*l.relatif, separateur) : std::string());
        texte += '\t' + NomSens(l.sens) + '\t' + TexteFacteur(l.vitesse, separateur) + '\n';
    }
    return texte;
}

std::string JsonTableau(const State& s, const Harmoniques& analyse,
                        std::span<const LigneHarmonique> lignes) {
    std::string json = "{\"bobinage\": " + JsonTexte(NomBobinage(s, ".")) +
                       ", \"distorsion\": " + Json(analyse.distorsion) + ", \"ordres\": [";
    bool premiere = true;
    for (const LigneHarmonique& l : lignes) {
        json += premiere ? "\n  " : ",\n  ";
        premiere = false;
        json += "{\"h\": " + std::to_string(l.h) + ", \"kp\": " + Json(l.facteurs.kp) +
                ", \"kd\": " + Json(l.facteurs.kd) + ", \"ke\": " + Json(l.facteurs.ke) +
                ", \"kw\": " + Json(l.facteurs.kw) + ", \"relatif\": " + Json(l.relatif) +
                ", \"sens\": " + JsonTexte(NomSens(l.sens)) + ", \"vitesse\": " + Json(l.vitesse) +
                "}";
    }
    return json + "\n]}\n";
}

}  // namespace kest
