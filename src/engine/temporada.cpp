#include "engine/temporada.h"

#include "engine/recalcula_clima.h"
#include "engine/simula_dia.h"
#include "scenario/catalogo.h"
#include "scenario/limites.h"
#include "weather/radiacion.h"
#include "weather/viento.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace hortelia {
namespace {

// Mid-month days of the year (the 15th), where each month's normals hold.
std::array<int, 12> MediosDeMes() {
    std::array<int, 12> m{};
    for (int k = 0; k < 12; ++k) m[static_cast<std::size_t>(k)] = DiaDelAnio(15, k + 1);
    return m;
}

double Entre(double a, double b, double w) { return a + (b - a) * w; }

// Why a date cannot start or end the season of this table; empty when it can.
std::string MotivoFecha(const Fecha& f, const TablaClima& t, const char* cual) {
    const std::string que = std::string("La fecha de ") + cual;
    if (LeeFecha(TextoFecha(f, t.tipo), t.tipo) != f)
        return que + (t.tipo == TipoTablaClima::Diaria ? " no es una fecha posible (AAAA-MM-DD)."
                                                       : " no es un día del año (MM-DD, sin el 29 de febrero).");
    if (t.tipo == TipoTablaClima::Normales) return {};
    const Fecha& primera = t.filas.front().fecha;
    const Fecha& ultima = t.filas.back().fecha;
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

}  // namespace

std::optional<FilaClima> ClimaDelDia(const TablaClima& tabla, const Fecha& f) {
    const auto& filas = tabla.filas;
    if (tabla.tipo == TipoTablaClima::Diaria) {
        const auto it = std::lower_bound(filas.begin(), filas.end(), f,
                                         [](const FilaClima& c, const Fecha& x) { return c.fecha < x; });
        if (it == filas.end() || it->fecha != f) return std::nullopt;
        return *it;
    }
    if (filas.size() != 12) throw std::invalid_argument("una tabla de normales lleva doce meses");
    static const std::array<int, 12> medio = MediosDeMes();
    const int d = DiaDelAnio(f.dia, f.mes);
    // The two nearest mid-month days, round the year: before January 15 and after December 15
    // the days run between December and January across the new year.
    std::size_t a = 11, b = 0;
    double da = medio[11] - 365, db = medio[0];
    if (d >= medio[11]) {
        da = medio[11];
        db = medio[0] + 365;
    } else if (d >= medio[0]) {
        a = static_cast<std::size_t>(std::upper_bound(medio.begin(), medio.end(), d) - medio.begin()) - 1;
        b = a + 1;
        da = medio[a];
        db = medio[b];
    }
    const double w = (d - da) / (db - da);
    const FilaClima& x = filas[a];
    const FilaClima& y = filas[b];
    FilaClima c;
    c.fecha = f;
    c.tmax = Entre(x.tmax, y.tmax, w);
    c.tmin = Entre(x.tmin, y.tmin, w);
    c.hrmax = Entre(x.hrmax, y.hrmax, w);
    c.hrmin = Entre(x.hrmin, y.hrmin, w);
    c.nubosidad = Entre(x.nubosidad, y.nubosidad, w);
    c.viento = Entre(x.viento, y.viento, w);
    return c;
}

void PonClimaDelDia(Escenario& e, const Fecha& f, const FilaClima& c) {
    // The reader keeps every figure inside the limits table; a table made otherwise must too.
    const bool dentro = limites::kTemperatura.Admite(c.tmax) && limites::kTemperatura.Admite(c.tmin) &&
                        limites::kHumedad.Admite(c.hrmax) && limites::kHumedad.Admite(c.hrmin) &&
                        limites::kNubosidad.Admite(c.nubosidad) && limites::kVientoKmh.Admite(c.viento) &&
                        limites::kDia.Admite(f.dia) && limites::kMes.Admite(f.mes);
    if (!dentro) throw std::out_of_range("día de clima fuera de los límites");
    const auto entero = [](double v) { return static_cast<std::int16_t>(std::round(v)); };
    e.Dia = static_cast<std::int16_t>(f.dia);
    e.Mes = static_cast<std::int16_t>(f.mes);
    // As the temperature bars store their position / 10: a quotient of integers, a single.
    e.TMax = Variante::Entero(entero(c.tmax * 10)) / Variante::Entero(10);
    e.TMin = Variante::Entero(entero(c.tmin * 10)) / Variante::Entero(10);
    e.HRMax = Variante::Entero(entero(c.hrmax));
    e.HRMin = Variante::Entero(entero(c.hrmin));
    const float nubes = static_cast<float>(std::clamp(std::round(c.nubosidad), 0.0, 8.0));
    const float kmh = static_cast<float>(std::round(c.viento));
    for (int h = 1; h <= 24; ++h) {
        e.NubHora(h) = nubes;
        FijaVientoKmh(e, h, kmh);
    }
}

DiaTemporada FigurasDelDia(const Escenario& e, const Fecha& f) {
    DiaTemporada d;
    d.fecha = f;
    d.tmax = e.TMax;
    d.tmin = e.TMin;
    d.hrmax = e.HRMax;
    d.hrmin = e.HRMin;
    d.nubosidad = e.NubHora(1);
    d.vientoKmh = e.VtoHoraKmh(1);
    d.combustible = e.AcumComb;
    d.agua = e.AcumAgua;
    d.etr = e.AcumEtr;
    d.etp = e.AcumEtp;
    d.tempMinInterior = std::numeric_limits<float>::infinity();
    d.tempMaxInterior = -std::numeric_limits<float>::infinity();
    const double tMin = e.TMinTol.valor(), tMax = e.TMaxTol.valor();
    for (int h = 1; h <= 24; ++h) {
        d.tempMinInterior = std::min(d.tempMinInterior, e.TempConControl(h));
        d.tempMaxInterior = std::max(d.tempMaxInterior, e.TempConControl(h));
        const bool quema = e.TempSinControl(h) < tMin && e.ControlHora(h) > 0;
        if (quema) {
            ++d.horasCalefaccion;
            // Fuel of the hour × energy per unit of fuel, net of the boiler's losses: kJ/h to kW.
            const double kw = static_cast<double>(e.ControlHora(h)) * e.PoderCalorico * e.Eficiencia / 100 / 3600;
            d.potenciaPicoKw = std::max(d.potenciaPicoKw, kw);
        } else if (e.TempSinControl(h) > tMax && e.ControlHora(h) > 0) {
            ++d.horasRefrigeracion;
        }
    }
    return d;
}

void SumaDia(PeriodoTemporada& p, const DiaTemporada& d) {
    p.tempMinInterior = p.dias == 0 ? d.tempMinInterior : std::min(p.tempMinInterior, d.tempMinInterior);
    p.potenciaPicoKw = std::max(p.potenciaPicoKw, d.potenciaPicoKw);
    ++p.dias;
    p.combustible += d.combustible;
    p.agua += d.agua;
    p.etr += d.etr;
    p.etp += d.etp;
    p.horasCalefaccion += d.horasCalefaccion;
    p.horasRefrigeracion += d.horasRefrigeracion;
}

void AplicaPrecios(PeriodoTemporada& p, const PreciosTemporada& precios) {
    p.costoCombustible.reset();
    p.costoAgua.reset();
    if (precios.combustible) p.costoCombustible = p.combustible * *precios.combustible;
    if (precios.agua) p.costoAgua = p.agua / 1000 * *precios.agua;
}

ResultadoTemporada SimulaTemporada(const Escenario& escenario, const TablaClima& tabla,
                                   const OpcionesTemporada& opciones) {
    ResultadoTemporada r;
    Temporada& t = r.temporada;
    const bool diaria = tabla.tipo == TipoTablaClima::Diaria;
    if (tabla.filas.empty() || (!diaria && tabla.filas.size() != 12)) {
        r.mensaje = "La tabla de clima no tiene días.";
        return r;
    }
    t.tipo = tabla.tipo;
    t.faltan = tabla.faltan;
    t.unidadCombustible = UnidadCombustible(escenario.Combustible);
    t.precios = opciones.precios;
    t.desde = opciones.desde.value_or(diaria ? tabla.filas.front().fecha : Fecha{0, 1, 1});
    t.hasta = opciones.hasta.value_or(diaria ? tabla.filas.back().fecha : Fecha{0, 12, 31});
    for (const std::string& m :
         {MotivoFecha(t.desde, tabla, "inicio"), MotivoFecha(t.hasta, tabla, "fin"),
          MotivoPrecio(t.precios.combustible, "del combustible"), MotivoPrecio(t.precios.agua, "del agua")}) {
        if (!m.empty()) {
            r.mensaje = m;
            return r;
        }
    }
    if (diaria && t.desde > t.hasta) {
        r.mensaje = "La fecha de inicio (" + TextoFecha(t.desde, t.tipo) + ") es posterior a la de fin (" +
                    TextoFecha(t.hasta, t.tipo) + ").";
        return r;
    }

    const auto corre = [&](const Fecha& f, const FilaClima& clima) {
        Escenario e = escenario;  // every day from the loaded record: nothing carries over
        PonClimaDelDia(e, f, clima);
        RecalculaClima(e);
        const ResultadoDia dia = SimulaDia(e);
        if (!dia.ok) {
            r.mensaje = "El día " + TextoFecha(f, t.tipo) + " no se puede procesar: " + dia.mensaje;
            return false;
        }
        t.dias.push_back(FigurasDelDia(e, f));
        const DiaTemporada& d = t.dias.back();
        const int anio = diaria ? f.anio : 0;
        auto mes = std::find_if(t.meses.rbegin(), t.meses.rend(),
                                [&](const PeriodoTemporada& p) { return p.anio == anio && p.mes == f.mes; });
        if (mes == t.meses.rend()) {
            t.meses.push_back({});
            t.meses.back().anio = anio;
            t.meses.back().mes = f.mes;
            mes = t.meses.rbegin();
        }
        SumaDia(*mes, d);
        SumaDia(t.total, d);
        return true;
    };

    if (diaria) {
        const auto primera = std::lower_bound(tabla.filas.begin(), tabla.filas.end(), t.desde,
                                              [](const FilaClima& c, const Fecha& x) { return c.fecha < x; });
        const auto fin = std::upper_bound(tabla.filas.begin(), tabla.filas.end(), t.hasta,
                                          [](const Fecha& x, const FilaClima& c) { return x < c.fecha; });
        if (primera == fin) {
            r.mensaje = "La tabla de clima no tiene días entre " + TextoFecha(t.desde, t.tipo) + " y " +
                        TextoFecha(t.hasta, t.tipo) + ".";
            return r;
        }
        t.dias.reserve(static_cast<std::size_t>(fin - primera));
        for (auto it = primera; it != fin; ++it)
            if (!corre(it->fecha, *it)) return r;
        t.diasSinDatos = static_cast<int>(NumeroDeDia(t.hasta) - NumeroDeDia(t.desde) + 1 - (fin - primera));
    } else {
        t.dias.reserve(365);
        for (Fecha f = t.desde;; f = DiaSiguiente(f)) {
            if (!corre(f, *ClimaDelDia(tabla, f))) return r;
            if (f == t.hasta) break;
        }
    }
    for (PeriodoTemporada& p : t.meses) AplicaPrecios(p, t.precios);
    AplicaPrecios(t.total, t.precios);
    r.ok = true;
    return r;
}

}  // namespace hortelia
