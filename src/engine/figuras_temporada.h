#pragma once

// What one day of a season gives, and how days add up into months and the season: the figures of
// a day the record has run (from each hour's heating demand, uncut, or from the day sheet's cut
// fuel), the sums, extremes and costs of a period.

#include "numeros/variante.h"
#include "scenario/escenario.h"
#include "weather/calendario.h"

#include <optional>

namespace hortelia {

/// What one day of the season gives.
struct DiaTemporada {
    Fecha fecha;                 ///< year 0 for normals
    Variante tmax, tmin;         ///< °C as stored (singles of tenths)
    Variante hrmax, hrmin;       ///< % as stored (integers)
    double nubosidad = 0;        ///< octavos, mean of the 24 hours
    double vientoKmh = 0;        ///< km/h, mean of the 24 hours
    double combustible = 0;      ///< in the fuel's unit
    double agua = 0;             ///< AcumAgua, litres
    double etr = 0;              ///< AcumEtr
    float etp = 0;               ///< AcumEtp
    int horasCalefaccion = 0;    ///< hours whose heating burnt fuel
    int horasRefrigeracion = 0;  ///< hours whose sprayers ran
    float tempMinInterior = 0;   ///< lowest TempConControl, °C
    float tempMaxInterior = 0;   ///< highest TempConControl, °C
    double potenciaPicoKw = 0;   ///< largest heat output of a heating hour, kW (0 without heating)
    int horasFueraDeRango = 0;   ///< hours whose TempConControl lay above TMaxTol or below TMinTol
};

/// A month or the whole season: sums of its days (added day by day, in order).
struct PeriodoTemporada {
    int anio = 0;  ///< 0 for normals and for the season
    int mes = 0;   ///< 0 for the season
    int dias = 0;
    double combustible = 0, agua = 0, etr = 0, etp = 0;
    int horasCalefaccion = 0, horasRefrigeracion = 0;
    int horasFueraDeRango = 0;               ///< hours the crop spent outside its tolerable range
    float tempMinInterior = 0;               ///< lowest of its days
    double potenciaPicoKw = 0;               ///< largest of its days
    std::optional<double> costoCombustible;  ///< fuel × price per unit of fuel, when a price is given
    std::optional<double> costoAgua;         ///< water / 1000 × price per m³, when a price is given
};

struct PreciosTemporada {
    std::optional<double> combustible;  ///< per unit of fuel (litre, kg, m³ ...)
    std::optional<double> agua;         ///< per m³
};

/// Where a day's fuel figures come from: the day sheet's, cut to thousandths per m² and for the
/// house as the day window shows them, or the heating demand's, uncut, as a season adds them.
enum class CifrasCombustible { Planilla, Demanda };

/// The figures of a day the record has run (SimulaDia), with the record's daily figures.
DiaTemporada FigurasDelDia(const Escenario& e, const Fecha& f = {},
                           CifrasCombustible cifras = CifrasCombustible::Demanda);
/// Fuel an hour's heating demand `q` (W/m² of floor) burns in the whole house, uncut: the day
/// sheet's figure before its two cuts.
double CombustibleDeDemanda(const Escenario& e, double q);

/// Adds a day into a month or a season.
void SumaDia(PeriodoTemporada& p, const DiaTemporada& d);
/// Adds the period `m` (its days, sums, extremes and costs) to `p`; SumaDia adds a day this way.
void SumaPeriodo(PeriodoTemporada& p, const PeriodoTemporada& m);
/// Sets the costs from the sums and the prices given (a price not given leaves its cost empty).
void AplicaPrecios(PeriodoTemporada& p, const PreciosTemporada& precios);

}  // namespace hortelia
