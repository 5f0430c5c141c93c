#include "affichage_figure.h"

#include <cstdio>

#include "encodage.h"
#include "km32.h"

namespace km32cli {

namespace {

constexpr uint32_t kWmSize = 0x0005;
constexpr uint32_t kWmClose = 0x0010;
constexpr uint32_t kWmKeyUp = 0x0101;
constexpr uint32_t kWmCommand = 0x0111;
constexpr uint32_t kWmLButtonDown = 0x0201;
constexpr uint32_t kWmRButtonDown = 0x0204;
constexpr uint32_t kAvisFigureModifiee = 1025;
constexpr uint32_t kCommandeDefaire = 93;
constexpr uint32_t kCommandeRefaire = 122;
// The library's message boxes: Yes/No/Cancel with a question mark, and the answers.
constexpr uint32_t kBoutonsOuiNonAnnuler = 0x3, kIconeQuestion = 0x20;
constexpr int32_t kReponseOui = 6, kReponseNon = 7;

struct Session {
    uint32_t fenetre = 0;
    int16_t figure = 0;
    std::string chemin; // the library's characters
    std::string nom;    // the file name in the caption (UTF-8 as given)
    bool modifiee = false;
    std::string texteSauve; // the figure's text as last read or saved
};

Session& session() {
    static Session s;
    return s;
}

// The caption: the file's name, with a star while changes are not saved.
void metAJourTitre() {
    Session& s = session();
    const std::string titre = windows1252DeUtf8("km32 - " + s.nom + (s.modifiee ? " *" : ""));
    KMChangeTitreFenetreHote(s.fenetre, titre.c_str());
}

std::string texteFigure() {
    const uint32_t bloc = KMTexteFigure(session().figure);
    const char* c = bloc ? KMContenuBloc(bloc) : nullptr;
    std::string t = c ? c : "";
    if (bloc) KMLibereBloc(bloc);
    return t;
}

// Saves into the file; the caption follows. False when it could not be written.
bool sauveDans(const std::string& chemin, const std::string& nom) {
    Session& s = session();
    if (KMsauveFigure(s.figure, chemin.c_str()) != 0) return false;
    s.chemin = chemin;
    s.nom = nom;
    s.modifiee = false;
    s.texteSauve = texteFigure();
    metAJourTitre();
    return true;
}

// Ctrl+Shift+S: the save dialog, on the figure's file; the figure then
// belongs to the file chosen.
void sauveSous() {
    Session& s = session();
    char chemin[1024] = {};
    if (KMDialogueEnregistrerHote("Save the figure as", "Figures (*.k3v)|*.k3v|All files|*.*|",
                                  s.chemin.c_str(), chemin, int32_t(sizeof chemin)) == 1)
        sauveDans(chemin, utf8DeWindows1252(chemin));
}

// Whether the window may close: a figure with unsaved changes asks first
// (Yes saves, No drops the changes, Cancel keeps the window).
bool fermetureAcceptee() {
    Session& s = session();
    // Whatever the figure's flag says, what counts is a text that differs
    // from the file's.
    if (texteFigure() == s.texteSauve) return true;
    const std::string question = windows1252DeUtf8("Save the changes to " + s.nom + " before closing?");
    switch (KMBoiteMessageHote(question.c_str(), "km32", kBoutonsOuiNonAnnuler | kIconeQuestion)) {
    case kReponseOui:
        return sauveDans(s.chemin, s.nom);
    case kReponseNon:
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
// the figure's file, Ctrl+Shift+S into another, Ctrl+Z and Ctrl+Y undo and
// redo, Ctrl+Q closes.
int32_t toucheHote(uint32_t touche, bool maj) {
    Session& s = session();
    switch (touche) {
    case 'S':
        if (maj)
            sauveSous();
        else
            sauveDans(s.chemin, s.nom);
        return 1;
    case 'Z':
        commande(kCommandeDefaire);
        return 1;
    case 'Y':
        commande(kCommandeRefaire);
        return 1;
    case 'Q':
        ferme();
        return 1;
    default:
        return 0;
    }
}

int32_t procedureHote(uint32_t, uint32_t message, uint32_t wParam, int32_t lParam) {
    Session& s = session();
    if (s.figure <= 0) return 0;
    const float x = float(int16_t(uint32_t(lParam) & 0xFFFF)), y = float(int16_t(uint32_t(lParam) >> 16));
    switch (message) {
    case kWmSize:
        KMSize(s.figure, 0);
        return 0;
    case kWmLButtonDown:
    case kWmRButtonDown:
        // The figure lies inactive in the window: a click activates it.
        KMMouseDown(s.figure, message == kWmLButtonDown ? 1 : 2, 0, x, y);
        return 0;
    case kWmKeyUp:
        if (wParam == kAvisFigureModifiee && !s.modifiee) {
            s.modifiee = true;
            metAJourTitre();
        }
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
        std::fputs("km32: show: no window can be shown: it needs a display (DISPLAY, for example under "
                   "xvfb-run) and a km32 built with GTK 3\n",
                   stderr);
        return 1;
    }
    KMappliqueLangue(int16_t(langue));
    Session& s = session();
    s.chemin = windows1252DeUtf8(chemin);
    s.nom = chemin;
    s.fenetre = KMCreeFenetreHote("km32", 800, 600, procedureHote);
    s.figure = KMCreeFigEtRenvoieNumero(s.fenetre, nullptr, texte.c_str(), nullptr);
    if (s.figure <= 0 || KMLigneEnErreur(s.figure) != 0) {
        std::fprintf(stderr, "km32: show: %s: the figure could not be made\n", chemin.c_str());
        if (s.figure > 0) KMDetruitFigure(s.figure);
        KMDetruitFenetreHote(s.fenetre);
        return 1;
    }
    metAJourTitre();
    // The figure takes the window's size and becomes active: it takes the
    // mouse and the keys.
    KMSize(s.figure, 0);
    s.texteSauve = texteFigure();
    KMBoucleFenetres();
    if (s.modifiee && KMfigureModifiee(s.figure))
        std::fprintf(stderr, "km32: show: %s: the changes were not saved\n", chemin.c_str());
    KMDetruitFigure(s.figure);
    KMDetruitFenetreHote(s.fenetre);
    s = Session{};
    return 0;
}

} // namespace km32cli
