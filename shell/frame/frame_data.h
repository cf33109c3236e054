#pragma once
// What the main frame reads from the data files, behind one small interface so
// that the frame can be built and tested without them. The program's
// implementation works through the relation and file managers of Paramet,
// Produc01 and Versiones; every member is called in the frame's own execution
// context (ExecutionContext::kMain), so the frame's record buffers are its own.
#include "runtime/date_time.h"
#include "runtime/decimal.h"

#include <QString>
#include <optional>

namespace bv {

struct VersionInfo {
  Decimal version;  // VER:VERSION
  Date date;        // VER:FECHA
};

class FrameData {
 public:
  virtual ~FrameData() = default;

  // Opens Paramet, Produc01 and Versiones through their relation managers, in
  // that order, for the whole life of the frame. A file that cannot be opened is
  // reported by its manager through the error manager.
  virtual void open() = 0;
  // Closes the three, in the same order as they were opened.
  virtual void close() = 0;

  // PAR:MODIFICAFORMULAS of the first Paramet record (set to the file's start,
  // read next), as stored (one character); a blank when the file has no record.
  virtual QString modificaFormulas() = 0;
  // Whether the Paramet file holds a record now. Asked each time the frame
  // starts the general-parameters or the taxes form.
  virtual bool parametHasRecord() = 0;
  // The highest PRO1:CODIGO: PRO1:CODIGO set to the largest value its type holds,
  // the file positioned on PRO1:KEYCOD at it, the previous record read. Nothing
  // when Produc01 has no record. The Produc01 record buffer is cleared
  // afterwards, as the frame leaves no record of its own in it.
  virtual std::optional<Decimal> highestProduction() = 0;
  // VER:VERSION and VER:FECHA of the first Versiones record in file order, with
  // the record buffer cleared first; nothing when the file has no record.
  virtual std::optional<VersionInfo> version() = 0;
};

// The frame's data held in memory: the test double of the frame, and the data
// of a frame run without data files. It records the calls that matter to the
// order of opening.
class MemoryFrameData : public FrameData {
 public:
  void open() override { ++opens; }
  void close() override { ++closes; }
  QString modificaFormulas() override { return paramet ? *paramet : QStringLiteral(" "); }
  bool parametHasRecord() override { return paramet.has_value(); }
  std::optional<Decimal> highestProduction() override { return highestCodigo; }
  std::optional<VersionInfo> version() override { return versiones; }

  std::optional<QString> paramet;         // PAR:MODIFICAFORMULAS of the record, if any
  std::optional<Decimal> highestCodigo;   // highest PRO1:CODIGO, if any
  std::optional<VersionInfo> versiones;   // the Versiones record, if any
  int opens = 0;
  int closes = 0;
};

}  // namespace bv
