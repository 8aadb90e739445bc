#include "scenario/limites.h"

#include "numeros/conversiones.h"

namespace hortelia {

std::string Limite::Rango() const {
    std::string r = "de " + NumeroSinBlanco(minimo) + " a " + NumeroSinBlanco(maximo);
    if (!unidad.empty()) r += " " + std::string(unidad);
    return r;
}

}  // namespace hortelia
