// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/Registres.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

namespace kest {

namespace {

// Only this function is compiled for AVX: the rest of the program runs on any x86-64.
__attribute__((target("avx"))) void ZeroUpper() { _mm256_zeroupper(); }

bool AvecAvx() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx");
}

}  // namespace

void RegistresVectorielsPropres() {
    static const bool avx = AvecAvx();
    if (avx) ZeroUpper();
}

}  // namespace kest

#else

namespace kest {
void RegistresVectorielsPropres() {}
}  // namespace kest

#endif
