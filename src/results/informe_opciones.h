#pragma once

// A comparison of options as tab-separated UTF-8 text, the same for the batch tool and for the
// window that saves it: a line "Escalado<TAB>365/N" when the savings were scaled to a year, the
// title line, the base's row, then one row per option in its order. Figures are written in full,
// as the season's text writes them (informe_temporada.h); only the payback is rounded, to one
// decimal, or says "no se recupera". Saving, investment and payback are empty on the base row;
// the payback is empty without an investment or without costs, the heater without a design
// condition, a cost without its price.
//
// The window's table and the workbook take the cells of a row from here, under titles in words.

#include "engine/comparacion.h"
#include "results/hoja_calculo.h"

#include <string>
#include <string_view>
#include <vector>

namespace hortelia {

/// What the payback cell says when the saving is 0 or less.
inline constexpr std::string_view kNoSeRecupera = "no se recupera";

/// A row's figures as the text writes them, after its name: Combustible .. PotenciaDiseno_kW
/// (10 cells).
std::vector<std::string> CeldasComparacion(const FilaComparacion& f);
/// How many decimals a person reads of each of those cells (-1: the unit, a word).
const std::vector<int>& DecimalesComparacion();
/// Titles in words of the name and those cells, with their units.
std::vector<std::string> TitulosComparacion();
/// "Ahorro escalado a un año: 365/730 de la temporada", or empty when the season is the year's.
std::string NotaEscalado(const Comparacion& c);

/// The whole comparison, as hortelia-sim --opciones prints it.
std::string TextoComparacion(const Comparacion& c);

/// The comparison as a workbook: the scenario, the climate table, the days and the prices, then
/// the table under titles in words, each option by its title, every figure a number.
Hoja HojaComparacion(const Comparacion& c, std::string_view escenario, std::string_view clima);

}  // namespace hortelia
