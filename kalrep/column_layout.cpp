#include "kalrep/column_layout.h"

#include <algorithm>
#include <cmath>

#include "kalrep/beep.h"
#include "kalrep/layout_messages.h"
#include "kalrep/paper.h"
#include "runtime/message_presenter.h"

namespace bv {
namespace {

void warn(const char* text, bool withBeep) {
  if (withBeep) beep();
  showMessage(QString::fromUtf8(text), QString::fromUtf8(layout::kTitle), MessageIcon::Exclamation,
              kButtonOk);
}

QString safeName(const QString& name) {
  QString out = withoutTrailingBlanks(name);
  out.replace(u'|', u'_');
  return out;
}

QString key(const char* prefix, const QString& name) { return QString::fromLatin1(prefix) + name; }

QStringList numbers(const QString& value) {
  return value.isEmpty() ? QStringList() : value.split(u',');
}

long visibleWidth(const ColumnList& columns) {
  long total = 0;
  for (const ColumnDescriptor* c : visibleColumns(columns)) total += c->ANCHO;
  return total;
}

}  // namespace

void ColumnLayout::init(const QString& iniName, const QString& entryName, ColumnList& columns,
                        bool withPage) {
  ININAME = iniName;
  INIENTRYNAME = entryName;
  MYPICTUREQUEUE = &columns;
  MYPICTUREQUEUEOCULTOS.clear();
  WITHPAGE = withPage ? 1 : 0;
  store_ = std::make_unique<LayoutStore>(ININAME, INIENTRYNAME);
}

LayoutStore& ColumnLayout::store() {
  if (!store_) store_ = std::make_unique<LayoutStore>(ININAME, INIENTRYNAME);
  return *store_;
}

QChar ColumnLayout::orientation() const {
  return KAL_HORIZONTAL.startsWith(u'H', Qt::CaseInsensitive) ? QChar(u'H') : QChar(u'V');
}

int ColumnLayout::largestWidth() const {
  return std::max(0, paper::largestUsableWidth(KAL_TIPO_HOJA_AUX, orientation()));
}

long ColumnLayout::listWidth() const { return paper::listUnitsOfMillimetres(KAL_ANCHO); }

void ColumnLayout::takePaper(int paperCode) {
  if (!WITHPAGE) return;
  KAL_TIPO_HOJA_AUX = kal::Byte(paper::positionOfCode(paperCode));
  const paper::Size size = paper::sizeAtPosition(KAL_TIPO_HOJA_AUX);
  KAL_ANCHO = kal::UShort(largestWidth());
  KAL_WIDTH = kal::ULong(size.width);
  KAL_HEIGHT = kal::ULong(size.height);
}

void ColumnLayout::preparePage() {
  if (KAL_TIPO_HOJA_AUX == 0) KAL_TIPO_HOJA_AUX = 1;
  if (KAL_ANCHO == 0) KAL_ANCHO = kal::UShort(largestWidth());
  capWidth();
}

void ColumnLayout::setLargestWidth() {
  KAL_ANCHO = 2000;
  capWidth();
}

void ColumnLayout::capWidth() {
  const int largest = largestWidth();
  if (KAL_ANCHO > largest) KAL_ANCHO = kal::UShort(largest);
}

bool ColumnLayout::accept() {
  if (WITHPAGE && MYPICTUREQUEUE && visibleWidth(*MYPICTUREQUEUE) > listWidth()) {
    warn(layout::kTooWide, false);
    return false;
  }
  const paper::Size size = paper::sizeAtPosition(KAL_TIPO_HOJA_AUX);
  KAL_WIDTH = kal::ULong(size.width);
  KAL_HEIGHT = kal::ULong(size.height);
  return true;
}

bool ColumnLayout::fitColumns() {
  if (!MYPICTUREQUEUE) return false;
  const auto visible = visibleColumns(*MYPICTUREQUEUE);
  const long total = visibleWidth(*MYPICTUREQUEUE);
  const long needed = paper::millimetresOfListUnits(total) + 1;
  const int portrait = std::max(0, paper::largestUsableWidth(KAL_TIPO_HOJA_AUX, u'V'));
  const int landscape = std::max(0, paper::largestUsableWidth(KAL_TIPO_HOJA_AUX, u'H'));
  const bool isPortrait = orientation() == u'V';
  if (isPortrait && needed < portrait) {
    KAL_ANCHO = kal::UShort(needed);
    return true;
  }
  if (isPortrait && needed < landscape) {
    warn(layout::kWiderThanPortrait, true);
    return false;
  }
  if (!isPortrait && needed < landscape) {
    KAL_ANCHO = kal::UShort(needed);
    return true;
  }
  const long usable = listWidth();
  if (usable <= 0) return false;
  const long excess = std::lround(double(total) * 100.0 / double(usable) - 100.0);
  if (excess <= 0 || excess == 60) return false;
  if (excess > 60) {
    warn(layout::kCannotFit, true);
    return false;
  }
  for (ColumnDescriptor* c : visible)
    c->ANCHO = kal::UShort(c->ANCHO - std::lround(double(excess) * c->ANCHO / 100.0));
  return true;
}

bool ColumnLayout::moveLeft(ColumnDescriptor& column) {
  if (!MYPICTUREQUEUE || column.ORDEN <= 1) return false;
  for (ColumnDescriptor& other : *MYPICTUREQUEUE)
    if (other.ORDEN == column.ORDEN - 1) {
      std::swap(other.ORDEN, column.ORDEN);
      return true;
    }
  return false;
}

bool ColumnLayout::moveRight(ColumnDescriptor& column) {
  if (!MYPICTUREQUEUE || column.ORDEN == 0) return false;
  for (ColumnDescriptor& other : *MYPICTUREQUEUE)
    if (other.ORDEN == column.ORDEN + 1) {
      std::swap(other.ORDEN, column.ORDEN);
      return true;
    }
  return false;
}

bool ColumnLayout::hide(ColumnDescriptor& column) {
  if (!MYPICTUREQUEUE || column.ORDEN == 0) return false;
  if (visibleColumns(*MYPICTUREQUEUE).size() <= 1) {
    warn(layout::kCannotHideAll, false);
    return false;
  }
  const kal::Byte gone = column.ORDEN;
  MYPICTUREQUEUEOCULTOS.push_back({column.NOMBRE, column.POSICION});
  column.ORDEN = 0;
  for (ColumnDescriptor& other : *MYPICTUREQUEUE)
    if (other.ORDEN > gone) --other.ORDEN;
  return true;
}

bool ColumnLayout::show(int position) {
  if (!MYPICTUREQUEUE) return false;
  const auto hidden = std::find_if(MYPICTUREQUEUEOCULTOS.begin(), MYPICTUREQUEUEOCULTOS.end(),
                                   [&](const HiddenColumn& h) { return h.POSICION == position; });
  if (hidden == MYPICTUREQUEUEOCULTOS.end()) return false;
  kal::Byte highest = 0;
  for (const ColumnDescriptor& c : *MYPICTUREQUEUE) highest = std::max(highest, c.ORDEN);
  for (ColumnDescriptor& c : *MYPICTUREQUEUE)
    if (c.POSICION == position) c.ORDEN = kal::Byte(highest + 1);
  MYPICTUREQUEUEOCULTOS.erase(hidden);
  return true;
}

HiddenColumnList ColumnLayout::hiddenByHeading() const {
  HiddenColumnList out = MYPICTUREQUEUEOCULTOS;
  std::stable_sort(out.begin(), out.end(), [](const HiddenColumn& a, const HiddenColumn& b) {
    return a.NOMBRE < b.NOMBRE;
  });
  return out;
}

std::vector<ColumnDescriptor*> ColumnLayout::inPositionOrder() const {
  std::vector<ColumnDescriptor*> out;
  if (!MYPICTUREQUEUE) return out;
  for (ColumnDescriptor& c : *MYPICTUREQUEUE) out.push_back(&c);
  std::stable_sort(out.begin(), out.end(),
                   [](auto* a, auto* b) { return a->POSICION < b->POSICION; });
  return out;
}

void ColumnLayout::rebuildHidden() {
  MYPICTUREQUEUEOCULTOS.clear();
  for (const ColumnDescriptor* c : inPositionOrder())
    if (c->ORDEN == 0) MYPICTUREQUEUEOCULTOS.push_back({c->NOMBRE, c->POSICION});
}

QStringList ColumnLayout::savedLayoutNames() const {
  if (!store_) return {};
  return store_->read(QString::fromLatin1(layout::kNamesKey)).split(u'|', Qt::SkipEmptyParts);
}

bool ColumnLayout::saveLayout(const QString& rawName) {
  const QString name = safeName(rawName);
  if (name.isEmpty()) return false;
  LayoutStore& s = store();
  const QString namesKey = QString::fromLatin1(layout::kNamesKey);
  // Names are compared whole: "ab" is a layout of its own beside "abc".
  if (!savedLayoutNames().contains(name)) {
    if (!s.write(namesKey, s.read(namesKey) + u'|' + name)) return false;
  } else if (name != QLatin1StringView(layout::kDefaultLayout)) {
    beep();
    const int answer =
        showMessage(QString::fromUtf8(layout::kReplaceLayout), QString::fromUtf8(layout::kTitle),
                    MessageIcon::Question, kButtonYes | kButtonNo, kButtonYes);
    if (answer != kButtonYes) return false;
  }
  QStringList orders, widths;
  for (const ColumnDescriptor* c : inPositionOrder()) {
    orders.append(QString::number(c->ORDEN));
    widths.append(QString::number(c->ANCHO));
  }
  const QString options = QStringList{QString::number(KAL_TIPO_HOJA_AUX),
                                      KAL_JUSTIFICACION,
                                      QString::number(KAL_ANCHO),
                                      QString::number(KAL_FECHA_SI),
                                      QString::number(KAL_HORA_SI),
                                      QString::number(KAL_PAGINA_SI),
                                      KAL_HORIZONTAL,
                                      QString::number(KAL_COLORES_SI)}
                              .join(u',');
  bool ok = s.write(key(layout::kTitlePrefix, name), KAL_TITULO);
  ok = s.write(key(layout::kOptionsPrefix, name), options) && ok;
  ok = s.write(key(layout::kOrderPrefix, name), orders.join(u',')) && ok;
  ok = s.write(key(layout::kWidthPrefix, name), widths.join(u',')) && ok;
  return ok;
}

bool ColumnLayout::loadLayout(const QString& rawName) {
  const QString name = safeName(rawName);
  LayoutStore& s = store();
  const QStringList orders = numbers(s.read(key(layout::kOrderPrefix, name)));
  if (orders.isEmpty()) return false;
  const QStringList widths = numbers(s.read(key(layout::kWidthPrefix, name)));
  // A layout with fewer numbers than columns leaves the others as they are;
  // surplus numbers are ignored.
  const auto columns = inPositionOrder();
  for (std::size_t i = 0; i < columns.size(); ++i) {
    if (i < std::size_t(orders.size())) columns[i]->ORDEN = kal::Byte(orders[qsizetype(i)].toInt());
    if (i < std::size_t(widths.size()))
      columns[i]->ANCHO = kal::UShort(widths[qsizetype(i)].toInt());
  }
  rebuildHidden();
  KAL_TITULO = s.read(key(layout::kTitlePrefix, name));
  const QStringList o = s.read(key(layout::kOptionsPrefix, name)).split(u',');
  const auto field = [&](int i) { return i < o.size() ? std::optional(o[i]) : std::nullopt; };
  if (auto v = field(0)) KAL_TIPO_HOJA_AUX = kal::Byte(v->toInt());
  if (auto v = field(1)) KAL_JUSTIFICACION = *v;
  if (auto v = field(2)) KAL_ANCHO = kal::UShort(v->toInt());
  if (auto v = field(3)) KAL_FECHA_SI = v->toInt();
  if (auto v = field(4)) KAL_HORA_SI = v->toInt();
  if (auto v = field(5)) KAL_PAGINA_SI = kal::UShort(v->toInt());
  if (auto v = field(6)) KAL_HORIZONTAL = *v;
  if (auto v = field(7)) KAL_COLORES_SI = kal::Byte(v->toInt());
  return true;
}

bool ColumnLayout::loadStoredDefaultLayout() {
  if (store().read(QString::fromLatin1(layout::kDefaultKey)) != QLatin1StringView("SI"))
    return false;
  loadLayout(QString::fromLatin1(layout::kDefaultLayout));
  return true;
}

void ColumnLayout::storeDefaultLayout() {
  if (saveLayout(QString::fromLatin1(layout::kDefaultLayout)))
    store().write(QString::fromLatin1(layout::kDefaultKey), QStringLiteral("SI"));
}

void ColumnLayout::applyDefaultLayout() {
  if (!loadStoredDefaultLayout()) storeDefaultLayout();
}

}  // namespace bv
