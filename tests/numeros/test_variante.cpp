#include "numeros/variante.h"

#include <gtest/gtest.h>

using namespace hortelia;
using Tipo = Variante::Tipo;

TEST(Variante, EmptyCountsAsZero) {
    const Variante v;
    EXPECT_TRUE(v.vacia());
    EXPECT_EQ(v.valor(), 0.0);
    EXPECT_EQ((v + Variante::Entero(3)).tipo(), Tipo::Entero);
    EXPECT_EQ((v + Variante::Entero(3)).valor(), 3.0);
}

TEST(Variante, ResultKindFollowsTheOperands) {
    const auto i = Variante::Entero(7), s = Variante::Simple(0.5F), d = Variante::Doble(1.5);
    EXPECT_EQ((i - i).tipo(), Tipo::Entero);
    EXPECT_EQ((i - s).tipo(), Tipo::Simple);
    EXPECT_EQ((s * d).tipo(), Tipo::Doble);
    EXPECT_EQ((i / Variante::Entero(2)).tipo(), Tipo::Simple);
    EXPECT_EQ((i / Variante::Entero(2)).valor(), 3.5);
    EXPECT_EQ((d / i).tipo(), Tipo::Doble);
    // An integer sum past 16 bits is kept, as a double, not wrapped.
    EXPECT_EQ((Variante::Entero(32767) + Variante::Entero(1)).valor(), 32768.0);
}

TEST(Variante, SingleResultsAreRoundedToSingle) {
    const auto r = Variante::Simple(0.1F) + Variante::Entero(0);
    EXPECT_EQ(r.valor(), static_cast<double>(0.1F));
    EXPECT_EQ((Variante::Entero(1) / Variante::Entero(3)).valor(), static_cast<double>(1.0F / 3.0F));
}
