#include "storage/errors/error_log.h"

#include "runtime/cp1252.h"
#include "runtime/date_time.h"

#include <QFile>

namespace bv {

QString errorLogLine(const QString& text) {
  return Clock::today().toQDate().toString(QStringLiteral("dd/MM/yyyy")) + u'@' +
         Clock::now().toQTime().toString(QStringLiteral("hh:mm:ss")) + QStringLiteral(" --> ") +
         text;
}

void appendErrorLog(const QString& path, const QString& text) {
  QFile log(path);
  if (!log.open(QIODevice::WriteOnly | QIODevice::Append)) return;
  log.write(cp1252::encode(errorLogLine(text)) + "\r\n");
}

}  // namespace bv
