#pragma once

// The text export of the data sheet: UTF-8, tab-separated, so it opens cleanly in a
// spreadsheet and reads well in an editor. A title line, the scenario summary (one caption
// a line, as a loaded scenario shows them), an empty line, the 15 column titles, 24 hourly
// rows, and a totals line.

#include "scenario/escenario.h"

#include <string>
#include <vector>

namespace hortelia {

/// Which control an hour shows: heating below TMinTol, cooling above TMaxTol, else none.
enum class ControlDeHora { Ninguno, Calefaccion, Refrigeracion };
ControlDeHora ControlMostrado(const Escenario& e, int h);

/// The 20 summary captions, in the order of the data sheet's header.
std::vector<std::string> LineasResumen(const Escenario& e);

/// The 15 column titles, "Hora" to "Evt pot. (mm)".
const std::vector<std::string>& TitulosColumnas();

/// The 15 cells of hour h as the data sheet shows them (number-to-text, with its blank); the
/// heating or cooling cell that the hour does not show is empty.
std::vector<std::string> CeldasHora(const Escenario& e, int h);
/// The four daily totals (fuel, sprayed water, Etr, Etp) by number-to-text.
std::vector<std::string> CeldasTotales(const Escenario& e);

/// The whole export text of the last run.
std::string TextoPlanilla(const Escenario& e);

}  // namespace hortelia
