#include "drawing/creation_iterative.h"

#include <algorithm>

#include "base/garde.h"
#include "model/annexes_polygones.h"
#include "model/catalogue.h"
#include "drawing/bloc_dessin.h"
#include "drawing/clavier.h"
#include "model/calcul/calcul_objet.h"
#include "model/messages.h"
#include "model/objets_figure.h"
#include "model/services_dessin.h"
#include "model/solides/polyedres.h"
#include "text/descriptions_objets.h"
#include "text/execution_creation.h"
#include "text/installation_objet.h"
#include "text/instantanes_figure.h"

namespace km32 {

namespace {

constexpr int kMaxObjetsCopiables = 250;
constexpr std::size_t kLongueurNomObjet = 4;

bool lettre(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool suiteDeNom(char c) {
    return (c >= '0' && c <= '9') || c == '\'' || c == '"';
}

bool nomDeLaFigure(const TfigureKalmetra& f, std::string_view nom) {
    for (int i = 1; i <= f.nombreObjets; ++i)
        if (nomObjetEst(f, i, nom)) return true;
    return false;
}

// The names of a run of letters, digits and primes read back to back; empty
// when the run is not made of names.
std::vector<std::string_view> nomsDeSuite(std::string_view suite) {
    std::vector<std::string_view> noms;
    std::size_t k = 0;
    while (k < suite.size()) {
        if (!lettre(suite[k])) return {};
        std::size_t fin = k + 1;
        while (fin < suite.size() && fin - k < kLongueurNomObjet && suiteDeNom(suite[fin]))
            ++fin;
        noms.push_back(suite.substr(k, fin - k));
        k = fin;
    }
    return noms;
}

// Whether the figure's tables have room for a copy of every object of the
// group, tested before anything is made: each copy takes as many values,
// parents, samples and parameter expressions (with their operand bytes and
// constants) as the object it copies, and a solid slot or a polygon
// extension slot where that object has one.
bool placePourLesCopies(const TfigureKalmetra& f, const std::vector<int>& groupe) {
    const int n = int(groupe.size());
    int valeurs = 0, parents = 0, echantillons = 0, expressions = 0, octets = 0, constantes = 0;
    int solides = 0, annexes = 0;
    for (const int g : groupe) {
        const TObjetFigure& o = objet(f, g);
        valeurs += o.nombreValeurs;
        parents += o.nombreParents;
        echantillons += o.nombreEchantillons;
        expressions += o.nombreExpressions;
        for (int k = 0; k < o.nombreExpressions; ++k) {
            const TExpressionParametre& e = expressionParametre(f, o.premiereExpression + k);
            octets += e.nombreOctets;
            constantes += e.nombreConstantes;
        }
        solides += prendDonneesSolide(o.codeConstruction) && genreDonneesDeNature(o.nature) != 0;
        annexes += o.codeConstruction == construction::kPointLibreDansPolygone;
    }
    if (f.nombreObjets + n > kMaxObjetsCopiables) return false;
    if (f.valeursUtilisees + valeurs > kMaxValeurs || f.parentsUtilises + parents > kMaxParents) return false;
    if (f.echantillonsUtilises + echantillons > kMaxEchantillons) return false;
    if (f.expressionsUtilisees + expressions > kMaxExpressions) return false;
    if (f.octetsOperandesUtilises + octets > kMaxOctetsOperandes ||
        f.constantesUtilisees + constantes > kMaxConstantes)
        return false;
    if (solides > 0 && f.tableDesPolyedres && placesLibresPolyedres(*f.tableDesPolyedres) < solides)
        return false;
    if (annexes > 0 && f.tableAnnexes) {
        int libres = 0;
        for (int k = 1; k <= kMaxEmplacementsAnnexes; ++k)
            libres += !f.tableAnnexes->annexes[std::size_t(k)];
        if (libres < annexes) return false;
    }
    return true;
}

int numeroDeNom(const TfigureKalmetra& f, std::string_view nom) {
    for (int i = 1; i <= f.nombreObjets; ++i)
        if (nomObjetEst(f, i, nom)) return i;
    return 0;
}

} // namespace

std::string remplaceNomsDansOperandes(const TfigureKalmetra& f, std::string_view operandes,
                                      const std::vector<std::string>& ancien,
                                      const std::vector<std::string>& nouveau) {
    std::string r;
    std::size_t k = 0;
    while (k < operandes.size()) {
        const char c = operandes[k];
        if (!lettre(c) && !suiteDeNom(c)) {
            r += c;
            ++k;
            continue;
        }
        std::size_t fin = k;
        while (fin < operandes.size() && (lettre(operandes[fin]) || suiteDeNom(operandes[fin])))
            ++fin;
        const std::string_view suite = operandes.substr(k, fin - k);
        const std::vector<std::string_view> noms = nomsDeSuite(suite);
        const bool tousNoms = !noms.empty() && std::all_of(noms.begin(), noms.end(), [&](std::string_view n) {
            return nomDeLaFigure(f, n);
        });
        if (!tousNoms) {
            r += suite;
        } else {
            for (std::string_view n : noms) {
                const auto it = std::find(ancien.begin(), ancien.end(), n);
                r += it == ancien.end() ? std::string(n) : nouveau[std::size_t(it - ancien.begin())];
            }
        }
        k = fin;
    }
    return r;
}

void creationIterative(TfigureKalmetra& f, int n) {
    if (f.modeTrace || f.modeTraceALaDemande) return;
    const TObjetFigure& commande = objet(f, n);
    const int taille = commande.premierEchantillon;
    const int parents = commande.nombreParents;
    if (taille < 1 || taille > parents || (parents - taille) % 2 != 0) return;
    const int remplaces = (parents - taille) / 2;
    const std::string nomCommande = nomObjet(f, n);

    // The group, what is replaced and by what, each by name: a creation may
    // put the objects back in another order.
    std::vector<int> groupe;
    std::vector<std::string> ancien, nouveau;
    for (int k = 1; k <= taille; ++k)
        groupe.push_back(parentObjet(f, n, k));
    for (int j = 1; j <= remplaces; ++j) {
        ancien.push_back(nomObjet(f, parentObjet(f, n, taille + j)));
        nouveau.push_back(nomObjet(f, parentObjet(f, n, taille + remplaces + j)));
    }

    if (!placePourLesCopies(f, groupe)) return;

    // The new names, unique in the figure and among themselves.
    std::vector<std::string> nomsCopies;
    for (int g : groupe) {
        const std::string nom = nomObjet(f, g);
        const bool vecteur = objet(f, g).nature == kNatureVecteur;
        auto pris = [&](const std::string& candidat) {
            if (std::find(nomsCopies.begin(), nomsCopies.end(), candidat) != nomsCopies.end()) return true;
            if (nomDeLaFigure(f, candidat)) return true;
            if (!vecteur) return false;
            const std::string v = "vec(" + candidat + ")";
            for (int i = 1; i <= f.nombreObjets; ++i)
                if (nomObjetOuVecteurEst(f, i, v)) return true;
            return false;
        };
        const std::string copie = nomUniqueDeCopie(nom, pris);
        if (copie.size() > kLongueurNomObjet || copie == nom) return;
        nomsCopies.push_back(copie);
    }
    // In the copies, the group's names become the copies' (they take
    // precedence over a replacement of the same name).
    std::vector<std::string> de, vers;
    for (std::size_t k = 0; k < groupe.size(); ++k) {
        de.push_back(nomObjet(f, groupe[k]));
        vers.push_back(nomsCopies[k]);
    }
    de.insert(de.end(), ancien.begin(), ancien.end());
    vers.insert(vers.end(), nouveau.begin(), nouveau.end());

    GardeInstantane garde(f);
    if (!garde.pris()) return;
    const GardeValeur<uint8_t> muet(etatMessages().messagesMuets, 1);
    const GardeValeur<bool> signalement(etatCreation().signalementErreurs, false);
    for (std::size_t k = 0; k < groupe.size(); ++k) {
        const std::string nomSource = de[k];
        const int source = numeroDeNom(f, nomSource);
        if (source == 0) return; // the guard puts the figure back
        const TObjetFigure modele = objet(f, source);
        const std::string operandes =
            remplaceNomsDansOperandes(f, phraseDefinitionParConstruction(f, source), de, vers);
        std::string nomCree;
        uint8_t invalide = 0, reserve = 0;
        const uint16_t code = uint16_t(modele.codeConstruction | (modele.numeroPrototype << 8));
        if (!executeLigneDeCreation(f, operandes, 1, code, nomCree, invalide, reserve)) return;
        const int copie = numeroDeNom(f, nomsCopies[k]);
        if (copie == 0) return;
        TObjetFigure& o = objet(f, copie);
        o.style = modele.style;
        std::copy(std::begin(modele.sourcesCouleur), std::end(modele.sourcesCouleur), o.sourcesCouleur);
        // A free object keeps the place of the one it copies.
        if (estObjetLibre(o) && o.nombreValeurs == modele.nombreValeurs) {
            for (int v = 1; v <= o.nombreValeurs; ++v)
                valeurObjet(f, copie, v) = valeurObjet(f, source, v);
            calculeObjet(f, copie);
        }
    }
    // The command's own parents of the group become their copies; each
    // replaced object becomes the replacement it had, so that the next run
    // builds on the copies just made, as this one built on the group.
    const int c = numeroDeNom(f, nomCommande);
    if (c == 0) return;
    for (int k = 1; k <= objet(f, c).nombreParents; ++k) {
        uint8_t& p = parentObjet(f, c, k);
        std::string nom;
        if (k > taille && k <= taille + remplaces) {
            nom = nouveau[std::size_t(k - taille - 1)];
        } else {
            const auto it = std::find(de.begin(), de.begin() + taille, nomObjet(f, p));
            if (it == de.begin() + taille) continue;
            nom = nomsCopies[std::size_t(it - de.begin())];
        }
        const int numero = numeroDeNom(f, nom);
        if (numero == 0) return;
        p = uint8_t(numero);
    }
    garde.valide();
    f.modifiee = 1;
    if (f.objetLibreActif != 0) prepareObjetActif(f, f.objetLibreActif);

    // The drawing data of the command and what follows it, then the display.
    f.polyedresAPreparer = 0;
    for (int i = std::max(c, 7); i <= f.nombreObjets; ++i)
        construitElementSolide(f, i);
    if (f.polyedresAPreparer) {
        preparePolyedresVisibles(f);
        prepareElementsDessin(f);
    } else {
        for (int i = std::max(c, 7); i <= f.nombreObjets; ++i)
            prepareElementObjet(f, i);
        placeZonesDessin(f);
    }
    repeintFigureEcran(f);
}

} // namespace km32
