#include "platform/gtk/formes_gtk.h"

#include <gtk/gtk.h>

#include <cstdio>

#include "base/texte.h"
#include "platform/formes_liees.h"
#include "platform/gtk/affichage_gtk.h"
#include "platform/entrees.h"
#include "platform/messages.h"

namespace km32::platform::gtk {

namespace {

enum GenreControle { kChamp, kTexte, kBouton, kCase, kEtiquette, kListe, kCombo, kFermeture };

// Set while the widgets are brought in line with the models: the signals it
// raises are not the user's.
bool& miseAJour() {
    static bool m = false;
    return m;
}

struct Garde {
    Garde() { miseAJour() = true; }
    ~Garde() { miseAJour() = false; }
    Garde(const Garde&) = delete;
    Garde& operator=(const Garde&) = delete;
};

Fenetre fenetreDuControle(gpointer w) {
    return Fenetre(GPOINTER_TO_UINT(g_object_get_data(G_OBJECT(w), "km32-forme")));
}
int numeroDuControle(gpointer w) {
    return GPOINTER_TO_INT(g_object_get_data(G_OBJECT(w), "km32-numero"));
}
ControlesFormes* controlesDe(gpointer w) {
    return static_cast<ControlesFormes*>(g_object_get_data(G_OBJECT(w), "km32-controles"));
}
DernierEtatControle* dernierDe(gpointer w, int genre) {
    ControlesFormes* c = controlesDe(w);
    if (!c) return nullptr;
    return &c->derniers[{fenetreDuControle(w), genre, numeroDuControle(w)}];
}

// The form's operations when the user may act on it now.
const OperationsForme* operationsSiLibre(gpointer w) {
    if (miseAJour() || enPeriodeModale()) return nullptr;
    return formeLiee(fenetreDuControle(w));
}

void marque(GtkWidget* w, Fenetre f, int numero, ControlesFormes& c) {
    g_object_set_data(G_OBJECT(w), "km32-forme", GUINT_TO_POINTER(f));
    g_object_set_data(G_OBJECT(w), "km32-numero", GINT_TO_POINTER(numero));
    g_object_set_data(G_OBJECT(w), "km32-controles", &c);
    gtk_style_context_add_class(gtk_widget_get_style_context(w), "km32");
}

// The forms lie over the drawing on a layer that lets the clicks beside
// their controls through to it; a control without a window of its own (a
// scrolled list or text, a combo box) is put in an input-only box so that its
// clicks stay its own. The box carries the inner widget.
GtkWidget* dansUneBoite(GtkWidget* w, GtkWidget* interieur) {
    GtkWidget* boite = gtk_event_box_new();
    gtk_event_box_set_visible_window(GTK_EVENT_BOX(boite), FALSE);
    gtk_container_add(GTK_CONTAINER(boite), w);
    g_object_set_data(G_OBJECT(boite), "km32-vue", interieur);
    return boite;
}

// --- Texts: the models' lines end with CR LF, the toolkit's with LF; the
// models count in bytes of Windows-1252, the toolkit in characters. ---

// True when byte k of the model's text is the CR of a CR LF, which the
// toolkit's text does not have.
bool crDeCRLF(const std::string& t, std::size_t k) {
    return t[k] == '\r' && k + 1 < t.size() && t[k + 1] == '\n';
}

std::string texteVersGtk(const std::string& t) {
    std::string s;
    s.reserve(t.size());
    for (std::size_t k = 0; k < t.size(); ++k)
        if (!crDeCRLF(t, k)) s += t[k];
    return utf8DeWindows1252(s);
}

std::string texteDepuisGtk(const char* utf8) {
    const std::string t = windows1252DeUtf8(utf8);
    std::string s;
    s.reserve(t.size());
    for (char c : t) {
        if (c == '\n') s += '\r';
        s += c;
    }
    return s;
}

// The toolkit's character offset of a byte offset of the model's text.
int decalageGtk(const std::string& t, uint32_t octet) {
    int n = 0;
    for (std::size_t k = 0; k < t.size() && k < octet; ++k)
        if (!crDeCRLF(t, k)) ++n;
    return n;
}

// The model's byte offset of a character offset of the toolkit's text.
uint32_t decalageModele(const std::string& t, int caractere) {
    std::size_t k = 0;
    for (int n = 0; k < t.size() && n < caractere; ++k)
        if (!crDeCRLF(t, k)) ++n;
    return uint32_t(k);
}

// --- One-line entries ---

void entreeChange(GtkEditable* champ, gpointer) {
    const OperationsForme* o = operationsSiLibre(champ);
    if (!o || !o->changeTexte) return;
    o->changeTexte(numeroDuControle(champ), windows1252DeUtf8(gtk_entry_get_text(GTK_ENTRY(champ))));
    pompe();
}

gboolean prendFocus(GtkWidget* w, GdkEvent*, gpointer) {
    const OperationsForme* o = operationsSiLibre(w);
    if (!o) return FALSE;
    const Fenetre f = fenetreDuControle(w);
    if (ControlesFormes* c = controlesDe(w)) c->champCourant[f] = numeroDuControle(w);
    // The window whose control has the keyboard holds the library's focus.
    if (fenetreFocus() != f) donneFocus(f);
    if (o->prendFocus) o->prendFocus(numeroDuControle(w));
    pompe();
    return FALSE;
}

// The keys that leave, validate or cancel a form go to the form's window; a
// one-line entry also gives it Enter and the arrows that move between
// fields, a list the Delete key (the models delete their selected lines).
enum GenreTouches { kTouchesTexte, kTouchesEntree, kTouchesListe };

bool toucheDeLaForme(uint8_t vk, int genre) {
    if (vk == VK_ESCAPE || vk == VK_F1 || vk == VK_F1 + 3) return true;
    if (genre == kTouchesListe) return vk == VK_DELETE;
    return genre == kTouchesEntree && (vk == VK_RETURN || vk == VK_UP || vk == VK_DOWN);
}

gboolean toucheControle(GtkWidget* w, GdkEventKey* ev, gpointer genre) {
    if (enPeriodeModale()) return FALSE;
    const uint8_t vk = toucheVirtuelle(ev->keyval);
    const bool entreeAuFormulaire =
        vk == VK_RETURN && g_object_get_data(G_OBJECT(w), "km32-entree") != nullptr;
    if (!toucheDeLaForme(vk, GPOINTER_TO_INT(genre)) && !entreeAuFormulaire) return FALSE;
    envoieMessage(fenetreDuControle(w), WM_KEYDOWN, vk, 0);
    pompe();
    return TRUE;
}

GtkWidget* nouvelleEntree() {
    GtkWidget* w = gtk_entry_new();
    gtk_entry_set_has_frame(GTK_ENTRY(w), TRUE);
    // The model gives the entry its width (measured with tailleChamp): the
    // toolkit's own minimum of some twenty characters would run it over
    // what stands at its right.
    gtk_entry_set_width_chars(GTK_ENTRY(w), 1);
    g_signal_connect(w, "changed", G_CALLBACK(entreeChange), nullptr);
    g_signal_connect(w, "focus-in-event", G_CALLBACK(prendFocus), nullptr);
    g_signal_connect(w, "key-press-event", G_CALLBACK(toucheControle), GINT_TO_POINTER(kTouchesEntree));
    return w;
}

void metAJourEntree(GtkWidget* w, const ChampLie& c) {
    const std::string texte = utf8DeWindows1252(c.texte);
    if (texte != gtk_entry_get_text(GTK_ENTRY(w))) {
        gtk_entry_set_text(GTK_ENTRY(w), texte.c_str());
        gtk_editable_set_position(GTK_EDITABLE(w), -1);
    }
    gtk_editable_set_editable(GTK_EDITABLE(w), !c.lectureSeule);
}

// --- Text views (several lines) ---

GtkTextView* vueDe(GtkWidget* boite) {
    return GTK_TEXT_VIEW(g_object_get_data(G_OBJECT(boite), "km32-vue"));
}

// The caret and selection of the buffer, in the model's bytes of texte.
void selectionDuTampon(GtkTextBuffer* tampon, const std::string& texte, uint32_t& debut, uint32_t& longueur) {
    // Without a selection both ends are the caret.
    GtkTextIter a, b;
    gtk_text_buffer_get_selection_bounds(tampon, &a, &b);
    debut = decalageModele(texte, gtk_text_iter_get_offset(&a));
    longueur = decalageModele(texte, gtk_text_iter_get_offset(&b)) - debut;
}

// The user's text, then the user's caret, into the model.
void tamponChange(GtkTextBuffer* tampon, gpointer vue) {
    const OperationsForme* o = operationsSiLibre(vue);
    DernierEtatControle* d = dernierDe(vue, kTexte);
    if (!o || !d) return;
    GtkTextIter a, b;
    gtk_text_buffer_get_bounds(tampon, &a, &b);
    gchar* utf8 = gtk_text_buffer_get_text(tampon, &a, &b, FALSE);
    d->texte = texteDepuisGtk(utf8);
    g_free(utf8);
    selectionDuTampon(tampon, d->texte, d->debutSelection, d->longueurSelection);
    const int numero = numeroDuControle(vue);
    if (o->changeTexte) o->changeTexte(numero, d->texte);
    if (o->changeSelection) o->changeSelection(numero, d->debutSelection, d->longueurSelection);
    pompe();
}

void marqueDeplacee(GtkTextBuffer* tampon, GtkTextIter*, GtkTextMark* marque, gpointer vue) {
    if (marque != gtk_text_buffer_get_insert(tampon) && marque != gtk_text_buffer_get_selection_bound(tampon))
        return;
    const OperationsForme* o = operationsSiLibre(vue);
    DernierEtatControle* d = dernierDe(vue, kTexte);
    if (!o || !d || !o->changeSelection) return;
    uint32_t debut = 0, longueur = 0;
    selectionDuTampon(tampon, d->texte, debut, longueur);
    if (debut == d->debutSelection && longueur == d->longueurSelection) return;
    d->debutSelection = debut;
    d->longueurSelection = longueur;
    o->changeSelection(numeroDuControle(vue), debut, longueur);
    pompe();
}

GtkWidget* nouveauTexte(Fenetre f, int numero, ControlesFormes& c) {
    GtkWidget* defilant = gtk_scrolled_window_new(nullptr, nullptr);
    gtk_scrolled_window_set_shadow_type(GTK_SCROLLED_WINDOW(defilant), GTK_SHADOW_IN);
    GtkWidget* vue = gtk_text_view_new();
    marque(vue, f, numero, c);
    gtk_container_add(GTK_CONTAINER(defilant), vue);
    GtkTextBuffer* tampon = gtk_text_view_get_buffer(GTK_TEXT_VIEW(vue));
    g_signal_connect(tampon, "changed", G_CALLBACK(tamponChange), vue);
    g_signal_connect(tampon, "mark-set", G_CALLBACK(marqueDeplacee), vue);
    g_signal_connect(vue, "focus-in-event", G_CALLBACK(prendFocus), nullptr);
    g_signal_connect(vue, "key-press-event", G_CALLBACK(toucheControle), GINT_TO_POINTER(kTouchesTexte));
    return dansUneBoite(defilant, vue);
}

void metAJourTexte(GtkWidget* defilant, const ChampLie& c, DernierEtatControle& d) {
    GtkTextView* vue = vueDe(defilant);
    GtkTextBuffer* tampon = gtk_text_view_get_buffer(vue);
    gtk_text_view_set_editable(vue, !c.lectureSeule);
    g_object_set_data(G_OBJECT(vue), "km32-entree", c.entreeAuFormulaire ? GINT_TO_POINTER(1) : nullptr);
    gtk_text_view_set_cursor_visible(vue, !c.lectureSeule);
    gtk_text_view_set_wrap_mode(vue, c.lectureSeule ? GTK_WRAP_WORD_CHAR : GTK_WRAP_NONE);
    const bool nouveauTexte = c.texte != d.texte;
    if (nouveauTexte) {
        d.texte = c.texte;
        const std::string utf8 = texteVersGtk(c.texte);
        gtk_text_buffer_set_text(tampon, utf8.c_str(), -1);
    }
    if (nouveauTexte || c.debutSelection != d.debutSelection || c.longueurSelection != d.longueurSelection) {
        d.debutSelection = c.debutSelection;
        d.longueurSelection = c.longueurSelection;
        GtkTextIter a, b;
        gtk_text_buffer_get_iter_at_offset(tampon, &a, decalageGtk(c.texte, c.debutSelection));
        gtk_text_buffer_get_iter_at_offset(tampon, &b,
                                           decalageGtk(c.texte, c.debutSelection + c.longueurSelection));
        gtk_text_buffer_select_range(tampon, &b, &a);
        gtk_text_view_scroll_mark_onscreen(vue, gtk_text_buffer_get_insert(tampon));
    }
}

// --- Buttons and check boxes: a click is the window's WM_COMMAND; a click
// on the close box, which stands for the caption's, its WM_CLOSE ---

void boutonClique(GtkButton* bouton, gpointer message) {
    if (miseAJour() || enPeriodeModale()) return;
    // A click took the keyboard to the button: the field the model makes
    // current afterwards (the same one, or a faulty line it selects) takes
    // it back, so that typing goes on in the text and not to the button.
    if (ControlesFormes* c = controlesDe(bouton)) c->champCourant.erase(fenetreDuControle(bouton));
    const uint32_t m = GPOINTER_TO_UINT(message);
    envoieMessage(fenetreDuControle(bouton), m, m == WM_COMMAND ? uint32_t(numeroDuControle(bouton)) : 0, 0);
    pompe();
}

void metAJourBouton(GtkWidget* w, const BoutonLie& b) {
    const std::string libelle = utf8DeWindows1252(b.libelle);
    if (libelle != gtk_button_get_label(GTK_BUTTON(w))) gtk_button_set_label(GTK_BUTTON(w), libelle.c_str());
    if (gtk_widget_get_sensitive(w) != gboolean(b.actif)) gtk_widget_set_sensitive(w, b.actif);
    if (b.coche >= 0 && gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(w)) != gboolean(b.coche != 0))
        gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(w), b.coche != 0);
}

// --- Labels ---

std::string couleurCss(Couleur c) {
    char s[8];
    std::snprintf(s, sizeof s, "#%02x%02x%02x", rouge(c), vert(c), bleu(c));
    return s;
}

void metAJourEtiquette(GtkWidget* etiquette, const EtiquetteLiee& e, DernierEtatControle& d) {
    const std::string texte = utf8DeWindows1252(e.texte);
    if (texte != gtk_label_get_text(GTK_LABEL(etiquette)))
        gtk_label_set_text(GTK_LABEL(etiquette), texte.c_str());
    // The colours as CSS given to this label alone (the label paints its
    // background over its whole frame).
    const std::string style = "* { color: " + couleurCss(e.encre) + ";" +
                              (e.fond ? " background-color: " + couleurCss(*e.fond) + ";" : std::string()) +
                              " }";
    if (style == d.style) return;
    d.style = style;
    auto* css = GTK_CSS_PROVIDER(g_object_get_data(G_OBJECT(etiquette), "km32-css"));
    if (!css) {
        css = gtk_css_provider_new();
        gtk_style_context_add_provider(gtk_widget_get_style_context(etiquette), GTK_STYLE_PROVIDER(css),
                                       GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
        g_object_set_data_full(G_OBJECT(etiquette), "km32-css", css, g_object_unref);
    }
    gtk_css_provider_load_from_data(css, style.c_str(), -1, nullptr);
}

// --- Lists and trees ---

GtkTreeView* arbreDe(GtkWidget* boite) {
    return GTK_TREE_VIEW(g_object_get_data(G_OBJECT(boite), "km32-vue"));
}

int colonnesDeLaListe(const ListeLiee& l) {
    std::size_t n = std::max<std::size_t>(1, l.colonnes.size());
    for (const LigneListe& ligne : l.lignes)
        n = std::max(n, ligne.cellules.size());
    return int(n);
}

// The line number kept in the store's last column.
int ligneDe(GtkTreeModel* modele, GtkTreeIter* it) {
    gint ligne = -1;
    gtk_tree_model_get(modele, it, gtk_tree_model_get_n_columns(modele) - 1, &ligne, -1);
    return ligne;
}

struct LecteurSelection {
    std::vector<bool>* selection;
};

void noteLigneChoisie(GtkTreeModel* modele, GtkTreePath*, GtkTreeIter* it, gpointer donnees) {
    std::vector<bool>& s = *static_cast<LecteurSelection*>(donnees)->selection;
    const int ligne = ligneDe(modele, it);
    if (ligne >= 0 && std::size_t(ligne) < s.size()) s[std::size_t(ligne)] = true;
}

void selectionChangee(GtkTreeSelection* choix, gpointer vue) {
    const OperationsForme* o = operationsSiLibre(vue);
    DernierEtatControle* d = dernierDe(vue, kListe);
    if (!o || !d) return;
    std::vector<bool> s(d->lignes.size(), false);
    LecteurSelection lecteur{&s};
    gtk_tree_selection_selected_foreach(choix, noteLigneChoisie, &lecteur);
    if (s == d->selection) return;
    d->selection = s;
    if (o->choisitLignes) o->choisitLignes(numeroDuControle(vue), s);
    pompe();
}

void ligneActivee(GtkTreeView* vue, GtkTreePath* chemin, GtkTreeViewColumn*, gpointer) {
    const OperationsForme* o = operationsSiLibre(vue);
    if (!o || !o->activeLigne) return;
    GtkTreeModel* modele = gtk_tree_view_get_model(vue);
    GtkTreeIter it;
    if (!gtk_tree_model_get_iter(modele, &it, chemin)) return;
    o->activeLigne(numeroDuControle(vue), ligneDe(modele, &it));
    pompe();
}

// Lines dragged from a list of the form onto another: the window takes the
// source list's command, which moves the lines in the model (the lists then
// follow it). The toolkit only carries the drag: no row data is asked for or
// moved by it.
gboolean lignesDeposees(GtkWidget* vue, GdkDragContext* contexte, gint, gint, guint temps, gpointer) {
    GtkWidget* source = gtk_drag_get_source_widget(contexte);
    const Fenetre f = fenetreDuControle(vue);
    const uint32_t tag = source ? GPOINTER_TO_UINT(g_object_get_data(G_OBJECT(source), "km32-depot")) : 0;
    const bool accepte = source != vue && tag != 0 && f != kAucuneFenetre && fenetreDuControle(source) == f &&
                         !miseAJour() && !enPeriodeModale();
    gtk_drag_finish(contexte, accepte, FALSE, temps);
    if (accepte) {
        envoieMessage(f, WM_COMMAND, tag, 0);
        pompe();
    }
    return TRUE;
}

void permetGlisserLignes(GtkWidget* vue, uint32_t tag) {
    // The lines of a list of this program.
    static char nomCible[] = "km32-lignes";
    static const GtkTargetEntry cible = {nomCible, GTK_TARGET_SAME_APP, 0};
    g_object_set_data(G_OBJECT(vue), "km32-depot", GUINT_TO_POINTER(tag));
    gtk_tree_view_enable_model_drag_source(GTK_TREE_VIEW(vue), GDK_BUTTON1_MASK, &cible, 1, GDK_ACTION_COPY);
    gtk_drag_dest_set(vue, GtkDestDefaults(GTK_DEST_DEFAULT_MOTION | GTK_DEST_DEFAULT_HIGHLIGHT), &cible, 1,
                      GDK_ACTION_COPY);
    g_signal_connect(vue, "drag-drop", G_CALLBACK(lignesDeposees), nullptr);
}

GtkWidget* nouvelleListe(Fenetre f, const ListeLiee& l, ControlesFormes& c) {
    const int colonnes = colonnesDeLaListe(l);
    std::vector<GType> types(std::size_t(colonnes), G_TYPE_STRING);
    types.push_back(G_TYPE_INT);
    GtkTreeStore* magasin = gtk_tree_store_newv(gint(types.size()), types.data());
    GtkWidget* vue = gtk_tree_view_new_with_model(GTK_TREE_MODEL(magasin));
    g_object_unref(magasin);
    marque(vue, f, l.numero, c);
    for (int k = 0; k < colonnes; ++k) {
        const std::string titre = std::size_t(k) < l.colonnes.size()
                                      ? utf8DeWindows1252(l.colonnes[std::size_t(k)])
                                      : std::string();
        GtkCellRenderer* rendu = gtk_cell_renderer_text_new();
        if (l.chasseFixe) g_object_set(rendu, "family", "monospace", nullptr);
        GtkTreeViewColumn* colonne =
            gtk_tree_view_column_new_with_attributes(titre.c_str(), rendu, "text", k, nullptr);
        gtk_tree_view_column_set_resizable(colonne, TRUE);
        gtk_tree_view_append_column(GTK_TREE_VIEW(vue), colonne);
    }
    gtk_tree_view_set_headers_visible(GTK_TREE_VIEW(vue), !l.colonnes.empty());
    gtk_tree_view_set_enable_search(GTK_TREE_VIEW(vue), FALSE);
    GtkTreeSelection* choix = gtk_tree_view_get_selection(GTK_TREE_VIEW(vue));
    gtk_tree_selection_set_mode(choix, l.multiple ? GTK_SELECTION_MULTIPLE : GTK_SELECTION_SINGLE);
    g_signal_connect(choix, "changed", G_CALLBACK(selectionChangee), vue);
    g_signal_connect(vue, "row-activated", G_CALLBACK(ligneActivee), nullptr);
    g_signal_connect(vue, "focus-in-event", G_CALLBACK(prendFocus), nullptr);
    g_signal_connect(vue, "key-press-event", G_CALLBACK(toucheControle), GINT_TO_POINTER(kTouchesListe));
    if (l.tagDepot != 0) permetGlisserLignes(vue, l.tagDepot);
    GtkWidget* defilant = gtk_scrolled_window_new(nullptr, nullptr);
    gtk_scrolled_window_set_shadow_type(GTK_SCROLLED_WINDOW(defilant), GTK_SHADOW_IN);
    gtk_container_add(GTK_CONTAINER(defilant), vue);
    GtkWidget* boite = dansUneBoite(defilant, vue);
    g_object_set_data(G_OBJECT(boite), "km32-colonnes", GINT_TO_POINTER(colonnes));
    return boite;
}

std::vector<std::vector<std::string>> cellulesDeLaListe(const ListeLiee& l) {
    std::vector<std::vector<std::string>> lignes;
    for (const LigneListe& ligne : l.lignes) {
        lignes.push_back(ligne.cellules);
        lignes.back().push_back(std::to_string(ligne.niveau));
    }
    return lignes;
}

// The store filled again: a line hangs under the last line one level above it.
void remplitListe(GtkTreeView* vue, const ListeLiee& l) {
    GtkTreeStore* magasin = GTK_TREE_STORE(gtk_tree_view_get_model(vue));
    gtk_tree_store_clear(magasin);
    const int colonnes = gtk_tree_model_get_n_columns(GTK_TREE_MODEL(magasin)) - 1;
    std::vector<GtkTreeIter> parents;
    for (std::size_t k = 0; k < l.lignes.size(); ++k) {
        const LigneListe& ligne = l.lignes[k];
        const std::size_t niveau = std::size_t(std::max(0, ligne.niveau));
        if (parents.size() > niveau) parents.resize(niveau);
        GtkTreeIter it;
        gtk_tree_store_append(magasin, &it, parents.empty() ? nullptr : &parents.back());
        for (int c = 0; c < colonnes; ++c) {
            const std::string texte = std::size_t(c) < ligne.cellules.size()
                                          ? utf8DeWindows1252(ligne.cellules[std::size_t(c)])
                                          : std::string();
            gtk_tree_store_set(magasin, &it, c, texte.c_str(), -1);
        }
        gtk_tree_store_set(magasin, &it, colonnes, gint(k), -1);
        // A line deeper than the one before it by more than one level hangs
        // under that line.
        while (parents.size() < niveau + 1)
            parents.push_back(it);
    }
}

struct ApplicateurSelection {
    GtkTreeView* vue;
    const std::vector<bool>* selection;
    bool premiere;
};

gboolean appliqueLigne(GtkTreeModel* modele, GtkTreePath* chemin, GtkTreeIter* it, gpointer donnees) {
    auto& a = *static_cast<ApplicateurSelection*>(donnees);
    const int ligne = ligneDe(modele, it);
    GtkTreeSelection* choix = gtk_tree_view_get_selection(a.vue);
    const bool choisie =
        ligne >= 0 && std::size_t(ligne) < a.selection->size() && (*a.selection)[std::size_t(ligne)];
    if (choisie) {
        gtk_tree_view_expand_to_path(a.vue, chemin);
        gtk_tree_selection_select_iter(choix, it);
        if (a.premiere) {
            gtk_tree_view_scroll_to_cell(a.vue, chemin, nullptr, FALSE, 0, 0);
            a.premiere = false;
        }
    } else {
        gtk_tree_selection_unselect_iter(choix, it);
    }
    return FALSE;
}

struct ChercheurLigne {
    int ligne;
    GtkTreePath* chemin;
};

gboolean chercheLigne(GtkTreeModel* modele, GtkTreePath* chemin, GtkTreeIter* it, gpointer donnees) {
    auto& c = *static_cast<ChercheurLigne*>(donnees);
    if (ligneDe(modele, it) != c.ligne) return FALSE;
    c.chemin = gtk_tree_path_copy(chemin);
    return TRUE;
}

void metAJourListe(GtkWidget* defilant, const ListeLiee& l, DernierEtatControle& d) {
    GtkTreeView* vue = arbreDe(defilant);
    std::vector<std::vector<std::string>> lignes = cellulesDeLaListe(l);
    std::vector<bool> selection;
    for (const LigneListe& ligne : l.lignes)
        selection.push_back(ligne.selectionnee);
    const bool nouvellesLignes = lignes != d.lignes;
    if (nouvellesLignes) {
        d.lignes = std::move(lignes);
        remplitListe(vue, l);
    }
    if (nouvellesLignes && l.developpee) gtk_tree_view_expand_all(vue);
    if (nouvellesLignes || selection != d.selection) {
        d.selection = selection;
        ApplicateurSelection a{vue, &selection, true};
        gtk_tree_model_foreach(gtk_tree_view_get_model(vue), appliqueLigne, &a);
    }
    if (l.premiereVisible >= 0 && (nouvellesLignes || l.premiereVisible != d.premiereVisible) &&
        std::size_t(l.premiereVisible) < l.lignes.size()) {
        ChercheurLigne c{l.premiereVisible, nullptr};
        gtk_tree_model_foreach(gtk_tree_view_get_model(vue), chercheLigne, &c);
        GtkTreePath* chemin = c.chemin;
        if (chemin) {
            gtk_tree_view_expand_to_path(vue, chemin);
            gtk_tree_view_scroll_to_cell(vue, chemin, nullptr, TRUE, 0, 0);
            gtk_tree_path_free(chemin);
        }
    }
    d.premiereVisible = l.premiereVisible;
}

// --- Combo boxes ---

void comboChange(GtkComboBox* combo, gpointer) {
    const OperationsForme* o = operationsSiLibre(combo);
    DernierEtatControle* d = dernierDe(combo, kCombo);
    if (!o || !d) return;
    d->choisi = gtk_combo_box_get_active(combo);
    if (o->choisitElement) o->choisitElement(numeroDuControle(combo), d->choisi);
    pompe();
}

void metAJourCombo(GtkWidget* boite, const ComboLie& c, DernierEtatControle& d) {
    GtkWidget* w = GTK_WIDGET(g_object_get_data(G_OBJECT(boite), "km32-vue"));
    const bool nouveaux = c.elements != d.elements;
    if (nouveaux) {
        d.elements = c.elements;
        gtk_combo_box_text_remove_all(GTK_COMBO_BOX_TEXT(w));
        for (const std::string& e : c.elements)
            gtk_combo_box_text_append_text(GTK_COMBO_BOX_TEXT(w), utf8DeWindows1252(e).c_str());
    }
    if (nouveaux || c.choisi != d.choisi) {
        d.choisi = c.choisi;
        gtk_combo_box_set_active(GTK_COMBO_BOX(w), c.choisi);
    }
}

// --- Creation, placing, dropping ---

GtkWidget* nouveauControle(ControlesFormes& c, Fenetre f, int genre, int numero, const std::string& libelle,
                           const ListeLiee* liste) {
    GtkWidget* w = nullptr;
    switch (genre) {
    case kChamp:
        w = nouvelleEntree();
        break;
    case kTexte:
        w = nouveauTexte(f, numero, c);
        break;
    case kBouton:
    case kCase:
    case kFermeture:
        w = genre == kCase ? gtk_check_button_new_with_label(utf8DeWindows1252(libelle).c_str())
                           : gtk_button_new_with_label(utf8DeWindows1252(libelle).c_str());
        if (genre == kFermeture)
            gtk_style_context_add_class(gtk_widget_get_style_context(w), "km32-fermeture");
        g_signal_connect(w, "clicked", G_CALLBACK(boutonClique),
                         GUINT_TO_POINTER(genre == kFermeture ? WM_CLOSE : WM_COMMAND));
        break;
    case kEtiquette:
        // Windowless: a click on a label reaches the drawing under it.
        w = gtk_label_new(nullptr);
        gtk_label_set_xalign(GTK_LABEL(w), 0);
        gtk_label_set_ellipsize(GTK_LABEL(w), PANGO_ELLIPSIZE_END);
        break;
    case kListe:
        w = nouvelleListe(f, *liste, c);
        break;
    default: {
        GtkWidget* combo = gtk_combo_box_text_new();
        marque(combo, f, numero, c);
        g_signal_connect(combo, "changed", G_CALLBACK(comboChange), nullptr);
        g_signal_connect(combo, "focus-in-event", G_CALLBACK(prendFocus), nullptr);
        w = dansUneBoite(combo, combo);
        break;
    }
    }
    marque(w, f, numero, c);
    gtk_fixed_put(GTK_FIXED(c.fixe), w, 0, 0);
    c.controles[{f, genre, numero}] = w;
    return w;
}

// The widgets of one form, at the form's place in the top-level window.
struct Placeur {
    ControlesFormes& c;
    Fenetre f;
    int ox, oy;
    std::map<CleControle, bool>& vus;

    // The widget of the control (created when missing, or when a list's
    // columns changed), placed on its frame and shown.
    GtkWidget* controle(int genre, int numero, const Rectangle& cadre, const std::string& libelle = {},
                        const ListeLiee* liste = nullptr) {
        const CleControle cle{f, genre, numero};
        auto it = c.controles.find(cle);
        if (it != c.controles.end() && liste &&
            GPOINTER_TO_INT(g_object_get_data(G_OBJECT(it->second), "km32-colonnes")) !=
                colonnesDeLaListe(*liste)) {
            gtk_widget_destroy(it->second);
            c.controles.erase(it);
            c.derniers.erase(cle);
            it = c.controles.end();
        }
        GtkWidget* w =
            it != c.controles.end() ? it->second : nouveauControle(c, f, genre, numero, libelle, liste);
        vus[cle] = true;
        // Placing a widget makes the toolkit lay the layer out again: done
        // only when the frame changed (this runs after every mouse move).
        const Rectangle place{ox + cadre.gauche, oy + cadre.haut, ox + cadre.droite, oy + cadre.bas};
        DernierEtatControle& d = c.derniers[cle];
        if (!d.place || !(*d.place == place)) {
            d.place = place;
            gtk_fixed_move(GTK_FIXED(c.fixe), w, place.gauche, place.haut);
            gtk_widget_set_size_request(w, std::max(1, cadre.largeur()), std::max(1, cadre.hauteur()));
        }
        if (!gtk_widget_get_visible(w)) gtk_widget_show_all(w);
        return w;
    }

    // The keyboard goes to the control the model made current, once.
    void focusSiCourant(bool courant, int numero, GtkWidget* w) {
        if (!courant || c.champCourant[f] == numero) return;
        c.champCourant[f] = numero;
        gtk_widget_grab_focus(w);
        // The keys typed next must reach it, though the pointer lie out of
        // the window (a dialog opened from a menu item past its edge).
        ameneClavierEcran(gtk_widget_get_toplevel(w));
    }
};

void placeForme(Placeur& p, const FormeLiee& forme) {
    for (const ChampLie& champ : forme.champs) {
        if (champ.multiligne) {
            GtkWidget* w = p.controle(kTexte, champ.numero, champ.cadre);
            metAJourTexte(w, champ, p.c.derniers[{p.f, kTexte, champ.numero}]);
            p.focusSiCourant(champ.courant, champ.numero, GTK_WIDGET(vueDe(w)));
        } else {
            GtkWidget* w = p.controle(kChamp, champ.numero, champ.cadre);
            metAJourEntree(w, champ);
            if (champ.courant && p.c.champCourant[p.f] != champ.numero) {
                p.focusSiCourant(true, champ.numero, w);
                gtk_editable_set_position(GTK_EDITABLE(w), -1);
            }
        }
    }
    for (const BoutonLie& b : forme.boutons)
        metAJourBouton(p.controle(b.coche >= 0 ? kCase : kBouton, int(b.tag), b.cadre, b.libelle), b);
    for (std::size_t k = 0; k < forme.etiquettes.size(); ++k) {
        const EtiquetteLiee& e = forme.etiquettes[k];
        metAJourEtiquette(p.controle(kEtiquette, int(k), e.cadre), e,
                          p.c.derniers[{p.f, kEtiquette, int(k)}]);
    }
    for (const ListeLiee& l : forme.listes) {
        GtkWidget* w = p.controle(kListe, l.numero, l.cadre, {}, &l);
        metAJourListe(w, l, p.c.derniers[{p.f, kListe, l.numero}]);
        p.focusSiCourant(l.courant, l.numero, GTK_WIDGET(arbreDe(w)));
    }
    for (const ComboLie& combo : forme.combos)
        metAJourCombo(p.controle(kCombo, combo.numero, combo.cadre), combo,
                      p.c.derniers[{p.f, kCombo, combo.numero}]);
    if (forme.caseFermeture) p.controle(kFermeture, 0, cadreCaseFermeture(rectangleClient(p.f)), "\xD7");
}

} // namespace

void synchroniseFormes(ControlesFormes& c, Fenetre racine) {
    Garde garde;
    std::map<CleControle, bool> vus;
    for (Fenetre f : fenetresAvecForme()) {
        if (ancetreRacine(f) != racine || !estVisible(f)) continue;
        const OperationsForme* o = formeLiee(f);
        if (!o || !o->etat) continue;
        const FormeLiee forme = o->etat();
        const Point origine = clientVersEcran(f, {0, 0}), origineRacine = clientVersEcran(racine, {0, 0});
        Placeur p{c, f, origine.x - origineRacine.x, origine.y - origineRacine.y, vus};
        placeForme(p, forme);
    }
    for (auto it = c.controles.begin(); it != c.controles.end();) {
        if (vus.count(it->first)) {
            ++it;
            continue;
        }
        c.champCourant.erase(std::get<0>(it->first));
        c.derniers.erase(it->first);
        gtk_widget_destroy(it->second);
        it = c.controles.erase(it);
    }
}

namespace {

// The widget of a control that takes the keyboard (the view inside a box).
GtkWidget* widgetClavier(GtkWidget* w) {
    auto* interieur = static_cast<GtkWidget*>(g_object_get_data(G_OBJECT(w), "km32-vue"));
    return interieur ? interieur : w;
}

// The controls of a form in the order Tab goes through them: its fields,
// lists, buttons and check boxes that may be used, then its combo boxes, each
// kind in the form's order; the close box is not one of them.
std::vector<GtkWidget*> ordreTabulation(const ControlesFormes& c, Fenetre f, const FormeLiee& forme) {
    std::vector<GtkWidget*> ordre;
    const auto ajoute = [&](int genre, int numero) {
        const auto it = c.controles.find({f, genre, numero});
        if (it != c.controles.end() && gtk_widget_get_visible(it->second))
            ordre.push_back(widgetClavier(it->second));
    };
    for (const ChampLie& champ : forme.champs)
        ajoute(champ.multiligne ? kTexte : kChamp, champ.numero);
    for (const ListeLiee& l : forme.listes)
        ajoute(kListe, l.numero);
    for (const BoutonLie& b : forme.boutons)
        if (b.actif) ajoute(b.coche >= 0 ? kCase : kBouton, int(b.tag));
    for (const ComboLie& combo : forme.combos)
        ajoute(kCombo, combo.numero);
    return ordre;
}

} // namespace

Fenetre formeDuWidget(GtkWidget* w) {
    for (; w; w = gtk_widget_get_parent(w))
        if (g_object_get_data(G_OBJECT(w), "km32-forme")) return fenetreDuControle(w);
    return kAucuneFenetre;
}

bool tabule(const ControlesFormes& c, GtkWidget* focus, bool arriere) {
    const Fenetre f = formeDuWidget(focus);
    const OperationsForme* o = f != kAucuneFenetre ? formeLiee(f) : nullptr;
    if (!o || !o->etat) return false;
    const std::vector<GtkWidget*> ordre = ordreTabulation(c, f, o->etat());
    if (ordre.empty()) return false;
    const int n = int(ordre.size());
    int k = -1;
    for (int i = 0; i < n && k < 0; ++i)
        if (ordre[std::size_t(i)] == focus || gtk_widget_is_ancestor(focus, ordre[std::size_t(i)])) k = i;
    const int suivant = k < 0 ? (arriere ? n - 1 : 0) : (k + (arriere ? n - 1 : 1)) % n;
    gtk_widget_grab_focus(ordre[std::size_t(suivant)]);
    return true;
}

bool rendClavierAForme(ControlesFormes& c, Fenetre f) {
    const OperationsForme* o = formeLiee(f);
    if (!o || !o->etat) return false;
    const FormeLiee forme = o->etat();
    const auto widget = [&](int genre, int numero) -> GtkWidget* {
        const auto it = c.controles.find({f, genre, numero});
        return it != c.controles.end() && gtk_widget_get_visible(it->second) ? widgetClavier(it->second)
                                                                             : nullptr;
    };
    // The model's current field or list, else the one that took the
    // keyboard last.
    GtkWidget* w = nullptr;
    for (const ChampLie& champ : forme.champs)
        if (!w && champ.courant) w = widget(champ.multiligne ? kTexte : kChamp, champ.numero);
    for (const ListeLiee& l : forme.listes)
        if (!w && l.courant) w = widget(kListe, l.numero);
    if (const auto it = c.champCourant.find(f); !w && it != c.champCourant.end())
        for (int genre : {kChamp, kTexte, kListe, kCombo})
            if (!w) w = widget(genre, it->second);
    if (!w) return false;
    gtk_widget_grab_focus(w);
    // The toolkit selects a whole entry that takes the keyboard: the caret
    // goes after its text instead, where the model adds what is typed.
    if (GTK_IS_ENTRY(w)) gtk_editable_set_position(GTK_EDITABLE(w), -1);
    return gtk_widget_has_focus(w);
}

Fenetre fenetreACaseFermeture(Fenetre racine) {
    for (Fenetre f : fenetresAvecForme()) {
        if (f == racine || ancetreRacine(f) != racine || !estVisible(f)) continue;
        const OperationsForme* o = formeLiee(f);
        if (o && o->etat && o->etat().caseFermeture) return f;
    }
    return kAucuneFenetre;
}

void installeStyleFormes() {
    GtkCssProvider* css = gtk_css_provider_new();
    gtk_css_provider_load_from_data(css,
                                    "entry.km32, button.km32, combobox.km32 button {"
                                    " min-height: 0; padding-top: 0; padding-bottom: 0; }"
                                    // The close box keeps to its small square.
                                    " button.km32-fermeture { min-width: 0; padding: 0; }",
                                    -1, nullptr);
    gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(css),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(css);
}

} // namespace km32::platform::gtk
