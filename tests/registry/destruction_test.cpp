// Destruction stops the timers of the figure, and only those.
#include "banc_registre.h"
#include "model/services_texte.h"
#include "platform/fenetres.h"
#include "platform/minuteries.h"

namespace km32::essai {
namespace {

constexpr uint8_t kCommandeRepetee = 22;

class Destruction : public BancRegistre {
  protected:
    platform::Fenetre dessin = platform::creeFenetre(0, {0, 0, 400, 300}, {}, true);
    platform::Fenetre autre = platform::creeFenetre(0, {0, 0, 400, 300}, {}, true);

    // The figure with its clock running and two repeating key commands,
    // with timer ids 40 and 300, on its drawing window.
    TfigureKalmetra& figureAvecMinuteries(int numero) {
        TfigureKalmetra& f = *allogueFigure(dessin, "", numero);
        f.horlogeEnMarche = 1;
        platform::lanceMinuterie(dessin, kMinuterieHorloge, 100);
        for (uint16_t id : {40, 300}) {
            TObjetFigure& o = objet(f, ++f.nombreObjets);
            o.codeConstruction = kCommandeRepetee;
            o.premierEchantillon = id;
            platform::lanceMinuterie(dessin, id, 500);
        }
        platform::lanceMinuterie(autre, kMinuterieHorloge, 100);
        platform::lanceMinuterie(autre, 40, 100);
        return f;
    }

    bool tourne(platform::Fenetre w, uint32_t id) const { return platform::minuterieExiste(w, id); }
};

TEST_F(Destruction, StopsTheClockAndTheKeyCommandTimers) {
    figureAvecMinuteries(6);
    platform::lanceMinuterie(dessin, 7, 100); // any id up to 255 on the command window
    KMdetruitFigureMeme(6);
    for (uint32_t id : {kMinuterieHorloge, 40u, 300u, 7u})
        EXPECT_FALSE(tourne(dessin, id)) << id;
    EXPECT_TRUE(tourne(autre, kMinuterieHorloge));
    EXPECT_TRUE(tourne(autre, 40));
}

TEST_F(Destruction, HostedFigureStopsTimersOnTheFormAndTheRecordedOnesOnTheDrawingWindow) {
    TfigureKalmetra& f = figureAvecMinuteries(6);
    const platform::Fenetre forme = platform::creeFenetre(0, {0, 0, 400, 300}, {}, true);
    f.fenetreHote = autre;
    f.fenetreForme = forme;
    platform::lanceMinuterie(forme, 12, 100);
    platform::lanceMinuterie(forme, kMinuterieHorloge, 100);
    KMdetruitFigureMeme(6);
    EXPECT_FALSE(tourne(forme, 12));
    EXPECT_FALSE(tourne(forme, kMinuterieHorloge));
    for (uint32_t id : {kMinuterieHorloge, 40u, 300u})
        EXPECT_FALSE(tourne(dessin, id)) << id;
}

TEST_F(Destruction, FreeingACopyLeavesTheTimersOfTheRegisteredFigure) {
    TfigureKalmetra& f = figureAvecMinuteries(6);
    std::unique_ptr<TfigureKalmetra> copie;
    copieFigure(f, copie);
    libereFigure(copie);
    EXPECT_FALSE(copie);
    for (uint32_t id : {kMinuterieHorloge, 40u, 300u})
        EXPECT_TRUE(tourne(dessin, id)) << id;
}

TEST_F(Destruction, ReleasingNothingDoesNothing) {
    std::unique_ptr<TfigureKalmetra> rien;
    EXPECT_NO_THROW(libereFigure(rien));
    EXPECT_FALSE(rien);
}

} // namespace
} // namespace km32::essai
