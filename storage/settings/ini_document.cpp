#include "storage/settings/ini_document.h"

#include <algorithm>
#include <utility>

namespace bv {
namespace {

bool sameName(const QString& a, const QString& b) {
  return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString oneLine(QString text) {
  text.replace(QLatin1String("\r\n"), QLatin1String(" "));
  text.replace(QLatin1Char('\r'), QLatin1Char(' '));
  text.replace(QLatin1Char('\n'), QLatin1Char(' '));
  return text;
}

// The name of a header line "[name]", or nothing when the line is not one. The
// last "]" closes the name, so section names may themselves contain "]".
std::optional<QString> headerName(const QString& trimmed) {
  if (!trimmed.startsWith(QLatin1Char('['))) return std::nullopt;
  const qsizetype close = trimmed.lastIndexOf(QLatin1Char(']'));
  if (close < 1) return std::nullopt;
  return trimmed.mid(1, close - 1).trimmed();
}

}  // namespace

IniDocument::Line IniDocument::parseEntry(const QString& text) {
  Line line;
  line.text = text;
  const QString trimmed = text.trimmed();
  // Blank lines, comments and a header without its "]" are no entries.
  if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('[')))
    return line;
  const qsizetype eq = trimmed.indexOf(QLatin1Char('='));
  if (eq <= 0) return line;
  const QString name = trimmed.left(eq).trimmed();
  if (name.isEmpty()) return line;
  line.isEntry = true;
  line.name = name;
  line.value = trimmed.mid(eq + 1).trimmed();  // a value may hold further "="
  return line;
}

IniDocument IniDocument::parse(const QString& text) {
  IniDocument doc;
  QStringList lines = text.split(QLatin1Char('\n'));
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  for (QString& raw : lines) {
    if (raw.endsWith(QLatin1Char('\r'))) raw.chop(1);
    if (auto name = headerName(raw.trimmed())) {
      doc.sections_.append(Section{*name, raw, {}});
      continue;
    }
    QList<Line>& target = doc.sections_.isEmpty() ? doc.preamble_ : doc.sections_.last().lines;
    target.append(parseEntry(raw));
  }
  return doc;
}

QString IniDocument::toText() const {
  QString out;
  const auto put = [&out](const QString& line) {
    out += line;
    out += QLatin1String("\r\n");
  };
  for (const Line& line : preamble_) put(line.text);
  for (const Section& section : sections_) {
    put(section.header);
    for (const Line& line : section.lines) put(line.text);
  }
  return out;
}

const IniDocument::Section* IniDocument::findSection(const QString& name) const {
  const QString wanted = name.trimmed();
  for (const Section& section : sections_)
    if (sameName(section.name, wanted)) return &section;
  return nullptr;
}

IniDocument::Section* IniDocument::findSection(const QString& name) {
  return const_cast<Section*>(std::as_const(*this).findSection(name));
}

std::optional<QString> IniDocument::value(const QString& section, const QString& entry) const {
  const Section* found = findSection(section);
  if (!found) return std::nullopt;
  const QString wanted = entry.trimmed();
  for (const Line& line : found->lines)
    if (line.isEntry && sameName(line.name, wanted)) return line.value;
  return std::nullopt;
}

void IniDocument::setValue(const QString& section, const QString& entry, const QString& value) {
  const QString name = entry.trimmed();
  const QString cleanValue = oneLine(value).trimmed();
  Section* target = findSection(section);
  if (!target) {
    const QString sectionName = section.trimmed();
    sections_.append(
        Section{sectionName, QLatin1Char('[') + sectionName + QLatin1Char(']'), {}});
    target = &sections_.last();
  }
  qsizetype after = -1;  // the last entry line of the section
  for (qsizetype i = 0; i < target->lines.size(); ++i) {
    Line& line = target->lines[i];
    if (!line.isEntry) continue;
    after = i;
    if (!sameName(line.name, name)) continue;
    if (line.value != cleanValue) {
      line.value = cleanValue;
      line.text = line.name + QLatin1Char('=') + cleanValue;
    }
    return;
  }
  target->lines.insert(after + 1,
                      Line{name + QLatin1Char('=') + cleanValue, true, name, cleanValue});
}

bool IniDocument::removeEntry(const QString& section, const QString& entry) {
  Section* found = findSection(section);
  if (!found) return false;
  const QString wanted = entry.trimmed();
  for (qsizetype i = 0; i < found->lines.size(); ++i) {
    const Line& line = found->lines.at(i);
    if (line.isEntry && sameName(line.name, wanted)) {
      found->lines.removeAt(i);
      return true;
    }
  }
  return false;
}

qsizetype IniDocument::entryCount(const QString& section) const {
  const Section* found = findSection(section);
  if (!found) return 0;
  return std::count_if(found->lines.begin(), found->lines.end(),
                       [](const Line& line) { return line.isEntry; });
}

bool IniDocument::canHoldEntryName(const QString& entry) {
  const QString name = entry.trimmed();
  return !name.isEmpty() && !name.contains(QLatin1Char('=')) && !name.contains(QLatin1Char('\n')) &&
         !name.contains(QLatin1Char('\r')) && !name.startsWith(QLatin1Char('[')) &&
         !name.startsWith(QLatin1Char(';'));
}

bool IniDocument::canHoldSectionName(const QString& section) {
  return !section.contains(QLatin1Char('\n')) && !section.contains(QLatin1Char('\r'));
}

}  // namespace bv
