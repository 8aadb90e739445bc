#pragma once

// The data sheet as a spreadsheet and what its window and its print share with it: the
// groups of the header and of the columns, and the fuel column's title with its unit.
//
// The workbook holds, one under the other: the title, the 20 summary lines under their three
// captions, an empty row, the column groups, the 15 column titles (the fuel's unit under
// "Calefacc."), the 24 hours and the totals under their columns. Every figure is a number:
// the value the sheet shows, read back from its text (NumeroDeCelda of CeldasHora and
// CeldasTotales), not the record's own double. A single such as 0.24F widens to
// 0.239999994635582 and the spreadsheet would show those digits; read from " .24" it shows
// 0.24, as the sheet and the text export do.

#include "results/hoja_calculo.h"
#include "results/textos_resumen.h"
#include "scenario/escenario.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace hortelia {

/// The summary's three captions above their lines of LineasResumen, in order.
struct GrupoResumen {
    std::string_view titulo;
    std::size_t lineas;
};
inline constexpr GrupoResumen kGruposResumen[] = {{"Invernáculo :", 11}, {"Meteorología :", 6}, {"Cultivo :", 3}};

/// The headings above the hourly columns: columns desde..hasta (from 0, "Hora" is 0).
struct GrupoColumnas {
    std::string_view titulo;
    std::size_t desde, hasta;
};
inline constexpr GrupoColumnas kGruposColumnas[] = {{"Ambiente externo", 1, 5},
                                                    {"Interior invernáculo", 6, 9},
                                                    {"Control temperatura", 10, 11},
                                                    {"Transpiración", 13, 14}};

/// The column of the fuel burnt, whose title carries the fuel's unit.
inline constexpr std::size_t kColumnaCombustible = 10;

/// Title of column c (from 0) as the sheet heads it: TitulosColumnas()[c], and for the fuel
/// column a second line with the fuel's unit ("Calefacc.\n(litros)").
std::string TituloColumna(std::size_t c, std::string_view unidadCombustible);

/// The data sheet's workbook for the last run, under the summary the sheet shows.
Hoja HojaPlanilla(const Escenario& e, const TextosResumen& resumen);

}  // namespace hortelia
