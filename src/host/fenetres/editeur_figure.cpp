#include "host/fenetres/editeur_figure.h"

#include <memory>
#include <optional>

#include "host/fenetres/annexe_modele.h"
#include "host/fenetres/forme_editeur_figure.h"
#include "base/texte.h"
#include "host/application_texte.h"
#include "host/fenetre_mere.h"
#include "host/juge_modification.h"
#include "model/avis_modification.h"
#include "model/fenetres_figure.h"
#include "model/fichiers_texte.h"
#include "model/messages.h"
#include "model/registre_figures.h"
#include "model/table_figures.h"
#include "phrases/phrase.h"
#include "platform/boites.h"
#include "platform/contexte_dessin.h"
#include "platform/entrees.h"
#include "platform/fenetres.h"
#include "platform/fichiers.h"
#include "platform/impression.h"
#include "platform/messages.h"
#include "platform/raccourcis.h"
#include "platform/presse_papiers.h"
#include "platform/surfaces_fenetres.h"
#include "sibling/fenetres_tq.h"
#include "sibling/table_partagee.h"
#include "sibling/texte_math.h"
#include "sibling/texte_math_dessin.h"
#include "sibling/textes_tq.h"
#include "text/ecriture_figure.h"
#include "text/execution_texte.h"
#include "text/langue_texte.h"

namespace km32 {

namespace p = platform;

namespace {

constexpr int32_t kLargeurEditeur = 620, kHauteurEditeur = 400, kLargeurArbre = 250;
constexpr std::size_t kMotMax = 80, kLibelleNomMax = 50, kFinNomMontree = 48;
constexpr const char* kFiltreK3v = "*.k3v|*.k3v";
constexpr const char* kMargeImpression = "     ";

std::unique_ptr<TFenetreEditeur>& editeur() {
    static std::unique_ptr<TFenetreEditeur> e;
    return e;
}

std::string sansEtCommercial(std::string t) {
    std::erase(t, '&');
    return t;
}

TElementMenuEditeur& element(TFenetreEditeur& e, CommandeEditeur c) {
    return e.menu[std::size_t(c)];
}

void legendes(TFenetreEditeur& e) {
    e.menu.assign(std::size_t(kEdRefaire) + 1, {});
    const struct {
        CommandeEditeur commande;
        uint16_t phrase;
    } tableau[] = {
        {kEdCopier, 11011},           {kEdCharger, kPhraseCharger},
        {kEdEnregistrer, 11007},      {kEdAnnuler, 93},
        {kEdCouper, 11010},           {kEdColler, 11012},
        {kEdSupprimer, 11014},        {kEdEnregistrerSous, 11006},
        {kEdAppliquer, 11061},        {kEdImprimer, 11053},
        {kEdSelectionnerTout, 11002}, {kEdAide, 11050},
        {kEdListeDesPhrases, 11004},  {kEdFermerEditeur, 11411},
    };
    for (const auto& t : tableau)
        element(e, t.commande).legende = phraseDeNumero(t.phrase);
    const struct {
        CommandeEditeur copie, modele;
    } reprises[] = {
        {kEdOuvrirAutreTexte, kEdCharger},          {kEdFermerAutreTexte, kEdFermerEditeur},
        {kEdEnregistrerAutreTexte, kEdEnregistrer}, {kEdEnregistrerSousAutreTexte, kEdEnregistrerSous},
        {kEdImprimerAutreTexte, kEdImprimer},       {kEdAppliquerAutreTexte, kEdAppliquer},
    };
    for (const auto& r : reprises)
        element(e, r.copie).legende = element(e, r.modele).legende;
    element(e, kEdAppliquerAutreTexte).visible = false;
    element(e, kEdRefaire).visible = false;
    e.legendeAutreTexte = phraseDeNumero(11412);
}

// The five items of the second text follow whether it is open.
void activeElementsAutreTexte(TFenetreEditeur& e, bool actif) {
    for (const CommandeEditeur c :
         {kEdFermerAutreTexte, kEdEnregistrerAutreTexte, kEdEnregistrerSousAutreTexte, kEdImprimerAutreTexte,
          kEdAppliquerAutreTexte})
        element(e, c).actif = actif;
}

// A right-hand pane needs room: a narrow editor moves to the left edge and
// widens.
void elargitPourPanneau(TFenetreEditeur& e) {
    if (e.largeurClient >= 500) return;
    e.gauche = 0;
    e.largeurClient = 600;
    p::Rectangle cadre = p::cadreFenetre(e.fenetre);
    p::placeFenetre(e.fenetre, {0, cadre.haut, e.largeurClient, cadre.bas});
}

TfigureKalmetra* figureEditee(const TFenetreEditeur& e) {
    if (!figureExiste(e.numeroFigure)) return nullptr;
    TfigureKalmetra* f = figureDeNumero(e.numeroFigure);
    return f == e.figure ? f : nullptr;
}

TZoneTexte& zoneActive(TFenetreEditeur& e) {
    return e.focusAutreTexte ? e.memoAutreTexte : e.memo;
}

struct TexteLu {
    std::string nom, texte;
};

// The open-file dialog, the read (less than 65536 characters) and, for an
// invalid text, the user's Yes.
std::optional<TexteLu> litTexteChoisi() {
    TexteLu lu;
    lu.nom = demandeNomFichier(sansEtCommercial(phraseDeNumero(kPhraseCharger)), kFiltreK3v);
    if (lu.nom.empty()) return std::nullopt;
    if (litFichierDansTampon(lu.nom, lu.texte, kTailleLectureEditeur)) return std::nullopt;
    if (valideTexteFigureNouvelle(lu.texte) != 0 &&
        questionOuiNonAnnuler(lu.nom + "\r\n" + phraseDeNumero(kPhraseFichierIncorrect),
                              phraseDeNumero(kPhraseAttention), 2) != p::kReponseOui)
        return std::nullopt;
    return lu;
}

// A valid text, or the user's Yes to save an invalid one.
bool accepteEnregistrement(const std::string& texte) {
    if (valideTexteFigureNouvelle(texte) == 0) return true;
    return questionOuiNonAnnuler(phraseDeNumero(kPhraseEnregistrerIncorrect),
                                 phraseDeNumero(kPhraseAttention), 1) == p::kReponseOui;
}

// The lines of a text, one cell of the sibling's font apart, on as many
// pages as they need.
void imprimeLignes(const std::string& titre, const TZoneTexte& z, const char* marge) {
    p::TravailImpression travail(titre);
    if (!travail.ok()) return;
    const int32_t pas = haut(0);
    const int32_t hauteurPage = p::zoneImprimable().cy;
    p::ContexteDessin* dc = nullptr;
    int32_t y = 0;
    const std::size_t n = nombreLignesZone(z);
    for (std::size_t k = 0; k < n; ++k) {
        if (!dc || y + pas > hauteurPage) {
            if (dc) travail.terminePage();
            dc = travail.commencePage();
            y = 0;
            if (!dc) return;
        }
        EmessG(*dc, marge + ligneZone(z, k), 0, y);
        y += pas;
    }
    travail.termine();
}

// The second text is about to go: changes not saved yet are saved on Yes,
// dropped on No; false when the user cancels.
bool accepteQuitterAutreTexte(TFenetreEditeur& e) {
    if (!e.autreTexteModifie) return true;
    const int r =
        questionOuiNonAnnuler(phraseDeNumero(kPhraseAutreTexteModifie), phraseDeNumero(kPhraseAttention), 1);
    if (r != p::kReponseOui && r != p::kReponseNon) return false;
    if (r == p::kReponseOui) EnregistrerClick(e, true);
    return true;
}

void montreEditeur() {
    montreAnnexeAvecFocus(editeur());
}

void fermeEditeur() {
    fermeAnnexeModele(editeur());
}

void executeCommande(TFenetreEditeur& e, uint32_t c) {
    switch (c) {
    case kEdCharger:
        return ChargerClick(e);
    case kEdEnregistrer:
    case kEdEnregistrerAutreTexte:
        return EnregistrerClick(e, c == kEdEnregistrerAutreTexte);
    case kEdEnregistrerSous:
    case kEdEnregistrerSousAutreTexte:
        return EnregistrersousClick(e, c == kEdEnregistrerSousAutreTexte);
    case kEdImprimer:
    case kEdImprimerAutreTexte:
        return ImprimerClick(e, c == kEdImprimerAutreTexte);
    case kEdOuvrirAutreTexte:
        return OuvrirAutreTexteClick(e);
    case kEdFermerAutreTexte:
        return FermerAutreTexteClick(e);
    case kEdAppliquer:
    case kEdAppliquerAutreTexte:
        return AppliquerClick(e, c == kEdAppliquerAutreTexte);
    case kEdFermerEditeur:
        return FermerEditeurClick(e);
    case kEdAide:
        return Aide1Click(e);
    case kEdListeDesPhrases:
        return ListedesphrasesClick(e);
    case kEdAnnuler:
    case kEdRefaire:
    case kEdCouper:
    case kEdCopier:
    case kEdColler:
    case kEdSupprimer:
    case kEdSelectionnerTout:
        return commandeEditionEditeur(e, CommandeEditeur(c));
    default:
        return;
    }
}

int32_t procedureEditeur(p::Fenetre, uint32_t message, uint32_t wParam, int32_t) {
    TFenetreEditeur* e = fenetreEditeur();
    if (!e) return 0;
    switch (message) {
    case p::WM_COMMAND:
        executeCommande(*e, wParam);
        return 0;
    case p::WM_KEYDOWN:
        // Escape closes the editor as its close box does: asking first
        // when the text holds changes not applied.
        if (wParam == p::VK_ESCAPE) {
            FormCloseQuery(*e);
            return 1;
        }
        [[fallthrough]];
    case p::WM_RACCOURCI:
        return toucheEditeur(*e, wParam) ? 1 : 0;
    case p::WM_CHAR:
        caractereZone(zoneActive(*e), wParam);
        return 0;
    case kMessageNoeudArbre:
        ArborescenceDesPhrasesMouseDown(*e, int(wParam));
        return 0;
    case p::WM_SIZE:
        // The user sized the window: a pane opened later widens it from
        // the width it has now.
        e->largeurClient = p::rectangleClient(e->fenetre).largeur();
        return 0;
    case p::WM_CLOSE:
        FormCloseQuery(*e);
        return 0;
    case p::WM_PAINT:
        // The form's face under its controls, where the figure would show.
        p::peintFondFenetre(e->fenetre, p::brossePleine(p::kFaceFormulaire));
        return 0;
    default:
        return 0;
    }
}

} // namespace

TFenetreEditeur* fenetreEditeur() {
    return editeur().get();
}

void KMAfficheEditeurFigurePourNumero(int16_t numero) {
    TfigureKalmetra* const figure = figurePourEditeur(numero, editeur());
    if (!figure) return;
    TfigureKalmetra& f = *figure;
    const bool enAttente = f.texteEnAttente != nullptr;
    // The pending text is a NUL-terminated block handed over by the host.
    const std::string texte = enAttente ? std::string(f.texteEnAttente->c_str()) : ecritTexteFigure(f);

    auto e = std::make_unique<TFenetreEditeur>();
    e->fenetre =
        p::creeFenetre(p::kAucuneFenetre, {0, 0, kLargeurEditeur, kHauteurEditeur}, procedureEditeur, false);
    legendes(*e);
    activeElementsAutreTexte(*e, false);
    e->memo.longueurMax = e->memoAutreTexte.longueurMax = kLongueurMaxEditeur;
    e->memo.modifie = &e->texteModifie;
    e->memoAutreTexte.modifie = &e->autreTexteModifie;
    fixeTexteZone(e->memo, texte);
    oublieAnnulationsZone(e->memo);
    e->figure = &f;
    e->numeroFigure = uint8_t(numero);
    e->titre = f.titreFenetre + phraseDeNumero(kPhraseEditionTexte);
    p::changeTitreFenetre(e->fenetre, e->titre);
    e->texteModifie = e->autreTexteModifie = 0;
    TTableDesVariablesPartagees& t = *TQTableDesVariablesPartagees();
    t.codeAnnexe = kAnnexeEditeurFigure;
    t.fenetreAnnexe = e->fenetre;
    e->arbre = arbreDesPhrases();
    selectionneZone(e->memo, 0, 0);
    attacheFenetreAFigure(numero, e->fenetre);
    lieFormeEditeurFigure(*e);
    editeur() = std::move(e);
    inscritOperationsAnnexe(kAnnexeEditeurFigure, {montreEditeur, fermeEditeur});
    montreEditeur();
    if (enAttente) {
        f.texteEnAttente.reset();
        AppliquerClick(*fenetreEditeur());
    }
}

void AppliquerClick(TFenetreEditeur& e, bool autre) {
    TfigureKalmetra* f = figureEditee(e);
    if (!f) return;
    TZoneTexte& z = autre ? e.memoAutreTexte : e.memo;
    const uint32_t fond = f->couleurFond;
    uint16_t ligne = 0;
    bool ok = false;
    {
        // A text that writes the figure as it was is no change, nor an undo step.
        const SurveillanceModification surveillance(int16_t(f->numeroFigure));
        const JugeModification juge(*f);
        ok = appliqueTexteAFigure(*f, z.texte, true, &ligne);
        f->couleurFond = fond;
    }
    if (ok) {
        fenetreCommuneFermee(e.fenetre); // the mother window closes it
        return;
    }
    if (ligne == 0) return; // the user declined a text that ran
    e.focusAutreTexte = autre;
    e.focusArbre = false;
    p::donneFocus(e.fenetre);
    const std::size_t debut = debutLigneZone(z, ligne - 1u);
    selectionneZone(z, debut, ligneZone(z, ligne - 1u).size());
}

void ChargerClick(TFenetreEditeur& e) {
    // The file replaces the whole text: changes not applied yet are dropped
    // only when the user says so (No is the default).
    if (e.texteModifie && questionOuiNonAnnuler(phraseDeNumero(kPhraseChargerSurTexteModifie),
                                                phraseDeNumero(kPhraseAttention), 2) != p::kReponseOui)
        return;
    const std::optional<TexteLu> lu = litTexteChoisi();
    if (!lu) return;
    fixeTexteZone(e.memo, lu->texte);
}

void EnregistrerClick(TFenetreEditeur& e, bool autre) {
    std::string nom;
    if (autre) {
        nom = e.nomAutreTexte;
    } else if (const TfigureKalmetra* f = figureEditee(e)) {
        nom = f->cheminFichier;
    }
    if (nom.empty() || !p::fichierExiste(nom)) return EnregistrersousClick(e, autre);
    const TZoneTexte& z = autre ? e.memoAutreTexte : e.memo;
    if (!accepteEnregistrement(z.texte)) return;
    TQEnregistreTexte(z.texte.c_str(), nom);
}

void EnregistrersousClick(TFenetreEditeur& e, bool autre) {
    const TZoneTexte& z = autre ? e.memoAutreTexte : e.memo;
    if (!accepteEnregistrement(z.texte)) return;
    EnregistreTexteSous(z.texte.c_str(), "k3v");
}

void ImprimerClick(TFenetreEditeur& e, bool autre) {
    if (autre) return imprimeLignes(e.nomAutreTexte, e.memoAutreTexte, "");
    const TfigureKalmetra* f = figureEditee(e);
    imprimeLignes(f ? f->titreFenetre : e.titre, e.memo, kMargeImpression);
}

void OuvrirAutreTexteClick(TFenetreEditeur& e) {
    // Another file replaces the second text: its changes not saved yet are
    // saved or dropped as the user says, as when it closes.
    if (e.panneauAutreTexteVisible && !accepteQuitterAutreTexte(e)) return;
    const std::optional<TexteLu> lu = litTexteChoisi();
    if (!lu) return;
    fixeTexteZone(e.memoAutreTexte, lu->texte);
    if (e.arbreVisible) {
        element(e, kEdListeDesPhrases).coche = false;
        e.arbreVisible = false;
    }
    elargitPourPanneau(e);
    e.largeurMemo = e.largeurClient / 2;
    e.nomAutreTexte = coupe(lu->nom, 255);
    e.libelleNomAutreTexte = e.nomAutreTexte.size() > kLibelleNomMax
                                 ? "..." + e.nomAutreTexte.substr(e.nomAutreTexte.size() - kFinNomMontree)
                                 : e.nomAutreTexte;
    e.bulleNomAutreTexte = e.nomAutreTexte;
    e.separateurVisible = e.panneauAutreTexteVisible = true;
    activeElementsAutreTexte(e, true);
    e.autreTexteModifie = 0;
}

void FermerAutreTexteClick(TFenetreEditeur& e) {
    if (!e.panneauAutreTexteVisible) return;
    if (!accepteQuitterAutreTexte(e)) return;
    e.autreTexteModifie = 0;
    e.panneauAutreTexteVisible = e.separateurVisible = false;
    e.focusAutreTexte = false;
    e.largeurMemo = 0;
    activeElementsAutreTexte(e, false);
}

void ListedesphrasesClick(TFenetreEditeur& e) {
    TElementMenuEditeur& item = element(e, kEdListeDesPhrases);
    if (item.coche) {
        item.coche = false;
        e.arbreVisible = e.separateurVisible = false;
        e.largeurMemo = 0;
        return;
    }
    FermerAutreTexteClick(e);
    if (e.autreTexteModifie) return;
    item.coche = true;
    elargitPourPanneau(e);
    e.largeurMemo = e.largeurClient - kLargeurArbre;
    e.arbreVisible = e.separateurVisible = true;
}

void ArborescenceDesPhrasesMouseDown(TFenetreEditeur& e, int noeud) {
    if (noeud < 0 || std::size_t(noeud) >= e.arbre.size()) return;
    const bool dejaSelectionne = e.noeudSelectionne == noeud;
    e.noeudSelectionne = noeud;
    if (e.arbre[std::size_t(noeud)].aDesEnfants || !dejaSelectionne) return;
    std::string t = coupe(e.arbre[std::size_t(noeud)].texte, 255);
    if (t.empty() || t[0] == '%') return;
    if (const std::size_t pourcent = t.find('%'); pourcent != std::string::npos) t.resize(pourcent);
    TZoneTexte& z = e.memo;
    if (!t.starts_with("...")) {
        // A sentence: a new line before the caret's line.
        const std::size_t debut = debutLigneZone(z, ligneDePosition(z, z.debutSelection));
        selectionneZone(z, debut, 0);
        remplaceSelection(z, t + "\r\n");
        return;
    }
    // A word, at the caret in place of the selection, through the clipboard.
    if (t.size() < 6) return;
    const std::string mot = coupe(t.substr(3, t.size() - 6), kMotMax);
    if (z.texte.size() - z.longueurSelection + mot.size() > z.longueurMax) return;
    if (p::copieTexteDansPressePapiers(e.fenetre, mot))
        colleZone(z);
    else
        remplaceSelection(z, mot);
}

void commandeEditionEditeur(TFenetreEditeur& e, CommandeEditeur c) {
    TZoneTexte& z = zoneActive(e);
    switch (c) {
    case kEdAnnuler:
        return annuleZone(z);
    case kEdRefaire:
        return retablisZone(z);
    case kEdCouper:
        return coupeZone(z, e.fenetre);
    case kEdCopier:
        // The text the user selected: that of the second text when it has
        // the focus, as cut does.
        return copieZone(z, e.fenetre);
    case kEdColler:
        return colleZone(z);
    case kEdSupprimer:
        return effaceSelectionZone(z);
    case kEdSelectionnerTout:
        return toutSelectionnerZone(z);
    default:
        return;
    }
}

bool toucheEditeur(TFenetreEditeur& e, uint32_t touche) {
    if (!p::ctrlEnfoncee() || p::altEnfoncee()) return false;
    if (touche == 'Z')
        commandeEditionEditeur(e, p::majEnfoncee() ? kEdRefaire : kEdAnnuler);
    else if (touche == 'Y')
        commandeEditionEditeur(e, kEdRefaire);
    else
        return false;
    return true;
}

void Aide1Click(TFenetreEditeur& e) {
    appelleAideKM32(e.fenetre, 1, kAideEditeurFigure);
}

bool FormCloseQuery(TFenetreEditeur& e) {
    if (TQTableDesVariablesPartagees()->annexeEnFermeture) return true;
    if (e.texteModifie && questionOuiNonAnnuler(phraseDeNumero(kPhraseEditeurModifie),
                                                phraseDeNumero(kPhraseAttention), 1) != p::kReponseOui)
        return false;
    if (!accepteQuitterAutreTexte(e)) return false;
    fenetreCommuneFermee(e.fenetre); // the mother window closes it
    return true;
}

void FermerEditeurClick(TFenetreEditeur& e) {
    FormCloseQuery(e);
}

void reinitialiseEditeurFigure() {
    fermeEditeur();
}

} // namespace km32
