// Undo and redo at the limits of a figure file, through the C interface: a
// snapshot whose text a file reader would refuse (a construction block
// written past 5,000 characters in the language applied) still gives back
// exactly the figure it was taken of; a figure whose text cannot be read
// back (a line that renames lengthened past what any line holds) comes back
// from the copy kept beside its text. Also a seeded property
// test over random edits in each language: after every step, undo then
// redo give back exactly the texts before and after, and a refused edit
// names its reason and changes nothing.
#include <map>
#include <random>
#include <string>
#include <vector>

#include "../host/banc_hote.h"
#include "bloc_rempli.h"
#include "model/prototypes/prototypes.h"
#include "platform/boites.h"
#include "text/annulation.h"
#include "texte_noms_allonges.h"

namespace km32::essais {
namespace {

void commande(int16_t n, uint32_t c) {
    KMMessage m{platform::WM_COMMAND, c, 0, 0};
    traiteMessageKMParNumero(n, &m);
}
void annule(int16_t n) {
    commande(n, 93);
}
void refait(int16_t n) {
    commande(n, 122);
}

// A French figure whose construction block reads at `longueur` characters:
// a given number and a hundred number lines inside (each written longer in
// its coded form), then points and a use of the construction.
std::string figureAuBloc(std::size_t longueur) {
    std::string corps = "D\xE9"
                        "but de [T]\r\nx r\xE9"
                        "el donn\xE9\r\n";
    for (int k = 0; k < 100; ++k)
        corps += "v" + std::to_string(100 + k) + " = 1\r\n";
    corps += "y = x+1\r\nDescription de l'interface\r\ny suivant de x\r\nNombre:\r\nNom:\r\n";
    return "Figure Kalmetra\r\n" + blocRempli(corps, "Fin de [T]", longueur) +
           "\r\nP point de coordonn\xE9"
           "es (1,2,3) dans le rep\xE8re Rxyz\r\nQ point de coordonn\xE9"
           "es (0,0,0) dans le rep\xE8re Rxyz\r\na = 2\r\nb suivant de a\r\n";
}

class AnnulationLimites : public BancHote {
  protected:
    std::string texte(int16_t n) { return texteDeBloc(KMTexteFigure(n)); }
    int prototypes(int16_t n) {
        const TfigureKalmetra& f = figure(n);
        int k = 0;
        if (f.tableDesPrototypes)
            for (const auto& p : f.tableDesPrototypes->prototypes)
                k += p != nullptr;
        return k;
    }
};

// The block reads at 4,990 characters in French; with German applied it is
// written past 5,000. Whether the change is one line (its undo snapshot
// taken as a host command takes it) or a whole text replacing the figure,
// undo gives back the figure whole (17 objects and the construction) and
// redo the changed one, in the text of each.
TEST_F(AnnulationLimites, AFigureWhoseBlockIsWrittenPastTheFileLimitComesBackWhole) {
    for (const bool parTexte : {false, true}) {
        SCOPED_TRACE(parTexte);
        KMappliqueLangue(1);
        const std::string lu = figureAuBloc(4990);
        const int16_t n = KMCreeFigEtRenvoieNumero(hote, nullptr, lu.c_str(), nullptr);
        ASSERT_GT(n, 0);
        ASSERT_EQ(KMLigneEnErreur(n), 0);
        ASSERT_EQ(KMNombreObjets(n), 17);
        ASSERT_EQ(prototypes(n), 1);
        KMappliqueLangue(3);
        const std::string avant = texte(n);
        ASSERT_GT(avant.size(), lu.size()); // the block is written longer
        if (parTexte) {
            KMExecuterTexte(n, (lu + "u = 3\r\n").c_str());
        } else {
            ASSERT_TRUE(prendInstantanePourAnnuler(figure(n), figure(n)));
            KMExecuteLigneFig(n, "u = 3");
        }
        ASSERT_EQ(KMLigneEnErreur(n), 0);
        ASSERT_EQ(KMNombreObjets(n), 18);
        const std::string apres = texte(n);
        platform::boitesDemandees().clear();
        annule(n);
        EXPECT_TRUE(platform::boitesDemandees().empty());
        EXPECT_EQ(KMNombreObjets(n), 17);
        EXPECT_EQ(prototypes(n), 1);
        EXPECT_EQ(texte(n), avant);
        refait(n);
        EXPECT_EQ(KMNombreObjets(n), 18);
        EXPECT_EQ(prototypes(n), 1);
        EXPECT_EQ(texte(n), apres);
        KMDetruitFigure(n);
    }
    KMappliqueLangue(1);
}

// Renames lengthened a line past what any line of a text holds: the text of
// the figure does not read back, and its undo state is the copy kept beside
// it. Whether the change is a line, a whole text replacing the figure or a
// rename that shortens the long line, undo gives back the figure whole (34
// objects, the same text) and redo the changed one; no message is shown.
TEST_F(AnnulationLimites, AFigureNoTextHoldsComesBackWholeFromEveryEdit) {
    struct Cas {
        const char* edition;
        bool texteEntier;
        int objetsApres;
    };
    const Cas cas[] = {
        {"zz = 2", false, 35},
        {"Figure Kalmetra\r\nzz = 2\r\nFin de la figure", true, 14},
        {"Renommer axyz bxyz: a b", false, 34},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.edition);
        const std::string lu = texteAuxNomsAllonges(4);
        const int16_t n = KMCreeFigEtRenvoieNumero(hote, nullptr, lu.c_str(), nullptr);
        ASSERT_GT(n, 0);
        ASSERT_EQ(KMLigneEnErreur(n), 0);
        ASSERT_EQ(KMNombreObjets(n), 34);
        const std::string avant = texte(n);
        platform::boitesDemandees().clear();
        if (c.texteEntier) {
            KMExecuterTexte(n, c.edition);
        } else {
            ASSERT_TRUE(prendInstantanePourAnnuler(figure(n), figure(n)));
            KMExecuteLigneFig(n, c.edition);
        }
        ASSERT_EQ(KMLigneEnErreur(n), 0);
        EXPECT_EQ(KMNombreObjets(n), c.objetsApres);
        const std::string apres = texte(n);
        annule(n);
        EXPECT_EQ(KMNombreObjets(n), 34);
        EXPECT_EQ(texte(n), avant);
        refait(n);
        EXPECT_EQ(KMNombreObjets(n), c.objetsApres);
        EXPECT_EQ(texte(n), apres);
        annule(n);
        EXPECT_EQ(texte(n), avant);
        EXPECT_TRUE(platform::boitesDemandees().empty()) << platform::boitesDemandees().front().texte;
        KMDetruitFigure(n);
    }
}

// A rename is judged by what it does to the lines: one that shortens the
// line already too long, or leaves it as long, is made; one that lengthens
// it, or takes a line that fits past the limit, is refused with the line
// named and changes nothing.
TEST_F(AnnulationLimites, ARenameIsRefusedForLengthOnlyWhenItLengthensALinePastTheLimit) {
    struct Cas {
        int lettres; // of the names the figure was read with
        const char* renommage;
        bool refuse;
    };
    const Cas cas[] = {
        {4, "Renommer axyz: a", false},
        {4, "Renommer axyz bxyz c1xy: a b c", false},
        {4, "Renommer axyz: zzzz", false},
        {4, "Renommer axyz bxyz: a bbbb", false},
        {3,
         "Renommer axy bxy cxy dxy exy fxy gxy hxy lxy mxy nxy pxy qxy rxy txy uxy vxy wxy sxy c1x: "
         "axyz bxyz cxyz dxyz exyz fxyz gxyz hxyz lxyz mxyz nxyz pxyz qxyz rxyz txyz uxyz vxyz wxyz sxyz "
         "c1xy",
         true},
        {3, "Renommer axy: axyz", false},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.renommage);
        const int16_t n =
            KMCreeFigEtRenvoieNumero(hote, nullptr, texteAuxNomsAllonges(c.lettres).c_str(), nullptr);
        ASSERT_GT(n, 0);
        ASSERT_EQ(KMLigneEnErreur(n), 0);
        const std::string avant = texte(n);
        platform::boitesDemandees().clear();
        KMExecuteLigneFig(n, c.renommage);
        if (c.refuse) {
            EXPECT_EQ(KMLigneEnErreur(n), 1);
            EXPECT_EQ(texte(n), avant);
            ASSERT_FALSE(platform::boitesDemandees().empty());
            EXPECT_NE(platform::boitesDemandees()[0].texte.find("r0"), std::string::npos);
        } else {
            EXPECT_EQ(KMLigneEnErreur(n), 0);
            EXPECT_NE(texte(n), avant);
        }
        KMDetruitFigure(n);
    }
}

// Random edits in each language. Each step takes its undo snapshot as a
// host command does, then changes the figure: a creation, a redefinition
// of a free object or number, a rename, a command holding values and a line
// giving them, a prototype block (some read near 5,000 characters) given
// as a whole text, a line that uses it; between steps the language applied
// changes. After every step: undo gives back exactly the text before, redo
// exactly the text after; a refused step named its reason in a message and
// changed nothing. Left out of the generator for now (other work mends
// them): lines that renames lengthen past 250 characters.
class Generateur {
  public:
    explicit Generateur(uint32_t graine) : hasard_(graine) {}
    int entier(int a, int b) { return std::uniform_int_distribution<int>(a, b)(hasard_); }
    std::string reel() { return std::to_string(entier(-90, 90) / 10.0).substr(0, 5); }
    template <class T> const T& choix(const std::vector<T>& v) {
        return v[std::size_t(entier(0, int(v.size()) - 1))];
    }

    // The next edit: a line, or a whole text (starting with "Figure") that
    // replaces the figure, given its French text.
    std::string edition(const std::string& texteFrancais) {
        for (;;) {
            switch (entier(0, 9)) {
            case 0:
            case 1: {
                const std::string p = nouveau('P');
                points_.push_back(p);
                return p + " point de coordonn\xE9" + "es (" + reel() + "," + reel() + "," + reel() +
                       ") dans le rep\xE8re Rxyz";
            }
            case 2:
                if (points_.size() < 2) break;
                points_.push_back(nouveau('M'));
                return points_.back() + " milieu du segment [" + choix(points_) + choix(points_) + "]";
            case 3: {
                if (!nombres_.empty() && entier(0, 1))
                    return choix(nombres_) + " = " + reel(); // redefinition
                nombres_.push_back(nouveau('x'));
                return nombres_.back() + " = " + reel();
            }
            case 4: {
                if (libres_.empty() || entier(0, 2) == 0) {
                    libres_.push_back(nouveau('L'));
                    return libres_.back() + " point libre dans l'espace";
                }
                // A redefinition between free constructions, also of a point
                // a memorised position holds (it takes the point's new place).
                if (points_.size() < 2) break;
                const std::string l = choix(libres_);
                return l + (entier(0, 1) ? " point libre sur le segment [" + points_[0] + points_[1] + "]"
                                         : std::string(" point libre dans l'espace"));
            }
            case 5: {
                if (libres_.empty()) break;
                const std::string l = choix(libres_);
                if (std::find(tenus_.begin(), tenus_.end(), l) != tenus_.end() || estSurSegment(l)) break;
                tenus_.push_back(l);
                commandes_.push_back(nouveau('K'));
                return commandes_.back() + " (touche " + char('a' + entier(0, 25)) +
                       ") position m\xE9moris\xE9" + "e de " + l;
            }
            case 6:
                if (commandes_.empty()) break;
                return "Param\xE8tres pour " + choix(commandes_) + ": " + reel() + ", " + reel() + ", " +
                       reel();
            case 7: {
                std::vector<std::string>* listes[] = {&points_, &nombres_};
                std::vector<std::string>& l = *listes[entier(0, 1)];
                if (l.empty()) break;
                std::string& nom = l[std::size_t(entier(0, int(l.size()) - 1))];
                const std::string nouveauNom = nouveau(nom[0]);
                const std::string r = "Renommer " + nom + ": " + nouveauNom;
                nom = nouveauNom;
                return r;
            }
            case 8: {
                if (prototype_) break;
                prototype_ = true;
                std::string corps = "D\xE9"
                                    "but de [S]\r\nx r\xE9"
                                    "el donn\xE9\r\n";
                for (int k = 0; k < entier(0, 100); ++k)
                    corps += "v" + std::to_string(100 + k) + " = 1\r\n";
                corps += "y = x+1\r\nDescription de l'interface\r\ny suivant de x\r\nNombre:\r\nNom:\r\n";
                const std::size_t longueur =
                    entier(0, 1) ? std::size_t(entier(4900, 4995)) : corps.size() + 40;
                const std::size_t fin = texteFrancais.rfind("Fin de la figure");
                return texteFrancais.substr(0, fin) + blocRempli(corps, "Fin de [S]", longueur) + "\r\n";
            }
            case 9:
                if (!prototype_ || nombres_.empty()) break;
                // Now and then a redefinition through the construction,
                // refused when the number would come from itself.
                if (entier(0, 2) == 0) return choix(nombres_) + " suivant de " + choix(nombres_);
                nombres_.push_back(nouveau('s'));
                return nombres_.back() + " suivant de " + choix(nombres_);
            }
        }
    }
    // The edit ran: it stays as the generator believed; refused, the names
    // it made are forgotten again on the next call (they stay unused).
    void refuse(const std::string& edition) {
        if (edition.rfind("Figure", 0) == 0) prototype_ = false;
    }

  private:
    std::string nouveau(char lettre) { return std::string(1, lettre) + std::to_string(++compteur_); }
    bool estSurSegment(const std::string&) const { return false; }
    std::mt19937 hasard_;
    int compteur_ = 0;
    bool prototype_ = false;
    std::vector<std::string> points_, nombres_, libres_, commandes_, tenus_;
};

TEST_F(AnnulationLimites, RandomEditsUndoAndRedoExactlyInEachLanguage) {
    int refusees = 0, acceptees = 0;
    std::map<std::string, int> raisons;
    for (const int16_t langueDepart : {1, 2, 3}) {
        SCOPED_TRACE(langueDepart);
        Generateur g(uint32_t(20261211 + langueDepart));
        KMappliqueLangue(langueDepart);
        const int16_t n = KMCreeFigEtRenvoieNumero(hote, nullptr, "", nullptr);
        ASSERT_GT(n, 0);
        for (int pas = 0; pas < 60; ++pas) {
            // The texts are compared in the language of the step; the edit
            // (French words) runs with French applied, its snapshot written
            // in the language applied then.
            const int16_t langue = int16_t(g.entier(0, 2) == 0 ? langueDepart : g.entier(1, 3));
            KMappliqueLangue(1);
            const std::string francais = texte(n);
            const std::string edition = g.edition(francais);
            SCOPED_TRACE(std::to_string(pas) + " (" + std::to_string(langue) + "): " + edition);
            KMappliqueLangue(langue);
            const std::string avant = texte(n);
            platform::boitesDemandees().clear();
            KMappliqueLangue(int16_t(g.entier(1, 3)));
            if (edition.rfind("Figure", 0) == 0) {
                KMExecuterTexte(n, edition.c_str());
            } else {
                ASSERT_TRUE(prendInstantanePourAnnuler(figure(n), figure(n)));
                KMappliqueLangue(1);
                KMExecuteLigneFig(n, edition.c_str());
            }
            KMappliqueLangue(langue);
            const std::string apres = texte(n);
            if (KMLigneEnErreur(n) != 0 || apres == avant) {
                // Refused: its reason was shown, and nothing changed.
                if (KMLigneEnErreur(n) != 0) {
                    ++refusees;
                    EXPECT_FALSE(platform::boitesDemandees().empty());
                    if (!platform::boitesDemandees().empty())
                        raisons[platform::boitesDemandees().back().texte]++;
                }
                EXPECT_EQ(apres, avant);
                g.refuse(edition);
                if (edition.rfind("Figure", 0) != 0) annule(n); // the snapshot taken for nothing
                EXPECT_EQ(texte(n), avant);
                continue;
            }
            ++acceptees;
            platform::boitesDemandees().clear();
            annule(n);
            EXPECT_EQ(texte(n), avant);
            refait(n);
            EXPECT_EQ(texte(n), apres);
            EXPECT_TRUE(platform::boitesDemandees().empty()) << platform::boitesDemandees().front().texte;
        }
        KMDetruitFigure(n);
    }
    KMappliqueLangue(1);
    EXPECT_GT(acceptees, 100);
    std::printf("acceptees %d refusees %d\n", acceptees, refusees);
    for (auto& [r, k] : raisons)
        std::printf("%d %s\n", k, r.c_str());
}

} // namespace
} // namespace km32::essais
