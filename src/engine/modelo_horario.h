#pragma once

// The hourly energy and vapour balance of the greenhouse. From the hour's outdoor weather
// and the greenhouse definition: the inside temperature without control, the humidity, the
// air renewal, then spray cooling (too hot) or heating (too cold) with the temperature it
// reaches and the water or fuel it takes, and the crop's Etr and Etp. The daily run calls
// it for hours 1..24 in order; the four daily totals run from hour to hour.

#include "scenario/escenario.h"

namespace hortelia {

/// Saturation vapour pressure at T (C), in the model's pressure unit.
double PresSat(double t);
/// Slope of the saturation curve at T (C), per kelvin, same unit.
double PendSat(double t);

/// The open window area (m2) below which an hour is computed, and which the run writes back.
inline constexpr double kAreaVentMinima = 0.001;

/// Heat the house loses through its cover and leaks, per m² of floor (W/m²), when kept at the
/// tolerable minimum with the air outside at `tempExt` (°C), wind `viento` (m/s) and cloud cover
/// `nubosidad` (octavos); never negative. The heating hours of the model burn fuel for exactly
/// this demand, and a heater is sized with it at a design condition.
double DemandaCalefaccion(const Escenario& e, double tempExt, double viento, double nubosidad);

/// One hour of the model: writes the result arrays at h and adds to the daily totals.
/// Also raises an open window area of 0 or less to 0.001 in the record.
void SimulaHora(Escenario& e, int h);

}  // namespace hortelia
