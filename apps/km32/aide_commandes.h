#pragma once
// The help of each command of km32, printed by `km32 help COMMAND` and by
// `km32 COMMAND --help` (or -h): its usage, what it does and each option.
// In English, as the usage: it comes before any figure is read.
#include <string>
#include <string_view>

namespace km32cli {

// The help of the command (render, values, text, test, show, help), a text
// of whole lines; empty for another name.
std::string aideCommande(std::string_view commande);

} // namespace km32cli
