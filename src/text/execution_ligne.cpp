#include "text/execution_ligne.h"

#include <array>
#include <initializer_list>

#include "base/erreur.h"
#include "model/procedures_texte.h"
#include "text/appariement_lignes.h"
#include "text/reconnaissance.h"

namespace km32 {

namespace {

using TableRoutes = std::array<RouteLigne, kNombreModeles>;

TableRoutes construitRoutes() {
    TableRoutes t{};
    t.fill(RouteLigne::Aucune);
    auto route = [&t](RouteLigne r, std::initializer_list<uint16_t> codes) {
        for (uint16_t c : codes)
            t[c - kPremierModele] = r;
    };
    auto plage = [&t](RouteLigne r, uint16_t premier, uint16_t dernier) {
        for (uint16_t c = premier; c <= dernier; ++c)
            t[c - kPremierModele] = r;
    };
    route(RouteLigne::Creation, {2000});
    plage(RouteLigne::Creation, 2003, 2201);
    plage(RouteLigne::Creation, 2420, 2442);
    route(RouteLigne::CreationSphereUnite, {2418});
    route(RouteLigne::AffichageTexte, {2001, 2002});
    route(RouteLigne::ObjetLibre, {2202, 2203, 2232});
    route(RouteLigne::Dessin, {2204, 2417, 2312, 2216});
    route(RouteLigne::Reglage, {2205, 2206, 2209, 2214, 2215, 2218, 2224, 2234, 2238, 2239, 2240, 2241, 2242,
                                2247, 2249, 2257, 2273, 2274, 2275, 2276, 2277, 2278, 2300, 2301, 2311});
    route(RouteLigne::Commande,
          {2210, 2211, 2212, 2213, 2217, 2222, 2223, 2225, 2226, 2227, 2235, 2236, 2237,
           2244, 2258, 2260, 2266, 2267, 2270, 2279, 2281, 2289, 2290, 2291, 2297, 2298});
    route(RouteLigne::Options, {2292});
    route(RouteLigne::Acceptee,
          {2207, 2208, 2219, 2245, 2253, 2254, 2255, 2256, 2272, 2293, 2294, 2299, 2419});
    plage(RouteLigne::Acceptee, 2313, 2317);
    plage(RouteLigne::Test, kPremierTest, kDernierTest);
    route(RouteLigne::Directe, {2220, 2221, 2288, 2228, 2229, 2287, 2230, 2231, 2302, 2305, 2233, 2303, 2243,
                                2304, 2246, 2306, 2248, 2295, 2259, 2296, 2261, 2262, 2263, 2264, 2265, 2283,
                                2284, 2282, 2268, 2285, 2286, 2269, 2271, 2280, 2307, 2308, 2309, 2310});
    route(RouteLigne::DescriptionInterface, {2250});
    route(RouteLigne::Commentaire, {2251});
    route(RouteLigne::DebutPrototype, {2252});
    return t;
}

bool estGuillemet(char c) {
    return c == '"' || c == '\'';
}

// The start commands that run later, from the stored extra lines, while a
// whole text is read in.
bool estCommandeDeDemarrage(uint16_t code) {
    return code == 2264 || code == 2265 || code == 2268 || code == 2269;
}
// The commands that only act while lines run one by one.
bool seulementEnExecutionReelle(uint16_t code) {
    return code == 2285 || code == 2286 || code == 2288 || code == 2296;
}

void dispatche(ExecutantLigne& x, TLigneFigure& l) {
    const bool reelle = etatExecutionLigne().executionReelle == 1;
    const RouteLigne route = routeDeCodeLigne(l.codeLigne);
    switch (route) {
    case RouteLigne::Aucune:
    case RouteLigne::Acceptee:
        break;
    case RouteLigne::CreationSphereUnite:
        l.codeLigne = 2118;
        x.creeObjet(l);
        break;
    case RouteLigne::Creation:
        x.creeObjet(l);
        break;
    case RouteLigne::Options:
        if (reelle) x.executeCommande(route, l);
        break;
    case RouteLigne::AffichageTexte:
    case RouteLigne::ObjetLibre:
    case RouteLigne::Dessin:
    case RouteLigne::Reglage:
    case RouteLigne::Commande:
        x.executeCommande(route, l);
        break;
    case RouteLigne::Test:
        x.testePropriete(l.ligne);
        l.erreur = 0;
        break;
    case RouteLigne::Directe:
        if (estCommandeDeDemarrage(l.codeLigne) && !reelle)
            l.erreur = kLigneDifferee;
        else if (reelle || !seulementEnExecutionReelle(l.codeLigne))
            x.executeDirecte(l);
        break;
    case RouteLigne::DescriptionInterface:
        l.erreur = kDescriptionInterface;
        break;
    case RouteLigne::Commentaire:
        l.erreur = kLigneCommentaire;
        break;
    case RouteLigne::DebutPrototype:
        l.erreur = kDebutPrototype;
        break;
    }
}

} // namespace

RouteLigne routeDeCodeLigne(uint16_t code) {
    static const TableRoutes routes = construitRoutes();
    if (code < kPremierModele || code > kDernierModele) return RouteLigne::Aucune;
    return routes[code - kPremierModele];
}

EtatExecutionLigne& etatExecutionLigne() {
    static EtatExecutionLigne e;
    return e;
}

void reinitialiseExecutionLigne() {
    etatExecutionLigne() = EtatExecutionLigne{};
}

std::string nettoieLigne(std::string_view ligne) {
    std::string r(ligne.substr(0, kLongueurLigne));
    if (!r.empty() && estGuillemet(r.front())) {
        r.erase(0, 1);
        if (!r.empty() && estGuillemet(r.back())) r.pop_back();
    }
    // A replaced pair cannot form a new one, so one pass from the left does it.
    std::size_t w = 0;
    for (std::size_t i = 0; i < r.size(); ++i) {
        if (r[i] == '\'' && i + 1 < r.size() && r[i + 1] == '\'') {
            r[w++] = '"';
            ++i;
        } else {
            r[w++] = r[i];
        }
    }
    r.resize(w);
    return r;
}

uint16_t executeLigne(ExecutantLigne& x, std::string_view texte, uint8_t redessine, uint8_t modeLecture) {
    ++etatExecutionLigne().lignesExecutees;
    TLigneFigure l;
    l.modeLecture = modeLecture;
    l.redessine = redessine;
    l.ligne = nettoieLigne(texte);
    try {
        prepareLigneFigure(l);
        if (x.prototypePrendLigne(l)) return l.erreur;
        reconnaitLigne(l);
        if (l.erreur != 0) return l.erreur;
        if (x.modeRequete()) {
            if (l.codeLigne < 2313 || l.codeLigne > 2317) return kResultatHorsRequete;
            x.executeRequete(l);
            return 0;
        }
        dispatche(x, l);
        if (l.erreur == kLigneDifferee) ecritLigneCodee(l, etatExecutionLigne().lignesNonExecutees);
        return l.erreur;
    } catch (const ErreurInterne& e) {
        return e.phrase() != 0 ? e.phrase() : kPhraseIncorrecte;
    }
}

void prepareCreationDeLigne(TLigneFigure& l, uint16_t codeConstruction) {
    l.codeConstruction = codeConstruction;
    if (codeConstruction == 126) {
        // The displayed text may hold anything: it is the rest of the line
        // after the first ":" and the blank behind it.
        const std::size_t deuxPoints = l.ligne.find(':');
        if (deuxPoints != std::string::npos) {
            std::size_t debut = deuxPoints + 1;
            if (debut < l.ligne.size() && l.ligne[debut] == ' ') ++debut;
            // Masked, so that a "ÿ" of the text is not taken for a ";".
            l.arguments[1] = masqueOctets255(l.ligne.substr(debut));
        }
    }
    assembleArgumentsLigne(l);
}

} // namespace km32
