#include "runtime/choices.h"
#include "shell/file_selection.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace bv;

namespace {

struct KeepsCurrentDirectory {
  QString saved = QDir::currentPath();
  ~KeepsCurrentDirectory() { QDir::setCurrent(saved); }
};

const QList<FileMask> kSpreadsheets{{QStringLiteral("Planillas Excel"), QStringLiteral("*.XLSX;*.XLS")},
                                    {QStringLiteral("Todos"), QStringLiteral("*.*")}};

}  // namespace

TEST(FileSelection, MasksMakeTheFilterOrAllFiles) {
  FileSelection none;
  EXPECT_EQ(none.filterText(), "All Files|*.*");
  EXPECT_EQ(none.dialogFilters(), QStringList{"All Files (*)"});
  EXPECT_EQ(none.effectiveTitle(), "Select A File");

  FileSelection two;
  two.title = QStringLiteral("Planilla a importar");
  two.masks = kSpreadsheets;
  EXPECT_EQ(two.filterText(), "Planillas Excel|*.XLSX;*.XLS|Todos|*.*");
  EXPECT_EQ(two.dialogFilters(), (QStringList{"Planillas Excel (*.XLSX *.XLS)", "Todos (*)"}));
  EXPECT_EQ(two.effectiveTitle(), "Planilla a importar");
}

TEST(FileSelection, WithoutScreenTheNameComesFromTheChoices) {
  KeepsCurrentDirectory keep;
  QTemporaryDir start;
  ScriptedChoices choices;
  ChoicesScope scope(choices);

  choices.answer(FileSelection::kChoiceId, QStringLiteral("libro.xlsx"));
  FileSelection headless;
  headless.startDirectory = start.path();
  headless.onScreen = false;
  const QString chosen = selectFile(headless);
  EXPECT_EQ(chosen, QDir(start.path()).filePath("libro.xlsx"));
  ASSERT_EQ(choices.asked().size(), 1u);
  EXPECT_EQ(choices.asked().front().title, "Select A File");
  // The starting directory stays the current one unless the caller keeps its own.
  EXPECT_EQ(QDir::current().canonicalPath(), QDir(start.path()).canonicalPath());

  QDir::setCurrent(keep.saved);
  choices.answer(FileSelection::kChoiceId, std::nullopt);
  headless.keepCurrentDirectory = true;
  EXPECT_EQ(selectFile(headless), QString());
  EXPECT_EQ(QDir::currentPath(), keep.saved);
}

TEST(FileSelection, OnScreenTheDialogAnswersTheChosenFileOrNothing) {
  KeepsCurrentDirectory keep;
  QTemporaryDir start;
  QFile file(QDir(start.path()).filePath("FORMULAS.XLSX"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();

  QString title;
  QStringList filters;
  QTimer::singleShot(0, qApp, [&] {
    QFileDialog* dialog = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* d = qobject_cast<QFileDialog*>(w); d && d->objectName() == "FileSelection") dialog = d;
    ASSERT_NE(dialog, nullptr);
    title = dialog->windowTitle();
    filters = dialog->nameFilters();
    dialog->selectFile(file.fileName());
    static_cast<QDialog*>(dialog)->accept();
  });
  FileSelection onScreen;
  onScreen.masks = kSpreadsheets;
  onScreen.startDirectory = start.path();
  onScreen.keepCurrentDirectory = true;
  const QString chosen = selectFile(onScreen);
  EXPECT_EQ(QFileInfo(chosen).canonicalFilePath(), QFileInfo(file.fileName()).canonicalFilePath());
  EXPECT_EQ(title, "Select A File");
  EXPECT_EQ(filters.front(), "Planillas Excel (*.XLSX *.XLS)");
  EXPECT_EQ(QDir::currentPath(), keep.saved);

  QTimer::singleShot(0, qApp, [] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* d = qobject_cast<QFileDialog*>(w); d && d->isVisible()) d->reject();
  });
  onScreen.masks.clear();
  EXPECT_EQ(selectFile(onScreen), QString());
}
