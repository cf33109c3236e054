#include "runtime/message_box.h"
#include "runtime/message_presenter.h"
#include "runtime/scripted_presenter.h"
#include "runtime/stderr_presenter.h"

#include <QTextStream>
#include <gtest/gtest.h>

using namespace bv;

namespace {
QStringList captions(const MessageBox& box) {
  QStringList out;
  for (const MessageButton& b : box.buttons()) out << b.caption;
  return out;
}
}  // namespace

TEST(MessageBox, BitSetGivesStandardButtonsInOrder) {
  const MessageBox yesNo("t", "T", MessageIcon::Exclamation, kButtonYes | kButtonNo, kButtonNo);
  EXPECT_EQ(captions(yesNo), QStringList({"&SI", "&NO"}));
  EXPECT_EQ(yesNo.buttons()[1].value, 4);
  EXPECT_EQ(yesNo.defaultIndex(), 1);

  const MessageBox all("t", "T", MessageIcon::None, 255);
  EXPECT_EQ(captions(all), QStringList({"Aceptar", "&SI", "&NO", "&Abortar", "&Reitentar",
                                        "&Ignorar", "Cancelar", "&Ayuda"}));
  ASSERT_EQ(all.rows().size(), 2);
  EXPECT_EQ(all.rows()[0].size(), 4);
  EXPECT_EQ(all.rows()[1].front().caption, "&Reitentar");
  EXPECT_EQ(all.rows()[1].back().value, 128);
  EXPECT_EQ(all.defaultIndex(), 0);  // no default given: the first

  const MessageBox none("t", "T", MessageIcon::None, 0, 64);
  ASSERT_EQ(none.buttons().size(), 1);
  EXPECT_EQ(none.buttons()[0], (MessageButton{"Aceptar", 1}));
  EXPECT_EQ(none.defaultIndex(), 0);  // a default no button has falls back to the first
}

TEST(MessageBox, CaptionsAnswerPositions) {
  const MessageBox box("t", "T", MessageIcon::None, QString("Uno|Dos|Tres"), 2);
  EXPECT_EQ(captions(box), QStringList({"Uno", "Dos", "Tres"}));
  EXPECT_EQ(box.defaultButton(), (MessageButton{"Dos", 2}));
  EXPECT_EQ(box.valueOf("Tres"), 3);
  EXPECT_FALSE(box.valueOf("Cuatro"));
  EXPECT_EQ(box.rows().size(), 1);

  const MessageBox many("t", "T", MessageIcon::None, QString("1|2|3|4|5|6|7|8|9|10"), 9);
  EXPECT_EQ(many.buttons().size(), 8);
  EXPECT_EQ(many.defaultIndex(), 0);

  const MessageBox empty("t", "T", MessageIcon::None, QString(), 0);
  EXPECT_EQ(captions(empty), QStringList({"Aceptar"}));
  EXPECT_EQ(empty.buttons()[0].value, 1);
}

TEST(MessageBox, TextSplitsIntoLinesAtBar) {
  EXPECT_EQ(MessageBox("una línea", "", MessageIcon::None, 1).lines().size(), 1);
  EXPECT_EQ(MessageBox("primera|segunda", "", MessageIcon::None, 1).lines(),
            QStringList({"primera", "segunda"}));
  EXPECT_EQ(MessageBox("x", "", MessageIcon::Information, 1).textIndent(),
            MessageBox::kIconWidth + 10);
  EXPECT_EQ(MessageBox("x", "", MessageIcon::None, 1).textIndent(), 0);
}

TEST(MessagePresenter, ScriptedAnswersAndRecordsBoxes) {
  ScriptedPresenter script;
  PresenterScope scope(script);
  script.answer("&NO");
  script.answer(3);
  script.answer("&Ayuda");  // not on the next box: a miss, answered by default

  EXPECT_EQ(showMessage("¿Seguro?", "Pregunta", MessageIcon::Exclamation, 6, 2), 4);
  EXPECT_EQ(showMessage("Elija", "", MessageIcon::None, QString("Uno|Dos|Tres"), 1), 3);
  EXPECT_EQ(showMessage("Aviso", "", MessageIcon::None, 6, 2), 2);
  EXPECT_EQ(showMessage("Otro"), 1);  // queue empty: the default button

  ASSERT_EQ(script.shown().size(), 4u);
  EXPECT_EQ(script.shown()[0].title(), "Pregunta");
  EXPECT_EQ(script.misses(), QStringList({"&Ayuda"}));
}

TEST(MessagePresenter, ScopeRestoresThePreviousPresenter) {
  ScriptedPresenter outer, inner;
  PresenterScope a(outer);
  {
    PresenterScope b(inner);
    showMessage("dentro");
  }
  showMessage("fuera");
  EXPECT_EQ(inner.shown().size(), 1u);
  ASSERT_EQ(outer.shown().size(), 1u);
  EXPECT_EQ(outer.shown()[0].text(), "fuera");
}

TEST(StderrPresenter, WritesOneLineAndAnswersTheDefault) {
  QString captured;
  QTextStream stream(&captured);
  StderrPresenter presenter(stream);
  PresenterScope scope(presenter);

  EXPECT_EQ(showMessage("Línea uno|Línea dos", "Aviso", MessageIcon::Information, 1), 1);
  EXPECT_EQ(showMessage("¿Guardar?", "Guardar Registro", MessageIcon::Exclamation, 6, 2), 2);
  EXPECT_EQ(showMessage("Sin título", "", MessageIcon::None, QString("A|B"), 2), 2);
  EXPECT_EQ(captured,
            "Aviso: Línea uno / Línea dos\n"
            "Guardar Registro: ¿Guardar?\n"
            "Sin título\n");
}

TEST(StderrPresenter, RepeatingQuestionsAreAnsweredNo) {
  QString captured;
  QTextStream stream(&captured);
  StderrPresenter presenter(stream);
  for (const char* title : {"Error AutoNumeración", "Error en Borrar Registro",
                            "Error al Actualizar", "Comienzo de Archivo",
                            "Error Fin de Archivo"}) {
    EXPECT_EQ(presenter.present(MessageBox("¿Otra vez?", title, MessageIcon::Exclamation, 6, 2)),
              4)
        << title;
  }
  // The "&NO" of captions is its position.
  EXPECT_EQ(presenter.present(
                MessageBox("x", "Error al Actualizar", MessageIcon::None, QString("&SI|&NO"), 1)),
            2);
  // Without a "&NO" button the default stands.
  EXPECT_EQ(presenter.present(MessageBox("x", "Error al Actualizar", MessageIcon::None, 1)), 1);
  EXPECT_EQ(captured.count('\n'), 7);
}
