#pragma once
// The layout of a bound form as the toolkit shows it, read in this process
// from the real widgets: every visible control's place and size, what its
// text needs (measured by pango with the widget's own font) and what it got,
// and the faults a person would see: two controls over each other, a control
// over a text or picture the model paints, a text cut, a control out of its
// window.
//
// The font's scale (GDK_DPI_SCALE) is read once, when the toolkit starts: a
// test runs at another scale in a child process of its own, the same test
// program with the same test chosen (executeAEchelle).
#include <sys/types.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ecran_x.h"
#include "platform/geometrie.h"

namespace km32::tests {

struct ControleVu {
    std::string genre;              // "label", "button", "check", "entry", "text", "list", "combo"
    int numero = 0;                 // the form's number of the control (a button's tag)
    std::string texte;              // a label's or caption's text, UTF-8
    platform::Rectangle cadre = {}; // allocated, in the form window's client coordinates
    // What the text needs, measured on the widget that shows it, and what
    // that widget got (the label inside a button; a combo box's natural
    // width against its own); 0 when the control has no text to check.
    int largeurNecessaire = 0, hauteurNecessaire = 0;
    int largeurObtenue = 0, hauteurObtenue = 0;
};

// A text or picture the model paints under its controls, in the form
// window's client coordinates.
struct ZonePeinte {
    std::string quoi;
    platform::Rectangle cadre = {};
};

// The visible controls of window f's form (f shown in a top-level window of
// the real backend).
std::vector<ControleVu> controlesVisibles(uint32_t f);

// The faults of a layout, each as a sentence (empty when none): two controls
// that overlap, a control over a painted zone, two painted zones that overlap,
// a text that does not fit the widget that shows it, a control or zone out of
// the client rectangle.
std::vector<std::string> defautsDisposition(const std::vector<ControleVu>& controles,
                                            const std::vector<ZonePeinte>& peintes,
                                            const platform::Rectangle& client);
std::string enTexte(const std::vector<std::string>& defauts);

// Handles the real backend's events until the condition holds or the time
// passed (polling every 10 ms); whether it held.
bool tourneJusqua(const std::function<bool()>& condition, int secondes = 30);

// Handles the real backend's events until window f's form shows all its
// controls where the model put them, allocated by the toolkit, and the X
// server has them (a click sent next reaches the control under it); whether
// it did within the seconds.
bool attendsFormeAffichee(uint32_t f, int secondes = 30);

// Runs the current test again in a child process started with GDK_SCALE=1
// and GDK_DPI_SCALE=echelle; true in that child (where the test goes on),
// false in the parent, which checks the child's result (its status and, on
// failure, its output) and stops there.
bool dansEnfantAEchelle(double echelle);

// The library started afresh on the real backend, on an X server of its own,
// with a figure made as km32 show makes it: the host window of 800 x 600 and
// the figure sized to it. Skips the test (GTEST_SKIP from the caller's
// check of pret()) when the real windows cannot be shown here.
class BancReel {
  public:
    explicit BancReel(const std::string& texteFigure, uint64_t graine = 7);
    ~BancReel();
    BancReel(const BancReel&) = delete;
    BancReel& operator=(const BancReel&) = delete;
    // Empty when the bench runs; else why it could not start.
    const std::string& empechement() const { return empechement_; }
    uint32_t hote() const { return hote_; }
    int16_t figure() const { return figure_; }
    // Handles the toolkit's events until the condition holds (polling; false
    // when the time ran out).
    bool tourne(const std::function<bool()>& condition, int secondes = 30);
    // Waits until window f's form shows all its controls where the model
    // put them, allocated by the toolkit.
    bool attendsForme(uint32_t f);

  private:
    std::string empechement_;
    std::unique_ptr<EcranX> ecran_;
    uint32_t hote_ = 0;
    int16_t figure_ = 0;
};

} // namespace km32::tests
