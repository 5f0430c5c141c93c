#include "km32.h"

#include <new>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include "base/erreur.h"
#include "host/bibliotheque.h"
#include "host/exports_commun.h"
#include "platform/boites.h"
#include "platform/memoire.h"
#include "sibling/table_partagee.h"

namespace km32 {
namespace {

class Exports : public ::testing::Test {
  protected:
    void SetUp() override { reinitialiseBibliotheque(); }
    void TearDown() override { reinitialiseBibliotheque(); }
};

TEST_F(Exports, TheHostsBoxAndSaveDialogGoThroughTheLibrarysBoxes) {
    namespace p = platform;
    p::reinitialiseBoites();
    p::reponsesPrevues().push_back({p::kReponseAnnuler, {}});
    EXPECT_EQ(KMBoiteMessageHote("Save?", "km32", 0x23), p::kReponseAnnuler);
    ASSERT_EQ(p::boitesDemandees().size(), 1u);
    EXPECT_EQ(p::boitesDemandees()[0].texte, "Save?");
    EXPECT_EQ(p::boitesDemandees()[0].style, 0x23u);

    // The dialog starts in the initial file's folder on its name; the path
    // chosen comes back whole, or not at all when it does not fit.
    char chemin[16] = {};
    p::reponsesPrevues().push_back({p::kReponseOk, "/tmp/b.k3v"});
    EXPECT_EQ(KMDialogueEnregistrerHote("Save as", "F|*.k3v|", "/home/a.k3v", chemin, 16), 1);
    EXPECT_STREQ(chemin, "/tmp/b.k3v");
    EXPECT_EQ(p::boitesDemandees().back().repertoire, "/home");
    EXPECT_EQ(p::boitesDemandees().back().valeurInitiale, "a.k3v");
    p::reponsesPrevues().push_back({p::kReponseOk, "/tmp/a_longer_name.k3v"});
    EXPECT_EQ(KMDialogueEnregistrerHote("Save as", "F|*.k3v|", "a.k3v", chemin, 16), 0);
    EXPECT_STREQ(chemin, "");
    p::reponsesPrevues().push_back({p::kReponseAnnuler, {}});
    EXPECT_EQ(KMDialogueEnregistrerHote("Save as", "F|*.k3v|", "a.k3v", chemin, 16), 0);
    EXPECT_EQ(KMDialogueEnregistrerHote("Save as", "F|*.k3v|", "a.k3v", nullptr, 16), 0);
    p::reinitialiseBoites();
}

TEST_F(Exports, BoxesAndDialogsTakeTheLanguageAppliedWhenTheyAreAsked) {
    namespace p = platform;
    KMInitialise();
    p::reinitialiseBoites();
    // Each language's standard captions: Yes, No, Cancel, Open, Save.
    const char* const attendus[3][5] = {{"&Oui", "&Non", "&Annuler", "&Ouvrir", "&Enregistrer"},
                                        {"&Yes", "&No", "&Cancel", "&Open", "&Save"},
                                        {"&Ja", "&Nein", "&Abbrechen", "\xD6&ffnen", "&Speichern"}};
    for (int16_t langue : {3, 1, 2}) {
        SCOPED_TRACE(langue);
        KMappliqueLangue(langue);
        KMBoiteMessageHote("Save?", "km32", 0x23);
        char chemin[16] = {};
        KMDialogueEnregistrerHote("Save as", "F|*.k3v|", "a.k3v", chemin, 16);
        ASSERT_GE(p::boitesDemandees().size(), 2u);
        for (std::size_t k = p::boitesDemandees().size() - 2; k < p::boitesDemandees().size(); ++k)
            EXPECT_EQ(p::boitesDemandees()[k].langue, langue);
        const p::LibellesStandard& l = p::libellesStandard(uint8_t(langue));
        const char* const* a = attendus[langue - 1];
        EXPECT_EQ(l.oui, a[0]);
        EXPECT_EQ(l.non, a[1]);
        EXPECT_EQ(l.annuler, a[2]);
        EXPECT_EQ(l.ouvrir, a[3]);
        EXPECT_EQ(l.enregistrer, a[4]);
        EXPECT_EQ(l.ok, "OK");
    }
    // A language the library does not know keeps English captions.
    EXPECT_EQ(p::libellesStandard(0).oui, "&Yes");
    EXPECT_EQ(p::libellesStandard(9).annuler, "&Cancel");
    p::reinitialiseBoites();
}

TEST_F(Exports, VersionBlockHoldsTheVersionUntilFreed) {
    std::size_t avant = platform::nombreDeBlocs();
    uint32_t bloc = KM32NumeroVersion();
    ASSERT_NE(bloc, 0u);
    EXPECT_STREQ(KMContenuBloc(bloc), "1.3.3.0");
    EXPECT_EQ(KMTailleBloc(bloc), 10u); // a block of 10 bytes: the text, its NUL and zeros
    EXPECT_EQ(std::string(KMContenuBloc(bloc), 10), std::string("1.3.3.0\0\0\0", 10));
    KMLibereBloc(bloc);
    EXPECT_EQ(KMContenuBloc(bloc), nullptr);
    EXPECT_EQ(KMTailleBloc(bloc), 0u);
    KMLibereBloc(bloc); // freeing twice is harmless
    EXPECT_EQ(platform::nombreDeBlocs(), avant);
}

TEST_F(Exports, FirstCallStartsTheLibraryAndTermineEndsIt) {
    EXPECT_FALSE(bibliothequeInitialisee());
    KMLibereBloc(KM32NumeroVersion());
    EXPECT_TRUE(bibliothequeInitialisee());
    KMTermine();
    EXPECT_FALSE(bibliothequeInitialisee());
    KMTermine();
    KMInitialise();
    KMInitialise();
    EXPECT_TRUE(bibliothequeInitialisee());
    EXPECT_EQ(TQTableDesVariablesPartagees()->langueAppliquee, 1);
}

TEST_F(Exports, FigureNumbersOutside0To64AreRefusedBeforeTheBody) {
    struct Cas {
        int16_t numero;
        bool accepte;
    };
    const Cas cas[] = {{0, true},   {1, true},      {64, true},     {-1, false},
                       {65, false}, {32767, false}, {-32768, false}};
    for (const Cas& c : cas) {
        int appels = 0;
        int r = appelFigure(c.numero, -1, [&] {
            ++appels;
            return int(c.numero);
        });
        EXPECT_EQ(appels, c.accepte ? 1 : 0) << c.numero;
        EXPECT_EQ(r, c.accepte ? c.numero : -1) << c.numero;
        appels = 0;
        appelFigureSansResultat(c.numero, [&] { ++appels; });
        EXPECT_EQ(appels, c.accepte ? 1 : 0) << c.numero;
    }
}

TEST_F(Exports, NoErrorCrossesTheBoundary) {
    EXPECT_EQ(appelProtege(7, []() -> int { throw ErreurInterne("index", kStructureSaturee); }), 7);
    EXPECT_EQ(appelProtege(7, []() -> int { throw std::bad_alloc(); }), 7);
    EXPECT_EQ(appelProtege(7, []() -> int { throw 42; }), 7);
    EXPECT_EQ(appelFigure(int16_t(3), 7, []() -> int { throw std::out_of_range("x"); }), 7);
    EXPECT_NO_THROW(appelProtegeSansResultat([] { throw std::runtime_error("x"); }));
    EXPECT_EQ(appelProtege(7, [] { return 8; }), 8);
}

} // namespace
} // namespace km32
