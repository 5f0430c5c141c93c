#pragma once
// A real X display for the tests of the window backend: an Xvfb server of
// our own, programs started on it, input sent with xdotool, screenshots read
// from xwd's dumps. Every wait polls for a condition with a generous time
// limit; nothing sleeps and hopes.
#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace km32::tests {

// True when the program is found on PATH.
bool programmePresent(const std::string& nom);
// Why the tests of the real windows cannot run here (no window backend in
// this build, an X tool missing); empty when they can.
std::string empecheEssaisGraphiques();

// A screenshot: RGB pixels, row by row.
struct Capture {
    int largeur = 0, hauteur = 0;
    std::vector<uint32_t> pixels; // 0xRRGGBB
    // Outside the capture (an empty one when the screenshot failed) a pixel
    // is kHorsCapture: white in each channel, yet equal to no colour.
    static constexpr uint32_t kHorsCapture = 0xFFFFFFFF;
    uint32_t pixel(int x, int y) const {
        if (x < 0 || y < 0 || x >= largeur || y >= hauteur) return kHorsCapture;
        return pixels[std::size_t(y) * std::size_t(largeur) + std::size_t(x)];
    }
};
// Reads a ZPixmap dump of xwd (24 or 32 bits per pixel); nothing when it is not one.
std::optional<Capture> litXwd(const std::string& octets);
// Writes the capture as a PNG file (for a reviewer to look at).
bool ecritCapturePng(const Capture& c, const std::string& fichier);

// The dark pixels, black or grey (a label, a line), of a rectangle of a capture: their count
// and their centre.
struct PixelsSombres {
    int nombre = 0;
    double x = 0, y = 0;
};
PixelsSombres pixelsSombres(const Capture& c, int gauche, int haut, int droite, int bas);

// A line of a list or a text: a run of pixel rows holding ink, the text of
// a line or the coloured background of a selected one (a light frame is no ink).
struct Bande {
    int haut = 0, bas = 0;
    int milieu() const { return (haut + bas) / 2; }
};
// Whether row y of the capture holds ink between the columns gauche and droite.
bool encreSurLaRangee(const Capture& c, int gauche, int droite, int y);
// The lines of a rectangle of a capture, from the top.
std::vector<Bande> bandesDeTexte(const Capture& c, int gauche, int haut, int droite, int bas);

// The pixels of the toolkit's selection colour (a strong blue) in a
// rectangle of a capture: their count and mean height.
PixelsSombres pixelsSelection(const Capture& c, int gauche, int haut, int droite, int bas);

// Waits until the condition holds, polling; false when the time ran out (a
// generous time: a sanitized build on a loaded machine is slow to answer).
bool attends(const std::function<bool()>& condition, int secondes = 30);

class EcranX {
  public:
    // Starts an Xvfb server of 1024 x 768 pixels on a free display.
    EcranX();
    ~EcranX();
    EcranX(const EcranX&) = delete;
    EcranX& operator=(const EcranX&) = delete;
    bool pret() const { return !affichage_.empty(); }
    const std::string& affichage() const { return affichage_; }

    // Starts a program on the display (its output into journal), with the
    // variables of environnement ("NAME=value") added to its environment; its id.
    pid_t lance(const std::vector<std::string>& arguments, const std::string& journal,
                const std::vector<std::string>& environnement = {});
    // True while the program runs; waits for its end (false when it did not
    // end in time: a sanitized build checks its memory on the way out, which
    // takes long on a loaded machine).
    bool enCours(pid_t pid);
    bool attendsFin(pid_t pid, int& statut, int secondes = 60);
    // Runs a command with the display set; its standard output.
    std::string commande(const std::string& ligne);
    // xdotool with these arguments.
    void xdotool(const std::string& arguments);
    // The whole screen, or one window by its id.
    std::optional<Capture> capture();
    std::optional<Capture> captureFenetre(const std::string& id);
    // The mapped top-level windows: id, name, frame.
    struct FenetreX {
        std::string id, nom;
        int x = 0, y = 0, largeur = 0, hauteur = 0;
    };
    std::vector<FenetreX> fenetres();

    // The clipboard through xclip: what it holds in the format cible (empty
    // when it holds none), and a text put there (xclip keeps it until
    // another program takes the clipboard).
    std::string pressePapiers(const std::string& cible);
    void metDansPressePapiers(const std::string& texte, const std::string& dossier);

    // The cursor the server shows: its name (when the toolkit gave one), its
    // size, its hot spot and a digest of its pixels. Nothing without the
    // XFixes extension.
    struct CurseurX {
        std::string nom;
        int largeur = 0, hauteur = 0, xChaud = 0, yChaud = 0;
        uint64_t empreinte = 0;
        bool operator==(const CurseurX&) const = default;
    };
    std::optional<CurseurX> curseur();

  private:
    pid_t serveur_ = 0;
    std::string affichage_;
    std::vector<pid_t> lances_;
};

} // namespace km32::tests
