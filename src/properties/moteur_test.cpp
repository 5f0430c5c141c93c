// The test engine: reading a request, the dispatch by code, the evaluation on
// the current values and the driver of the trials.
#include "properties/moteur_test.h"

#include <cmath>
#include <cstdlib>
#include <optional>
#include <vector>

#include "base/texte.h"
#include "drawing/rafraichissement.h"
#include "model/annexes_polygones.h"
#include "model/calcul/calcul_objet.h"
#include "model/catalogue.h"
#include "model/messages.h"
#include "model/objets_figure.h"
#include "model/procedures_texte.h"
#include "platform/hasard.h"
#include "properties/essais_libres.h"
#include "properties/plan_tirages.h"
#include "text/instantanes_figure.h"
#include "text/noms_objets.h"
#include "text/operandes_objets.h"

namespace km32 {

namespace {

constexpr int kMaxItems = 10;
constexpr uint8_t kModeLectureTest = 1;

bool lectureReussie(uint16_t erreur) {
    return erreur == 0 || erreur == kErreurAntecedentNonValide;
}

// A number item: blanks removed, the whole text read as a finite real.
bool lisNombre(const std::string& item, double& v) {
    std::string s;
    for (char c : item)
        if (c != ' ') s += c;
    if (s.empty()) return false;
    char* fin = nullptr;
    v = std::strtod(s.c_str(), &fin);
    return fin && *fin == '\0' && std::isfinite(v);
}

void oteLePremier(std::string& item, char c) {
    const std::size_t p = item.find(c);
    if (p != std::string::npos) item.erase(p, 1);
}

// Fills object places from the reader of one item kind.
struct Lecteur {
    const TfigureKalmetra& f;
    TArgumentsTest& a;
    int place = 0; // last place filled

    bool ajoute(int n) {
        if (place >= kMaxArgumentsTest) return false;
        a.objets[std::size_t(++place)] = uint8_t(n);
        return true;
    }
    bool point(const std::string& item) {
        uint8_t n = 0;
        uint16_t e = 0;
        numeroPointDeNom(f, item, kModeLectureTest, n, e);
        return lectureReussie(e) && n != 0 && ajoute(n);
    }
    bool objetQuelconque(const std::string& item) {
        uint8_t n = 0;
        uint16_t e = 0;
        numeroObjetDeNomEtGenre(f, item, kModeLectureTest, e, n);
        return lectureReussie(e) && n != 0 && ajoute(n);
    }
    template <class Lit> bool deux(Lit lit) {
        uint8_t p = 0, s = 0;
        uint16_t e = 0;
        lit(p, s, e);
        return lectureReussie(e) && p != 0 && ajoute(p) && ajoute(s);
    }
    bool droite(const std::string& item) {
        return deux(
            [&](uint8_t& p, uint8_t& s, uint16_t& e) { litDroite(f, item, kModeLectureTest, p, s, e); });
    }
    bool segment(const std::string& item) {
        return deux([&](uint8_t& p, uint8_t& s, uint16_t& e) {
            litSegment(f, item, kModeLectureTest, true, p, s, e);
        });
    }
    bool demiDroite(const std::string& item) {
        return deux([&](uint8_t& p, uint8_t& s, uint16_t& e) { litAxe(f, item, kModeLectureTest, p, s, e); });
    }
    bool plan(const std::string& item) {
        uint8_t p = 0, s = 0, t = 0;
        uint16_t e = 0;
        litPlanDeRepere(f, item, kModeLectureTest, p, s, t, e);
        return lectureReussie(e) && p != 0 && ajoute(p) && ajoute(s) && ajoute(t);
    }
    // Item k of codes 61 to 66: a number into real place r, else an object
    // into object place k.
    bool nombreOuObjet(const std::string& item, int k, int r) {
        double v = 0;
        if (lisNombre(item, v)) {
            a.reels[std::size_t(r)] = v;
            place = std::max(place, k);
            return true;
        }
        uint8_t n = 0;
        uint16_t e = 0;
        numeroObjetDeNomEtGenre(f, item, kModeLectureTest, e, n);
        if (!lectureReussie(e) || n == 0) return false;
        a.objets[std::size_t(k)] = n;
        place = std::max(place, k);
        return true;
    }
};

} // namespace

bool lisArgumentsDuTest(const TfigureKalmetra& f, uint8_t code, const std::string& texte, TArgumentsTest& a) {
    a.objets.fill(kAucunObjet);
    a.objets[0] = 0;
    a.reels.fill(kAucunReel);
    a.nombre = 0;
    std::vector<std::string> items;
    std::string reste = texte;
    while (!reste.empty()) {
        std::string item;
        coupeAuSeparateur(reste, 255, item);
        if (item.find("vec") == std::string::npos) {
            oteLePremier(item, '[');
            oteLePremier(item, ']');
            oteLePremier(item, '(');
            oteLePremier(item, ')');
        }
        items.push_back(item);
    }
    const int m = int(items.size());
    if (m > kMaxItems || m == 0) return false;
    Lecteur l{f, a};
    auto tous = [&](int premier, int dernier, auto lit) {
        for (int k = premier; k <= dernier; ++k)
            if (!lit(items[std::size_t(k - 1)])) return false;
        return true;
    };
    auto point = [&](const std::string& s) { return l.point(s); };
    auto objetQ = [&](const std::string& s) { return l.objetQuelconque(s); };
    auto droite = [&](const std::string& s) { return l.droite(s); };
    auto plan = [&](const std::string& s) { return l.plan(s); };
    bool ok = false;
    switch (code) {
    case 1:
    case 13:
        ok = m >= 2 && tous(1, m - 1, point) && l.droite(items[std::size_t(m - 1)]);
        break;
    case 2:
    case 14:
        ok = m >= 2 && tous(1, m - 1, point) && l.segment(items[std::size_t(m - 1)]);
        break;
    case 3:
    case 15:
        ok = m >= 2 && tous(1, m - 1, point) && l.demiDroite(items[std::size_t(m - 1)]);
        break;
    case 4:
    case 16:
    case 5:
    case 17:
    case 12:
        ok = m >= 2 && tous(1, m - 1, point) && l.objetQuelconque(items[std::size_t(m - 1)]);
        break;
    case 6:
    case 7:
    case 18:
    case 19:
    case 20:
        ok = tous(1, m, point);
        break;
    case 8:
        ok = m % 2 == 0 && tous(1, m, point);
        break;
    case 9:
        ok = m == 3 && tous(1, m, point);
        break;
    case 10:
        ok = m >= 3 && m % 2 == 1 && tous(1, m - 1, point) && l.objetQuelconque(items[std::size_t(m - 1)]);
        break;
    case 11:
    case 21:
        ok = m >= 2 && tous(1, m - 1, point) && l.plan(items[std::size_t(m - 1)]);
        break;
    case 22:
    case 23:
    case 24:
    case 31:
    case 32:
    case 33:
        ok = tous(1, m, droite);
        break;
    case 30:
        ok = m <= 2 && tous(1, m, droite);
        break;
    case 25:
        ok = tous(1, m, [&](const std::string& s) { return l.demiDroite(s); });
        break;
    case 26:
        ok = tous(1, m, [&](const std::string& s) { return l.segment(s); });
        break;
    case 27:
    case 28:
    case 29:
        ok = m >= 2 && tous(1, m - 1, droite) && l.plan(items[std::size_t(m - 1)]);
        break;
    case 41:
    case 42:
        ok = tous(1, m, plan);
        break;
    case 47:
        ok = m >= 2 && tous(1, m - 1, objetQ) && l.plan(items[std::size_t(m - 1)]);
        break;
    case 48:
        ok = m >= 2 && tous(1, m, objetQ);
        break;
    case 49:
        ok = true;
        for (int k = 1; k <= m && ok; ++k) {
            if (!l.objetQuelconque(items[std::size_t(k - 1)])) {
                afficheMessage("Il n'y a pas d'arc " + items[std::size_t(k - 1)] + ".", "Test impossible");
                ok = false;
            }
        }
        break;
    case 34:
    case 46:
    case 51:
    case 52:
    case 53:
    case 59:
    case 71:
        ok = tous(1, m, objetQ);
        break;
    case 55:
    case 56:
    case 67:
        ok = m == 2 && tous(1, m, objetQ);
        break;
    case 61:
    case 62:
    case 63:
    case 64: {
        const int attendu = code == 64 ? 3 : 2;
        ok = m == attendu;
        for (int k = 1; k <= m && ok; ++k)
            ok = l.nombreOuObjet(items[std::size_t(k - 1)], k, k);
        break;
    }
    case 65:
    case 66: {
        const int attendu = code == 65 ? 5 : 4;
        ok = m == attendu && tous(1, 2, objetQ);
        for (int k = 3; k <= m && ok; ++k)
            ok = l.nombreOuObjet(items[std::size_t(k - 1)], k, k - 2);
        if (ok && code == 65 && a.objets[5] == kAucunObjet) ok = a.reels[3] > 0 && a.reels[3] <= 500;
        break;
    }
    default:
        ok = false;
        break;
    }
    a.nombre = uint8_t(l.place);
    return ok;
}

void evalueTestParCode(const TfigureKalmetra& f, uint8_t code, const TArgumentsTest& a, TReponseTest& r) {
    switch (code) {
    case 13:
    case 14:
    case 15:
    case 16:
    case 17:
    case 18:
    case 19:
        evaluePredicat(f, uint8_t(code - 12), a, true, r);
        return;
    case 20:
        evaluePredicat(f, 9, a, true, r);
        return;
    case 21:
        evaluePredicat(f, 11, a, true, r);
        return;
    case 32:
    case 33:
        evaluePredicat(f, uint8_t(code - 10), a, true, r);
        return;
    case 30: {
        TReponseTest coplanaires = r, paralleles = r;
        evaluePredicat(f, 31, a, false, coplanaires);
        evaluePredicat(f, 22, a, false, paralleles);
        r.indecidable = coplanaires.indecidable || paralleles.indecidable;
        r.vrai = coplanaires.vrai && !paralleles.vrai;
        return;
    }
    case 63: {
        TArgumentsTest echange = a;
        std::swap(echange.objets[1], echange.objets[2]);
        std::swap(echange.reels[1], echange.reels[2]);
        evaluePredicat(f, 62, echange, false, r);
        return;
    }
    default:
        if (code < 72) evaluePredicat(f, code, a, false, r);
        return;
    }
}

namespace {

void reinitialiseResultat(TResultatTest& r) {
    r.vrai = false;
    r.argumentsLus = true;
    r.indecidable = false;
    r.qualificatifSignale = false;
    r.qualificatif = 0;
    // A record used again holds no counter-example of an earlier run.
    r.nombreContreExemple = 0;
    r.ensembleContreExemple.reset();
    r.nombreValeursContreExemple = 0;
}

// A set with every antecedent of its objects, and theirs: one downward pass,
// every object coming after its antecedents.
TEnsembleObjets fermeAntecedents(const TfigureKalmetra& f, TEnsembleObjets ensemble) {
    for (int i = f.nombreObjets; i > kObjetsPredefinis; --i)
        if (ensemble.test(std::size_t(i))) ensemble |= ensembleDesAntecedents(f, i);
    return ensemble;
}

// The objects a test reads: its arguments and all their antecedents.
TEnsembleObjets objetsLusParLeTest(const TfigureKalmetra& f, const TArgumentsTest& a) {
    TEnsembleObjets lus;
    for (int k = 1; k <= a.nombre && k <= kMaxArgumentsTest; ++k)
        lus.set(a.objets[std::size_t(k)]);
    return fermeAntecedents(f, lus);
}

// The objects of the set recomputed in construction order, after the set is
// closed over their dependants. A trial on a figure that is put back after
// the test computes only what it reads (lus: closed over antecedents) and
// what the moved objects stand on; the other dependants would be thrown
// away unread.
void recalculeEnsemble(TfigureKalmetra& f, TEnsembleObjets changes, bool garderFigure,
                       const TEnsembleObjets& lus) {
    if (garderFigure) {
        recalculeDependants(f, changes);
        return;
    }
    const TEnsembleObjets utiles = lus | fermeAntecedents(f, changes);
    ajouteDependants(f, changes);
    changes &= utiles;
    for (int i = kObjetsPredefinis + 1; i <= f.nombreObjets; ++i)
        if (changes.test(std::size_t(i))) calculeObjet(f, i);
}

uint8_t choisitQualificatif(const std::array<int, 12>& comptes) {
    for (int k = 1; k <= 9; ++k)
        if (comptes[std::size_t(k)] >= comptes[std::size_t(k + 1)]) return uint8_t(k);
    return 10;
}

void parcourtCandidatsDuTest(TfigureKalmetra& f, uint8_t code, const TArgumentsTest& a, TDescriptionTest& d,
                             const TNomsObjets& noms, uint8_t nombre, TResultatTest& res) {
    res.vrai = true;
    std::array<int, 12> comptes{};
    bool qualificatifVu = false, indecidable = false;
    int essais = 0;
    TPlanTirages plan;
    TEnsembleObjets ensemblePlan;
    TEntreesEssai entrees;
    const TEnsembleObjets lus = objetsLusParLeTest(f, a);
    if (d.genreEssais == 0) {
        prepareTiragesAleatoires(f, noms, nombre, plan);
        ensemblePlan = ensembleDuPlan(plan);
    } else {
        for (int k = 1; k <= nombre; ++k) {
            entrees.noms[std::size_t(k)] = noms[std::size_t(k)];
            entrees.directions[std::size_t(k)][0] = platform::entierAuHasard(2) == 0 ? -1 : 1;
            entrees.niveaux[std::size_t(k)] = int32_t(d.niveaux[std::size_t(k)]);
            entrees.aleatoire[std::size_t(k)] = d.aleatoire[std::size_t(k)];
            entrees.dansLeDessin[std::size_t(k)] = d.dansLeDessin[std::size_t(k)];
            entrees.veutLeDessin[std::size_t(k)] = d.dansLeDessin[std::size_t(k)];
        }
    }
    for (int passe = 1;; ++passe) {
        if (passe > 1) {
            TEnsembleObjets changes;
            if (d.genreEssais == 0) {
                ++essais;
                if (plan.nombre > 0) {
                    retireValeursDuPlan(plan, f);
                    changes = ensemblePlan;
                }
            } else {
                testeParTiragesAleatoires(f, entrees, nombre, changes);
                ++essais;
            }
            // After a re-draw from the plan, a point free in a polygon is drawn
            // anew with uniform density over its polygon: the plan's two draws
            // in [0, 1) are plane coordinates along the two sides at its first
            // corner, and cover only the parallelogram of those sides (a third
            // of a regular hexagon).
            std::optional<ModeRetirageAleatoire> mode;
            if (d.genreEssais == 0) mode.emplace(ensemblePlan);
            recalculeEnsemble(f, changes, d.garderFigure != 0, lus);
        }
        TReponseTest r;
        evalueTestParCode(f, code, a, r);
        if (r.qualificatif != 0 && r.qualificatif != 255) {
            qualificatifVu = true;
            ++comptes[std::size_t(std::min<int>(r.qualificatif, 10))];
        }
        if (r.indecidable) indecidable = true;
        if (!r.vrai || r.qualificatif == 255) {
            res.vrai = false;
            res.indecidable = false;
            res.qualificatifSignale = qualificatifVu || r.qualificatif == 255;
            if (r.qualificatif == 255)
                res.qualificatif = 255;
            else if (qualificatifVu)
                res.qualificatif = choisitQualificatif(comptes);
            return;
        }
        if (essais >= d.nombreEssais) {
            res.indecidable = indecidable;
            res.qualificatifSignale = qualificatifVu;
            if (qualificatifVu) res.qualificatif = choisitQualificatif(comptes);
            return;
        }
    }
}

// The free objects a run moves.
void objetsAVarier(const TfigureKalmetra& f, const TDescriptionTest& d, TNomsObjets& noms, uint8_t& nombre) {
    nombre = 0;
    if (!d.nomsAVarier.empty()) listeObjetsLibresNommes(f, d.nomsAVarier, noms, nombre);
    if (nombre == 0 || nombre == 255) listeObjetsLibresSauf(f, d.nomsAGarder, noms, nombre);
}

} // namespace

void evalueTestValeursActuelles(const TRequeteTest& q, TResultatTest& res) {
    reinitialiseResultat(res);
    fixeToleranceTest(q.tolerance);
    if (!q.figure) return;
    TArgumentsTest a;
    if (!lisArgumentsDuTest(*q.figure, q.code, q.arguments, a)) {
        res.argumentsLus = false;
        return;
    }
    TReponseTest r;
    evalueTestParCode(*q.figure, q.code, a, r);
    res.vrai = r.vrai != 0;
    res.indecidable = r.indecidable != 0;
    res.qualificatifSignale = r.qualificatifSignale != 0 || r.qualificatif == 255;
    res.qualificatif = r.qualificatif;
}

void evalueTest(const TRequeteTest& q, TDescriptionTest& d, TResultatTest& res) {
    fixeToleranceTest(q.tolerance);
    reinitialiseResultat(res);
    if (!q.figure) return;
    TfigureKalmetra& f = *q.figure;
    const bool garder = d.garderFigure != 0;
    // The figure comes back as it was, whatever the run does to its values
    // (also when an internal error leaves the run).
    std::optional<GardeInstantane> garde;
    if (!garder) {
        garde.emplace(f);
        if (!garde->pris()) return;
    }
    auto remetFigure = [&] {
        if (!garde) return;
        garde->annule();
        reconstruitDessin(f);
    };
    TArgumentsTest a;
    if (!lisArgumentsDuTest(f, q.code, q.arguments, a)) {
        res.argumentsLus = false;
        remetFigure();
        return;
    }
    TNomsObjets noms;
    uint8_t nombre = 0;
    objetsAVarier(f, d, noms, nombre);
    for (int k = 2; k <= 20; ++k) {
        d.dansLeDessin[std::size_t(k)] = d.dansLeDessin[1];
        d.aleatoire[std::size_t(k)] = d.aleatoire[1];
        d.niveaux[std::size_t(k)] = d.niveaux[1];
    }
    if (nombre == 0) {
        TReponseTest r;
        evalueTestParCode(f, q.code, a, r);
        res.vrai = r.vrai != 0;
        res.indecidable = r.indecidable != 0;
        res.qualificatifSignale = r.qualificatifSignale != 0 || r.qualificatif == 255;
        res.qualificatif = r.qualificatif;
    } else {
        parcourtCandidatsDuTest(f, q.code, a, d, noms, nombre, res);
        if (!res.vrai) {
            std::string liste;
            for (int k = 1; k <= nombre; ++k)
                liste += (k > 1 ? " " : "") + noms[std::size_t(k)];
            TListeObjets objets{};
            uint8_t compte = 0;
            uint16_t erreur = 0;
            litListeObjetsLibres(f, liste, kModeLectureTest, objets, compte, erreur);
            res.ensembleContreExemple.reset();
            for (int k = 1; k <= compte; ++k)
                res.ensembleContreExemple.set(objets[std::size_t(k)]);
            // A name listed twice counts once.
            res.nombreContreExemple = uint8_t(res.ensembleContreExemple.count());
            litValeursObjetsLibres(f, res.ensembleContreExemple, res.valeursContreExemple,
                                   res.nombreValeursContreExemple);
        }
    }
    remetFigure();
}

namespace {

// The answer of the entries by kind and by code.
int reponseParQualificatif(const TResultatTest& r, bool avec255) {
    int reponse = r.vrai ? 0 : 1;
    if (r.qualificatifSignale) {
        if (r.qualificatif == 1) reponse = 2;
        if (r.qualificatif == 2) reponse = 3;
        if (avec255 && r.qualificatif == 255) reponse = 4;
    }
    return reponse;
}

TResultatTest lance(TfigureKalmetra& f, const std::string& arguments, uint8_t code, uint8_t mode,
                    uint8_t tolerance) {
    TRequeteTest q;
    q.figure = &f;
    q.code = code;
    q.tolerance = tolerance;
    q.arguments = arguments.substr(0, 255);
    TResultatTest r;
    if (code == 0) return r;
    if (mode == 1) {
        evalueTestValeursActuelles(q, r);
    } else {
        TDescriptionTest d;
        evalueTest(q, d, r);
    }
    return r;
}

uint8_t codeDeNature(uint8_t nature) {
    switch (nature) {
    case kNaturePoint:
        return 7;
    case kNatureSegment:
        return 26;
    case kNatureDroite:
        return 24;
    case kNatureDemiDroite:
        return 25;
    case kNatureCercle:
        return 46;
    case kNatureArcDeCercle:
        return 49;
    case kNatureRepere:
        return 71;
    case kNatureNombreReel:
        return 61;
    case kNatureFonction:
        return 65;
    case kNatureUniteDeLongueur:
        return 67;
    case kNatureVecteur:
        return 34;
    case kNatureTransformation:
        return 59;
    case kNatureSuite:
        return 66;
    case kNaturePolyedreConvexe:
        return 53;
    case kNaturePolygoneConvexe:
        return 55;
    case kNatureSphere:
        return 51;
    case kNaturePlan:
        return 41;
    case kNatureCylindre:
    case kNatureCone:
    case kNatureTroncDeCone:
        return 52;
    default:
        return 0;
    }
}

uint8_t codeDeSupport(uint8_t nature) {
    switch (nature) {
    case kNatureSegment:
        return 2;
    case kNatureDroite:
        return 1;
    case kNatureDemiDroite:
        return 3;
    case kNatureCercle:
        return 4;
    case kNatureArcDeCercle:
        return 5;
    case kNatureSphere:
        return 12;
    case kNaturePlan:
        return 11;
    default:
        return 0;
    }
}

int reponseRelation(const TResultatTest& r, uint8_t mode) {
    if (mode == 1 && r.indecidable) return 2;
    return r.vrai ? 0 : 1;
}

} // namespace

int testeExistenceObjetDeGenre(TfigureKalmetra& f, const std::string& arguments, uint8_t nature, uint8_t mode,
                               uint8_t tolerance) {
    const uint8_t code = codeDeNature(nature);
    const std::string texte = code == 65 ? arguments + ";100" : arguments;
    return reponseParQualificatif(lance(f, texte, code, mode, tolerance), true);
}

int testePointSurObjet(TfigureKalmetra& f, const std::string& arguments, uint8_t natureSupport, uint8_t mode,
                       uint8_t tolerance) {
    return reponseRelation(lance(f, arguments, codeDeSupport(natureSupport), mode, tolerance), mode);
}

int testeRelation(TfigureKalmetra& f, const std::string& arguments, uint8_t code, uint8_t mode,
                  uint8_t tolerance) {
    return reponseRelation(lance(f, arguments, code, mode, tolerance), mode);
}

int testeParCode(TfigureKalmetra& f, const std::string& arguments, uint8_t code, uint8_t mode) {
    return reponseParQualificatif(lance(f, arguments, code, mode, 0), false);
}

int testeObjetVariable(TfigureKalmetra& f, const std::string& nom, uint8_t mode) {
    if (mode == 1) return testeObjetVariableParTirages(f, nom) ? 0 : 1;
    return aDesAntecedentsVariables(f, nom) ? 0 : 1;
}

bool testeObjetVariableParTirages(TfigureKalmetra& f, const std::string& nom) {
    GardeInstantane garde(f);
    if (!garde.pris()) return false;
    struct Reconstruit {
        TfigureKalmetra& f;
        GardeInstantane& garde;
        ~Reconstruit() {
            garde.annule();
            reconstruitDessin(f);
        }
    } reconstruit{f, garde};
    const int i = numeroObjetDeNotation(f, coupe(nom, 10));
    if (i == 0) return false;
    TDescriptionTest d;
    TNomsObjets noms;
    uint8_t nombre = 0;
    objetsAVarier(f, d, noms, nombre);
    if (nombre == 0) return false;
    TPlanTirages plan;
    prepareTiragesAleatoires(f, noms, nombre, plan);
    if (plan.nombre == 0) return false;
    TEnsembleObjets lus;
    lus.set(std::size_t(i));
    lus = fermeAntecedents(f, lus);
    const int n = std::min<int>(objet(f, i).nombreValeurs, kMaxValeursLibres);
    std::array<double, kMaxValeursLibres + 1> avant{};
    for (int k = 1; k <= n; ++k)
        avant[std::size_t(k)] = valeurObjet(f, i, k);
    for (int essai = 0; essai <= d.nombreEssais; ++essai) {
        retireValeursDuPlan(plan, f);
        const ModeRetirageAleatoire mode(ensembleDuPlan(plan)); // as in the trials of a test
        recalculeEnsemble(f, ensembleDuPlan(plan), false, lus);
        for (int k = 1; k <= n; ++k) {
            const double v = valeurObjet(f, i, k);
            if (std::fabs(v - avant[std::size_t(k)]) > 0.1) return true;
            avant[std::size_t(k)] = v;
        }
    }
    return false;
}

bool aDesAntecedentsVariables(const TfigureKalmetra& f, const std::string& nom) {
    uint8_t i = 0;
    uint16_t erreur = 0;
    numeroObjetDeNomEtGenre(f, nom, kModeLectureTest, erreur, i);
    if (i == 0 || !lectureReussie(erreur)) return false;
    TEnsembleObjets vus;
    std::vector<int> generation{i};
    vus.set(i);
    while (!generation.empty()) {
        std::vector<int> suivante;
        for (int n : generation) {
            const TObjetFigure& o = objet(f, n);
            if (o.numeroPrototype == 0 && estConstructionLibre(o.codeConstruction)) return true;
            const TEnsembleObjets parents = ensembleDesAntecedents(f, n);
            for (int p = 1; p <= f.nombreObjets; ++p) {
                if (parents.test(std::size_t(p)) && !vus.test(std::size_t(p))) {
                    vus.set(std::size_t(p));
                    suivante.push_back(p);
                }
            }
        }
        generation = std::move(suivante);
    }
    return false;
}

} // namespace km32
