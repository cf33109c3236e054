#include "kalrep/image_display.h"

#include <QLabel>
#include <QPixmap>
#include <algorithm>

namespace bv {
namespace {

bool show(const QPixmap& picture, QLabel* control, kal::Byte alignment, kal::Byte fit,
          const ImageBox& box) {
  if (!control || picture.isNull()) return false;
  const ImageBox placed = fitImage(picture.width(), picture.height(), alignment, fit, box);
  control->setScaledContents(true);
  control->setPixmap(picture);
  control->setGeometry(placed.x, placed.y, placed.width, placed.height);
  control->setVisible(true);
  return true;
}

}  // namespace

ImageBox fitImage(int w, int h, kal::Byte alignment, kal::Byte fit, const ImageBox& box) {
  if (fit) {
    if (w > box.width || h > box.height) {
      while ((w > box.width || h > box.height) && (w > 0 || h > 0)) {
        w -= std::max(w / 10, w > 0 ? 1 : 0);
        h -= std::max(h / 10, h > 0 ? 1 : 0);
      }
    } else if (w < box.width || h < box.height) {
      while (w + w / 10 <= box.width && h + h / 10 <= box.height) {
        const int dw = w / 10 <= 1 ? 1 : w / 10;
        const int dh = h / 10 <= 1 ? 1 : h / 10;
        if (w + dw > box.width || h + dh > box.height) break;
        w += dw;
        h += dh;
      }
    }
  }
  const int a = alignment >= 1 && alignment <= 9 ? alignment : 1;
  const int column = (a - 1) % 3, row = (a - 1) / 3;
  ImageBox out;
  out.width = w;
  out.height = h;
  out.x = column == 0 ? box.x : column == 1 ? box.x + (box.width - w) / 2 : box.x + box.width - w;
  out.y = row == 0 ? box.y : row == 1 ? box.y + (box.height - h) / 2 : box.y + box.height - h;
  return out;
}

bool KAL_DISPLAYIMAGEF(const QString& FileName, QLabel* Control, kal::Byte Alignment, kal::Byte Fit,
                       kal::Short X, kal::Short Y, kal::Short Width, kal::Short Height) {
  return show(QPixmap(FileName), Control, Alignment, Fit, {X, Y, Width, Height});
}

bool KAL_DISPLAYIMAGEB(const QByteArray& Image, QLabel* Control, kal::Byte Alignment, kal::Byte Fit,
                       kal::Short X, kal::Short Y, kal::Short Width, kal::Short Height) {
  QPixmap picture;
  picture.loadFromData(Image);
  return show(picture, Control, Alignment, Fit, {X, Y, Width, Height});
}

}  // namespace bv
