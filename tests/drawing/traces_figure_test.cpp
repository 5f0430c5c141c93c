// Traces: a traced point leaves the positions it had before each move, the
// renderer draws them under the figure, leaving the trace mode clears them;
// and the ring of a trace.
#include "peinture_enregistree.h"
#include "clavier_banc.h"
#include "drawing/element_solide.h"
#include "drawing/traces.h"
#include "platform/contexte_dessin.h"
#include "platform/contexte_dessin_table.h"
#include "platform/trace_enregistre.h"

namespace km32::essai {
namespace {

using platform::Primitive;

class TracesFigure : public BancClavier {
  protected:
    // The primitives of one paint of the figure.
    static std::vector<Primitive> peint(TfigureKalmetra& f) { return essais::peintureEnregistree(f); }
    // How many lines were drawn as a dot at pixel (x, y).
    static int pointsA(const std::vector<Primitive>& ps, int32_t x, int32_t y) {
        int n = 0;
        for (const Primitive& p : ps) {
            if (p.type != platform::TypePrimitive::Polyligne || p.points.empty()) continue;
            bool tous = true;
            for (const platform::Point& q : p.points)
                tous = tous && q.x == x && q.y == y;
            n += tous;
        }
        return n;
    }
};

const char* const kPointTrace = "Figure Kalmetra\r\n"
                                "A point libre dans l'espace\r\n"
                                "Objet libre A, paramètres: 1, 2, 3\r\n"
                                "Objet libre actif au clavier: A\r\n"
                                "g (touche G) garder la trace de A\r\n"
                                "q (touche Q) quitter un mode trace\r\n"
                                "Fin de la figure";

TEST_F(TracesFigure, ATracedPointLeavesItsPositionsThatAreDrawnAndCleared) {
    TfigureKalmetra& f = figure(1, kPointTrace);
    const int a = numero(f, "A");
    EXPECT_EQ(caractere(1, 'g'), 1);
    ASSERT_EQ(f.modeTrace, 1);
    for (int k = 0; k < 3; ++k)
        touche(1, platform::VK_UP);
    EXPECT_NEAR(v(f, "A", 3), 3.3, 1e-12);

    // Each move stored the position the point had before it.
    const TTraceObjet* t = traceObjet(f, a);
    ASSERT_NE(t, nullptr);
    ASSERT_EQ(t->nombre, 3);
    EXPECT_EQ(t->dernier, 3);
    const double z[3] = {3, 3.1, 3.2};
    std::vector<std::pair<int32_t, int32_t>> pixels;
    for (int k = 1; k <= 3; ++k) {
        const TentreeTracePoint& e = entreeTracePoint(*t, k);
        EXPECT_EQ(e.p.x, coordonneeEntiere(f, 1));
        EXPECT_EQ(e.p.y, coordonneeEntiere(f, 2));
        EXPECT_EQ(e.p.z, coordonneeEntiere(f, z[k - 1]));
        pixels.push_back({projetteX(f, e.p.x, e.p.y, e.p.z), projetteY(f, e.p.x, e.p.y, e.p.z)});
    }
    // Three distinct dots on the screen, each drawn.
    EXPECT_NE(pixels[0], pixels[1]);
    EXPECT_NE(pixels[1], pixels[2]);
    const std::vector<Primitive> avec = peint(f);
    for (const auto& [x, y] : pixels)
        EXPECT_EQ(pointsA(avec, x, y), 1) << x << "," << y;

    // Leaving the trace mode frees the traces: the dots are gone.
    EXPECT_EQ(caractere(1, 'q'), 1);
    EXPECT_EQ(f.modeTrace, 0);
    EXPECT_FALSE(f.tableTraces);
    const std::vector<Primitive> sans = peint(f);
    for (const auto& [x, y] : pixels)
        EXPECT_EQ(pointsA(sans, x, y), 0);
}

TEST_F(TracesFigure, OnDemandOneRequestStoresOnePosition) {
    TfigureKalmetra& f = figure(1, "Figure Kalmetra\r\n"
                                   "A point libre dans l'espace\r\n"
                                   "Objet libre A, paramètres: 1, 2, 3\r\n"
                                   "Objet libre actif au clavier: A\r\n"
                                   "g (touche G) garder à la demande la trace de A\r\n"
                                   "Fin de la figure");
    const int a = numero(f, "A");
    caractere(1, 'g');
    ASSERT_EQ(f.modeTraceALaDemande, 1);
    touche(1, platform::VK_UP); // not requested: nothing stored
    EXPECT_EQ(traceObjet(f, a), nullptr);
    touche(1, platform::VK_RETURN); // Enter asks for one position
    caractere(1, '\r');             // its carriage return runs nothing
    touche(1, platform::VK_UP);
    touche(1, platform::VK_UP);
    const TTraceObjet* t = traceObjet(f, a);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->nombre, 1);
    EXPECT_EQ(entreeTracePoint(*t, 1).p.z, coordonneeEntiere(f, 3.1));
    // The list grows with the ring: one entry held, not the 5000 it may hold.
    EXPECT_EQ(t->points.size(), 1u);
    EXPECT_THROW(entreeTracePoint(*t, 2), ErreurInterne);
}

// The ring: beyond its capacity a trace overwrites its oldest entry; a
// colour that differs from the first sets the colours-differ flag for good.
TEST_F(TracesFigure, TheRingOverwritesTheOldestEntry) {
    TfigureKalmetra& f = figure(1, kPointTrace);
    const int a = numero(f, "A");
    TElementSolide* e = elementSolide(f, a);
    ASSERT_NE(e, nullptr);
    const uint32_t couleur = e->couleur;
    for (int k = 1; k <= kCapaciteTracePoint + 1; ++k) {
        e->a.x = k;
        ajouteATrace(f, a);
    }
    const TTraceObjet* t = traceObjet(f, a);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->nombre, kCapaciteTracePoint);
    EXPECT_EQ(t->points.size(), std::size_t(kCapaciteTracePoint));
    EXPECT_EQ(t->dernier, 1);
    EXPECT_EQ(entreeTracePoint(*t, 1).p.x, kCapaciteTracePoint + 1);
    EXPECT_EQ(entreeTracePoint(*t, 2).p.x, 2);
    EXPECT_EQ(t->couleursDifferentes, 0);
    e->couleur = couleur ^ 0xFF;
    ajouteATrace(f, a);
    e->couleur = couleur;
    ajouteATrace(f, a);
    EXPECT_EQ(t->couleursDifferentes, 1);
    EXPECT_EQ(t->dernier, 3);
}

TEST_F(TracesFigure, APointWithoutMarkLeavesNoEntry) {
    TfigureKalmetra& f = figure(1, kPointTrace);
    const int a = numero(f, "A");
    ASSERT_NE(elementSolide(f, a), nullptr);
    TstyleObjet& s = objet(f, a).style;
    s.drapeaux = uint16_t(s.drapeaux & ~kStyleMasqueMarque); // no mark
    ASSERT_FALSE(marqueDessinee(s));
    ajouteATrace(f, a);
    ASSERT_NE(traceObjet(f, a), nullptr);
    EXPECT_EQ(traceObjet(f, a)->nombre, 0);
}

// A trail of another kind than its object's (the object was redefined as
// another kind) starts afresh as a trail of the object's kind.
TEST_F(TracesFigure, ATrailOfAnotherKindStartsAfresh) {
    TfigureKalmetra& f = figure(1, kPointTrace);
    const int a = numero(f, "A");
    TElementSolide* e = elementSolide(f, a);
    ASSERT_NE(e, nullptr);
    creeTableTraces(f.tableTraces);
    PTraceObjet& place = f.tableTraces->traces[std::size_t(a)];
    creeTraceObjet(kNatureSegment, place);
    ASSERT_EQ(place->genre, kTraceSegment);
    e->a.x = 7;
    ajouteATrace(f, a);
    const TTraceObjet* t = traceObjet(f, a);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->genre, kTracePoint);
    ASSERT_EQ(t->nombre, 1);
    EXPECT_EQ(entreeTracePoint(*t, 1).p.x, 7);
    ajouteATrace(f, a);
    EXPECT_EQ(traceObjet(f, a)->nombre, 2);
}

// A circle of radius 1 round the free point A, hatched and drawn as dots,
// traced while A moves up.
const char* const kCercleTrace = "Figure Kalmetra\r\n"
                                 "A point libre dans l'espace\r\n"
                                 "Objet libre A, paramètres: 0, 0, 0\r\n"
                                 "Objet libre actif au clavier: A\r\n"
                                 "c cercle de centre A et de rayon 1 dans le plan oxy (unité Uxyz)\r\n"
                                 "Dessin de c: hachures horizontales, points non liés\r\n"
                                 "g (touche G) garder la trace de c\r\n"
                                 "Fin de la figure";

TEST_F(TracesFigure, ACircleTraceKeepsItsDotsAndItsHatching) {
    TfigureKalmetra& f = figure(1, kCercleTrace);
    caractere(1, 'g');
    touche(1, platform::VK_UP);
    ASSERT_NEAR(v(f, "A", 3), 0.1, 1e-12);
    const TTraceObjet* t = traceObjet(f, numero(f, "c"));
    ASSERT_NE(t, nullptr);
    ASSERT_EQ(t->nombre, 1);
    const TblocTrace* b = blocTrace(*t, 1);
    ASSERT_NE(b, nullptr);
    // 500 r z = 50 steps round the circle at z = 0; the hatching step
    // 0.035 / z = 0.35 gives trunc(2 / 0.35) = 5 chords across it.
    ASSERT_EQ(b->ligne.size(), 51u);
    ASSERT_EQ(b->debutsCordes.size(), 5u);
    for (const TentreeLigne& e : b->ligne)
        EXPECT_EQ(e.p.z, 0);

    const std::vector<Primitive> ps = peint(f);
    // One dot for each sample of the old circle, where its projection puts
    // it (the screen point in 1/32 pixel rounds within a pixel of it).
    ASSERT_EQ(b->ecran.size(), b->ligne.size());
    for (std::size_t k = 0; k < b->ligne.size(); ++k) {
        const TpointEntier& e = b->ligne[k].p;
        const int32_t x = xPointEcran(b->ecran[k]), y = yPointEcran(b->ecran[k]);
        EXPECT_LE(std::abs(x - projetteX(f, e.x, e.y, e.z)), 1);
        EXPECT_LE(std::abs(y - projetteY(f, e.x, e.y, e.z)), 1);
        EXPECT_GE(pointsA(ps, x, y), 1) << x << "," << y;
    }
    // Each chord of the old hatching, from end to end.
    ASSERT_EQ(b->partiesCordes.size(), 5u);
    for (std::size_t k = 0; k < 5; ++k) {
        const TpointEntier &d = b->debutsCordes[k], &e = b->finsCordes[k];
        const platform::Point p1{projetteX(f, d.x, d.y, d.z), projetteY(f, d.x, d.y, d.z)};
        const platform::Point p2{projetteX(f, e.x, e.y, e.z), projetteY(f, e.x, e.y, e.z)};
        bool trouve = false;
        for (const Primitive& p : ps)
            trouve = trouve ||
                     (p.type == platform::TypePrimitive::Polyligne && p.points.size() == 2 &&
                      ((p.points[0] == p1 && p.points[1] == p2) || (p.points[0] == p2 && p.points[1] == p1)));
        EXPECT_TRUE(trouve) << k;
    }
}

// A mesh over [-1, 1] x [-2, 2] at the height of the free number a, traced
// while a changes.
const char* const kMaillageTrace = "Figure Kalmetra\r\n"
                                   "a réel libre\r\n"
                                   "Objet libre a, valeur: 0.5\r\n"
                                   "Objet libre actif au clavier: a\r\n"
                                   "h fonction: (x,y)|->a\r\n"
                                   "G graphe de h sur [-1,1] x [-2,2] (5 x 6 points, repère Rxyz)\r\n"
                                   "g (touche G) garder la trace de G\r\n"
                                   "Fin de la figure";

TEST_F(TracesFigure, AMeshTraceKeepsItsGridWhereItWas) {
    TfigureKalmetra& f = figure(1, kMaillageTrace);
    const int G = numero(f, "G");
    const double avant = v(f, "a", 1);
    caractere(1, 'g');
    touche(1, platform::VK_UP);
    ASSERT_NE(v(f, "a", 1), avant);
    const TTraceObjet* t = traceObjet(f, G);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->genre, kTraceMaillage);
    ASSERT_EQ(t->nombre, 1);
    const TblocTrace* b = blocTrace(*t, 1);
    ASSERT_NE(b, nullptr);
    ASSERT_EQ(b->maillage.points.size(), 30u);
    // Row i, column j: the point (-1 + 0.5 i, -2 + 0.8 j, a before the move).
    // The grid steps are added up by the mesh and multiplied here, so a
    // coordinate may round to the next 1/32 pixel: one unit is allowed.
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 6; ++j) {
            const TpointEntier p{coordonneeEntiere(f, -1 + 0.5 * i), coordonneeEntiere(f, -2 + 0.8 * j),
                                 coordonneeEntiere(f, avant)};
            const TpointEcran& e = b->maillage.points[std::size_t(i * 6 + j)];
            EXPECT_NEAR(xPointEcran(e), projetteX(f, p.x, p.y, p.z), 1) << i << "," << j;
            EXPECT_NEAR(yPointEcran(e), projetteY(f, p.x, p.y, p.z), 1) << i << "," << j;
        }
    // Drawn: the segments of the old grid besides those of the live one,
    // 5 rows of 5 and 6 columns of 4 each.
    const platform::Couleur couleur = couleurDuStyle(objet(f, G).style);
    int segments = 0;
    for (const Primitive& p : peint(f))
        segments += p.type == platform::TypePrimitive::Polyligne && p.points.size() == 2 &&
                    p.etat.stylo.couleur == couleur && p.points[0] != p.points[1];
    EXPECT_EQ(segments, 2 * (5 * 5 + 6 * 4));
    // Twenty positions at most: the ring turns.
    for (int k = 0; k < 25; ++k)
        touche(1, k % 2 ? platform::VK_UP : platform::VK_DOWN);
    EXPECT_EQ(traceObjet(f, G)->nombre, 20);
}

} // namespace
} // namespace km32::essai
