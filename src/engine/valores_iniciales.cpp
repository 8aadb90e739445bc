#include "engine/valores_iniciales.h"

#include "scenario/catalogo.h"
#include "scenario/valores_de_inicio.h"
#include "weather/humedad.h"
#include "weather/radiacion.h"
#include "weather/temperatura.h"
#include "weather/viento.h"

namespace hortelia {

void PonValoresIniciales(Escenario& e) {
    e.TipoTecho = 1;
    e.RenovAire = kRenovacionInicial;
    e.SupVentanas = 50.0F;

    for (int h = 1; h <= 24; ++h) {
        e.AperturaHora(h) = 0;
        e.AreaVentHora(h) = Variante::Entero(0);
    }
    for (int h = 10; h <= 16; ++h) {
        e.AperturaHora(h) = -40;
        e.AreaVentHora(h) = Variante::Entero(20);
    }

    e.Combustible = kCombustibleInicial.nombre;
    e.PoderCalorico = *kCombustibleInicial.poderCalorico;
    e.Eficiencia = 65;

    e.TMaxTol = Variante::Entero(35);
    e.TMinTol = Variante::Entero(-1);
    e.IAF = 3.5F;

    e.HRMax = Variante::Entero(static_cast<std::int16_t>(kHRMaxInicial));
    e.HRMin = Variante::Entero(static_cast<std::int16_t>(kHRMinInicial));
    e.TMax = Variante::Entero(35);
    e.TMin = Variante::Entero(-5);
    e.HoraTMax = Variante::Entero(15);
    e.HoraTMin = 8.0F;
    e.Latitud = Variante::Doble(31.5);
    e.Hemisferio = Variante::Entero(-1);

    e.Dia = 1;
    e.Mes = 1;

    e.TipoNubes = 1;
    e.CoefNubes = 0.3F;

    for (int h = 1; h <= 24; ++h) {
        e.TempHora(h) = Variante::Entero(0);
        e.HRHora(h) = 0;
        e.RadTope(h) = Variante::Entero(0);
        e.RadHora(h) = Variante::Entero(0);
        e.NubHora(h) = static_cast<float>(kNubosidadInicial);
        FijaVientoKmh(e, h, static_cast<float>(kVientoInicial));
    }

    CalculaRadiacion(e);
    CalculaTemperatura(e);
    CalculaHumedad(e);

    for (int m = 1; m <= 12; ++m) e.NomMes[static_cast<std::size_t>(m - 1)] = NombreMes(m);

    e.DensAire = Variante::Doble(1.29);
    e.CalEspAire = Variante::Doble(964.52);
    e.CalorLatente = 2500.0F;
}

}  // namespace hortelia
