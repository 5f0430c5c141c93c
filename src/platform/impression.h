#pragma once
// A printer that keeps what it is given: a print job opens pages, each a
// device context in printer pixels whose origin is the top-left corner of the
// printable area; a finished job becomes a document with the primitives of
// every page and a PDF of the pages at the paper's size. Tests and hosts read
// the printed documents back.
#include "platform/presse_papiers_image.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace km32::platform {

struct ParametresImprimante {
    int32_t largeurPageMm = 210; // A4 upright
    int32_t hauteurPageMm = 297;
    int32_t pointsParPouce = 300;
    int32_t margeMm = 5; // the border the printer cannot reach, on every side
};

// Takes new parameters; a value below 1 keeps the old one (the margin may be 0).
void configureImprimante(const ParametresImprimante& parametres);
ParametresImprimante parametresImprimante();
// Size of the printable area in printer pixels, and in millimetres.
Taille zoneImprimable();
double largeurImprimableMm();
double hauteurImprimableMm();

struct DocumentImprime {
    std::string titre;
    std::vector<std::vector<Primitive>> pages;
    std::string pdf;
};

class TravailImpression {
  public:
    // ok() is false when no printer is available.
    explicit TravailImpression(std::string titre);
    // A job not finished is abandoned: nothing is printed.
    ~TravailImpression();
    TravailImpression(const TravailImpression&) = delete;
    TravailImpression& operator=(const TravailImpression&) = delete;

    bool ok() const { return ok_; }
    // A new page; nullptr when the job is not ok or a page is already open.
    ContexteDessin* commencePage();
    // False when no page is open.
    bool terminePage();
    // Ends the job (an open page ends first) and hands the document to the
    // printer; false when the job is not ok or has no page.
    bool termine();

  private:
    bool ok_ = false;
    bool fini_ = false;
    std::string titre_;
    std::unique_ptr<DessinVectoriel> dessin_;
    std::vector<std::vector<Primitive>> pages_;
    bool pageOuverte_ = false;
};

// The documents printed since the last reset, oldest first.
const std::vector<DocumentImprime>& documentsImprimes();
// Tests: no printer installed.
void fixeImprimanteDisponible(bool disponible);
bool imprimanteDisponible();
// The default printer, available, with nothing printed.
void reinitialiseImpression();

} // namespace km32::platform
