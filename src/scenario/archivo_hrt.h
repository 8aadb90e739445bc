#pragma once

// The scenario file (.hrt): 129 CRLF lines of comma-separated fields in a fixed order,
// 243 fields in all; the order is the format. Writing puts numbers in their shortest form
// without a blank, strings in double quotes and Empty variants as empty fields. Reading
// takes line ends as separators and checks the whole file before the record changes.

#include "scenario/escenario.h"

#include <string>

namespace hortelia {

/// The 129 lines of the record's saved fields, each ended by CR LF.
std::string TextoEscenario(const Escenario& e);

struct ResultadoCarga {
    bool ok = false;
    int linea = 0;        ///< line of the field that failed (1-based), 0 when not about a field
    int campo = 0;        ///< field number within its line (1-based)
    std::string mensaje;  ///< why the file was refused, in Spanish
    bool dimensionesValidas = false;
    std::string motivoDimensiones;  ///< why the loaded dimensions cannot be used
};

/// Reads a scenario from text. On success every saved field is replaced, the geometry is
/// derived again (when the dimensions allow it; otherwise the derived values are cleared and
/// the reason given). On failure the record is untouched.
ResultadoCarga LeeEscenario(const std::string& texto, Escenario& e);

/// Reads the file at `ruta`; a file that cannot be opened is refused the same way.
ResultadoCarga CargaEscenario(const std::string& ruta, Escenario& e);

struct ResultadoGuardado {
    bool ok = false;
    std::string mensaje;
};

/// Writes `contenido` to `ruta` through a temporary file in the same folder renamed over the
/// target, so a failed save never destroys an existing file.
ResultadoGuardado GuardaTexto(const std::string& ruta, const std::string& contenido);

/// Saves the scenario at `ruta`.
ResultadoGuardado GuardaEscenario(const std::string& ruta, const Escenario& e);

}  // namespace hortelia
