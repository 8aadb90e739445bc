#include "weather/radiacion.h"

#include "numeros/conversiones.h"

#include <array>
#include <cmath>
#include <stdexcept>

namespace hortelia {
namespace {

// Not pi / 180 (0.0174533): the radiation model has always converted degrees with this figure.
constexpr double kGradoARadian = 0.017453;

// Day of the year counted from March: days per month and the shift that puts March 1 on day 1.
constexpr double kDiasPorMes = 30.6;
constexpr double kDesfaseMarzo = 91.3;
// The sun's declination at the December solstice, degrees.
constexpr double kDeclinacionSolsticio = -23.45;
// Flux at the top of the atmosphere, cal/(cm² min), before its correction by the declination.
constexpr double kFlujoSolar = 2.01886;
// Share of the beam one air mass lets through, dimensionless.
constexpr double kTransmisionAtmosfera = 0.85;
// Air mass from which the earth's curvature shortens the path (the sun near the horizon).
constexpr double kMasaCurvatura = 2.9;
// From cal/cm² in an hour to W/m²: kJ/m² per cal/cm², and kJ/m² in an hour per W/m².
constexpr double kKJm2PorCalCm2 = 41.84;
constexpr double kKJm2HoraPorW = 3.6;

// cos of the sun's hour angle at the day's 72 steps, three an hour: the same every day, so worked
// out once. -3.05426 (near -175 degrees) and steps of 0.087265 (5 x 0.017453), summed one by one:
// the model's own figures. The start is read at run time so that the library's cos gives every
// value, as it does in the loop, never the compiler's.
const std::array<double, 72>& CosenosHorarios() {
    static const std::array<double, 72> cosenos = [] {
        std::array<double, 72> c{};
        const volatile double inicio = -3.05426;
        double omega = inicio;
        for (double& x : c) {
            omega += 0.087265;
            x = std::cos(omega);
        }
        return c;
    }();
    return cosenos;
}

// Radiation of hour h with its clouds, from a cloudless value.
void RecalculaHora(Escenario& e, int h) {
    e.RadHora(h) = Variante::Doble(Cortar(e.RadTope(h).valor() * FactorNubes(e, h), 1));
}

}  // namespace

std::int16_t DiaDelAnio(int dia, int mes) {
    int m = mes;
    if (m < 3) m += 12;
    const double n = std::floor(m * kDiasPorMes + dia - kDesfaseMarzo) + 59;
    auto r = AEntero16(n);
    if (!r) throw std::out_of_range("día del año fuera de rango");
    std::int16_t d = *r;
    if (d > 365) d = static_cast<std::int16_t>(d - 365);
    return d;
}

float FactorNubes(const Escenario& e, int h) {
    return static_cast<float>(1.0 - static_cast<double>(e.NubHora(h)) * static_cast<double>(e.CoefNubes) / 8.0);
}

void CalculaRadiacion(Escenario& e) {
    const double fi = e.Latitud.valor() * e.Hemisferio.valor() * kGradoARadian;
    const int n = DiaDelAnio(e.Dia, e.Mes);
    const double delta = std::cos(((n + 10.5) * 360 / 365.25) * kGradoARadian) * kDeclinacionSolsticio * kGradoARadian;
    const double sinFi = std::sin(fi), cosFi = std::cos(fi);
    const double sinDelta = std::sin(delta), cosDelta = std::cos(delta);
    const double s0 = kFlujoSolar - 0.171135 * delta - 0.089574 * std::pow(delta, 2);

    const std::array<double, 72>& cosOmega = CosenosHorarios();
    std::size_t paso = 0;
    for (int h = 1; h <= 24; ++h) {
        double q = 0;
        for (int k = 0; k < 3; ++k) {
            const double cosZ = cosDelta * cosFi * cosOmega[paso++] + sinFi * sinDelta;
            if (cosZ > 0) {
                double masa = std::fabs(1 / (cosZ + 1e-12));
                if (masa >= kMasaCurvatura) masa = 30 * std::exp(-2.91 * std::exp(-0.07 * masa));
                q += 20 * s0 * std::pow(kTransmisionAtmosfera, masa) * cosZ;
            }
        }
        const double p = q * kKJm2PorCalCm2 / kKJm2HoraPorW;
        e.RadTope(h) = Variante::Doble(Cortar(p, 1));
        e.RadHora(h) = Variante::Doble(Cortar(p * FactorNubes(e, h), 1));
    }
}

float CoeficienteNubes(int tipo) {
    switch (tipo) {
    case 1: return 0.3F;
    case 2: return 0.5F;
    case 3: return 0.7F;
    default: throw std::out_of_range("tipo de nubes fuera de 1..3");
    }
}

std::string CaptionTipoNubes(int tipo) {
    switch (tipo) {
    case 1: return "Tipo de nubes: Claras";
    case 2: return "Tipo de nubes: Intermedias";
    case 3: return "Tipo de nubes: Oscuras";
    default: throw std::out_of_range("tipo de nubes fuera de 1..3");
    }
}

void AplicaTipoNubes(Escenario& e, int tipo) {
    e.CoefNubes = CoeficienteNubes(tipo);
    e.TipoNubes = static_cast<std::int16_t>(tipo);
    for (int h = 1; h <= 24; ++h) RecalculaHora(e, h);
}

bool NubosidadMas(Escenario& e, int h) {
    if (!(e.NubHora(h) < 8)) return false;
    e.NubHora(h) += 1;
    RecalculaHora(e, h);
    return true;
}

bool NubosidadMenos(Escenario& e, int h) {
    if (!(e.NubHora(h) > 0)) return false;
    e.NubHora(h) -= 1;
    RecalculaHora(e, h);
    return true;
}

void RadiacionMas(Escenario& e, int h) {
    Variante r = e.RadHora(h) + Variante::Entero(1);
    if (r.valor() > e.RadTope(h).valor()) r = e.RadTope(h);
    e.RadHora(h) = Variante::Doble(Cortar(r.valor(), 1));
}

void RadiacionMenos(Escenario& e, int h) {
    Variante r = e.RadHora(h) - Variante::Entero(1);
    if (r.valor() < 0) r = Variante::Entero(0);
    e.RadHora(h) = Variante::Doble(Cortar(r.valor(), 1));
}

}  // namespace hortelia
