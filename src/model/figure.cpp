#include "model/figure.h"

#include "model/catalogue.h"

#include "base/texte.h"
#include "phrases/phrase.h"

namespace km32 {

TfigureKalmetra::TfigureKalmetra() = default;
TfigureKalmetra::~TfigureKalmetra() = default;

double& valeur(TfigureKalmetra& f, int k) {
    return elementVerifie(f.valeurs, k, 1, kMaxValeurs, "value");
}
double valeur(const TfigureKalmetra& f, int k) {
    return elementVerifie(f.valeurs, k, 1, kMaxValeurs, "value");
}
uint8_t& parent(TfigureKalmetra& f, int k) {
    return elementVerifie(f.parents, k, 1, kMaxParents, "parent");
}
uint8_t parent(const TfigureKalmetra& f, int k) {
    return elementVerifie(f.parents, k, 1, kMaxParents, "parent");
}
Techantillon& echantillon(TfigureKalmetra& f, int k) {
    verifieIndice(k, 1, kMaxEchantillons, "sample");
    if (!f.echantillons) f.echantillons = std::make_unique<TblocEchantillons>();
    return (*f.echantillons)[k];
}
TExpressionParametre& expressionParametre(TfigureKalmetra& f, int k) {
    return elementVerifie(f.expressions, k, 1, kMaxExpressions, "parameter expression");
}
const TExpressionParametre& expressionParametre(const TfigureKalmetra& f, int k) {
    return elementVerifie(f.expressions, k, 1, kMaxExpressions, "parameter expression");
}
double& constanteExpression(TfigureKalmetra& f, int k) {
    return elementVerifie(f.constantesExpressions, k, 1, kMaxConstantes, "expression constant");
}
uint8_t& octetOperande(TfigureKalmetra& f, int k) {
    return elementVerifie(f.octetsOperandes, k, 1, kMaxOctetsOperandes, "operand byte");
}
uint8_t octetOperande(const TfigureKalmetra& f, int k) {
    return elementVerifie(f.octetsOperandes, k, 1, kMaxOctetsOperandes, "operand byte");
}
TObjetFigure& objet(TfigureKalmetra& f, int i) {
    return elementVerifie(f.objets, i, 0, kMaxObjets, "object");
}
const TObjetFigure& objet(const TfigureKalmetra& f, int i) {
    return elementVerifie(f.objets, i, 0, kMaxObjets, "object");
}

bool estObjetLibre(const TObjetFigure& o) {
    return o.numeroPrototype == 0 && estConstructionLibre(o.codeConstruction);
}

bool estObjetLibreBloque(const TObjetFigure& o) {
    return estObjetLibre(o) && estBloque(o);
}

bool estVariableLibre(const TObjetFigure& o) {
    return (o.codeConstruction == 44 || o.codeConstruction == 45) && o.numeroPrototype == 0;
}

bool estObjetDessinable(const TObjetFigure& o) {
    return estConstructionDessinable(o.codeConstruction);
}

void changeDrapeauObjet(TObjetFigure& o, uint16_t masque, bool active) {
    if (active)
        o.drapeaux |= masque;
    else
        o.drapeaux &= uint16_t(~masque);
    if (masque == kDrapeauProtege) o.drapeaux &= uint16_t(~kDrapeauProtegeSaufRedefinition);
}

uint8_t toucheObjet(const TObjetFigure& o) {
    return uint8_t(o.style.drapeaux & 0xFF);
}

void fixeToucheObjet(TObjetFigure& o, uint8_t touche) {
    o.style.drapeaux = uint16_t((o.style.drapeaux & 0xFF00) | touche);
}

std::string nomToucheObjet(const TObjetFigure& o) {
    const uint8_t t = toucheObjet(o);
    std::string nom;
    if (t == 32)
        nom = phraseDeNumero(2443);
    else if (t == kToucheMain)
        nom = phraseDeNumero(2525); // its word: the code is no character of a key
    else if (t >= 0x81 && t <= 0x9A)
        nom = std::string("CTRL-") + char(t - 64);
    else if (t < 255)
        nom = std::string(1, char(t));
    else
        nom = enMajuscules(phraseDeNumero(4417));
    return coupe(nom, 10);
}

} // namespace km32
