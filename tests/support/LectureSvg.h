// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reads the SVG that Qt's generator writes for a run of the scene back into the drawing calls
// of a RecordingSurface: a polyline of two points is a LineTo from its first point, a circle or
// an ellipse is an Ellipse with the pen and brush of its group, and a text is a TextOut whose
// top and background come from the box painted just before it (a text without a box gets
// y = INT_MIN: the SVG gives only its baseline) in its fill colour. MoveTo draws nothing and
// leaves no trace.

#include <QString>
#include <QXmlStreamReader>
#include <climits>
#include <cmath>
#include <string>
#include <vector>

#include "tests/support/RecordingSurface.h"

namespace kest::test {

inline std::vector<Appel> LitSvg(const QByteArray& octets, bool* valide = nullptr) {
    struct Groupe {
        Stylo stylo;
        Brosse brosse;
    };
    const auto couleur = [](const QString& t) -> Couleur {
        if (t == QLatin1String("black")) return 0;
        const uint rgb = t.mid(1).toUInt(nullptr, 16);
        return (rgb >> 16 & 0xFF) | (rgb & 0xFF00) | (rgb & 0xFF) << 16;
    };
    std::vector<Appel> appels;
    std::vector<Groupe> pile{{}};
    bool boite = false;
    int boiteX = 0, boiteY = 0;
    Brosse boiteBrosse;
    QXmlStreamReader xml(octets);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            if (xml.isEndElement() && xml.name() == QLatin1String("g")) pile.pop_back();
            continue;
        }
        const auto a = xml.attributes();
        const auto nombre = [&](const char* nom) { return a.value(QLatin1String(nom)).toDouble(); };
        const QString nom = xml.name().toString();
        if (nom == "g") {
            Groupe g = pile.back();
            if (a.hasAttribute("stroke") && a.value("stroke") != QLatin1String("none"))
                g.stylo = {couleur(a.value("stroke").toString()),
                           a.hasAttribute("stroke-dasharray") ? PenStyle::Dot : PenStyle::Solid,
                           int(nombre("stroke-width"))};
            if (a.hasAttribute("fill"))
                g.brosse = a.value("fill") == QLatin1String("none")
                               ? Brosse{0, BrushStyle::Clear}
                               : Brosse{couleur(a.value("fill").toString()), BrushStyle::Solid};
            pile.push_back(g);
            continue;
        }
        const Groupe& g = pile.back();
        Appel appel{Op::MoveTo, 0, 0, 0, 0, {}, {}, {}};
        if (nom == "polyline") {
            const QStringList points = a.value("points").toString().split(' ', Qt::SkipEmptyParts);
            if (points.size() != 2) continue;
            const QStringList de = points[0].split(','), a2 = points[1].split(',');
            appel = {Op::LineTo, a2[0].toInt(), a2[1].toInt(), 0, 0, {}, g.stylo,
                     {},         de[0].toInt(), de[1].toInt()};
        } else if (nom == "circle" || nom == "ellipse") {
            const double rx = nom == "circle" ? nombre("r") : nombre("rx");
            const double ry = nom == "circle" ? nombre("r") : nombre("ry");
            const double cx = nombre("cx"), cy = nombre("cy");
            appel = {Op::Ellipse,
                     int(std::lround(cx - rx)),
                     int(std::lround(cy - ry)),
                     int(std::lround(cx + rx)),
                     int(std::lround(cy + ry)),
                     {},
                     g.stylo,
                     g.brosse};
        } else if (nom == "rect") {
            boite = true, boiteX = int(nombre("x")), boiteY = int(nombre("y"));
            boiteBrosse = g.brosse;
            continue;
        } else if (nom == "text") {
            const int x = int(nombre("x"));
            const bool avecBoite = boite && boiteX == x;
            appel = {Op::TextOut,
                     x,
                     avecBoite ? boiteY : INT_MIN,
                     0,
                     0,
                     xml.readElementText().toStdString(),
                     {},
                     avecBoite ? boiteBrosse : Brosse{0, BrushStyle::Clear}};
            appel.couleurTexte = couleur(a.value("fill").toString());
        } else {
            continue;
        }
        boite = false;
        appels.push_back(appel);
    }
    if (valide) *valide = !xml.hasError();
    return appels;
}

}  // namespace kest::test
