#pragma once
// Memory blocks handed to a host (texts, names, the version): each block is a
// 32-bit id; the host reads it and frees it through the exported functions.
#include <cstdint>
#include <string>
#include <string_view>

namespace km32::platform {

// A new block holding the bytes of texte followed by a NUL; returns its id (never 0).
uint32_t alloueBloc(std::string_view texte);
// A block of at least taille bytes, as hosts that read a block of a known
// size expect: the bytes of texte, its NUL, then zeros up to taille. A longer
// texte is not cut: the block then holds it whole with its NUL.
uint32_t alloueBlocDeTaille(std::string_view texte, std::size_t taille);
// The bytes of a block (with its final NUL), or nullptr for an unknown id.
const std::string* contenuBloc(uint32_t bloc);
// Frees a block; false when the id is unknown (already freed or never given).
bool libereBloc(uint32_t bloc);
// Number of blocks not yet freed (for tests and leak checks).
std::size_t nombreDeBlocs();

} // namespace km32::platform
