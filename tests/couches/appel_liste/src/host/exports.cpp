#include "km32.h"
#include "host/bibliotheque.h"
#include "properties/moteur_test.h"
#include "platform/fenetres.h"
