#pragma once
// Objects added by hand to a figure, for tests and benchmarks that need a few
// objects with given values and parents without reading a figure text.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

#include "model/catalogue.h"
#include "model/figure.h"

namespace km32::essais {

// A user object after the last one: its kind and code, its name (appended to
// the name text), its values and its parents as given.
inline int ajouteObjetNomme(TfigureKalmetra& f, uint8_t nature, uint8_t code, const std::string& nom,
                            std::span<const double> valeurs, std::span<const int> parents) {
    const int n = ++f.nombreObjets;
    TObjetFigure& o = f.objets[std::size_t(n)];
    o.nature = nature;
    o.codeConstruction = code;
    o.debutNom = uint16_t(f.texteDesNoms.size() + 1);
    o.longueurNom = uint8_t(nom.size());
    f.texteDesNoms += nom;
    o.premiereValeur = uint16_t(f.valeursUtilisees + 1);
    o.nombreValeurs = uint8_t(valeurs.size());
    for (double v : valeurs)
        f.valeurs[std::size_t(++f.valeursUtilisees)] = v;
    o.premierParent = uint16_t(f.parentsUtilises + 1);
    o.nombreParents = uint8_t(parents.size());
    for (int p : parents)
        f.parents[std::size_t(++f.parentsUtilises)] = uint8_t(p);
    return n;
}

inline int ajouteObjetNomme(TfigureKalmetra& f, uint8_t nature, uint8_t code, const std::string& nom,
                            std::initializer_list<double> valeurs = {},
                            std::initializer_list<int> parents = {}) {
    return ajouteObjetNomme(f, nature, code, nom, std::span<const double>(valeurs.begin(), valeurs.size()),
                            std::span<const int>(parents.begin(), parents.size()));
}

// A nameless user object of the construction code: the kind, value and
// parameter-expression counts of the catalogue (at least as many values as
// given), the parents as given. Its parameter expressions are constants: their
// value is the one written in the object's values.
inline int ajouteObjetDeCode(TfigureKalmetra& f, uint8_t code, const std::vector<int>& parents,
                             const std::vector<double>& valeurs = {}) {
    uint8_t nbParents = 0, nbValeurs = 0, nature = 0, nbExpressions = 0;
    uint16_t phrase = 0;
    caracteristiquesConstruction(code, nbParents, nbValeurs, phrase, nature, nbExpressions);
    const int n = ++f.nombreObjets;
    TObjetFigure& o = f.objets[std::size_t(n)];
    o = TObjetFigure{};
    o.nature = nature;
    o.codeConstruction = code;
    o.premiereValeur = uint16_t(f.valeursUtilisees + 1);
    o.nombreValeurs = uint8_t(std::max<std::size_t>(nbValeurs, valeurs.size()));
    f.valeursUtilisees = uint16_t(f.valeursUtilisees + o.nombreValeurs);
    int k = o.premiereValeur;
    for (double v : valeurs)
        f.valeurs[std::size_t(k++)] = v;
    o.premierParent = uint16_t(f.parentsUtilises + 1);
    o.nombreParents = uint8_t(parents.size());
    for (int p : parents)
        f.parents[std::size_t(++f.parentsUtilises)] = uint8_t(p);
    o.premiereExpression = uint16_t(f.expressionsUtilisees + 1);
    o.nombreExpressions = nbExpressions;
    for (int e = 0; e < nbExpressions; ++e)
        f.expressions[std::size_t(++f.expressionsUtilisees)].constante = 1;
    return n;
}

} // namespace km32::essais
