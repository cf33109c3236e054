#include "runtime/preview/preview.h"

#include <QEventLoop>

#include "runtime/choices.h"
#include "runtime/preview/preview_names.h"
#include "runtime/preview/preview_window.h"
#include "runtime/report/report.h"

namespace bv {

PreviewDecision decideWithoutScreen(const Report& report) {
  const int count = report.pageCount();
  if (count == 0) return PreviewDecision::leave();
  const QString print = QStringLiteral("Imprimir");
  const QString pages = count == 1 ? QStringLiteral("1 página") : QStringLiteral("%1 páginas").arg(count);
  const auto answer = Choices::ask(Choice{
      QString::fromLatin1(preview::kChoiceDecision), QString::fromLatin1(preview::kWindowCaption),
      QStringLiteral("El reporte tiene %1. ¿Imprime o sale?").arg(pages),
      {print, QStringLiteral("Salir")}, print});
  if (!answer || answer->trimmed().compare(print, Qt::CaseInsensitive) != 0)
    return PreviewDecision::leave();

  const QString all = PageSelection::all(count).toString();
  const auto list = Choices::ask(Choice{
      QString::fromLatin1(preview::kChoicePages), QStringLiteral("Páginas a Imprimir"),
      QStringLiteral("Páginas a imprimir, de 1 a %1 (por ejemplo 1-3,5):").arg(count), {}, all});
  if (!list) return PreviewDecision::leave();
  const QString typed = list->trimmed();
  if (typed.isEmpty() || typed.compare(QStringLiteral("Todas"), Qt::CaseInsensitive) == 0)
    return PreviewDecision::printing(PageSelection::all(count));
  auto chosen = PageSelection::parse(typed, count);
  return chosen ? PreviewDecision::printing(*chosen) : PreviewDecision::leave();
}

PreviewDecision runPreview(const Report& report, const PreviewOptions& options) {
  if (!options.onScreen) return decideWithoutScreen(report);
  if (report.pageCount() == 0) return PreviewDecision::leave();
  PreviewWindow window(report, options.positions, options.parent);
  window.setWindowFlag(Qt::Window);
  window.setWindowModality(Qt::ApplicationModal);
  PreviewDecision result;
  QEventLoop loop;
  QObject::connect(&window, &PreviewWindow::decided, &loop, [&](const PreviewDecision& d) {
    result = d;
    loop.quit();
  });
  window.show();
  if (!window.hasDecided()) loop.exec();
  return result;
}

}  // namespace bv
