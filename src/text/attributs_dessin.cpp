#include "text/attributs_dessin.h"

#include <cmath>

#include "base/texte.h"
#include "model/calcul/calcul_objet.h"
#include "model/catalogue.h"
#include "model/evaluation_expression.h"
#include "model/expression_erreurs.h"
#include "model/objets_figure.h"
#include "model/procedures_texte.h"
#include "phrases/phrase.h"
#include "text/ligne_figure.h"
#include "text/mots_cles.h"
#include "text/noms_objets.h"
#include "text/operandes_objets.h"

namespace km32 {

namespace {

// The style functions take the colour sources as an array; the object
// record keeps them as three bytes.
template <class Action> void surStyle(TObjetFigure& o, Action action) {
    TsourcesCouleur sources{o.sourcesCouleur[0], o.sourcesCouleur[1], o.sourcesCouleur[2]};
    action(o.style, sources);
    for (int k = 0; k < 3; ++k)
        o.sourcesCouleur[k] = sources[k];
}
void couleur(TObjetFigure& o, uint16_t numero) {
    surStyle(o, [numero](TstyleObjet& s, TsourcesCouleur& c) { couleurDeNumero(s, c, numero); });
}
void commande(TObjetFigure& o, uint16_t numero) {
    surStyle(o, [numero](TstyleObjet& s, TsourcesCouleur& c) { appliqueCommandeStyle(s, c, numero); });
}
void pose(TObjetFigure& o, uint16_t bits) {
    o.style.drapeaux = uint16_t(o.style.drapeaux | bits);
}
void ote(TObjetFigure& o, uint16_t bits) {
    o.style.drapeaux = uint16_t(o.style.drapeaux & ~bits);
}

void appliqueMotCle(TObjetFigure& o, uint16_t mot) {
    switch (mot) {
    case 2444:
        couleur(o, 15);
        break;
    case 2446:
        couleur(o, 6);
        break;
    case 2447:
        couleur(o, 7);
        break;
    case 2448:
        couleur(o, 5);
        break;
    case 2449:
        couleur(o, 13);
        break;
    case 2450:
        couleur(o, 4);
        break;
    case 2451:
        couleur(o, 10);
        break;
    case 2452:
        couleur(o, 3);
        break;
    case 2453:
        couleur(o, 12);
        break;
    case 2454:
        couleur(o, 1);
        break;
    case 2455:
        couleur(o, 11);
        break;
    case 2456:
        couleur(o, 14);
        break;
    case 2457:
        couleur(o, 8);
        break;
    case 2458:
        couleur(o, 2);
        break;
    case 2459:
        couleur(o, 9);
        break;
    case 2515:
        couleur(o, 15);
        break;
    case 2460:
        commande(o, 32);
        break;
    case 2461:
        ote(o, 0x0600);
        break;
    case 2462:
        pose(o, 0x0800);
        break;
    case 2493:
        pose(o, 0x0800);
        break;
    case 2477:
        ote(o, 0x0800);
        break;
    case 2463:
        pose(o, 0x0100);
        break;
    case 2464:
        pose(o, 0x0200);
        break;
    case 2494:
        ote(o, 0x0200);
        break;
    case 2495:
        ote(o, 0x0400), pose(o, 0x0200);
        break;
    case 2496:
        pose(o, 0x0600);
        break;
    case 2465:
        pose(o, 0x0400);
        break;
    case 2466:
        pose(o, 0x2000);
        break;
    case 2467:
        commande(o, 30);
        break;
    case 2468:
        commande(o, 33);
        break;
    case 2469:
        commande(o, 34);
        break;
    case 2470:
        commande(o, 35);
        break;
    case 2471:
        commande(o, 36);
        break;
    case 2472:
        pose(o, 0x0040);
        break;
    case 2473:
        pose(o, 0x0010);
        break;
    case 2474:
        pose(o, 0x0020);
        break;
    case 2475:
        pose(o, 0x0080);
        break;
    case 2476:
        commande(o, 37);
        break;
    case 2492:
        commande(o, 38);
        break;
    default:
        break; // the other keywords are accepted and change nothing
    }
}

void enleveBlancsVirgulesAuxBouts(std::string& t) {
    std::size_t debut = 0;
    while (debut < t.size() && (t[debut] == ' ' || t[debut] == ','))
        ++debut;
    std::size_t fin = t.size();
    while (fin > debut && (t[fin - 1] == ' ' || t[fin - 1] == ','))
        --fin;
    t = t.substr(debut, fin - debut);
}

// The RGB notation at position p of the list: taken out, and the colour
// bytes and sources set. False on an error (in the line).
bool lisCouleurRVB(TfigureKalmetra& f, TObjetFigure& o, TLigneFigure& ligne, std::string& liste,
                   std::size_t p, std::size_t longueurOuverture) {
    const std::size_t fermante = liste.find(')', p + 11);
    if (fermante == std::string::npos) {
        signaleErreurLigne(ligne, kErreurCouleurRVB);
        return false;
    }
    std::string notation = coupe(liste.substr(p, fermante - p + 1), 80);
    liste.erase(p, fermante - p + 1);
    enleveBlancsVirgulesAuxBouts(liste);
    if (notation.size() < longueurOuverture + 1) {
        signaleErreurLigne(ligne, kErreurCouleurRVB);
        return false;
    }
    notation = notation.substr(longueurOuverture, notation.size() - longueurOuverture - 1);
    std::string composantes[3];
    const std::size_t v1 = notation.find(',');
    const std::size_t v2 = v1 == std::string::npos ? std::string::npos : notation.find(',', v1 + 1);
    if (v2 == std::string::npos) {
        signaleErreurLigne(ligne, kErreurCouleurRVB);
        return false;
    }
    composantes[0] = notation.substr(0, v1);
    composantes[1] = notation.substr(v1 + 1, v2 - v1 - 1);
    composantes[2] = notation.substr(v2 + 1);
    uint8_t octets[3] = {o.style.rouge, o.style.vert, o.style.bleu};
    for (int k = 0; k < 3; ++k) {
        const std::string c = coupe(sansBlancsAuxBouts(composantes[k]), 255);
        if (!c.empty() && !estChiffre(c[0])) {
            uint16_t erreur = 0;
            uint8_t numero = 0;
            numeroObjetDeNom(f, kNatureNombreReel, c, erreur, numero, ligne.modeLecture);
            if (estRefus(erreur)) {
                signaleErreurLigne(ligne, erreur);
                return false;
            }
            o.sourcesCouleur[k] = numero;
        } else {
            uint16_t erreur = 0;
            double x = 0;
            evalueExpressionTexte(f, c, ligne.modeLecture, erreur, x);
            if (erreur != 0 || !(x >= 0 && x <= 255)) {
                signaleErreurLigne(ligne, kErreurCouleurRVB);
                return false;
            }
            o.sourcesCouleur[k] = 0;
            octets[k] = uint8_t(std::lround(x));
        }
    }
    o.style.rouge = octets[0];
    o.style.vert = octets[1];
    o.style.bleu = octets[2];
    return true;
}

} // namespace

EtatAttributsDessin& etatAttributsDessin() {
    static EtatAttributsDessin e;
    return e;
}

void reinitialiseAttributsDessin() {
    etatAttributsDessin() = EtatAttributsDessin{};
}

void lisParticularitesDeDessin(TfigureKalmetra& f, int n, TLigneFigure& ligne, bool recommence) {
    TObjetFigure& o = objet(f, n);
    ligne.nomObjet = coupe(nomObjet(f, n), 10);
    if (n == f.nombreObjets) etatAttributsDessin().styleDuDernierObjet = true;
    const bool etaitCache = !estDessine(o.style);
    const bool etaientLies = (o.style.drapeaux & 0x0800) != 0;
    if (recommence) {
        o.style.drapeaux = 0;
        o.style.courbe = octetCourbeDeNature(o.nature);
        if (n >= 7 && n <= 10) couleur(o, 4);
        if (o.nature == kNaturePoint) pose(o, 0x0400);
        if (o.style.courbe == 1) pose(o, 0x0800);
    }
    std::string& liste = ligne.arguments[2];
    const std::string ouverture = phraseDeNumero(kPhraseCouleurRVB);
    const std::size_t p = ouverture.empty() ? std::string::npos : liste.find(ouverture);
    if (p != std::string::npos && !lisCouleurRVB(f, o, ligne, liste, p, ouverture.size())) return;
    while (!liste.empty()) {
        std::string mot;
        uint16_t numero = 0;
        litMotCle(liste, 255, mot, numero);
        if (numero == 0) {
            // An empty item between two commas is no keyword either.
            nomErreur1() = mot;
            signaleErreurLigne(ligne, kErreurMotNonReconnu);
            return;
        }
        appliqueMotCle(o, numero);
    }
    // A curve is sampled again when it comes into view, and when its points
    // become joined or no longer joined: where its pieces break depends on it,
    // so a locus restyled by a lone line breaks at its gaps at once.
    const bool lies = (o.style.drapeaux & 0x0800) != 0;
    if (o.style.courbe == 1 && estDessine(o.style) && (etaitCache || lies != etaientLies)) calculeObjet(f, n);
}

void traiteDessinDe(TfigureKalmetra& f, TLigneFigure& ligne) {
    ligne.nomObjet = coupe(ligne.arguments[1], 10);
    uint8_t n = 0;
    numeroObjetDeNomEtGenre(f, ligne.nomObjet, ligne.modeLecture, ligne.erreur, n);
    if (estRefus(ligne.erreur)) {
        nomErreur1() = ligne.arguments[1];
        afficheErreurDeNumero(ligne.erreur);
        return;
    }
    if (!estObjetDessinable(objet(f, n))) {
        nomErreur1() = ligne.arguments[1];
        signaleErreurLigne(ligne, kErreurNonDessinable);
        return;
    }
    ligne.erreur = 0;
    ligne.arguments[2] = coupe(sansBlancsAuxBouts(ligne.arguments[2]), 255);
    lisParticularitesDeDessin(f, n, ligne, true);
}

void changeDessinDe(TfigureKalmetra& f, TLigneFigure& ligne) {
    TListeObjets liste{};
    uint8_t nombre = 0;
    litListeObjetsDessinables(f, ligne.arguments[1], ligne.modeLecture, liste, nombre, ligne.erreur);
    if (estRefus(ligne.erreur)) {
        afficheErreurDeNumero(ligne.erreur);
        return;
    }
    ligne.erreur = 0;
    const std::string attributs = ligne.arguments[2];
    for (int k = 1; k <= nombre && !estRefus(ligne.erreur); ++k) {
        ligne.arguments[2] = attributs;
        lisParticularitesDeDessin(f, liste[k], ligne, false);
    }
}

void limiteDessinsDeLigne(TfigureKalmetra& f, TLigneFigure& ligne) {
    uint8_t convexe = 0;
    numeroObjetDeNomEtGenre(f, coupe(ligne.arguments[1], 10), ligne.modeLecture, ligne.erreur, convexe);
    if (estRefus(ligne.erreur)) {
        afficheErreurDeNumero(ligne.erreur);
        return;
    }
    // The line takes every convex, a net of a polyhedron too: the net itself
    // is kept as the limit, so that the writer names it again, and the
    // drawing is clipped by the polyhedron it unfolds (convexeLimitant).
    if (!estConstructionConvexe(objet(f, convexe).codeConstruction)) {
        signaleErreurLigne(ligne, kErreurPasConvexe);
        return;
    }
    TListeObjets liste{};
    uint8_t nombre = 0;
    ligne.erreur = 0;
    litListeObjetsDessinables(f, ligne.arguments[2], ligne.modeLecture, liste, nombre, ligne.erreur);
    if (estRefus(ligne.erreur)) {
        afficheErreurDeNumero(ligne.erreur);
        return;
    }
    ligne.erreur = 0;
    for (int k = 1; k <= nombre; ++k) {
        TObjetFigure& o = objet(f, liste[k]);
        if (!estObjetDessinable(o)) continue;
        o.objetLimite = convexe;
        if (o.nature == kNatureCourbe) calculeObjet(f, liste[k]);
    }
}

} // namespace km32
