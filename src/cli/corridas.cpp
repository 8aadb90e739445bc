#include "cli/corridas.h"

#include "engine/carga_escenario.h"
#include "engine/clima_del_dia.h"
#include "engine/comparacion.h"
#include "engine/recalcula_clima.h"
#include "engine/simula_dia.h"
#include "engine/tareas.h"
#include "engine/valores_iniciales.h"
#include "results/exportacion.h"
#include "results/informe_opciones.h"
#include "results/informe_temporada.h"
#include "scenario/archivo_texto.h"
#include "scenario/catalogo.h"
#include "scenario/texto_visible.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <iostream>
#include <tuple>

namespace hortelia::cli {
namespace {

void Avisa(const std::string& mensaje) { std::cerr << "hortelia-sim: " << TextoVisible(mensaje, 4096) << "\n"; }

/// Writes `texto` on standard output; an output that cannot be written (a full disk, a closed
/// pipe) is said, not hidden.
int Escribe(const std::string& texto, const char* que, int estado = 0) {
    errno = 0;
    std::cout << texto;
    std::cout.flush();
    const int error = errno;
    const bool escrito = std::cout.good() && std::fflush(stdout) == 0 && !std::ferror(stdout);
    if (escrito) return estado;
    std::cerr << "hortelia-sim: no se pudo escribir " << que << " en la salida estándar"
              << (error ? " (" + RazonDelSistema(error) + ")" : std::string()) << ".\n";
    return 1;
}

/// A scenario ready to run: loaded and with accepted dimensions; the message otherwise.
std::optional<std::string> CargaParaCorrer(const std::string& ruta, Escenario& e, ResultadoCarga* carga = nullptr) {
    PonValoresIniciales(e);
    const ResultadoCarga c = CargaEscenario(ruta, e);
    if (carga) *carga = c;
    if (!c.ok) return ruta + ": " + c.mensaje;
    if (!c.dimensionesValidas) return ruta + ": las dimensiones del escenario no son válidas: " + c.motivoDimensiones;
    return std::nullopt;
}

/// Why a date given for this table is not one of its form; none when it is.
std::optional<std::string> LeeFechaDeOpcion(const std::string& texto, const char* opcion, const TablaClima& tabla,
                                            std::optional<Fecha>& destino) {
    if (texto.empty()) return std::nullopt;
    destino = LeeFecha(texto, tabla.tipo);
    if (destino) return std::nullopt;
    std::string forma = "AAAA-MM-DD (la tabla es diaria)";
    if (tabla.tipo == TipoTablaClima::Normales) {
        forma = "MM-DD (la tabla es de normales)";
        if (LeeFecha(texto, TipoTablaClima::AnioTipico))
            return std::string("la fecha de ") + opcion + " \"" + texto +
                   "\" no existe en las normales, que no tienen 29 de febrero";
    } else if (tabla.tipo == TipoTablaClima::AnioTipico) {
        forma = "MM-DD (el archivo es un año típico)";
    } else if (tabla.tipo == TipoTablaClima::Horaria) {
        forma = "AAAA-MM-DD (el archivo es un registro horario)";
    }
    return std::string("la fecha de ") + opcion + " \"" + TextoVisible(texto, 60) + "\" no es una fecha " + forma;
}

/// The climate table and the season's options; the message otherwise.
std::optional<std::string> PreparaTemporada(const Orden& o, TablaClima& tabla, OpcionesTemporada& opciones) {
    ResultadoTablaClima leida = CargaTablaClima(o.clima);
    if (!leida.ok) return o.clima + ": " + leida.mensaje;
    tabla = std::move(leida.tabla);
    for (const auto& [texto, destino, opcion] :
         {std::tuple{&o.desde, &opciones.desde, "--desde"}, std::tuple{&o.hasta, &opciones.hasta, "--hasta"}})
        if (auto error = LeeFechaDeOpcion(*texto, opcion, tabla, *destino)) return error;
    opciones.precios = o.precios;
    opciones.temperaturaDiseno = o.temperaturaDiseno;
    opciones.vientoDiseno = o.vientoDiseno;
    return std::nullopt;
}

/// Runs the day `e` holds, saves the scenario when asked and prints its data sheet; the exit
/// status.
int CorreGuardaEImprime(const Orden& o, Escenario& e, const ResultadoCarga& carga) {
    const ResultadoDia dia = SimulaDia(e);
    if (!dia.ok) {
        Avisa(dia.mensaje);
        return 1;
    }
    if (!o.guardar.empty()) {
        const ResultadoArchivo g = GuardaEscenario(o.guardar, e);
        if (!g.ok) {
            Avisa(g.mensaje);
            return 1;
        }
    }
    TextosResumen resumen;
    AplicaCarga(resumen, e, carga.dimensionesValidas);
    return Escribe(TextoPlanilla(e, resumen), "la planilla");
}

/// One scenario's row of a comparison, or why it has none.
struct FilaResumen {
    std::string fila;
    std::optional<std::string> error;
    std::exception_ptr excepcion;
};

/// The row of the scenario at `ruta`: its day.
FilaResumen ResumeDia(const Orden& o, const std::string& ruta) {
    FilaResumen f;
    Escenario e;
    f.error = CargaParaCorrer(ruta, e);
    if (f.error) return f;
    if (o.recalcular) RecalculaClima(e);
    const ResultadoDia dia = SimulaDia(e);
    if (!dia.ok) {
        f.error = ruta + ": " + dia.mensaje;
        return f;
    }
    // The day sheet's own figures, as the day window shows them.
    PeriodoTemporada p;
    SumaDia(p, FigurasDelDia(e, {0, e.Mes, e.Dia}, CifrasCombustible::Planilla));
    AplicaPrecios(p, o.precios);
    f.fila = FilaResumenEscenario(ruta, p, UnidadCombustible(e.Combustible));
    return f;
}

/// The rows of the scenarios' days, side by side on every core.
std::vector<FilaResumen> ResumeDias(const Orden& o) {
    const auto filas = EnParalelo(o.escenarios.size(), [&](std::size_t i) {
        FilaResumen f;
        try {
            f = ResumeDia(o, o.escenarios[i]);
        } catch (...) {
            f.excepcion = std::current_exception();
        }
        return f;
    });
    std::vector<FilaResumen> r;
    r.reserve(filas.size());
    for (const auto& f : filas) r.push_back(*f);
    return r;
}

/// The rows of the scenarios' seasons over `tabla`: the scenarios loaded side by side, then all
/// their days on every core.
std::vector<FilaResumen> ResumeTemporadas(const Orden& o, const TablaClima& tabla, const OpcionesTemporada& opciones) {
    const std::size_t n = o.escenarios.size();
    std::vector<Escenario> escenarios(n);
    const auto cargas = EnParalelo(n, [&](std::size_t i) { return CargaParaCorrer(o.escenarios[i], escenarios[i]); });
    std::vector<FilaResumen> filas(n);
    std::vector<TemporadaPedida> listas;
    for (std::size_t i = 0; i < n; ++i) {
        filas[i].error = *cargas[i];
        if (!filas[i].error) listas.push_back({&escenarios[i], opciones});
    }
    const std::vector<ResultadoTemporada> temporadas = SimulaTemporadas(listas, tabla, opciones.hilos);
    for (std::size_t i = 0, k = 0; i < n; ++i) {
        if (filas[i].error) continue;
        const ResultadoTemporada& r = temporadas[k++];
        if (r.ok) filas[i].fila = FilaResumenTemporada(o.escenarios[i], r.temporada);
        else filas[i].error = o.escenarios[i] + ": " + r.mensaje;
    }
    return filas;
}

}  // namespace

int CorreDia(const Orden& o) {
    Escenario e;
    ResultadoCarga carga;
    PonValoresIniciales(e);
    carga = CargaEscenario(o.escenarios.front(), e);
    if (!carga.ok) {
        Avisa(carga.mensaje);
        return 1;
    }
    if (!carga.dimensionesValidas) {
        Avisa("las dimensiones del escenario no son válidas: " + carga.motivoDimensiones);
        return 1;
    }
    if (o.recalcular) RecalculaClima(e);
    return CorreGuardaEImprime(o, e, carga);
}

int CorreTemporada(const Orden& o) {
    Escenario e;
    TablaClima tabla;
    OpcionesTemporada opciones;
    std::optional<std::string> error = CargaParaCorrer(o.escenarios.front(), e);
    if (!error) error = PreparaTemporada(o, tabla, opciones);
    if (error) {
        Avisa(*error);
        return 1;
    }
    const ResultadoTemporada r = SimulaTemporada(e, tabla, opciones);
    if (!r.ok) {
        Avisa(r.mensaje);
        return 1;
    }
    return Escribe(TextoTemporada(r.temporada, o.escenarios.front(), o.clima), "la temporada");
}

int CorreDiaDelRegistro(const Orden& o) {
    Escenario base;
    ResultadoCarga carga;
    if (auto error = CargaParaCorrer(o.escenarios.front(), base, &carga)) {
        Avisa(*error);
        return 1;
    }
    ResultadoTablaClima leida = CargaTablaClima(o.clima);
    if (!leida.ok) {
        Avisa(o.clima + ": " + leida.mensaje);
        return 1;
    }
    const TablaClima& tabla = leida.tabla;
    if (!EsHoraria(tabla.tipo)) {
        std::cerr << "hortelia-sim: --dia va con un registro horario (EPW o exportación horaria), y " << o.clima
                  << " es una tabla de datos " << (tabla.tipo == TipoTablaClima::Normales ? "mensuales" : "diarios")
                  << "\n"
                  << kUso;
        return 2;
    }
    std::optional<Fecha> fecha;
    if (auto error = LeeFechaDeOpcion(o.dia, "--dia", tabla, fecha)) {
        Avisa(*error);
        return 1;
    }
    const auto dia =
        std::find_if(tabla.dias.begin(), tabla.dias.end(), [&](const DiaClima& d) { return d.fecha == *fecha; });
    if (dia == tabla.dias.end() || !dia->completo) {
        Avisa(o.clima + ": " + (dia == tabla.dias.end() ? "no tiene el día " : "al día le faltan datos: ") +
              TextoFecha(*fecha, tabla.tipo));
        return 1;
    }
    Escenario e = EscenarioDelDia(base, tabla, *dia);
    return CorreGuardaEImprime(o, e, carga);
}

int CorreResumen(const Orden& o) {
    TablaClima tabla;
    OpcionesTemporada opciones;
    const bool temporada = !o.clima.empty();
    if (temporada) {
        if (auto error = PreparaTemporada(o, tabla, opciones)) {
            Avisa(*error);
            return 1;
        }
    }
    const std::vector<FilaResumen> filas = temporada ? ResumeTemporadas(o, tabla, opciones) : ResumeDias(o);
    int estado = 0;
    std::string salida = TituloResumenEscenarios(temporada);
    for (const FilaResumen& f : filas) {  // in the order given, as one after the other would print them
        if (f.excepcion) std::rethrow_exception(f.excepcion);
        if (f.error) {
            Avisa(*f.error);
            estado = 1;
            continue;
        }
        salida += f.fila;
    }
    return Escribe(salida, "la comparación", estado);
}

}  // namespace hortelia::cli

namespace hortelia::cli {
namespace {

/// The options of --opciones as scenarios to compare: each catalogue option applied to a copy
/// of `base`, each file loaded; the message of the first that cannot be.
std::optional<std::string> PreparaOpciones(const Orden& o, const Escenario& base,
                                           std::vector<OpcionAComparar>& opciones) {
    for (const OpcionPedida& p : o.opciones) {
        OpcionAComparar x{p.nombre, p.nombre, p.nombre, {}, p.inversion};
        if (p.opcion) {
            OpcionAplicada aplicada = AplicaOpcion(base, *p.opcion);
            if (!aplicada.ok) return p.nombre + " no se aplica: " + aplicada.motivo;
            x.titulo = TituloOpcion(*p.opcion);
            x.corto = TituloOpcion(*p.opcion, true);
            x.escenario = std::move(aplicada.escenario);
        } else if (auto error = CargaParaCorrer(p.nombre, x.escenario)) {
            return error;
        } else {
            x.titulo = x.corto = std::filesystem::path(p.nombre).filename().string();
        }
        opciones.push_back(std::move(x));
    }
    return std::nullopt;
}

}  // namespace

int CorreOpciones(const Orden& o) {
    Escenario base;
    TablaClima tabla;
    OpcionesTemporada temporada;
    std::vector<OpcionAComparar> opciones;
    std::optional<std::string> error = CargaParaCorrer(o.escenarios.front(), base);
    if (!error) error = PreparaTemporada(o, tabla, temporada);
    if (!error) error = PreparaOpciones(o, base, opciones);
    if (error) {
        Avisa(*error);
        return 1;
    }
    if (const std::string motivo = MotivoPreciosCombustible(base, opciones, o.precios, o.precioCombustibleNuevo);
        !motivo.empty()) {
        std::cerr << "hortelia-sim: " << TextoVisible(motivo, 4096) << "\n" << kUso;
        return 2;
    }
    const ResultadoComparacion r = ComparaOpciones(base, opciones, tabla, temporada, o.precioCombustibleNuevo);
    if (!r.ok) {
        Avisa(r.mensaje);
        return 1;
    }
    if (!o.precios.combustible && !o.precios.agua)
        Avisa("sin --precio-combustible ni --precio-agua no hay costos: el ahorro y el retorno quedan vacíos");
    return Escribe(TextoComparacion(r.comparacion), "la comparación de opciones");
}

}  // namespace hortelia::cli
