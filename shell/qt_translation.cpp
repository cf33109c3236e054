#include "shell/qt_translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace bv {

using namespace Qt::StringLiterals;

QString QtSpanish::fileName() {
  return QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath)).filePath(u"qtbase_es.qm"_s);
}

QtSpanish::QtSpanish() : translator_(std::make_unique<QTranslator>()) {
  if (!QCoreApplication::instance() || !translator_->load(fileName())) return;
  installed_ = QCoreApplication::installTranslator(translator_.get());
}

QtSpanish::~QtSpanish() {
  if (installed_) QCoreApplication::removeTranslator(translator_.get());
}

}  // namespace bv
