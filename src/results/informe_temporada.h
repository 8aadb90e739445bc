#pragma once

// The season as tab-separated UTF-8 text, the same for the batch tool and for a window that
// saves it: a few "Clave<TAB>valor" lines (the table and its file's encoding, its place, the days
// run and left out with the first of those named, the prices, the design condition and the
// heater to install), the day table, the month table with
// the season's total, and the rows of a comparison of scenarios.
//
// Numbers are the values as computed, each as the shortest text that reads back to the same
// value in the type it is held in: a double as the shortest text for a double, a single (TMax
// and TMin as stored, cloud cover, wind, Etp of a day, inside temperatures) as the shortest text
// for a single, an integer as digits. So 12.3 stored as a single prints "12.3", not its widened
// double. Plain notation with a point and a leading zero, never an exponent: "12", "0.24", "-3.5".
//
// A window shows the same tables to a grower, and a workbook (.xlsx) holds them as numbers: both
// take the cells of a day and of a month from here, so that the three never disagree, under
// titles in words with their units.

#include "engine/temporada.h"
#include "numeros/variante.h"
#include "results/hoja_calculo.h"

#include <string>
#include <string_view>
#include <vector>

namespace hortelia {

/// The shortest plain text that reads back to `x` in its type; a negative zero prints "0".
std::string NumeroExacto(double x);
std::string NumeroExacto(float x);
/// By the value's kind (integer, single, double); Empty prints nothing.
std::string NumeroExacto(const Variante& v);

/// A day's figures as the text writes them, after its date: TMax .. PotenciaPico_kW (15 cells).
std::vector<std::string> CeldasDiaTemporada(const DiaTemporada& d);
/// A month's or the season's figures as the text writes them, after its name: Dias .. CostoAgua,
/// HorasFueraDeRango (12 cells); a cost without a price is an empty cell.
std::vector<std::string> CeldasPeriodoTemporada(const PeriodoTemporada& p);
/// How many decimals a person reads of each of those cells (a workbook shows, a window rounds
/// to), their values staying exact.
const std::vector<int>& DecimalesDiaTemporada();
const std::vector<int>& DecimalesPeriodoTemporada();

/// Titles in words of those cells, after a first title for the date ("Día") or the month ("Mes"),
/// with the units: the fuel in `unidad` ("Combustible (kg)"), water in litres, hours, °C, kW.
std::vector<std::string> TitulosDiasTemporada(std::string_view unidad);
std::vector<std::string> TitulosMesesTemporada(std::string_view unidad);
/// A day as a grower reads it: "01/06/2024" in a daily table, "01/06" in normals.
std::string NombreDiaTemporada(const Fecha& f, TipoTablaClima tipo);
/// A month as a grower reads it: "junio 2024" in a daily table, "junio" in normals.
std::string NombreMesTemporada(const PeriodoTemporada& p, TipoTablaClima tipo);

/// The first days the season lacks, "2024-06-20, 2024-06-21 y 3 más"; with `comoLosLee` the days
/// as a grower reads them ("20/06/2024"). Empty when it lacks none.
std::string DiasFaltantesTemporada(const Temporada& t, bool comoLosLee = false);
/// The days a season lacks, for a window: "Es el 03/07/2024." or "Son el 02/06/2024, 03/06/2024 y
/// 12 más."; empty when it lacks none.
std::string DiasFaltantesEnPalabras(const Temporada& t);

/// The season as a workbook: the lines of the text's head in words, the month table with the
/// season's total, then the day table; every figure a number, the value the text writes.
Hoja HojaTemporada(const Temporada& t, std::string_view escenario, std::string_view clima);

/// The whole season: `escenario` and `clima` name the files (shown as given, control characters
/// and invalid UTF-8 as \xNN).
std::string TextoTemporada(const Temporada& t, std::string_view escenario, std::string_view clima);

/// The title line of a comparison of scenarios, ended by a line feed; `conDiseno` (a comparison
/// over a season) adds the heater to install as the last column.
std::string TituloResumenEscenarios(bool conDiseno);
/// One scenario's row of the comparison of days: the day's figures, ended by a line feed.
std::string FilaResumenEscenario(std::string_view escenario, const PeriodoTemporada& p, std::string_view unidad);
/// One scenario's row of the comparison over a season: the season's figures and the heater to
/// install (empty without a design condition), ended by a line feed.
std::string FilaResumenTemporada(std::string_view escenario, const Temporada& t);

}  // namespace hortelia
