#pragma once
// Device contexts travel as 32-bit handles (in messages, in the figure
// record, from the host): a table maps each handle to its context. The table
// does not own the contexts; a context that goes away takes its handles with it.
#include <cstdint>

namespace km32::platform {

class ContexteDessin;

// Tag in the high byte of every device-context handle, so they never look
// like another kind of handle.
constexpr uint32_t kMarqueHandleContexte = 0xDC000000u;

// A new handle for the context (never 0); the same context may get several.
uint32_t enregistreContexte(ContexteDessin* dc);
// The context of a handle; nullptr for 0 or an unknown handle.
ContexteDessin* contexteDeHandle(uint32_t handle);
// Forgets a handle; false when it was unknown.
bool oublieContexte(uint32_t handle);
// Forgets every handle of a context (called when it is destroyed).
void oublieHandlesDe(const ContexteDessin* dc);
// Forgets every handle (tests, unload).
void reinitialiseTableContextes();

} // namespace km32::platform
