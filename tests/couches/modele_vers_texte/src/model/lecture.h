#pragma once
#include "model/figure.h"
#include "text/ligne_figure.h"
