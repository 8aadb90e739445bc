#include "scenario/archivo_texto.h"

#include "scenario/texto_visible.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <limits>
#include <random>
#include <string_view>

namespace hortelia {
namespace {

namespace fs = std::filesystem;

std::string Razon(int error) { return RazonDelSistema(error); }

/// What a file that is not a regular one is, for messages.
const char* Clase(mode_t modo) {
    if (S_ISDIR(modo)) return "una carpeta";
    if (S_ISCHR(modo) || S_ISBLK(modo)) return "un dispositivo";
    if (S_ISFIFO(modo)) return "una tubería";
    if (S_ISSOCK(modo)) return "un socket";
    return "un archivo especial";
}

std::string NoEsComun(const std::string& ruta, mode_t modo) {
    return Entrecomillado(ruta) + " no es un archivo común (es " + Clase(modo) + ").";
}

/// A file past the limit: the limit in its own unit ("10 MB"), never a rounded size beside it,
/// which would read the same for a file one byte over.
std::string DemasiadoGrande(const std::string& ruta, std::size_t limite) {
    constexpr std::size_t kKB = 1024, kMB = 1024 * kKB;
    const std::string tope = limite % kMB == 0   ? std::to_string(limite / kMB) + " MB"
                             : limite % kKB == 0 ? std::to_string(limite / kKB) + " KB"
                                                 : std::to_string(limite) + " bytes";
    return "El archivo " + Entrecomillado(ruta) + " es demasiado grande: supera el límite de " + tope + ".";
}

// ---- saving ----

/// Where a save writes: the file at the end of a chain of symbolic links (which may not exist
/// yet), and what it is when it does.
struct Destino {
    std::string ruta;
    bool existe = false;
    struct stat estado {};
    int error = 0;  ///< errno of a step that failed
};

Destino SigueEnlaces(const std::string& ruta) {
    Destino d;
    d.ruta = ruta;
    for (int saltos = 0;; ++saltos) {
        if (::lstat(d.ruta.c_str(), &d.estado) != 0) {
            if (errno != ENOENT) d.error = errno;
            return d;
        }
        if (!S_ISLNK(d.estado.st_mode)) {
            d.existe = true;
            return d;
        }
        if (saltos == 40) {
            d.error = ELOOP;
            return d;
        }
        std::error_code ec;
        const fs::path apunta = fs::read_symlink(d.ruta, ec);
        if (ec) {
            d.error = ec.value();
            return d;
        }
        d.ruta = apunta.is_absolute() ? apunta.string() : (fs::path(d.ruta).parent_path() / apunta).string();
    }
}

/// The process's umask, read without changing it (another thread may be creating a file).
mode_t Umask() {
    if (FILE* f = std::fopen("/proc/self/status", "re")) {
        char linea[256];
        while (std::fgets(linea, sizeof linea, f)) {
            if (std::strncmp(linea, "Umask:", 6) == 0) {
                std::fclose(f);
                return static_cast<mode_t>(std::strtoul(linea + 6, nullptr, 8));
            }
        }
        std::fclose(f);
    }
    const mode_t m = ::umask(022);
    ::umask(m);
    return m;
}

/// Forces a folder's entries to the disk; a failure there loses nothing that is not already
/// in the folder, so it is not reported.
void SincronizaCarpeta(const fs::path& carpeta) {
    const int fd = ::open(carpeta.empty() ? "." : carpeta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

/// The mark of our temporaries: ".NAME.hortelia-XXXXXX", so that a folder's stale ones can be
/// told from other programs' look-alikes.
constexpr std::string_view kMarcaTemporal = ".hortelia-";

std::string PrefijoTemporal(const fs::path& final) {
    return "." + final.filename().string().substr(0, 200) + std::string(kMarcaTemporal);
}

bool EsTemporalNuestro(const std::string& nombre) {
    const std::size_t marca = nombre.rfind(kMarcaTemporal);
    if (nombre.empty() || nombre.front() != '.' || marca == std::string::npos) return false;
    const std::string_view cola = std::string_view(nombre).substr(marca + kMarcaTemporal.size());
    return cola.size() == 6 && std::all_of(cola.begin(), cola.end(), [](char c) { return std::isalnum(c) != 0; });
}

/// Removes our temporaries in `carpeta` older than kEdadTemporalViejo, left by a save that was
/// killed; other files, and ours still young, stay.
void BorraTemporalesViejos(const fs::path& carpeta) {
    std::error_code ec;
    const auto ahora = fs::file_time_type::clock::now();
    for (fs::directory_iterator it(carpeta.empty() ? "." : carpeta, ec), fin; !ec && it != fin; it.increment(ec)) {
        const std::string nombre = it->path().filename().string();
        if (!EsTemporalNuestro(nombre)) continue;
        struct stat estado {};
        if (::lstat(it->path().c_str(), &estado) != 0 || !S_ISREG(estado.st_mode) || estado.st_uid != ::geteuid())
            continue;
        std::error_code ecHora;
        const auto hora = fs::last_write_time(it->path(), ecHora);
        if (!ecHora && ahora - hora > std::chrono::seconds(kEdadTemporalViejo)) ::unlink(it->path().c_str());
    }
}

/// Six letters or digits, from the system's entropy.
std::string Azar() {
    static constexpr char kLetras[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device azar;
    std::string s(6, 'x');
    for (char& c : s) c = kLetras[azar() % (sizeof kLetras - 1)];
    return s;
}

/// Gives the file with no name at `fd` a temporary name beside `final`: the name, or "" and errno.
std::string NombraTemporal(int fd, const fs::path& final, const LlamadasGuardado& llamadas) {
    for (int intento = 0; intento < 100; ++intento) {
        std::string nombre = (final.parent_path() / (PrefijoTemporal(final) + Azar())).string();
        if (llamadas.nombra(fd, nombre.c_str()) == 0) return nombre;
        if (errno != EEXIST) return {};
    }
    return {};
}

// "No se puede leer el archivo "x": why." for the C library's `error`.
ResultadoArchivo NoSePuede(const char* que, const std::string& ruta, int error) {
    ResultadoArchivo r;
    r.mensaje = std::string("No se puede ") + que + " el archivo " + Entrecomillado(ruta) + ": " + Razon(error) + ".";
    return r;
}

}  // namespace

ResultadoArchivo LeeArchivoTexto(const std::string& ruta, std::size_t limite) {
    ResultadoArchivo r;
    // Looked at before opening: opening a device or a pipe may block or act on it.
    struct stat estado {};
    if (::stat(ruta.c_str(), &estado) != 0) return NoSePuede("abrir", ruta, errno);
    if (!S_ISREG(estado.st_mode)) {
        r.mensaje = NoEsComun(ruta, estado.st_mode);
        return r;
    }
    // Not blocking, and checked again on what was opened: it may have been replaced in between.
    const int fd = ::open(ruta.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return NoSePuede("abrir", ruta, errno);
    struct Cierra {
        int fd;
        ~Cierra() { ::close(fd); }
    } cierra{fd};
    if (::fstat(fd, &estado) != 0) return NoSePuede("leer", ruta, errno);
    if (!S_ISREG(estado.st_mode)) {
        r.mensaje = NoEsComun(ruta, estado.st_mode);
        return r;
    }
    if (static_cast<std::uintmax_t>(estado.st_size) > limite) {
        r.mensaje = DemasiadoGrande(ruta, limite);
        return r;
    }
    // One byte past the limit tells a file that grew while being read (or that its size
    // did not tell, as some system files) from one that fits.
    const std::size_t tope = limite == std::numeric_limits<std::size_t>::max() ? limite : limite + 1;
    std::string texto;
    char buf[65536];
    while (texto.size() < tope) {
        const ssize_t n = ::read(fd, buf, std::min(sizeof buf, tope - texto.size()));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return NoSePuede("leer", ruta, errno);
        if (n == 0) break;
        texto.append(buf, static_cast<std::size_t>(n));
    }
    if (texto.size() > limite) {
        r.mensaje = DemasiadoGrande(ruta, limite);
        return r;
    }
    r.ok = true;
    r.texto = std::move(texto);
    return r;
}

std::string RazonDelSistema(int error) {
    switch (error) {
    case ENOSPC: return "no queda espacio en el disco";
    case EDQUOT: return "se agotó la cuota de disco del usuario";
    case EACCES: return "no tiene permiso";
    case EPERM: return "la operación no está permitida";
    case EROFS: return "el disco es de solo lectura";
    case ENOENT: return "no existe el archivo o la carpeta";
    case EISDIR: return "es una carpeta";
    case ENOTDIR: return "una parte de la ruta no es una carpeta";
    case ENAMETOOLONG: return "el nombre es demasiado largo";
    case ELOOP: return "demasiados enlaces simbólicos";
    case EIO: return "error de entrada o salida del disco";
    case EBUSY: return "el archivo está en uso";
    case EMFILE:
    case ENFILE: return "hay demasiados archivos abiertos";
    default: break;
    }
    return "error del sistema " + std::to_string(error);
}

LlamadasGuardado LlamadasGuardado::Reales() {
    LlamadasGuardado l;
    l.abreSinNombre = [](const char* carpeta, mode_t modo) {
        return ::open(carpeta, O_TMPFILE | O_WRONLY | O_CLOEXEC, modo);
    };
    l.escribe = ::write;
    l.sincroniza = ::fsync;
    l.nombra = [](int fd, const char* destino) {
        // The file is reached through /proc, which needs no privilege that AT_EMPTY_PATH would.
        const std::string propio = "/proc/self/fd/" + std::to_string(fd);
        return ::linkat(AT_FDCWD, propio.c_str(), AT_FDCWD, destino, AT_SYMLINK_FOLLOW);
    };
    l.cierra = ::close;
    l.renombra = ::rename;
    return l;
}

ResultadoArchivo GuardaTexto(const std::string& ruta, const std::string& contenido) {
    return GuardaTexto(ruta, contenido, LlamadasGuardado::Reales());
}

namespace {

// Why a followed path cannot take the text, or nothing: it could not be followed, or it ends at
// something that is not a common file.
std::string RechazoDelDestino(const Destino& destino) {
    if (destino.error) return Razon(destino.error) + ".";
    if (destino.existe && !S_ISREG(destino.estado.st_mode))
        return std::string("no es un archivo común (es ") + Clase(destino.estado.st_mode) + ").";
    return {};
}

// Writes the whole of `contenido` to `fd`, again after an interruption: 0, or why it stopped
// (a write of nothing is a full disk).
int EscribeTodo(int fd, const std::string& contenido, const LlamadasGuardado& llamadas) {
    for (std::size_t escrito = 0; escrito < contenido.size();) {
        errno = 0;
        const ssize_t n = llamadas.escribe(fd, contenido.data() + escrito, contenido.size() - escrito);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return n < 0 ? errno : ENOSPC;
        escrito += static_cast<std::size_t>(n);
    }
    return 0;
}

// The old file's permission bits (and owner, where allowed); a new file's as open() with 0666
// and the umask would give (`modo`). The owner first: a change of owner clears the set-id bits.
bool PonDuenoYPermisos(int fd, const Destino& destino, mode_t modo) {
    if (destino.existe && (destino.estado.st_uid != ::geteuid() || destino.estado.st_gid != ::getegid())) {
        [[maybe_unused]] const int ignorado = ::fchown(fd, destino.estado.st_uid, destino.estado.st_gid);
    }
    return ::fchmod(fd, modo) == 0;
}

// A file with no name in `carpeta` or, where the file system has none, a named temporary there
// (its name in `temporal`): its descriptor, or -1 with errno set.
int AbreTemporal(const fs::path& carpeta, const fs::path& final, const LlamadasGuardado& llamadas,
                 std::string& temporal) {
    const int fd = llamadas.abreSinNombre(carpeta.empty() ? "." : carpeta.c_str(), 0600);
    if (fd >= 0) return fd;
    temporal = (carpeta / (PrefijoTemporal(final) + "XXXXXX")).string();
    return ::mkostemp(temporal.data(), O_CLOEXEC);
}

}  // namespace

ResultadoArchivo GuardaTexto(const std::string& ruta, const std::string& contenido, const LlamadasGuardado& llamadas) {
    ResultadoArchivo r;
    const std::string prefijo = "No se puede guardar en " + Entrecomillado(ruta) + ": ";
    if (fs::path(ruta).filename().empty()) {
        r.mensaje = prefijo + "falta el nombre del archivo.";
        return r;
    }
    const Destino destino = SigueEnlaces(ruta);
    if (const std::string por = RechazoDelDestino(destino); !por.empty()) {
        r.mensaje = prefijo + por;
        return r;
    }

    // The data goes into a file with no name in the target's folder, so that a kill leaves
    // nothing; where the file system has none, into a named temporary. Either stays within the
    // target's file system, for the rename.
    const fs::path final(destino.ruta);
    const fs::path carpeta = final.parent_path();
    BorraTemporalesViejos(carpeta);
    const mode_t modo = destino.existe ? (destino.estado.st_mode & 07777) : (0666 & ~Umask());
    std::string temporal;  // the temporary's name once it has one
    int fd = AbreTemporal(carpeta, final, llamadas, temporal);
    const bool sinNombre = temporal.empty();
    if (fd < 0) {
        const int error = errno;
        r.mensaje = prefijo + "no se puede crear un archivo temporal en su carpeta (" + Razon(error) + ").";
        return r;
    }
    bool abierto = true;
    bool nombrado = false;  // a new target already took its name
    auto falla = [&](const char* que, int error) {
        if (abierto) ::close(fd);
        if (!temporal.empty()) ::unlink(temporal.c_str());
        if (nombrado) ::unlink(final.c_str());
        r.mensaje = prefijo + que + " (" + Razon(error) + ").";
        return r;
    };

    if (!PonDuenoYPermisos(fd, destino, modo)) return falla("no se pueden fijar los permisos del archivo", errno);

    if (const int error = EscribeTodo(fd, contenido, llamadas)) return falla("no se pudo escribir el archivo", error);
    if (llamadas.sincroniza(fd) != 0) return falla("no se pudo asegurar el archivo en el disco", errno);
    if (sinNombre) {
        // A new target takes its name directly; one that exists (or appeared meanwhile) is
        // replaced through a temporary name and a rename at once.
        if (!destino.existe && llamadas.nombra(fd, final.c_str()) == 0) nombrado = true;
        else if (!destino.existe && errno != EEXIST) return falla("no se pudo dar nombre al archivo", errno);
        if (!nombrado) {
            temporal = NombraTemporal(fd, final, llamadas);
            if (temporal.empty()) return falla("no se pudo dar nombre al archivo", errno);
        }
    }
    abierto = false;  // closed even when close() reports an error
    if (llamadas.cierra(fd) != 0) return falla("no se pudo cerrar el archivo", errno);
    if (!nombrado && llamadas.renombra(temporal.c_str(), final.c_str()) != 0)
        return falla("no se pudo reemplazar el archivo anterior", errno);
    SincronizaCarpeta(carpeta);
    r.ok = true;
    return r;
}

}  // namespace hortelia
