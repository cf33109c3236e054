#include "storage/settings/settings.h"
#include "tests/storage/settings/settings_test_support.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace bv {
namespace {

// A window that keeps its state in plain members and logs what it was told.
class FakeWindow : public WindowGeometry {
 public:
  FakeWindow(bool resizable, QRect normal, bool maximized = false)
      : resizable_(resizable), normal_(normal), maximized_(maximized) {}
  bool isMaximized() const override { return maximized_; }
  bool isResizable() const override { return resizable_; }
  QRect normalGeometry() const override { return normal_; }
  void showMaximized() override {
    maximized_ = true;
    calls << "maximize";
  }
  void setPosition(int x, int y) override {
    normal_.moveTo(x, y);
    calls << QStringLiteral("position %1 %2").arg(x).arg(y);
  }
  void setSize(int w, int h) override {
    normal_.setSize({w, h});
    calls << QStringLiteral("size %1 %2").arg(w).arg(h);
  }
  QStringList calls;

 private:
  bool resizable_;
  QRect normal_;
  bool maximized_;
};

class WindowPlacementTest : public ::testing::Test, protected test::IniFixture {
 protected:
  void SetUp() override { ASSERT_TRUE(settings.open(path())); }
  Settings settings;
};

TEST_F(WindowPlacementTest, NormalWindowRoundTrip) {
  ASSERT_TRUE(settings.saveWindow("_PreviewWindow_", FakeWindow(true, {10, 20, 300, 200})));
  EXPECT_EQ(bytes(), "[_PreviewWindow_]\r\nMaximize=No\r\nXPos=10\r\nYPos=20\r\n"
                     "Width=300\r\nHeight=200\r\n");
  FakeWindow reopened(true, {0, 0, 100, 100});
  EXPECT_TRUE(settings.restoreWindow("_previewwindow_", reopened));
  EXPECT_EQ(reopened.calls, (QStringList{"position 10 20", "size 300 200"}));
}

TEST_F(WindowPlacementTest, FixedSizeWindowKeepsOnlyItsPosition) {
  ASSERT_TRUE(settings.saveWindow("Fixed", FakeWindow(false, {5, 6, 70, 80})));
  EXPECT_EQ(settings.fetch("Fixed", "Width"), "---Unknown---");
  FakeWindow reopened(false, {0, 0, 70, 80});
  EXPECT_TRUE(settings.restoreWindow("Fixed", reopened));
  EXPECT_EQ(reopened.calls, (QStringList{"position 5 6"}));
}

TEST_F(WindowPlacementTest, ClosedMaximizedReopensMaximizedOverItsNormalPlace) {
  // Moved and resized, then maximized and closed: the place it returns to is kept.
  ASSERT_TRUE(settings.saveWindow("QBE-BrowseMarca", FakeWindow(true, {10, 20, 300, 200})));
  ASSERT_TRUE(settings.saveWindow("QBE-BrowseMarca", FakeWindow(true, {40, 50, 320, 240}, true)));
  EXPECT_EQ(settings.fetch("QBE-BrowseMarca", "Maximize"), "Yes");
  FakeWindow reopened(true, {0, 0, 100, 100});
  EXPECT_TRUE(settings.restoreWindow("QBE-BrowseMarca", reopened));
  EXPECT_EQ(reopened.calls, (QStringList{"position 40 50", "size 320 240", "maximize"}));
  EXPECT_EQ(reopened.normalGeometry(), QRect(40, 50, 320, 240));

  // A window that never had a normal place leaves the one saved before.
  ASSERT_TRUE(settings.saveWindow("QBE-BrowseMarca", FakeWindow(true, QRect(), true)));
  FakeWindow again(true, {0, 0, 100, 100});
  EXPECT_TRUE(settings.restoreWindow("QBE-BrowseMarca", again));
  EXPECT_EQ(again.calls, (QStringList{"position 40 50", "size 320 240", "maximize"}));
}

TEST_F(WindowPlacementTest, NothingRestoredWithoutAMaximizeAnswer) {
  FakeWindow window(true, {1, 2, 3, 4});
  EXPECT_FALSE(settings.restoreWindow("Never", window));
  ASSERT_TRUE(settings.update("Odd", "Maximize", "Maybe"));
  ASSERT_TRUE(settings.update("Odd", "XPos", "7"));
  EXPECT_FALSE(settings.restoreWindow("Odd", window));
  EXPECT_TRUE(window.calls.isEmpty());
  // Placement values that are not numbers are passed over.
  ASSERT_TRUE(settings.update("Odd", "Maximize", "Yes"));
  ASSERT_TRUE(settings.update("Odd", "YPos", "abc"));
  EXPECT_TRUE(settings.restoreWindow("Odd", window));
  EXPECT_EQ(window.calls, (QStringList{"maximize"}));
}

}  // namespace
}  // namespace bv
