#pragma once

// The options a grower weighs against the greenhouse as it is: a double roof, a sealed house,
// a lower tolerable minimum, a better burner, another fuel. Each is named as the batch tool takes
// it ("doble-techo", "minima-2", "eficiencia-90", "combustible-gas-nat-rico") and as the window
// shows it ("Mínima tolerable 2 °C más baja"), and changes exactly its fields of a copy of the
// scenario, never the scenario itself. An option that cannot apply (the house already has it, or
// it would leave the limits) says why.

#include "scenario/escenario.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace hortelia {

enum class TipoOpcion { DobleTecho, MantenimientoBueno, Minima, Eficiencia, Combustible };

struct Opcion {
    TipoOpcion tipo = TipoOpcion::DobleTecho;
    int valor = 0;  ///< °C lowered (Minima, 1..3), % of efficiency (Eficiencia), index in kCombustibles
    friend bool operator==(const Opcion&, const Opcion&) = default;
};

/// The largest lowering of the tolerable minimum an option offers, °C.
inline constexpr int kMinimaMasBaja = 3;

/// The option a name stands for: "doble-techo", "mantenimiento-bueno", "minima-N" (N 1..3),
/// "eficiencia-E" (E whole %), "combustible-NOMBRE"; none for any other name.
std::optional<Opcion> OpcionDeNombre(std::string_view nombre);
/// The name the batch tool takes.
std::string NombreOpcion(const Opcion& o);
/// Every name the batch tool takes, for a message: "doble-techo, mantenimiento-bueno, ...".
std::string NombresDeOpciones();
/// A catalogue fuel as an option names it: lower case, blanks and dots as hyphens ("gas-nat-rico").
std::string NombreCombustibleOpcion(std::string_view nombre);
/// True for the catalogue fuels an option can change to (those with a calorific value).
bool CombustibleDeOpcion(std::size_t indice);

/// What the window calls it: "Doble techo", "Mínima tolerable 2 °C más baja"; `corto` for a
/// chart's row: "Mínima 2 °C más baja", "Eficiencia 90 %".
std::string TituloOpcion(const Opcion& o, bool corto = false);

/// Why the option cannot apply to `e`, in Spanish ("el escenario ya tiene doble techo"); empty
/// when it can.
std::string MotivoOpcion(const Escenario& e, const Opcion& o);

struct OpcionAplicada {
    bool ok = false;
    std::string motivo;   ///< why it cannot apply
    Escenario escenario;  ///< the copy with the option's fields changed
};
/// A copy of `e` with the option's fields changed, or why it cannot apply.
OpcionAplicada AplicaOpcion(const Escenario& e, const Opcion& o);

}  // namespace hortelia
