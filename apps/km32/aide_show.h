#pragma once
// Help in km32 show: the library asks for its help file (in the applied
// language) on a topic given by a context number, or for the contents; the
// help that km32 ships (a text file per language, installed beside the
// program) holds a section for each topic, which a message box shows. A
// topic without a section, or a missing file, is said so in a box: a
// request for help never goes unanswered.
#include <string>
#include <vector>

namespace km32cli {

// A section of a help file: the context numbers it answers (0 the
// contents), its title and its text (UTF-8).
struct SectionAide {
    std::vector<std::pair<unsigned, unsigned>> contextes; // ranges, bounds included
    std::string titre, texte;
};

// The sections of a help file's text. A section starts with a line
// "== 1-76, 89 | Title"; the lines up to the next such line are its text
// (blank lines at its ends dropped). Lines before the first section and
// lines starting with "#" are remarks.
std::vector<SectionAide> litSectionsAide(const std::string& texte);

// The first section that answers the context number; nullptr when none.
const SectionAide* sectionDuContexte(const std::vector<SectionAide>& sections, unsigned contexte);

// Installs km32 show's help function in the library; langue is the
// language of its own words when the library's file name tells none.
void installeAideShow(int langue);

} // namespace km32cli
