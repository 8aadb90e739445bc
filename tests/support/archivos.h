#pragma once

// For the core tests: a whole file's bytes, and a command run in a shell with its output.

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace hortelia::prueba {

/// The bytes of the file, empty when it cannot be read.
inline std::string LeeArchivo(const std::string& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

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

}  // namespace hortelia::prueba
