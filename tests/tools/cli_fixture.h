#pragma once
// Runs bravent-cli's verbs in-process on a fresh data directory, with standard
// output and standard error captured, today fixed, and a halt only recorded.
#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>

#include <iostream>

#include "runtime/date_time.h"
#include "runtime/decimal.h"
#include "runtime/halt.h"
#include "tools/cli/cli_runner.h"
#include "tools/cli/csv_format.h"

namespace bv::test {

struct CliResult {
  int status = -1;
  QString out;
  QString err;
  QStringList errLines() const { return err.split(u'\n', Qt::SkipEmptyParts); }
};

class CliTest : public testing::Test {
 protected:
  static Date today() { return Date::fromYmd(2024, 6, 14); }

  CliTest() { Clock::fix(today()); }
  ~CliTest() override {
    Clock::clear();
    if (HasFailure())
      for (const CliResult& r : runs_)
        std::cerr << "  status " << r.status << "\n  err: " << r.err.toStdString() << '\n';
  }

  // bravent-cli -d <dir> ARGUMENTS
  CliResult cli(const QString& dir, QStringList arguments) {
    arguments.prepend(dir);
    arguments.prepend(QStringLiteral("-d"));
    return cliRaw(arguments);
  }
  CliResult cli(QStringList arguments) { return cli(data.path(), std::move(arguments)); }
  CliResult cliRaw(const QStringList& arguments) {
    CliResult r;
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    r.status = cli::runCli(arguments, out, err);
    out.flush();
    err.flush();
    runs_.push_back(r);
    return r;
  }

  QString exportTable(const QString& dir, const QString& table) {
    const CliResult r = cli(dir, {QStringLiteral("tabla-exporta"), table});
    EXPECT_EQ(r.status, 0) << table.toStdString();
    return r.out;
  }
  QString exportTable(const QString& table) { return exportTable(data.path(), table); }

  // A file in the scratch folder with the given UTF-8 text.
  QString file(const QString& name, const QString& text) {
    const QString path = QDir(scratch.path()).filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text.toUtf8());
    return path;
  }

  void fillDemo() { ASSERT_EQ(cli({QStringLiteral("demo")}).status, 0); }

  QTemporaryDir data;
  QTemporaryDir scratch;
  HaltRecorder halts;

 private:
  std::vector<CliResult> runs_;
};

// The rows of a CSV text without its header, split at row ends (no field of
// the tables used with it holds a line break).
inline QStringList csvRows(const QString& csv) {
  QStringList rows = csv.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
  if (!rows.isEmpty()) rows.removeFirst();
  return rows;
}

// The rows of a CSV text as header name to value.
inline std::vector<QHash<QString, QString>> csvTable(const QString& csv) {
  cli::CsvReader reader(csv);
  const QStringList header = reader.next().value_or(QStringList());
  std::vector<QHash<QString, QString>> rows;
  while (!reader.atEnd()) {
    const QStringList fields = reader.next().value_or(QStringList());
    QHash<QString, QString> row;
    for (qsizetype i = 0; i < header.size() && i < fields.size(); ++i) row.insert(header[i], fields[i]);
    rows.push_back(row);
  }
  return rows;
}

}  // namespace bv::test
