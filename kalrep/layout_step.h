#pragma once
// The layout step of a worker's RUN. Without the window (WITHWINDOW 0) a printer
// output takes the printer's current paper and its largest usable width. With
// the window, on screen the layout window is shown until it is answered;
// without a screen the same steps run as if it were accepted at once: the
// caller's default layout is applied (stored the first time, loaded
// afterwards), the page is prepared and the layout accepted under the window's
// rules.
namespace bv {

class ColumnLayout;

// False when the layout is refused (columns wider than the page) or cancelled.
bool runLayoutStep(ColumnLayout& layout);
// The paper code of the printer's current paper (Letter when there is no printer).
int currentPrinterPaperCode();

}  // namespace bv
