#pragma once
// The roads a figure takes, run on the generator's edits through the C
// interface, and the checks made after each step:
//   - the edit is run as a typed line (KMExecuteLigneFig, after the undo
//     snapshot a host command takes) or as a whole text (KMExecuterTexte);
//   - a refused edit names its reason in a message and changes nothing;
//   - the figure is saved with French, English and German applied
//     (KMsauveFigure), and each file opens by its name
//     (KMCreeFigEtRenvoieNumero) into the same figure; its text, read as a
//     text in a language drawn at random, gives the same figure too;
//   - undo gives back exactly the figure before, redo the figure after.
// "The same figure" is the same text written in French, and the same number
// of objects. A step that breaks a check is a `Faute`, kept with what
// reproduces it: the figure's text before the step and the edit.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "../host/banc_hote.h"
#include "generateur.h"
#include "platform/boites.h"
#include "text/annulation.h"

namespace km32::generateur {

struct Faute {
    std::string cle;     // what broke: "fichier2" (the file saved in English does not open)...
    std::string avant;   // the figure's French text before the step
    std::string edition; // the edit (a line, or the lines of a text)
    int langue = 1;      // the language the edit was written in
    int phrase = 0;      // the pattern the edit was drawn from (0 for a prototype block)
    std::string detail;
};

inline std::string dossierPhrases() {
    return std::string(KM32_EXAMPLES) + "/../data/phrases";
}

class BancGenerateur : public essais::BancHote {
  protected:
    void SetUp() override {
        BancHote::SetUp();
        // Saves go to memory when the system has a memory file system: a
        // save waits for the disk, thousands of times a run.
        const std::filesystem::path memoire = "/dev/shm";
        dossier_ =
            (std::filesystem::is_directory(memoire) ? memoire : std::filesystem::temp_directory_path()) /
            ("km32_generateur_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
             std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        std::filesystem::create_directories(dossier_);
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(dossier_, ec);
        KMappliqueLangue(1);
        BancHote::TearDown();
    }

    std::string texte(int16_t n, int langue) {
        KMappliqueLangue(int16_t(langue));
        return essais::texteDeBloc(KMTexteFigure(n));
    }
    static std::string dernierMessage() {
        const auto& b = platform::boitesDemandees();
        return b.empty() ? std::string() : b.back().texte;
    }
    void commande(int16_t n, uint32_t c) {
        KMMessage m{platform::WM_COMMAND, c, 0, 0};
        traiteMessageKMParNumero(n, &m);
    }

    // A figure read by the road of a file or a text gives the same figure as
    // n: its French text and its object count. Empty when it does.
    std::string memeFigure(int16_t n, int16_t m) {
        if (m <= 0) return "no figure number";
        if (KMLigneEnErreur(m) != 0)
            return "stops at line " + std::to_string(KMLigneEnErreur(m)) + ": " + dernierMessage();
        if (KMNombreObjets(m) != KMNombreObjets(n))
            return std::to_string(KMNombreObjets(m)) + " objects instead of " +
                   std::to_string(KMNombreObjets(n));
        const std::string a = texte(n, 1), b = texte(m, 1);
        if (a != b) {
            std::size_t k = 0;
            while (k < a.size() && k < b.size() && a[k] == b[k])
                ++k;
            const std::size_t l = a.rfind('\n', k) == std::string::npos ? 0 : a.rfind('\n', k) + 1;
            return "text differs at \"" + a.substr(l, 80) + "\" / \"" + b.substr(l, 80) + "\"";
        }
        return {};
    }

    // The checks of the file and text roads on figure n.
    void verifieRoutes(int16_t n, std::vector<Faute>& fautes, const Faute& modele, int langueTexte) {
        const std::string chemin = (dossier_ / "figure.k3v").string();
        for (int langue = 1; langue <= 3; ++langue) {
            KMappliqueLangue(int16_t(langue));
            platform::boitesDemandees().clear();
            std::filesystem::remove(chemin);
            if (KMsauveFigure(n, chemin.c_str()) != 0) {
                Faute f = modele;
                f.cle = "sauvegarde" + std::to_string(langue);
                f.detail = essais::texteDeBloc(KMTexteErreurSauvegarde()) + " " + dernierMessage();
                fautes.push_back(f);
                continue;
            }
            KMappliqueLangue(int16_t(1 + (langue % 3)));
            const int16_t m = KMCreeFigEtRenvoieNumero(hote, chemin.c_str(), nullptr, nullptr);
            const std::string d = memeFigure(n, m);
            if (m > 0) KMDetruitFigure(m);
            if (!d.empty()) {
                Faute f = modele;
                f.cle = "fichier" + std::to_string(langue);
                f.detail = d;
                fautes.push_back(f);
            }
        }
        const std::string t = texte(n, langueTexte);
        platform::boitesDemandees().clear();
        KMappliqueLangue(int16_t(1 + (langueTexte % 3)));
        const int16_t m = KMCreeFigEtRenvoieNumero(hote, nullptr, t.c_str(), nullptr);
        const std::string d = memeFigure(n, m);
        if (m > 0) KMDetruitFigure(m);
        if (!d.empty()) {
            Faute f = modele;
            f.cle = "texte" + std::to_string(langueTexte);
            f.detail = d;
            fautes.push_back(f);
        }
    }

    // Runs edit e on figure n and checks it. True when the figure took it.
    bool executeEtVerifie(int16_t n, const Edition& e, std::vector<Faute>& fautes, int langueTexte) {
        Faute modele;
        modele.avant = texte(n, 1);
        modele.edition = e.ligne;
        modele.langue = e.langue;
        modele.phrase = e.phrase;
        const std::string avant = modele.avant;
        const int objetsAvant = KMNombreObjets(n);
        platform::boitesDemandees().clear();
        KMappliqueLangue(int16_t(e.langue));
        if (e.route == Route::Texte) {
            KMExecuterTexte(n, e.ligne.c_str());
        } else {
            prendInstantanePourAnnuler(figure(n), figure(n));
            KMExecuteLigneFig(n, e.ligne.c_str());
        }
        const int erreur = KMLigneEnErreur(n);
        const std::string apres = texte(n, 1);
        if (erreur != 0) {
            // Refused: its reason was shown, and nothing changed.
            if (apres != avant || KMNombreObjets(n) != objetsAvant) {
                Faute f = modele;
                f.cle = "refus_modifie";
                f.detail = "refused at line " + std::to_string(erreur) + " (" + dernierMessage() +
                           ") and yet the figure changed";
                fautes.push_back(f);
            }
            if (e.route == Route::Ligne) commande(n, 93); // the snapshot taken for nothing
            if (texte(n, 1) != avant) {
                Faute f = modele;
                f.cle = "refus_annulation";
                f.detail = "undo after a refused line does not give back the figure";
                fautes.push_back(f);
            }
            return false;
        }
        const int objetsApres = KMNombreObjets(n);
        verifieRoutes(n, fautes, modele, langueTexte);
        // Undo gives back the figure before, redo the figure after, in any
        // language applied.
        KMappliqueLangue(int16_t(langueTexte));
        platform::boitesDemandees().clear();
        commande(n, 93);
        if (texte(n, 1) != avant || KMNombreObjets(n) != objetsAvant) {
            Faute f = modele;
            f.cle = "annulation";
            f.detail = "undo: " + memeTexte(avant, texte(n, 1)) + " " + dernierMessage();
            fautes.push_back(f);
        }
        KMappliqueLangue(int16_t(1 + (langueTexte % 3)));
        commande(n, 122);
        if (texte(n, 1) != apres || KMNombreObjets(n) != objetsApres) {
            Faute f = modele;
            f.cle = "retablissement";
            f.detail = "redo: " + memeTexte(apres, texte(n, 1)) + " " + dernierMessage();
            fautes.push_back(f);
        }
        if (e.route == Route::Ligne) verifieChangementEntreAnnulerEtRetablir(n, e, modele, avant, apres, fautes);
        return true;
    }

    // Undo, the same line run again by the host (a change that takes no undo
    // step), then redo: the redo must not put back the state from before the
    // host's change, which would lose it. When the host's line changed
    // nothing, the redo still gives the figure after the edit.
    void verifieChangementEntreAnnulerEtRetablir(int16_t n, const Edition& e, const Faute& modele,
                                                  const std::string& avant, const std::string& apres,
                                                  std::vector<Faute>& fautes) {
        commande(n, 93);
        KMappliqueLangue(int16_t(e.langue));
        KMExecuteLigneFig(n, e.ligne.c_str());
        const std::string hote = texte(n, 1);
        platform::boitesDemandees().clear();
        KMappliqueLangue(int16_t(1 + (e.langue % 3)));
        commande(n, 122);
        const std::string attendu = hote == avant ? apres : hote;
        if (texte(n, 1) != attendu) {
            Faute f = modele;
            f.cle = "retablissement_apres_hote";
            f.detail = "redo after a host line: " + memeTexte(attendu, texte(n, 1)) + " " + dernierMessage();
            fautes.push_back(f);
        }
    }

    static std::string memeTexte(const std::string& a, const std::string& b) {
        std::size_t k = 0;
        while (k < a.size() && k < b.size() && a[k] == b[k])
            ++k;
        const std::size_t l = a.rfind('\n', k) == std::string::npos ? 0 : a.rfind('\n', k) + 1;
        return "\"" + a.substr(l, 80) + "\" became \"" + b.substr(l, 80) + "\"";
    }

    // `figures` random figures of `pas` edits each, from seed `graine`. The
    // faults found, and how many edits the figures took.
    struct Bilan {
        std::vector<Faute> fautes;
        int acceptees = 0, refusees = 0;
        std::map<int, int> phrasesAcceptees; // pattern -> times taken
        std::map<std::string, int> evitees;
    };
    Bilan parcourt(uint32_t graine, int figures, int pas) {
        static const TablesPhrases tables(dossierPhrases());
        Generateur g(tables, graine);
        Bilan b;
        // KM32_GENERATEUR_TRACE=1: every edit and whether the figure took it.
        const bool trace = std::getenv("KM32_GENERATEUR_TRACE") != nullptr;
        for (int k = 0; k < figures; ++k) {
            g.nouvelleFigure();
            KMappliqueLangue(int16_t(g.entier(1, 3)));
            const int16_t n = KMCreeFigEtRenvoieNumero(hote, nullptr, "", nullptr);
            if (n <= 0) break;
            for (int p = 0; p < pas; ++p) {
                const int langue = g.entier(1, 3);
                const Edition e = g.edition(langue, texte(n, langue));
                const bool prise = executeEtVerifie(n, e, b.fautes, g.entier(1, 3));
                if (trace)
                    std::printf("EDIT %d %s %s\n", e.phrase, prise ? "taken" : "refused",
                                e.route == Route::Texte ? "(text)" : e.ligne.c_str());
                if (prise) {
                    g.accepte(e);
                    ++b.acceptees;
                    ++b.phrasesAcceptees[e.phrase];
                } else {
                    ++b.refusees;
                }
            }
            KMDetruitFigure(n);
        }
        b.evitees = g.evitees();
        KMappliqueLangue(1);
        return b;
    }

    std::filesystem::path dossier_;
};

// A fault as a reproducer, for the reports of the runs.
inline std::string decritFaute(const Faute& f) {
    auto visible = [](std::string t) {
        std::string r;
        for (const char c : t)
            r += c == '\r' ? std::string() : std::string(1, c);
        return r;
    };
    return "[" + f.cle + "] " + f.detail + "\n-- figure before (French):\n" + visible(f.avant) +
           "\n-- edit (language " + std::to_string(f.langue) + "):\n" + visible(f.edition) + "\n";
}

} // namespace km32::generateur
