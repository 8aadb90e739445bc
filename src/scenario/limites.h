#pragma once

// The limits every value typed in a panel or read from a scenario file must respect: a code
// must be one of its list, a figure must be one a greenhouse or a day of weather can have.
// The file reader, the panels and the climate table refuse what lies outside, with a message
// that names the value and its range.

#include <cmath>
#include <string>
#include <string_view>

namespace hortelia {

struct Limite {
    double minimo, maximo;
    std::string_view que;     ///< what the value is, for messages: "día del mes"
    std::string_view unidad;  ///< "m", "°C"; empty for a code or a count
    bool entero = false;      ///< a code or a count: whole numbers only

    bool Admite(double v) const { return v >= minimo && v <= maximo && (!entero || std::floor(v) == v); }
    /// "de 1 a 31", "de -90 a 70 °C".
    std::string Rango() const;
};

namespace limites {

// Codes of a list.
inline constexpr Limite kMantenimiento{1, 4, "estado de mantenimiento", {}, true};
inline constexpr Limite kDia{1, 31, "día del mes", {}, true};
inline constexpr Limite kMes{1, 12, "mes", {}, true};
inline constexpr Limite kTipoNubes{1, 3, "tipo de nubes", {}, true};

}  // namespace limites

}  // namespace hortelia
