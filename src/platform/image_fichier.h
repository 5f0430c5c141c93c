#pragma once
// Pictures read from files, chosen by the file's extension: ".jpg" and
// ".jpeg" through libjpeg, ".bmp" (uncompressed, 8-bit paletted, 24 or 32
// bits) by our own reader. An unknown extension, a missing file or a broken
// or truncated one gives no picture; nothing stops the program.
#include "platform/contexte_dessin_types.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace km32::platform {

// Largest picture accepted: each side, and the number of pixels.
constexpr int32_t kCoteMaximalImage = 16384;
constexpr int64_t kPixelsMaximalImage = 32LL * 1024 * 1024;
// Largest picture file read.
constexpr std::size_t kTailleMaximaleFichierImage = 256u * 1024 * 1024;

// fichier: the file name as the library holds it (Windows-1252).
std::optional<Image> chargeImage(const std::string& fichier);
std::optional<Image> decodeJpeg(const std::vector<uint8_t>& octets);
std::optional<Image> decodeBmp(const std::vector<uint8_t>& octets);

} // namespace km32::platform
