#include "numeros/variante.h"

#include <gtest/gtest.h>

#include <functional>

using namespace hortelia;
using Tipo = Variante::Tipo;

// Each result's kind and value together: the kind follows the wider operand (an integer division
// gives a single, an integer sum past 16 bits a double), a single result is rounded to a single,
// and an empty variant counts as a whole zero.
TEST(Variante, KindAndValueOfEachResult) {
    const auto E = Variante::Entero;
    const auto S = Variante::Simple;
    const auto D = Variante::Doble;
    const struct {
        Variante a, b;
        std::function<Variante(const Variante&, const Variante&)> op;
        Tipo tipo;
        double valor;
    } casos[] = {
        {Variante(), E(3), std::plus<>(), Tipo::Entero, 3},
        {E(7), E(7), std::minus<>(), Tipo::Entero, 0},
        {E(7), S(0.5F), std::minus<>(), Tipo::Simple, 6.5},
        {S(0.5F), D(1.5), std::multiplies<>(), Tipo::Doble, 0.75},
        {D(1.5), S(0.5F), std::multiplies<>(), Tipo::Doble, 0.75},
        {S(0.1F), S(3), std::multiplies<>(), Tipo::Simple, static_cast<double>(0.1F * 3.0F)},
        {E(7), E(2), std::divides<>(), Tipo::Simple, 3.5},
        {E(1), E(3), std::divides<>(), Tipo::Simple, static_cast<double>(1.0F / 3.0F)},
        {D(1.5), E(7), std::divides<>(), Tipo::Doble, 1.5 / 7},
        {S(0.1F), E(0), std::plus<>(), Tipo::Simple, static_cast<double>(0.1F)},
        {E(32767), E(1), std::plus<>(), Tipo::Doble, 32768},
        {E(32766), E(1), std::plus<>(), Tipo::Entero, 32767},
        {E(-32767), E(1), std::minus<>(), Tipo::Entero, -32768},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::to_string(c.a.valor()) + " y " + std::to_string(c.b.valor()));
        const Variante r = c.op(c.a, c.b);
        EXPECT_EQ(r.tipo(), c.tipo);
        EXPECT_EQ(r.valor(), c.valor);
    }
}
