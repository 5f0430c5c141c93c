#include "host/textes_hote.h"

#include <algorithm>

#include "base/garde.h"
#include "base/texte.h"
#include "host/application_texte.h"
#include "host/fenetre_figure.h"
#include "host/fenetre_mere.h"
#include "host/langue_hote.h"
#include "host/services_attendus.h"
#include "model/calcul/calcul_objet.h"
#include "model/calcul/dependants.h"
#include "model/fenetres_figure.h"
#include "model/messages.h"
#include "model/services_dessin.h"
#include "model/table_figures.h"
#include "phrases/phrase.h"
#include "platform/fenetres.h"
#include "platform/image_fichier.h"
#include "platform/messages.h"
#include "sibling/phrases_tq.h"
#include "sibling/table_partagee.h"
#include "text/execution_ligne.h"
#include "text/execution_creation.h"
#include "text/execution_texte.h"
#include "text/garde_demarrage.h"
#include "text/langue_texte.h"
#include "text/operandes_objets.h"

namespace km32 {

namespace {

constexpr uint16_t kDerniereErreurTolereeHote = 532;

bool contient(const std::string& texte, std::string_view mot) {
    return texte.find(mot) != std::string::npos;
}

std::string sansBlancsFinaux(std::string ligne, std::string_view blancs) {
    const std::size_t fin = ligne.find_last_not_of(blancs);
    ligne.erase(fin == std::string::npos ? 0 : fin + 1);
    return ligne;
}

// "Activer la figure": the figure's form comes forward, or is activated.
void activeFigureDemandee(int16_t n, TfigureKalmetra& f) {
    if (figureSansHote(f)) return;
    const TTableDesVariablesPartagees& t = *TQTableDesVariablesPartagees();
    if (t.fenetreAReactiver != 0 && t.fenetreAReactiver == f.fenetreDessin) {
        platform::activeFenetre(f.fenetreDessin);
        if (const TKMFen* forme = formeDeNumero(n)) platform::invalideFenetre(forme->fenetre);
    } else if (f.fenetreDessin == f.fenetreHote) {
        activeFormeFigure(n);
    }
}

// "BitMap=" or "Image=": true when a picture was loaded (the line is done).
bool imageDeLaLigne(int16_t n, TfigureKalmetra& f, const std::string& ligne) {
    const std::string nom = coupe(ligne.substr(ligne.find('=') + 1), 255);
    if (nom.empty()) return false;
    if (chargeImageDeFond(n, nom)) {
        redessineFigure(f);
        return true;
    }
    afficheMessage(TQphraseDeNumero(11112) + ":\r\n" + nom, TQphraseDeNumero(11114));
    return false;
}

void avisTexteFigure(const TfigureKalmetra& f) {
    if (!figureSansHote(f)) platform::envoieMessage(f.fenetreHote, platform::WM_KEYUP, kAvisTexteFigure, 0);
}

void langueDemandee(uint16_t langue) {
    if (TQTableDesVariablesPartagees()->langueAppliquee != langue) appliqueLangueKM(langue);
}

} // namespace

void calculeObjetsChanges(TfigureKalmetra& f, const TEnsembleObjets& changes) {
    TEnsembleObjets aCalculer = changes;
    ajouteDependants(f, aCalculer);
    for (int i = kObjetsPredefinis + 1; i <= f.nombreObjets; ++i)
        if (aCalculer.test(std::size_t(i))) calculeObjet(f, i);
}

std::string lisLigneDuTexte(const std::string& texte, std::size_t& pos, int& compteurLignes) {
    for (;;) {
        while (pos < texte.size() && texte[pos] != '\0' &&
               (texte[pos] == '\t' || texte[pos] == '\n' || texte[pos] == '\r' || texte[pos] == ' ')) {
            // A CR ends a line, and so does an LF that no CR comes before.
            if (texte[pos] == '\r' || (texte[pos] == '\n' && (pos == 0 || texte[pos - 1] != '\r')))
                ++compteurLignes;
            ++pos;
        }
        const std::size_t debut = pos;
        while (pos < texte.size() && texte[pos] != '\0' && texte[pos] != '\n' && texte[pos] != '\r')
            ++pos;
        std::string ligne = sansBlancsFinaux(texte.substr(debut, pos - debut), " ");
        // A comment line is skipped; its line break counts it.
        if (!ligne.empty() && ligne[0] == '%') continue;
        const std::size_t pourcent = ligne.find('%');
        if (pourcent != std::string::npos) ligne = sansBlancsFinaux(ligne.substr(0, pourcent), " \t");
        return coupe(ligne, 255);
    }
}

void executeLignesDuTexte(int16_t n, const std::string& texte, bool redessine) {
    TfigureKalmetra* f = figureOuRien(n);
    if (!f) return;
    f->lignesHoteEnCours = 1;
    // A list that names an object the figure lacks is read without it, as
    // in every text the host runs.
    const GardeValeur<uint8_t> texteHote(etatOperandes().texteHote, 1);
    int compteur = 1;
    std::size_t pos = 0;
    noteLigneEnErreur(n, 0);
    try {
        for (std::string ligne = lisLigneDuTexte(texte, pos, compteur); !ligne.empty();
             ligne = lisLigneDuTexte(texte, pos, compteur)) {
            // A line after which a stored start line would no longer run
            // is refused, the figure put back (creation and free-object
            // lines refuse it themselves; this holds the other lines: an
            // assignment, commands run by a line).
            const TfigureKalmetra* avant = f;
            GardeDemarrage demarrage(*f);
            uint16_t r = executeLigneDeFigure(f, ligne, 0, 0);
            f = figureOuRien(n);
            if (f != avant) demarrage.abandonne();
            if (!f) return;
            // A line that failed keeps what it did before its failing item,
            // as without start lines, unless that stops one of them.
            if (!demarrage.accepte(0, true) && r <= kDerniereErreurTolereeHote)
                r = kErreurLigneDiffereeBloquee;
            if (r > kDerniereErreurTolereeHote) {
                // The lines before it stay, and what depends on the objects
                // they changed follows them, as when a file stops at a line.
                f->lignesHoteEnCours = 0;
                const TEnsembleObjets changes = f->objetsChangesParHote;
                f->objetsChangesParHote.reset();
                calculeObjetsChanges(*f, changes);
                noteLigneEnErreur(n, uint16_t(std::min(compteur, 65535)));
                afficheMessage(ligne, phraseDeNumero(kPhraseLigneIncorrecte));
                return;
            }
        }
    } catch (...) {
        if ((f = figureOuRien(n))) {
            f->lignesHoteEnCours = 0;
            f->objetsChangesParHote.reset();
        }
        throw;
    }
    f->lignesHoteEnCours = 0;
    if (f->objetsChangesParHote.any()) {
        const TEnsembleObjets changes = f->objetsChangesParHote;
        f->objetsChangesParHote.reset();
        calculeObjetsChanges(*f, changes);
    }
    if (f->importationActive) inscritVariablesPartagees(*f);
    if (redessine) redessineFigure(*f);
    signaleFigureModifiee(*f);
}

namespace {

// A text of the host that replaced the figure. An annex window open for the
// figure (a dialog, a list of its objects, a grid, an editor) still holds
// the former figure, its objects by their numbers: left open, its OK would
// act on whichever objects now bear those numbers. It is closed, as when
// the figure is created again; a text that fails leaves it open with the
// figure as it was.
void appliqueTexteDuHote(TfigureKalmetra& f, const std::string& texte) {
    const uint32_t fenetre = fenetreDeLaFigure(f);
    // While the text runs, a list that names an object the figure lacks is
    // read without it.
    const GardeValeur<uint8_t> texteHote(etatOperandes().texteHote, 1);
    if (appliqueTexteAFigure(f, texte, false) && annexeModaleDe(fenetre)) fermeFenetreAnnexe();
}

} // namespace

void executerTexte(int16_t n, const std::string& texte) {
    if (TfigureKalmetra* f = figureOuRien(n)) appliqueTexteDuHote(*f, texte);
}

void executeLigneFigEtRedessine(int16_t n, const std::string& ligne) {
    TfigureKalmetra* f = figureOuRien(n);
    if (!f) return;
    if (langueDuTexteFigure(ligne) != 0) {
        appliqueTexteDuHote(*f, ligne);
        return;
    }
    if (contient(ligne, "Activer la figure")) {
        activeFigureDemandee(n, *f);
        return;
    }
    if ((contient(ligne, "BitMap=") || contient(ligne, "Image=")) && imageDeLaLigne(n, *f, ligne)) return;
    if (contient(ligne, "Affecter la propri\xE9t\xE9 TexteDeLaFigure")) {
        avisTexteFigure(*f);
        return;
    }
    if (contient(ligne, "Affecter toutes les propri\xE9t\xE9s TexteDeLaFigure")) {
        for (int16_t k = 1; k <= kMaxFigures; ++k)
            if (const TfigureKalmetra* g = figureOuRien(k)) avisTexteFigure(*g);
        return;
    }
    if (contient(ligne, "Fran\xE7"
                        "ais") ||
        contient(ligne, "Franz\xF6sisch") || contient(ligne, "French")) {
        langueDemandee(1);
        return;
    }
    if (contient(ligne, "Anglais") || contient(ligne, "Englisch") || contient(ligne, "English")) {
        langueDemandee(2);
        return;
    }
    if (contient(ligne, "Allemand") || contient(ligne, "Deutsch") || contient(ligne, "German")) {
        langueDemandee(3);
        return;
    }
    const std::size_t dialogue = ligne.find("Dialog:");
    if (dialogue != std::string::npos) {
        std::string code;
        for (char c : ligne.substr(dialogue + 7))
            if (c != ' ') code += c;
        const uint16_t commande = commandeDeCodeMenu(code);
        if (commande != 0) executeCommandeFigure(*f, commande, 0);
        return;
    }
    executeLignesDuTexte(n, ligne, true);
}

bool chargeImageDeFond(int16_t n, const std::string& nomFichier) {
    TfigureKalmetra* f = figureOuRien(n);
    if (!f) return false;
    if (!f->imageFond) f->imageFond = std::make_unique<TimageFond>();
    std::optional<platform::Image> image = platform::chargeImage(nomFichier);
    if (!image) {
        f->imageFond.reset();
        return false;
    }
    f->imageFond->nomFichier = coupe(nomFichier, 255);
    f->imageFond->image = std::move(*image);
    return true;
}

} // namespace km32
