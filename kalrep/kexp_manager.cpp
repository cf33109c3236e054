#include "kalrep/kexp_manager.h"

#include "kalrep/layout_step.h"
#include "runtime/message_presenter.h"

namespace bv {

KExpManager::KExpManager() = default;
KExpManager::~KExpManager() = default;

void KExpManager::INIT(const QString& IniEntry, const QString& IniFile) {
  ININAME = IniFile;
  INIENTRYNAME = IniEntry;
  MYKEXWINDOWMANAGER = std::make_unique<ColumnLayout>();
  MYPICTUREQUEUE.clear();
  ISOPEN = 0;
  INITDONE();
}

void KExpManager::INITDONE() {}

kal::Byte KExpManager::RUN() {
  const bool ok = runLayoutStep(layout());
  countVisibleColumns();
  return ok ? 1 : 0;
}

ColumnLayout& KExpManager::layout() {
  if (!MYKEXWINDOWMANAGER) MYKEXWINDOWMANAGER = std::make_unique<ColumnLayout>();
  return *MYKEXWINDOWMANAGER;
}

void KExpManager::countVisibleColumns() {
  VISIBLECOL = kal::Byte(visibleColumns(MYPICTUREQUEUE).size());
}

void KExpManager::ADDFIELD(FieldBinding Field, const QString& Picture, const QString& Justification,
                           const QString& Heading, kal::Short Width) {
  ColumnDescriptor c;
  c.ORDEN = kal::Byte(MYPICTUREQUEUE.size() + 1);
  c.POSICION = c.ORDEN;
  c.NOMBRE = withoutTrailingBlanks(Heading);
  c.PICTURE = withoutTrailingBlanks(Picture);
  c.JUSTIFICACION = withoutTrailingBlanks(Justification);
  c.ANCHO = kal::UShort(Width);
  c.CAMPO = Field;
  c.picture = Picture::parse(c.PICTURE);
  // Dates are shown zero-padded: "@D6" is read as "@D06".
  QString data = c.PICTURE;
  if (data.startsWith(QLatin1StringView("@D"), Qt::CaseInsensitive) &&
      !data.startsWith(QLatin1StringView("@D0"), Qt::CaseInsensitive))
    data.insert(2, u'0');
  c.dataPicture = data == c.PICTURE ? c.picture : Picture::parse(data);
  MYPICTUREQUEUE.push_back(std::move(c));
}

void KExpManager::ABOUT() {
  showMessage(QStringLiteral("Librería de exportación y reportes|Versión %1")
                  .arg(QLatin1StringView(kVersion)),
              QStringLiteral("Acerca de"), MessageIcon::Information, kButtonOk);
}

kal::Byte KExpManager::FORCEHEADER() { return 1; }

kal::Byte KExpManager::FORCELINE(const QString&, const QString&, kal::Colour, kal::Colour) {
  return 1;
}

kal::Byte KExpManager::FORCERECORD(const QString&, kal::Colour, kal::Colour) { return 1; }

}  // namespace bv
