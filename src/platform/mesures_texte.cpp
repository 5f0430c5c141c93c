#include "platform/mesures_texte.h"

namespace km32::platform {

namespace {

Mesureur& mesureur() {
    static Mesureur m;
    return m;
}

TailleControle mesure(GenreMesure genre, const std::string& texte, int caracteres) {
    const Mesureur& m = mesureur();
    if (!m) return {};
    const TailleControle t = m(genre, texte, caracteres);
    return {std::max(0, t.largeur), std::max(0, t.hauteur)};
}

} // namespace

void installeMesureur(Mesureur m) {
    mesureur() = std::move(m);
}

bool mesuresReelles() {
    return static_cast<bool>(mesureur());
}

TailleControle tailleEtiquette(const std::string& texte) {
    return mesure(GenreMesure::Etiquette, texte, 0);
}

TailleControle tailleBouton(const std::string& libelle) {
    return mesure(GenreMesure::Bouton, libelle, 0);
}

TailleControle tailleCase(const std::string& libelle) {
    return mesure(GenreMesure::Case, libelle, 0);
}

TailleControle tailleChamp(int caracteres) {
    return mesure(GenreMesure::Champ, {}, std::max(1, caracteres));
}

TailleControle tailleCombo(const std::vector<std::string>& elements) {
    std::string texte;
    for (std::size_t k = 0; k < elements.size(); ++k)
        texte += (k ? "\n" : "") + elements[k];
    return mesure(GenreMesure::Combo, texte, 0);
}

TailleControle tailleLigneListe(const std::string& texte) {
    return mesure(GenreMesure::LigneListe, texte, 0);
}

} // namespace km32::platform
