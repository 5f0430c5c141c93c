#pragma once
// What the fuzz targets that act as a host share: the library started once
// on the virtual clock with its messages silent, a host window, a figure
// created (or created again) in it from a text, and the figure's text read
// back through the exports.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "km32.h"
#include "model/messages.h"
#include "platform/boites.h"
#include "platform/fenetres.h"
#include "platform/hasard.h"
#include "platform/horloge.h"

namespace km32::fuzz {

// The host window, made with the library at the first call.
inline uint32_t fenetreHote() {
    static const uint32_t hote = [] {
        platform::utiliseHorlogeVirtuelle(true);
        platform::imposeGraineHasard(1); // a start of the library seeds from it, not from the clock
        KMInitialise();
        etatMessages().messagesMuets = 1;
        return platform::creeFenetre(0, {100, 100, 700, 550}, {}, true);
    }();
    return hote;
}

// Figure numero made again from texte, the random generator seeded, so that
// each input starts from the same state whatever the inputs before it did.
// The text must run whole.
inline void recreeFigure(int16_t numero, const std::string& texte) {
    platform::initialiseHasard(1);
    if (KMNombreObjets(numero) == 0) {
        const int16_t n = KMCreeFigEtRenvoieNumero(fenetreHote(), nullptr, texte.c_str(), nullptr);
        if (n != numero) {
            std::fprintf(stderr, "figure %d created as number %d\n", numero, n);
            std::abort();
        }
    } else {
        KMCreeFig(numero, nullptr, texte.c_str(), nullptr);
    }
    // A starting figure whose text fails leaves an empty figure, which
    // would quietly take away everything the inputs are meant to reach.
    if (const int32_t ligne = KMLigneEnErreur(numero); ligne != 0) {
        std::fprintf(stderr, "the starting figure fails at line %d\n", int(ligne));
        std::abort();
    }
    platform::boitesDemandees().clear();
}

// The text of a memory block of the library, the block freed.
inline std::string texteDuBloc(uint32_t bloc) {
    if (bloc == 0) return {};
    const char* c = KMContenuBloc(bloc);
    std::string t(c ? c : "", KMTailleBloc(bloc));
    KMLibereBloc(bloc);
    while (!t.empty() && t.back() == '\0')
        t.pop_back();
    return t;
}

// The figure written as text.
inline std::string texteDeFigure(int16_t numero) {
    return texteDuBloc(KMTexteFigure(numero));
}

// A folder of this run for the files the inputs read and write, made once
// and removed at exit, so that no input writes anywhere else.
inline const std::string& repertoirePrive() {
    // The name lives in a plain array: the removal at exit may run after the
    // string below is gone.
    static char modele[] = "/tmp/km32-fuzz-XXXXXX";
    static const std::string rep = [] {
        if (!mkdtemp(modele)) {
            std::perror("mkdtemp");
            std::abort();
        }
        std::atexit([] {
            std::error_code e;
            std::filesystem::remove_all(modele, e);
        });
        return std::string(modele);
    }();
    return rep;
}

// A file name made of an input's bytes, kept inside the private folder: its
// separators and NULs become '_', "." and ".." name nothing.
inline std::string nomDansRepertoirePrive(std::string nom) {
    for (char& c : nom)
        if (c == '/' || c == '\0') c = '_';
    if (nom.empty() || nom == "." || nom == "..") nom = "vide";
    return repertoirePrive() + "/" + nom;
}

// Writes a file of the private folder.
inline void ecritFichierPrive(const std::string& nom, const std::string& contenu) {
    std::ofstream(repertoirePrive() + "/" + nom, std::ios::binary) << contenu;
}

// Stops the run on a broken property, with both texts to compare.
[[noreturn]] inline void echec(const char* quoi, const std::string& premier, const std::string& second) {
    std::fprintf(stderr, "%s\n--- first\n%s\n--- second\n%s\n", quoi, premier.c_str(), second.c_str());
    std::abort();
}

} // namespace km32::fuzz
