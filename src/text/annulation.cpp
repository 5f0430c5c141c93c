#include "text/annulation.h"

#include <utility>

#include "base/garde.h"
#include "model/fenetres_figure.h"
#include "model/registre_figures.h"
#include "model/services_dessin.h"
#include "model/services_hote.h"
#include "model/services_texte.h"
#include "model/table_figures.h"
#include "platform/minuteries.h"
#include "text/ecriture_figure.h"
#include "text/execution_texte.h"

namespace km32 {

namespace {

// Beyond this many slots of another figure, that figure gives its oldest
// first; a figure keeps at least this many of its own before it gives one.
constexpr int kSeuilAutreFigure = 6;
constexpr int kSeuilFigureMeme = 9;

// A new block, or null when the memory holds no more.
std::unique_ptr<std::string> alloueBlocInstantane() {
    const EtatAnnulation& e = etatAnnulation();
    if (e.nombre >= e.blocsMax) return nullptr;
    return std::make_unique<std::string>();
}

// Takes slot i out of the table (the later ones move down) and returns its text.
std::unique_ptr<std::string> retireInstantane(int i) {
    EtatAnnulation& e = etatAnnulation();
    std::unique_ptr<std::string> texte = std::move(e.instantanes[std::size_t(i)].texte);
    for (int j = i; j < e.nombre; ++j)
        e.instantanes[std::size_t(j)] = std::move(e.instantanes[std::size_t(j + 1)]);
    e.instantanes[e.nombre] = TInstantaneAnnulation{};
    --e.nombre;
    return texte;
}

// Steps 1, 2, 4 and 5 of a snapshot, with the text of g for f; step 3 (the
// pending redo of an undo snapshot) runs between the block and the slot.
template <class AvantPlace>
bool prendInstantaneDe(TfigureKalmetra& f, const TfigureKalmetra& g, AvantPlace avant) {
    EtatAnnulation& e = etatAnnulation();
    if (e.nombre >= kMaxInstantanesAnnulation) choisitInstantaneALiberer(f);
    std::unique_ptr<std::string> bloc = alloueBlocInstantane();
    while (!bloc) {
        if (e.nombre == 0) return false;
        choisitInstantaneALiberer(f);
        bloc = alloueBlocInstantane();
    }
    avant();
    {
        // Text and key-command objects in the object loop, so that the text
        // read back gives them their numbers again.
        const GardeValeur<bool> regroupes(etatEcritureFigure().textesEtTouchesRegroupes, false);
        *bloc = ecritTexteFigure(g);
    }
    ++e.nombre;
    e.instantanes[e.nombre] = TInstantaneAnnulation{std::move(bloc), &f};
    return true;
}

// Wipes f and runs the kept text again; the view switches a text does not
// hold stay as they were.
void restaureDepuisTexte(TfigureKalmetra& f, const std::string& texte) {
    const uint8_t traitsEpais = f.traitsEpais;
    const uint8_t imageLimitee = f.imageLimitee;
    const uint8_t horloge = f.horlogeEnMarche;
    const uint16_t intervalle = f.intervalleHorloge;
    f.texteCommentaire.reset();
    f.lignesDifferees.reset();
    reinitialiseFigure(f);
    {
        const GardeValeur<uint8_t> horsExecution(executionReelle(), 0);
        executeTexteDeFigure(f, texte, 1);
    }
    f.imageLimitee = imageLimitee;
    f.horlogeEnMarche = horloge;
    if (f.horlogeEnMarche && f.intervalleHorloge != intervalle)
        if (const uint32_t fenetre = fenetreDeLaFigure(f)) {
            platform::arreteMinuterie(fenetre, kMinuterieHorloge);
            platform::lanceMinuterie(fenetre, kMinuterieHorloge, f.intervalleHorloge);
        }
    f.traitsEpais = traitsEpais;
    redessineFigure(f);
}

void detruitMenuContextuel(TfigureKalmetra& f) {
    if (f.menuContextuelConstruit) detruitMenuFigure(int16_t(f.numeroFigure));
}

} // namespace

EtatAnnulation& etatAnnulation() {
    static EtatAnnulation e;
    return e;
}

void reinitialiseAnnulation() {
    etatAnnulation() = EtatAnnulation{};
}

bool prendInstantane(TfigureKalmetra& f) {
    return prendInstantaneDe(f, f, [] {});
}

bool prendInstantanePourAnnuler(TfigureKalmetra& f, const TfigureKalmetra& g) {
    return prendInstantaneDe(f, g, [&f] {
        if (f.retablissementPossible) {
            libereInstantane(dernierInstantaneDeFigure(&f));
            f.retablissementPossible = 0;
        }
        f.annulationPossible = 1;
    });
}

bool defaitFigure(TfigureKalmetra& f) {
    if (!f.annulationPossible) return false;
    int i = dernierInstantaneDeFigure(&f);
    if (i == 0) {
        f.annulationPossible = 0;
        return false;
    }
    if (f.retablissementPossible) {
        libereInstantane(i);
        f.retablissementPossible = 0;
        i = dernierInstantaneDeFigure(&f);
        if (i == 0) {
            f.annulationPossible = 0;
            return false;
        }
    }
    detruitMenuContextuel(f);
    // The text to restore leaves the table first: taking the snapshot of the
    // state being left may evict slots, and must not evict this one.
    const std::unique_ptr<std::string> texte = retireInstantane(i);
    const bool pris = prendInstantane(f);
    restaureDepuisTexte(f, *texte);
    // A redo needs the state just left; without it there is nothing to redo.
    f.retablissementPossible = pris ? 1 : 0;
    f.modifiee = 1;
    // Undo stays possible while an older snapshot than the one just taken remains.
    f.annulationPossible = nombreInstantanesDeFigure(&f) > (pris ? 1 : 0) ? 1 : 0;
    return true;
}

bool refaitFigure(TfigureKalmetra& f) {
    if (!f.retablissementPossible) return false;
    const int i = dernierInstantaneDeFigure(&f);
    f.retablissementPossible = 0;
    if (i == 0) return false;
    detruitMenuContextuel(f);
    const std::unique_ptr<std::string> texte = retireInstantane(i);
    if (prendInstantane(f)) f.annulationPossible = 1;
    restaureDepuisTexte(f, *texte);
    f.annulationPossible = nombreInstantanesDeFigure(&f) > 0 ? 1 : 0;
    f.modifiee = 1;
    return true;
}

void libereInstantanes(TfigureKalmetra& f) {
    EtatAnnulation& e = etatAnnulation();
    for (int i = e.nombre; i >= 1; --i)
        if (e.instantanes[std::size_t(i)].figure == &f) libereInstantane(i);
}

void libereInstantane(int i) {
    if (i < 1 || i > etatAnnulation().nombre) return;
    retireInstantane(i);
}

int nombreInstantanesDeFigure(const TfigureKalmetra* f) {
    if (f == nullptr) return 0;
    const EtatAnnulation& e = etatAnnulation();
    int n = 0;
    for (int i = 1; i <= e.nombre; ++i)
        if (e.instantanes[std::size_t(i)].figure == f) ++n;
    return n;
}

int dernierInstantaneDeFigure(const TfigureKalmetra* f) {
    if (f == nullptr) return 0;
    const EtatAnnulation& e = etatAnnulation();
    for (int i = e.nombre; i >= 1; --i)
        if (e.instantanes[std::size_t(i)].figure == f) return i;
    return 0;
}

void libereAncienInstantane(TfigureKalmetra& g) {
    const EtatAnnulation& e = etatAnnulation();
    for (int i = 1; i <= e.nombre; ++i)
        if (e.instantanes[std::size_t(i)].figure == &g) {
            libereInstantane(i);
            break;
        }
    if (nombreInstantanesDeFigure(&g) == 0) {
        g.annulationPossible = 0;
        g.retablissementPossible = 0;
    }
}

void choisitInstantaneALiberer(TfigureKalmetra& f) {
    const uint8_t avant = etatAnnulation().nombre;
    TfigureKalmetra* autre = nullptr;
    int plus = 0;
    for (int n = 1; n <= kMaxFigures; ++n) {
        TfigureKalmetra* g = figureDeNumero(n);
        if (g == nullptr || g == &f) continue;
        const int compte = nombreInstantanesDeFigure(g);
        if (autre == nullptr || compte > plus) autre = g, plus = compte;
    }
    if (autre != nullptr && plus > kSeuilAutreFigure)
        libereAncienInstantane(*autre);
    else if (nombreInstantanesDeFigure(&f) >= kSeuilFigureMeme)
        libereAncienInstantane(f);
    else if (autre != nullptr && plus > 0)
        libereAncienInstantane(*autre);
    else
        libereAncienInstantane(f);
    // The slots may all belong to records outside the table of figures (a
    // copy, a figure being built): the oldest of all goes then, so that a
    // slot is always freed.
    if (etatAnnulation().nombre == avant) libereInstantane(1);
}

} // namespace km32
