#include "text/execution_texte.h"

#include <memory>
#include <vector>

#include "base/garde.h"
#include "base/texte.h"
#include "model/calcul/calcul_objet.h"
#include "model/fichiers_texte.h"
#include "model/messages.h"
#include "model/modele_ligne_analyse.h"
#include "text/prototypes_texte.h"
#include "model/registre_figures.h"
#include "model/services_texte.h"
#include "model/table_figures.h"
#include "phrases/phrase.h"
#include "sibling/table_partagee.h"
#include "sibling/textes_tq.h"
#include "text/execution_creation.h"
#include "text/execution_ligne.h"
#include "text/garde_demarrage.h"
#include "text/langue_texte.h"
#include "text/renommage_lignes.h"

namespace km32 {

namespace {

constexpr std::size_t kLongueurMaxLigneDifferee = 255;

// The failing line of the last run, per figure number.
uint16_t lignesEnErreur[kMaxFigures + 1] = {};
bool fichiersNonLus[kMaxFigures + 1] = {};

bool estBlancDeFin(char c) {
    return c == '\r' || c == '\n' || c == ' ';
}

// Where the text ends: before its end line, or at its last character when
// it has no end line (and before a comment heading right above that end),
// blanks and line breaks in front dropped: a comment that runs to the end of
// a text reads the same as once written back before an end line.
std::size_t finDuTexte(const std::string& texte) {
    const std::string fin = coupe(phraseDeNumero(kPhraseFinFigure), 80);
    std::size_t pFin = fin.empty() ? std::string::npos : texte.find(fin);
    if (pFin == std::string::npos) pFin = texte.size();
    std::size_t coupure = pFin;
    while (coupure > 0 && estBlancDeFin(texte[coupure - 1]))
        --coupure;
    const std::string commentaire = coupe(phraseDeNumero(kPhraseCommentaire), 80);
    const std::size_t pCom = commentaire.empty() ? std::string::npos : texte.find(commentaire);
    if (pCom != std::string::npos && pCom + commentaire.size() <= pFin) {
        std::size_t p = pCom + commentaire.size();
        while (p < pFin && estBlancDeFin(texte[p]))
            ++p;
        if (p == pFin) {
            coupure = pCom;
            while (coupure > 0 && estBlancDeFin(texte[coupure - 1]))
                --coupure;
        }
    }
    return coupure;
}

// A line break at position p counts one line: a CR, or an LF that no CR
// comes before (texts with LF alone count their lines too).
bool compteLigne(std::string_view texte, std::size_t p) {
    return texte[p] == '\r' || (texte[p] == '\n' && (p == 0 || texte[p - 1] != '\r'));
}

void ajouteLigneNonExecutee(std::string& tampon, const std::string& ligne) {
    tampon += coupe("\r\n" + ligne, kLongueurMaxLigneDifferee);
}

} // namespace

int& textesEnLecture() {
    static int n = 0;
    return n;
}

int& textesInternesEnLecture() {
    static int n = 0;
    return n;
}

std::size_t longueurMaxLigneLue() {
    return textesInternesEnLecture() > 0 ? kLongueurLigne : kLongueurMaxLigneTexte;
}

uint16_t executeTexteDeFigure(TfigureKalmetra& f, const std::string& texteEntier, uint8_t mode) {
    GardeValeur<int> enLecture(textesEnLecture(), textesEnLecture() + 1);
    lignesDiffereesEnAttente(f) = 0;
    std::string differees;
    // A rename read further on reaches the start lines gathered so far.
    GardeValeur<LignesEnLecture> enCours(lignesDiffereesEnLecture(), LignesEnLecture{&f, &differees});
    uint16_t erreur = 0;
    uint16_t compteur = 1;
    // The start lines read, with their line numbers: each must still run
    // once the whole text is read (a later line may change its count).
    struct Demarrage {
        std::string ligne;
        uint16_t numero = 0;
    };
    std::vector<Demarrage> demarrages;

    bool langueChangee = false;
    if (f.proprietairePrototypes == &f) {
        const uint8_t langue = langueDuTexteFigure(texteEntier);
        if (langue != 0) {
            changeLangue(langue);
            langueChangee = true;
        }
    }
    const std::string_view texte(texteEntier.data(), finDuTexte(texteEntier));
    // The first NUL ends the text as well.
    const std::string_view utile = texte.substr(0, std::min(texte.size(), texte.find('\0')));

    bool section = false;
    std::size_t p = 0;
    while (erreur == 0 && p < utile.size()) {
        const char c = utile[p];
        if (c == '\n' || c == '\r' || c == ' ') {
            if (compteLigne(utile, p)) ++compteur;
            ++p;
            continue;
        }
        // Read one line; comment lines go to the deferred lines.
        std::string ligne;
        std::size_t debutLigne = p;
        for (;;) {
            while (p < utile.size() &&
                   (utile[p] == '\t' || utile[p] == '\n' || utile[p] == '\r' || utile[p] == ' ')) {
                if (compteLigne(utile, p)) ++compteur;
                ++p;
            }
            debutLigne = p;
            std::size_t fin = p;
            while (fin < utile.size() && utile[fin] != '\n' && utile[fin] != '\r')
                ++fin;
            std::size_t dernier = fin;
            while (dernier > p && utile[dernier - 1] == ' ')
                --dernier;
            ligne.assign(utile.substr(p, dernier - p));
            p = dernier;
            if (ligne.size() > longueurMaxLigneLue()) {
                // Said, not only returned: a host that reads the result
                // alone would otherwise lose every line after this one
                // without a word.
                afficheMessage(phraseDeNumero(kPhraseLigneTropLongue) + "\r" + coupe(ligne, 80) + "...",
                               phraseDeNumero(kPhraseLigneIncorrecte));
                erreur = kErreurCreation;
                break;
            }
            if (!ligne.empty() && ligne[0] == '%') {
                ajouteLigneNonExecutee(differees, ligne);
                ligne.clear();
                continue;
            }
            break;
        }
        if (erreur != 0 || ligne.empty()) continue;

        const uint16_t resultat = executeLigneDeFigure(&f, ligne, 0, mode);
        switch (resultat) {
        case 0:
            break;
        case kDebutPrototype: {
            // The block goes to the table of the figure that owns the
            // prototypes; a table created for it goes again when it fails.
            TfigureKalmetra& proprietaire =
                f.proprietairePrototypes != nullptr ? *f.proprietairePrototypes : f;
            const bool creee = !proprietaire.tableDesPrototypes;
            if (creee) creeTableDesPrototypes(proprietaire);
            p = debutLigne;
            if (ajoutePrototype(*proprietaire.tableDesPrototypes, f, utile, p, compteur) == 0) {
                if (creee) libereTableDesPrototypes(proprietaire);
                erreur = kErreurCreation;
            }
            break;
        }
        case kLigneCommentaire:
        case kDescriptionInterface: {
            if (p < utile.size()) ++p;
            if (p < utile.size() && utile[p] == '\n') ++p;
            f.texteCommentaire = std::make_unique<std::string>(utile.substr(p));
            section = true;
            erreur = resultat;
            break;
        }
        case kLigneDifferee:
            ajouteLigneNonExecutee(differees, etatExecutionLigne().lignesNonExecutees);
            demarrages.push_back({ligne, compteur});
            break;
        default:
            afficheMessage(ligne, phraseDeNumero(kPhraseLigneIncorrecte));
            erreur = resultat;
            break;
        }
    }

    // Curves and loci sample again now that every line has run: a drawing
    // line read after one of them (points joined or not) changes where its
    // pieces break, and its samples taken at its creation do not know it.
    recalculeObjetsParticuliers(f);

    uint16_t resultat = 0;
    if (erreur == 0) {
        if (!differees.empty()) {
            f.lignesDifferees = std::make_unique<std::string>(differees);
            lignesDiffereesEnAttente(f) = 1;
        }
    } else if (section) {
        if (!differees.empty()) f.lignesDifferees = std::make_unique<std::string>(differees);
    } else {
        resultat = compteur;
    }
    // A start line that a later line stopped from running (its count set
    // to 0 after it) fails the text at that start line, as the reading of
    // the figure's own text would.
    if (resultat == 0 && !differees.empty() && f.lignesDifferees) {
        const std::string bloquee = ligneDiffereeBloquee(f);
        if (!bloquee.empty()) {
            resultat = compteur;
            for (const Demarrage& d : demarrages)
                if (d.ligne == bloquee) {
                    resultat = d.numero;
                    break;
                }
            afficheMessage(bloquee, phraseDeNumero(kPhraseLigneIncorrecte));
            f.lignesDifferees.reset();
            lignesDiffereesEnAttente(f) = 0;
        }
    }
    if (langueChangee) appliqueLangueDemandee();
    if (f.proprietairePrototypes == &f) noteLigneEnErreur(f.numeroFigure, resultat);
    return resultat;
}

uint16_t ligneEnErreur(int16_t numero) {
    return numero >= 1 && numero <= kMaxFigures ? lignesEnErreur[numero] : 0;
}

void noteLigneEnErreur(int16_t numero, uint16_t ligne) {
    if (numero < 1 || numero > kMaxFigures) return;
    lignesEnErreur[numero] = ligne;
    fichiersNonLus[numero] = false;
}

bool fichierNonLu(int16_t numero) {
    return numero >= 1 && numero <= kMaxFigures && fichiersNonLus[numero];
}

void noteFichierNonLu(int16_t numero) {
    if (numero < 1 || numero > kMaxFigures) return;
    lignesEnErreur[numero] = 0;
    fichiersNonLus[numero] = true;
}

uint16_t executeLigneEtSignaleErreur(TfigureKalmetra& f, std::string_view ligne, uint8_t mode) {
    const uint16_t resultat = executeLigneDeFigure(&f, ligne, 0, mode);
    if (resultat != 0 && resultat != kLigneCommentaire && resultat != kDescriptionInterface)
        afficheMessage(std::string(ligne), phraseDeNumero(kPhraseLigneIncorrecte));
    return resultat;
}

bool lisLigneSuivante(std::string_view texte, std::size_t& p, std::string& ligne, uint16_t& compteur) {
    for (;;) {
        while (p < texte.size() &&
               (texte[p] == '\t' || texte[p] == '\n' || texte[p] == '\r' || texte[p] == ' ')) {
            if (compteLigne(texte, p)) ++compteur;
            ++p;
        }
        if (p >= texte.size() || texte[p] == '\0') return false;
        std::size_t fin = p;
        while (fin < texte.size() && texte[fin] != '\n' && texte[fin] != '\r' && texte[fin] != '\0')
            ++fin;
        std::string brute(texte.substr(p, fin - p));
        p = fin;
        if (brute[0] == '%') continue;
        const std::size_t remarque = brute.find('%');
        if (remarque != std::string::npos) brute.erase(remarque);
        while (!brute.empty() && (brute.back() == ' ' || brute.back() == '\t'))
            brute.pop_back();
        ligne = coupe(brute, 255);
        return true;
    }
}

void executeTexteFigureParNumero(int16_t numero) {
    if (numero < 0 || numero > kMaxFigures) return;
    TfigureKalmetra* f = figureDeNumero(numero);
    if (f == nullptr || !f->lignesDifferees) return;
    // The lines run from a copy: a line may replace the stored lines.
    const std::string lignes = *f->lignesDifferees;
    GardeValeur<uint8_t> reelle(executionReelle(), 1);
    // Runs after which one of these lines would no longer run when the
    // figure is read again (commands that set the count to 0) are refused:
    // the figure stays as it was read, and the message names the line.
    GardeDemarrage demarrage(*f);
    std::size_t p = 0;
    uint16_t compteur = 1;
    std::string ligne;
    while (lisLigneSuivante(lignes, p, ligne, compteur)) {
        if (ligne.empty()) continue;
        if (executeLigneDeFigure(f, ligne, 0, 1) != 0) {
            afficheMessage(ligne, phraseDeNumero(kPhraseLigneIncorrecte));
            break;
        }
    }
    if (figureDeNumero(numero) != f) {
        demarrage.abandonne();
        return;
    }
    demarrage.accepte(0, true);
    lignesDiffereesEnAttente(*f) = 0;
}

uint16_t valideTexteFigureNouvelle(const std::string& texte) {
    GardeValeur<uint8_t> muet(etatMessages().messagesMuets, 1);
    auto figure = std::make_unique<TfigureKalmetra>();
    figure->numeroFigure = 0;
    initialiseFigureNeuve(*figure);
    uint16_t resultat = 0;
    {
        GardeValeur<uint8_t> horsExecution(executionReelle(), 0);
        resultat = executeTexteDeFigure(*figure, texte, 1);
    }
    executionReelle() = 1;
    libereFigure(figure);
    return resultat;
}

bool KMInstalleTexteFigureNouvelle(const std::string& nomFichier) {
    TQTableDesVariablesPartagees();
    std::string tampon;
    if (litFichierDansTampon(nomFichier, tampon, kTailleMaxFichierFigure) != 0) return false;
    if (valideTexteFigureNouvelle(tampon) != 0) return false;
    TQInstalleTexteFigureNouvelleEspace(tampon.c_str());
    return true;
}

} // namespace km32
