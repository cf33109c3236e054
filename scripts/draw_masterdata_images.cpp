// Draws the images of the master-data windows into shell/resources/: the
// buttons "wizMark.ico" (select a row) and "wizClose.ico" (close the list),
// and the background "Pared.gif" of the general-parameters form. The PNG
// files are kept in the repository; run this only to redraw them:
//
//   g++ -std=c++20 -fPIC scripts/draw_masterdata_images.cpp -o /tmp/draw_masterdata_images \
//       $(pkg-config --cflags --libs Qt6Gui)
//   QT_QPA_PLATFORM=offscreen /tmp/draw_masterdata_images shell/resources
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <functional>

namespace {

QString outDir;
const QColor kInk(40, 52, 72);

void save(const QString& name, QSize size, const std::function<void(QPainter&)>& draw) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  draw(p);
  p.end();
  const QString path = QDir(outDir).filePath(name);
  if (!image.save(path, "PNG")) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

// A row of a list with a check mark on it: this row is chosen.
void markIcon(QPainter& p) {
  p.setPen(QPen(kInk, 1.2));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(3, 6, 26, 20));
  p.setPen(QPen(QColor(150, 165, 190), 1));
  for (int y = 11; y <= 21; y += 5) p.drawLine(QPointF(13, y), QPointF(26, y));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 220, 90));
  p.drawRect(QRectF(4, 14, 24, 5));
  QPainterPath tick;
  tick.moveTo(5, 15);
  tick.lineTo(8.5, 19.5);
  tick.lineTo(14, 10);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(20, 110, 40), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(tick);
}

// An open door with an arrow going out: the window closes.
void closeIcon(QPainter& p) {
  QLinearGradient wood(0, 4, 0, 28);
  wood.setColorAt(0, QColor(170, 110, 60));
  wood.setColorAt(1, QColor(110, 65, 30));
  p.setPen(QPen(kInk, 1.2));
  p.setBrush(QColor(235, 235, 240));
  p.drawRect(QRectF(5, 4, 15, 24));
  p.setBrush(wood);
  QPolygonF door;
  door << QPointF(5, 4) << QPointF(14, 7) << QPointF(14, 30) << QPointF(5, 28);
  p.drawPolygon(door);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(240, 200, 80));
  p.drawEllipse(QPointF(12, 18), 1.2, 1.2);
  p.setPen(QPen(QColor(190, 40, 30), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawLine(QPointF(18, 16), QPointF(29, 16));
  QPainterPath head;
  head.moveTo(25, 11.5);
  head.lineTo(29.5, 16);
  head.lineTo(25, 20.5);
  p.setBrush(Qt::NoBrush);
  p.drawPath(head);
}

// A pale brick wall, tiled behind the general-parameters form.
void wall(QPainter& p) {
  p.fillRect(QRectF(0, 0, 64, 32), QColor(236, 226, 214));
  p.setPen(QPen(QColor(214, 198, 180), 1));
  for (int y : {0, 16}) p.drawLine(QPointF(0, y + 0.5), QPointF(64, y + 0.5));
  for (int x : {0, 32}) p.drawLine(QPointF(x + 0.5, 0), QPointF(x + 0.5, 16));
  for (int x : {16, 48}) p.drawLine(QPointF(x + 0.5, 16), QPointF(x + 0.5, 32));
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
  save("wizMark.png", {32, 32}, markIcon);
  save("wizClose.png", {32, 32}, closeIcon);
  save("Pared.png", {64, 32}, wall);
  return 0;
}
