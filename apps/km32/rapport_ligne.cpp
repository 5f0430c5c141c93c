// The one report of a failing figure line, for every command and km32 show's box.
#include "rapport_ligne.h"

#include <cstdio>

#include "encodage.h"
#include "km32.h"
#include "textes_cli.h"

namespace km32cli {

namespace {

// The library's phrase that ends the report of a text that failed.
constexpr uint16_t kPhraseTexteNonApplique = 11158;
// The error icon of a message box.
constexpr uint32_t kIconeErreur = 0x10;

// "incorrect text not applied." as the library words it in the language
// applied, in UTF-8.
std::string texteNonApplique() {
    const uint32_t bloc = TQHandleSurPhraseDeNumero(kPhraseTexteNonApplique);
    const char* c = bloc ? KMContenuBloc(bloc) : nullptr;
    std::string t = c ? c : "";
    if (bloc) KMLibereBloc(bloc);
    return utf8DeWindows1252(t);
}

} // namespace

std::string titreDevantTexte(const std::string& titre) {
    std::size_t fin = titre.size();
    while (fin > 0 && titre[fin - 1] == ' ')
        --fin;
    // An ellipsis stays whole.
    if (fin > 0 && titre[fin - 1] == '.' && (fin < 2 || titre[fin - 2] != '.')) --fin;
    while (fin > 0 && titre[fin - 1] == ' ')
        --fin;
    return fin == 0 ? std::string() : titre.substr(0, fin) + ": ";
}

std::vector<std::string> rapportLigneFautive(const std::string& fichier, int ligne,
                                             const std::vector<MessageBibliotheque>& messages,
                                             const std::string& texteLigne, int langue) {
    char numero[64];
    std::snprintf(numero, sizeof numero, texteCli(TexteCli::Ligne, langue), ligne);
    const std::string prefixe = fichier + ": " + numero + ": ";
    const std::string nonApplique = texteNonApplique();
    std::vector<std::string> rapport;
    for (const MessageBibliotheque& m : messages) {
        // The library's own closing words come once, at the end.
        if (m.texte == nonApplique) continue;
        std::string texte = m.texte;
        for (std::size_t p = texte.find('\r'); p != std::string::npos; p = texte.find('\r', p))
            texte.replace(p, 1, "\n    ");
        rapport.push_back(prefixe + titreDevantTexte(m.titre) + texte);
    }
    if (rapport.empty())
        rapport.push_back(prefixe + texteCli(TexteCli::LigneNonExecutee, langue) + ": " + texteLigne);
    if (!nonApplique.empty()) rapport.push_back(prefixe + nonApplique);
    return rapport;
}

bool montreRapportDansUneBoite(const std::vector<std::string>& rapport, int langue) {
    if (KMDemarreAffichageReel() != 1) return false;
    // The library starts again on the display: the figure's language once more.
    KMappliqueLangue(int16_t(langue));
    std::string texte;
    for (const std::string& ligne : rapport)
        texte += (texte.empty() ? "" : "\n") + ligne;
    // A box breaks its lines at CR.
    for (char& c : texte)
        if (c == '\n') c = '\r';
    KMBoiteMessageHote(windows1252DeUtf8(texte).c_str(), "km32", kIconeErreur);
    return true;
}

} // namespace km32cli
