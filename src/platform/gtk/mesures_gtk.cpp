// The sizes the bound forms' widgets need, measured on widgets of the same
// kinds and style class as formes_gtk makes, with the toolkit's font at the
// screen's resolution (GDK_DPI_SCALE included). Each answer is kept: the
// models lay out again often, the font does not change.
#include <gtk/gtk.h>

#include <map>
#include <tuple>

#include "base/texte.h"
#include "platform/gtk/affichage_gtk.h"
#include "platform/mesures_texte.h"

namespace km32::platform::gtk {

namespace {

// The natural size of a widget of no window, in the forms' style.
TailleControle tailleNaturelle(GtkWidget* w) {
    g_object_ref_sink(w);
    gtk_style_context_add_class(gtk_widget_get_style_context(w), "km32");
    // A hidden widget asks for nothing.
    gtk_widget_show_all(w);
    GtkRequisition minimum, naturelle;
    gtk_widget_get_preferred_size(w, &minimum, &naturelle);
    gtk_widget_destroy(w);
    g_object_unref(w);
    return {std::max(minimum.width, naturelle.width), std::max(minimum.height, naturelle.height)};
}

TailleControle mesureWidget(GenreMesure genre, const std::string& texte, int caracteres) {
    const std::string utf8 = utf8DeWindows1252(texte);
    switch (genre) {
    case GenreMesure::Etiquette:
        return tailleNaturelle(gtk_label_new(utf8.c_str()));
    case GenreMesure::Bouton:
        return tailleNaturelle(gtk_button_new_with_label(utf8.c_str()));
    case GenreMesure::Case:
        return tailleNaturelle(gtk_check_button_new_with_label(utf8.c_str()));
    case GenreMesure::Champ: {
        GtkWidget* w = gtk_entry_new();
        gtk_entry_set_has_frame(GTK_ENTRY(w), TRUE);
        gtk_entry_set_width_chars(GTK_ENTRY(w), caracteres);
        gtk_entry_set_max_width_chars(GTK_ENTRY(w), caracteres);
        return tailleNaturelle(w);
    }
    case GenreMesure::Combo: {
        GtkWidget* w = gtk_combo_box_text_new();
        std::size_t debut = 0;
        while (debut <= utf8.size() && !utf8.empty()) {
            const std::size_t fin = std::min(utf8.find('\n', debut), utf8.size());
            gtk_combo_box_text_append_text(GTK_COMBO_BOX_TEXT(w), utf8.substr(debut, fin - debut).c_str());
            debut = fin + 1;
        }
        gtk_combo_box_set_active(GTK_COMBO_BOX(w), 0);
        return tailleNaturelle(w);
    }
    case GenreMesure::LigneListe: {
        // A line of a list of one column as formes_gtk shows it: the text
        // cell with its padding, and the list's space between lines. A list
        // that is not on screen asks for no height, so the cell is measured.
        GtkListStore* magasin = gtk_list_store_new(1, G_TYPE_STRING);
        GtkTreeIter ligne;
        gtk_list_store_append(magasin, &ligne);
        gtk_list_store_set(magasin, &ligne, 0, utf8.c_str(), -1);
        GtkWidget* w = gtk_tree_view_new_with_model(GTK_TREE_MODEL(magasin));
        g_object_ref_sink(w);
        gtk_style_context_add_class(gtk_widget_get_style_context(w), "km32");
        GtkTreeViewColumn* colonne =
            gtk_tree_view_column_new_with_attributes("", gtk_cell_renderer_text_new(), "text", 0, nullptr);
        gtk_tree_view_append_column(GTK_TREE_VIEW(w), colonne);
        gtk_tree_view_column_cell_set_cell_data(colonne, GTK_TREE_MODEL(magasin), &ligne, FALSE, FALSE);
        gint largeur = 0, hauteur = 0, ecartVertical = 0, ecartHorizontal = 0;
        gtk_tree_view_column_cell_get_size(colonne, nullptr, nullptr, nullptr, &largeur, &hauteur);
        gtk_widget_style_get(w, "vertical-separator", &ecartVertical, "horizontal-separator",
                             &ecartHorizontal, nullptr);
        gtk_widget_destroy(w);
        g_object_unref(w);
        g_object_unref(magasin);
        return {largeur + ecartHorizontal, hauteur + ecartVertical};
    }
    }
    return {};
}

TailleControle mesureGardee(GenreMesure genre, const std::string& texte, int caracteres) {
    static std::map<std::tuple<GenreMesure, std::string, int>, TailleControle> gardees;
    const auto cle = std::make_tuple(genre, texte, caracteres);
    if (auto it = gardees.find(cle); it != gardees.end()) return it->second;
    return gardees[cle] = mesureWidget(genre, texte, caracteres);
}

} // namespace

void installeMesures() {
    installeMesureur(mesureGardee);
}

} // namespace km32::platform::gtk
