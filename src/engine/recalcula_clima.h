#pragma once

#include "scenario/escenario.h"

namespace hortelia {

/// The hourly weather rebuilt from the day's figures, as the weather panels make it: the cloud
/// coefficient of the cloud type, the radiation, temperature and humidity of the 24 hours, the
/// wind in m/s from the km/h, and the open window areas from the opening schedule.
void RecalculaClima(Escenario& e);

}  // namespace hortelia
