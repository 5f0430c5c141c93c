#include "text/execution_dialogue.h"

#include <cmath>

#include "base/garde.h"
#include "base/texte.h"
#include "drawing/clavier.h"
#include "drawing/clavier_partage.h"
#include "drawing/donnees_dessin.h"
#include "drawing/impression_figure.h"
#include "drawing/vue_animee.h"
#include "drawing/vue_operations.h"
#include "model/calcul/calcul_objet.h"
#include "drawing/bloc_dessin.h"
#include "model/catalogue.h"
#include "model/evaluation_expression.h"
#include "model/expression_erreurs.h"
#include "model/messages.h"
#include "model/objets_figure.h"
#include "model/procedures_texte.h"
#include "text/prototypes_texte.h"
#include "model/services_dessin.h"
#include "model/services_hote.h"
#include "model/vecteurs.h"
#include "phrases/phrase.h"
#include "platform/minuteries.h"
#include "text/affectation_libres.h"
#include "text/annulation.h"
#include "text/executeur_construction.h"
#include "text/execution_creation.h"
#include "text/garde_demarrage.h"
#include "text/instantanes_figure.h"
#include "text/lignes_reglages.h"
#include "text/noms_objets.h"
#include "text/operandes_objets.h"

namespace km32 {

namespace {

constexpr uint8_t kModeDialogue = 4;
constexpr uint16_t kPhraseOui = 4405, kPhraseLargeurImage = 4407, kPhraseUniteUxyz = 4411,
                   kPhraseNonBoucle = 4414;
constexpr uint16_t kErreurNonModifiable = 606, kErreurPiloteInterdit = 621, kErreurRappelLimite = 663;
constexpr uint16_t kErreurPasConvexe = 661, kErreurAffichageLimite = 657;
constexpr uint16_t kErreurPlanNonValide = 476, kErreurProjectionOrthogonale = 669;
constexpr uint32_t kMinuterieHorloge = 271;

std::string champSuivant(std::string& texte) {
    std::string champ;
    coupeAuSeparateur(texte, 80, champ);
    return champ;
}

void marqueLigne(TfigureKalmetra& f, uint8_t ligne) {
    if (f.dialogue) f.dialogue->ligneErreur = ligne;
}

// A value of the text, checked against an integer range or a bound: 624 on
// the line otherwise.
bool valeurVerifiee(TfigureKalmetra& f, const std::string& texte, double bas, double haut, bool entiere,
                    uint8_t ligne, double& valeur) {
    uint16_t erreur = 0;
    evalueExpressionTexte(f, texte, kModeDialogue, erreur, valeur);
    if (erreur == 0 && (valeur < bas || valeur > haut || (entiere && valeur != std::floor(valeur))))
        erreur = kErreurValeurIncorrecte;
    if (erreur == 0) return true;
    nomErreur1() = texte;
    afficheErreurDeNumero(erreur);
    marqueLigne(f, ligne);
    return false;
}

// The object of command 91.
bool choisitObjetAModifier(TfigureKalmetra& f, const std::string& texte) {
    std::string nom = texte;
    oteEspacesBouts(nom);
    const int i = numeroObjetDeNotation(f, nom);
    nomErreur1() = nom;
    uint16_t erreur = 0;
    if (i == 0)
        erreur = kErreurNomInconnu;
    else if (i <= kObjetsPredefinis)
        erreur = kErreurNonModifiable;
    else if (accesInterdit(objet(f, i)))
        erreur = kErreurAccesInterdit;
    else if (protegeARappelLimite(objet(f, i)))
        erreur = kErreurRappelLimite;
    if (erreur != 0) {
        afficheErreurDeNumero(erreur);
        marqueLigne(f, 1);
        return false;
    }
    f.objetDialogue = uint8_t(i);
    // A function given by values is modified in its own window, which opens
    // on this object's name and table.
    if (objet(f, i).codeConstruction == construction::kFonctionParValeurs) f.objetARedefinir = uint8_t(i);
    return true;
}

bool creePrototypeDuDialogue(TfigureKalmetra& f) {
    const TDialogueObjet& d = *f.dialogue;
    TReponsesPrototype r;
    r.titre = d.lignes[1].reponse;
    r.donnes = d.lignes[2].reponse;
    r.resultat = d.lignes[3].reponse;
    r.phraseModele = d.lignes[4].reponse;
    uint8_t etape = 0;
    if (creePrototypeDeReponses(f, r, etape)) return true;
    marqueLigne(f, etape);
    return false;
}

bool rythmeHorloge(TfigureKalmetra& f) {
    double v = 0;
    if (!valeurVerifiee(f, f.dialogue->lignes[1].reponse, 50, 60000, true, 1, v)) return false;
    const auto intervalle = uint16_t(v);
    if (intervalle != f.intervalleHorloge) {
        f.intervalleHorloge = intervalle;
        if (f.horlogeEnMarche && f.fenetreDessin != 0) {
            platform::arreteMinuterie(f.fenetreDessin, kMinuterieHorloge);
            platform::lanceMinuterie(f.fenetreDessin, kMinuterieHorloge, intervalle);
        }
    }
    return true;
}

// The settings of an adjusted copy (124) or a print (301): choice letter
// and unit letter.
std::string reglageCopie(const TDialogueObjet& d) {
    std::string r;
    r += d.lignes[0].reponse.rfind(phraseDeNumero(kPhraseOui), 0) == 0 ? 'C' : 'N';
    const TLigneDialogue& u = d.lignes[std::size_t(std::min(d.nombreLignes + 1, kMaxLignesDialogue))];
    r += u.reponse.rfind(phraseDeNumero(kPhraseLargeurImage), 0) == 0 ? 'F' : 'U';
    return r;
}

bool copieAjustee(TfigureKalmetra& f) {
    double v = 0;
    if (!valeurVerifiee(f, f.dialogue->lignes[1].reponse, -1e300, 500, true, 1, v)) return false;
    f.texteCopie = reglageCopie(*f.dialogue);
    f.valeurCopie = int32_t(v);
    return true;
}

bool impression(TfigureKalmetra& f, const std::string& texte) {
    double v = 0;
    if (!valeurVerifiee(f, f.dialogue->lignes[1].reponse, 1, 500, true, 1, v)) return false;
    if (!copieImageAjustee(f, texte)) {
        f.dialogue->ligneCourante = 1;
        return false;
    }
    f.texteImpression = reglageCopie(*f.dialogue);
    f.valeurImpression = int32_t(v);
    return true;
}

bool parametresProjection(TfigureKalmetra& f) {
    double a = 0, b = 0;
    if (!valeurVerifiee(f, f.dialogue->lignes[1].reponse, -2, 2, false, 1, a)) return false;
    if (!valeurVerifiee(f, f.dialogue->lignes[2].reponse, -2, 2, false, 2, b)) return false;
    if (std::fabs(a) < 1e-6 && std::fabs(b) < 1e-6) {
        afficheErreurDeNumero(kErreurProjectionOrthogonale);
        marqueLigne(f, 2);
        return false;
    }
    f.parametresOblique[0] = a;
    f.parametresOblique[1] = b;
    tourneVueEtRepeint(f, 0, 0, 0, 1);
    return true;
}

// The plane of a frame in the text (error on line 1), its normal and
// distance.
bool litPlanAvecNormale(TfigureKalmetra& f, uint8_t mode, const std::string& champ, TplanEnregistre& plan,
                        double n[3], double& d, uint8_t& ligneErreur) {
    uint16_t erreur = 0;
    litPlanDeRepere(f, champ, mode, plan.objets[0], plan.objets[1], plan.objets[2], erreur);
    bool nul = false;
    if (!estRefus(erreur)) {
        normalePlan(f, plan.objets[0], plan.objets[1], nul, d, n[0], n[1], n[2], plan.objets[2]);
        if (nul) erreur = kErreurPlanNonValide;
    }
    if (!estRefus(erreur) && !nul) return true;
    nomErreur1() = champ;
    afficheErreurDeNumero(erreur);
    ligneErreur = 1;
    return false;
}

} // namespace

std::string argumentsDuDialogue(const TfigureKalmetra& f) {
    const TDialogueObjet& d = *f.dialogue;
    const char type = d.genreOptions;
    std::string texte;
    int premiere = 0;
    if (type != '-' && d.lignes[0].reponse.empty()) {
        if (type == '.') texte = "Rxyz;";
        if (type == '/') texte = "Uxyz;";
    }
    if (type == '1') {
        texte = d.lignes[0].reponse.rfind(phraseDeNumero(kPhraseOui), 0) == 0 ? "1;" : "0;";
        premiere = 1;
    }
    for (int k = premiere; k <= d.nombreLignes; ++k) {
        const TLigneDialogue& l = d.lignes[std::size_t(k)];
        if (l.longueurReponse == 0) continue;
        // Line 0 is a list: its first entry is the choice.
        std::string reponse =
            k == 0 ? d.lignes[0].reponse.substr(0, d.lignes[0].reponse.find(';')) : l.reponse;
        oteEspacesBouts(reponse);
        // The text of a text shown keeps a "ÿ" typed in it (the name, last,
        // is not a text).
        if (f.commandeDialogue == construction::kAffichageTexte && k > 0 && k < d.nombreLignes)
            reponse = masqueOctets255(reponse);
        protegePointsVirgules(reponse);
        texte += reponse + ";";
    }
    const int apres = d.nombreLignes + 1;
    if (d.ligneUniteAjoutee && d.listeUnitesVisible && apres <= kMaxLignesDialogue) {
        const TLigneDialogue& l = d.lignes[std::size_t(apres)];
        const std::string choix = l.reponse.substr(0, l.reponse.find(';'));
        if (type == '1' && l.longueurReponse > 0)
            texte += choix == phraseDeNumero(kPhraseUniteUxyz) || choix == phraseDeNumero(kPhraseNonBoucle)
                         ? "1;"
                         : "0;";
        else
            texte += choix + ";";
    }
    if (!texte.empty()) texte.pop_back();
    return texte;
}

bool executeCommandeDuDialogue(TfigureKalmetra& f) {
    if (!f.dialogue) return false;
    TDialogueObjet& d = *f.dialogue;
    const uint16_t commande = f.commandeDialogue;
    const bool instantane = commande != 124 && commande != 301;
    const bool pris = instantane && empileInstantane(f);
    d.ligneErreur = 0;
    d.demandeUnite = 0;
    const std::string texte = argumentsDuDialogue(f);
    // The executor numbers the arguments from line 0 when there is a list.
    GardeValeur<uint8_t> premier(etatExecuteur().premierArgument, d.genreOptions == '-' ? 1 : 0);

    bool succes = false;
    uint8_t ligne = 0;
    switch (commande) {
    case 68:
    case 69:
    case 70:
        succes = affecteObjetsLibresDuDialogue(f, texte, kModeDialogue);
        break;
    case 89:
        succes = limiteDessins(f, texte);
        if (succes) {
            redessineFigure(f);
            f.modifiee = 1;
        }
        break;
    case 90:
        succes = renommeObjets(f, kModeDialogue, texte) == 0;
        if (succes) {
            redessineFigure(f);
            f.modifiee = 1;
        }
        break;
    case 91:
        succes = choisitObjetAModifier(f, texte);
        break;
    case 95:
        succes = creePrototypeDuDialogue(f);
        break;
    case 100:
        succes = rythmeHorloge(f);
        break;
    case 124:
        succes = copieAjustee(f);
        break;
    case 194:
        succes = parametresProjection(f);
        break;
    case 198:
        succes = vueAvecPlanDeFace(f, kModeDialogue, texte, ligne);
        if (!succes) marqueLigne(f, ligne);
        break;
    case 199:
        succes = isolePlan(f, kModeDialogue, texte, ligne);
        if (!succes) marqueLigne(f, ligne);
        break;
    case 301:
        succes = impression(f, texte);
        break;
    default:
        succes = executeCreationDuDialogue(f, texte);
        break;
    }
    // The snapshot is dropped or restored whatever became of the dialog: one
    // left on the stack would be taken for another operation's.
    if (succes && commande < 255 && commande != 124 && pris) prendInstantanePourAnnulerDuHautDeLaPile(f);
    if (pris) {
        if (succes) {
            depileInstantane();
            if (f.variablesPartagees) inscritVariablesPartagees(f);
        } else {
            restaureInstantane(f);
        }
    }
    if (!f.dialogue) return succes;
    TDialogueObjet& e = *f.dialogue;
    if (!succes && e.ligneErreur >= 1 && e.ligneErreur <= e.nombreLignes) e.ligneCourante = e.ligneErreur;
    return succes;
}

void signaleErreurAffectation(TfigureKalmetra& f, uint16_t erreur, const std::string& champ, uint8_t ligne) {
    nomErreur1() = champ;
    afficheErreurDeNumero(erreur);
    marqueLigne(f, ligne);
}

namespace {

// One answer field evaluated before the assignment: on an error it is shown
// naming what the compiler found wrong in the field (an unknown name, say),
// else the field itself, and the field's line gets the focus.
bool champEvalue(TfigureKalmetra& f, const std::string& champ, uint8_t modeLecture, uint8_t ligne) {
    uint16_t erreur = 0;
    double v = 0;
    nomErreur1().clear();
    evalueExpressionTexte(f, coupe(champ, 80), modeLecture, erreur, v);
    if (!estRefus(erreur)) return true;
    if (nomErreur1().empty()) nomErreur1() = coupe(champ, 80);
    afficheErreurDeNumero(erreur);
    marqueLigne(f, ligne);
    return false;
}

} // namespace

bool affecteObjetsLibresDuDialogue(TfigureKalmetra& f, const std::string& texte, uint8_t modeLecture) {
    const uint16_t commande = f.commandeDialogue;
    std::string reste = texte;
    // The frame of command 70 is its option list, read first.
    const std::string repere = commande == 70 ? champSuivant(reste) : std::string();
    const std::string nom = champSuivant(reste);
    // A value after which a stored start line would no longer run is
    // refused as the other roads refuse it.
    GardeDemarrage demarrage(f);
    uint8_t k = 0;
    uint16_t erreur = 0;
    numeroObjetDeNom(f, commande == 68 ? kNatureNombreReel : kNaturePoint, nom, erreur, k, modeLecture);
    if (!estRefus(erreur) && !estObjetLibre(objet(f, k))) erreur = kErreurPasLibre;
    if (!estRefus(erreur) && estObjetLibreBloque(objet(f, k))) erreur = kErreurPiloteInterdit;
    if (estRefus(erreur)) {
        signaleErreurAffectation(f, erreur, nom, 1);
        return false;
    }
    erreur = 0;
    uint8_t cause = 6;
    // The field at fault and its line: the value (68), the target point
    // (69), or the coordinate that fails (70, lines 2 to 4).
    std::string champ = champSuivant(reste);
    uint8_t ligne = 2;
    if (commande == 68) {
        if (!champEvalue(f, champ, modeLecture, ligne)) return false;
        affecteVariableNumeriqueLibre(f, nom, champ, modeLecture, true, erreur);
    } else if (commande == 69) {
        affectePointLibreSurPoint(f, nom, champ, modeLecture, true, erreur);
        cause = 7;
    } else {
        // The frame comes before the coordinates, as in the typed line, and
        // a wrong one is named as the line names it (an object of another
        // kind with its kind), on its own line: the option list, line 0.
        uint8_t r = 0;
        nomErreur1().clear();
        numeroObjetDeNom(f, kNatureRepere, coupe(repere, 10), erreur, r, modeLecture);
        if (estRefus(erreur)) {
            if (nomErreur1().empty()) nomErreur1() = coupe(repere, 80);
            afficheErreurDeNumero(erreur);
            marqueLigne(f, 0);
            return false;
        }
        erreur = 0;
        const std::string x = champ, y = champSuivant(reste), z = champSuivant(reste);
        for (const std::string* c : {&x, &y, &z}) {
            if (!champEvalue(f, *c, modeLecture, ligne)) return false;
            ++ligne;
        }
        ligne = 2;
        affectePointLibreParCoordonnees(f, nom, repere, x, y, z, modeLecture, true, erreur);
        cause = 8;
    }
    if (estRefus(erreur)) {
        signaleErreurAffectation(f, erreur, coupe(champ, 80), ligne);
        return false;
    }
    if (!demarrage.accepte(k, true)) return false;
    f.modifiee = 1;
    f.dernierLibreBouge = k;
    notifieHoteEtPublie(f, cause);
    return true;
}

bool limiteDessins(TfigureKalmetra& f, const std::string& texte) {
    std::string reste = texte;
    const std::string nom = champSuivant(reste);
    uint8_t convexe = 0;
    uint16_t erreur = 0;
    numeroObjetDeNomEtGenre(f, coupe(nom, 10), kModeDialogue, erreur, convexe);
    if (!estRefus(erreur) && !estConvexeLimitant(objet(f, convexe).codeConstruction))
        erreur = kErreurPasConvexe;
    if (estRefus(erreur)) {
        signaleErreurAffectation(f, erreur, nom, 1);
        return false;
    }
    TListeObjets liste{};
    uint8_t nombre = 0;
    erreur = 0;
    litListeObjetsDessinables(f, reste, kModeDialogue, liste, nombre, erreur);
    for (int k = 1; k <= nombre && !estRefus(erreur); ++k)
        if (objet(f, liste[std::size_t(k)]).nature == kNatureAffichage) {
            erreur = kErreurAffichageLimite;
            nomErreur1() = nomObjet(f, liste[std::size_t(k)]);
        }
    if (estRefus(erreur)) {
        afficheErreurDeNumero(erreur);
        marqueLigne(f, 2);
        return false;
    }
    for (int k = 1; k <= nombre; ++k) {
        TObjetFigure& o = objet(f, liste[std::size_t(k)]);
        o.objetLimite = convexe;
        if (o.nature == kNatureCourbe) calculeObjet(f, liste[std::size_t(k)]);
    }
    return true;
}

bool vueAvecPlanDeFace(TfigureKalmetra& f, uint8_t modeLecture, const std::string& texte,
                       uint8_t& ligneErreur) {
    std::string reste = texte;
    const std::string champ = champSuivant(reste);
    TplanEnregistre plan;
    double n[3] = {0, 0, 0}, d = 0;
    if (!litPlanAvecNormale(f, modeLecture, champ, plan, n, d, ligneErreur)) return false;
    double etapes = 0;
    if (!valeurVerifiee(f, reste, 1, 50, true, 2, etapes)) {
        ligneErreur = 2;
        return false;
    }
    f.plansEnregistres[kPlanDeFace] = plan;
    f.entiersVue[0] = int32_t(etapes);
    return true;
}

void revoitPlanDeFace(TfigureKalmetra& f) {
    const TplanEnregistre& plan = f.plansEnregistres[kPlanDeFace];
    bool nul = false;
    double n[3] = {0, 0, 0}, d = 0;
    normalePlan(f, plan.objets[0], plan.objets[1], nul, d, n[0], n[1], n[2], plan.objets[2]);
    if (nul) return;
    if (n[0] * f.directionVue[0] + n[1] * f.directionVue[1] + n[2] * f.directionVue[2] < 0)
        for (double& c : n)
            c = -c;
    animeRotationVue(f, uint8_t(std::clamp(f.entiersVue[0], 1, 50)), n[0], n[1], n[2], true);
}

bool isolePlan(TfigureKalmetra& f, uint8_t modeLecture, const std::string& texte, uint8_t& ligneErreur) {
    std::string reste = texte;
    int tourne = -1;
    if (reste.size() >= 2 && (reste[0] == '0' || reste[0] == '1') && reste[1] == ';') {
        tourne = reste[0] == '1';
        reste.erase(0, 2);
    }
    TplanEnregistre plan;
    double n[3] = {0, 0, 0}, d = 0;
    if (!litPlanAvecNormale(f, modeLecture, champSuivant(reste), plan, n, d, ligneErreur)) return false;
    f.plansEnregistres[kPlanIsole] = plan;
    isolePlanEnregistre(f);
    if (tourne >= 0) f.tourneVersPlanIsole = uint8_t(tourne);
    marqueElementsDansPlanIsole(f);
    if (f.tourneVersPlanIsole) {
        animeRotationVue(f, 1, n[0], n[1], n[2], true);
    } else {
        prepareElementsDessin(f);
        repeintFigureEcran(f);
    }
    miseAjourMenuFigure(f);
    return true;
}

} // namespace km32
