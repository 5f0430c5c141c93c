// Reading a prototype block of a figure text: the title, the end line, the
// definition lines run in a new inner figure, the given objects, the dummy
// variables and the result found there, and the interface part (model
// phrase, prompts, comment) read and coded.
#include <algorithm>

#include "base/garde.h"
#include "base/texte.h"
#include "model/expression_erreurs.h"
#include "model/objets_figure.h"
#include "model/prototypes/operandes_donnes.h"
#include "text/prototypes_texte.h"
#include "model/registre_figures.h"
#include "model/services_texte.h"
#include "phrases/phrase.h"
#include "text/attributs_dessin.h"
#include "text/execution_texte.h"
#include "text/ligne_figure.h"
#include "text/listes_points.h"
#include "text/noms_objets.h"

namespace km32 {

namespace {

// A line break at position p counts one line: a CR, or an LF that no CR
// comes before (as the text runner counts them).
bool compteLigne(std::string_view t, std::size_t p) {
    return t[p] == '\r' || (t[p] == '\n' && (p == 0 || t[p - 1] != '\r'));
}

std::size_t lignesDans(std::string_view t) {
    std::size_t n = 0;
    for (std::size_t p = 0; p < t.size(); ++p)
        if (compteLigne(t, p)) ++n;
    return n;
}

void otePlatsDeFin(std::string& l) {
    while (!l.empty() && (l.back() == ' ' || l.back() == '\t'))
        l.pop_back();
}

// The next line of a block: CR, LF, TAB and blanks skipped (each line break
// counted), the line up to NUL, CR or LF, trailing TABs and blanks dropped,
// a line beginning with "%" skipped, anything from "%" on cut. Longer than
// 250 characters (255 in a snapshot of the library's own): error 563. Empty
// at the end of the text.
std::string lisLigneSuivantePrototype(std::string_view t, std::size_t& p, uint16_t& erreur, uint16_t& ligne) {
    for (;;) {
        while (p < t.size() && (t[p] == '\r' || t[p] == '\n' || t[p] == '\t' || t[p] == ' ')) {
            if (compteLigne(t, p)) ++ligne;
            ++p;
        }
        if (p >= t.size() || t[p] == '\0') return {};
        std::string l = resteDeLaLigne(t, p);
        otePlatsDeFin(l);
        // A snapshot of the library's own takes what a line record holds.
        const std::size_t limite =
            textesInternesEnLecture() > 0 ? kLongueurLigne : kLongueurMaxLignePrototype;
        if (l.size() > limite) {
            erreur = kErreurSyntaxePrototype;
            return {};
        }
        if (l[0] == '%') continue;
        if (const std::size_t r = l.find('%'); r != std::string::npos) {
            l.erase(r);
            otePlatsDeFin(l);
        }
        return l;
    }
}

// Values of a result by its kind.
uint8_t nombreValeursDeNature(uint8_t nature) {
    switch (nature) {
    case kNaturePoint:
    case kNatureVecteur:
        return 3;
    case kNatureSegment:
    case kNatureDroite:
    case kNatureDemiDroite:
        return 6;
    case kNatureCercle:
        return 10;
    case kNatureArcDeCercle:
        return 11;
    case kNatureRepere:
    case kNatureTransformation:
        return 12;
    case kNatureNombreReel:
    case kNatureUniteDeLongueur:
        return 1;
    case kNatureCourbe:
        return 2;
    case kNatureSphere:
    case kNaturePlan:
        return 4;
    default:
        return 0;
    }
}

bool estNatureFonction(uint8_t nature) {
    return nature == kNatureFonction || (nature >= kNatureSuite && nature <= kNatureFonction3Variables);
}

bool aSolideDonne(uint8_t nature) {
    return nature == kNatureCercle || (nature >= 25 && nature <= 27) || nature == 29 || nature == 30 ||
           nature == 32;
}

bool aSolideResultat(uint8_t nature) {
    return nature == kNatureCercle || (nature >= 25 && nature <= 27) || (nature >= 29 && nature <= 32);
}

bool estLettre(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool estOctetPlace(char c) {
    return c >= 1 && c <= kMaxDonnesPrototype + 1;
}

// The operand numbers that the replay of a line gives the given objects
// (the line's first parent or parameter expression, by kind).
void numeroteOperandes(TPrototype& p) {
    const TOperandesInstance places = operandesInstance(p);
    for (int k = 1; k <= p.nombreDonnes && k <= kMaxDonnesPrototype; ++k) {
        const TOperandesDonne& d = places.donnes[std::size_t(k)];
        p.rejeu.operandesDonnes[std::size_t(k)] = operandeDonne(d);
    }
}

// The model phrase coded: each name of a given object or of the result
// becomes its placeholder byte (1..n, n + 1 for the result).
uint16_t codePhraseModele(TPrototype& p, const TfigureKalmetra& g, std::string& code) {
    const int n = p.nombreDonnes;
    auto place = [&](int objet) -> int {
        if (objet < 1 || !p.nomsPermis.test(std::size_t(objet))) return 0;
        return objet == g.nombreObjets && p.nombreVariables == 0 ? n + 1 : objet - kObjetsPredefinis;
    };
    code = p.phraseModele;
    // A TAB or another control character would read as a placeholder.
    for (char& c : code)
        if (c >= 0 && c < ' ') c = ' ';

    for (;;) {
        std::string haut = code;
        for (char& c : haut)
            if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
        const std::size_t debut = haut.find("VEC(");
        if (debut == std::string::npos) break;
        const std::size_t fin = code.find(')', debut);
        if (fin == std::string::npos) return kErreurVec;
        const std::string nom = code.substr(debut, fin - debut + 1);
        const int k = place(numeroObjetDeNotation(g, nom));
        if (k == 0) {
            nomErreur1() = nom;
            return kErreurNomInconnuModele;
        }
        code.replace(debut, fin - debut + 1, 1, char(k));
    }

    bool premierMot = true;
    std::string r;
    for (std::size_t i = 0; i < code.size();) {
        if (!estLettre(code[i])) {
            r += code[i++];
            continue;
        }
        std::size_t j = i + 1;
        while (j < code.size() && (estLettre(code[j]) || (code[j] >= '0' && code[j] <= '9') ||
                                   code[j] == '\'' || code[j] == '"'))
            ++j;
        const std::string mot = code.substr(i, j - i);
        i = j;
        if (premierMot && p.nombreVariables > 0) {
            r += char(n + 1);
        } else if (const int k = place(numeroObjetDeNotation(g, mot)); k != 0) {
            r += char(k);
        } else {
            // A run of point names written one after another.
            uint8_t nombre = 0;
            TListePoints points{};
            uint16_t erreur = 0;
            litListePoints(g, mot, 0, nombre, points, erreur);
            std::string places;
            bool tous = erreur < kPasDeCetteForme && nombre > 0;
            for (int m = 1; tous && m <= nombre; ++m) {
                const int k2 = place(points[std::size_t(m)]);
                if (k2 == 0) tous = false;
                places += char(k2);
            }
            r += tous ? places : mot;
        }
        premierMot = false;
    }
    code = r;
    return 0;
}

// The skeleton of the coded phrase and its checks.
uint16_t construitSquelette(TPrototype& p, const std::string& code) {
    const int n = p.nombreDonnes;
    const char resultat = char(n + 1);
    if (code.empty() || code[0] != resultat) return kErreurResultatPasEnTete;
    std::string s(1, resultat);
    char precedent = resultat;
    bool texte = false;
    TEnsembleObjets vus;
    for (std::size_t i = 1; i < code.size(); ++i) {
        const char c = code[i];
        if (!estOctetPlace(c)) {
            if (c != ' ') texte = true;
            continue;
        }
        if (texte) {
            s += ';';
        } else {
            if (p.natures[std::size_t(precedent)] != kNaturePoint ||
                p.natures[std::size_t(c)] != kNaturePoint)
                return kErreurNomsNonSepares;
            if (precedent == resultat) return kErreurResultatPasEnTete;
        }
        s += c;
        vus.set(std::size_t(c));
        precedent = c;
        texte = false;
    }
    for (int k = 1; k <= n; ++k)
        if (!vus.test(std::size_t(k))) return kErreurDonneAbsent;
    p.squelette = coupe(s, 80);
    return 0;
}

// "#1 milieu de #2": each run of placeholder bytes becomes "#" and its rank.
std::string macroDeCode(const std::string& code) {
    std::string r;
    int rang = 0;
    for (std::size_t i = 0; i < code.size(); ++i) {
        if (!estOctetPlace(code[i])) {
            r += code[i];
            continue;
        }
        if (i > 0 && estOctetPlace(code[i - 1])) continue;
        r += "#" + std::to_string(++rang);
    }
    return r;
}

// The prefix of the end line up to the title: "Fin de [".
std::string debutLigneFin() {
    std::string fin = phraseDeNumero(kPhraseFinPrototype);
    const std::size_t p = fin.find("#1");
    if (p != std::string::npos) fin.erase(p);
    return fin + "[";
}

// Steps 6 to 10 of the reader: what the inner figure holds.
uint16_t analyseFigureInterne(TPrototype& p) {
    const TfigureKalmetra& g = *p.figureInterne;
    int n = 0;
    while (kObjetsPredefinis + n + 1 <= g.nombreObjets &&
           estCodeDonne(objet(g, kObjetsPredefinis + n + 1).codeConstruction))
        ++n;
    // The records hold nine given objects and the phrase codes bytes 1 to 9.
    if (n > kMaxDonnesPrototype) return kErreurSyntaxePrototype;
    p.nombreDonnes = uint8_t(n);
    for (int k = 1; k <= n; ++k) {
        const TObjetFigure& o = objet(g, kObjetsPredefinis + k);
        p.natures[std::size_t(k)] = o.nature;
        p.indicesDonnes[std::size_t(k)] =
            estNatureFonction(o.nature) ? o.emplacementFonction : o.premiereValeur;
        p.solidesDonnes[std::size_t(k)] = aSolideDonne(o.nature) ? o.emplacementSolide : 0;
    }
    const int premier = kObjetsPredefinis + n + 1;
    for (int i = premier; i <= g.nombreObjets; ++i)
        if (estCodeDonne(objet(g, i).codeConstruction)) return kErreurDonnesPasEnTete;
    if (premier > g.nombreObjets) return kErreurAucunObjetCree;
    p.premierCree = uint8_t(premier);

    p.nombreVariables = 0;
    for (int i = premier; i < g.nombreObjets; ++i) {
        const TObjetFigure& o = objet(g, i);
        if (o.codeConstruction != kCodeVariableMuette) continue;
        if (p.nombreVariables == 3) return kErreurTropDeVariables;
        p.variables[p.nombreVariables] = uint8_t(i);
        p.indicesVariables[p.nombreVariables] = o.premiereValeur;
        ++p.nombreVariables;
    }

    const int dernier = g.nombreObjets;
    const TObjetFigure& r = objet(g, dernier);
    if (!estCodeResultatPermis(r.codeConstruction)) {
        nomErreur1() = nomObjet(g, dernier);
        return kErreurResultatInterdit;
    }
    p.codeResultat = r.codeConstruction;
    p.natureResultat = r.nature;
    p.nombreValeursResultat = nombreValeursDeNature(r.nature);
    p.indiceResultat = estNatureFonction(r.nature) ? r.emplacementFonction : r.premiereValeur;
    p.solideResultat = aSolideResultat(r.nature) ? r.emplacementSolide : 0;
    p.maillageResultat = r.nature == kNatureMaillage ? r.emplacementSolide : 0;
    p.resultatLibre = estObjetLibre(r) ? 1 : 0;
    p.natures[std::size_t(n + 1)] = r.nature;
    p.secondeDirection = g.ensembleSecondeDirection;

    p.nomsPermis.reset();
    for (int k = 1; k <= n; ++k)
        p.nomsPermis.set(std::size_t(kObjetsPredefinis + k));
    if (p.nombreVariables == 0) {
        p.nomsPermis.set(std::size_t(dernier));
        return 0;
    }

    static constexpr uint8_t kCodes[3] = {245, 243, 244};
    static constexpr uint8_t kNatures[3] = {kNatureFonction, kNatureFonction2Variables,
                                            kNatureFonction3Variables};
    p.nombreValeursResultat = 0;
    p.codeResultat = kCodes[p.nombreVariables - 1];
    p.natureResultat = kNatures[p.nombreVariables - 1];
    p.natures[std::size_t(n + 1)] = p.natureResultat;
    p.indiceResultat = r.premiereValeur;
    TEnsembleObjets v, necessaires;
    for (int k = 0; k < p.nombreVariables; ++k)
        v.set(p.variables[std::size_t(k)]);
    necessaires.set(std::size_t(dernier));
    for (int i = dernier; i >= premier; --i)
        if (necessaires.test(std::size_t(i))) necessaires |= ensembleDesAntecedents(g, i);
    for (int i = premier; i <= dernier; ++i)
        if ((ensembleDesAntecedents(g, i) & v).any()) v.set(std::size_t(i));
    for (int k = 0; k < p.nombreVariables; ++k)
        necessaires.reset(p.variables[std::size_t(k)]);
    p.dependantsVariables = v;
    p.aRecalculer = necessaires & v;
    p.fixes = necessaires & ~v;
    p.premierARecalculer = uint8_t(std::min(dernier + 1, 255));
    for (int i = premier; i <= dernier; ++i)
        if (p.aRecalculer.test(std::size_t(i))) {
            p.premierARecalculer = uint8_t(i);
            break;
        }
    return 0;
}

} // namespace

void analyseTextePrototype(TPrototype& p, std::string_view texte, std::size_t& position, uint16_t& erreur,
                           uint16_t& ligneSortie, uint16_t ligneEntree, uint8_t& signale) {
    erreur = 0;
    p.figureInterne.reset();
    ligneSortie = ligneEntree;
    signale = 1;
    p.nonUtilisable = 1;
    p.secondeDirection.reset();

    // The title, between the brackets of the first line.
    const std::size_t debutBloc = position;
    std::size_t q = position;
    uint16_t compteur = ligneEntree;
    const std::string premiere = coupe(lisLigneSuivantePrototype(texte, q, erreur, compteur), 80);
    if (erreur != 0) return;
    const std::size_t ouvre = premiere.find('[');
    const std::size_t ferme = ouvre == std::string::npos ? std::string::npos : premiere.find(']', ouvre);
    if (ferme == std::string::npos) {
        erreur = kErreurTitreSansCrochets;
        return;
    }
    const std::string titreCrochets = premiere.substr(ouvre, ferme - ouvre + 1);
    const std::size_t finPremiere = q;

    // The end line: the bracketed title again.
    const std::size_t marque = texte.find(titreCrochets, finPremiere);
    if (marque == std::string_view::npos) {
        erreur = kErreurFinManquante;
        return;
    }
    const std::size_t finBloc = marque + titreCrochets.size();
    if (finBloc - debutBloc >= kLongueurMaxBloc && textesInternesEnLecture() == 0) {
        erreur = kErreurBlocTropLong;
        return;
    }
    const std::string_view bloc = texte.substr(debutBloc, finBloc - debutBloc);
    const std::size_t lignesBloc = lignesDans(texte.substr(debutBloc, marque - debutBloc));
    p.texteBloc = std::string(bloc);
    p.titre = titreCrochets.substr(1, titreCrochets.size() - 2);

    const std::string interface = phraseDeNumero(kPhraseDescriptionInterface);
    // The interface line in words, or in its coded form (which a block
    // written compactly uses, and which every language reads).
    std::size_t posInterface = bloc.find(interface);
    const std::string codee = kSeparateurCode + std::to_string(kPhraseDescriptionInterface);
    for (const char finLigne : {'\r', '\n'})
        if (posInterface == std::string_view::npos) posInterface = bloc.find(codee + finLigne);
    if (posInterface == std::string_view::npos) {
        erreur = kErreurSansInterface;
        return;
    }

    // The definition lines, run in a new inner figure.
    p.figureInterne = std::make_unique<TfigureKalmetra>();
    TfigureKalmetra& g = *p.figureInterne;
    g.largeurImage = 491;
    g.hauteurImage = 263;
    initialiseFigure(g);
    g.proprietairePrototypes = p.proprietaire->proprietairePrototypes;
    EtatAttributsDessin& attributs = etatAttributsDessin();
    attributs.styleDuDernierObjet = false;
    uint16_t echec = 0;
    {
        GardeValeur<uint8_t> lecture(executionReelle(), 0);
        echec = executeTexteDeFigure(g, std::string(texte.substr(finPremiere, finBloc - finPremiere)), 1);
    }
    if (echec != 0) {
        erreur = echec;
        ligneSortie = uint16_t(ligneEntree + echec - 1);
        signale = 0;
        return;
    }
    p.aLigneStyle = attributs.styleDuDernierObjet ? 1 : 0;
    attributs.styleDuDernierObjet = false;
    p.aSourcesCouleur = 0;
    if (p.aLigneStyle && g.nombreObjets > kObjetsPredefinis) {
        const TObjetFigure& dernier = objet(g, g.nombreObjets);
        p.aSourcesCouleur = dernier.sourcesCouleur[0] != 0 || dernier.sourcesCouleur[1] != 0 ||
                            dernier.sourcesCouleur[2] != 0;
    }

    erreur = analyseFigureInterne(p);
    if (erreur != 0) return;

    // The interface part: model phrase, prompts, comment.
    if (!g.texteCommentaire) {
        erreur = kErreurSansInterface;
        return;
    }
    const std::string& texteInterface = *g.texteCommentaire;
    ligneSortie = uint16_t(ligneEntree + lignesDans(bloc.substr(0, posInterface)));
    compteur = uint16_t(ligneSortie + 1);
    std::size_t r = 0;
    p.phraseModele = lisLigneSuivantePrototype(texteInterface, r, erreur, compteur);
    ligneSortie = compteur;
    if (erreur != 0) return;
    if (p.phraseModele.empty()) {
        erreur = kErreurPhraseModeleManquante;
        return;
    }
    if (p.nombreDonnes + (p.nombreVariables == 0 ? 1 : 0) > kMaxDonnesPrototype) {
        erreur = kErreurSyntaxePrototype;
        return;
    }
    std::string code;
    erreur = codePhraseModele(p, g, code);
    if (erreur == 0) erreur = construitSquelette(p, code);
    if (erreur != 0) return;
    p.ligneTravail = macroDeCode(code);
    p.modele = TModeleLigne{};
    p.modele.modele = coupe(p.ligneTravail, kLongueurModele);
    analyseModeleLigne(p.modele);
    if (!p.modele.utilisable) {
        erreur = kErreurSyntaxePrototype;
        return;
    }

    const std::string finTitre = debutLigneFin();
    for (int k = 1; k <= p.nombreDonnes + 1; ++k) {
        p.invites[std::size_t(k)] = coupe(lisLigneSuivantePrototype(texteInterface, r, erreur, compteur), 80);
        ligneSortie = compteur;
        if (erreur != 0) return;
        if (p.invites[std::size_t(k)].empty() ||
            p.invites[std::size_t(k)].find(finTitre) != std::string::npos) {
            erreur = kErreurInviteManquante;
            return;
        }
    }
    // The comment: what follows the prompts, up to the end line.
    const std::size_t derniereCoupure = texteInterface.find_last_of("\r\n");
    p.aCommentaire = false;
    p.commentaire.clear();
    if (derniereCoupure != std::string::npos && derniereCoupure > r) {
        std::string c = texteInterface.substr(r, derniereCoupure - r);
        const std::size_t d = c.find_first_not_of("\r\n\t ");
        if (d != std::string::npos) {
            c.erase(0, c.find_first_not_of("\r\n"));
            while (!c.empty() && (c.back() == '\r' || c.back() == '\n'))
                c.pop_back();
            p.commentaire = c;
            p.aCommentaire = true;
        }
    }

    // What the replay of a line needs.
    p.rejeu = TInterfacePrototype{};
    p.rejeu.nombreDonnes = p.nombreDonnes;
    for (int k = 1; k <= p.nombreDonnes + 1 && k <= 10; ++k)
        p.rejeu.naturesDonnes[std::size_t(k)] = p.natures[std::size_t(k)];
    p.rejeu.nombreValeursResultat = p.nombreValeursResultat;
    p.rejeu.ensembleRepere = p.secondeDirection;
    p.rejeu.echantillonsDernierObjet = objet(g, g.nombreObjets).nombreEchantillons;
    numeroteOperandes(p);

    noteBlocLu(p);
    position = finBloc;
    ligneSortie = uint16_t(ligneEntree + lignesBloc);
    p.nonUtilisable = 0;
}

uint8_t ajoutePrototype(TtableDesPrototypes& table, TfigureKalmetra& f, std::string_view texte,
                        std::size_t& position, uint16_t& ligne) {
    int emplacement = 0;
    for (int k = 1; k <= kMaxPrototypes && emplacement == 0; ++k)
        if (!table.prototypes[std::size_t(k)]) emplacement = k;
    if (emplacement == 0) {
        afficheErreurDeNumero(kErreurTableSaturee);
        return 0;
    }
    table.prototypes[std::size_t(emplacement)].reset(new TPrototype);
    TPrototype& p = *table.prototypes[std::size_t(emplacement)];
    p.proprietaire = &f;
    uint16_t erreur = 0, ligneSortie = ligne;
    uint8_t signale = 1;
    analyseTextePrototype(p, texte, position, erreur, ligneSortie, ligne, signale);
    ligne = ligneSortie;
    if (erreur == 0) return uint8_t(emplacement);
    if (signale) afficheErreurDeNumero(erreur);
    liberePrototype(table, emplacement);
    return 0;
}

} // namespace km32
