#pragma once
// The layout window KALWINDOWSETEO, "Selección de Columnas a Imprimir" for the
// printer outputs and "Selección de Columnas a Exportar" for the files. Above
// its tabs stands the list of the visible columns, drawn at the scale of the
// page; the "Formato" tab reorders, hides, shows, saves and recovers columns,
// the "Propiedades" tab sets the title and the page (printer) or the title,
// date, time and colours (files). The rules themselves are the column-layout
// object's; the window draws, reads the widths back and calls them.
//
// Controls are named after the layout fields they show ("?KAL_TITULO",
// "?KAL_ANCHO", "?KAL_JUSTIFICACION:C"; "?KAL_TITULO:2" on the files' tab) and
// after their buttons ("?IZQUIERDA", "?DERECHA", "?OCULTAR", "?MOSTRAR",
// "?GUARDAR", "?RECUPERAR", "?MAX", "?AJUSTAR", "?ACEPTAR", "?CANCELAR"); the
// list is "?LISTA" and the tabs "?TAB:FORMATO", "?TAB:PROPIEDADES",
// "?TAB:PROPIEDADES2".
#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace bv {

class ColumnLayout;
class ColumnListView;

class LayoutWindow : public QDialog {
  Q_OBJECT
 public:
  // Applies the caller's default layout (loaded, or stored on first use) and
  // prepares the page before the window is shown.
  explicit LayoutWindow(ColumnLayout& layout, QWidget* parent = nullptr);
  ~LayoutWindow() override;

  // Shows the window until it is answered: true after "Aceptar".
  static bool ask(ColumnLayout& layout, QWidget* parent = nullptr);

  static constexpr int kTitleLength = 120;

 private:
  QWidget* formatTab();
  QWidget* printerTab();
  QWidget* fileTab();
  QCheckBox* flag(const char* caption, const char* name, QWidget* parent);

  // The fields shown again from the layout (after loading a layout).
  void refreshFields();
  void redraw(int select = 0);
  // The "Ancho:" range capped at the paper's largest usable width, the width
  // lowered to it, the list resized to the width.
  void recapWidth();

  void moveColumn(bool left);
  void hideColumn();
  void showColumn();
  void saveLayout();
  void recoverLayout();
  void paperChosen(int index);
  void widthChanged(int millimetres);
  void largestWidth();
  void fitColumns();
  void acceptLayout();

  ColumnLayout& layout_;
  ColumnListView* list_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  QLineEdit* title_ = nullptr;
  QLineEdit* fileTitle_ = nullptr;
  QComboBox* paper_ = nullptr;
  QSpinBox* width_ = nullptr;
  QRadioButton* justification_[3] = {};
  QRadioButton* orientation_[2] = {};
  QCheckBox* colours_ = nullptr;
  QCheckBox* date_ = nullptr;
  QCheckBox* time_ = nullptr;
  QCheckBox* page_ = nullptr;
  QCheckBox* fileColours_ = nullptr;
  QCheckBox* fileDate_ = nullptr;
  QCheckBox* fileTime_ = nullptr;
  bool refreshing_ = false;
};

}  // namespace bv
