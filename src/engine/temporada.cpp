#include "engine/temporada.h"

#include "engine/clima_del_dia.h"
#include "engine/recalcula_clima.h"
#include "engine/simula_dia.h"
#include "scenario/catalogo.h"
#include "scenario/limites.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

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

// Runs the days, adding each into its month and into the season.
class Corrida {
public:
    Corrida(const Escenario& escenario, Temporada& t, std::string& mensaje)
        : escenario_(escenario), t_(t), mensaje_(mensaje) {}

    /// One day whose weather `pon` puts into a copy of the scenario; false (and the message)
    /// when the day cannot run.
    bool Dia(const Fecha& f, const std::function<void(Escenario&)>& pon) {
        Escenario e = escenario_;  // every day from the loaded record: nothing carries over
        pon(e);
        for (int h = 1; h <= 24; ++h)
            if (!horaMasFria_ || e.TempHora(h).valor() < *horaMasFria_) horaMasFria_ = e.TempHora(h).valor();
        const ResultadoDia dia = SimulaDia(e);
        if (!dia.ok) {
            mensaje_ = "El día " + TextoFecha(f, t_.tipo) + " no se puede procesar: " + dia.mensaje;
            return false;
        }
        t_.dias.push_back(FigurasDelDia(e, f));
        const DiaTemporada& d = t_.dias.back();
        const int anio = TieneAnio(t_.tipo) ? f.anio : 0;
        auto mes = std::find_if(t_.meses.rbegin(), t_.meses.rend(),
                                [&](const PeriodoTemporada& p) { return p.anio == anio && p.mes == f.mes; });
        if (mes == t_.meses.rend()) {
            t_.meses.push_back({});
            t_.meses.back().anio = anio;
            t_.meses.back().mes = f.mes;
            mes = t_.meses.rbegin();
        }
        SumaDia(*mes, d);
        SumaDia(t_.total, d);
        return true;
    }

    /// The days of a daily table from t.desde to t.hasta; the days it lacks are counted and the
    /// first named.
    bool Diaria(const TablaClima& tabla) {
        const auto primera = std::lower_bound(tabla.filas.begin(), tabla.filas.end(), t_.desde,
                                              [](const FilaClima& c, const Fecha& x) { return c.fecha < x; });
        const auto fin = std::upper_bound(tabla.filas.begin(), tabla.filas.end(), t_.hasta,
                                          [](const Fecha& x, const FilaClima& c) { return x < c.fecha; });
        if (primera == fin) {
            mensaje_ = SinDias(t_);
            return false;
        }
        t_.dias.reserve(static_cast<std::size_t>(fin - primera));
        Fecha esperada = t_.desde;
        for (auto it = primera; it != fin; ++it) {
            NombraFaltantes(t_, esperada, it->fecha);
            esperada = DiaSiguiente(it->fecha);
            const bool corrio = Dia(it->fecha, [&](Escenario& e) {
                PonClimaDelDia(e, it->fecha, *it);
                RecalculaClima(e);
            });
            if (!corrio) return false;
        }
        NombraFaltantes(t_, esperada, DiaSiguiente(t_.hasta));
        t_.diasSinDatos = static_cast<int>(NumeroDeDia(t_.hasta) - NumeroDeDia(t_.desde) + 1 - (fin - primera));
        return true;
    }

    /// Every day from t.desde to t.hasta, interpolated between the normals of its months.
    bool Normales(const TablaClima& tabla) {
        t_.dias.reserve(365);
        for (Fecha f = t_.desde;; f = DiaSiguiente(f)) {
            const bool corrio = Dia(f, [&](Escenario& e) {
                PonClimaDelDia(e, f, *ClimaDelDia(tabla, f));
                RecalculaClima(e);
            });
            if (!corrio) return false;
            if (f == t_.hasta) return true;
        }
    }

    /// The complete days of a record from t.desde to t.hasta; the others are counted and the
    /// first named.
    bool Registro(const TablaClima& tabla) {
        const std::vector<const DiaClima*> dias = DiasDelRegistro(tabla, t_.desde, t_.hasta);
        t_.dias.reserve(dias.size());
        for (const DiaClima* d : dias) {
            if (!d->completo) {
                ++t_.diasSinDatos;
                if (t_.faltantes.size() < kFaltantesNombrados) t_.faltantes.push_back(d->fecha);
                continue;
            }
            if (!Dia(d->fecha, [d](Escenario& e) { PonHorasDelDia(e, *d); })) return false;
        }
        if (t_.dias.empty()) {
            mensaje_ = dias.empty() ? SinDias(t_)
                                    : "Todos los días entre " + TextoFecha(t_.desde, t_.tipo) + " y " +
                                          TextoFecha(t_.hasta, t_.tipo) + " tienen datos faltantes.";
            return false;
        }
        return true;
    }

    /// The coldest stored hour of the days run, the first such in season order.
    const std::optional<double>& HoraMasFria() const { return horaMasFria_; }

private:
    const Escenario& escenario_;
    Temporada& t_;
    std::string& mensaje_;
    std::optional<double> horaMasFria_;
};

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

double CombustibleDeDemanda(const Escenario& e, double q) {
    // The day sheet's arithmetic, in its order, before it cuts to thousandths.
    const double qBruto = q / 4.17 * 3.6 / e.Eficiencia * 100;
    return qBruto / e.PoderCalorico * 4.17 * e.SueloCubierto.valor();
}

DiaTemporada FigurasDelDia(const Escenario& e, const Fecha& f, CifrasCombustible cifras) {
    DiaTemporada d;
    d.fecha = f;
    d.tmax = e.TMax;
    d.tmin = e.TMin;
    d.hrmax = e.HRMax;
    d.hrmin = e.HRMin;
    d.combustible = cifras == CifrasCombustible::Planilla ? e.AcumComb : 0;
    d.agua = e.AcumAgua;
    d.etr = e.AcumEtr;
    d.etp = e.AcumEtp;
    d.tempMinInterior = std::numeric_limits<float>::infinity();
    d.tempMaxInterior = -std::numeric_limits<float>::infinity();
    const double tMin = e.TMinTol.valor(), tMax = e.TMaxTol.valor();
    for (int h = 1; h <= 24; ++h) {
        d.nubosidad += e.NubHora(h);
        d.vientoKmh += e.VtoHoraKmh(h);
        d.tempMinInterior = std::min(d.tempMinInterior, e.TempConControl(h));
        d.tempMaxInterior = std::max(d.tempMaxInterior, e.TempConControl(h));
        if (e.TempSinControl(h) > tMax && e.ControlHora(h) > 0) ++d.horasRefrigeracion;
        if (cifras == CifrasCombustible::Demanda) {
            const double q = e.DemandaCalor(h);
            if (q > 0) {
                ++d.horasCalefaccion;
                d.combustible += CombustibleDeDemanda(e, q);
                d.potenciaPicoKw = std::max(d.potenciaPicoKw, q * e.SueloCubierto.valor() / 1000);
            }
        } else if (e.TempSinControl(h) < tMin && e.ControlHora(h) > 0) {
            ++d.horasCalefaccion;
            // Fuel of the hour × energy per unit of fuel, net of the boiler's losses: kJ/h to kW.
            const double kw = static_cast<double>(e.ControlHora(h)) * e.PoderCalorico * e.Eficiencia / 100 / 3600;
            d.potenciaPicoKw = std::max(d.potenciaPicoKw, kw);
        }
    }
    d.nubosidad /= 24;
    d.vientoKmh /= 24;
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
    const bool normales = tabla.tipo == TipoTablaClima::Normales;
    const bool horaria = EsHoraria(tabla.tipo);
    if ((horaria ? tabla.dias.empty() : tabla.filas.empty()) || (normales && tabla.filas.size() != 12)) {
        r.mensaje = "La tabla de clima no tiene días.";
        return r;
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
            return r;
        }
    }
    if (TieneAnio(t.tipo) && t.desde > t.hasta) {
        r.mensaje = "La fecha de inicio (" + TextoFecha(t.desde, t.tipo) + ") es posterior a la de fin (" +
                    TextoFecha(t.hasta, t.tipo) + ").";
        return r;
    }

    Corrida corrida(escenario, t, r.mensaje);
    const bool corrio = tabla.tipo == TipoTablaClima::Diaria ? corrida.Diaria(tabla)
                        : normales                           ? corrida.Normales(tabla)
                                                             : corrida.Registro(tabla);
    if (!corrio) return r;
    // Averages never hold the coldest night: normals give no coldest hour.
    t.diseno = CondicionDeLaTemporada(opciones, tabla, normales ? std::nullopt : corrida.HoraMasFria());
    t.potenciaDisenoKw = PotenciaDiseno(escenario, t.diseno);
    for (PeriodoTemporada& p : t.meses) AplicaPrecios(p, t.precios);
    AplicaPrecios(t.total, t.precios);
    r.ok = true;
    return r;
}

}  // namespace hortelia
