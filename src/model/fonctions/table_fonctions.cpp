// The figure's function table and the life cycle of its records.
#include "base/erreur.h"
#include "model/catalogue.h"
#include "model/fonctions/fonctions.h"
#include "model/objets_figure.h"
#include "model/registre_figures.h"
#include "model/registre_tables_annexes.h"
#include "model/services_texte.h"

namespace km32 {

namespace {

bool estNatureFonction(uint8_t nature) {
    return nature == kNatureFonction || nature == kNatureSuite || nature == kNatureFonction2Variables ||
           nature == kNatureFonction3Variables;
}

bool estGenreCompile(uint8_t genre) {
    return genre >= kFonctionCompilee && genre <= kSuiteRecurrente;
}

// Nothing may keep pointing at a record being freed: the records of the
// table that borrowed it as a sub-function lose it.
void oublieSousFonction(TtableDesFonctions& table, const TFonction* fonction) {
    for (int k = 1; k <= kMaxFonctions; ++k) {
        TFonction* autre = table.fonctions[std::size_t(k)];
        if (!autre || !autre->compilee) continue;
        TFonctionCompilee& c = *autre->compilee;
        for (int j = 1; j <= kMaxSousFonctions; ++j)
            if (c.sousFonctions[std::size_t(j)] == fonction && !c.sousFonctionsPossedees[std::size_t(j)])
                c.sousFonctions[std::size_t(j)] = nullptr;
    }
}

} // namespace

TtableDesFonctions::~TtableDesFonctions() {
    for (int k = 1; k <= kMaxFonctions; ++k)
        if (possedees[std::size_t(k)]) libereFonction(fonctions[std::size_t(k)]);
}

void creeTableDesFonctions(std::unique_ptr<TtableDesFonctions>& table) {
    libereTableDesFonctions(table);
    table = std::make_unique<TtableDesFonctions>();
}

void libereTableDesFonctions(std::unique_ptr<TtableDesFonctions>& table) {
    table.reset(); // the destructor frees the owned records
}

void copieTableDesFonctions(const TtableDesFonctions& source, std::unique_ptr<TtableDesFonctions>& copie) {
    // Built aside first: source may belong to the figure copie is replacing.
    auto nouvelle = std::make_unique<TtableDesFonctions>();
    for (int k = 1; k <= kMaxFonctions; ++k) {
        const TFonction* s = source.fonctions[std::size_t(k)];
        if (!s) continue;
        copieFonction(*s, nouvelle->fonctions[std::size_t(k)]);
        nouvelle->possedees[std::size_t(k)] = 1;
    }
    copie = std::move(nouvelle);
}

uint8_t emplacementLibreFonction(const TtableDesFonctions& table) {
    for (int k = 1; k <= kMaxFonctions; ++k)
        if (!table.fonctions[std::size_t(k)]) return uint8_t(k);
    return 0;
}

void alloueFonction(uint8_t genre, TFonction*& fonction) {
    libereFonction(fonction);
    fonction = new TFonction;
    fonction->genre = genre;
    fonction->indiceDebut = 0;
    if (estGenreCompile(genre)) fonction->compilee = std::make_unique<TFonctionCompilee>();
    if (genre == kFonctionTableValeurs) fonction->table = std::make_unique<TFonctionTable>();
    if (genre == kFonctionConstruite) fonction->construite = std::make_unique<TFonctionConstruite>();
}

void libereFonction(TFonction*& fonction) {
    if (!fonction) return;
    if (fonction->compilee) {
        TFonctionCompilee& c = *fonction->compilee;
        for (int j = 1; j <= kMaxSousFonctions; ++j)
            if (c.sousFonctions[std::size_t(j)] && c.sousFonctionsPossedees[std::size_t(j)])
                libereFonction(c.sousFonctions[std::size_t(j)]);
    }
    if (fonction->construite && fonction->construite->figureInterne)
        libereFigure(fonction->construite->figureInterne);
    delete fonction;
    fonction = nullptr;
}

void copieFonction(const TFonction& source, TFonction*& copie) {
    alloueFonction(source.genre, copie);
    copie->indiceDebut = source.indiceDebut;
    if (source.compilee && copie->compilee) {
        TFonctionCompilee& c = *copie->compilee;
        c = *source.compilee;
        c.sousFonctions.fill(nullptr);
        c.sousFonctionsPossedees.fill(0);
        for (int j = 1; j <= kMaxSousFonctions; ++j) {
            const TFonction* s = source.compilee->sousFonctions[std::size_t(j)];
            if (!s) continue;
            copieFonction(*s, c.sousFonctions[std::size_t(j)]);
            c.sousFonctionsPossedees[std::size_t(j)] = 1;
        }
    }
    if (source.table && copie->table) *copie->table = *source.table;
    if (source.construite && copie->construite) {
        const TFonctionConstruite& s = *source.construite;
        TFonctionConstruite& c = *copie->construite;
        c.nombreVariables = s.nombreVariables;
        c.indicesVariables = s.indicesVariables;
        c.aRecalculer = s.aRecalculer;
        c.indiceResultat = s.indiceResultat;
        c.premierARecalculer = s.premierARecalculer;
        if (s.figureInterne) copieFigure(*s.figureInterne, c.figureInterne);
    }
}

uint8_t genreFonctionDeCode(uint8_t code) {
    switch (code) {
    case construction::kFonction:
    case construction::kFonction2Variables:
    case construction::kFonction3Variables:
        return kFonctionCompilee;
    case construction::kSuite:
        return kSuiteExplicite;
    case construction::kSuitePremierTerme:
    case construction::kSuitePremiersTermes:
        return kSuiteRecurrente;
    case construction::kFonctionParValeurs:
        return kFonctionTableValeurs;
    case construction::kFonction2VariablesBis:
    case construction::kFonction3VariablesBis:
    case construction::kFonctionBis:
        return kFonctionConstruite;
    default:
        return kFonctionSansEvaluation;
    }
}

uint8_t alloueFonctionPourObjet(TfigureKalmetra& f, uint8_t code) {
    if (!f.tableDesFonctions) creeTableDesFonctions(f.tableDesFonctions);
    TtableDesFonctions& table = *f.tableDesFonctions;
    const uint8_t k = emplacementLibreFonction(table);
    if (k == 0) return 0;
    alloueFonction(genreFonctionDeCode(code), table.fonctions[k]);
    table.possedees[k] = 1;
    return k;
}

void libereFonctionDeObjet(TfigureKalmetra& f, int n) {
    TObjetFigure& o = objet(f, n);
    if (!estNatureFonction(o.nature) || o.emplacementFonction == 0) return;
    const int k = o.emplacementFonction;
    o.emplacementFonction = 0;
    if (!f.tableDesFonctions || k > kMaxFonctions) return;
    TtableDesFonctions& table = *f.tableDesFonctions;
    TFonction*& fonction = table.fonctions[std::size_t(k)];
    oublieSousFonction(table, fonction);
    if (table.possedees[std::size_t(k)]) libereFonction(fonction);
    fonction = nullptr;
    table.possedees[std::size_t(k)] = 0;
}

TFonction* fonctionDeEmplacement(const TfigureKalmetra& f, int k) {
    if (!f.tableDesFonctions || k < 1 || k > kMaxFonctions) return nullptr;
    return f.tableDesFonctions->fonctions[std::size_t(k)];
}

TFonction* fonctionDeObjet(const TfigureKalmetra& f, int n) {
    const TObjetFigure& o = objet(f, n);
    if (!estNatureFonction(o.nature)) return nullptr;
    return fonctionDeEmplacement(f, o.emplacementFonction);
}

TFonctionTable* tableDeValeursDeObjet(const TfigureKalmetra& f, int n) {
    TFonction* fonction = fonctionDeObjet(f, n);
    return fonction ? fonction->table.get() : nullptr;
}

} // namespace km32
