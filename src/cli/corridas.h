#pragma once

// What the batch tool runs once its command line is read: a day, a season, a record's day, a
// comparison of scenarios, or of options beside a scenario. Each writes on standard output and returns the exit status;
// what went wrong goes to standard error, in Spanish.

#include "cli/orden.h"

namespace hortelia::cli {

/// The scenario's own day: its data sheet.
int CorreDia(const Orden& o);
/// A season over the climate table of --temporada.
int CorreTemporada(const Orden& o);
/// One day of a record (--temporada with --dia): its data sheet, and the scenario saved with it.
int CorreDiaDelRegistro(const Orden& o);
/// One row per scenario, of its day or of the season.
int CorreResumen(const Orden& o);
/// The scenario and the options of --opciones over the season: costs, savings and paybacks.
int CorreOpciones(const Orden& o);

}  // namespace hortelia::cli
