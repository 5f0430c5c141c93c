#pragma once
// km32 show: the figure in a real window, on the library's window backend.
#include <string>

namespace km32cli {

// Shows the figure text (the library's characters, in language langue, read
// from the file chemin, which Ctrl+S saves to) until the window closes.
// Returns the exit status: 0, or 1 when no window could be shown or the
// figure could not be made.
int afficheFigure(const std::string& chemin, const std::string& texte, int langue);

} // namespace km32cli
