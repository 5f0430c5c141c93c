#include "affichage_figure.h"

#include <algorithm>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "aide_show.h"
#include "encodage.h"
#include "km32.h"
#include "textes_cli.h"
#include "textes_show.h"

namespace km32cli {

namespace {

constexpr uint32_t kWmMove = 0x0003;
constexpr uint32_t kWmSize = 0x0005;
constexpr uint32_t kWmClose = 0x0010;
constexpr uint32_t kWmKeyUp = 0x0101;
constexpr uint32_t kWmCommand = 0x0111;
constexpr uint32_t kWmLButtonDown = 0x0201;
constexpr uint32_t kWmRButtonDown = 0x0204;
constexpr uint32_t kAvisFigureModifiee = 1025;
constexpr uint32_t kCommandeDefaire = 93;
constexpr uint32_t kCommandeRefaire = 122;
// The library's message boxes: an error icon, and what Alerte answers.
constexpr uint32_t kIconeErreur = 0x10;
constexpr int16_t kPremierBouton = 1, kDeuxiemeBouton = 2;
// The longest file name the library keeps whole.
constexpr std::size_t kLongueurMaxNom = 255;

// What a file was when the figure last read or wrote it, to see that
// another program changed it since.
struct EtatFichier {
    bool existe = false;
    dev_t peripherique = 0;
    ino_t inode = 0;
    off_t taille = 0;
    timespec modification{};
    bool operator==(const EtatFichier& e) const {
        return existe == e.existe && peripherique == e.peripherique && inode == e.inode &&
               taille == e.taille && modification.tv_sec == e.modification.tv_sec &&
               modification.tv_nsec == e.modification.tv_nsec;
    }
};

EtatFichier etatFichier(const std::string& chemin) {
    struct stat s {};
    EtatFichier e;
    if (::stat(chemin.c_str(), &s) != 0) return e;
    e.existe = true;
    e.peripherique = s.st_dev;
    e.inode = s.st_ino;
    e.taille = s.st_size;
    e.modification = s.st_mtim;
    return e;
}

struct Session {
    uint32_t fenetre = 0;
    int16_t figure = 0;
    int langue = 1;
    std::string chemin;     // the file, as the system names it (UTF-8 as given)
    bool marque = false;    // the caption shows the modified mark
    std::string texteSauve; // the figure's text as last read or saved
    EtatFichier surDisque;  // the file as last read or saved
};

Session& session() {
    static Session s;
    return s;
}

const char* tr(TexteShow t) {
    return texteShow(t, session().langue);
}

// The file's own name, without its folders: what the caption and the
// questions show.
// In UTF-8 as the file system gives it; a name whose bytes are not UTF-8 is
// read as Windows-1252 ("caf\xE9" shows "café").
std::string nomDuFichier(const std::string& chemin) {
    const std::size_t barre = chemin.find_last_of('/');
    const std::string nom = barre == std::string::npos ? chemin : chemin.substr(barre + 1);
    const bool ascii = std::all_of(nom.begin(), nom.end(), [](char c) { return (unsigned char)c < 0x80; });
    return ascii || estUtf8NonAscii(nom) ? nom : utf8DeWindows1252(windows1252DeUtf8(nom));
}

// The caption: the file's name, with a star while the library says the
// figure has changes that are not saved.
void metAJourTitre() {
    Session& s = session();
    s.marque = KMfigureModifiee(s.figure) != 0;
    // In the file's own characters, whatever the library's can hold.
    const std::string titre = "km32 - " + nomDuFichier(s.chemin) + (s.marque ? " *" : "");
    KMChangeTitreFenetreHoteUtf8(s.fenetre, titre.c_str());
}

// The library tells of every change of the figure's modified flag.
void avisModification(int16_t numero, int32_t) {
    if (numero == session().figure) metAJourTitre();
}

std::string texteFigure() {
    const uint32_t bloc = KMTexteFigure(session().figure);
    const char* c = bloc ? KMContenuBloc(bloc) : nullptr;
    std::string t = c ? c : "";
    if (bloc) KMLibereBloc(bloc);
    return t;
}

// A question in the figure's language with the buttons given (two or
// three; the last one is the answer of Escape): the rank of the button
// chosen, from 1.
// The texts go in UTF-8: a file's name shows in its own characters.
int16_t question(const std::string& texte, TexteShow b1, TexteShow b2, const char* b3 = nullptr) {
    return KMQuestionHoteUtf8(texte.c_str(), "km32", 0, tr(b1), tr(b2), b3);
}

// Why writing the file failed: the system's error the library met, else
// what the file and its folder show (a folder that is missing or closed to
// writing, a read-only file, a name too long).
int raisonEchec(const std::string& chemin, int erreurSauvegarde) {
    if (erreurSauvegarde != 0) return erreurSauvegarde;
    if (windows1252DeUtf8(chemin).size() > kLongueurMaxNom) return ENAMETOOLONG;
    const std::size_t barre = chemin.find_last_of('/');
    const std::string dossier = barre == std::string::npos ? "." : barre == 0 ? "/" : chemin.substr(0, barre);
    struct stat s {};
    if (::stat(dossier.c_str(), &s) != 0) return errno;
    if (!S_ISDIR(s.st_mode)) return ENOTDIR;
    if (::access(dossier.c_str(), W_OK) != 0) return errno;
    if (::stat(chemin.c_str(), &s) == 0) {
        if (S_ISDIR(s.st_mode)) return EISDIR;
        if ((s.st_mode & 0222) == 0) return EACCES;
        if (::access(chemin.c_str(), W_OK) != 0) return errno;
    }
    return 0;
}

// Before writing over the figure's own file: a file another program changed
// since the figure read or saved it is written over only when the user says so.
bool ecrasementAccepte(const std::string& chemin) {
    Session& s = session();
    if (chemin != s.chemin || !s.surDisque.existe) return true;
    const EtatFichier maintenant = etatFichier(chemin);
    if (!maintenant.existe || maintenant == s.surDisque) return true;
    return question(texteShowAvec(TexteShow::FichierChangeSurDisque, s.langue, nomDuFichier(chemin)),
                    TexteShow::EnregistrerQuandMeme, TexteShow::Annuler) == kPremierBouton;
}

// True when the path can be handed to the library as it is: its library
// characters (Windows-1252) lead back to the same bytes. A name in another
// script ("漢字.k3v" would become "??.k3v") or a byte that is not UTF-8
// would name another file.
bool cheminRepresentable(const std::string& chemin) {
    return utf8DeWindows1252(windows1252DeUtf8(chemin)) == chemin;
}

// Saves into the file (a path as the system names it); the figure then
// belongs to it and the caption follows. A save that fails says why and
// leaves the figure modified; a path the library cannot name is refused
// before anything is written. False when nothing was written.
bool sauveDans(const std::string& chemin) {
    Session& s = session();
    if (!cheminRepresentable(chemin)) {
        KMQuestionHoteUtf8(tr(TexteShow::NomHorsWindows1252), "km32", kIconeErreur, nullptr, nullptr,
                           nullptr);
        return false;
    }
    if (!ecrasementAccepte(chemin)) return false;
    const int32_t resultat = KMsauveFigure(s.figure, windows1252DeUtf8(chemin).c_str());
    const int erreur = KMErreurSauvegarde();
    if (resultat != 0) {
        const std::string texte =
            texteShowAvec(TexteShow::EnregistrementEchoue, s.langue, nomDuFichier(chemin)) +
            raisonErreurSysteme(raisonEchec(chemin, erreur), s.langue) + ".";
        KMQuestionHoteUtf8(texte.c_str(), "km32", kIconeErreur, nullptr, nullptr, nullptr);
        metAJourTitre();
        return false;
    }
    s.chemin = chemin;
    s.texteSauve = texteFigure();
    s.surDisque = etatFichier(chemin);
    metAJourTitre();
    return true;
}

// Ctrl+Shift+S: the save dialog, on the figure's file; the figure then
// belongs to the file chosen.
void sauveSous() {
    Session& s = session();
    char chemin[1024] = {};
    // The file's own name is proposed in its own characters; the dialog
    // refuses a name the library cannot hold, and sauveDans refuses it too.
    const std::string filtre = windows1252DeUtf8(tr(TexteShow::FiltreFigures));
    if (KMDialogueEnregistrerHoteUtf8(tr(TexteShow::TitreEnregistrerSous), filtre.c_str(), s.chemin.c_str(),
                                      chemin, int32_t(sizeof chemin)) == 1)
        sauveDans(chemin);
}

// Whether the figure may go (the window closes): an editor holding text not
// applied asks first (Yes loses it), then a figure with unsaved changes
// (Yes saves, No drops the changes, Cancel keeps the window).
bool fermetureAcceptee() {
    Session& s = session();
    if (const int32_t editeur = KMTexteNonApplique(s.figure); editeur != 0) {
        const TexteShow q = editeur == 2 ? TexteShow::CommentaireNonApplique : TexteShow::EditeurNonApplique;
        if (question(tr(q), TexteShow::Oui, TexteShow::Non) != kPremierBouton) return false;
    }
    // Whatever the figure's flag says, what counts is a text that differs
    // from the file's.
    if (texteFigure() == s.texteSauve) return true;
    switch (question(texteShowAvec(TexteShow::QuestionEnregistrer, s.langue, nomDuFichier(s.chemin)),
                     TexteShow::Oui, TexteShow::Non, tr(TexteShow::Annuler))) {
    case kPremierBouton:
        return sauveDans(s.chemin);
    case kDeuxiemeBouton:
        return true;
    default:
        return false;
    }
}

void ferme() {
    if (fermetureAcceptee()) KMQuitteBoucleFenetres();
}

void commande(uint32_t numero) {
    KMMessage m{kWmCommand, numero, 0, 0};
    traiteMessageKMParNumero(session().figure, &m);
}

// The host's keys, offered before the figure takes them: Ctrl+S saves into
// the figure's file, Ctrl+Shift+S into another, Ctrl+Z undoes, Ctrl+Y and
// Ctrl+Shift+Z redo, Ctrl+Q closes.
int32_t toucheHote(uint32_t touche, bool maj) {
    Session& s = session();
    switch (touche) {
    case 'S':
        if (maj)
            sauveSous();
        else
            sauveDans(s.chemin);
        return 1;
    case 'Z':
        commande(maj ? kCommandeRefaire : kCommandeDefaire);
        metAJourTitre();
        return 1;
    case 'Y':
        commande(kCommandeRefaire);
        metAJourTitre();
        return 1;
    case 'Q':
        ferme();
        return 1;
    default:
        return 0;
    }
}

// The figure's own window laid over the host window takes the mouse and the
// keys: the first press on a point takes the point.
void activeFigure() {
    KMExecuteLigneFigEtRedessine(session().figure, "Activer la figure");
}

int32_t procedureHote(uint32_t, uint32_t message, uint32_t wParam, int32_t lParam) {
    Session& s = session();
    if (s.figure <= 0) return 0;
    const float x = float(int16_t(uint32_t(lParam) & 0xFFFF)), y = float(int16_t(uint32_t(lParam) >> 16));
    switch (message) {
    case kWmMove:
    case kWmSize:
        // The window is the figure's alone: the figure follows it and stays
        // active, so that a press always reaches the figure itself.
        KMSize(s.figure, 0);
        activeFigure();
        return 0;
    case kWmLButtonDown:
    case kWmRButtonDown:
        // The figure lay inactive (a box took the window away): a click
        // activates it.
        KMMouseDown(s.figure, message == kWmLButtonDown ? 1 : 2, 0, x, y);
        return 0;
    case kWmKeyUp:
        if (wParam == kAvisFigureModifiee) metAJourTitre();
        return 0;
    case KM_TOUCHE_HOTE:
        return toucheHote(wParam, (lParam & KM_TOUCHE_HOTE_MAJ) != 0);
    case kWmClose:
        ferme();
        return 0;
    default:
        return 0;
    }
}

} // namespace

int afficheFigure(const std::string& chemin, const std::string& texte, int langue) {
    if (KMDemarreAffichageReel() != 1) {
        std::fprintf(stderr, "km32: show: %s\n", texteCli(TexteCli::AucunAffichage, langue));
        return 1;
    }
    KMappliqueLangue(int16_t(langue));
    Session& s = session();
    s.langue = langue;
    s.chemin = chemin;
    s.surDisque = etatFichier(chemin);
    installeAideShow(langue);
    s.fenetre = KMCreeFenetreHote("km32", 800, 600, procedureHote);
    s.figure = KMCreeFigEtRenvoieNumero(s.fenetre, nullptr, texte.c_str(), nullptr);
    if (s.figure <= 0 || KMLigneEnErreur(s.figure) != 0) {
        std::fprintf(stderr, "km32: show: %s: %s\n", chemin.c_str(),
                     texteCli(TexteCli::FigureNonCreee, langue));
        if (s.figure > 0) KMDetruitFigure(s.figure);
        KMDetruitFenetreHote(s.fenetre);
        return 1;
    }
    KMInstalleAvisModification(avisModification);
    metAJourTitre();
    // The figure takes the window's size and becomes active: it takes the
    // mouse and the keys from the start.
    KMSize(s.figure, 0);
    activeFigure();
    s.texteSauve = texteFigure();
    KMBoucleFenetres();
    // The file the figure belongs to now: the one first opened, or the last
    // one chosen with Save As.
    if (texteFigure() != s.texteSauve)
        std::fprintf(stderr, "km32: show: %s\n",
                     texteShowAvec(TexteShow::ModificationsPerdues, s.langue, s.chemin).c_str());
    KMInstalleAvisModification(nullptr);
    KMDetruitFigure(s.figure);
    KMDetruitFenetreHote(s.fenetre);
    s = Session{};
    return 0;
}

} // namespace km32cli
