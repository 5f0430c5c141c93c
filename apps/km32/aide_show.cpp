#include "aide_show.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "encodage.h"
#include "km32.h"
#include "textes_show.h"

namespace km32cli {

namespace {

constexpr uint32_t kIconeInformation = 0x40, kIconeExclamation = 0x30;
constexpr uint32_t kAideContexte = 1;
constexpr unsigned kDerniereCommandeMenu = 264;

int langueParDefaut = 1;

// The language of the library's help file name: "KM32en.HLP" English,
// "KM32de.HLP" German, "KM32.HLP" French.
int langueDuFichierAide(const std::string& fichier) {
    const std::size_t barre = fichier.find_last_of("/\\");
    const std::string nom = barre == std::string::npos ? fichier : fichier.substr(barre + 1);
    if (nom == "KM32en.HLP") return 2;
    if (nom == "KM32de.HLP") return 3;
    if (nom == "KM32.HLP") return 1;
    return langueParDefaut;
}

// The folder of the running program.
std::string dossierDuProgramme() {
    char chemin[4096];
    const ssize_t n = ::readlink("/proc/self/exe", chemin, sizeof chemin - 1);
    if (n <= 0) return ".";
    const std::string c(chemin, std::size_t(n));
    const std::size_t barre = c.find_last_of('/');
    return barre == std::string::npos ? "." : c.substr(0, barre);
}

// The help file of the language: installed under share/km32/aide beside the
// program's bin folder, or in the build folder's aide/ beside the program.
std::string fichierAide(int langue) {
    const char* suffixe = langue == 2 ? "en" : langue == 3 ? "de" : "fr";
    const std::string nom = std::string("aide.") + suffixe + ".txt";
    const std::string dossier = dossierDuProgramme();
    for (const std::string& c : {dossier + "/../share/km32/aide/" + nom, dossier + "/aide/" + nom})
        if (::access(c.c_str(), R_OK) == 0) return c;
    return nom;
}

bool litFichier(const std::string& chemin, std::string& texte) {
    std::ifstream f(chemin, std::ios::binary);
    if (!f) return false;
    std::ostringstream o;
    o << f.rdbuf();
    texte = o.str();
    return true;
}

std::string sansBlancs(const std::string& t) {
    const std::size_t debut = t.find_first_not_of(" \t\r\n");
    if (debut == std::string::npos) return {};
    return t.substr(debut, t.find_last_not_of(" \t\r\n") - debut + 1);
}

// The lines of a paragraph joined into one, which the box wraps to its
// width; paragraphs apart by a blank line, none at the ends.
std::string enParagraphes(const std::string& texte) {
    std::istringstream lignes(texte);
    std::string ligne, resultat, separateur;
    while (std::getline(lignes, ligne)) {
        ligne = sansBlancs(ligne);
        if (ligne.empty()) {
            if (!resultat.empty()) separateur = "\n\n";
            continue;
        }
        resultat += separateur + ligne;
        separateur = " ";
    }
    return resultat;
}

// "1-76, 89": the ranges; false for anything else.
bool lisContextes(const std::string& texte, std::vector<std::pair<unsigned, unsigned>>& contextes) {
    std::istringstream liste(texte);
    std::string partie;
    while (std::getline(liste, partie, ',')) {
        partie = sansBlancs(partie);
        char* fin = nullptr;
        const unsigned long debut = std::strtoul(partie.c_str(), &fin, 10);
        if (fin == partie.c_str()) return false;
        unsigned long dernier = debut;
        if (*fin == '-') {
            const char* suite = fin + 1;
            dernier = std::strtoul(suite, &fin, 10);
            if (fin == suite) return false;
        }
        if (*fin != '\0' || dernier < debut || dernier > 65535) return false;
        contextes.emplace_back(unsigned(debut), unsigned(dernier));
    }
    return !contextes.empty();
}

// The menu caption of a command, without its access mark: what a dialog's
// topic is called.
std::string legendeCommande(unsigned commande) {
    if (commande == 0 || commande > kDerniereCommandeMenu) return {};
    char texte[256] = {};
    KMPhraseDeNumero(uint16_t(commande), texte);
    std::string legende;
    for (const char* c = texte; *c; ++c)
        if (*c != '&') legende += *c;
    return utf8DeWindows1252(legende);
}

void boite(const std::string& texte, const std::string& titre, uint32_t icone) {
    KMBoiteMessageHote(windows1252DeUtf8(texte).c_str(), windows1252DeUtf8(titre).c_str(), icone);
}

// The library's request: the section of the topic (commande 1, its context
// number in donnee) or the contents (any other command) in a box.
int32_t montreAide(uint32_t, const char* fichier, uint32_t commande, uint32_t donnee) {
    const int langue = langueDuFichierAide(fichier ? fichier : "");
    const std::string titreAide = texteShow(TexteShow::TitreAide, langue);
    const std::string chemin = fichierAide(langue);
    std::string texte;
    if (!litFichier(chemin, texte)) {
        boite(texteShowAvec(TexteShow::AideIntrouvable, langue, chemin), titreAide, kIconeExclamation);
        return 0;
    }
    const std::vector<SectionAide> sections = litSectionsAide(texte);
    const unsigned contexte = commande == kAideContexte ? donnee : 0;
    const SectionAide* s = sectionDuContexte(sections, contexte);
    const std::string legende = legendeCommande(contexte);
    if (!s) {
        boite(texteShowAvec(TexteShow::AucuneAide, langue,
                            legende.empty() ? std::to_string(contexte) : legende),
              titreAide, kIconeExclamation);
        return 0;
    }
    // A section that serves several commands names the one asked about.
    const bool plusieurs = s->contextes.size() > 1 || s->contextes[0].first != s->contextes[0].second;
    const std::string sujet = plusieurs && !legende.empty() ? s->titre + ": " + legende : s->titre;
    boite(sujet + "\n\n" + s->texte, titreAide + " - " + sujet, kIconeInformation);
    return 1;
}

} // namespace

std::vector<SectionAide> litSectionsAide(const std::string& texte) {
    std::vector<SectionAide> sections;
    std::istringstream lignes(texte);
    std::string ligne;
    while (std::getline(lignes, ligne)) {
        if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
        if (ligne.rfind("==", 0) == 0) {
            const std::size_t barre = ligne.find('|');
            SectionAide s;
            if (barre != std::string::npos && lisContextes(ligne.substr(2, barre - 2), s.contextes)) {
                s.titre = sansBlancs(ligne.substr(barre + 1));
                sections.push_back(std::move(s));
                continue;
            }
        }
        if (sections.empty() || ligne.rfind('#', 0) == 0) continue;
        sections.back().texte += ligne + "\n";
    }
    for (SectionAide& s : sections)
        s.texte = enParagraphes(s.texte);
    return sections;
}

const SectionAide* sectionDuContexte(const std::vector<SectionAide>& sections, unsigned contexte) {
    for (const SectionAide& s : sections)
        for (const auto& [debut, dernier] : s.contextes)
            if (contexte >= debut && contexte <= dernier) return &s;
    return nullptr;
}

void installeAideShow(int langue) {
    langueParDefaut = langue;
    KMInstalleAfficheurAide(montreAide);
}

} // namespace km32cli
