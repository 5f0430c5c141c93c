#include "platform/trace_enregistre.h"

#include <algorithm>

namespace km32::platform {

int32_t largeurCelluleEnregistree(int32_t hauteurPolice) {
    return std::max<int32_t>(1, (hauteurPolice * 3 + 2) / 5);
}

void RenduEnregistre::polyligne(const EtatTrace& etat, const std::vector<Point>& points) {
    Primitive p;
    p.type = TypePrimitive::Polyligne;
    p.etat = etat;
    p.points = points;
    primitives.push_back(std::move(p));
}

void RenduEnregistre::rectangle(const EtatTrace& etat, Rect r) {
    Primitive p;
    p.type = TypePrimitive::Rectangle;
    p.etat = etat;
    p.rect = r;
    primitives.push_back(std::move(p));
}

void RenduEnregistre::ellipse(const EtatTrace& etat, Rect r) {
    Primitive p;
    p.type = TypePrimitive::Ellipse;
    p.etat = etat;
    p.rect = r;
    primitives.push_back(std::move(p));
}

void RenduEnregistre::polygone(const EtatTrace& etat, const std::vector<Point>& points) {
    Primitive p;
    p.type = TypePrimitive::Polygone;
    p.etat = etat;
    p.points = points;
    primitives.push_back(std::move(p));
}

void RenduEnregistre::pixel(const EtatTrace& etat, Point pt, Couleur c) {
    Primitive p;
    p.type = TypePrimitive::Pixel;
    p.etat = etat;
    p.points = {pt};
    p.couleur = c;
    primitives.push_back(std::move(p));
}

void RenduEnregistre::texte(const EtatTrace& etat, Point pt, const std::string& texte) {
    Primitive p;
    p.type = TypePrimitive::Texte;
    p.etat = etat;
    p.points = {pt};
    p.texte = texte;
    primitives.push_back(std::move(p));
}

Taille RenduEnregistre::mesureTexte(const Police& police, const std::string& texte) {
    int32_t h = std::max<int32_t>(1, police.hauteur);
    return Taille{int32_t(texte.size()) * largeurCelluleEnregistree(h), h};
}

void RenduEnregistre::image(const EtatTrace& etat, const Image& image, Rect source, Rect dest) {
    Primitive p;
    p.type = TypePrimitive::Image;
    p.etat = etat;
    p.rect = dest;
    p.source = source;
    p.tailleImage = Taille{image.largeur, image.hauteur};
    primitives.push_back(std::move(p));
}

} // namespace km32::platform
