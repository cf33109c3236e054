#include "kalrep/layout_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "kalrep/column_layout.h"
#include "kalrep/column_list_view.h"
#include "kalrep/layout_choice_windows.h"
#include "kalrep/paper.h"
#include "kalrep/screen.h"

namespace bv {
namespace {

constexpr const char* kJustifications[3] = {"I", "C", "D"};
constexpr const char* kOrientations[2] = {"V", "H"};

QPushButton* button(const QString& caption, const char* name, QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(QString::fromLatin1(name));
  return b;
}

}  // namespace

LayoutWindow::LayoutWindow(ColumnLayout& layout, QWidget* parent)
    : QDialog(parent), layout_(layout) {
  setObjectName(QStringLiteral("KALWINDOWSETEO"));
  setWindowTitle(layout_.WITHPAGE ? QString::fromUtf8("Selección de Columnas a Imprimir")
                                  : QString::fromUtf8("Selección de Columnas a Exportar"));
  // The caller's default layout is shown at once; the first time, the caller's
  // own column set becomes the default (stored below, once the list is drawn).
  const bool hadDefault = layout_.loadStoredDefaultLayout();
  if (layout_.WITHPAGE) layout_.preparePage();

  list_ = new ColumnListView(this);
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName(QStringLiteral("?SHEET"));
  tabs_->addTab(formatTab(), QStringLiteral("Formato"));
  const int printer = tabs_->addTab(printerTab(), QStringLiteral("Propiedades"));
  const int files = tabs_->addTab(fileTab(), QStringLiteral("Propiedades"));
  tabs_->setTabVisible(printer, layout_.WITHPAGE != 0);
  tabs_->setTabVisible(files, layout_.WITHPAGE == 0);

  auto* ok = new QPushButton(kalIcon(QStringLiteral("kalok.ico")), QStringLiteral("Aceptar"), this);
  ok->setObjectName(QStringLiteral("?ACEPTAR"));
  ok->setDefault(true);
  auto* cancel =
      new QPushButton(kalIcon(QStringLiteral("kalcance.ico")), QStringLiteral("Cancelar"), this);
  cancel->setObjectName(QStringLiteral("?CANCELAR"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);

  auto* caption = new QLabel(QStringLiteral("Columnas a Imprimir"), this);
  caption->setBuddy(list_);
  auto* main = new QVBoxLayout(this);
  main->addWidget(caption);
  main->addWidget(list_, 0, Qt::AlignLeft);
  main->addWidget(tabs_);
  main->addLayout(buttons);
  connect(ok, &QPushButton::clicked, this, &LayoutWindow::acceptLayout);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  refreshFields();
  if (layout_.WITHPAGE) recapWidth();
  redraw();
  if (!hadDefault) {
    list_->readWidths();
    layout_.storeDefaultLayout();
  }
}

LayoutWindow::~LayoutWindow() = default;

bool LayoutWindow::ask(ColumnLayout& layout, QWidget* parent) {
  LayoutWindow window(layout, parent);
  window.setWindowModality(Qt::ApplicationModal);
  return window.exec() == QDialog::Accepted;
}

QWidget* LayoutWindow::formatTab() {
  auto* tab = new QWidget;
  tab->setObjectName(QStringLiteral("?TAB:FORMATO"));
  auto* left = button(QStringLiteral("<--"), "?IZQUIERDA", tab);
  auto* right = button(QStringLiteral("-->"), "?DERECHA", tab);
  auto* hide = button(QStringLiteral("Ocultar"), "?OCULTAR", tab);
  auto* show = button(QStringLiteral("Mostrar"), "?MOSTRAR", tab);
  auto* save = button(QStringLiteral("Guardar"), "?GUARDAR", tab);
  auto* recover = button(QStringLiteral("Recuperar"), "?RECUPERAR", tab);
  auto* row = new QHBoxLayout(tab);
  for (QPushButton* b : {left, right, hide, show, save, recover}) row->addWidget(b);
  row->addStretch();
  connect(left, &QPushButton::clicked, this, [this] { moveColumn(true); });
  connect(right, &QPushButton::clicked, this, [this] { moveColumn(false); });
  connect(hide, &QPushButton::clicked, this, &LayoutWindow::hideColumn);
  connect(show, &QPushButton::clicked, this, &LayoutWindow::showColumn);
  connect(save, &QPushButton::clicked, this, &LayoutWindow::saveLayout);
  connect(recover, &QPushButton::clicked, this, &LayoutWindow::recoverLayout);
  return tab;
}

QCheckBox* LayoutWindow::flag(const char* caption, const char* name, QWidget* parent) {
  auto* box = new QCheckBox(QString::fromUtf8(caption), parent);
  box->setObjectName(QString::fromLatin1(name));
  connect(box, &QCheckBox::toggled, this, [this, box](bool on) {
    if (refreshing_) return;
    const QString n = box->objectName().section(u':', 0, 0);
    if (n == QLatin1StringView("?KAL_COLORES_SI")) layout_.KAL_COLORES_SI = on ? 1 : 0;
    if (n == QLatin1StringView("?KAL_FECHA_SI")) layout_.KAL_FECHA_SI = on ? 1 : 0;
    if (n == QLatin1StringView("?KAL_HORA_SI")) layout_.KAL_HORA_SI = on ? 1 : 0;
    if (n == QLatin1StringView("?KAL_PAGINA_SI")) layout_.KAL_PAGINA_SI = on ? 1 : 0;
    refreshFields();  // the other tab's box of the same field follows
  });
  return box;
}

QWidget* LayoutWindow::printerTab() {
  auto* tab = new QWidget;
  tab->setObjectName(QStringLiteral("?TAB:PROPIEDADES"));
  title_ = new QLineEdit(tab);
  title_->setObjectName(QStringLiteral("?KAL_TITULO"));
  title_->setMaxLength(kTitleLength);
  paper_ = new QComboBox(tab);
  paper_->setObjectName(QStringLiteral("?KAL_TIPO_HOJA_AUX"));
  paper_->addItems(paper::entryList().split(u'|'));
  width_ = new QSpinBox(tab);
  width_->setObjectName(QStringLiteral("?KAL_ANCHO"));
  width_->setRange(0, 0);
  auto* max = button(QStringLiteral("max"), "?MAX", tab);
  auto* widthRow = new QHBoxLayout;
  widthRow->addWidget(width_);
  widthRow->addWidget(new QLabel(QStringLiteral("mm."), tab));
  widthRow->addWidget(max);
  widthRow->addStretch();

  auto* justification = new QGroupBox(QString::fromUtf8("Justificación"), tab);
  auto* justificationRow = new QHBoxLayout(justification);
  const char* justificationCaptions[3] = {"&Izquierda", "&Centro", "&Derecha"};
  auto* justificationGroup = new QButtonGroup(justification);
  for (int i = 0; i < 3; ++i) {
    justification_[i] = new QRadioButton(QString::fromUtf8(justificationCaptions[i]), justification);
    justification_[i]->setObjectName(QStringLiteral("?KAL_JUSTIFICACION:") +
                                     QLatin1StringView(kJustifications[i]));
    justificationGroup->addButton(justification_[i], i);
    justificationRow->addWidget(justification_[i]);
  }
  auto* orientation = new QGroupBox(QString::fromUtf8("Posición"), tab);
  auto* orientationRow = new QHBoxLayout(orientation);
  const char* orientationCaptions[2] = {"Vertical", "Horizontal"};
  auto* orientationGroup = new QButtonGroup(orientation);
  for (int i = 0; i < 2; ++i) {
    orientation_[i] = new QRadioButton(QString::fromUtf8(orientationCaptions[i]), orientation);
    orientation_[i]->setObjectName(QStringLiteral("?KAL_HORIZONTAL:") +
                                   QLatin1StringView(kOrientations[i]));
    orientationGroup->addButton(orientation_[i], i);
    orientationRow->addWidget(orientation_[i]);
  }
  auto* fit = button(QStringLiteral("Ajustar col. a Max."), "?AJUSTAR", tab);
  colours_ = flag("Usar Colores", "?KAL_COLORES_SI", tab);
  date_ = flag("Fecha", "?KAL_FECHA_SI", tab);
  time_ = flag("Hora", "?KAL_HORA_SI", tab);
  page_ = flag("Página", "?KAL_PAGINA_SI", tab);
  auto* flags = new QHBoxLayout;
  for (QCheckBox* b : {colours_, date_, time_, page_}) flags->addWidget(b);
  flags->addStretch();

  auto* form = new QFormLayout(tab);
  form->addRow(QStringLiteral("Titulo:"), title_);
  form->addRow(QStringLiteral("Tipo de Hoja:"), paper_);
  form->addRow(QStringLiteral("Ancho:"), widthRow);
  form->addRow(justification);
  form->addRow(orientation);
  form->addRow(fit);
  form->addRow(flags);

  connect(title_, &QLineEdit::textEdited, this, [this](const QString& t) {
    layout_.KAL_TITULO = t;
    refreshFields();
  });
  connect(paper_, &QComboBox::activated, this, &LayoutWindow::paperChosen);
  connect(width_, &QSpinBox::valueChanged, this, &LayoutWindow::widthChanged);
  connect(max, &QPushButton::clicked, this, &LayoutWindow::largestWidth);
  connect(fit, &QPushButton::clicked, this, &LayoutWindow::fitColumns);
  connect(justificationGroup, &QButtonGroup::idClicked, this, [this](int i) {
    layout_.KAL_JUSTIFICACION = QString::fromLatin1(kJustifications[i]);
  });
  connect(orientationGroup, &QButtonGroup::idClicked, this, [this](int i) {
    layout_.KAL_HORIZONTAL = QString::fromLatin1(kOrientations[i]);
    recapWidth();
  });
  return tab;
}

QWidget* LayoutWindow::fileTab() {
  auto* tab = new QWidget;
  tab->setObjectName(QStringLiteral("?TAB:PROPIEDADES2"));
  fileTitle_ = new QLineEdit(tab);
  fileTitle_->setObjectName(QStringLiteral("?KAL_TITULO:2"));
  fileTitle_->setMaxLength(kTitleLength);
  fileDate_ = flag("Fecha", "?KAL_FECHA_SI:2", tab);
  fileTime_ = flag("Hora", "?KAL_HORA_SI:2", tab);
  fileColours_ = flag("Usar Colores", "?KAL_COLORES_SI:2", tab);
  auto* flags = new QHBoxLayout;
  for (QCheckBox* b : {fileDate_, fileTime_, fileColours_}) flags->addWidget(b);
  flags->addStretch();
  auto* form = new QFormLayout(tab);
  form->addRow(QStringLiteral("Titulo:"), fileTitle_);
  form->addRow(flags);
  connect(fileTitle_, &QLineEdit::textEdited, this, [this](const QString& t) {
    layout_.KAL_TITULO = t;
    refreshFields();
  });
  return tab;
}

void LayoutWindow::refreshFields() {
  refreshing_ = true;
  const auto setText = [](QLineEdit* edit, const QString& text) {
    if (edit->text() != text) edit->setText(text);
  };
  setText(title_, layout_.KAL_TITULO);
  setText(fileTitle_, layout_.KAL_TITULO);
  if (layout_.KAL_TIPO_HOJA_AUX >= 1 && layout_.KAL_TIPO_HOJA_AUX <= paper::kCount)
    paper_->setCurrentIndex(layout_.KAL_TIPO_HOJA_AUX - 1);
  for (int i = 0; i < 3; ++i)
    justification_[i]->setChecked(layout_.KAL_JUSTIFICACION.startsWith(
        QLatin1StringView(kJustifications[i]), Qt::CaseInsensitive));
  const bool landscape = layout_.KAL_HORIZONTAL.startsWith(u'H', Qt::CaseInsensitive);
  orientation_[0]->setChecked(!landscape);
  orientation_[1]->setChecked(landscape);
  for (QCheckBox* b : {colours_, fileColours_}) b->setChecked(layout_.KAL_COLORES_SI != 0);
  for (QCheckBox* b : {date_, fileDate_}) b->setChecked(layout_.KAL_FECHA_SI != 0);
  for (QCheckBox* b : {time_, fileTime_}) b->setChecked(layout_.KAL_HORA_SI != 0);
  page_->setChecked(layout_.KAL_PAGINA_SI != 0);
  refreshing_ = false;
}

void LayoutWindow::redraw(int select) {
  if (layout_.MYPICTUREQUEUE) list_->draw(*layout_.MYPICTUREQUEUE);
  list_->selectIndex(select);
}

void LayoutWindow::recapWidth() {
  const QSignalBlocker block(width_);
  width_->setMaximum(std::max(0, layout_.largestWidth()));
  layout_.capWidth();
  width_->setValue(layout_.KAL_ANCHO);
  list_->setListWidth(layout_.listWidth());
}

void LayoutWindow::moveColumn(bool left) {
  list_->readWidths();
  ColumnDescriptor* column = list_->selected();
  if (!column) return;
  const int at = list_->selectedIndex();
  if (!(left ? layout_.moveLeft(*column) : layout_.moveRight(*column))) return;
  redraw(left ? at - 1 : at + 1);
}

void LayoutWindow::hideColumn() {
  list_->readWidths();
  ColumnDescriptor* column = list_->selected();
  if (column && layout_.hide(*column)) redraw();
}

void LayoutWindow::showColumn() {
  const HiddenColumnList hidden = layout_.hiddenByHeading();
  if (hidden.empty()) return;
  list_->readWidths();
  QStringList headings;
  for (const HiddenColumn& h : hidden) headings.append(h.NOMBRE);
  auto* window = LayoutListWindow::selectColumn(headings, this);
  connect(window, &LayoutListWindow::chosen, this, [this, hidden](int index) {
    if (layout_.show(hidden[std::size_t(index)].POSICION)) redraw();
  });
  window->open();
}

void LayoutWindow::saveLayout() {
  auto* window = new LayoutNameWindow(this);
  connect(window, &LayoutNameWindow::chosen, this, [this](const QString& name) {
    list_->readWidths();
    layout_.saveLayout(name);
  });
  window->open();
}

void LayoutWindow::recoverLayout() {
  const QStringList names = layout_.savedLayoutNames();
  if (names.isEmpty()) return;
  auto* window = LayoutListWindow::recoverLayout(names, this);
  connect(window, &LayoutListWindow::chosen, this, [this, names](int index) {
    if (!layout_.loadLayout(names[index])) return;
    refreshFields();
    if (layout_.WITHPAGE) recapWidth();
    redraw();
  });
  window->open();
}

void LayoutWindow::paperChosen(int index) {
  layout_.KAL_TIPO_HOJA_AUX = kal::Byte(index + 1);
  recapWidth();
}

void LayoutWindow::widthChanged(int millimetres) {
  layout_.KAL_ANCHO = kal::UShort(millimetres);
  list_->setListWidth(layout_.listWidth());
}

void LayoutWindow::largestWidth() {
  layout_.setLargestWidth();
  recapWidth();
}

void LayoutWindow::fitColumns() {
  list_->readWidths();
  if (!layout_.fitColumns()) return;
  list_->applyWidths();
  recapWidth();
}

void LayoutWindow::acceptLayout() {
  if (layout_.WITHPAGE) list_->readWidths();
  if (layout_.accept()) accept();
}

}  // namespace bv
