#include "drawing/souris.h"
#include "host/fenetres/dialogue/fenetre_dialogue.h"
