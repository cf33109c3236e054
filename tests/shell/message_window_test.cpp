#include "shell/message_window.h"
#include "shell_test_support.h"

#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <gtest/gtest.h>

using namespace bv;
using namespace bv::testing_shell;

namespace {

QStringList lineTexts(const MessageWindow& w) {
  QStringList texts;
  for (int i = 1; auto* l = w.findChild<QLabel*>(QStringLiteral("?LINE%1").arg(i)); ++i) texts << l->text();
  return texts;
}

QStringList captions(const MessageWindow& w) {
  QStringList texts;
  for (int i = 0; w.button(i); ++i) texts << w.button(i)->text();
  return texts;
}

// Shows the window laid out (without waiting for it) for geometry checks.
struct Shown {
  MessageWindow window;
  explicit Shown(MessageBox box) : window(std::move(box)) {
    window.show();
    QCoreApplication::processEvents();
  }
};

void press(QWidget& w, int key) {
  QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(&w, &down);
}

}  // namespace

TEST(MessageWindow, SplitsTheTextIntoLinesAndGrowsWithThem) {
  Shown one(MessageBox(QStringLiteral("Una sola línea"), {}, MessageIcon::None, kButtonOk));
  EXPECT_EQ(lineTexts(one.window), QStringList{"Una sola línea"});

  Shown three(MessageBox(QStringLiteral("Uno|Dos|Tres"), QStringLiteral("Título"),
                         MessageIcon::None, kButtonOk));
  EXPECT_EQ(lineTexts(three.window), (QStringList{"Uno", "Dos", "Tres"}));
  EXPECT_EQ(three.window.windowTitle(), "Título");
  EXPECT_GT(three.window.height(), one.window.height());
  // Lines are shown one under the other.
  auto* l1 = three.window.findChild<QLabel*>("?LINE1");
  auto* l2 = three.window.findChild<QLabel*>("?LINE2");
  EXPECT_GT(l2->y(), l1->y());
  EXPECT_EQ(l2->x(), l1->x());

  Shown wide(MessageBox(QStringLiteral("Corta|") + QString(60, u'x'), {}, MessageIcon::None, kButtonOk));
  EXPECT_GT(wide.window.width(), one.window.width());
  EXPECT_GE(wide.window.findChild<QLabel*>("?LINE2")->width(),
            wide.window.fontMetrics().horizontalAdvance(QString(60, u'x')));
}

TEST(MessageWindow, ALineTooLongForTheWindowBelowWrapsAndNothingIsCut) {
  QWidget frame;
  frame.resize(420, 300);
  frame.show();
  const QString words = QStringLiteral("El valor ingresado no puede ser evaluado ").repeated(6).trimmed();
  const QString word = QString(150, u'x');
  MessageWindow window(MessageBox(words + u'|' + word, {}, MessageIcon::Exclamation, kButtonOk), &frame);
  window.show();
  QCoreApplication::processEvents();
  EXPECT_LE(window.frameGeometry().width(), frame.width());
  for (const char* name : {"?LINE1", "?LINE2"}) {
    auto* line = window.findChild<QLabel*>(QString::fromLatin1(name));
    ASSERT_NE(line, nullptr);
    EXPECT_GT(line->height(), 2 * window.fontMetrics().height()) << name;  // several rows
    EXPECT_LE(line->x() + line->width(), window.width());
  }
  // The rows hold the whole text: breaks stand where blanks were, or inside a
  // word too long for a row.
  QString first = window.findChild<QLabel*>("?LINE1")->text();
  EXPECT_EQ(first.replace(u'\n', u' '), words);
  EXPECT_EQ(window.findChild<QLabel*>("?LINE2")->text().remove(u'\n'), word);
}

TEST(MessageWindow, IconMovesTheTextRightByItsWidthAndTheGap) {
  Shown plain(MessageBox(QStringLiteral("Texto"), {}, MessageIcon::None, kButtonOk));
  EXPECT_EQ(plain.window.findChild<QLabel*>("?ICON"), nullptr);

  for (MessageIcon icon : {MessageIcon::Exclamation, MessageIcon::Information}) {
    Shown with(MessageBox(QStringLiteral("Texto"), {}, icon, kButtonOk));
    auto* iconLabel = with.window.findChild<QLabel*>("?ICON");
    ASSERT_NE(iconLabel, nullptr);
    EXPECT_FALSE(iconLabel->pixmap().isNull());
    EXPECT_EQ(iconLabel->width(), MessageBox::kIconWidth);
    auto* line = with.window.findChild<QLabel*>("?LINE1");
    EXPECT_EQ(line->x() - iconLabel->x(), MessageBox::kIconWidth + MessageBox::kIconTextGap);
  }
}

TEST(MessageWindow, ButtonsFromBitsOrCaptionsInCentredRowsOfFour) {
  Shown yesNo(MessageBox(QStringLiteral("¿Seguro?"), {}, MessageIcon::Exclamation, kButtonYes | kButtonNo));
  EXPECT_EQ(captions(yesNo.window), (QStringList{"&SI", "&NO"}));

  Shown none(MessageBox(QStringLiteral("x"), {}, MessageIcon::None, QString()));
  EXPECT_EQ(captions(none.window), QStringList{"Aceptar"});

  Shown all(MessageBox(QStringLiteral("Todos"), {}, MessageIcon::None, 255));
  EXPECT_EQ(captions(all.window), (QStringList{"Aceptar", "&SI", "&NO", "&Abortar", "&Reitentar",
                                               "&Ignorar", "Cancelar", "&Ayuda"}));
  const MessageWindow& w = all.window;
  for (int i = 1; i < 4; ++i) {
    EXPECT_EQ(w.button(i)->y(), w.button(0)->y());
    EXPECT_EQ(w.button(i)->x() - w.button(i - 1)->geometry().right() - 1, MessageBox::kButtonGap);
  }
  EXPECT_GT(w.button(4)->y(), w.button(0)->y());
  EXPECT_EQ(w.button(4)->y() - w.button(0)->geometry().bottom() - 1, MessageBox::kButtonGap);
  EXPECT_EQ(w.button(4)->x(), w.button(0)->x());

  // A short row is centred under the text.
  Shown six(MessageBox(QString(80, u'x'), {}, MessageIcon::None, QStringLiteral("1|2|3|4|5|6")));
  const int left = six.window.button(4)->x();
  const int right = six.window.width() - six.window.button(5)->geometry().right() - 1;
  EXPECT_LE(std::abs(left - right), 1);
  EXPECT_GT(six.window.button(4)->x(), six.window.button(0)->x());
}

TEST(MessageWindow, DefaultButtonByValueOrPosition) {
  Shown byValue(MessageBox(QStringLiteral("x"), {}, MessageIcon::None, kButtonYes | kButtonNo, kButtonNo));
  EXPECT_FALSE(byValue.window.button(0)->isDefault());
  EXPECT_TRUE(byValue.window.button(1)->isDefault());

  Shown first(MessageBox(QStringLiteral("x"), {}, MessageIcon::None, kButtonYes | kButtonNo));
  EXPECT_TRUE(first.window.button(0)->isDefault());

  Shown byPosition(MessageBox(QStringLiteral("x"), {}, MessageIcon::None, QStringLiteral("Uno|Dos|Tres"), 3));
  EXPECT_TRUE(byPosition.window.button(2)->isDefault());
}

TEST(MessageWindow, AnswersTheValueOrPositionOfThePressedButton) {
  QtMessagePresenter presenter;
  PresenterScope scope(presenter);

  QPoint centre;
  whenMessageShown([&](MessageWindow& w) {
    centre = w.frameGeometry().center();
    buttonCaptioned(w, QStringLiteral("&NO"))->click();
  });
  EXPECT_EQ(showMessage(QStringLiteral("¿Borrar?"), QStringLiteral("Confirmar"), MessageIcon::Exclamation,
                        kButtonYes | kButtonNo, kButtonYes),
            kButtonNo);
  // The window is centred on the screen.
  EXPECT_LE((centre - QGuiApplication::primaryScreen()->availableGeometry().center()).manhattanLength(), 2);

  pressInNextMessage(QStringLiteral("&Reitentar"));
  EXPECT_EQ(showMessage(QStringLiteral("x"), {}, MessageIcon::None, kButtonAbort | kButtonRetry | kButtonIgnore),
            kButtonRetry);

  pressInNextMessage(QStringLiteral("Dos"));
  EXPECT_EQ(showMessage(QStringLiteral("x"), {}, MessageIcon::None, QStringLiteral("Uno|Dos|Tres")), 2);

  // Enter presses the default button.
  whenMessageShown([](MessageWindow& w) { press(w, Qt::Key_Return); });
  EXPECT_EQ(showMessage(QStringLiteral("x"), {}, MessageIcon::None, QStringLiteral("Uno|Dos|Tres"), 3), 3);
}

TEST(MessageWindow, EscapeAnswersOnlyACancellingButton) {
  QtMessagePresenter presenter;
  PresenterScope scope(presenter);

  whenMessageShown([](MessageWindow& w) { press(w, Qt::Key_Escape); });
  EXPECT_EQ(showMessage(QStringLiteral("¿Seguro?"), {}, MessageIcon::Exclamation, kButtonYes | kButtonNo), kButtonNo);

  whenMessageShown([](MessageWindow& w) { press(w, Qt::Key_Escape); });
  EXPECT_EQ(showMessage(QStringLiteral("Aviso"), {}, MessageIcon::Information, kButtonOk), kButtonOk);

  // Three captions: Escape leaves the question open until a button is pressed.
  whenMessageShown([](MessageWindow& w) {
    press(w, Qt::Key_Escape);
    EXPECT_TRUE(w.isVisible());
    buttonCaptioned(w, QStringLiteral("Tres"))->click();
  });
  EXPECT_EQ(showMessage(QStringLiteral("x"), {}, MessageIcon::None, QStringLiteral("Uno|Dos|Tres")), 3);
}
