#pragma once
// The paper a report is printed on and how: the printer's paper code and the size
// it stands for, the orientation, the printer's resolution setting and the printer
// itself. Sizes are thousandths of an inch, always of the paper held upright; the
// page drawn on is the paper turned when the orientation is landscape.
#include <QPageLayout>
#include <QSize>
#include <QString>

namespace bv {

class PageSetup {
 public:
  // Paper codes are the printer's own numbers: 1 Letter, 5 Legal, 8 A3, 9 A4, ...
  static constexpr int kLetter = 1;
  static constexpr int kA4 = 9;
  // The code of a paper given only by its size.
  static constexpr int kCustomPaper = 256;
  // Resolution settings that name a print quality rather than dots per inch.
  static constexpr int kDraft = -1;
  static constexpr int kLowQuality = -2;
  static constexpr int kMediumQuality = -3;
  static constexpr int kHighQuality = -4;

  // Letter, portrait, the printer's own resolution, the default printer.
  PageSetup() = default;
  // The default printer's current paper and resolution; Letter when the station
  // has no printer.
  static PageSetup fromDefaultPrinter();
  // The size a paper code stands for (upright), or an empty size for a code the
  // printer does not know.
  static QSize paperSizeOf(int code);

  int paperCode() const { return paperCode_; }
  // Sets the paper by its code; an unknown code leaves the paper as it was and
  // answers false.
  bool setPaperCode(int code);
  QSize paperSize() const { return paperSize_; }
  // Sets the paper by its size (upright; the sides are put in that order). The code
  // becomes the one of a standard paper of that size, or kCustomPaper.
  void setPaperSize(int width, int height);
  int paperWidthTenthsMm() const;
  int paperHeightTenthsMm() const;

  bool landscape() const { return landscape_; }
  void setLandscape(bool on) { landscape_ = on; }
  // The page as drawn on: the paper, turned when landscape.
  QSize pageSize() const;

  // Dots per inch, or one of the quality settings above, or 0 for the printer's own.
  int resolution() const { return resolution_; }
  void setResolution(int r) { resolution_ = r; }

  // Empty for the default printer.
  const QString& printerName() const { return printerName_; }
  void setPrinterName(const QString& name) { printerName_ = name; }

  // The page layout a paged device is given: the paper, the orientation, no
  // margins, so page coordinates start at the paper's corner.
  QPageLayout pageLayout() const;

  friend bool operator==(const PageSetup&, const PageSetup&) = default;

 private:
  int paperCode_ = kLetter;
  QSize paperSize_{8500, 11000};
  bool landscape_ = false;
  int resolution_ = 0;
  QString printerName_;
};

}  // namespace bv
