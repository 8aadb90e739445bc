#include "greenhouse/ventilacion.h"

#include <cmath>

namespace hortelia {

void RecalculaAreaVent(Escenario& e, int h) {
    const float area = std::fabs(e.AperturaHora(h)) * e.SupVentanas / 100.0F;
    e.AreaVentHora(h) = Variante::Simple(area);
}

void RecalculaAreasVent(Escenario& e) {
    for (int h = 1; h <= 24; ++h) RecalculaAreaVent(e, h);
}

}  // namespace hortelia
