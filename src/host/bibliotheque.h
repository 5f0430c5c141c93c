#pragma once
// The start and end of the library: what the modules build when a host loads
// it and release when the host unloads it. There is no entry point of a
// loaded library here, so the first exported call starts it (or a host calls
// KMInitialise), and KMTermine ends it.
namespace km32 {

// Runs the load-time steps in the system's order. A second call does nothing.
void initialiseBibliotheque();
// Releases, in reverse order, what initialiseBibliotheque built. Does nothing
// when the library is not started.
void termineBibliotheque();
// True between initialiseBibliotheque and termineBibliotheque.
bool bibliothequeInitialisee();

// For tests: ends the library if started and brings the sibling library back
// to its state at load, so the next call starts from scratch.
void reinitialiseBibliotheque();

} // namespace km32
