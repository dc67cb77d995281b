#pragma once
// Pictures between the framework and Qt: a TBitmap from and to a QImage or
// QPixmap, and pictures of any format Qt's image readers know (PNG, JPEG,
// GIF, BMP...) loaded into a TBitmap.
//
// A TBitmap holds opaque 32-bit pixels ($00BBGGRR, the fourth byte unused);
// where an image has an alpha channel its pixels are laid over a background
// colour first. A picture property stored in a form description stays a BMP
// file: these are for a program's own pictures, not for the stored form.

#include <QImage>
#include <QPixmap>

#include <string>

#include "host/framework/Graphics.h"
#include "host/services/Colors.h"

namespace Orvo {

// A copy of the bitmap's pixels as a QImage::Format_RGB32 image; a null
// image for an empty bitmap.
QImage BitmapToImage(const TBitmap& bitmap);
QPixmap BitmapToPixmap(const TBitmap& bitmap);

// Replaces the bitmap's picture with a copy of the image (a null image
// empties it). Pixels with alpha are laid over `background`. An image
// larger than a bitmap may be raises EInvalidGraphic and leaves the bitmap
// as it was.
void AssignImage(TBitmap& bitmap, const QImage& image, TColor background = clWhite);
void AssignPixmap(TBitmap& bitmap, const QPixmap& pixmap, TColor background = clWhite);

// Loads the picture file at `path` in any format Qt reads. EInvalidGraphic
// ("PATH: what the reader said") for a file that is missing, unreadable or
// not a picture; the bitmap is then left as it was.
void LoadPictureFile(TBitmap& bitmap, const std::string& path, TColor background = clWhite);

}  // namespace Orvo
