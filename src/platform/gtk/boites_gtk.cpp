// Message boxes, the input box and the file dialogs of the layer shown as the
// toolkit's dialogs, modal over the active window.
#include <gtk/gtk.h>

#include <algorithm>
#include <string>

#include "base/texte.h"
#include "platform/boites.h"
#include "platform/gtk/affichage_gtk.h"

namespace km32::platform::gtk {

namespace {

// The library breaks lines with CR. utf8: the text is in UTF-8 already.
std::string texteAffiche(const std::string& texte, bool utf8 = false) {
    std::string t = utf8 ? texte : utf8DeWindows1252(texte);
    for (char& c : t)
        if (c == '\r') c = '\n';
    return t;
}

GtkMessageType genreMessage(uint32_t style) {
    switch (style & kMasqueIcone) {
    case kIconeErreur:
        return GTK_MESSAGE_ERROR;
    case kIconeQuestion:
        return GTK_MESSAGE_QUESTION;
    case kIconeExclamation:
        return GTK_MESSAGE_WARNING;
    case kIconeInformation:
        return GTK_MESSAGE_INFO;
    default:
        return GTK_MESSAGE_OTHER;
    }
}

// The buttons of the style, each answering with the layer's answer, and the
// default one.
// A caption of the caller: '&' before the access letter becomes the
// toolkit's '_' ("&&" an ampersand, a '_' of the text doubled).
std::string libelleGtk(const std::string& libelle, bool utf8 = false) {
    const std::string t = utf8 ? libelle : utf8DeWindows1252(libelle);
    std::string r;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] == '&' && i + 1 < t.size() && t[i + 1] == '&')
            r += t[i++];
        else if (t[i] == '&')
            r += '_';
        else if (t[i] == '_')
            r += "__";
        else
            r += t[i];
    }
    return r;
}

void ajouteBoutons(GtkDialog* d, uint32_t style, uint8_t langue, const std::vector<std::string>& libelles,
                   bool utf8 = false) {
    struct Bouton {
        std::string libelle;
        int reponse;
    };
    const LibellesStandard& l = libellesStandard(langue);
    std::vector<Bouton> boutons;
    switch (style & kMasqueBoutons) {
    case kBoutonsOkAnnuler:
        boutons = {{l.ok, kReponseOk}, {l.annuler, kReponseAnnuler}};
        break;
    case kBoutonsOuiNonAnnuler:
        boutons = {{l.oui, kReponseOui}, {l.non, kReponseNon}, {l.annuler, kReponseAnnuler}};
        break;
    case kBoutonsOuiNon:
        boutons = {{l.oui, kReponseOui}, {l.non, kReponseNon}};
        break;
    default:
        boutons = {{l.ok, kReponseOk}};
        break;
    }
    for (Bouton& b : boutons)
        b.libelle = libelleGtk(b.libelle);
    for (std::size_t k = 0; k < boutons.size() && k < libelles.size(); ++k)
        boutons[k].libelle = libelleGtk(libelles[k], utf8);
    for (const Bouton& b : boutons)
        gtk_dialog_add_button(d, b.libelle.c_str(), b.reponse);
    std::size_t parDefaut = 0;
    if (style & kDeuxiemeBoutonParDefaut) parDefaut = 1;
    if (style & kTroisiemeBoutonParDefaut) parDefaut = 2;
    if (parDefaut < boutons.size()) gtk_dialog_set_default_response(d, boutons[parDefaut].reponse);
}

// The answer of a dialog closed without a button: Cancel where there is
// one, No for a yes/no question, else OK.
int reponseFermeture(uint32_t style) {
    switch (style & kMasqueBoutons) {
    case kBoutonsOuiNon:
        return kReponseNon;
    case kBoutonOk:
        return kReponseOk;
    default:
        return kReponseAnnuler;
    }
}

ReponseSaisie boiteMessageGtk(const DemandeBoite& d) {
    GtkWidget* boite =
        gtk_message_dialog_new(GTK_WINDOW(fenetreGtkParente()), GTK_DIALOG_MODAL, genreMessage(d.style),
                               GTK_BUTTONS_NONE, "%s", texteAffiche(d.texte, d.utf8).c_str());
    gtk_window_set_title(GTK_WINDOW(boite), texteAffiche(d.titre, d.utf8).c_str());
    ajouteBoutons(GTK_DIALOG(boite), d.style, d.langue, d.libellesBoutons, d.utf8);
    clavierALaBoite(boite);
    PeriodeModale modale;
    int r = gtk_dialog_run(GTK_DIALOG(boite));
    gtk_widget_destroy(boite);
    if (r != kReponseOk && r != kReponseAnnuler && r != kReponseOui && r != kReponseNon)
        r = reponseFermeture(d.style);
    return {r, {}};
}

ReponseSaisie boiteSaisieGtk(const DemandeBoite& d) {
    GtkWidget* boite = gtk_dialog_new_with_buttons(
        texteAffiche(d.titre).c_str(), GTK_WINDOW(fenetreGtkParente()), GTK_DIALOG_MODAL, nullptr, nullptr);
    ajouteBoutons(GTK_DIALOG(boite), kBoutonsOkAnnuler, d.langue, {});
    GtkWidget* contenu = gtk_dialog_get_content_area(GTK_DIALOG(boite));
    GtkWidget* invite = gtk_label_new(texteAffiche(d.texte).c_str());
    GtkWidget* champ = gtk_entry_new();
    gtk_entry_set_text(GTK_ENTRY(champ), utf8DeWindows1252(d.valeurInitiale).c_str());
    gtk_entry_set_activates_default(GTK_ENTRY(champ), TRUE);
    gtk_box_pack_start(GTK_BOX(contenu), invite, FALSE, FALSE, 6);
    gtk_box_pack_start(GTK_BOX(contenu), champ, FALSE, FALSE, 6);
    clavierALaBoite(boite);
    gtk_widget_show_all(boite);
    PeriodeModale modale;
    const int r = gtk_dialog_run(GTK_DIALOG(boite));
    ReponseSaisie reponse{kReponseAnnuler, {}};
    if (r == kReponseOk) reponse = {kReponseOk, windows1252DeUtf8(gtk_entry_get_text(GTK_ENTRY(champ)))};
    gtk_widget_destroy(boite);
    return reponse;
}

// The library's filter "Caption|*.k3v;*.txt|Caption|*.*|" as the dialog's filters.
void ajouteFiltres(GtkFileChooser* choix, const std::string& filtre) {
    std::vector<std::string> parties;
    std::size_t debut = 0;
    while (debut < filtre.size()) {
        std::size_t fin = filtre.find('|', debut);
        if (fin == std::string::npos) fin = filtre.size();
        parties.push_back(filtre.substr(debut, fin - debut));
        debut = fin + 1;
    }
    for (std::size_t i = 0; i + 1 < parties.size(); i += 2) {
        GtkFileFilter* f = gtk_file_filter_new();
        gtk_file_filter_set_name(f, utf8DeWindows1252(parties[i]).c_str());
        std::size_t p = 0;
        const std::string& motifs = parties[i + 1];
        while (p <= motifs.size()) {
            std::size_t fin = motifs.find(';', p);
            if (fin == std::string::npos) fin = motifs.size();
            if (fin > p) gtk_file_filter_add_pattern(f, utf8DeWindows1252(motifs.substr(p, fin - p)).c_str());
            p = fin + 1;
        }
        // A filter of one pattern "*.ext" gives its extension to a name
        // typed without one.
        const std::string& motif = parties[i + 1];
        if (motif.size() > 2 && motif.starts_with("*.") &&
            motif.find_first_of("*?[;", 2) == std::string::npos)
            g_object_set_data_full(G_OBJECT(f), "km32-extension",
                                   g_strdup(utf8DeWindows1252(motif.substr(1)).c_str()), g_free);
        gtk_file_chooser_add_filter(choix, f);
    }
}

// The name chosen in the save dialog, with the extension of the filter
// chosen when the name typed has none ("vals2" under "Figures (*.k3v)" is
// "vals2.k3v"); empty when the name got an extension and a file of that
// name exists that the user does not want replaced (the dialog's own
// question was about the name without it).
std::string nomAvecExtension(GtkWidget* dialogue, const std::string& nom, const DemandeBoite& d) {
    GtkFileChooser* choix = GTK_FILE_CHOOSER(dialogue);
    GtkFileFilter* filtre = gtk_file_chooser_get_filter(choix);
    const char* extension =
        filtre ? static_cast<const char*>(g_object_get_data(G_OBJECT(filtre), "km32-extension")) : nullptr;
    const std::size_t barre = nom.find_last_of('/');
    const std::string base = barre == std::string::npos ? nom : nom.substr(barre + 1);
    if (!extension || base.find('.') != std::string::npos) return nom;
    const std::string complet = nom + extension;
    if (!g_file_test(complet.c_str(), G_FILE_TEST_EXISTS)) return complet;
    std::string question = texteAffiche(libellesStandard(d.langue).remplacerFichier);
    const std::size_t place = question.find("%s");
    if (place != std::string::npos) question.replace(place, 2, "\u201C" + base + extension + "\u201D");
    GtkWidget* boite = gtk_message_dialog_new(GTK_WINDOW(dialogue), GTK_DIALOG_MODAL, GTK_MESSAGE_QUESTION,
                                              GTK_BUTTONS_NONE, "%s", question.c_str());
    ajouteBoutons(GTK_DIALOG(boite), kBoutonsOuiNon, d.langue, {});
    clavierALaBoite(boite);
    const int r = gtk_dialog_run(GTK_DIALOG(boite));
    gtk_widget_destroy(boite);
    return r == kReponseOui ? complet : std::string();
}

// The file chooser sizes itself to the whole screen when it is small (it
// does so when it is shown, over any size given before): its buttons and its
// name field then lie under the screen's edges. Once shown it takes at most
// four fifths of the screen, over the middle of its parent.
void tientDansLEcran(GtkWidget* dialogue, gpointer) {
    GdkWindow* fenetre = gtk_widget_get_window(dialogue);
    GdkMonitor* ecran =
        fenetre ? gdk_display_get_monitor_at_window(gdk_window_get_display(fenetre), fenetre) : nullptr;
    if (!ecran) return;
    GdkRectangle zone;
    gdk_monitor_get_workarea(ecran, &zone);
    constexpr int kLargeurMax = 760, kHauteurMax = 540;
    const int largeur = std::min(kLargeurMax, zone.width * 4 / 5);
    const int hauteur = std::min(kHauteurMax, zone.height * 4 / 5);
    gtk_window_resize(GTK_WINDOW(dialogue), largeur, hauteur);
    int x = zone.x + (zone.width - largeur) / 2, y = zone.y + (zone.height - hauteur) / 2;
    if (GtkWindow* parent = gtk_window_get_transient_for(GTK_WINDOW(dialogue))) {
        int px = 0, py = 0, pl = 0, ph = 0;
        gtk_window_get_position(parent, &px, &py);
        gtk_window_get_size(parent, &pl, &ph);
        x = std::clamp(px + (pl - largeur) / 2, zone.x, zone.x + zone.width - largeur);
        y = std::clamp(py + (ph - hauteur) / 2, zone.y, zone.y + zone.height - hauteur);
    }
    gtk_window_move(GTK_WINDOW(dialogue), x, y);
}

ReponseSaisie dialogueFichierGtk(const DemandeBoite& d) {
    const bool ouvrir = d.fichier == kDialogueOuvrir;
    GtkWidget* dialogue = gtk_file_chooser_dialog_new(
        texteAffiche(d.titre, d.utf8).c_str(), GTK_WINDOW(fenetreGtkParente()),
        ouvrir ? GTK_FILE_CHOOSER_ACTION_OPEN : GTK_FILE_CHOOSER_ACTION_SAVE,
        libelleGtk(libellesStandard(d.langue).annuler).c_str(), GTK_RESPONSE_CANCEL,
        libelleGtk(ouvrir ? libellesStandard(d.langue).ouvrir : libellesStandard(d.langue).enregistrer)
            .c_str(),
        GTK_RESPONSE_ACCEPT, nullptr);
    GtkFileChooser* choix = GTK_FILE_CHOOSER(dialogue);
    g_signal_connect_after(dialogue, "map", G_CALLBACK(tientDansLEcran), nullptr);
    gtk_dialog_set_default_response(GTK_DIALOG(dialogue), GTK_RESPONSE_ACCEPT);
    if (!ouvrir) gtk_file_chooser_set_do_overwrite_confirmation(choix, TRUE);
    if (!d.repertoire.empty())
        gtk_file_chooser_set_current_folder(choix, d.utf8 ? d.repertoire.c_str()
                                                          : utf8DeWindows1252(d.repertoire).c_str());
    if (!ouvrir && !d.valeurInitiale.empty())
        gtk_file_chooser_set_current_name(choix, d.utf8 ? d.valeurInitiale.c_str()
                                                        : utf8DeWindows1252(d.valeurInitiale).c_str());
    ajouteFiltres(choix, d.filtre);
    clavierALaBoite(dialogue);
    PeriodeModale modale;
    ReponseSaisie reponse{kReponseAnnuler, {}};
    while (gtk_dialog_run(GTK_DIALOG(dialogue)) == GTK_RESPONSE_ACCEPT) {
        char* choisi = gtk_file_chooser_get_filename(choix);
        if (!choisi) break;
        std::string nom = choisi;
        g_free(choisi);
        if (!ouvrir && (nom = nomAvecExtension(dialogue, nom, d)).empty()) continue;
        // A name the library's characters cannot hold would name another
        // file ("??.k3v"): said, and the dialog stays for another name.
        if (utf8DeWindows1252(windows1252DeUtf8(nom)) == nom) {
            reponse = {kReponseOk, d.utf8 ? nom : windows1252DeUtf8(nom)};
            break;
        }
        GtkWidget* refus =
            gtk_message_dialog_new(GTK_WINDOW(dialogue), GTK_DIALOG_MODAL, GTK_MESSAGE_ERROR, GTK_BUTTONS_OK,
                                   "%s", texteAffiche(libellesStandard(d.langue).nomHorsWindows1252).c_str());
        clavierALaBoite(refus);
        gtk_dialog_run(GTK_DIALOG(refus));
        gtk_widget_destroy(refus);
    }
    gtk_widget_destroy(dialogue);
    return reponse;
}

ReponseSaisie afficheBoite(const DemandeBoite& d) {
    if (d.fichier != 0) return dialogueFichierGtk(d);
    if (d.saisie) return boiteSaisieGtk(d);
    return boiteMessageGtk(d);
}

} // namespace

void installeBoites() {
    installeAfficheurBoite(afficheBoite);
}

} // namespace km32::platform::gtk
