#include "sibling/figures_planes.h"

#include <array>
#include <memory>

#include "base/erreur.h"
#include "base/texte.h"
#include "platform/fichiers.h"
#include "sibling/table_partagee.h"
#include "sibling/textes_tq.h"
#include "sibling/variables_partagees.h"

namespace km32 {

namespace {
struct EtatFigures {
    std::array<std::unique_ptr<FigurePlane>, kNombreFiguresPlanes + 1> figures; // index 0 unused
};

EtatFigures& etat() {
    static EtatFigures e;
    return e;
}

std::string texteInitial(std::string_view fichier, std::string_view texte) {
    if (!texte.empty()) return coupe(texte, kTailleMaxTexteTQ);
    if (!fichier.empty()) {
        platform::ResultatLecture r = platform::litFichier(fichier, kTailleMaxTexteTQ);
        if (r.lu()) return r.octets;
    }
    const char* defaut = TQTexteFigureDefaut();
    return defaut ? coupe(defaut, kTailleMaxTexteTQ) : std::string();
}

void remplit(FigurePlane& f, std::string_view fichier, std::string_view texte, std::string_view parametres) {
    f.fichier = coupe(fichier, 255);
    f.parametres = coupe(parametres, 255);
    f.texte = texteInitial(f.fichier, texte);
}

bool estBlanc(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view sansBlancs(std::string_view t) {
    while (!t.empty() && estBlanc(t.front()))
        t.remove_prefix(1);
    while (!t.empty() && estBlanc(t.back()))
        t.remove_suffix(1);
    return t;
}

// Calls f on each line of the text (without its line end).
template <class F> void pourChaqueLigne(std::string_view texte, F&& f) {
    std::size_t debut = 0;
    while (debut < texte.size()) {
        std::size_t fin = texte.find_first_of("\r\n", debut);
        if (fin == std::string_view::npos) fin = texte.size();
        f(texte.substr(debut, fin - debut));
        debut = fin;
        if (debut < texte.size() && texte[debut] == '\r') ++debut;
        if (debut < texte.size() && texte[debut] == '\n') ++debut;
    }
}

int indiceCommun(std::string_view nom) {
    int s = TQIndiceCommunDeNom(nom);
    if (s != 0) verifieIndice(s, 1, kNombreValeursCommunes, "common value");
    return s;
}
} // namespace

FigurePlane* figurePlane(int16_t numero) {
    if (numero < 1 || numero > kNombreFiguresPlanes) return nullptr;
    return etat().figures[std::size_t(numero)].get();
}

int16_t creeFigurePlane(uint32_t hote, std::string_view fichier, std::string_view texte,
                        std::string_view parametres) {
    for (int16_t n = 1; n <= kNombreFiguresPlanes; ++n) {
        std::unique_ptr<FigurePlane>& place = etat().figures[std::size_t(n)];
        if (place) continue;
        auto f = std::make_unique<FigurePlane>();
        f->hote = hote;
        remplit(*f, fichier, texte, parametres);
        place = std::move(f);
        return n;
    }
    return 0;
}

bool creeFigurePlaneEn(int16_t numero, std::string_view fichier, std::string_view texte,
                       std::string_view parametres) {
    if (numero < 1 || numero > kNombreFiguresPlanes) return false;
    auto f = std::make_unique<FigurePlane>();
    if (FigurePlane* ancienne = figurePlane(numero)) f->hote = ancienne->hote;
    remplit(*f, fichier, texte, parametres);
    etat().figures[std::size_t(numero)] = std::move(f);
    return true;
}

bool detruitFigurePlane(int16_t numero) {
    if (!figurePlane(numero)) return false;
    etat().figures[std::size_t(numero)].reset();
    return true;
}

int ajouteLignesFigurePlane(FigurePlane& f, std::string_view lignes) {
    int ajoutees = 0;
    pourChaqueLigne(lignes, [&](std::string_view ligne) {
        std::string_view l = sansBlancs(ligne);
        bool finDeLigne = f.texte.empty() || f.texte.back() == '\n' || f.texte.back() == '\r';
        std::size_t ajout = l.size() + 2 + (finDeLigne ? 0 : 2);
        if (l.empty() || f.texte.size() + ajout > kTailleMaxTexteTQ) return;
        if (!finDeLigne) f.texte += "\r\n";
        f.texte.append(l);
        f.texte += "\r\n";
        ++ajoutees;
    });
    return ajoutees;
}

void remplaceTexteFigurePlane(FigurePlane& f, std::string_view texte) {
    f.texte = coupe(texte, kTailleMaxTexteTQ);
}

std::string ligneDeCreation(const FigurePlane& f, std::string_view nom) {
    std::string trouvee;
    if (nom.empty()) return trouvee;
    pourChaqueLigne(f.texte, [&](std::string_view ligne) {
        if (!trouvee.empty()) return;
        std::string_view l = sansBlancs(ligne);
        std::size_t fin = l.find_first_of(" \t");
        if (l.substr(0, fin) == nom) trouvee = std::string(l);
    });
    return trouvee;
}

std::string lignesContenant(const FigurePlane& f, std::string_view requete) {
    std::string r;
    pourChaqueLigne(f.texte, [&](std::string_view ligne) {
        if (ligne.find(requete) != std::string_view::npos) {
            r.append(ligne);
            r += "\r\n";
        }
    });
    return r;
}

std::optional<double> valeurCommuneDeNom(std::string_view nom) {
    int s = indiceCommun(nom);
    if (s == 0) return std::nullopt;
    const TTableDesVariablesPartagees* t = TQTableDesVariablesPartagees();
    if (t->indefinisCommuns[s - 1]) return std::nullopt;
    return t->valeursCommunes[s - 1];
}

bool affecteValeurCommune(std::string_view nom, double valeur) {
    int s = indiceCommun(nom);
    if (s == 0) return false;
    TTableDesVariablesPartagees* t = TQTableDesVariablesPartagees();
    t->valeursCommunes[s - 1] = valeur;
    t->indefinisCommuns[s - 1] = 0;
    return true;
}

void reinitialiseFiguresPlanes() {
    for (auto& f : etat().figures)
        f.reset();
}

} // namespace km32
