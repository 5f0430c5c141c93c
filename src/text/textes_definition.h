#pragma once
// The small texts that object descriptions are assembled from: the name of
// an object or of a parent, a line, half-line or segment given by two
// points, a plane given by three points, the text of a parameter
// expression, an interval, a key, and the formulas of functions, sequences
// and plane equations.
//
// Each fragment has three forms: plain (the sentence lines of a figure
// text), mathematical text (the items the sibling library formats: "\"
// text [mark "s:" scalars] [mark "f:" functions] "\", the mark written as
// byte 255 inside a ";"-separated parameter list) and dialog form (the
// fields a construction dialog is filled with). A trailing ";" belongs to
// the fragments that end a field.
#include <string>

#include "model/figure.h"

namespace km32 {

// The object being described and the forms asked for.
struct ContexteDefinition {
    const TfigureKalmetra& f;
    int i = 0;
    bool math = false;
    bool dialogue = false;
};

// Byte that stands for ';' inside a field of a parameter list.
constexpr char kMarqueAttribut = char(255);

// Name text of an object: nomObjetOuVecteur cut to 10; in math form an item
// with its own name as scalar list, except vectors and objects 8 to 13.
std::string texteNomObjet(const TfigureKalmetra& f, int objet, bool math);

// Parent k of the object (0 when it has fewer parents or the entry is 0).
int parentDeRang(const ContexteDefinition& c, int k);

std::string texteParent(const ContexteDefinition& c, int k); // no ";"
std::string texteUnite(const ContexteDefinition& c);
std::string texteParentsColles(const ContexteDefinition& c, int k1, int k2);
std::string texteSegmentParent(const ContexteDefinition& c, int k1, int k2);
std::string texteDroiteParent(const ContexteDefinition& c, int k1, int k2);
std::string texteDemiDroiteParent(const ContexteDefinition& c, int k1, int k2);
std::string textePlanParent(const ContexteDefinition& c, int k);
std::string texteCaractereExpression(const ContexteDefinition& c, int n, int k);
std::string texteUniteAngle(const ContexteDefinition& c);
std::string texteNumeroSolution(const ContexteDefinition& c);
std::string texteExpression(const ContexteDefinition& c, int k); // no ";"
std::string texteIntervalle(const ContexteDefinition& c, int k);
std::string texteToucheObjet(const ContexteDefinition& c);
// A line-like parent: "(AB)", "[AB)", "[AB]" for lines, half-lines and
// segments through two points, else its name; no ";".
std::string texteLigneParent(const ContexteDefinition& c, int k);
std::string texteListeLignes(const ContexteDefinition& c, int k1, int k2);
std::string textePointsParents(const ContexteDefinition& c, int k1, int k2); // no ";"
std::string texteListeParents(const ContexteDefinition& c);

// Formula of a function of n variables (1 to 3) kept in the parameter
// expression record: "x^2+a;" or, in math form, an item with its lists.
std::string formuleDeFonctionEnTexte(const TfigureKalmetra& f, int enregistrement, bool math, int n);
// The defining formula of the sequence i: "u(n)=u(n-1)+1;" (no "u(n)=" in
// dialog form).
std::string formuleDeSuiteEnTexte(const TfigureKalmetra& f, int i, bool math, bool dialogue);
// The equation of a plane kept in the record: "X+Y+Z-1;".
std::string equationDePlanEnTexte(const TfigureKalmetra& f, int enregistrement, bool math);

} // namespace km32
