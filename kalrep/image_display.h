#pragma once
// The library's two image helpers: they show a picture, from a file (the F
// form) or from the contents of a BLOB (the B form), in an image control of a
// window or of a report, fitted and placed inside a box given in the units of
// the window (pixels, relative to the control's parent) or of the report
// (thousandths of an inch, relative to the band).
//
// A window's controls are reached by their names: Control names the image
// label, Parent the widget that holds it (empty: the window itself). A
// report's controls by their numbers: Control the image control, Parent its
// band. With Recreate set the control is destroyed and made again as an image
// control inside Parent; without it the control must exist and be an image.
#include <QByteArray>
#include <QString>

#include "kalrep/kal_types.h"

class QLabel;
class QWidget;

namespace bv {

class Report;

// The picture's size fitted to a box and its place in it. With fit set, a
// picture larger than the box shrinks by tenths until it fits and a smaller one
// grows by tenths while a tenth more still fits; with fit 0 it keeps its size.
// Alignment 1 to 9 (any other counts as 1) places it like the keys of a phone
// pad: 1 top left, 2 top centre, 3 top right ... 5 centred ... 9 bottom right.
struct ImageBox {
  int x = 0, y = 0, width = 0, height = 0;
  friend bool operator==(const ImageBox&, const ImageBox&) = default;
};
ImageBox fitImage(int naturalWidth, int naturalHeight, kal::Byte alignment, kal::Byte fit,
                  const ImageBox& box);

// False when the picture cannot be read or the control is not there.
bool KAL_DISPLAYIMAGEF(const QString& FileName, QWidget* Window, const QString& Control,
                       const QString& Parent, kal::Byte Alignment, kal::Byte Fit, kal::Short X,
                       kal::Short Y, kal::Short Width, kal::Short Height, kal::Byte Recreate = 0);
bool KAL_DISPLAYIMAGEB(const QByteArray& Image, QWidget* Window, const QString& Control,
                       const QString& Parent, kal::Byte Alignment, kal::Byte Fit, kal::Short X,
                       kal::Short Y, kal::Short Width, kal::Short Height, kal::Byte Recreate = 0);
bool KAL_DISPLAYIMAGEF(const QString& FileName, Report& Report, kal::Short Control,
                       kal::Short Parent, kal::Byte Alignment, kal::Byte Fit, kal::Short X,
                       kal::Short Y, kal::Short Width, kal::Short Height, kal::Byte Recreate = 0);
bool KAL_DISPLAYIMAGEB(const QByteArray& Image, Report& Report, kal::Short Control,
                       kal::Short Parent, kal::Byte Alignment, kal::Byte Fit, kal::Short X,
                       kal::Short Y, kal::Short Width, kal::Short Height, kal::Byte Recreate = 0);

// The same on an image label the caller holds.
bool KAL_DISPLAYIMAGEF(const QString& FileName, QLabel* Control, kal::Byte Alignment, kal::Byte Fit,
                       kal::Short X, kal::Short Y, kal::Short Width, kal::Short Height);
bool KAL_DISPLAYIMAGEB(const QByteArray& Image, QLabel* Control, kal::Byte Alignment, kal::Byte Fit,
                       kal::Short X, kal::Short Y, kal::Short Width, kal::Short Height);

}  // namespace bv
