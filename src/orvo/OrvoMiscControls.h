#pragma once
// The miscellaneous controls of the library: the shaped push button and the
// gradient or tiled background.

#include "orvo/OrvoBackground.h"
#include "orvo/OrvoButton.h"
