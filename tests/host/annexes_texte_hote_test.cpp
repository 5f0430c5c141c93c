// A host that replaces a figure's text while one of the figure's annex
// windows is open: the window goes, since it holds the former figure's
// objects by their numbers; a text that fails leaves window and figure as
// they were.
#include <string>

#include "banc_hote.h"
#include "host/fenetres/rappels/choix_rappels.h"
#include "platform/messages.h"
#include "sibling/table_partagee.h"

namespace km32::essais {
namespace {

namespace p = platform;

const std::string kDepart = "A point de coordonn\xE9"
                            "es (0,0,0) dans le rep\xE8re Rxyz\r\n"
                            "B point de coordonn\xE9"
                            "es (3,0,0) dans le rep\xE8re Rxyz\r\n"
                            "P point libre dans l'espace\r\n"
                            "Q point libre dans l'espace\r\n";
// More objects than kDepart, so that every number the open window knows
// names an object of the new figure too.
const std::string kNouveau = "Figure Kalmetra\r\n"
                             "U point de coordonn\xE9"
                             "es (1,0,0) dans le rep\xE8re Rxyz\r\n"
                             "V point de coordonn\xE9"
                             "es (0,1,0) dans le rep\xE8re Rxyz\r\n"
                             "W point de coordonn\xE9"
                             "es (0,0,1) dans le rep\xE8re Rxyz\r\n"
                             "X point de coordonn\xE9"
                             "es (1,1,1) dans le rep\xE8re Rxyz\r\n"
                             "Y point de coordonn\xE9"
                             "es (2,1,1) dans le rep\xE8re Rxyz\r\n";
const std::string kFautif = "Figure Kalmetra\r\n"
                            "Z point de coordonn\xE9"
                            "es (1,0,0) dans le rep\xE8re Rxyz\r\n"
                            "Z n'importe quoi\r\n";

class AnnexesTexteHote : public BancHote {
  protected:
    void SetUp() override {
        BancHote::SetUp();
        n = KMCreeFigEtRenvoieNumero(hote, nullptr, kDepart.c_str(), nullptr);
        ASSERT_EQ(n, 1);
        ASSERT_EQ(KMLigneEnErreur(n), 0);
    }
    std::string texte() {
        const uint32_t bloc = KMTexteFigure(n);
        std::string t = bloc ? KMContenuBloc(bloc) : "";
        if (bloc) KMLibereBloc(bloc);
        return t;
    }
    void commande(uint32_t k) {
        KMMessage m{p::WM_COMMAND, k, 0, 0};
        traiteMessageKMParNumero(n, &m);
        p::distribueJusquAuRepos();
    }
    int16_t n = 0;
};

TEST_F(AnnexesTexteHote, AReplacingTextClosesTheFiguresAnnexAndAFailingOneLeavesIt) {
    struct Cas {
        uint32_t commande;
        uint8_t annexe;
        const char* quoi;
    };
    const Cas cas[] = {
        {1, 129, "construction dialog"}, {92, 130, "object picker"}, {78, 131, "reminders"},
        {88, 132, "style palette"},      {118, 134, "text editor"},  {128, 138, "function grid"},
    };
    const TTableDesVariablesPartagees& t = *TQTableDesVariablesPartagees();
    for (const Cas& c : cas) {
        // Through the whole-text export and through a line that starts with a header.
        for (const bool parLigne : {false, true}) {
            SCOPED_TRACE(std::string(c.quoi) + (parLigne ? " (line)" : " (text)"));
            KMCreeFig(n, nullptr, kDepart.c_str(), nullptr);
            commande(c.commande);
            ASSERT_EQ(t.codeAnnexe, c.annexe);
            const uint32_t fenetre = t.fenetreAnnexe;
            const std::string avant = texte();
            auto applique = [&](const std::string& s) {
                if (parLigne)
                    KMExecuteLigneFigEtRedessine(n, s.c_str());
                else
                    KMExecuterTexte(n, s.c_str());
                p::distribueJusquAuRepos();
            };

            applique(kFautif);
            EXPECT_EQ(texte(), avant);
            EXPECT_EQ(t.codeAnnexe, c.annexe);
            EXPECT_TRUE(p::estFenetre(fenetre));

            applique(kNouveau);
            EXPECT_NE(texte().find("Y point"), std::string::npos);
            EXPECT_EQ(t.codeAnnexe, 0);
            EXPECT_FALSE(p::estFenetre(fenetre));
        }
    }
}

// The picker of objects to delete, open on the former figure, cannot delete
// an object of the new one.
TEST_F(AnnexesTexteHote, APickerOfTheFormerFigureDeletesNothingInTheNewOne) {
    commande(92);
    TFenRaPour* c = choixRappels();
    ASSERT_NE(c, nullptr);
    const p::Fenetre fenetre = c->fenetre;
    const int lignes = int(c->objets.size());
    ASSERT_GT(lignes, 0);

    KMExecuterTexte(n, kNouveau.c_str());
    p::distribueJusquAuRepos();
    const std::string nouveau = texte();
    for (int ligne = 0; ligne < lignes; ++ligne)
        p::envoieMessage(fenetre, p::WM_COMMAND, kTagRappelsClic, ligne);
    p::envoieMessage(fenetre, p::WM_COMMAND, kTagRappelsOk, 0);
    p::distribueJusquAuRepos();
    EXPECT_EQ(texte(), nouveau);
    EXPECT_EQ(KMNombreObjets(n), 13 + 5);
}

} // namespace
} // namespace km32::essais
