// The image helpers: fitting a picture to its box, the nine alignments, and
// showing it in an image control of a window or of a report.
#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <gtest/gtest.h>

#include "kalrep/image_display.h"
#include "kalrep_test_support.h"
#include "runtime/report/report.h"

namespace bv::test {
namespace {

const ImageBox kBox{10, 20, 100, 50};

TEST(ImageFit, TheNineAlignmentsPlaceThePictureInTheBox) {
  const std::pair<int, int> places[9] = {{10, 20}, {40, 20}, {70, 20}, {10, 35}, {40, 35},
                                         {70, 35}, {10, 50}, {40, 50}, {70, 50}};
  for (int a = 1; a <= 9; ++a) {
    const ImageBox placed = fitImage(40, 20, kal::Byte(a), 0, kBox);
    EXPECT_EQ(placed, (ImageBox{places[a - 1].first, places[a - 1].second, 40, 20})) << a;
  }
  // Any other alignment counts as 1.
  EXPECT_EQ(fitImage(40, 20, 0, 0, kBox), (ImageBox{10, 20, 40, 20}));
  EXPECT_EQ(fitImage(40, 20, 12, 0, kBox), (ImageBox{10, 20, 40, 20}));
  // Without fitting a picture larger than the box keeps its size too.
  EXPECT_EQ(fitImage(300, 80, 5, 0, kBox), (ImageBox{10 - 100, 20 - 15, 300, 80}));
}

TEST(ImageFit, FittingShrinksAndGrowsByTenths) {
  // 200 x 100 loses a tenth of each side per step until both fit.
  EXPECT_EQ(fitImage(200, 100, 1, 1, kBox), (ImageBox{10, 20, 98, 49}));
  // Exactly the box: neither shrunk nor grown.
  EXPECT_EQ(fitImage(100, 50, 1, 1, kBox), (ImageBox{10, 20, 100, 50}));
  // A small picture grows while a tenth more still fits, and never past the box.
  const ImageBox grown = fitImage(20, 10, 1, 1, kBox);
  EXPECT_LE(grown.width, 100);
  EXPECT_LE(grown.height, 50);
  EXPECT_TRUE(grown.width + grown.width / 10 > 100 || grown.height + grown.height / 10 > 50);
  EXPECT_GT(grown.width, 80);
  // A picture of a few pixels in a box of a few pixels still ends.
  EXPECT_EQ(fitImage(9, 9, 1, 1, {0, 0, 5, 5}), (ImageBox{0, 0, 5, 5}));
  EXPECT_EQ(fitImage(3, 3, 1, 1, {0, 0, 4, 7}), (ImageBox{0, 0, 4, 4}));
}

QImage picture(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::blue);
  image.setDotsPerMeterX(3937);  // 100 dots per inch
  image.setDotsPerMeterY(3937);
  return image;
}

QByteArray pngOf(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

TEST(ImageDisplay, AWindowsImageControlIsFoundByNameOrMadeAnew) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("logo.png"));
  ASSERT_TRUE(picture(40, 20).save(file));
  QWidget window;
  window.setObjectName(QStringLiteral("VENTANA"));
  auto* panel = new QWidget(&window);
  panel->setObjectName(QStringLiteral("?PANEL"));
  auto* label = new QLabel(panel);
  label->setObjectName(QStringLiteral("?IMAGEN"));
  label->hide();

  ASSERT_TRUE(KAL_DISPLAYIMAGEF(file, &window, QStringLiteral("?IMAGEN"), QStringLiteral("?PANEL"),
                                5, 0, 10, 20, 100, 50));
  EXPECT_EQ(label->geometry(), QRect(40, 35, 40, 20));
  EXPECT_TRUE(label->isVisibleTo(&window));
  EXPECT_EQ(label->pixmap().size(), QSize(40, 20));

  // Recreated inside the window itself, from the BLOB's bytes.
  ASSERT_TRUE(KAL_DISPLAYIMAGEB(pngOf(picture(200, 100)), &window, QStringLiteral("?IMAGEN"),
                                QString(), 9, 1, 10, 20, 100, 50, 1));
  const auto labels = window.findChildren<QLabel*>(QStringLiteral("?IMAGEN"));
  ASSERT_EQ(labels.size(), 1);
  EXPECT_EQ(labels[0]->parentWidget(), &window);
  EXPECT_EQ(labels[0]->geometry(), QRect(12, 21, 98, 49));

  EXPECT_FALSE(KAL_DISPLAYIMAGEF(file, &window, QStringLiteral("?OTRA"), QString(), 1, 0, 0, 0, 9,
                                 9));
  EXPECT_FALSE(KAL_DISPLAYIMAGEF(dir.filePath(QStringLiteral("no.png")), &window,
                                 QStringLiteral("?IMAGEN"), QString(), 1, 0, 0, 0, 9, 9));
}

TEST(ImageDisplay, AReportsImageControlIsPlacedInThousandthsOfAnInch) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("logo.png"));
  ASSERT_TRUE(picture(40, 20).save(file));
  Report report;
  report.addBand(1, BandKind::Detail);
  report.addControl(10, ControlKind::Image, 1);
  report.addControl(11, ControlKind::String, 1);

  // 40 x 20 pixels at 100 dots per inch are 400 x 200 thousandths.
  ASSERT_TRUE(KAL_DISPLAYIMAGEF(file, report, 10, 1, 9, 0, 0, 0, 1000, 500));
  EXPECT_EQ(report.control(10)->rect(), QRect(600, 300, 400, 200));
  EXPECT_TRUE(report.control(10)->visible());

  // A string control is no image; recreated it becomes one, in the band named.
  EXPECT_FALSE(KAL_DISPLAYIMAGEB(pngOf(picture(40, 20)), report, 11, 1, 1, 0, 0, 0, 1000, 500));
  ASSERT_TRUE(KAL_DISPLAYIMAGEB(pngOf(picture(40, 20)), report, 11, 1, 5, 1, 0, 0, 400, 200, 1));
  EXPECT_EQ(report.control(11)->kind(), ControlKind::Image);
  EXPECT_EQ(report.control(11)->rect(), QRect(0, 0, 400, 200));
  report.print(1);
  report.endReport();
  ASSERT_EQ(report.pageCount(), 1);
  EXPECT_EQ(report.pages()[0].items.size(), 2);
}

}  // namespace
}  // namespace bv::test
