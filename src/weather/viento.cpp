#include "weather/viento.h"

#include "numeros/conversiones.h"

namespace hortelia {

void FijaVientoKmh(Escenario& e, int h, float kmh) {
    e.VtoHoraKmh(h) = kmh;
    e.VtoHora(h) = Variante::Doble(Cortar(static_cast<double>(kmh) / 3.6, 1));
}

}  // namespace hortelia
