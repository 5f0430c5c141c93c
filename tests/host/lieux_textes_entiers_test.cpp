// A joined locus read in a whole text, on each road through which a host
// hands the library a text: its samples break where its point has none,
// whichever road read it, and nothing joins the two sides of the gap.
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "banc_hote.h"
#include "host/fenetres/editeur_figure.h"
#include "host/fenetres/zone_texte.h"
#include "model/objets_figure.h"
#include "platform/boites.h"
#include "platform/messages.h"

namespace km32::essais {
namespace {

namespace p = platform;

// Q = (a, 1/a, 0) while a runs over [-1, 1]: 21 values of a, 20 points, the
// branch x < 0 and the branch x > 0 of y = 1/x.
const std::string kHyperbole = texteDeLignes({
    "Figure Kalmetra",
    "a r\xE9"
    "el libre de [-1,1]",
    "Q point de coordonn\xE9"
    "es (a,1/a,0) dans le rep\xE8re Rxyz",
    "L lieu du point Q, pilote a (21 points)",
    "Dessin de L: points li\xE9s",
});

class LieuxTextesEntiers : public BancHote {
  protected:
    void TearDown() override {
        if (!fichier.empty()) std::filesystem::remove(fichier);
        BancHote::TearDown();
    }
    // The number of joined pairs of samples of L whose two points lie on the
    // two sides of x = 0, and the number of points L kept.
    std::pair<int, int> jointsAuTraversDuTrou(int16_t n) {
        TfigureKalmetra& f = figure(n);
        const int l = numeroObjetDeNotation(f, "L");
        EXPECT_NE(l, 0);
        if (l == 0 || objet(f, l).nonDefini || !f.echantillons) return {-1, 0};
        const int compte = int(valeurObjet(f, l, 2));
        int traversees = 0;
        for (int k = 1; k < compte; ++k) {
            const Techantillon& a = (*f.echantillons)[std::size_t(objet(f, l).premierEchantillon + k - 1)];
            const Techantillon& b = (*f.echantillons)[std::size_t(objet(f, l).premierEchantillon + k)];
            if (!b.rupture && (a.x > 0) != (b.x > 0)) ++traversees;
        }
        return {traversees, compte};
    }
    std::string fichier;
};

TEST_F(LieuxTextesEntiers, AJoinedLocusReadWholeBreaksAtItsGapOnEveryRoad) {
    // The figure created with the text.
    const int16_t cree = KMCreeFigEtRenvoieNumero(hote, nullptr, kHyperbole.c_str(), nullptr);
    ASSERT_GT(cree, 0);
    EXPECT_EQ(KMLigneEnErreur(cree), 0);
    EXPECT_EQ(jointsAuTraversDuTrou(cree), std::make_pair(0, 20));

    // A file opened by its name.
    fichier = (std::filesystem::temp_directory_path() / ("km32-lieu-" + std::to_string(::getpid()) + ".k3v"))
                  .string();
    std::ofstream(fichier, std::ios::binary) << kHyperbole;
    const int16_t ouvert = KMCreeFigEtRenvoieNumero(hote, fichier.c_str(), nullptr, nullptr);
    ASSERT_GT(ouvert, 0);
    EXPECT_EQ(jointsAuTraversDuTrou(ouvert), std::make_pair(0, 20));

    // The text given to a figure that exists.
    const int16_t remplace =
        KMCreeFigEtRenvoieNumero(hote, nullptr, texteDeLignes({"Figure Kalmetra", "b = 1"}).c_str(), nullptr);
    ASSERT_GT(remplace, 0);
    KMExecuterTexte(remplace, kHyperbole.c_str());
    EXPECT_EQ(KMLigneEnErreur(remplace), 0);
    EXPECT_EQ(jointsAuTraversDuTrou(remplace), std::make_pair(0, 20));

    // The text applied in the figure's editor.
    const int16_t edite =
        KMCreeFigEtRenvoieNumero(hote, nullptr, texteDeLignes({"Figure Kalmetra", "b = 1"}).c_str(), nullptr);
    ASSERT_GT(edite, 0);
    KMAfficheEditeurFigure(edite);
    TFenetreEditeur* e = fenetreEditeur();
    ASSERT_NE(e, nullptr);
    fixeTexteZone(e->memo, kHyperbole);
    p::reponsesPrevues().push_back({p::kReponseOui, {}});
    p::envoieMessage(e->fenetre, p::WM_COMMAND, kEdAppliquer, 0);
    p::distribueJusquAuRepos();
    EXPECT_EQ(jointsAuTraversDuTrou(edite), std::make_pair(0, 20));

    // The locus first drawn apart, then joined by a lone host line.
    std::string sansDessin = kHyperbole;
    sansDessin.erase(sansDessin.find("Dessin de L"));
    const int16_t restyle = KMCreeFigEtRenvoieNumero(hote, nullptr, sansDessin.c_str(), nullptr);
    ASSERT_GT(restyle, 0);
    EXPECT_EQ(KMLigneEnErreur(restyle), 0);
    KMExecuteLigneFig(restyle, "Dessin de L: points li\xE9s");
    EXPECT_EQ(KMLigneEnErreur(restyle), 0);
    EXPECT_EQ(jointsAuTraversDuTrou(restyle), std::make_pair(0, 20));
}

} // namespace
} // namespace km32::essais
