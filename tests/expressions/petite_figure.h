#pragma once
// A small figure built by hand for the expression tests: the unit of length
// (object 2), numbers, points and vectors with known values.
#include <initializer_list>
#include <memory>
#include <string>

#include "figure_essai.h"
#include "model/analyse_expression.h"
#include "model/evaluation_expression.h"
#include "model/expression_erreurs.h"
#include "model/figure.h"
#include "model/objets_figure.h"

namespace km32::essais {

struct PetiteFigure {
    std::unique_ptr<TfigureKalmetra> figure = std::make_unique<TfigureKalmetra>();
    TfigureKalmetra& f = *figure;

    PetiteFigure() {
        reinitialiseCompilateur();
        reinitialiseErreurs();
        f.nombreObjets = 1;
        ajoute(kNatureRepere, "Rxyz", {}, 2);
        ajoute(kNatureUniteDeLongueur, "Uxyz", {1.0}, 2);
        f.nombreObjets = kObjetsPredefinis;
        f.uniteLongueurParDefaut = 2;
    }

    // An object of the kind (no construction code), named, with its values: after the
    // last object, or in place of object numero when it is given.
    int ajoute(uint8_t nature, const std::string& nom, std::initializer_list<double> valeurs,
               int numero = 0) {
        if (!numero) return ajouteObjetNomme(f, nature, 0, nom, valeurs);
        const int dernier = f.nombreObjets;
        f.nombreObjets = numero - 1;
        ajouteObjetNomme(f, nature, 0, nom, valeurs);
        f.nombreObjets = dernier;
        return numero;
    }
    int nombre(const std::string& nom, double x) { return ajoute(kNatureNombreReel, nom, {x}); }
    int point(const std::string& nom, double x, double y, double z) {
        return ajoute(kNaturePoint, nom, {x, y, z});
    }
    int vecteur(const std::string& nom, double x, double y, double z) {
        return ajoute(kNatureVecteur, nom, {x, y, z});
    }

    // Compiles a text with its variables ("xy" declares x and y, numbers).
    uint16_t compile(TAnalyseExpression& a, const std::string& texte, const std::string& variables = "",
                     uint8_t genreRequis = 0, uint8_t modeAcces = 1, bool garderTexteReecrit = false) {
        a = TAnalyseExpression{};
        a.modeAcces = modeAcces;
        a.genreResultat = genreRequis;
        for (std::size_t v = 0; v < variables.size(); ++v) {
            a.nomsVariables[v] = variables[v];
            a.genresVariables[v] = kGenreNombre;
        }
        a.nombreVariables = uint8_t(variables.size());
        a.texte = texte;
        uint16_t erreur = 0;
        traduitExpression(f, a, garderTexteReecrit, erreur);
        return erreur;
    }
};

} // namespace km32::essais
