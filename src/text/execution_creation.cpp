#include "text/execution_creation.h"

#include <algorithm>
#include <memory>

#include "base/erreur.h"
#include "base/texte.h"
#include "base/garde.h"
#include "model/calcul/calcul_objet.h"
#include "model/calcul/dependants.h"
#include "model/calcul/parametres.h"
#include "model/catalogue.h"
#include "model/couleurs.h"
#include "model/expression_erreurs.h"
#include "model/messages.h"
#include "model/objets_figure.h"
#include "model/procedures_texte.h"
#include "model/prototypes/prototypes.h"
#include "model/services_dessin.h"
#include "model/services_texte.h"
#include "model/style.h"
#include "phrases/phrase.h"
#include "platform/boites.h"
#include "text/attributs_dessin.h"
#include "text/ecriture_figure.h"
#include "text/executeur_construction.h"
#include "text/execution_ligne.h"
#include "text/installation_objet.h"
#include "text/instantanes_figure.h"
#include "text/ligne_creation.h"
#include "text/ligne_figure.h"
#include "text/noms_objets.h"
#include "text/ordre_objets.h"
#include "text/rangement_lignes.h"
#include "text/execution_texte.h"

namespace km32 {

namespace {

bool estCodeIntersectionDeuxPoints(uint8_t c) {
    return c == 11 || c == 13 || c == 202;
}
bool estCodeImages(uint8_t c) {
    switch (c) {
    case 24:
    case 25:
    case 26:
    case 27:
    case 28:
    case 29:
    case 105:
    case 136:
    case 137:
    case 139:
    case 140:
    case 192:
        return true;
    default:
        return false;
    }
}
// A fresh object record for the line's construction. An object made from
// the dialog takes the colour last chosen in the style palette, set as the
// colour word of a style line sets it (the colour's red, green and blue);
// the colour code never goes into the style's flag bits, where the further
// colours (101 to 120) would read as name positions.
void preparePourConstruction(const TfigureKalmetra& f, TLigneAnalysee& L) {
    const uint8_t prototype = L.nouvelObjet.numeroPrototype;
    L.nouvelObjet = TObjetFigure{};
    L.nouvelObjet.codeConstruction = uint8_t(L.codeConstruction & 0xFF);
    L.nouvelObjet.numeroPrototype = prototype;
    initialiseObjetFigure(f, 0, L.nouvelObjet);
    TObjetFigure& o = L.nouvelObjet;
    if (L.modeLecture == kModeLectureDialogue && f.couleurCourante != 0 && estObjetDessinable(o) &&
        estCodeDeCouleur(f.couleurCourante)) {
        TsourcesCouleur sources{o.sourcesCouleur[0], o.sourcesCouleur[1], o.sourcesCouleur[2]};
        couleurDeNumero(o.style, sources, f.couleurCourante);
        for (int k = 0; k < 3; ++k)
            o.sourcesCouleur[k] = sources[std::size_t(k)];
    }
}

void executeCreationSimple(TfigureKalmetra& f, TLigneAnalysee& L) {
    const std::string arguments = L.arguments;
    L.besoinUnite = 0;
    L.uniteDonnee = 0;
    L.nombreExpressions = 0;
    L.nombreParents = 0;
    preparePourConstruction(f, L);
    L.arguments = arguments;
    executeConstructionDeLigne(f, L);

    const bool refus = L.erreur >= kPasDeCetteForme;
    const bool nouveau = refus || L.objetCible > f.nombreObjets;
    const uint8_t code = L.nouvelObjet.codeConstruction;
    if (!refus && L.objetCible == f.objetLibreActif && !estConstructionLibre(code)) f.objetLibreActif = 0;

    uint8_t ancienneNature = 0, ancienCode = 0;
    if (!nouveau)
        ancienneNature = objet(f, L.objetCible).nature, ancienCode = objet(f, L.objetCible).codeConstruction;
    if (!refus) installeObjetDeLigne(f, L);
    if (!nouveau) {
        if (!estRefus(L.erreur)) verifieRedefinitionCommandes(f, L.objetCible, code, L.erreur);
        if (!estRefus(L.erreur) && ancienneNature == kNatureDroite && code != 71)
            verifieRedefinitionDroiteReperee(f, L.objetCible, code, L.erreur);
        if (!estRefus(L.erreur) && ancienneNature == kNaturePlan && code != 166)
            verifieRedefinitionPlanRepere(f, L.objetCible, code, L.erreur);
        if (!estRefus(L.erreur)) reordonneObjets(f, L.erreur);
    }

    int cible = 0;
    if (!estRefus(L.erreur)) {
        // The object may have moved while the objects were put back in order.
        cible =
            L.nomNouvelObjet.empty() ? 0 : numeroObjetDeNomEtType(f, L.nomNouvelObjet, L.nouvelObjet.nature);
        if (cible == 0) cible = nouveau ? f.nombreObjets : L.objetCible;
        L.objetCible = uint8_t(cible);
        if (estCodeIntersectionDeuxPoints(objet(f, cible).codeConstruction) &&
            etatCreation().premierPointIntersection)
            changeDrapeauObjet(objet(f, cible), kDrapeauOption, true);
        if (nouveau) {
            calculeObjet(f, f.nombreObjets);
        } else {
            for (int i = kObjetsPredefinis + 1; i <= f.nombreObjets; ++i)
                calculeObjet(f, i);
            // A free object redefined as another free construction: the
            // memorised positions that list it take its position anew.
            if (estObjetLibre(objet(f, cible)) && objet(f, cible).codeConstruction != ancienCode &&
                !suitRedefinitionDansCommandes(f, cible))
                L.erreur = kErreurStructureSaturee;
        }
        TObjetFigure& o = objet(f, cible);
        if (L.erreur == 0 && o.nonDefini) {
            if (o.raison == 0) o.raison = kRaisonNonPrecisee;
            L.erreur = o.raison;
        }
    }

    if (L.erreur != 0 && (L.modeLecture == 4 || L.erreur > kPasDeCetteForme)) {
        const std::string nom = cible != 0 ? nomObjetNotation(f, cible) : L.nomNouvelObjet;
        signaleErreurExecution(L.erreur, nom, f.defautObjetsNonValides != 0);
    }
    if (L.erreur >= 1 && L.erreur < kPasDeCetteForme && L.modeLecture > 1) L.resultatInvalide = 1;
    if (L.erreur < kPasDeCetteForme) L.erreur = 0;
}

void executeCreationDeuxPoints(TfigureKalmetra& f, TLigneAnalysee& L) {
    EtatCreation& e = etatCreation();
    if (!L.arguments.empty() && (L.arguments[0] == '1' || L.arguments[0] == '2')) {
        e.premierPointIntersection = L.arguments[0] == '1';
        L.arguments.erase(0, 2);
        executeCreationSimple(f, L);
        return;
    }
    const std::size_t dernier = L.arguments.rfind(';');
    const std::string tete =
        dernier == std::string::npos ? std::string() : L.arguments.substr(0, dernier + 1);
    std::string noms = dernier == std::string::npos ? L.arguments : L.arguments.substr(dernier + 1);
    std::string nom;
    extraitNomEnTete(noms, 255, nom);
    L.arguments = tete + nom;
    e.premierPointIntersection = true;
    executeCreationSimple(f, L);
    if (L.erreur == 0 && !noms.empty()) {
        extraitNomEnTete(noms, 255, nom);
        L.arguments = tete + nom;
        e.premierPointIntersection = false;
        executeCreationSimple(f, L);
    }
}

// Pairs the names of two lists into "a;b,c;d,"; 602 when one runs out first
// (1 the first list, 2 the second), else 0.
int apparieListes(std::string premiere, std::string seconde, std::string& paires) {
    TensembleCaracteres blancsVirgules;
    blancsVirgules.set(' ');
    blancsVirgules.set(',');
    oteCaracteres(premiere, 255, blancsVirgules);
    oteCaracteres(seconde, 255, blancsVirgules);
    paires.clear();
    while (!premiere.empty() || !seconde.empty()) {
        if (premiere.empty()) return 1;
        if (seconde.empty()) return 2;
        std::string a, b;
        extraitNomEnTete(premiere, 255, a);
        extraitNomEnTete(seconde, 255, b);
        if (a.empty() && !premiere.empty()) premiere.erase(0, 1); // no name there: skip the character
        if (b.empty() && !seconde.empty()) seconde.erase(0, 1);
        paires += a + ";" + b + ",";
    }
    return 0;
}

void executeCreationImages(TfigureKalmetra& f, TLigneAnalysee& L) {
    const uint8_t code = uint8_t(L.codeConstruction & 0xFF);
    std::string texte = L.arguments;
    std::string suffixe;
    int champs = 1;
    for (char c : texte)
        if (c == ';') ++champs;
    if ((code == 24 && champs == 4) || (code == 27 && champs == 5) || (code == 137 && champs == 6)) {
        const std::size_t p = texte.rfind(';');
        suffixe = texte.substr(p);
        texte.erase(p);
    }
    const std::size_t dernier = texte.rfind(';');
    const std::size_t avantDernier =
        dernier == std::string::npos || dernier == 0 ? std::string::npos : texte.rfind(';', dernier - 1);
    const std::string tete =
        avantDernier == std::string::npos ? std::string() : texte.substr(0, avantDernier + 1);
    const std::string antecedents =
        texte.substr(tete.size(), dernier == std::string::npos ? std::string::npos : dernier - tete.size());
    const std::string images = dernier == std::string::npos ? std::string() : texte.substr(dernier + 1);
    std::string paires;
    const int manque = apparieListes(antecedents, images, paires);
    if (manque != 0) {
        L.erreur = kErreurListesInegales;
        if (f.dialogue) f.dialogue->ligneErreur = uint8_t(std::max(0, f.dialogue->nombreLignes - 2 + manque));
        signaleErreurExecution(L.erreur, nomErreur1(), f.defautObjetsNonValides != 0);
        return;
    }
    while (!paires.empty() && L.erreur < kPasDeCetteForme) {
        const std::size_t v = paires.find(',');
        const std::string paire = paires.substr(0, v);
        paires.erase(0, v == std::string::npos ? paires.size() : v + 1);
        L.arguments = tete + paire + suffixe;
        executeCreationSimple(f, L);
    }
}

void executeCreation(TfigureKalmetra& f, TLigneAnalysee& L) {
    const uint8_t code = uint8_t(L.codeConstruction & 0xFF);
    if (L.nouvelObjet.numeroPrototype != 0 ||
        (!estCodeIntersectionDeuxPoints(code) && !estCodeImages(code))) {
        executeCreationSimple(f, L);
    } else if (estCodeIntersectionDeuxPoints(code)) {
        executeCreationDeuxPoints(f, L);
    } else {
        executeCreationImages(f, L);
    }
}

} // namespace

EtatCreation& etatCreation() {
    static EtatCreation e;
    return e;
}

void reinitialiseCreation() {
    etatCreation() = EtatCreation{};
}

void signaleErreurExecution(uint16_t& erreur, const std::string& nomObjet, bool nonValidesPermis) {
    if (erreur == 0 || !etatCreation().signalementErreurs) return;
    if (erreur > kPasDeCetteForme) {
        if (erreur != kErreurRefusUtilisateur) afficheErreurDeNumero(erreur);
        return;
    }
    std::string titre = phraseDeNumero(kPhraseSeraitNonValide);
    const std::size_t p = titre.find("#1");
    if (p != std::string::npos) titre.replace(p, 2, coupe(nomObjet, 80));
    if (nonValidesPermis) {
        const std::string texte = remplaceMarquesErreur(phraseDeNumero(erreur)) + "\r\n\r\n" +
                                  phraseDeNumero(kPhraseConfirmeCreation);
        erreur = questionOuiNon(texte, titre) == platform::kReponseOui ? 0 : kErreurRefusUtilisateur;
    } else {
        afficheMessageType(titre + "\r\n\r\n" + remplaceMarquesErreur(phraseDeNumero(erreur)),
                           phraseDeNumero(kPhraseNonValidesInterdits), platform::kIconeErreur);
        erreur = kErreurRefusUtilisateur;
    }
}

void executeChangementPas(TfigureKalmetra& f, TLigneAnalysee& L) {
    const int cible = L.objetCible;
    if (cible <= kObjetsPredefinis || cible > f.nombreObjets) {
        L.erreur = kErreurPasLibre;
    } else {
        TObjetFigure& o = objet(f, cible);
        L.codeConstruction = 115;
        std::string& t = L.arguments;
        const bool premier = !t.empty() && t[0] == '0';
        t.erase(0, std::min<std::size_t>(2, t.size()));
        bool boucle = false;
        const std::size_t p = t.find(';');
        if (p != std::string::npos) {
            boucle = p + 1 < t.size() && t[p + 1] == '0';
            if (o.codeConstruction == 3 || o.codeConstruction == 6 || o.codeConstruction == 7)
                boucle = !boucle;
            t.erase(p, 2);
        }
        const int formule = (o.codeConstruction == 44 || o.codeConstruction == 45) ? 3 : 1;
        L.besoinUnite = 0;
        L.uniteDonnee = 0;
        L.nouvelObjet = TObjetFigure{};
        L.nouvelObjet.codeConstruction = 115;
        L.nouvelObjet.nature = o.nature;
        executeConstructionDeLigne(f, L);
        if (L.erreur == 0 && !premier && L.nombreExpressions >= 1 && !expressionLigne(L, 1).drapeauConstante)
            L.erreur = kErreurPasParametreEtModifiable;
        if (!estRefus(L.erreur)) {
            if (o.nombreExpressions >= formule) {
                rangeLigneCompilee(f, numeroExpressionObjet(f, cible, formule), L, 1);
                if (o.nombreValeurs >= 1) valeurObjet(f, cible, o.nombreValeurs) = valeurLigne(L, 1);
                // A step that depends on other objects has no value of its
                // own yet: it is worked out now, as a computation of the
                // object would, so that the keyboard and the written text
                // see it at once.
                if (!expressionLigne(L, 1).drapeauConstante) calcul::reevaluePasObjetLibre(f, cible);
            }
            changeDrapeauObjet(o, kDrapeauOption, boucle);
            changeDrapeauObjet(o, kDrapeauPasNonModifiable, premier);
        }
        L.nomNouvelObjet = nomObjet(f, cible);
        if (!estRefus(L.erreur)) reordonneObjets(f, L.erreur);
    }
    if (estRefus(L.erreur)) {
        nomErreur1() = L.arguments;
        afficheErreurDeNumero(L.erreur);
    }
}

namespace {

// An object whose lines could not be written in words within the reader's
// limit in every language is refused when a user makes it (a host line, a
// dialog), named in the message. A text being read is taken as the reader
// takes it: a line it accepts is never refused afterwards, and the writer
// writes such an object's over-long lines in their coded form.
void refuseLignesTropLongues(const TfigureKalmetra& f, TLigneAnalysee& L, int avant) {
    if (textesEnLecture() > 0) return;
    const auto verifie = [&](int i) {
        if (L.erreur != 0 || i <= kObjetsPredefinis || i > f.nombreObjets) return;
        if (lignesObjetRelisibles(f, i)) return;
        nomErreur1() = nomObjetNotation(f, i);
        afficheErreurDeNumero(kErreurLigneEcriteTropLongue);
        L.erreur = kErreurLigneEcriteTropLongue;
    };
    verifie(L.objetCible);
    for (int i = avant + 1; i <= f.nombreObjets; ++i)
        verifie(i);
}

// The stored start lines count and name objects of the figure ("Start by
// running nb times the commands K"): an edit by a user after which one of
// them would no longer run when the figure is read (nb = 0) is refused,
// the message naming that line and the object changed. A text being read
// is taken as the reader takes it.
void refuseLignesDifferesBloquees(TfigureKalmetra& f, TLigneAnalysee& L) {
    if (textesEnLecture() > 0 || L.erreur != 0) return;
    const std::string ligne = ligneDiffereeBloquee(f);
    if (ligne.empty()) return;
    nomErreur1() = ligne;
    nomErreur2() = L.objetCible >= 1 && L.objetCible <= f.nombreObjets ? nomObjetNotation(f, L.objetCible)
                                                                       : L.nomNouvelObjet;
    afficheErreurDeNumero(kErreurLigneDiffereeBloquee);
    L.erreur = kErreurLigneDiffereeBloquee;
}

// The common entry of a line and of the dialog: the record filled, the
// creation run, the names of the figure checked.
bool executeEntree(TfigureKalmetra& f, TLigneAnalysee& L, const std::string& arguments, uint8_t modeLecture,
                   uint16_t code, uint8_t depuisTexte) {
    L.modeLecture = modeLecture;
    L.arguments = arguments;
    L.erreur = 0;
    L.resultatInvalide = 0;
    L.resultatReserve = 0;
    L.besoinUnite = 0;
    L.depuisTexte = depuisTexte;
    L.codeConstruction = uint8_t(code & 0xFF);
    L.nouvelObjet.numeroPrototype = uint8_t(code >> 8);
    L.nouvelObjet.codeConstruction = uint8_t(code & 0xFF);

    const int avant = f.nombreObjets;
    executeCreation(f, L);
    if (L.erreur == 0) refuseLignesTropLongues(f, L, avant);
    if (L.erreur == 0) refuseLignesDifferesBloquees(f, L);

    const uint16_t noms = L.erreur == 0 ? verifieNomsFigure(f) : 0;
    etatCreation().erreurNomsApresCreation = noms;
    const bool succes = L.erreur == 0 && noms == 0;
    if (succes) {
        if (f.hauteurZoneAffichages == 0 && existeObjetTexte(f)) f.hauteurZoneAffichages = 50;
        if (f.objetLibreActif != 0) marqueDependantsObjetActif(f);
    }
    return succes;
}

} // namespace

bool ligneDiffereeExecutable(TfigureKalmetra& f, const std::string& ligne) {
    GardeInstantane garde(f);
    if (!garde.pris()) return true;
    const GardeValeur<uint8_t> muet(etatMessages().messagesMuets, 1);
    const GardeValeur<uint8_t> horsExecution(executionReelle(), 0);
    const GardeValeur<std::string> nom1(nomErreur1(), nomErreur1());
    const GardeValeur<std::string> nom2(nomErreur2(), nomErreur2());
    const GardeValeur<std::string> differees(etatExecutionLigne().lignesNonExecutees,
                                             etatExecutionLigne().lignesNonExecutees);
    const uint16_t resultat = executeLigneDeFigure(&f, ligne, 0, 1);
    garde.annule();
    return resultat == 0 || resultat == kLigneDifferee;
}

std::string ligneDiffereeBloquee(TfigureKalmetra& f) {
    if (!f.lignesDifferees) return {};
    const std::string lignes = *f.lignesDifferees;
    std::size_t p = 0;
    for (std::string ligne = ligneSupplementaireSuivante(lignes, p); !ligne.empty();
         ligne = ligneSupplementaireSuivante(lignes, p)) {
        while (!ligne.empty() && (ligne.front() == '\r' || ligne.front() == '\n'))
            ligne.erase(0, 1);
        // Comment lines of the text are kept there too: they never run.
        if (ligne.empty() || ligne.front() == '%') continue;
        if (!ligneDiffereeExecutable(f, ligne)) return ligne;
    }
    return {};
}

bool executeLigneDeCreation(TfigureKalmetra& f, const std::string& arguments, uint8_t modeLecture,
                            uint16_t code, std::string& nomObjet, uint8_t& resultatInvalide,
                            uint8_t& resultatReserve) {
    auto ligne = std::make_unique<TLigneAnalysee>();
    TLigneAnalysee& L = *ligne;
    const bool succes = executeEntree(f, L, arguments, modeLecture, code, 1);
    resultatInvalide = L.resultatInvalide;
    resultatReserve = L.resultatReserve;
    nomObjet = coupe(L.nomNouvelObjet, 10);
    return succes;
}

bool executeCreationDuDialogue(TfigureKalmetra& f, const std::string& arguments) {
    if (!f.dialogue) return false;
    auto ligne = std::make_unique<TLigneAnalysee>();
    TLigneAnalysee& L = *ligne;
    TDialogueObjet& d = *f.dialogue;
    bool succes = false;
    const int avant = f.nombreObjets;
    if (f.commandeDialogue == kCommandePilotageClavier) {
        // The step of the keyboard-driven object.
        L.modeLecture = kModeLectureDialogue;
        L.arguments = arguments;
        L.erreur = 0;
        L.depuisTexte = 0;
        L.objetCible = f.objetLibreActif;
        executeChangementPas(f, L);
        succes = L.erreur == 0 && verifieNomsFigure(f) == 0;
    } else {
        uint16_t code = uint16_t(f.commandeDialogue & 0xFF);
        if (d.avecPrototype) {
            const TPrototype* p = prototypeDe(f, d.numeroPrototype);
            code = uint16_t(d.numeroPrototype) << 8 | (p ? p->codeResultat : 0);
        }
        succes = executeEntree(f, L, arguments, kModeLectureDialogue, code, 0);
    }
    if (!f.dialogue) return succes;
    if (!succes) {
        const EtatExecuteur& x = etatExecuteur();
        if (d.ligneErreur == 0)
            d.ligneErreur = x.argumentEnErreur != 0 ? x.argumentEnErreur : x.argumentCourant;
        if (L.erreur == kErreurUniteNecessaire) d.demandeUnite = 1;
        return false;
    }
    // A new free variable becomes the keyboard's free object; a redefined
    // object leaves the figure's choice as it was (the last object is then
    // not the one the dialog made).
    const int nouvel = f.nombreObjets;
    if (f.objetLibreActif == 0 && nouvel > avant && nouvel > kObjetsPredefinis) {
        const uint8_t c = objet(f, nouvel).codeConstruction;
        if (c == 44 || c == 45 || c == 74 || c == 75) f.objetLibreActif = uint8_t(nouvel);
    }
    if (f.objetLibreActif != 0) marqueDependantsObjetActif(f);
    publieVariablesPartagees(f);
    return true;
}

void creeObjetDeLigne(TfigureKalmetra& f, TLigneFigure& ligne) {
    prepareCreationDeLigne(ligne, constructionDePhrase(ligne.codeLigne));
    uint8_t invalide = 0, reserve = 0;
    if (!executeLigneDeCreation(f, ligne.texteArguments, ligne.modeLecture, ligne.codeConstruction & 0xFF,
                                ligne.nomObjet, invalide, reserve))
        ligne.erreur = kErreurCreation;
    ligne.resultatInvalide = invalide;
    ligne.resultatReserve = reserve;
    etatAttributsDessin().styleDuDernierObjet = false;
}

bool creationGardeeMalgreNoms() {
    return etatCreation().erreurNomsApresCreation == kErreurObjetExisteDeja;
}

} // namespace km32
