#pragma once

// The start values of a new scenario's weather day that a climate table's missing column takes
// too: written once, so that the start values and the tables never drift apart.

namespace hortelia {

inline constexpr double kHRMaxInicial = 100;     ///< %
inline constexpr double kHRMinInicial = 50;      ///< %
inline constexpr double kNubosidadInicial = 0;   ///< octavos, every hour
inline constexpr double kVientoInicial = 1;      ///< km/h, every hour

}  // namespace hortelia
