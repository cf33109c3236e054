#pragma once
// The sort window of the finished-product listing: "Ordenado por:" with the
// five orders, "Aceptar" (or a double click) takes the one chosen, "Cancelar"
// or closing the window ends the listing. Without a screen the question goes
// through the choices interface (id "orden-listado"), answered by the order's
// text or number. Controls: "?OrdenadoPor" (the list), "?Aceptar", "?Cancelar".
#include <QDialog>
#include <optional>

class QListWidget;

namespace bv {

class SortWindow : public QDialog {
  Q_OBJECT
 public:
  static constexpr const char* kChoiceId = "orden-listado";

  explicit SortWindow(QWidget* parent = nullptr);
  // The choice (1 to 5) while the window is open.
  int choice() const;

  // Asks on screen or through the choices; nullopt when cancelled.
  static std::optional<int> ask(QWidget* parent = nullptr);

 private:
  QListWidget* list_;
};

}  // namespace bv
