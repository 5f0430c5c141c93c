#include "text/relecture_texte.h"

#include <algorithm>
#include <memory>

#include "base/garde.h"
#include "model/expression_erreurs.h"
#include "model/messages.h"
#include "model/registre_figures.h"
#include "model/services_texte.h"
#include "platform/hasard.h"
#include "sibling/table_partagee.h"
#include "text/ecriture_figure.h"
#include "text/execution_texte.h"
#include "text/langue_texte.h"

namespace km32 {

namespace {

// The number (from 1) of the line of a that holds position p.
uint16_t numeroDeLigne(const std::string& a, std::size_t p) {
    return uint16_t(
        std::min<std::size_t>(1 + std::count(a.begin(), a.begin() + std::ptrdiff_t(p), '\n'), 65535));
}

// Puts the random sequence back where it stood.
class GardeHasard {
  public:
    GardeHasard() : etat_(platform::etatHasard()) {}
    ~GardeHasard() { platform::initialiseHasard(etat_); }
    GardeHasard(const GardeHasard&) = delete;
    GardeHasard& operator=(const GardeHasard&) = delete;

  private:
    uint64_t etat_;
};

} // namespace

uint16_t ligneNonRelue(const std::string& texte) {
    GardeValeur<uint8_t> muet(etatMessages().messagesMuets, 1);
    GardeValeur<uint8_t> horsExecution(executionReelle(), 0);
    GardeValeur<std::string> nom(nomErreur1(), nomErreur1());
    GardeHasard hasard;
    const uint16_t langue = TQTableDesVariablesPartagees()->langueAppliquee;
    auto figure = std::make_unique<TfigureKalmetra>();
    figure->numeroFigure = 0;
    initialiseFigureNeuve(*figure);
    uint16_t resultat = executeTexteDeFigure(*figure, texte, kModeLectureFichier);
    // The reader applies the asked-for language at the end of a text: the
    // figure is written again, and the check ends, in the language applied
    // before.
    changeLangue(langue);
    if (resultat == 0) {
        const std::string relu = ecritTexteFigure(*figure);
        if (relu != texte) {
            const auto ecart = std::mismatch(texte.begin(), texte.end(), relu.begin(), relu.end());
            resultat = std::max<uint16_t>(1, numeroDeLigne(texte, std::size_t(ecart.first - texte.begin())));
        }
    }
    libereFigure(figure);
    return resultat;
}

} // namespace km32
