#pragma once
// The small file-selection dialog with which a procedure asks for a file to
// read (the spreadsheet import picks its workbook with it).
//
// On screen it is the file dialog (object name "FileSelection"); without a
// screen (the headless runner, tests) the same question goes through the
// choices interface as the choice "archivo", free text, whose answer is the file
// name (a relative name is taken in the starting directory).
#include <QList>
#include <QString>

class QWidget;

namespace bv {

struct FileMask {
  QString description;  // "Planillas Excel"
  QString pattern;      // "*.XLS;*.XLSX"
};

struct FileSelection {
  static inline const QString kDefaultTitle = QStringLiteral("Select A File");
  static inline const QString kChoiceId = QStringLiteral("archivo");

  QString title;                // kDefaultTitle when empty
  QList<FileMask> masks;        // "All Files|*.*" when none
  QString startDirectory;       // becomes the current directory before the dialog
  bool keepCurrentDirectory = false;  // the current directory is set back afterwards
  bool onScreen = true;
  QWidget* parent = nullptr;    // on screen only

  QString effectiveTitle() const { return title.isEmpty() ? kDefaultTitle : title; }
  // The masks as the system writes them: description "|" pattern, joined by "|".
  QString filterText() const;
  // The same masks as a file dialog filter ("Planillas Excel (*.XLS *.XLSX)").
  QStringList dialogFilters() const;
};

// The chosen file's full name, or an empty text when the user cancelled.
QString selectFile(const FileSelection& selection);

}  // namespace bv
