#include "numeros/variante.h"

#include <cmath>
#include <limits>

namespace hortelia {
namespace {

using Tipo = Variante::Tipo;

// Empty takes the kind of the other operand; two Empties make an integer.
Tipo Efectivo(Tipo t) { return t == Tipo::Vacio ? Tipo::Entero : t; }

Variante ConTipo(Tipo t, double v) {
    switch (t) {
    case Tipo::Entero:
        // An integer result that leaves 16 bits is kept exactly as a double.
        if (v >= std::numeric_limits<std::int16_t>::min() && v <= std::numeric_limits<std::int16_t>::max())
            return Variante::Entero(static_cast<std::int16_t>(v));
        return Variante::Doble(v);
    case Tipo::Simple: return Variante::Simple(static_cast<float>(v));
    default: return Variante::Doble(v);
    }
}

Tipo TipoResultado(const Variante& a, const Variante& b) {
    const Tipo ta = Efectivo(a.tipo());
    const Tipo tb = Efectivo(b.tipo());
    if (ta == Tipo::Doble || tb == Tipo::Doble) return Tipo::Doble;
    if (ta == Tipo::Simple || tb == Tipo::Simple) return Tipo::Simple;
    return Tipo::Entero;
}

}  // namespace

Variante operator+(const Variante& a, const Variante& b) { return ConTipo(TipoResultado(a, b), a.valor() + b.valor()); }

Variante operator-(const Variante& a, const Variante& b) { return ConTipo(TipoResultado(a, b), a.valor() - b.valor()); }

Variante operator*(const Variante& a, const Variante& b) { return ConTipo(TipoResultado(a, b), a.valor() * b.valor()); }

Variante operator/(const Variante& a, const Variante& b) {
    const Tipo t = TipoResultado(a, b) == Tipo::Doble ? Tipo::Doble : Tipo::Simple;
    return ConTipo(t, a.valor() / b.valor());
}

}  // namespace hortelia
