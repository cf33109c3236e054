#pragma once
// The library's two image helpers: they show a picture, from a file or from the
// contents of a BLOB, in an image control of a window, fitted and placed
// inside a box.
#include <QByteArray>
#include <QString>

#include "kalrep/kal_types.h"

class QLabel;

namespace bv {

// The picture's size fitted to a box: shrunk by tenths while it is larger,
// grown by tenths while a tenth more still fits; unchanged when fit is 0.
struct ImageBox {
  int x = 0, y = 0, width = 0, height = 0;
};
ImageBox fitImage(int naturalWidth, int naturalHeight, kal::Byte alignment, kal::Byte fit,
                  const ImageBox& box);

// Shows the picture in `control` (an image label), placed by alignment 1 to 9
// (1 top left ... 5 centred ... 9 bottom right) in the box. False when the
// picture cannot be read.
bool KAL_DISPLAYIMAGEF(const QString& FileName, QLabel* Control, kal::Byte Alignment, kal::Byte Fit,
                       kal::Short X, kal::Short Y, kal::Short Width, kal::Short Height);
bool KAL_DISPLAYIMAGEB(const QByteArray& Image, QLabel* Control, kal::Byte Alignment, kal::Byte Fit,
                       kal::Short X, kal::Short Y, kal::Short Width, kal::Short Height);

}  // namespace bv
