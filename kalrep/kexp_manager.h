#pragma once
// The common base of the export library's two workers: the column list that the
// caller builds with ADDFIELD, the names under which its layouts are kept in
// the settings file, and the column-layout object.
#include <QString>
#include <memory>

#include "kalrep/column_descriptor.h"
#include "kalrep/column_layout.h"
#include "kalrep/kal_types.h"

namespace bv {

class KExpManager {
 public:
  kal::Colour KALCOLHTEXTO = 0;                      // heading text colour
  kal::Colour KALCOLHFONDO = 0;                      // heading background colour
  kal::Colour KALCOLDTEXTO = 0;                      // detail text colour
  kal::Colour KALCOLDFONDO = 0;                      // detail background colour
  kal::Byte WITHCOLOR = 0;                           // colours in use
  kal::Byte ISOPEN = 0;                              // OPEN has run
  QString ININAME;                                   // settings file
  QString INIENTRYNAME;                              // the caller's name ("RPT:GeneraPlanilla")
  std::unique_ptr<ColumnLayout> MYKEXWINDOWMANAGER;  // the column-layout object
  ColumnList MYPICTUREQUEUE;                         // the column list
  kal::Byte VISIBLECOL = 0;                          // visible columns

  KExpManager();
  KExpManager(const KExpManager&) = delete;
  KExpManager& operator=(const KExpManager&) = delete;

  // Virtual operations, in slot order.
  // Keeps the names, makes an empty layout and column list, then calls INITDONE.
  virtual void INIT(const QString& IniEntry, const QString& IniFile);
  // Called at the end of INIT; a derived class may finish its own setting up.
  virtual void INITDONE();
  // The layout step (the column-layout window, or the page without it), then
  // the visible columns are counted; false when the user cancelled.
  virtual kal::Byte RUN();
  virtual ~KExpManager();

  // Appends a column bound to the caller's variable (see field_binding.h).
  void ADDFIELD(FieldBinding Field, const QString& Picture, const QString& Justification,
                const QString& Heading, kal::Short Width);
  // Shows the library's version.
  void ABOUT();
  // The base forms write nothing and answer true.
  kal::Byte FORCEHEADER();
  kal::Byte FORCELINE(const QString& Text, const QString& Justification, kal::Colour TextColour,
                      kal::Colour BackColour);
  kal::Byte FORCERECORD(const QString& Values, kal::Colour TextColour, kal::Colour BackColour);

  // The layout object, made on first use when INIT has not run.
  ColumnLayout& layout();
  // Counts the visible columns into VISIBLECOL.
  void countVisibleColumns();

  static constexpr const char* kVersion = "5.5";
};

}  // namespace bv
