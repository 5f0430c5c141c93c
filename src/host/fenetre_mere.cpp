#include "host/fenetre_mere.h"

#include "host/langue_hote.h"
#include "host/services_attendus.h"
#include "model/fenetres_figure.h"
#include "model/registre_figures.h"
#include "model/table_figures.h"
#include "platform/fenetres.h"
#include "platform/minuteries.h"
#include "sibling/table_partagee.h"

namespace km32 {

namespace {

constexpr uint8_t kPremierCodeAnnexeKM = 128;
constexpr uint32_t kIntervalleLignesDifferees = 100; // ms

std::array<OperationsAnnexe, 256>& operationsAnnexes() {
    static std::array<OperationsAnnexe, 256> operations{};
    return operations;
}

TTableDesVariablesPartagees& table() {
    return *TQTableDesVariablesPartagees();
}

// The mother window of the library that owns the open annex.
uint32_t mereProprietaireAnnexe() {
    const TTableDesVariablesPartagees& t = table();
    return t.codeAnnexe >= kPremierCodeAnnexeKM ? t.fenetreMereKM : t.fenetreMereTQ;
}

// WM_USER+1055: a new figure has extra lines to run later.
void lignesDifferees(int32_t lParam) {
    const uint32_t id = uint32_t(lParam);
    const int16_t numero = int16_t(id >> 16);
    if ((id & 0xFFFF) != 1 || !figureExiste(numero)) return;
    etatFenetreMere().decomptes[numero] = kDecompteLignesDifferees;
    lanceMinuterieMere(id, kIntervalleLignesDifferees);
}

void tickMinuterie(uint32_t id) {
    if ((id & 0xFFFF) != 1) return;
    const int16_t numero = int16_t(id >> 16);
    if (!figureExiste(numero)) {
        // The figure went before its lines ran: the timer has nothing left to do.
        arreteMinuterieMere(id);
        return;
    }
    int& decompte = etatFenetreMere().decomptes[numero];
    --decompte;
    if (decompte >= 1) return;
    // Stopped before the lines run: they may ask for a new countdown.
    arreteMinuterieMere(id);
    if (decompte == 0) executeTexteFigureParNumero(numero);
}

// WM_USER+1053, wParam 1: the annex closed itself; give the activation back.
void annexeFermeeParElleMeme() {
    TTableDesVariablesPartagees& t = table();
    const int16_t numero = int16_t(t.figureProprietaireAnnexe);
    TfigureKalmetra* f = figureOuRien(numero);
    if (t.remplacementInfo && t.fenetreAReactiver != 0)
        platform::activeFenetre(t.fenetreAReactiver);
    else if (f && !figureSansHote(*f))
        activeFenetreFigure(numero);
    fermeFenetreAnnexe();
    if (!t.remplacementInfo && f && !figureSansHote(*f))
        platform::posteMessage(fenetreDeLaFigure(*f), kMessageActiverFigure, 0, 0);
}

int32_t procedureMere(uint32_t, uint32_t message, uint32_t wParam, int32_t lParam) {
    switch (message) {
    case kMessageLignesDifferees:
        lignesDifferees(lParam);
        return 0;
    case platform::WM_TIMER:
        tickMinuterie(wParam);
        return 0;
    case kMessageFermeAnnexe:
        if (wParam == 1)
            annexeFermeeParElleMeme();
        else
            fermeFenetreAnnexe();
        return 0;
    case kMessageMontreAnnexe: {
        const OperationsAnnexe& o = operationsAnnexes()[table().codeAnnexe];
        if (o.montre) o.montre();
        return 0;
    }
    case kMessageDemandeValeurs:
        fournitValeursPartagees();
        return 0;
    case kMessageAppliqueLangue:
        if (uint32_t(lParam) < 65536) appliqueLangueKM(uint16_t(lParam));
        return 0;
    default:
        return 0;
    }
}

} // namespace

EtatFenetreMere& etatFenetreMere() {
    static EtatFenetreMere e;
    return e;
}

void creeFenetreMere() {
    EtatFenetreMere& e = etatFenetreMere();
    if (platform::estFenetre(e.fenetre)) return;
    e = EtatFenetreMere{};
    platform::DescriptionFenetre d;
    d.cadre = {0, 0, 544, 375};
    d.procedure = procedureMere;
    d.titre = "FenetreMereDLL";
    d.visible = false;
    e.fenetre = platform::creeFenetre(d);
    table().fenetreMereKM = e.fenetre;
}

void detruitFenetreMere() {
    EtatFenetreMere& e = etatFenetreMere();
    arreteToutesMinuteriesMere();
    if (table().fenetreMereKM == e.fenetre) table().fenetreMereKM = 0;
    if (e.fenetre != 0) platform::detruitFenetre(e.fenetre);
    e = EtatFenetreMere{};
}

void lanceMinuterieMere(uint32_t id, uint32_t intervalleMs) {
    EtatFenetreMere& e = etatFenetreMere();
    int libre = 0;
    for (int k = 1; k <= kEmplacementsMinuteriesMere; ++k) {
        if (e.minuteries[k] == id) { // the timer runs already: started again, one slot
            libre = k;
            break;
        }
        if (libre == 0 && e.minuteries[k] == 0) libre = k;
    }
    // Without a free slot the timer could never be stopped: it is not started.
    if (libre == 0) return;
    e.minuteries[libre] = id;
    platform::lanceMinuterie(e.fenetre, id, intervalleMs);
}

void arreteMinuterieMere(uint32_t id) {
    EtatFenetreMere& e = etatFenetreMere();
    for (int k = 1; k <= kEmplacementsMinuteriesMere; ++k)
        if (e.minuteries[k] == id && id != 0) {
            e.minuteries[k] = 0;
            platform::arreteMinuterie(e.fenetre, id);
            return;
        }
}

void arreteToutesMinuteriesMere() {
    EtatFenetreMere& e = etatFenetreMere();
    for (int k = 1; k <= kEmplacementsMinuteriesMere; ++k)
        if (e.minuteries[k] != 0) {
            platform::arreteMinuterie(e.fenetre, e.minuteries[k]);
            e.minuteries[k] = 0;
        }
}

void inscritOperationsAnnexe(uint8_t code, OperationsAnnexe operations) {
    operationsAnnexes()[code] = operations;
}

void oublieOperationsAnnexes() {
    operationsAnnexes().fill(OperationsAnnexe{});
}

bool dialogueCommunOuvert() {
    return table().codeAnnexe != 0;
}

bool reserveDialogueCommun(uint32_t fenetreProprietaire, int32_t figure) {
    TTableDesVariablesPartagees& t = table();
    if (dialogueCommunOuvert() && t.proprietaireAnnexe == fenetreProprietaire) {
        activeDialogueCommun(fenetreProprietaire);
        return false;
    }
    if (dialogueCommunOuvert()) platform::envoieMessage(mereProprietaireAnnexe(), kMessageFermeAnnexe, 0, 0);
    t.proprietaireAnnexe = fenetreProprietaire;
    t.figureProprietaireAnnexe = figure;
    return true;
}

void activeDialogueCommun(uint32_t fenetreProprietaire) {
    if (dialogueCommunOuvert() && table().proprietaireAnnexe == fenetreProprietaire)
        platform::envoieMessage(mereProprietaireAnnexe(), kMessageMontreAnnexe, 0, 0);
}

void fenetreCommuneFermee(uint32_t fenetre) {
    const TTableDesVariablesPartagees& t = table();
    if (fenetre == 0) return;
    if (fenetre == t.proprietaireAnnexe)
        platform::envoieMessage(mereProprietaireAnnexe(), kMessageFermeAnnexe, 0, 0);
    else if (fenetre == t.fenetreAnnexe)
        platform::posteMessage(mereProprietaireAnnexe(), kMessageFermeAnnexe, 1, 0);
}

void remplaceFenetreInfo(uint32_t fenetre) {
    TTableDesVariablesPartagees& t = table();
    if (!t.remplacementInfo) return;
    if (t.fenetreAReactiver != 0 && t.fenetreAReactiver != fenetre)
        platform::posteMessage(t.fenetreAReactiver, kMessageFigureDesactivee, 0, 0);
    t.fenetreAReactiver = fenetre;
}

void fermeFenetreAnnexe() {
    TTableDesVariablesPartagees& t = table();
    if (t.codeAnnexe == 0) return;
    const OperationsAnnexe o = operationsAnnexes()[t.codeAnnexe];
    t.annexeEnFermeture = 1;
    try {
        if (o.ferme) o.ferme();
    } catch (...) {
        t.annexeEnFermeture = 0;
        t.codeAnnexe = 0;
        throw;
    }
    t.annexeEnFermeture = 0;
    t.codeAnnexe = 0;
}

bool annexeModaleDe(uint32_t fenetre) {
    const TTableDesVariablesPartagees& t = table();
    return fenetre != 0 && t.codeAnnexe != 0 && t.proprietaireAnnexe == fenetre;
}

} // namespace km32
