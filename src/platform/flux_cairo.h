#pragma once
// cairo's files written through the file layer: the write function cairo's
// stream surfaces and PNG writer call, handing each piece of the file to a
// FluxFichier, so that a failed write ends the file with the system's reason.
#include <cairo.h>

namespace km32::platform {

// flux: the FluxFichier the bytes go to. CAIRO_STATUS_WRITE_ERROR once a
// write failed (the flux keeps its errno).
cairo_status_t ecritureCairo(void* flux, const unsigned char* octets, unsigned int longueur);

} // namespace km32::platform
