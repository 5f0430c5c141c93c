#include "disposition_reelle.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "km32.h"
#include "platform/affichage.h"
#include "platform/fenetres.h"
#include "platform/formes_liees.h"

#ifdef KM32_AVEC_AFFICHAGE
#include <gtk/gtk.h>

#include "platform/gtk/affichage_gtk.h"
#endif

namespace km32::tests {

namespace p = platform;

namespace {

constexpr const char* kVariableEnfant = "KM32_ENFANT_ECHELLE";

std::string decrit(const ControleVu& c) {
    return c.genre + (c.texte.empty() ? " " + std::to_string(c.numero) : " \"" + c.texte + "\"");
}

std::string enTexte(const p::Rectangle& r) {
    return "(" + std::to_string(r.gauche) + "," + std::to_string(r.haut) + ")-(" + std::to_string(r.droite) +
           "," + std::to_string(r.bas) + ")";
}

bool seChevauchent(const p::Rectangle& a, const p::Rectangle& b) {
    return !a.estVide() && !b.estVide() && !p::intersectionRectangles(a, b).estVide();
}

bool contient(const p::Rectangle& grand, const p::Rectangle& r) {
    return r.gauche >= grand.gauche && r.haut >= grand.haut && r.droite <= grand.droite && r.bas <= grand.bas;
}

#ifdef KM32_AVEC_AFFICHAGE

GtkWidget* chercheFixe(GtkWidget* w) {
    if (GTK_IS_FIXED(w)) return w;
    if (!GTK_IS_CONTAINER(w)) return nullptr;
    GList* enfants = gtk_container_get_children(GTK_CONTAINER(w));
    GtkWidget* trouve = nullptr;
    for (GList* e = enfants; e && !trouve; e = e->next)
        trouve = chercheFixe(GTK_WIDGET(e->data));
    g_list_free(enfants);
    return trouve;
}

// The text of a label, what pango needs for it with the label's font, and
// what the label got.
void mesureEtiquette(GtkWidget* etiquette, ControleVu& c) {
    const char* texte = gtk_label_get_text(GTK_LABEL(etiquette));
    c.texte = texte ? texte : "";
    if (c.texte.empty()) return;
    PangoLayout* l = gtk_widget_create_pango_layout(etiquette, texte);
    pango_layout_get_pixel_size(l, &c.largeurNecessaire, &c.hauteurNecessaire);
    g_object_unref(l);
    c.largeurObtenue = gtk_widget_get_allocated_width(etiquette);
    c.hauteurObtenue = gtk_widget_get_allocated_height(etiquette);
}

// The form's widgets in the layer over the top-level window's drawing, with
// their place in that window.
struct WidgetPlace {
    GtkWidget* w;
    int x, y;
};

std::vector<WidgetPlace> widgetsDeLaForme(p::Fenetre f, GtkWidget** fixeTrouve = nullptr) {
    std::vector<WidgetPlace> r;
    GtkWidget* fenetre = p::gtk::fenetreGtkDe(p::ancetreRacine(f));
    GtkWidget* fixe = fenetre ? chercheFixe(fenetre) : nullptr;
    if (fixeTrouve) *fixeTrouve = fixe;
    if (!fixe) return r;
    GList* enfants = gtk_container_get_children(GTK_CONTAINER(fixe));
    for (GList* e = enfants; e; e = e->next) {
        GtkWidget* w = GTK_WIDGET(e->data);
        if (p::Fenetre(GPOINTER_TO_UINT(g_object_get_data(G_OBJECT(w), "km32-forme"))) != f) continue;
        if (!gtk_widget_get_visible(w) || !gtk_widget_get_mapped(w)) continue;
        int x = 0, y = 0;
        if (!gtk_widget_translate_coordinates(w, fixe, 0, 0, &x, &y)) continue;
        r.push_back({w, x, y});
    }
    g_list_free(enfants);
    return r;
}

#endif

} // namespace

std::vector<ControleVu> controlesVisibles(uint32_t f) {
    std::vector<ControleVu> controles;
#ifdef KM32_AVEC_AFFICHAGE
    const p::Point o = p::clientVersEcran(f, {0, 0}), r = p::clientVersEcran(p::ancetreRacine(f), {0, 0});
    for (const WidgetPlace& wp : widgetsDeLaForme(f)) {
        GtkWidget* w = wp.w;
        ControleVu c;
        c.numero = GPOINTER_TO_INT(g_object_get_data(G_OBJECT(w), "km32-numero"));
        const int x = wp.x - (o.x - r.x), y = wp.y - (o.y - r.y);
        c.cadre = {x, y, x + gtk_widget_get_allocated_width(w), y + gtk_widget_get_allocated_height(w)};
        auto* interieur = static_cast<GtkWidget*>(g_object_get_data(G_OBJECT(w), "km32-vue"));
        GtkWidget* vue = interieur ? interieur : w;
        if (GTK_IS_LABEL(vue)) {
            c.genre = "label";
            mesureEtiquette(vue, c);
        } else if (GTK_IS_BUTTON(vue)) {
            c.genre = GTK_IS_CHECK_BUTTON(vue) ? "check" : "button";
            GtkWidget* enfant = gtk_bin_get_child(GTK_BIN(vue));
            if (enfant && GTK_IS_LABEL(enfant)) mesureEtiquette(enfant, c);
        } else if (GTK_IS_ENTRY(vue)) {
            c.genre = "entry";
        } else if (GTK_IS_TEXT_VIEW(vue)) {
            c.genre = "text";
        } else if (GTK_IS_TREE_VIEW(vue)) {
            c.genre = "list";
        } else if (GTK_IS_COMBO_BOX(vue)) {
            c.genre = "combo";
            int minimum = 0;
            gtk_widget_get_preferred_width(vue, &minimum, &c.largeurNecessaire);
            gtk_widget_get_preferred_height(vue, &minimum, &c.hauteurNecessaire);
            c.largeurObtenue = gtk_widget_get_allocated_width(vue);
            c.hauteurObtenue = gtk_widget_get_allocated_height(vue);
            if (gchar* t = gtk_combo_box_text_get_active_text(GTK_COMBO_BOX_TEXT(vue))) {
                c.texte = t;
                g_free(t);
            }
        } else {
            c.genre = G_OBJECT_TYPE_NAME(vue);
        }
        controles.push_back(c);
    }
#else
    (void)f;
#endif
    return controles;
}

std::vector<std::string> defautsDisposition(const std::vector<ControleVu>& controles,
                                            const std::vector<ZonePeinte>& peintes,
                                            const p::Rectangle& client) {
    std::vector<std::string> d;
    for (std::size_t i = 0; i < controles.size(); ++i) {
        const ControleVu& c = controles[i];
        for (std::size_t j = i + 1; j < controles.size(); ++j)
            if (seChevauchent(c.cadre, controles[j].cadre))
                d.push_back("the " + decrit(c) + " " + enTexte(c.cadre) + " overlaps the " +
                            decrit(controles[j]) + " " + enTexte(controles[j].cadre));
        for (const ZonePeinte& z : peintes)
            if (seChevauchent(c.cadre, z.cadre))
                d.push_back("the " + decrit(c) + " " + enTexte(c.cadre) + " covers the painted " + z.quoi +
                            " " + enTexte(z.cadre));
        if (c.largeurObtenue < c.largeurNecessaire || c.hauteurObtenue < c.hauteurNecessaire)
            d.push_back("the " + decrit(c) + " needs " + std::to_string(c.largeurNecessaire) + " x " +
                        std::to_string(c.hauteurNecessaire) + " for its text and got " +
                        std::to_string(c.largeurObtenue) + " x " + std::to_string(c.hauteurObtenue));
        if (!contient(client, c.cadre))
            d.push_back("the " + decrit(c) + " " + enTexte(c.cadre) + " lies out of the window " +
                        enTexte(client));
    }
    for (std::size_t i = 0; i < peintes.size(); ++i) {
        for (std::size_t j = i + 1; j < peintes.size(); ++j)
            if (seChevauchent(peintes[i].cadre, peintes[j].cadre))
                d.push_back("the painted " + peintes[i].quoi + " " + enTexte(peintes[i].cadre) +
                            " overlaps the painted " + peintes[j].quoi + " " + enTexte(peintes[j].cadre));
        if (!contient(client, peintes[i].cadre))
            d.push_back("the painted " + peintes[i].quoi + " " + enTexte(peintes[i].cadre) +
                        " lies out of the window " + enTexte(client));
    }
    return d;
}

std::string enTexte(const std::vector<std::string>& defauts) {
    std::string t;
    for (const std::string& d : defauts)
        t += "\n  " + d;
    return t;
}

bool dansEnfantAEchelle(double echelle) {
    if (std::getenv(kVariableEnfant)) return true;
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string filtre = std::string(info->test_suite_name()) + "." + info->name();
    char programme[4096] = {};
    const ssize_t n = readlink("/proc/self/exe", programme, sizeof programme - 1);
    if (n <= 0) {
        ADD_FAILURE() << "this test program cannot be found to run it again";
        return false;
    }
    std::ostringstream commande;
    commande << "env " << kVariableEnfant << "=1 GDK_SCALE=1 GDK_DPI_SCALE=" << echelle
             << " GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1 '" << programme << "' --gtest_filter='" << filtre
             << "' 2>&1";
    FILE* f = popen(commande.str().c_str(), "r");
    if (!f) {
        ADD_FAILURE() << "the child process did not start";
        return false;
    }
    std::string sortie;
    char tampon[4096];
    for (std::size_t lu; (lu = fread(tampon, 1, sizeof tampon, f)) > 0;)
        sortie.append(tampon, lu);
    const int statut = pclose(f);
    EXPECT_EQ(statut, 0) << "at GDK_DPI_SCALE=" << echelle << ":\n" << sortie;
    EXPECT_NE(sortie.find("[  PASSED  ] 1 test"), std::string::npos) << sortie;
    return false;
}

BancReel::BancReel(const std::string& texteFigure, uint64_t graine) {
    empechement_ = empecheEssaisGraphiques();
    if (!empechement_.empty()) return;
    ecran_ = std::make_unique<EcranX>();
    if (!ecran_->pret()) {
        empechement_ = "Xvfb did not start";
        return;
    }
    setenv("DISPLAY", ecran_->affichage().c_str(), 1);
    // The toolkit's settings stay in memory; no accessibility bus is sought.
    setenv("GSETTINGS_BACKEND", "memory", 0);
    setenv("NO_AT_BRIDGE", "1", 0);
    KMImposeGraineHasard(graine);
    KMTermine();
    KMInitialise();
    // A server just started on a loaded machine may refuse the first
    // connection: the display is asked for again for a while.
    if (!attends([] { return KMDemarreAffichageReel() == 1; }, 30)) {
        empechement_ = "the display did not open";
        return;
    }
    KMappliqueLangue(2);
    hote_ = KMCreeFenetreHote("km32", 800, 600, nullptr);
    figure_ = KMCreeFigEtRenvoieNumero(hote_, nullptr, texteFigure.c_str(), nullptr);
    if (figure_ <= 0) {
        empechement_ = "the figure was not made";
        return;
    }
    KMSize(figure_, 0);
#ifdef KM32_AVEC_AFFICHAGE
    if (!tourne([&] {
            GtkWidget* w = p::gtk::fenetreGtkDe(hote_);
            return w && gtk_widget_get_mapped(w);
        }))
        empechement_ = "the host window did not show";
#endif
}

BancReel::~BancReel() {
    if (figure_ > 0) KMDetruitFigure(figure_);
    if (hote_ != 0) KMDetruitFenetreHote(hote_);
    p::traiteEvenementsAffichage();
    KMTermine();
    ecran_.reset();
}

bool BancReel::tourne(const std::function<bool()>& condition, int secondes) {
    return tourneJusqua(condition, secondes);
}

bool tourneJusqua(const std::function<bool()>& condition, int secondes) {
    const auto fin = std::chrono::steady_clock::now() + std::chrono::seconds(secondes);
    for (;;) {
        p::traiteEvenementsAffichage();
        if (condition()) return true;
        if (std::chrono::steady_clock::now() > fin) return false;
        usleep(10000);
    }
}

bool BancReel::attendsForme(uint32_t f) {
    return attendsFormeAffichee(f);
}

bool attendsFormeAffichee(uint32_t f, int secondes) {
#ifdef KM32_AVEC_AFFICHAGE
    const bool montree = tourneJusqua(
        [&] {
            const p::OperationsForme* o = p::formeLiee(f);
            if (!o || !o->etat) return false;
            const p::FormeLiee forme = o->etat();
            const std::size_t attendus = forme.champs.size() + forme.boutons.size() +
                                         forme.etiquettes.size() + forme.listes.size() + forme.combos.size() +
                                         (forme.caseFermeture ? 1 : 0);
            GtkWidget* fixe = nullptr;
            const std::vector<WidgetPlace> places = widgetsDeLaForme(f, &fixe);
            if (places.size() != attendus) return false;
            // Every widget allocated where it was last put.
            for (const WidgetPlace& wp : places) {
                int x = 0, y = 0;
                gtk_container_child_get(GTK_CONTAINER(fixe), wp.w, "x", &x, "y", &y, nullptr);
                if (x != wp.x || y != wp.y || gtk_widget_get_allocated_width(wp.w) <= 1) return false;
            }
            return true;
        },
        secondes);
    // The toolkit's requests (windows mapped, moved) reach the server before
    // any input is sent.
    if (montree) gdk_display_sync(gdk_display_get_default());
    return montree;
#else
    (void)f;
    (void)secondes;
    return false;
#endif
}

} // namespace km32::tests
