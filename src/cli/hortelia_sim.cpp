// hortelia-sim: runs the day of a scenario file without windows and prints the data
// sheet's text export, for comparing many scenarios and for scripted checks.

#include "engine/carga_escenario.h"
#include "engine/recalcula_clima.h"
#include "engine/simula_dia.h"
#include "engine/temporada.h"
#include "engine/valores_iniciales.h"
#include "results/exportacion.h"
#include "results/informe_temporada.h"
#include "scenario/catalogo.h"
#include "scenario/texto_visible.h"
#include "weather/tabla_clima.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <tuple>
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

// ---- a season from a climate table, and a comparison of scenarios ----
// Kept apart from the plain run above: main hands over as soon as one of these options appears.

namespace {

constexpr const char* kUsoTemporada =
    "       hortelia-sim --temporada CLIMA.csv [--desde FECHA] [--hasta FECHA]\n"
    "                    [--precio-combustible X] [--precio-agua Y] ESCENARIO.hrt\n"
    "       hortelia-sim --resumen [--temporada CLIMA.csv ...] [--recalcular-clima]\n"
    "                    [--precio-combustible X] [--precio-agua Y] A.hrt B.hrt ...\n";

constexpr const char* kAyudaTemporada =
    "\n"
    "Temporada (un día por cada día de una tabla de clima):\n"
    "  --temporada CLIMA.csv    simula cada día de la tabla con el invernáculo, el cultivo,\n"
    "                           la ventilación y las temperaturas tolerables del escenario, y\n"
    "                           escribe una tabla por día, una por mes y el total de la\n"
    "                           temporada: combustible, agua, Etr, Etp, horas de calefacción\n"
    "                           y de refrigeración, temperaturas interiores y potencia pico\n"
    "                           de la calefacción (kW).\n"
    "                           La tabla es un archivo CSV en UTF-8. Su línea de títulos lleva\n"
    "                           fecha (AAAA-MM-DD, una fila por día) o mes (1 a 12, doce filas\n"
    "                           de normales mensuales), tmax y tmin (°C) y, si se tienen, hrmax\n"
    "                           y hrmin (%), nubosidad (octavos) y viento (km/h), en cualquier\n"
    "                           orden; una columna que falta toma el valor inicial del programa\n"
    "                           (100 %, 50 %, 0 octavos, 1 km/h) y la salida lo dice; una\n"
    "                           columna con otro nombre se rechaza.\n"
    "                           Separador \",\" (decimales con punto), \";\" o tabulador\n"
    "                           (decimales con punto o coma). Se saltan las líneas vacías y las\n"
    "                           que empiezan con #. Con normales, cada día se interpola entre\n"
    "                           los dos meses más cercanos (el 15 de cada mes).\n"
    "  --desde FECHA            primer día: AAAA-MM-DD en una tabla diaria, MM-DD en normales\n"
    "                           (por omisión el primero de la tabla o el 1 de enero)\n"
    "  --hasta FECHA            último día (por omisión el último de la tabla o el 31 de\n"
    "                           diciembre); con normales puede ser anterior a --desde: la\n"
    "                           temporada cruza el año nuevo\n"
    "  --precio-combustible X   precio por unidad de combustible (litro, kg o m³, según el\n"
    "                           combustible del escenario): agrega el costo del combustible\n"
    "  --precio-agua Y          precio del m³ de agua: agrega el costo del agua\n"
    "  Con --temporada el clima de cada día se recalcula siempre (--recalcular-clima no agrega\n"
    "  nada) y --guardar no se admite.\n"
    "\n"
    "Comparación de escenarios:\n"
    "  --resumen A.hrt B.hrt ...  una fila por escenario con el combustible, el agua, Etr, Etp,\n"
    "                           las horas de calefacción y de refrigeración, la temperatura\n"
    "                           interior mínima, la potencia pico y los costos: del día de cada\n"
    "                           archivo o, con --temporada, de toda la temporada. Un escenario\n"
    "                           que no se puede leer o procesar queda sin fila (el motivo va a\n"
    "                           la salida de errores) y el estado de salida es 1.\n"
    "\n"
    "Los números se escriben con punto decimal y en su forma más corta exacta (12, 0.24, -3.5).\n"
    "Estado de salida: 0 correcto, 1 archivo ilegible, fecha fuera de la tabla o día que no se\n"
    "puede procesar, 2 uso incorrecto.\n";

/// A season or a comparison, as the command line asks for it.
struct OrdenTemporada {
    std::string clima;  ///< empty: no season (a comparison of the files' days)
    std::string desde, hasta;
    hortelia::PreciosTemporada precios;
    bool resumen = false;
    bool recalcular = false;
    std::vector<std::string> escenarios;
};

bool PideTemporadaOResumen(const std::vector<std::string>& args) {
    for (const std::string& a : args)
        if (a == "--temporada" || a == "--resumen" || a == "--desde" || a == "--hasta" || a == "--precio-combustible" ||
            a == "--precio-agua")
            return true;
    return false;
}

int ErrorDeUsoTemporada(const std::string& mensaje) {
    std::cerr << "hortelia-sim: " << mensaje << "\n" << kUso << kUsoTemporada;
    return 2;
}

void Avisa(const std::string& mensaje) {
    std::cerr << "hortelia-sim: " << hortelia::TextoVisible(mensaje, 4096) << "\n";
}

/// Reads the command line; the message of a wrong usage otherwise.
std::optional<std::string> LeeOrdenTemporada(const std::vector<std::string>& args, OrdenTemporada& o) {
    bool hayDesde = false, hayHasta = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const auto valor = [&](std::string& destino) -> std::optional<std::string> {
            if (i + 1 >= args.size()) return "falta el valor después de " + a;
            destino = args[++i];
            return std::nullopt;
        };
        const auto precio = [&](std::optional<double>& destino) -> std::optional<std::string> {
            std::string texto;
            if (auto e = valor(texto)) return e;
            destino = hortelia::LeeNumeroCelda(texto, true);
            if (destino && *destino >= 0) return std::nullopt;
            std::string error = "el valor de ";
            error += a;
            error += " debe ser un número de 0 o más: ";
            error += texto;
            return error;
        };
        std::optional<std::string> error;
        if (a == "--temporada") error = valor(o.clima);
        else if (a == "--desde") {
            error = valor(o.desde);
            hayDesde = true;
        } else if (a == "--hasta") {
            error = valor(o.hasta);
            hayHasta = true;
        } else if (a == "--precio-combustible") error = precio(o.precios.combustible);
        else if (a == "--precio-agua") error = precio(o.precios.agua);
        else if (a == "--resumen") o.resumen = true;
        else if (a == "--recalcular-clima") o.recalcular = true;
        else if (a == "--guardar") error = "--guardar no se usa con --temporada ni con --resumen";
        else if (a.size() > 1 && a[0] == '-') error = "opción desconocida: " + a;
        else o.escenarios.push_back(a);
        if (error) return error;
    }
    if (o.clima.empty() && (hayDesde || hayHasta)) return std::string("--desde y --hasta van con --temporada");
    if (o.clima.empty() && !o.resumen) return std::string("los precios van con --temporada o con --resumen");
    if (o.escenarios.empty()) return std::string("falta el archivo de escenario");
    if (!o.resumen && o.escenarios.size() > 1) return "sobra un argumento: " + o.escenarios[1];
    return std::nullopt;
}

/// A scenario ready to run: loaded and with accepted dimensions; the message otherwise.
std::optional<std::string> CargaParaCorrer(const std::string& ruta, hortelia::Escenario& e) {
    hortelia::PonValoresIniciales(e);
    const hortelia::ResultadoCarga carga = hortelia::CargaEscenario(ruta, e);
    if (!carga.ok) return ruta + ": " + carga.mensaje;
    if (!carga.dimensionesValidas)
        return ruta + ": las dimensiones del escenario no son válidas: " + carga.motivoDimensiones;
    return std::nullopt;
}

/// The climate table and the season's options; the message otherwise.
std::optional<std::string> PreparaTemporada(const OrdenTemporada& o, hortelia::TablaClima& tabla,
                                            hortelia::OpcionesTemporada& opciones) {
    hortelia::ResultadoTablaClima leida = hortelia::CargaTablaClima(o.clima);
    if (!leida.ok) return o.clima + ": " + leida.mensaje;
    tabla = std::move(leida.tabla);
    const bool diaria = tabla.tipo == hortelia::TipoTablaClima::Diaria;
    for (const auto& [texto, destino, opcion] :
         {std::tuple{&o.desde, &opciones.desde, "--desde"}, std::tuple{&o.hasta, &opciones.hasta, "--hasta"}}) {
        if (texto->empty()) continue;
        *destino = hortelia::LeeFecha(*texto, tabla.tipo);
        if (!*destino)
            return std::string("la fecha de ") + opcion + " \"" + *texto + "\" no es una fecha " +
                   (diaria ? "AAAA-MM-DD (la tabla es diaria)" : "MM-DD (la tabla es de normales)");
    }
    opciones.precios = o.precios;
    return std::nullopt;
}

int Termina(int estado) {
    std::cout.flush();
    return std::cout ? estado : 1;
}

int EjecutaTemporada(const OrdenTemporada& o) {
    hortelia::Escenario e;
    hortelia::TablaClima tabla;
    hortelia::OpcionesTemporada opciones;
    std::optional<std::string> error = CargaParaCorrer(o.escenarios.front(), e);
    if (!error) error = PreparaTemporada(o, tabla, opciones);
    if (error) {
        Avisa(*error);
        return 1;
    }
    const hortelia::ResultadoTemporada r = hortelia::SimulaTemporada(e, tabla, opciones);
    if (!r.ok) {
        Avisa(r.mensaje);
        return 1;
    }
    std::cout << hortelia::TextoTemporada(r.temporada, o.escenarios.front(), o.clima);
    return Termina(0);
}

/// One scenario's figures for the comparison: its season, or its day as the plain run makes it.
std::optional<std::string> ResumeEscenario(const OrdenTemporada& o, const hortelia::TablaClima& tabla,
                                           const hortelia::OpcionesTemporada& opciones, const std::string& ruta,
                                           hortelia::PeriodoTemporada& p, std::string& unidad) {
    hortelia::Escenario e;
    if (auto error = CargaParaCorrer(ruta, e)) return error;
    unidad = hortelia::UnidadCombustible(e.Combustible);
    if (!o.clima.empty()) {
        const hortelia::ResultadoTemporada r = hortelia::SimulaTemporada(e, tabla, opciones);
        if (!r.ok) return ruta + ": " + r.mensaje;
        p = r.temporada.total;
        return std::nullopt;
    }
    if (o.recalcular) hortelia::RecalculaClima(e);
    const hortelia::ResultadoDia dia = hortelia::SimulaDia(e);
    if (!dia.ok) return ruta + ": " + dia.mensaje;
    hortelia::SumaDia(p, hortelia::FigurasDelDia(e, {0, e.Mes, e.Dia}));
    hortelia::AplicaPrecios(p, o.precios);
    return std::nullopt;
}

int EjecutaResumen(const OrdenTemporada& o) {
    hortelia::TablaClima tabla;
    hortelia::OpcionesTemporada opciones;
    if (!o.clima.empty()) {
        if (auto error = PreparaTemporada(o, tabla, opciones)) {
            Avisa(*error);
            return 1;
        }
    }
    int estado = 0;
    std::cout << hortelia::TituloResumenEscenarios();
    for (const std::string& ruta : o.escenarios) {
        hortelia::PeriodoTemporada p;
        std::string unidad;
        if (auto error = ResumeEscenario(o, tabla, opciones, ruta, p, unidad)) {
            Avisa(*error);
            estado = 1;
            continue;
        }
        std::cout << hortelia::FilaResumenEscenario(ruta, p, unidad);
    }
    return Termina(estado);
}

/// --temporada, --resumen and their options: help, usage, then the season or the comparison.
int OrdenDeTemporada(const std::vector<std::string>& args) {
    for (const std::string& a : args)
        if (a == "--help" || a == "-h") {
            std::cout << kUso << kUsoTemporada << kAyuda << kAyudaTemporada;
            return 0;
        }
    OrdenTemporada o;
    if (auto error = LeeOrdenTemporada(args, o)) return ErrorDeUsoTemporada(*error);
    return o.resumen ? EjecutaResumen(o) : EjecutaTemporada(o);
}

}  // namespace

int main(int argc, char** argv) {
    bool recalcular = false;
    std::string salida, escenario;
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (PideTemporadaOResumen(args)) return OrdenDeTemporada(args);
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            std::cout << kUso << kUsoTemporada << kAyuda << kAyudaTemporada;
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
