// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/Gif.h"

#include <gif_lib.h>

#include <algorithm>
#include <exception>
#include <unordered_map>

#include "model/Erreur.h"
#include "model/Textes.h"

namespace kest {

namespace {

// The images handed in are whole frames; a GIF measures in 16 bits.
constexpr int kCoteMax = 65535;

// What the encoder can fail at: never the user's doing.
[[noreturn]] void Echec(int code) {
    throw Erreur(std::string("Échec de l'écriture de l'animation GIF (") + GifErrorString(code) +
                 ")");
}

}  // namespace

struct EcritureGif::Impl {
    GifFileType* gif = nullptr;
    QSize taille;
    std::function<void(std::string_view)> ecrit;
    std::unordered_map<QRgb, GifPixelType> index;
    int transparent = NO_TRANSPARENT_COLOR;
    std::vector<GifPixelType> pixels;  // one frame's indices, row after row
    // Opaque animations: the free palette entry that marks a pixel unchanged, and the indices
    // of the frame before (empty before the first frame).
    int inchange = NO_TRANSPARENT_COLOR;
    std::vector<GifPixelType> precedent;
    std::vector<GifPixelType> boite;  // the changed box of a frame, row after row

    std::exception_ptr echecEcriture;  // kept across giflib's C frames, thrown after them

    // giflib is never told of a failed write: on some of its paths (the trailer) it would then
    // keep its memory for ever. The failure is kept, every later byte dropped, and the caller
    // gets the exception at the next check.
    static int Sortie(GifFileType* g, const GifByteType* octets, int n) {
        auto* d = static_cast<Impl*>(g->UserData);
        if (d->echecEcriture) return n;
        try {
            d->ecrit(std::string_view(reinterpret_cast<const char*>(octets), std::size_t(n)));
        } catch (...) {
            d->echecEcriture = std::current_exception();
        }
        return n;
    }
    // Also when the constructor fails half-way: the encoder is closed and its memory freed.
    ~Impl() {
        if (gif) EGifCloseFile(gif, nullptr);
    }
    void Verifie(int resultat) {
        if (echecEcriture) std::rethrow_exception(echecEcriture);
        if (resultat == GIF_ERROR) Echec(gif->Error);
    }

    // The part of a frame to write, in pixels of the frame.
    struct Boite {
        int gauche, haut, largeur, hauteur;
        bool difference;  // only the changed pixels: the others are `inchange`
    };
    void Indexe(const QImage& image);
    Boite Changement() const;
    void RemplitBoite(const Boite& b);
    void EcritImage(const Boite& b, int centiemes);
    void Retient();
};

// The frame's palette indices into `pixels`; a colour outside the palette is refused.
void EcritureGif::Impl::Indexe(const QImage& image) {
    const QImage argb = image.format() == QImage::Format_ARGB32 ||
                                image.format() == QImage::Format_ARGB32_Premultiplied ||
                                image.format() == QImage::Format_RGB32
                            ? image
                            : image.convertToFormat(QImage::Format_ARGB32);
    const bool opaque = argb.format() == QImage::Format_RGB32;
    // Long runs of one colour: the last colour looked up is kept at hand.
    QRgb derniere = 0;
    GifPixelType indexDerniere = 0;
    bool connue = false;
    const std::size_t largeur = std::size_t(taille.width());
    for (int y = 0; y < taille.height(); ++y) {
        GifPixelType* ligne = pixels.data() + std::size_t(y) * largeur;
        const auto* px = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < taille.width(); ++x) {
            QRgb c = opaque ? px[x] | 0xFF000000u : px[x];
            if (!connue || c != derniere) {
                const int alpha = qAlpha(c);
                if (alpha == 0 && transparent != NO_TRANSPARENT_COLOR) {
                    indexDerniere = GifPixelType(transparent);
                } else {
                    const auto it = alpha == 255 ? index.find(c) : index.end();
                    if (it == index.end())
                        throw Erreur(
                            Traduit("Gif", "Couleur absente de la palette de l'animation"));
                    indexDerniere = it->second;
                }
                derniere = c;
                connue = true;
            }
            ligne[x] = indexDerniere;
        }
    }
}

// The whole frame, or the box of what changed since the frame before.
EcritureGif::Impl::Boite EcritureGif::Impl::Changement() const {
    int gauche = 0, haut = 0, droite = taille.width() - 1, bas = taille.height() - 1;
    const bool difference = inchange != NO_TRANSPARENT_COLOR && !precedent.empty();
    if (difference) {
        const std::size_t largeur = std::size_t(taille.width());
        gauche = droite + 1, haut = bas + 1, droite = -1, bas = -1;
        for (int y = 0; y < taille.height(); ++y) {
            const std::size_t debut = std::size_t(y) * largeur;
            for (int x = 0; x < taille.width(); ++x)
                if (pixels[debut + std::size_t(x)] != precedent[debut + std::size_t(x)]) {
                    gauche = std::min(gauche, x), droite = std::max(droite, x);
                    haut = std::min(haut, y), bas = std::max(bas, y);
                }
        }
        if (droite < 0) gauche = droite = haut = bas = 0;  // nothing changed: one unchanged pixel
    }
    return {gauche, haut, droite - gauche + 1, bas - haut + 1, difference};
}

// The box's indices, row after row, into `boite`.
void EcritureGif::Impl::RemplitBoite(const Boite& b) {
    const std::size_t largeur = std::size_t(taille.width());
    const std::size_t l = std::size_t(b.largeur);
    boite.resize(l * std::size_t(b.hauteur));
    for (int y = 0; y < b.hauteur; ++y)
        for (int x = 0; x < b.largeur; ++x) {
            const std::size_t i = std::size_t(b.haut + y) * largeur + std::size_t(b.gauche + x);
            boite[std::size_t(y) * l + std::size_t(x)] =
                b.difference && pixels[i] == precedent[i] ? GifPixelType(inchange) : pixels[i];
        }
}

void EcritureGif::Impl::EcritImage(const Boite& b, int centiemes) {
    GraphicsControlBlock gcb{};
    // Over a transparent background each frame must clear the one before, or it would show
    // through where the new frame draws nothing. An opaque frame stays under the next one,
    // which shows it through its unchanged pixels.
    gcb.DisposalMode = transparent == NO_TRANSPARENT_COLOR ? DISPOSE_DO_NOT : DISPOSE_BACKGROUND;
    gcb.UserInputFlag = false;
    gcb.DelayTime = centiemes;
    gcb.TransparentColor = b.difference ? inchange : transparent;
    GifByteType extension[4];
    const std::size_t longueur = EGifGCBToExtension(&gcb, extension);
    Verifie(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(longueur), extension));
    Verifie(EGifPutImageDesc(gif, b.gauche, b.haut, b.largeur, b.hauteur, false, nullptr));
    for (int y = 0; y < b.hauteur; ++y)
        Verifie(
            EGifPutLine(gif, boite.data() + std::size_t(y) * std::size_t(b.largeur), b.largeur));
}

// Opaque animations keep the frame's indices to compare the next one with.
void EcritureGif::Impl::Retient() {
    if (inchange == NO_TRANSPARENT_COLOR) return;
    if (precedent.empty())
        precedent = pixels;
    else
        precedent.swap(pixels);  // the next frame overwrites every index
}

EcritureGif::EcritureGif(QSize taille, const std::vector<QRgb>& couleurs, bool transparence,
                         std::function<void(std::string_view)> ecrit)
    : d_(std::make_unique<Impl>()) {
    std::size_t n = couleurs.size() + (transparence ? 1 : 0);
    if (n > 256)
        throw Erreur(
            Traduit("Gif", "Plus de 256 couleurs : l'image ne tient pas dans une palette GIF"));
    if (!transparence && n < 256) d_->inchange = int(n++);
    if (taille.isEmpty() || taille.width() > kCoteMax || taille.height() > kCoteMax)
        throw Erreur(RessourcesInsuffisantes());
    d_->taille = taille;
    d_->ecrit = std::move(ecrit);
    d_->pixels.resize(std::size_t(taille.width()) * std::size_t(taille.height()));

    // GIF's colour tables hold a power of two entries, 2 at least; the unused ones are black.
    int entrees = 2;
    while (std::size_t(entrees) < n) entrees *= 2;
    std::vector<GifColorType> table(std::size_t(entrees), GifColorType{0, 0, 0});
    for (std::size_t i = 0; i < couleurs.size(); ++i) {
        const QRgb c = couleurs[i] | 0xFF000000u;
        table[i] = {GifByteType(qRed(c)), GifByteType(qGreen(c)), GifByteType(qBlue(c))};
        d_->index.emplace(c, GifPixelType(i));
    }
    if (transparence) d_->transparent = int(couleurs.size());

    int code = 0;
    d_->gif = EGifOpen(d_.get(), &Impl::Sortie, &code);
    if (!d_->gif) Echec(code);
    ColorMapObject* carte = GifMakeMapObject(entrees, table.data());
    if (!carte) throw Erreur(RessourcesInsuffisantes());
    EGifSetGifVersion(d_->gif, true);
    const int ecran = EGifPutScreenDesc(d_->gif, taille.width(), taille.height(), 8,
                                        transparence ? d_->transparent : 0, carte);
    GifFreeMapObject(carte);
    d_->Verifie(ecran);
    // The Netscape application extension: a loop count of 0 plays the frames forever.
    static const GifByteType boucle[3] = {1, 0, 0};
    d_->Verifie(EGifPutExtensionLeader(d_->gif, APPLICATION_EXT_FUNC_CODE));
    d_->Verifie(EGifPutExtensionBlock(d_->gif, 11, "NETSCAPE2.0"));
    d_->Verifie(EGifPutExtensionBlock(d_->gif, 3, boucle));
    d_->Verifie(EGifPutExtensionTrailer(d_->gif));
}

EcritureGif::~EcritureGif() = default;

void EcritureGif::Ajoute(const QImage& image, int centiemes) {
    if (!d_->gif) throw Erreur(Traduit("Gif", "Animation GIF déjà terminée"));
    if (image.size() != d_->taille || centiemes < 0 || centiemes > 65535)
        throw Erreur(RessourcesInsuffisantes());
    // The whole frame is indexed before any of it is written: a refused frame leaves the
    // stream as it was.
    d_->Indexe(image);
    const Impl::Boite boite = d_->Changement();
    d_->RemplitBoite(boite);
    d_->EcritImage(boite, centiemes);
    d_->Retient();
}

void EcritureGif::Termine() {
    if (!d_->gif) return;
    int code = 0;
    GifFileType* gif = d_->gif;
    d_->gif = nullptr;
    const int resultat = EGifCloseFile(gif, &code);
    if (d_->echecEcriture) std::rethrow_exception(d_->echecEcriture);
    if (resultat == GIF_ERROR) Echec(code);
}

}  // namespace kest
