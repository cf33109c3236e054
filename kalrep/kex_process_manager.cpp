#include "kalrep/kex_process_manager.h"

#include <QFile>

#include "kalrep/export_codes.h"
#include "kalrep/user_questions.h"
#include "kalrep/writers/dbf_writer.h"
#include "kalrep/writers/delimited_writer.h"
#include "kalrep/writers/html_writer.h"
#include "kalrep/writers/rtf_writer.h"
#include "kalrep/writers/spreadsheet_writer.h"
#include "runtime/automation/automation.h"
#include "runtime/message_presenter.h"

namespace bv {
namespace {

// The container is placed past every control of the window it lives in.
constexpr kal::Short kContainerControl = 5000;

}  // namespace

KExProcessManager::KExProcessManager() = default;
KExProcessManager::~KExProcessManager() = default;

void KExProcessManager::INIT(const QString& FileName, const QString& IniEntry,
                             const QString& IniFile, kal::Byte ExportType, kal::Byte IncHeader,
                             kal::Byte CreateFile) {
  KExpManager::INIT(IniEntry, IniFile);
  CREATEFILE = CreateFile;
  INCHEADER = IncHeader;
  FILENAME = FileName;
  EXPORTTYPE = ExportType;
  RECORDCOUNTER = 0;
  layout().init(ININAME, INIENTRYNAME, MYPICTUREQUEUE, false);
}

kal::Byte KExProcessManager::RUN() {
  if (!KExpManager::RUN()) return 0;
  if (EXPORTTYPE == 0 || EXPORTTYPE == kal::kFilesOnly) {
    const kal::Byte code = askOutput(exportTypeMenu());
    if (code == kal::kCancelled) return 0;
    EXPORTTYPE = code;
  }
  if (withoutTrailingBlanks(FILENAME).isEmpty()) {
    const auto name = askFileName(EXPORTTYPE);
    if (!name) return 0;
    FILENAME = withDefaultExtension(*name, EXPORTTYPE);
  }
  countVisibleColumns();
  WITHCOLOR = layout().KAL_COLORES_SI;
  return 1;
}

void KExProcessManager::BEFORECELL() {}

void KExProcessManager::SETFACE(kal::Byte WithWindow, kal::Byte Colours, kal::Byte Oem) {
  layout().WITHWINDOW = WithWindow;
  layout().KAL_COLORES_SI = Colours;
  OEM = Oem;
}

void KExProcessManager::reportOpenFailure() const {
  showMessage(QString::fromLatin1(kOpenFailure) + withoutTrailingBlanks(FILENAME),
              QStringLiteral("Error"), MessageIcon::Exclamation, kButtonOk);
}

bool KExProcessManager::openFile() {
  const QString name = withoutTrailingBlanks(FILENAME);
  std::vector<WriterColumn> columns;
  for (const ColumnDescriptor* c : visible_)
    columns.push_back({c->ANCHO, c->pictureWidth(), c->NOMBRE});

  if (EXPORTTYPE == kal::kSpreadsheet) {
    // The workbook is saved at CLOSE; that the name can be written is checked
    // now, before any row is prepared.
    QFile::remove(name);
    QFile probe(name);
    if (name.isEmpty() || !probe.open(QIODevice::WriteOnly)) return false;
    probe.close();
    probe.remove();
    container_ = Automation::create(QStringLiteral("Excel.VBAModule"));
    if (!container_) return false;
    EXTERNALCONTROL = kContainerControl;
    writer_ = std::make_unique<SpreadsheetWriter>(*container_, name, int(visible_.size()));
    return true;
  }

  OUTFILEHANDLE = ExportFile::open(name, CREATEFILE != 0);
  if (!OUTFILEHANDLE) return false;
  std::vector<int> widths;
  for (const WriterColumn& c : columns) widths.push_back(c.width);
  switch (EXPORTTYPE) {
    case kal::kCsv:
      writer_ = std::make_unique<DelimitedWriter>(*OUTFILEHANDLE, QUOTECHAR, FIELDDELIMITER, OEM);
      break;
    case kal::kHtml:
      writer_ = std::make_unique<HtmlWriter>(*OUTFILEHANDLE, KALCOLPAGE, int(visible_.size()));
      break;
    case kal::kDbf:
      writer_ = std::make_unique<DbfWriter>(*OUTFILEHANDLE, std::move(columns), CREATEFILE != 0);
      break;
    case kal::kRtf:
      writer_ = std::make_unique<RtfWriter>(*OUTFILEHANDLE, std::move(widths));
      break;
    default:
      break;  // a type without a format: the file is opened, nothing is written
  }
  return true;
}

kal::Byte KExProcessManager::OPEN() {
  if (ISOPEN) return opened_ ? 1 : 0;
  ISOPEN = 1;
  visible_ = visibleColumns(std::as_const(MYPICTUREQUEUE));
  VISIBLECOL = kal::Byte(visible_.size());
  if (!openFile() || (writer_ && !writer_->begin())) {
    writer_.reset();
    OUTFILEHANDLE.reset();
    container_.reset();
    reportOpenFailure();
    return 0;
  }
  if (writer_) RECORDCOUNTER += writer_->recordsAlreadyWritten();
  opened_ = true;
  return 1;
}

RowStyle KExProcessManager::rowStyle() const {
  if (INCHEADER) return {true, KALCOLHTEXTO, KALCOLHFONDO, OMITROWCOLOR != 0};
  return {false, KALCOLDTEXTO, KALCOLDFONDO, OMITROWCOLOR != 0};
}

bool KExProcessManager::writeHeading() {
  if (!writer_ || writer_->recordsOnly()) return true;
  ++RECORDCOUNTER;
  std::vector<WriterCell> cells;
  cells.reserve(visible_.size());
  for (const ColumnDescriptor* c : visible_)
    cells.push_back({withoutTrailingBlanks(c->NOMBRE), u'S', u'L'});
  return writer_->row(cells, rowStyle(), RECORDCOUNTER);
}

kal::Byte KExProcessManager::TAKERECORD() {
  if (!opened_) return 0;
  if (!writer_) return 1;
  if (INCHEADER) {
    if (!writeHeading()) return 0;
    INCHEADER = 0;
  }
  ++RECORDCOUNTER;
  // The row's cell list is kept between records rather than built anew.
  cells_.resize(visible_.size());
  for (std::size_t i = 0; i < visible_.size(); ++i) {
    BEFORECELL();
    const ColumnDescriptor* c = visible_[i];
    WriterCell& cell = cells_[i];
    cell.justification = c->justification();
    cell.type = c->typeLetter();
    cell.text = c->formattedValue();
    alignCellText(cell.text, cell.justification);
  }
  return writer_->row(cells_, rowStyle(), RECORDCOUNTER) ? 1 : 0;
}

kal::Byte KExProcessManager::FORCEHEADER() {
  if (!opened_) return 0;
  const kal::Byte saved = INCHEADER;
  INCHEADER = 1;
  const bool ok = writeHeading();
  INCHEADER = saved;
  return ok ? 1 : 0;
}

template <typename F>
kal::Byte KExProcessManager::forced(kal::Colour text, kal::Colour back, F&& write) {
  if (!opened_) return 0;
  if (!writer_) return 1;
  const kal::Byte savedHeader = INCHEADER, savedOmit = OMITROWCOLOR;
  const kal::Colour savedText = KALCOLDTEXTO, savedBack = KALCOLDFONDO;
  INCHEADER = 0;
  OMITROWCOLOR = 0;
  KALCOLDTEXTO = text;
  KALCOLDFONDO = back;
  const bool ok = write(rowStyle());
  INCHEADER = savedHeader;
  OMITROWCOLOR = savedOmit;
  KALCOLDTEXTO = savedText;
  KALCOLDFONDO = savedBack;
  return ok ? 1 : 0;
}

kal::Byte KExProcessManager::FORCELINE(const QString& Text, const QString& Justification,
                                       kal::Colour TextColour, kal::Colour BackColour) {
  return forced(TextColour, BackColour, [&](const RowStyle& style) {
    if (writer_->recordsOnly()) return true;
    ++RECORDCOUNTER;
    const QChar justification =
        Justification.isEmpty() ? QChar(u'L') : Justification.at(0).toUpper();
    return writer_->freeLine(withoutTrailingBlanks(Text), justification, style, RECORDCOUNTER);
  });
}

kal::Byte KExProcessManager::FORCERECORD(const QString& Values, kal::Colour TextColour,
                                         kal::Colour BackColour) {
  return forced(TextColour, BackColour, [&](const RowStyle& style) {
    const QStringList pieces = Values.split(u'|');
    ++RECORDCOUNTER;
    std::vector<WriterCell> cells;
    for (std::size_t i = 0; i < visible_.size(); ++i) {
      const ColumnDescriptor* c = visible_[i];
      const QChar justification = c->justification();
      const QString text = qsizetype(i) < pieces.size() ? pieces[qsizetype(i)] : QString();
      cells.push_back({alignedCellText(text, justification), c->typeLetter(), justification});
    }
    return writer_->row(cells, style, RECORDCOUNTER);
  });
}

void KExProcessManager::CLOSE() {
  if (!opened_) return;
  opened_ = false;
  const bool finished = !writer_ || writer_->finish(RECORDCOUNTER);
  writer_.reset();
  OUTFILEHANDLE.reset();
  container_.reset();
  EXTERNALCONTROL = 0;
  // The workbook is written only now: a failure to save it must be told.
  if (!finished) reportOpenFailure();
}

}  // namespace bv
