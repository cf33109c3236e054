#include "storage/errors/placeholders.h"

#include <QStringView>
#include <array>

namespace bv {
namespace {

enum class Slot { File, ErrorCode, ErrorText, Error, FileErrorCode, FileError,
                  Message, Field, Procedure, Category, Previous };

struct Name {
  QStringView text;
  Slot slot;
};

// Longest first, so that a name is never taken for a shorter one it begins with.
constexpr std::array<Name, 11> kNames = {{
    {u"%FileErrorCode", Slot::FileErrorCode},
    {u"%ErrorCode", Slot::ErrorCode},
    {u"%ErrorText", Slot::ErrorText},
    {u"%FileError", Slot::FileError},
    {u"%Procedure", Slot::Procedure},
    {u"%Category", Slot::Category},
    {u"%Previous", Slot::Previous},
    {u"%Message", Slot::Message},
    {u"%Error", Slot::Error},
    {u"%Field", Slot::Field},
    {u"%File", Slot::File},
}};

QString valueOf(Slot slot, const PlaceholderValues& v) {
  switch (slot) {
    case Slot::File: return v.file;
    case Slot::ErrorCode: return QString::number(v.error.code);
    case Slot::ErrorText: return errorTextValue(v.error);
    case Slot::Error: return v.error.text;
    case Slot::FileErrorCode: return v.error.fileCode;
    case Slot::FileError: return v.error.fileText;
    case Slot::Message: return v.message;
    case Slot::Field: return v.field;
    case Slot::Procedure: return v.procedure;
    case Slot::Category: return v.category;
    case Slot::Previous: return v.previous;
  }
  return {};
}

}  // namespace

QString errorTextValue(const RuntimeError& error) {
  constexpr int kFileSystemError = 90;
  if (error.code == kFileSystemError)
    return error.fileText + QStringLiteral(" (") + error.fileCode + u')';
  return error.text + QStringLiteral(" (") + QString::number(error.code) + u')';
}

QString substitutePlaceholders(const QString& text, const PlaceholderValues& values) {
  QString out;
  out.reserve(text.size());
  const QStringView rest(text);
  qsizetype i = 0;
  while (i < rest.size()) {
    if (rest[i] == u'%') {
      const Name* found = nullptr;
      for (const Name& name : kNames)
        if (rest.mid(i).startsWith(name.text, Qt::CaseInsensitive)) {
          found = &name;
          break;
        }
      if (found) {
        out += valueOf(found->slot, values);
        i += found->text.size();
        continue;
      }
    }
    out += rest[i++];
  }
  return out.left(kMessageBufferSize);
}

}  // namespace bv
