#include "text/sauvegarde_figure.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include "base/texte.h"
#include "model/fenetres_figure.h"
#include "model/messages.h"
#include "model/objets_figure.h"
#include "model/registre_figures.h"
#include "model/table_figures.h"
#include "phrases/phrase.h"
#include "platform/fichiers.h"
#include "sibling/table_partagee.h"
#include "sibling/textes_tq.h"
#include "text/ecriture_figure.h"
#include "text/prototypes_texte.h"
#include "text/relecture_texte.h"

namespace km32 {

EtatSauvegarde& etatSauvegarde() {
    static EtatSauvegarde e;
    return e;
}

void reinitialiseSauvegarde() {
    etatSauvegarde() = EtatSauvegarde{};
}

namespace {

// "The figure is too long to be saved..." (one of our own phrases).
constexpr uint16_t kPhraseFigureTropLonguePourFichier = 9961;
// Why a save failed, as our own phrases say it: "The disk is full...", "The
// file or its folder may not be written...", "The folder of the file does
// not exist...", "The name of the file is longer than 255 characters..." (the
// library's own refusal), "The name of the file, or of one of its folders,
// is too long for the file system...", "This name is a folder or not a plain
// file...", "The file would pass the largest size the system allows...", and
// for any other reason "The file could not be written (system error #1)."
constexpr uint16_t kPhraseDisquePlein = 9962;
constexpr uint16_t kPhraseEcritureInterdite = 9963;
constexpr uint16_t kPhraseDossierAbsent = 9964;
constexpr uint16_t kPhraseNomTropLong = 9965;
constexpr uint16_t kPhrasePasUnFichier = 9966;
constexpr uint16_t kPhraseEcritureImpossible = 9967;
constexpr uint16_t kPhraseNomTropLongPourLeSysteme = 9968;
constexpr uint16_t kPhraseFichierTropGrand = 9969;
// "The line that describes #1 would have more than 250 characters...: the
// file was not written."
constexpr uint16_t kPhraseLigneIllisible = 9973;
// "The block of the construction #1 would have 5,000 characters or more...:
// the file was not written."
constexpr uint16_t kPhraseBlocIllisible = 9974;
// "Line #1 of the text written would not read back as it is: the file was
// not written."
constexpr uint16_t kPhraseTexteNonRelu = 9975;

// The library's own code for a figure text too long for a figure file: a
// number no file call gives, so that it is never taken for the system's
// file-size limit (EFBIG).
constexpr int kTexteTropLong = EMSGSIZE;
// Its code for a figure with a line the reader would refuse.
constexpr int kLigneIllisible = EBADMSG;

// The phrase that says why a save failed, by system error.
struct RaisonEchec {
    int erreur;
    uint16_t phrase;
};
constexpr RaisonEchec kRaisonsEchec[] = {
    {ENOSPC, kPhraseDisquePlein},
    {EDQUOT, kPhraseDisquePlein},
    {EACCES, kPhraseEcritureInterdite},
    {EPERM, kPhraseEcritureInterdite},
    {EROFS, kPhraseEcritureInterdite},
    {ENOENT, kPhraseDossierAbsent},
    {ENOTDIR, kPhraseDossierAbsent},
    {ENAMETOOLONG, kPhraseNomTropLongPourLeSysteme},
    {EISDIR, kPhrasePasUnFichier},
    {EINVAL, kPhrasePasUnFichier},
    {EFBIG, kPhraseFichierTropGrand},
    {kTexteTropLong, kPhraseFigureTropLonguePourFichier},
    {kLigneIllisible, kPhraseLigneIllisible},
};

// Folders end at a backslash, and on this platform at a slash too.
constexpr const char* kSeparateurs = "\\/";

// Notes why a save failed and gives its result: refusee when the library
// refused it itself, before any file call.
int echec(int erreur, bool refusee = false, std::string objet = {}, uint16_t phrase = 0) {
    etatSauvegarde() = EtatSauvegarde{erreur, refusee, std::move(objet), phrase};
    return 1;
}

void fixeDernierRepertoire(std::string_view repertoire) {
    uint8_t* champ = TQTableDesVariablesPartagees()->dernierRepertoire;
    const std::size_t n = std::min<std::size_t>(repertoire.size(), 255);
    champ[0] = uint8_t(n);
    std::memcpy(champ + 1, repertoire.data(), n);
}

} // namespace

int enregistreTexteFigure(std::string_view nomFichier, const TfigureKalmetra& f) {
    const std::string texte = ecritTexteFigure(f);
    // A text with a NUL inside could not be read back whole: not written.
    if (texte.find('\0') != std::string::npos) return echec(EINVAL);
    // Nor could a text the figure-file reader refuses for its length; the
    // user is told, and the old file stays as it was.
    if (texte.size() >= kTailleMaxFichierFigure) {
        echec(kTexteTropLong, true);
        afficheMessage(phraseDeNumero(kPhraseFigureTropLonguePourFichier), std::string(nomFichier));
        return 1;
    }
    // A figure read from a text whose rename lines lengthened the names of
    // a long line may need a line that no form of it keeps within the
    // reader's 250 characters: the file would not read back past it. The
    // user is told which object, and the old file stays as it was.
    if (const int i = objetAuxLignesIllisibles(f)) {
        const std::string nom = nomObjetNotation(f, i);
        echec(kLigneIllisible, true, nom);
        afficheMessage(phraseAvecParametres(kPhraseLigneIllisible, nom), std::string(nomFichier));
        return 1;
    }
    // The same for a construction block that no form keeps under the
    // reader's 5,000 characters.
    if (const TPrototype* p = prototypeAuBlocIllisible(f)) {
        echec(kLigneIllisible, true, p->titre, kPhraseBlocIllisible);
        afficheMessage(phraseAvecParametres(kPhraseBlocIllisible, p->titre), std::string(nomFichier));
        return 1;
    }
    // The net under every other fault of the writer: the text is read back
    // into a throw-away figure, which must write the same text.
    // A reading that stops on a fault of its own does not read back either
    // (its first line is named).
    uint16_t ligne = 1;
    try {
        ligne = ligneNonRelue(texte);
    } catch (...) {
        ligne = 1;
    }
    if (ligne != 0) {
        // The reason is noted before the message is shown: a host that asks
        // for it while the message is up gets it too.
        const std::string numero = std::to_string(ligne);
        echec(kLigneIllisible, true, numero, kPhraseTexteNonRelu);
        afficheMessage(phraseAvecParametres(kPhraseTexteNonRelu, numero), std::string(nomFichier));
        return 1;
    }
    if (nomFichier.empty()) return echec(ENOENT, true);
    if (nomFichier.size() > kLongueurMaxNomFichier) return echec(ENAMETOOLONG, true);
    if (!TQEnregistreTexte(texte.c_str(), nomFichier)) return echec(platform::erreurDerniereEcriture());
    etatSauvegarde() = EtatSauvegarde{};
    if (figureSansHote(f)) {
        const std::size_t barre = nomFichier.find_last_of(kSeparateurs);
        // A name without folder leaves the last save directory as it was.
        if (barre != std::string_view::npos) fixeDernierRepertoire(nomFichier.substr(0, barre + 1));
    }
    return 0;
}

std::string nomNuDeFichier(std::string_view nomFichier) {
    std::string nom(nomFichier);
    // Without a point in the file's own name there is no extension to take
    // off: a point in a folder name is not one.
    const std::size_t point = nom.find_last_of('.');
    const std::size_t dossier = nom.find_last_of(kSeparateurs);
    if (point != std::string::npos && (dossier == std::string::npos || point > dossier)) nom.erase(point);
    const std::size_t deuxPoints = nom.find(':');
    if (deuxPoints != std::string::npos) nom.erase(0, deuxPoints + 1);
    const std::size_t barre = nom.find_last_of(kSeparateurs);
    if (barre != std::string::npos) nom.erase(0, barre + 1);
    return nom;
}

int sauveFigure(int16_t numero, std::string_view nomFichier) {
    if (!figureExiste(numero)) return 1;
    if (nomFichier.size() > kLongueurMaxNomFichier) return echec(ENAMETOOLONG, true);
    TfigureKalmetra& f = *figureDeNumero(numero);
    const std::string nom(nomFichier);
    const int resultat = enregistreTexteFigure(nom, f);
    if (resultat != 0) return resultat;
    f.cheminFichier = nom;
    const std::string nu = nomNuDeFichier(nom);
    f.titreFenetre = coupe(nu + " : ", 80);
    f.nomFigure = coupe(nu, 80);
    f.modifiee = 0;
    return 0;
}

int erreurDerniereSauvegarde() {
    return etatSauvegarde().erreur;
}

std::string texteErreurSauvegarde() {
    const EtatSauvegarde& e = etatSauvegarde();
    if (e.erreur == 0) return {};
    if (e.refusee && e.erreur == ENAMETOOLONG) return phraseDeNumero(kPhraseNomTropLong);
    if (e.phrase != 0) return phraseAvecParametres(e.phrase, e.objet);
    for (const RaisonEchec& r : kRaisonsEchec)
        if (r.erreur == e.erreur) return phraseAvecParametres(r.phrase, e.objet);
    // The number and the system's own words (in the C library's language).
    std::string texte = phraseDeNumero(kPhraseEcritureImpossible);
    const std::size_t p = texte.find("#1");
    if (p != std::string::npos)
        texte.replace(p, 2, std::to_string(e.erreur) + ": " + windows1252DeUtf8(std::strerror(e.erreur)));
    return texte;
}

int figureModifiee(int16_t numero) {
    if (!figureExiste(numero)) return 0;
    return figureDeNumero(numero)->modifiee != 0 ? 1 : 0;
}

} // namespace km32
