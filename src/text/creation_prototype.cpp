// A prototype made from objects of the figure: the given objects, the
// result and the model phrase chosen in the construction dialog are turned
// into a block of figure text, which is then read like any block.
#include "base/texte.h"
#include "model/catalogue.h"
#include "model/expression_erreurs.h"
#include "model/objets_figure.h"
#include "model/procedures_texte.h"
#include "text/prototypes_texte.h"
#include "model/services_hote.h"
#include "model/services_texte.h"
#include "phrases/phrase.h"
#include "text/noms_objets.h"
#include "text/operandes_objets.h"

namespace km32 {

namespace {

constexpr uint16_t kPhraseAntecedent = 9932;
constexpr uint16_t kPhraseAideNonEcrite = 9933;
constexpr uint16_t kPhraseResultat = 9934;

// The line "#1 ... donné" of a given object of that kind; 0 for a kind that
// has none.
uint16_t phraseDeDonne(uint8_t nature) {
    switch (nature) {
    case kNaturePoint:
        return 2420;
    case kNatureSegment:
        return 2441;
    case kNatureDroite:
        return 2440;
    case kNatureDemiDroite:
        return 2421;
    case kNatureCercle:
        return 2422;
    case kNatureArcDeCercle:
        return 2428;
    case kNatureRepere:
        return 2425;
    case kNatureNombreReel:
        return 2423;
    case kNatureFonction:
        return 2429;
    case kNatureUniteDeLongueur:
        return 2426;
    case kNatureVecteur:
        return 2424;
    case kNatureTransformation:
        return 2427;
    case kNatureSuite:
        return 2430;
    case kNatureFonction2Variables:
        return 2431;
    case kNatureFonction3Variables:
        return 2432;
    case kNaturePolyedreConvexe:
        return 2434;
    case kNaturePolygoneConvexe:
        return 2439;
    case kNatureSphere:
        return 2435;
    case kNaturePlan:
        return 2433;
    case kNatureCylindre:
        return 2438;
    case kNatureCone:
        return 2437;
    case kNatureTroncDeCone:
        return 2436;
    default:
        return 0;
    }
}

// The checks of the four answers; 0 when they pass.
uint16_t verifieReponses(const TfigureKalmetra& f, const TReponsesPrototype& reponses, uint8_t& etape,
                         std::string& titre, TListeObjets& donnes, uint8_t& nombre, uint8_t& resultat) {
    etape = 1;
    titre = reponses.titre;
    oteEspacesBouts80(titre);
    if (titre.empty()) return kErreurTitreManquant;
    if (titre.find_first_of("[]%") != std::string::npos) return kErreurCrochetsDansTitre;

    etape = 2;
    uint16_t erreur = 0;
    nombre = 0;
    std::string liste = reponses.donnes;
    oteEspacesBouts(liste);
    if (!liste.empty()) {
        litListeObjets(f, liste, 0, donnes, nombre, erreur);
        if (estRefus(erreur)) return erreur;
    }
    TEnsembleObjets ensemble;
    for (int k = 1; k <= nombre; ++k) {
        const int d = donnes[std::size_t(k)];
        if (d <= kObjetsPredefinis || !estCodeAntecedentPermis(objet(f, d).codeConstruction)) {
            nomErreur1() = nomObjet(f, d);
            return kErreurAntecedentInterdit;
        }
        ensemble.set(std::size_t(d));
    }

    etape = 3;
    erreur = 0;
    std::string nom = reponses.resultat;
    oteEspacesBouts(nom);
    numeroObjetDeNomEtGenre(f, nom, 0, erreur, resultat);
    if (estRefus(erreur)) return erreur;
    if (ensemble.test(resultat)) return kErreurResultatDonne;
    if (!estCodeResultatPermis(objet(f, resultat).codeConstruction)) {
        nomErreur1() = nomObjet(f, resultat);
        return kErreurResultatInterdit;
    }
    uint8_t inutilise = 0;
    TEnsembleObjets necessaires;
    objetsNecessaires(f, resultat, ensemble, inutilise, necessaires);
    if (inutilise != 0) {
        nomErreur1() = nomObjet(f, inutilise);
        nomErreur2() = nomObjet(f, resultat);
        return kErreurDonneInutilise;
    }
    etape = 4;
    return 0;
}

std::string texteDuBloc(const TfigureKalmetra& f, const std::string& titre, const TListeObjets& donnes,
                        uint8_t nombre, uint8_t resultat, const std::string& phraseModele) {
    const std::string fin = "\r\n";
    std::string t = ligneDePhraseAvecParametres(kPhraseDebutPrototype, "[" + titre + "]", 0);
    TEnsembleObjets ensemble;
    for (int k = 1; k <= nombre; ++k) {
        const int d = donnes[std::size_t(k)];
        ensemble.set(std::size_t(d));
        if (const uint16_t phrase = phraseDeDonne(objet(f, d).nature))
            t += ligneDePhraseAvecParametres(phrase, nomObjet(f, d), 0);
    }
    uint8_t inutilise = 0;
    TEnsembleObjets necessaires;
    objetsNecessaires(f, resultat, ensemble, inutilise, necessaires);
    for (int i = kObjetsPredefinis + 1; i <= resultat; ++i) {
        if (!necessaires.test(std::size_t(i))) continue;
        t += definitionObjetEnTexte(f, i);
        if (estObjetLibre(objet(f, i))) t += ecritLigneObjetLibre(f, i);
    }
    t += fin + phraseDeNumero(kPhraseDescriptionInterface);
    t += fin + phraseModele;
    for (int k = 1; k <= nombre; ++k)
        t += fin + phraseDeNumero(kPhraseAntecedent) + " " + std::to_string(k) + " (" +
             phraseDeNumero(phraseDeNature(objet(f, donnes[std::size_t(k)]).nature)) + "):";
    t += fin + phraseDeNumero(kPhraseResultat) + " (" +
         phraseDeNumero(phraseDeNature(objet(f, resultat).nature)) + "):";
    t += fin + phraseDeNumero(kPhraseAideNonEcrite);
    t += ligneDePhraseAvecParametres(kPhraseFinPrototype, "[" + titre + "]", 0);
    return t;
}

} // namespace

void objetsNecessaires(const TfigureKalmetra& f, int i, const TEnsembleObjets& donnes,
                       uint8_t& premierInutilise, TEnsembleObjets& necessaires) {
    necessaires.reset();
    necessaires.set(std::size_t(i));
    premierInutilise = 0;
    for (int j = i; j > kObjetsPredefinis; --j)
        if (necessaires.test(std::size_t(j)) && !donnes.test(std::size_t(j)))
            necessaires |= ensembleDesAntecedents(f, j);
    // A given object after i can never be among what i needs: it is not
    // used either.
    for (int j = kObjetsPredefinis + 1; j <= f.nombreObjets; ++j)
        if (donnes.test(std::size_t(j)) && !necessaires.test(std::size_t(j))) {
            premierInutilise = uint8_t(j);
            return;
        }
    necessaires &= ~donnes;
    for (int j = 0; j <= kObjetsPredefinis; ++j)
        necessaires.reset(std::size_t(j));
}

bool creePrototypeDeReponses(TfigureKalmetra& f, const TReponsesPrototype& reponses, uint8_t& etape) {
    const bool creee = !f.tableDesPrototypes;
    if (creee) creeTableDesPrototypes(f);
    TtableDesPrototypes& table = *f.tableDesPrototypes;
    auto echec = [&](uint16_t erreur, bool signale) {
        if (signale) afficheErreurDeNumero(erreur);
        if (creee) libereTableDesPrototypes(f);
        return false;
    };
    int emplacement = 0;
    for (int k = 1; k <= kMaxPrototypes && emplacement == 0; ++k)
        if (!table.prototypes[std::size_t(k)]) emplacement = k;
    if (emplacement == 0) return echec(kErreurTableSaturee, true);

    std::string titre;
    TListeObjets donnes{};
    uint8_t nombre = 0, resultat = 0;
    if (const uint16_t erreur = verifieReponses(f, reponses, etape, titre, donnes, nombre, resultat))
        return echec(erreur, true);

    const std::string texte = texteDuBloc(f, titre, donnes, nombre, resultat, reponses.phraseModele);
    table.prototypes[std::size_t(emplacement)].reset(new TPrototype);
    TPrototype& p = *table.prototypes[std::size_t(emplacement)];
    p.proprietaire = &f;
    std::size_t position = 0;
    uint16_t erreur = 0, ligne = 1;
    uint8_t signale = 1;
    // The block begins with a line break: the reader starts at its first line.
    analyseTextePrototype(p, texte, position, erreur, ligne, 1, signale);
    if (erreur != 0) {
        liberePrototype(table, emplacement);
        return echec(erreur, signale != 0);
    }
    miseAjourMenuFigure(f);
    return true;
}

} // namespace km32
