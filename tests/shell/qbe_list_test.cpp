// Query by example on a brand list: the form, the popup's saved queries, the
// filter the list reads through, and what the settings file keeps.
#include "runtime/choices.h"
#include "shell/qbe/list_query_by_example.h"
#include "shell/qbe/query_form.h"
#include "shell/qbe/query_form_names.h"
#include "tests/shell/browse/list_fixture.h"
#include "tests/shell/browse/test_declarations.h"

#include <QComboBox>
#include <QMenu>
#include <QTreeWidget>

using namespace bv;
using namespace bv::test;

namespace {

class QbeListTest : public ListTest {
 protected:
  QbeListTest() {
    installQueryByExample();
    brand(1, "ROJO MEDIO");
    brand(2, "AZUL ROJO");
    brand(3, "VERDE");
    brand(4, "Rojo Oscuro");
  }
  ~QbeListTest() override { setListQueryMaker({}); }

  static QStringList descriptions(const ListWindow& list) { return column(list, 1); }

  QueryForm* askQuery(ListWindow* list) {
    click(list, QStringLiteral("?Query"));
    return open<QueryForm>();
  }
  // Fills the form's editor and inserts the row.
  static void insert(QueryForm* form, const QString& field, const QString& op, const QString& value) {
    ASSERT_NE(form, nullptr);
    child<QComboBox>(form, qbe_names::kField)->setCurrentText(field);
    child<QComboBox>(form, qbe_names::kOperator)->setCurrentText(op);
    child<QLineEdit>(form, qbe_names::kValue)->setText(value);
    click(form, qbe_names::kInsert);
  }
  static QStringList entries(ListWindow* list) {
    QStringList out;
    const std::unique_ptr<QMenu> menu = list->popupMenu();
    for (QAction* a : menu->actions()) out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
  }
  void choose(ListWindow* list, const QString& text) {
    std::unique_ptr<QMenu> menu = list->popupMenu();
    for (QAction* a : menu->actions())
      if (a->text() == text) {
        a->trigger();
        testing_shell::settle();
        return;
      }
    ADD_FAILURE() << "no popup entry " << text.toStdString();
  }
};

}  // namespace

TEST_F(QbeListTest, TheFormsQueryFiltersTheListAndCancelLeavesItAsItWas) {
  ListWindow* list = openList(brandList());
  ASSERT_NE(list, nullptr);
  QueryForm* form = askQuery(list);
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->objectName(), "QBE-TestBrowseMarca");
  EXPECT_EQ(form->windowTitle(), "Query by Example Settings");
  EXPECT_FALSE(list->isEnabled() && frameOf(list)->isEnabled());
  insert(form, QStringLiteral("Descripcion"), QStringLiteral("Begins"), QStringLiteral("rojo"));
  auto* rows = child<QTreeWidget>(form, qbe_names::kList);
  ASSERT_EQ(rows->topLevelItemCount(), 1);
  EXPECT_EQ(rows->topLevelItem(0)->text(1), "Begins");
  click(form, qbe_names::kOk);

  EXPECT_EQ(list->reader().filter(ListReader::kQueryFilter), "SUB(UPPER(MAR:DESCRIPCION),1,4) = 'ROJO'");
  EXPECT_EQ(descriptions(*list), (QStringList{"ROJO MEDIO", "Rojo Oscuro"}));
  // Every sort order reads through it.
  list->setCurrentOrder(1);
  EXPECT_EQ(descriptions(*list), (QStringList{"ROJO MEDIO", "Rojo Oscuro"}));
  // The form kept its placement in its own section.
  EXPECT_EQ(settings.fetch(QStringLiteral("QBE-TestBrowseMarca"), QStringLiteral("Maximize")), "No");

  form = askQuery(list);
  ASSERT_NE(form, nullptr);
  ASSERT_EQ(child<QTreeWidget>(form, qbe_names::kList)->topLevelItemCount(), 1);  // the query as applied
  insert(form, QStringLiteral("Codigo"), QStringLiteral(">="), QStringLiteral("3"));
  click(form, qbe_names::kCancel);
  EXPECT_EQ(descriptions(*list), (QStringList{"ROJO MEDIO", "Rojo Oscuro"}));

  form = askQuery(list);
  insert(form, QStringLiteral("Codigo"), QStringLiteral(">="), QStringLiteral("3"));
  click(form, qbe_names::kOk);
  EXPECT_EQ(descriptions(*list), QStringList{"Rojo Oscuro"});

  form = askQuery(list);
  click(form, qbe_names::kClear);
  EXPECT_EQ(list->reader().filter(ListReader::kQueryFilter), "");
  EXPECT_EQ(descriptions(*list).size(), 4);
}

TEST_F(QbeListTest, AValueThatCannotBeEvaluatedRaisesMessage41AndKeepsTheForm) {
  ListWindow* list = openList(brandList());
  QueryForm* form = askQuery(list);
  insert(form, QStringLiteral("Codigo"), QStringLiteral("="), QStringLiteral("abc"));
  EXPECT_TRUE(titles().contains("Error en Consulta"));
  const MessageBox& box = script.shown().back();
  EXPECT_EQ(box.text(), "El valor ingresado para Codigo no puede ser evaluado: =abc.");
  EXPECT_EQ(child<QTreeWidget>(form, qbe_names::kList)->topLevelItemCount(), 0);
  EXPECT_EQ(open<QueryForm>(), form);
  click(form, qbe_names::kOk);  // an empty query
  EXPECT_EQ(descriptions(*list).size(), 4);
}

TEST_F(QbeListTest, SavedQueriesShowInThePopupAndSurviveARestart) {
  ListWindow* list = openList(brandList());
  EXPECT_EQ(entries(list), (QStringList{"&Nuevo", "&Editar", "&Borrar", "-", "Empty", "-", "C&lear", "&Filtro", "-",
                                        "&Toolbox"}));

  QueryForm* form = askQuery(list);
  insert(form, QStringLiteral("Descripcion"), QStringLiteral("Contains"), QStringLiteral("rojo"));
  child<QLineEdit>(form, qbe_names::kQueryName)->setText(QStringLiteral("Rojos & más"));
  click(form, qbe_names::kSave);
  click(form, qbe_names::kClear);
  EXPECT_EQ(descriptions(*list).size(), 4);

  form = askQuery(list);
  insert(form, QStringLiteral("Codigo"), QStringLiteral("<"), QStringLiteral("3"));
  child<QLineEdit>(form, qbe_names::kQueryName)->setText(QStringLiteral("Primeros"));
  click(form, qbe_names::kSave);
  click(form, qbe_names::kCancel);

  EXPECT_EQ(entries(list).mid(3, 6),
            (QStringList{"-", "  Primeros", "  Rojos && más", "-", "C&lear", "&Filtro"}));
  choose(list, QStringLiteral("  Rojos && más"));
  EXPECT_EQ(descriptions(*list), (QStringList{"AZUL ROJO", "ROJO MEDIO", "Rojo Oscuro"}));
  choose(list, QStringLiteral("C&lear"));
  EXPECT_EQ(descriptions(*list).size(), 4);

  // The form's saved queries tab loads one into the query.
  form = askQuery(list);
  EXPECT_EQ(child<QLineEdit>(form, qbe_names::kQueryName)->text(), "Rojos & más");  // used last
  auto* saved = child<QTreeWidget>(form, qbe_names::kSaved);
  ASSERT_EQ(saved->topLevelItemCount(), 2);
  saved->setCurrentItem(saved->topLevelItem(1));
  click(form, qbe_names::kLoad);
  click(form, qbe_names::kOk);
  EXPECT_EQ(descriptions(*list), (QStringList{"AZUL ROJO", "ROJO MEDIO", "Rojo Oscuro"}));
  EXPECT_EQ(settings.fetch(QStringLiteral("TestBrowseMarca"), QStringLiteral("LastQuery")), "Rojos & más");
  frameOf(list)->close();
  testing_shell::settle();

  // The program ends and starts again.
  Settings::global().close();
  ASSERT_TRUE(Settings::global().open(QStringLiteral("bravent.INI")));
  list = openList(brandList());
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(descriptions(*list).size(), 4);  // a list's query lives as long as its window
  choose(list, QStringLiteral("  Primeros"));
  EXPECT_EQ(descriptions(*list), (QStringList{"AZUL ROJO", "ROJO MEDIO"}));

  form = askQuery(list);
  saved = child<QTreeWidget>(form, qbe_names::kSaved);
  saved->setCurrentItem(saved->topLevelItem(0));
  click(form, qbe_names::kDeleteSaved);
  click(form, qbe_names::kCancel);
  EXPECT_EQ(entries(list).mid(3, 3), (QStringList{"-", "  Rojos && más", "-"}));
}

TEST_F(QbeListTest, WithoutAScreenTheQueryIsAnsweredThroughTheChoices) {
  installQueryByExample(false);
  ListWindow* list = openList(brandList());
  ScriptedChoices answers;
  ChoicesScope scope(answers);
  answers.answer(ListQueryByExample::kChoiceId, QStringLiteral("Codigo:>=2|Codigo:<=3"));
  click(list, QStringLiteral("?Query"));
  EXPECT_EQ(list->reader().filter(ListReader::kQueryFilter), "(UPPER(MAR:CODIGO) >= 2) AND (UPPER(MAR:CODIGO) <= 3)");
  EXPECT_EQ(descriptions(*list), (QStringList{"AZUL ROJO", "VERDE"}));

  answers.answer(ListQueryByExample::kChoiceId, std::nullopt);  // cancelled
  click(list, QStringLiteral("?Query"));
  EXPECT_EQ(descriptions(*list).size(), 2);
  EXPECT_EQ(answers.asked().back().defaultValue, "Codigo:>=2|Codigo:<=3");

  answers.answer(ListQueryByExample::kChoiceId, QString());
  click(list, QStringLiteral("?Query"));
  EXPECT_EQ(descriptions(*list).size(), 4);
}
