#pragma once
// The frame's client area: the child windows of every started procedure, over
// the frame's background picture, with the standard arrangements of the
// "Ventanas" menu.
#include <QMdiArea>
#include <QPixmap>

namespace bv {

class FrameArea : public QMdiArea {
  Q_OBJECT
 public:
  explicit FrameArea(QWidget* parent = nullptr);

  void setBackgroundImage(const QPixmap& image) { background_ = image; viewport()->update(); }

  // Windows one under the other, each the area's full width.
  void tileHorizontally();
  // Windows side by side, each the area's full height.
  void tileVertically();
  // Minimized windows in a row along the bottom of the area.
  void arrangeIcons();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void tile(Qt::Orientation stacking);
  QPixmap background_;
};

}  // namespace bv
