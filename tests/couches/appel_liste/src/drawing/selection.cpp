#include "drawing/selection.h"
#include "host/fenetre_mere.h"
#include "model/figure.h"
#include "base/texte.h"
