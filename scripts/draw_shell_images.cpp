// Draws the main frame's images (toolbar icons, program icon, background and the
// About window's pictures) into shell/resources/. The PNG files are kept in the
// repository; run this only to redraw them:
//
//   g++ -std=c++20 -fPIC scripts/draw_shell_images.cpp -o /tmp/draw_shell_images \
//       $(pkg-config --cflags --libs Qt6Gui)
//   QT_QPA_PLATFORM=offscreen /tmp/draw_shell_images shell/resources
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

QString outDir;

void save(const QString& name, int w, int h, const std::function<void(QPainter&)>& draw) {
  QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  draw(p);
  p.end();
  const QString path = QDir(outDir).filePath(name);
  if (!image.save(path, "PNG")) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

const QColor kInk(40, 52, 72);

// A sheet of paper with a folded corner: the record the edit buttons act on.
void page(QPainter& p) {
  QPainterPath sheet;
  sheet.moveTo(5, 3);
  sheet.lineTo(19, 3);
  sheet.lineTo(25, 9);
  sheet.lineTo(25, 28);
  sheet.lineTo(5, 28);
  sheet.closeSubpath();
  QLinearGradient g(5, 3, 25, 28);
  g.setColorAt(0, Qt::white);
  g.setColorAt(1, QColor(220, 228, 240));
  p.setPen(QPen(kInk, 1.2));
  p.setBrush(g);
  p.drawPath(sheet);
  QPainterPath fold;
  fold.moveTo(19, 3);
  fold.lineTo(19, 9);
  fold.lineTo(25, 9);
  p.setBrush(QColor(200, 210, 228));
  p.drawPath(fold);
  p.setPen(QPen(QColor(150, 165, 190), 1.2));
  for (int y = 13; y <= 23; y += 4) p.drawLine(QPointF(8, y), QPointF(21, y));
}

void badge(QPainter& p, const QColor& colour) {
  QRadialGradient g(QPointF(22, 21), 9, QPointF(20, 19));
  g.setColorAt(0, colour.lighter(150));
  g.setColorAt(1, colour);
  p.setPen(QPen(colour.darker(160), 1));
  p.setBrush(g);
  p.drawEllipse(QPointF(23, 23), 8, 8);
}

void insertIcon(QPainter& p) {
  page(p);
  badge(p, QColor(40, 150, 60));
  p.setPen(QPen(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(23, 18.5), QPointF(23, 27.5));
  p.drawLine(QPointF(18.5, 23), QPointF(27.5, 23));
}

void changeIcon(QPainter& p) {
  page(p);
  // A pencil lying across the sheet.
  p.save();
  p.translate(22, 20);
  p.rotate(45);
  p.setPen(QPen(QColor(120, 80, 20), 1));
  p.setBrush(QColor(240, 190, 60));
  p.drawRect(QRectF(-3, -11, 6, 16));
  p.setBrush(QColor(230, 120, 130));
  p.drawRect(QRectF(-3, -14, 6, 3));
  QPainterPath tip;
  tip.moveTo(-3, 5);
  tip.lineTo(3, 5);
  tip.lineTo(0, 11);
  tip.closeSubpath();
  p.setBrush(QColor(245, 220, 180));
  p.drawPath(tip);
  p.setBrush(kInk);
  p.drawEllipse(QPointF(0, 10), 1, 1);
  p.restore();
}

void deleteIcon(QPainter& p) {
  page(p);
  badge(p, QColor(200, 40, 40));
  p.setPen(QPen(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(19.8, 19.8), QPointF(26.2, 26.2));
  p.drawLine(QPointF(26.2, 19.8), QPointF(19.8, 26.2));
}

// A triangle pointing up (dir = -1) or down (dir = 1), centred at (16, cy).
void arrow(QPainter& p, double cy, int dir, double half = 9) {
  QPainterPath t;
  t.moveTo(16 - half, cy - dir * half / 2);
  t.lineTo(16 + half, cy - dir * half / 2);
  t.lineTo(16, cy + dir * half / 2 + dir * 2);
  t.closeSubpath();
  QLinearGradient g(0, cy - half, 0, cy + half);
  g.setColorAt(0, QColor(90, 150, 230));
  g.setColorAt(1, QColor(30, 80, 170));
  p.setPen(QPen(QColor(20, 50, 120), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(g);
  p.drawPath(t);
}

void bar(QPainter& p, double y) {
  p.setPen(QPen(QColor(20, 50, 120), 1));
  p.setBrush(QColor(40, 90, 180));
  p.drawRoundedRect(QRectF(6, y - 2, 20, 4), 1, 1);
}

void findIcon(QPainter& p) {
  p.setPen(QPen(QColor(90, 60, 30), 4.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(19, 19), QPointF(27, 27));
  QRadialGradient g(QPointF(11, 10), 10);
  g.setColorAt(0, QColor(235, 245, 255));
  g.setColorAt(1, QColor(150, 195, 235));
  p.setPen(QPen(kInk, 2.2));
  p.setBrush(g);
  p.drawEllipse(QPointF(13, 13), 8.5, 8.5);
  p.setPen(QPen(QColor(255, 255, 255, 200), 1.6, Qt::SolidLine, Qt::RoundCap));
  p.drawArc(QRectF(8, 8, 10, 10), 100 * 16, 80 * 16);
}

void dittoIcon(QPainter& p) {
  // Two ditto marks over a line: "the same as above".
  p.setPen(QPen(QColor(150, 160, 175), 1.5));
  p.drawLine(QPointF(4, 9), QPointF(28, 9));
  p.drawLine(QPointF(4, 27), QPointF(28, 27));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 120, 60));
  for (double x : {9.0, 19.0}) {
    QPainterPath mark;
    mark.moveTo(x, 12);
    mark.lineTo(x + 5, 12);
    mark.lineTo(x + 2, 23);
    mark.lineTo(x - 1, 23);
    mark.closeSubpath();
    p.drawPath(mark);
  }
}

void helpIcon(QPainter& p) {
  QRadialGradient g(QPointF(12, 10), 16);
  g.setColorAt(0, QColor(120, 180, 255));
  g.setColorAt(1, QColor(20, 70, 170));
  p.setPen(QPen(QColor(15, 45, 120), 1));
  p.setBrush(g);
  p.drawEllipse(QPointF(16, 16), 13, 13);
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setBold(true);
  f.setPixelSize(20);
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(QRectF(0, 1, 32, 32), Qt::AlignCenter, QStringLiteral("?"));
}

void cancelIcon(QPainter& p) {
  QRadialGradient g(QPointF(12, 10), 16);
  g.setColorAt(0, QColor(255, 120, 110));
  g.setColorAt(1, QColor(170, 20, 20));
  p.setPen(QPen(QColor(120, 10, 10), 1));
  p.setBrush(g);
  p.drawEllipse(QPointF(16, 16), 13, 13);
  p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(10.5, 10.5), QPointF(21.5, 21.5));
  p.drawLine(QPointF(21.5, 10.5), QPointF(10.5, 21.5));
}

// The program's icon: three overlapping drops of colour, the tints a formula mixes.
void programIcon(QPainter& p, double size) {
  p.scale(size / 32.0, size / 32.0);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(250, 250, 245));
  p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
  p.setCompositionMode(QPainter::CompositionMode_Multiply);
  const QColor colours[] = {QColor(0, 175, 230), QColor(235, 0, 140), QColor(255, 220, 0)};
  const QPointF centres[] = {{11.5, 12}, {20.5, 12}, {16, 20}};
  for (int i = 0; i < 3; ++i) {
    p.setBrush(colours[i]);
    p.drawEllipse(centres[i], 8, 8);
  }
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  p.setPen(QPen(QColor(90, 90, 90), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
}

// The frame's background: a knight's helmet on a red field.
void helmetOnRed(QPainter& p, int w, int h) {
  // The field fades to the frame's own red (110, 12, 18) before the picture's
  // edge, so the picture sits seamlessly on the frame's background.
  QRadialGradient field(QPointF(w / 2.0, h / 2.0), h / 2.0);
  field.setColorAt(0, QColor(190, 30, 35));
  field.setColorAt(1, QColor(110, 12, 18));
  p.fillRect(QRectF(0, 0, w, h), field);

  p.translate(w / 2.0, h / 2.0 + 10);
  const double s = h / 420.0;
  p.scale(s, s);

  // Plume.
  QPainterPath plume;
  plume.moveTo(0, -150);
  plume.cubicTo(40, -230, 140, -230, 170, -170);
  plume.cubicTo(120, -190, 70, -170, 40, -135);
  plume.closeSubpath();
  QLinearGradient pg(0, -230, 170, -130);
  pg.setColorAt(0, QColor(255, 235, 200));
  pg.setColorAt(1, QColor(230, 180, 90));
  p.setPen(QPen(QColor(120, 80, 30), 2));
  p.setBrush(pg);
  p.drawPath(plume);

  // Dome and face guard.
  QPainterPath helmet;
  helmet.moveTo(-105, 120);
  helmet.cubicTo(-125, 20, -125, -140, 0, -150);
  helmet.cubicTo(125, -140, 125, 20, 105, 120);
  helmet.cubicTo(60, 145, -60, 145, -105, 120);
  QLinearGradient steel(-120, 0, 120, 0);
  steel.setColorAt(0.0, QColor(70, 75, 85));
  steel.setColorAt(0.35, QColor(235, 238, 245));
  steel.setColorAt(0.55, QColor(170, 175, 185));
  steel.setColorAt(1.0, QColor(55, 60, 70));
  p.setPen(QPen(QColor(30, 30, 35), 4));
  p.setBrush(steel);
  p.drawPath(helmet);

  // Crest ridge.
  p.setPen(QPen(QColor(40, 40, 45), 3));
  p.setBrush(QColor(200, 160, 60));
  QPainterPath ridge;
  ridge.moveTo(-8, -150);
  ridge.lineTo(8, -150);
  ridge.lineTo(6, 40);
  ridge.lineTo(-6, 40);
  ridge.closeSubpath();
  p.drawPath(ridge);

  // Visor slit and breathing holes.
  p.setBrush(QColor(15, 15, 20));
  p.setPen(Qt::NoPen);
  p.drawRoundedRect(QRectF(-85, -35, 75, 16), 8, 8);
  p.drawRoundedRect(QRectF(10, -35, 75, 16), 8, 8);
  for (int row = 0; row < 3; ++row)
    for (int col = -2; col <= 2; ++col)
      if (col != 0) p.drawEllipse(QPointF(col * 22.0, 30 + row * 22.0), 4.5, 4.5);

  // Rivets along the rim.
  p.setBrush(QColor(215, 180, 90));
  p.setPen(QPen(QColor(90, 70, 30), 1.5));
  for (int i = 0; i <= 8; ++i) {
    const double t = i / 8.0;
    const double x = -95 + 190 * t;
    const double y = 112 + 20 * std::sin(t * M_PI);
    p.drawEllipse(QPointF(x, y), 5, 5);
  }
}

void aboutBackground(QPainter& p, int w, int h) {
  QLinearGradient g(0, 0, w, h);
  g.setColorAt(0, QColor(252, 248, 236));
  g.setColorAt(1, QColor(224, 214, 190));
  p.fillRect(QRectF(0, 0, w, h), g);
  // A fan of colour swatches along the left edge.
  const QColor swatches[] = {QColor(200, 40, 50),  QColor(235, 140, 30), QColor(240, 210, 40),
                             QColor(70, 160, 70),  QColor(40, 120, 200), QColor(110, 60, 160)};
  p.translate(-20, h + 20);
  for (int i = 0; i < 6; ++i) {
    p.save();
    p.rotate(-80 + i * 9);
    QColor c = swatches[i];
    c.setAlpha(110);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRoundedRect(QRectF(0, -12, h * 0.9, 24), 10, 10);
    p.restore();
  }
}

void aboutPicture(QPainter& p, int size) {
  // A palette with six wells of paint and a brush.
  const double s = size / 96.0;
  p.scale(s, s);
  QPainterPath palette;
  palette.addEllipse(QRectF(6, 14, 84, 68));
  QPainterPath hole;
  hole.addEllipse(QRectF(58, 54, 14, 12));
  palette = palette.subtracted(hole);
  QLinearGradient wood(0, 14, 0, 82);
  wood.setColorAt(0, QColor(230, 190, 130));
  wood.setColorAt(1, QColor(180, 130, 70));
  p.setPen(QPen(QColor(110, 70, 30), 2));
  p.setBrush(wood);
  p.drawPath(palette);
  const QColor wells[] = {QColor(200, 30, 40), QColor(240, 200, 20), QColor(30, 110, 200),
                          QColor(40, 150, 60), QColor(250, 250, 250), QColor(40, 40, 40)};
  const QPointF at[] = {{26, 32}, {44, 26}, {62, 30}, {22, 52}, {38, 64}, {76, 44}};
  p.setPen(QPen(QColor(80, 50, 20), 1));
  for (int i = 0; i < 6; ++i) {
    p.setBrush(wells[i]);
    p.drawEllipse(at[i], 7, 6);
  }
  p.save();
  p.translate(70, 70);
  p.rotate(-40);
  p.setBrush(QColor(60, 40, 30));
  p.drawRoundedRect(QRectF(-3, 0, 6, 34), 3, 3);
  p.setBrush(QColor(190, 190, 200));
  p.drawRect(QRectF(-4, -8, 8, 9));
  p.setBrush(QColor(30, 110, 200));
  QPainterPath tuft;
  tuft.moveTo(-4, -8);
  tuft.cubicTo(-5, -16, -1, -22, 0, -24);
  tuft.cubicTo(1, -22, 5, -16, 4, -8);
  tuft.closeSubpath();
  p.drawPath(tuft);
  p.restore();
}

}  // namespace

// A lamp of one colour: the state of a production order in its list.
void stateLamp(QPainter& p, const QColor& colour) {
  QRadialGradient shine(12, 11, 10, 10, 9);
  shine.setColorAt(0, colour.lighter(170));
  shine.setColorAt(1, colour);
  p.setPen(QPen(colour.darker(160), 1.2));
  p.setBrush(shine);
  p.drawEllipse(QRectF(3, 3, 18, 18));
}

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
  QDir().mkpath(outDir);

  save("wizIns.png", 32, 32, insertIcon);
  save("wizEdit.png", 32, 32, changeIcon);
  save("wizDel.png", 32, 32, deleteIcon);
  save("wizFirst.png", 32, 32, [](QPainter& p) { bar(p, 6); arrow(p, 18, -1); });
  save("wizPgUp.png", 32, 32, [](QPainter& p) { arrow(p, 10, -1); arrow(p, 21, -1); });
  save("wizUp.png", 32, 32, [](QPainter& p) { arrow(p, 16, -1); });
  save("wizFind.png", 32, 32, findIcon);
  save("wizDown.png", 32, 32, [](QPainter& p) { arrow(p, 15, 1); });
  save("wizPgDn.png", 32, 32, [](QPainter& p) { arrow(p, 9, 1); arrow(p, 20, 1); });
  save("wizLast.png", 32, 32, [](QPainter& p) { arrow(p, 12, 1); bar(p, 26); });
  save("wizDitto.png", 32, 32, dittoIcon);
  save("wizHelp.png", 32, 32, helpIcon);
  save("wizCncl.png", 32, 32, cancelIcon);
  save("Bravent.png", 64, 64, [](QPainter& p) { programIcon(p, 64); });
  save("yelmosobrerojo.png", 560, 420, [](QPainter& p) { helmetOnRed(p, 560, 420); });
  save("wizBck02.png", 400, 240, [](QPainter& p) { aboutBackground(p, 400, 240); });
  save("wizPower.png", 96, 96, [](QPainter& p) { aboutPicture(p, 96); });
  save("Amarillo.png", 24, 24, [](QPainter& p) { stateLamp(p, QColor(240, 200, 20)); });
  save("Rojo.png", 24, 24, [](QPainter& p) { stateLamp(p, QColor(210, 30, 30)); });
  return 0;
}
