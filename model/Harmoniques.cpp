// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Harmoniques.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>

#include "model/Alimentation.h"
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

using Spectre = std::array<Complexe, kOrdreMax + 1>;

// Samples of the ideal distribution per pole-pair span: its resultant is a pure sine of the
// fundamental, which any count above 2·kOrdreMax + 1 transforms exactly.
constexpr int kEchantillonsParfaite = 128;

// The ideal distribution's transform at one instant: c_h = (2/N)·Σ F(x_n)·e^{−i·h·x_n}, x_n the
// electrical angle of sample n at the middle of its step. |c_h| is the crest of order h.
void TransformeeParfaite(State& s, Spectre& c) {
    constexpr int n = kEchantillonsParfaite;
    for (int k = 0; k < 3; ++k) s.I[k] = CourantPhase(s, k).valeur;
    c.fill(Complexe());
    for (int i = 0; i < n; ++i) {
        const double x = kPi * (2 * i + 1) / n;
        const double theta = x / s.p;
        const double f =
            (ForcePhase(s, 0, theta) + ForcePhase(s, 1, theta)) + ForcePhase(s, 2, theta);
        for (int h = 1; h <= kOrdreMax; ++h) c[h] += f * std::polar(1.0, -h * x);
    }
    for (auto& v : c) v *= 2.0 / n;
}

// A stepped distribution's transform at the two instants of a and b (the same winding, the
// currents stored), exact up to rounding whatever the winding: each phase's MMF is constant
// between its coil sides, so c_h = (1/π)·∫ F·e^{−i·h·x} dx over one pole-pair span is a sum
// over its steps, (1/(i·π·h))·Σ_j ΔF_j·e^{−i·h·x_j} with ΔF_j the step at edge x_j. The value
// on each interval is the model's own ForcePhase at its middle; the resultant's transform is
// the sum of its phases'.
void TransformeeEtagee(const State& a, const State& b, Spectre& c1, Spectre& c2) {
    c1.fill(Complexe());
    c2.fill(Complexe());
    const double pas = kDeuxPi / a.p;
    std::vector<double> fa, fb;
    for (int k = 0; k < 3; ++k) {
        std::vector<double> bords = BordsPhase(a, k);
        bords.push_back(0.0);
        std::sort(bords.begin(), bords.end());
        bords.erase(std::unique(bords.begin(), bords.end()), bords.end());
        const std::size_t n = bords.size();
        const double s2a = a.DoubleEtoile ? SecondeEtoile(a, k) : 0.0;
        const double s2b = b.DoubleEtoile ? SecondeEtoile(b, k) : 0.0;
        fa.resize(n);
        fb.resize(n);
        for (std::size_t j = 0; j < n; ++j) {
            const double fin = j + 1 < n ? bords[j + 1] : pas;
            const double milieu = (bords[j] + fin) * 0.5;
            fa[j] = ForcePhase(a, k, milieu, s2a);
            fb[j] = ForcePhase(b, k, milieu, s2b);
        }
        for (std::size_t j = 0; j < n; ++j) {
            const std::size_t avant = j == 0 ? n - 1 : j - 1;
            const double da = fa[j] - fa[avant];
            const double db = fb[j] - fb[avant];
            if (da == 0.0 && db == 0.0) continue;
            const Complexe z = std::polar(1.0, -(a.p * bords[j]));  // e^{−i·x_j}
            Complexe w = z;
            for (int h = 1; h <= kOrdreMax; ++h) {
                c1[h] += (da / h) * w;
                c2[h] += (db / h) * w;
                w *= z;
            }
        }
    }
    const Complexe facteur(0.0, -1.0 / kPi);  // 1/(i·π)
    for (int h = 1; h <= kOrdreMax; ++h) c1[h] *= facteur, c2[h] *= facteur;
}

// The resultant's transform at the state's time (c1) and a quarter period later (c2).
void Transformees(const State& s, Spectre& c1, Spectre& c2) {
    // Copies: the scene's working currents and MMFs stay as the last paint left them.
    State a = s;
    State b = s;
    b.t = s.t + kPiSur2 / s.Omega;
    if (!std::isfinite(b.t)) b.t = s.t;
    for (int k = 0; k < 3; ++k) {
        a.I[k] = CourantPhase(a, k).valeur;
        b.I[k] = CourantPhase(b, k).valeur;
    }
    if (Etagee(s)) return TransformeeEtagee(a, b, c1, c2);
    TransformeeParfaite(a, c1);
    TransformeeParfaite(b, c2);
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

std::optional<double> Harmoniques::DirectRelatif(int h) const {
    if (h < 1 || h > kOrdreMax || !(equilibre > 0.0)) return std::nullopt;
    return direct[h] / equilibre;
}

std::optional<double> Harmoniques::InverseRelatif(int h) const {
    if (h < 1 || h > kOrdreMax || !(equilibre > 0.0)) return std::nullopt;
    return inverse[h] / equilibre;
}

std::optional<double> Harmoniques::TauxDesequilibre() const {
    if (!(direct[1] > 1e-9 * equilibre) || !(equilibre > 0.0)) return std::nullopt;
    return inverse[1] / direct[1];
}

Harmoniques HarmoniquesNumeriques(const State& s) {
    Harmoniques sp;
    if (s.p < 1) return sp;
    // A quarter period later a forward wave's phasor has turned by −π/2, a backward one's by
    // +π/2: c1 = a + b and c2 = −i·a + i·b give both parts of each order.
    Spectre c1, c2;
    Transformees(s, c1, c2);

    const Complexe i(0.0, 1.0);
    for (int h = 1; h <= kOrdreMax; ++h) {
        sp.amplitude[h] = std::abs(c1[h]);
        sp.direct[h] = std::abs((c1[h] + i * c2[h]) * 0.5);
        sp.inverse[h] = std::abs((c1[h] - i * c2[h]) * 0.5);
    }
    // The unit of the forward and backward parts: the fundamental the balanced supply gives
    // the same winding.
    const bool equilibree = s.alimentation == Alimentation::Equilibree;
    if (equilibree) {
        sp.equilibre = sp.amplitude[1];
    } else {
        State e = s;
        e.alimentation = Alimentation::Equilibree;
        Spectre e1, e2;
        Transformees(e, e1, e2);
        sp.equilibre = std::abs(e1[1]);
    }
    if (!(sp.equilibre > 1e-9 * std::abs(s.Imax))) sp.equilibre = 0.0;

    // Balanced, an order's crest is constant in time; otherwise its larger part decides.
    const bool fondamental = AFondamental(sp, s.Imax);
    const double base = equilibree ? (fondamental ? sp.amplitude[1] : 0.0) : sp.equilibre;
    const double seuil = base > 0.0 ? kSeuilAbsent * base : 1e-9 * std::abs(s.Imax);
    for (int h = 1; h <= kOrdreMax; ++h) {
        const double present = equilibree ? sp.amplitude[h] : std::max(sp.direct[h], sp.inverse[h]);
        if (!(present > seuil))
            sp.sens[h] = Sens::Absent;
        else
            sp.sens[h] = sp.direct[h] >= sp.inverse[h] ? Sens::Direct : Sens::Inverse;
    }
    if (!(base > 0.0)) sp.sens[1] = Sens::Absent;
    if (fondamental) {
        double somme = 0.0;
        for (int h = kPremierOrdreDistorsion; h <= kOrdreMax; ++h)
            somme += sp.amplitude[h] * sp.amplitude[h];
        sp.distorsion = std::sqrt(somme) / sp.amplitude[1];
    }
    return sp;
}

std::vector<int> OrdresFenetre(const State& s) {
    // A full-pitch coil's wave has half-wave symmetry: no even order. The pitch factor of the
    // 2nd, sin(Y), says so whatever the writing of π (its 15-digit text reads back a hair off).
    if (!(std::abs(FacteursBobinage(s, 2).kp) > 1e-9)) return {1, 5, 7, 11, 13};
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
            l.direct = analyse.DirectRelatif(h);
            l.inverse = analyse.InverseRelatif(h);
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

std::string PorteeDistorsion() {
    return "rangs " + std::to_string(kPremierOrdreDistorsion) + " à " + std::to_string(kOrdreMax);
}

std::string TexteDistorsion(const Harmoniques& analyse, std::string_view separateur) {
    return "distorsion (" + PorteeDistorsion() + ")\t" +
           (analyse.distorsion ? TexteFacteur(*analyse.distorsion, separateur) : std::string()) +
           '\n';
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
    std::string texte = "h\tk_p\tk_d\tk_e\tk_w\tA(h)/A(1)\tsens\tvitesse\tdirect\tinverse\n";
    for (const LigneHarmonique& l : lignes) {
        texte += std::to_string(l.h);
        for (const double v : {l.facteurs.kp, l.facteurs.kd, l.facteurs.ke, l.facteurs.kw})
            texte += '\t' + TexteFacteur(v, separateur);
        texte += '\t' + (l.relatif ? TexteFacteur(*l.relatif, separateur) : std::string());
        texte += '\t' + NomSens(l.sens) + '\t' + TexteFacteur(l.vitesse, separateur);
        for (const std::optional<double>& v : {l.direct, l.inverse})
            texte += '\t' + (v ? TexteFacteur(*v, separateur) : std::string());
        texte += '\n';
    }
    return texte;
}

std::string JsonTableau(const State& s, const Harmoniques& analyse,
                        std::span<const LigneHarmonique> lignes) {
    std::string json = "{\"bobinage\": " + JsonTexte(NomBobinage(s, ".")) +
                       ", \"distorsion\": " + Json(analyse.distorsion) +
                       ", \"distorsion_rangs\": [" + std::to_string(kPremierOrdreDistorsion) +
                       ", " + std::to_string(kOrdreMax) + "], \"ordres\": [";
    bool premiere = true;
    for (const LigneHarmonique& l : lignes) {
        json += premiere ? "\n  " : ",\n  ";
        premiere = false;
        json += "{\"h\": " + std::to_string(l.h) + ", \"kp\": " + Json(l.facteurs.kp) +
                ", \"kd\": " + Json(l.facteurs.kd) + ", \"ke\": " + Json(l.facteurs.ke) +
                ", \"kw\": " + Json(l.facteurs.kw) + ", \"relatif\": " + Json(l.relatif) +
                ", \"sens\": " + JsonTexte(NomSens(l.sens)) + ", \"vitesse\": " + Json(l.vitesse) +
                ", \"direct\": " + Json(l.direct) + ", \"inverse\": " + Json(l.inverse) + "}";
    }
    return json + "\n], \"alimentation\": " + JsonTexte(NomAlimentation(s.alimentation)) + "}\n";
}

}  // namespace kest
