#pragma once

// A whole season: the scenario's day run once for each day of a climate table. Each day's
// figures go into a copy of the loaded scenario exactly as the weather panels store what a user
// sets (temperatures in tenths as singles, humidities as integers, cloud cover and wind every
// hour), the hourly weather is rebuilt as RecalculaClima does, and SimulaDia runs. The
// greenhouse, crop, ventilation schedule and tolerable temperatures are those of every day.
// Days add up into months (in order of first appearance) and into the season.

#include "numeros/variante.h"
#include "scenario/escenario.h"
#include "weather/tabla_clima.h"

#include <optional>
#include <string>
#include <vector>

namespace hortelia {

/// What one day of the season gives.
struct DiaTemporada {
    Fecha fecha;                 ///< year 0 for normals
    Variante tmax, tmin;         ///< °C as stored (singles of tenths)
    Variante hrmax, hrmin;       ///< % as stored (integers)
    float nubosidad = 0;         ///< octavos, every hour
    float vientoKmh = 0;         ///< km/h, every hour
    double combustible = 0;      ///< AcumComb, in the fuel's unit
    double agua = 0;             ///< AcumAgua, litres
    double etr = 0;              ///< AcumEtr
    float etp = 0;               ///< AcumEtp
    int horasCalefaccion = 0;    ///< hours whose heating burnt fuel
    int horasRefrigeracion = 0;  ///< hours whose sprayers ran
    float tempMinInterior = 0;   ///< lowest TempConControl, °C
    float tempMaxInterior = 0;   ///< highest TempConControl, °C
    double potenciaPicoKw = 0;   ///< largest heat output of a heating hour, kW (0 without heating)
};

/// A month or the whole season: sums of its days (added day by day, in order).
struct PeriodoTemporada {
    int anio = 0;  ///< 0 for normals and for the season
    int mes = 0;   ///< 0 for the season
    int dias = 0;
    double combustible = 0, agua = 0, etr = 0, etp = 0;
    int horasCalefaccion = 0, horasRefrigeracion = 0;
    float tempMinInterior = 0;               ///< lowest of its days
    double potenciaPicoKw = 0;               ///< largest of its days
    std::optional<double> costoCombustible;  ///< fuel × price per unit of fuel, when a price is given
    std::optional<double> costoAgua;         ///< water / 1000 × price per m³, when a price is given
};

struct PreciosTemporada {
    std::optional<double> combustible;  ///< per unit of fuel (litre, kg, m³ ...)
    std::optional<double> agua;         ///< per m³
};

struct OpcionesTemporada {
    std::optional<Fecha> desde, hasta;  ///< default: the whole daily table, or January 1 .. December 31 of normals
    PreciosTemporada precios;
};

struct Temporada {
    TipoTablaClima tipo = TipoTablaClima::Diaria;
    Fecha desde, hasta;               ///< first and last day run
    int diasSinDatos = 0;             ///< days between desde and hasta a daily table lacks
    std::string unidadCombustible;    ///< "litros", "kg", "m³", "unidades"
    std::vector<std::string> faltan;  ///< optional columns the table lacks (their start values were used)
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

/// Runs the season of `tabla` on copies of `escenario` (loaded, dimensions accepted). A range
/// outside the table, a negative price or a day that cannot run stops it with a message.
ResultadoTemporada SimulaTemporada(const Escenario& escenario, const TablaClima& tabla,
                                   const OpcionesTemporada& opciones = {});

/// The six figures of day `f` before rounding: a daily table's row for that date (none when the
/// table lacks it), or the monthly normals interpolated linearly by day of the year between the
/// two nearest mid-month days, round the year.
std::optional<FilaClima> ClimaDelDia(const TablaClima& tabla, const Fecha& f);

/// Puts the day's figures into the record as the weather panels store them (Dia, Mes, TMax, TMin,
/// HRMax, HRMin, NubHora and the wind of every hour); the hourly weather is not rebuilt.
void PonClimaDelDia(Escenario& e, const Fecha& f, const FilaClima& clima);

/// The figures of a day the record has run (SimulaDia), with the record's daily figures.
DiaTemporada FigurasDelDia(const Escenario& e, const Fecha& f = {});

/// Adds a day into a month or a season.
void SumaDia(PeriodoTemporada& p, const DiaTemporada& d);
/// Sets the costs from the sums and the prices given (a price not given leaves its cost empty).
void AplicaPrecios(PeriodoTemporada& p, const PreciosTemporada& precios);

}  // namespace hortelia
