#include "scenario/limites.h"

#include "numeros/conversiones.h"

namespace hortelia {

std::string Limite::Rango() const {
    std::string r = (minimoExcluido ? "mayor que " + NumeroSinBlanco(minimo) + " y hasta "
                                    : "de " + NumeroSinBlanco(minimo) + " a ") +
                    NumeroSinBlanco(maximo);
    if (!unidad.empty()) r += " " + std::string(unidad);
    return r;
}

}  // namespace hortelia
