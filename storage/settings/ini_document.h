#pragma once
// The text of a sectioned settings file: "[Section]" lines followed by
// "Name=Value" lines.
//
// Section and entry names match without regard to letter case. Lines that are
// neither (blank lines, ";" comments, a header without "]", a line without "=",
// binary junk) are skipped when reading but kept verbatim when the text is
// written back, together with the original order and spelling of every line that
// is not changed, so a rewrite disturbs nothing another program put there.
#include <QList>
#include <QString>
#include <optional>

namespace bv {

class IniDocument {
 public:
  static IniDocument parse(const QString& text);
  // The whole text, one line per "\r\n" (the file is shared with Windows stations).
  QString toText() const;

  // Names are taken trimmed; a name to be written must pass canHold...Name.
  std::optional<QString> value(const QString& section, const QString& entry) const;
  // Creates the section and the entry as needed; a new entry goes after the last
  // entry of its section. Line breaks in a value become blanks, since the format
  // holds one line per entry.
  void setValue(const QString& section, const QString& entry, const QString& value);
  bool removeEntry(const QString& section, const QString& entry);
  // Entries the section holds (0 when it is missing).
  qsizetype entryCount(const QString& section) const;

  // Whether an entry of this name can be written and read back: the format has
  // no quoting, so a name cannot hold "=" or a line break, nor start like a
  // header or a comment.
  static bool canHoldEntryName(const QString& entry);
  static bool canHoldSectionName(const QString& section);

 private:
  struct Line {
    QString text;  // as written in the file
    bool isEntry = false;
    QString name;
    QString value;
  };
  struct Section {
    QString name;
    QString header;
    QList<Line> lines;
  };

  const Section* findSection(const QString& name) const;
  Section* findSection(const QString& name);
  static Line parseEntry(const QString& text);

  QList<Line> preamble_;  // lines before the first section: never looked up
  QList<Section> sections_;
};

}  // namespace bv
