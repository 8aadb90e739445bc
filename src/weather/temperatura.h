#pragma once

// Daily outdoor temperature curve: TMin + (TMax - TMin) * sin^2(x(h)), with the angle of
// the hour x(h) falling from the previous maximum to the minimum at HoraTMin, rising to the
// maximum at HoraTMax and falling again. The humidity curve uses the same angle.

#include "scenario/escenario.h"

#include <array>

namespace hortelia {

/// Angle of hour h (radians) for the fixed hours of the maximum and the minimum.
double AnguloHora(const Escenario& e, int h);

/// sin(AnguloHora(e, h)) of hours 1..24: the wave both the temperature and the humidity follow.
using OndaDiaria = std::array<double, 24>;
OndaDiaria OndaDelDia(const Escenario& e);

/// Fills TempHora(1..24) from TMax and TMin, cut to one decimal.
void CalculaTemperatura(Escenario& e);
/// The same on the day's wave already computed.
void CalculaTemperaturaDeOnda(Escenario& e, const OndaDiaria& onda);

/// Correction buttons: +0.12 then cut (clamped to TMax), -0.1 then cut (clamped to TMin).
void TemperaturaMas(Escenario& e, int h);
void TemperaturaMenos(Escenario& e, int h);

}  // namespace hortelia
