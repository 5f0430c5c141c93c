#pragma once
// Lines of a figure text that the reader takes back, whatever the language.
// A line is written as the filled phrase of the applied language; when that
// line would pass the reader's 250 characters (a name list, a long
// expression, or simply a language whose words are longer than those of the
// text it was read from), it is written in its coded form instead:
// ";\;" phrase number, then ";\;" and each argument, which every language
// reads into the same arguments and which leaves out every word of the
// phrase. The form can be forced while a block is written compactly or
// while a line is measured as the user would see it.
#include <cstdint>
#include <string>
#include <string_view>

namespace km32 {

// How the writer's lines come out.
enum class FormeLignes : uint8_t {
    Relisible, // the filled phrase, coded when the phrase would be too long (the default)
    Phrase,    // always the filled phrase (to measure a line as written in words)
    Codee      // always the coded form (prototype blocks that must be shorter)
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

} // namespace km32
