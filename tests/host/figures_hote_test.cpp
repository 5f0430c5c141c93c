#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "banc_hote.h"
#include "host/fenetre_figure.h"
#include "host/menus_figure.h"
#include "model/objets_figure.h"
#include "phrases/phrase.h"
#include "platform/boites.h"
#include "platform/memoire.h"
#include "platform/minuteries.h"
#include "sibling/table_partagee.h"

namespace km32::essais {
namespace {

using FiguresHote = BancHote;

// The undefined value, from its bits.
const double kIndefini = std::bit_cast<double>(uint64_t(0x3FF6E1FF4D716277));

int nombreDeFigures() {
    int n = 0;
    for (int16_t k = 1; k <= 64; ++k)
        n += figureExiste(k) ? 1 : 0;
    return n;
}

TEST_F(FiguresHote, NumbersOutside0To64AndNullTextsAreRefusedWithoutTouchingAnything) {
    ASSERT_EQ(KMCreeFigEtRenvoieNumero(hote, nullptr, nullptr, "Nom=Garde"), 1);
    const std::string titre = figure(1).titreFenetre;
    const std::size_t fenetres = platform::nombreDeFenetres();
    const std::size_t blocs = platform::nombreDeBlocs();

    for (int16_t n : {int16_t(-1), int16_t(65), int16_t(1000)}) {
        KMCreeFig(n, nullptr, nullptr, "Nom=X");
        KMDetruitFigure(n);
        KMdetruitFigureMeme(n);
        KMSize(n, 0);
        KMChangeCouleurFondFigure(n, 0xFF);
        KMRedessineBrutal(n);
        KMRepeintFigure(n, 0);
        EXPECT_EQ(KMCopierDessin(n), 0u);
        EXPECT_EQ(KMCopierDessinAjuste(n, 3), 0u);
        KMMouseDown(n, 1, 5, 10, 10);
        EXPECT_EQ(KMMouseUp(n, 1, 0, 10, 10), 0);
        EXPECT_EQ(KMMouseMove(n, 1, 0, 10, 10), 0);
        EXPECT_EQ(KMKeyDown(n, 0x26), 0);
        EXPECT_EQ(KMKeyPress(n, 'A'), 0);
        KMimporteMouvement(n);
        KMExecuteCommande(n, "c");
        EXPECT_EQ(std::bit_cast<uint64_t>(KMValeurScalaireDouble(n, "a")),
                  std::bit_cast<uint64_t>(kIndefini));
        EXPECT_EQ(KMAffecteScalaire(n, "a", 2.0), 0);
        EXPECT_EQ(KMNomLibreActif(n), 0u);
        EXPECT_EQ(KMDernierLibreBouge(n), 0u);
        EXPECT_EQ(KMObjetValide(n, "Rxyz"), 0);
        KMExecuterTexte(n, "Figure");
        KMExecuteLigneFig(n, "A point");
        KMExecuteLigneFigEtRedessine(n, "English");
        EXPECT_EQ(KMfournitHandleSurTexte(n, "Texte de la figure"), 0u);
        EXPECT_EQ(KMTexteFigure(n), 0u);
        KMMessage m{platform::WM_SIZE, 0, 0, 0};
        EXPECT_EQ(::traiteMessageKMParNumero(n, &m), 0);
    }
    // Null texts on a living figure.
    EXPECT_EQ(std::bit_cast<uint64_t>(KMValeurScalaireDouble(1, nullptr)),
              std::bit_cast<uint64_t>(kIndefini));
    EXPECT_EQ(KMAffecteScalaire(1, nullptr, 1.0), 0);
    EXPECT_EQ(KMObjetValide(1, nullptr), 0);
    KMExecuteCommande(1, nullptr);
    KMExecuterTexte(1, nullptr);
    KMExecuteLigneFig(1, nullptr);
    KMExecuteLigneFigEtRedessine(1, nullptr);
    EXPECT_EQ(KMfournitHandleSurTexte(1, nullptr), 0u);
    EXPECT_EQ(::traiteMessageKMParNumero(1, nullptr), 0);
    KMPhraseDeNumero(616, nullptr);

    EXPECT_EQ(nombreDeFigures(), 1);
    EXPECT_EQ(figure(1).titreFenetre, titre);
    EXPECT_EQ(figure(1).couleurFond, 0xFFFFFFu);
    EXPECT_EQ(figure(1).modifiee, 0);
    EXPECT_EQ(platform::nombreDeFenetres(), fenetres);
    EXPECT_EQ(platform::nombreDeBlocs(), blocs);
    EXPECT_TRUE(platform::boitesDemandees().empty());
    EXPECT_TRUE(avis.empty());
    EXPECT_EQ(TQTableDesVariablesPartagees()->langueAppliquee, 1);
}

TEST_F(FiguresHote, NumbersAreTakenInOrderUpTo64AndAFreedNumberIsTakenAgain) {
    EXPECT_EQ(KMCreeFigEtRenvoieNumero(hote, nullptr, nullptr, nullptr), 1);
    EXPECT_EQ(KMCreeFigEtRenvoieNumero(hote, nullptr, nullptr, nullptr), 2);
    for (int16_t n = 3; n <= 64; ++n)
        ASSERT_EQ(KMCreeFigEtRenvoieNumero(hote, nullptr, nullptr, nullptr), n);
    EXPECT_EQ(KMCreeFigEtRenvoieNumero(hote, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(nombreDeFigures(), 64);

    KMDetruitFigure(5);
    EXPECT_EQ(KMCreeFigEtRenvoieNumero(hote, nullptr, nullptr, nullptr), 5);
    EXPECT_EQ(figure(5).fenetreHote, hote);
    EXPECT_EQ(figure(5).fenetreForme, formeDeNumero(5)->fenetre);
    EXPECT_EQ(figure(5).fenetreDessin, hote); // the form is hidden: drawn into the host window
    EXPECT_EQ(figure(5).numeroFigure, 5);
}

TEST_F(FiguresHote, ANumberHeldByAFigureOfAnExternalWindowIsNotTaken) {
    const platform::Fenetre externe = creeHote({0, 0, 200, 200});
    ASSERT_EQ(creeFigureKMPourFenetreExterne(externe, nullptr, 0x00FF00), 1);
    EXPECT_EQ(KMCreeFigEtRenvoieNumero(hote, nullptr, nullptr, nullptr), 2);
    ASSERT_TRUE(figureExiste(1));
    EXPECT_EQ(figure(1).fenetreDessin, externe);
    EXPECT_EQ(figure(1).couleurFond, 0x00FF00u);
}

TEST_F(FiguresHote, DestroyingFreesTheNumberAndStopsTheHostTimer) {
    ASSERT_EQ(KMCreeFigEtRenvoieNumero(hote, nullptr, nullptr, nullptr), 1);
    const platform::Fenetre forme = formeDeNumero(1)->fenetre;
    EXPECT_EQ(platform::intervalleMinuterie(forme, kMinuterieSuiviHote), 400u);

    KMDetruitFigure(1);
    EXPECT_FALSE(figureExiste(1));
    EXPECT_EQ(formeDeNumero(1), nullptr);
    EXPECT_FALSE(platform::minuterieExiste(forme, kMinuterieSuiviHote));
    EXPECT_FALSE(platform::estFenetre(forme));
    EXPECT_TRUE(platform::boitesDemandees().empty());

    KMDetruitFigure(1); // a second time: the box with the number
    ASSERT_EQ(platform::boitesDemandees().size(), 1u);
    EXPECT_EQ(platform::boitesDemandees()[0].texte, "1");
    EXPECT_EQ(platform::boitesDemandees()[0].titre, "Erreur: figure d\xE9j\xE0 d\xE9truite");
    KMDetruitFigure(0); // 0 does nothing
    EXPECT_EQ(platform::boitesDemandees().size(), 1u);
}

// A 2 x 1 picture file of 24 bits, written byte by byte.
std::string ecritBmp(const std::filesystem::path& dossier) {
    const std::string nom = (dossier / "fond.bmp").string();
    const unsigned char octets[] = {
        'B', 'M', 62,   0,    0, 0, 0,    0,    0, 0, 54, 0, 0, 0,                            // file header
        40,  0,   0,    0,    2, 0, 0,    0,    1, 0, 0,  0, 1, 0, 24, 0, 0, 0, 0, 0, 8,   0, // info header
        0,   0,   0x13, 0x0B, 0, 0, 0x13, 0x0B, 0, 0, 0,  0, 0, 0, 0,  0, 0, 0, 0, 0, 255, 255,
        0,   0,   0,    0}; // one row: red, blue, padding
    std::ofstream(nom, std::ios::binary).write(reinterpret_cast<const char*>(octets), sizeof octets);
    return nom;
}

TEST_F(FiguresHote, TheParameterStringGivesTitleAndPicture) {
    const std::filesystem::path dossier = std::filesystem::temp_directory_path() / "km32_hote_params";
    std::filesystem::create_directories(dossier);
    const std::string image = ecritBmp(dossier);
    const std::string absente = (dossier / "absente.bmp").string();
    struct Cas {
        std::string parametres;
        std::string titre;
        bool avecImage;
        bool boite;
    };
    const Cas cas[] = {
        {"Nom=Cube;Image=" + image, "Cube : ", true, false},
        {"Nom=Cube,bleu;BitMap=" + image + ";autre", "Cube : ", true, false},
        {"Nom=A/B", "A : ", false, false},
        {"",
         "Figure-Kalmetra n\xB0"
         "1 : ",
         false, false},
        {"Nom=" + std::string(100, 'x'), std::string(80, 'x'), false, false},
        {"Image=" + absente,
         "Figure-Kalmetra n\xB0"
         "1 : ",
         false, true},
        {"Image=;Nom=T", "T : ", false, false},
    };
    for (const Cas& c : cas) {
        platform::boitesDemandees().clear();
        ASSERT_EQ(KMCreeFigEtRenvoieNumero(hote, nullptr, nullptr, c.parametres.c_str()), 1) << c.parametres;
        const TfigureKalmetra& f = figure(1);
        EXPECT_EQ(f.titreFenetre, c.titre) << c.parametres;
        EXPECT_EQ(bool(f.imageFond), c.avecImage) << c.parametres;
        if (c.avecImage) {
            EXPECT_EQ(f.imageFond->nomFichier, image);
            EXPECT_EQ(f.imageFond->image.largeur, 2);
            EXPECT_EQ(f.imageFond->image.hauteur, 1);
        }
        if (c.boite) {
            ASSERT_EQ(platform::boitesDemandees().size(), 1u);
            EXPECT_EQ(platform::boitesDemandees()[0].texte,
                      "Le fichier " + absente + "\r\nn'a pas \xE9t\xE9 trouv\xE9.");
            EXPECT_EQ(platform::boitesDemandees()[0].titre, "Erreur");
        } else {
            EXPECT_TRUE(platform::boitesDemandees().empty()) << c.parametres;
        }
        KMDetruitFigure(1);
    }
    std::filesystem::remove_all(dossier);
}

TEST_F(FiguresHote, RecreatingInTheSameNumberKeepsTheWindow) {
    ASSERT_EQ(KMCreeFigEtRenvoieNumero(hote, nullptr, nullptr, "Nom=Avant"), 1);
    const platform::Fenetre forme = formeDeNumero(1)->fenetre;
    ajouteNombre(1, "a", 1.0, 74);
    KMCreeFig(1, nullptr, nullptr, "Nom=Apres");
    EXPECT_EQ(formeDeNumero(1)->fenetre, forme);
    EXPECT_EQ(figure(1).titreFenetre, "Apres : ");
    EXPECT_EQ(figure(1).nombreObjets, kObjetsPredefinis); // a new record
    EXPECT_EQ(figure(1).fenetreProprietaire, hote);
    EXPECT_TRUE(platform::minuterieExiste(forme, kMinuterieSuiviHote));
    KMCreeFig(2, nullptr, nullptr, nullptr); // no window in number 2: nothing
    EXPECT_FALSE(figureExiste(2));
}

TEST_F(FiguresHote, ValuesOfNumbersViewAnglesAndUndefinedObjects) {
    ASSERT_EQ(KMCreeFigEtRenvoieNumero(hote, nullptr, nullptr, nullptr), 1);
    ajouteNombre(1, "a", 2.5, 74);
    ajouteNombre(1, "b", 7.0, 74, true);
    ajouteNombre(1, "rotFront", 3.0, 75);
    figure(1).anglesVue[0] = 0.25;
    figure(1).anglesVue[1] = -0.5;
    figure(1).anglesVue[2] = 1.5;
    struct Cas {
        const char* nom;
        double attendu;
    };
    const Cas cas[] = {{"a", 2.5},
                       {"b", kIndefini},
                       {"inconnu", kIndefini},
                       {"rotVerticale", 0.25},
                       {"rotHorizontale", -0.5},
                       {"rotFrontale", 1.5},
                       {"rotFront", 3.0},
                       {"rotfrontale", kIndefini},
                       {"Rxyz", kIndefini}};
    for (const Cas& c : cas)
        EXPECT_EQ(std::bit_cast<uint64_t>(KMValeurScalaireDouble(1, c.nom)),
                  std::bit_cast<uint64_t>(c.attendu))
            << c.nom;
    EXPECT_NEAR(kIndefini, 1.430175116073, 1e-12);
}

TEST_F(FiguresHote, OnlyAFreeNumberTakesAnAssignedValue) {
    ASSERT_EQ(KMCreeFigEtRenvoieNumero(hote, nullptr, nullptr, nullptr), 1);
    const int libre = ajouteNombre(1, "a", 2.5, 74);
    const int calcule = ajouteNombre(1, "c", 4.0, 75);
    struct Cas {
        const char* nom;
        double valeur;
        int objet;
        double attendu;
        uint8_t modifiee;
    };
    const Cas cas[] = {{"c", 9.0, calcule, 4.0, 0},
                       {"inconnu", 9.0, libre, 2.5, 0},
                       {"a", NAN, libre, 2.5, 0},
                       {"a", -1.25, libre, -1.25, 1}};
    for (const Cas& c : cas) {
        EXPECT_EQ(KMAffecteScalaire(1, c.nom, c.valeur), 0);
        EXPECT_EQ(valeurObjet(figure(1), c.objet, 1), c.attendu) << c.nom;
        EXPECT_EQ(figure(1).modifiee, c.modifiee) << c.nom;
    }
}

TEST_F(FiguresHote, NamesOfFreeObjectsAndValidityInBlocks) {
    ASSERT_EQ(KMCreeFigEtRenvoieNumero(hote, nullptr, nullptr, nullptr), 1);
    const int a = ajouteNombre(1, "k", 1.0, 74);
    ajouteNombre(1, "u", 1.0, 74, true);
    EXPECT_EQ(KMNomLibreActif(1), 0u);
    uint32_t bloc = KMDernierLibreBouge(1);
    EXPECT_STREQ(KMContenuBloc(bloc), "");
    KMLibereBloc(bloc);

    figure(1).objetLibreActif = uint8_t(a);
    figure(1).dernierLibreBouge = uint8_t(a);
    for (uint32_t b : {KMNomLibreActif(1), KMDernierLibreBouge(1)}) {
        EXPECT_STREQ(KMContenuBloc(b), "k");
        KMLibereBloc(b);
    }
    EXPECT_EQ(KMObjetValide(1, "k"), 1);
    EXPECT_EQ(KMObjetValide(1, "u"), 0);
    EXPECT_EQ(KMObjetValide(1, "Rxyz"), 1);
    EXPECT_EQ(KMObjetValide(1, "absent"), 0);
}

// Hosts read these blocks at a size they know beforehand: the block must
// be that long, its text followed by NUL bytes up to its end.
TEST_F(FiguresHote, BlocksOfAKnownSizeAreThatLongWithZerosAfterTheirText) {
    ASSERT_EQ(KMCreeFigEtRenvoieNumero(hote, nullptr, nullptr, nullptr), 1);
    const int a = ajouteNombre(1, "k123456789", 1.0, 74);
    struct Cas {
        const char* quoi;
        uint32_t bloc;
        const char* texte; // nullptr: not checked, only its NUL and the zeros
        uint32_t taille;
    };
    const uint32_t aucunBouge = KMDernierLibreBouge(1);
    figure(1).objetLibreActif = uint8_t(a);
    figure(1).dernierLibreBouge = uint8_t(a);
    const Cas cas[] = {
        {"version", KM32NumeroVersion(), "1.3.3.0", 10},
        {"no free object moved", aucunBouge, "", 10},
        {"active free object, cut to 9", KMNomLibreActif(1), "k12345678", 10},
        {"free object moved last, cut to 9", KMDernierLibreBouge(1), "k12345678", 10},
        {"figure text", KMTexteFigure(1), nullptr, 65536},
        {"answers to a query", KMfournitHandleSurTexte(1, phraseDeNumero(2316).c_str()), "k123456789", 65536},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        ASSERT_NE(c.bloc, 0u);
        ASSERT_EQ(KMTailleBloc(c.bloc), c.taille);
        const char* octets = KMContenuBloc(c.bloc);
        const std::size_t longueur = std::strlen(octets);
        if (c.texte)
            EXPECT_STREQ(octets, c.texte);
        else
            EXPECT_GT(longueur, 0u);
        for (std::size_t i = longueur; i < c.taille; ++i)
            ASSERT_EQ(octets[i], 0) << i;
        KMLibereBloc(c.bloc);
    }
}

TEST_F(FiguresHote, BackgroundColourIsKeptAndOutOfRangeColoursAreRefused) {
    ASSERT_EQ(KMCreeFigEtRenvoieNumero(hote, nullptr, nullptr, nullptr), 1);
    EXPECT_EQ(figure(1).couleurFond, 0xFFFFFFu);
    KMChangeCouleurFondFigure(1, 0x123456);
    EXPECT_EQ(figure(1).couleurFond, 0x123456u);
    EXPECT_EQ(formeDeNumero(1)->couleur, 0x123456u);
    KMChangeCouleurFondFigure(1, 0xFF000000u);
    EXPECT_EQ(figure(1).couleurFond, 0x123456u);
}

TEST_F(FiguresHote, ATextWithAnEnglishHeaderSwitchesTheLanguageBeforeItRuns) {
    const std::string texte = phraseDeNumero(2255) + "\r\n";
    ASSERT_EQ(KMCreeFigEtRenvoieNumero(hote, nullptr, texte.c_str(), nullptr), 1);
    EXPECT_EQ(TQTableDesVariablesPartagees()->langueAppliquee, 2);
}

TEST_F(FiguresHote, PhraseAndVersion) {
    char texte[256];
    KMPhraseDeNumero(616, texte);
    EXPECT_STREQ(texte, "Phrase incorrecte.");
    KMPhraseDeNumero(65000, texte); // an unknown phrase: some text, never an overflow
    EXPECT_LT(std::strlen(texte), 256u);
}

} // namespace
} // namespace km32::essais

namespace km32::essais {
namespace {

std::vector<std::string> boitesVuesParLHote;
int32_t hoteMontre(const char* texte, const char* titre, uint32_t style) {
    boitesVuesParLHote.push_back(std::string(titre) + "|" + texte);
    return KM32_BOUTONS(style) == 4 ? 7 : 1;
}

// A host that installs its own function sees the boxes of a wrong line; after
// it installs NULL the boxes are answered by default again, unseen.
TEST_F(FiguresHote, TheHostShowsTheMessageBoxes) {
    ASSERT_EQ(KMCreeFigEtRenvoieNumero(hote, nullptr, nullptr, nullptr), 1);
    boitesVuesParLHote.clear();
    KMInstalleAfficheurMessages(hoteMontre);
    KMExecuteLigneFigEtRedessine(1, "M milieu du segment [AZ]");
    KMInstalleAfficheurMessages(nullptr);
    ASSERT_FALSE(boitesVuesParLHote.empty());
    EXPECT_EQ(boitesVuesParLHote.front().rfind("ERREUR|", 0), 0u) << boitesVuesParLHote.front();
    const std::size_t vues = boitesVuesParLHote.size();
    KMExecuteLigneFigEtRedessine(1, "M milieu du segment [AZ]");
    EXPECT_EQ(boitesVuesParLHote.size(), vues);
}

// A figure made again in a number whose former figure's text failed: the
// failing line of the former text is no answer for the new figure, even when
// the new one runs no text at all.
TEST_F(FiguresHote, AFigureMadeAgainDoesNotKeepTheFormerFailingLine) {
    const std::string fautif = "A point de coordonn\xE9"
                               "es (0,0,0) dans le rep\xE8re Rxyz\r\n"
                               "B n'importe quoi\r\n";
    const std::string bon = "A point de coordonn\xE9"
                            "es (0,0,0) dans le rep\xE8re Rxyz\r\n";
    struct Cas {
        const char* quoi;
        void (*refait)(int16_t, uint32_t, const char*);
        const char* texte;
    };
    const Cas cas[] = {
        {"again, empty text", [](int16_t n, uint32_t, const char* t) { KMCreeFig(n, nullptr, t, nullptr); },
         ""},
        {"again, no text", [](int16_t n, uint32_t, const char*) { KMCreeFig(n, nullptr, nullptr, nullptr); },
         nullptr},
        {"again, good text", [](int16_t n, uint32_t, const char* t) { KMCreeFig(n, nullptr, t, nullptr); },
         bon.c_str()},
        {"destroyed and created, empty text",
         [](int16_t n, uint32_t h, const char* t) {
             KMDetruitFigure(n);
             ASSERT_EQ(KMCreeFigEtRenvoieNumero(h, nullptr, t, nullptr), n);
         },
         ""},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        const int16_t n = KMCreeFigEtRenvoieNumero(hote, nullptr, fautif.c_str(), nullptr);
        ASSERT_EQ(n, 1);
        EXPECT_EQ(KMLigneEnErreur(n), 2);
        c.refait(n, hote, c.texte);
        EXPECT_EQ(KMLigneEnErreur(n), 0);
        KMDetruitFigure(n);
    }
}

// A host that draws figures in a window of its own and never runs the
// message loop: the notices that the menus changed do not pile up, one per
// figure made and destroyed; the window holds at most one, and none once its
// last figure is gone.
TEST_F(FiguresHote, MenuNoticesDoNotPileUpInAWindowWhoseLoopNeverRuns) {
    const platform::Fenetre externe =
        platform::creeFenetre(platform::kAucuneFenetre, {0, 0, 300, 200}, nullptr, true);
    ASSERT_NE(externe, platform::kAucuneFenetre);
    const auto avis = [externe] {
        // Counted without delivering them: taken off, then posted back.
        int n = 0;
        while (platform::regardeMessage(externe, kMessageEtatMenus, kMessageEtatMenus, true))
            ++n;
        for (int k = 0; k < n; ++k)
            platform::posteMessage(externe, kMessageEtatMenus, 0, 0);
        return n;
    };
    const int32_t garde = creeFigureKMPourFenetreExterne(externe, nullptr, 0xFFFFFF);
    ASSERT_GT(garde, 0);
    for (int k = 0; k < 20; ++k) {
        const int32_t n = creeFigureKMPourFenetreExterne(externe, nullptr, 0xFFFFFF);
        ASSERT_GT(n, 0);
        // A setting line changes what the menu shows.
        KMExecuteLigneFig(int16_t(n), "Parties cach\xE9"
                                      "es en pointill\xE9");
        ASSERT_EQ(figure(int16_t(n)).partiesCacheesPointillees, 1);
        KMdetruitFigureMeme(int16_t(n)); // a figure of an external window goes with this call
        EXPECT_LE(avis(), 1) << "after figure " << k;
    }
    KMdetruitFigureMeme(int16_t(garde));
    EXPECT_EQ(avis(), 0);
    platform::detruitFenetre(externe);
}

} // namespace
} // namespace km32::essais
