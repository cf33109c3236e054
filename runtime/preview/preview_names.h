#pragma once
// Names of the print preview's windows and controls (their objectName), by which
// tests and the program find them, and the names its windows keep their
// positions under.
#include <QString>

namespace bv::preview {

inline constexpr char kWindowCaption[] = "Report Preview";
inline constexpr char kWindowPosition[] = "_PreviewWindow_";
inline constexpr char kAskPagesPosition[] = "_PreviewAskPagesWindow_";

// The preview window.
inline constexpr char kWindow[] = "?PREVIEW";
inline constexpr char kPages[] = "?PREVIEW:PAGES";        // the page view
inline constexpr char kScroll[] = "?PREVIEW:SCROLL";      // its scroll area
inline constexpr char kFirst[] = "?PREVIEW:FIRST";
inline constexpr char kPrevious[] = "?PREVIEW:PREVIOUS";
inline constexpr char kNext[] = "?PREVIEW:NEXT";
inline constexpr char kLast[] = "?PREVIEW:LAST";
inline constexpr char kPageNumber[] = "?PREVIEW:PAGENUMBER";  // "Página 2 de 5"
inline constexpr char kGoTo[] = "?PREVIEW:GOTO";
inline constexpr char kGoToDialog[] = "?PREVIEW:GOTODIALOG";
inline constexpr char kAcross[] = "?PREVIEW:ACROSS";
inline constexpr char kDown[] = "?PREVIEW:DOWN";
inline constexpr char kZoom[] = "?PREVIEW:ZOOM";
inline constexpr char kPrint[] = "?PREVIEW:PRINT";
inline constexpr char kExit[] = "?PREVIEW:EXIT";

// The question which pages to print.
inline constexpr char kAskPages[] = "?ASKPAGES";
inline constexpr char kAskAll[] = "?ASKPAGES:ALL";
inline constexpr char kAskCurrent[] = "?ASKPAGES:CURRENT";
inline constexpr char kAskRange[] = "?ASKPAGES:RANGE";
inline constexpr char kAskList[] = "?ASKPAGES:PAGES";
inline constexpr char kAskError[] = "?ASKPAGES:ERROR";
inline constexpr char kAskOk[] = "?ASKPAGES:OK";
inline constexpr char kAskCancel[] = "?ASKPAGES:CANCEL";

// Choices asked when the preview runs without a screen.
inline constexpr char kChoiceDecision[] = "vista-previa";          // "Imprimir" or "Salir"
inline constexpr char kChoicePages[] = "vista-previa-paginas";     // "1-3,5", "" = all

}  // namespace bv::preview
