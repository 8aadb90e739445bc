#pragma once

// What the day meant for the crop, in one sentence: the hours its controlled temperature spent
// above the maximum or below the minimum it tolerates, and which control fell short.

#include "engine/simula_dia.h"

#include <string>

namespace hortelia {

/// "La temperatura superó la máxima tolerable en 5 horas: la refrigeración no alcanzó.", its
/// counterpart for the minimum, both, or that the day stayed between the two.
std::string TextoFueraDeRango(const HorasFueraDeRango& horas);

}  // namespace hortelia
