// Saving and restoring a window's placement in the section of its name.
#include "storage/settings/ini_document.h"
#include "storage/settings/settings.h"

namespace bv {
namespace {

const QString kMaximize = QStringLiteral("Maximize");
const QString kXPos = QStringLiteral("XPos");
const QString kYPos = QStringLiteral("YPos");
const QString kWidth = QStringLiteral("Width");
const QString kHeight = QStringLiteral("Height");
const QString kYes = QStringLiteral("Yes");
const QString kNo = QStringLiteral("No");

std::optional<int> intValue(const IniDocument& doc, const QString& section, const QString& entry) {
  bool ok = false;
  const int value = doc.value(section, entry).value_or(QString()).toInt(&ok);
  return ok ? std::optional<int>(value) : std::nullopt;
}

struct SavedPlacement {
  bool maximized = false;
  std::optional<int> x, y, width, height;
};

}  // namespace

bool Settings::saveWindow(const QString& name, const WindowGeometry& window) {
  if (!IniDocument::canHoldSectionName(name)) return false;
  const bool maximized = window.isMaximized();
  const bool resizable = window.isResizable();
  const QRect normal = window.normalGeometry();
  return modify([&](IniDocument& doc) {
    doc.setValue(name, kMaximize, maximized ? kYes : kNo);
    // A maximized window still has the place it returns to; without one (never
    // shown normal) the placement saved before is kept.
    if (!normal.isValid()) return;
    doc.setValue(name, kXPos, QString::number(normal.x()));
    doc.setValue(name, kYPos, QString::number(normal.y()));
    if (resizable) {
      doc.setValue(name, kWidth, QString::number(normal.width()));
      doc.setValue(name, kHeight, QString::number(normal.height()));
    }
  });
}

bool Settings::restoreWindow(const QString& name, WindowGeometry& window) {
  std::optional<SavedPlacement> saved;
  read([&](const IniDocument& doc) {
    const QString maximize = doc.value(name, kMaximize).value_or(QString());
    const bool yes = maximize.compare(kYes, Qt::CaseInsensitive) == 0;
    if (!yes && maximize.compare(kNo, Qt::CaseInsensitive) != 0) return;
    saved = SavedPlacement{yes, intValue(doc, name, kXPos), intValue(doc, name, kYPos),
                           intValue(doc, name, kWidth), intValue(doc, name, kHeight)};
  });
  if (!saved) return false;
  // The normal placement goes first, so that maximizing afterwards leaves it as
  // the place the window returns to.
  if (saved->x && saved->y) window.setPosition(*saved->x, *saved->y);
  if (window.isResizable() && saved->width.value_or(0) > 0 && saved->height.value_or(0) > 0)
    window.setSize(*saved->width, *saved->height);
  if (saved->maximized) window.showMaximized();
  return true;
}

}  // namespace bv
