#pragma once

// Whole text files in and out, for scenarios, exports and climate tables: reading refuses
// what is not a regular file of a sensible size; writing goes through a temporary file in
// the same folder renamed over the target, so a failed save never destroys a file.

#include <cstddef>
#include <string>

namespace hortelia {

struct ResultadoArchivo {
    bool ok = false;
    std::string texto;    ///< the file's contents, when read
    std::string mensaje;  ///< why it failed, in Spanish
};

/// Reads the whole file at `ruta`.
ResultadoArchivo LeeArchivoTexto(const std::string& ruta);

/// Writes `contenido` to `ruta` through a temporary file renamed over the target.
ResultadoArchivo GuardaTexto(const std::string& ruta, const std::string& contenido);

}  // namespace hortelia
