#include "host/figures_hote.h"

#include "base/texte.h"
#include "host/fenetre_figure.h"
#include "host/juge_modification.h"
#include "host/langue_hote.h"
#include "host/services_attendus.h"
#include "host/textes_hote.h"
#include "model/messages.h"
#include "model/nombres_texte.h"
#include "model/registre_figures.h"
#include "model/services_dessin.h"
#include "model/services_texte.h"
#include "model/style.h"
#include "model/table_figures.h"
#include "platform/fenetres.h"
#include "platform/minuteries.h"
#include "text/execution_texte.h"
#include "text/langue_texte.h"

namespace km32 {

namespace {

constexpr uint16_t kCommandeStyleDefaut = 38;
constexpr int kObjetRepere = 1; // Rxyz

std::string texteOuVide(const char* texte, std::size_t max) {
    return texte ? coupe(texte, max) : std::string();
}

// Steps shared by both creations: the figure record, its text, title,
// picture and drawing. W is the window the figure is first drawn into.
TfigureKalmetra& construitFigure(int16_t n, TKMFen& forme, const std::string& fichier, const char* texte,
                                 const char* parametres) {
    const uint32_t w = platform::estAffichee(forme.fenetre) ? forme.fenetre : forme.fenetreHote;
    // A new figure has run no text yet: the failing line of the figure that
    // held the number before is no answer for it (an empty text runs nothing).
    noteLigneEnErreur(n, 0);
    TfigureKalmetra* f = allogueFigure(w, fichier, n);
    if (!f) throw ErreurInterne("figure number", 0);
    f->fenetreHote = forme.fenetreHote;
    f->fenetreForme = forme.fenetre;
    forme.chaineCreation = texteOuVide(parametres, 255);
    f->couleurFond = forme.couleur;

    const std::string t = texte ? std::string(texte) : std::string();
    if (const uint8_t langue = langueDuTexteFigure(t)) appliqueLangueKM(langue);
    if (t.empty()) {
        if (fichier.empty()) {
            TObjetFigure& repere = objet(*f, kObjetRepere);
            TsourcesCouleur sources{repere.sourcesCouleur[0], repere.sourcesCouleur[1],
                                    repere.sourcesCouleur[2]};
            appliqueCommandeStyle(repere.style, sources, kCommandeStyleDefaut);
            for (int k = 0; k < 3; ++k)
                repere.sourcesCouleur[k] = sources[k];
        }
    } else {
        executerTexte(n, t);
    }
    titreEtImageDeFond(n);
    f = figureDeNumero(n);
    if (!f) throw ErreurInterne("figure gone during its creation", 0);
    // The figure as created is where its history starts: running its text
    // is no change an undo could take back (it would leave an empty figure
    // that a save then writes over the file), nor one left to save.
    libereInstantanes(*f);
    f->annulationPossible = 0;
    f->retablissementPossible = 0;
    f->modifiee = 0;
    oublieJugementsFigure(int16_t(n));
    ajusteTailleFenetre(*f);
    reconstruitDessin(*f);
    return *f;
}

bool numeroLibre(int n) {
    return formeDeNumero(n) == nullptr && figureDeNumero(n) == nullptr;
}

} // namespace

int16_t creeFigureHote(uint32_t hote, const char* fichier, const char* texte, const char* parametres) {
    int16_t n = 0;
    for (int k = 1; k <= kMaxFigures && n == 0; ++k)
        if (numeroLibre(k)) n = int16_t(k);
    if (n == 0) return 0;
    try {
        TKMFen& forme = creeFormeFigure(n, hote);
        forme.rectangleHote = platform::rectangleEcran(hote);
        TfigureKalmetra& f = construitFigure(n, forme, texteOuVide(fichier, 255), texte, parametres);
        f.fenetreProprietaire = 0;
        if (TKMFen* encore = formeDeNumero(n))
            platform::lanceMinuterie(encore->fenetre, kMinuterieSuiviHote, kIntervalleSuiviHote);
    } catch (...) {
        // A creation that fails leaves its number free.
        KMdetruitFigureMeme(n);
        detruitFormeFigure(n);
        throw;
    }
    return n;
}

void recreeFigureHote(int16_t numero, const char* fichier, const char* texte, const char* parametres) {
    TKMFen* forme = formeDeNumero(numero);
    if (!forme) return;
    const uint32_t proprietaire = figureExiste(numero) ? figureDeNumero(numero)->fenetreProprietaire : 0;
    if (figureExiste(numero)) KMdetruitFigureMeme(numero);
    TfigureKalmetra& f = construitFigure(numero, *forme, texteOuVide(fichier, 255), texte, parametres);
    f.fenetreProprietaire = proprietaire;
    if (f.fenetreProprietaire == 0) f.fenetreProprietaire = platform::ancetreRacine(f.fenetreHote);
}

void titreEtImageDeFond(int16_t n) {
    TKMFen* forme = formeDeNumero(n);
    TfigureKalmetra* f = figureOuRien(n);
    if (!forme || !f) return;
    const std::string& s = forme->chaineCreation;

    std::string titre;
    const std::size_t nom = s.find("Nom=");
    if (nom != std::string::npos) {
        const std::string reste = s.substr(nom + 4);
        titre = reste.substr(0, reste.find_first_of(",/;"));
    } else {
        titre = "Figure-Kalmetra n\xB0" + texteDeReel(n);
    }
    f->titreFenetre = coupe(titre + " : ", 80);

    std::size_t image = s.find("Image=");
    std::size_t debut = image != std::string::npos ? image + 6 : std::string::npos;
    if (debut == std::string::npos) {
        image = s.find("BitMap=");
        if (image != std::string::npos) debut = image + 7;
    }
    if (debut == std::string::npos) return;
    const std::string reste = s.substr(debut);
    const std::string fichier = reste.substr(0, reste.find(';'));
    if (fichier.empty()) return;
    if (!chargeImageDeFond(n, fichier))
        afficheMessage("Le fichier " + fichier + "\r\nn'a pas \xE9t\xE9 trouv\xE9.", "Erreur");
}

void detruitFigureHote(int16_t numero) {
    if (numero == 0) return;
    TKMFen* forme = formeDeNumero(numero);
    if (!forme) {
        afficheMessageReel("Erreur: figure d\xE9j\xE0 d\xE9truite", numero);
        return;
    }
    platform::arreteMinuterie(forme->fenetre, kMinuterieSuiviHote);
    KMdetruitFigureMeme(numero);
    detruitFormeFigure(numero);
    oublieJugementsFigure(numero);
}

void tailleFigureHote(int16_t numero) {
    if (numero == 0 || !figureExiste(numero)) return;
    TKMFen* forme = formeDeNumero(numero);
    if (!forme) return;
    if (platform::estAffichee(forme->fenetre)) {
        desactiveFormeFigure(numero);
        activeFormeFigure(numero);
    } else {
        forme->rectangleHote = platform::rectangleEcran(forme->fenetreHote);
        ajusteTailleEtRepeint(*figureDeNumero(numero));
    }
}

} // namespace km32
