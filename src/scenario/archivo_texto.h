#pragma once

// Whole text files in and out, for scenarios, exports and climate tables: reading refuses
// what is not a regular file of a sensible size; writing goes through a file with no name yet
// in the target's folder (or, where the file system has none, a temporary named
// .NAME.hortelia-XXXXXX), forced to the disk and only then given the target's name, so a failed
// or killed save never destroys a file and leaves nothing behind but, at worst, one temporary
// that the next save into that folder removes once it is an hour old.

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

/// The system's reason for a failed file operation (an errno value), in Spanish whatever the
/// language of the system: "no queda espacio en el disco".
std::string RazonDelSistema(int error);

/// The system calls a save goes through, the real ones unless a test puts one that fails.
struct LlamadasGuardado {
    /// A file with no name in folder `carpeta` (O_TMPFILE), -1 and errno when the system has none.
    std::function<int(const char* carpeta, mode_t modo)> abreSinNombre;
    std::function<ssize_t(int, const void*, std::size_t)> escribe;
    std::function<int(int)> sincroniza;
    /// Gives the file with no name open at `fd` the name `destino`, which must not exist.
    std::function<int(int fd, const char* destino)> nombra;
    std::function<int(int)> cierra;
    std::function<int(const char*, const char*)> renombra;
    static LlamadasGuardado Reales();
};

/// How long a temporary of ours may lie in a folder before a save there removes it: one left
/// by a save that is still running is younger.
inline constexpr int kEdadTemporalViejo = 3600;  // seconds

/// Writes `contenido` to `ruta`: a file with no name beside the target, written whole, forced to
/// the disk, then named as the target (a new one) or named as a temporary and renamed over it
/// at once. The target keeps its permissions; a symbolic link is written
/// through to the file it points at and stays a link; a target that is not a regular file
/// (a folder, a device, a pipe, a socket) is refused before anything is written. On failure
/// the message says what failed and why, the old file is as it was and no temporary is left.
ResultadoArchivo GuardaTexto(const std::string& ruta, const std::string& contenido);
ResultadoArchivo GuardaTexto(const std::string& ruta, const std::string& contenido, const LlamadasGuardado& llamadas);

}  // namespace hortelia
