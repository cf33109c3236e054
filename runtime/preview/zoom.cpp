#include "runtime/preview/zoom.h"

#include <algorithm>

namespace bv {

const QList<ZoomStep>& zoomSteps() {
  static const QList<ZoomStep> steps = {
      {QStringLiteral("Organizar Páginas (Tile)"), ZoomStep::Mode::Tile, 0},
      {QStringLiteral("Ancho de Página"), ZoomStep::Mode::PageWidth, 0},
      {QStringLiteral("50 %"), ZoomStep::Mode::Percent, 50},
      {QStringLiteral("75 %"), ZoomStep::Mode::Percent, 75},
      {QStringLiteral("100 %"), ZoomStep::Mode::Percent, 100},
      {QStringLiteral("200 %"), ZoomStep::Mode::Percent, 200},
      {QStringLiteral("300 %"), ZoomStep::Mode::Percent, 300},
  };
  return steps;
}

int zoomDpi(const ZoomStep& step, const QSize& pageSize, int across, int down,
            const QSize& viewport, int screenDpi, int gap) {
  constexpr int kLeast = 4;
  across = std::max(1, across);
  down = std::max(1, down);
  const auto fit = [gap](int room, int count, int pageUnits) {
    const long long free = room - static_cast<long long>(gap) * (count + 1);
    if (pageUnits <= 0 || free <= 0) return 0;
    return static_cast<int>(free * 1000 / (static_cast<long long>(count) * pageUnits));
  };
  int dpi = 0;
  switch (step.mode) {
    case ZoomStep::Mode::Percent: dpi = screenDpi * step.percent / 100; break;
    case ZoomStep::Mode::PageWidth: dpi = fit(viewport.width(), across, pageSize.width()); break;
    case ZoomStep::Mode::Tile:
      dpi = std::min(fit(viewport.width(), across, pageSize.width()),
                     fit(viewport.height(), down, pageSize.height()));
      break;
  }
  return std::max(kLeast, dpi);
}

}  // namespace bv
