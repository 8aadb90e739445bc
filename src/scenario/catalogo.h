#pragma once

// The catalogue of the domain: the codes the record holds and what they are called, with the
// figures that go with them (the air renewal of each state of maintenance, the calorific value
// and the unit of each fuel). Panels, captions, the file reader, the export and the batch tool
// all read them from here.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace hortelia {

/// Roof types, as `TipoTecho` holds them.
enum class Techo : std::int16_t { DosAguas = 1, PlanoInclinado = 2, Tunel = 3, Parabolico = 4 };

/// The roof type of a code, none outside 1..4.
std::optional<Techo> TechoDeCodigo(int codigo);
/// True when `codigo` is the code of `techo`.
constexpr bool EsTecho(int codigo, Techo techo) { return codigo == static_cast<int>(techo); }
/// "A dos aguas", "Plano inclinado", "Túnel", "Parabólico".
std::string_view NombreTecho(Techo techo);
inline constexpr std::array kTechos{Techo::DosAguas, Techo::PlanoInclinado, Techo::Tunel, Techo::Parabolico};

/// Cover materials, as `MatCobertura` holds them.
enum class Material : std::int16_t { Vidrio = 1, Plastico1erAnio = 2, Plastico2doAnio = 3 };
inline constexpr std::array kMateriales{Material::Vidrio, Material::Plastico1erAnio, Material::Plastico2doAnio};

std::optional<Material> MaterialDeCodigo(double codigo);
/// The option's caption: "Vidrio", "Plástico 1er. año", "Plástico 2do. año".
std::string_view NombreMaterial(Material m);
/// The same without the blank before "año", as the summary column writes it.
std::string_view NombreMaterialCorto(Material m);

/// States of maintenance, as `Mantenimiento` holds them; each fixed state sets the leak rate.
struct EstadoMantenimiento {
    std::int16_t codigo;
    std::string_view nombre;                ///< option caption
    std::optional<float> renovacionesHora;  ///< air renewals per hour; none for a typed rate
};
inline constexpr std::array<EstadoMantenimiento, 4> kMantenimientos{{
    {1, "Bueno", 2.0F},
    {2, "Regular", 3.0F},
    {3, "Malo", 4.0F},
    {4, "Otro ...", std::nullopt},
}};
/// The state whose rate is typed by the user ("Otro ...").
inline constexpr int kMantenimientoTecleado = 4;
/// The leak rate of a scenario that has chosen nothing yet (that of "Bueno").
inline constexpr float kRenovacionInicial = *kMantenimientos[0].renovacionesHora;

/// Fuels: the name the record and the scenario file hold, the option caption, the calorific
/// value (kJ per unit of fuel) and the unit the fuel is counted in.
struct Combustible {
    std::string_view nombre;
    std::string_view opcion;
    std::optional<float> poderCalorico;  ///< none for a typed value
    std::string_view unidad;
};
inline constexpr std::array<Combustible, 7> kCombustibles{{
    {"Nafta", "Nafta", 30290.0F, "litros"},
    {"GasOil", "GasOil", 35570.0F, "litros"},
    {"Butano", "Butano", 45850.0F, "kg"},
    {"Propano", "Propano", 46060.0F, "kg"},
    {"Gas nat.pobre", "Gas nat.pobre", 31640.0F, "m³"},
    {"Gas nat.rico", "Gas nat.rico", 36950.0F, "m³"},
    {"Otro", "Otro ...", std::nullopt, "unidades"},
}};
/// The fuel of a new scenario.
inline constexpr const Combustible& kCombustibleInicial = kCombustibles[1];

/// Index in kCombustibles of the fuel called exactly `nombre` (case counts), none otherwise.
std::optional<std::size_t> IndiceCombustible(std::string_view nombre);
/// The unit a fuel is counted in; "unidades" for "Otro" and for a name the catalogue does not know.
std::string_view UnidadCombustible(std::string_view nombre);
/// One of that unit, as the calorific value is given per it: "litro", "kg", "m³", "unidad".
std::string_view UnidadPoderCalorico(std::string_view nombre);

/// Month names 1..12 ("enero" .. "diciembre"); throws outside that range.
const std::string& NombreMes(int mes);

}  // namespace hortelia
