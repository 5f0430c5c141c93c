// The key of a command object, written in each language, reads back into
// the same key: every key code the key reader takes (the words of the space,
// the hand and no key, the digits, the letters, the CTRL- keys).
#include <vector>

#include "banc_ecriture.h"
#include "text/noms_objets.h"

namespace km32::ecriture {
namespace {

class TouchesEcrites : public BancEcriture {};

// Every code that some key name reads as, found by asking the reader about
// every name it could take: its words and every one- and six-character name.
std::vector<uint8_t> codesLus() {
    std::vector<bool> lu(256, false);
    std::vector<std::string> noms = {phraseDeNumero(2443), phraseDeNumero(4417), phraseDeNumero(2525)};
    for (int c = 1; c < 256; ++c) {
        noms.push_back(std::string(1, char(c)));
        noms.push_back("CTRL-" + std::string(1, char(c)));
    }
    for (const std::string& n : noms)
        lu[litNomDeTouche(n)] = true;
    std::vector<uint8_t> codes;
    for (int c = 1; c < 256; ++c)
        if (lu[std::size_t(c)]) codes.push_back(uint8_t(c));
    return codes;
}

TEST_F(TouchesEcrites, EveryKeyTheReaderTakesIsWrittenSoThatItReadsBackInEachLanguage) {
    const std::vector<uint8_t> codes = codesLus();
    // Space, no key, the hand, 10 digits, 26 letters, CTRL-A..Z but B and M.
    ASSERT_EQ(codes.size(), 3u + 10 + 26 + 24);
    for (uint16_t langue : {kLangueFrancaise, kLangueAnglaise, kLangueAllemande}) {
        for (uint8_t code : codes) {
            SCOPED_TRACE(testing::Message() << "language " << langue << ", key " << int(code));
            auto f = lisUtf8("Figure Kalmetra\r\nqt (touche Q) quitter un mode trace\r\n");
            const int qt = numeroObjetDeNotation(*f, "qt");
            ASSERT_GT(qt, 0);
            fixeToucheObjet(objet(*f, qt), code);
            const std::string texte = ecrit(*f, langue);
            uint16_t echec = 0;
            auto relue = lis(texte, &echec);
            ASSERT_EQ(echec, 0) << utf8DeWindows1252(texte);
            EXPECT_EQ(toucheObjet(objet(*relue, numeroObjetDeNotation(*relue, "qt"))), code)
                << utf8DeWindows1252(texte);
        }
    }
}

TEST_F(TouchesEcrites, TheHandIsWrittenWithTheWordOfTheAppliedLanguage) {
    const struct {
        uint16_t langue;
        const char* mot;
    } cas[] = {
        {kLangueFrancaise, "(touche main)"}, {kLangueAnglaise, "(key hand)"}, {kLangueAllemande, "Hand"}};
    for (const auto& c : cas) {
        auto f = lisUtf8("Figure Kalmetra\r\nqt (touche main) quitter un mode trace\r\n");
        const int qt = numeroObjetDeNotation(*f, "qt");
        ASSERT_EQ(toucheObjet(objet(*f, qt)), kToucheMain);
        const std::string texte = utf8DeWindows1252(ecrit(*f, c.langue));
        EXPECT_NE(texte.find(c.mot), std::string::npos) << texte;
        EXPECT_EQ(texte.find("ã"), std::string::npos) << texte;
    }
}

} // namespace
} // namespace km32::ecriture
