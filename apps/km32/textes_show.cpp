#include "textes_show.h"

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
    {"Le nom du fichier de la figure contient des caractères hors de Windows-1252, que la bibliothèque ne "
     "sait pas "
     "écrire : rien n'a été enregistré.\nEnregistrez la figure sous un autre nom avec Ctrl+Maj+S.",
     "The name of the figure's file holds characters outside Windows-1252, which the library cannot write: "
     "nothing was saved.\nSave the figure under another name with Ctrl+Shift+S.",
     "Der Name der Datei der Figur enthält Zeichen außerhalb von Windows-1252, die die Bibliothek nicht "
     "schreiben "
     "kann: nichts wurde gespeichert.\nSpeichern Sie die Figur mit Strg+Umschalt+S unter einem anderen "
     "Namen."},
};

static_assert(sizeof kTextes / sizeof kTextes[0] == int(TexteShow::NomHorsWindows1252) + 1,
              "one translation per text");

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

} // namespace km32cli
