// The sibling library's phrases above 10000, in French, English and German.
// Written here in UTF-8 for readability; phrases_tq.cpp converts them to
// Windows-1252 once. "\r" is a line break inside a message; "&" marks the
// access key of a menu caption; "#1" is filled in by the caller.
#include "sibling/phrases_tq_textes.h"

namespace km32 {

namespace {
constexpr TextePhraseTQ kTextes[] = {
    // Editor and text menus
    {11001, "&Fichier", "&File", "&Datei"},
    {11002, "&Sélectionner tout", "Select &all", "&Alles markieren"},
    {11003, "&Refaire", "&Redo", "&Wiederholen"},
    {11004, "&Liste des phrases", "&List of sentences", "&Satzliste"},
    {11006, "Enregistrer &sous...", "Save &as...", "Speichern &unter..."},
    {11007, "&Enregistrer", "&Save", "&Speichern"},
    {11010, "Co&uper", "Cu&t", "&Ausschneiden"},
    {11011, "&Copier", "&Copy", "&Kopieren"},
    {11012, "C&oller", "&Paste", "&Einfügen"},
    {11014, "&Supprimer", "&Delete", "&Löschen"},
    {11015, "&Défaire", "&Undo", "&Rückgängig"},
    {11050, "&Aide", "&Help", "&Hilfe"},
    {11053, "&Imprimer", "&Print", "&Drucken"},
    {11054, "Phrases de création", "Creation sentences", "Konstruktionssätze"},
    {11055, "Autres phrases", "Other sentences", "Weitere Sätze"},
    {11056, "Éléments de phrases", "Sentence elements", "Satzbausteine"},
    {11058, "Phrases de paramétrage", "Setting sentences", "Einstellungssätze"},
    {11061, "&Appliquer", "&Apply", "&Anwenden"},
    {11062, "&Appliquer", "&Apply", "&Anwenden"},
    // Messages and captions
    {11112, "Impossible de charger l'image", "The picture cannot be loaded",
     "Das Bild kann nicht geladen werden"},
    {11114, "Erreur", "Error", "Fehler"},
    {11156, "Edition du texte", "Text editing", "Textbearbeitung"},
    {11157, "Ce texte est exécutable.\rRemplacer la figure actuelle?",
     "This text can be run.\rReplace the current figure?",
     "Dieser Text ist ausführbar.\rDie aktuelle Figur ersetzen?"},
    {11158, "texte incorrect non appliqué.", "incorrect text not applied.",
     "fehlerhafter Text nicht angewandt."},
    {11159, "Le texte contenu dans ce fichier\rest incorrect. Le charger quand même?",
     "The text in this file\ris incorrect. Load it anyway?",
     "Der Text in dieser Datei\rist fehlerhaft. Trotzdem laden?"},
    {11160, "Le texte de l'éditeur est incorrect.\rVoulez-vous enregistrer quand même?",
     "The text of the editor is incorrect.\rDo you want to save it anyway?",
     "Der Text des Editors ist fehlerhaft.\rWollen Sie ihn trotzdem speichern?"},
    {11161, "Le texte de l'éditeur a été modifié.\rVoulez-vous fermer quand même?",
     "The text of the editor has been changed.\rDo you want to close anyway?",
     "Der Text des Editors wurde geändert.\rWollen Sie trotzdem schließen?"},
    // The opening of the RGB colour notation: it must end with "(".
    {11162, "couleur RVB(", "RGB colour(", "RGB-Farbe("},
    {11163, "Objets de la figure", "Objects of the figure", "Objekte der Figur"},
    {11164, "Aucun objet disponible", "No object available", "Kein Objekt verfügbar"},
    {11165, "La couleur de l'objet n'est pas une couleur standard.\rVoulez-vous la remplacer?",
     "The colour of the object is not a standard colour.\rDo you want to replace it?",
     "Die Farbe des Objekts ist keine Standardfarbe.\rWollen Sie sie ersetzen?"},
    // Table of values, function defined by values, allowed commands
    {11166, "Tableau de valeurs", "Table of values", "Wertetabelle"},
    {11167, "&Copier le tableau", "&Copy the table", "Tabelle &kopieren"},
    {11168, "&Options", "&Options", "&Optionen"},
    {11169, "Utiliser la &virgule", "Use the decimal &comma", "Dezimal&komma verwenden"},
    {11170, "Autorisés", "Allowed", "Erlaubt"},
    {11171, "Interdits", "Forbidden", "Verboten"},
    {11172, "Commandes autorisées", "Allowed commands", "Erlaubte Befehle"},
    {11173, "Nom de la fonction", "Name of the function", "Name der Funktion"},
    {11174, "Antécédent, image", "Argument, image", "Argument, Bild"},
    {11175, "&Ajouter", "&Add", "&Hinzufügen"},
    {11176, "   Antécédents", "   Arguments", "   Argumente"},
    {11177, "    Images", "    Images", "    Bilder"},
    {11178, "Avec interpolation", "With interpolation", "Mit Interpolation"},
    // Comment editor
    {11180, "Copier le &dessin", "Copy the &drawing", "&Zeichnung kopieren"},
    {11183, "Expression en ligne", "Expression in one line", "Ausdruck in einer Zeile"},
    {11184, "Expression dessinée", "Drawn expression", "Gezeichneter Ausdruck"},
    {11185, "Ce texte ne peut pas être dessiné.\rLe garder quand même?",
     "This text cannot be drawn.\rKeep it anyway?",
     "Dieser Text kann nicht gezeichnet werden.\rTrotzdem behalten?"},
    {11186, "Commentaire", "Comment", "Kommentar"},
    // Buttons and dialogs
    {11251, "Aide", "Help", "Hilfe"},
    {11252, "Annuler", "Cancel", "Abbrechen"},
    {11265, "Mode trace", "Trace mode", "Spurmodus"},
    {11266, "Aucun objet n'a été choisi\rpour laisser des traces.",
     "No object has been chosen\rto leave traces.", "Es wurde kein Objekt gewählt,\rdas Spuren hinterlässt."},
    {11268, "Il faut d'abord choisir l'objet\rpilotable au clavier.\r(Utiliser le menu Piloter au clavier.)",
     "First choose the object\rdriven with the keyboard.\r(Use the menu Drive with the keyboard.)",
     "Zuerst das Objekt wählen,\rdas mit der Tastatur gesteuert wird.\r(Menü Mit der Tastatur steuern "
     "benutzen.)"},
    {11269, "Modification impossible !", "Change impossible!", "Änderung unmöglich!"},
    {11270, "Impression abandonnée", "Printing cancelled", "Drucken abgebrochen"},
    {11271, "Aucun objet de la figure\r#1 n'est dessiné.", "No object of the figure\r#1 is drawn.",
     "Kein Objekt der Figur\r#1 ist gezeichnet."},
    {11291, "Erreur !", "Error!", "Fehler!"},
    // Style palette
    {11295, "Styles", "Styles", "Stile"},
    {11296, "Fermer", "Close", "Schließen"},
    {11297, "Point", "Point", "Punkt"},
    {11298, "Ligne", "Line", "Linie"},
    {11299, "Repère", "Frame", "Achsen"},
    {11300, "Motif", "Pattern", "Muster"},
    {11301, "Sélection", "Selection", "Auswahl"},
    {11302, "non", "not", "nicht"},
    {11303, "dessiné", "drawn", "gezeichnet"},
    {11306, "Saisie incomplète", "Incomplete entry", "Unvollständige Eingabe"},
    {11307, "Attention !", "Warning!", "Achtung!"},
    // Information box
    {11312, "Accès interdit", "Access forbidden", "Zugriff verboten"},
    {11313, "Objet bloqué", "Blocked object", "Gesperrtes Objekt"},
    {11314, "Objet protégé", "Protected object", "Geschütztes Objekt"},
    {11315, "Objet bloqué et protégé", "Blocked and protected object", "Gesperrtes und geschütztes Objekt"},
    {11316, "Objet protégé, rappel limité", "Protected object, limited recall",
     "Geschütztes Objekt, begrenzte Anzeige"},
    {11317, "Objet protégé sauf redéfinition", "Protected object except for a redefinition",
     "Geschütztes Objekt außer Neudefinition"},
    // Reminder windows
    {11321, "----- OBJETS PRÉDÉFINIS -----", "----- PREDEFINED OBJECTS -----",
     "----- VORDEFINIERTE OBJEKTE -----"},
    {11322, "----- OBJETS CRÉÉS -----", "----- CREATED OBJECTS -----", "----- ERZEUGTE OBJEKTE -----"},
    {11323, "----- AFFICHAGES -----", "----- DISPLAYS -----", "----- ANZEIGEN -----"},
    {11324, "----- COMMANDES -----", "----- COMMANDS -----", "----- BEFEHLE -----"},
    {11325, "Rappels utiles", "Useful reminders", "Nützliche Hinweise"},
    // Editor: loading and the second text
    {11373, "&Charger un texte", "&Load a text", "Text &laden"},
    {11411, "&Fermer l'éditeur", "&Close the editor", "Editor &schließen"},
    {11412, "&Autre texte", "&Other text", "&Anderer Text"},
    {11413, "L'autre texte a été modifié.\rVoulez-vous l'enregistrer?",
     "The other text has been changed.\rDo you want to save it?",
     "Der andere Text wurde geändert.\rWollen Sie ihn speichern?"},
    {11414, "Annuler", "Cancel", "Abbrechen"},
    {11415, "Aide générale", "General help", "Allgemeine Hilfe"},
};
} // namespace

std::span<const TextePhraseTQ> textesPhrasesTQ() {
    return kTextes;
}

} // namespace km32
