// The timers of the repetition commands (code 22): one per command, whose
// id is the command's object number, ticking at the command's delay on the
// figure's command window.
#include <cmath>
#include <utility>
#include <vector>

#include "drawing/commandes_touches.h"
#include "model/catalogue.h"
#include "model/fenetres_figure.h"
#include "model/objets_figure.h"
#include "model/registre_figures.h"
#include "model/services_hote.h"
#include "platform/messages.h"
#include "platform/minuteries.h"

namespace km32 {

namespace {

bool estRepetition(const TObjetFigure& o) {
    return o.nature == kNatureCommande && o.codeConstruction == construction::kToucheRepeter;
}

// The timer id of a repetition command (0 when its timer does not run).
uint16_t& idMinuterie(TObjetFigure& o) {
    return o.premierEchantillon;
}

// The pending ticks of the commands' timers; the figure clock keeps its own.
void purgeTicksDesCommandes(const TfigureKalmetra& f) {
    if (const uint32_t fenetre = fenetreDeLaFigure(f))
        platform::purgeTicks(fenetre, kPremierUtilisateur, kMinuterieHorloge - 1);
}

// Every pending tick of the figure's window.
void purgeTousLesTicks(const TfigureKalmetra& f) {
    if (const uint32_t fenetre = fenetreDeLaFigure(f))
        platform::purgeMessages(fenetre, platform::WM_TIMER, platform::WM_TIMER);
}

void arreteMinuterieDeCommande(TfigureKalmetra& f, int n) {
    TObjetFigure& o = objet(f, n);
    platform::arreteMinuterie(fenetreDeLaFigure(f), idMinuterie(o));
    idMinuterie(o) = 0;
    bool encore = false;
    for (int i = kPremierUtilisateur; i <= f.nombreObjets; ++i)
        if (estRepetition(objet(f, i)) && idMinuterie(objet(f, i)) != 0) encore = true;
    f.minuteriesCommandesActives = encore ? 1 : 0;
    if (!encore) {
        purgeTicksDesCommandes(f);
        miseAjourMenuFigure(f);
    }
}

} // namespace

void basculeMinuterieDeCommande(TfigureKalmetra& f, int n) {
    if (f.fenetreDessin == 0 || n < kPremierUtilisateur || n > f.nombreObjets) return;
    TObjetFigure& o = objet(f, n);
    if (!estRepetition(o)) return;
    if (idMinuterie(o) != 0) return arreteMinuterieDeCommande(f, n);
    const double delai = valeurDepuisZero(f, n, 1);
    const uint32_t ms = delai > 0 && delai < 4.0e9 ? uint32_t(std::lround(delai)) : 0;
    if (!platform::lanceMinuterie(fenetreDeLaFigure(f), uint32_t(n), ms)) return;
    idMinuterie(o) = uint16_t(n);
    if (!f.minuteriesCommandesActives) {
        f.minuteriesCommandesActives = 1;
        miseAjourMenuFigure(f);
    }
    valeurDepuisZero(f, n, 2) = 0;
}

bool topMinuterieDeCommande(TfigureKalmetra& f, uint32_t id) {
    if (id < uint32_t(kPremierUtilisateur) || id > f.nombreObjets) return false;
    const int n = int(id);
    if (!estRepetition(objet(f, n))) return false;
    // A tick of a timer that was stopped meanwhile is ignored.
    if (idMinuterie(objet(f, n)) == 0) return true;
    for (int k = 0; k < objet(f, n).nombreParents; ++k)
        executeCommandeDeTouche(f, parentDepuisZero(f, n, k));
    double& compteur = valeurDepuisZero(f, n, 2);
    compteur += 1;
    if (!(compteur < valeurDepuisZero(f, n, 0)) && idMinuterie(objet(f, n)) != 0)
        arreteMinuterieDeCommande(f, n);
    return true;
}

void suitMinuteriesDesCommandes(TfigureKalmetra& f) {
    const uint32_t fenetre = fenetreDeLaFigure(f);
    std::vector<std::pair<uint32_t, uint32_t>> suites;
    for (int i = kPremierUtilisateur; i <= f.nombreObjets; ++i) {
        TObjetFigure& o = objet(f, i);
        if (!estRepetition(o) || idMinuterie(o) == 0) continue;
        const bool enMarche = fenetre != 0 && platform::minuterieExiste(fenetre, idMinuterie(o));
        if (enMarche) suites.emplace_back(idMinuterie(o), uint32_t(i));
        idMinuterie(o) = enMarche ? uint16_t(i) : 0;
    }
    // Every id a command can have: the ids no command holds now stop.
    if (fenetre != 0) platform::renommeMinuteries(fenetre, kPremierUtilisateur, kMaxObjets, suites);
    if (f.minuteriesCommandesActives && suites.empty()) {
        f.minuteriesCommandesActives = 0;
        miseAjourMenuFigure(f);
    }
}

void arreteToutesLesMinuteries(TfigureKalmetra& f) {
    const uint32_t fenetre = fenetreDeLaFigure(f);
    if (f.horlogeEnMarche && f.fenetreDessin != 0) {
        platform::arreteMinuterie(fenetre, kMinuterieHorloge);
        f.horlogeEnMarche = 0;
    }
    if (f.minuteriesCommandesActives) {
        for (int i = kPremierUtilisateur; i <= f.nombreObjets; ++i) {
            TObjetFigure& o = objet(f, i);
            if (!estRepetition(o) || idMinuterie(o) == 0) continue;
            platform::arreteMinuterie(fenetre, idMinuterie(o));
            idMinuterie(o) = 0;
        }
    }
    f.minuteriesCommandesActives = 0;
    purgeTousLesTicks(f);
    miseAjourMenuFigure(f);
}

} // namespace km32
