// The layout window on the offscreen platform, driven through its controls by
// name: its titles and tabs, the list drawn at the scale of the page with its
// sample row, the "Formato" buttons and their windows, the page properties,
// fitting and accepting, with every message, title and beep.
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <gtest/gtest.h>

#include "kalrep/beep.h"
#include "kalrep/column_list_view.h"
#include "kalrep/layout_messages.h"
#include "kalrep/layout_window.h"
#include "kalrep_test_support.h"
#include "runtime/scripted_presenter.h"
#include "storage/settings/settings.h"

namespace bv::test {
namespace {

class LayoutWindowTest : public ::testing::Test {
 protected:
  // Text columns of the given widths (headings "Col1", ...) on A4.
  void columns(std::initializer_list<int> widths, bool withPage = true,
               const char* orientation = "V") {
    m.INIT(QStringLiteral("TEST:Ventana"), ini());
    m.layout().init(ini(), QStringLiteral("TEST:Ventana"), m.MYPICTUREQUEUE, withPage);
    int n = 0;
    for (int w : widths)
      m.ADDFIELD(text, QStringLiteral("@s10"), QStringLiteral("L"),
                 QStringLiteral("Col%1").arg(++n), kal::Short(w));
    m.layout().KAL_TIPO_HOJA_AUX = 9;
    m.layout().KAL_HORIZONTAL = QString::fromLatin1(orientation);
    m.layout().WITHWINDOW = 1;
  }
  LayoutWindow& open() {
    window = std::make_unique<LayoutWindow>(m.layout());
    return *window;
  }
  template <typename T = QWidget>
  T* find(const char* name, QWidget* in = nullptr) {
    T* w = (in ? in : window.get())->findChild<T*>(QString::fromLatin1(name));
    EXPECT_TRUE(w) << name;
    return w;
  }
  void click(const char* name, QWidget* in = nullptr) {
    if (auto* b = find<QAbstractButton>(name, in)) b->click();
  }
  ColumnListView& list() { return *find<ColumnListView>("?LISTA"); }
  std::vector<int> widths() const {
    std::vector<int> out;
    for (const ColumnDescriptor& c : m.MYPICTUREQUEUE) out.push_back(c.ANCHO);
    return out;
  }
  QStringList headings() {
    QStringList out;
    for (int i = 0; i < list().columnCount(); ++i) out << list().horizontalHeaderItem(i)->text();
    return out;
  }
  QString ini() const { return dir.filePath(QStringLiteral("bravent.INI")); }
  QString stored(const char* key) const {
    Settings s;
    s.open(ini());
    return s.tryFetch(QStringLiteral("KAL_AUTOCOL_TEST:Ventana"), QString::fromLatin1(key));
  }
  QStringList messageTexts() const {
    QStringList out;
    for (const MessageBox& b : messages.shown()) out << b.text();
    return out;
  }

  QTemporaryDir dir;
  KExpManager m;
  QString text;
  ScriptedPresenter messages;
  PresenterScope scope{messages};
  BeepCounter beeps;
  std::unique_ptr<LayoutWindow> window;
};

TEST_F(LayoutWindowTest, TitleAndTabsFollowTheKindOfOutput) {
  columns({40, 40});
  open();
  EXPECT_EQ(window->objectName(), QStringLiteral("KALWINDOWSETEO"));
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Selección de Columnas a Imprimir"));
  auto* tabs = find<QTabWidget>("?SHEET");
  ASSERT_EQ(tabs->count(), 3);
  EXPECT_EQ(tabs->tabText(0), QStringLiteral("Formato"));
  EXPECT_EQ(tabs->tabText(1), QStringLiteral("Propiedades"));
  EXPECT_TRUE(tabs->isTabVisible(1));
  EXPECT_FALSE(tabs->isTabVisible(2));

  KExpManager files;
  QString t;
  files.INIT(QStringLiteral("TEST:Archivo"), ini());
  files.layout().init(ini(), QStringLiteral("TEST:Archivo"), files.MYPICTUREQUEUE, false);
  files.ADDFIELD(t, QStringLiteral("@s5"), QStringLiteral("L"), QStringLiteral("A"), 40);
  files.layout().KAL_TITULO = QStringLiteral("Listado");
  LayoutWindow exportWindow(files.layout());
  EXPECT_EQ(exportWindow.windowTitle(), QString::fromUtf8("Selección de Columnas a Exportar"));
  auto* fileTabs = exportWindow.findChild<QTabWidget*>(QStringLiteral("?SHEET"));
  EXPECT_FALSE(fileTabs->isTabVisible(1));
  EXPECT_TRUE(fileTabs->isTabVisible(2));
  EXPECT_EQ(fileTabs->tabText(2), QStringLiteral("Propiedades"));
  auto* fileTitle = exportWindow.findChild<QLineEdit*>(QStringLiteral("?KAL_TITULO:2"));
  ASSERT_TRUE(fileTitle);
  EXPECT_EQ(fileTitle->text(), QStringLiteral("Listado"));
  fileTitle->setText(QStringLiteral("Otro"));
  emit fileTitle->textEdited(QStringLiteral("Otro"));
  EXPECT_EQ(files.layout().KAL_TITULO, QStringLiteral("Otro"));
  exportWindow.findChild<QCheckBox*>(QStringLiteral("?KAL_FECHA_SI:2"))->click();
  EXPECT_EQ(files.layout().KAL_FECHA_SI, 1);
}

TEST_F(LayoutWindowTest, TheListIsDrawnAtTheScaleOfThePageWithASampleRow) {
  Clock::fix(Date::fromYmd(2026, 3, 9), Time::fromHms(14, 5, 0));
  m.INIT(QStringLiteral("TEST:Ventana"), ini());
  m.layout().init(ini(), QStringLiteral("TEST:Ventana"), m.MYPICTUREQUEUE, true);
  QString code;
  Decimal weight;
  Date day;
  Time hour;
  m.ADDFIELD(code, QStringLiteral("@s6"), QStringLiteral("L"), QStringLiteral("Codigo"), 40);
  m.ADDFIELD(weight, QStringLiteral("@n8.4"), QStringLiteral("R"), QStringLiteral("Peso"), 44);
  m.ADDFIELD(day, QStringLiteral("@d6"), QStringLiteral("C"), QStringLiteral("Fecha"), 50);
  m.ADDFIELD(hour, QStringLiteral("@t3"), QStringLiteral("L"), QStringLiteral("Hora"), 30);
  m.ADDFIELD(code, QStringLiteral("@p##-##p"), QStringLiteral("L"), QStringLiteral("Patron"), 30);
  m.layout().KAL_TIPO_HOJA_AUX = 9;
  m.layout().KAL_HORIZONTAL = QStringLiteral("V");
  m.MYPICTUREQUEUE[4].ORDEN = 0;  // hidden: not drawn
  m.MYPICTUREQUEUE[0].ORDEN = 2;  // the code after the weight
  m.MYPICTUREQUEUE[1].ORDEN = 1;
  open();
  Clock::clear();

  ColumnListView& l = list();
  EXPECT_EQ(headings(), QStringList({"Peso", "Codigo", "Fecha", "Hora"}));
  ASSERT_EQ(l.rowCount(), 1);
  EXPECT_EQ(l.item(0, 0)->text(), QStringLiteral("  0.0000"));
  EXPECT_EQ(l.item(0, 1)->text(), QStringLiteral("XXXXXX"));
  EXPECT_EQ(l.item(0, 2)->text(), QStringLiteral("09/03/2026"));
  EXPECT_EQ(l.item(0, 3)->text(), QStringLiteral("14:05"));
  EXPECT_TRUE(l.item(0, 0)->textAlignment() & Qt::AlignRight);
  EXPECT_TRUE(l.horizontalHeaderItem(2)->textAlignment() & Qt::AlignHCenter);
  // A4 portrait with no width: the largest, 146 mm, is 367 list units wide.
  EXPECT_EQ(m.layout().KAL_ANCHO, 146);
  EXPECT_EQ(l.width(), l.pixelsOf(367) + 2 * l.frameWidth());
  EXPECT_EQ(l.columnWidth(0), l.pixelsOf(44));
  EXPECT_EQ(l.selectedIndex(), 0);  // the first column is selected
  EXPECT_EQ(l.horizontalHeader()->sectionResizeMode(0), QHeaderView::Interactive);
}

TEST_F(LayoutWindowTest, TheFirstUseStoresTheDefaultLayoutAndTheNextShowsIt) {
  columns({40, 50, 60});
  open();
  EXPECT_EQ(stored("reporte_DEFAULT"), QStringLiteral("SI"));
  EXPECT_EQ(stored("reporte_KAL_POR_DEFECTO"), QStringLiteral("1,2,3"));
  EXPECT_EQ(stored("reporte_H_KAL_POR_DEFECTO"), QStringLiteral("40,50,60"));
  // Paper and width are stored as the window shows them.
  EXPECT_EQ(stored("reporte_O_KAL_POR_DEFECTO"), QStringLiteral("9,,146,0,0,0,V,0"));

  // The user saves another default under the same name; no question is asked.
  list().selectIndex(0);
  click("?DERECHA");
  click("?GUARDAR");
  auto* save = find<QDialog>("KALDOGUARDARCAMPOWINDOW");
  find<QLineEdit>("?NOMBRE", save)->setText(QStringLiteral("KAL_POR_DEFECTO"));
  click("?ACEPTAR", save);
  EXPECT_TRUE(messages.shown().empty());
  EXPECT_EQ(stored("reporte_KAL_POR_DEFECTO"), QStringLiteral("2,1,3"));
  window.reset();

  KExpManager next;
  QString t;
  next.INIT(QStringLiteral("TEST:Ventana"), ini());
  next.layout().init(ini(), QStringLiteral("TEST:Ventana"), next.MYPICTUREQUEUE, true);
  for (int i = 1; i <= 3; ++i)
    next.ADDFIELD(t, QStringLiteral("@s5"), QStringLiteral("L"), QStringLiteral("C%1").arg(i), 10);
  LayoutWindow again(next.layout());
  EXPECT_EQ(next.MYPICTUREQUEUE[0].ORDEN, 2);
  EXPECT_EQ(next.MYPICTUREQUEUE[1].ORDEN, 1);
  EXPECT_EQ(next.MYPICTUREQUEUE[2].ANCHO, 60);  // the stored widths, not the caller's
}

TEST_F(LayoutWindowTest, MovingAtEitherEndChangesNothingAndTheSelectionFollows) {
  columns({40, 50, 60});
  open();
  list().selectIndex(0);
  click("?IZQUIERDA");
  EXPECT_EQ(headings(), QStringList({"Col1", "Col2", "Col3"}));
  list().selectIndex(2);
  click("?DERECHA");
  EXPECT_EQ(headings(), QStringList({"Col1", "Col2", "Col3"}));
  EXPECT_EQ(list().selectedIndex(), 2);

  // A width the user dragged is kept across the move.
  list().setColumnWidth(1, list().pixelsOf(70));
  list().selectIndex(1);
  click("?IZQUIERDA");
  EXPECT_EQ(headings(), QStringList({"Col2", "Col1", "Col3"}));
  EXPECT_EQ(list().selectedIndex(), 0);
  EXPECT_EQ(m.MYPICTUREQUEUE[1].ANCHO, 70);
  click("?DERECHA");
  click("?DERECHA");
  EXPECT_EQ(headings(), QStringList({"Col1", "Col3", "Col2"}));
  EXPECT_EQ(list().selectedIndex(), 2);
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(LayoutWindowTest, HidingTheLastVisibleColumnIsRefusedAndShowingBringsColumnsBack) {
  columns({40, 50, 60});
  open();
  list().selectIndex(1);
  click("?OCULTAR");
  list().selectIndex(0);
  click("?OCULTAR");
  EXPECT_EQ(headings(), QStringList({"Col3"}));
  click("?OCULTAR");
  EXPECT_EQ(headings(), QStringList({"Col3"}));
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text(), QStringLiteral("No se pueden ocultar todos los campos."));
  EXPECT_EQ(messages.shown()[0].title(), QString::fromUtf8("Atención !"));
  EXPECT_EQ(messages.shown()[0].buttons().size(), 1);

  // "Mostrar" lists the hidden headings sorted; the chosen one comes back last.
  click("?MOSTRAR");
  auto* select = find<QDialog>("KALSELECTCAMPOWINDOW");
  EXPECT_EQ(select->windowTitle(), QStringLiteral("Campo a mostrar"));
  auto* choices = find<QListWidget>("?LISTA", select);
  ASSERT_EQ(choices->count(), 2);
  EXPECT_EQ(choices->item(0)->text(), QStringLiteral("Col1"));
  EXPECT_EQ(choices->item(1)->text(), QStringLiteral("Col2"));
  EXPECT_EQ(find<QPushButton>("?ACEPTAR", select)->toolTip(),
            QStringLiteral("Seleccionar el campo"));
  EXPECT_EQ(find<QPushButton>("?CANCELAR", select)->toolTip(),
            QString::fromUtf8("Cancelar la acción"));
  choices->setCurrentRow(1);
  click("?ACEPTAR", select);
  EXPECT_EQ(headings(), QStringList({"Col3", "Col2"}));

  click("?MOSTRAR");
  auto* again = window->findChildren<QDialog*>(QStringLiteral("KALSELECTCAMPOWINDOW")).last();
  click("?CANCELAR", again);
  EXPECT_EQ(headings(), QStringList({"Col3", "Col2"}));
  click("?MOSTRAR");
  again = window->findChildren<QDialog*>(QStringLiteral("KALSELECTCAMPOWINDOW")).last();
  emit find<QListWidget>("?LISTA", again)->itemDoubleClicked(
      find<QListWidget>("?LISTA", again)->item(0));
  EXPECT_EQ(headings(), QStringList({"Col3", "Col2", "Col1"}));
  EXPECT_TRUE(m.layout().MYPICTUREQUEUEOCULTOS.empty());

  // With nothing hidden "Mostrar" opens nothing.
  const auto before = window->findChildren<QDialog*>(QStringLiteral("KALSELECTCAMPOWINDOW"));
  click("?MOSTRAR");
  EXPECT_EQ(window->findChildren<QDialog*>(QStringLiteral("KALSELECTCAMPOWINDOW")).size(),
            before.size());
  EXPECT_EQ(beeps.count(), 0);
}

TEST_F(LayoutWindowTest, MaxOnA4PortraitGives146AndThePaperAndOrientationRecapTheWidth) {
  columns({40, 40});
  m.layout().KAL_TIPO_HOJA_AUX = 1;  // Letter first
  m.layout().KAL_ANCHO = 100;
  open();
  auto* width = find<QSpinBox>("?KAL_ANCHO");
  EXPECT_EQ(width->maximum(), 152);
  EXPECT_EQ(width->value(), 100);
  auto* paper = find<QComboBox>("?KAL_TIPO_HOJA_AUX");
  ASSERT_EQ(paper->count(), 38);
  EXPECT_EQ(paper->currentIndex(), 0);
  paper->setCurrentIndex(8);
  emit paper->activated(8);  // "A4 210 x 297 mm"
  EXPECT_EQ(m.layout().KAL_TIPO_HOJA_AUX, 9);
  EXPECT_EQ(width->maximum(), 146);
  click("?MAX");
  EXPECT_EQ(m.layout().KAL_ANCHO, 146);
  EXPECT_EQ(width->value(), 146);
  EXPECT_EQ(list().width(), list().pixelsOf(367) + 2 * list().frameWidth());

  click("?KAL_HORIZONTAL:H");
  EXPECT_EQ(m.layout().KAL_HORIZONTAL, QStringLiteral("H"));
  EXPECT_EQ(width->maximum(), 234);
  click("?MAX");
  EXPECT_EQ(m.layout().KAL_ANCHO, 234);
  click("?KAL_HORIZONTAL:V");  // back to portrait: the width is lowered to the cap
  EXPECT_EQ(m.layout().KAL_ANCHO, 146);
  width->setValue(120);
  EXPECT_EQ(m.layout().KAL_ANCHO, 120);
  EXPECT_EQ(list().width(), list().pixelsOf(302) + 2 * list().frameWidth());

  click("?KAL_JUSTIFICACION:D");
  EXPECT_EQ(m.layout().KAL_JUSTIFICACION, QStringLiteral("D"));
  for (const char* name : {"?KAL_COLORES_SI", "?KAL_FECHA_SI", "?KAL_HORA_SI", "?KAL_PAGINA_SI"})
    click(name);
  EXPECT_EQ(m.layout().KAL_COLORES_SI, 1);
  EXPECT_EQ(m.layout().KAL_FECHA_SI, 1);
  EXPECT_EQ(m.layout().KAL_HORA_SI, 1);
  EXPECT_EQ(m.layout().KAL_PAGINA_SI, 1);
  auto* title = find<QLineEdit>("?KAL_TITULO");
  EXPECT_EQ(title->maxLength(), 120);
  title->setText(QStringLiteral("Formulas"));
  emit title->textEdited(QStringLiteral("Formulas"));
  EXPECT_EQ(m.layout().KAL_TITULO, QStringLiteral("Formulas"));
}

TEST_F(LayoutWindowTest, FittingShrinksByTheExcessOrWarnsWithABeep) {
  columns({200, 200, 200, 223}, true, "H");  // 823 units on 588: 40 % too wide
  open();
  click("?AJUSTAR");
  EXPECT_EQ(widths(), (std::vector<int>{120, 120, 120, 134}));
  EXPECT_EQ(list().columnWidth(3), list().pixelsOf(134));
  EXPECT_TRUE(messages.shown().empty());
  EXPECT_EQ(beeps.count(), 0);

  // Widened by hand to 947 units: 61 % is more than fitting may take.
  list().setColumnWidth(0, list().pixelsOf(200));
  list().setColumnWidth(1, list().pixelsOf(200));
  list().setColumnWidth(2, list().pixelsOf(200));
  list().setColumnWidth(3, list().pixelsOf(347));
  click("?AJUSTAR");
  EXPECT_EQ(widths(), (std::vector<int>{200, 200, 200, 347}));
  EXPECT_EQ(messageTexts(), QStringList{QString::fromUtf8(layout::kCannotFit)});
  EXPECT_EQ(messages.shown()[0].title(), QString::fromUtf8("Atención !"));
  EXPECT_EQ(beeps.count(), 1);
}

TEST_F(LayoutWindowTest, ColumnsTooWideForPortraitAskForLandscape) {
  columns({130, 130, 130, 130});  // 520 units: 207 mm, beyond portrait, within landscape
  open();
  click("?AJUSTAR");
  EXPECT_EQ(messageTexts(), QStringList{QString::fromUtf8(layout::kWiderThanPortrait)});
  EXPECT_EQ(beeps.count(), 1);
  EXPECT_EQ(m.layout().KAL_ANCHO, 146);
  click("?KAL_HORIZONTAL:H");
  click("?AJUSTAR");  // now the landscape width narrows to the columns
  EXPECT_EQ(m.layout().KAL_ANCHO, 208);
  EXPECT_EQ(find<QSpinBox>("?KAL_ANCHO")->value(), 208);
}

TEST_F(LayoutWindowTest, AcceptingChecksTheWidthAndTakesThePaper) {
  columns({100, 100, 100, 100});  // 400 units on 367
  open();
  window->show();
  click("?ACEPTAR");
  EXPECT_EQ(messageTexts(), QStringList{QString::fromUtf8(layout::kTooWide)});
  EXPECT_EQ(messages.shown()[0].title(), QString::fromUtf8("Atención !"));
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->result(), QDialog::Rejected);
  EXPECT_EQ(m.layout().KAL_WIDTH, 0u);

  list().setColumnWidth(3, list().pixelsOf(60));
  click("?ACEPTAR");
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(window->result(), QDialog::Accepted);
  EXPECT_EQ(m.MYPICTUREQUEUE[3].ANCHO, 60);
  EXPECT_EQ(m.layout().KAL_WIDTH, 8250u);
  EXPECT_EQ(m.layout().KAL_HEIGHT, 11688u);
}

TEST_F(LayoutWindowTest, SavingAsksANameAndRecoveringLoadsTheLayout) {
  columns({40, 50, 60});
  open();
  click("?GUARDAR");
  auto* save = find<QDialog>("KALDOGUARDARCAMPOWINDOW");
  EXPECT_EQ(save->windowTitle(), QStringLiteral("Guardar Modelo"));
  auto* name = find<QLineEdit>("?NOMBRE", save);
  EXPECT_EQ(name->maxLength(), 20);
  save->show();
  click("?ACEPTAR", save);  // an empty name: a beep, the window stays
  EXPECT_EQ(beeps.count(), 1);
  EXPECT_TRUE(save->isVisible());
  list().setColumnWidth(2, list().pixelsOf(90));
  m.layout().KAL_TITULO = QStringLiteral("Mio");
  name->setText(QStringLiteral("a|b"));
  click("?ACEPTAR", save);
  EXPECT_EQ(stored("reporte_NOMBRES"), QStringLiteral("|KAL_POR_DEFECTO|a_b"));
  EXPECT_EQ(stored("reporte_H_a_b"), QStringLiteral("40,50,90"));

  // Saving again under the name asks, with a beep; "No" writes nothing.
  click("?GUARDAR");
  auto* again = window->findChildren<QDialog*>(QStringLiteral("KALDOGUARDARCAMPOWINDOW")).last();
  again->findChild<QLineEdit*>(QStringLiteral("?NOMBRE"))->setText(QStringLiteral("a_b"));
  m.layout().KAL_TITULO = QStringLiteral("Cambiado");
  messages.answer(kButtonNo);
  click("?ACEPTAR", again);
  EXPECT_EQ(messageTexts(), QStringList{QString::fromUtf8(layout::kReplaceLayout)});
  EXPECT_EQ(beeps.count(), 2);
  EXPECT_EQ(stored("reporte_T_a_b"), QStringLiteral("Mio"));

  // The columns change; "Recuperar" brings the saved layout back.
  list().selectIndex(0);
  click("?OCULTAR");
  m.layout().KAL_ANCHO = 80;
  click("?RECUPERAR");
  auto* recover = find<QDialog>("KALRECUPERARCAMPOWINDOW");
  EXPECT_EQ(recover->windowTitle(), QStringLiteral("Modelos guardados"));
  auto* names = find<QListWidget>("?LISTA", recover);
  ASSERT_EQ(names->count(), 2);
  EXPECT_EQ(names->item(1)->text(), QStringLiteral("a_b"));
  names->setCurrentRow(1);
  click("?ACEPTAR", recover);
  EXPECT_EQ(headings(), QStringList({"Col1", "Col2", "Col3"}));
  EXPECT_EQ(list().columnWidth(2), list().pixelsOf(90));
  EXPECT_EQ(find<QLineEdit>("?KAL_TITULO")->text(), QStringLiteral("Mio"));
  EXPECT_EQ(find<QSpinBox>("?KAL_ANCHO")->value(), 146);
  EXPECT_EQ(m.layout().KAL_ANCHO, 146);
}

}  // namespace
}  // namespace bv::test
