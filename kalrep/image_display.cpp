#include "kalrep/image_display.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <algorithm>

#include "runtime/report/report.h"

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

// The window's image label, made anew inside its parent when asked.
QLabel* windowControl(QWidget* window, const QString& control, const QString& parent,
                      bool recreate) {
  if (!window) return nullptr;
  QLabel* label = window->findChild<QLabel*>(control);
  if (!recreate) return label;
  QWidget* holder = parent.isEmpty() || parent == window->objectName()
                        ? window
                        : window->findChild<QWidget*>(parent);
  if (!holder) return nullptr;
  delete label;
  label = new QLabel(holder);
  label->setObjectName(control);
  return label;
}

ReportControl* reportControl(Report& report, kal::Short control, kal::Short parent,
                             bool recreate) {
  if (recreate) {
    report.destroy(control);
    return report.create(control, ControlKind::Image, parent);
  }
  ReportControl* c = report.control(control);
  return c && c->kind() == ControlKind::Image ? c : nullptr;
}

bool place(ReportControl* control, kal::Byte alignment, kal::Byte fit, const ImageBox& box) {
  if (!control || control->image().isNull()) return false;
  const QSize natural = control->naturalSize();
  const ImageBox placed = fitImage(natural.width(), natural.height(), alignment, fit, box);
  control->setRect(placed.x, placed.y, placed.width, placed.height).show();
  return true;
}

QPixmap pictureOf(const QByteArray& data) {
  QPixmap picture;
  picture.loadFromData(data);
  return picture;
}

}  // namespace

ImageBox fitImage(int w, int h, kal::Byte alignment, kal::Byte fit, const ImageBox& box) {
  if (fit) {
    if (w > box.width || h > box.height) {
      // A tenth of a small picture is nothing: it shrinks by 1 at least, so the
      // shrinking ends even in a box of a few units.
      while ((w > box.width || h > box.height) && (w > 0 || h > 0)) {
        w -= std::max(w / 10, w > 0 ? 1 : 0);
        h -= std::max(h / 10, h > 0 ? 1 : 0);
      }
    } else if (w < box.width || h < box.height) {
      while (w + w / 10 <= box.width && h + h / 10 <= box.height) {
        const int dw = w / 10 <= 1 ? 1 : w / 10;
        const int dh = h / 10 <= 1 ? 1 : h / 10;
        if (w + dw > box.width || h + dh > box.height) break;  // never past the box
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
  return show(pictureOf(Image), Control, Alignment, Fit, {X, Y, Width, Height});
}

bool KAL_DISPLAYIMAGEF(const QString& FileName, QWidget* Window, const QString& Control,
                       const QString& Parent, kal::Byte Alignment, kal::Byte Fit, kal::Short X,
                       kal::Short Y, kal::Short Width, kal::Short Height, kal::Byte Recreate) {
  return show(QPixmap(FileName), windowControl(Window, Control, Parent, Recreate != 0), Alignment,
              Fit, {X, Y, Width, Height});
}

bool KAL_DISPLAYIMAGEB(const QByteArray& Image, QWidget* Window, const QString& Control,
                       const QString& Parent, kal::Byte Alignment, kal::Byte Fit, kal::Short X,
                       kal::Short Y, kal::Short Width, kal::Short Height, kal::Byte Recreate) {
  return show(pictureOf(Image), windowControl(Window, Control, Parent, Recreate != 0), Alignment,
              Fit, {X, Y, Width, Height});
}

bool KAL_DISPLAYIMAGEF(const QString& FileName, Report& Report, kal::Short Control,
                       kal::Short Parent, kal::Byte Alignment, kal::Byte Fit, kal::Short X,
                       kal::Short Y, kal::Short Width, kal::Short Height, kal::Byte Recreate) {
  ReportControl* c = reportControl(Report, Control, Parent, Recreate != 0);
  if (!c || !c->setImageFile(FileName)) return false;
  return place(c, Alignment, Fit, {X, Y, Width, Height});
}

bool KAL_DISPLAYIMAGEB(const QByteArray& Image, Report& Report, kal::Short Control,
                       kal::Short Parent, kal::Byte Alignment, kal::Byte Fit, kal::Short X,
                       kal::Short Y, kal::Short Width, kal::Short Height, kal::Byte Recreate) {
  ReportControl* c = reportControl(Report, Control, Parent, Recreate != 0);
  const QImage picture = QImage::fromData(Image);
  if (!c || picture.isNull()) return false;
  c->setImage(picture);
  return place(c, Alignment, Fit, {X, Y, Width, Height});
}

}  // namespace bv
