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
    const OndaDiaria onda = OndaDelDia(e);  // the temperature's and the humidity's, computed once
    CalculaTemperaturaDeOnda(e, onda);
    CalculaHumedadDeOnda(e, onda);
    for (int h = 1; h <= 24; ++h) FijaVientoKmh(e, h, e.VtoHoraKmh(h));
    RecalculaAreasVent(e);
}

}  // namespace hortelia
