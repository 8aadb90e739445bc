#pragma once

// Solar radiation of the day: from latitude, hemisphere and date the cloudless
// radiation of each hour (RadTope), then the cloud factor of each hour gives the
// radiation at the ground (RadHora). The panel steps below change single hours.

#include "scenario/escenario.h"

#include <cstdint>
#include <string>

namespace hortelia {

/// Day of the year 1..365 of a non-leap year; the day is not checked against the month.
std::int16_t DiaDelAnio(int dia, int mes);

/// Fills RadTope and RadHora (W/m2, cut to one decimal) for the 24 hours.
void CalculaRadiacion(Escenario& e);

/// 1 - NubHora(h) * CoefNubes / 8, stored as a single.
float FactorNubes(const Escenario& e, int h);

/// Coefficient of cloud type 1..3 (0.3, 0.5, 0.7).
float CoeficienteNubes(int tipo);
/// "Tipo de nubes: Claras" / "Intermedias" / "Oscuras".
std::string CaptionTipoNubes(int tipo);

/// Cloud type change: stores type and coefficient, recomputes RadHora from the cut RadTope.
void AplicaTipoNubes(Escenario& e, int tipo);

/// One octavo more (up to 8) or less (down to 0) in hour h, and that hour's radiation.
/// Returns false, changing nothing, at the limit.
bool NubosidadMas(Escenario& e, int h);
bool NubosidadMenos(Escenario& e, int h);

/// One W/m2 more or less in hour h, kept between 0 and RadTope(h), cut to one decimal.
void RadiacionMas(Escenario& e, int h);
void RadiacionMenos(Escenario& e, int h);

}  // namespace hortelia
