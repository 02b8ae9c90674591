// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/EmfSurface.h"

#include <QString>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include "model/Erreur.h"

// libEMF last, and only here: its Windows headers define macros (min, max, TextOut) and C
// functions (LineTo, Ellipse...) that would clash with the rest of the program.
#define NOMINMAX
#include <libEMF/emf.h>
#undef TextOut

namespace kest {

namespace {

// The system's text for the last error, as the recording's failures are reported.
std::string TexteSysteme() {
    return errno != 0 ? std::string(std::strerror(errno)) : std::string(RessourcesInsuffisantes());
}

// Offsets in ENHMETAHEADER, the first record of every metafile.
constexpr int kBounds = 8;          // RECTL, device units
constexpr int kSignature = 40;      // " EMF"
constexpr int kDevice = 72;         // SIZEL, pixels of the reference device
constexpr int kMillimeters = 80;    // SIZEL
constexpr int kMicrometers = 100;   // SIZEL
constexpr int kTailleEntete = 108;  // with szlMicrometers, as libEMF writes it

std::uint32_t Lit32(const QByteArray& octets, int offset) {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= std::uint32_t{static_cast<unsigned char>(octets[offset + i])} << (8 * i);
    return v;
}

void Ecrit32(QByteArray& octets, int offset, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i) octets[offset + i] = static_cast<char>((u >> (8 * i)) & 0xFF);
}

struct Stylo {
    Couleur couleur = kNoir;
    PenStyle style = PenStyle::Solid;
    int largeur = 1;
    bool operator==(const Stylo&) const = default;
};

struct Brosse {
    Couleur couleur = 0xFFFFFF;
    BrushStyle style = BrushStyle::Solid;
    // A clear brush is the same whatever colour is waiting for the next solid one.
    bool operator==(const Brosse& b) const {
        return style == b.style && (style == BrushStyle::Clear || couleur == b.couleur);
    }
};

// libEMF's DeleteEnhMetaFile frees the records but keeps the recording context, which is the
// metafile's handle too, in its table until DeleteDC: without it every copy leaks its context.
void LibereMetafichier(HENHMETAFILE mf) {
    DeleteEnhMetaFile(mf);
    DeleteDC(mf);
}

}  // namespace

struct EmfSurface::Impl {
    char* tampon = nullptr;  // the memory stream's buffer, ours to free
    std::size_t taille = 0;
    FILE* flux = nullptr;
    HDC dc = 0;
    HFONT police = 0;
    HPEN stylo = 0;
    // One pen per colour, style and width, made once and selected again: the picture changes
    // colour hundreds of times but uses a handful of pens.
    std::vector<std::pair<Stylo, HPEN>> stylos;
    HBRUSH brosse = 0;  // 0 while the stock null brush is selected
    QSize exterieur;
    Ecran ecran;
    // Pen and brush are made only when a drawing needs them, so a run of setters costs one
    // object in the recording.
    Stylo styloVoulu, styloFait;
    Brosse brosseVoulue, brosseFaite;
    POINT position{0, 0};  // the current position, for a MoveTo again after a new pen
    // The text colour, recorded when a text needs it, as the pen and brush.
    Couleur texteVoulu = 0, texteFait = 0;

    ~Impl() {
        if (dc != 0) LibereMetafichier(Clos());
        if (flux) std::fclose(flux);
        std::free(tampon);
    }

    // Puts the stock objects back, deletes ours and ends the recording.
    HENHMETAFILE Clos() {
        SelectObject(dc, GetStockObject(BLACK_PEN));
        SelectObject(dc, GetStockObject(WHITE_BRUSH));
        SelectObject(dc, GetStockObject(SYSTEM_FONT));
        for (const auto& [cle, p] : stylos) DeleteObject(p);
        for (HGDIOBJ o : {HGDIOBJ(brosse), HGDIOBJ(police)})
            if (o != 0) DeleteObject(o);
        stylos.clear();
        stylo = 0, brosse = 0, police = 0;
        // This variant leaves the stream open: it stays ours to flush and close.
        const HENHMETAFILE mf = CloseEnhMetaFileWithFILE(dc);
        dc = 0;
        return mf;
    }

    // True when a new pen was selected.
    bool RealiseStylo() {
        if (styloVoulu == styloFait && stylo != 0) return false;
        const auto fait = std::find_if(stylos.begin(), stylos.end(),
                                       [&](const auto& e) { return e.first == styloVoulu; });
        if (fait != stylos.end()) {
            stylo = fait->second;
        } else {
            const int style = styloVoulu.style == PenStyle::Dot ? PS_DOT : PS_SOLID;
            stylo = CreatePen(style, styloVoulu.largeur, styloVoulu.couleur);
            stylos.emplace_back(styloVoulu, stylo);
        }
        SelectObject(dc, stylo);
        styloFait = styloVoulu;
        return true;
    }

    // The text background follows the brush: opaque in its colour while it is solid.
    void RealiseBrosse(bool initial = false) {
        if (!initial && brosseVoulue == brosseFaite) return;
        if (brosseVoulue.style == BrushStyle::Solid) {
            const HBRUSH nouvelle = CreateSolidBrush(brosseVoulue.couleur);
            SelectObject(dc, nouvelle);
            if (initial || brosseFaite.style != BrushStyle::Solid) SetBkMode(dc, OPAQUE);
            SetBkColor(dc, brosseVoulue.couleur);
            if (brosse != 0) DeleteObject(brosse);
            brosse = nouvelle;
        } else {
            // The stock null brush: some readers fill a created BS_NULL brush.
            SelectObject(dc, GetStockObject(NULL_BRUSH));
            SetBkMode(dc, TRANSPARENT);
            if (brosse != 0) DeleteObject(brosse);
            brosse = 0;
        }
        brosseFaite = brosseVoulue;
    }
};

EmfSurface::EmfSurface(QSize tailleExterieure, const Ecran& ecran, int ppi, Couleur texte)
    : d_(std::make_unique<Impl>()) {
    Impl& d = *d_;
    d.exterieur = tailleExterieure;
    d.ecran = ecran;
    // The frame in hundredths of a millimetre of this screen, as GetDeviceCaps would scale it.
    const bool ecranSain = ecran.largeurMm > 0 && ecran.hauteurMm > 0 &&
                           ecran.largeurMm <= INT_MAX / 1000 && ecran.hauteurMm <= INT_MAX / 1000;
    if (!ecranSain) throw Erreur(RessourcesInsuffisantes());
    const auto w = MulDivArrondi(tailleExterieure.width(), ecran.largeurMm * 100, ecran.largeurPx);
    const auto h = MulDivArrondi(tailleExterieure.height(), ecran.hauteurMm * 100, ecran.hauteurPx);
    const auto hauteurPolice = HauteurPolice(ppi);
    if (!w || !h || !hauteurPolice || ecran.largeurPx <= 0 || ecran.hauteurPx <= 0)
        throw Erreur(RessourcesInsuffisantes());

    errno = 0;
    d.flux = open_memstream(&d.tampon, &d.taille);
    if (!d.flux) throw Erreur(TexteSysteme());
    const RECT cadre{0, 0, *w, *h};
    errno = 0;
    d.dc = CreateEnhMetaFileWithFILEA(0, d.flux, &cadre, nullptr);
    if (d.dc == 0) throw Erreur(TexteSysteme());

    d.police = CreateFontA(-*hauteurPolice, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                           DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, kFacePolice);
    SelectObject(d.dc, d.police);
    ::SetTextColor(d.dc, texte);
    d.texteVoulu = d.texteFait = texte;
    SetTextAlign(d.dc, TA_TOP | TA_LEFT | TA_NOUPDATECP);
    d.RealiseStylo();
    d.RealiseBrosse(true);
}

EmfSurface::~EmfSurface() = default;

// Readers such as Inkscape end a path at every object selection and lose its starting point:
// the pen is selected before the MoveTo, and a LineTo after a new pen starts again from a MoveTo.
void EmfSurface::MoveTo(int x, int y) {
    if (d_->dc == 0) return;
    d_->RealiseStylo();
    MoveToEx(d_->dc, x, y, nullptr);
    d_->position = {x, y};
}

void EmfSurface::LineTo(int x, int y) {
    if (d_->dc == 0) return;
    if (d_->RealiseStylo()) MoveToEx(d_->dc, d_->position.x, d_->position.y, nullptr);
    ::LineTo(d_->dc, x, y);
    d_->position = {x, y};
}

void EmfSurface::Ellipse(int x1, int y1, int x2, int y2) {
    if (d_->dc == 0) return;
    d_->RealiseStylo();
    d_->RealiseBrosse();
    ::Ellipse(d_->dc, x1, y1, x2, y2);
}

void EmfSurface::TextOut(int x, int y, const std::string& text) {
    if (d_->dc == 0) return;
    d_->RealiseBrosse();
    if (d_->texteVoulu != d_->texteFait) ::SetTextColor(d_->dc, d_->texteFait = d_->texteVoulu);
    // The wide variant carries any text; libEMF's WCHAR is a UTF-16 unit.
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    static_assert(sizeof(WCHAR) == sizeof(char16_t));
    TextOutW(d_->dc, x, y, reinterpret_cast<const WCHAR*>(s.utf16()), static_cast<INT>(s.size()));
}

void EmfSurface::SetPenColor(Couleur c) { d_->styloVoulu.couleur = c; }
void EmfSurface::SetPenStyle(PenStyle s) { d_->styloVoulu.style = s; }
void EmfSurface::SetPenWidth(int w) { d_->styloVoulu.largeur = w; }
void EmfSurface::SetBrushColor(Couleur c) { d_->brosseVoulue.couleur = c; }
void EmfSurface::SetBrushStyle(BrushStyle s) { d_->brosseVoulue.style = s; }
void EmfSurface::SetTextColor(Couleur c) { d_->texteVoulu = c; }

QByteArray EmfSurface::Ferme() {
    Impl& d = *d_;
    if (d.dc == 0) throw Erreur(RessourcesInsuffisantes());
    const HENHMETAFILE mf = d.Clos();
    if (mf == 0) throw Erreur(RessourcesInsuffisantes());
    LibereMetafichier(mf);
    errno = 0;
    if (std::fflush(d.flux) != 0 || std::ferror(d.flux)) throw Erreur(TexteSysteme());

    QByteArray octets(d.tampon, static_cast<qsizetype>(d.taille));
    if (octets.size() < kTailleEntete || std::memcmp(octets.constData() + kSignature, " EMF", 4) ||
        Lit32(octets, 4) < kTailleEntete)
        throw Erreur(RessourcesInsuffisantes());
    // libEMF describes a fixed 1024 × 768 px, 320 × 240 mm device. A reader maps the drawing
    // (pixels) onto the frame (hundredths of mm) through this device, so it must be our screen.
    const Ecran& e = d.ecran;
    Ecrit32(octets, kBounds + 8, d.exterieur.width());
    Ecrit32(octets, kBounds + 12, d.exterieur.height());
    Ecrit32(octets, kDevice, e.largeurPx);
    Ecrit32(octets, kDevice + 4, e.hauteurPx);
    Ecrit32(octets, kMillimeters, e.largeurMm);
    Ecrit32(octets, kMillimeters + 4, e.hauteurMm);
    Ecrit32(octets, kMicrometers, e.largeurMm * 1000);
    Ecrit32(octets, kMicrometers + 4, e.hauteurMm * 1000);
    return octets;
}

}  // namespace kest
