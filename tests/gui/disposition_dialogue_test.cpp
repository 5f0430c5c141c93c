// The construction dialog laid out for the toolkit's real font, at its own
// scale and at 1.5 times it: for every kind of row (answers beside and under
// their prompts, long and short, the option lists, the unit list at the
// right edge, a subtitle, the palette and its button), no control lies over
// another or over a prompt the dialog paints, every caption fits its widget,
// everything stays in the window, and the rows keep their order and grouping.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "disposition_reelle.h"
#include "host/fenetres/dialogue/fenetre_dialogue.h"
#include "platform/entrees.h"
#include "platform/fenetres.h"
#include "platform/messages.h"
#include "platform/mesures_texte.h"

namespace km32::tests {
namespace {

namespace p = platform;

const char* const kFigure = "Kalmetra figure (English)\r\n"
                            "A point with coordinates (-4,0,0) in coordinate system Rxyz\r\n"
                            "B point with coordinates (4,0,0) in coordinate system Rxyz\r\n"
                            "s segment [AB]\r\n"
                            "R coordinate system (B,vec(i),vec(j),vec(k))\r\n";

struct CasDialogue {
    uint16_t commande;
    const char* quoi;
};

const CasDialogue kCas[] = {
    {128, "two short answers beside their prompts"},
    {57, "an expression under its prompt, the palette and its button"},
    {58, "the list of coordinate systems and long expressions beside their prompts"},
    {50, "the list of angle units"},
    {124, "a yes/no list and the reference unit's list at the right edge"},
    {137, "answers beside and under their prompts in one dialog"},
    {61, "a subtitle, three lists of objects and a key"},
    {95, "long texts under their prompts"},
    {21, "a subtitle over an expression under its prompt"},
};

// What the dialog paints under its controls: the subtitle, the prompts of
// its lists and rows, the palette's cells.
std::vector<ZonePeinte> zonesPeintes(const TFenDialog& d) {
    std::vector<ZonePeinte> z;
    for (const TListeDialogue* l : {&d.listeOptions, &d.listeUnites})
        if (l->visible && !l->cadreInvite.estVide()) z.push_back({"prompt of a list", l->cadreInvite});
    for (int k = 1; k <= kChampsDialogue; ++k) {
        const TChampDialogue& c = d.champs[std::size_t(k)];
        if (c.visible && !c.cadreInvite.estVide())
            z.push_back({"prompt of line " + std::to_string(k), c.cadreInvite});
    }
    if (d.paletteActive)
        for (const p::Rectangle& r : d.palette.cellules)
            z.push_back({"palette cell", r});
    return z;
}

const ControleVu* controle(const std::vector<ControleVu>& v, const std::string& genre, int numero) {
    for (const ControleVu& c : v)
        if (c.genre == genre && c.numero == numero) return &c;
    return nullptr;
}

class DispositionDialogue : public ::testing::TestWithParam<double> {};

TEST_P(DispositionDialogue, EveryKindOfRowStandsApartHoldsItsTextAndKeepsItsOrder) {
    if (const std::string raison = empecheEssaisGraphiques(); !raison.empty()) GTEST_SKIP() << raison;
    if (!dansEnfantAEchelle(GetParam())) return;
    BancReel banc(kFigure);
    ASSERT_TRUE(banc.empechement().empty()) << banc.empechement();
    ASSERT_TRUE(p::mesuresReelles());
    for (const CasDialogue& cas : kCas) {
        SCOPED_TRACE(std::to_string(cas.commande) + ": " + cas.quoi);
        ouvreDialogueCommande(banc.figure(), cas.commande);
        TFenDialog* d = fenetreDialogue();
        ASSERT_NE(d, nullptr);
        ASSERT_TRUE(banc.attendsForme(d->fenetre)) << "the dialog's widgets did not show";
        const std::vector<ControleVu> vus = controlesVisibles(d->fenetre);
        const p::Rectangle client{0, 0, d->largeur, d->hauteur};
        EXPECT_EQ(p::rectangleClient(d->fenetre), client);
        EXPECT_EQ(defautsDisposition(vus, zonesPeintes(*d), client), std::vector<std::string>{})
            << enTexte(defautsDisposition(vus, zonesPeintes(*d), client));

        // The rows go down in the lines' order; each prompt stands on the
        // left of its entry and level with it, or above it.
        int basPrecedent = 0;
        for (int k = 1; k <= kChampsDialogue; ++k) {
            const TChampDialogue& c = d->champs[std::size_t(k)];
            if (!c.visible) continue;
            const ControleVu* entree = controle(vus, "entry", k);
            ASSERT_NE(entree, nullptr) << "line " << k;
            EXPECT_GE(entree->cadre.haut, basPrecedent) << "line " << k;
            basPrecedent = entree->cadre.bas;
            if (c.sousInvite) {
                EXPECT_LE(c.cadreInvite.bas, entree->cadre.haut) << "line " << k;
            } else {
                EXPECT_LE(c.cadreInvite.droite, entree->cadre.gauche) << "line " << k;
                EXPECT_GE(c.cadreInvite.haut, entree->cadre.haut) << "line " << k;
                EXPECT_LE(c.cadreInvite.bas, entree->cadre.bas) << "line " << k;
            }
        }
        // Help, Cancel and OK from left to right under every row, the
        // palette at the right of the rows.
        const ControleVu *aide = controle(vus, "button", kTagAide),
                         *annuler = controle(vus, "button", kTagAnnuler),
                         *ok = controle(vus, "button", kTagOk);
        ASSERT_TRUE(aide && annuler && ok);
        EXPECT_LT(aide->cadre.droite, annuler->cadre.gauche);
        EXPECT_LT(annuler->cadre.droite, ok->cadre.gauche);
        EXPECT_GE(aide->cadre.haut, basPrecedent);
        if (d->paletteActive) {
            // The expression button shows while an expression field is current.
            EXPECT_EQ(controle(vus, "button", kTagExpression) != nullptr, d->boutonExpressionVisible);
            for (int k = 1; k <= kChampsDialogue; ++k) {
                const ControleVu* e = controle(vus, "entry", k);
                if (e) {
                    EXPECT_LE(e->cadre.droite, cadrePalette(d->palette).gauche) << "line " << k;
                }
            }
        }
        p::envoieMessage(d->fenetre, p::WM_KEYDOWN, p::VK_ESCAPE, 0);
        ASSERT_TRUE(banc.tourne([] { return fenetreDialogue() == nullptr; })) << "Escape did not close it";
    }
}

INSTANTIATE_TEST_SUITE_P(Echelles, DispositionDialogue, ::testing::Values(1.0, 1.5),
                         [](const ::testing::TestParamInfo<double>& i) {
                             return i.param == 1.0 ? std::string("Scale1") : std::string("Scale1_5");
                         });

} // namespace
} // namespace km32::tests
