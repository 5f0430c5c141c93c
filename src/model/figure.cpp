#include "model/figure.h"

#include "base/texte.h"
#include "phrases/phrase.h"

namespace km32 {

TfigureKalmetra::TfigureKalmetra() = default;
TfigureKalmetra::~TfigureKalmetra() = default;

double& valeur(TfigureKalmetra& f, int k) {
    verifieIndice(k, 1, kMaxValeurs, "value");
    return f.valeurs[k];
}
double valeur(const TfigureKalmetra& f, int k) {
    verifieIndice(k, 1, kMaxValeurs, "value");
    return f.valeurs[k];
}
uint8_t& parent(TfigureKalmetra& f, int k) {
    verifieIndice(k, 1, kMaxParents, "parent");
    return f.parents[k];
}
uint8_t parent(const TfigureKalmetra& f, int k) {
    verifieIndice(k, 1, kMaxParents, "parent");
    return f.parents[k];
}
Techantillon& echantillon(TfigureKalmetra& f, int k) {
    verifieIndice(k, 1, kMaxEchantillons, "sample");
    if (!f.echantillons) throw ErreurInterne("sample block missing");
    return (*f.echantillons)[k];
}
TExpressionParametre& expressionParametre(TfigureKalmetra& f, int k) {
    verifieIndice(k, 1, kMaxExpressions, "parameter expression");
    return f.expressions[k];
}
const TExpressionParametre& expressionParametre(const TfigureKalmetra& f, int k) {
    verifieIndice(k, 1, kMaxExpressions, "parameter expression");
    return f.expressions[k];
}
double& constanteExpression(TfigureKalmetra& f, int k) {
    verifieIndice(k, 1, kMaxConstantes, "expression constant");
    return f.constantesExpressions[k];
}
uint8_t& octetOperande(TfigureKalmetra& f, int k) {
    verifieIndice(k, 1, kMaxOctetsOperandes, "operand byte");
    return f.octetsOperandes[k];
}
uint8_t octetOperande(const TfigureKalmetra& f, int k) {
    verifieIndice(k, 1, kMaxOctetsOperandes, "operand byte");
    return f.octetsOperandes[k];
}
TObjetFigure& objet(TfigureKalmetra& f, int i) {
    verifieIndice(i, 0, kMaxObjets, "object");
    return f.objets[i];
}
const TObjetFigure& objet(const TfigureKalmetra& f, int i) {
    verifieIndice(i, 0, kMaxObjets, "object");
    return f.objets[i];
}

bool estObjetLibre(const TObjetFigure& o) {
    if (o.numeroPrototype != 0) return false;
    const uint8_t c = o.codeConstruction;
    return (c >= 1 && c <= 7) || c == 44 || c == 45 || c == 74 || c == 75 || c == 132 || c == 148 ||
           c == 189 || c == 206;
}

bool estObjetLibreBloque(const TObjetFigure& o) {
    return estObjetLibre(o) && estBloque(o);
}

bool estVariableLibre(const TObjetFigure& o) {
    return (o.codeConstruction == 44 || o.codeConstruction == 45) && o.numeroPrototype == 0;
}

namespace {
// Construction codes of drawn objects.
std::bitset<256> codesDessinables() {
    std::bitset<256> s;
    auto plage = [&](int a, int b) {
        for (int c = a; c <= b; ++c)
            s.set(c);
    };
    plage(1, 21);
    plage(23, 37);
    plage(130, 142);
    plage(172, 176);
    plage(209, 213);
    plage(249, 254);
    for (int c : {59,  60,  71,  105, 113, 125, 126, 144, 146, 147, 148, 150, 151, 153, 155, 156, 161,
                  162, 170, 181, 182, 184, 188, 189, 192, 197, 201, 202, 203, 206, 218, 219, 232})
        s.set(c);
    return s;
}
} // namespace

bool estObjetDessinable(const TObjetFigure& o) {
    static const std::bitset<256> dessinables = codesDessinables();
    return dessinables.test(o.codeConstruction);
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
    else if (t >= 0x81 && t <= 0x9A)
        nom = std::string("CTRL-") + char(t - 64);
    else if (t < 255)
        nom = std::string(1, char(t));
    else
        nom = enMajuscules(phraseDeNumero(4417));
    return coupe(nom, 10);
}

} // namespace km32
