// SPDX-License-Identifier: GPL-3.0-or-later

// Writes "<bits in hex> <ReelVersTexte>" for a fixed sequence of doubles. Built twice, once
// with the standard library's to_chars and once with the printf fallback of the WebAssembly
// build: the two outputs must be the same file.
// Usage: ecrire_reels <count> <seed>

#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <string>

#include "model/Conversions.h"
#include "tests/web/Aleatoire.h"

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    const long n = std::strtol(argv[1], nullptr, 10);
    kest::test::SplitMix64 g(std::strtoull(argv[2], nullptr, 10));
    for (long i = 0; i < n; ++i) {
        const double v = kest::test::DoubleAuHasard(g);
        std::uint64_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        std::printf("%016" PRIx64 " %s\n", bits, kest::ReelVersTexte(v, ".").c_str());
    }
    return 0;
}
