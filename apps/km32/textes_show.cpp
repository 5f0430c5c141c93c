#include "textes_show.h"

#include <cerrno>
#include <cstring>

#include "textes_cli.h"

namespace km32cli {

namespace {

// In the order of TexteShow.
constexpr Traductions kTextes[] = {
    {"Enregistrer la figure sous", "Save the figure as", "Figur speichern unter"},
    {"Figures (*.k3v)|*.k3v|Tous les fichiers|*.*|", "Figures (*.k3v)|*.k3v|All files|*.*|",
     "Figuren (*.k3v)|*.k3v|Alle Dateien|*.*|"},
    {"Enregistrer les modifications de %s avant de fermer ?", "Save the changes to %s before closing?",
     "Änderungen an %s vor dem Schließen speichern?"},
    {"L'éditeur du texte de la figure contient un texte qui n'est pas appliqué.\n"
     "En fermant, ce texte est perdu. Fermer quand même ?",
     "The figure text editor holds text that is not applied.\n"
     "Closing loses that text. Close anyway?",
     "Der Editor des Figurentextes enthält einen Text, der nicht angewendet ist.\n"
     "Beim Schließen geht dieser Text verloren. Trotzdem schließen?"},
    {"L'éditeur de commentaire contient un commentaire qui n'est pas appliqué.\n"
     "En fermant, ce commentaire est perdu. Fermer quand même ?",
     "The comment editor holds a comment that is not applied.\n"
     "Closing loses that comment. Close anyway?",
     "Der Kommentar-Editor enthält einen Kommentar, der nicht angewendet ist.\n"
     "Beim Schließen geht dieser Kommentar verloren. Trotzdem schließen?"},
    {"&Oui", "&Yes", "&Ja"},
    {"&Non", "&No", "&Nein"},
    {"&Annuler", "&Cancel", "&Abbrechen"},
    {"&Enregistrer quand même", "&Save anyway", "Trotzdem &speichern"},
    {"Le fichier %s a été modifié par un autre programme depuis qu'il a été ouvert ou enregistré.\n"
     "En enregistrant, ces modifications sont perdues. Enregistrer quand même ?",
     "The file %s was changed by another program since it was opened or saved.\n"
     "Saving loses those changes. Save anyway?",
     "Die Datei %s wurde seit dem Öffnen oder Speichern von einem anderen Programm geändert.\n"
     "Beim Speichern gehen diese Änderungen verloren. Trotzdem speichern?"},
    {"La figure n'a pas pu être enregistrée dans %s :\n", "The figure could not be saved into %s:\n",
     "Die Figur konnte nicht in %s gespeichert werden:\n"},
    {"%s : les modifications n'ont pas été enregistrées", "%s: the changes were not saved",
     "%s: die Änderungen wurden nicht gespeichert"},
    {"Aide de km32", "km32 help", "km32-Hilfe"},
    {"Il n'y a pas d'aide sur ce sujet (%s).", "There is no help on this topic (%s).",
     "Zu diesem Thema gibt es keine Hilfe (%s)."},
    {"Le fichier d'aide %s est introuvable.", "The help file %s cannot be found.",
     "Die Hilfedatei %s ist nicht zu finden."},
};

static_assert(sizeof kTextes / sizeof kTextes[0] == int(TexteShow::AideIntrouvable) + 1,
              "one translation per text");

struct Raison {
    int erreur;
    Traductions texte;
};

// The reasons a save meets most.
const Raison kRaisons[] = {
    {0, {"la raison n'est pas connue", "the reason is not known", "der Grund ist nicht bekannt"}},
    {EACCES, {"permission refusée", "permission denied", "Zugriff verweigert"}},
    {EPERM, {"opération non permise", "operation not permitted", "Vorgang nicht erlaubt"}},
    {EROFS,
     {"le système de fichiers est en lecture seule", "the file system is read-only",
      "das Dateisystem ist schreibgeschützt"}},
    {ENOSPC,
     {"il n'y a plus de place sur le disque", "no space left on the disk",
      "auf dem Datenträger ist kein Platz mehr"}},
    {EDQUOT,
     {"le quota de disque est dépassé", "the disk quota is exceeded",
      "das Speicherkontingent ist überschritten"}},
    {ENOENT, {"le dossier n'existe pas", "the folder does not exist", "der Ordner existiert nicht"}},
    {ENOTDIR,
     {"un élément du chemin n'est pas un dossier", "a part of the path is not a folder",
      "ein Teil des Pfades ist kein Ordner"}},
    {EISDIR, {"c'est un dossier", "it is a folder", "es ist ein Ordner"}},
    {ENAMETOOLONG, {"le nom est trop long", "the name is too long", "der Name ist zu lang"}},
    {EIO, {"erreur d'entrée-sortie", "input/output error", "Ein-/Ausgabefehler"}},
    {EFBIG,
     {"la figure est trop longue pour un fichier", "the figure is too long for a file",
      "die Figur ist zu lang für eine Datei"}},
};

} // namespace

const char* texteShow(TexteShow texte, int langue) {
    return dansLangue(kTextes[int(texte)], langue);
}

std::string texteShowAvec(TexteShow texte, int langue, const std::string& valeur) {
    std::string t = texteShow(texte, langue);
    const std::size_t p = t.find("%s");
    if (p != std::string::npos) t.replace(p, 2, valeur);
    return t;
}

std::string raisonErreurSysteme(int erreur, int langue) {
    for (const Raison& r : kRaisons)
        if (r.erreur == erreur) return dansLangue(r.texte, langue);
    return std::strerror(erreur);
}

} // namespace km32cli
