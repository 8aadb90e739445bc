// hortelia-sim: runs the day of a scenario file without windows and prints the data
// sheet's text export, for comparing many scenarios and for scripted checks.

#include "engine/carga_escenario.h"
#include "engine/recalcula_clima.h"
#include "engine/simula_dia.h"
#include "engine/valores_iniciales.h"
#include "results/exportacion.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr const char* kUso = "Uso: hortelia-sim [--recalcular-clima] [--guardar SALIDA.hrt] ESCENARIO.hrt\n";

constexpr const char* kAyuda =
    "Simula el día del escenario ESCENARIO.hrt y escribe la planilla de resultados\n"
    "(texto separado por tabuladores) en la salida estándar.\n"
    "\n"
    "Opciones:\n"
    "  --recalcular-clima    recalcula el clima horario a partir de los datos diarios del\n"
    "                        archivo (radiación, temperatura, humedad, viento en m/s y área\n"
    "                        de ventanas abiertas), como lo harían los paneles\n"
    "  --guardar SALIDA.hrt  guarda el escenario después de procesarlo\n"
    "  --help                muestra esta ayuda\n"
    "\n"
    "Estado de salida: 0 correcto, 1 archivo ilegible o escenario que no se puede procesar,\n"
    "2 uso incorrecto.\n";

int ErrorDeUso(const std::string& mensaje) {
    std::cerr << "hortelia-sim: " << mensaje << "\n" << kUso;
    return 2;
}

/// Flushes the data sheet; an output that cannot be written (a full disk) is said, not hidden.
int TerminaSalida() {
    errno = 0;
    std::cout.flush();
    const bool escrito = std::cout.good() && std::fflush(stdout) == 0 && !std::ferror(stdout);
    if (escrito) return 0;
    const int error = errno;
    std::cerr << "hortelia-sim: no se pudo escribir la planilla en la salida estándar"
              << (error ? " (" + std::string(std::strerror(error)) + ")" : std::string()) << ".\n";
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    bool recalcular = false;
    std::string salida, escenario;
    const std::vector<std::string> args(argv + 1, argv + argc);
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            std::cout << kUso << kAyuda;
            return 0;
        }
        if (a == "--recalcular-clima") {
            recalcular = true;
        } else if (a == "--guardar") {
            if (i + 1 >= args.size()) return ErrorDeUso("falta el nombre del archivo después de --guardar");
            salida = args[++i];
        } else if (a.size() > 1 && a[0] == '-') {
            return ErrorDeUso("opción desconocida: " + a);
        } else if (escenario.empty()) {
            escenario = a;
        } else {
            return ErrorDeUso("sobra un argumento: " + a);
        }
    }
    if (escenario.empty()) return ErrorDeUso("falta el archivo de escenario");

    hortelia::Escenario e;
    hortelia::PonValoresIniciales(e);
    const hortelia::ResultadoCarga carga = hortelia::CargaEscenario(escenario, e);
    if (!carga.ok) {
        std::cerr << "hortelia-sim: " << carga.mensaje << "\n";
        return 1;
    }
    if (!carga.dimensionesValidas) {
        std::cerr << "hortelia-sim: las dimensiones del escenario no son válidas: " << carga.motivoDimensiones << "\n";
        return 1;
    }
    if (recalcular) hortelia::RecalculaClima(e);

    const hortelia::ResultadoDia dia = hortelia::SimulaDia(e);
    if (!dia.ok) {
        std::cerr << "hortelia-sim: " << dia.mensaje << "\n";
        return 1;
    }
    if (!salida.empty()) {
        const hortelia::ResultadoArchivo g = hortelia::GuardaEscenario(salida, e);
        if (!g.ok) {
            std::cerr << "hortelia-sim: " << g.mensaje << "\n";
            return 1;
        }
    }
    hortelia::TextosResumen resumen;
    hortelia::AplicaCarga(resumen, e, carga.dimensionesValidas);
    std::cout << hortelia::TextoPlanilla(e, resumen);
    return TerminaSalida();
}
