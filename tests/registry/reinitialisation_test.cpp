// What a reset writes and what it keeps, and the defaults of a new record.
#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "banc_registre.h"
#include "model/objets_figure.h"

namespace km32::essai {
namespace {

using F = TfigureKalmetra;

// One field: how a test changes it, and whether it holds the expected value
// after the reset (the reset value for a field it writes, the changed value
// for a field it keeps).
struct Champ {
    std::string nom;
    std::function<void(F&)> change;
    std::function<bool(const F&)> verifie;
};

template <class T> Champ ecrit(const char* nom, T F::*champ, T change, T attendu) {
    return {nom, [=](F& f) { f.*champ = change; }, [=](const F& f) { return f.*champ == attendu; }};
}
template <class T> Champ garde(const char* nom, T F::*champ, T change) {
    return ecrit(nom, champ, change, change);
}
template <class P> Champ vide(const char* nom, std::unique_ptr<P> F::*champ) {
    return {nom, [=](F& f) { f.*champ = std::make_unique<P>(); }, [=](const F& f) { return !(f.*champ); }};
}
template <class P> Champ gardePointeur(const char* nom, std::unique_ptr<P> F::*champ) {
    return {nom, [=](F& f) { f.*champ = std::make_unique<P>(); },
            [=](const F& f) { return f.*champ != nullptr; }};
}
template <class P> Champ recree(const char* nom, std::unique_ptr<P> F::*champ) {
    return {nom, [=](F& f) { (f.*champ).reset(); }, [=](const F& f) { return f.*champ != nullptr; }};
}
Champ ensembleVide(const char* nom, TEnsembleObjets F::*champ) {
    return {nom, [=](F& f) { (f.*champ).set(20); }, [=](const F& f) { return (f.*champ).none(); }};
}

constexpr double kPi = std::numbers::pi;
const TEnsembleObjets kQuelques = TEnsembleObjets().set(3).set(40);

std::vector<Champ> champsEcrits() {
    return {
        ecrit("text version", &F::versionTexte, uint8_t(4), uint8_t(1)),
        ecrit("byte after the text version", &F::octetVersion, uint8_t(0), uint8_t(1)),
        ecrit("point names shown", &F::nomsPointsAffiches, uint8_t(0), uint8_t(1)),
        ecrit("figure name", &F::nomFigure, std::string("cube"), std::string()),
        ecrit("modified", &F::modifiee, uint8_t(1), uint8_t(0)),
        ecrit("framing change forbidden", &F::cadrageInterdit, uint8_t(1), uint8_t(0)),
        ecrit("thick lines", &F::traitsEpais, uint8_t(1), uint8_t(0)),
        ecrit("invalid objects: from the shared table", &F::defautObjetsNonValides, uint8_t(0), uint8_t(1)),
        ecrit("oblique projection", &F::projectionOblique, uint8_t(1), uint8_t(0)),
        {"oblique parameters", [](F& f) { f.parametresOblique[0] = f.parametresOblique[1] = 2; },
         [](const F& f) { return f.parametresOblique[0] == -0.3 && f.parametresOblique[1] == -0.3; }},
        ecrit("key-command timers", &F::minuteriesCommandesActives, uint8_t(1), uint8_t(0)),
        ecrit("trace mode", &F::modeTrace, uint8_t(1), uint8_t(0)),
        ecrit("trace on demand", &F::modeTraceALaDemande, uint8_t(1), uint8_t(0)),
        ensembleVide("traced set", &F::ensembleTrace),
        ensembleVide("drawing set", &F::ensembleDessin),
        ensembleVide("designated set", &F::ensembleDesigne),
        ensembleVide("second-direction set", &F::ensembleSecondeDirection),
        ensembleVide("free-parameter set", &F::ensembleParametresLibres),
        ecrit("clock interval", &F::intervalleHorloge, uint16_t(500), uint16_t(100)),
        ecrit("wire frame", &F::filDeFer, uint8_t(1), uint8_t(0)),
        ecrit("hidden parts dashed", &F::partiesCacheesPointillees, uint8_t(1), uint8_t(0)),
        ecrit("isolated plane", &F::reglagePlanIsole, uint8_t(11), uint8_t(0)),
        ecrit("default unit", &F::uniteLongueurParDefaut, uint8_t(14), uint8_t(2)),
        ecrit("default frame", &F::repereParDefaut, uint8_t(14), uint8_t(1)),
        ecrit("angles in degrees", &F::anglesEnDegresParDefaut, uint8_t(1), uint8_t(0)),
        ecrit("dialog object", &F::objetDialogue, uint8_t(14), uint8_t(0)),
        ecrit("view extent", &F::etendueVue, 3.0, 10.0),
        ecrit("unit on the smaller side", &F::uniteSurPetiteDimension, 0.5, 0.1),
        ecrit("keyboard step", &F::pasClavier, 1.0, 5.0),
        {"view angles -20, 25, 0 degrees, copied as the initial view",
         [](F& f) {
             for (int k = 0; k < 3; ++k)
                 f.anglesVue[k] = f.anglesVueInitiale[k] = 1;
         },
         [](const F& f) {
             const double attendus[3] = {-kPi / 9, 5 * kPi / 36, 0};
             for (int k = 0; k < 3; ++k)
                 if (std::abs(f.anglesVue[k] - attendus[k]) > 1e-15 ||
                     f.anglesVueInitiale[k] != f.anglesVue[k])
                     return false;
             return true;
         }},
        {"centre fractions", [](F& f) { f.fractionsCentre[0] = f.fractionsCentre[1] = 0; },
         [](const F& f) { return f.fractionsCentre[0] == 0.5 && f.fractionsCentre[1] == 0.5; }},
        ecrit("object count", &F::nombreObjets, uint8_t(40), uint8_t(13)),
        ecrit("values used", &F::valeursUtilisees, uint16_t(300), uint16_t(88)),
        ecrit("parents used", &F::parentsUtilises, uint16_t(30), uint16_t(0)),
        ecrit("expressions used", &F::expressionsUtilisees, uint16_t(30), uint16_t(0)),
        ecrit("samples used", &F::echantillonsUtilises, uint16_t(30), uint16_t(0)),
        ecrit("operand bytes used", &F::octetsOperandesUtilises, uint16_t(30), uint16_t(0)),
        ecrit("expression constants used", &F::constantesUtilisees, uint16_t(30), uint16_t(0)),
        ecrit("formula text", &F::texteDesFormules, std::string("x+1"), std::string()),
        ecrit("object-name text", &F::texteDesNoms, std::string("RxyzUxyztimeijkoxoyozoxyoyzozxABC"),
              std::string("RxyzUxyztimeijkoxoyozoxyoyzozx")),
        ecrit("drawing integer", &F::entierDessin, int32_t(5), int32_t(-1)),
        {"drawing masks", [](F& f) { f.masquesDessin[3] = 0; },
         [](const F& f) {
             for (uint32_t m : f.masquesDessin)
                 if (m != 0xFFFFFFFFu) return false;
             return true;
         }},
        ecrit("active free object", &F::objetLibreActif, uint8_t(14), uint8_t(0)),
        ecrit("cause of the last move", &F::causeDernierMouvement, uint8_t(3), uint8_t(0)),
        ecrit("display-zone height", &F::hauteurZoneAffichages, int32_t(40), int32_t(0)),
        {"image frame", [](F& f) { f.cadreImage[2] = 0.5; },
         [](const F& f) {
             return f.cadreImage[0] == 0.1 && f.cadreImage[1] == 0.1 && f.cadreImage[2] == 0.9 &&
                    f.cadreImage[3] == 0.9;
         }},
        ecrit("import active", &F::importationActive, uint8_t(1), uint8_t(0)),
        {"two view integers", [](F& f) { f.entiersVue[0] = f.entiersVue[1] = 7; },
         [](const F& f) { return f.entiersVue[0] == 1 && f.entiersVue[1] == 1; }},
        ecrit("view change allowed", &F::changementVuePermis, uint8_t(0), uint8_t(1)),
        ecrit("large characters", &F::grosCaracteres, uint8_t(1), uint8_t(0)),
        ecrit("export of rotations", &F::exportationRotations, uint8_t(1), uint8_t(0)),
        ecrit("import of rotations", &F::importationRotations, uint8_t(1), uint8_t(0)),
        ecrit("background colour setting", &F::reglageCouleurFond, uint32_t(0x123456), uint32_t(0)),
        ecrit("background colour flag", &F::drapeauCouleurFond, uint8_t(1), uint8_t(0)),
        // The settings a text gives by lines of its own go back to their
        // defaults: a text read into the figure again (an undo, a replacing
        // text) without such a line must not keep them.
        ecrit("print text", &F::texteImpression, std::string("AB"), std::string("CF")),
        ecrit("print size", &F::valeurImpression, int32_t(60), int32_t(0)),
        ecrit("copy text", &F::texteCopie, std::string("NU"), std::string("CF")),
        ecrit("copy size", &F::valeurCopie, int32_t(30), int32_t(0)),
        ecrit("front plane kept facing", &F::planDeFaceMaintenu, uint8_t(1), uint8_t(0)),
        ecrit("invalid-objects setting written", &F::reglageNonValidesEcrit, uint8_t(1), uint8_t(0)),
        {"remembered planes", [](F& f) { f.plansEnregistres[kPlanIsole].objets[0] = 20; },
         [](const F& f) {
             for (const TplanEnregistre& p : f.plansEnregistres)
                 for (uint8_t o : p.objets)
                     if (o != 0) return false;
             return true;
         }},
        vide("deferred lines", &F::lignesDifferees),
        vide("comment text", &F::texteCommentaire),
        vide("drag state", &F::etatGlisser),
        vide("dialog record", &F::dialogue),
        vide("host buffer", &F::tampon),
        vide("shared-variable record", &F::variablesPartagees),
        vide("prototype table (made on first use)", &F::tableDesPrototypes),
        recree("extension table", &F::tableAnnexes),
        recree("polyhedra table", &F::tableDesPolyedres),
        recree("mesh table", &F::tableMaillages),
        recree("function table", &F::tableDesFonctions),
        {"sample contents", [](F& f) { echantillon(f, 9000).x = 5; },
         [](const F& f) { return !f.echantillons || (*f.echantillons)[9000].x == 0; }},
        {"built-in values", [](F& f) { valeur(f, 4) = 3; }, [](const F& f) { return valeur(f, 4) == 1.0; }},
        {"built-in object record",
         [](F& f) {
             TObjetFigure& o = objet(f, 11);
             o.nombreParents = 2;
             o.uniteLongueur = 2;
             o.nonDefini = 1;
             o.objetLimite = 5;
             o.emplacementSolide = 3;
             o.style.drapeaux = 0x0100;
             o.style.rouge = 200;
             o.drapeaux = 0;
         },
         [](const F& f) {
             const TObjetFigure& o = objet(f, 11);
             return o.nombreParents == 0 && o.uniteLongueur == 0 && o.nonDefini == 0 && o.objetLimite == 0 &&
                    o.emplacementSolide == 0 && o.style.drapeaux == 0 && o.style.rouge == 0 &&
                    o.drapeaux == kDrapeauProtege;
         }},
    };
}

std::vector<Champ> champsGardes() {
    return {
        garde("drawing window", &F::fenetreDessin, uint32_t(7)),
        garde("host window", &F::fenetreHote, uint32_t(8)),
        garde("form window", &F::fenetreForme, uint32_t(9)),
        garde("own number", &F::numeroFigure, int32_t(12)),
        garde("background colour", &F::couleurFond, uint32_t(0x00FF00)),
        garde("window title", &F::titreFenetre, std::string("titre : ")),
        garde("file path", &F::cheminFichier, std::string("/tmp/cube.k3v")),
        garde("initial text failed", &F::texteInitialEchoue, uint8_t(1)),
        garde("image width", &F::largeurImage, int32_t(800)),
        garde("clock running", &F::horlogeEnMarche, uint8_t(1)),
        garde("popup menu built", &F::menuContextuelConstruit, uint8_t(1)),
        garde("byte after the isolated-plane flags", &F::tourneVersPlanIsole, uint8_t(0)),
        garde("query mode", &F::modeRequete, uint8_t(1)),
        garde("text modified", &F::texteModifie, uint8_t(1)),
        gardePointeur("pending text", &F::texteEnAttente),
        gardePointeur("drawing-data table", &F::tableElementsSolides),
        gardePointeur("display list", &F::blocDessin),
        gardePointeur("trace table", &F::tableTraces),
        gardePointeur("view history", &F::historiqueVues),
        gardePointeur("background picture", &F::imageFond),
        {"values above 88", [](F& f) { valeur(f, 89) = 4; }, [](const F& f) { return valeur(f, 89) == 4; }},
    };
}

class Reinitialisation : public BancRegistre {};

TEST_F(Reinitialisation, WritesItsFieldsAndKeepsTheOthers) {
    TQTableDesVariablesPartagees()->objetsInvalidesDefaut = 1;
    auto figure = figureNeuve();
    F& f = *figure;
    const std::vector<Champ> champs = [] {
        auto v = champsEcrits();
        auto g = champsGardes();
        v.insert(v.end(), g.begin(), g.end());
        return v;
    }();
    for (const Champ& c : champs)
        c.change(f);
    reinitialiseFigure(f);
    for (const Champ& c : champs)
        EXPECT_TRUE(c.verifie(f)) << c.nom;
    EXPECT_EQ(nomObjet(f, 11), "oxy");
}

TEST_F(Reinitialisation, RepeatedResetsDoNotFillTheTables) {
    // Counters and texts that user objects fill start again from empty, so a
    // figure reset many times (undo, editor) never becomes full.
    auto figure = figureNeuve();
    F& f = *figure;
    for (int fois = 0; fois < 3; ++fois) {
        f.texteDesFormules += std::string(30000, 'x');
        f.constantesUtilisees = 900;
        reinitialiseFigure(f);
        EXPECT_TRUE(f.texteDesFormules.empty());
        EXPECT_EQ(f.constantesUtilisees, 0);
    }
}

TEST_F(Reinitialisation, DefaultsOfANewRecord) {
    auto figure = std::make_unique<F>();
    F& f = *figure;
    f.couleurFond = 0;
    f.proprietairePrototypes = nullptr;
    f.texteImpression = "";
    f.tourneVersPlanIsole = 0;
    f.largeurImage = 1;
    f.texteEnAttente = std::make_unique<std::string>("x");
    f.tableElementsSolides.reset();
    initialiseFigureNeuve(f);
    EXPECT_EQ(f.largeurImage, 491);
    EXPECT_EQ(f.hauteurImage, 263);
    EXPECT_EQ(f.couleurFond, 0xFFFFFFu);
    EXPECT_EQ(f.proprietairePrototypes, &f);
    EXPECT_EQ(f.texteImpression, "CF");
    EXPECT_EQ(f.texteCopie, "CF");
    EXPECT_EQ(f.tourneVersPlanIsole, 1);
    EXPECT_FALSE(f.texteEnAttente);
    EXPECT_FALSE(f.tableDesPrototypes);
    EXPECT_TRUE(f.tableElementsSolides);
    EXPECT_TRUE(f.blocDessin);
    EXPECT_FALSE(f.echantillons); // made by the first sample written
    EXPECT_EQ(f.nombreObjets, 13);
}

} // namespace
} // namespace km32::essai
