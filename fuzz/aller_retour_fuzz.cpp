// The whole road of a figure text: read into a hosted figure, drawn,
// written back, and the written text read into a second figure. A text that
// fails leaves the first figure as it was (its objects and its written
// text). No written line passes the reader's 250 characters, the written
// text reads without a failing line, and the second reading must give the
// figure the first gave: the same objects, matched by name (name, kind,
// defined or not and why, values) and, written again, the same text. A
// figure that the save refuses as documented (a line or block that no form
// fits) is not written back. The same holds for the
// figure written with each of the three languages applied: each text has no
// line over 250 characters, reads back into the same figure and is written
// again the same; and a text that a save would write opens by its file name
// into the same figure. Any difference, crash or sanitizer report is a
// finding.
#include <algorithm>
#include <cstddef>
#include <cmath>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "hote_fuzz.h"
#include "model/figure.h"
#include "model/objets_figure.h"
#include "model/table_figures.h"
#include "phrases/phrase.h"
#include "sibling/table_partagee.h"
#include "text/ecriture_figure.h"
#include "text/langue_texte.h"
#include "text/prototypes_texte.h"

namespace {

using namespace km32;

// What the first figure holds before the text replaces it.
const char* const kDepart = "Figure Kalmetra\r\n"
                            "A point de coordonn\xE9"
                            "es (1,2,3) dans le rep\xE8re Rxyz\r\n"
                            "P point libre dans l'espace\r\n"
                            "S segment [AP]\r\n"
                            "Fin de la figure\r\n";

// The objects of figure numero, one line each: name, kind, reason undefined,
// in the order of their names. The writer puts key commands and text
// displays in their own blocks after the other objects, so a reading gives
// them back after those: objects are matched by name, not by place.
std::string signature(int16_t numero) {
    std::vector<std::string> lignes;
    const int32_t n = KMNombreObjets(numero);
    for (int32_t k = 1; k <= n; ++k)
        lignes.push_back(fuzz::texteDuBloc(KMNomObjetDeNumero(numero, k)) + ' ' +
                         std::to_string(KMNatureObjet(numero, k)) + ' ' +
                         std::to_string(KMRaisonObjetNonDefini(numero, k)));
    std::sort(lignes.begin(), lignes.end());
    std::string s;
    for (const std::string& l : lignes)
        s += l + '\n';
    return s;
}

// The first object of figure 1 whose values differ from those of the object
// of the same name in figure 2 (the written text keeps 11 significant
// digits, and what is computed from a value read back may move a little
// further), or 0.
int valeursDifferentes() {
    const TfigureKalmetra &a = *figureDeNumero(1), &b = *figureDeNumero(2);
    std::map<std::string, int> rangsB;
    for (int k = kObjetsPredefinis + 1; k <= b.nombreObjets; ++k)
        rangsB[fuzz::texteDuBloc(KMNomObjetDeNumero(2, k))] = k;
    for (int k = kObjetsPredefinis + 1; k <= a.nombreObjets; ++k) {
        const auto r = rangsB.find(fuzz::texteDuBloc(KMNomObjetDeNumero(1, k)));
        if (r == rangsB.end()) return k;
        const TObjetFigure &oa = objet(a, k), &ob = objet(b, r->second);
        if (oa.nonDefini || ob.nonDefini) continue;
        if (oa.nombreValeurs != ob.nombreValeurs) return k;
        for (int i = 1; i <= oa.nombreValeurs; ++i) {
            const double va = valeurObjet(a, k, i), vb = valeurObjet(b, r->second, i);
            if (std::isnan(va) && std::isnan(vb)) continue;
            if (!(std::fabs(va - vb) <= 1e-4 * (1 + std::fabs(va)))) return k;
        }
    }
    return 0;
}

// True when figure 1 has a line or a construction block that no written
// form keeps within the reader's limits, as the README documents (rename
// lines that lengthened a long sentence, a block read just under 5,000
// characters written longer): a save refuses it with EBADMSG naming it, and
// its written text is not expected to read back.
bool refusDocumente() {
    const TfigureKalmetra& f = *figureDeNumero(1);
    return objetAuxLignesIllisibles(f) != 0 || prototypeAuBlocIllisible(f) != nullptr;
}

// Applies langue as the applied and the asked-for language, as the
// language switch of a host does (a text read in another language comes
// back to it), without the self-check of the pattern order that the host's
// switch runs each time: that check takes most of an input's time and is
// the same at every switch.
void appliqueLangue(uint16_t langue) {
    TQTableDesVariablesPartagees()->langueDemandee = langue;
    changeLangue(langue);
}

// Checks the text ecrit written from the figure 1 (read from texte, whose
// objects are premiere), with the language applied that wrote it: the
// writer never writes a line that the reader refuses (the comment, after its
// heading line, is read whole and has no lines to check), and the text reads
// into figure 2 whole, as the same figure, which writes the same text.
void relisDansFigure2(const std::string& texte, const std::string& ecrit, const std::string& premiere) {
    const std::string commentaire = phraseDeNumero(2251);
    for (std::size_t debut = 0; debut <= ecrit.size();) {
        const std::size_t fin = std::min(ecrit.find("\r\n", debut), ecrit.size());
        if (ecrit.compare(debut, fin - debut, commentaire) == 0) break;
        if (fin - debut > 250)
            fuzz::echec("the written text holds a line of more than 250 characters", texte,
                        ecrit.substr(debut, fin - debut));
        debut = fin + 2;
    }

    platform::initialiseHasard(1);
    KMExecuterTexte(2, ecrit.c_str());
    if (KMLigneEnErreur(2) != 0)
        fuzz::echec(("the written text stops at its line " + std::to_string(KMLigneEnErreur(2))).c_str(),
                    texte, ecrit);
    KMRedessineBrutal(2);
    const std::string reecrit = fuzz::texteDeFigure(2);
    const std::string seconde = signature(2);
    platform::boitesDemandees().clear();

    if (premiere != seconde) fuzz::echec("the written text reads as another figure", premiere, seconde);
    if (ecrit != reecrit) fuzz::echec("the written text is written otherwise", ecrit, reecrit);
    if (const int k = valeursDifferentes())
        fuzz::echec(("the values of object " + std::to_string(k) + " differ once read back").c_str(), ecrit,
                    reecrit);
}

// A text that a save would write (the library's check of its text passes,
// and it is short enough for a figure file) opens by its file name, as a
// host opens a saved figure, into the figure that the same text gives read
// as a text: the two roads are one.
void ouvreCommeFichier(const std::string& texte, const std::string& ecrit) {
    if (ecrit.size() >= 65536 || KMVerifieTexteFigure(1) != 0) return;
    platform::initialiseHasard(1);
    KMExecuterTexte(2, ecrit.c_str());
    const std::string parTexte = signature(2);
    fuzz::ecritFichierPrive("relu.k3v", ecrit);
    platform::initialiseHasard(1);
    KMCreeFig(2, fuzz::nomDansRepertoirePrive("relu.k3v").c_str(), nullptr, nullptr);
    const int32_t ligne = KMLigneEnErreur(2);
    const std::string parFichier = signature(2);
    platform::boitesDemandees().clear();
    if (ligne != 0)
        fuzz::echec(
            ("a text that a save would write does not open as a file, at its line " + std::to_string(ligne))
                .c_str(),
            texte, ecrit);
    if (parTexte != parFichier) fuzz::echec("the saved file opens as another figure", parTexte, parFichier);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, std::size_t taille) {
    std::string texte(reinterpret_cast<const char*>(donnees), taille);
    // A host hands NUL-terminated texts: what follows a NUL never arrives.
    texte = texte.substr(0, texte.find('\0'));
    fuzz::recreeFigure(1, kDepart);
    fuzz::recreeFigure(2, "");
    const std::string avant = fuzz::texteDeFigure(1);
    const std::string objetsAvant = signature(1);

    platform::initialiseHasard(1);
    KMExecuterTexte(1, texte.c_str());
    KMRedessineBrutal(1);
    const std::string ecrit = fuzz::texteDeFigure(1);
    const std::string premiere = signature(1);
    if (KMLigneEnErreur(1) != 0) {
        if (premiere != objetsAvant)
            fuzz::echec("a text that fails changes the objects of the figure", objetsAvant, premiere);
        if (ecrit != avant) fuzz::echec("a text that fails changes the written figure", avant, ecrit);
    }

    // The text as written with French applied, then written with English
    // and German applied; French is applied again at the end, so that each
    // input starts from the same state.
    if (!refusDocumente()) {
        relisDansFigure2(texte, ecrit, premiere);
        ouvreCommeFichier(texte, ecrit);
    }
    for (const uint16_t langue : {2, 3}) {
        appliqueLangue(langue);
        if (refusDocumente()) continue;
        const std::string enLangue = fuzz::texteDeFigure(1);
        relisDansFigure2(texte, enLangue, premiere);
        ouvreCommeFichier(texte, enLangue);
    }
    appliqueLangue(1);
    return 0;
}
