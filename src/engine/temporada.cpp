#include "engine/temporada.h"

#include "engine/clima_del_dia.h"
#include "engine/recalcula_clima.h"
#include "engine/simula_dia.h"
#include "engine/tareas.h"
#include "scenario/catalogo.h"
#include "scenario/limites.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <exception>
#include <limits>
#include <utility>

namespace hortelia {
namespace {

// Why a date cannot start or end the season of this table; empty when it can.
std::string MotivoFecha(const Fecha& f, const TablaClima& t, const char* cual) {
    const std::string que = std::string("La fecha de ") + cual;
    if (LeeFecha(TextoFecha(f, t.tipo), t.tipo) != f) {
        if (TieneAnio(t.tipo)) return que + " no es una fecha posible (AAAA-MM-DD).";
        return que + (t.tipo == TipoTablaClima::Normales ? " no es un día del año (MM-DD, sin el 29 de febrero)."
                                                         : " no es un día del año (MM-DD).");
    }
    if (!TieneAnio(t.tipo)) return {};
    const Fecha primera = PrimerDia(t), ultima = UltimoDia(t);
    if (f < primera || f > ultima)
        return que + " " + TextoFecha(f, t.tipo) + " está fuera de la tabla de clima (de " +
               TextoFecha(primera, t.tipo) + " a " + TextoFecha(ultima, t.tipo) + ").";
    return {};
}

std::string MotivoPrecio(const std::optional<double>& p, const char* que) {
    if (p && !(std::isfinite(*p) && *p >= 0))
        return std::string("El precio ") + que + " debe ser un número de 0 o más.";
    return {};
}

std::string MotivoDiseno(const OpcionesTemporada& o) {
    if (o.vientoDiseno && !o.temperaturaDiseno) return "El viento de diseño va con una temperatura de diseño.";
    if (o.temperaturaDiseno && !limites::kTemperatura.Admite(*o.temperaturaDiseno))
        return "La temperatura de diseño debe estar " + limites::kTemperatura.Rango() + ".";
    if (o.vientoDiseno && !limites::kVientoMs.Admite(*o.vientoDiseno))
        return "El viento de diseño debe estar " + limites::kVientoMs.Rango() + ".";
    return {};
}

// The condition the heater is sized for, by the first source that has one; the coldest hour
// comes last, from the days run.
CondicionDiseno CondicionDeLaTemporada(const OpcionesTemporada& o, const TablaClima& tabla,
                                       const std::optional<double>& horaMasFria) {
    if (o.temperaturaDiseno)
        return {OrigenDiseno::Indicada, *o.temperaturaDiseno, o.vientoDiseno.value_or(kVientoDiseno)};
    if (tabla.diseno) return {OrigenDiseno::Archivo, tabla.diseno->temperatura, tabla.diseno->viento};
    if (horaMasFria) return {OrigenDiseno::HoraMasFria, *horaMasFria, kVientoDiseno};
    return {};
}

// Days are split across cores beyond this many; a shorter season costs less than the threads.
constexpr std::size_t kDiasParaRepartir = 1000;

// A day to run: its date and where its weather comes from (a daily table's row, a record's day,
// or for normals neither: they are interpolated on the date).
struct DiaPorCorrer {
    Fecha fecha;
    const FilaClima* fila = nullptr;
    const DiaClima* registro = nullptr;
};

// The days from `desde` to the day before `hasta`, a table's gap, named while fewer than
// kFaltantesNombrados are.
void NombraFaltantes(Temporada& t, Fecha desde, const Fecha& hasta) {
    for (; desde < hasta && t.faltantes.size() < kFaltantesNombrados; desde = DiaSiguiente(desde))
        t.faltantes.push_back(desde);
}

std::string SinDias(const Temporada& t) {
    return "La tabla de clima no tiene días entre " + TextoFecha(t.desde, t.tipo) + " y " +
           TextoFecha(t.hasta, t.tipo) + ".";
}

// The days the season runs, in season order, with the days it lacks counted and the first named;
// none, and the message, when it has none.
std::vector<DiaPorCorrer> DiasPorCorrer(const TablaClima& tabla, Temporada& t, std::string& mensaje) {
    std::vector<DiaPorCorrer> dias;
    if (tabla.tipo == TipoTablaClima::Diaria) {
        const auto primera = std::lower_bound(tabla.filas.begin(), tabla.filas.end(), t.desde,
                                              [](const FilaClima& c, const Fecha& x) { return c.fecha < x; });
        const auto fin = std::upper_bound(tabla.filas.begin(), tabla.filas.end(), t.hasta,
                                          [](const Fecha& x, const FilaClima& c) { return x < c.fecha; });
        Fecha esperada = t.desde;
        for (auto it = primera; it != fin; ++it) {
            NombraFaltantes(t, esperada, it->fecha);
            esperada = DiaSiguiente(it->fecha);
            dias.push_back({it->fecha, &*it, nullptr});
        }
        NombraFaltantes(t, esperada, DiaSiguiente(t.hasta));
        t.diasSinDatos = static_cast<int>(NumeroDeDia(t.hasta) - NumeroDeDia(t.desde) + 1 - (fin - primera));
    } else if (tabla.tipo == TipoTablaClima::Normales) {
        for (Fecha f = t.desde;; f = DiaSiguiente(f)) {
            dias.push_back({f});
            if (f == t.hasta) break;
        }
    } else {
        const std::vector<const DiaClima*> registro = DiasDelRegistro(tabla, t.desde, t.hasta);
        for (const DiaClima* d : registro) {
            if (d->completo) {
                dias.push_back({d->fecha, nullptr, d});
                continue;
            }
            ++t.diasSinDatos;
            if (t.faltantes.size() < kFaltantesNombrados) t.faltantes.push_back(d->fecha);
        }
        if (dias.empty() && !registro.empty())
            mensaje = "Todos los días entre " + TextoFecha(t.desde, t.tipo) + " y " + TextoFecha(t.hasta, t.tipo) +
                      " tienen datos faltantes.";
    }
    if (dias.empty() && mensaje.empty()) mensaje = SinDias(t);
    return dias;
}

// What a day gives on its own copy of the scenario: its figures, or why it cannot run (or what it
// threw); and its coldest stored hour.
struct DiaCorrido {
    std::optional<DiaTemporada> figuras;
    std::string mensaje;
    std::exception_ptr error;
    std::optional<double> horaMasFria;
};

DiaCorrido CorreDia(const Escenario& escenario, const TablaClima& tabla, const DiaPorCorrer& d) {
    DiaCorrido r;
    try {
        Escenario e = escenario;  // every day from the loaded record: nothing carries over
        if (d.registro) {
            PonHorasDelDia(e, *d.registro);
        } else {
            PonClimaDelDia(e, d.fecha, d.fila ? *d.fila : *ClimaDelDia(tabla, d.fecha));
            RecalculaClima(e);
        }
        for (int h = 1; h <= 24; ++h)
            if (!r.horaMasFria || e.TempHora(h).valor() < *r.horaMasFria) r.horaMasFria = e.TempHora(h).valor();
        const ResultadoDia dia = SimulaDia(e);
        if (dia.ok) r.figuras = FigurasDelDia(e, d.fecha);
        else r.mensaje = dia.mensaje;
    } catch (...) {
        r.error = std::current_exception();
    }
    return r;
}

void SumaAlMes(Temporada& t, const DiaTemporada& d) {
    const int anio = TieneAnio(t.tipo) ? d.fecha.anio : 0;
    auto mes = std::find_if(t.meses.rbegin(), t.meses.rend(),
                            [&](const PeriodoTemporada& p) { return p.anio == anio && p.mes == d.fecha.mes; });
    if (mes == t.meses.rend()) {
        t.meses.push_back({});
        t.meses.back().anio = anio;
        t.meses.back().mes = d.fecha.mes;
        mes = t.meses.rbegin();
    }
    SumaDia(*mes, d);
}

// A season checked and its days listed, before they run; `r` holds its message if it cannot run.
struct Preparada {
    ResultadoTemporada r;
    std::vector<DiaPorCorrer> dias;
};

// Adds up the days run (from `corridos[desde]` on, in season order) into their months and the
// season, as one after the other would, up to the first day that cannot run; then the heater and
// the costs.
void Cierra(Preparada& p, const std::vector<DiaCorrido>& corridos, std::size_t desde, const Escenario& escenario,
            const TablaClima& tabla, const OpcionesTemporada& opciones) {
    Temporada& t = p.r.temporada;
    std::optional<double> horaMasFria;  // the first coldest stored hour in season order
    t.dias.reserve(p.dias.size());
    for (std::size_t i = 0; i < p.dias.size(); ++i) {
        const DiaCorrido& d = corridos[desde + i];
        if (d.horaMasFria && (!horaMasFria || *d.horaMasFria < *horaMasFria)) horaMasFria = d.horaMasFria;
        if (d.error) std::rethrow_exception(d.error);
        if (!d.figuras) {
            p.r.mensaje = "El día " + TextoFecha(p.dias[i].fecha, t.tipo) + " no se puede procesar: " + d.mensaje;
            return;
        }
        t.dias.push_back(*d.figuras);
        SumaAlMes(t, t.dias.back());
        SumaDia(t.total, t.dias.back());
    }
    // Averages never hold the coldest night: normals give no coldest hour.
    t.diseno =
        CondicionDeLaTemporada(opciones, tabla, tabla.tipo == TipoTablaClima::Normales ? std::nullopt : horaMasFria);
    t.potenciaDisenoKw = PotenciaDiseno(escenario, t.diseno);
    for (PeriodoTemporada& m : t.meses) AplicaPrecios(m, t.precios);
    AplicaPrecios(t.total, t.precios);
    p.r.ok = true;
}

}  // namespace

std::vector<const DiaClima*> DiasDelRegistro(const TablaClima& tabla, const Fecha& desde, const Fecha& hasta) {
    std::vector<const DiaClima*> dias;
    const auto agrega = [&](auto dentro) {
        for (const DiaClima& d : tabla.dias)
            if (dentro(d.fecha)) dias.push_back(&d);
    };
    if (desde <= hasta) {
        agrega([&](const Fecha& f) { return desde <= f && f <= hasta; });
    } else {
        // A typical year's range across the new year: its end of the year, then its beginning.
        agrega([&](const Fecha& f) { return desde <= f; });
        agrega([&](const Fecha& f) { return f <= hasta; });
    }
    return dias;
}

namespace {

Preparada Prepara(const Escenario& escenario, const TablaClima& tabla, const OpcionesTemporada& opciones) {
    Preparada p;
    ResultadoTemporada& r = p.r;
    Temporada& t = r.temporada;
    const bool normales = tabla.tipo == TipoTablaClima::Normales;
    const bool horaria = EsHoraria(tabla.tipo);
    if ((horaria ? tabla.dias.empty() : tabla.filas.empty()) || (normales && tabla.filas.size() != 12)) {
        r.mensaje = "La tabla de clima no tiene días.";
        return p;
    }
    t.tipo = tabla.tipo;
    t.faltan = tabla.faltan;
    t.codificacion = tabla.codificacion;
    t.lugar = tabla.lugar;
    t.latitud = tabla.latitud;
    t.unidadCombustible = UnidadCombustible(escenario.Combustible);
    t.precios = opciones.precios;
    t.desde = opciones.desde.value_or(PrimerDia(tabla));
    t.hasta = opciones.hasta.value_or(UltimoDia(tabla));
    for (const std::string& m :
         {MotivoFecha(t.desde, tabla, "inicio"), MotivoFecha(t.hasta, tabla, "fin"),
          MotivoPrecio(t.precios.combustible, "del combustible"), MotivoPrecio(t.precios.agua, "del agua"),
          MotivoDiseno(opciones)}) {
        if (!m.empty()) {
            r.mensaje = m;
            return p;
        }
    }
    if (TieneAnio(t.tipo) && t.desde > t.hasta) {
        r.mensaje = "La fecha de inicio (" + TextoFecha(t.desde, t.tipo) + ") es posterior a la de fin (" +
                    TextoFecha(t.hasta, t.tipo) + ").";
        return p;
    }

    p.dias = DiasPorCorrer(tabla, t, r.mensaje);
    return p;
}

}  // namespace

ResultadoTemporada SimulaTemporada(const Escenario& escenario, const TablaClima& tabla,
                                   const OpcionesTemporada& opciones, AvanceTemporada* avance) {
    return std::move(SimulaTemporadas({{&escenario, opciones}}, tabla, opciones.hilos, avance).front());
}

std::vector<ResultadoTemporada> SimulaTemporadas(const std::vector<TemporadaPedida>& pedidas, const TablaClima& tabla,
                                                 unsigned hilos, AvanceTemporada* avance) {
    std::vector<Preparada> temporadas;
    std::vector<std::pair<std::size_t, std::size_t>> trabajos;  // (season, day), season after season
    for (const TemporadaPedida& p : pedidas) {
        temporadas.push_back(Prepara(*p.escenario, tabla, p.opciones));
        for (std::size_t i = 0; i < temporadas.back().dias.size(); ++i) trabajos.emplace_back(temporadas.size() - 1, i);
    }
    // A season's days after one that cannot run are not needed: each season keeps its first such.
    std::vector<std::atomic<std::size_t>> primeraFalla(temporadas.size());
    // The days of each season not yet run: the thread that runs a season's last one adds the
    // season up, while the other threads go on with the next season's days.
    std::vector<std::atomic<std::size_t>> pendientes(temporadas.size());
    for (std::size_t k = 0; k < temporadas.size(); ++k) {
        primeraFalla[k] = std::numeric_limits<std::size_t>::max();
        pendientes[k] = temporadas[k].dias.size();
    }
    if (avance) avance->total = trabajos.size();
    std::vector<DiaCorrido> corridos(trabajos.size());
    ParaCada(
        trabajos.size(),
        [&](std::size_t j) {
            const auto [k, i] = trabajos[j];
            if (i <= primeraFalla[k]) {  // a day after the first that cannot run is never read
                corridos[j] = CorreDia(*pedidas[k].escenario, tabla, temporadas[k].dias[i]);
                if (!corridos[j].figuras) {
                    std::size_t f = primeraFalla[k];
                    while (i < f && !primeraFalla[k].compare_exchange_weak(f, i)) {
                    }
                }
            }
            if (avance) avance->hechos.fetch_add(1, std::memory_order_relaxed);
            if (pendientes[k].fetch_sub(1) == 1)  // its first day is job j - i
                Cierra(temporadas[k], corridos, j - i, *pedidas[k].escenario, tabla, pedidas[k].opciones);
        },
        trabajos.size() > kDiasParaRepartir ? hilos : 1, avance ? &avance->cancela : nullptr);
    std::vector<ResultadoTemporada> r;
    if (avance && avance->cancela) {
        // Days were skipped: no season is whole.
        for (Preparada& t : temporadas) r.push_back({false, "La temporada se canceló.", std::move(t.r.temporada)});
        return r;
    }
    for (Preparada& t : temporadas) r.push_back(std::move(t.r));
    return r;
}

}  // namespace hortelia
