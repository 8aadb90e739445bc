#include "scenario/archivo_texto.h"

#include "scenario/texto_visible.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <limits>

namespace hortelia {
namespace {

namespace fs = std::filesystem;

std::string Razon(int error) { return std::strerror(error); }

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

std::string DemasiadoGrande(const std::string& ruta, std::size_t limite, const std::string& tamanio) {
    return "El archivo " + Entrecomillado(ruta) + " es demasiado grande (" + tamanio + "; a lo sumo " +
           std::to_string(limite / 1024) + " KB).";
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
        r.mensaje = DemasiadoGrande(ruta, limite, std::to_string(estado.st_size / 1024) + " KB");
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
        r.mensaje = DemasiadoGrande(ruta, limite, "más de " + std::to_string(limite / 1024) + " KB");
        return r;
    }
    r.ok = true;
    r.texto = std::move(texto);
    return r;
}

LlamadasGuardado LlamadasGuardado::Reales() { return {::write, ::fsync, ::close, ::rename}; }

ResultadoArchivo GuardaTexto(const std::string& ruta, const std::string& contenido) {
    return GuardaTexto(ruta, contenido, LlamadasGuardado::Reales());
}

ResultadoArchivo GuardaTexto(const std::string& ruta, const std::string& contenido, const LlamadasGuardado& llamadas) {
    ResultadoArchivo r;
    const std::string prefijo = "No se puede guardar en " + Entrecomillado(ruta) + ": ";
    if (fs::path(ruta).filename().empty()) {
        r.mensaje = prefijo + "falta el nombre del archivo.";
        return r;
    }
    const Destino destino = SigueEnlaces(ruta);
    if (destino.error) {
        r.mensaje = prefijo + Razon(destino.error) + ".";
        return r;
    }
    if (destino.existe && !S_ISREG(destino.estado.st_mode)) {
        r.mensaje = prefijo + "no es un archivo común (es " + Clase(destino.estado.st_mode) + ").";
        return r;
    }

    // The temporary file beside the target, so that the rename stays within one file system.
    const fs::path final(destino.ruta);
    const fs::path carpeta = final.parent_path();
    std::string plantilla = (carpeta / ("." + final.filename().string().substr(0, 200) + ".XXXXXX")).string();
    const int fd = ::mkostemp(plantilla.data(), O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        r.mensaje = prefijo + "no se puede crear un archivo temporal en su carpeta (" + Razon(error) + ").";
        return r;
    }
    bool abierto = true;
    auto falla = [&](const char* que, int error) {
        if (abierto) ::close(fd);
        ::unlink(plantilla.c_str());
        r.mensaje = prefijo + que + " (" + Razon(error) + ").";
        return r;
    };

    // The old file's permission bits (and owner, where allowed); a new file's as open() with
    // 0666 and the umask would give, not mkstemp's 0600.
    // The owner first: a change of owner clears the set-id bits.
    if (destino.existe && (destino.estado.st_uid != ::geteuid() || destino.estado.st_gid != ::getegid())) {
        [[maybe_unused]] const int ignorado = ::fchown(fd, destino.estado.st_uid, destino.estado.st_gid);
    }
    const mode_t modo = destino.existe ? (destino.estado.st_mode & 07777) : (0666 & ~Umask());
    if (::fchmod(fd, modo) != 0) return falla("no se pueden fijar los permisos del archivo", errno);

    for (std::size_t escrito = 0; escrito < contenido.size();) {
        errno = 0;
        const ssize_t n = llamadas.escribe(fd, contenido.data() + escrito, contenido.size() - escrito);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return falla("no se pudo escribir el archivo", n < 0 ? errno : ENOSPC);
        escrito += static_cast<std::size_t>(n);
    }
    if (llamadas.sincroniza(fd) != 0) return falla("no se pudo asegurar el archivo en el disco", errno);
    abierto = false;  // closed even when close() reports an error
    if (llamadas.cierra(fd) != 0) return falla("no se pudo cerrar el archivo", errno);
    if (llamadas.renombra(plantilla.c_str(), final.c_str()) != 0)
        return falla("no se pudo reemplazar el archivo anterior", errno);
    SincronizaCarpeta(carpeta);
    r.ok = true;
    return r;
}

}  // namespace hortelia
