#include "text/listes_points.h"

#include "model/calcul/aides_construction.h"

#include <string>

#include "base/texte.h"
#include "model/expression_erreurs.h"
#include "model/objets_figure.h"
#include "text/noms_objets.h"
#include "text/operandes_objets.h"

namespace km32 {

namespace {

std::string sansSeparateursDePoints(std::string_view texte) {
    std::string r;
    r.reserve(texte.size());
    for (char c : texte)
        if (c != ' ' && c != '(' && c != ')' && c != ',' && c != '[' && c != ']') r += c;
    return r;
}

// The first object of construction code on the pair (p, q), in either order
// unless the object is a half-line; above the object count when none.
int paireDejaConstruite(const TfigureKalmetra& f, uint8_t code, uint8_t p, uint8_t q) {
    for (int k = 1; k <= f.nombreObjets; ++k) {
        const TObjetFigure& o = objet(f, k);
        if (o.codeConstruction != code || o.nombreParents < 2) continue;
        const uint8_t a = parentObjet(f, k, 1), b = parentObjet(f, k, 2);
        if ((a == p && b == q) || (code != 33 && a == q && b == p)) return k;
    }
    return f.nombreObjets + 1;
}

} // namespace

namespace {

// The run of point names, the name of a renamed built-in point taken whole
// where the text holds it when integre is not empty.
void litListePointsAvec(const TfigureKalmetra& f, const std::string& integre, std::string_view texte,
                        uint8_t mode, uint8_t& nombre, TListePoints& points, uint16_t& erreur) {
    std::string t = sansSeparateursDePoints(texte);
    nombre = 0;
    if (t.empty()) {
        erreur = kErreurDonneeManquante;
        return;
    }
    std::string nom;
    while (erreur < kPasDeCetteForme && !t.empty() && nombre < kMaxListePoints) {
        ++nombre;
        litNomPoint(integre, t, nom, erreur);
        if (estRefus(erreur)) {
            nomErreur1() = coupe(t, 255);
            erreur = kErreurDonneeIncorrecte;
            return;
        }
        numeroPointDeNom(f, nom, mode, points[nombre], erreur);
    }
    if (erreur < kPasDeCetteForme && !t.empty()) {
        nomErreur1() = coupe(t, 255);
        erreur = kErreurDonneeIncorrecte;
    }
}

} // namespace

void litListePoints(const TfigureKalmetra& f, std::string_view texte, uint8_t mode, uint8_t& nombre,
                    TListePoints& points, uint16_t& erreur) {
    if (estRefus(erreur)) return;
    // The name of a renamed built-in point is taken whole first; when that
    // reading is refused, the run is read by name tokens alone.
    const std::string integre = nomPointIntegreHorsJetons(f);
    const uint16_t avant = erreur;
    litListePointsAvec(f, integre, texte, mode, nombre, points, erreur);
    if (integre.empty() || !estRefus(erreur)) return;
    const uint16_t refus = erreur;
    const std::string nomRefus = nomErreur1();
    erreur = avant;
    litListePointsAvec(f, std::string(), texte, mode, nombre, points, erreur);
    if (estRefus(erreur)) {
        erreur = refus;
        nomErreur1() = nomRefus;
    }
}

void litSommetsPolygone(const TfigureKalmetra& f, std::string_view texte, uint8_t mode, uint8_t& nombre,
                        TListePoints& points, uint16_t& erreur) {
    if (estRefus(erreur)) return;
    litListePoints(f, texte, mode, nombre, points, erreur);
    if (estRefus(erreur)) return;
    if (nombre < 3 || nombre > kMaxListePoints) {
        erreur = kErreurNombreSommets;
        return;
    }
    for (int i = 1; i < nombre; ++i)
        for (int j = i + 1; j <= nombre; ++j)
            if (points[i] == points[j]) {
                nomErreur1() = nomObjet(f, points[i]);
                erreur = kErreurSommetDeuxFois;
                return;
            }
}

void litSommetsPolyedre(const TfigureKalmetra& f, std::string_view texte, uint8_t mode, uint8_t& nombre,
                        TListePoints& points, uint16_t& erreur) {
    if (estRefus(erreur)) return;
    litSommetsPolygone(f, texte, mode, nombre, points, erreur);
    if (!estRefus(erreur) && nombre < 4) erreur = kErreurNombreSommets;
}

void litPointsEtSolides(const TfigureKalmetra& f, std::string_view texte, bool enveloppePolygone,
                        uint8_t mode, uint8_t& nombre, TListeObjets& objets, uint16_t& erreur) {
    if (estRefus(erreur)) return;
    nombre = 0;
    if (texte.empty()) return;
    const std::string normal = normaliseListe(texte);
    auto ajoute = [&](uint8_t n) {
        verifieCapacite(nombre + 1, kMaxListeObjets, "hull objects");
        objets[++nombre] = n;
    };
    Elements liste{normal};
    std::string_view element;
    while (!estRefus(erreur) && liste.suivant(element)) {

        const uint16_t avant = erreur;
        uint8_t n = 0;
        numeroObjetDeNomEtGenre(f, element, mode, erreur, n);
        if (!estRefus(erreur)) {
            ajoute(n);
            continue;
        }
        // Not an object's name: a run of point names, or the first error stands.
        const uint16_t erreurNom = erreur;
        const std::string nomErreurNom = nomErreur1();
        erreur = avant;
        uint8_t combien = 0;
        TListePoints points{};
        litListePoints(f, element, mode, combien, points, erreur);
        if (estRefus(erreur)) {
            erreur = erreurNom;
            nomErreur1() = nomErreurNom;
            return;
        }
        for (int i = 1; i <= combien; ++i)
            ajoute(points[i]);
    }
    if (estRefus(erreur)) return;
    for (int i = 2; i <= nombre; ++i)
        for (int j = 1; j < i; ++j)
            if (objets[i] == objets[j]) {
                nomErreur1() = nomObjetNotation(f, objets[i]);
                erreur = kErreurDeuxFois;
                return;
            }
    for (int i = 1; i <= nombre; ++i)
        if (!estConstructionDEnveloppe(objet(f, objets[i]).codeConstruction, enveloppePolygone)) {
            nomErreur1() = nomObjetNotation(f, objets[i]);
            erreur = enveloppePolygone ? kErreurPasPointNiPolygone : kErreurPasPointNiPolygoneNiPolyedre;
            return;
        }
}

void litPairesDePoints(const TfigureKalmetra& f, uint8_t code, std::string_view texte, uint8_t mode,
                       uint8_t& nombre, TListePoints& points, uint16_t& erreur) {
    if (estRefus(erreur)) return;
    litListePoints(f, texte, mode, nombre, points, erreur);
    if (estRefus(erreur)) return;
    if (nombre % 2 != 0) {
        erreur = kErreurNombreImpair;
        return;
    }
    nombre /= 2;
    for (int i = 1; i <= nombre; ++i) {
        const int k = paireDejaConstruite(f, code, points[2 * i - 1], points[2 * i]);
        if (k <= f.nombreObjets) {
            nomErreur1() = nomObjetNotation(f, k);
            erreur = kErreurCreeDeuxFois;
            return;
        }
    }
    if (nombre + f.nombreObjets > kMaxListeObjets) {
        erreur = kErreurTropDeCreations;
        return;
    }
    for (int i = 1; i <= nombre && erreur < kPasDeCetteForme; ++i)
        if (points[2 * i - 1] == points[2 * i]) erreur = kErreurPointsDifferents;
    if (code == 34) return;
    for (int i = 1; i <= nombre && erreur == 0; ++i) {
        const uint8_t p = points[2 * i - 1], q = points[2 * i];
        if (!objet(f, p).nonDefini && !objet(f, q).nonDefini && pointsConfondus(f, p, q))
            erreur = kRaisonPointsConfondus;
    }
}

} // namespace km32
