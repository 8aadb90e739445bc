#pragma once

#include <cstdint>

namespace hortelia {

/// A scenario value that is either Empty or a number that remembers its kind.
/// The kind decides how the number becomes text and how arithmetic on it is typed:
/// integer with integer stays integer, a single operand makes a single, a double
/// operand makes a double, and a quotient of integers or singles is a single.
class Variante {
public:
    enum class Tipo { Vacio, Entero, Simple, Doble };

    Variante() = default;
    static Variante Entero(std::int16_t v) { return Variante(Tipo::Entero, v); }
    static Variante Simple(float v) { return Variante(Tipo::Simple, v); }
    static Variante Doble(double v) { return Variante(Tipo::Doble, v); }

    Tipo tipo() const { return tipo_; }
    bool vacia() const { return tipo_ == Tipo::Vacio; }
    /// The number held, widened to double; Empty counts as 0.
    double valor() const { return valor_; }

    friend bool operator==(const Variante&, const Variante&) = default;

private:
    Variante(Tipo t, double v) : tipo_(t), valor_(v) {}
    Tipo tipo_ = Tipo::Vacio;
    double valor_ = 0.0;
};

Variante operator+(const Variante& a, const Variante& b);
Variante operator-(const Variante& a, const Variante& b);
Variante operator*(const Variante& a, const Variante& b);
Variante operator/(const Variante& a, const Variante& b);

}  // namespace hortelia
