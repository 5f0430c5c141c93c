// copieFigure: the copy holds the same contents as its source right after the
// copy, and from then on the two are independent.
#include <cstring>
#include <string>

#include "banc_registre.h"
#include "model/objets_figure.h"
#include "model/registre_tables_annexes.h"
#include "model/services_texte.h"

namespace km32::essai {
namespace {

class Copie : public BancRegistre {
  protected:
    std::unique_ptr<TfigureKalmetra> source = figureNeuve();
    TfigureKalmetra& s = *source;
    std::unique_ptr<TfigureKalmetra> copie;

    Copie() {
        // A point A (values 89 to 91) on the frame, and a number with an
        // expression, its operand and a sample.
        TObjetFigure& a = objet(s, 14);
        a.nature = kNaturePoint;
        a.codeConstruction = 1;
        a.debutNom = uint16_t(s.texteDesNoms.size() + 1);
        a.longueurNom = 1;
        s.texteDesNoms += "A";
        a.premiereValeur = 89;
        a.nombreValeurs = 3;
        a.premierParent = 1;
        a.nombreParents = 1;
        parent(s, 1) = 1;
        a.nombreEchantillons = 1;
        a.premierEchantillon = 1;
        echantillon(s, 1) = {1, 10, 20, 30};
        valeur(s, 89) = 1.5;
        valeur(s, 90) = -2;
        valeur(s, 91) = 4;
        expressionParametre(s, 1).longueurTexte = 3;
        expressionParametre(s, 1).debutTexte = 1;
        s.texteDesFormules = "x+1";
        octetOperande(s, 1) = 14;
        s.nombreObjets = 14;
        s.valeursUtilisees = 91;
        s.parentsUtilises = 1;
        s.echantillonsUtilises = 1;
        s.expressionsUtilisees = 1;
        s.octetsOperandesUtilises = 1;
        s.nomFigure = "tetraedre";
        s.listeReponses = "oui";
        s.anglesVue[0] = 0.75;
        s.ensembleDesigne.set(14);
        s.fenetreDessin = 31;
        s.fenetreHote = 32;
        s.fenetreForme = 33;
        s.fenetreProprietaire = 34;
        s.contexteDessin = 35;
        // Everything a figure may own.
        s.texteCommentaire = std::make_unique<std::string>("commentaire");
        s.lignesDifferees = std::make_unique<std::string>("lignes");
        s.texteEnAttente = std::make_unique<std::string>("en attente");
        s.tampon = std::make_unique<std::string>("tampon");
        s.tableTraces = std::make_unique<TtableTraces>();
        s.etatGlisser = std::make_unique<TetatGlisser>();
        s.historiqueVues = std::make_unique<ThistoriqueVues>();
        s.dialogue = std::make_unique<TDialogueObjet>();
        s.variablesPartagees = std::make_unique<TVariablesPartagees>();
        s.imageFond = std::make_unique<TimageFond>();
        s.objetFenetre = std::make_unique<TobjetFenetreFigure>();
        creeTableDesPrototypes(s);
    }

    static bool memesObjets(const TObjetFigure& a, const TObjetFigure& b) {
        return a.nature == b.nature && a.codeConstruction == b.codeConstruction && a.debutNom == b.debutNom &&
               a.longueurNom == b.longueurNom && a.premiereValeur == b.premiereValeur &&
               a.nombreValeurs == b.nombreValeurs && a.premierParent == b.premierParent &&
               a.nombreParents == b.nombreParents && a.drapeaux == b.drapeaux &&
               a.style.drapeaux == b.style.drapeaux && a.style.rouge == b.style.rouge &&
               a.nombreEchantillons == b.nombreEchantillons && a.premierEchantillon == b.premierEchantillon;
    }

    void attendsMemeContenu(const TfigureKalmetra& a, const TfigureKalmetra& b) const {
        EXPECT_EQ(a.nombreObjets, b.nombreObjets);
        EXPECT_EQ(a.valeursUtilisees, b.valeursUtilisees);
        EXPECT_EQ(a.parentsUtilises, b.parentsUtilises);
        EXPECT_EQ(a.echantillonsUtilises, b.echantillonsUtilises);
        EXPECT_EQ(a.expressionsUtilisees, b.expressionsUtilisees);
        EXPECT_EQ(a.valeurs, b.valeurs);
        EXPECT_EQ(a.parents, b.parents);
        EXPECT_EQ(a.octetsOperandes, b.octetsOperandes);
        for (int i = 0; i <= a.nombreObjets; ++i)
            EXPECT_TRUE(memesObjets(objet(a, i), objet(b, i))) << "object " << i;
        for (int i = 1; i <= a.nombreObjets; ++i)
            EXPECT_EQ(nomObjet(a, i), nomObjet(b, i));
        EXPECT_EQ(a.texteDesNoms, b.texteDesNoms);
        EXPECT_EQ(a.texteDesFormules, b.texteDesFormules);
        EXPECT_EQ(expressionParametre(a, 1).longueurTexte, expressionParametre(b, 1).longueurTexte);
        ASSERT_TRUE(a.echantillons && b.echantillons);
        EXPECT_EQ((*a.echantillons)[1].z, (*b.echantillons)[1].z);
        EXPECT_EQ((*a.echantillons)[1].rupture, (*b.echantillons)[1].rupture);
        EXPECT_EQ(a.nomFigure, b.nomFigure);
        EXPECT_EQ(a.listeReponses, b.listeReponses);
        EXPECT_EQ(a.anglesVue[0], b.anglesVue[0]);
        EXPECT_EQ(a.ensembleDesigne, b.ensembleDesigne);
        EXPECT_EQ(a.uniteLongueurParDefaut, b.uniteLongueurParDefaut);
        EXPECT_EQ(a.couleurFond, b.couleurFond);
    }
};

TEST_F(Copie, SameContentsRightAfterTheCopy) {
    copieFigure(s, copie);
    ASSERT_TRUE(copie);
    attendsMemeContenu(s, *copie);
}

TEST_F(Copie, OwnsItsSideTablesAndClearsWhatBelongsToTheLiveWindow) {
    copieFigure(s, copie);
    const TfigureKalmetra& c = *copie;
    // Cloned: present in both, never the same record.
    auto distincts = [](const void* a, const void* b) { return a && b && a != b; };
    EXPECT_TRUE(distincts(s.echantillons.get(), c.echantillons.get()));
    EXPECT_TRUE(distincts(s.tableAnnexes.get(), c.tableAnnexes.get()));
    EXPECT_TRUE(distincts(s.tableDesPolyedres.get(), c.tableDesPolyedres.get()));
    EXPECT_TRUE(distincts(s.tableMaillages.get(), c.tableMaillages.get()));
    EXPECT_TRUE(distincts(s.tableDesFonctions.get(), c.tableDesFonctions.get()));
    EXPECT_TRUE(distincts(s.tableDesPrototypes.get(), c.tableDesPrototypes.get()));
    // Cleared.
    EXPECT_FALSE(c.texteCommentaire);
    EXPECT_FALSE(c.lignesDifferees);
    EXPECT_FALSE(c.texteEnAttente);
    EXPECT_FALSE(c.tampon);
    EXPECT_FALSE(c.tableElementsSolides);
    EXPECT_FALSE(c.blocDessin);
    EXPECT_FALSE(c.tableTraces);
    EXPECT_FALSE(c.etatGlisser);
    EXPECT_FALSE(c.historiqueVues);
    EXPECT_FALSE(c.dialogue);
    EXPECT_FALSE(c.variablesPartagees);
    EXPECT_FALSE(c.imageFond);
    EXPECT_FALSE(c.objetFenetre);
    // Links.
    EXPECT_EQ(c.fenetreDessin, 31u);
    EXPECT_EQ(c.fenetreHote, 32u);
    EXPECT_EQ(c.fenetreForme, 33u);
    EXPECT_EQ(c.fenetreProprietaire, 34u);
    EXPECT_EQ(c.contexteDessin, 35u);
    EXPECT_EQ(c.proprietairePrototypes, &c); // a figure that owns its table: the copy owns its own
}

TEST_F(Copie, InnerFigureKeepsItsOuterOwnerAndTablesItLacks) {
    auto exterieure = figureNeuve();
    s.proprietairePrototypes = exterieure.get();
    libereTableDesPrototypes(s);
    libereTableDesFonctions(s.tableDesFonctions);
    s.tableAnnexes.reset();
    copieFigure(s, copie);
    EXPECT_EQ(copie->proprietairePrototypes, exterieure.get());
    EXPECT_FALSE(copie->tableDesPrototypes);
    EXPECT_FALSE(copie->tableDesFonctions);
    EXPECT_TRUE(copie->tableAnnexes); // always a fresh one
}

TEST_F(Copie, ChangesToOneNeverReachTheOther) {
    copieFigure(s, copie);
    TfigureKalmetra& c = *copie;
    // Change the copy: the source is untouched...
    valeur(c, 90) = 99;
    parent(c, 1) = 7;
    objet(c, 14).style.rouge = 200;
    c.texteDesNoms[c.texteDesNoms.size() - 1] = 'B';
    c.texteDesFormules += "*2";
    echantillon(c, 1).z = -1;
    c.nomFigure = "autre";
    EXPECT_EQ(valeur(s, 90), -2);
    EXPECT_EQ(parent(s, 1), 1);
    EXPECT_EQ(objet(s, 14).style.rouge, 0);
    EXPECT_EQ(nomObjet(s, 14), "A");
    EXPECT_EQ(nomObjet(c, 14), "B");
    EXPECT_EQ(s.texteDesFormules, "x+1");
    EXPECT_EQ(echantillon(s, 1).z, 30);
    EXPECT_EQ(s.nomFigure, "tetraedre");
    // ...and the reverse, down to freeing the source.
    valeur(s, 89) = 7;
    reinitialiseFigure(s);
    EXPECT_EQ(valeur(c, 89), 1.5);
    EXPECT_EQ(c.nombreObjets, 14);
    source.reset();
    EXPECT_EQ(nomObjet(c, 14), "B");
    EXPECT_EQ(echantillon(c, 1).z, -1);
}

TEST_F(Copie, ReplacesWhatTheCopyHeldAndMayCopyAFigureOntoItself) {
    copie = figureNeuve();
    copieFigure(s, copie);
    EXPECT_EQ(copie->nombreObjets, 14);

    // The held figure is the source itself: it is copied before it is freed.
    copieFigure(*copie, copie);
    ASSERT_TRUE(copie);
    EXPECT_EQ(nomObjet(*copie, 14), "A");
    EXPECT_EQ(copie->proprietairePrototypes, copie.get());
}

TEST(CopieChamps, EveryFieldOfTheRecordIsAccountedFor) {
    // copieFigure names every field of the record. When a field is added the
    // size changes: say in registre_copie.cpp how the new field is copied
    // (cloned, cleared or linked), then update this size.
    EXPECT_EQ(sizeof(TfigureKalmetra), 15688u);
}

} // namespace
} // namespace km32::essai
