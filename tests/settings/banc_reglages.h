#pragma once
// A started library and figures read from texts (UTF-8 in the tests,
// Windows-1252 in the library), single lines run on them for real, and the
// figures written back in the applied language.
#include <gtest/gtest.h>

#include <charconv>
#include <map>
#include <memory>
#include <string>

#include "ecriture_essai.h"
#include "etat_texte_neuf.h"
#include "base/garde.h"
#include "base/texte.h"
#include "host/bibliotheque.h"
#include "model/figure.h"
#include "model/objets_figure.h"
#include "model/registre_figures.h"
#include "model/services_texte.h"
#include "phrases/phrase.h"
#include "platform/boites.h"
#include "text/attributs_dessin.h"
#include "text/ecriture_figure.h"
#include "text/execution_creation.h"
#include "text/execution_ligne.h"
#include "text/instantanes_figure.h"
#include "text/langue_texte.h"

namespace km32::reglages {

// A number as its shortest exact text.
inline std::string texte(double x) {
    char t[32];
    const auto r = std::to_chars(t, t + sizeof t, x);
    return std::string(t, r.ptr);
}

// The settings of a figure that its text carries, by name: view, display
// zone, steps, printing and copy, frame, clock, background, defaults,
// switches, planes, and per user object its flags, style, glued point and
// values.
using Champs = std::map<std::string, std::string>;
inline Champs champs(const TfigureKalmetra& f) {
    Champs c;
    const auto n = [](double x) { return texte(x); };
    c["zoom"] = n(f.uniteSurPetiteDimension);
    for (int k = 0; k < 3; ++k)
        c["angle " + std::to_string(k)] = n(f.anglesVue[k]);
    c["centre"] = n(f.fractionsCentre[0]) + " " + n(f.fractionsCentre[1]);
    c["oblique"] = n(f.projectionOblique) + " " + n(f.parametresOblique[0]) + " " + n(f.parametresOblique[1]);
    c["zone"] = n(f.hauteurZoneAffichages);
    c["pas rotation"] = n(f.pasClavier);
    c["horloge"] = n(f.intervalleHorloge);
    c["horloge repetee"] = n(f.rearmementsHorloge);
    c["impression"] = f.texteImpression + " " + n(f.valeurImpression);
    c["copie"] = f.texteCopie + " " + n(f.valeurCopie);
    c["cadre"] =
        n(f.cadreImage[0]) + " " + n(f.cadreImage[1]) + " " + n(f.cadreImage[2]) + " " + n(f.cadreImage[3]);
    c["fond"] = n(f.drapeauCouleurFond) + " " + n(f.reglageCouleurFond);
    c["repere"] = nomObjet(f, f.repereParDefaut);
    c["unite"] = nomObjet(f, f.uniteLongueurParDefaut);
    c["actif"] = f.objetLibreActif ? nomObjet(f, f.objetLibreActif) : "";
    c["degres"] = n(f.anglesEnDegresParDefaut);
    c["non valides"] = n(f.reglageNonValidesEcrit) + " " + n(f.defautObjetsNonValides);
    c["importations"] =
        n(f.importationActive) + " " + n(f.importationRotations) + " " + n(f.exportationRotations);
    c["dessin"] = n(f.filDeFer) + " " + n(f.partiesCacheesPointillees) + " " + n(f.nomsPointsAffiches);
    const auto plan = [&](const TplanEnregistre& p) {
        return n(p.objets[0]) + " " + n(p.objets[1]) + " " + n(p.objets[2]);
    };
    c["plan de face"] = plan(f.plansEnregistres[kPlanDeFace]) + " " + n(f.entiersVue[0]);
    c["plan isole"] = plan(f.plansEnregistres[kPlanIsole]) + " " + n(f.reglagePlanIsole);
    c["vue"] = n(f.planDeFaceMaintenu) + " " + n(f.cadrageInterdit) + " " + n(f.changementVuePermis);
    c["gros caracteres"] = n(f.grosCaracteres);
    c["trace"] = f.ensembleTrace.to_string();
    for (int i = 1; i <= f.nombreObjets; ++i) {
        const TObjetFigure& o = objet(f, i);
        const std::string nom = nomObjet(f, i);
        c["drapeaux " + nom] = n(o.drapeaux);
        c["style " + nom] = n(o.style.drapeaux);
        c["couleur " + nom] = n(couleurDuStyle(o.style));
        if (i <= kObjetsPredefinis) continue;
        c["colle " + nom] = o.pointColle ? nomObjet(f, o.pointColle) : "";
        c["limite " + nom] = o.objetLimite ? nomObjet(f, o.objetLimite) : "";
        for (int k = 1; k <= o.nombreValeurs; ++k)
            c["valeur " + nom + " " + std::to_string(k)] = n(valeurObjet(f, i, k));
    }
    return c;
}

// The same fields with the same texts; values of objects within tolerance.
inline void attendMemesChamps(const Champs& attendu, const Champs& obtenu, double tolerance = 0) {
    ASSERT_EQ(attendu.size(), obtenu.size());
    for (const auto& [nom, valeur] : attendu) {
        const auto p = obtenu.find(nom);
        ASSERT_NE(p, obtenu.end()) << nom;
        if (tolerance > 0 && nom.rfind("valeur ", 0) == 0)
            EXPECT_NEAR(std::stod(valeur), std::stod(p->second), tolerance) << nom;
        else
            EXPECT_EQ(valeur, p->second) << nom;
    }
}

// The objects the setting tests build on (UTF-8 lines): points, a free point
// on a segment and in space, free numbers, a frame, a unit, a text and a
// stored view.
inline std::string objetsDeBase() {
    return "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
           "B point de coordonnées (4,0,0) dans le repère Rxyz\r\n"
           "C point de coordonnées (0,0,3) dans le repère Rxyz\r\n"
           "D point de coordonnées (0,2,0) dans le repère Rxyz\r\n"
           "P point libre sur le segment [AB]\r\n"
           "Q point libre dans l'espace\r\n"
           "n entier libre de [1,5]\r\n"
           "x réel libre de [0,10]\r\n"
           "R repère (A,vec(i),vec(j),vec(k))\r\n"
           "u unité de longueur (vecteur unitaire vec(i))\r\n"
           "t affichage du texte: bonjour\r\n"
           "v (touche V) vue mémorisée\r\n";
}

class BancReglages : public ::testing::Test {
  protected:
    void SetUp() override {
        essais::repartDeZeroPourLeTexte();
        reinitialiseEcritureFigure();
    }
    void TearDown() override {
        appliqueLangueSysteme(kLangueFrancaise);
        reinitialiseInstantanes();
        reinitialiseBibliotheque();
    }

    // A new figure with the text (Windows-1252) read in as a whole text;
    // the number of the first failing line in echec.
    static std::unique_ptr<TfigureKalmetra> lis(const std::string& texte, uint16_t* echec = nullptr,
                                                uint8_t mode = 1) {
        auto f = std::make_unique<TfigureKalmetra>();
        initialiseFigureNeuve(*f);
        GardeValeur<uint8_t> horsExecution(executionReelle(), 0);
        const uint16_t r = executeTexteDeFigure(*f, texte, mode);
        if (echec) *echec = r;
        return f;
    }
    static std::unique_ptr<TfigureKalmetra> lisUtf8(const std::string& utf8, uint16_t* echec = nullptr) {
        return lis(windows1252DeUtf8(utf8), echec);
    }
    // One line (UTF-8) run for real on the figure, as the host runs it.
    static uint16_t ligne(TfigureKalmetra& f, const std::string& utf8) {
        GardeValeur<uint8_t> reelle(executionReelle(), 1);
        return executeLigneDeFigure(&f, windows1252DeUtf8(utf8), 0, 1);
    }
    // The figure written while the language is applied.
    static std::string ecrit(const TfigureKalmetra& f, uint16_t langue = kLangueFrancaise) {
        return essais::ecritEnLangue(f, langue);
    }
    // The text of the first message box shown, in UTF-8.
    static std::string premiereBoite() { return essais::premiereBoiteUtf8(); }
};

} // namespace km32::reglages
