// Registration of figures in the table, and their destruction.
#include "model/registre_figures.h"

#include "base/texte.h"
#include "model/fenetres_figure.h"
#include "model/nombres_texte.h"
#include "model/objets_figure.h"
#include "model/registre_tables_annexes.h"
#include "model/services_dessin.h"
#include "model/services_hote.h"
#include "model/services_texte.h"
#include "model/table_figures.h"
#include "platform/messages.h"
#include "platform/minuteries.h"
#include "sibling/table_partagee.h"

namespace km32 {

namespace {

constexpr uint8_t kCodeCommandeRepetee = 22; // a repeating key command: its timer id is in its record

// The hourglass on a window for the life of the guard.
class Sablier {
  public:
    explicit Sablier(uint32_t fenetre) : fenetre_(fenetre) { afficheSablier(fenetre_); }
    ~Sablier() { retireSablier(fenetre_); }
    Sablier(const Sablier&) = delete;
    Sablier& operator=(const Sablier&) = delete;

  private:
    uint32_t fenetre_;
};

// The message that asks the mother window to run the deferred lines of figure numero.
platform::Message messageLignesDifferees(int numero) {
    return {TQTableDesVariablesPartagees()->fenetreMereKM, kMessageLignesDifferees, 0,
            int32_t((uint32_t(numero) << 16) + 1)};
}

// After a creation: the mother window runs the deferred lines of the figure
// later. One such message at most waits per figure number, so a host that
// never runs the message loop does not gather one per figure it creates.
void signaleLignesDifferees(const TfigureKalmetra& f, int numero) {
    if (!f.lignesDifferees || f.lignesDifferees->empty()) return;
    const platform::Message m = messageLignesDifferees(numero);
    platform::retireMessagesPostes(m);
    platform::posteMessage(m.fenetre, m.message, m.wParam, m.lParam);
}

// The timers of a drawing window belong to the figure registered for it. A
// copy of a figure (an inner figure, a snapshot) keeps the window handle of
// its source as a plain link and must not stop its source's timers.
bool possedeSesMinuteries(const TfigureKalmetra& f) {
    if (f.numeroFigure < 1 || f.numeroFigure > kMaxFigures) return true;
    const TfigureKalmetra* inscrite = figureDeNumero(f.numeroFigure);
    return inscrite == nullptr || inscrite == &f || inscrite->fenetreDessin != f.fenetreDessin;
}

void arreteMinuteriesFigure(const TfigureKalmetra& f) {
    if (f.fenetreDessin == 0 || !possedeSesMinuteries(f)) return;
    if (f.horlogeEnMarche) platform::arreteMinuterie(f.fenetreDessin, kMinuterieHorloge);
    for (int i = 1; i <= f.nombreObjets; ++i) {
        const TObjetFigure& o = objet(f, i);
        if (o.codeConstruction == kCodeCommandeRepetee && o.premierEchantillon != 0)
            platform::arreteMinuterie(f.fenetreDessin, o.premierEchantillon);
    }
}

// Directory part of a file name, up to and including its last separator.
std::string repertoireDe(const std::string& nomFichier) {
    const std::size_t p = nomFichier.find_last_of("\\/");
    return p == std::string::npos ? std::string() : nomFichier.substr(0, p + 1);
}

} // namespace

TfigureKalmetra* allogueFigure(uint32_t fenetre, const std::string& nomFichier, int numero,
                               uint16_t* resultat, FichierNonLu* raison) {
    if (numero < 1 || numero > kMaxFigures) return nullptr;
    if (figureExiste(int16_t(numero))) KMdetruitFigureMeme(int16_t(numero));
    Sablier sablier(fenetre);
    auto nouvelle = std::make_unique<TfigureKalmetra>();
    TfigureKalmetra& f = *nouvelle;
    f.fenetreDessin = fenetre;
    f.numeroFigure = numero;
    const uint16_t r = chargeTexteInitialFigure(f, coupe(nomFichier, 255), raison);
    if (resultat) *resultat = r;
    f.modifiee = 0;
    placeFigure(numero, std::move(nouvelle));
    signaleLignesDifferees(f, numero);
    return &f;
}

int32_t creeFigureKMPourFenetreExterne(uint32_t fenetre, const char* fichier, uint32_t couleur,
                                       FichierNonLu* raison) {
    int numero = 0;
    for (int n = 1; n <= kMaxFigures && numero == 0; ++n)
        if (figureDeNumero(n) == nullptr) numero = n;
    if (numero == 0) return 0;

    Sablier sablier(fenetre);
    auto nouvelle = std::make_unique<TfigureKalmetra>();
    TfigureKalmetra& f = *nouvelle;
    f.fenetreDessin = fenetre;
    f.numeroFigure = numero;
    const std::string nomFichier = fichier ? coupe(fichier, 255) : std::string();
    chargeTexteInitialFigure(f, nomFichier, raison);
    f.couleurFond = couleur & 0xFFFFFFu; // the top byte is no part of a colour
    TTableDesVariablesPartagees* table = TQTableDesVariablesPartagees();
    f.traitsEpais = table->traitsEpaisDefaut;
    f.modifiee = 0;
    placeFigure(numero, std::move(nouvelle));
    ajusteTailleEtRepeint(f);

    const std::string titre =
        nomFichier.empty() ? "Figure Kalmetra " + texteDeReel(numero) + " : " : f.nomFigure + " : ";
    platform::changeTitreFenetre(fenetre, coupe(titre, 80));
    signaleLignesDifferees(f, numero);
    if (!nomFichier.empty()) {
        const std::string repertoire = coupe(repertoireDe(nomFichier), 255);
        table->dernierRepertoire[0] = uint8_t(repertoire.size());
        for (std::size_t k = 0; k < repertoire.size(); ++k)
            table->dernierRepertoire[k + 1] = uint8_t(repertoire[k]);
    }
    return numero;
}

void libereFigure(std::unique_ptr<TfigureKalmetra>& figure) {
    if (!figure) return;
    TfigureKalmetra& f = *figure;
    f.texteDesNoms.clear();
    f.texteDesFormules.clear();
    f.imageFond.reset();
    f.objetFenetre.reset();
    if (f.variablesPartagees) desinscritVariablesPartagees(f);
    arreteMinuteriesFigure(f);
    libereTableElementsSolides(f.tableElementsSolides);
    libereTableTraces(f.tableTraces);
    libereBlocDessin(f.blocDessin);
    libereTableDesPolyedres(f.tableDesPolyedres);
    libereTableMaillages(f.tableMaillages);
    libereTableAnnexes(f.tableAnnexes);
    if (f.etatGlisser) termineEtatGlisser(f);
    libereTamponFigure(f);
    f.echantillons.reset();
    f.texteCommentaire.reset();
    f.lignesDifferees.reset();
    f.texteEnAttente.reset();
    f.historiqueVues.reset();
    f.dialogue.reset();
    libereInstantanes(f);
    // The function and prototype tables go with the figure, through their
    // modules, so that the inner figures they own are released as figures.
    libereTableDesFonctions(f.tableDesFonctions);
    libereTableDesPrototypes(f);
    figure.reset();
}

void KMdetruitFigureMeme(int16_t numero) {
    if (!figureExiste(numero)) return;
    std::unique_ptr<TfigureKalmetra>& place = etatTableFigures().figures[numero];
    TfigureKalmetra& f = *place;
    if (f.menuContextuelConstruit) detruitMenuFigure(numero);
    const uint32_t commande = fenetreDeLaFigure(f);
    const TTableDesVariablesPartagees* table = TQTableDesVariablesPartagees();
    if (commande != 0 && commande == table->proprietaireAnnexe && table->codeAnnexe != 0)
        fermeFenetreAnnexe();
    if (commande != 0) {
        for (uint32_t id = 0; id <= 255; ++id)
            platform::arreteMinuterie(commande, id);
        platform::arreteMinuterie(commande, kMinuterieHorloge);
    }
    // Deferred lines still waiting belong to this figure, not to the next
    // one that takes its number.
    platform::retireMessagesPostes(messageLignesDifferees(numero));
    const uint32_t dessinSansHote = figureSansHote(f) ? f.fenetreDessin : 0;
    libereFigure(place);
    // Last, since releasing the figure may still bring its menu up to date.
    retireAvisEtatMenus(dessinSansHote);
}

void detruitToutesLesFigures() {
    for (int16_t n = 1; n <= kMaxFigures; ++n)
        KMdetruitFigureMeme(n);
}

} // namespace km32
