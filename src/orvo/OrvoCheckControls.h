#pragma once
// The check controls of the library, and the containers that go with them:
// check box, radio button, radio group, group box with check, group box and
// panel.

#include "orvo/OrvoCheckBox.h"
#include "orvo/OrvoGroupBox.h"
#include "orvo/OrvoGroupBoxWithCheck.h"
#include "orvo/OrvoPanel.h"
#include "orvo/OrvoRadioButton.h"
#include "orvo/OrvoRadioGroup.h"
