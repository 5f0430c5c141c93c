// The toolkit's message boxes and dialogs show their standard buttons in the
// language the library's texts are shown in, read off the real widgets while
// the box waits for its answer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "disposition_reelle.h"
#include "km32.h"
#include "platform/boites.h"

#ifdef KM32_AVEC_AFFICHAGE
#include <gtk/gtk.h>
#endif

namespace km32::tests {
namespace {

#ifdef KM32_AVEC_AFFICHAGE

// The captions of the buttons of the first dialog shown, read when it shows;
// then the dialog is answered with its last button (a response id of the
// caller's own, so the box counts it as closed).
struct Releve {
    std::vector<std::string> libelles;
    bool fini = false;
};

// The buttons of the answers a box or a file dialog may give, in this order.
constexpr int kReponses[] = {platform::kReponseOui, platform::kReponseNon, platform::kReponseAnnuler,
                             platform::kReponseOk,  GTK_RESPONSE_CANCEL,   GTK_RESPONSE_ACCEPT};

void litBoutons(GtkDialog* d, Releve& r) {
    for (int reponse : kReponses)
        if (GtkWidget* b = gtk_dialog_get_widget_for_response(d, reponse); b && GTK_IS_BUTTON(b))
            if (const char* l = gtk_button_get_label(GTK_BUTTON(b))) r.libelles.push_back(l);
}

gboolean releveDialogue(gpointer donnees) {
    auto* r = static_cast<Releve*>(donnees);
    GList* fenetres = gtk_window_list_toplevels();
    for (GList* f = fenetres; f && !r->fini; f = f->next) {
        if (!GTK_IS_DIALOG(f->data) || !gtk_widget_get_mapped(GTK_WIDGET(f->data))) continue;
        litBoutons(GTK_DIALOG(f->data), *r);
        gtk_dialog_response(GTK_DIALOG(f->data), GTK_RESPONSE_DELETE_EVENT);
        r->fini = true;
    }
    g_list_free(fenetres);
    return r->fini ? G_SOURCE_REMOVE : G_SOURCE_CONTINUE;
}

// Shows the box or dialog while a timer reads its buttons; their captions.
template <typename Montre> std::vector<std::string> boutonsDe(Montre montre) {
    Releve r;
    g_timeout_add(20, releveDialogue, &r);
    montre();
    return r.libelles;
}

#endif

class BoitesLangue : public ::testing::Test {};

TEST_F(BoitesLangue, AQuestionAndTheSaveDialogSpeakTheLanguageApplied) {
#ifndef KM32_AVEC_AFFICHAGE
    GTEST_SKIP() << "this build has no window backend (GTK 3)";
#else
    if (const std::string raison = empecheEssaisGraphiques(); !raison.empty()) GTEST_SKIP() << raison;
    BancReel banc("Kalmetra figure (English)\r\n"
                  "A point with coordinates (-4,0,0) in coordinate system Rxyz\r\n");
    ASSERT_TRUE(banc.empechement().empty()) << banc.empechement();
    const struct {
        int16_t langue;
        std::vector<std::string> question, enregistrer;
    } cas[] = {
        {1, {"_Oui", "_Non", "_Annuler"}, {"_Annuler", "_Enregistrer"}},
        {3, {"_Ja", "_Nein", "_Abbrechen"}, {"_Abbrechen", "_Speichern"}},
        {2, {"_Yes", "_No", "_Cancel"}, {"_Cancel", "_Save"}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.langue);
        KMappliqueLangue(c.langue);
        EXPECT_EQ(boutonsDe([] { KMBoiteMessageHote("?", "km32", platform::kBoutonsOuiNonAnnuler); }),
                  c.question);
        std::vector<std::string> enregistrer = boutonsDe([] {
            char chemin[64] = {};
            KMDialogueEnregistrerHote("km32", "F|*.k3v|", "a.k3v", chemin, sizeof chemin);
        });
        EXPECT_EQ(enregistrer, c.enregistrer);
    }
#endif
}

} // namespace
} // namespace km32::tests
