#include "text/noms_objets.h"

#include <algorithm>
#include <array>

#include "base/garde.h"
#include "base/texte.h"
#include "model/catalogue.h"
#include "model/expression_erreurs.h"
#include "model/messages.h"
#include "model/objets_figure.h"
#include "model/procedures_texte.h"
#include "phrases/phrase.h"
#include "platform/boites.h"
#include "platform/fenetres.h"
#include "platform/messages.h"
#include "text/operandes_objets.h"
#include "text/source_phrases.h"

namespace km32 {

namespace {
constexpr std::size_t kLongueurNomCherche = 10;
constexpr std::size_t kLongueurNomNouveau = 4;

// The function and operator words of the expression language, in the order
// they are tried.
constexpr std::array<std::string_view, 26> kMotsReserves = {
    "MIN", "MAX",  "NORM", "DIST", "ANP", "CNP", "ABS", "COS", "SIN", "TAN",  "EXP", "INT", "LN",
    "PI",  "SQRT", "VEC",  "ET",   "OU",  "NON", "RAC", "ARC", "HAT", "PROD", "LIM", "BAR", "ROOT"};
// contientMotReserve skips names without two capital letters in a row.
static_assert([] {
    for (std::string_view mot : kMotsReserves) {
        if (mot.size() < 2) return false;
        for (char c : mot)
            if (c < 'A' || c > 'Z') return false;
    }
    return true;
}());

bool estConstructionEntreDeuxPoints(uint8_t code) {
    return code == 30 || code == 33 || code == 34;
}

bool estMajusculeOuMinuscule(char c) {
    return estLettre(c);
}

// The name, cut and trimmed as the lookups read it.
std::string nomCherche(std::string_view nom) {
    std::string n = coupe(nom, kLongueurNomCherche);
    oteEspacesBouts10(n);
    return n;
}

// numeroObjetPourNom with the index as a plain number: count + 1 may be 256.
void chercheObjetPourNom(const TfigureKalmetra& f, uint8_t nature, const std::string& n, uint16_t& erreur,
                         int& numero, uint8_t mode) {
    if (n.empty()) {
        erreur = kErreurDonneeManquante;
        return;
    }
    int i = numeroObjetDeNotation(f, n);
    if (i == 0) i = numeroObjetDeNomEtType(f, n, kNatureVecteur);
    if (i != 0 && estConstructionEntreDeuxPoints(objet(f, i).codeConstruction)) i = 0;
    if (i == 0) i = f.nombreObjets + 1;
    numero = i;
    if (i > f.nombreObjets) {
        controleNomObjet(nature, n, erreur);
        return;
    }
    const TObjetFigure& o = objet(f, i);
    if (mode > 1 && accesInterdit(o)) {
        nomErreur1() = nomObjet(f, i);
        erreur = kErreurAccesInterdit;
        return;
    }
    if (!natureCompatible(o.nature, nature)) {
        nomErreur1() = nomObjet(f, i);
        ajouteNatureEntreParentheses(nomErreur1(), 255, o.nature);
        erreur = kErreurNeConvientPas;
    }
}
} // namespace

std::size_t longueurJetonNom(std::string_view texte) {
    if (texte.empty() || !estLettre(texte[0])) return 0;
    std::size_t n = 1;
    while (n < texte.size() && n <= 3 && estSuiteDeNom(texte[n]))
        ++n;
    return n;
}

void litNomObjet(std::string& texte, std::string& nom, uint16_t& erreur) {
    if (estRefus(erreur)) return;
    nom.clear();
    std::size_t debut = 0;
    while (debut < texte.size() && (texte[debut] == ' ' || texte[debut] == ','))
        ++debut;
    texte.erase(0, debut);
    if (texte.empty()) return;
    const std::size_t n = longueurJetonNom(texte);
    if (n == 0) {
        erreur = kErreurPremiereLettre;
        return;
    }
    nom.assign(texte, 0, n);
    texte.erase(0, n);
}

std::string nomPointIntegreHorsJetons(const TfigureKalmetra& f) {
    for (int i = 1; i <= kObjetsPredefinis && i <= f.nombreObjets; ++i) {
        if (objet(f, i).nature != kNaturePoint) continue;
        const std::string nom = nomObjet(f, i);
        if (!nom.empty() && longueurJetonNom(nom) != nom.size()) return nom;
    }
    return {};
}

void litNomPoint(const std::string& integre, std::string& texte, std::string& nom, uint16_t& erreur) {
    if (estRefus(erreur)) return;
    std::size_t debut = 0;
    while (debut < texte.size() && (texte[debut] == ' ' || texte[debut] == ','))
        ++debut;
    if (!integre.empty() && texte.compare(debut, integre.size(), integre) == 0) {
        nom = integre;
        texte.erase(0, debut + integre.size());
        return;
    }
    litNomObjet(texte, nom, erreur);
}

bool contientMotReserve(std::string_view nom) {
    // Names are short: their upper case fits a buffer on the stack (this runs
    // for every object after every line).
    char tampon[kLongueurNomCherche];
    const std::size_t n = std::min(nom.size(), std::size_t(kLongueurNomCherche));
    for (std::size_t k = 0; k < n; ++k)
        tampon[k] = majuscule(nom[k]);
    const std::string_view majuscules(tampon, n);
    // Every reserved word is two letters or more: a name without two letters
    // in a row (P12, M3) holds none.
    bool deuxLettres = false;
    for (std::size_t k = 1; k < n && !deuxLettres; ++k)
        deuxLettres = tampon[k] >= 'A' && tampon[k] <= 'Z' && tampon[k - 1] >= 'A' && tampon[k - 1] <= 'Z';
    if (!deuxLettres) return false;
    for (std::string_view mot : kMotsReserves)
        if (majuscules.find(mot) != std::string_view::npos) {
            nomErreur2() = std::string(mot);
            return true;
        }
    return false;
}

void controleNomObjet(uint8_t nature, std::string_view nom, uint16_t& erreur) {
    if (estRefus(erreur)) return;
    nom = nom.substr(0, kLongueurNomCherche);
    if (nom.empty() || nom.size() > kLongueurNomNouveau) {
        erreur = kErreurNomTropLong;
        return;
    }
    if (!estLettre(nom[0])) {
        erreur = kErreurPremiereLettre;
        return;
    }
    if (nature == kNatureSuite && (nom.size() > 1 || nom == "n")) {
        erreur = kErreurNomDeSuite;
        return;
    }
    if (nom.size() == 1) return;

    const bool ponctuelle = nature == kNaturePoint || nature == kNatureDroite ||
                            nature == kNatureDemiDroite || nature == kNatureVecteur;
    const bool fonction = nature == kNatureFonction || nature == kNatureFonction2Variables ||
                          nature == kNatureFonction3Variables;
    const char c2 = nom[1];
    bool bon;
    if (ponctuelle || nature == kNaturePolygoneConvexe)
        bon = estSuiteDeNom(c2);
    else if (fonction)
        bon = estChiffre(c2) || estMajusculeOuMinuscule(c2);
    else
        bon = estSuiteDeNom(c2) || estMajusculeOuMinuscule(c2);
    if (!bon) {
        nomErreur1() = std::string(nom);
        erreur = kErreurDeuxiemeCaractere;
        return;
    }
    for (std::size_t p = 2; p < nom.size(); ++p) {
        const char c = nom[p];
        if (ponctuelle ? estChiffre(c) : (estChiffre(c) || estLettre(c))) continue;
        nomErreur1() = std::string(nom);
        erreur = p == 2 ? kErreurTroisiemeCaractere : kErreurQuatriemeCaractere;
        return;
    }
    const bool sansMotReserve = nature == kNaturePoint || nature == kNatureNombreReel || fonction ||
                                nature == kNatureVecteur || nature == kNatureSuite;
    if (sansMotReserve && contientMotReserve(nom)) {
        nomErreur1() = std::string(nom);
        erreur = kErreurMotReserve;
    }
}

void oteVecDuNom(std::string& nom, uint16_t& erreur) {
    if (erreur >= 533) return;
    nom = coupe(nom, 80);
    if (nom.size() >= 5 && enMajuscules(std::string_view(nom).substr(0, 3)) == "VEC" && nom[3] == '(' &&
        nom.back() == ')') {
        nom = nom.substr(4, nom.size() - 5);
        return;
    }
    nomErreur1() = nom;
    erreur = kErreurEcrireVec;
}

void nomDeVecteurEnTexteMath(std::string& nom, std::size_t longueurMax, uint16_t& erreur) {
    std::string interieur = coupe(nom, 80);
    oteVecDuNom(interieur, erreur);
    if (estRefus(erreur)) return;
    controleNomObjet(kNatureVecteur, interieur, erreur);
    if (estRefus(erreur)) return;
    nom = coupe("\\vec(" + interieur + ");s:" + interieur + "\\", longueurMax);
}

bool natureCompatible(uint8_t a, uint8_t b) {
    auto deRevolution = [](uint8_t n) {
        return n == kNatureCylindre || n == kNatureCone || n == kNatureTroncDeCone;
    };
    return a == b || (deRevolution(a) && deRevolution(b));
}

void numeroObjetPourNom(const TfigureKalmetra& f, uint8_t nature, std::string_view nom, uint16_t& erreur,
                        uint8_t& numero, uint8_t mode) {
    if (estRefus(erreur)) return;
    int i = 0;
    chercheObjetPourNom(f, nature, nomCherche(nom), erreur, i, mode);
    if (i > kMaxObjets) {
        // A new name has no number left: the figure is full.
        if (!estRefus(erreur)) erreur = kStructureSaturee;
        i = 0;
    }
    numero = uint8_t(i);
}

void numeroObjetDeNom(const TfigureKalmetra& f, uint8_t nature, std::string_view nom, uint16_t& erreur,
                      uint8_t& numero, uint8_t mode) {
    if (estRefus(erreur)) return;
    const std::string n = nomCherche(nom);
    int i = 0;
    chercheObjetPourNom(f, nature, n, erreur, i, mode);
    if (erreur < kPasDeCetteForme && i > f.nombreObjets) {
        nomErreur1() = n;
        erreur = kErreurNomInconnu;
    }
    if (erreur == 0 && mode == 4 && objet(f, i).nonDefini) {
        nomErreur1() = n;
        erreur = kErreurAntecedentNonValide;
    }
    numero = i <= f.nombreObjets ? uint8_t(i) : 0;
}

void numeroObjetDeNomEtGenre(const TfigureKalmetra& f, std::string_view nom, uint8_t mode, uint16_t& erreur,
                             uint8_t& numero) {
    if (estRefus(erreur)) return;
    const std::string_view n = nom.substr(0, kLongueurNomCherche);
    // An empty name designates nothing (a nameless object is not found by it).
    const int i = n.empty() ? 0 : numeroObjetDeNotation(f, n);
    nomErreur1() = std::string(n);
    numero = uint8_t(i);
    if (i == 0) {
        erreur = kErreurNomInconnu;
        return;
    }
    if (mode > 1 && accesInterdit(objet(f, i))) erreur = kErreurAccesInterdit;
}

void numeroObjetLibreDeNom(const TfigureKalmetra& f, std::string_view nom, uint8_t mode, uint16_t& erreur,
                           uint8_t& numero) {
    numeroObjetDeNomEtGenre(f, nom, mode, erreur, numero);
    if (erreur < kPasDeCetteForme && !estObjetLibre(objet(f, numero))) erreur = kErreurPasLibre;
}

void controleNomLibre(const TfigureKalmetra& f, uint8_t nature, std::string_view nom, uint16_t& erreur) {
    if (estRefus(erreur)) return;
    const std::string_view n = nom.substr(0, kLongueurNomCherche);
    for (uint8_t k : objetsNommes(f, n)) {
        const TObjetFigure& o = objet(f, k);
        if (o.nature == kNatureSegment || o.nature == kNatureDemiDroite) continue;
        if (natureCompatible(o.nature, nature)) continue;
        nomErreur1() = std::string(n);
        erreur = kErreurObjetExisteDeja;
    }
}

uint8_t litObjetPourTest(const TfigureKalmetra& f, std::string_view texte) {
    const std::string_view t = texte.substr(0, 80);
    uint16_t erreur = 0;
    uint8_t n = 0, a = 0, b = 0, c = 0;
    numeroObjetDeNomEtGenre(f, t, 1, erreur, n);
    if (erreur < kPasDeCetteForme) {
        const TObjetFigure& o = objet(f, n);
        const bool droiteSansNom = o.nature == kNatureDroite && n > kObjetsPredefinis &&
                                   (o.codeConstruction == 0 || o.codeConstruction == 30);
        if (!droiteSansNom) return o.nature;
    }
    erreur = 0;
    litPlanDeRepere(f, t, 1, a, b, c, erreur);
    if (erreur < kPasDeCetteForme) return kNaturePlan;
    if (t.size() >= 2) {
        const char premier = t.front(), dernier = t.back();
        erreur = 0;
        if (premier == '(' && dernier == ')') {
            litDroite(f, t, 1, a, b, erreur);
            if (erreur < kPasDeCetteForme) return kNatureDroite;
        } else if (premier == '[' && dernier == ']') {
            litSegment(f, t, 1, false, a, b, erreur);
            if (erreur < kPasDeCetteForme) return kNatureSegment;
        } else if (premier == '[' && dernier == ')') {
            litAxe(f, t, 1, a, b, erreur);
            if (erreur < kPasDeCetteForme) return kNatureDemiDroite;
        }
    }
    return 0;
}

uint8_t litNomDeTouche(std::string_view texte) {
    const std::string t = enMajuscules(texte.substr(0, kLongueurNomCherche));
    if (t.empty()) return 0;
    const struct {
        uint16_t phrase;
        uint8_t touche;
    } mots[] = {{2443, 32}, {4417, 255}, {2525, kToucheMain}};
    for (const auto& m : mots) {
        const std::string mot = enMajuscules(phraseDeSource(m.phrase));
        if (!mot.empty() && t == mot) return m.touche;
    }
    if (t.size() == 1 && (estChiffre(t[0]) || (t[0] >= 'A' && t[0] <= 'Z'))) return uint8_t(t[0]);
    if (t.size() == 6 && t.compare(0, 5, "CTRL-") == 0) {
        const char l = t[5];
        if (l >= 'A' && l <= 'Z' && l != 'B' && l != 'M') return uint8_t(l + 64);
    }
    return 0;
}

namespace {
constexpr uint16_t kPhraseTitreQuestion = 11307;
} // namespace

bool questionOuiNon(std::string_view question) {
    const platform::Fenetre focus = platform::fenetreFocus();
    int reponse;
    {
        GardeValeur<uint8_t> ouverte(etatMessages().boiteMessageOuverte, 1);
        // The box has the caption of the library's other confirmations
        // ("Attention !"): a box without one reads as a window of nothing.
        reponse = platform::boiteMessage(coupe(question, 80), phraseDeNumero(kPhraseTitreQuestion),
                                         platform::kBoutonsOuiNon | platform::kModalTache);
    }
    if (focus != platform::kAucuneFenetre) platform::donneFocus(focus);
    return reponse == platform::kReponseOui;
}

void ajouteNatureEntreParentheses(std::string& texte, std::size_t longueurMax, uint8_t nature) {
    texte = coupe(texte + " (" + phraseDeSource(phraseDeNature(nature)) + ")", longueurMax);
}

bool rameneEntreZeroEtUn(double& parametre) {
    if (parametre < -1e-6 || parametre > 1.000001) return true;
    if (parametre < 0) parametre = 0;
    if (parametre > 1) parametre = 1;
    return false;
}

void videMessagesEnAttente(const TfigureKalmetra& f, uint32_t message) {
    // Window 0 and message 0 would each widen the filter to everything.
    if (f.fenetreDessin == platform::kAucuneFenetre || message == 0) return;
    platform::purgeMessages(f.fenetreDessin, message, message);
}

} // namespace km32
