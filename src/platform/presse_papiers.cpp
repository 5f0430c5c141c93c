#include "platform/presse_papiers.h"

#include <optional>

namespace km32::platform {

namespace {

struct EtatPressePapiers {
    bool disponible = true;
    bool ouvert = false;
    uint32_t fenetreOuverture = 0;
    uint32_t proprietaire = 0;
    std::optional<std::string> texte;
    std::optional<ImagePressePapiers> image;
    uint32_t sequence = 0;
    uint32_t prochainHandle = 1;
};

EtatPressePapiers& etat() {
    static EtatPressePapiers e;
    return e;
}

} // namespace

ImagePressePapiers imageDeDessin(DessinVectoriel& dessin, const MiseEnPage& page) {
    ImagePressePapiers image;
    image.largeurCentiemesMm = page.largeurCentiemesMm;
    image.hauteurCentiemesMm = page.hauteurCentiemesMm;
    image.origineFenetre = page.origine;
    image.etendueFenetre = page.etendue;
    image.primitives = dessin.primitives();
    dessin.termine();
    image.svg = dessin.svg();
    image.pdf = dessin.pdf();
    image.png = dessin.png();
    return image;
}

bool ouvrePressePapiers(uint32_t fenetre) {
    EtatPressePapiers& e = etat();
    if (!e.disponible) return false;
    if (e.ouvert && e.fenetreOuverture != fenetre) return false;
    e.ouvert = true;
    e.fenetreOuverture = fenetre;
    return true;
}

bool fermePressePapiers() {
    EtatPressePapiers& e = etat();
    if (!e.ouvert) return false;
    e.ouvert = false;
    e.fenetreOuverture = 0;
    return true;
}

bool videPressePapiers() {
    EtatPressePapiers& e = etat();
    if (!e.ouvert) return false;
    e.texte.reset();
    e.image.reset();
    e.proprietaire = e.fenetreOuverture;
    ++e.sequence;
    return true;
}

bool metTexteDansPressePapiers(std::string_view texte) {
    EtatPressePapiers& e = etat();
    if (!e.ouvert) return false;
    e.texte = std::string(texte);
    ++e.sequence;
    return true;
}

uint32_t metImageDansPressePapiers(ImagePressePapiers image) {
    EtatPressePapiers& e = etat();
    if (!e.ouvert) return 0;
    if (e.prochainHandle == 0) e.prochainHandle = 1;
    image.handle = e.prochainHandle++;
    e.image = std::move(image);
    ++e.sequence;
    return e.image->handle;
}

bool copieTexteDansPressePapiers(uint32_t fenetre, std::string_view texte) {
    if (!ouvrePressePapiers(fenetre)) return false;
    videPressePapiers();
    metTexteDansPressePapiers(texte);
    fermePressePapiers();
    return true;
}

const std::string* textePressePapiers() {
    return etat().texte ? &*etat().texte : nullptr;
}

const ImagePressePapiers* imagePressePapiers() {
    return etat().image ? &*etat().image : nullptr;
}

uint32_t proprietairePressePapiers() {
    return etat().proprietaire;
}

bool pressePapiersOuvert() {
    return etat().ouvert;
}

uint32_t numeroSequencePressePapiers() {
    return etat().sequence;
}

void fixePressePapiersDisponible(bool disponible) {
    etat().disponible = disponible;
}

void reinitialisePressePapiers() {
    etat() = EtatPressePapiers{};
}

} // namespace km32::platform
