#pragma once

// The batch tool's command line: what it asks for, read and checked before anything runs.
// A wrong usage is a message in Spanish (exit 2); every option may be given once, never empty.

#include "engine/temporada.h"
#include "scenario/opciones.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace hortelia::cli {

/// One item of --opciones: an option of the catalogue or a scenario file, with its investment.
struct OpcionPedida {
    std::string nombre;            ///< as typed, without "=INVERSION": "minima-2", "otro.hrt"
    std::optional<Opcion> opcion;  ///< none for a scenario file
    std::optional<double> inversion;
};

struct Orden {
    bool ayuda = false;
    bool version = false;     ///< --version
    bool recalcular = false;  ///< --recalcular-clima
    std::string guardar;      ///< --guardar: the file to write the scenario into
    std::string clima;        ///< --temporada: the climate table or record
    std::string desde, hasta;
    std::string dia;  ///< --dia: a record's day to run as the scenario's day
    PreciosTemporada precios;
    std::optional<double> temperaturaDiseno, vientoDiseno;
    bool resumen = false;
    std::vector<OpcionPedida> opciones;            ///< --opciones, in the order given
    std::optional<double> precioCombustibleNuevo;  ///< --precio-combustible-nuevo
    std::vector<std::string> escenarios;
};

/// The command line read, or the message of a wrong usage.
std::variant<Orden, std::string> LeeOrden(const std::vector<std::string>& args);

/// The usage lines, for a wrong usage.
extern const char* const kUso;
/// The whole help, for --help.
extern const char* const kAyuda;

}  // namespace hortelia::cli
