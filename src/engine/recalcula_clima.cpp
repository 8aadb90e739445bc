#include "engine/recalcula_clima.h"

#include "greenhouse/ventilacion.h"
#include "weather/humedad.h"
#include "weather/radiacion.h"
#include "weather/temperatura.h"
#include "weather/viento.h"

namespace hortelia {

void RecalculaClima(Escenario& e) {
    e.CoefNubes = CoeficienteNubes(e.TipoNubes);
    CalculaRadiacion(e);
    CalculaTemperatura(e);
    CalculaHumedad(e);
    for (int h = 1; h <= 24; ++h) FijaVientoKmh(e, h, e.VtoHoraKmh(h));
    RecalculaAreasVent(e);
}

}  // namespace hortelia
