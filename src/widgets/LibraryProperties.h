#pragma once
// Internal to the Qt widgets: a control's published properties read and
// written as Qt values, through the library's own property table (the one
// form descriptions go through), so that a widget's Q_PROPERTY reaches the
// control exactly as a stored form would.
//
//   library kind       Qt value
//   Boolean            bool
//   Integer            int (a character property, PasswordChar: its code)
//   Enum               int: the position of the value among the names
//   Color              QColor (system colours resolved)
//   String             QString
//   Object: TStrings   QStringList
//   Object: TBitmap    QPixmap
//
// Errors (an unknown name, a value the control refuses) raise
// EPropertyError with the library's message.

#include <QVariant>

#include <string_view>

#include "host/framework/Controls.h"

namespace Orvo {

QVariant ReadLibraryProperty(const TControl& control, std::string_view name);
void WriteLibraryProperty(TControl& control, std::string_view name, const QVariant& value);

}  // namespace Orvo
