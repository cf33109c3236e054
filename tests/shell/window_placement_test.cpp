#include "shell/child_window.h"
#include "shell/window_placement.h"
#include "shell_test_support.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <gtest/gtest.h>

using namespace bv;
using namespace bv::testing_shell;

namespace {

std::unique_ptr<QWidget> listWindow(const QString& name) {
  auto w = std::make_unique<QLabel>(QStringLiteral("Lista"));
  w->setObjectName(name);
  return w;
}

struct PlacementTest : ::testing::Test {
  ShellTempDir tmp;
  QMdiArea area;
  PlacementTest() {
    area.resize(900, 700);
    area.show();
    QCoreApplication::processEvents();
  }
  QMdiSubWindow* open(const QString& name) {
    QMdiSubWindow* child = openChildWindow(area, listWindow(name));
    QCoreApplication::processEvents();
    return child;
  }
};

}  // namespace

TEST_F(PlacementTest, AChildClosedMaximizedReopensMaximizedOverItsLastNormalPlace) {
  QMdiSubWindow* child = open(QStringLiteral("BrowseCarta"));
  child->setGeometry(40, 30, 320, 210);
  QCoreApplication::processEvents();
  child->showMaximized();
  QCoreApplication::processEvents();
  ASSERT_TRUE(child->isMaximized());
  child->close();
  settle();

  EXPECT_EQ(tmp.fetch("BrowseCarta", "Maximize"), "Yes");
  EXPECT_EQ(tmp.fetch("BrowseCarta", "XPos"), "40");
  EXPECT_EQ(tmp.fetch("BrowseCarta", "YPos"), "30");
  EXPECT_EQ(tmp.fetch("BrowseCarta", "Width"), "320");
  EXPECT_EQ(tmp.fetch("BrowseCarta", "Height"), "210");

  QMdiSubWindow* again = open(QStringLiteral("BrowseCarta"));
  EXPECT_TRUE(again->isVisible());
  EXPECT_TRUE(again->isMaximized());
  again->showNormal();
  QCoreApplication::processEvents();
  EXPECT_EQ(again->geometry(), QRect(40, 30, 320, 210));
}

TEST_F(PlacementTest, AChildClosedNormalReopensWhereItWas) {
  QMdiSubWindow* child = open(QStringLiteral("BrowseMarca"));
  child->setGeometry(15, 25, 400, 260);
  child->close();
  settle();
  EXPECT_EQ(tmp.fetch("BrowseMarca", "Maximize"), "No");

  QMdiSubWindow* again = open(QStringLiteral("BrowseMarca"));
  EXPECT_FALSE(again->isMaximized());
  EXPECT_EQ(again->geometry(), QRect(15, 25, 400, 260));
  // Another window's placement is its own.
  QMdiSubWindow* other = open(QStringLiteral("BrowseLinea"));
  EXPECT_NE(other->geometry(), QRect(15, 25, 400, 260));
}

TEST_F(PlacementTest, AFixedSizeWindowKeepsOnlyItsPosition) {
  auto w = listWindow(QStringLiteral("Impuestos"));
  w->setFixedSize(250, 120);
  QMdiSubWindow* child = openChildWindow(area, std::move(w));
  QCoreApplication::processEvents();
  child->move(60, 70);
  child->close();
  settle();
  EXPECT_EQ(tmp.fetch("Impuestos", "XPos"), "60");
  EXPECT_EQ(tmp.fetch("Impuestos", "Width"), "");
  EXPECT_EQ(tmp.fetch("Impuestos", "Height"), "");
}

TEST_F(PlacementTest, TheRuntimeWindowsStoreTheirPlacementInTheSettingsFile) {
  QWidget preview;
  preview.setGeometry(120, 90, 500, 400);
  preview.show();
  QCoreApplication::processEvents();
  SettingsPositionStore::instance().save(QStringLiteral("_PreviewWindow_"), preview);
  EXPECT_EQ(tmp.fetch("_PreviewWindow_", "Maximize"), "No");
  EXPECT_EQ(tmp.fetch("_PreviewWindow_", "Width"), "500");

  QWidget next;
  SettingsPositionStore::instance().restore(QStringLiteral("_PreviewWindow_"), next);
  EXPECT_EQ(next.geometry(), QRect(120, 90, 500, 400));

  // Nothing saved: nothing restored.
  QWidget fresh;
  const QRect before = fresh.geometry();
  SettingsPositionStore::instance().restore(QStringLiteral("_PreviewAskPagesWindow_"), fresh);
  EXPECT_EQ(fresh.geometry(), before);
}

TEST_F(PlacementTest, AWindowWiderThanTheFrameOpensWithItsLeftEdgeInside) {
  // A list whose columns ask for more room than the frame has.
  auto wide = std::make_unique<QLabel>(QString(300, u'M'));
  wide->setObjectName(QStringLiteral("ImprimirEtiquetas"));
  QMdiSubWindow* child = openChildWindow(area, std::move(wide));
  QCoreApplication::processEvents();
  EXPECT_GE(child->x(), 0);
  EXPECT_GE(child->y(), 0);
}

TEST(BesideWindow, RightOfTheAnchorElseLeftOfItAlwaysInsideTheScreen) {
  const QRect screen(0, 0, 1000, 800);
  const QSize box(200, 60);
  EXPECT_EQ(besideWindow(QRect(100, 50, 400, 300), box, screen), QPoint(504, 50));
  // No room on the right: on the left.
  EXPECT_EQ(besideWindow(QRect(500, 50, 400, 300), box, screen), QPoint(296, 50));
  // No room on either side: inside the screen's right edge; never below it.
  EXPECT_EQ(besideWindow(QRect(50, 780, 900, 300), box, screen), QPoint(800, 740));
  EXPECT_EQ(besideWindow(QRect(-300, -40, 200, 100), box, screen), QPoint(0, 0));
}
