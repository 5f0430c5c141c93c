// Trails across a deletion, driven as a host drives the figure: the trace
// mode by its menu command, the steps by the arrow key, the deletion by the
// picker of command 92 or by the line "Supprimer". Each remaining object
// keeps its own trail, of its own kind, and its next step adds to it; the
// deleted object's trail goes with it.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "drawing/traces.h"
#include "etats_figure_banc.h"
#include "host/fenetres/rappels/choix_rappels.h"

namespace km32::essais {
namespace {

namespace p = platform;

// A moves up by 0.1 at each step; D and P are midpoints, s a segment; D,
// s and P are traced, then D is deleted.
const char* const kFigure = "Figure Kalmetra\r\n"
                            "A point libre dans l'espace\r\n"
                            "Objet libre A, paramètres: 1, 2, 3\r\n"
                            "Objet libre actif au clavier: A\r\n"
                            "B point de coordonnées (-2,1,0.5) dans le repère Rxyz\r\n"
                            "C point de coordonnées (4,0,-1) dans le repère Rxyz\r\n"
                            "D milieu du segment [AB]\r\n"
                            "s segment [AB]\r\n"
                            "P milieu du segment [AC]\r\n"
                            "Sélection pour trace: D, s, P\r\n"
                            "Fin de la figure";
const Pt kB{-2, 1, 0.5}, kC{4, 0, -1};

// Where A stood before step k (k from 0), and the midpoints then.
Pt positionA(int k) {
    return {1, 2, 3 + 0.1 * k};
}
Pt milieu(Pt u, Pt v) {
    return {(u.x + v.x) / 2, (u.y + v.y) / 2, (u.z + v.z) / 2};
}

class TracesSuppressionHote : public BancEtatsFigure {
  protected:
    void pas() {
        KMKeyDown(n, uint16_t(p::VK_UP));
        p::distribueJusquAuRepos();
    }
    // A model point in the integer units of drawing data.
    std::array<int32_t, 3> entier(Pt q) {
        TfigureKalmetra& f = fig();
        return {coordonneeEntiere(f, q.x), coordonneeEntiere(f, q.y), coordonneeEntiere(f, q.z)};
    }
    static std::array<int32_t, 3> xyz(const TpointEntier& q) { return {q.x, q.y, q.z}; }
    // The trail of the object named nom: of the record kind given, holding
    // one entry for each of the positions given, in order.
    void attendTracePoint(const std::string& nom, const std::vector<Pt>& positions) {
        SCOPED_TRACE(nom);
        const TTraceObjet* t = traceObjet(fig(), numero(nom));
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->genre, kTracePoint);
        ASSERT_EQ(t->nombre, int(positions.size()));
        for (std::size_t k = 0; k < positions.size(); ++k)
            EXPECT_EQ(xyz(entreeTracePoint(*t, int(k) + 1).p), entier(positions[k])) << k;
    }
    void attendTraceSegment(const std::string& nom, const std::vector<Pt>& debuts, Pt fin) {
        SCOPED_TRACE(nom);
        const TTraceObjet* t = traceObjet(fig(), numero(nom));
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->genre, kTraceSegment);
        ASSERT_EQ(t->nombre, int(debuts.size()));
        for (std::size_t k = 0; k < debuts.size(); ++k) {
            const TentreeTraceSegment& e = entreeTraceSegment(*t, int(k) + 1);
            EXPECT_EQ(xyz(e.a), entier(debuts[k])) << k;
            EXPECT_EQ(xyz(e.b), entier(fin)) << k;
        }
    }
    // Dots drawn at the pixel of a model point, in the colour given.
    int points(const std::vector<p::Primitive>& ps, Pt q, p::Couleur couleur) {
        const p::Point e = ecran(q);
        int k = 0;
        for (const p::Primitive& x : ps) {
            if (x.type != p::TypePrimitive::Polyligne || x.points.empty() || x.etat.stylo.couleur != couleur)
                continue;
            bool tous = true;
            for (const p::Point& y : x.points)
                tous = tous && y == e;
            k += tous;
        }
        return k;
    }
    p::Couleur couleurDe(const std::string& nom) { return couleurDuStyle(objet(fig(), numero(nom)).style); }
};

TEST_F(TracesSuppressionHote, EachRemainingObjectKeepsItsOwnTrailAndAddsToIt) {
    figureDeTexte(kFigure);
    struct Cas {
        const char* quoi;
        std::function<void()> supprime;
    };
    const Cas cas[] = {
        {"the picker of command 92",
         [&] {
             commande(92);
             TFenRaPour* c = choixRappels();
             ASSERT_NE(c, nullptr);
             int ligne = -1;
             for (std::size_t k = 0; k < c->objets.size(); ++k)
                 if (c->objets[k] == numero("D")) ligne = int(k);
             ASSERT_GE(ligne, 0);
             p::envoieMessage(c->fenetre, p::WM_COMMAND, kTagRappelsClic, ligne);
             p::envoieMessage(c->fenetre, p::WM_COMMAND, kTagRappelsOk, 0);
             p::distribueJusquAuRepos();
         }},
        {"the line Supprimer without a redraw", [&] { KMExecuteLigneFig(n, "Supprimer D"); }},
        {"the line Supprimer with the redraw", [&] { KMExecuteLigneFigEtRedessine(n, "Supprimer D"); }},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        refaitFigure(kFigure);
        commande(82);
        ASSERT_EQ(fig().modeTrace, 1);
        pas();
        pas();
        const Pt a0 = positionA(0), a1 = positionA(1), a2 = positionA(2);
        EXPECT_NEAR(pt("A").z, a2.z, 1e-12);
        attendTracePoint("D", {milieu(a0, kB), milieu(a1, kB)});
        attendTraceSegment("s", {a0, a1}, kB);
        attendTracePoint("P", {milieu(a0, kC), milieu(a1, kC)});
        const int dernier = fig().nombreObjets;
        const p::Couleur couleurD = couleurDe("D");
        {
            const std::vector<p::Primitive> ps = peint();
            EXPECT_EQ(points(ps, milieu(a0, kB), couleurD), 1);
            EXPECT_EQ(points(ps, milieu(a0, kC), couleurDe("P")), 1);
        }

        c.supprime();
        ASSERT_LE(numero("D"), 0);
        ASSERT_EQ(fig().nombreObjets, dernier - 1);
        EXPECT_EQ(fig().modeTrace, 1);
        // Each trail is the one its object left, of its own kind; the
        // deleted object's trail is gone and none is left past the last object.
        attendTraceSegment("s", {a0, a1}, kB);
        attendTracePoint("P", {milieu(a0, kC), milieu(a1, kC)});
        EXPECT_EQ(traceObjet(fig(), dernier), nullptr);

        // The next step adds the position each object had before it.
        pas();
        attendTraceSegment("s", {a0, a1, a2}, kB);
        attendTracePoint("P", {milieu(a0, kC), milieu(a1, kC), milieu(a2, kC)});
        EXPECT_EQ(traceObjet(fig(), dernier), nullptr);

        // Drawn: P's dots where P stood, in P's colour; none where D stood.
        const std::vector<p::Primitive> ps = peint();
        for (const Pt& a : {a0, a1, a2}) {
            EXPECT_EQ(points(ps, milieu(a, kC), couleurDe("P")), 1);
            EXPECT_EQ(points(ps, milieu(a, kB), couleurD), 0);
        }
    }
}

} // namespace
} // namespace km32::essais
