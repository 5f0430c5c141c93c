#include "model/prototypes/operandes_donnes.h"

#include <algorithm>

namespace km32 {

int parentsDeDonne(uint8_t nature) {
    switch (nature) {
    case kNatureSegment:
    case kNatureDroite:
    case kNatureDemiDroite:
        return 2; // the two points of the line, or its point and its direction
    case kNaturePlan:
        return 3;
    case kNaturePoint:
    case kNatureCercle:
    case kNatureArcDeCercle:
    case kNatureRepere:
    case kNatureFonction:
    case kNatureUniteDeLongueur:
    case kNatureTransformation:
    case kNatureSuite:
    case kNatureFonction2Variables:
    case kNatureFonction3Variables:
    case kNaturePolyedreConvexe:
    case kNaturePolygoneConvexe:
    case kNatureSphere:
    case kNatureCylindre:
    case kNatureCone:
    case kNatureTroncDeCone:
        return 1;
    default:
        return 0;
    }
}

int valeursDeDonne(uint8_t nature) {
    switch (nature) {
    case kNatureNombreReel:
        return 1;
    case kNatureVecteur:
        return 3;
    default:
        return 0;
    }
}

TOperandesInstance operandesInstance(int nombreDonnes, const std::array<uint8_t, 11>& natures,
                                     int nombreValeursResultat) {
    TOperandesInstance r;
    r.nombreValeurs = nombreValeursResultat;
    const int n = std::clamp(nombreDonnes, 0, kMaxDonnesPrototype);
    for (int k = 1; k <= n; ++k) {
        TOperandesDonne& d = r.donnes[std::size_t(k)];
        const uint8_t nature = natures[std::size_t(k)];
        if (const int parents = parentsDeDonne(nature); parents > 0) {
            d.parent = uint8_t(r.nombreParents + 1);
            d.nombreParents = uint8_t(parents);
            r.nombreParents += parents;
        }
        if (const int valeurs = valeursDeDonne(nature); valeurs > 0) {
            d.expression = uint8_t(++r.nombreExpressions);
            d.valeur = uint8_t(r.nombreValeurs + 1);
            d.nombreValeurs = uint8_t(valeurs);
            r.nombreValeurs += valeurs;
        }
    }
    return r;
}

TOperandesInstance operandesInstance(const TPrototype& p) {
    return operandesInstance(p.nombreDonnes, p.natures, p.nombreValeursResultat);
}

} // namespace km32
