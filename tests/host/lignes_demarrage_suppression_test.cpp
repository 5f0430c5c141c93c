// The start lines of a figure that run commands hold the names of those
// commands (and of what their count reads) as text. When objects go, by the
// line "Supprimer" of a host, by the picker of command 92, or by a deletion
// line of the text being read, those lines stop naming them: the names leave
// the list of commands, and a line left with no command, or whose count
// names an object that went, goes. In each language the figure is then
// saved, the file reads back, the commands left run at start, and the undo
// of the picker's deletion gives the lines back.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

#include "etats_figure_banc.h"
#include "fichier_essai.h"
#include "host/fenetres/rappels/choix_rappels.h"
#include "text/execution_texte.h"

namespace km32::essais {
namespace {

namespace p = platform;

// K, L and M give a, b and c their values; the start lines run K, L and M,
// K alone, M a count of times read from nb, and whatever bears the key L.
const char* const kFigure = "Figure Kalmetra\r\n"
                            "a réel libre de [0,10]\r\n"
                            "b réel libre de [0,10]\r\n"
                            "c réel libre de [0,10]\r\n"
                            "nb = 2\r\n"
                            "K (touche K) valeur(s) de 2 affectée(s) à a\r\n"
                            "L (touche L) valeur(s) de 3 affectée(s) à b\r\n"
                            "M (touche M) valeur(s) de 4 affectée(s) à c\r\n"
                            "Démarrer en exécutant  2 fois les commandes K, L, M\r\n"
                            "Démarrer en exécutant  1 fois les commandes K\r\n"
                            "Démarrer en exécutant  nb fois les commandes M\r\n"
                            "Démarrer en exécutant 3 fois la ou les commandes associées à la touche L\r\n"
                            "Fin de la figure";

class LignesDemarrageSuppression : public BancEtatsFigure {
  protected:
    void SetUp() override {
        BancEtatsFigure::SetUp();
        dossier = std::filesystem::temp_directory_path() / ("km32-demarrage-" + std::to_string(::getpid()));
        std::filesystem::remove_all(dossier);
        std::filesystem::create_directories(dossier);
    }
    void TearDown() override {
        std::filesystem::remove_all(dossier);
        BancEtatsFigure::TearDown();
    }

    // The figure made again from a text of the applied language
    // (Windows-1252), the start lines put aside as when a file is opened.
    void relis(const std::string& texte1252) {
        TfigureKalmetra& f = fig();
        reinitialiseFigure(f);
        platform::initialiseHasard(20261210);
        platform::boitesDemandees().clear();
        GardeValeur<uint8_t> lecture(executionReelle(), 0);
        ASSERT_EQ(executeTexteDeFigure(f, texte1252, 1), 0) << texte1252 << derniereBoite();
    }
    // The start line of a list of commands in the applied language.
    static std::string ligneDeListe(const std::string& fois, const std::string& liste) {
        std::string t = phrase(2267, fois);
        t.replace(t.find("#2"), 2, liste);
        return t;
    }
    void supprimeParLePicker(const std::vector<std::string>& noms) {
        commande(92);
        TFenRaPour* c = choixRappels();
        ASSERT_NE(c, nullptr);
        for (const std::string& nom : noms) {
            int ligne = -1;
            for (std::size_t k = 0; k < c->objets.size(); ++k)
                if (c->objets[k] == numero(nom)) ligne = int(k);
            ASSERT_GE(ligne, 0) << nom;
            p::envoieMessage(c->fenetre, p::WM_COMMAND, kTagRappelsClic, ligne);
        }
        p::envoieMessage(c->fenetre, p::WM_COMMAND, kTagRappelsOk, 0);
        p::distribueJusquAuRepos();
    }
    std::filesystem::path dossier;
};

std::string joint(const std::vector<std::string>& noms) {
    std::string r;
    for (const std::string& nom : noms)
        r += (r.empty() ? "" : " ") + nom;
    return r;
}

std::size_t occurrences(const std::string& texte, const std::string& motif) {
    std::size_t n = 0;
    for (std::size_t p = texte.find(motif); p != std::string::npos; p = texte.find(motif, p + 1))
        ++n;
    return n;
}

TEST_F(LignesDemarrageSuppression, DeletedObjectsLeaveTheStartLinesAndTheFigureSavesAndReadsBack) {
    struct Cas {
        std::vector<std::string> supprimes;
        // The start lines of a list left (count, list), in their order.
        std::vector<std::pair<std::string, std::string>> lignes;
        // The commands that still run at start, by the variable they set.
        std::map<std::string, double> valeurs;
    };
    const std::vector<Cas> cas = {
        {{"K"}, {{"2", "L,M"}, {"nb", "M"}}, {{"b", 3}, {"c", 4}}},
        {{"K", "L"}, {{"2", "M"}, {"nb", "M"}}, {{"c", 4}}},
        {{"nb"}, {{"2", "K,L,M"}, {"1", "K"}}, {{"a", 2}, {"b", 3}, {"c", 4}}},
        {{"K", "L", "M"}, {}, {}},
        // a goes with K, which is built on it.
        {{"a"}, {{"2", "L,M"}, {"nb", "M"}}, {{"b", 3}, {"c", 4}}},
    };
    struct Route {
        const char* quoi;
        // Deletes the names from the figure, made from the text of the
        // applied language.
        std::function<void(const std::string& texte, const std::vector<std::string>&)> supprime;
    };
    const std::vector<Route> routes = {
        {"the line of a host",
         [this](const std::string& texte, const std::vector<std::string>& noms) {
             relis(texte);
             KMExecuteLigneFig(n, phrase(2311, joint(noms)).c_str());
             EXPECT_EQ(KMLigneEnErreur(n), 0) << derniereBoite();
         }},
        {"the picker of command 92",
         [this](const std::string& texte, const std::vector<std::string>& noms) {
             relis(texte);
             const std::string avant = this->texte();
             supprimeParLePicker(noms);
             const std::string apres = this->texte();
             // Undo gives the lines back with the objects; redo takes them again.
             commande(93);
             EXPECT_EQ(this->texte(), avant);
             commande(122);
             EXPECT_EQ(this->texte(), apres);
         }},
        {"a line of the text being read",
         [this](const std::string& texte, const std::vector<std::string>& noms) {
             const std::size_t fin = texte.rfind("\r\n" + phrase(2245));
             ASSERT_NE(fin, std::string::npos);
             relis(texte.substr(0, fin) + "\r\n" + phrase(2311, joint(noms)) + texte.substr(fin));
         }},
    };
    figureDeTexte(kFigure);
    for (const int16_t langue : {1, 2, 3}) {
        for (const Route& route : routes) {
            for (const Cas& c : cas) {
                SCOPED_TRACE(std::to_string(langue) + ", " + route.quoi + ", " + joint(c.supprimes));
                KMappliqueLangue(1);
                refaitFigure(kFigure);
                KMappliqueLangue(langue);
                const std::string ecritDAbord = texte();
                ASSERT_EQ(occurrences(ecritDAbord, ligneDeListe("2", "K,L,M")), 1u) << ecritDAbord;
                route.supprime(ecritDAbord, c.supprimes);
                for (const std::string& nom : c.supprimes)
                    ASSERT_EQ(numero(nom), 0) << nom;

                const std::string ecrit = texte();
                for (const auto& [fois, liste] : c.lignes)
                    EXPECT_EQ(occurrences(ecrit, "\r\n" + ligneDeListe(fois, liste) + "\r\n"), 1u)
                        << ligneDeListe(fois, liste) << "\n"
                        << ecrit;
                // The start line of a key stays: a key is no object. The
                // phrases of both lines begin alike.
                const std::string modele = phraseDeNumero(2267);
                const std::string debut = modele.substr(0, modele.find("#1"));
                const std::string debutCommun = debut.substr(0, debut.find_last_not_of(' ') + 1);
                EXPECT_EQ(occurrences(ecrit, "\r\n" + debutCommun), c.lignes.size() + 1) << ecrit;
                EXPECT_EQ(KMVerifieTexteFigure(n), 0) << ecrit;

                const std::string fichier = (dossier / "figure.k3v").string();
                platform::boitesDemandees().clear();
                ASSERT_EQ(KMsauveFigure(n, fichier.c_str()), 0) << derniereBoite();
                const std::string sauve = contenuFichier(fichier);
                EXPECT_EQ(sauve, ecrit);
                const int16_t relue = KMCreeFigEtRenvoieNumero(hote, nullptr, sauve.c_str(), nullptr);
                ASSERT_GT(relue, 0);
                EXPECT_EQ(KMLigneEnErreur(relue), 0) << derniereBoite();
                EXPECT_EQ(texteDeBloc(KMTexteFigure(relue)), sauve);
                // The start lines run, as the library runs them once the
                // figure is made: what the commands left set, the rest keeps
                // its value.
                executeTexteFigureParNumero(relue);
                const TfigureKalmetra& g = *figureDeNumero(relue);
                for (const char* variable : {"a", "b", "c"}) {
                    if (numero(variable) == 0) continue;
                    const auto attendue = c.valeurs.find(variable);
                    const double valeur = valeurObjet(g, numeroObjetDeNotation(g, variable), 1);
                    if (attendue != c.valeurs.end())
                        EXPECT_EQ(valeur, attendue->second) << variable;
                    else
                        EXPECT_EQ(valeur, valeurObjet(fig(), numero(variable), 1)) << variable;
                }
                KMDetruitFigure(relue);
            }
        }
    }
    KMappliqueLangue(1);
}

} // namespace
} // namespace km32::essais
