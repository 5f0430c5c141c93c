// The help text of each command of km32, one entry of a table per command.
#include "aide_commandes.h"

namespace km32cli {

namespace {

struct AideCommande {
    const char* commande;
    const char* texte;
};

// What every figure command shares, after its own words (show alone does not
// read standard input).
constexpr const char* kEntreeStandard = "\nFIGURE.k3v may be '-': standard input.";
constexpr const char* kCommun = "\n"
                                "FIGURE.k3v is read in Windows-1252 or in UTF-8, in the language its header\n"
                                "line names (French without one); the command speaks the figure's language.\n"
                                "A line of the figure that cannot be run is reported with the file, its\n"
                                "number and the library's words, and the command fails. --seed N (anywhere\n"
                                "on the line) places the free objects the figure creates at random the same\n"
                                "way on every run; --help shows this help; render alone has options of its\n"
                                "own. Exit status: 0 success, 1 the command failed, 2 a wrong command line.";

constexpr AideCommande kAides[] = {
    {"render", "usage: km32 render FIGURE.k3v -o PICTURE [--size WxH] [--page-width MM] [--angles A,B,C]\n"
               "\n"
               "Draws the figure into a picture: a PNG image, or an SVG or PDF page, by the\n"
               "extension of PICTURE (.png, .svg or .pdf, in any case). The options stand\n"
               "before or after the figure. The picture is written whole or not at all: when\n"
               "it cannot be written, a file of that name keeps its bytes.\n"
               "\n"
               "  -o, --output PICTURE  the picture file\n"
               "  --size WxH            the drawing in pixels, 1 to 16384 each (800x600)\n"
               "  --page-width MM       the printed width of an SVG or PDF page in millimetres,\n"
               "                        0.1 to 10000, its height in proportion (one point per\n"
               "                        pixel by default); refused for a PNG image\n"
               "  --angles A,B,C        the view, in degrees, in place of the figure's own:\n"
               "                        A turns the figure about its vertical axis (z),\n"
               "                        B then tilts it about the picture's horizontal axis,\n"
               "                        C then turns the picture in its own plane;\n"
               "                        0,0,0 looks along the x axis, y to the right, z up\n"},
    {"values", "usage: km32 values FIGURE.k3v [NAME...]\n"
               "\n"
               "Prints the value of each number object of the figure (\"a = 2.5\") and each\n"
               "undefined object with the library's reason. With names, only the objects\n"
               "named; a named object that is not a number says so, and a name the figure\n"
               "lacks fails the command.\n"},
    {"text", "usage: km32 text FIGURE.k3v\n"
             "\n"
             "Prints the figure written back as text by the library, in UTF-8. A figure\n"
             "whose text would not read back prints nothing and fails.\n"},
    {"test", "usage: km32 test FIGURE.k3v \"SENTENCE\"\n"
             "\n"
             "Runs a property test on the figure and prints the answer's code and its\n"
             "meaning: 0 true, 52 false, 53 true for the current values only, 54\n"
             "undecidable, 50 not a test sentence (the command fails), 51 an object the\n"
             "figure lacks (the command fails), ... A sentence is one of the library's\n"
             "test patterns with its blanks filled. The patterns that ask (\"Test: point I\n"
             "on (CD)\", \"Teste point I sur (CD)\", \"Test: Punkt I auf (CD)\") are in the\n"
             "figure's language; the shorter ones that state a property (\"Point I sur\n"
             "(CD)\", \"Parall\xC3\xA9lisme des droites (AB) et (CD)\") are in French in every\n"
             "language.\n"},
    {"show", "usage: km32 show FIGURE.k3v\n"
             "\n"
             "Shows the figure in a window (needs a display and a build with GTK 3): drag\n"
             "its free points, turn the view with the right button, double-click for its\n"
             "menu. Ctrl+S saves into FIGURE.k3v, Ctrl+Shift+S into another file, Ctrl+Z\n"
             "undoes, Ctrl+Y or Ctrl+Shift+Z redoes, F1 shows help, Ctrl+Q quits (asking\n"
             "first about changes not saved). FIGURE.k3v is a file, not standard input;\n"
             "a figure with a line that cannot be run opens no window: the report of\n"
             "the line is printed and shown in a box.\n"},
};

// help reads no figure: it has its own words and none of the figure
// commands' shared ones.
constexpr const char* kAideAide =
    "usage: km32 help COMMAND\n"
    "\n"
    "Prints the help of one command on the standard output: its usage, what it\n"
    "does, its options and its exit status. COMMAND is render, values, text,\n"
    "test, show or help; km32 COMMAND --help (or -h) and km32 --help COMMAND\n"
    "print the same. Without COMMAND, km32 help lists the commands, as\n"
    "km32 --help does. Exit status: 0 success, 2 a wrong command line (a name\n"
    "that is no command, more than one).\n";

} // namespace

std::string aideCommande(std::string_view commande) {
    if (commande == "help") return kAideAide;
    for (const AideCommande& a : kAides)
        if (commande == a.commande)
            return std::string(a.texte) + kCommun + (commande == "show" ? "" : kEntreeStandard) + "\n";
    return {};
}

} // namespace km32cli
