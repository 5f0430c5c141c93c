// A host copies a figure's drawing through the exports and reads the
// clipboard back: the picture's size and its SVG and PDF documents, and a
// table put there as text.
#include <cmath>
#include <cstring>
#include <string>

#include "../host/banc_hote.h"
#include "drawing/copie_dessin.h"
#include "platform/presse_papiers.h"

namespace km32::essais {
namespace {

class CopieExports : public BancHote {
  protected:
    // The bytes of a block, freed.
    static std::string lisBloc(uint32_t bloc) {
        const char* octets = KMContenuBloc(bloc);
        const uint32_t taille = KMTailleBloc(bloc);
        std::string texte = octets && taille > 0 ? std::string(octets, taille - 1) : std::string();
        KMLibereBloc(bloc);
        return texte;
    }
};

TEST_F(CopieExports, HostCopiesTheDrawingAndReadsThePictureBack) {
    int32_t l = -1, h = -1;
    EXPECT_EQ(KMPressePapiersTailleDessin(&l, &h), 0);
    EXPECT_EQ(KMPressePapiersDessin(0), 0u);
    EXPECT_EQ(KMPressePapiersTexte(), 0u);

    const int16_t n = KMCreeFigEtRenvoieNumero(hote, nullptr, nullptr, "Nom=Copie");
    ASSERT_GT(n, 0);
    const int32_t largeur = figure(n).largeurImage, hauteur = figure(n).hauteurImage;
    ASSERT_NE(KMCopierDessin(n), 0u);
    // A hosted figure leaves 2 pixels for its frame; a pixel at 96 dpi is
    // 2540 / 96 hundredths of a millimetre.
    ASSERT_EQ(KMPressePapiersTailleDessin(&l, &h), 1);
    EXPECT_EQ(l, std::lround(largeur * 2540.0 / 96));
    EXPECT_EQ(h, std::lround((hauteur - 1) * 2540.0 / 96));
    EXPECT_EQ(KMPressePapiersTailleDessin(nullptr, nullptr), 1);

    const std::string svg = lisBloc(KMPressePapiersDessin(0));
    EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("<path"), std::string::npos) << "the drawing is in it";
    const uint32_t bloc = KMPressePapiersDessin(1);
    const std::string pdf = lisBloc(bloc);
    EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
    EXPECT_EQ(pdf, platform::imagePressePapiers()->pdf) << "NUL bytes included";
    EXPECT_EQ(KMPressePapiersDessin(2), 0u);

    // The adjusted copy keeps the host's parameter and follows the copy settings.
    figure(n).texteCopie = "CF";
    figure(n).valeurCopie = 120;
    ASSERT_NE(KMCopierDessinAjuste(n, 3), 0u);
    EXPECT_EQ(figure(n).parametreCopieAjustee, 3);
    ASSERT_EQ(KMPressePapiersTailleDessin(&l, &h), 1);
    EXPECT_EQ(l, 12000);
    EXPECT_EQ(KMCopierDessin(0), 0u) << "no figure 0";
}

TEST_F(CopieExports, HostReadsATableAsText) {
    ASSERT_TRUE(copieTableauDansPressePapiers(hote, {{"x", "y"}, {"1", "2,5"}}));
    EXPECT_EQ(lisBloc(KMPressePapiersTexte()), "x\ty\r\n1\t2,5\r\n");
    EXPECT_EQ(KMPressePapiersDessin(0), 0u);
}

} // namespace
} // namespace km32::essais
