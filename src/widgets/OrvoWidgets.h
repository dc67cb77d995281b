#pragma once
// Every Qt widget of the library, in namespace Orvo: CheckBox, RadioButton,
// RadioGroup, GroupBox, GroupBoxWithCheck, Panel, Edit, Memo, ListBox,
// StaticText, Button and Background (each also has a header of its own).

#include "widgets/Background.h"
#include "widgets/Button.h"
#include "widgets/CheckBox.h"
#include "widgets/Edit.h"
#include "widgets/GroupBox.h"
#include "widgets/GroupBoxWithCheck.h"
#include "widgets/ListBox.h"
#include "widgets/Memo.h"
#include "widgets/Panel.h"
#include "widgets/RadioButton.h"
#include "widgets/RadioGroup.h"
#include "widgets/StaticText.h"
