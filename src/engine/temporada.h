#pragma once

// A whole season: the scenario's day run once for each day of a climate table or record. A
// table's day goes into a copy of the loaded scenario as the weather panels store what a user
// sets, and its hourly weather is rebuilt as RecalculaClima does; a record's day brings its own
// 24 hours (clima_del_dia.h). SimulaDia runs; the greenhouse, crop, ventilation schedule and
// tolerable temperatures are those of every day. Days add up into months (in order of first
// appearance) and into the season.
//
// A season's fuel, heating hours and peak output come from each hour's heating demand before
// the day sheet cuts its fuel to thousandths (per m², then for the house): an hour needing less
// than one step of the sheet still burns. Water, Etr, Etp, spray hours and inside temperatures
// are the day's own figures. The heater to install is sized at a design condition (diseno.h).

#include "engine/diseno.h"
#include "engine/figuras_temporada.h"
#include "scenario/escenario.h"
#include "weather/tabla_clima.h"

#include <atomic>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace hortelia {

struct OpcionesTemporada {
    std::optional<Fecha> desde, hasta;  ///< default: the whole table, or January 1 .. December 31 of normals
    PreciosTemporada precios;
    std::optional<double> temperaturaDiseno;  ///< °C, typed by the grower
    std::optional<double> vientoDiseno;       ///< m/s, with a typed temperature; kVientoDiseno when none
    /// Threads SimulaTemporada splits a long season's days across (over 1 000 days): 0 every core
    /// the process may use, 1 one after the other. The season is the same either way.
    unsigned hilos = 0;
};

/// How many of the days a season lacks it names; the rest it counts.
inline constexpr std::size_t kFaltantesNombrados = 5;

struct Temporada {
    TipoTablaClima tipo = TipoTablaClima::Diaria;
    Fecha desde, hasta;               ///< first and last day asked for
    int diasSinDatos = 0;             ///< days between desde and hasta the table lacks or left out
    std::vector<Fecha> faltantes;     ///< the first of those days, at most kFaltantesNombrados
    std::string lugar;                ///< the place the file names, "" when none
    std::optional<double> latitud;    ///< of the file, when it gives it
    CondicionDiseno diseno;           ///< the condition the heater is sized for
    std::optional<double> potenciaDisenoKw;  ///< the heater to install, none when no condition
    std::string unidadCombustible;    ///< "litros", "kg", "m³", "unidades"
    std::vector<std::string> faltan;  ///< optional columns the table lacks (their start values were used)
    Codificacion codificacion = Codificacion::Utf8;  ///< how the table's file was written
    PreciosTemporada precios;
    std::vector<DiaTemporada> dias;
    std::vector<PeriodoTemporada> meses;  ///< in order of first appearance
    PeriodoTemporada total;
};

struct ResultadoTemporada {
    bool ok = false;
    std::string mensaje;  ///< why the season did not run, in Spanish
    Temporada temporada;
};

/// What another thread sees of seasons running and how it stops them: the days run so far of all
/// those asked (`total`, set before the first day runs). Once `cancela` is set, the days not yet
/// started are skipped and every season comes back not ok.
struct AvanceTemporada {
    std::atomic<bool> cancela{false};
    std::atomic<std::size_t> hechos{0};
    std::atomic<std::size_t> total{0};
};

/// Runs the season of `tabla` on copies of `escenario` (loaded, dimensions accepted). A range
/// outside the table, a negative price, a design condition outside the limits or a day that
/// cannot run stops it with a message.
ResultadoTemporada SimulaTemporada(const Escenario& escenario, const TablaClima& tabla,
                                   const OpcionesTemporada& opciones = {}, AvanceTemporada* avance = nullptr);
/// One of the seasons SimulaTemporadas runs together: a scenario and its season's options.
struct TemporadaPedida {
    const Escenario* escenario = nullptr;
    OpcionesTemporada opciones;
};
/// Several seasons over one table, each exactly as SimulaTemporada gives it, in the order asked;
/// their days (over 1 000 in all) run side by side on up to `hilos` threads (0: every core the
/// process may use; each season's own `hilos` is not used).
std::vector<ResultadoTemporada> SimulaTemporadas(const std::vector<TemporadaPedida>& pedidas, const TablaClima& tabla,
                                                 unsigned hilos = 0, AvanceTemporada* avance = nullptr);

/// The record's days that a season from `desde` to `hasta` runs, in season order (a typical
/// year's range wraps across the new year when `hasta` comes before `desde`), days left out
/// included.
std::vector<const DiaClima*> DiasDelRegistro(const TablaClima& tabla, const Fecha& desde, const Fecha& hasta);

}  // namespace hortelia
