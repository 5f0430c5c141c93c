#pragma once
// The shared values of figures: free numbers (construction code 74) of the
// same name in several figures of the process hold one common value, kept
// in the sibling library's shared-variable table. A figure that shares its
// numbers registers a record of them; when one figure moves a value, it
// publishes it to the table, the table hands it to the other registered
// records (marking the changed names and posting them a notice), and each
// receiving figure imports it on that notice.
#include <cstdint>

#include "model/figure.h"
#include "platform/messages.h"

namespace km32 {

// Posted to the window of a record that received values from outside.
constexpr uint32_t kMessageValeursAImporter = platform::WM_USER + 1050;

// Builds and registers the figure's record of its free numbers (at most the
// first 50); a figure without any registers nothing. A record it had is
// unregistered and freed first.
void inscritVariablesPartagees(TfigureKalmetra& f);
// Unregisters and frees the figure's record.
void desinscritVariablesPartagees(TfigureKalmetra& f);
// At least one record is registered.
bool variablesPartageesInscrites();

// Copies the figure's values of the names the table shares into the table
// and, when something changed, hands them to the other records.
void publieVariablesPartagees(TfigureKalmetra& f);
// Hands the table's values to every registered record whose window is not
// `fenetre`: changed entries are copied, their objects join the record's
// change set, and its window is posted kMessageValeursAImporter.
void diffuseVariablesPartagees(uint32_t fenetre);
// The values of every figure (but the one of the client being served) into
// the table, on a request to the mother window.
void fournitValeursPartagees();
// The client whose request is being served (0: none), and whether the last
// supply changed the table.
struct TetatPartage {
    uint32_t clientServi = 0;
    uint8_t tableChangee = 0;
};
TetatPartage& etatPartage();
void reinitialisePartage();

// Takes the values that came from outside into the figure's objects and
// recomputes their dependants; the change set is emptied.
void integreMouvementImporte(TfigureKalmetra& f);
void importeMouvement(TfigureKalmetra& f);

} // namespace km32
