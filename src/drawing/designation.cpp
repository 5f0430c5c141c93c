#include "drawing/designation.h"

#include <initializer_list>

#include "model/catalogue.h"
#include "model/objets_figure.h"

namespace km32 {

namespace {

// A constant set of construction codes given by single codes and ranges.
struct Plage {
    int de, a;
};
TEnsembleObjets ensembleDeCodes(std::initializer_list<Plage> plages) {
    TEnsembleObjets e;
    for (const Plage& p : plages)
        for (int c = p.de; c <= p.a; ++c)
            e.set(std::size_t(c));
    return e;
}

const TEnsembleObjets& codesRegle18() {
    static const TEnsembleObjets e =
        ensembleDeCodes({{1, 21},    {23, 37},   {71, 71},   {105, 105}, {125, 125}, {130, 142}, {144, 144},
                         {146, 148}, {150, 151}, {153, 153}, {155, 156}, {161, 162}, {173, 174}, {176, 176},
                         {181, 182}, {184, 184}, {189, 189}, {192, 192}, {202, 203}, {206, 206}, {209, 213},
                         {218, 219}, {232, 232}, {249, 249}, {254, 254}});
    return e;
}
const TEnsembleObjets& codesRegle29() {
    static const TEnsembleObjets e = ensembleDeCodes({{1, 21},
                                                      {24, 29},
                                                      {105, 105},
                                                      {132, 140},
                                                      {148, 148},
                                                      {150, 150},
                                                      {155, 156},
                                                      {161, 161},
                                                      {174, 174},
                                                      {176, 176},
                                                      {181, 181},
                                                      {189, 189},
                                                      {192, 192},
                                                      {202, 203},
                                                      {206, 206},
                                                      {209, 209},
                                                      {211, 213},
                                                      {249, 249},
                                                      {254, 254}});
    return e;
}
const TEnsembleObjets& codesRegle30() {
    static const TEnsembleObjets e = ensembleDeCodes({{1, 21},
                                                      {24, 29},
                                                      {105, 105},
                                                      {132, 140},
                                                      {148, 148},
                                                      {155, 156},
                                                      {161, 161},
                                                      {189, 189},
                                                      {192, 192},
                                                      {202, 203},
                                                      {206, 206},
                                                      {209, 209},
                                                      {254, 254}});
    return e;
}

bool codeDans(const TObjetFigure& o, const TEnsembleObjets& codes) {
    return codes.test(o.codeConstruction);
}
bool libreNonBloque(const TObjetFigure& o) {
    return estObjetLibre(o) && !estBloque(o);
}
bool natureDans(const TObjetFigure& o, std::initializer_list<uint8_t> natures) {
    for (uint8_t n : natures)
        if (o.nature == n) return true;
    return false;
}

// Adds the objects premier..N that pass the test.
template <class Test> void ajoute(const TfigureKalmetra& f, TEnsembleObjets& e, int premier, Test test) {
    for (int i = premier; i <= f.nombreObjets; ++i)
        if (test(objet(f, i), i)) e.set(std::size_t(i));
}
void ajouteNatures(const TfigureKalmetra& f, TEnsembleObjets& e, std::initializer_list<uint8_t> natures) {
    ajoute(f, e, 1, [&](const TObjetFigure& o, int) { return natureDans(o, natures); });
}

void ajouteRegle(const TfigureKalmetra& f, uint16_t regle, TEnsembleObjets& e) {
    using O = const TObjetFigure&;
    switch (regle) {
    case 1:
        return ajouteNatures(f, e, {kNaturePoint});
    case 3:
        return ajouteNatures(f, e, {kNatureCercle});
    case 4:
        return ajouteNatures(f, e, {kNatureArcDeCercle});
    case 5:
        return ajouteNatures(f, e, {kNatureRepere});
    case 7:
    case 27:
        return ajoute(f, e, 14, [](O o, int) { return estConvexeLimitant(o.codeConstruction); });
    case 8:
        return ajouteNatures(f, e, {kNaturePoint, kNaturePlan});
    case 9:
        return ajoute(f, e, 1, [](O o, int) {
            const uint8_t c = o.codeConstruction;
            return estObjetLibre(o) && (c == 3 || c == 6 || c == 7 || c == 44 || c == 45);
        });
    case 10:
        return ajouteNatures(f, e, {kNaturePoint, kNatureSegment});
    case 11:
        return ajouteNatures(f, e, {kNaturePoint, kNatureDemiDroite});
    case 12:
        return ajouteNatures(f, e, {kNaturePoint, kNatureDroite});
    case 13:
        return ajouteNatures(f, e, {kNaturePoint, kNatureSegment, kNatureDroite, kNatureDemiDroite});
    case 14:
        return ajouteNatures(f, e, {kNatureTransformation});
    case 15:
        return ajouteNatures(f, e, {kNatureNombreReel});
    case 16:
        return ajoute(
            f, e, 7, [](O o, int) { return estObjetDessinable(o) && !estProtege(o) && estDessine(o.style); });
    case 17:
        return ajoute(f, e, 7, [](O o, int) { return estObjetDessinable(o); });
    case 18:
        return ajoute(f, e, 14, [&](O o, int i) {
            return codeDans(o, codesRegle18()) && aDesAntecedentsUtilisateur(f, i);
        });
    case 19:
        return ajoute(f, e, 14, [](O o, int) { return !estProtege(o); });
    case 20:
        return ajoute(f, e, 14, [](O o, int) {
            return !estProtege(o) && o.codeConstruction != 33 && o.codeConstruction != 34;
        });
    case 21:
        return ajoute(f, e, 1, [](O o, int) {
            return o.nature == kNaturePoint || (o.nature == kNatureDroite && o.codeConstruction == 71);
        });
    case 22:
        return ajouteNatures(f, e, {kNatureSuite});
    case 23:
        return ajoute(f, e, 1, [](O o, int) {
            return o.nature == kNaturePoint || (o.nature == kNaturePlan && o.codeConstruction == 166);
        });
    case 24:
        return ajouteNatures(f, e, {kNaturePolyedreConvexe});
    case 25:
        return ajouteNatures(f, e, {kNatureSphere});
    case 26:
        return ajoute(f, e, 14, [](O o, int) { return estConstructionSolide(o.codeConstruction); });
    case 28:
        return ajouteNatures(f, e, {kNaturePolygoneConvexe});
    case 29:
        return ajoute(f, e, 1, [](O o, int) { return codeDans(o, codesRegle29()); });
    case 30:
        return ajoute(f, e, 1, [](O o, int) { return codeDans(o, codesRegle30()); });
    case 51:
        return ajoute(f, e, 7, [](O o, int) { return !estProtege(o) && estObjetDessinable(o); });
    case 52:
        return ajoute(f, e, 14, [](O o, int) {
            return !estProtege(o) && estObjetDessinable(o) &&
                   !natureDans(o, {kNaturePoint, kNatureRepere, kNatureAffichage});
        });
    case 53:
        return ajoute(f, e, 14, [](O o, int) {
            return !estProtege(o) && estObjetDessinable(o) &&
                   natureDans(
                       o, {kNatureSegment, kNatureDroite, kNatureDemiDroite, kNatureCourbe, kNatureMaillage});
        });
    case 54:
        return ajoute(f, e, 2, [](O o, int) { return !estProtege(o) && o.nature == kNaturePoint; });
    case 58:
        return ajoute(f, e, 7, [](O o, int) { return !estProtege(o) && o.nature == kNatureRepere; });
    case 65:
        return ajoute(f, e, 1,
                      [](O o, int) { return !estProtege(o) && estConstructionConvexe(o.codeConstruction); });
    case 73:
        return ajoute(f, e, 14, [](O o, int) {
            return libreNonBloque(o) && o.nature == kNaturePoint && o.nonDefini == 0;
        });
    case 74:
        return ajoute(f, e, 14, [](O o, int) { return libreNonBloque(o) && o.nature == kNatureNombreReel; });
    case 75:
        return ajoute(f, e, 14, [](O o, int) { return libreNonBloque(o); });
    case 77:
        return ajoute(f, e, 7, [](O o, int) { return estProtege(o); });
    case 78:
        return ajoute(f, e, 7, [](O o, int) { return !estProtege(o); });
    case 79:
        return ajoute(f, e, 14,
                      [](O o, int) { return estObjetLibreBloque(o) && !accesInterdit(o) && !estProtege(o); });
    case 80:
        return ajoute(f, e, 14,
                      [](O o, int) { return libreNonBloque(o) && !accesInterdit(o) && !estProtege(o); });
    case 81:
        return ajoute(f, e, 1, [](O o, int) { return !accesInterdit(o); });
    case 82:
        return ajoute(f, e, 1, [](O o, int) { return accesInterdit(o); });
    case 83:
        return ajouteNatures(f, e, {kNatureFonction});
    case 89:
        return ajouteNatures(f, e, {kNatureVecteur});
    case 90:
        return ajouteNatures(f, e, {kNatureUniteDeLongueur});
    case 91:
        return ajoute(f, e, 7, [](O o, int) {
            return estObjetDessinable(o) && !estProtege(o) && !estDessine(o.style);
        });
    case 95:
        return ajoute(f, e, 7, [](O o, int) { return !estProtege(o) && o.codeConstruction == 71; });
    case 96:
        return ajoute(f, e, 7, [](O o, int) { return o.objetLimite != 0; });
    case 97:
        return;
    case 98:
        return ajouteNatures(
            f, e, {kNaturePoint, kNatureNombreReel, kNatureFonction, kNatureVecteur, kNatureSuite});
    case 99:
        return ajoute(f, e, 14, [](O o, int) { return !accesInterdit(o) && !protegeARappelLimite(o); });
    case 100:
        return ajouteNatures(f, e, {kNatureCommande});
    case 101:
    case 102:
        return ajoute(f, e, 14, [regle](O o, int) {
            const uint8_t c = o.codeConstruction;
            return estObjetLibre(o) && (c == 44 || c == 45) && !accesInterdit(o) && !estProtege(o) &&
                   pilotageEnBoucle(o) == (regle == 101);
        });
    case 103:
    case 105:
        return ajoute(f, e, 14, [](O o, int) { return estObjetLibre(o); });
    case 104:
        return ajoute(f, e, 14, [](O o, int) {
            return estObjetLibre(o) && estLibreTirableAuHasard(o.codeConstruction);
        });
    case 106:
        return ajoute(f, e, 7, [](O o, int) {
            return !estProtege(o) && estObjetDessinable(o) && o.nature != kNatureAffichage &&
                   o.objetLimite == 0;
        });
    case 107:
        return ajouteNatures(f, e, {kNatureFonction2Variables});
    case 108:
        return ajouteNatures(f, e, {kNatureFonction3Variables});
    case 109:
        return ajouteNatures(f, e, {kNatureCone});
    case 110:
        return ajouteNatures(f, e, {kNatureTroncDeCone});
    case 111:
        return ajouteNatures(f, e, {kNatureCylindre});
    default:
        // Every other number: every object.
        for (int i = 1; i <= kMaxObjets; ++i)
            e.set(std::size_t(i));
        return;
    }
}

} // namespace

void objetsDesignablesPourCommande(const TfigureKalmetra& f, uint16_t regle, TEnsembleObjets& ensemble) {
    ensemble.reset();
    ajouteRegle(f, regle, ensemble);
    if (regle == 17 || regle == 82) return;
    for (int i = 1; i <= f.nombreObjets; ++i)
        if (accesInterdit(objet(f, i))) ensemble.reset(std::size_t(i));
}

bool aucunObjetDesignable(const TfigureKalmetra& f, uint16_t regle) {
    TEnsembleObjets e;
    objetsDesignablesPourCommande(f, regle, e);
    return e.none();
}

uint16_t designationDeCommande(uint16_t commande) {
    switch (commande) {
    case 77:
        return 75;
    case 84:
        return 18;
    case 92:
        return 19;
    case 96:
        return 102;
    case 97:
        return 101;
    case 98:
        return 78;
    case 107:
        return 80;
    case 108:
        return 79;
    case 109:
        return 82;
    case 111:
        return 77;
    case 116:
        return 96;
    default:
        return 81;
    }
}

uint16_t designationDeStyle(uint8_t style) {
    if (style >= 16 && style <= 22) return 54;
    if (style == 23 || style == 24) return 52;
    if (style == 25 || style == 26) return 53;
    if (style >= 27 && style <= 29) return 95;
    if (style == 30) return 58;
    if (style >= 31 && style <= 36) return 65;
    if (style == 37) return 16;
    if (style == 38) return 91;
    return 51;
}

} // namespace km32
