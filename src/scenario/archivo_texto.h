#pragma once

// Whole text files in and out, for scenarios, exports and climate tables: reading refuses
// what is not a regular file of a sensible size; writing goes through a temporary file in
// the same folder, forced to the disk and renamed over the target, so a failed save never
// destroys a file.

#include <sys/types.h>

#include <cstddef>
#include <functional>
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

/// Reads the whole file at `ruta`: only a regular file of at most `limite` bytes (checked on
/// the open file too, and never more than `limite` + 1 bytes read).
ResultadoArchivo LeeArchivoTexto(const std::string& ruta, std::size_t limite);

/// The system calls a save goes through, the real ones unless a test puts one that fails.
struct LlamadasGuardado {
    std::function<ssize_t(int, const void*, std::size_t)> escribe;
    std::function<int(int)> sincroniza;
    std::function<int(int)> cierra;
    std::function<int(const char*, const char*)> renombra;
    static LlamadasGuardado Reales();
};

/// Writes `contenido` to `ruta`: a temporary file beside the target, written whole, forced to
/// the disk and renamed over it. The target keeps its permissions; a symbolic link is written
/// through to the file it points at and stays a link; a target that is not a regular file
/// (a folder, a device, a pipe, a socket) is refused before anything is written. On failure
/// the message says what failed and why, the old file is as it was and no temporary is left.
ResultadoArchivo GuardaTexto(const std::string& ruta, const std::string& contenido);
ResultadoArchivo GuardaTexto(const std::string& ruta, const std::string& contenido, const LlamadasGuardado& llamadas);

}  // namespace hortelia
