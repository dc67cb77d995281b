#pragma once
// Internal to the Qt widgets: the library's values as Qt's and back.
// Colours resolve system colours through the palette (ColorToRGB); pictures
// are copied pixel for pixel (the library's bitmaps have no alpha: an
// image's alpha is dropped); strings are UTF-8 on the library's side.

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>
#include <QStringList>

#include <string>

#include "host/framework/Classes.h"
#include "host/framework/Graphics.h"
#include "host/services/Types.h"

namespace Orvo {

QString ToQString(const std::string& text);
std::string FromQString(const QString& text);

// A colour as the screen shows it now (a system colour resolved).
QColor ToQColor(TColor color);
// An opaque plain colour; an invalid QColor is no colour (false).
bool FromQColor(const QColor& color, TColor& result);

QPixmap ToQPixmap(const TBitmap& bitmap);
// Replaces the picture of `bitmap` (a null pixmap empties it), so that
// whoever watches it (OnChange) hears of one change.
void AssignQPixmap(TBitmap& bitmap, const QPixmap& pixmap);

QStringList ToQStringList(const TStrings& strings);
// Replaces the lines, with one change for whoever watches them.
void AssignQStringList(TStrings& strings, const QStringList& lines);

// The name, size and style of a Qt font on a font of the library (its
// colour is left alone). A font sized in pixels keeps its pixel height.
void AssignQFont(TFont& font, const QFont& qtFont);

}  // namespace Orvo
