#include "shell/file_selection.h"

#include "runtime/choices.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

namespace bv {
namespace {

QList<FileMask> masksOrAll(const FileSelection& s) {
  if (!s.masks.isEmpty()) return s.masks;
  return {FileMask{QStringLiteral("All Files"), QStringLiteral("*.*")}};
}

QString askOnScreen(const FileSelection& s) {
  QFileDialog dialog(s.parent, s.effectiveTitle(), QDir::currentPath());
  dialog.setObjectName(QStringLiteral("FileSelection"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setNameFilters(s.dialogFilters());
  dialog.setWindowModality(Qt::ApplicationModal);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front();
}

QString askWithoutScreen(const FileSelection& s) {
  const auto answer = Choices::ask(Choice{FileSelection::kChoiceId, s.effectiveTitle(),
                                          QStringLiteral("Nombre del archivo:"),
                                          {}, QString()});
  if (!answer || answer->trimmed().isEmpty()) return {};
  return QFileInfo(QDir::current(), answer->trimmed()).absoluteFilePath();
}

// Notes the current directory and sets it back when asked to keep it.
class DirectoryKeeper {
 public:
  explicit DirectoryKeeper(bool keep) : keep_(keep), saved_(QDir::currentPath()) {}
  ~DirectoryKeeper() {
    if (keep_) QDir::setCurrent(saved_);
  }
  DirectoryKeeper(const DirectoryKeeper&) = delete;
  DirectoryKeeper& operator=(const DirectoryKeeper&) = delete;

 private:
  bool keep_;
  QString saved_;
};

}  // namespace

QString FileSelection::filterText() const {
  QStringList parts;
  for (const FileMask& m : masksOrAll(*this)) parts << m.description << m.pattern;
  return parts.join(u'|');
}

QStringList FileSelection::dialogFilters() const {
  QStringList filters;
  for (const FileMask& m : masksOrAll(*this)) {
    // Patterns are separated by ";" in the system's masks, by blanks in the dialog's.
    // "*.*" means every file, also those without an extension.
    QStringList patterns =
        m.pattern.split(QRegularExpression(QStringLiteral("[;\\s]+")), Qt::SkipEmptyParts);
    for (QString& p : patterns)
      if (p == QLatin1String("*.*")) p = QStringLiteral("*");
    filters << QStringLiteral("%1 (%2)").arg(m.description, patterns.join(u' '));
  }
  return filters;
}

QString selectFile(const FileSelection& selection) {
  DirectoryKeeper keeper(selection.keepCurrentDirectory);
  if (!selection.startDirectory.isEmpty()) QDir::setCurrent(selection.startDirectory);
  return selection.onScreen ? askOnScreen(selection) : askWithoutScreen(selection);
}

}  // namespace bv
