#include "platform/entrees.h"

#include <array>

#include "platform/messages.h"

namespace km32::platform {

namespace {

struct EtatEntrees {
    std::array<bool, 256> touches{};
    Point curseur;
    Fenetre capture = kAucuneFenetre;
};

EtatEntrees& etat() {
    static EtatEntrees e;
    return e;
}

} // namespace

void fixeToucheEnfoncee(uint8_t touche, bool enfoncee) {
    etat().touches[touche] = enfoncee;
}
bool toucheEnfoncee(uint8_t touche) {
    return etat().touches[touche];
}
bool majEnfoncee() {
    return toucheEnfoncee(VK_SHIFT);
}
bool ctrlEnfoncee() {
    return toucheEnfoncee(VK_CONTROL);
}
bool altEnfoncee() {
    return toucheEnfoncee(VK_MENU);
}

void fixeModificateurs(bool maj, bool ctrl, bool alt) {
    fixeToucheEnfoncee(VK_SHIFT, maj);
    fixeToucheEnfoncee(VK_CONTROL, ctrl);
    fixeToucheEnfoncee(VK_MENU, alt);
}

Point positionCurseur() {
    return etat().curseur;
}
void fixePositionCurseur(Point p) {
    etat().curseur = p;
}

Fenetre captureSouris(Fenetre f) {
    EtatEntrees& e = etat();
    Fenetre ancienne = e.capture;
    if (!estFenetre(f) || f == ancienne) return ancienne;
    e.capture = f;
    envoieMessage(ancienne, WM_CAPTURECHANGED, 0, int32_t(f));
    return ancienne;
}

void relacheCapture() {
    EtatEntrees& e = etat();
    Fenetre ancienne = e.capture;
    e.capture = kAucuneFenetre;
    envoieMessage(ancienne, WM_CAPTURECHANGED, 0, 0);
}

Fenetre fenetreCapture() {
    return etat().capture;
}

void oublieCapture() {
    etat().capture = kAucuneFenetre;
}

void reinitialiseEntrees() {
    etat() = EtatEntrees{};
}

} // namespace km32::platform
