#include "text/rangement_lignes.h"

#include <algorithm>

#include "base/erreur.h"
#include "base/texte.h"
#include "model/annexes_polygones.h"
#include "model/fonctions/fonctions.h"
#include "model/catalogue.h"
#include "model/maillages.h"
#include "model/objets_figure.h"
#include "model/solides/polyedres.h"
#include "text/ligne_creation.h"

namespace km32 {

namespace {

// Removes c entries at s (1-based) of a table whose first `utilises` entries
// are in use, moving the later ones down.
template <typename Tableau> void oteEntrees(Tableau& t, uint16_t& utilises, int s, int c) {
    if (c <= 0) return;
    verifieIndice(s, 1, int(t.size()) - 1, "start of a run");
    verifieIndice(s + c - 1, s, int(utilises), "end of a run");
    for (int k = s; k + c <= utilises; ++k)
        t[std::size_t(k)] = t[std::size_t(k + c)];
    for (int k = utilises - c + 1; k <= utilises; ++k)
        t[std::size_t(k)] = typename Tableau::value_type{};
    utilises = uint16_t(utilises - c);
}

void oteTexte(std::string& texte, int s, int c) {
    if (c <= 0) return;
    verifieIndice(s + c - 1, 1, int(texte.size()), "text run");
    texte.erase(std::size_t(s - 1), std::size_t(c));
}

} // namespace

void oteTexteLigneCompilee(TfigureKalmetra& f, int r) {
    TExpressionParametre& e = expressionParametre(f, r);
    const int c = e.longueurTexte, s = e.debutTexte;
    if (c == 0) return;
    e.longueurTexte = 0;
    for (int j = 1; j <= f.expressionsUtilisees; ++j) {
        TExpressionParametre& x = expressionParametre(f, j);
        if (x.longueurTexte > 0 && x.debutTexte > s) x.debutTexte = uint16_t(x.debutTexte - c);
    }
    oteTexte(f.texteDesFormules, s, c);
}

void videLigneCompilee(TfigureKalmetra& f, int r) {
    TExpressionParametre& e = expressionParametre(f, r);
    if (e.nombreConstantes > 0) {
        const int c = e.nombreConstantes, s = e.premiereConstante;
        e.nombreConstantes = 0;
        for (int j = 1; j <= f.expressionsUtilisees; ++j) {
            TExpressionParametre& x = expressionParametre(f, j);
            if (x.nombreConstantes > 0 && x.premiereConstante > s)
                x.premiereConstante = uint16_t(x.premiereConstante - c);
        }
        oteEntrees(f.constantesExpressions, f.constantesUtilisees, s, c);
    }
    oteTexteLigneCompilee(f, r);
    if (e.nombreOctets > 0) {
        const int c = e.nombreOctets, s = e.debutOctets;
        e.nombreOctets = 0;
        for (int j = 1; j <= f.expressionsUtilisees; ++j) {
            TExpressionParametre& x = expressionParametre(f, j);
            if (x.nombreOctets > 0 && x.debutOctets > s) x.debutOctets = uint16_t(x.debutOctets - c);
        }
        oteEntrees(f.octetsOperandes, f.octetsOperandesUtilises, s, c);
    }
}

void rangeLigneCompilee(TfigureKalmetra& f, int r, TLigneAnalysee& ligne, int k) {
    videLigneCompilee(f, r);
    TExpressionParametre& e = expressionParametre(f, r);
    TAnalyseExpression& a = expressionLigne(ligne, k);
    const std::string texte = coupe(a.texte, 255);
    e.longueurTexte = uint8_t(texte.size());
    e.debutTexte = uint16_t(f.texteDesFormules.size() + 1);
    f.texteDesFormules += texte;

    const int n = a.longueurListe;
    if (n > 0) {
        if (f.octetsOperandesUtilises + n > kMaxOctetsOperandes) {
            ligne.erreur = kErreurStructureSaturee;
            return;
        }
        e.debutOctets = uint16_t(f.octetsOperandesUtilises + 1);
        for (int p = 1; p <= n; ++p)
            octetOperande(f, ++f.octetsOperandesUtilises) = a.listeOctets[std::size_t(p)];
        e.nombreOctets = uint8_t(n);
    }
    e.constante = a.drapeauConstante;
    if (a.drapeauConstante) a.derniereCaseConstante = kCasePremiereConstante - 1;
    const int c = a.derniereCaseConstante - (kCasePremiereConstante - 1);
    if (c <= 0) return;
    verifieIndice(c, 1, kMaxConstantesExpression, "constants of an expression");
    if (f.constantesUtilisees + c > kMaxConstantes) {
        ligne.erreur = kErreurStructureSaturee;
        return;
    }
    e.premiereConstante = uint16_t(f.constantesUtilisees + 1);
    for (int j = 0; j < c; ++j)
        constanteExpression(f, ++f.constantesUtilisees) = a.constantes[std::size_t(j)];
    e.nombreConstantes = uint8_t(c);
}

void oteValeursObjet(TfigureKalmetra& f, int k) {
    TObjetFigure& o = objet(f, k);
    if (o.nombreValeurs == 0) return;
    const int c = o.nombreValeurs, s = o.premiereValeur;
    for (int j = kObjetsPredefinis + 1; j <= f.nombreObjets; ++j) {
        TObjetFigure& x = objet(f, j);
        if (x.nombreValeurs > 0 && x.premiereValeur > s) x.premiereValeur = uint16_t(x.premiereValeur - c);
    }
    oteEntrees(f.valeurs, f.valeursUtilisees, s, c);
    o.nombreValeurs = 0;
}

bool remplaceValeursObjet(TfigureKalmetra& f, int k, const std::vector<double>& valeurs) {
    if (f.valeursUtilisees - objet(f, k).nombreValeurs + int(valeurs.size()) > kMaxValeurs) return false;
    oteValeursObjet(f, k);
    TObjetFigure& o = objet(f, k);
    o.premiereValeur = uint16_t(f.valeursUtilisees + 1);
    for (const double v : valeurs)
        valeur(f, ++f.valeursUtilisees) = v;
    o.nombreValeurs = uint8_t(valeurs.size());
    return true;
}

void oteDonneesObjet(TfigureKalmetra& f, int k) {
    TObjetFigure& o = objet(f, k);
    const int dernier = f.nombreObjets;
    auto utilisateurs = [&](auto&& ajuste) {
        for (int j = kObjetsPredefinis + 1; j <= dernier; ++j)
            ajuste(objet(f, j));
    };

    oteValeursObjet(f, k);
    if (o.nombreExpressions > 0) {
        const int c = o.nombreExpressions, s = o.premiereExpression;
        for (int r = s; r < s + c; ++r)
            videLigneCompilee(f, r);
        utilisateurs([&](TObjetFigure& x) {
            if (x.nombreExpressions > 0 && x.premiereExpression > s)
                x.premiereExpression = uint16_t(x.premiereExpression - c);
        });
        oteEntrees(f.expressions, f.expressionsUtilisees, s, c);
        o.nombreExpressions = 0;
    }
    if (o.nombreParents > 0) {
        const int c = o.nombreParents, s = o.premierParent;
        utilisateurs([&](TObjetFigure& x) {
            if (x.nombreParents > 0 && x.premierParent > s) x.premierParent = uint16_t(x.premierParent - c);
        });
        oteEntrees(f.parents, f.parentsUtilises, s, c);
        o.nombreParents = 0;
    }
    // A renamed built-in object's name lies after the user objects' names:
    // every object's name start follows.
    if (o.longueurNom > 0) oteTexteNomObjet(f, k);
    if (o.nombreEchantillons > 0) {
        const int c = o.nombreEchantillons, s = o.premierEchantillon;
        utilisateurs([&](TObjetFigure& x) {
            if (x.nombreEchantillons > 0 && x.premierEchantillon > s)
                x.premierEchantillon = uint16_t(x.premierEchantillon - c);
        });
        if (f.echantillons)
            oteEntrees(*f.echantillons, f.echantillonsUtilises, s, c);
        else
            f.echantillonsUtilises =
                uint16_t(f.echantillonsUtilises - std::min<int>(c, f.echantillonsUtilises));
        o.nombreEchantillons = 0;
    }
    if (o.emplacementSolide != 0) {
        if (o.codeConstruction == construction::kPointLibreDansPolygone)
            oteAnnexe(f, o.emplacementSolide);
        else if (o.codeConstruction == construction::kGraphe ||
                 o.codeConstruction == construction::kLieuDeuxPilotes)
            oteMaillage(f, o.emplacementSolide);
        else
            oteDonneesPolyedre(f, o.emplacementSolide);
        o.emplacementSolide = 0;
    }
    libereFonctionDeObjet(f, k);
}

} // namespace km32
