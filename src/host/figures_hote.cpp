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
#include "phrases/phrase.h"
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

// "This file does not exist...", "This file could not be read...", "This
// file holds 65,536 characters or more...": no figure was read from it (our
// own phrases).
constexpr uint16_t kPhraseFichierAbsent = 9990;
constexpr uint16_t kPhraseFichierIllisible = 9991;
constexpr uint16_t kPhraseFichierTropLong = 9992;

// A figure file that could not be read at all is told to the user (the
// file's name as the title) and to the host: its KMLigneEnErreur is -1. A
// file whose line failed has been told by the reader, with the line, and
// that line is the host's answer.
void signaleFichierNonLu(int16_t n, const std::string& fichier, FichierNonLu raison) {
    if (raison == FichierNonLu::Non) return;
    noteFichierNonLu(n);
    const uint16_t phrase = raison == FichierNonLu::Absent      ? kPhraseFichierAbsent
                            : raison == FichierNonLu::Illisible ? kPhraseFichierIllisible
                                                                : kPhraseFichierTropLong;
    afficheMessage(phraseDeNumero(phrase), fichier);
}

// Steps shared by both creations: the figure record, its text, title,
// picture and drawing. W is the window the figure is first drawn into.
TfigureKalmetra& construitFigure(int16_t n, TKMFen& forme, const std::string& fichier, const char* texte,
                                 const char* parametres) {
    const uint32_t w = platform::estAffichee(forme.fenetre) ? forme.fenetre : forme.fenetreHote;
    // A new figure has run no text yet: the failing line of the figure that
    // held the number before is no answer for it (an empty text runs nothing).
    noteLigneEnErreur(n, 0);
    uint16_t resultatFichier = 0;
    FichierNonLu raison = FichierNonLu::Non;
    TfigureKalmetra* f = allogueFigure(w, fichier, n, &resultatFichier, &raison);
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
        signaleFichierNonLu(n, fichier, raison);
    } else {
        executerTexte(n, t);
        // A text given with the file runs on the empty figure: when it runs
        // through, the file that was not read is still the host's answer.
        if (ligneEnErreur(n) == 0) signaleFichierNonLu(n, fichier, raison);
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

int32_t creeFigureFenetreExterne(uint32_t fenetre, const char* fichier, uint32_t couleur) {
    FichierNonLu raison = FichierNonLu::Non;
    const int32_t n = creeFigureKMPourFenetreExterne(fenetre, fichier, couleur, &raison);
    if (n != 0) {
        // The figure's own reading noted a line that failed; a file not
        // read at all is told here.
        if (raison != FichierNonLu::Non) signaleFichierNonLu(int16_t(n), texteOuVide(fichier, 255), raison);
    }
    return n;
}

} // namespace km32
