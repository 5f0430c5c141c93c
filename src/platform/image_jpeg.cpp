// JPEG pictures through libjpeg. libjpeg reports fatal errors by calling a
// function that must not return: ours jumps back to the decoder, which then
// gives no picture. A file that ends too early counts as broken too.
#include "platform/image_fichier.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>
#include <jerror.h>

namespace km32::platform {

namespace {

struct GestionnaireErreur {
    jpeg_error_mgr base;
    std::jmp_buf saut;
};

void sortieSurErreur(j_common_ptr cinfo) {
    auto* g = reinterpret_cast<GestionnaireErreur*>(cinfo->err);
    std::longjmp(g->saut, 1);
}

void messageJpeg(j_common_ptr cinfo, int niveau) {
    if (niveau == -1 && cinfo->err->msg_code == JWRN_JPEG_EOF) sortieSurErreur(cinfo);
}

void sansMessage(j_common_ptr) {}

bool tailleAcceptee(JDIMENSION largeur, JDIMENSION hauteur) {
    return largeur >= 1 && hauteur >= 1 && largeur <= unsigned(kCoteMaximalImage) &&
           hauteur <= unsigned(kCoteMaximalImage) && int64_t(largeur) * hauteur <= kPixelsMaximalImage;
}

// What the decoder may hold at once. The largest picture we take, decoded as
// a progressive one with three full-resolution components, needs its
// coefficients (2 bytes each) for every pixel: 192 MiB; past this bound the
// decoder fails instead of asking for more.
constexpr long kMemoireMaximaleDecodeur = 512L * 1024 * 1024;

// Only trivially destructible locals here: a jump back skips no destructor.
// ligne must hold 3 * kCoteMaximalImage bytes.
bool decodeJpegBrut(const uint8_t* donnees, unsigned long taille, Image* sortie, uint8_t* ligne) {
    jpeg_decompress_struct cinfo;
    GestionnaireErreur erreur;
    cinfo.err = jpeg_std_error(&erreur.base);
    erreur.base.error_exit = sortieSurErreur;
    erreur.base.emit_message = messageJpeg;
    erreur.base.output_message = sansMessage;
    if (setjmp(erreur.saut)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, donnees, taille);
    if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    // A picture larger than we take is refused from its header, before the
    // decoder sets up its buffers: a progressive picture has them for the
    // whole image, gigabytes for the sides a header may declare.
    if (!tailleAcceptee(cinfo.image_width, cinfo.image_height)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    cinfo.mem->max_memory_to_use = kMemoireMaximaleDecodeur;
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    if (cinfo.output_components != 3 || !tailleAcceptee(cinfo.output_width, cinfo.output_height)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    sortie->largeur = int32_t(cinfo.output_width);
    sortie->hauteur = int32_t(cinfo.output_height);
    sortie->pixels.assign(std::size_t(sortie->largeur) * std::size_t(sortie->hauteur), 0xFF000000u);
    while (cinfo.output_scanline < cinfo.output_height) {
        std::size_t y = cinfo.output_scanline;
        JSAMPROW rangee = ligne;
        if (jpeg_read_scanlines(&cinfo, &rangee, 1) != 1) break;
        uint32_t* p = sortie->pixels.data() + y * std::size_t(sortie->largeur);
        for (int32_t x = 0; x < sortie->largeur; ++x)
            p[x] = 0xFF000000u | (uint32_t(ligne[3 * x]) << 16) | (uint32_t(ligne[3 * x + 1]) << 8) |
                   ligne[3 * x + 2];
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

} // namespace

std::optional<Image> decodeJpeg(const std::vector<uint8_t>& octets) {
    if (octets.size() < 4) return std::nullopt;
    Image image;
    std::vector<uint8_t> ligne(3 * std::size_t(kCoteMaximalImage));
    if (!decodeJpegBrut(octets.data(), (unsigned long)octets.size(), &image, ligne.data()))
        return std::nullopt;
    return image;
}

} // namespace km32::platform
