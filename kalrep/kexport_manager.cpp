#include "kalrep/kexport_manager.h"

#include "kalrep/export_codes.h"
#include "kalrep/output_menus.h"
#include "kalrep/user_questions.h"

namespace bv {

KExportManager::KExportManager() = default;
KExportManager::~KExportManager() = default;

KExpManager* KExportManager::worker() const {
  if (P) return P.get();
  return R.get();
}

kal::Byte KExportManager::INIT(const QString& FileName, const QString& IniEntry,
                               const QString& IniFile, kal::Byte Type, kal::Byte IncHeader,
                               kal::Byte CreateFile, kal::Byte Choice) {
  ISOPEN = 0;
  TEXTEXPT = kal::kCancelled;
  kal::Byte code = Type;
  if (Type == 0 || Type == kal::kFilesOnly || Type == kal::kWithText) {
    code = askOutput(outputTypeMenu(Choice + (Type == kal::kWithText ? 100 : 0)));
    if (code == kal::kCancelled) {
      EXPT = 0;
      return 0;
    }
  }
  kal::Byte inForce = code;
  if (kal::isPrinterCode(code)) {
    TEXTEXPT = code;
    ISAPROCESS = 0;
    P.reset();
    R = std::make_unique<KExReportManager>();
    inForce = kal::kPrinter;
  } else {
    TEXTEXPT = kal::kCancelled;
    ISAPROCESS = 1;
    R.reset();
    P = std::make_unique<KExProcessManager>();
  }
  EXPT = inForce;
  if (P)
    P->INIT(FileName, IniEntry, IniFile, inForce, IncHeader, CreateFile);
  else
    R->INIT(IniEntry, IniFile);
  SETUP();
  return 1;
}

void KExportManager::SETUP() {
  if (P) {
    P->KALCOLHTEXTO = KALCOLHTEXTO;
    P->KALCOLHFONDO = KALCOLHFONDO;
    P->KALCOLPAGE = KALCOLPAGE;
    P->QUOTECHAR = QUOTECHAR;
    P->FIELDDELIMITER = FIELDDELIMITER;
    P->OMITROWCOLOR = OMITROWCOLOR;
  } else if (R) {
    R->TOTEXT = TOTEXT;
    R->MYHEADER = MYHEADER;
    R->MYDETAIL = MYDETAIL;
    R->MYREPORT = MYREPORT;
    R->KALCOLHTEXTO = KALCOLHTEXTO;
    R->KALCOLHFONDO = KALCOLHFONDO;
  }
}

void KExportManager::SETCOLOR() {
  if (KExpManager* w = worker()) {
    w->KALCOLDTEXTO = KALCOLDTEXTO;
    w->KALCOLDFONDO = KALCOLDFONDO;
  }
}

void KExportManager::ADDFIELD(FieldBinding Field, const QString& Picture,
                              const QString& Justification, const QString& Heading,
                              kal::Short Width) {
  if (KExpManager* w = worker()) w->ADDFIELD(Field, Picture, Justification, Heading, Width);
}

kal::Byte KExportManager::RUN() {
  KExpManager* w = worker();
  return w ? w->RUN() : 0;
}

kal::Byte KExportManager::OPEN() {
  if (P) {
    const kal::Byte ok = P->OPEN();
    if (ok) WITHCOLOR = P->WITHCOLOR;
    return ok;
  }
  if (R) {
    R->OPEN();
    WITHCOLOR = R->WITHCOLOR;
    return 1;
  }
  return 0;
}

kal::Byte KExportManager::TAKERECORD() {
  SETCOLOR();
  if (P) return P->TAKERECORD();
  if (R) return R->TAKERECORD(), 1;
  return 0;
}

void KExportManager::CLOSE() {
  if (P) P->CLOSE();
}

kal::Byte KExportManager::FORCEHEADER() {
  if (P) return P->FORCEHEADER();
  return R ? R->FORCEHEADER() : 0;
}

kal::Byte KExportManager::FORCELINE(const QString& Text, const QString& Justification,
                                    kal::Colour TextColour, kal::Colour BackColour) {
  if (P) return P->FORCELINE(Text, Justification, TextColour, BackColour);
  return R ? R->FORCELINE(Text, Justification, TextColour, BackColour) : 0;
}

kal::Byte KExportManager::FORCERECORD(const QString& Values, kal::Colour TextColour,
                                      kal::Colour BackColour) {
  if (P) return P->FORCERECORD(Values, TextColour, BackColour);
  return R ? R->FORCERECORD(Values, TextColour, BackColour) : 0;
}

void KExportManager::SETFACE(kal::Byte WithWindow, const QString& Justification, kal::Byte Date,
                             kal::Byte Time, kal::Byte Page, kal::Byte Colours,
                             const QString& Orientation, const QString& Title, kal::Byte PaperType,
                             const QStringList* Titles, kal::Byte Oem) {
  if (P) {
    P->SETFACE(WithWindow, Colours, Oem);
  } else if (R) {
    ColumnLayout& l = R->layout();
    l.WITHWINDOW = WithWindow;
    l.KAL_JUSTIFICACION = Justification;
    l.KAL_FECHA_SI = Date;
    l.KAL_HORA_SI = Time;
    l.KAL_PAGINA_SI = Page;
    l.KAL_COLORES_SI = Colours;
    l.KAL_HORIZONTAL = Orientation;
    l.KAL_TITULO = Title;
    l.KAL_TIPO_HOJA_AUX = PaperType;
    R->TITULOS = Titles;
  }
}

void KExportManager::ABOUT() {
  if (KExpManager* w = worker()) {
    w->ABOUT();
  } else {
    KExpManager about;
    about.ABOUT();
  }
}

}  // namespace bv
