// The line executor on a figure record: the figure side of executeLigne.
// A creation line runs under a figure snapshot, so that a creation that
// fails leaves the figure exactly as it was before it, except when the only
// fault is a second object of a name already taken: that object stays. The other lines do
// not: a list of objects or options that fails on one of its items keeps what
// it did to the items before it; the lines that fill one record (the values of
// a function given by values, the values of a command) put it back or write it
// only once the whole list is read; and the lines that must undo themselves (a
// rename) take their own snapshot.
#include <string>

#include "base/erreur.h"
#include "drawing/clavier_partage.h"
#include "host/fenetre_commentaire.h"
#include "model/calcul/traces_modele.h"
#include "model/fenetres_figure.h"
#include "model/objets_figure.h"
#include "text/prototypes_texte.h"
#include "model/registre_figures.h"
#include "model/services_hote.h"
#include "model/style.h"
#include "model/table_figures.h"
#include "platform/messages.h"
#include "platform/minuteries.h"
#include "properties/phrases_test.h"
#include "text/affectation_libres.h"
#include "text/attributs_dessin.h"
#include "text/execution_creation.h"
#include "text/execution_ligne.h"
#include "text/execution_texte.h"
#include "text/garde_demarrage.h"
#include "model/messages.h"
#include "model/expression_erreurs.h"
#include "text/instantanes_figure.h"
#include "text/lignes_commandes.h"
#include "text/lignes_reglages.h"

namespace km32 {

namespace {

constexpr uint32_t kCommandeGrosCaracteres = 117;
constexpr uint32_t kCommandeHistorique = 94;

void demarreHorloge(TfigureKalmetra& f) {
    const uint32_t fenetre = fenetreDeLaFigure(f);
    if (f.horlogeEnMarche || f.fenetreDessin == 0 || fenetre == 0) return;
    platform::lanceMinuterie(fenetre, kMinuterieHorloge, f.intervalleHorloge);
    f.horlogeEnMarche = 1;
    miseAjourMenuFigure(f);
}

class ExecutantFigure : public ExecutantLigne {
  public:
    explicit ExecutantFigure(TfigureKalmetra& f) : f_(f) {}

    bool prototypePrendLigne(TLigneFigure& l) override { return reconnaitLignePrototype(f_, l); }
    bool modeRequete() override { return f_.modeRequete != 0; }
    void executeRequete(TLigneFigure& l) override { executeLigneDeRequete(f_, l); }
    void creeObjet(TLigneFigure& l) override {
        GardeInstantane garde(f_);
        if (!garde.pris()) {
            l.erreur = kStructureSaturee;
            return;
        }
        etatCreation().erreurNomsApresCreation = 0;
        creeObjetDeLigne(f_, l);
        // Two objects of one name: the second stays and the line still
        // fails; any other failure puts the figure back as it was.
        if (l.erreur == 0 || creationGardeeMalgreNoms())
            garde.valide();
        else
            garde.annule();
    }
    void executeCommande(RouteLigne route, TLigneFigure& l) override {
        switch (route) {
        case RouteLigne::ObjetLibre:
            executeLigneObjetLibre(l);
            break;
        case RouteLigne::AffichageTexte:
        case RouteLigne::Reglage:
            executeLigneDeReglage(f_, l);
            break;
        case RouteLigne::Dessin:
            if (l.codeLigne == 2312)
                changeDessinDe(f_, l);
            else if (l.codeLigne == 2216)
                limiteDessinsDeLigne(f_, l);
            else
                traiteDessinDe(f_, l);
            break;
        case RouteLigne::Commande:
        case RouteLigne::Options:
            executeLigneDeCommande(f_, l);
            break;
        default:
            break;
        }
    }
    void testePropriete(const std::string& ligne) override {
        // The figure's own test: its outcome is not used. A figure that is
        // not the one registered under its number (a copy being validated)
        // is not tested.
        if (figureExiste(int16_t(f_.numeroFigure)) && figureDeNumero(f_.numeroFigure) == &f_)
            testeParTexte(f_, ligne);
    }
    void executeDirecte(TLigneFigure& l) override;

  private:
    // A line that sets the parameters of a free object. Typed by a user in
    // a figure with stored start lines, it runs under their guard: when one
    // of those lines would then no longer run (a count that the new value
    // makes 0), it is refused naming that line and the object, and the
    // figure is put back.
    void executeLigneObjetLibre(TLigneFigure& l) {
        GardeDemarrage demarrage(f_);
        executeLigneDeReglage(f_, l);
        if (l.erreur == 0 && !demarrage.accepte(0, true)) l.erreur = kErreurLigneDiffereeBloquee;
    }

    TfigureKalmetra& f_;
};

void ExecutantFigure::executeDirecte(TLigneFigure& l) {
    TfigureKalmetra& f = f_;
    const bool tracant = f.modeTrace || f.modeTraceALaDemande;
    switch (l.codeLigne) {
    case 2220:
        if (const uint32_t fenetre = fenetreDeLaFigure(f))
            platform::posteMessage(fenetre, platform::WM_COMMAND, kCommandeGrosCaracteres, 0);
        break;
    case 2221:
        if (f.nomsPointsAffiches) f.nomsPointsAffiches = 0, miseAjourMenuFigure(f);
        break;
    case 2288:
        if (!f.nomsPointsAffiches) f.nomsPointsAffiches = 1, miseAjourMenuFigure(f);
        break;
    case 2228:
        f.anglesEnDegresParDefaut = 1;
        break;
    case 2229:
        f.cadrageInterdit = 1;
        break;
    case 2287:
        f.cadrageInterdit = 0;
        break;
    case 2230:
        f.filDeFer = 1, miseAjourMenuFigure(f);
        break;
    case 2231:
        f.partiesCacheesPointillees = 1, miseAjourMenuFigure(f);
        break;
    case 2302:
        f.filDeFer = 0, f.partiesCacheesPointillees = 0, miseAjourMenuFigure(f);
        break;
    case 2305:
        f.filDeFer = 0, f.partiesCacheesPointillees = 1, miseAjourMenuFigure(f);
        break;
    case 2233:
    case 2303: {
        TObjetFigure& rxyz = objet(f, 1);
        TsourcesCouleur sources{rxyz.sourcesCouleur[0], rxyz.sourcesCouleur[1], rxyz.sourcesCouleur[2]};
        appliqueCommandeStyle(rxyz.style, sources, l.codeLigne == 2233 ? 38 : 37);
        miseAjourMenuFigure(f);
        break;
    }
    case 2243:
        f.planDeFaceMaintenu = 1, miseAjourMenuFigure(f);
        break;
    case 2304:
        f.planDeFaceMaintenu = 0, miseAjourMenuFigure(f);
        break;
    case 2246:
        f.changementVuePermis = 0;
        break;
    case 2306:
        f.changementVuePermis = 1;
        break;
    case 2248:
        if (!f.importationActive) {
            f.importationActive = 1;
            inscritVariablesPartagees(f);
            miseAjourMenuFigure(f);
        }
        break;
    case 2295:
        if (f.importationActive) {
            f.importationActive = 0;
            desinscritVariablesPartagees(f);
            miseAjourMenuFigure(f);
        }
        break;
    case 2261:
    case 2262:
        f.defautObjetsNonValides = l.codeLigne == 2262 ? 1 : 0;
        f.reglageNonValidesEcrit = 1;
        break;
    case 2263:
        f.grosCaracteres = 1;
        break;
    case 2264:
        if (!tracant) entreeModeTrace(f), miseAjourMenuFigure(f);
        break;
    case 2265:
        if (!tracant) entreeModeTraceALaDemande(f), miseAjourMenuFigure(f);
        break;
    case 2283:
        entreeModeTrace(f), miseAjourMenuFigure(f);
        break;
    case 2284:
        entreeModeTraceALaDemande(f), miseAjourMenuFigure(f);
        break;
    case 2282:
        if (tracant) sortieModeTrace(f), miseAjourMenuFigure(f);
        break;
    case 2268:
    case 2285:
        demarreHorloge(f);
        break;
    case 2286:
        if (f.horlogeEnMarche) {
            if (const uint32_t fenetre = fenetreDeLaFigure(f)) {
                platform::arreteMinuterie(fenetre, kMinuterieHorloge);
                f.horlogeEnMarche = 0;
                miseAjourMenuFigure(f);
            }
        }
        break;
    case 2280:
        if (f.fenetreDessin != 0)
            if (const uint32_t fenetre = fenetreDeLaFigure(f))
                platform::posteMessage(fenetre, platform::WM_COMMAND, kCommandeHistorique, 0);
        break;
    case 2307:
        f.importationRotations = 1;
        break;
    case 2308:
        f.importationRotations = 0;
        break;
    case 2309:
        f.exportationRotations = 1;
        break;
    case 2310:
        f.exportationRotations = 0;
        break;
    case 2259:
        f.exportationPermise = 0;
        break;
    case 2296:
        f.exportationPermise = 1;
        break;
    case 2269:
        afficheFenetreCommentaire(f);
        break;
    case 2271:
        f.prototypeHorsMenu = 1;
        break;
    default:
        break;
    }
}

} // namespace

uint16_t executeLigneDeFigure(TfigureKalmetra* figure, std::string_view ligne, uint8_t redessine,
                              uint8_t modeLecture) {
    if (figure == nullptr) return kPhraseIncorrecte;
    ExecutantFigure executant(*figure);
    return executeLigne(executant, ligne, redessine, modeLecture);
}

} // namespace km32
