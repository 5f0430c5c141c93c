#include "host/fenetres/dialogue/preparation_dialogue.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "base/texte.h"
#include "host/fenetres/dialogue/modeles_dialogue.h"
#include "model/catalogue.h"
#include "model/dialogue_figure.h"
#include "model/nombres_texte.h"
#include "model/objets_figure.h"
#include "model/texte_math.h"
#include "model/procedures_texte.h"
#include "model/prototypes/prototypes.h"
#include "phrases/phrase.h"
#include "text/descriptions_objets.h"

namespace km32 {

namespace {

constexpr uint16_t kInviteRepere = 4258, kInviteUnite = 4259, kInviteUniteAngle = 4260;
constexpr uint16_t kInviteDemiPlan = 4253, kPhraseOuvert = 2490, kPhraseFerme = 2491;
constexpr uint16_t kInviteModifiableParTouches = 4292, kInviteCopieCouleur = 4037;
constexpr uint16_t kInvitePlanDeFace = 4263, kInviteImpressionCouleur = 4248;
constexpr uint16_t kInviteUniteReference = 4249;
constexpr uint16_t kSousTitreDoubleCadre = 4076;
constexpr uint16_t kTitreDesCommandes = 4500;
constexpr uint16_t kInviteNomObjet = 4286;       // "Nom de l'objet:"
constexpr uint16_t kGenreReponseExpression = 98; // any text, edited as an expression
constexpr uint8_t kLongueurReponse = 80;

bool estCommandePrototype(uint16_t c) {
    return c >= kPremiereCommandePrototype && c <= kDerniereCommandePrototype;
}

// An option list with the entry of a modified object first, then the other
// entries of the list in their order.
std::string choixEnTete(const std::string& choisi, const std::string& liste) {
    std::string reste;
    std::size_t debut = 0;
    while (debut <= liste.size()) {
        const std::size_t fin = std::min(liste.find(';', debut), liste.size());
        const std::string e = liste.substr(debut, fin - debut);
        if (e != choisi && !e.empty()) reste += ";" + e;
        debut = fin + 1;
    }
    return coupe(choisi + reste, kLongueurReponse);
}

// The list with the chosen entry first: the chosen object, or the built-in
// one when none is chosen or its access is forbidden; then the built-in one
// when it is not the first; then the user objects of the kind.
std::string listeDeNature(const TfigureKalmetra& f, uint8_t choisi, int predefini, uint8_t nature) {
    int premier = choisi;
    if (premier <= 0 || premier > f.nombreObjets || accesInterdit(objet(f, premier))) premier = predefini;
    std::string liste = nomObjet(f, premier);
    if (premier != predefini) liste += ";" + nomObjet(f, predefini);
    for (int i = kObjetsPredefinis + 1; i <= f.nombreObjets; ++i) {
        const TObjetFigure& o = objet(f, i);
        if (i != premier && o.nature == nature && !accesInterdit(o)) liste += ";" + nomObjet(f, i);
    }
    return liste;
}

// Line 0 or the appended line as an option list.
void ligneOptions(TLigneDialogue& l, uint16_t invite, const std::string& entrees) {
    l.phraseInvite = invite;
    l.reponse = coupe(entrees, kLongueurReponse);
    l.longueurReponse = uint8_t(std::min<std::size_t>(longueurPlusLongueEntree(entrees), 255));
}

std::string ouiNon(bool oui) {
    return oui ? phraseDeNumero(kPhraseOui) + ";" + phraseDeNumero(kPhraseNon)
               : phraseDeNumero(kPhraseNon) + ";" + phraseDeNumero(kPhraseOui);
}

// The letter of a picture-copy setting (choice letter first, unit letter
// second).
char lettreReglage(const std::string& reglage, std::size_t k, char defaut) {
    return k < reglage.size() ? reglage[k] : defaut;
}

// The second list of the keyboard-step dialog, in words, the present
// choice first: for a point on a segment, a circle or an arc, the length of
// that object or the unit Uxyz; for a point on a half-line or a line, the
// unit of that line or Uxyz; for a free number in an interval, looped or
// not. Empty for the other free objects, whose step has neither.
std::string choixDuPilotage(const TfigureKalmetra& f, int k) {
    const TObjetFigure& o = objet(f, k);
    const auto deux = [](uint16_t premier, uint16_t second, const std::string& nom) {
        return phraseAvecParametres(premier, nom) + ";" + phraseAvecParametres(second, nom);
    };
    // The object the point runs on, as a figure line names it.
    std::string support;
    if (o.nombreParents >= 1 && o.codeConstruction >= 3 && o.codeConstruction <= 7) {
        bool boucle = false;
        std::string operandes = phraseDefinitionObjet(f, k, 255, false, false, boucle);
        coupeAuSeparateur(operandes, 80, support);
    }
    const bool alternative = pasEnUniteAlternative(o);
    switch (o.codeConstruction) {
    case 3:
    case 6:
    case 7: {
        const uint16_t longueur = o.codeConstruction == 3   ? kPhraseLongueurSegment
                                  : o.codeConstruction == 6 ? kPhraseLongueurCercle
                                                            : kPhraseLongueurArc;
        return alternative ? deux(kPhraseUniteUxyz, longueur, support)
                           : deux(longueur, kPhraseUniteUxyz, support);
    }
    case 4:
    case 5:
        return alternative ? deux(kPhraseUniteDe, kPhraseUniteUxyz, support)
                           : deux(kPhraseUniteUxyz, kPhraseUniteDe, support);
    case 44:
    case 45:
        return pilotageEnBoucle(o) ? deux(kPhraseBoucle, kPhraseNonBoucle, {})
                                   : deux(kPhraseNonBoucle, kPhraseBoucle, {});
    default:
        return {};
    }
}

// Line 0 of the yes/no dialogs and the reference-unit line of the copies.
void optionsOuiNon(TfigureKalmetra& f, TDialogueObjet& d, uint16_t commande) {
    bool oui = false;
    uint16_t invite = kInviteModifiableParTouches;
    if (commande == kCommandeCopieAjustee || commande == kCommandeImpression) {
        const std::string& reglage = commande == kCommandeCopieAjustee ? f.texteCopie : f.texteImpression;
        invite = commande == kCommandeCopieAjustee ? kInviteCopieCouleur : kInviteImpressionCouleur;
        oui = lettreReglage(reglage, 0, 'C') == 'C';
        if (f.imageLimitee) d.phraseSousTitre = kSousTitreDoubleCadre;
        const bool largeur = lettreReglage(reglage, 1, 'F') == 'F';
        const std::string a = phraseDeNumero(kPhraseLargeurImage), b = phraseDeNumero(kPhraseUniteUxyz);
        if (d.nombreLignes < kMaxLignesDialogue) {
            ligneOptions(d.lignes[d.nombreLignes + 1], kInviteUniteReference,
                         largeur ? a + ";" + b : b + ";" + a);
            d.ligneUniteAjoutee = d.listeUnitesVisible = d.listeUnitesADroite = 1;
        }
    } else if (commande == kCommandePlanIsole) {
        invite = kInvitePlanDeFace;
        oui = f.tourneVersPlanIsole != 0;
    } else if (commande == kCommandePilotage) {
        const int k = f.objetLibreActif;
        const bool pilote = k > kObjetsPredefinis && k <= f.nombreObjets;
        oui = pilote && !pasNonModifiable(objet(f, k));
        // The unit of the step, or the loop choice, follows the step.
        const std::string choix = pilote ? choixDuPilotage(f, k) : std::string();
        if (!choix.empty() && d.nombreLignes < kMaxLignesDialogue) {
            ligneOptions(d.lignes[d.nombreLignes + 1], 0, choix);
            d.ligneUniteAjoutee = d.listeUnitesVisible = d.listeUnitesADroite = 1;
        }
    }
    ligneOptions(d.lignes[0], invite, ouiNon(oui));
}

void ligneZero(TfigureKalmetra& f, TDialogueObjet& d, uint16_t commande, bool modification) {
    TLigneDialogue& l = d.lignes[0];
    switch (d.genreOptions) {
    case '.':
        if (!sansRepereUtilisateur(f))
            ligneOptions(l, kInviteRepere,
                         modification && !l.reponse.empty() ? l.reponse : listeDesReperes(f));
        break;
    case '/':
        if (!sansUniteDeLongueurAccessible(f))
            ligneOptions(l, kInviteUnite,
                         modification && !l.reponse.empty() ? l.reponse : listeDesUnitesDeLongueur(f));
        break;
    case '0': {
        const std::string deg = phraseDeNumero(kPhraseDegre), rad = phraseDeNumero(kPhraseRadian);
        ligneOptions(l, kInviteUniteAngle,
                     modification && !l.reponse.empty() ? l.reponse
                     : f.anglesEnDegresParDefaut        ? deg + ";" + rad
                                                        : rad + ";" + deg);
        l.longueurReponse = uint8_t(std::max(deg.size(), rad.size()));
        break;
    }
    case '1':
        optionsOuiNon(f, d, commande);
        break;
    case '2':
        ligneOptions(l, kInviteDemiPlan, phraseDeNumero(kPhraseOuvert) + ";" + phraseDeNumero(kPhraseFerme));
        break;
    default:
        break;
    }
}

// The answer lines of a prototype use: one per given object, the result's
// name last.
uint16_t genreDeNature(uint8_t nature) {
    switch (nature) {
    case 1:
        return 1;
    case 3:
        return 12;
    case 5:
        return 3;
    case 6:
        return 4;
    case 7:
        return 5;
    case 8:
    case 14:
        return 98;
    case 9:
        return 83;
    case 10:
        return 90;
    case 15:
        return 14;
    case 23:
        return 107;
    case 24:
        return 108;
    case 25:
        return 24;
    case 26:
        return 28;
    case 27:
        return 25;
    case 28:
        return 8;
    case 29:
        return 111;
    case 30:
        return 109;
    case 32:
        return 110;
    default:
        return 0;
    }
}

void lignesDePrototype(const TfigureKalmetra& f, TDialogueObjet& d, bool garderReponses) {
    const TPrototype* p = prototypeDe(f, d.numeroPrototype);
    if (!p) return;
    const int n = std::min<int>(p->nombreDonnes + 1, kMaxLignesDialogue - 1);
    d.nombreLignes = uint8_t(n);
    for (int i = 1; i <= n; ++i) {
        TLigneDialogue& l = d.lignes[std::size_t(i)];
        const bool nom = i == n;
        const uint8_t nature = nom ? 0 : p->natures[std::size_t(i)];
        l.phraseInvite = 1;
        l.texteInvite = coupe(p->invites[std::size_t(i)], kLongueurReponse);
        l.reponseACote = 1;
        l.longueurReponse = nom ? 4 : nature == 3 ? 8 : (nature == 8 || nature == 14) ? 80 : 4;
        l.genreReponse = nom ? 0 : genreDeNature(nature);
        l.champExpression = !nom && (nature == 8 || nature == 14);
        if (!garderReponses) l.reponse.clear();
    }
}

// The step of the keyboard-driven object: the expression of its step
// formula, or its value when the formula is a constant.
std::string pasDuPilote(const TfigureKalmetra& f) {
    const int k = f.objetLibreActif;
    if (k <= kObjetsPredefinis || k > f.nombreObjets) return {};
    const TObjetFigure& o = objet(f, k);
    const int formule = (o.codeConstruction == 44 || o.codeConstruction == 45) ? 3 : 1;
    if (o.nombreExpressions >= formule) {
        const int r = numeroExpressionObjet(f, k, formule);
        if (!expressionParametre(f, r).constante) {
            std::string texte;
            ligneEnTexteMath(f, r, false, texte);
            return coupe(texte, kLongueurReponse);
        }
    }
    return o.nombreValeurs >= 1 ? texteDeReel(valeurObjet(f, k, o.nombreValeurs)) : std::string();
}

} // namespace

std::size_t longueurPlusLongueEntree(const std::string& liste) {
    std::size_t plus = 0, debut = 0;
    while (debut <= liste.size()) {
        const std::size_t fin = std::min(liste.find(';', debut), liste.size());
        plus = std::max(plus, fin - debut);
        debut = fin + 1;
    }
    return plus;
}

std::string listeDesReperes(const TfigureKalmetra& f) {
    return listeDeNature(f, f.dernierRepereDialogue, 1, kNatureRepere);
}

std::string listeDesUnitesDeLongueur(const TfigureKalmetra& f) {
    return listeDeNature(f, f.derniereUniteDialogue, 2, kNatureUniteDeLongueur);
}

std::string nomLibrePropose(const TfigureKalmetra& f, const std::string& prefixe) {
    for (int k = 0;; ++k) {
        const std::string nom = prefixe + std::to_string(k);
        if (numeroObjetDeNotation(f, nom) == 0) return nom;
    }
}

void libereDialogue(TfigureKalmetra& f) {
    f.dialogue.reset();
}

std::string texteSousTitre(const TfigureKalmetra& f, const TDialogueObjet& d) {
    if (d.phraseSousTitre == 0) return {};
    const int k = f.objetLibreActif;
    if (d.commande == kCommandePilotage && k > kObjetsPredefinis && k <= f.nombreObjets)
        return phraseAvecParametres(d.phraseSousTitre, nomObjet(f, k));
    return phraseDeNumero(d.phraseSousTitre);
}

// A construction that has no row of its own (reached by modifying an
// object): one line per operand of its sentence pattern, in the order of the
// operands, then the name. Each prompt is the pattern with "?" at the
// operand's place and "…" at the others'.
void lignesDuPatron(TDialogueObjet& d, uint8_t code) {
    const std::string patron = phraseDeNumero(phraseDeConstruction(code, false));
    std::vector<int> marques;
    for (std::size_t p = 0; p + 1 < patron.size(); ++p)
        if (patron[p] == '#' && patron[p + 1] >= '1' && patron[p + 1] <= '9')
            marques.push_back(patron[p + 1] - '0');
    if (marques.empty()) return;
    // The name opens the pattern ("#4 intersection de ..."), else it is the
    // last operand.
    const int nom =
        patron.rfind("#", 0) == 0 ? marques.front() : *std::max_element(marques.begin(), marques.end());
    std::string corps = patron;
    if (patron.rfind("#", 0) == 0) corps = patron.substr(std::min<std::size_t>(patron.size(), 3));
    std::vector<int> operandes;
    for (int k : marques)
        if (k != nom) operandes.push_back(k);
    std::sort(operandes.begin(), operandes.end());
    for (int k : operandes) {
        if (d.nombreLignes >= kMaxLignesDialogue - 1) break;
        std::string invite;
        for (std::size_t p = 0; p < corps.size(); ++p) {
            if (corps[p] == '#' && p + 1 < corps.size() && corps[p + 1] >= '1' && corps[p + 1] <= '9') {
                invite += corps[p + 1] - '0' == k ? "?" : "\x85";
                ++p;
            } else {
                invite += corps[p];
            }
        }
        ajouteLigneDialogue(d, 1, kLongueurReponse, kGenreReponseExpression);
        TLigneDialogue& l = d.lignes[d.nombreLignes];
        l.texteInvite = coupe(invite, kLongueurReponse);
        reponseSousInvite(d);
    }
    ajouteLigneDialogue(d, kInviteNomObjet, 4, 0);
}

void prepareDialogueCommande(TfigureKalmetra& f) {
    const uint16_t commande = f.commandeDialogue;
    const bool modification = f.commandeDialoguePrecedente == kCommandeModifier;
    if (modification && f.dialogue && f.dialogue->avecPrototype) return;
    if (!modification || !f.dialogue) f.dialogue = std::make_unique<TDialogueObjet>();
    TDialogueObjet& d = *f.dialogue;
    const bool prototype = estCommandePrototype(commande);
    d.avecPrototype = prototype;
    if (prototype) d.numeroPrototype = uint8_t(commande - 1000);
    d.phraseTitre = d.phraseSousTitre = 0;
    d.genreOptions = '-';
    d.ligneUniteAjoutee = d.listeUnitesVisible = d.listeUnitesADroite = 0;
    d.ligneCourante = 1;
    d.nombreLignes = 0;
    d.commande = prototype ? kCommandeUsagePrototype : commande;
    d.texteExpression.clear();
    d.ligneErreur = d.demandeUnite = 0;
    for (TLigneDialogue& l : d.lignes) {
        l.phraseInvite = 0;
        l.reponseACote = 1;
        l.genreReponse = 0;
        l.champExpression = 0;
        if (!modification) {
            l.longueurReponse = 0;
            l.reponse.clear();
        }
    }
    if (commande < 1000) d.phraseTitre = uint16_t(kTitreDesCommandes + commande);
    if (prototype) {
        lignesDePrototype(f, d, modification);
        return;
    }
    const TModeleDialogue* m = modeleDialogue(commande);
    if (!m) {
        if (commande >= 1 && commande <= 255 && existeConstruction(uint8_t(commande)))
            lignesDuPatron(d, uint8_t(commande));
        return;
    }
    d.genreOptions = m->options;
    d.phraseSousTitre = m->sousTitre;
    for (int k = 0; k < m->nombreLignes; ++k) {
        const TLigneModeleDialogue& l = m->lignes[k];
        ajouteLigneDialogue(d, l.phraseInvite, l.longueur, l.genre);
        if (l.sousInvite) reponseSousInvite(d);
    }
    if (m->prefixeNom[0] != '\0' && d.lignes[d.nombreLignes].reponse.empty())
        d.lignes[d.nombreLignes].reponse = nomLibrePropose(f, m->prefixeNom);
    ligneZero(f, d, commande, modification);
    if (commande == kCommandePilotage) {
        d.listeUnitesADroite = 1;
        if (d.nombreLignes >= 1 && d.lignes[1].reponse.empty()) d.lignes[1].reponse = pasDuPilote(f);
    }
    if (m->ligneUnite && !sansUniteDeLongueurAccessible(f) && d.nombreLignes < kMaxLignesDialogue) {
        TLigneDialogue& l = d.lignes[d.nombreLignes + 1];
        // A modified object's unit comes first, the others after it.
        const std::string unite = modification ? l.reponse.substr(0, l.reponse.find(';')) : std::string();
        ligneOptions(l, kInviteUnite,
                     unite.empty() ? listeDesUnitesDeLongueur(f)
                                   : choixEnTete(unite, listeDesUnitesDeLongueur(f)));
        l.longueurReponse = 4;
        d.ligneUniteAjoutee = 1;
    }
}

void prepareDialogueObjet(TfigureKalmetra& f) {
    const int i = f.objetDialogue;
    if (i < 1 || i > f.nombreObjets) return;
    std::string operandes = phraseDefinitionParConstruction(f, i);
    const TObjetFigure& o = objet(f, i);
    f.commandeDialogue = o.codeConstruction;
    f.dialogue = std::make_unique<TDialogueObjet>();
    TDialogueObjet& d = *f.dialogue;
    const bool texteAffiche = o.codeConstruction == construction::kAffichageTexte && o.numeroPrototype == 0;
    auto suivant = [&operandes, texteAffiche] {
        std::string a;
        coupeAuSeparateur(operandes, 255, a);
        // The text of a text shown is offered as it is, ";" and "ÿ" included.
        if (texteAffiche) {
            retablitPointsVirgules(a, std::string::npos);
            a = demasqueOctets255(a);
        }
        return coupe(a, kLongueurReponse);
    };
    if (o.numeroPrototype >= 1 && o.numeroPrototype <= 50) {
        d.avecPrototype = 1;
        d.numeroPrototype = o.numeroPrototype;
        f.commandeDialogue = uint16_t(1000 + o.numeroPrototype);
        d.commande = kCommandeUsagePrototype;
        lignesDePrototype(f, d, false);
        for (int k = 1; k <= d.nombreLignes; ++k)
            d.lignes[std::size_t(k)].reponse = suivant();
        return;
    }
    const TModeleDialogue* m = modeleDialogue(f.commandeDialogue);
    const char options = m ? m->options : '-';
    // The two-point intersections carry no solution number in their dialog
    // form: their last answer names the solutions instead.
    if (options == '.' || options == '/') {
        const std::string choisi = suivant();
        const bool avecListe = options == '.' ? !sansRepereUtilisateur(f) : !sansUniteDeLongueurAccessible(f);
        if (avecListe)
            d.lignes[0].reponse =
                choixEnTete(choisi, options == '.' ? listeDesReperes(f) : listeDesUnitesDeLongueur(f));
    } else if (options == '0') {
        const std::string unite = suivant();
        const std::string deg = phraseDeNumero(kPhraseDegre), rad = phraseDeNumero(kPhraseRadian);
        d.lignes[0].reponse = unite + ";" + (unite == deg ? rad : deg);
    }
    d.ligneCourante = 0;
    while (!operandes.empty() && d.ligneCourante < kMaxLignesDialogue) {
        ++d.ligneCourante;
        d.lignes[d.ligneCourante].reponse = suivant();
    }
}

} // namespace km32
