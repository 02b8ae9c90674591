// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The numbers both sides of the WebAssembly comparison are fed: a fixed pseudo-random
// sequence, so that a failure names a seed and an index that reproduce it.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace kest::test {

class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t graine) : etat_(graine) {}
    std::uint64_t operator()() {
        std::uint64_t z = (etat_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    int entre(int a, int b) { return a + static_cast<int>((*this)() % std::uint64_t(b - a + 1)); }

private:
    std::uint64_t etat_;
};

inline std::string Chiffres(SplitMix64& g, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += static_cast<char>('0' + g() % 10);
    return s;
}

// Doubles of every kind the 15-digit writing meets: any bit pattern, short decimals as a user
// types them, and values at or next to a tie of the 15th digit.
inline double DoubleAuHasard(SplitMix64& g) {
    switch (g() % 3) {
        case 0: {
            const std::uint64_t bits = g();
            double v;
            std::memcpy(&v, &bits, sizeof v);
            return v;
        }
        case 1: {
            const std::string t =
                Chiffres(g, g.entre(1, 17)) + "e" + std::to_string(g.entre(-30, 30));
            return std::strtod(t.c_str(), nullptr);
        }
        default: {
            const std::string t =
                "1" + Chiffres(g, 14) + "5e" + std::to_string(g.entre(-40, 40) - 15);
            const double v = std::strtod(t.c_str(), nullptr);
            const int cote = g.entre(-1, 1);
            return cote == 0 ? v : std::nextafter(v, cote * INFINITY);
        }
    }
}

// A text as typed in the coil-opening field: digits with or without a point, and an exponent.
inline std::string TexteReelAuHasard(SplitMix64& g) {
    std::string t = g() % 4 == 0 ? "-" : "";
    const std::string chiffres = Chiffres(g, g.entre(1, 21));
    const int point = g.entre(0, static_cast<int>(chiffres.size()));
    t += chiffres.substr(0, static_cast<std::size_t>(point));
    if (point < static_cast<int>(chiffres.size()) || g() % 2) t += ".";
    t += chiffres.substr(static_cast<std::size_t>(point));
    if (g() % 2) t += "e" + std::to_string(g.entre(-330, 310));
    return t;
}

}  // namespace kest::test
