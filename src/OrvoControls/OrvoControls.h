#pragma once
// OrvoControls in one include: the host framework (components, controls,
// forms, graphics, form descriptions), the stock controls, the library's
// controls, their Qt widgets and the ways into a Qt program. Every name is
// in namespace Orvo.
//
//   #include <OrvoControls/OrvoControls.h>
//
// A program that wants less includes the headers of one area instead
// ("host/framework/Forms.h", "orvo/OrvoCheckControls.h", "widgets/CheckBox.h"
// ...); they are installed beside this one.

// Values, colours, drawing and resources.
#include "host/services/Types.h"
#include "host/services/Colors.h"
#include "host/services/Messages.h"
#include "host/services/DeviceContext.h"
#include "host/services/Gdi.h"
#include "host/services/BmpCodec.h"
#include "host/services/Resources.h"

// Components, reflection, form descriptions, graphics, controls and forms.
#include "host/framework/Value.h"
#include "host/framework/TypeInfo.h"
#include "host/framework/Classes.h"
#include "host/framework/Graphics.h"
#include "host/framework/WindowServices.h"
#include "host/framework/Controls.h"
#include "host/framework/Forms.h"
#include "host/framework/HintWindow.h"
#include "host/framework/FormText.h"
#include "host/framework/Streaming.h"
#include "host/framework/FormLoading.h"

// The stock controls and dialogs.
#include "host/stdctrls/StdCtrls.h"
#include "host/stdctrls/ExtCtrls.h"
#include "host/stdctrls/ComCtrls.h"
#include "host/stdctrls/Dialogs.h"

// The library's controls.
#include "orvo/OrvoCheckControls.h"
#include "orvo/OrvoEditControls.h"
#include "orvo/OrvoMiscControls.h"

// Into and out of a Qt program: forms and controls inside Qt widgets,
// pictures through Qt, driving a form from code, and every control as a
// QWidget with properties and signals.
#include "host/qt/EmbeddedHost.h"
#include "host/qt/QtPictures.h"
#include "host/qt/Automation.h"
#include "widgets/OrvoWidgets.h"
