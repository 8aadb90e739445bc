#pragma once

// The hourly energy and vapour balance of the greenhouse. From the hour's outdoor weather
// and the greenhouse definition: the inside temperature without control, the humidity, the
// air renewal, then spray cooling (too hot) or heating (too cold) with the temperature it
// reaches and the water or fuel it takes, and the crop's Etr and Etp. What the hours of a day
// share (ConstantesDia) is taken from the record once; the daily run then calls the hour for
// 1..24 in order, and the four daily totals run from hour to hour.

#include "scenario/escenario.h"

namespace hortelia {

/// Saturation vapour pressure at T (C), in the model's pressure unit.
double PresSat(double t);
/// Slope of the saturation curve at T (C), per kelvin, same unit.
double PendSat(double t);

/// The open window area (m2) below which an hour is computed, and which the run writes back.
inline constexpr double kAreaVentMinima = 0.001;

/// What the hourly model reads from the record apart from the hour's weather, and the products
/// of it that every hour of the day shares. Each figure as the hours compute it (singles widened).
struct ConstantesDia {
    double suelo = 0, cobertura = 0, volumen = 0;  ///< m², m², m³
    bool doble = false;                            ///< double roof
    bool cenital = false;                          ///< roof window open: wind counts
    bool vidrio = false;                           ///< glass cover
    bool conFugas = false;                         ///< a cover material the model knows
    double kFugas = 0;                             ///< leak renewals per hour per m/s of wind
    double renovAire = 0;                          ///< leak renewals per hour, still air
    double tMax = 0, tMin = 0;                     ///< tolerable temperatures, °C
    double eficiencia = 0, poderCalorico = 0;      ///< %, kJ per unit of fuel
    double calorLatente = 0;                       ///< kJ/kg
    double facRad = 0;                             ///< the crop's radiation term
    double conductancia = 0;                       ///< the crop's vapour term before the light's effect
    double raizPresionViento = 0;                  ///< square root of the wind's pressure coefficient
    double calorAireM3 = 0;                        ///< DensAire × CalEspAire
    double calorAire = 0;                          ///< the same times the volume
    double latenteAire = 0;                        ///< latent factor times DensAire, CalorLatente, volume
    double sueloPorHora = 0;                       ///< 3600 × floor
};

ConstantesDia ConstantesDelDia(const Escenario& e);

/// One hour's results, with the types the record stores them in.
struct ResultadoHora {
    double tempSinControl = 0;
    float tempConControl = 0;
    double hrInterior = 0;
    float renov = 0;
    double controlPorM2 = 0;
    float controlHora = 0;
    double etr = 0;
    float etp = 0;
    double demandaCalor = 0;
};

/// The four daily totals, run from hour to hour in order.
struct TotalesDia {
    double comb = 0, agua = 0, etr = 0;
    float etp = 0;
};

/// Heat the house loses through its cover and leaks, per m² of floor (W/m²), when kept at the
/// tolerable minimum with the air outside at `tempExt` (°C), wind `viento` (m/s) and cloud cover
/// `nubosidad` (octavos); never negative. The heating hours of the model burn fuel for exactly
/// this demand, and a heater is sized with it at a design condition.
double DemandaCalefaccion(const Escenario& e, double tempExt, double viento, double nubosidad);
double DemandaCalefaccion(const ConstantesDia& d, double tempExt, double viento, double nubosidad);

/// One hour of the model, h in 1..24, with the record's weather of that hour; an open window area
/// of 0 or less counts as kAreaVentMinima (the daily run writes that back). Adds to the totals.
ResultadoHora SimulaHora(const ConstantesDia& d, const Escenario& e, int h, TotalesDia& t);

}  // namespace hortelia
