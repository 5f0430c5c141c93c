#include "model/fenetres_figure.h"

namespace km32 {

bool figureSansHote(const TfigureKalmetra& f) {
    return f.fenetreHote == 0;
}

uint32_t fenetreDeLaFigure(const TfigureKalmetra& f) {
    return figureSansHote(f) ? f.fenetreDessin : f.fenetreForme;
}

} // namespace km32
