// Pop-up menus of the layer shown as the toolkit's menus: the menu is built
// from the model (items, separators, sub-menus, grey and check marks), shown
// at the point and waited for; the item picked is the answer.
#include <gtk/gtk.h>

#include <optional>
#include <string>

#include "base/texte.h"
#include "platform/gtk/affichage_gtk.h"
#include "platform/menus.h"

namespace km32::platform::gtk {

namespace {

struct AttenteMenu {
    GMainLoop* boucle = nullptr;
    std::optional<uint32_t> choix;
};

// "&Fichier" marks its mnemonic with '&'; the toolkit with '_'.
std::string libelleGtk(const std::string& libelle) {
    std::string t;
    for (std::size_t i = 0; i < libelle.size(); ++i) {
        if (libelle[i] == '_') {
            t += "__";
        } else if (libelle[i] == '&' && i + 1 < libelle.size() && libelle[i + 1] == '&') {
            t += '&';
            ++i;
        } else if (libelle[i] == '&') {
            t += '_';
        } else {
            t += libelle[i];
        }
    }
    return utf8DeWindows1252(t);
}

void elementActive(GtkMenuItem* element, gpointer donnee) {
    static_cast<AttenteMenu*>(donnee)->choix =
        uint32_t(GPOINTER_TO_UINT(g_object_get_data(G_OBJECT(element), "km32-identifiant")));
}

void menuFerme(GtkMenuShell*, gpointer donnee) {
    g_main_loop_quit(static_cast<AttenteMenu*>(donnee)->boucle);
}

GtkWidget* construitMenu(Menu m, AttenteMenu& attente) {
    GtkWidget* menu = gtk_menu_new();
    const int n = nombreElementsMenu(m);
    constexpr std::size_t kLibelleMax = 255;
    for (int i = 0; i < n; ++i) {
        GtkWidget* element = nullptr;
        if (estSeparateur(m, i)) {
            element = gtk_separator_menu_item_new();
        } else {
            const std::string libelle = libelleGtk(libelleElementMenu(m, i, kLibelleMax));
            const Menu sous = sousMenuElement(m, i);
            if (elementCoche(m, i)) {
                element = gtk_check_menu_item_new_with_mnemonic(libelle.c_str());
                gtk_check_menu_item_set_active(GTK_CHECK_MENU_ITEM(element), TRUE);
            } else {
                element = gtk_menu_item_new_with_mnemonic(libelle.c_str());
            }
            if (sous != kAucunMenu) {
                gtk_menu_item_set_submenu(GTK_MENU_ITEM(element), construitMenu(sous, attente));
            } else {
                g_object_set_data(G_OBJECT(element), "km32-identifiant",
                                  GUINT_TO_POINTER(identifiantElementMenu(m, i)));
                g_signal_connect(element, "activate", G_CALLBACK(elementActive), &attente);
            }
            gtk_widget_set_sensitive(element, !elementGrise(m, i));
        }
        gtk_menu_shell_append(GTK_MENU_SHELL(menu), element);
    }
    return menu;
}

std::optional<uint32_t> choisitDansMenu(Menu m, uint32_t drapeaux, Point point, Fenetre proprietaire) {
    GtkWidget* parent = fenetreGtkDe(proprietaire);
    if (!parent) parent = fenetreGtkParente();
    if (!parent || !gtk_widget_get_window(parent)) return std::nullopt;
    AttenteMenu attente;
    GtkWidget* menu = construitMenu(m, attente);
    gtk_menu_attach_to_widget(GTK_MENU(menu), parent, nullptr);
    gtk_widget_show_all(menu);
    // The point is on the screen; the menu is placed relative to the window.
    GdkWindow* g = gtk_widget_get_window(parent);
    gint ox = 0, oy = 0;
    gdk_window_get_origin(g, &ox, &oy);
    const GdkRectangle ancre{point.x - ox, point.y - oy, 1, 1};
    const bool droite = drapeaux & TPM_RIGHTALIGN, bas = drapeaux & TPM_BOTTOMALIGN;
    const GdkGravity gravite = droite ? (bas ? GDK_GRAVITY_SOUTH_EAST : GDK_GRAVITY_NORTH_EAST)
                                      : (bas ? GDK_GRAVITY_SOUTH_WEST : GDK_GRAVITY_NORTH_WEST);
    attente.boucle = g_main_loop_new(nullptr, FALSE);
    g_signal_connect(menu, "deactivate", G_CALLBACK(menuFerme), &attente);
    {
        PeriodeModale modale;
        gtk_menu_popup_at_rect(GTK_MENU(menu), g, &ancre, GDK_GRAVITY_NORTH_WEST, gravite, nullptr);
        if (gtk_widget_get_visible(menu)) g_main_loop_run(attente.boucle);
    }
    g_main_loop_unref(attente.boucle);
    gtk_widget_destroy(menu);
    return attente.choix;
}

} // namespace

void installeMenus() {
    installeChoixMenuAffiche(choisitDansMenu);
}

} // namespace km32::platform::gtk
