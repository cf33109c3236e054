#include "printing/listings/range_window.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLineEdit>
#include <QVBoxLayout>

#include "printing/print_buttons.h"
#include "shell/frame/main_frame.h"
#include "shell/globals.h"

using namespace Qt::StringLiterals;

namespace bv {
namespace {

constexpr int kBoundLength = 10;  // "s10"

// The numeric bounds by group: the prompt and the globals' names.
struct NumericGroup {
  QString title;
  const char* from;
  const char* to;
};
const NumericGroup kGroups[] = {{u"Linea:"_s, "Glo:LID", "Glo:LIH"},
                                {u"Carta:"_s, "Glo:CAD", "Glo:CAH"},
                                {u"Marca:"_s, "Glo:MAD", "Glo:MAH"}};

QString controlName(const char* global) { return u'?' + QString::fromLatin1(global); }

}  // namespace

ListingRangeWindow::ListingRangeWindow(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind) {
  const bool products = kind == Kind::Products;
  setObjectName(products ? u"ListadoTerminados"_s : u"ListadoFormulas"_s);
  setWindowTitle(products ? u"Listado de Productos Terminados"_s : u"Listado de Formulas"_s);
  starter_ = [this](const QString& name) { return startProcedureFrom(this, name); };

  auto* layout = new QVBoxLayout(this);
  auto* codes = new QFormLayout;
  codes->addRow(u"Desde Terminado:"_s, entry(u"?GLO:DESDETERMINADO"_s, kBoundLength, this));
  codes->addRow(u"Hasta Terminado:"_s, entry(u"?GLO:HASTATERMINADO"_s, kBoundLength, this));
  findChild<QLineEdit*>(u"?GLO:DESDETERMINADO"_s)->setText(glo().DESDETERMINADO.trimmed());
  findChild<QLineEdit*>(u"?GLO:HASTATERMINADO"_s)->setText(glo().HASTATERMINADO.trimmed());
  layout->addLayout(codes);
  if (products) {
    auto* groups = new QHBoxLayout;
    for (const NumericGroup& g : kGroups) {
      auto* box = new QGroupBox(g.title, this);
      auto* form = new QFormLayout(box);
      for (const char* global : {g.from, g.to}) {
        QLineEdit* e = entry(controlName(global), 3, box);
        e->setValidator(new QIntValidator(0, 999, e));
        e->setAlignment(Qt::AlignRight);
        e->setText((glo().*(findGlobal(QString::fromLatin1(global))->number)).toQString(0));
        form->addRow(global == g.from ? u"Desde:"_s : u"Hasta:"_s, e);
      }
      groups->addWidget(box);
    }
    layout->addLayout(groups);
  }
  layout->addStretch();
  layout->addLayout(printButtons(*this, u"Salir"_s, [this] { print(); }));
}

QLineEdit* ListingRangeWindow::entry(const QString& name, int length, QWidget* parent) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  e->setMaxLength(length);
  // As wide as the longest value and a little more.
  e->setMaximumWidth(e->fontMetrics().horizontalAdvance(QString(length + 2, u'M')));
  return e;
}

QString ListingRangeWindow::reportProcedure() const {
  return kind_ == Kind::Products ? u"ReporteListadoTerminados"_s : u"ReporteListadoFormulas"_s;
}

void ListingRangeWindow::print() {
  Globals& g = glo();
  g.DESDETERMINADO = findChild<QLineEdit*>(u"?GLO:DESDETERMINADO"_s)->text().leftJustified(kBoundLength);
  g.HASTATERMINADO = findChild<QLineEdit*>(u"?GLO:HASTATERMINADO"_s)->text().leftJustified(kBoundLength);
  if (kind_ == Kind::Products)
    for (const NumericGroup& group : kGroups)
      for (const char* global : {group.from, group.to}) {
        const GlobalName* name = findGlobal(QString::fromLatin1(global));
        const QString typed = findChild<QLineEdit*>(controlName(global))->text().trimmed();
        g.*(name->number) = Decimal::parse(typed).value_or(Decimal(0));
      }
  starter_(reportProcedure());
}

}  // namespace bv
