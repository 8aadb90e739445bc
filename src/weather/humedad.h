#pragma once

// Daily outdoor relative humidity: HRMax - (HRMax - HRMin) * sin^8(x(h)), the mirror of
// the temperature curve, lowest at the hour of the maximum temperature.

#include "scenario/escenario.h"
#include "weather/temperatura.h"

namespace hortelia {

/// Fills HRHora(1..24) (%, single, cut to one decimal).
void CalculaHumedad(Escenario& e);
/// The same on the day's wave already computed (OndaDelDia).
void CalculaHumedadDeOnda(Escenario& e, const OndaDiaria& onda);

/// Correction buttons: 0.5 % up (clamped to HRMax) or down (clamped to HRMin), no cut.
void HumedadMas(Escenario& e, int h);
void HumedadMenos(Escenario& e, int h);

}  // namespace hortelia
