// Right-button gestures (turn and pan of the view), the band's edge, the
// designation for an open construction dialog and the information box of a
// Ctrl+click, sent through the form's window procedure and the exports.
#include "drawing/historique_vues.h"
#include "host/fenetre_mere.h"
#include "phrases/phrase.h"
#include "sibling/fenetres_tq.h"
#include "sibling/table_partagee.h"
#include "souris_banc.h"
#include "text/descriptions_objets.h"

namespace km32::essais {
namespace {

namespace p = platform;

const char* const kFigure = "Figure Kalmetra\r\n"
                            "A point de coordonnées (1,2,0) dans le repère Rxyz\r\n"
                            "B point de coordonnées (0,4,0) dans le repère Rxyz\r\n"
                            "Fin de la figure";

using GestesSouris = BancSouris;

// B's sentence in mathematical text (Windows-1252): names and numbers
// between backslashes, a name with its display form after ";s:".
const std::string kDefinitionB = "\\B;s:B\\ point de coordonn\xE9"
                                 "es (\\0\\,\\4\\,\\0\\) dans le rep\xE8re \\Rxyz;s:Rxyz\\";

TEST_F(GestesSouris, ARightDragTurnsTheViewUnderTheCapture) {
    TfigureKalmetra& f = figureDeTexte(kFigure);
    const double avant[3] = {f.anglesVue[0], f.anglesVue[1], f.anglesVue[2]};
    const int32_t historique = f.historiqueVues ? f.historiqueVues->nombre : 0;
    enfonce(200, 150, p::WM_RBUTTONDOWN);
    ASSERT_TRUE(f.etatGlisser);
    EXPECT_TRUE(f.etatGlisser->rotation);
    EXPECT_EQ(p::fenetreCapture(), forme);
    EXPECT_EQ(p::curseurCourant(), p::chargeCurseur("mainTournante"));
    const p::Point a = ecran({1, 2, 0});
    deplace(260, 150); // a horizontal move turns about the screen's vertical axis
    EXPECT_NE(f.anglesVue[0], avant[0]);
    EXPECT_EQ(f.historiqueVues->nombre, historique + 1);
    // The points are drawn where the new view puts them.
    EXPECT_NE(ecran({1, 2, 0}).x, a.x);
    EXPECT_EQ(elementDessin(f, numero("A"))->x, ecran({1, 2, 0}).x);
    EXPECT_EQ(f.etatGlisser->ancreX, 260);

    relache(260, 150, 1); // the left release does not end a right gesture
    EXPECT_TRUE(f.etatGlisser);
    EXPECT_EQ(relache(260, 150, 2), 1);
    EXPECT_FALSE(f.etatGlisser);
    EXPECT_EQ(p::fenetreCapture(), p::kAucuneFenetre);
    EXPECT_EQ(p::curseurCourant(), p::kCurseurFleche);
    EXPECT_TRUE(avis.empty());
}

TEST_F(GestesSouris, ATurnWaitsForTheRepaintWhileTheCursorIsFarOn) {
    TfigureKalmetra& f = figureDeTexte(kFigure);
    enfonce(200, 150, p::WM_RBUTTONDOWN);
    curseur(300, 150); // the cursor is already 40 pixels beyond this move
    KMMouseMove(n, 2, 0, 260, 150);
    EXPECT_EQ(f.etatGlisser->ancreX, 200); // turned, not repainted, anchor kept
    relache(300, 150, 2);
}

TEST_F(GestesSouris, CtrlOrShiftRightDragPansAndRefusedGesturesLeaveNoState) {
    TfigureKalmetra& f = figureDeTexte(kFigure);
    const p::Point a = ecran({1, 2, 0});
    p::fixeModificateurs(false, true, false);
    enfonce(200, 150, p::WM_RBUTTONDOWN);
    p::fixeModificateurs(false, false, false);
    ASSERT_TRUE(f.etatGlisser);
    EXPECT_TRUE(f.etatGlisser->deplacementVue);
    deplace(230, 140);
    EXPECT_EQ(ecran({1, 2, 0}).x, a.x + 30);
    EXPECT_EQ(ecran({1, 2, 0}).y, a.y - 10);
    relache(230, 140, 2);

    struct Cas {
        uint8_t tournerPermis, cadrageInterdit, verrou;
    };
    for (const Cas c : {Cas{0, 0, 0}, Cas{1, 1, 0}, Cas{1, 0, kVerrouRotationSouris}}) {
        f.changementVuePermis = c.tournerPermis;
        f.cadrageInterdit = c.cadrageInterdit;
        f.drapeauxVue = c.verrou;
        enfonce(200, 150, p::WM_RBUTTONDOWN);
        EXPECT_FALSE(f.etatGlisser);
        EXPECT_EQ(p::fenetreCapture(), p::kAucuneFenetre);
    }
}

TEST_F(GestesSouris, TheBandEdgeIsHeldWithinTwoPixels) {
    TfigureKalmetra& f = figureDeTexte(kFigure);
    f.hauteurZoneAffichages = 40;
    enfonce(20, 43); // 3 pixels below: nothing is held
    EXPECT_FALSE(f.etatGlisser);
    enfonce(20, 42);
    ASSERT_TRUE(f.etatGlisser);
    EXPECT_TRUE(f.etatGlisser->bordBandeau);
    EXPECT_EQ(p::curseurCourant(), p::kCurseurRedimensionneNS);
    deplace(20, 70);
    EXPECT_EQ(f.hauteurZoneAffichages, 70);
    relache(20, 70);
    EXPECT_FALSE(f.etatGlisser);
}

TEST_F(GestesSouris, EachSideOfThePrintFrameIsGrabbedAndDragged) {
    // The frame from 10 % to 90 % of the drawing; each side is grabbed from
    // 2 pixels outside it to 4 inside and follows the mouse along its axis.
    struct Cas {
        int cote;         // 1 top, 2 left, 3 bottom, 4 right
        int dx, dy;       // the press, from the middle of the side
        int versX, versY; // the mouse is moved by
        uint32_t curseur;
    } const cas[] = {
        {1, 0, -2, 5, 30, p::kCurseurRedimensionneNS}, {1, 0, 4, 0, -10, p::kCurseurRedimensionneNS},
        {3, 0, 2, 0, -40, p::kCurseurRedimensionneNS}, {3, 0, -4, 7, 10, p::kCurseurRedimensionneNS},
        {2, -2, 0, 50, 3, p::kCurseurRedimensionneEO}, {2, 4, 0, -20, 0, p::kCurseurRedimensionneEO},
        {4, 2, 0, -60, 0, p::kCurseurRedimensionneEO}, {4, -4, 0, 10, -9, p::kCurseurRedimensionneEO},
    };
    for (const Cas& c : cas) {
        SetUp();
        TfigureKalmetra& f = figureDeTexte(kFigure);
        f.imageLimitee = 1;
        const double fractions[4] = {0.1, 0.1, 0.9, 0.9};
        std::copy(std::begin(fractions), std::end(fractions), f.cadreImage);
        const int w = f.largeurImage, h = f.hauteurImage;
        const int gauche = int(std::lround(0.1 * w)), droite = int(std::lround(0.9 * w));
        const int haut = int(std::lround(0.1 * h)), bas = int(std::lround(0.9 * h));
        const int mx = (gauche + droite) / 2, my = (haut + bas) / 2;
        int x = mx, y = my;
        if (c.cote == 1) y = haut;
        if (c.cote == 3) y = bas;
        if (c.cote == 2) x = gauche;
        if (c.cote == 4) x = droite;
        x += c.dx;
        y += c.dy;
        enfonce(x, y);
        ASSERT_TRUE(f.etatGlisser) << c.cote;
        EXPECT_EQ(f.etatGlisser->coteCadre, 1);
        EXPECT_EQ(f.etatGlisser->cote, c.cote);
        EXPECT_EQ(p::curseurCourant(), c.curseur);
        deplace(x + c.versX, y + c.versY);
        relache(x + c.versX, y + c.versY);
        EXPECT_FALSE(f.etatGlisser);
        // The side moved lies where the mouse was released, to 1/100; the
        // others did not move.
        const double attendus[4] = {c.cote == 2 ? std::nearbyint(100.0 * (x + c.versX) / w) / 100 : 0.1,
                                    c.cote == 1 ? std::nearbyint(100.0 * (y + c.versY) / h) / 100 : 0.1,
                                    c.cote == 4 ? std::nearbyint(100.0 * (x + c.versX) / w) / 100 : 0.9,
                                    c.cote == 3 ? std::nearbyint(100.0 * (y + c.versY) / h) / 100 : 0.9};
        for (int k = 0; k < 4; ++k)
            EXPECT_DOUBLE_EQ(f.cadreImage[k], attendus[k]) << c.cote << " " << k;
        EXPECT_TRUE(f.modifiee);
        TearDown();
    }
}

TEST_F(GestesSouris, APressBesideTheFrameOrWithTheFrameHiddenHoldsNothing) {
    TfigureKalmetra& f = figureDeTexte(kFigure);
    const double fractions[4] = {0.1, 0.1, 0.9, 0.9};
    std::copy(std::begin(fractions), std::end(fractions), f.cadreImage);
    const int haut = int(std::lround(0.1 * f.hauteurImage));
    const int mx = f.largeurImage / 2;
    f.imageLimitee = 0;
    enfonce(mx, haut);
    EXPECT_FALSE(f.etatGlisser);
    f.imageLimitee = 1;
    for (int dy : {-3, 5}) {
        enfonce(mx, haut + dy);
        EXPECT_FALSE(f.etatGlisser) << dy;
    }
    // Three pixels right of the top-right corner: neither the top nor the right side.
    enfonce(int(std::lround(0.9 * f.largeurImage)) + 3, haut);
    EXPECT_FALSE(f.etatGlisser);
    EXPECT_EQ(p::curseurCourant(), p::kCurseurFleche);
}

TEST_F(GestesSouris, AClickWhileTheDialogIsOpenDesignatesTheObjectForIt) {
    TfigureKalmetra& f = figureDeTexte(kFigure);
    std::vector<uint32_t> recus;
    const p::Fenetre dialogue = p::creeFenetre(
        0, {0, 0, 100, 100},
        [&recus](p::Fenetre, uint32_t message, uint32_t, int32_t lParam) {
            if (message == kMessageDesignation && lParam == kDesignationFaite) recus.push_back(message);
            return 0;
        },
        true);
    TTableDesVariablesPartagees& t = *TQTableDesVariablesPartagees();
    t.codeAnnexe = 129;
    t.fenetreAnnexe = dialogue;
    t.proprietaireAnnexe = forme;
    // The dialog's field takes points only: a click on nothing designates nothing.
    etatSelection().regleDuDialogue = 1;
    const p::Point a = ecran({1, 2, 0});
    enfonce(a.x + 2, a.y + 1);
    EXPECT_FALSE(f.etatGlisser);
    EXPECT_TRUE(f.ensembleDesigne == TEnsembleObjets().set(std::size_t(numero("A"))));
    p::distribueJusquAuRepos();
    EXPECT_EQ(recus.size(), 1u);
    etatSelection().regleDuDialogue = 25; // spheres
    enfonce(a.x + 2, a.y + 1);
    EXPECT_TRUE(f.ensembleDesigne.none());
    p::distribueJusquAuRepos();
    EXPECT_EQ(recus.size(), 1u);
    t.codeAnnexe = 0;
}

TEST_F(GestesSouris, CtrlClickShowsTheDefinitionAndWhatHoldsTheObject) {
    TfigureKalmetra& f = figureDeTexte("Figure Kalmetra\r\n"
                                       "P point libre dans l'espace\r\n"
                                       "Objet libre P, paramètres: 0, 2, 1\r\n"
                                       "Fin de la figure");
    const int P = numero("P");
    const std::string definition = definitionObjetEnTexteMath(f, P);
    ASSERT_NE(definition.find("P"), std::string::npos);
    ASSERT_GT(definition.size(), 2u); // more than the name
    struct Cas {
        bool bloque, protege, acces;
        std::string texte;
    } const cas[] = {
        {false, false, false, definition},
        {true, false, false, definition + "\r$r" + phraseDeNumero(11313)},
        {false, true, false, definition + "\r$r" + phraseDeNumero(11314)},
        {true, true, false, definition + "\r$r" + phraseDeNumero(11315)},
        {false, false, true, "$r" + phraseDeNumero(11312)},
    };
    const p::Point ecranP = ecran({0, 2, 1});
    for (const Cas& c : cas) {
        TObjetFigure& o = objet(f, P);
        changeDrapeauObjet(o, kDrapeauBloque, c.bloque);
        changeDrapeauObjet(o, kDrapeauProtege, c.protege);
        changeDrapeauObjet(o, kDrapeauAccesInterdit, c.acces);
        p::fixeModificateurs(false, true, false);
        enfonce(ecranP.x, ecranP.y);
        p::fixeModificateurs(false, false, false);
        ASSERT_TRUE(infoObjetTQ().ouverte);
        EXPECT_EQ(infoObjetTQ().texte, c.texte);
        relache(ecranP.x, ecranP.y);
    }
}

TEST_F(GestesSouris, CtrlClickShowsWhatTheObjectIsUntilTheRelease) {
    TfigureKalmetra& f = figureDeTexte(kFigure);
    changeDrapeauObjet(objet(f, numero("B")), kDrapeauProtege, true);
    const p::Point b = ecran({0, 4, 0});
    p::fixeModificateurs(false, true, false);
    enfonce(b.x, b.y);
    p::fixeModificateurs(false, false, false);
    EXPECT_FALSE(f.etatGlisser);
    ASSERT_TRUE(infoObjetTQ().ouverte);
    // Its definition as mathematical text, a new line, then the phrase.
    EXPECT_EQ(infoObjetTQ().texte, kDefinitionB + "\r$r" + phraseDeNumero(11314));
    const p::Point ecranB = p::clientVersEcran(forme, b);
    EXPECT_EQ(infoObjetTQ().x, ecranB.x);
    EXPECT_EQ(infoObjetTQ().y, ecranB.y);
    relache(b.x, b.y);
    EXPECT_FALSE(infoObjetTQ().ouverte);
}

} // namespace
} // namespace km32::essais
