#pragma once
// The column-layout window's messages and the names of its saved layouts.
namespace bv::layout {

inline constexpr char kTitle[] = "Atención !";
inline constexpr char kTooWide[] =
    "Tiene demasiadas columnas o las existentes|son muy anchas.|Intente ajustar las columnas al "
    "ancho o|disminuya la cantidad de columnas para poder continuar.";
inline constexpr char kWiderThanPortrait[] =
    "El ancho de las columnas es mas ancho el maximo permitido |para este tipo de hoja.|No se "
    "puede "
    "ajustar al ancho ya que las columnas|mas chicas desaparecerian.||Cambie el tipo de hoja "
    "o|seleccione la hoja en forma horizontal.";
inline constexpr char kCannotFit[] =
    "Tiene demasiadas columnas o las existentes|son muy anchas.|No se puede ajustar al ancho ya "
    "que "
    "las columnas|mas chicas desaparecerian.||Disminuya la cantidad de columnas para poder "
    "continuar.";
inline constexpr char kCannotHideAll[] = "No se pueden ocultar todos los campos.";
inline constexpr char kReplaceLayout[] = "El modelo ya existe.|Quiere reemplazarlo?.";

// The layout a caller's column set is first stored under, and shown from then on.
inline constexpr char kDefaultLayout[] = "KAL_POR_DEFECTO";

// Keys of the layout section.
inline constexpr char kNamesKey[] = "reporte_NOMBRES";
inline constexpr char kDefaultKey[] = "reporte_DEFAULT";
inline constexpr char kOrderPrefix[] = "reporte_";
inline constexpr char kWidthPrefix[] = "reporte_H_";
inline constexpr char kTitlePrefix[] = "reporte_T_";
inline constexpr char kOptionsPrefix[] = "reporte_O_";

}  // namespace bv::layout
