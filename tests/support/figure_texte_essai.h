#pragma once
// A realistic French figure text of 250 lines (header and setting included)
// and 237 user objects, up to the last object number a line may create
// (250): points by coordinates, midpoints, lines, segments, planes, spheres,
// convex polyhedra (opaque, so they hide), distances, intersections and
// drawing attributes. Coordinates come from a fixed sequence, so the text is
// the same on every machine. The text is Windows-1252 with CR LF line ends.
#include <string>

namespace km32::essais {

inline std::string texteFigureDe250Lignes() {
    unsigned graine = 12345;
    const auto suivant = [&graine] {
        graine = graine * 1103515245u + 12345u;
        return int((graine >> 16) % 17) - 8; // -8 .. 8
    };
    std::string t = "Figure Kalmetra\r\nAutoriser la cr\xE9"
                    "ation des objets non valides\r\n";
    const auto ligne = [&t](const std::string& l) { t += l + "\r\n"; };
    const auto p = [](int k) { return "P" + std::to_string(k); };
    for (int k = 1; k <= 60; ++k)
        ligne(p(k) +
              " point de coordonn\xE9"
              "es (" +
              std::to_string(suivant()) + "," + std::to_string(suivant()) + "," + std::to_string(suivant()) +
              ") dans le rep\xE8"
              "re Rxyz");
    for (int k = 1; k <= 40; ++k)
        ligne("M" + std::to_string(k) + " milieu du segment [" + p(k) + p(k + 1) + "]");
    for (int k = 1; k <= 30; ++k)
        ligne("D" + std::to_string(k) + " droite (" + p(k) + p(k + 20) + ")");
    for (int k = 1; k <= 30; ++k)
        ligne("S" + std::to_string(k) + " segment [" + p(k + 5) + "M" + std::to_string(k) + "]");
    for (int k = 1; k <= 20; ++k)
        ligne("Q" + std::to_string(k) + " plan (" + p(k) + p(k + 7) + p(k + 19) + ")");
    for (int k = 1; k <= 10; ++k)
        ligne("B" + std::to_string(k) +
              " sph\xE8"
              "re de centre " +
              p(k + 30) + " et de rayon 2 (unit\xE9 de longueur Uxyz)");
    for (int k = 1; k <= 10; ++k)
        ligne("H" + std::to_string(k) +
              " poly\xE8"
              "dre convexe de sommets " +
              p(k) + "," + p(k + 10) + "," + p(k + 20) + "," + p(k + 30) + "," + p(k + 40));
    for (int k = 1; k <= 20; ++k)
        ligne("d" + std::to_string(k) + " = " + p(k) + p(k + 2));
    for (int k = 1; k <= 10; ++k)
        ligne("I" + std::to_string(k) + " point d'intersection de la droite D" + std::to_string(k) +
              " et du plan Q" + std::to_string(k));
    for (int k = 1; k <= 7; ++k)
        ligne("e" + std::to_string(k) + " = " + p(k) + "M" + std::to_string(k + 10));
    for (int k = 1; k <= 8; ++k)
        ligne("Dessin de H" + std::to_string(k) + ": opaque");
    ligne("Dessin de M1: rouge");
    ligne("Dessin de M2: bleu");
    ligne("Dessin de M3: vert");
    return t;
}

} // namespace km32::essais
