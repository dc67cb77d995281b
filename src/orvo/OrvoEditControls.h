#pragma once
// The edit controls of the library: edit, memo, list box and static text.

#include "orvo/OrvoStaticText.h"
