#pragma once

// The heater to install: the heating demand of the hourly model at a design condition (an
// outdoor temperature and wind on a clear night, which loses most), over the covered floor.
// The condition is the one the grower types; else the design condition the weather file gives;
// else, for daily tables and hourly records, the coldest hour of the season's days with the
// design wind; monthly normals alone give none: averages never hold the coldest night.

#include "scenario/escenario.h"

#include <optional>
#include <string_view>

namespace hortelia {

enum class OrigenDiseno { Indicada, Archivo, HoraMasFria, Falta };

struct CondicionDiseno {
    OrigenDiseno origen = OrigenDiseno::Falta;
    double temperatura = 0;  ///< °C
    double viento = 0;       ///< m/s
};

/// The wind a design night is taken with when none is given, m/s: the 15 mph of greenhouse
/// heat-loss guides. The coldest hours of records are often calm, and a calm design night
/// undersizes the heater.
inline constexpr double kVientoDiseno = 6.7;

/// "indicada", "archivo", "hora más fría", "falta": as the season's text writes the origin.
std::string_view NombreOrigenDiseno(OrigenDiseno origen);

/// Heat output the heater must give at the condition, kW (demand at cloud cover 0 times the
/// covered floor); none when the condition is missing.
std::optional<double> PotenciaDiseno(const Escenario& e, const CondicionDiseno& c);

}  // namespace hortelia
