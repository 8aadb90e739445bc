#pragma once

#include "scenario/escenario.h"

namespace hortelia {

/// Open window area of hour h: abs(AperturaHora(h)) * SupVentanas / 100, in single precision.
void RecalculaAreaVent(Escenario& e, int h);
/// The same for the 24 hours.
void RecalculaAreasVent(Escenario& e);

}  // namespace hortelia
