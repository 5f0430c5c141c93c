#include "model/figure.h"
