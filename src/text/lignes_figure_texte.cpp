#include "text/lignes_figure_texte.h"

#include <cmath>
#include <numbers>

#include "base/texte.h"
#include "host/menus_figure_codes.h"
#include "model/catalogue.h"
#include "model/couleurs.h"
#include "model/evaluation_expression.h"
#include "model/fonctions/fonctions.h"
#include "model/nombres_texte.h"
#include "model/objets_figure.h"
#include "text/prototypes_texte.h"
#include "model/services_texte.h"
#include "model/texte_math.h"
#include "phrases/phrase.h"
#include "text/ligne_relisible.h"

namespace km32 {

namespace {

constexpr uint16_t kPhraseCouleurRVB = 11162;

std::string ligne(uint16_t phrase, const std::string& parametres, uint8_t indentation = 0) {
    return ligneRelisible(phrase, parametres, indentation);
}

std::string quatreDecimales(double x) {
    std::string t;
    texteDeReelPuissance(4, t, x);
    return t;
}

std::string nomCoupe(const TfigureKalmetra& f, int i) {
    return coupe(nomObjet(f, i), 80);
}

uint16_t motDeCouleur(uint32_t valeur, int i) {
    const bool axe = i >= 7 && i <= 10;
    switch (valeur) {
    case 1:
        return axe ? 0 : 2445;
    case 128:
        return 2451;
    case 255:
        return axe ? 0 : 2450;
    case 32768:
        return 2459;
    case 32896:
        return 2457;
    case 65280:
        return 2458;
    case 65535:
        return 2456;
    case 8388608:
        return 2455;
    case 8388736:
        return 2449;
    case 8421376:
        return 2453;
    case 8421504:
        return 2447;
    case 12632256:
        return 2446;
    case 16711680:
        return 2454;
    case 16711935:
        return 2448;
    case 16776960:
        return 2452;
    case 16777215:
        return 2444;
    default:
        return 0;
    }
}

void ajouteMot(std::string& mots, const std::string& mot) {
    if (mot.empty()) return;
    mots += (mots.empty() ? "" : ", ") + coupe(mot, 80);
}

} // namespace

std::string texteAngleEnDegres(double angle) {
    double degres = angle * 180 / std::numbers::pi;
    const double entier = std::round(degres);
    if (std::fabs(degres - entier) < 0.000001) degres = entier;
    return coupe(texteDeReel(degres), 80);
}

std::string ecritLigneRotations(const TfigureKalmetra& f) {
    return ligne(2206, texteAngleEnDegres(f.anglesVue[0]) + ";" + texteAngleEnDegres(f.anglesVue[1]) + ";" +
                           texteAngleEnDegres(f.anglesVue[2]));
}

std::string ecritLignePosition(const TfigureKalmetra& f) {
    return ligne(2234, quatreDecimales(f.fractionsCentre[0]) + ";" + quatreDecimales(f.fractionsCentre[1]));
}

std::string ecritLigneProjection(const TfigureKalmetra& f) {
    return ligne(2239,
                 quatreDecimales(f.parametresOblique[0]) + ";" + quatreDecimales(f.parametresOblique[1]));
}

std::string ecritLignePasDeRotation(const TfigureKalmetra& f) {
    return ligne(2244, texteDeReel(f.pasClavier));
}

std::string ecritLigneDoubleCadre(const TfigureKalmetra& f) {
    std::string t[4];
    for (int k = 0; k < 4; ++k)
        t[k] = coupe(texteDeReel(f.cadreImage[k]), 10);
    if (t[0] == "0.1" && t[1] == "0.1" && t[2] == "0.9" && t[3] == "0.9") return {};
    return ligne(2235, t[0] + ";" + t[1] + ";" + t[2] + ";" + t[3]);
}

namespace {

std::string ligneImpression(uint16_t phrase, const std::string& reglage, int32_t taille) {
    if (taille <= 0) return {};
    const char couleur = reglage.size() > 0 ? reglage[0] : 'C';
    const char reference = reglage.size() > 1 ? reglage[1] : 'F';
    const std::string a = coupe(phraseDeNumero(couleur == 'C' ? 2500 : 2499), 80);
    const std::string b = coupe(phraseDeNumero(reference == 'U' ? 2498 : 2497), 80);
    return ligne(phrase, a + ";" + b + ";" + texteDeReel(taille));
}

} // namespace

std::string ecritLigneImpression(const TfigureKalmetra& f) {
    return ligneImpression(2236, f.texteImpression, f.valeurImpression);
}

std::string ecritLigneCopieAjustee(const TfigureKalmetra& f) {
    return ligneImpression(2237, f.texteCopie, f.valeurCopie);
}

std::string ecritLigneObjetLibre(const TfigureKalmetra& f, int i) {
    const uint8_t code = objet(f, i).codeConstruction;
    const TplaceValeursLibres place = placeValeursLibres(code);
    // One, two or three parameters; a code that is not free gives the name alone.
    static constexpr uint16_t kPhrases[4] = {2202, 2202, 2232, 2203};
    // A variable of an interval is moved by its fraction of the interval
    // (its free value), but its line gives the variable's own value, which
    // the reader turns back into the fraction.
    const bool variableIntervalle =
        code == construction::kEntierLibreIntervalle || code == construction::kReelLibreIntervalle;
    std::string p = nomCoupe(f, i) + ";";
    for (int k = 0; k < place.nombre; ++k) {
        const int decalage = variableIntervalle ? 0 : place.decalages[k];
        p += (k > 0 ? ";" : "") + texteDeReel(valeurDepuisZero(f, i, decalage));
    }
    return ligne(kPhrases[place.nombre], p, 3);
}

std::string ecritLignePasClavier(const TfigureKalmetra& f, int i) {
    const TObjetFigure& o = objet(f, i);
    const uint8_t code = o.codeConstruction;
    const int rang = (code == 44 || code == 45) ? 3 : 1;
    if (o.nombreExpressions < rang || o.nombreValeurs == 0) return {};
    std::string pas;
    ligneEnTexteMath(f, numeroExpressionObjet(f, i, rang), false, pas);
    pas = coupe(pas, 80);
    uint16_t erreur = 0;
    double x = 0;
    evalueExpressionTexte(f, pas, 2, erreur, x);
    const double v = valeurDepuisZero(f, i, o.nombreValeurs - 1);
    if (std::fabs(x - v) > 0.1 * x) pas = coupe(texteDeReel(v), 80);

    const char* defaut = "1";
    switch (code) {
    case 3:
    case 6:
    case 7:
    case 189:
        defaut = "0.01";
        break;
    case 4:
    case 5:
    case 45:
    case 74:
    case 132:
    case 148:
        defaut = "0.1";
        break;
    default:
        break;
    }
    const bool alternative = pasEnUniteAlternative(o) && code != 44 && code != 45;
    if (pas == defaut && !alternative && !pasNonModifiable(o)) return {};

    std::string troisieme;
    const bool alt = pasEnUniteAlternative(o);
    switch (code) {
    case 3:
        troisieme = phraseDeNumero(alt ? 2487 : 2485) + ",";
        break;
    case 4:
        troisieme = phraseDeNumero(alt ? 2486 : 2487) + ",";
        break;
    case 5:
        troisieme = phraseDeNumero(alt ? 2489 : 2487) + ",";
        break;
    case 6:
        troisieme = phraseDeNumero(alt ? 2487 : 2484) + ",";
        break;
    case 7:
        troisieme = phraseDeNumero(alt ? 2487 : 2483) + ",";
        break;
    default:
        break;
    }
    troisieme = coupe(troisieme + phraseDeNumero(pasNonModifiable(o) ? 2481 : 2480), 80);
    return ligne(2225, nomCoupe(f, i) + ";" + pas + ";" + troisieme, 3);
}

std::string ecritLigneStyleObjet(const TfigureKalmetra& f, int i) {
    const TObjetFigure& o = objet(f, i);
    const TstyleObjet& s = o.style;
    if (styleVientDuPrototype(f, i)) return {};
    const TsourcesCouleur sources{o.sourcesCouleur[0], o.sourcesCouleur[1], o.sourcesCouleur[2]};
    std::string mots;

    const int8_t supplementaire = codeDeCouleur(s.rouge, s.vert, s.bleu);
    if (!estCouleurStandard(s, sources) || supplementaire != -1) {
        const uint8_t octets[3] = {s.rouge, s.vert, s.bleu};
        std::string notation = phraseDeNumero(kPhraseCouleurRVB);
        for (int k = 0; k < 3; ++k) {
            if (k > 0) notation += ",";
            notation += sources[std::size_t(k)] != 0 ? nomObjet(f, sources[std::size_t(k)])
                                                     : std::to_string(octets[k]);
        }
        ajouteMot(mots, coupe(notation + ")", 80));
    } else if (const uint16_t mot = motDeCouleur(couleurDuStyle(s), i)) {
        ajouteMot(mots, phraseDeNumero(mot));
    }

    const uint8_t n = o.nature;
    const auto mot = [&](uint16_t phrase) { ajouteMot(mots, phraseDeNumero(phrase)); };
    if (n == kNaturePoint) {
        if (nomAuDessus(s))
            mot(2473);
        else if (nomAuDessous(s))
            mot(2474);
        if (nomADroite(s))
            mot(2475);
        else if (nomAGauche(s))
            mot(2472);
        if (!marqueDessinee(s))
            mot(2461);
        else if (marqueFine(s))
            mot(2495);
        else if (marqueEpaisse(s))
            mot(2496);
        if (!nomDessine(s)) mot(2462);
    }
    const bool ligneEpaisse = (n >= 2 && n <= 6) || n == 16 || (n >= 25 && n <= 27) || n == 34;
    if (ligneEpaisse && epaisseurTrait(s) > 1) mot(2464);
    const bool ligneTiretee = (n >= 2 && n <= 6) || n == 25 || n == 26;
    if (ligneTiretee && traitTirete(s)) mot(2463);
    // The convex surfaces write their fill.
    if (estConstructionConvexe(o.codeConstruction)) {
        switch (commandeRemplissage(s)) {
        case 32:
            mot(2460);
            break;
        case 33:
            mot(2468);
            break;
        case 34:
            mot(2469);
            break;
        case 35:
            mot(2470);
            break;
        case 36:
            mot(2471);
            break;
        default:
            break;
        }
    }
    if (n == kNatureRepere) {
        if (!estGradue(s) && !avecQuadrillage(s)) mot(2465);
        if (avecQuadrillage(s)) mot(2467);
        if (avecMarquesNumeriques(s)) mot(2466);
    }
    if (o.codeConstruction == 71) {
        if (!estGradue(s)) mot(2465);
        if (avecMarquesNumeriques(s)) mot(2466);
    }
    if (n == kNatureCourbe || n == kNatureMaillage)
        mot(pointsNonLies(s) ? 2477 : 2493);
    else if ((n == kNatureCercle || n == kNatureArcDeCercle || n == kNatureSphere) && pointsNonLies(s))
        mot(2477);
    if (!estDessine(s)) mot(2476);

    if (mots.empty()) return {};
    const uint8_t indentation = (i >= 7 && i <= 10) ? 0 : 3;
    return ligne(2204, coupe(nomObjetNotation(f, i), 80) + ";" + mots, indentation);
}

namespace {

// Lines gathered in an accumulator that is flushed once it passes a length.
struct LignesAccumulees {
    std::vector<std::string> lignes;
    std::string accumulateur;
};

} // namespace

std::vector<std::string> ecritLignesValeursFonction(const TfigureKalmetra& f, int i) {
    const TFonction* fonction = fonctionDeEmplacement(f, objet(f, i).emplacementFonction);
    if (fonction == nullptr || !fonction->table) return {};
    const TFonctionTable& table = *fonction->table;
    const std::string nom = nomCoupe(f, i);
    LignesAccumulees b;
    const auto termineLigneValeurs = [&] {
        if (b.accumulateur.empty()) return;
        if (b.accumulateur.back() == ' ') b.accumulateur.pop_back();
        b.lignes.push_back(ligne(2218, nom + ";" + b.accumulateur, 2));
        b.accumulateur.clear();
    };
    const int n = std::min<int>(table.nombrePoints, kMaxPointsFonctionTable);
    for (int k = 1; k <= n; ++k) {
        if (b.accumulateur.size() > 60) termineLigneValeurs();
        b.accumulateur +=
            "(" + texteDeReel(table.x[std::size_t(k)]) + "," + texteDeReel(table.y[std::size_t(k)]) + ") ";
    }
    termineLigneValeurs();
    return b.lignes;
}

std::vector<std::string> ecritLignesOptionsInterdites(const TfigureKalmetra& f) {
    LignesAccumulees b;
    const auto termineLigneOptions = [&] {
        if (b.accumulateur.empty()) return;
        if (b.accumulateur.back() == ',') b.accumulateur.pop_back();
        b.lignes.push_back(ligne(2226, b.accumulateur, 0));
        b.accumulateur.clear();
    };
    for (const uint16_t commande : codesDesMenusAutorises(f.commandesAutorisees)) {
        if (b.accumulateur.size() > 50) termineLigneOptions();
        b.accumulateur += codeMenuDeCommande(commande) + ",";
    }
    termineLigneOptions();
    return b.lignes;
}

} // namespace km32
