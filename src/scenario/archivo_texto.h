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

/// A scenario file is about 3 KB; a climate table of many years a few hundred.
inline constexpr std::size_t kLimiteEscenario = 1024 * 1024;
inline constexpr std::size_t kLimiteTablaClima = 10 * 1024 * 1024;

/// Reads the whole file at `ruta`: only a regular file of at most `limite` bytes.
ResultadoArchivo LeeArchivoTexto(const std::string& ruta, std::size_t limite);

/// Writes `contenido` to `ruta` through a temporary file renamed over the target.
ResultadoArchivo GuardaTexto(const std::string& ruta, const std::string& contenido);

}  // namespace hortelia
