#include "platform/gtk/affichage_gtk.h"
#include "platform/gtk/formes_gtk.h"

#include <gtk/gtk.h>
#ifdef GDK_WINDOWING_X11
#include <gdk/gdkx.h>
#endif

#include <cstdlib>
#include <map>
#include <vector>

#include "base/texte.h"
#include "platform/curseurs.h"
#include "platform/ecran.h"
#include "platform/entrees.h"
#include "platform/formes_liees.h"
#include "platform/horloge.h"
#include "platform/image_bitmap.h"
#include "platform/messages.h"
#include "platform/raccourcis.h"
#include "platform/minuteries.h"
#include "platform/surfaces_fenetres.h"

namespace km32::platform::gtk {

namespace {

// A top-level window of the layer as the toolkit shows it.
struct FenetreGtk {
    GtkWidget* fenetre = nullptr;
    GtkWidget* zone = nullptr;
    GtkWidget* fond = nullptr; // the layer of the forms: its mouse events are the drawing's
    ControlesFormes formes;    // the toolkit's widgets of the forms, over the drawing
    Rectangle cadreApplique;   // the frame last given to the toolkit (or read from it)
    std::string titre;
    Point tailleMinimale{1, 1}; // the smallest size last given to the toolkit
};

// The last press, to turn a second press nearby and soon into a double click.
struct DernierClic {
    guint bouton = 0;
    guint32 temps = 0;
    double x = 0, y = 0;
    Fenetre fenetre = kAucuneFenetre;
};

struct EtatGtk {
    bool demarree = false;
    std::map<Fenetre, FenetreGtk> fenetres;
    int modal = 0;
    guint source = 0;
    GMainLoop* boucle = nullptr;
    Curseur curseur = kAucunCurseur;
    DernierClic clic;
    bool dansPompe = false;
    Fenetre focusSuivi = kAucuneFenetre; // the library's keyboard focus the toolkit last followed
};

EtatGtk& etat() {
    static EtatGtk e;
    return e;
}

Fenetre racineDeWidget(GtkWidget* w) {
    return Fenetre(GPOINTER_TO_UINT(g_object_get_data(G_OBJECT(w), "km32-fenetre")));
}

// The shown child of f (or f itself) that lies under the point, in f's client
// coordinates: the last created child is on top.
Fenetre fenetreSousPoint(Fenetre f, Point p) {
    std::vector<Fenetre> enfants = enfantsFenetre(f);
    for (auto it = enfants.rbegin(); it != enfants.rend(); ++it) {
        if (!estAffichee(*it)) continue;
        const Rectangle c = cadreFenetre(*it);
        if (p.x >= c.gauche && p.x < c.droite && p.y >= c.haut && p.y < c.bas)
            return fenetreSousPoint(*it, {p.x - c.gauche, p.y - c.haut});
    }
    return f;
}

// Paints the surface of f and those of its visible children, each at its
// place in its parent's client area (the context holds the parent's
// translation and clip; origineParent is the parent's client origin on the
// screen).
void composeSurfaces(cairo_t* cr, Fenetre f, Point origineParent) {
    if (!estVisible(f)) return;
    const Point origine = clientVersEcran(f, {0, 0});
    const Rectangle client = rectangleClient(f);
    cairo_save(cr);
    cairo_translate(cr, origine.x - origineParent.x, origine.y - origineParent.y);
    cairo_rectangle(cr, 0, 0, client.largeur(), client.hauteur());
    cairo_clip(cr);
    if (const Bitmap* b = surfaceExistante(f)) {
        cairo_surface_flush(b->surface());
        cairo_set_source_surface(cr, b->surface(), 0, 0);
        cairo_paint(cr);
    }
    for (Fenetre enfant : enfantsFenetre(f))
        composeSurfaces(cr, enfant, origine);
    cairo_restore(cr);
}

gboolean dessine(GtkWidget* zone, cairo_t* cr, gpointer) {
    const Fenetre racine = racineDeWidget(zone);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    if (estFenetre(racine)) composeSurfaces(cr, racine, clientVersEcran(racine, {0, 0}));
    return TRUE;
}

uint32_t boutonsTenus(guint etatGdk) {
    uint32_t w = 0;
    if (etatGdk & GDK_BUTTON1_MASK) w |= MK_LBUTTON;
    if (etatGdk & GDK_BUTTON3_MASK) w |= MK_RBUTTON;
    if (etatGdk & GDK_SHIFT_MASK) w |= MK_SHIFT;
    if (etatGdk & GDK_CONTROL_MASK) w |= MK_CONTROL;
    return w;
}

void noteModificateurs(guint etatGdk) {
    fixeModificateurs(etatGdk & GDK_SHIFT_MASK, etatGdk & GDK_CONTROL_MASK, etatGdk & GDK_MOD1_MASK);
}

// The window a mouse event at (x, y) of the top-level window goes to (the
// capture first), and the point in its client coordinates.
Fenetre cibleSouris(Fenetre racine, double x, double y, Point& client) {
    const Point ecran = clientVersEcran(racine, {int32_t(x), int32_t(y)});
    fixePositionCurseur(ecran);
    Fenetre cible = fenetreCapture();
    if (cible == kAucuneFenetre || ancetreRacine(cible) != racine)
        cible = fenetreSousPoint(racine, {int32_t(x), int32_t(y)});
    client = ecranVersClient(cible, ecran);
    return cible;
}

bool doubleClic(Fenetre racine, const GdkEventButton* ev) {
    EtatGtk& e = etat();
    GtkSettings* reglages = gtk_settings_get_default();
    gint delai = 400, distance = 5;
    g_object_get(reglages, "gtk-double-click-time", &delai, "gtk-double-click-distance", &distance, nullptr);
    const bool double_ = e.clic.fenetre == racine && e.clic.bouton == ev->button &&
                         ev->time - e.clic.temps <= guint32(delai) &&
                         std::abs(ev->x - e.clic.x) <= distance && std::abs(ev->y - e.clic.y) <= distance;
    // A third press starts again: it is a simple press.
    e.clic = double_ ? DernierClic{} : DernierClic{ev->button, ev->time, ev->x, ev->y, racine};
    return double_;
}

gboolean boutonSouris(GtkWidget* zone, GdkEventButton* ev, gpointer) {
    // A click a widget of a form let through is not the drawing's.
    if (gtk_get_event_widget(reinterpret_cast<GdkEvent*>(ev)) != zone) return FALSE;
    if (ev->type != GDK_BUTTON_PRESS && ev->type != GDK_BUTTON_RELEASE) return TRUE;
    if (etat().modal > 0 || (ev->button != 1 && ev->button != 3)) return TRUE;
    const Fenetre racine = racineDeWidget(zone);
    if (!estFenetre(racine)) return TRUE;
    const bool gauche = ev->button == 1;
    const bool presse = ev->type == GDK_BUTTON_PRESS;
    // A click in the drawing takes the keys from the entries.
    if (auto it = etat().fenetres.find(racine); presse && it != etat().fenetres.end())
        gtk_widget_grab_focus(it->second.zone);
    noteModificateurs(ev->state);
    fixeToucheEnfoncee(gauche ? VK_LBUTTON : VK_RBUTTON, presse);
    Point client;
    const Fenetre cible = cibleSouris(racine, ev->x, ev->y, client);
    // The state of the event is the one before it: the button pressed is
    // held in wParam, the button released no more.
    uint32_t w = boutonsTenus(ev->state);
    const uint32_t masque = gauche ? MK_LBUTTON : MK_RBUTTON;
    w = presse ? (w | masque) : (w & ~masque);
    uint32_t message;
    if (presse)
        message = doubleClic(racine, ev) ? (gauche ? WM_LBUTTONDBLCLK : WM_RBUTTONDBLCLK)
                                         : (gauche ? WM_LBUTTONDOWN : WM_RBUTTONDOWN);
    else
        message = gauche ? WM_LBUTTONUP : WM_RBUTTONUP;
    envoieMessage(cible, message, w, lParamDeCoordonnees(client.x, client.y));
    pompe();
    return TRUE;
}

gboolean mouvementSouris(GtkWidget* zone, GdkEventMotion* ev, gpointer) {
    if (gtk_get_event_widget(reinterpret_cast<GdkEvent*>(ev)) != zone) return FALSE;
    if (etat().modal > 0) return TRUE;
    const Fenetre racine = racineDeWidget(zone);
    if (!estFenetre(racine)) return TRUE;
    noteModificateurs(ev->state);
    Point client;
    const Fenetre cible = cibleSouris(racine, ev->x, ev->y, client);
    envoieMessage(cible, WM_MOUSEMOVE, boutonsTenus(ev->state), lParamDeCoordonnees(client.x, client.y));
    pompe();
    return TRUE;
}

// The window that takes the keys of a top-level window: the focus, else the
// active window, when they lie in it; else the top-level window itself.
Fenetre cibleClavier(Fenetre racine) {
    const Fenetre focus = fenetreFocus();
    if (focus != kAucuneFenetre && ancetreRacine(focus) == racine) return focus;
    const Fenetre active = fenetreActive();
    if (active != kAucuneFenetre && ancetreRacine(active) == racine) return active;
    return racine;
}

// The window of a form that holds the library's keyboard: the target of the
// keys, or the window around it that has a form; none when the keys go to
// no form (the figure, the host's window).
Fenetre formeAuClavier(Fenetre cible, Fenetre racine) {
    for (Fenetre f = cible; f != kAucuneFenetre && f != racine; f = parentFenetre(f))
        if (formeLiee(f)) return f;
    return kAucuneFenetre;
}

// The character a key types, in the library's characters; 0 when none. Ctrl
// with a letter types the control character, as on the system the library
// was made for.
uint8_t caractereDeTouche(const GdkEventKey* ev) {
    if ((ev->state & GDK_CONTROL_MASK) != 0) {
        const guint minuscule = gdk_keyval_to_lower(ev->keyval);
        if (minuscule >= GDK_KEY_a && minuscule <= GDK_KEY_z) return uint8_t(minuscule - GDK_KEY_a + 1);
        return 0;
    }
    const gunichar u = gdk_keyval_to_unicode(ev->keyval);
    if (u == 0 || u == 127) return 0;
    char utf8[8] = {};
    g_unichar_to_utf8(u, utf8);
    const std::string c = windows1252DeUtf8(utf8);
    return c.size() == 1 ? uint8_t(c[0]) : 0;
}

gboolean touche(GtkWidget* fenetre, GdkEventKey* ev, gpointer) {
    const bool presse = ev->type == GDK_KEY_PRESS;
    const uint8_t vk = toucheVirtuelle(ev->keyval);
    // The state of the event is the one before it; a modifier key itself
    // changes it. Every key the window sees is held or released whatever
    // takes it afterwards (a control of a form, nothing while a box is
    // open): a key that went down over the figure and up in an annex's
    // entry is up (the editor's Ctrl+Shift+E needs E truly held).
    noteModificateurs(ev->state);
    if (vk != 0) fixeToucheEnfoncee(vk, presse);
    if (etat().modal > 0) return FALSE;
    const Fenetre racine = racineDeWidget(fenetre);
    if (!estFenetre(racine)) return FALSE;
    if (presse && vk == 'V' && (ev->state & GDK_CONTROL_MASK)) importeTextePressePapiers();
    // The keys go where the library's keyboard is (an annex window or a
    // dialog that took it keeps it through clicks on its palette or on the
    // figure): when that window has a form, the control of the form that
    // holds the keyboard in the model takes the key first, as it would
    // after a click in it, whatever widget the pointer last clicked.
    auto g = etat().fenetres.find(racine);
    if (g == etat().fenetres.end()) return FALSE;
    const Fenetre cible = cibleClavier(racine);
    const Fenetre formeTenante = formeAuClavier(cible, racine);
    GtkWidget* focus = gtk_window_get_focus(GTK_WINDOW(fenetre));
    if (presse && formeTenante != kAucuneFenetre && (!focus || formeDuWidget(focus) == kAucuneFenetre) &&
        rendClavierAForme(g->second.formes, formeTenante))
        focus = gtk_window_get_focus(GTK_WINDOW(fenetre));
    // A widget of a form with the focus takes its keys first (an entry its
    // Ctrl+C, Ctrl+V); what it leaves may still be one of the host's keys.
    const bool formeAuFocus = focus && focus != g->second.zone;
    // Tab goes from control to control in the form's order (a text of
    // several lines keeps its Tab), never onto a control of another form.
    const bool tab =
        ev->keyval == GDK_KEY_Tab || ev->keyval == GDK_KEY_ISO_Left_Tab || ev->keyval == GDK_KEY_KP_Tab;
    if (formeAuFocus && presse && tab && (ev->state & GDK_CONTROL_MASK) == 0 && !GTK_IS_TEXT_VIEW(focus) &&
        tabule(g->second.formes, focus, (ev->state & GDK_SHIFT_MASK) != 0)) {
        pompe();
        return TRUE;
    }
    if (formeAuFocus && presse && gtk_window_propagate_key_event(GTK_WINDOW(fenetre), ev)) {
        pompe();
        return TRUE;
    }
    // The window of the form whose control has the keyboard, else the one
    // that holds the library's keyboard.
    const Fenetre forme = formeAuFocus ? formeDuWidget(focus) : formeTenante;
    // Escape, F1 and F4 that the control left (a button, a combo box) go to
    // its form's window, which cancels, helps or closes whatever control
    // has the keyboard.
    if (formeAuFocus && presse && (vk == VK_ESCAPE || vk == VK_F1 || vk == VK_F1 + 3) &&
        forme != kAucuneFenetre) {
        envoieMessage(forme, WM_KEYDOWN, vk, 0);
        pompe();
        return TRUE;
    }
    const bool raccourci = presse && vk != 0 && (ev->state & GDK_CONTROL_MASK) && vk != VK_CONTROL &&
                           vk != VK_SHIFT && vk != VK_MENU;
    // A shortcut typed while a window shown inside holds the keyboard (an
    // annex's Ctrl+Z) is that window's before it is the host's.
    if (raccourci && forme != kAucuneFenetre && envoieMessage(forme, WM_RACCOURCI, vk, 0) != 0) {
        pompe();
        return TRUE;
    }
    if (raccourci && envoieMessage(racine, WM_TOUCHE_HOTE, vk, (ev->state & GDK_SHIFT_MASK) ? 1 : 0) != 0) {
        pompe();
        return TRUE;
    }
    if (formeAuFocus) return FALSE;
    if (vk != 0) envoieMessage(cible, presse ? WM_KEYDOWN : WM_KEYUP, vk, 0);
    if (presse) {
        const uint8_t c = caractereDeTouche(ev);
        if (c != 0 && estFenetre(cible)) envoieMessage(cible, WM_CHAR, c, 0);
    }
    pompe();
    return TRUE;
}

// The window lost the keyboard (another window, a box, a menu took it):
// the keys released meanwhile are never seen, so none is held any more.
gboolean perteClavier(GtkWidget*, GdkEventFocus*, gpointer) {
    for (int t = 0; t < 256; ++t)
        if (t != VK_LBUTTON && t != VK_RBUTTON && t != VK_MBUTTON) fixeToucheEnfoncee(uint8_t(t), false);
    return FALSE;
}

gboolean fermeture(GtkWidget* fenetre, GdkEvent*, gpointer) {
    const Fenetre racine = racineDeWidget(fenetre);
    if (etat().modal == 0 && estFenetre(racine)) {
        // A window shown inside with a close box of its own (an annex
        // window) is what a close request closes first, as a dialog over a
        // program's window would be.
        const Fenetre annexe = fenetreACaseFermeture(racine);
        envoieMessage(annexe != kAucuneFenetre ? annexe : racine, WM_CLOSE, 0, 0);
        pompe();
    }
    // The window goes when the layer destroys or hides it.
    return TRUE;
}

// The frame of the top-level window as the toolkit placed it (a move or a
// resize by the user) becomes the layer's: WM_MOVE and WM_SIZE follow.
gboolean configuration(GtkWidget* fenetre, GdkEventConfigure* ev, gpointer) {
    const Fenetre racine = racineDeWidget(fenetre);
    auto it = etat().fenetres.find(racine);
    if (it == etat().fenetres.end() || !estFenetre(racine)) return FALSE;
    gint x = ev->x, y = ev->y;
    if (GdkWindow* g = gtk_widget_get_window(it->second.zone)) gdk_window_get_origin(g, &x, &y);
    const Rectangle cadre{x, y, x + ev->width, y + ev->height};
    if (!(cadre == cadreFenetre(racine))) {
        it->second.cadreApplique = cadre;
        placeFenetre(racine, cadre);
        if (etat().modal == 0) pompe();
    }
    return FALSE;
}

FenetreGtk creeFenetreGtk(Fenetre racine) {
    FenetreGtk g;
    g.fenetre = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    g.zone = gtk_drawing_area_new();
    g_object_set_data(G_OBJECT(g.fenetre), "km32-fenetre", GUINT_TO_POINTER(racine));
    g_object_set_data(G_OBJECT(g.zone), "km32-fenetre", GUINT_TO_POINTER(racine));
    gtk_widget_add_events(g.zone, GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK | GDK_POINTER_MOTION_MASK);
    gtk_widget_set_can_focus(g.zone, TRUE);
    // The widgets of the forms lie over the drawing in a layer whose own
    // input window, under them, takes the mouse beside them: its events are
    // the drawing's (the toolkit's pass-through layer would also let the
    // clicks on scrolled lists through).
    GtkWidget* superposition = gtk_overlay_new();
    g.formes.fixe = gtk_fixed_new();
    g.fond = gtk_event_box_new();
    gtk_event_box_set_visible_window(GTK_EVENT_BOX(g.fond), FALSE);
    g_object_set_data(G_OBJECT(g.fond), "km32-fenetre", GUINT_TO_POINTER(racine));
    gtk_widget_add_events(g.fond, GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK | GDK_POINTER_MOTION_MASK);
    gtk_container_add(GTK_CONTAINER(g.fond), g.formes.fixe);
    gtk_container_add(GTK_CONTAINER(superposition), g.zone);
    gtk_overlay_add_overlay(GTK_OVERLAY(superposition), g.fond);
    gtk_container_add(GTK_CONTAINER(g.fenetre), superposition);
    g_signal_connect(g.zone, "draw", G_CALLBACK(dessine), nullptr);
    g_signal_connect(g.fond, "button-press-event", G_CALLBACK(boutonSouris), nullptr);
    g_signal_connect(g.fond, "button-release-event", G_CALLBACK(boutonSouris), nullptr);
    g_signal_connect(g.fond, "motion-notify-event", G_CALLBACK(mouvementSouris), nullptr);
    g_signal_connect(g.fenetre, "key-press-event", G_CALLBACK(touche), nullptr);
    g_signal_connect(g.fenetre, "key-release-event", G_CALLBACK(touche), nullptr);
    g_signal_connect(g.fenetre, "delete-event", G_CALLBACK(fermeture), nullptr);
    g_signal_connect(g.fenetre, "focus-out-event", G_CALLBACK(perteClavier), nullptr);
    g_signal_connect(g.fenetre, "configure-event", G_CALLBACK(configuration), nullptr);
    return g;
}

const char* nomCurseurGtk(Curseur c) {
    switch (c) {
    case kCurseurSablier:
        return "wait";
    case kCurseurRedimensionneNS:
        return "ns-resize";
    case kCurseurRedimensionneEO:
        return "ew-resize";
    case kCurseurCroix:
    case kCurseurKM:
        return "crosshair";
    case kCurseurMain:
        return "grab";
    case kCurseurMainPincee:
        return "grabbing";
    case kCurseurMainTournante:
    case kCurseurMainPlateTournante:
        return "all-scroll";
    case kAucunCurseur:
        return "none";
    default:
        return "default";
    }
}

void synchroniseCurseur() {
    EtatGtk& e = etat();
    const Curseur c = curseurCourant();
    if (c == e.curseur) return;
    e.curseur = c;
    for (auto& [f, g] : e.fenetres)
        for (GtkWidget* widget : {g.zone, g.fond}) {
            GdkWindow* w = gtk_widget_get_window(widget);
            if (!w) continue;
            GdkCursor* curseur = gdk_cursor_new_from_name(gdk_window_get_display(w), nomCurseurGtk(c));
            gdk_window_set_cursor(w, curseur);
            if (curseur) g_object_unref(curseur);
        }
}

// The smallest size of a top-level window: that which holds the windows
// with a form of their own shown inside it (annex windows, of a size they
// keep whatever the window's), so that none of their controls lies out of
// reach; no larger than the screen.
Point tailleMinimale(Fenetre racine) {
    Point t{1, 1};
    for (Fenetre enfant : enfantsFenetre(racine)) {
        if (!estAffichee(enfant) || !formeLiee(enfant)) continue;
        const Rectangle c = cadreFenetre(enfant);
        t.x = std::max(t.x, c.droite);
        t.y = std::max(t.y, c.bas);
    }
    const MesuresEcran ecran = mesuresEcran();
    if (ecran.largeur > 0) t.x = std::min(t.x, ecran.largeur);
    if (ecran.hauteur > 0) t.y = std::min(t.y, ecran.hauteur);
    return t;
}

// The toolkit keeps the window at least that large, and a window smaller
// than that grows at once (the layer follows through the configure event).
void appliqueTailleMinimale(FenetreGtk& g, Fenetre racine) {
    const Point t = tailleMinimale(racine);
    if (t.x == g.tailleMinimale.x && t.y == g.tailleMinimale.y) return;
    g.tailleMinimale = t;
    GdkGeometry geometrie{};
    geometrie.min_width = t.x;
    geometrie.min_height = t.y;
    gtk_window_set_geometry_hints(GTK_WINDOW(g.fenetre), nullptr, &geometrie, GDK_HINT_MIN_SIZE);
    const Rectangle client = rectangleClient(racine);
    if (client.largeur() < t.x || client.hauteur() < t.y)
        gtk_window_resize(GTK_WINDOW(g.fenetre), std::max(client.largeur(), t.x),
                          std::max(client.hauteur(), t.y));
}

// Each shown top-level window of the layer has its toolkit window, at its
// frame, with its caption; the others have none shown.
void synchroniseFenetres() {
    EtatGtk& e = etat();
    for (auto it = e.fenetres.begin(); it != e.fenetres.end();) {
        if (estFenetre(it->first) && parentFenetre(it->first) == kAucuneFenetre) {
            ++it;
            continue;
        }
        gtk_widget_destroy(it->second.fenetre);
        it = e.fenetres.erase(it);
    }
    for (Fenetre f : fenetresRacines()) {
        auto it = e.fenetres.find(f);
        if (!estAffichee(f)) {
            if (it != e.fenetres.end() && gtk_widget_get_visible(it->second.fenetre))
                gtk_widget_hide(it->second.fenetre);
            continue;
        }
        if (it == e.fenetres.end()) it = e.fenetres.emplace(f, creeFenetreGtk(f)).first;
        FenetreGtk& g = it->second;
        const std::string titre = titreAfficheFenetre(f);
        if (titre != g.titre || !gtk_widget_get_visible(g.fenetre)) {
            g.titre = titre;
            gtk_window_set_title(GTK_WINDOW(g.fenetre), titre.c_str());
        }
        const Rectangle cadre = cadreFenetre(f);
        if (!(cadre == g.cadreApplique) || !gtk_widget_get_visible(g.fenetre)) {
            g.cadreApplique = cadre;
            gtk_window_move(GTK_WINDOW(g.fenetre), cadre.gauche, cadre.haut);
            gtk_window_resize(GTK_WINDOW(g.fenetre), std::max(1, cadre.largeur()),
                              std::max(1, cadre.hauteur()));
        }
        if (!gtk_widget_get_visible(g.fenetre)) gtk_widget_show_all(g.fenetre);
        appliqueTailleMinimale(g, f);
        synchroniseFormes(g.formes, f);
        gtk_widget_queue_draw(g.zone);
    }
}

gboolean tick(gpointer) {
    etat().source = 0;
    pompe();
    return G_SOURCE_REMOVE;
}

// The next run of the layer's loop: at once when messages or paints wait,
// else at the next timer tick.
void planifie() {
    EtatGtk& e = etat();
    if (e.source != 0) g_source_remove(e.source);
    e.source = 0;
    if (nombreMessagesPostes() > 0 || prochaineFenetreAPeindre(kAucuneFenetre) != kAucuneFenetre) {
        e.source = g_idle_add(tick, nullptr);
        return;
    }
    const int64_t delai = delaiProchaineMinuterie();
    if (delai >= 0) e.source = g_timeout_add(guint(std::min<int64_t>(delai, 1 << 30)), tick, nullptr);
}

// The library's keyboard moved to a window with a form (a dialog given it
// back after a pick in the picker beside it): the toolkit's keyboard leaves
// the control of another form that holds it for that form's current
// control. A control of a form that takes the keyboard gives its window the
// library's focus, so the two part only when the library moves it.
void suitFocus() {
    EtatGtk& e = etat();
    const Fenetre focus = fenetreFocus();
    if (focus == e.focusSuivi) return;
    e.focusSuivi = focus;
    if (focus == kAucuneFenetre || !formeLiee(focus)) return;
    auto it = e.fenetres.find(ancetreRacine(focus));
    if (it == e.fenetres.end() || !gtk_widget_get_visible(it->second.fenetre)) return;
    GtkWidget* tenant = gtk_window_get_focus(GTK_WINDOW(it->second.fenetre));
    if (tenant && formeDuWidget(tenant) == focus) return;
    if (rendClavierAForme(it->second.formes, focus)) ameneClavierEcran(it->second.fenetre);
}

// The time of the user's last key or click, which a window manager weighs
// before it lets a window take the keyboard (the display, before it gives it).
guint32 tempsUtilisateur(GdkDisplay* affichage) {
#ifdef GDK_WINDOWING_X11
    if (GDK_IS_X11_DISPLAY(affichage))
        if (const guint32 t = gdk_x11_display_get_user_time(affichage); t != GDK_CURRENT_TIME) return t;
#endif
    (void)affichage;
    return gtk_get_current_event_time();
}

// Whether a window manager runs that gives the keyboard to the window it
// activates; without one the keys go where the display puts them.
bool gestionnaireDeFenetres(GdkWindow* w) {
#ifdef GDK_WINDOWING_X11
    if (GDK_IS_X11_DISPLAY(gdk_window_get_display(w)))
        return gdk_x11_screen_supports_net_wm_hint(gdk_window_get_screen(w),
                                                   gdk_atom_intern_static_string("_NET_ACTIVE_WINDOW"));
#endif
    (void)w;
    return true;
}

gboolean boiteMontree(GtkWidget* boite, GdkEvent*, gpointer) {
    prendClavierEcran(boite);
    return FALSE;
}

} // namespace

void prendClavierEcran(GtkWidget* fenetre) {
    GdkWindow* w = gtk_widget_get_window(fenetre);
    if (!w || !gtk_widget_get_mapped(fenetre)) return;
    gdk_window_focus(w, tempsUtilisateur(gdk_window_get_display(w)));
}

void ameneClavierEcran(GtkWidget* fenetre) {
    GdkWindow* w = gtk_widget_get_window(fenetre);
    if (!w || !gtk_widget_get_mapped(fenetre)) return;
    if (gtk_window_is_active(GTK_WINDOW(fenetre))) {
        // A window manager keeps the keyboard on the active window; without
        // one the keys follow the pointer, wherever the toolkit thinks the
        // keyboard is.
        if (gestionnaireDeFenetres(w)) return;
        GdkDevice* pointeur = gdk_seat_get_pointer(gdk_display_get_default_seat(gdk_window_get_display(w)));
        gint x = -1, y = -1;
        if (pointeur) gdk_window_get_device_position(w, pointeur, &x, &y, nullptr);
        if (x >= 0 && y >= 0 && x < gdk_window_get_width(w) && y < gdk_window_get_height(w)) return;
    }
    prendClavierEcran(fenetre);
}

void clavierALaBoite(GtkWidget* boite) {
    g_signal_connect(boite, "map-event", G_CALLBACK(boiteMontree), nullptr);
}

PeriodeModale::PeriodeModale() {
    ++etat().modal;
}
PeriodeModale::~PeriodeModale() {
    --etat().modal;
    if (etat().modal == 0) planifie();
}
bool enPeriodeModale() {
    return etat().modal > 0;
}

void pompe() {
    EtatGtk& e = etat();
    if (e.modal > 0 || e.dansPompe) return;
    e.dansPompe = true;
    distribueJusquAuRepos();
    e.dansPompe = false;
    synchroniseFenetres();
    suitFocus();
    synchroniseCurseur();
    synchronisePressePapiers();
    planifie();
}

GtkWidget* fenetreGtkDe(Fenetre f) {
    auto it = etat().fenetres.find(ancetreRacine(f));
    if (it == etat().fenetres.end() || !gtk_widget_get_visible(it->second.fenetre)) return nullptr;
    return it->second.fenetre;
}

GtkWidget* fenetreGtkParente() {
    if (GtkWidget* w = fenetreGtkDe(fenetreActive())) return w;
    for (auto& [f, g] : etat().fenetres)
        if (gtk_widget_get_visible(g.fenetre)) return g.fenetre;
    return nullptr;
}

bool demarre() {
    EtatGtk& e = etat();
    if (!e.demarree && !gtk_init_check(nullptr, nullptr)) return false;
    const bool premiere = !e.demarree;
    e.demarree = true;
    utiliseHorlogeVirtuelle(false);
    if (GdkMonitor* m = gdk_display_get_primary_monitor(gdk_display_get_default())) {
        GdkRectangle r;
        gdk_monitor_get_geometry(m, &r);
        MesuresEcran mesures = mesuresEcran();
        mesures.largeur = r.width;
        mesures.hauteur = r.height;
        configureEcran(mesures);
    }
    // The widgets of the forms fit the rows the models lay out.
    if (premiere) installeStyleFormes();
    installeBoites();
    installeMenus();
    installeMesures();
    return true;
}

bool demarree() {
    return etat().demarree;
}

void boucle() {
    EtatGtk& e = etat();
    pompe();
    e.boucle = g_main_loop_new(nullptr, FALSE);
    g_main_loop_run(e.boucle);
    g_main_loop_unref(e.boucle);
    e.boucle = nullptr;
    if (e.source != 0) g_source_remove(e.source);
    e.source = 0;
    for (auto& [f, g] : e.fenetres)
        gtk_widget_destroy(g.fenetre);
    e.fenetres.clear();
}

void traiteEvenements() {
    pompe();
    while (gtk_events_pending())
        gtk_main_iteration_do(FALSE);
    pompe();
}

void presente(Fenetre f) {
    if (!estFenetre(f)) return;
    const Fenetre racine = ancetreRacine(f);
    auto it = etat().fenetres.find(racine);
    if (it == etat().fenetres.end() || !gtk_widget_get_realized(it->second.zone)) return;
    GdkWindow* w = gtk_widget_get_window(it->second.zone);
    if (!w || !gdk_window_is_visible(w)) return;
    cairo_region_t* region = gdk_window_get_visible_region(w);
    GdkDrawingContext* contexte = gdk_window_begin_draw_frame(w, region);
    cairo_t* cr = gdk_drawing_context_get_cairo_context(contexte);
    // The zone's own window may lie inside the top-level one: draw in its
    // coordinates, as its draw handler does.
    dessine(it->second.zone, cr, nullptr);
    gdk_window_end_draw_frame(w, contexte);
    cairo_region_destroy(region);
    gdk_display_flush(gdk_window_get_display(w));
}

void quitteBoucle() {
    if (etat().boucle) g_main_loop_quit(etat().boucle);
}

} // namespace km32::platform::gtk
