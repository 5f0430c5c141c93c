#include "text/operandes_objets.h"

#include "model/calcul/aides_construction.h"
#include "model/solides/mesures_solides.h"

#include <algorithm>
#include <bitset>

#include "base/texte.h"
#include "model/expression_erreurs.h"
#include "model/objets_figure.h"
#include "model/procedures_texte.h"
#include "model/registre_figures.h"
#include "model/vecteurs.h"
#include "text/execution_creation.h"
#include "text/ligne_creation.h"
#include "text/noms_objets.h"
#include "text/source_phrases.h"

namespace km32 {

namespace {

bool estSeparateurPoints(char c) {
    return c == ' ' || c == '(' || c == ')' || c == ',' || c == '[' || c == ']';
}

// The text without blanks, brackets and commas.
std::string sansSeparateurs(std::string_view texte) {
    std::string r;
    r.reserve(texte.size());
    for (char c : texte)
        if (!estSeparateurPoints(c)) r += c;
    return r;
}

std::bitset<256> codesTracables() {
    std::bitset<256> s;
    auto plage = [&](int a, int b) {
        for (int c = a; c <= b; ++c)
            s.set(c);
    };
    plage(1, 21);
    plage(23, 37);
    plage(130, 142);
    plage(146, 148);
    plage(209, 213);
    for (int c : {71,  105, 125, 144, 150, 151, 153, 155, 156, 161, 162, 173, 174, 176,
                  181, 182, 184, 189, 192, 202, 203, 206, 218, 219, 232, 249, 254})
        s.set(c);
    return s;
}

enum class Echec : uint8_t { Arret, SautSiTexteHote };

// Which objects the check of modifiable objects refuses for their
// protection: all of them, or only user objects when a figure text renames
// the built-in ones.
enum class Protection : uint8_t { Toute, IntegresRenommes };

// A figure text names a renamed built-in object by its present name only
// after its rename line, which the writer puts first: a text read from a
// file (mode 2) must take that line as a text given by a host (mode 1)
// does, or a saved figure would not open. The dialog (mode 4) still
// refuses the protected built-in objects when the rename is made.
bool protectionRefuse(int numero, uint8_t mode, Protection protection) {
    return !(protection == Protection::IntegresRenommes && numero <= kObjetsPredefinis &&
             mode < kModeLectureDialogue);
}

// Reads the items of a list into liste; the lookup of each may be followed
// by the accessibility check of modifiable objects.
void litElements(const TfigureKalmetra& f, std::string_view texte, uint8_t mode, TListeObjets& liste,
                 uint8_t& nombre, uint16_t& erreur, Echec echec, bool modifiables,
                 Protection protection = Protection::Toute) {
    if (estRefus(erreur)) return;
    nombre = 0;
    if (texte.empty()) return;
    const std::string normal = normaliseListe(texte);
    Elements elements{normal};
    std::string_view element;
    while (!estRefus(erreur) && elements.suivant(element)) {
        const uint16_t avant = erreur;
        uint8_t n = 0;
        numeroObjetDeNomEtGenre(f, element, mode, erreur, n);
        if (!estRefus(erreur) && modifiables && mode > 1) {
            const TObjetFigure& o = objet(f, n);
            if (accesInterdit(o) || (estProtege(o) && protectionRefuse(n, mode, protection))) {
                nomErreur1() = std::string(element.substr(0, 80));
                erreur = accesInterdit(o) ? kErreurAccesInterdit : kErreurNonModifiable;
            }
        }
        if (estRefus(erreur)) {
            if (echec == Echec::SautSiTexteHote && etatOperandes().texteHote) erreur = avant;
            continue;
        }
        verifieCapacite(nombre + 1, kMaxListeObjets, "object list");
        liste[++nombre] = n;
    }
}

void controleDoublons(const TfigureKalmetra& f, const TListeObjets& liste, uint8_t nombre, uint16_t& erreur) {
    if (estRefus(erreur)) return;
    for (int i = 2; i <= nombre; ++i)
        for (int j = 1; j < i; ++j)
            if (liste[i] == liste[j]) {
                nomErreur1() = nomObjetNotation(f, liste[i]);
                erreur = kErreurDeuxFois;
                return;
            }
}

// The first object of the list that fails the test gives the error, with
// its notation as "#1".
template <class Test>
void controleChaqueObjet(const TfigureKalmetra& f, const TListeObjets& liste, uint8_t nombre,
                         uint16_t& erreur, uint16_t phrase, Test test) {
    if (estRefus(erreur)) return;
    for (int i = 1; i <= nombre; ++i)
        if (!test(objet(f, liste[i]))) {
            nomErreur1() = nomObjetNotation(f, liste[i]);
            erreur = phrase;
            return;
        }
}

// "#1" of 538 for the object whose name a line wants: its name, then its
// kind or the notice that it is forbidden or protected.
void messageNomDejaPris(const TfigureKalmetra& f, int numero, uint16_t& erreur) {
    const TObjetFigure& o = objet(f, numero);
    std::string texte = nomObjet(f, numero);
    if (accesInterdit(o)) {
        texte += "\r\n" + phraseDeSource(9901);
    } else {
        ajouteNatureEntreParentheses(texte, 255, o.nature);
        if (erreur != kErreurNeConvientPas && (estProtege(o) || numero <= kObjetsPredefinis) &&
            !protegeSaufRedefinition(o))
            texte += "\r\n" + phraseDeSource(9903);
    }
    nomErreur1() = coupe(texte, 255);
    erreur = kErreurObjetExisteDeja;
}

// Reads one point name token off the front of t for a designation of
// points; 533 names the whole operand.
void litPointDeDesignation(const TfigureKalmetra& f, const std::string& integre, std::string& t,
                           std::string_view operande, uint8_t mode, uint8_t& point, uint16_t& erreur) {
    if (estRefus(erreur)) return;
    std::string nom;
    litNomPoint(integre, t, nom, erreur);
    if (estRefus(erreur)) {
        nomErreur1() = coupe(operande, 80);
        erreur = kErreurDonneeIncorrecte;
        return;
    }
    numeroPointDeNom(f, nom, mode, point, erreur);
}

void restePourDesignation(const std::string& t, std::string_view operande, uint16_t& erreur) {
    if (erreur < kPasDeCetteForme && !t.empty()) {
        nomErreur1() = coupe(operande, 80);
        erreur = kErreurDonneeIncorrecte;
    }
}

// Reads a run of point names with lis(integre, erreur): first taking the
// name of a renamed built-in point whole wherever the text holds it, then,
// when that reading is refused, by name tokens alone (a segment [AB] of
// two user points A and B when the origin is named AB). A figure whose
// built-in point keeps a token name reads once.
template <class Lecture>
void litDesignationDePoints(const TfigureKalmetra& f, uint16_t& erreur, Lecture lis) {
    const std::string integre = nomPointIntegreHorsJetons(f);
    if (integre.empty()) {
        lis(integre, erreur);
        return;
    }
    const uint16_t avant = erreur;
    lis(integre, erreur);
    if (!estRefus(erreur)) return;
    const uint16_t refus = erreur;
    const std::string nomRefus = nomErreur1();
    erreur = avant;
    lis(std::string(), erreur);
    // Neither reading: the message of the first, which knew every name.
    if (estRefus(erreur)) {
        erreur = refus;
        nomErreur1() = nomRefus;
    }
}

// An object of the kind, named exactly by the text, among objects debut..count.
int chercheObjetNomme(const TfigureKalmetra& f, std::string_view nom, uint8_t nature, uint8_t codeExclu,
                      int debut) {
    if (nom.empty()) return 0;
    for (int k = debut; k <= f.nombreObjets; ++k) {
        const TObjetFigure& o = objet(f, k);
        if (o.nature == nature && o.codeConstruction != codeExclu && nomObjet(f, k) == nom) return k;
    }
    return 0;
}

// A found reference: the object first, 0 in the others, reason 437 when undefined.
void referenceTrouvee(const TfigureKalmetra& f, int k, uint8_t& premier, uint16_t& erreur) {
    premier = uint8_t(k);
    if (objet(f, k).nonDefini) erreur = kErreurAntecedentNonValide;
}

// The text without its opening bracket and then its closing one.
std::string sansEncadrement(std::string_view texte, char ouvre, char ferme) {
    std::string t = coupe(texte, 80);
    if (!t.empty() && t.front() == ouvre) {
        t.erase(0, 1);
        if (!t.empty() && t.back() == ferme) t.pop_back();
    }
    return t;
}

} // namespace

EtatOperandes& etatOperandes() {
    static EtatOperandes e;
    return e;
}

void reinitialiseOperandes() {
    etatOperandes() = EtatOperandes{};
}

std::string normaliseListe(std::string_view texte) {
    std::string r;
    r.reserve(texte.size() + 1);
    for (char c : texte) {
        if (c == ',') c = ' ';
        if (c == ' ' && !r.empty() && r.back() == ' ') continue;
        r += c;
    }
    if (r.empty() || r.back() != ' ') r += ' ';
    if (r.front() == ' ') r.erase(0, 1);
    return r;
}

void litListeObjetsSansControle(const TfigureKalmetra& f, std::string_view texte, uint8_t mode,
                                TListeObjets& liste, uint8_t& nombre, uint16_t& erreur) {
    litElements(f, texte, mode, liste, nombre, erreur, Echec::Arret, false);
}

void litListeObjets(const TfigureKalmetra& f, std::string_view texte, uint8_t mode, TListeObjets& liste,
                    uint8_t& nombre, uint16_t& erreur) {
    if (estRefus(erreur)) return;
    litElements(f, texte, mode, liste, nombre, erreur, Echec::SautSiTexteHote, false);
    controleDoublons(f, liste, nombre, erreur);
}

void litListeObjetsLibres(const TfigureKalmetra& f, std::string_view texte, uint8_t mode, TListeObjets& liste,
                          uint8_t& nombre, uint16_t& erreur) {
    if (estRefus(erreur)) return;
    litListeObjets(f, texte, mode, liste, nombre, erreur);
    controleChaqueObjet(f, liste, nombre, erreur, kErreurPasLibre,
                        [](const TObjetFigure& o) { return estObjetLibre(o); });
}

void litListeCommandes(const TfigureKalmetra& f, std::string_view texte, uint8_t mode, TListeObjets& liste,
                       uint8_t& nombre, uint16_t& erreur) {
    if (estRefus(erreur)) return;
    litListeObjetsSansControle(f, texte, mode, liste, nombre, erreur);
    if (estRefus(erreur)) return;
    for (int i = 1; i <= nombre; ++i) {
        const TObjetFigure& o = objet(f, liste[i]);
        if (o.nature == kNatureCommande) continue;
        nomErreur1() = nomObjet(f, liste[i]);
        ajouteNatureEntreParentheses(nomErreur1(), 255, o.nature);
        erreur = kErreurNeConvientPas;
        return;
    }
}

bool estConstructionTracable(uint8_t code) {
    static const std::bitset<256> tracables = codesTracables();
    return tracables.test(code);
}

void litListeObjetsTracables(const TfigureKalmetra& f, std::string_view texte, uint8_t mode,
                             TListeObjets& liste, uint8_t& nombre, uint16_t& erreur) {
    if (estRefus(erreur)) return;
    litListeObjets(f, texte, mode, liste, nombre, erreur);
    controleChaqueObjet(f, liste, nombre, erreur, kErreurPasDeTraces,
                        [](const TObjetFigure& o) { return estConstructionTracable(o.codeConstruction); });
}

void litListeObjetsModifiables(const TfigureKalmetra& f, std::string_view texte, uint8_t mode,
                               TListeObjets& liste, uint8_t& nombre, uint16_t& erreur) {
    litElements(f, texte, mode, liste, nombre, erreur, Echec::SautSiTexteHote, true);
}

void litListeObjetsDessinables(const TfigureKalmetra& f, std::string_view texte, uint8_t mode,
                               TListeObjets& liste, uint8_t& nombre, uint16_t& erreur) {
    if (estRefus(erreur)) return;
    litListeObjetsModifiables(f, texte, mode, liste, nombre, erreur);
    controleChaqueObjet(f, liste, nombre, erreur, kErreurNonDessinable,
                        [](const TObjetFigure& o) { return estObjetDessinable(o); });
}

void litListeObjetsRenommables(const TfigureKalmetra& f, std::string_view texte, uint8_t mode,
                               TListeObjets& liste, uint8_t& nombre, uint16_t& erreur) {
    if (estRefus(erreur)) return;
    litElements(f, texte, mode, liste, nombre, erreur, Echec::SautSiTexteHote, true,
                Protection::IntegresRenommes);
    controleChaqueObjet(f, liste, nombre, erreur, kErreurNonRenommable, [](const TObjetFigure& o) {
        return o.codeConstruction != 33 && o.codeConstruction != 34;
    });
}

void litListeObjetsOrdonnee(const TfigureKalmetra& f, std::string_view texte, uint8_t mode,
                            TListeObjets& liste, uint8_t& nombre, uint16_t& erreur) {
    if (estRefus(erreur)) return;
    litListeObjets(f, texte, mode, liste, nombre, erreur);
    if (!estRefus(erreur) && nombre >= 2) std::sort(liste.begin() + 1, liste.begin() + 1 + nombre);
}

void ensembleObjetsDeNoms(const TfigureKalmetra& f, std::string_view texte, TEnsembleObjets& ensemble) {
    ensemble.reset();
    if (texte.empty()) return;
    const std::string normal = normaliseListe(texte);
    Elements elements{normal};
    std::string_view element;
    while (elements.suivant(element)) {
        const int n = element.empty() ? 0 : numeroObjetDeNotation(f, element.substr(0, 10));
        if (n > kObjetsPredefinis) ensemble.set(n);
    }
}

void litEnsembleObjets(const TfigureKalmetra& f, std::string_view texte, uint8_t mode,
                       TEnsembleObjets& ensemble, uint16_t& erreur) {
    if (estRefus(erreur)) return;
    ensemble.reset();
    if (texte.empty()) return;
    const std::string normal = normaliseListe(texte);
    Elements elements{normal};
    std::string_view element;
    while (!estRefus(erreur) && elements.suivant(element)) {
        uint8_t n = 0;
        numeroObjetDeNomEtGenre(f, element, mode, erreur, n);
        if (!estRefus(erreur)) ensemble.set(n);
    }
}

void numeroPointDeNom(const TfigureKalmetra& f, std::string_view nom, uint8_t mode, uint8_t& numero,
                      uint16_t& erreur) {
    numeroObjetDeNom(f, kNaturePoint, nom, erreur, numero, mode);
}

void nommeNouvelObjet(const TfigureKalmetra& f, uint8_t nature, std::string_view nom, uint8_t mode,
                      uint8_t& numero, uint16_t& erreur) {
    if (estRefus(erreur)) return;
    numeroObjetPourNom(f, nature, nom, erreur, numero, mode);
    if (erreur == kErreurNeConvientPas || erreur == kErreurAccesInterdit) {
        messageNomDejaPris(f, numero, erreur);
        return;
    }
    if (estRefus(erreur)) return;
    if (numero <= kObjetsPredefinis) {
        messageNomDejaPris(f, numero, erreur);
        return;
    }
    if (numero > f.nombreObjets) {
        const std::string n = coupe(nom, 10);
        controleNomLibre(f, nature, n, erreur);
        if (erreur == kErreurObjetExisteDeja) {
            // "#1" shows the name and the kind of the first object that holds it.
            for (int k = 1; k <= f.nombreObjets; ++k) {
                const TObjetFigure& o = objet(f, k);
                if (o.nature != kNatureSegment && o.nature != kNatureDemiDroite &&
                    !natureCompatible(o.nature, nature) && nomObjet(f, k) == n) {
                    ajouteNatureEntreParentheses(nomErreur1(), 255, o.nature);
                    break;
                }
            }
        }
    }
    if (estRefus(erreur) || mode < 2 || numero > f.nombreObjets) return;
    const TObjetFigure& o = objet(f, numero);
    if (estProtege(o) && !protegeSaufRedefinition(o)) {
        messageNomDejaPris(f, numero, erreur);
        return;
    }
    if (mode == 4) {
        std::string question = phraseDeSource(4404);
        remplaceChaine(question, 255, "#1", nomObjetOuVecteur(f, numero));
        if (!questionOuiNon(question)) erreur = kErreurRefusUtilisateur;
    }
}

void litDeuxPoints(const TfigureKalmetra& f, std::string_view texte, uint8_t mode, uint8_t& premier,
                   uint8_t& second, uint16_t& erreur) {
    if (estRefus(erreur)) return;
    premier = second = 0;
    litDesignationDePoints(f, erreur, [&](const std::string& integre, uint16_t& e) {
        std::string t = sansEspaces(texte.substr(0, 10));
        litPointDeDesignation(f, integre, t, texte, mode, premier, e);
        litPointDeDesignation(f, integre, t, texte, mode, second, e);
        restePourDesignation(t, texte, e);
    });
}

void litDeuxPointsDistincts(const TfigureKalmetra& f, std::string_view texte, uint8_t mode, uint8_t& premier,
                            uint8_t& second, uint16_t& erreur) {
    if (estRefus(erreur)) return;
    litDeuxPoints(f, texte, mode, premier, second, erreur);
    if (erreur < kPasDeCetteForme && premier == second) {
        nomErreur1() = coupe(texte, 80);
        erreur = kErreurPointsDifferents;
    }
}

void litDeuxPointsNonConfondus(const TfigureKalmetra& f, std::string_view texte, uint8_t mode,
                               uint8_t& premier, uint8_t& second, uint16_t& erreur) {
    if (estRefus(erreur)) return;
    litDeuxPointsDistincts(f, texte, mode, premier, second, erreur);
    if (erreur == 0 && mode > 1 && pointsConfondus(f, premier, second)) {
        nomErreur1() = coupe(texte, 80);
        erreur = kRaisonPointsConfondus;
    }
}

void litTroisPoints(const TfigureKalmetra& f, std::string_view texte, uint8_t mode, uint8_t& premier,
                    uint8_t& second, uint8_t& troisieme, uint16_t& erreur) {
    if (estRefus(erreur)) return;
    premier = second = troisieme = 0;
    litDesignationDePoints(f, erreur, [&](const std::string& integre, uint16_t& e) {
        std::string t = sansSeparateurs(texte.substr(0, 80));
        litPointDeDesignation(f, integre, t, texte, mode, premier, e);
        litPointDeDesignation(f, integre, t, texte, mode, second, e);
        litPointDeDesignation(f, integre, t, texte, mode, troisieme, e);
        restePourDesignation(t, texte, e);
    });
}

void litAngle(const TfigureKalmetra& f, std::string_view texte, uint8_t mode, uint8_t& premier,
              uint8_t& second, uint8_t& troisieme, uint16_t& erreur) {
    if (estRefus(erreur)) return;
    litTroisPoints(f, texte, mode, premier, second, troisieme, erreur);
    if (erreur < kPasDeCetteForme && (premier == second || second == troisieme)) erreur = kErreurAngle;
    if (erreur == 0 && (pointsConfondus(f, premier, second) || pointsConfondus(f, second, troisieme)))
        erreur = kRaisonAngleNonDefini;
}

void litTroisPointsDistincts(const TfigureKalmetra& f, std::string_view texte, uint8_t mode, uint8_t& premier,
                             uint8_t& second, uint8_t& troisieme, uint16_t& erreur) {
    if (estRefus(erreur)) return;
    litTroisPoints(f, texte, mode, premier, second, troisieme, erreur);
    if (erreur < kPasDeCetteForme && (premier == second || second == troisieme || premier == troisieme)) {
        nomErreur1() = coupe(texte, 80);
        erreur = kErreurPointsDifferents;
    }
}

void litTroisPointsNonAlignes(const TfigureKalmetra& f, std::string_view texte, uint8_t mode,
                              uint8_t& premier, uint8_t& second, uint8_t& troisieme, uint16_t& erreur) {
    if (estRefus(erreur)) return;
    litTroisPointsDistincts(f, texte, mode, premier, second, troisieme, erreur);
    if (erreur == 0 && mode > 1 && pointsAlignes(f, premier, second, troisieme))
        erreur = kRaisonPointsAlignes;
}

void litSegment(const TfigureKalmetra& f, std::string_view texte, uint8_t mode, bool pointsDifferents,
                uint8_t& premier, uint8_t& second, uint16_t& erreur) {
    if (estRefus(erreur)) return;
    premier = second = 0;
    const std::string t = sansEncadrement(texte, '[', ']');
    if (const int k = chercheObjetNomme(f, t, kNatureSegment, 34, 1)) {
        referenceTrouvee(f, k, premier, erreur);
        return;
    }
    if (pointsDifferents)
        litDeuxPointsNonConfondus(f, t, mode, premier, second, erreur);
    else
        litDeuxPoints(f, t, mode, premier, second, erreur);
}

void litAxe(const TfigureKalmetra& f, std::string_view texte, uint8_t mode, uint8_t& premier, uint8_t& second,
            uint16_t& erreur) {
    if (estRefus(erreur)) return;
    premier = second = 0;
    const std::string t = sansSeparateurs(texte.substr(0, 80));
    // The built-in axes by their present names (they may have been renamed).
    for (const int axe : {kObjetOx, kObjetOy, kObjetOz})
        if (!t.empty() && nomObjetEst(f, axe, t)) {
            premier = uint8_t(axe);
            return;
        }
    if (const int k = chercheObjetNomme(f, t, kNatureDemiDroite, 33, 1)) {
        referenceTrouvee(f, k, premier, erreur);
        return;
    }
    litDeuxPointsNonConfondus(f, t, mode, premier, second, erreur);
}

void litDroite(const TfigureKalmetra& f, std::string_view texte, uint8_t mode, uint8_t& premier,
               uint8_t& second, uint16_t& erreur) {
    if (estRefus(erreur)) return;
    premier = second = 0;
    const std::string t = sansEncadrement(texte, '(', ')');
    if (!t.empty())
        for (int k = 1; k <= f.nombreObjets; ++k) {
            const TObjetFigure& o = objet(f, k);
            const bool point = o.nature == kNaturePoint;
            const bool droite = o.nature == kNatureDroite && o.codeConstruction != 30;
            if ((!point && !droite) || nomObjet(f, k) != t) continue;
            if (point) {
                nomErreur1() = t;
                erreur = kErreurPointPasDroite;
            } else {
                referenceTrouvee(f, k, premier, erreur);
            }
            return;
        }
    litDeuxPointsNonConfondus(f, t, mode, premier, second, erreur);
}

void litPlanDeRepere(const TfigureKalmetra& f, std::string_view texte, uint8_t mode, uint8_t& premier,
                     uint8_t& second, uint8_t& troisieme, uint16_t& erreur) {
    if (estRefus(erreur)) return;
    premier = second = troisieme = 0;
    const std::string t = sansEncadrement(texte, '(', ')');
    // A plane named so, built-in (the writer names a renamed one by its
    // present name) or not: a plane named xoy is not oxy.
    if (const int k = chercheObjetNomme(f, t, kNaturePlan, 0, kObjetOxy)) {
        referenceTrouvee(f, k, premier, erreur);
        return;
    }
    // The other orders of the letters of a built-in plane still keeping its
    // name (oxy, xoy, yox...); a renamed one is found by its new name only.
    if (t.size() == 3 && (t[2] == 'x' || t[2] == 'y' || t[2] == 'z') && t.find('o') != std::string::npos) {
        const bool x = t.find('x') != std::string::npos, y = t.find('y') != std::string::npos,
                   z = t.find('z') != std::string::npos;
        const int plan = x && y ? kObjetOxy : x && z ? kObjetOzx : y && z ? kObjetOyz : 0;
        if (plan != 0 && nomObjet(f, plan) == nomObjetIntegreParDefaut(plan)) {
            premier = uint8_t(plan);
            return;
        }
    }
    litTroisPointsNonAlignes(f, t, mode, premier, second, troisieme, erreur);
    if (estRefus(erreur)) {
        nomErreur1() = t;
        erreur = kErreurPasUnPlan;
    }
}

void litTouche(std::string_view texte, uint8_t& touche, uint16_t& erreur) {
    if (erreur > kPasDeCetteForme) return;
    touche = litNomDeTouche(texte.substr(0, 10));
    if (touche == 0) {
        nomErreur1() = std::string(texte.substr(0, 10));
        erreur = kErreurTouche;
    }
}

bool toucheDejaUtilisee(const TfigureKalmetra& f, uint8_t touche, uint8_t exclu) {
    if (touche == 255) return false;
    for (int k = 1; k <= f.nombreObjets; ++k) {
        const TObjetFigure& o = objet(f, k);
        if (k != exclu && o.nature == kNatureCommande && toucheObjet(o) == touche) return true;
    }
    return false;
}

void nommeObjetConstruit(const TfigureKalmetra& f, TLigneAnalysee& ligne, std::string& texte,
                         uint8_t nature) {
    std::string nom = coupe(texte, 80);
    if (nature == kNatureVecteur) oteVecDuNom(nom, ligne.erreur);
    nommeNouvelObjet(f, nature, nom, ligne.modeLecture, ligne.objetCible, ligne.erreur);
    ligne.nomNouvelObjet = nom;
    texte = nom;
}

void litOperandeDeNature(const TfigureKalmetra& f, TLigneAnalysee& ligne, std::string_view texte,
                         uint8_t nature, int rang) {
    numeroObjetDeNom(f, nature, texte, ligne.erreur, parentLigne(ligne, rang), ligne.modeLecture);
}

} // namespace km32
