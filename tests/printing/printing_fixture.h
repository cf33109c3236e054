#pragma once
// The file managers of every table over a fresh data directory, with the
// message window and the choices answered from a script, and orders,
// products and formulas written straight into the files.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <iostream>

#include "printing/printed_report.h"
#include "runtime/choices.h"
#include "runtime/halt.h"
#include "runtime/scripted_presenter.h"
#include "storage/errors/error_manager.h"
#include "storage/managers/file_managers.h"
#include "tests/support/stored_records.h"

namespace bv::test {

class PrintingTest : public testing::Test {
 protected:
  PrintingTest()
      : layer(FileLayer::createSqlite({dir.path(), dir.path()})),
        files(*layer, ErrorManager::instance()),
        messagesScope(messages),
        choicesScope(choices) {
    clearRuntimeError();
    choices.answer(QStringLiteral("vista-previa"), QStringLiteral("Imprimir"));
  }
  ~PrintingTest() override {
    if (HasFailure())
      for (const MessageBox& box : messages.shown())
        std::cerr << "  shown: " << box.title().toStdString() << " / " << box.text().toStdString() << '\n';
    clearRuntimeError();
  }

  QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }

  // Writes one record straight into the table's file.
  void put(const char* table, const std::function<void(Record&)>& fill) { putRecord(files, table, fill); }
  // The records of a table in file order.
  std::vector<Record> rows(const char* table) { return storedRecords(files, table); }

  void product(const char* code, const QString& description, int line = 0, int chart = 0, int brand = 0) {
    put("Terminado", [&](Record& r) {
      r.setText("TER:CODIGO", QString::fromLatin1(code));
      r.setText("TER:DESCRIPCION", description);
      r.setDecimal("TER:LINEA", line);
      r.setDecimal("TER:CARTA", chart);
      r.setDecimal("TER:MARCA", brand);
    });
  }
  void codeRecord(const char* table, const char* prefix, int code, const QString& description) {
    put(table, [&](Record& r) {
      r.setDecimal(QStringLiteral("%1:CODIGO").arg(QLatin1String(prefix)), code);
      r.setText(QStringLiteral("%1:DESCRIPCION").arg(QLatin1String(prefix)), description);
    });
  }
  void customer(int code, const QString& name) {
    put("Clientes", [&](Record& r) {
      r.setDecimal("CLI:CODIGO", code);
      r.setText("CLI:NOMBRE", name);
    });
  }
  void order(int code, const char* product, int line, int customer, int labels, bool marked) {
    put("Produc01", [&](Record& r) {
      r.setDecimal("PRO1:CODIGO", code);
      r.setText("PRO1:CODIGO_TERMINADO", QString::fromLatin1(product));
      r.setDecimal("PRO1:LINEA", line);
      r.setDecimal("PRO1:CLIENTE", customer);
      r.setDecimal("PRO1:CANTIDAD_ETIQUETAS", labels);
      r.setText("PRO1:ESTADO", QStringLiteral("P"));
      r.setText("PRO1:MARCA", marked ? QStringLiteral("I") : QString());
    });
  }
  void formula(int number, const char* product) {
    put("Formula1", [&](Record& r) {
      r.setDecimal("FOR1:CODIGO_FORMULA", number);
      r.setText("FOR1:CODIGO_TERMINADO", QString::fromLatin1(product));
    });
  }

  // Runs a report without a screen into a PDF; answers the process's response.
  ReportProcess::Response print(PrintedReport& report, const QString& pdf) {
    report.report().setTarget(PrintTarget::pdfFile(pdf));
    if (!report.start()) return ReportProcess::Response::Cancelled;
    const auto response = report.process().runWithoutScreen();
    report.finish();
    return response;
  }

  // The PDF's text as pdftotext lays it out; empty when the tool is missing.
  static QString pdfText(const QString& pdf, const QStringList& options = {QStringLiteral("-layout")}) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty()) return {};
    QProcess p;
    p.start(tool, QStringList(options) << pdf << QStringLiteral("-"));
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
  }
  static bool havePdfText() { return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(); }

  // The non-empty lines of a text, blanks at both ends removed and inner runs
  // of blanks made one.
  static QStringList textLines(const QString& text) {
    QStringList out;
    for (const QString& line : text.split(u'\n')) {
      const QString s = line.simplified();
      if (!s.isEmpty()) out << s;
    }
    return out;
  }

  QTemporaryDir dir;
  std::shared_ptr<FileLayer> layer;
  FileManagers files;
  ScriptedPresenter messages;
  ScriptedChoices choices;
  HaltRecorder halts;
  ContextId context = ExecutionContext::current();

 private:
  PresenterScope messagesScope;
  ChoicesScope choicesScope;
};

}  // namespace bv::test
