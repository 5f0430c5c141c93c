/* km32: figures of solid geometry for teaching. The public C interface.
 *
 * Figure numbers are 16-bit integers 0..64; handles (windows, memory blocks)
 * are 32-bit ids; texts are NUL-terminated Windows-1252 strings. Every
 * function catches every error: nothing throws or crashes across this
 * boundary, and a figure number outside 0..64 is refused without touching
 * any table.
 *
 * Start and end: the library starts itself on the first call of any function
 * below. A host may also start it explicitly with KMInitialise (for example
 * right after loading it) and must call KMTermine before unloading it; a call
 * made after KMTermine starts the library again. */
#ifndef KM32_H
#define KM32_H

#include <stdint.h>

#if defined(KM32_BUILDING_LIBRARY)
#define KM32_EXPORT __attribute__((visibility("default")))
#else
#define KM32_EXPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Starts the library (its load-time steps); a second call does nothing. */
KM32_EXPORT void KMInitialise(void);
/* Ends the library: releases what KMInitialise built. */
KM32_EXPORT void KMTermine(void);

/* The version of the library, "1.3.3.0", in a memory block that belongs to
 * the caller (free it with KMLibereBloc). 0 on failure. */
KM32_EXPORT uint32_t KM32NumeroVersion(void);

/* Memory blocks handed to a host: their bytes (a NUL-terminated text; NULL for
 * an unknown block), their size in bytes with the final NUL (0 for an unknown
 * block), and their release (an unknown block is ignored). */
KM32_EXPORT const char* KMContenuBloc(uint32_t bloc);
KM32_EXPORT uint32_t KMTailleBloc(uint32_t bloc);
KM32_EXPORT void KMLibereBloc(uint32_t bloc);

#ifdef __cplusplus
}
#endif

#endif
