#pragma once

// For the core tests: a whole file's bytes, a folder of one's own for a test's files, a command
// run in a shell with its output, and hortelia-sim run on the examples.

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace hortelia::prueba {

/// The bytes of the file, empty when it cannot be read.
inline std::string LeeArchivo(const std::string& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

/// A file of tests/data.
inline std::string LeeDato(const std::string& nombre) {
    return LeeArchivo(std::string(HORTELIA_TEST_DATA) + "/" + nombre);
}

/// The text split at `separador`.
inline std::vector<std::string> Partes(const std::string& texto, char separador) {
    std::vector<std::string> p;
    std::stringstream ss(texto);
    for (std::string x; std::getline(ss, x, separador);) p.push_back(x);
    return p;
}

/// A table of tests/data: one row a line, fields separated by tabs, lines starting with # and
/// blank lines left out. A field may hold C escapes (\n, \r, \t, \\, \xNN, \0) for the bytes a
/// line cannot.
inline std::vector<std::vector<std::string>> LeeTablaDato(const std::string& nombre) {
    std::vector<std::vector<std::string>> filas;
    for (const std::string& linea : Partes(LeeDato(nombre), '\n')) {
        if (linea.empty() || linea[0] == '#') continue;
        std::vector<std::string>& fila = filas.emplace_back(1);
        for (std::size_t i = 0; i < linea.size(); ++i) {
            char c = linea[i];
            if (c == '\t') {
                fila.emplace_back();
                continue;
            }
            if (c == '\\' && i + 1 < linea.size()) {
                const char e = linea[++i];
                if (e == 'x') {
                    c = static_cast<char>(std::stoi(linea.substr(i + 1, 2), nullptr, 16));
                    i += 2;
                } else {
                    c = e == 'n' ? '\n' : e == 'r' ? '\r' : e == 't' ? '\t' : e == '0' ? '\0' : e;
                }
            }
            fila.back() += c;
        }
    }
    return filas;
}

/// A new empty folder, unique to this run (mkdtemp), removed with what it holds at the end.
class CarpetaTemporal {
public:
    CarpetaTemporal() {
        std::string plantilla = (std::filesystem::temp_directory_path() / "hortelia-prueba-XXXXXX").string();
        if (::mkdtemp(plantilla.data())) ruta_ = plantilla;
    }
    ~CarpetaTemporal() {
        std::error_code error;
        if (!ruta_.empty()) std::filesystem::remove_all(ruta_, error);
    }
    CarpetaTemporal(const CarpetaTemporal&) = delete;
    CarpetaTemporal& operator=(const CarpetaTemporal&) = delete;
    const std::filesystem::path& ruta() const { return ruta_; }
    std::string operator/(const std::string& nombre) const { return (ruta_ / nombre).string(); }

private:
    std::filesystem::path ruta_;
};

struct Salida {
    int estado = -1;    ///< exit status, -1 when the command did not end normally
    std::string texto;  ///< what it wrote on standard output (and error, if the command joins them)
};

/// Runs `orden` with /bin/sh.
inline Salida Ejecuta(const std::string& orden) {
    Salida s;
    FILE* p = ::popen(orden.c_str(), "r");
    if (!p) return s;
    std::array<char, 4096> buf{};
    for (std::size_t n; (n = std::fread(buf.data(), 1, buf.size(), p)) > 0;) s.texto.append(buf.data(), n);
    const int st = ::pclose(p);
    s.estado = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return s;
}

/// hortelia-sim run in the examples' folder with `argumentos`, errors joined to the output.
inline Salida EjecutaSim(const std::string& argumentos) {
    return Ejecuta("cd '" HORTELIA_TEST_DATA "/../../ejemplos' && " HORTELIA_SIM " " + argumentos + " 2>&1");
}

/// The cells of the line of `texto` that starts with `inicio` and a tab; none when there is none.
inline std::vector<std::string> Fila(const std::string& texto, const std::string& inicio) {
    for (const std::string& l : Partes(texto, '\n'))
        if (l.rfind(inicio + '\t', 0) == 0) return Partes(l + '\t', '\t');
    return {};
}

}  // namespace hortelia::prueba
