// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whether the upper halves of the 256-bit vector registers hold data at each call the scene
// makes: while they do, every plain SSE instruction of the scene's trigonometry pays a merge on
// many x86 processors. Read with XGETBV(1), whose bit 2 is the AVX state "in use".

#include <optional>
#include <string>

#include "scene/DrawingSurface.h"

#if defined(__x86_64__)
#include <cpuid.h>
#include <immintrin.h>
#endif

namespace kest::test {

#if defined(__x86_64__)
inline bool XgetbvUnDisponible() {
    unsigned a, b, c, d;
    if (!__get_cpuid(1, &a, &b, &c, &d) || !(c & bit_OSXSAVE) || !(c & bit_AVX)) return false;
    return __get_cpuid_count(0xD, 1, &a, &b, &c, &d) && (a & (1u << 2));
}
__attribute__((target("xsave"))) inline unsigned long long Xinuse() { return _xgetbv(1); }

// Empty when the processor cannot tell (no AVX, or no XGETBV(1)).
inline std::optional<bool> HautsVectorielsSales() {
    static const bool disponible = XgetbvUnDisponible();
    if (!disponible) return std::nullopt;
    return (Xinuse() & 4u) != 0;
}

// Leaves the upper halves dirty, as a graphics library's 256-bit code does. Naked: a compiled
// function would clear them again (vzeroupper) on its way out. Call only when AVX is there.
__attribute__((naked, noinline)) inline void SalitHautsVectoriels() {
    asm("vcmptrueps %ymm0, %ymm0, %ymm0\n\tret");
}
#else
inline std::optional<bool> HautsVectorielsSales() { return std::nullopt; }
inline void SalitHautsVectoriels() {}
#endif

// Forwards every call and counts those that found the upper halves dirty.
class SondeVectorielle final : public DrawingSurface {
public:
    explicit SondeVectorielle(DrawingSurface& cible) : cible_(cible) {}
    int appels = 0, sales = 0;

    void MoveTo(int x, int y) override { Observe(), cible_.MoveTo(x, y); }
    void LineTo(int x, int y) override { Observe(), cible_.LineTo(x, y); }
    void Ellipse(int x1, int y1, int x2, int y2) override {
        Observe(), cible_.Ellipse(x1, y1, x2, y2);
    }
    void TextOut(int x, int y, const std::string& t) override {
        Observe(), cible_.TextOut(x, y, t);
    }
    void SetPenColor(Couleur c) override { Observe(), cible_.SetPenColor(c); }
    void SetPenStyle(PenStyle s) override { Observe(), cible_.SetPenStyle(s); }
    void SetPenWidth(int w) override { Observe(), cible_.SetPenWidth(w); }
    void SetBrushColor(Couleur c) override { Observe(), cible_.SetBrushColor(c); }
    void SetBrushStyle(BrushStyle s) override { Observe(), cible_.SetBrushStyle(s); }
    void SetTextColor(Couleur c) override { Observe(), cible_.SetTextColor(c); }

private:
    void Observe() {
        ++appels;
        if (HautsVectorielsSales().value_or(false)) ++sales;
    }
    DrawingSurface& cible_;
};

}  // namespace kest::test
