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

std::optional<double> LeeCifra(std::string_view texto, const Limite& limite) {
    const auto x = LeeNumeroCompleto(
        texto, {.comaDecimal = true, .exponente = FormaNumero::Exponente::Ninguno, .blancosAlrededor = true});
    if (!x || !limite.Admite(*x)) return std::nullopt;
    return x;
}

}  // namespace hortelia
