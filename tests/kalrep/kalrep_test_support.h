#pragma once
// Helpers of the export library's tests: a sample export over three columns,
// reading files back, and the peer checks that open the files with other
// programs' readers (skipped where those readers are not installed).
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <optional>
#include <ostream>

#include "kalrep/kexport_manager.h"
#include "runtime/decimal.h"

// Texts print readably in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace bv::test {

inline QByteArray readBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline QByteArray latin1(const char* s) { return QByteArray(s); }

// Runs a Python script under /usr/bin/python3 with the given modules; nullopt
// when the interpreter or a module is missing. The script's standard output is
// the answer; a script that fails answers "FAILED: " and its error output.
inline std::optional<QString> python(const QStringList& modules, const QString& script,
                                     const QStringList& args = {}) {
  const QString exe = QStringLiteral("/usr/bin/python3");
  if (!QFile::exists(exe)) return std::nullopt;
  for (const QString& m : modules) {
    QProcess probe;
    probe.start(exe, {QStringLiteral("-c"), QStringLiteral("import ") + m});
    if (!probe.waitForFinished(20000) || probe.exitCode() != 0) return std::nullopt;
  }
  QProcess p;
  p.start(exe, QStringList{QStringLiteral("-c"), script} + args);
  if (!p.waitForFinished(60000)) return QStringLiteral("FAILED: timeout");
  if (p.exitCode() != 0)
    return QStringLiteral("FAILED: ") + QString::fromUtf8(p.readAllStandardError());
  return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

// An export as the program's report procedures make one: three columns (a
// text code, an accented description, a right-aligned quantity), heading
// colours black on silver, detail colours red on white.
class SampleExport : public KExportManager {
 public:
  QString code;
  QString description;
  Decimal quantity;
  kal::Colour detailText = 0x0000FF;
  kal::Colour detailBack = 0xFFFFFF;
  kal::Byte omitRowColour = 0;
  kal::Byte oem = 0;

  void SETUP() override {
    KALCOLHTEXTO = 0x000000;
    KALCOLHFONDO = 0xC0C0C0;
    KALCOLPAGE = 0xFFFFFF;
    QUOTECHAR = QStringLiteral("\"");
    FIELDDELIMITER = QStringLiteral(";");
    OMITROWCOLOR = omitRowColour;
    KExportManager::SETUP();
    SETFACE(0, QStringLiteral("I"), 1, 1, 1, 1, QStringLiteral("V"), QStringLiteral("Listado"), 0,
            nullptr, oem);
  }
  void SETCOLOR() override {
    KALCOLDTEXTO = detailText;
    KALCOLDFONDO = detailBack;
    KExportManager::SETCOLOR();
  }

  // INIT with a fixed type and file, the three columns, RUN.
  bool start(kal::Byte type, const QString& file, const QString& ini, kal::Byte createFile = 1) {
    if (!INIT(file, QStringLiteral("TEST:Muestra"), ini, type, 1, createFile, 0)) return false;
    ADDFIELD(code, QStringLiteral("@s6"), QStringLiteral("L"), QStringLiteral("Codigo"), 40);
    ADDFIELD(description, QStringLiteral("@s24"), QStringLiteral("L"),
             QString::fromUtf8("Descripción"), 100);
    ADDFIELD(quantity, QStringLiteral("@n10.2"), QStringLiteral("R"), QStringLiteral("Cantidad"),
             50);
    return RUN() != 0;
  }

  bool record(const QString& c, const QString& d, const char* q) {
    code = c;
    description = d;
    quantity = *Decimal::parse(std::string_view(q));
    return OPEN() && TAKERECORD();
  }

  // Two records, a free line, a forced row, the close.
  void writeSample() {
    record(QStringLiteral("A1"), QString::fromUtf8("Azul \"Mar\";Ñandú"), "1234.5");
    record(QStringLiteral("B22"), QStringLiteral("Rojo"), "-3");
    FORCELINE(QStringLiteral("Subtotal"), QStringLiteral("C"), 0xFF0000, 0x00FFFF);
    FORCERECORD(QStringLiteral("X|Y"), 0x008000, 0xFFFF00);
    CLOSE();
  }
};

}  // namespace bv::test
