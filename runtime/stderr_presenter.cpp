#include "runtime/stderr_presenter.h"

#include <QIODevice>
#include <QStringList>

namespace bv {

StderrPresenter::StderrPresenter(FILE* out)
    : owned_(std::make_unique<QTextStream>(out, QIODevice::WriteOnly)), out_(owned_.get()) {}

StderrPresenter::StderrPresenter(QTextStream& out) : out_(&out) {}

StderrPresenter::~StderrPresenter() = default;

QString StderrPresenter::lineFor(const MessageBox& box) {
  const QString text = box.lines().join(QStringLiteral(" / "));
  // An untitled box has no "Title: " part.
  return box.title().isEmpty() ? text : box.title() + QStringLiteral(": ") + text;
}

bool StderrPresenter::repeatsOperation(const QString& title) {
  static const QStringList titles = {
      QStringLiteral("Error AutoNumeración"), QStringLiteral("Error en Borrar Registro"),
      QStringLiteral("Error al Actualizar"),  QStringLiteral("Comienzo de Archivo"),
      QStringLiteral("Error Fin de Archivo")};
  return titles.contains(title);
}

int StderrPresenter::present(const MessageBox& box) {
  {
    std::lock_guard lock(mutex_);
    *out_ << lineFor(box) << '\n';
    out_->flush();
  }
  if (repeatsOperation(box.title()))
    if (auto no = box.valueOf(MessageBox::standardCaption(kButtonNo))) return *no;
  return box.defaultButton().value;
}

}  // namespace bv
