#pragma once

// The scenario file (.hrt): 129 CRLF lines of comma-separated fields in a fixed order,
// 243 fields in all; the order is the format. Writing puts numbers in their shortest form
// without a blank, strings in double quotes and Empty variants as empty fields. Reading
// takes line ends as separators, skips a byte-order mark, refuses codes outside their lists,
// weather outside the limits table and anything but blanks after the last field, and checks
// the whole file before the record changes.

#include "scenario/archivo_texto.h"
#include "scenario/escenario.h"

#include <string>

namespace hortelia {

/// The 129 lines of the record's saved fields, each ended by CR LF.
std::string TextoEscenario(const Escenario& e);

struct ResultadoLectura {
    bool ok = false;
    int linea = 0;        ///< line of the field that failed (1-based), 0 when not about a field
    int campo = 0;        ///< field number within its line (1-based)
    std::string mensaje;  ///< why the file was refused, in Spanish
};

/// Reads the saved fields from the text of a scenario file. On success every saved field is
/// replaced (the derived ones are left to the caller); on failure the record is untouched.
ResultadoLectura LeeEscenario(const std::string& texto, Escenario& e);

/// Saves the scenario at `ruta`.
ResultadoArchivo GuardaEscenario(const std::string& ruta, const Escenario& e);

}  // namespace hortelia
