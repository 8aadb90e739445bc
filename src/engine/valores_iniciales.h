#pragma once

#include "scenario/escenario.h"

namespace hortelia {

/// Sets every start value in the fixed start-up order, running the three weather models.
void PonValoresIniciales(Escenario& e);

}  // namespace hortelia
