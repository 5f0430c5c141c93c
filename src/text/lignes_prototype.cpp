// Lines that use a prototype: a line that matches the model phrase of a
// usable prototype creates the prototype's result from the names it gives,
// and an object so created is described again by the same phrase.
#include <algorithm>

#include "base/garde.h"
#include "base/texte.h"
#include "model/objets_figure.h"
#include "model/procedures_texte.h"
#include "text/prototypes_texte.h"
#include "model/services_dessin.h"
#include "model/services_texte.h"
#include "model/style.h"
#include "phrases/phrase.h"
#include "text/descriptions_objets.h"
#include "text/execution_creation.h"
#include "text/execution_texte.h"
#include "text/instantanes_figure.h"
#include "text/ligne_figure.h"
#include "text/ligne_relisible.h"
#include "text/textes_definition.h"
#include "sibling/table_partagee.h"

namespace km32 {

namespace {

bool estOctetPlace(char c) {
    return c >= 1 && c <= kMaxDonnesPrototype + 1;
}

// The names of the line in placeholder order (argument k for given object
// k, n + 1 for the result), cut from the line's arguments by the skeleton.
bool lisNomsDeLigne(const TPrototype& p, TLigneFigure& l) {
    assembleArgumentsLigne(l);
    std::string reste = l.texteArguments;
    for (int k = 1; k <= kArgumentsMax; ++k)
        l.arguments[std::size_t(k)].clear();
    l.nombreArguments = uint8_t(p.nombreDonnes + 1);
    const std::string& s = p.squelette;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (!estOctetPlace(c)) continue;
        std::string nom;
        const bool jusquAuSeparateur = i + 1 >= s.size() || s[i + 1] == ';';
        if (jusquAuSeparateur) {
            coupeAuSeparateur(reste, 255, nom);
            oteEspacesBouts(nom);
        } else {
            extraitNomEnTete(reste, 255, nom);
        }
        if (nom.empty()) return false;
        std::string& argument = l.arguments[std::size_t(c)];
        if (!argument.empty() && argument != nom) return false;
        argument = nom;
    }
    return true;
}

// After a creation through a prototype that styles its result, the new
// object takes the style of the inner result, without colour sources.
void appliqueStyleDuResultat(TfigureKalmetra& f, const TPrototype& p, const std::string& nom) {
    if (!p.aLigneStyle || !p.figureInterne) return;
    const int i = numeroObjetDeNotation(f, nom);
    if (i <= kObjetsPredefinis || !estObjetDessinable(objet(f, i))) return;
    const TfigureKalmetra& g = *p.figureInterne;
    TObjetFigure& o = objet(f, i);
    const TObjetFigure& r = objet(g, g.nombreObjets);
    o.style = r.style;
    for (int k = 0; k < 3; ++k)
        o.sourcesCouleur[k] = 0;
}

} // namespace

bool reconnaitLignePrototype(TfigureKalmetra& f, TLigneFigure& l) {
    TtableDesPrototypes* table = tableDesPrototypesDe(f);
    if (table == nullptr) return false;
    int emplacement = 0;
    for (int k = 1; k <= kMaxPrototypes && emplacement == 0; ++k) {
        const TPrototype* p = table->prototypes[std::size_t(k)].get();
        if (p == nullptr || p->nonUtilisable) continue;
        l.controleParentheses = 1;
        if (apparieModeleLigne(l, p->modele)) emplacement = k;
    }
    if (emplacement == 0) return false;
    const TPrototype& p = *table->prototypes[std::size_t(emplacement)];
    l.erreur = 0;
    if (!lisNomsDeLigne(p, l)) {
        l.erreur = kErreurSyntaxePrototype;
        return true;
    }
    assembleArgumentsLigne(l);
    l.codeConstruction = uint16_t(p.codeResultat + 256 * emplacement);
    std::string nom;
    uint8_t invalide = 0, reserve = 0;
    // As every creation line: a refused line leaves the figure as it was (a
    // redefinition refused after its installation would otherwise keep the
    // new definition), except that a new object whose only fault is a name
    // already taken stays while the line fails.
    GardeInstantane garde(f);
    if (!garde.pris()) {
        l.erreur = kStructureSaturee;
        return true;
    }
    etatCreation().erreurNomsApresCreation = 0;
    if (!executeLigneDeCreation(f, l.texteArguments, l.modeLecture, l.codeConstruction, nom, invalide,
                                reserve)) {
        if (creationGardeeMalgreNoms()) garde.valide();
        l.erreur = kErreurSyntaxePrototype;
        return true;
    }
    garde.valide();
    l.nomObjet = nom;
    l.resultatInvalide = invalide;
    l.resultatReserve = reserve;
    appliqueStyleDuResultat(f, p, nom);
    if (l.redessine) redessineFigure(f);
    return true;
}

bool prototypeExigeRepere(const TfigureKalmetra& f, int j, int k, uint8_t nature) {
    const TObjetFigure& o = objet(f, j);
    const TPrototype* p = prototypeDe(f, o.numeroPrototype);
    if (p == nullptr) return false;
    for (int d = 1; d <= p->nombreDonnes && d <= kMaxDonnesPrototype; ++d) {
        if (p->natures[std::size_t(d)] != nature ||
            !p->secondeDirection.test(std::size_t(kObjetsPredefinis + d)))
            continue;
        const int r = p->rejeu.operandesDonnes[std::size_t(d)];
        if (r >= 1 && r <= o.nombreParents && parentObjet(f, j, r) == k) return true;
    }
    return false;
}

bool styleVientDuPrototype(const TfigureKalmetra& f, int i) {
    if (i <= kObjetsPredefinis || i > f.nombreObjets) return false;
    const TPrototype* p = prototypeDe(f, objet(f, i).numeroPrototype);
    if (p == nullptr || !p->aLigneStyle || !p->figureInterne) return false;
    const TfigureKalmetra& g = *p->figureInterne;
    return g.nombreObjets > kObjetsPredefinis &&
           objet(g, g.nombreObjets).style.drapeaux == objet(f, i).style.drapeaux;
}

std::string macroDePrototype(const TfigureKalmetra& f, int i) {
    if (i <= kObjetsPredefinis || i > f.nombreObjets) return {};
    const TPrototype* p = prototypeDe(f, objet(f, i).numeroPrototype);
    return p != nullptr ? p->ligneTravail : std::string();
}

std::string argumentsDePrototype(const ContexteDefinition& c) {
    const TObjetFigure& o = objet(c.f, c.i);
    const TPrototype* p = prototypeDe(c.f, o.numeroPrototype);
    if (p == nullptr) return {};
    const int n = p->nombreDonnes;
    const bool math = c.math && !c.dialogue;
    auto sansPointVirgule = [](std::string t) {
        if (!t.empty() && t.back() == ';') t.pop_back();
        return t;
    };
    // Given object k as the line gives it.
    auto donne = [&](int k) -> std::string {
        const int r = p->rejeu.operandesDonnes[std::size_t(k)];
        switch (p->natures[std::size_t(k)]) {
        case kNatureNombreReel:
        case kNatureVecteur:
            return texteExpression(c, r);
        case kNatureSegment:
            return sansPointVirgule(texteSegmentParent(c, r, r + 1));
        case kNatureDroite:
            return sansPointVirgule(texteDroiteParent(c, r, r + 1));
        case kNatureDemiDroite:
            return sansPointVirgule(texteDemiDroiteParent(c, r, r + 1));
        case kNaturePlan:
            return sansPointVirgule(textePlanParent(c, r));
        default:
            return texteParent(c, r);
        }
    };
    std::string r;
    if (c.dialogue) {
        for (int k = 1; k <= n && k <= kMaxDonnesPrototype; ++k)
            r += donne(k) + ";";
        return r + texteNomObjet(c.f, c.i, false);
    }
    for (const char octet : p->squelette) {
        if (octet == ';')
            r += ';';
        else if (octet == char(n + 1))
            r += texteNomObjet(c.f, c.i, math);
        else if (octet >= 1 && octet <= kMaxDonnesPrototype)
            r += donne(octet);
    }
    return r;
}

namespace {

// How the lines of a block's inner figure are written: as the figure's
// lines, without their indentation, or each in the shorter of its two
// readable forms (the filled phrase or the coded form).
enum class FormeBloc { Retraits, SansRetraits, Courte };

// The block of p in one form, from its "Début de" line to its end line,
// each line ended by CR LF.
std::string blocDePrototype(const TPrototype& p, FormeBloc forme) {
    const std::string fin = "\r\n";
    std::string texte;
    auto ajoute = [&](std::string l) {
        // Lines led by a line break lose it: each line here ends with one.
        if (l.compare(0, 2, fin) == 0) l.erase(0, 2);
        if (!l.empty()) texte += l + fin;
    };
    // A line of the inner figure, without its indentation when the block
    // must be shorter (the reader drops leading blanks).
    auto ajouteLigneFigure = [&](std::string l) {
        if (l.compare(0, 2, fin) == 0) l.erase(0, 2);
        if (forme != FormeBloc::Retraits) l.erase(0, std::min(l.size(), l.find_first_not_of(' ')));
        ajoute(l);
    };
    texte += ligneDePhraseAvecParametres(kPhraseDebutPrototype, "[" + p.titre + "]", 0).substr(2) + fin;
    if (p.figureInterne) {
        GardeValeur<FormeLignes> lignes(formeLignes(),
                                        forme == FormeBloc::Courte ? FormeLignes::Courte : formeLignes());
        // A line read without its unit ("d = AB") is written so again.
        GardeValeur<bool> unites(unitesParDefautTues(), true);
        const TfigureKalmetra& g = *p.figureInterne;
        for (int i = kObjetsPredefinis + 1; i <= g.nombreObjets; ++i) {
            ajouteLigneFigure(ligneDefinitionObjet(g, i));
            if (g.ensembleParametresLibres.test(std::size_t(i)))
                ajouteLigneFigure(ecritLigneObjetLibre(g, i));
        }
        if (p.aLigneStyle && g.nombreObjets > kObjetsPredefinis)
            ajouteLigneFigure(ecritLigneStyleObjet(g, g.nombreObjets));
        if (g.prototypeHorsMenu) ajoute(phraseDeNumero(kPhraseHorsMenu));
        if (g.lignesDifferees) {
            std::string differees = *g.lignesDifferees;
            if (differees.compare(0, 2, fin) == 0) differees.erase(0, 2);
            if (!differees.empty()) texte += differees + fin;
        }
    }
    // The interface line in words is the longest fixed line of a block,
    // and longer in German than in French: the short form codes it too.
    ajoute(forme == FormeBloc::Courte ? ligneCodee(kPhraseDescriptionInterface, "")
                                      : phraseDeNumero(kPhraseDescriptionInterface));
    ajoute(p.phraseModele);
    for (int k = 1; k <= p.nombreDonnes + 1 && k <= 10; ++k)
        ajoute(p.invites[std::size_t(k)]);
    if (p.aCommentaire) texte += p.commentaire + fin;
    ajoute(ligneDePhraseAvecParametres(kPhraseFinPrototype, "[" + p.titre + "]", 0));
    return texte;
}

} // namespace

namespace {

// The block as read, when it still stands for p: read in the language
// applied now, and the figure it defines written as it was just after the
// reading (nothing of it renamed, restyled or redefined since). Reading it
// again then gives the same prototype, so it is a form of the block.
bool blocLuValable(const TPrototype& p, const std::string& ecritAvecRetraits) {
    return !p.texteBloc.empty() && p.langueALaLecture != 0 &&
           p.langueALaLecture == TQTableDesVariablesPartagees()->langueAppliquee &&
           ecritAvecRetraits == p.blocEcritALaLecture;
}

// True when no line of texte passes the 250 characters a line of a figure
// text may hold: a block read whole may hold a longer one, which the writer
// must not write again as it stands.
// A line that is the figure's end line in the language applied ends the
// figure where the reader meets it, inside the block too (a prompt or a
// comment may hold one read in another language): no such block reads back.
bool lignesLisibles(const std::string& texte) {
    const std::string finFigure = phraseDeNumero(kPhraseFinFigure);
    for (std::size_t debut = 0; debut < texte.size();) {
        std::size_t fin = texte.find("\r\n", debut);
        if (fin == std::string::npos) fin = texte.size();
        if (fin - debut > 250) return false;
        if (sansBlancsAuxBouts(texte.substr(debut, fin - debut)) == finFigure) return false;
        debut = fin + 2;
    }
    return true;
}

// True when the reader takes bloc back: fewer than 5,000 characters from
// its first line to the "]" of its end line, and no line over 250.
bool tientDansLaLimite(const std::string& bloc, const std::string& titre) {
    const std::size_t marque = bloc.rfind(titre);
    return marque != std::string::npos && marque + titre.size() < kLongueurMaxBloc && lignesLisibles(bloc);
}

// The block of p as the writer writes it: in the first form its reader
// takes, else in the shortest form; lisible tells whether the reader takes
// it. A block read near that limit may be written longer (the free-object
// lines indented, the phrases of a language with longer words, lines that
// were read without their blanks, "v1=1" written "v1 = 1"): it is then
// written without indentation; if that is still too long, as it was read
// while it still stands for the prototype (the text it was read from
// fitted); else with each line of its inner figure in the shorter of its
// readable forms. A line is coded only where that makes it shorter ("v00 =
// 1" in words, the interface line coded): the lines are independent, so no
// other choice of the writer's forms gives a shorter block.
std::string blocEcrit(const TPrototype& p, bool& lisible) {
    const std::string titre = "[" + p.titre + "]";
    const std::string avecRetraits = blocDePrototype(p, FormeBloc::Retraits);
    lisible = tientDansLaLimite(avecRetraits, titre);
    if (lisible) return avecRetraits;
    std::string bloc = blocDePrototype(p, FormeBloc::SansRetraits);
    lisible = tientDansLaLimite(bloc, titre);
    if (lisible) return bloc;
    if (blocLuValable(p, avecRetraits)) {
        // A block read from a file whose lines end in LF (or CR) alone is
        // written with the text's own line ends, and must fit with them.
        const std::string lu = avecRetoursCRLF(p.texteBloc);
        if (tientDansLaLimite(lu, titre)) {
            lisible = true;
            return lu + "\r\n";
        }
    }
    bloc = blocDePrototype(p, FormeBloc::Courte);
    lisible = tientDansLaLimite(bloc, titre);
    return bloc;
}

} // namespace

void noteBlocLu(TPrototype& p) {
    p.blocEcritALaLecture = blocDePrototype(p, FormeBloc::Retraits);
    p.langueALaLecture = TQTableDesVariablesPartagees()->langueAppliquee;
}

void ecritTextesPrototypes(const TPrototype& p, std::string& texte) {
    bool lisible = false;
    texte += "\r\n" + blocEcrit(p, lisible);
}

const TPrototype* prototypeAuBlocIllisible(const TfigureKalmetra& f) {
    if (!f.tableDesPrototypes) return nullptr;
    const TtableDesPrototypes* table = tableDesPrototypesDe(f);
    if (table == nullptr) return nullptr;
    for (int k = 1; k <= kMaxPrototypes; ++k) {
        const TPrototype* p = table->prototypes[std::size_t(k)].get();
        if (p == nullptr) continue;
        bool lisible = true;
        blocEcrit(*p, lisible);
        if (!lisible) return p;
    }
    return nullptr;
}

void ecritTousLesPrototypes(const TfigureKalmetra& f, std::string& texte) {
    if (!f.tableDesPrototypes) return;
    const TtableDesPrototypes* table = tableDesPrototypesDe(f);
    if (table == nullptr) return;
    for (int k = 1; k <= kMaxPrototypes; ++k)
        if (const TPrototype* p = table->prototypes[std::size_t(k)].get()) ecritTextesPrototypes(*p, texte);
}

} // namespace km32
