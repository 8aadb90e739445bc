#include "scenario/archivo_texto.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace hortelia {

ResultadoArchivo LeeArchivoTexto(const std::string& ruta, std::size_t limite) {
    namespace fs = std::filesystem;
    ResultadoArchivo r;
    std::error_code ec;
    const fs::file_status estado = fs::status(ruta, ec);
    if (ec) {
        r.mensaje = "No se puede abrir el archivo \"" + ruta + "\": " + ec.message() + ".";
        return r;
    }
    if (!fs::is_regular_file(estado)) {
        r.mensaje = "\"" + ruta + "\" no es un archivo común (es una carpeta, un dispositivo o una tubería).";
        return r;
    }
    const auto tamanio = fs::file_size(ruta, ec);
    if (!ec && tamanio > limite) {
        r.mensaje = "El archivo \"" + ruta + "\" es demasiado grande (" + std::to_string(tamanio / 1024) +
                    " KB; a lo sumo " + std::to_string(limite / 1024) + " KB).";
        return r;
    }
    std::ifstream f(ruta, std::ios::binary);
    if (!f) {
        r.mensaje = "No se puede abrir el archivo \"" + ruta + "\": " + std::strerror(errno) + ".";
        return r;
    }
    std::ostringstream ss;
    ss << f.rdbuf();
    if (f.bad()) {
        r.mensaje = "No se puede leer el archivo \"" + ruta + "\".";
        return r;
    }
    r.ok = true;
    r.texto = ss.str();
    return r;
}

ResultadoArchivo GuardaTexto(const std::string& ruta, const std::string& contenido) {
    namespace fs = std::filesystem;
    ResultadoArchivo r;
    const fs::path destino(ruta);
    if (destino.filename().empty()) {
        r.mensaje = "No se puede guardar en \"" + ruta + "\": falta el nombre del archivo.";
        return r;
    }
    std::random_device azar;
    const fs::path temporal =
        destino.parent_path() / ("." + destino.filename().string() + ".tmp" + std::to_string(azar() % 100000));
    {
        std::ofstream f(temporal, std::ios::binary | std::ios::trunc);
        if (!f) {
            r.mensaje = "No se puede guardar en \"" + ruta + "\": " + std::strerror(errno) + ".";
            return r;
        }
        f.write(contenido.data(), static_cast<std::streamsize>(contenido.size()));
        f.flush();
        if (!f) {
            f.close();
            std::error_code ignorado;
            fs::remove(temporal, ignorado);
            r.mensaje = "No se pudo escribir el archivo \"" + ruta + "\" (¿disco lleno?).";
            return r;
        }
    }
    std::error_code ec;
    fs::rename(temporal, destino, ec);
    if (ec) {
        std::error_code ignorado;
        fs::remove(temporal, ignorado);
        r.mensaje = "No se puede guardar en \"" + ruta + "\": " + ec.message() + ".";
        return r;
    }
    r.ok = true;
    return r;
}

}  // namespace hortelia
