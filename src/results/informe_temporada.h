#pragma once

// The season as tab-separated UTF-8 text, the same for the batch tool and for a window that
// saves it: a few "Clave<TAB>valor" lines, the day table, the month table with the season's
// total, and the rows of a comparison of scenarios.
//
// Numbers are the values as computed, each as the shortest text that reads back to the same
// value in the type it is held in: a double as the shortest text for a double, a single (TMax
// and TMin as stored, cloud cover, wind, Etp of a day, inside temperatures) as the shortest text
// for a single, an integer as digits. So 12.3 stored as a single prints "12.3", not its widened
// double. Plain notation with a point and a leading zero, never an exponent: "12", "0.24", "-3.5".

#include "engine/temporada.h"
#include "numeros/variante.h"

#include <string>
#include <string_view>

namespace hortelia {

/// The shortest plain text that reads back to `x` in its type; a negative zero prints "0".
std::string NumeroExacto(double x);
std::string NumeroExacto(float x);
/// By the value's kind (integer, single, double); Empty prints nothing.
std::string NumeroExacto(const Variante& v);

/// The whole season: `escenario` and `clima` name the files (shown as given, control characters
/// and invalid UTF-8 as \xNN).
std::string TextoTemporada(const Temporada& t, std::string_view escenario, std::string_view clima);

/// The title line of a comparison of scenarios, ended by a line feed.
std::string TituloResumenEscenarios();
/// One scenario's row of the comparison: the day's or the season's figures, ended by a line feed.
std::string FilaResumenEscenario(std::string_view escenario, const PeriodoTemporada& p, std::string_view unidad);

}  // namespace hortelia
