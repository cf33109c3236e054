#pragma once
// The preview's zoom steps and the resolution each one draws the pages at.
#include <QList>
#include <QSize>
#include <QString>

namespace bv {

struct ZoomStep {
  enum class Mode { Tile, PageWidth, Percent };
  QString label;
  Mode mode = Mode::Percent;
  int percent = 100;
};

// "Organizar Páginas (Tile)", "Ancho de Página", "50 %", "75 %", "100 %", "200 %",
// "300 %", in that order.
const QList<ZoomStep>& zoomSteps();

// Dots per inch to draw pages of `pageSize` units at, so that with `across` ×
// `down` pages and `gap` pixels around each, the step holds: Tile fits them all in
// the viewport, PageWidth fits the row of pages to its width, Percent scales the
// screen's own resolution. Never below 4.
int zoomDpi(const ZoomStep& step, const QSize& pageSize, int across, int down,
            const QSize& viewport, int screenDpi, int gap);

}  // namespace bv
