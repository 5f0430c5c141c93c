#pragma once
// A generator of random figures and edit sequences drawn from the phrase
// tables themselves (data/phrases/{fr,en,de}.tsv): every creation pattern,
// the setting and list lines the writer writes, renames of built-in and user
// objects, key commands and start lines, prototype blocks and their use, text
// displays, and the edit lines of the line executor. Each pattern's wording
// comes from the table of the language the edit is written in; what the
// generator adds is what fills each placeholder (an operand of a kind, a
// number, a new name), in the table `signatures()`.
//
// The generator keeps a model of the figure (the names it made, by kind) and
// proposes one edit at a time; the caller runs it and tells whether the figure
// took it (`accepte`), so that only objects that exist are named later.
#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace km32::generateur {

// The three phrase tables, read from the source tree's tsv files, in
// Windows-1252 (the library's encoding of figure texts). Index 1 French,
// 2 English, 3 German.
class TablesPhrases {
  public:
    explicit TablesPhrases(const std::string& dossier);
    // The phrase in that language, empty when the table has none.
    const std::string& phrase(int langue, int numero) const;
    // Every number a table holds between a and b included.
    std::vector<int> numeros(int langue, int a, int b) const;

  private:
    std::map<int, std::string> tables_[4];
};

// UTF-8 as the figure texts' Windows-1252 (characters outside it become '?').
std::string versCp1252(const std::string& utf8);

// What fills each placeholder of a pattern: one token per "#k", in order;
// "-" for a number the pattern skips. Tokens are listed in generateur.cpp.
struct Signature {
    int phrase;
    const char* jetons;
};
// Creation patterns (a new object, or an unnamed one as "Segment [AB]").
const std::vector<Signature>& signaturesCreation();
// Setting, list and edit lines (no new object).
const std::vector<Signature>& signaturesReglages();
// The phrase numbers the generator leaves out on purpose, each with why.
struct Omission {
    int phrase;
    const char* raison;
};
const std::vector<Omission>& phrasesOmises();

// How an edit reaches the figure.
enum class Route {
    Ligne, // KMExecuteLigneFig, after the undo snapshot a host command takes
    Texte, // KMExecuterTexte: the figure's text with the edit added
};

// One edit, in the language it is written in.
struct Edition {
    Route route = Route::Ligne;
    int langue = 1;
    int phrase = 0;    // pattern drawn (0 for a prototype block)
    std::string ligne; // the line (Windows-1252); for Route::Texte the lines added
    bool renommeIntegre = false;
    bool redefinition = false;
    bool prototype = false;             // a line through a prototype of the figure
    bool libreTenu = false;             // redefines a free object that a key command holds
    std::vector<std::string> arguments; // what fills #1, #2... (creations and settings)
    // Model changes when the figure takes the edit.
    std::vector<std::pair<std::string, char>> nouveaux; // name, kind
    std::string ancienNom, nouveauNom;                  // a rename
    std::string prototypeAjoute;                        // the title of a prototype added
};

// A construct that fails today for a reason that other work mends: the
// generator does not draw it while it is listed (see generateur.cpp,
// `constructionsEnAttente`).
struct ConstructionEnAttente {
    const char* cle;
    const char* faute;
    bool (*concerne)(const Edition&);
};
const std::vector<ConstructionEnAttente>& constructionsEnAttente();
// The faults the generator found that are not mended yet: not drawn either.
const std::vector<ConstructionEnAttente>& fautesOuvertes();

class Generateur {
  public:
    Generateur(const TablesPhrases& tables, uint32_t graine);

    // A fresh figure: the model forgets every object.
    void nouvelleFigure();
    // The next edit, written in language `langue`. `texteFigure` is the
    // figure's text in that language (for a prototype block added to it).
    Edition edition(int langue, const std::string& texteFigure);
    // The figure took the edit.
    void accepte(const Edition& e);

    int entier(int a, int b) { return std::uniform_int_distribution<int>(a, b)(hasard_); }
    // How many edits matched an entry of the pending list and were drawn
    // again, by key.
    const std::map<std::string, int>& evitees() const { return evitees_; }

  private:
    struct Objet {
        std::string nom;
        char genre;          // see generateur.cpp
        int parametres = -1; // free objects: their parameter count
        char touche = 0;     // key commands
        bool vue = false;    // a memorised view (its values line)
        bool tenu = false;   // a free object held by a memorised-position or random-assignment command
    };
    Edition tente(int langue, const std::string& texteFigure);
    bool remplit(const Signature& s, int langue, Edition& e, const std::string& nomRedefini);
    std::string jeton(const std::string& j, int langue, Edition& e, std::vector<std::string>& nouveaux);
    std::string nomNeuf(char genre);
    const Objet* auHasard(const std::string& genres);
    const Objet* libreAuHasard(int parametres);
    std::string point();
    std::string points(int n, const std::string& sep);
    std::string nombre();
    std::string liste(const std::string& genres, int max);
    Edition renommage(int langue);
    Edition blocPrototype(int langue, const std::string& texteFigure);
    Edition usagePrototype(int langue);
    std::string remplace(const std::string& modele, const std::vector<std::string>& args) const;

    const TablesPhrases& tables_;
    std::mt19937 hasard_;
    std::vector<Objet> objets_;
    std::map<std::string, std::string> integres_; // built-in name -> its name now
    struct Prototype {
        std::string titre, description; // description: "#3 milieu de #1 et #2" style, in words of its own
        int donnees;
    };
    std::vector<Prototype> prototypes_;
    int compteur_ = 0;
    std::map<std::string, int> evitees_;
};

} // namespace km32::generateur
