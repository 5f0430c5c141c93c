#pragma once
// The whole content of a file, byte for byte, as the tests that check what
// was written read it back; empty when the file cannot be read.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace km32::essais {

inline std::string contenuFichier(const std::filesystem::path& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

} // namespace km32::essais
