#pragma once

// The limits every value typed in a panel or read from a scenario file must respect: a code
// must be one of its list, a figure must be one a greenhouse or a day of weather can have.
// The file reader, the panels and the climate table refuse what lies outside, with a message
// that names the value and its range.

#include <cmath>
#include <optional>
#include <string>
#include <string_view>

namespace hortelia {

struct Limite {
    double minimo, maximo;
    std::string_view que;         ///< what the value is, for messages: "día del mes"
    std::string_view unidad;      ///< "m", "°C"; empty for a code or a count
    bool entero = false;          ///< a code or a count: whole numbers only
    bool minimoExcluido = false;  ///< the value must be above `minimo`, not equal to it

    /// Inside the range (NaN never is).
    bool Admite(double v) const {
        const bool sobreMinimo = minimoExcluido ? v > minimo : v >= minimo;
        return sobreMinimo && v <= maximo && (!entero || std::floor(v) == v);
    }
    /// "de 1 a 31", "de -90 a 70 °C", "mayor que 0 y hasta 100 m".
    std::string Rango() const;
};

namespace limites {

// Codes of a list.
inline constexpr Limite kTipoTecho{1, 4, "tipo de techo", {}, true};
inline constexpr Limite kDobleTecho{0, 1, "código de doble techo", {}, true};
inline constexpr Limite kMaterial{1, 3, "material de cobertura", {}, true};
inline constexpr Limite kMantenimiento{1, 4, "estado de mantenimiento", {}, true};
inline constexpr Limite kCenital{0, 1, "código de ventana cenital", {}, true};
inline constexpr Limite kDia{1, 31, "día del mes", {}, true};
inline constexpr Limite kMes{1, 12, "mes", {}, true};
inline constexpr Limite kTipoNubes{1, 3, "tipo de nubes", {}, true};

// The structure: dimensions no greenhouse exceeds.
inline constexpr Limite kAncho{0, 100, "ancho del módulo", "m", false, true};
inline constexpr Limite kLargo{0, 2000, "largo del módulo", "m", false, true};
inline constexpr Limite kAltura{0, 50, "altura", "m"};
inline constexpr Limite kModulos{1, 500, "cantidad de módulos", {}, true};

// One hour of weather: what the air near the ground can be.
inline constexpr Limite kTemperatura{-90, 70, "temperatura", "°C"};
inline constexpr Limite kHumedad{0, 100, "humedad relativa", "%"};
inline constexpr Limite kRadiacion{0, 2000, "radiación", "W/m²"};
inline constexpr Limite kNubosidad{0, 8, "nubosidad", "octavos"};
inline constexpr Limite kVientoMs{0, 100, "velocidad del viento", "m/s"};
inline constexpr Limite kVientoKmh{0, 360, "velocidad del viento", "km/h"};

// The crop: the lowest temperature a crop tolerates, as the crop panel offers it.
inline constexpr Limite kMinimaTolerable{-10, 30, "temperatura mínima tolerable", "°C"};

// What a grower pays: per unit of fuel, per m³ of water, or for an investment.
inline constexpr Limite kPrecio{0, 1000000, "precio", {}};

}  // namespace limites

/// A figure a grower types (a price, an investment): a plain decimal with a point or a comma,
/// blanks around it ignored, no exponent, inside `limite`; none otherwise. The windows and the
/// batch tool read prices with it alike.
std::optional<double> LeeCifra(std::string_view texto, const Limite& limite);

}  // namespace hortelia
