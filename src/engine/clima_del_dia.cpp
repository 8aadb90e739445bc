#include "engine/clima_del_dia.h"

#include "greenhouse/ventilacion.h"
#include "numeros/conversiones.h"
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

std::int16_t Entero16(double v) { return static_cast<std::int16_t>(std::round(v)); }

}  // namespace

std::optional<FilaClima> ClimaDelDia(const TablaClima& tabla, const Fecha& f) {
    const auto& filas = tabla.filas;
    if (tabla.tipo == TipoTablaClima::Diaria) {
        const auto it = std::lower_bound(filas.begin(), filas.end(), f,
                                         [](const FilaClima& c, const Fecha& x) { return c.fecha < x; });
        if (it == filas.end() || it->fecha != f) return std::nullopt;
        return *it;
    }
    if (tabla.tipo != TipoTablaClima::Normales || filas.size() != 12)
        throw std::invalid_argument("una tabla de normales lleva doce meses");
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
    e.Dia = static_cast<std::int16_t>(f.dia);
    e.Mes = static_cast<std::int16_t>(f.mes);
    // As the temperature bars store their position / 10: a quotient of integers, a single.
    e.TMax = Variante::Entero(Entero16(c.tmax * 10)) / Variante::Entero(10);
    e.TMin = Variante::Entero(Entero16(c.tmin * 10)) / Variante::Entero(10);
    e.HRMax = Variante::Entero(Entero16(c.hrmax));
    e.HRMin = Variante::Entero(Entero16(c.hrmin));
    const float nubes = static_cast<float>(std::clamp(std::round(c.nubosidad), 0.0, 8.0));
    const float kmh = static_cast<float>(std::round(c.viento));
    for (int h = 1; h <= 24; ++h) {
        e.NubHora(h) = nubes;
        FijaVientoKmh(e, h, kmh);
    }
}

void PonHorasDelDia(Escenario& e, const DiaClima& dia) {
    if (!dia.completo) throw std::invalid_argument("un día de registro sin todas sus horas");
    double tMax = -std::numeric_limits<double>::infinity(), tMin = std::numeric_limits<double>::infinity();
    float hrMax = -std::numeric_limits<float>::infinity(), hrMin = std::numeric_limits<float>::infinity();
    for (int h = 1; h <= 24; ++h) {
        const HoraClima& x = dia.horas[static_cast<std::size_t>(h - 1)];
        const double t = Redondea(x.temperatura, 1);
        const float hr = static_cast<float>(Redondea(std::clamp(x.humedad, 0.0, 100.0), 1));
        e.TempHora(h) = Variante::Doble(t);
        e.RadHora(h) = Variante::Doble(Redondea(std::max(0.0, x.radiacion), 1));
        e.VtoHora(h) = Variante::Doble(Redondea(x.viento, 1));
        e.HRHora(h) = hr;
        e.VtoHoraKmh(h) = static_cast<float>(Redondea(x.viento * 3.6, 0));
        e.NubHora(h) = static_cast<float>(std::clamp(Redondea(x.nubes * 8, 0), 0.0, 8.0));
        tMax = std::max(tMax, t);
        tMin = std::min(tMin, t);
        hrMax = std::max(hrMax, hr);
        hrMin = std::min(hrMin, hr);
    }
    e.TMax = Variante::Doble(tMax);
    e.TMin = Variante::Doble(tMin);
    e.HRMax = Variante::Entero(Entero16(hrMax));
    e.HRMin = Variante::Entero(Entero16(hrMin));
    e.Dia = static_cast<std::int16_t>(dia.fecha.dia);
    e.Mes = static_cast<std::int16_t>(dia.fecha.mes);
    RecalculaAreasVent(e);
}

Escenario EscenarioDelDia(const Escenario& base, const TablaClima& tabla, const DiaClima& dia) {
    Escenario e = base;
    PonHorasDelDia(e, dia);
    if (tabla.latitud) {
        e.Latitud = Variante::Doble(std::abs(*tabla.latitud));
        e.Hemisferio = Variante::Entero(*tabla.latitud < 0 ? -1 : 1);
    }
    return e;
}

}  // namespace hortelia
