#pragma once
// cairo's files written through the file layer: the write function cairo's
// stream surfaces and PNG writer call, handing each piece of the picture to a
// FichierImage, which writes it whole once it is complete.
#include <cairo.h>

namespace km32::platform {

// flux: the FichierImage the bytes go to. CAIRO_STATUS_WRITE_ERROR once it
// failed (it keeps the errno).
cairo_status_t ecritureCairo(void* flux, const unsigned char* octets, unsigned int longueur);

} // namespace km32::platform
