// The whole road of a figure text: read into a hosted figure, drawn,
// written back, and the written text read into a second figure. A text that
// fails leaves the first figure as it was (its objects and its written
// text). No written line passes the reader's 250 characters, the written
// text reads without a failing line, and the second reading must give the
// figure the first gave: the same objects (name, kind, defined or not and
// why, values) and, written again, the same text. The same holds for the
// figure written with each of the three languages applied: each text has no
// line over 250 characters, reads back into the same figure and is written
// again the same; and a text that a save would write opens by its file name
// into the same figure. Any difference, crash or sanitizer report is a
// finding.
#include <algorithm>
#include <cstddef>
#include <cmath>
#include <cstdint>
#include <string>

#include "hote_fuzz.h"
#include "model/figure.h"
#include "model/objets_figure.h"
#include "model/table_figures.h"
#include "phrases/phrase.h"
#include "sibling/table_partagee.h"
#include "text/langue_texte.h"

namespace {

using namespace km32;

// What the first figure holds before the text replaces it.
const char* const kDepart = "Figure Kalmetra\r\n"
                            "A point de coordonn\xE9"
                            "es (1,2,3) dans le rep\xE8re Rxyz\r\n"
                            "P point libre dans l'espace\r\n"
                            "S segment [AP]\r\n"
                            "Fin de la figure\r\n";

// The objects of figure numero, one line each: name, kind, reason undefined.
std::string signature(int16_t numero) {
    std::string s;
    const int32_t n = KMNombreObjets(numero);
    for (int32_t k = 1; k <= n; ++k) {
        s += fuzz::texteDuBloc(KMNomObjetDeNumero(numero, k));
        s += ' ' + std::to_string(KMNatureObjet(numero, k));
        s += ' ' + std::to_string(KMRaisonObjetNonDefini(numero, k)) + '\n';
    }
    return s;
}

// The first object of a whose values differ from those of the same object
// of b (the written text keeps 11 significant digits, and what is computed
// from a value read back may move a little further), or 0.
int valeursDifferentes(const TfigureKalmetra& a, const TfigureKalmetra& b) {
    for (int k = kObjetsPredefinis + 1; k <= a.nombreObjets && k <= b.nombreObjets; ++k) {
        const TObjetFigure &oa = objet(a, k), &ob = objet(b, k);
        if (oa.nonDefini || ob.nonDefini) continue;
        if (oa.nombreValeurs != ob.nombreValeurs) return k;
        for (int i = 1; i <= oa.nombreValeurs; ++i) {
            const double va = valeurObjet(a, k, i), vb = valeurObjet(b, k, i);
            if (std::isnan(va) && std::isnan(vb)) continue;
            if (!(std::fabs(va - vb) <= 1e-4 * (1 + std::fabs(va)))) return k;
        }
    }
    return 0;
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
    if (const int k = valeursDifferentes(*figureDeNumero(1), *figureDeNumero(2)))
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
    relisDansFigure2(texte, ecrit, premiere);
    ouvreCommeFichier(texte, ecrit);
    for (const uint16_t langue : {2, 3}) {
        appliqueLangue(langue);
        const std::string enLangue = fuzz::texteDeFigure(1);
        relisDansFigure2(texte, enLangue, premiere);
        ouvreCommeFichier(texte, enLangue);
    }
    appliqueLangue(1);
    return 0;
}
