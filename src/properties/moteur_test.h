#pragma once
// The test engine: a test request (figure, test code, tolerance, argument
// text) is read into object numbers and reals and evaluated, either once on
// the current values or over a run of trials in which the free objects take
// new positions (re-drawn by the sampling plan, or moved by the trial moves).
// The figure is put back as it was before the engine returns.
#include <array>
#include <cstdint>
#include <string>

#include "model/calcul/dependants.h"
#include "model/figure.h"
#include "properties/predicats_test.h"

namespace km32 {

struct TRequeteTest {
    TfigureKalmetra* figure = nullptr;
    uint8_t code = 0;      // 1 to 71
    uint8_t tolerance = 0; // 0 none, else 1 to 100
    std::string arguments; // ";"-separated items
};

struct TDescriptionTest {
    std::string nomsAVarier;                // ";"-list of the free objects to move; empty: all
    std::string nomsAGarder;                // free objects left alone when no names to vary are given
    uint8_t garderFigure = 0;               // 1: no snapshot, recomputation with the refresh
    uint8_t genreEssais = 0;                // 0 re-draw by the sampling plan, else trial moves
    std::array<uint8_t, 21> dansLeDessin{}; // per listed object (1 to 20); entry 1 is copied to the others
    std::array<uint8_t, 21> aleatoire{};
    std::array<uint32_t, 21> niveaux{};
    uint8_t nombreEssais = 50;
    uint8_t optionPlan = 0;
    double reelPlan = 0;
    TDescriptionTest() {
        dansLeDessin.fill(1);
        aleatoire.fill(1);
        niveaux.fill(1);
    }
};

struct TResultatTest {
    bool vrai = false;
    bool argumentsLus = true;
    bool indecidable = false;
    bool qualificatifSignale = false;
    uint8_t qualificatif = 0;
    // After a failure, the free objects of the failing configuration (their
    // count and their set) and their free values in it (in object order).
    uint8_t nombreContreExemple = 0;
    TEnsembleObjets ensembleContreExemple;
    TvaleursLibres valeursContreExemple{};
    uint8_t nombreValeursContreExemple = 0;
};

// Reads the argument text of a code into object numbers and reals; false
// when an item cannot be read or there are too many.
bool lisArgumentsDuTest(const TfigureKalmetra& f, uint8_t code, const std::string& texte, TArgumentsTest& a);

// The predicate of a code (pairs of codes share one with the negation for
// the second; 30 is 31 and not 22; 63 is 62 with its operands exchanged).
void evalueTestParCode(const TfigureKalmetra& f, uint8_t code, const TArgumentsTest& a, TReponseTest& r);

// Once on the current values.
void evalueTestValeursActuelles(const TRequeteTest& requete, TResultatTest& resultat);
// The driver: the current values, then the trials.
void evalueTest(const TRequeteTest& requete, TDescriptionTest& description, TResultatTest& resultat);

// Engine entries. Mode 1 asks about the current values, mode 0 about the
// figure in general. Answers: 0 holds, 1 fails; 2 undecidable (point-on and
// relation entries in mode 1); 2, 3, 4 the qualifiers 1, 2, 255 (entries by
// kind and by code).
int testeExistenceObjetDeGenre(TfigureKalmetra& f, const std::string& arguments, uint8_t nature, uint8_t mode,
                               uint8_t tolerance);
int testePointSurObjet(TfigureKalmetra& f, const std::string& arguments, uint8_t natureSupport, uint8_t mode,
                       uint8_t tolerance);
int testeRelation(TfigureKalmetra& f, const std::string& arguments, uint8_t code, uint8_t mode,
                  uint8_t tolerance);
int testeParCode(TfigureKalmetra& f, const std::string& arguments, uint8_t code, uint8_t mode);
// Mode 1: the values of the object change with the free objects; mode 2:
// some antecedent of it is free. 0 yes, 1 no.
int testeObjetVariable(TfigureKalmetra& f, const std::string& nom, uint8_t mode);
bool testeObjetVariableParTirages(TfigureKalmetra& f, const std::string& nom);
bool aDesAntecedentsVariables(const TfigureKalmetra& f, const std::string& nom);

} // namespace km32
