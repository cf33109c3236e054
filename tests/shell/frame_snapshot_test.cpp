// Renders the main frame, as a user with the restricted entries sees it, the
// About window and a message window to PNG files for a look at them:
// bravent-frame.png, bravent-about.png and bravent-message.png in
// $BRAVENT_SNAPSHOT_DIR, or in the temporary folder when that is not set. The
// files are not part of the sources.
#include "shell/frame/about_window.h"
#include "shell/frame/frame_area.h"
#include "shell/frame/main_frame.h"
#include "shell_test_support.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <gtest/gtest.h>

using namespace bv;
using namespace bv::testing_shell;

namespace {

std::unique_ptr<QWidget> sampleList(const ProcedureStart& start) {
  auto w = std::make_unique<QLabel>(QStringLiteral("  Tabla de Productos Básicos"));
  w->setWindowTitle(QStringLiteral("Tabla de Productos Básicos"));
  w->resize(360, 200);
  w->setAutoFillBackground(true);
  return w;
}

QString snapshotPath(const QString& name) {
  const QString dir = qEnvironmentVariable("BRAVENT_SNAPSHOT_DIR", QDir::tempPath());
  return QDir(dir).filePath(name);
}

}  // namespace

TEST(FrameSnapshot, RendersTheFrameToAPicture) {
  ShellTempDir tmp;
  MemoryFrameData data;
  data.paramet = QStringLiteral("S");
  data.versiones = VersionInfo{Decimal(12), Date::fromYmd(2024, 6, 28)};
  ProcedureRegistry registry;
  registry.addWindow(QStringLiteral("BrowseBasicos"), sampleList);
  registry.addWindow(QStringLiteral("UpdateProduc01"), sampleList);

  MainFrame frame(data, registry);
  frame.resize(1000, 700);
  frame.open();
  frame.startProcedure(QStringLiteral("BrowseBasicos"));
  QMdiSubWindow* child = frame.area()->subWindowList().front();
  child->setGeometry(30, 30, 380, 230);
  QCoreApplication::processEvents();

  QImage picture = frame.grab().toImage();
  ASSERT_FALSE(picture.isNull());
  // The "Producción" menu opened beside the frame, so its entries show too.
  auto* menu = frame.findChild<QMenu*>(QStringLiteral("?PRODUCCIÓN"));
  const QImage menuPicture = menu->grab().toImage();
  QImage sheet(picture.width() + menuPicture.width() + 10, std::max(picture.height(), menuPicture.height()),
               QImage::Format_ARGB32);
  sheet.fill(Qt::white);
  QPainter painter(&sheet);
  painter.drawImage(0, 0, picture);
  painter.drawImage(picture.width() + 10, 0, menuPicture);
  painter.end();

  const QString path = snapshotPath(QStringLiteral("bravent-frame.png"));
  ASSERT_TRUE(sheet.save(path)) << path.toStdString();
  std::printf("frame rendered to %s\n", qPrintable(path));
  frame.close();
  settle();
}

TEST(FrameSnapshot, RendersTheAboutAndMessageWindows) {
  AboutWindow about;
  about.show();
  QCoreApplication::processEvents();
  const QString aboutPath = snapshotPath(QStringLiteral("bravent-about.png"));
  ASSERT_TRUE(about.grab().save(aboutPath)) << aboutPath.toStdString();

  MessageWindow message(MessageBox(QStringLiteral("¿ Está seguro que desea eliminar el registro "
                                                  "seleccionado?|Se borrarán también sus líneas."),
                                   QStringLiteral("Confirmar Borrado"), MessageIcon::Exclamation,
                                   kButtonYes | kButtonNo | kButtonCancel | kButtonHelp | kButtonIgnore,
                                   kButtonNo));
  message.show();
  QCoreApplication::processEvents();
  const QString messagePath = snapshotPath(QStringLiteral("bravent-message.png"));
  ASSERT_TRUE(message.grab().save(messagePath)) << messagePath.toStdString();
  std::printf("windows rendered to %s and %s\n", qPrintable(aboutPath), qPrintable(messagePath));
}
