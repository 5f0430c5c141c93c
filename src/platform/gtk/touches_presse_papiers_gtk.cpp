// The toolkit's keys as the layer's virtual key codes, and the layer's
// clipboard on the toolkit's (its text, and its picture as SVG and PDF).
#include <gtk/gtk.h>

#include <cstring>
#include <memory>
#include <string>

#include "base/texte.h"
#include "platform/entrees.h"
#include "platform/gtk/affichage_gtk.h"
#include "platform/presse_papiers.h"

namespace km32::platform::gtk {

uint8_t toucheVirtuelle(unsigned keyval) {
    if (keyval >= GDK_KEY_a && keyval <= GDK_KEY_z) return uint8_t('A' + (keyval - GDK_KEY_a));
    if (keyval >= GDK_KEY_A && keyval <= GDK_KEY_Z) return uint8_t(keyval);
    if (keyval >= GDK_KEY_0 && keyval <= GDK_KEY_9) return uint8_t(keyval);
    if (keyval >= GDK_KEY_F1 && keyval <= GDK_KEY_F12) return uint8_t(VK_F1 + (keyval - GDK_KEY_F1));
    switch (keyval) {
    case GDK_KEY_BackSpace:
        return VK_BACK;
    case GDK_KEY_Tab:
    case GDK_KEY_ISO_Left_Tab:
        return VK_TAB;
    case GDK_KEY_Return:
    case GDK_KEY_KP_Enter:
        return VK_RETURN;
    case GDK_KEY_Shift_L:
    case GDK_KEY_Shift_R:
        return VK_SHIFT;
    case GDK_KEY_Control_L:
    case GDK_KEY_Control_R:
        return VK_CONTROL;
    case GDK_KEY_Alt_L:
    case GDK_KEY_Alt_R:
        return VK_MENU;
    case GDK_KEY_Escape:
        return VK_ESCAPE;
    case GDK_KEY_space:
        return VK_SPACE;
    case GDK_KEY_Page_Up:
        return VK_PRIOR;
    case GDK_KEY_Page_Down:
        return VK_NEXT;
    case GDK_KEY_End:
        return VK_END;
    case GDK_KEY_Home:
        return VK_HOME;
    case GDK_KEY_Left:
        return VK_LEFT;
    case GDK_KEY_Up:
        return VK_UP;
    case GDK_KEY_Right:
        return VK_RIGHT;
    case GDK_KEY_Down:
        return VK_DOWN;
    case GDK_KEY_Insert:
        return VK_INSERT;
    case GDK_KEY_Delete:
        return VK_DELETE;
    case GDK_KEY_KP_Add:
        return VK_ADD;
    case GDK_KEY_KP_Subtract:
        return VK_SUBTRACT;
    case GDK_KEY_plus:
    case GDK_KEY_equal:
        return VK_OEM_PLUS;
    case GDK_KEY_minus:
        return VK_OEM_MINUS;
    default:
        return 0;
    }
}

namespace {

// What the toolkit's clipboard offers while the layer's is ours.
struct ContenuOffert {
    std::string texte; // UTF-8
    bool aTexte = false;
    std::string svg, pdf, png;
};

enum Cible : guint { kCibleTexte = 1, kCibleSvg = 2, kCiblePdf = 3, kCiblePng = 4 };

uint32_t& sequenceExportee() {
    static uint32_t s = 0;
    return s;
}

void fournit(GtkClipboard*, GtkSelectionData* selection, guint cible, gpointer donnee) {
    const ContenuOffert* c = static_cast<const ContenuOffert*>(donnee);
    if (cible == kCibleTexte) {
        gtk_selection_data_set_text(selection, c->texte.c_str(), gint(c->texte.size()));
        return;
    }
    const std::string& document = cible == kCibleSvg ? c->svg : cible == kCiblePng ? c->png : c->pdf;
    gtk_selection_data_set(selection, gtk_selection_data_get_target(selection), 8,
                           reinterpret_cast<const guchar*>(document.data()), gint(document.size()));
}

// True while the toolkit's clipboard holds what we put there.
bool& offreEnCours() {
    static bool o = false;
    return o;
}

void libere(GtkClipboard*, gpointer donnee) {
    offreEnCours() = false;
    delete static_cast<ContenuOffert*>(donnee);
}

} // namespace

void synchronisePressePapiers() {
    const uint32_t sequence = numeroSequencePressePapiers();
    if (sequence == sequenceExportee() || pressePapiersOuvert()) return;
    sequenceExportee() = sequence;
    const std::string* texte = textePressePapiers();
    const ImagePressePapiers* image = imagePressePapiers();
    if (!texte && !image) return;
    auto contenu = std::make_unique<ContenuOffert>();
    GtkTargetList* cibles = gtk_target_list_new(nullptr, 0);
    if (texte) {
        contenu->texte = utf8DeWindows1252(*texte);
        contenu->aTexte = true;
        gtk_target_list_add_text_targets(cibles, kCibleTexte);
    }
    if (image) {
        contenu->svg = image->svg;
        contenu->pdf = image->pdf;
        contenu->png = image->png;
        gtk_target_list_add(cibles, gdk_atom_intern_static_string("image/svg+xml"), 0, kCibleSvg);
        gtk_target_list_add(cibles, gdk_atom_intern_static_string("application/pdf"), 0, kCiblePdf);
        if (!image->png.empty())
            gtk_target_list_add(cibles, gdk_atom_intern_static_string("image/png"), 0, kCiblePng);
    }
    gint n = 0;
    GtkTargetEntry* table = gtk_target_table_new_from_list(cibles, &n);
    GtkClipboard* pp = gtk_clipboard_get(GDK_SELECTION_CLIPBOARD);
    if (gtk_clipboard_set_with_data(pp, table, guint(n), fournit, libere, contenu.get())) {
        contenu.release();
        offreEnCours() = true;
    }
    gtk_clipboard_set_can_store(pp, table, n);
    gtk_target_table_free(table, n);
    gtk_target_list_unref(cibles);
}

void importeTextePressePapiers() {
    GtkClipboard* pp = gtk_clipboard_get(GDK_SELECTION_CLIPBOARD);
    // What we offer ourselves is already in the layer's clipboard.
    if (offreEnCours()) return;
    PeriodeModale modale;
    gchar* texte = gtk_clipboard_wait_for_text(pp);
    if (!texte) return;
    if (copieTexteDansPressePapiers(0, windows1252DeUtf8(texte)))
        sequenceExportee() = numeroSequencePressePapiers();
    g_free(texte);
}

} // namespace km32::platform::gtk
