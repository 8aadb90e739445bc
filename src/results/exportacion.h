#pragma once

// The text export of the data sheet: UTF-8, tab-separated, so it opens cleanly in a
// spreadsheet and reads well in an editor. A title line, the scenario summary (one caption
// a line, as the data sheet shows them), an empty line, the 15 column titles, 24 hourly
// rows, and a totals line with each total under its column.

#include "results/textos_resumen.h"
#include "scenario/escenario.h"

#include <string>
#include <vector>

namespace hortelia {

/// Which control an hour shows: heating below TMinTol, cooling above TMaxTol, else none.
enum class ControlDeHora { Ninguno, Calefaccion, Refrigeracion };
ControlDeHora ControlMostrado(const Escenario& e, int h);

/// The 20 summary captions, in the order of the data sheet's header.
std::vector<std::string> LineasResumen(const TextosResumen& t);

/// The 15 column titles, "Hora" to "Evt pot. (mm)".
const std::vector<std::string>& TitulosColumnas();

/// The 15 cells of hour h as the data sheet shows them (number-to-text, with its blank); the
/// heating or cooling cell that the hour does not show is empty.
std::vector<std::string> CeldasHora(const Escenario& e, int h);
/// Columns (from 0) of the four daily totals: "Calefacc.", "Refriger. (l H2O)", "Evt relat. (mm)",
/// "Evt pot. (mm)".
inline constexpr std::size_t kColumnasTotales[] = {10, 11, 13, 14};
/// The four daily totals (fuel, sprayed water, Etr, Etp) by number-to-text.
std::vector<std::string> CeldasTotales(const Escenario& e);

/// The whole export text of the last run, under the summary the data sheet shows.
std::string TextoPlanilla(const Escenario& e, const TextosResumen& resumen);

}  // namespace hortelia
