// The table of prototypes of a figure: creation, release, deep copy and
// lookup, and what other modules read of a prototype (the colour flag of
// its result, the record the replay of a line needs).
#include "model/couleur_par_scalaires.h"
#include "model/prototypes/prototypes.h"
#include "model/registre_figures.h"
#include "model/registre_tables_annexes.h"
#include "model/services_texte.h"

namespace km32 {

void SuppressionPrototype::operator()(TPrototype* prototype) const noexcept {
    if (prototype == nullptr) return;
    // The inner figure goes first, with everything it owns.
    libereFigure(prototype->figureInterne);
    delete prototype;
}

bool estCodeDonne(uint8_t code) {
    return (code >= 230 && code <= 242) || code >= 247;
}

bool estCodeResultatPermis(uint8_t code) {
    struct Plage {
        uint8_t de, a;
    };
    static constexpr Plage kPlages[] = {
        {1, 21},    {23, 29},   {31, 32},   {35, 58},   {71, 71},   {74, 75},   {101, 105}, {125, 125},
        {128, 144}, {146, 148}, {150, 151}, {153, 153}, {155, 168}, {172, 176}, {181, 182}, {184, 192},
        {197, 197}, {201, 206}, {208, 214}, {216, 219}, {232, 232}, {243, 245}, {249, 254},
    };
    for (const Plage& p : kPlages)
        if (code >= p.de && code <= p.a) return true;
    return false;
}

bool estCodeAntecedentPermis(uint8_t code) {
    switch (code) {
    case 23:  // parametric curve
    case 37:  // locus of a point
    case 131: // graph of a function of one variable
    case 175: // net of a polyhedron
    case 218: // mesh surfaces
    case 219:
        return false;
    default:
        return estCodeResultatPermis(code);
    }
}

void creeTableDesPrototypes(TfigureKalmetra& f) {
    libereTableDesPrototypes(f);
    f.tableDesPrototypes = std::make_unique<TtableDesPrototypes>();
}

void libereTableDesPrototypes(TfigureKalmetra& f) {
    if (!f.tableDesPrototypes) return;
    for (int k = 1; k <= kMaxPrototypes; ++k)
        liberePrototype(*f.tableDesPrototypes, k);
    f.tableDesPrototypes.reset();
}

void liberePrototype(TtableDesPrototypes& table, int emplacement) {
    verifieIndice(emplacement, 1, kMaxPrototypes, "prototype slot");
    table.prototypes[std::size_t(emplacement)].reset();
}

namespace {

// Every field but the inner figure.
void copieChamps(const TPrototype& s, TPrototype& c) {
    c.titre = s.titre;
    c.invites = s.invites;
    c.aCommentaire = s.aCommentaire;
    c.commentaire = s.commentaire;
    c.ligneTravail = s.ligneTravail;
    c.phraseModele = s.phraseModele;
    c.modele = s.modele;
    c.nombreDonnes = s.nombreDonnes;
    c.nombreVariables = s.nombreVariables;
    c.variables = s.variables;
    c.indicesVariables = s.indicesVariables;
    c.dependantsVariables = s.dependantsVariables;
    c.ensembleTravail = s.ensembleTravail;
    c.aRecalculer = s.aRecalculer;
    c.fixes = s.fixes;
    c.premierARecalculer = s.premierARecalculer;
    c.codeResultat = s.codeResultat;
    c.natureResultat = s.natureResultat;
    c.nombreValeursResultat = s.nombreValeursResultat;
    c.indiceResultat = s.indiceResultat;
    c.solideResultat = s.solideResultat;
    c.maillageResultat = s.maillageResultat;
    c.resultatLibre = s.resultatLibre;
    c.nonUtilisable = s.nonUtilisable;
    c.proprietaire = s.proprietaire;
    c.natures = s.natures;
    c.premierCree = s.premierCree;
    c.nomsPermis = s.nomsPermis;
    c.indicesDonnes = s.indicesDonnes;
    c.solidesDonnes = s.solidesDonnes;
    c.squelette = s.squelette;
    c.texteBloc = s.texteBloc;
    c.blocEcritALaLecture = s.blocEcritALaLecture;
    c.langueALaLecture = s.langueALaLecture;
    c.aLigneStyle = s.aLigneStyle;
    c.aSourcesCouleur = s.aSourcesCouleur;
    c.secondeDirection = s.secondeDirection;
    c.rejeu = s.rejeu;
}

} // namespace

void copieTableDesPrototypes(const TfigureKalmetra& source, TfigureKalmetra& copie) {
    if (!source.tableDesPrototypes) {
        libereTableDesPrototypes(copie);
        return;
    }
    // Built aside first: source may share nothing with the table it replaces.
    auto table = std::make_unique<TtableDesPrototypes>();
    for (int k = 1; k <= kMaxPrototypes; ++k) {
        const TPrototype* s = source.tableDesPrototypes->prototypes[std::size_t(k)].get();
        if (s == nullptr) continue;
        PPrototype c(new TPrototype);
        copieChamps(*s, *c);
        // Links to the source become links to the copy.
        if (c->proprietaire == &source) c->proprietaire = &copie;
        if (s->figureInterne) {
            copieFigure(*s->figureInterne, c->figureInterne);
            if (s->figureInterne->proprietairePrototypes == &source)
                c->figureInterne->proprietairePrototypes = &copie;
        }
        table->prototypes[std::size_t(k)] = std::move(c);
    }
    libereTableDesPrototypes(copie);
    copie.tableDesPrototypes = std::move(table);
}

TtableDesPrototypes* tableDesPrototypesDe(const TfigureKalmetra& f) {
    const TfigureKalmetra* proprietaire = f.proprietairePrototypes != nullptr ? f.proprietairePrototypes : &f;
    return proprietaire->tableDesPrototypes.get();
}

TPrototype* prototypeDe(const TfigureKalmetra& f, int p) {
    if (p < 1 || p > kMaxPrototypes) return nullptr;
    TtableDesPrototypes* table = tableDesPrototypesDe(f);
    return table != nullptr ? table->prototypes[std::size_t(p)].get() : nullptr;
}

bool couleurDuResultatDePrototype(const TfigureKalmetra& f, uint8_t numeroPrototype) {
    const TPrototype* p = prototypeDe(f, numeroPrototype);
    return p != nullptr && p->aSourcesCouleur != 0;
}

TInterfacePrototype* prototypeDeFigure(TfigureKalmetra& f, uint8_t numero) {
    TPrototype* p = prototypeDe(f, numero);
    if (p == nullptr || p->nonUtilisable || !p->figureInterne) return nullptr;
    return &p->rejeu;
}

} // namespace km32
