// A figure shown for a long time in a host window larger than itself: what
// its window's surface keeps stays the same however often it is painted, and
// goes with the window.
#include <cstdint>

#include "banc_hote.h"
#include "octets_alloues.h"
#include "platform/image_bitmap.h"
#include "platform/surfaces_fenetres.h"
#include "platform/trace_enregistre.h"

namespace km32::essais {
namespace {

namespace p = platform;

// The host window of these tests, made through the C interface: 700 x 500,
// larger than the default figure, so that a paint leaves part of the window
// as it was.
class RepeintesLongues : public BancHote {
  protected:
    void SetUp() override {
        BancHote::SetUp();
        fenetre = KMCreeFenetreHote("Hote", 700, 500, nullptr);
        ASSERT_NE(fenetre, 0u);
    }
    // One cycle of a host that shows figures one after another.
    void creeRepeintDetruit() {
        const int16_t n = KMCreeFigEtRenvoieNumero(fenetre, nullptr, nullptr, "Nom=Cycle");
        ASSERT_GT(n, 0);
        KMRedessineBrutal(n);
        KMDetruitFigure(n);
    }
    const std::vector<p::Primitive>& enregistrement() {
        const p::Bitmap* s = p::surfaceDeFenetre(fenetre);
        EXPECT_TRUE(s && s->journal());
        static const std::vector<p::Primitive> aucun;
        return s && s->journal() ? s->journal()->primitives : aucun;
    }
    uint32_t fenetre = 0;
};

std::vector<p::TypePrimitive> types(const std::vector<p::Primitive>& primitives) {
    std::vector<p::TypePrimitive> t;
    for (const p::Primitive& q : primitives)
        t.push_back(q.type);
    return t;
}

TEST_F(RepeintesLongues, TheRecordOfAWindowHoldsOnePaintHoweverOftenTheFigureIsPainted) {
    const int16_t n = KMCreeFigEtRenvoieNumero(fenetre, nullptr, nullptr, "Nom=Cube");
    ASSERT_GT(n, 0);
    KMRedessineBrutal(n);
    const p::Bitmap* s = p::surfaceDeFenetre(fenetre);
    ASSERT_TRUE(s && s->journal());
    // The case that grew: the figure leaves part of the window uncovered.
    ASSERT_TRUE(figure(n).largeurImage < s->largeur() || figure(n).hauteurImage < s->hauteur())
        << figure(n).largeurImage << " x " << figure(n).hauteurImage << " in " << s->largeur() << " x "
        << s->hauteur();
    const std::vector<p::TypePrimitive> apresUne = types(enregistrement());
    ASSERT_GT(apresUne.size(), 1u);
    for (int k = 0; k < 50; ++k)
        KMRedessineBrutal(n);
    ASSERT_EQ(enregistrement().size(), apresUne.size());
    EXPECT_EQ(types(enregistrement()), apresUne);
}

TEST_F(RepeintesLongues, CyclesOfCreateRepaintDestroyHoldNoMoreThanTheFirst) {
    creeRepeintDetruit();
    creeRepeintDetruit(); // the library's lazy tables are filled by now
    const std::size_t primitives = enregistrement().size();
    const std::size_t octets = octetsAlloues();
    for (int k = 0; k < 60; ++k)
        creeRepeintDetruit();
    EXPECT_EQ(enregistrement().size(), primitives);
    // A paint of the default figure records several kilobytes: sixty kept
    // paints would pass this bound many times over.
    const auto tenus = int64_t(octetsAlloues()) - int64_t(octets);
    EXPECT_LT(tenus, 48 * 1024) << tenus << " bytes more after 60 cycles";
    KMDetruitFenetreHote(fenetre);
    EXPECT_EQ(p::nombreDeSurfaces(), 0u) << "the surface goes with the window";
}

TEST_F(RepeintesLongues, AHostThatReadsNoRecordGetsPixelsOnly) {
    // As in a real host: surfaces made from now on keep no recording.
    KMDetruitFenetreHote(fenetre);
    const bool avant = p::fixeEnregistrementSurfaces(false);
    fenetre = KMCreeFenetreHote("Hote", 700, 500, nullptr);
    const int16_t n = KMCreeFigEtRenvoieNumero(fenetre, nullptr, nullptr, "Nom=Cube");
    ASSERT_GT(n, 0);
    KMChangeCouleurFondFigure(n, 0x00FFFF); // yellow (0x00BBGGRR)
    KMRedessineBrutal(n);
    const p::Bitmap* s = p::surfaceDeFenetre(fenetre);
    p::fixeEnregistrementSurfaces(avant);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->journal(), nullptr);
    // The figure is drawn all the same: its background near its corner.
    EXPECT_EQ(s->pixel(2, figure(n).hauteurImage - 2), p::rgb(255, 255, 0));
    KMTermine();
    KMDetruitFenetreHote(fenetre);
    EXPECT_EQ(p::nombreDeSurfaces(), 0u);
}

// A host that never runs the message loop: the deferred lines of a figure
// wait in one message at most, which goes with the figure.
TEST_F(RepeintesLongues, AHostThatNeverRunsTheLoopGathersNoMessagePerFigure) {
    const char* texte = "Figure Kalmetra\r\n  % une remarque\r\nA point de coordonn\xE9"
                        "es (1,2,3) dans le rep\xE8re Rxyz\r\nD\xE9marrer en mode trace\r\nFin de la figure";
    for (int k = 0; k < 30; ++k) {
        const int16_t n = KMCreeFigEtRenvoieNumero(fenetre, nullptr, texte, "Nom=Cycle");
        ASSERT_GT(n, 0);
        ASSERT_TRUE(figure(n).lignesDifferees) << "the text has deferred lines";
        EXPECT_EQ(p::nombreMessagesPostes(), 1u);
        KMCreeFig(n, nullptr, texte, "Nom=Encore"); // the same number made again
        EXPECT_EQ(p::nombreMessagesPostes(), 1u);
        KMDetruitFigure(n);
        EXPECT_EQ(p::nombreMessagesPostes(), 0u);
    }
    // Living figures wait with one message each, delivered when the loop runs.
    const int16_t a = KMCreeFigEtRenvoieNumero(fenetre, nullptr, texte, "Nom=A");
    const int16_t b = KMCreeFigEtRenvoieNumero(fenetre, nullptr, texte, "Nom=B");
    EXPECT_EQ(p::nombreMessagesPostes(), 2u);
    p::distribueJusquAuRepos();
    EXPECT_EQ(p::nombreMessagesPostes(), 0u);
    EXPECT_TRUE(figureExiste(a) && figureExiste(b));
}

} // namespace
} // namespace km32::essais
