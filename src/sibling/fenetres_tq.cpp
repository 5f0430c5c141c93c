#include "sibling/fenetres_tq.h"

#include <cstring>

#include "base/texte.h"
#include "platform/boites.h"
#include "sibling/phrases_tq.h"
#include "sibling/table_partagee.h"
#include "sibling/textes_tq.h"

namespace km32 {

namespace {
struct EtatFenetres {
    InfoObjetTQ info;
    FenetreTexteTQ expression;
    FenetreTexteTQ editeur;
    std::vector<AlerteTQ> alertes;
};

EtatFenetres& etat() {
    static EtatFenetres e;
    return e;
}

void ouvre(FenetreTexteTQ& f, uint32_t fenetre, std::string_view texte) {
    f.ouverte = true;
    f.fenetre = fenetre;
    f.texte = std::string(texte);
}

void ferme(FenetreTexteTQ& f) {
    f.ouverte = false;
}

constexpr uint16_t kPhraseEnregistrerSous = 11006;
} // namespace

void afficheInfoObj(std::string_view texte, int32_t x, int32_t y) {
    InfoObjetTQ& i = etat().info;
    i.ouverte = true;
    i.texte = std::string(texte);
    i.x = x;
    i.y = y;
    i.encombrement = EncomBrementTexteG(texte, 0);
    ++i.affichages;
}

void fermeInfoObj() {
    etat().info.ouverte = false;
}

const InfoObjetTQ& infoObjetTQ() {
    return etat().info;
}

void montreExpression(uint32_t fenetre, std::string_view texte) {
    ouvre(etat().expression, fenetre, texte);
}

void fermeFenetreExpression() {
    ferme(etat().expression);
}

const FenetreTexteTQ& fenetreExpressionTQ() {
    return etat().expression;
}

void afficheEditeurTexteMathematique(uint32_t fenetre, std::string_view texte) {
    ouvre(etat().editeur, fenetre, texte);
}

void termineEditeurTexteMathematique() {
    ferme(etat().editeur);
}

const FenetreTexteTQ& editeurTexteMathematiqueTQ() {
    return etat().editeur;
}

int16_t TQalerte(std::string_view texte, std::string_view titre, std::string_view bouton1,
                 std::string_view bouton2, std::string_view bouton3) {
    AlerteTQ a;
    a.texte = std::string(texte);
    a.titre = std::string(titre);
    for (std::string_view b : {bouton1, bouton2, bouton3})
        if (!b.empty()) a.boutons.emplace_back(b);
    if (a.boutons.empty()) a.boutons.emplace_back("OK");
    const int16_t n = int16_t(a.boutons.size());
    uint32_t style = n == 1   ? platform::kBoutonOk
                     : n == 2 ? platform::kBoutonsOkAnnuler
                              : platform::kBoutonsOuiNonAnnuler;
    int r = platform::boiteMessage(a.texte, a.titre, style | platform::kModalTache, a.boutons);
    switch (r) {
    case platform::kReponseOk:
    case platform::kReponseOui:
        a.reponse = 1;
        break;
    case platform::kReponseNon:
        a.reponse = n == 3 ? 2 : n;
        break;
    default:
        a.reponse = n; // Cancel, or a closed box: the last button
        break;
    }
    etat().alertes.push_back(a);
    return a.reponse;
}

const std::vector<AlerteTQ>& alertesTQ() {
    return etat().alertes;
}

bool EnregistreTexteSous(const char* texte, const char* ext) {
    std::string extension = ext ? coupe(std::string_view(ext, strnlen(ext, 16)), 16) : std::string();
    if (!texte || strnlen(texte, kTailleMaxTexteTQ + 1) > kTailleMaxTexteTQ) return false;
    TTableDesVariablesPartagees* table = TQTableDesVariablesPartagees();
    std::string repertoire = lisChaineCourte(table->dernierRepertoire);
    std::string initial = repertoire.empty() || repertoire.back() == '/' ? repertoire : repertoire + "/";
    std::optional<std::string> reponse =
        platform::boiteSaisie(TQphraseSansEtCommercial(kPhraseEnregistrerSous), "*." + extension, initial);
    if (!reponse) return false;
    std::string nom = coupe(*reponse, 255);
    while (!nom.empty() && nom.back() == ' ')
        nom.pop_back();
    std::size_t barre = nom.rfind('/');
    std::string_view simple =
        barre == std::string::npos ? std::string_view(nom) : std::string_view(nom).substr(barre + 1);
    if (simple.empty()) return false;
    if (!extension.empty() && simple.find('.') == std::string_view::npos) nom += "." + extension;
    if (!TQEnregistreTexte(texte, nom)) return false;
    std::string dossier = barre == std::string::npos ? "" : barre == 0 ? "/" : nom.substr(0, barre);
    ecrisChaineCourte(table->dernierRepertoire, coupe(dossier, 255));
    return true;
}

void reinitialiseFenetresTQ() {
    etat() = EtatFenetres{};
}

} // namespace km32
