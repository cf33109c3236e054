#pragma once
// The range windows of the two listings: "Listado de Formulas" with the code
// bounds, and the finished-product listing's window with the code bounds and
// the groups "Linea:", "Carta:" and "Marca:". "Imprimir" puts the bounds in
// their globals and starts the report procedure on a new thread; the window
// stays open for another run until "Salir".
//
// Controls: "?GLO:DESDETERMINADO", "?GLO:HASTATERMINADO", "?Glo:LID",
// "?Glo:LIH", "?Glo:CAD", "?Glo:CAH", "?Glo:MAD", "?Glo:MAH", "?Imprimir",
// "?Salir".
#include <QWidget>
#include <functional>

#include "runtime/context.h"

class QLineEdit;

namespace bv {

class ListingRangeWindow : public QWidget {
  Q_OBJECT
 public:
  // Starts a procedure by name on a new thread; answers its context (0 when
  // it could not be started).
  using Starter = std::function<ContextId(const QString& procedure)>;

  enum class Kind { Formulas, Products };
  ListingRangeWindow(Kind kind, QWidget* parent = nullptr);

  // The procedure "Imprimir" starts.
  QString reportProcedure() const;
  // By default the frame this window sits in starts the report.
  void setStarter(Starter starter) { starter_ = std::move(starter); }
  // "Imprimir": the bounds into their globals, then the report.
  void print();

 private:
  QLineEdit* entry(const QString& name, int length, QWidget* parent);

  Kind kind_;
  Starter starter_;
};

}  // namespace bv
