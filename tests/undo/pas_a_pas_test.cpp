// Step-by-step replay: the objects shown step by step, the caption of the
// current object, and a figure with nothing to show.
#include "peinture_enregistree.h"
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "banc_annulation.h"
#include "drawing/bloc_dessin.h"
#include "drawing/rafraichissement.h"
#include "platform/contexte_dessin.h"
#include "platform/contexte_dessin_table.h"
#include "platform/trace_enregistre.h"
#include "text/descriptions_objets.h"
#include "text/pas_a_pas.h"

namespace km32::annulation {
namespace {

using platform::Primitive;
using platform::TypePrimitive;

constexpr platform::Couleur kFondLegende = 0xC0FFFF;

const char* const kPoints = "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                            "B point de coordonnées (4,0,0) dans le repère Rxyz\r\n"
                            "C point de coordonnées (0,2,3) dans le repère Rxyz\r\n"
                            "D milieu du segment [BC]\r\n";

class PasAPas : public BancAnnulation {
  protected:
    // Paints f into a recording context.
    static std::vector<Primitive> peint(TfigureKalmetra& f) {
        f.largeurImage = 400;
        f.hauteurImage = 300;
        placeZonesDessin(f);
        reconstruitDessin(f);
        return essais::peintureEnregistree(f);
    }
    // The texts drawn in another colour than the caption's: the point labels.
    static std::set<std::string> etiquettes(const std::vector<Primitive>& ps) {
        std::set<std::string> r;
        for (const Primitive& p : ps)
            if (p.type == TypePrimitive::Texte && p.etat.couleurTexte != 0xFF0000) r.insert(p.texte);
        return r;
    }
    static bool legendePeinte(const std::vector<Primitive>& ps) {
        for (const Primitive& p : ps)
            if (p.type == TypePrimitive::Rectangle && p.etat.brosse.couleur == kFondLegende) return true;
        return false;
    }
};

TEST_F(PasAPas, EachStepShowsTheObjectsUpToItsOwnAndItsDefinition) {
    TfigureKalmetra& f = figure(1, kPoints);
    const std::vector<std::string> noms = {"A", "B", "C", "D"};
    EXPECT_FALSE(legendePeinte(peint(f)));
    EXPECT_EQ(etiquettes(peint(f)), std::set<std::string>(noms.begin(), noms.end()));

    pasAPas(f);
    ASSERT_TRUE(f.modePasAPas);
    ASSERT_EQ(f.nombreEtapes, 4);
    auto attendEtape = [&](int k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(f.etapeCourante, k);
        EXPECT_EQ(dernierObjetDessine(f), kObjetsPredefinis + k);
        const auto ps = peint(f);
        EXPECT_EQ(etiquettes(ps), std::set<std::string>(noms.begin(), noms.begin() + k));
        EXPECT_TRUE(legendePeinte(ps));
        EXPECT_EQ(f.blocDessin->legende, definitionObjetEnTexteMath(f, kObjetsPredefinis + k));
        // Without a band the caption sits at the top.
        EXPECT_EQ(f.blocDessin->hautLegende, 0);
    };
    attendEtape(1);
    etapePrecedente(f); // already at the first
    attendEtape(1);
    for (int k = 2; k <= 4; ++k) {
        etapeSuivante(f);
        attendEtape(k);
    }
    etapeSuivante(f); // already at the last
    attendEtape(4);
    for (int k = 3; k >= 1; --k) {
        etapePrecedente(f);
        attendEtape(k);
    }

    pasAPas(f);
    EXPECT_FALSE(f.modePasAPas);
    EXPECT_EQ(dernierObjetDessine(f), f.nombreObjets);
    EXPECT_FALSE(legendePeinte(peint(f)));
    // Steps do nothing while the replay is off.
    etapeSuivante(f);
    EXPECT_EQ(f.etapeCourante, 1);
}

TEST_F(PasAPas, KeyCommandsAndForbiddenObjectsAreNoSteps) {
    TfigureKalmetra& f = figure(1, std::string(kPoints) + "K (touche A) dessin en bloc de A\r\n");
    ASSERT_EQ(objet(f, numero(f, "K")).nature, kNatureCommande);
    changeDrapeauObjet(objet(f, numero(f, "B")), kDrapeauAccesInterdit, true);
    pasAPas(f);
    ASSERT_EQ(f.nombreEtapes, 3);
    EXPECT_EQ(nomObjet(f, f.etapes[1]), "A");
    EXPECT_EQ(nomObjet(f, f.etapes[2]), "C");
    EXPECT_EQ(nomObjet(f, f.etapes[3]), "D");
}

TEST_F(PasAPas, AFigureWithNothingToShowSaysSoAndStaysOff) {
    TfigureKalmetra& f = figure(1, "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n");
    changeDrapeauObjet(objet(f, numero(f, "A")), kDrapeauAccesInterdit, true);
    pasAPas(f);
    EXPECT_FALSE(f.modePasAPas);
    ASSERT_EQ(platform::boitesDemandees().size(), 1u);
    EXPECT_EQ(platform::boitesDemandees()[0].texte, "Aucun objet disponible");
    EXPECT_EQ(platform::boitesDemandees()[0].titre, "Erreur");
}

} // namespace
} // namespace km32::annulation
