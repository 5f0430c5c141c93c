#pragma once
// What the figure model needs of the figure text language. The text
// subsystem defines these functions and the records declared incomplete here.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "model/figure.h"

namespace km32 {

struct TLigneFigure;   // one text line being run
struct TModeleLigne;   // a sentence pattern ready for matching
struct TLigneAnalysee; // the operand record of a construction line
struct TAnalyseExpression;

// Runs the lines of a text (mode 1: the default text, 2: a figure file);
// 0 when every line ran, else the 1-based number of the first failing line.
constexpr uint8_t kModeLectureTexte = 1;
constexpr uint8_t kModeLectureFichier = 2;
uint16_t executeTexteDeFigure(TfigureKalmetra& f, const std::string& texte, uint8_t mode);
// 1 while lines are executed for real.
uint8_t& executionReelle();
// Drops every undo snapshot of the figure.
void libereInstantanes(TfigureKalmetra& f);
// Deep copy of a figure (any figure the copy held is freed first).
void copieFigure(const TfigureKalmetra& source, std::unique_ptr<TfigureKalmetra>& copie);
// Puts the objects, tables, view and settings of a copy back into a living
// figure record; what belongs to the live window and session of f (drawing
// data, display list, traces, dialog, shared variables, pictures, the texts
// of the text runner) stays f's own.
void restaureFigure(const TfigureKalmetra& copie, TfigureKalmetra& f);

void analyseModeleLigne(TModeleLigne& modele);
bool apparieModeleLigne(TLigneFigure& ligne, const TModeleLigne& modele);
void assembleArgumentsLigne(TLigneFigure& ligne);

// Texts of one object as the figure-text writer writes them.
std::string ligneDefinitionObjet(const TfigureKalmetra& f, int objet);
std::string definitionObjetEnTexte(const TfigureKalmetra& f, int objet);
std::string ecritLigneObjetLibre(const TfigureKalmetra& f, int objet);
std::string ecritLigneStyleObjet(const TfigureKalmetra& f, int objet);

// Replaces each "val(" item of a label text by the value it computes, the
// text kept to capacite characters; echec tells that some value could not be
// computed.
void remplaceValeursDansTexte(const TfigureKalmetra& f, std::string& texte, std::size_t capacite,
                              bool& echec);

} // namespace km32
