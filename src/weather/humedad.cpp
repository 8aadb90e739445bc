#include "weather/humedad.h"

#include "numeros/conversiones.h"
#include "weather/temperatura.h"

#include <cmath>

namespace hortelia {

void CalculaHumedad(Escenario& e) { CalculaHumedadDeOnda(e, OndaDelDia(e)); }

void CalculaHumedadDeOnda(Escenario& e, const OndaDiaria& onda) {
    const double max = e.HRMax.valor();
    const double min = e.HRMin.valor();
    for (int h = 1; h <= 24; ++h) {
        const double s = std::pow(onda[static_cast<std::size_t>(h - 1)], 8);
        const float v = static_cast<float>(max - (max - min) * s);
        e.HRHora(h) = static_cast<float>(Cortar(v, 1));
    }
}

void HumedadMas(Escenario& e, int h) {
    e.HRHora(h) += 0.5F;
    if (e.HRHora(h) > e.HRMax.valor()) e.HRHora(h) = static_cast<float>(e.HRMax.valor());
}

void HumedadMenos(Escenario& e, int h) {
    e.HRHora(h) -= 0.5F;
    if (e.HRHora(h) < e.HRMin.valor()) e.HRHora(h) = static_cast<float>(e.HRMin.valor());
}

}  // namespace hortelia
