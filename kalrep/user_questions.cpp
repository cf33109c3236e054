#include "kalrep/user_questions.h"

#include <QFileDialog>
#include <QStringList>

#include "kalrep/column_descriptor.h"
#include "kalrep/export_codes.h"
#include "kalrep/option_window.h"
#include "kalrep/screen.h"
#include "runtime/choices.h"

namespace bv {
namespace {

QString withoutAccessKey(const QString& label) {
  QString out = label;
  out.remove(u'&');
  return out;
}

const OutputOption* optionOf(const OutputMenu& menu, kal::Byte code) {
  for (const OutputOption& o : menu.options)
    if (o.code == code) return &o;
  return nullptr;
}

// "CSV|*.CSV|Text|*.TXT" as the dialog's "CSV (*.CSV *.csv);;Text (*.TXT *.txt)".
QString dialogFilter(const QString& pairs) {
  const QStringList parts = pairs.split(u'|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString pattern = parts[i + 1];
    const QString patterns =
        pattern == pattern.toLower() ? pattern : pattern + u' ' + pattern.toLower();
    filters.append(parts[i] + QStringLiteral(" (") + patterns + u')');
  }
  return filters.join(QStringLiteral(";;"));
}

}  // namespace

kal::Byte codeOfAnswer(const OutputMenu& menu, const QString& answer) {
  const QString a = withoutAccessKey(answer).trimmed();
  if (a.isEmpty()) return menu.preselected;
  for (const OutputOption& o : menu.options) {
    if (a.compare(withoutAccessKey(o.label), Qt::CaseInsensitive) == 0 ||
        (!o.description.isEmpty() && a.compare(o.description, Qt::CaseInsensitive) == 0) ||
        a == QString::number(o.code))
      return o.code;
  }
  return kal::kCancelled;
}

kal::Byte askOutput(const OutputMenu& menu) {
  if (hasScreen()) return OptionWindow::ask(menu);
  QStringList labels, described;
  for (const OutputOption& o : menu.options) {
    labels.append(withoutAccessKey(o.label));
    described.append(o.description.isEmpty()
                         ? withoutAccessKey(o.label)
                         : withoutAccessKey(o.label) + QStringLiteral(": ") + o.description);
  }
  const OutputOption* first = optionOf(menu, menu.preselected);
  const auto answer = Choices::ask(Choice{menu.choiceId, menu.title, described.join(u'\n'), labels,
                                          first ? withoutAccessKey(first->label) : QString()});
  if (!answer) return kal::kCancelled;
  return codeOfAnswer(menu, *answer);
}

QString fileFilter(kal::Byte exportType) {
  switch (exportType) {
    case kal::kCsv:
      return QStringLiteral("CSV|*.CSV|CSV|*.CSV|Text|*.TXT|Todos|*.*");
    case kal::kSpreadsheet:
      return QStringLiteral("Excel|*.XLSX|Excel|*.XLSX|Todos|*.*");
    case kal::kHtml:
      return QStringLiteral("Html|*.HTM|Html|*.HTM|Text|*.TXT|Todos|*.*");
    case kal::kDbf:
      return QStringLiteral("DBASE|*.DBF|DBASE|*.DBF|Todos|*.*");
    case kal::kRtf:
      return QStringLiteral("RTF|*.RTF|RTF|*.RTF|Text|*.TXT|Todos|*.*");
    default:
      return QStringLiteral("Todos|*.*");
  }
}

QString withDefaultExtension(const QString& name, kal::Byte exportType) {
  const QString n = withoutTrailingBlanks(name);
  if (exportType == kal::kSpreadsheet) {
    if (n.endsWith(QLatin1StringView(".XLSX"), Qt::CaseInsensitive) ||
        n.endsWith(QLatin1StringView(".XLS"), Qt::CaseInsensitive))
      return n;
    return n + QStringLiteral(".XLSX");
  }
  if (n.size() >= 4 && n.at(n.size() - 4) == u'.') return n;
  switch (exportType) {
    case kal::kCsv:
      return n + QStringLiteral(".CSV");
    case kal::kHtml:
      return n + QStringLiteral(".HTM");
    case kal::kDbf:
      return n + QStringLiteral(".DBF");
    case kal::kRtf:
      return n + QStringLiteral(".RTF");
    default:
      return n;
  }
}

std::optional<QString> askFileName(kal::Byte exportType) {
  const QString title = QStringLiteral("Seleccione el archivo");
  std::optional<QString> name;
  if (hasScreen()) {
    const QString chosen = QFileDialog::getSaveFileName(nullptr, title, QString(),
                                                        dialogFilter(fileFilter(exportType)));
    if (!chosen.isEmpty()) name = chosen;
  } else {
    name = Choices::ask(Choice{QString::fromLatin1(kFileNameChoice),
                               title,
                               QStringLiteral("Archivo (%1):").arg(fileFilter(exportType)),
                               {},
                               QString()});
  }
  if (!name || withoutTrailingBlanks(*name).trimmed().isEmpty()) return std::nullopt;
  return *name;
}

}  // namespace bv
