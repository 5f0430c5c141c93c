// Traces: a traced point leaves the positions it had before each move, the
// renderer draws them under the figure, leaving the trace mode clears them;
// and the ring of a trace.
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
    static std::vector<Primitive> peint(TfigureKalmetra& f) {
        auto dc = platform::creeContexteEnregistreur();
        const uint32_t h = platform::enregistreContexte(dc.get());
        f.contexteDessin = h;
        dessineFigure(f, *dc);
        f.contexteDessin = 0;
        platform::oublieContexte(h);
        return dc->journal()->primitives;
    }
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

} // namespace
} // namespace km32::essai
