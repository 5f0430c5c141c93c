// Pictures read from JPEG and BMP files made here, valid and broken.
#include "platform/image_fichier.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <jpeglib.h>
#include <sys/resource.h>
#include <unistd.h>

namespace km32::platform {
namespace {

constexpr Couleur kRouge = rgb(255, 0, 0);
constexpr Couleur kBleu = rgb(0, 0, 255);

std::filesystem::path fichierTemporaire(const std::string& nom) {
    return std::filesystem::temp_directory_path() / ("km32_image_" + std::to_string(::getpid()) + "_" + nom);
}

void ecrisFichier(const std::filesystem::path& p, const std::vector<uint8_t>& octets) {
    std::ofstream f(p, std::ios::binary);
    f.write(reinterpret_cast<const char*>(octets.data()), std::streamsize(octets.size()));
}

// A 16 x 8 JPEG, left half red and right half blue, from libjpeg's compressor
// (baseline, or progressive: several scans that the decoder gathers in
// buffers for the whole picture).
std::vector<uint8_t> jpegRougeBleu(bool progressif = false) {
    jpeg_compress_struct cinfo;
    jpeg_error_mgr erreur;
    cinfo.err = jpeg_std_error(&erreur);
    jpeg_create_compress(&cinfo);
    unsigned char* memoire = nullptr;
    unsigned long taille = 0;
    jpeg_mem_dest(&cinfo, &memoire, &taille);
    cinfo.image_width = 16;
    cinfo.image_height = 8;
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    for (int i = 0; i < cinfo.num_components; ++i)
        cinfo.comp_info[i].h_samp_factor = cinfo.comp_info[i].v_samp_factor = 1;
    if (progressif) jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    uint8_t ligne[16 * 3];
    for (int x = 0; x < 16; ++x) {
        ligne[3 * x] = x < 8 ? 255 : 0;
        ligne[3 * x + 1] = 0;
        ligne[3 * x + 2] = x < 8 ? 0 : 255;
    }
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW r = ligne;
        jpeg_write_scanlines(&cinfo, &r, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::vector<uint8_t> octets(memoire, memoire + taille);
    jpeg_destroy_compress(&cinfo);
    std::free(memoire);
    return octets;
}

bool proche(Couleur a, Couleur b, int tolerance) {
    return std::abs(rouge(a) - rouge(b)) <= tolerance && std::abs(vert(a) - vert(b)) <= tolerance &&
           std::abs(bleu(a) - bleu(b)) <= tolerance;
}

TEST(DessinImage, JpegDecodedThroughLibjpeg) {
    auto fichier = fichierTemporaire("rb.JPG");
    ecrisFichier(fichier, jpegRougeBleu());
    auto image = chargeImage(fichier.string());
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->largeur, 16);
    EXPECT_EQ(image->hauteur, 8);
    for (int y : {0, 4, 7}) {
        EXPECT_TRUE(proche(*couleurPixel(*image, 2, y), kRouge, 40))
            << std::hex << *couleurPixel(*image, 2, y);
        EXPECT_TRUE(proche(*couleurPixel(*image, 13, y), kBleu, 40))
            << std::hex << *couleurPixel(*image, 13, y);
    }
    std::filesystem::remove(fichier);
}

TEST(DessinImage, BrokenJpegGivesNoPicture) {
    std::vector<uint8_t> bon = jpegRougeBleu();
    std::vector<uint8_t> coupe(bon.begin(), bon.begin() + std::ptrdiff_t(bon.size() / 2));
    std::vector<uint8_t> enTeteSeul(bon.begin(), bon.begin() + 2);
    std::vector<uint8_t> bruit(300, 0x5A);
    std::vector<uint8_t> abime = bon;
    for (std::size_t i = 2; i < abime.size(); i += 7)
        abime[i] = 0xFF; // markers everywhere
    for (const auto* octets : {&coupe, &enTeteSeul, &bruit, &abime})
        EXPECT_FALSE(decodeJpeg(*octets).has_value());
    ASSERT_TRUE(decodeJpeg(bon).has_value());
}

// The picture's sides as its frame header (SOF0 or SOF2) declares them,
// written over: height then width, big-endian, after the length and precision.
std::vector<uint8_t> jpegDeclarant(std::vector<uint8_t> octets, uint16_t largeur, uint16_t hauteur) {
    for (std::size_t i = 2; i + 9 < octets.size(); ++i)
        if (octets[i] == 0xFF && (octets[i + 1] == 0xC0 || octets[i + 1] == 0xC2)) {
            octets[i + 5] = uint8_t(hauteur >> 8);
            octets[i + 6] = uint8_t(hauteur);
            octets[i + 7] = uint8_t(largeur >> 8);
            octets[i + 8] = uint8_t(largeur);
            return octets;
        }
    ADD_FAILURE() << "no frame header";
    return octets;
}

TEST(DessinImage, ProgressiveJpegDecoded) {
    auto image = decodeJpeg(jpegRougeBleu(true));
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->largeur, 16);
    EXPECT_EQ(image->hauteur, 8);
    EXPECT_TRUE(proche(*couleurPixel(*image, 2, 4), kRouge, 40));
    EXPECT_TRUE(proche(*couleurPixel(*image, 13, 4), kBleu, 40));
}

// The most memory the process has held, in kilobytes.
long pointeMemoireKo() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

// Sides past what we take, declared by the header of a picture whose data
// are those of a small one: refused, baseline or progressive, from the
// header alone. The decoder of a progressive picture sets up buffers for the
// whole declared picture: a file of a few hundred bytes made it fill
// hundreds of megabytes before its size was looked at.
TEST(DessinImage, JpegDeclaringTooLargeAPictureIsRefused) {
    struct Cas {
        uint16_t largeur, hauteur;
    };
    const Cas cas[] = {{16385, 8}, {8, 16385}, {16384, 4096}, {65535, 65535}};
    const long avant = pointeMemoireKo();
    for (bool progressif : {false, true}) {
        const std::vector<uint8_t> bon = jpegRougeBleu(progressif);
        ASSERT_TRUE(decodeJpeg(jpegDeclarant(bon, 16, 8)).has_value()) << progressif;
        for (const Cas& c : cas)
            EXPECT_FALSE(decodeJpeg(jpegDeclarant(bon, c.largeur, c.hauteur)).has_value())
                << c.largeur << " x " << c.hauteur << (progressif ? " progressive" : "");
    }
    EXPECT_LT(pointeMemoireKo() - avant, 64 * 1024);
}

// A BMP file: pixels given top row first as colours; 8-bit files get a palette
// of the distinct colours in order of appearance.
std::vector<uint8_t> fichierBmp(int32_t w, int32_t h, uint16_t bits, bool hautEnBas,
                                const std::vector<Couleur>& pixels) {
    std::vector<Couleur> palette;
    if (bits == 8)
        for (Couleur c : pixels)
            if (std::find(palette.begin(), palette.end(), c) == palette.end()) palette.push_back(c);
    uint32_t pas = ((uint32_t(w) * bits + 31) / 32) * 4;
    uint32_t debut = 14 + 40 + 4 * uint32_t(palette.size());
    uint32_t total = debut + pas * uint32_t(h);
    std::vector<uint8_t> o(total, 0);
    auto e16 = [&](std::size_t i, uint16_t v) {
        o[i] = uint8_t(v);
        o[i + 1] = uint8_t(v >> 8);
    };
    auto e32 = [&](std::size_t i, uint32_t v) {
        for (int k = 0; k < 4; ++k)
            o[i + k] = uint8_t(v >> (8 * k));
    };
    o[0] = 'B';
    o[1] = 'M';
    e32(2, total);
    e32(10, debut);
    e32(14, 40);
    e32(18, uint32_t(w));
    e32(22, uint32_t(hautEnBas ? -h : h));
    e16(26, 1);
    e16(28, bits);
    e32(34, pas * uint32_t(h));
    e32(46, uint32_t(palette.size()));
    for (std::size_t i = 0; i < palette.size(); ++i) {
        o[54 + 4 * i] = bleu(palette[i]);
        o[54 + 4 * i + 1] = vert(palette[i]);
        o[54 + 4 * i + 2] = rouge(palette[i]);
    }
    for (int32_t y = 0; y < h; ++y) {
        std::size_t ligne = debut + pas * uint32_t(hautEnBas ? y : h - 1 - y);
        for (int32_t x = 0; x < w; ++x) {
            Couleur c = pixels[std::size_t(y * w + x)];
            if (bits == 8) {
                o[ligne + std::size_t(x)] =
                    uint8_t(std::find(palette.begin(), palette.end(), c) - palette.begin());
            } else {
                std::size_t i = ligne + std::size_t(x) * (bits / 8);
                o[i] = bleu(c), o[i + 1] = vert(c), o[i + 2] = rouge(c);
            }
        }
    }
    return o;
}

// 3 x 2: rows of 24-bit pixels need padding (9 bytes to 12).
const std::vector<Couleur> kMotif = {kRouge,          rgb(0, 255, 0), kBleu,
                                     rgb(10, 20, 30), kBlanc,         rgb(200, 100, 50)};

TEST(DessinImage, BmpDepthsAndRowOrders) {
    for (uint16_t bits : {uint16_t(8), uint16_t(24), uint16_t(32)})
        for (bool hautEnBas : {false, true}) {
            SCOPED_TRACE(std::to_string(bits) + (hautEnBas ? " top-down" : " bottom-up"));
            auto image = decodeBmp(fichierBmp(3, 2, bits, hautEnBas, kMotif));
            ASSERT_TRUE(image.has_value());
            ASSERT_EQ(image->largeur, 3);
            ASSERT_EQ(image->hauteur, 2);
            for (int y = 0; y < 2; ++y)
                for (int x = 0; x < 3; ++x)
                    EXPECT_EQ(*couleurPixel(*image, x, y), kMotif[std::size_t(y * 3 + x)]);
            EXPECT_FALSE(couleurPixel(*image, 3, 0).has_value());
        }
}

TEST(DessinImage, BrokenBmpGivesNoPicture) {
    const std::vector<uint8_t> bon = fichierBmp(3, 2, 8, false, kMotif);
    auto change = [&](std::size_t i, uint32_t v, int largeur = 4) {
        std::vector<uint8_t> o = bon;
        for (int k = 0; k < largeur; ++k)
            o[i + std::size_t(k)] = uint8_t(v >> (8 * k));
        return o;
    };
    struct Cas {
        const char* nom;
        std::vector<uint8_t> octets;
    } cas[] = {
        {"not BM", change(0, 'X', 1)},
        {"declared size beyond the file", change(2, uint32_t(bon.size() + 1))},
        {"pixels start past the end", change(10, uint32_t(bon.size()))},
        {"pixels start inside the palette", change(10, 54)},
        {"header size too small", change(14, 12)},
        {"header size beyond the file", change(14, 0x7FFFFFF0)},
        {"zero width", change(18, 0)},
        {"negative width", change(18, uint32_t(-3))},
        {"zero height", change(22, 0)},
        {"huge height", change(22, 0x7FFFFFFF)},
        {"most negative height", change(22, 0x80000000u)},
        {"two planes", change(26, 2, 2)},
        {"16 bits", change(28, 16, 2)},
        {"compressed", change(30, 1)},
        {"image size beyond the file", change(34, 1000)},
        {"palette of 300 colours", change(46, 300)},
        {"palette past the pixels", change(46, 200)},
        {"too short for a header", std::vector<uint8_t>(bon.begin(), bon.begin() + 40)},
    };
    for (const auto& c : cas)
        EXPECT_FALSE(decodeBmp(c.octets).has_value()) << c.nom;
    // Every cut of a good file is refused, none reads past the end.
    for (std::size_t n = 0; n < bon.size(); ++n)
        EXPECT_FALSE(
            decodeBmp(std::vector<uint8_t>(bon.begin(), bon.begin() + std::ptrdiff_t(n))).has_value())
            << n;
    EXPECT_TRUE(decodeBmp(bon).has_value());
    // A pixel whose index lies past the palette shows black.
    auto image = decodeBmp(change(46, 5));
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(*couleurPixel(*image, 2, 1), kNoir); // colour 6 is no longer in the palette
    EXPECT_EQ(*couleurPixel(*image, 0, 0), kRouge);
}

TEST(DessinImage, FilesChosenByExtension) {
    const std::vector<uint8_t> bmp = fichierBmp(3, 2, 24, false, kMotif);
    struct Cas {
        const char* nom;
        std::vector<uint8_t> octets;
        bool image;
    } cas[] = {
        {"a.bmp", bmp, true},
        {"b.BMP", bmp, true},
        {"c.png", bmp, false},
        {"d", bmp, false},
        {"e.jpeg", jpegRougeBleu(), true},
        {"f.jpg", bmp, false}, // a BMP named as a JPEG is not a JPEG
    };
    for (const auto& c : cas) {
        auto fichier = fichierTemporaire(c.nom);
        ecrisFichier(fichier, c.octets);
        EXPECT_EQ(chargeImage(fichier.string()).has_value(), c.image) << c.nom;
        std::filesystem::remove(fichier);
    }
    EXPECT_FALSE(chargeImage(fichierTemporaire("missing.bmp").string()).has_value());
    EXPECT_FALSE(chargeImage("").has_value());
}

} // namespace
} // namespace km32::platform
