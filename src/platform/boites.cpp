#include "platform/boites.h"

namespace km32::platform {

namespace {
struct EtatBoites {
    AfficheurBoite afficheur = nullptr;
    LangueBoites langue = nullptr;
    std::vector<DemandeBoite> demandees;
    std::deque<ReponseSaisie> prevues;
};
EtatBoites& etat() {
    static EtatBoites e;
    return e;
}

int reponseParDefaut(uint32_t style) {
    switch (style & kMasqueBoutons) {
    case kBoutonsOuiNon:
    case kBoutonsOuiNonAnnuler:
        return kReponseOui;
    default:
        return kReponseOk;
    }
}

ReponseSaisie demande(DemandeBoite d) {
    EtatBoites& e = etat();
    if (e.langue) d.langue = e.langue();
    e.demandees.push_back(d);
    if (e.afficheur) return e.afficheur(d);
    if (!e.prevues.empty()) {
        ReponseSaisie r = e.prevues.front();
        e.prevues.pop_front();
        return r;
    }
    if (d.fichier != 0) return {kReponseAnnuler, {}};
    return {reponseParDefaut(d.style), d.valeurInitiale};
}

std::optional<std::string> dialogueFichier(uint8_t genre, const std::string& titre, const std::string& filtre,
                                           const std::string& repertoire, const std::string& nomInitial,
                                           bool utf8 = false) {
    DemandeBoite d;
    d.utf8 = utf8;
    d.titre = titre;
    d.style = kBoutonsOkAnnuler;
    d.valeurInitiale = nomInitial;
    d.fichier = genre;
    d.filtre = filtre;
    d.repertoire = repertoire;
    ReponseSaisie r = demande(d);
    if (r.reponse != kReponseOk || r.texte.empty()) return std::nullopt;
    return r.texte;
}
} // namespace

void installeAfficheurBoite(AfficheurBoite afficheur) {
    etat().afficheur = afficheur;
}

void installeLangueBoites(LangueBoites langue) {
    etat().langue = langue;
}

const LibellesStandard& libellesStandard(uint8_t langue) {
    static const LibellesStandard francais{
        "OK",
        "&Annuler",
        "&Oui",
        "&Non",
        "&Ouvrir",
        "&Enregistrer",
        "Ce nom contient des caract\xE8res hors de Windows-1252, que les noms de fichiers de la "
        "biblioth\xE8que ne peuvent pas contenir : choisissez un autre nom.",
        "Le fichier %s existe d\xE9j\xE0. Voulez-vous le remplacer ?"};
    static const LibellesStandard anglais{
        "OK",
        "&Cancel",
        "&Yes",
        "&No",
        "&Open",
        "&Save",
        "This name holds characters outside Windows-1252, which the library's file names cannot hold: "
        "choose another name.",
        "A file named %s already exists. Do you want to replace it?"};
    static const LibellesStandard allemand{"OK",
                                           "&Abbrechen",
                                           "&Ja",
                                           "&Nein",
                                           "\xD6&ffnen",
                                           "&Speichern",
                                           "Dieser Name enth\xE4lt Zeichen au\xDF"
                                           "erhalb von Windows-1252, die die Dateinamen der Bibliothek "
                                           "nicht enthalten k\xF6nnen: w\xE4hlen Sie einen anderen Namen.",
                                           "Die Datei %s ist schon vorhanden. M\xF6"
                                           "chten Sie sie ersetzen?"};
    return langue == 1 ? francais : langue == 3 ? allemand : anglais;
}

int boiteMessage(const std::string& texte, const std::string& titre, uint32_t style) {
    return demande({texte, titre, style, false, {}, 0, {}, {}, {}}).reponse;
}

int boiteMessage(const std::string& texte, const std::string& titre, uint32_t style,
                 const std::vector<std::string>& libellesBoutons) {
    return demande({texte, titre, style, false, {}, 0, {}, {}, libellesBoutons}).reponse;
}

int boiteMessageUtf8(const std::string& texte, const std::string& titre, uint32_t style,
                     const std::vector<std::string>& libellesBoutons) {
    DemandeBoite d{texte, titre, style, false, {}, 0, {}, {}, libellesBoutons};
    d.utf8 = true;
    return demande(d).reponse;
}

std::optional<std::string> boiteSaisie(const std::string& titre, const std::string& invite,
                                       const std::string& valeurInitiale) {
    ReponseSaisie r = demande({invite, titre, kBoutonsOkAnnuler, true, valeurInitiale, 0, {}, {}, {}});
    if (r.reponse != kReponseOk) return std::nullopt;
    return r.texte;
}

std::optional<std::string> dialogueOuvrirFichier(const std::string& titre, const std::string& filtre,
                                                 const std::string& repertoire) {
    return dialogueFichier(kDialogueOuvrir, titre, filtre, repertoire, {});
}

std::optional<std::string> dialogueEnregistrerFichier(const std::string& titre, const std::string& filtre,
                                                      const std::string& repertoire,
                                                      const std::string& nomInitial) {
    return dialogueFichier(kDialogueEnregistrer, titre, filtre, repertoire, nomInitial);
}

std::optional<std::string> dialogueEnregistrerFichierUtf8(const std::string& titre, const std::string& filtre,
                                                          const std::string& repertoire,
                                                          const std::string& nomInitial) {
    return dialogueFichier(kDialogueEnregistrer, titre, filtre, repertoire, nomInitial, true);
}

std::vector<DemandeBoite>& boitesDemandees() {
    return etat().demandees;
}
std::deque<ReponseSaisie>& reponsesPrevues() {
    return etat().prevues;
}

void reinitialiseBoites() {
    EtatBoites& e = etat();
    e.demandees.clear();
    e.prevues.clear();
    e.afficheur = nullptr;
}

} // namespace km32::platform
