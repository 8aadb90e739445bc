#pragma once

// The weather of one day of a season put into a copy of the scenario: a daily table's or the
// normals' six figures, stored as the weather panels store what a user sets, or the 24 hours of
// a record, stored as they were measured (no weather model runs for them).

#include "scenario/escenario.h"
#include "weather/tabla_clima.h"

#include <optional>

namespace hortelia {

/// The six figures of day `f` before rounding: a daily table's row for that date (none when the
/// table lacks it), or the monthly normals interpolated linearly by day of the year between the
/// two nearest mid-month days, round the year.
std::optional<FilaClima> ClimaDelDia(const TablaClima& tabla, const Fecha& f);

/// Puts the day's figures into the record as the weather panels store them (Dia, Mes, TMax, TMin,
/// HRMax, HRMin, NubHora and the wind of every hour); the hourly weather is not rebuilt.
void PonClimaDelDia(Escenario& e, const Fecha& f, const FilaClima& clima);

/// Puts a record's day into the scenario: each hour rounded half away from zero from the value
/// as read (temperature, radiation and wind in m/s to the tenth as doubles, humidity to the
/// tenth as a single within 0..100, wind in whole km/h and cloud cover in whole octavos),
/// TMax/TMin and HRMax/HRMin from the stored hours, Dia and Mes, and the open window areas from
/// the opening schedule. The day must be complete.
void PonHorasDelDia(Escenario& e, const DiaClima& dia);

/// The scenario with a record's day as its own day, as a .hrt keeps it: the day's hours, and
/// the latitude and hemisphere of the file when it gives them.
Escenario EscenarioDelDia(const Escenario& base, const TablaClima& tabla, const DiaClima& dia);

}  // namespace hortelia
