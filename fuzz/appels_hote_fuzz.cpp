// A host that calls the C interface in any order and with odd arguments:
// figures created, created again and destroyed (twice, or while one of their
// windows is open), figure numbers that were never given or are gone, null
// and over-long texts, mouse positions that are not numbers or far outside
// the window, any command number, and the messages a user sends to the open
// annex window (dialog, lists, editors, palette) between them. The library
// starts afresh at every input; any crash, hang, leak or sanitizer report is
// a finding.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "host/fenetre_mere.h"
#include "hote_fuzz.h"
#include "km32.h"
#include "model/messages.h"
#include "platform/boites.h"
#include "platform/entrees.h"
#include "platform/fenetres.h"
#include "platform/hasard.h"
#include "platform/horloge.h"
#include "platform/menus.h"
#include "platform/messages.h"
#include "platform/presse_papiers.h"
#include "sibling/table_partagee.h"

namespace {

using namespace km32;
namespace p = km32::platform;

// Free points, a circle, a free number, a polyhedron and a comment: something for the
// dialogs to name, the lists to show and the mouse to drag. Without a
// header line it is read in the applied language, which spares a change of
// language at every input.
// Its first points are those of messages_fuzz.cpp on purpose: each fuzz
// program is built alone and carries its own figure.
const char* const kFigure = "A point de coordonn\xE9"
                            "es (0,0,0) dans le rep\xE8re Rxyz\r\n"
                            "B point de coordonn\xE9"
                            "es (3,0,0) dans le rep\xE8re Rxyz\r\n"
                            "C point de coordonn\xE9"
                            "es (0,3,0) dans le rep\xE8re Rxyz\r\n"
                            "P point libre dans l'espace\r\n"
                            "c cercle de centre A et de rayon 2 dans le plan oxy (unit\xE9 Uxyz)\r\n"
                            "a r\xE9"
                            "el libre de [0,10]\r\n"
                            "T poly\xE8"
                            "dre convexe de sommets A,B,C,P\r\n"
                            "Commentaire\r\n"
                            "Un t\xE9tra\xE8"
                            "dre \\ABCP\\.\r\n";
const char* const kAnglaise = "Kalmetra figure\r\n"
                              "A point with coordinates (1,2,3) in the frame Rxyz\r\n"
                              "End of the figure\r\n";
// A text whose second line fails.
const char* const kFautive = "Figure Kalmetra\r\n"
                             "A point de coordonn\xE9"
                             "es (0,0,0) dans le rep\xE8re Rxyz\r\n"
                             "B n'importe quoi\r\n";

// Figure numbers: the first few a host gets, the bounds, and numbers never given.
constexpr int16_t kNumeros[] = {1, 1, 1, 2, 2, 3, 0, 64, 65, -1, 300, -32768};

// Mouse positions: ordinary, at the edges of what a message carries, and not numbers.
float coordonnee(FuzzedDataProvider& d) {
    static const float kBizarres[] = {-1.0f,
                                      -0.4f,
                                      65535.4f,
                                      65535.6f,
                                      70000.0f,
                                      -1e30f,
                                      1e30f,
                                      std::numeric_limits<float>::infinity(),
                                      -std::numeric_limits<float>::infinity(),
                                      std::numeric_limits<float>::quiet_NaN(),
                                      std::numeric_limits<float>::denorm_min()};
    if (d.ConsumeIntegralInRange<int>(0, 7) == 0) return d.PickValueInArray(kBizarres);
    return float(d.ConsumeIntegralInRange<int>(-20, 700));
}

// A text: one of the figures, empty, null, over-long, or bytes of the input.
std::string texte(FuzzedDataProvider& d, bool& nul) {
    nul = false;
    switch (d.ConsumeIntegralInRange<int>(0, 6)) {
    case 0:
        return kFigure;
    case 1:
        return kAnglaise;
    case 2:
        return kFautive;
    case 3:
        nul = true;
        return {};
    case 4:
        return std::string(d.ConsumeIntegralInRange<std::size_t>(250, 70000), 'A');
    case 5:
        return {};
    default:
        return d.ConsumeRandomLengthString(80);
    }
}

// What a user sends to an open annex window: keys, characters, its menu and
// control commands, clicks and drags, scrolling, sizing, painting, closing.
void messageAnnexe(FuzzedDataProvider& d) {
    const p::Fenetre annexe = TQTableDesVariablesPartagees()->fenetreAnnexe;
    if (annexe == 0) return;
    static const uint32_t kMessagesAnnexe[] = {
        p::WM_CHAR,        p::WM_CHAR,          p::WM_KEYDOWN,   p::WM_KEYDOWN,    p::WM_COMMAND,
        p::WM_COMMAND,     p::WM_LBUTTONDOWN,   p::WM_LBUTTONUP, p::WM_MOUSEMOVE,  p::WM_LBUTTONDBLCLK,
        p::WM_RBUTTONDOWN, p::WM_RBUTTONUP,     p::WM_VSCROLL,   p::WM_MOUSEWHEEL, p::WM_SIZE,
        p::WM_PAINT,       p::WM_CLOSE,         p::WM_ACTIVATE,  p::WM_SETFOCUS,   p::WM_KILLFOCUS,
        p::WM_KEYUP,       p::WM_CAPTURECHANGED};
    const uint32_t message = d.PickValueInArray(kMessagesAnnexe);
    uint32_t w = 0;
    int32_t l = 0;
    switch (message) {
    case p::WM_CHAR:
    case p::WM_KEYDOWN:
    case p::WM_KEYUP:
        w = d.ConsumeIntegral<uint8_t>();
        break;
    case p::WM_COMMAND:
        w = d.ConsumeBool() ? d.ConsumeIntegralInRange<uint32_t>(0, 320) : d.ConsumeIntegral<uint16_t>();
        l = d.ConsumeIntegralInRange<int32_t>(-1, 40);
        break;
    case p::WM_VSCROLL:
        w = d.ConsumeIntegralInRange<uint32_t>(0, 8) | (d.ConsumeIntegral<uint32_t>() << 16);
        break;
    case p::WM_MOUSEWHEEL:
        w = uint32_t(uint16_t(int16_t(d.ConsumeIntegralInRange<int>(-3, 3) * p::WHEEL_DELTA))) << 16;
        l = p::lParamDeCoordonnees(d.ConsumeIntegralInRange<int>(-10, 800),
                                   d.ConsumeIntegralInRange<int>(-10, 800));
        break;
    case p::WM_ACTIVATE:
        w = d.ConsumeIntegralInRange<uint32_t>(0, 2);
        break;
    default:
        w = d.ConsumeIntegralInRange<uint32_t>(0, 15);
        l = d.ConsumeBool() ? p::lParamDeCoordonnees(d.ConsumeIntegralInRange<int>(-10, 800),
                                                     d.ConsumeIntegralInRange<int>(-10, 800))
                            : d.ConsumeIntegral<int32_t>();
        break;
    }
    p::envoieMessage(annexe, message, w, l);
}

// A file name: in the private folder (a name of the input's bytes, with one
// of the extensions the library knows or another), the folder itself, a name
// over 255 bytes, a folder that does not exist, or null.
std::string nomFichier(FuzzedDataProvider& d, bool& nul) {
    nul = false;
    const std::string& rep = fuzz::repertoirePrive();
    switch (d.ConsumeIntegralInRange<int>(0, 5)) {
    case 0:
        return rep;
    case 1:
        return rep + "/" + std::string(300, 'f') + ".k3v";
    case 2:
        return rep + "/absent/figure.k3v";
    case 3:
        nul = true;
        return {};
    default:
        return fuzz::nomDansRepertoirePrive(d.ConsumeRandomLengthString(24)) +
               d.PickValueInArray({".k3v", ".png", ".SVG", ".pdf", ".txt", ""});
    }
}

// A picture side: small, at the bounds, or refused. Two large sides are not
// drawn together: a picture of 16384 x 16384 pixels is allowed but takes a
// gigabyte.
int32_t cote(FuzzedDataProvider& d, bool grand) {
    static const int32_t kBornes[] = {0, -1, 16385, std::numeric_limits<int32_t>::min(),
                                      std::numeric_limits<int32_t>::max()};
    switch (d.ConsumeIntegralInRange<int>(0, 5)) {
    case 0:
        return d.PickValueInArray(kBornes);
    case 1:
        return grand ? 16384 : 1;
    default:
        return d.ConsumeIntegralInRange<int32_t>(1, 64);
    }
}

// The host's windows made by an input, destroyed before the next one.
std::vector<uint32_t>& fenetresHote() {
    static std::vector<uint32_t> f;
    return f;
}

// What the installed host functions answer.
int32_t reponseHote = 1;
int32_t afficheurMessages(const char*, const char*, uint32_t) {
    return reponseHote;
}
int32_t afficheurAide(uint32_t, const char*, uint32_t, uint32_t) {
    return reponseHote;
}
void avisModification(int16_t, int32_t) {}
int32_t procedureHote(uint32_t, uint32_t, uint32_t, int32_t) {
    return 0;
}

// The library started once on the virtual clock, its messages silent, with
// a window of the host (visible, ignoring what it gets).
p::Fenetre hoteDemarre() {
    static const p::Fenetre hote = [] {
        p::utiliseHorlogeVirtuelle(true);
        KMImposeGraineHasard(1);
        KMInitialise();
        etatMessages().messagesMuets = 1;
        return p::creeFenetre(0, {100, 100, 700, 550}, {}, true);
    }();
    return hote;
}

// Every input starts from the same state: no function of the host
// installed, no annex window, no figure, no window of the host but the
// first, the first language, no key held, no scripted answer, the generator
// seeded, then one figure in number 1.
void repartDeZero(p::Fenetre hote) {
    KMInstalleAfficheurMessages(nullptr);
    KMInstalleAfficheurAide(nullptr);
    KMInstalleAvisModification(nullptr);
    if (dialogueCommunOuvert()) fermeFenetreAnnexe();
    for (int16_t k = 1; k <= 64; ++k) {
        KMDetruitFigure(k);
        // A figure drawn in a window of the caller has no window of the
        // library: its record alone is destroyed.
        KMdetruitFigureMeme(k);
    }
    for (uint32_t f : fenetresHote())
        KMDetruitFenetreHote(f);
    fenetresHote().clear();
    p::distribueJusquAuRepos(1000);
    p::reinitialisePressePapiers();
    KMappliqueLangue(1);
    p::fixeModificateurs(false, false, false);
    p::oublieCapture();
    p::reponsesPrevues().clear();
    p::boitesDemandees().clear();
    p::choisitDansMenuSuivant(0);
    p::initialiseHasard(1);
    const int16_t n = KMCreeFigEtRenvoieNumero(hote, nullptr, kFigure, "Nom=Essai");
    if (n != 1 || KMLigneEnErreur(n) != 0) {
        std::fprintf(stderr, "the starting figure was not made whole (number %d)\n", int(n));
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, std::size_t taille) {
    const p::Fenetre hote = hoteDemarre();
    repartDeZero(hote);

    FuzzedDataProvider d(donnees, taille);
    for (int pas = 0; pas < 120 && d.remaining_bytes() > 0; ++pas) {
        const int16_t n = d.PickValueInArray(kNumeros);
        bool nul = false;
        switch (d.ConsumeIntegralInRange<int>(0, 34)) {
        case 0: {
            const std::string t = texte(d, nul);
            KMCreeFigEtRenvoieNumero(d.ConsumeBool() ? hote : d.ConsumeIntegral<uint32_t>(), nullptr,
                                     nul ? nullptr : t.c_str(), d.ConsumeBool() ? "Nom=X;Image=" : nullptr);
            break;
        }
        case 1: {
            const std::string t = texte(d, nul);
            KMCreeFig(n, nullptr, nul ? nullptr : t.c_str(), nullptr);
            break;
        }
        case 2:
            KMDetruitFigure(n);
            break;
        case 3:
            KMdetruitFigureMeme(n);
            break;
        case 4: {
            const int16_t bouton = int16_t(d.ConsumeIntegralInRange<int>(0, 3));
            const int16_t code = int16_t(d.ConsumeIntegralInRange<int>(-1, 6));
            const float x = coordonnee(d), y = coordonnee(d);
            KMMouseDown(n, bouton, code, x, y);
            break;
        }
        case 5: {
            const int16_t bouton = int16_t(d.ConsumeIntegralInRange<int>(0, 3));
            const float x = coordonnee(d), y = coordonnee(d);
            if (d.ConsumeBool())
                KMMouseMove(n, bouton, 0, x, y);
            else
                KMMouseUp(n, bouton, 0, x, y);
            break;
        }
        case 6:
            if (d.ConsumeBool())
                KMKeyDown(n, d.ConsumeIntegral<uint16_t>());
            else
                KMKeyPress(n, d.ConsumeIntegral<uint16_t>());
            break;
        case 7: {
            // Any command number, as the host's own menu would send it.
            KMMessage m{p::WM_COMMAND,
                        d.ConsumeBool() ? d.ConsumeIntegralInRange<uint32_t>(0, 320)
                                        : d.ConsumeIntegral<uint32_t>(),
                        d.ConsumeIntegral<int32_t>(), 0};
            traiteMessageKMParNumero(n, &m);
            break;
        }
        case 8:
        case 9:
        case 10:
            messageAnnexe(d);
            break;
        case 11:
            switch (d.ConsumeIntegralInRange<int>(0, 2)) {
            case 0:
                KMAfficheEditeurFigure(n);
                break;
            case 1:
                KMAfficheCommentaire(n);
                break;
            default:
                KMAfficheRappels(n);
                break;
            }
            break;
        case 12: {
            const std::string t = texte(d, nul);
            KMExecuterTexte(n, nul ? nullptr : t.c_str());
            break;
        }
        case 13: {
            const std::string t = texte(d, nul);
            if (d.ConsumeBool())
                KMExecuteLigneFigEtRedessine(n, nul ? nullptr : t.c_str());
            else
                KMExecuteLigneFig(n, nul ? nullptr : t.c_str());
            break;
        }
        case 14:
            // The pop-up menu, with an entry picked in it (or none).
            if (d.ConsumeBool())
                p::choisitDansMenuSuivant(d.ConsumeBool() ? d.ConsumeIntegralInRange<uint32_t>(0, 320)
                                                          : d.ConsumeIntegralInRange<uint32_t>(1000, 1060));
            KMAfficheMenu(n);
            break;
        case 15:
            KMSize(n, d.ConsumeIntegral<uint32_t>());
            break;
        case 16:
            KMRedessineBrutal(n);
            KMRepeintFigure(n, d.ConsumeIntegral<uint32_t>());
            break;
        case 17:
            if (d.ConsumeBool())
                KMCopierDessin(n);
            else
                KMCopierDessinAjuste(n, d.ConsumeIntegral<int16_t>());
            break;
        case 18: {
            const std::string t = texte(d, nul);
            KMTestParTexte(n, nul ? nullptr : t.c_str());
            KMLibereBloc(KMfournitHandleSurTexte(n, nul ? nullptr : t.c_str()));
            break;
        }
        case 19: {
            uint8_t enregistrement[66] = {};
            if (d.ConsumeBool())
                KMmiseAjourMenus(n, d.ConsumeBool() ? enregistrement : nullptr);
            else
                KMmiseAjourBoutons(n, d.ConsumeBool() ? enregistrement : nullptr);
            break;
        }
        case 20: {
            const std::string t = texte(d, nul);
            const char* nom = nul ? nullptr : t.c_str();
            KMExecuteCommande(n, nom);
            KMValeurScalaireDouble(n, nom);
            KMAffecteScalaire(n, nom, d.ConsumeFloatingPoint<double>());
            KMObjetValide(n, nom);
            break;
        }
        case 21: {
            const int32_t objet = d.ConsumeIntegralInRange<int32_t>(-2, 40);
            KMLibereBloc(KMNomObjetDeNumero(n, objet));
            KMNatureObjet(n, objet);
            KMRaisonObjetNonDefini(n, objet);
            KMLibereBloc(KMNomLibreActif(n));
            KMLibereBloc(KMDernierLibreBouge(n));
            KMLibereBloc(KMTexteFigure(n));
            KMVerifieTexteFigure(n);
            break;
        }
        case 22:
            KMappliqueLangue(int16_t(d.ConsumeIntegralInRange<int>(-1, 4)));
            break;
        case 23:
            KMChangeCouleurFondFigure(n, d.ConsumeIntegral<uint32_t>());
            KMimporteMouvement(n);
            break;
        case 24: {
            // A key or message of any number to the figure's dispatcher.
            KMMessage m{d.ConsumeIntegralInRange<uint32_t>(0, 0x20F), d.ConsumeIntegral<uint32_t>(),
                        d.ConsumeIntegral<int32_t>(), 0};
            traiteMessageKMParNumero(n, d.ConsumeBool() ? &m : nullptr);
            break;
        }
        case 25:
            p::fixeModificateurs(d.ConsumeBool(), d.ConsumeBool(), d.ConsumeBool());
            break;
        case 26:
            // The next box answered otherwise than by its default.
            p::reponsesPrevues().push_back(
                {d.PickValueInArray({1, 2, 6, 7}), d.ConsumeRandomLengthString(20)});
            break;
        case 28: {
            // Questions about a figure and its texts.
            const std::string t = texte(d, nul);
            KMLangueDuTexte(nul ? nullptr : t.c_str());
            // The phrase is written into exactly the 256 bytes the host gives.
            const auto phrase = std::make_unique<char[]>(256);
            KMPhraseDeNumero(d.ConsumeIntegral<uint16_t>(), phrase.get());
            KMLibereBloc(KMTexteRaisonObjetNonDefini(n, d.ConsumeIntegralInRange<int32_t>(-2, 40)));
            KMMenuDeLaFigure(n);
            KMfigureModifiee(n);
            KMTexteNonApplique(n);
            KMNombreObjets(n);
            break;
        }
        case 29: {
            // The figure saved into a file and read back as the text of a new figure.
            const std::string f = nomFichier(d, nul);
            const char* nom = nul ? nullptr : f.c_str();
            if (d.ConsumeBool()) {
                KMsauveFigure(n, nom);
                KMErreurSauvegarde();
                KMLibereBloc(KMTexteErreurSauvegarde());
            } else {
                KMInstalleTexteFigureNouvelle(nom);
            }
            break;
        }
        case 30: {
            // A figure text drawn into a picture file in one call.
            const std::string t = texte(d, nul);
            bool sansNom = false;
            const std::string f = nomFichier(d, sansNom);
            const bool largeurGrande = d.ConsumeBool();
            const int32_t largeur = cote(d, largeurGrande), hauteur = cote(d, !largeurGrande);
            double angles[3];
            for (double& a : angles)
                a = d.ConsumeBool() ? d.ConsumeFloatingPointInRange<double>(-720, 720)
                                    : d.ConsumeFloatingPoint<double>();
            const double* vue = d.ConsumeBool() ? angles : nullptr;
            if (d.ConsumeBool())
                KMRendFigureDansFichier(nul ? nullptr : t.c_str(), sansNom ? nullptr : f.c_str(), largeur,
                                        hauteur, vue);
            else
                KMRendFigureDansFichierMm(nul ? nullptr : t.c_str(), sansNom ? nullptr : f.c_str(), largeur,
                                          hauteur, vue,
                                          d.PickValueInArray({0.0, 0.05, 0.1, 1.0, 210.0, 10000.0, 10001.0,
                                                              -1.0, std::numeric_limits<double>::quiet_NaN(),
                                                              std::numeric_limits<double>::infinity()}));
            break;
        }
        case 31: {
            // The clipboard (a text put there for a paste into an editor or a
            // table of values), blocks and handles that name nothing, the cursor.
            if (d.ConsumeBool()) {
                std::string t = texte(d, nul);
                if (d.ConsumeBool()) t = "0\t1\r\n1e999\t2\r\n-1e999\t3\r\n" + t + "\t" + t + "\r\n";
                p::copieTexteDansPressePapiers(hote, t);
            }
            KMLibereBloc(KMPressePapiersTexte());
            KMLibereBloc(KMPressePapiersDessin(d.ConsumeBool() ? d.ConsumeIntegralInRange<int32_t>(-1, 2)
                                                               : d.ConsumeIntegral<int32_t>()));
            int32_t l = 0, h = 0;
            KMPressePapiersTailleDessin(d.ConsumeBool() ? &l : nullptr, d.ConsumeBool() ? &h : nullptr);
            const uint32_t bloc = d.ConsumeIntegral<uint32_t>();
            KMContenuBloc(bloc);
            KMTailleBloc(bloc);
            KMLibereBloc(bloc);
            KMLibereBloc(KM32NumeroVersion());
            repeintFigureKMparNumero(n, d.ConsumeIntegral<uint32_t>());
            CurseurKM();
            break;
        }
        case 32: {
            // The host's own windows, and a figure drawn in a window of the caller.
            const std::string t = texte(d, nul);
            switch (d.ConsumeIntegralInRange<int>(0, 3)) {
            case 0: {
                const int32_t l = cote(d, false), h = cote(d, false);
                const uint32_t f = KMCreeFenetreHote(nul ? nullptr : t.c_str(), l, h,
                                                     d.ConsumeBool() ? procedureHote : nullptr);
                if (f != 0) fenetresHote().push_back(f);
                break;
            }
            case 1:
                KMChangeTitreFenetreHote(fenetresHote().empty() || d.ConsumeBool()
                                             ? d.ConsumeIntegral<uint32_t>()
                                             : fenetresHote().back(),
                                         nul ? nullptr : t.c_str());
                break;
            case 2:
                KMDetruitFenetreHote(d.ConsumeBool() ? hote : d.ConsumeIntegral<uint32_t>());
                break;
            default: {
                bool sansNom = false;
                const std::string f = nomFichier(d, sansNom);
                creeFigureKMPourFenetreExterne(d.ConsumeBool() ? hote : d.ConsumeIntegral<uint32_t>(),
                                               sansNom ? nullptr : f.c_str(), d.ConsumeIntegral<uint32_t>());
                break;
            }
            }
            KMBoucleFenetres();
            KMQuitteBoucleFenetres();
            break;
        }
        case 33: {
            // A box and the save dialog for the host, the dialog answered with a
            // path longer than the room given for it or not.
            const std::string t = texte(d, nul);
            KMBoiteMessageHote(nul ? nullptr : t.c_str(), d.ConsumeBool() ? "Titre" : nullptr,
                               d.ConsumeIntegral<uint32_t>());
            if (d.ConsumeBool()) {
                bool sansNom = false;
                p::reponsesPrevues().push_back({1, nomFichier(d, sansNom)});
            }
            const int32_t place = d.ConsumeIntegralInRange<int32_t>(0, 300);
            std::vector<char> chemin(std::size_t(place) + 1);
            const int32_t taille = d.ConsumeBool() ? place : -d.ConsumeIntegralInRange<int32_t>(0, 5);
            KMDialogueEnregistrerHote(
                nul ? nullptr : t.c_str(), d.PickValueInArray({"", "|", "A|*.k3v|B|*.*|", "||||"}),
                d.ConsumeBool() ? "/x/y.k3v" : nullptr, d.ConsumeBool() ? chemin.data() : nullptr, taille);
            p::reponsesPrevues().clear();
            break;
        }
        case 34:
            // Functions of the host installed (or taken away), and help asked for.
            reponseHote = d.PickValueInArray({0, 1, 2, 6, 7, -1, 1000});
            switch (d.ConsumeIntegralInRange<int>(0, 3)) {
            case 0:
                KMInstalleAfficheurMessages(d.ConsumeBool() ? afficheurMessages : nullptr);
                break;
            case 1:
                KMInstalleAfficheurAide(d.ConsumeBool() ? afficheurAide : nullptr);
                break;
            case 2:
                KMInstalleAvisModification(d.ConsumeBool() ? avisModification : nullptr);
                break;
            default:
                AppelAideKM32(d.ConsumeBool() ? hote : d.ConsumeIntegral<uint32_t>(),
                              d.ConsumeIntegral<uint16_t>(), d.ConsumeIntegral<uint16_t>());
                break;
            }
            break;
        default:
            p::avance(d.ConsumeIntegralInRange<int>(0, 3000));
            break;
        }
        p::distribueJusquAuRepos(1000);
        p::boitesDemandees().clear();
    }
    return 0;
}
