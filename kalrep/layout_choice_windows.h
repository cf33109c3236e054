#pragma once
// The small windows the layout window opens over itself:
//   KALSELECTCAMPOWINDOW     "Campo a mostrar": a hidden column to show again
//   KALRECUPERARCAMPOWINDOW  "Modelos guardados": a saved layout to load
//   KALDOGUARDARCAMPOWINDOW  "Guardar Modelo": the name to save the layout as
// Each is opened with open() (modal to the layout window only) and deletes
// itself when it closes; the choice arrives through its signal.
#include <QDialog>
#include <QStringList>

class QLineEdit;
class QListWidget;

namespace bv {

// A list to choose one entry from: "Aceptar" or a double click chooses the
// current entry, "Cancelar" gives up.
class LayoutListWindow : public QDialog {
  Q_OBJECT
 public:
  LayoutListWindow(const QString& name, const QString& title, const QStringList& entries,
                   const QString& acceptHint, QWidget* parent);

  static LayoutListWindow* selectColumn(const QStringList& headings, QWidget* parent);
  static LayoutListWindow* recoverLayout(const QStringList& names, QWidget* parent);

 signals:
  void chosen(int index);

 private:
  void choose();

  QListWidget* list_;
};

// "Nombre:" (20 characters); "Aceptar" with an empty name beeps and keeps the
// window open.
class LayoutNameWindow : public QDialog {
  Q_OBJECT
 public:
  explicit LayoutNameWindow(QWidget* parent);

  static constexpr int kNameLength = 20;

 signals:
  void chosen(const QString& name);

 private:
  void choose();

  QLineEdit* name_;
};

}  // namespace bv
