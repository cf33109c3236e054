#pragma once
// Qt's own texts in Spanish: the file dialog, page setup, the print dialog,
// the context menu of an entry and the standard buttons. The system's own
// texts are written in Spanish and are never translated.
#include <QString>
#include <memory>

class QTranslator;

namespace bv {

class QtSpanish {
 public:
  // Loads Qt's Spanish translation from Qt's translations folder and installs
  // it; a station without it keeps Qt's own English texts.
  QtSpanish();
  // Removes it again.
  ~QtSpanish();
  QtSpanish(const QtSpanish&) = delete;
  QtSpanish& operator=(const QtSpanish&) = delete;

  bool installed() const { return installed_; }
  // The translation file looked for ("/usr/share/qt6/translations/qtbase_es.qm").
  static QString fileName();

 private:
  std::unique_ptr<QTranslator> translator_;
  bool installed_ = false;
};

}  // namespace bv
