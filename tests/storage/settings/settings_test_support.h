#pragma once
// A settings file in a fresh temporary folder, with raw byte access.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace bv::test {

class IniFixture {
 public:
  QString path(const QString& name = QStringLiteral("bravent.INI")) const {
    return dir_.filePath(name);
  }
  QByteArray bytes(const QString& name = QStringLiteral("bravent.INI")) const {
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  void write(const QByteArray& bytes, const QString& name = QStringLiteral("bravent.INI")) const {
    QFile file(path(name));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
  }

 private:
  QTemporaryDir dir_;
};

}  // namespace bv::test
