#pragma once

#include "scenario/escenario.h"

namespace hortelia {

/// Wind of hour h: stores the km/h and the m/s cut down to one decimal (1 km/h gives 0.2 m/s).
void FijaVientoKmh(Escenario& e, int h, float kmh);

}  // namespace hortelia
