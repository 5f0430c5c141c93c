#include "textes_cli.h"

#include <cerrno>
#include <cstring>

namespace km32cli {

namespace {

// In the order of TexteCli; UTF-8.
constexpr Traductions kTextes[] = {
    {"ligne %d", "line %d", "Zeile %d"},
    {"la biblioth\xC3\xA8que n'a pas pu cr\xC3\xA9"
     "er la figure",
     "the library could not make the figure", "die Bibliothek konnte die Figur nicht erstellen"},
    {"la biblioth\xC3\xA8que n'a \xC3\xA9"
     "crit aucun texte",
     "the library wrote no text", "die Bibliothek hat keinen Text geschrieben"},
    {"la ligne %d du texte \xC3\xA9"
     "crit aurait plus de 250 caract\xC3\xA8res et ne pourrait pas \xC3\xAAtre relue: rien n'est \xC3\xA9"
     "crit",
     "line %d of the text written would have more than 250 characters and could not be read back: "
     "nothing is written",
     "Zeile %d des geschriebenen Textes h\xC3\xA4tte mehr als 250 Zeichen und k\xC3\xB6nnte nicht wieder "
     "gelesen werden: nichts wird geschrieben"},
    {"la ligne %d du texte \xC3\xA9"
     "crit ne serait pas relue telle qu'elle est: rien n'est \xC3\xA9"
     "crit",
     "line %d of the text written would not read back as it is: nothing is written",
     "Zeile %d des geschriebenen Textes w\xC3\xBCrde nicht so wieder gelesen: nichts wird geschrieben"},
    {"aucun objet nomm\xC3\xA9 '%s'", "no object named '%s'", "kein Objekt namens '%s'"},
    {"non d\xC3\xA9"
     "fini",
     "undefined", "nicht definiert"},
    {"d\xC3\xA9"
     "fini, pas un nombre",
     "defined, not a number", "definiert, keine Zahl"},
    {"impossible d'\xC3\xA9"
     "crire l'image '%s'",
     "cannot write the picture '%s'", "das Bild '%s' kann nicht geschrieben werden"},
    {"la biblioth\xC3\xA8que a refus\xC3\xA9 de dessiner la figure (%d)",
     "the library refused to draw the figure (%d)",
     "die Bibliothek hat das Zeichnen der Figur abgelehnt (%d)"},
    {"cette ligne ne peut pas \xC3\xAAtre ex\xC3\xA9"
     "cut\xC3\xA9"
     "e",
     "this line cannot be run", "diese Zeile kann nicht ausgef\xC3\xBChrt werden"},
    {"impossible d'\xC3\xA9"
     "crire sur la sortie standard",
     "cannot write the standard output", "die Standardausgabe kann nicht geschrieben werden"},
    {"aucune fen\xC3\xAAtre ne peut \xC3\xAAtre montr\xC3\xA9"
     "e: il faut un affichage (DISPLAY, par exemple sous xvfb-run) et un km32 construit avec GTK 3",
     "no window can be shown: it needs a display (DISPLAY, for example under xvfb-run) and a km32 built "
     "with GTK 3",
     "kein Fenster kann gezeigt werden: n\xC3\xB6tig sind eine Anzeige (DISPLAY, zum Beispiel unter "
     "xvfb-run) und ein mit GTK 3 gebautes km32"},
    {"vrai", "true", "wahr"},
    {"pas une phrase de test, ou un argument d'une autre nature",
     "not a test sentence, or an argument of the wrong kind",
     "kein Testsatz, oder ein Argument der falschen Art"},
    {"un objet nomm\xC3\xA9 n'existe pas", "a named object does not exist",
     "ein genanntes Objekt existiert nicht"},
    {"faux", "false", "falsch"},
    {"vrai pour les valeurs actuelles seulement, pas en g\xC3\xA9n\xC3\xA9ral",
     "true for the current values only, not in general",
     "nur f\xC3\xBCr die aktuellen Werte wahr, nicht allgemein"},
    {"ind\xC3\xA9"
     "cidable: une valeur n'est pas d\xC3\xA9"
     "finie",
     "undecidable: a value is undefined", "unentscheidbar: ein Wert ist nicht definiert"},
    {"pas un ant\xC3\xA9"
     "c\xC3\xA9"
     "dent direct",
     "not a direct antecedent", "kein direkter Vorg\xC3\xA4nger"},
    {"pas de cette nature ou de cette construction", "not of that kind or construction",
     "nicht von dieser Art oder Konstruktion"},
    {"pas variable", "not variable", "nicht ver\xC3\xA4nderlich"},
    {"le premier objet n'est pas d\xC3\xA9"
     "fini",
     "the first object is undefined", "das erste Objekt ist nicht definiert"},
    {"le second objet n'est pas d\xC3\xA9"
     "fini",
     "the second object is undefined", "das zweite Objekt ist nicht definiert"},
    {"l'intervalle ne peut pas \xC3\xAAtre compar\xC3\xA9", "the interval cannot be compared",
     "das Intervall kann nicht verglichen werden"},
    {"r\xC3\xA9ponse inconnue", "unknown answer", "unbekannte Antwort"},
};

static_assert(sizeof kTextes / sizeof kTextes[0] == int(TexteCli::ReponseInconnue) + 1,
              "one translation per text");

struct Raison {
    int erreur;
    Traductions texte;
};

// The reasons a write meets most; each system error has its own.
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
     {"le fichier dépasserait la taille maximale que le système permet",
      "the file would pass the largest size the system allows",
      "die Datei würde die vom System erlaubte Höchstgröße überschreiten"}},
    // The library's own refusal of a figure text too long for a figure file.
    {EMSGSIZE,
     {"le texte de la figure dépasse 65 535 caractères", "the figure's text passes 65,535 characters",
      "der Text der Figur hat mehr als 65 535 Zeichen"}},
    // Its refusal of a figure with a line or a block its reader would refuse.
    {EBADMSG,
     {"une ligne (250 caractères) ou un bloc de construction (5 000) de la figure dépasserait ce que le "
      "lecteur accepte",
      "a line (250 characters) or a construction block (5,000) of the figure would pass what the reader "
      "takes",
      "eine Zeile (250 Zeichen) oder ein Konstruktionsblock (5 000) der Figur ginge über das hinaus, was der "
      "Leser annimmt"}},
};

} // namespace

const char* dansLangue(const Traductions& t, int langue) {
    return langue == 1 ? t.francais : langue == 3 ? t.allemand : t.anglais;
}

const char* texteCli(TexteCli texte, int langue) {
    return dansLangue(kTextes[int(texte)], langue);
}

const char* sensDuResultat(int resultat, int langue) {
    TexteCli t = TexteCli::ReponseInconnue;
    switch (resultat) {
    case 0:
        t = TexteCli::ReponseVrai;
        break;
    case 50:
        t = TexteCli::ReponseNonTest;
        break;
    case 51:
        t = TexteCli::ReponseObjetAbsent;
        break;
    case 52:
        t = TexteCli::ReponseFaux;
        break;
    case 53:
        t = TexteCli::ReponseVraiValeurs;
        break;
    case 54:
        t = TexteCli::ReponseIndecidable;
        break;
    case 55:
        t = TexteCli::ReponseNonAntecedent;
        break;
    case 56:
        t = TexteCli::ReponseNonNature;
        break;
    case 57:
        t = TexteCli::ReponseNonVariable;
        break;
    case 61:
        t = TexteCli::ReponsePremierNonDefini;
        break;
    case 62:
        t = TexteCli::ReponseSecondNonDefini;
        break;
    case 63:
        t = TexteCli::ReponseIntervalle;
        break;
    default:
        break;
    }
    return texteCli(t, langue);
}

std::string raisonErreurSysteme(int erreur, int langue) {
    for (const Raison& r : kRaisons)
        if (r.erreur == erreur) return dansLangue(r.texte, langue);
    return std::strerror(erreur);
}

} // namespace km32cli
