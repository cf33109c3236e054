// Draws the icons of the list and form buttons ("wizOk.ico", "wizSave.ico",
// "wizPrint.ico", "wizTool.ico") into shell/resources/. The PNG files are kept
// in the repository; run this only to redraw them:
//
//   g++ -std=c++20 -fPIC scripts/draw_list_images.cpp -o /tmp/draw_list_images \
//       $(pkg-config --cflags --libs Qt6Gui)
//   QT_QPA_PLATFORM=offscreen /tmp/draw_list_images shell/resources
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

void save(const QString& name, const std::function<void(QPainter&)>& draw) {
  QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  draw(p);
  p.end();
  const QString path = QDir(outDir).filePath(name);
  if (!image.save(path, "PNG")) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

// A green tick: the record is taken.
void okIcon(QPainter& p) {
  QPainterPath tick;
  tick.moveTo(5, 17);
  tick.lineTo(13, 25);
  tick.lineTo(27, 7);
  p.setPen(QPen(QColor(20, 90, 30), 6.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(tick);
  p.setPen(QPen(QColor(70, 180, 80), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(tick);
}

// A diskette: the record is saved.
void saveIcon(QPainter& p) {
  QLinearGradient g(4, 4, 28, 28);
  g.setColorAt(0, QColor(80, 110, 170));
  g.setColorAt(1, QColor(40, 60, 110));
  p.setPen(QPen(kInk, 1.2));
  p.setBrush(g);
  p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
  p.setBrush(QColor(225, 230, 240));
  p.drawRect(QRectF(9, 5, 14, 8));
  p.setBrush(QColor(40, 52, 72));
  p.drawRect(QRectF(18, 6, 3, 6));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(8, 17, 16, 10));
}

// A printer with its sheet.
void printIcon(QPainter& p) {
  p.setPen(QPen(kInk, 1.2));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(9, 3, 14, 10));
  QLinearGradient g(0, 12, 0, 24);
  g.setColorAt(0, QColor(200, 205, 215));
  g.setColorAt(1, QColor(130, 140, 155));
  p.setBrush(g);
  p.drawRoundedRect(QRectF(3, 12, 26, 12), 2, 2);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(9, 20, 14, 9));
  p.setPen(QPen(QColor(150, 165, 190), 1));
  for (int y = 23; y <= 27; y += 2) p.drawLine(QPointF(11, y), QPointF(21, y));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 170, 70));
  p.drawEllipse(QPointF(25, 16), 1.5, 1.5);
}

// A tool box with its handle.
void toolIcon(QPainter& p) {
  p.setPen(QPen(kInk, 1.4));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(11, 5, 10, 7), 2, 2);
  QLinearGradient g(0, 10, 0, 28);
  g.setColorAt(0, QColor(230, 80, 60));
  g.setColorAt(1, QColor(160, 40, 30));
  p.setBrush(g);
  p.drawRoundedRect(QRectF(3, 10, 26, 17), 2, 2);
  p.setPen(QPen(QColor(120, 30, 20), 1.2));
  p.drawLine(QPointF(3, 17), QPointF(29, 17));
  p.setBrush(QColor(230, 210, 120));
  p.drawRect(QRectF(14, 15, 4, 4));
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
  save("wizOk.png", okIcon);
  save("wizSave.png", saveIcon);
  save("wizPrint.png", printIcon);
  save("wizTool.png", toolIcon);
  return 0;
}
