#pragma once
// Lines of a figure text that the reader takes back, whatever the language.
// A line is written as the filled phrase of the applied language; when that
// line would pass the reader's 250 characters (a name list, a long
// expression, or simply a language whose words are longer than those of the
// text it was read from), it is written in its coded form instead:
// ";\;" phrase number, then ";\;" and each argument, which every language
// reads into the same arguments and which leaves out every word of the
// phrase. The coded form is also taken when the reader would not find the
// phrase's arguments in the filled line: a pattern that begins with a blank
// ("#1 umbenennen: #2") takes at most 10 characters before its first words,
// 9 before "=". Prototype blocks that must be shorter take, line by line,
// whichever readable form is shorter.
//
// Every judge of a line (the save, the edit guard, the block writer)
// measures the line this module gives, never the phrase in words.
#include <cstdint>
#include <string>
#include <string_view>

namespace km32 {

// How the writer's lines come out.
enum class FormeLignes : uint8_t {
    Relisible, // the filled phrase, coded when the reader would not take it back (the default)
    Courte     // the shorter of the two forms the reader takes (prototype blocks that must be shorter)
};
// The module's form, Relisible from the start; set it through a
// GardeValeur so that an error path puts it back.
FormeLignes& formeLignes();

// The coded form of phrase n filled from the ";"-separated parameters,
// arguments split as the phrase's placeholders take them (the last
// placeholder takes what remains); with its leading CR LF.
std::string ligneCodee(uint16_t phrase, std::string_view parametres);
// The line as the module's form says, with its leading CR LF.
std::string ligneRelisible(uint16_t phrase, std::string_view parametres, uint8_t indentation);
// Whether a line that the writer wrote (with or without its leading CR LF)
// is within the reader's 250 characters: the one measure of every judge.
bool ligneDansLaLimite(std::string_view ligneEcrite);
// Whether a written line is in the coded form.
bool estFormeCodee(std::string_view ligneEcrite);

} // namespace km32
