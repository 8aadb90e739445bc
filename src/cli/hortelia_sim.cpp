// hortelia-sim: runs the day of a scenario file without windows and prints the data sheet's
// text export; over a climate table or record it runs a whole season, and it compares
// scenarios side by side, and options beside a scenario. For growers' scripts and for checks.

#include "cli/corridas.h"
#include "cli/orden.h"

#include <exception>
#include <iostream>
#include <string>
#include <variant>
#include <vector>

namespace {

int Ejecuta(const std::vector<std::string>& args) {
    using namespace hortelia::cli;
    const auto leida = LeeOrden(args);
    if (const auto* error = std::get_if<std::string>(&leida)) {
        std::cerr << "hortelia-sim: " << *error << "\n" << kUso;
        return 2;
    }
    const Orden& o = std::get<Orden>(leida);
    if (o.ayuda) {
        std::cout << kUso << "\n" << kAyuda;
        return 0;
    }
    if (o.version) {
        std::cout << "hortelia-sim " HORTELIA_VERSION "\n";
        return 0;
    }
    if (o.resumen) return CorreResumen(o);
    if (!o.opciones.empty()) return CorreOpciones(o);
    if (!o.dia.empty()) return CorreDiaDelRegistro(o);
    if (!o.clima.empty()) return CorreTemporada(o);
    return CorreDia(o);
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Ejecuta(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& e) {
        // A fault of the program, not of the files: said, never a silent abort.
        std::cerr << "hortelia-sim: error interno: " << e.what() << "\n";
    } catch (...) {
        std::cerr << "hortelia-sim: error interno\n";
    }
    return 1;
}
