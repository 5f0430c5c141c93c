#pragma once
// A figure of a host driven as a host drives it (lines through
// KMExecuteLigneFig*, keys through KMKeyDown, menu commands as WM_COMMAND
// through traiteMessageKMParNumero, the construction dialog through its
// messages), with what a state change must show in three places: the
// objects drawn, the text written back and the menu records of the host.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "../drawing/souris_banc.h"
#include "banc_hote.h"
#include "host/fenetres/dialogue/fenetre_dialogue.h"
#include "phrases/phrase.h"

namespace km32::essais {

class BancEtatsFigure : public BancSouris {
  protected:
    // Phrase k of the applied language with "#1" replaced by a.
    static std::string phrase(uint16_t k, const std::string& a = std::string()) {
        std::string t = phraseDeNumero(k);
        const std::size_t p = t.find("#1");
        if (p != std::string::npos) t.replace(p, 2, a);
        return t;
    }
    // Runs lines (Windows-1252) as a host does, with the redraw.
    void ligne(const std::string& texte) { KMExecuteLigneFigEtRedessine(n, texte.c_str()); }
    // The figure written back, as the host reads it.
    std::string texte() { return texteDeBloc(KMTexteFigure(n)); }
    bool texteContientLigne(const std::string& l) {
        return texte().find("\r\n" + l + "\r\n") != std::string::npos;
    }
    // The host's menu record: the mark of command k.
    bool marquee(int k) {
        std::array<uint8_t, 65> r{};
        KMmiseAjourMenus(n, r.data());
        return (r[std::size_t(33 + k / 8)] >> (k % 8)) & 1;
    }
    bool grisee(int k) {
        std::array<uint8_t, 65> r{};
        KMmiseAjourMenus(n, r.data());
        return !((r[std::size_t(1 + k / 8)] >> (k % 8)) & 1);
    }
    // A menu command as the host's window hands it to the dispatcher.
    uint8_t commande(uint32_t k) {
        KMMessage m{platform::WM_COMMAND, k, 0, 0};
        const uint8_t r = traiteMessageKMParNumero(n, &m);
        platform::distribueJusquAuRepos();
        return r;
    }
    // The names among noms whose display element exists, blank-separated.
    std::string dessines(std::initializer_list<const char*> noms) {
        std::string r;
        for (const char* nom : noms)
            if (elementDessin(fig(), numero(nom)) != nullptr) r += std::string(r.empty() ? "" : " ") + nom;
        return r;
    }

    // The construction dialog.
    uint32_t fenetreDuDialogue() { return fenetreDialogue() ? fenetreDialogue()->fenetre : 0; }
    void remplit(int k, const std::string& t) {
        platform::envoieMessage(fenetreDuDialogue(), platform::WM_COMMAND, uint32_t(k), 0);
        TChampDialogue& c = fenetreDialogue()->champs[std::size_t(k)];
        c.debutSelection = 0;
        c.longueurSelection = uint32_t(c.texte.size());
        for (char ch : t)
            platform::envoieMessage(fenetreDuDialogue(), platform::WM_CHAR, uint8_t(ch), 0);
        EXPECT_EQ(c.texte, t) << "field " << k;
    }
    void choisitOption(const std::string& entree) {
        const TListeDialogue& l = fenetreDialogue()->listeOptions;
        for (std::size_t k = 0; k < l.entrees.size(); ++k)
            if (l.entrees[k] == entree) {
                platform::envoieMessage(fenetreDuDialogue(), platform::WM_COMMAND, kTagListeOptions,
                                        int32_t(k));
                return;
            }
        ADD_FAILURE() << "no option " << entree;
    }
    void valide() {
        platform::envoieMessage(fenetreDuDialogue(), platform::WM_KEYDOWN, platform::VK_RETURN, 0);
        platform::distribueJusquAuRepos();
    }
    std::string derniereBoite() {
        return platform::boitesDemandees().empty() ? std::string() : platform::boitesDemandees().back().texte;
    }
};

} // namespace km32::essais
