// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reads an enhanced metafile back into the calls of a RecordingSurface, with the pen and brush
// in force at each, so that a test compares a recorded picture with the scene's calls. For a
// text record the brush stands for its background: its colour and whether it is opaque, and the
// text colour is the last one set.
// Qt only decodes the UTF-16 texts.

#include <QString>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/RecordingSurface.h"

namespace kest::test {

struct Emf {
    bool valide = false;  // records inside the bytes, sizes and counts as the header says, EOF last
    std::uint32_t typeEntete = 0;
    std::string signature;
    std::int32_t bornes[4] = {}, cadre[4] = {};
    std::int32_t pixels[2] = {}, millimetres[2] = {}, micrometres[2] = {};
    std::vector<std::uint32_t> types;  // every record, in order
    std::vector<Appel> appels;         // MoveTo, LineTo, Ellipse, TextOut
    int objetsRestants = 0;            // pens, brushes and fonts never deleted
    std::int32_t hauteurPolice = 0;
    std::string nomPolice;
    Couleur couleurTexte = 0;
};

inline Emf LitEmf(std::string_view o) {
    Emf e;
    const auto u32 = [&](std::size_t at) {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v |= std::uint32_t(std::uint8_t(o[at + i])) << (8 * i);
        return v;
    };
    const auto i32 = [&](std::size_t at) { return std::int32_t(u32(at)); };
    // n UTF-16 units from `at`, cut at the first nul.
    const auto utf16 = [&](std::size_t at, std::size_t n) {
        std::u16string u;
        for (std::size_t i = at; i + 1 < o.size() && u.size() < n; i += 2)
            u += char16_t(std::uint8_t(o[i]) | std::uint8_t(o[i + 1]) << 8);
        return QString::fromStdU16String(u.substr(0, u.find(u'\0'))).toStdString();
    };
    if (o.size() < 108) return e;
    e.typeEntete = u32(0);
    e.signature = std::string(o.substr(40, 4));
    for (int i = 0; i < 4; ++i) e.bornes[i] = i32(8 + 4 * i), e.cadre[i] = i32(24 + 4 * i);
    for (int i = 0; i < 2; ++i)
        e.pixels[i] = i32(72 + 4 * i), e.millimetres[i] = i32(80 + 4 * i),
        e.micrometres[i] = i32(100 + 4 * i);

    enum class Genre { Stylo, Brosse, Police };
    struct Objet {
        Genre genre;
        Stylo stylo;
        Brosse brosse;
    };
    std::map<std::uint32_t, Objet> objets;
    Stylo stylo;
    Brosse brosse, fondTexte{0xFFFFFF, BrushStyle::Solid};
    int x = 0, y = 0;
    const auto ajoute = [&](Op op, int x1, int y1, int x2, int y2, std::string t, Brosse b) {
        e.appels.push_back({op, x1, y1, x2, y2, std::move(t), stylo, b, x, y});
        if (op == Op::MoveTo || op == Op::LineTo) x = x1, y = y1;
    };
    std::size_t r = 0;
    bool fin = false;
    for (std::uint32_t taille = 0; r + 8 <= o.size() && !fin; r += taille) {
        const std::uint32_t type = u32(r);
        taille = u32(r + 4);
        if (taille < 8 || taille % 4 != 0 || r + taille > o.size()) return e;
        e.types.push_back(type);
        switch (type) {
            case 38:  // EMR_CREATEPEN: style, width, colour
                objets[u32(r + 8)] = {
                    Genre::Stylo,
                    {u32(r + 24), u32(r + 12) == 2 ? PenStyle::Dot : PenStyle::Solid, i32(r + 16)},
                    {}};
                break;
            case 39:  // EMR_CREATEBRUSHINDIRECT: style, colour
                objets[u32(r + 8)] = {
                    Genre::Brosse,
                    {},
                    {u32(r + 16), u32(r + 12) == 1 ? BrushStyle::Clear : BrushStyle::Solid}};
                break;
            case 82:  // EMR_EXTCREATEFONTINDIRECTW: LOGFONTW at 12, its face name at 40
                objets[u32(r + 8)] = {Genre::Police, {}, {}};
                e.hauteurPolice = i32(r + 12);
                e.nomPolice = utf16(r + 40, 32);
                break;
            case 37: {  // EMR_SELECTOBJECT; stock objects have the high bit
                const std::uint32_t h = u32(r + 8);
                if (h == 0x80000005) brosse.style = BrushStyle::Clear;        // NULL_BRUSH
                if (h == 0x80000000) brosse = {0xFFFFFF, BrushStyle::Solid};  // WHITE_BRUSH
                if (h == 0x80000007) stylo = {};                              // BLACK_PEN
                if (auto it = objets.find(h); it != objets.end()) {
                    if (it->second.genre == Genre::Stylo) stylo = it->second.stylo;
                    if (it->second.genre == Genre::Brosse) brosse = it->second.brosse;
                }
                break;
            }
            case 40:  // EMR_DELETEOBJECT
                objets.erase(u32(r + 8));
                break;
            case 18:  // EMR_SETBKMODE: OPAQUE is 2
                fondTexte.style = u32(r + 8) == 2 ? BrushStyle::Solid : BrushStyle::Clear;
                break;
            case 25:  // EMR_SETBKCOLOR
                fondTexte.couleur = u32(r + 8);
                break;
            case 24:  // EMR_SETTEXTCOLOR
                e.couleurTexte = u32(r + 8);
                break;
            case 27:  // EMR_MOVETOEX
            case 54:  // EMR_LINETO
                ajoute(type == 27 ? Op::MoveTo : Op::LineTo, i32(r + 8), i32(r + 12), 0, 0, {},
                       brosse);
                break;
            case 42:  // EMR_ELLIPSE
                ajoute(Op::Ellipse, i32(r + 8), i32(r + 12), i32(r + 16), i32(r + 20), {}, brosse);
                break;
            case 84:  // EMR_EXTTEXTOUTW: reference point at 36, count at 44, offset at 48
                ajoute(Op::TextOut, i32(r + 36), i32(r + 40), 0, 0,
                       utf16(r + u32(r + 48), u32(r + 44)), fondTexte);
                e.appels.back().couleurTexte = e.couleurTexte;
                break;
            case 14:  // EMR_EOF
                fin = true;
                break;
        }
    }
    e.objetsRestants = int(objets.size());
    e.valide = fin && r == o.size() && u32(48) == o.size() && u32(52) == e.types.size();
    return e;
}

// The same call: coordinates and text, the pen where a line is drawn, the brush where a shape
// is filled or a text box painted (a clear brush has no colour), the text's colour.
inline bool MemeAppel(const Appel& a, const Appel& b) {
    const auto memeBrosse = [](const Brosse& p, const Brosse& q) {
        return p.style == q.style && (p.style == BrushStyle::Clear || p.couleur == q.couleur);
    };
    if (a.op != b.op || a.x1 != b.x1 || a.y1 != b.y1 || a.x2 != b.x2 || a.y2 != b.y2 ||
        a.texte != b.texte || (a.op == Op::TextOut && a.couleurTexte != b.couleurTexte))
        return false;
    if ((a.op == Op::LineTo || a.op == Op::Ellipse) && !(a.stylo == b.stylo)) return false;
    if ((a.op == Op::Ellipse || a.op == Op::TextOut) && !memeBrosse(a.brosse, b.brosse))
        return false;
    return a.op != Op::LineTo || (a.depuisX == b.depuisX && a.depuisY == b.depuisY);
}

}  // namespace kest::test
