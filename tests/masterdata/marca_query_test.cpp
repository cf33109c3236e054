// The brand list's "&Filtros": a query typed in the form narrows the list, is
// saved under "BrowseMarca" and is there again after the program restarts.
#include "masterdata/marca/marca_windows.h"
#include "shell/qbe/list_query_by_example.h"
#include "shell/qbe/query_form.h"
#include "shell/qbe/query_form_names.h"
#include "tests/shell/browse/list_fixture.h"

#include <QComboBox>
#include <QMenu>

using namespace bv;
using namespace bv::test;

namespace {

class MarcaQueryTest : public ListTest {
 protected:
  MarcaQueryTest() { installQueryByExample(); }
  ~MarcaQueryTest() override { setListQueryMaker({}); }

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

TEST_F(MarcaQueryTest, AQueryFiltersIsSavedAndIsRecalledAfterARestart) {
  brand(1, "ROJO MEDIO");
  brand(2, "AZUL");
  brand(3, "Bordo rojizo");
  ListWindow* list = openList(marca::browseMarca());
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->rows().size(), 3u);

  click(list, QStringLiteral("?Query"));
  auto* form = open<QueryForm>();
  ASSERT_NE(form, nullptr);
  child<QComboBox>(form, qbe_names::kField)->setCurrentText(QStringLiteral("Descripcion"));
  child<QComboBox>(form, qbe_names::kOperator)->setCurrentText(QStringLiteral("Contains"));
  child<QLineEdit>(form, qbe_names::kValue)->setText(QStringLiteral("roj"));
  click(form, qbe_names::kInsert);
  child<QLineEdit>(form, qbe_names::kQueryName)->setText(QStringLiteral("Rojos"));
  click(form, qbe_names::kSave);
  click(form, qbe_names::kOk);
  EXPECT_EQ(column(*list, 1), (QStringList{"Bordo rojizo", "ROJO MEDIO"}));
  choose(list, QStringLiteral("C&lear"));
  EXPECT_EQ(list->rows().size(), 3u);
  frameOf(list)->close();
  testing_shell::settle();

  Settings::global().close();
  ASSERT_TRUE(Settings::global().open(QStringLiteral("bravent.INI")));
  EXPECT_EQ(settings.fetch(QStringLiteral("BrowseMarca"), QStringLiteral("LastQuery")), "Rojos");
  list = openList(marca::browseMarca());
  ASSERT_NE(list, nullptr);
  choose(list, QStringLiteral("  Rojos"));
  EXPECT_EQ(column(*list, 1), (QStringList{"Bordo rojizo", "ROJO MEDIO"}));
  EXPECT_EQ(list->reader().filter(ListReader::kQueryFilter), "INSTRING('ROJ',UPPER(MAR:DESCRIPCION),1,1) <> 0");
}
