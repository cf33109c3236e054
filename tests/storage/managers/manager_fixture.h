#pragma once
// The file managers of every table over a fresh data directory, with a message
// window that answers from a script and a halt that is only recorded. A second
// station is another layer (another connection) on the same directory.
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <iostream>

#include "runtime/halt.h"
#include "runtime/scripted_presenter.h"
#include "tests/support/test_layer.h"
#include "storage/errors/standard_messages.h"
#include "storage/managers/file_managers.h"

namespace bv::test {

inline Decimal dec(const char* text) { return *Decimal::parse(std::string_view(text)); }

struct Station {
  explicit Station(const QString& directory, ErrorManager& errors,
                   const Dictionary& dictionary = Dictionary::instance())
      : layer(makeTestLayer({directory, directory})), managers(*layer, errors, dictionary) {}
  std::shared_ptr<FileLayer> layer;
  FileManagers managers;
};

class ManagerTest : public testing::Test {
 protected:
  ManagerTest() : scope_(script) {
    errors.loadTable(standardMessageBlock());
    clearRuntimeError();
  }
  ~ManagerTest() override {
    // A failed test lists the boxes it showed, since texts print poorly.
    if (HasFailure())
      for (const MessageBox& box : script.shown())
        std::cerr << "  shown: " << box.title().toStdString() << " / " << box.text().toStdString() << '\n';
    clearRuntimeError();
  }

  QString path(const QString& file) const { return QDir(dir.path()).filePath(file); }
  std::unique_ptr<Station> otherStation() { return std::make_unique<Station>(dir.path(), errors); }

  const MessageBox& lastBox() const { return script.shown().back(); }
  QStringList titles() const {
    QStringList out;
    for (const MessageBox& box : script.shown()) out << box.title();
    return out;
  }

  // A Basicos record that passes the rules.
  static void basico(FileManager& m, const char* code, const char* description = "", const char* cost = "0") {
    Record& b = m.buffer();
    b.clear();
    b.setText(1, QString::fromUtf8(code));
    b.setText(2, QString::fromUtf8(description));
    b.setDecimal(4, dec(cost));
    b.setText(6, "P");
  }
  static QString code(FileManager& m) { return m.buffer().text(1); }

  QTemporaryDir dir;
  ErrorManager errors;
  ScriptedPresenter script;
  HaltRecorder halts;
  Station station{dir.path(), errors};
  FileManagers& managers = station.managers;

 private:
  PresenterScope scope_;
};

}  // namespace bv::test
