#include "weather/temperatura.h"

#include "numeros/conversiones.h"

#include <cmath>

namespace hortelia {
namespace {
// Not std::numbers::pi / 2: the daily temperature wave has always used this figure.
constexpr double K = 1.570796;
}  // namespace

double AnguloHora(const Escenario& e, int h) {
    const double hx = e.HoraTMax.valor();
    const float hn = e.HoraTMin;
    if (static_cast<float>(h) <= hn) {  // the hour compared as a single, as the model does
        const float hn24 = hn + 24.0F;
        const float divisor = static_cast<float>(hn24 - hx);
        const float r = static_cast<float>(((h + 24) - hx) / divisor);
        const float unoMasR = 1.0F + r;
        return unoMasR * K;
    }
    if (h <= hx) return (K * (h - static_cast<double>(hn))) / (static_cast<double>(hn) - hx);
    const float divisor = static_cast<float>((24 - hx) + static_cast<double>(hn));
    const float r = static_cast<float>((h - hx) / divisor);
    const float unoMasR = 1.0F + r;
    return unoMasR * K;
}

OndaDiaria OndaDelDia(const Escenario& e) {
    OndaDiaria onda;
    for (int h = 1; h <= 24; ++h) onda[static_cast<std::size_t>(h - 1)] = std::sin(AnguloHora(e, h));
    return onda;
}

void CalculaTemperatura(Escenario& e) { CalculaTemperaturaDeOnda(e, OndaDelDia(e)); }

void CalculaTemperaturaDeOnda(Escenario& e, const OndaDiaria& onda) {
    const Variante diferencia = e.TMax - e.TMin;
    for (int h = 1; h <= 24; ++h) {
        const double s = std::pow(onda[static_cast<std::size_t>(h - 1)], 2);
        e.TempHora(h) = Variante::Doble(Cortar(e.TMin.valor() + diferencia.valor() * s, 1));
    }
}

// Up by 0.12 but down by 0.1, deliberately: after the cut toward minus infinity a sum with 0.1
// can fall just below the next tenth and leave the hour where it was.
void TemperaturaMas(Escenario& e, int h) {
    e.TempHora(h) = Variante::Doble(Cortar(e.TempHora(h).valor() + 0.12, 1));
    if (e.TempHora(h).valor() > e.TMax.valor()) e.TempHora(h) = e.TMax;
}

void TemperaturaMenos(Escenario& e, int h) {
    e.TempHora(h) = Variante::Doble(Cortar(e.TempHora(h).valor() - 0.1, 1));
    if (e.TempHora(h).valor() < e.TMin.valor()) e.TempHora(h) = e.TMin;
}

}  // namespace hortelia
