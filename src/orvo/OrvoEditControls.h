#pragma once
// The edit controls of the library: edit, memo, list box and static text.

#include "orvo/OrvoEdit.h"
#include "orvo/OrvoListBox.h"
#include "orvo/OrvoMemo.h"
#include "orvo/OrvoStaticText.h"
