#include "engine/diseno.h"

#include "engine/modelo_horario.h"

namespace hortelia {

std::string_view NombreOrigenDiseno(OrigenDiseno origen) {
    switch (origen) {
    case OrigenDiseno::Indicada: return "indicada";
    case OrigenDiseno::Archivo: return "archivo";
    case OrigenDiseno::HoraMasFria: return "hora más fría";
    case OrigenDiseno::Falta: break;
    }
    return "falta";
}

std::optional<double> PotenciaDiseno(const Escenario& e, const CondicionDiseno& c) {
    if (c.origen == OrigenDiseno::Falta) return std::nullopt;
    return DemandaCalefaccion(e, c.temperatura, c.viento, 0) * e.SueloCubierto.valor() / 1000;
}

}  // namespace hortelia
