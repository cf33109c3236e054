#include <QApplication>
#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include "runtime/choices.h"
#include "runtime/preview/ask_pages_dialog.h"
#include "runtime/preview/preview.h"
#include "runtime/preview/preview_names.h"
#include "runtime/preview/preview_window.h"
#include "runtime/preview/zoom.h"
#include "runtime/window_position_store.h"
#include "runtime/report/units.h"
#include "tests/report/pdf_probe.h"
#include "tests/report/sample_report.h"

using namespace bv;
using namespace bv::test;

namespace {

// Records which windows saved and restored their positions, and under what name.
class FakePositions : public WindowPositionStore {
 public:
  void save(const QString& name, QWidget& w) override { calls << "save " + name + " " + w.objectName(); }
  void restore(const QString& name, QWidget& w) override {
    calls << "restore " + name + " " + w.objectName();
  }
  QStringList calls;
};

Report threePages() {
  Report r;
  buildSampleReport(r);
  printLines(r, 25);
  return r;
}

template <typename T>
T* find(QWidget& root, const char* name) {
  T* w = root.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(w, nullptr) << name;
  return w;
}

QString label(PreviewWindow& w) { return find<QLabel>(w, preview::kPageNumber)->text(); }

}  // namespace

TEST(PreviewWithoutScreen, AsksWhetherAndWhatToPrintThroughTheChoices) {
  const Report r = threePages();
  {
    ScriptedChoices script;
    ChoicesScope scope(script);
    script.answer(QString::fromLatin1(preview::kChoiceDecision), QStringLiteral("Salir"));
    EXPECT_EQ(decideWithoutScreen(r), PreviewDecision::leave());
    ASSERT_EQ(script.asked().size(), 1);
    EXPECT_EQ(script.asked()[0].title, QStringLiteral("Report Preview"));
    EXPECT_EQ(script.asked()[0].options, (QStringList{QStringLiteral("Imprimir"), QStringLiteral("Salir")}));
  }
  {
    ScriptedChoices script;
    ChoicesScope scope(script);
    script.answer(QString::fromLatin1(preview::kChoiceDecision), QStringLiteral("Imprimir"));
    script.answer(QString::fromLatin1(preview::kChoicePages), QStringLiteral("2-3"));
    EXPECT_EQ(decideWithoutScreen(r), PreviewDecision::printing(PageSelection::range(2, 3)));
    ASSERT_EQ(script.asked().size(), 2);
    EXPECT_EQ(script.asked()[1].defaultValue, QStringLiteral("1-3"));
  }
  {
    ScriptedChoices script;  // nothing scripted: the defaults print every page
    ChoicesScope scope(script);
    EXPECT_EQ(decideWithoutScreen(r), PreviewDecision::printing(PageSelection::all(3)));
  }
  for (std::optional<QString> pages : {std::optional<QString>(QStringLiteral("4")), std::optional<QString>()}) {
    ScriptedChoices script;  // a page the report lacks, or a cancelled question
    ChoicesScope scope(script);
    script.answer(QString::fromLatin1(preview::kChoicePages), pages);
    EXPECT_EQ(decideWithoutScreen(r), PreviewDecision::leave());
  }
  {
    ScriptedChoices script;
    ChoicesScope scope(script);
    Report empty;
    buildSampleReport(empty);
    printLines(empty, 0);
    EXPECT_EQ(runPreview(empty, PreviewOptions{false}), PreviewDecision::leave());
    EXPECT_TRUE(script.asked().empty());
  }
}

TEST(PreviewWithoutScreen, ASimpleReportRunsToThePreviewAndToPdf) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("simple.pdf"));
  Report r = threePages();
  r.setTarget(PrintTarget::pdfFile(path));
  ScriptedChoices script;
  ChoicesScope scope(script);
  script.answer(QString::fromLatin1(preview::kChoicePages), QStringLiteral("1,3"));

  const PreviewDecision d = runPreview(r, PreviewOptions{false});
  ASSERT_TRUE(d.print);
  QString error;
  ASSERT_TRUE(r.printPages(d.pages, &error)) << error.toStdString();
  EXPECT_EQ(pdfPageCount(readFile(path)), 2);
}

TEST(PreviewWindowTest, ShowsThePagesWithItsNamedControls) {
  const Report r = threePages();
  FakePositions positions;
  PreviewWindow w(r, &positions);
  w.show();
  EXPECT_EQ(w.windowTitle(), QStringLiteral("Report Preview"));
  EXPECT_EQ(positions.calls, QStringList{QStringLiteral("restore _PreviewWindow_ ?PREVIEW")});

  QComboBox* zoom = find<QComboBox>(w, preview::kZoom);
  QStringList steps;
  for (int i = 0; i < zoom->count(); ++i) steps << zoom->itemText(i);
  EXPECT_EQ(steps, (QStringList{QStringLiteral("Organizar Páginas (Tile)"), QStringLiteral("Ancho de Página"),
                                QStringLiteral("50 %"), QStringLiteral("75 %"), QStringLiteral("100 %"),
                                QStringLiteral("200 %"), QStringLiteral("300 %")}));
  for (const char* name : {preview::kPages, preview::kScroll, preview::kFirst, preview::kPrevious,
                           preview::kNext, preview::kLast, preview::kGoTo, preview::kAcross, preview::kDown,
                           preview::kPrint, preview::kExit})
    EXPECT_NE(w.findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;

  EXPECT_EQ(label(w), QStringLiteral("Página 1 de 3"));
  EXPECT_FALSE(find<QPushButton>(w, preview::kPrevious)->isEnabled());
  find<QPushButton>(w, preview::kNext)->click();
  EXPECT_EQ(label(w), QStringLiteral("Página 2 de 3"));
  find<QPushButton>(w, preview::kLast)->click();
  EXPECT_EQ(w.currentPage(), 3);
  EXPECT_FALSE(find<QPushButton>(w, preview::kNext)->isEnabled());

  // Two pages across: the view shows pages two at a time and never runs past the last.
  find<QSpinBox>(w, preview::kAcross)->setValue(2);
  find<QPushButton>(w, preview::kFirst)->click();
  EXPECT_EQ(label(w), QStringLiteral("Páginas 1 a 2 de 3"));
  find<QPushButton>(w, preview::kNext)->click();
  EXPECT_EQ(label(w), QStringLiteral("Páginas 2 a 3 de 3"));
  find<QPushButton>(w, preview::kPrevious)->click();
  EXPECT_EQ(w.currentPage(), 1);
}

TEST(PreviewWindowTest, ZoomStepsSetTheResolutionPagesAreDrawnAt) {
  const Report r = threePages();
  PreviewWindow w(r, nullptr);
  w.resize(1000, 800);
  w.show();
  QComboBox* zoom = find<QComboBox>(w, preview::kZoom);
  zoom->setCurrentIndex(4);
  EXPECT_EQ(w.pageDpi(), w.logicalDpiX());
  zoom->setCurrentIndex(5);
  EXPECT_EQ(w.pageDpi(), 2 * w.logicalDpiX());
  zoom->setCurrentIndex(2);
  EXPECT_EQ(w.pageDpi(), w.logicalDpiX() / 2);

  // Tile and page width fit the viewport (Letter is 8.5 × 11 inches).
  const QSize letter(8500, 11000);
  const QSize viewport(900, 700);
  const int gap = 12;
  const int tile = zoomDpi(zoomSteps()[0], letter, 2, 1, viewport, 96, gap);
  EXPECT_EQ(tile, (900 - 3 * gap) * 1000 / (2 * 8500));  // two across: the width decides
  EXPECT_LE(2 * unitsToPixels(8500, tile) + 3 * gap, 900);
  const int tall = zoomDpi(zoomSteps()[0], letter, 1, 2, viewport, 96, gap);
  EXPECT_EQ(tall, (700 - 3 * gap) * 1000 / (2 * 11000));  // two down: the height does
  EXPECT_LE(2 * unitsToPixels(11000, tall) + 3 * gap, 700);
  const int width = zoomDpi(zoomSteps()[1], letter, 1, 1, viewport, 96, gap);
  EXPECT_EQ(width, (900 - 2 * gap) * 1000 / 8500);
  EXPECT_EQ(zoomDpi(zoomSteps()[0], letter, 1, 1, QSize(10, 10), 96, gap), 4);  // never below 4
}

TEST(PreviewWindowTest, JumpsToAPageTheUserTypes) {
  const Report r = threePages();
  PreviewWindow w(r, nullptr);
  w.show();
  EXPECT_EQ(w.jumpPrompt(), QStringLiteral("Ingrese una página de 1 a 3"));
  find<QPushButton>(w, preview::kGoTo)->click();
  auto* dialog = find<QInputDialog>(w, preview::kGoToDialog);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->labelText(), QStringLiteral("Ingrese una página de 1 a 3"));
  EXPECT_EQ(dialog->intMaximum(), 3);
  dialog->setIntValue(3);
  dialog->accept();
  EXPECT_EQ(w.currentPage(), 3);
  EXPECT_EQ(label(w), QStringLiteral("Página 3 de 3"));
}

TEST(PreviewWindowTest, PrintAsksWhichPagesAndAnswersOnce) {
  const Report r = threePages();
  FakePositions positions;
  PreviewWindow w(r, &positions);
  std::vector<PreviewDecision> answers;
  QObject::connect(&w, &PreviewWindow::decided, [&](const PreviewDecision& d) { answers.push_back(d); });
  w.show();
  find<QPushButton>(w, preview::kPrint)->click();
  auto* ask = find<AskPagesDialog>(w, preview::kAskPages);
  ASSERT_NE(ask, nullptr);
  EXPECT_EQ(ask->windowTitle(), QStringLiteral("Páginas a Imprimir"));

  // A list naming a page the report lacks is refused and the question stays.
  find<QLineEdit>(*ask, preview::kAskList)->setText(QStringLiteral("1,5"));
  find<QRadioButton>(*ask, preview::kAskRange)->setChecked(true);
  find<QPushButton>(*ask, preview::kAskOk)->click();
  EXPECT_TRUE(answers.empty());
  EXPECT_FALSE(find<QLabel>(*ask, preview::kAskError)->isHidden());

  find<QLineEdit>(*ask, preview::kAskList)->setText(QStringLiteral("1,3"));
  find<QPushButton>(*ask, preview::kAskOk)->click();
  ASSERT_EQ(answers.size(), 1u);
  EXPECT_EQ(answers[0], PreviewDecision::printing(*PageSelection::parse(QStringLiteral("1,3"), 3)));
  EXPECT_FALSE(w.isVisible());
  w.close();  // closing again answers nothing more
  EXPECT_EQ(answers.size(), 1u);
  EXPECT_EQ(positions.calls,
            (QStringList{QStringLiteral("restore _PreviewWindow_ ?PREVIEW"),
                         QStringLiteral("restore _PreviewAskPagesWindow_ ?ASKPAGES"),
                         QStringLiteral("save _PreviewAskPagesWindow_ ?ASKPAGES"),
                         QStringLiteral("save _PreviewWindow_ ?PREVIEW")}));
}

TEST(PreviewWindowTest, CancellingThePageQuestionKeepsThePreviewAndClosingLeaves) {
  const Report r = threePages();
  PreviewWindow w(r, nullptr);
  std::vector<PreviewDecision> answers;
  QObject::connect(&w, &PreviewWindow::decided, [&](const PreviewDecision& d) { answers.push_back(d); });
  w.show();
  w.goToPage(2);
  find<QPushButton>(w, preview::kPrint)->click();
  auto* ask = find<AskPagesDialog>(w, preview::kAskPages);
  find<QPushButton>(*ask, preview::kAskCancel)->click();
  EXPECT_TRUE(answers.empty());
  EXPECT_TRUE(w.isVisible());

  // The page on view can be chosen as well.
  QApplication::processEvents();  // let the cancelled question go
  find<QPushButton>(w, preview::kPrint)->click();
  ask = w.findChild<AskPagesDialog*>();
  ASSERT_NE(ask, nullptr);
  find<QRadioButton>(*ask, preview::kAskCurrent)->setChecked(true);
  ask->accept();
  ASSERT_EQ(answers.size(), 1u);
  EXPECT_EQ(answers[0].pages, PageSelection::range(2, 2));

  PreviewWindow other(r, nullptr);
  std::vector<PreviewDecision> left;
  QObject::connect(&other, &PreviewWindow::decided, [&](const PreviewDecision& d) { left.push_back(d); });
  other.show();
  other.close();
  ASSERT_EQ(left.size(), 1u);
  EXPECT_FALSE(left[0].print);
}

TEST(PreviewWindowTest, RunPreviewOnScreenWaitsForTheAnswer) {
  const Report r = threePages();
  QTimer::singleShot(0, [] {
    for (QWidget* top : QApplication::topLevelWidgets())
      if (auto* w = qobject_cast<PreviewWindow*>(top))
        w->findChild<QPushButton*>(QString::fromLatin1(preview::kExit))->click();
  });
  EXPECT_EQ(runPreview(r), PreviewDecision::leave());
}
