#include "text/annulation.h"

#include <utility>

#include "base/garde.h"
#include "drawing/clavier_partage.h"
#include "model/expression_erreurs.h"
#include "model/fenetres_figure.h"
#include "model/messages.h"
#include "model/registre_figures.h"
#include "model/services_dessin.h"
#include "model/services_hote.h"
#include "model/services_texte.h"
#include "model/table_figures.h"
#include "platform/minuteries.h"
#include "text/ecriture_figure.h"
#include "text/execution_texte.h"
#include "text/instantanes_figure.h"
#include "sibling/table_partagee.h"
#include "text/langue_texte.h"

namespace km32 {

namespace {

// Beyond this many slots of another figure, that figure gives its oldest
// first; a figure keeps at least this many of its own before it gives one.
constexpr int kSeuilAutreFigure = 6;
constexpr int kSeuilFigureMeme = 9;

std::unique_ptr<std::string> duplique(const std::unique_ptr<std::string>& texte) {
    return texte ? std::make_unique<std::string>(*texte) : nullptr;
}

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

// The text a snapshot of g keeps: text and key-command objects in the
// object loop, so that the text read back gives them their numbers again.
std::string texteInstantane(const TfigureKalmetra& g) {
    const GardeValeur<bool> regroupes(etatEcritureFigure().textesEtTouchesRegroupes, false);
    return ecritTexteFigure(g);
}

// g's snapshot text written in a given language: a language applied between
// an undo and its redo changes the words of the text, not the figure.
std::string ecritEnLangue(const TfigureKalmetra& g, uint16_t langue) {
    const uint16_t applique = TQTableDesVariablesPartagees()->langueAppliquee;
    if (langue == 0 || langue == applique) return texteInstantane(g);
    changeLangue(langue);
    std::string texte;
    try {
        texte = texteInstantane(g);
    } catch (...) {
        changeLangue(applique);
        throw;
    }
    changeLangue(applique);
    return texte;
}

// The copy of g kept beside its text.
TCopieAnnulation copieInstantane(const TfigureKalmetra& g) {
    TCopieAnnulation c;
    copieFigure(g, c.figure);
    c.commentaire = duplique(g.texteCommentaire);
    c.lignesDifferees = duplique(g.lignesDifferees);
    return c;
}

// Steps 1, 2 and 4 of a snapshot, the text already written (step 5) put in
// the new slot of f with the copy; step 3 (the pending redo of an undo
// snapshot) runs between the block and the slot.
template <class AvantPlace>
bool placeInstantane(TfigureKalmetra& f, std::string texte, TCopieAnnulation copie, AvantPlace avant) {
    EtatAnnulation& e = etatAnnulation();
    if (e.nombre >= kMaxInstantanesAnnulation) choisitInstantaneALiberer(f);
    std::unique_ptr<std::string> bloc = alloueBlocInstantane();
    while (!bloc) {
        if (e.nombre == 0) return false;
        choisitInstantaneALiberer(f);
        bloc = alloueBlocInstantane();
    }
    avant();
    ++e.placements;
    *bloc = std::move(texte);
    ++e.nombre;
    e.instantanes[e.nombre] = TInstantaneAnnulation{std::move(bloc), &f, std::move(copie), {}, 0};
    return true;
}

// Wipes f and runs the kept text again; the view switches a text does not
// hold stay as they were. The text is the library's own: the limits meant
// for files do not apply to it. When it does not run to its end, the copy
// kept beside it is put in its place; without one, f is put back exactly
// as it was and the answer is false: a figure is never replaced by part of
// a snapshot.
bool restaureDepuisTexte(TfigureKalmetra& f, const std::string& texte, const TCopieAnnulation& slotCopie) {
    // The texts are copied now; the figure copy is read only once the text failed.
    const TfigureKalmetra* copie = slotCopie.figure.get();
    std::unique_ptr<std::string> commentaire = duplique(slotCopie.commentaire);
    std::unique_ptr<std::string> lignesDifferees = duplique(slotCopie.lignesDifferees);
    GardeInstantane garde(f);
    if (!garde.pris()) return false;
    const uint8_t traitsEpais = f.traitsEpais;
    const uint8_t imageLimitee = f.imageLimitee;
    const uint8_t horloge = f.horlogeEnMarche;
    const uint16_t intervalle = f.intervalleHorloge;
    // The failing line of the host's last text is the host's, not the undo's.
    const uint16_t ligneDuHote = ligneEnErreur(int16_t(f.numeroFigure));
    f.texteCommentaire.reset();
    f.lignesDifferees.reset();
    reinitialiseFigure(f);
    uint16_t echec = 0;
    {
        const GardeValeur<uint8_t> horsExecution(executionReelle(), 0);
        const GardeValeur<int> interne(textesInternesEnLecture(), textesInternesEnLecture() + 1);
        // A line that fails is told once, below, not as a line of the user.
        const GardeValeur<uint8_t> muet(etatMessages().messagesMuets, 1);
        echec = executeTexteDeFigure(f, texte, 1);
    }
    noteLigneEnErreur(int16_t(f.numeroFigure), ligneDuHote);
    if (echec != 0 && copie == nullptr) {
        garde.annule();
        redessineFigure(f);
        nomErreur1() = std::to_string(echec);
        afficheErreurDeNumero(kErreurInstantaneIllisible);
        return false;
    }
    garde.valide();
    if (echec != 0) {
        if (f.variablesPartagees) desinscritVariablesPartagees(f);
        // The copy may have been taken while the host's lines ran; whether
        // they run is a matter of now, not of the copy.
        const uint8_t lignesHote = f.lignesHoteEnCours;
        restaureFigure(*copie, f);
        f.lignesHoteEnCours = lignesHote;
        f.objetsChangesParHote.reset();
        f.texteCommentaire = std::move(commentaire);
        f.lignesDifferees = std::move(lignesDifferees);
        reinscritVariablesPartagees(f);
    }
    // A repetition that ran before holds no timer in the text read again:
    // its timer ends here rather than tick for a command that no longer runs.
    suitMinuteriesDesCommandes(f);
    f.imageLimitee = imageLimitee;
    f.horlogeEnMarche = horloge;
    if (f.horlogeEnMarche && f.intervalleHorloge != intervalle)
        if (const uint32_t fenetre = fenetreDeLaFigure(f)) {
            platform::arreteMinuterie(fenetre, kMinuterieHorloge);
            platform::lanceMinuterie(fenetre, kMinuterieHorloge, f.intervalleHorloge);
        }
    f.traitsEpais = traitsEpais;
    redessineFigure(f);
    return true;
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
    return placeInstantane(f, texteInstantane(f), copieInstantane(f), [] {});
}

std::string texteDeFigurePourAnnuler(const TfigureKalmetra& f) {
    return texteInstantane(f);
}

bool prendInstantanePourAnnuler(TfigureKalmetra& f, const TfigureKalmetra& g) {
    return prendInstantanePourAnnulerDuTexte(f, texteInstantane(g), copieInstantane(g));
}

TCopieAnnulation copieDeFigurePourAnnuler(const TfigureKalmetra& f) {
    return copieInstantane(f);
}

bool prendInstantanePourAnnulerDuTexte(TfigureKalmetra& f, std::string texte, TCopieAnnulation copie) {
    return placeInstantane(f, std::move(texte), std::move(copie), [&f] {
        if (f.retablissementPossible) {
            libereInstantane(dernierInstantaneDeFigure(&f));
            f.retablissementPossible = 0;
        }
        f.annulationPossible = 1;
    });
}

bool prendInstantanePourAnnulerDuHautDeLaPile(TfigureKalmetra& f) {
    EtatInstantanes& pile = etatInstantanes();
    if (pile.nombreInstantanes() == 0) return false;
    // The copy leaves out the comment and the stored extra lines, which the
    // snapshot keeps beside it: they are lent to the copy while it is written.
    TInstantane& haut = pile.pile.back();
    TfigureKalmetra& copie = *haut.copie;
    const GardeValeur<std::unique_ptr<std::string>> commentaire(copie.texteCommentaire,
                                                                duplique(haut.commentaire));
    const GardeValeur<std::unique_ptr<std::string>> lignes(copie.lignesDifferees,
                                                           duplique(haut.lignesDifferees));
    std::string avant = texteInstantane(copie);
    // An operation that leaves the written text as it was is no step to undo.
    if (avant == texteInstantane(f)) return false;
    return prendInstantanePourAnnulerDuTexte(f, std::move(avant), copieInstantane(copie));
}

namespace {

// Puts f back to snapshot i (undo or redo) and keeps the state it leaves
// as the newest snapshot; pris tells whether that state could be kept.
// The state being left is written before the figure changes, and kept
// only once the snapshot has been read back whole: a snapshot that cannot
// be read stays where it is, the figure stays as it is, and the answer is
// false.
bool passeAInstantane(TfigureKalmetra& f, int i, bool& pris) {
    detruitMenuContextuel(f);
    std::string quitte = texteInstantane(f);
    TCopieAnnulation copieQuittee = copieInstantane(f);
    const TInstantaneAnnulation& slot = etatAnnulation().instantanes[std::size_t(i)];
    if (!restaureDepuisTexte(f, std::string(*slot.texte), slot.copie)) return false;
    // The text restored leaves the table first: taking the snapshot of the
    // state left may evict slots, and must not evict this one.
    libereInstantane(i);
    pris = placeInstantane(f, std::move(quitte), std::move(copieQuittee), [] {});
    return true;
}

} // namespace

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
    bool pris = false;
    if (!passeAInstantane(f, i, pris)) return false;
    // A redo needs the state just left; without it there is nothing to redo.
    f.retablissementPossible = pris ? 1 : 0;
    if (pris) {
        TInstantaneAnnulation& courant =
            etatAnnulation().instantanes[std::size_t(dernierInstantaneDeFigure(&f))];
        courant.langueApresDefaire = TQTableDesVariablesPartagees()->langueAppliquee;
        courant.texteApresDefaire = texteInstantane(f);
    }
    f.modifiee = 1;
    // Undo stays possible while an older snapshot than the one just taken remains.
    f.annulationPossible = nombreInstantanesDeFigure(&f) > (pris ? 1 : 0) ? 1 : 0;
    return true;
}

bool refaitFigure(TfigureKalmetra& f) {
    if (!f.retablissementPossible) return false;
    const int i = dernierInstantaneDeFigure(&f);
    if (i == 0) {
        f.retablissementPossible = 0;
        return false;
    }
    // The figure changed since the undo, by a road that takes no snapshot:
    // the redo would lose that change, so there is nothing left to redo.
    if (ecritEnLangue(f, etatAnnulation().instantanes[std::size_t(i)].langueApresDefaire) !=
        etatAnnulation().instantanes[std::size_t(i)].texteApresDefaire) {
        libereInstantane(i);
        f.retablissementPossible = 0;
        f.annulationPossible = nombreInstantanesDeFigure(&f) > 0 ? 1 : 0;
        return false;
    }
    // A snapshot that cannot be read back stays, redo still pending.
    bool pris = false;
    if (!passeAInstantane(f, i, pris)) return false;
    f.retablissementPossible = 0;
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
