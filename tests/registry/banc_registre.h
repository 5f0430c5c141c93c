#pragma once
// A clean library state for the registry tests: empty table of figures,
// platform and sibling tables as at load, error display on. Every figure a
// test leaves in the table is destroyed at the end.
#include <gtest/gtest.h>

#include "model/expression_erreurs.h"
#include "model/registre_figures.h"
#include "model/table_figures.h"
#include "platform/plateforme.h"
#include "sibling/table_partagee.h"
#include "sibling/textes_tq.h"

namespace km32::essai {

class BancRegistre : public ::testing::Test {
  protected:
    BancRegistre() { remetAZero(); }
    ~BancRegistre() override {
        detruitToutesLesFigures();
        remetAZero();
    }

    static void remetAZero() {
        videTableDesFigures();
        platform::reinitialisePlateforme();
        reinitialiseTableDesVariablesPartagees();
        reinitialiseTextesTQ();
        reinitialiseErreurs();
    }

    // A new figure as the registry makes one, not entered in the table.
    static std::unique_ptr<TfigureKalmetra> figureNeuve() {
        auto f = std::make_unique<TfigureKalmetra>();
        chargeTexteInitialFigure(*f, "");
        return f;
    }
};

} // namespace km32::essai
