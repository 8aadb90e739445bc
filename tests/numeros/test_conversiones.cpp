// Number to text and text to number. The windows set the C locale from the environment, a
// Spanish one among them, whose decimal separator is the comma: no conversion may follow it,
// so every table runs under "C" and again under es_ES.UTF-8 and must give the same.

#include "numeros/conversiones.h"

#include "support/archivos.h"

#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

using namespace hortelia;

namespace {

// Leaves the C locale behind even when a test fails halfway.
class Conversiones : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        ASSERT_NE(std::setlocale(LC_ALL, GetParam()), nullptr)
            << "falta la configuración regional " << GetParam() << ": ejecute scripts/deps.sh, que la genera";
        // The Spanish locale's own decimal separator, so that a conversion that followed it shows.
        if (std::string(GetParam()) != "C") {
            ASSERT_STREQ(std::localeconv()->decimal_point, ",");
        }
    }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

}  // namespace

INSTANTIATE_TEST_SUITE_P(Locales, Conversiones, ::testing::Values("C", "es_ES.UTF-8"));

// The doubles and singles of tests/data/numero_a_texto.tsv as they are written. A variant's text
// follows the kind it holds.
TEST_P(Conversiones, NumberToText) {
    const auto casos = prueba::LeeTablaDato("numero_a_texto.tsv");
    ASSERT_EQ(casos.size(), 25U);
    for (const auto& c : casos) {
        const std::string& v = c.at(1);
        double doble = 0;
        float simple = 0;
        if (c[0] == "simple") std::from_chars(v.data(), v.data() + v.size(), simple);
        else std::from_chars(v.data(), v.data() + v.size(), doble);
        EXPECT_EQ(c[0] == "simple" ? NumeroATexto(simple) : NumeroATexto(doble), c.at(2)) << v;
    }
    using V = Variante;
    for (const auto& [hecho, texto] :
         {std::pair(NumeroATexto(static_cast<std::int16_t>(-10)), "-10"), std::pair(NumeroATexto(32767), " 32767"),
          std::pair(NumeroATexto(0), " 0"), std::pair(NumeroATexto(V::Entero(35)), " 35"),
          std::pair(NumeroATexto(V::Simple(0.1F)), " .1"), std::pair(NumeroATexto(V::Doble(0.1F)), " .100000001490116"),
          std::pair(NumeroATexto(V()), " 0"), std::pair(NumeroSinBlanco(V()), ""),
          std::pair(NumeroSinBlanco(V::Doble(-0.2)), "-.2")})
        EXPECT_EQ(hecho, texto);
}

// Each reader on the texts of tests/data/texto_a_numero.tsv, the sign of a zero too.
TEST_P(Conversiones, TextToNumber) {
    const auto casos = prueba::LeeTablaDato("texto_a_numero.tsv");
    ASSERT_EQ(casos.size(), 91U);
    for (const auto& c : casos) {
        const std::string& lector = c.at(0);
        const std::string& texto = c.at(1);
        SCOPED_TRACE(lector + " \"" + texto + "\"");
        const std::optional<double> leido = lector == "Parse"           ? Parse(texto)
                                            : lector == "LeeDecimal"    ? LeeDecimal(texto)
                                            : lector == "NumeroDeCelda" ? NumeroDeCelda(texto)
                                                                        : LeeNumeroTecleado(texto);
        if (c.at(2) == "-") {
            EXPECT_EQ(leido, std::nullopt);
            continue;
        }
        double valor = 0;
        std::from_chars(c[2].data(), c[2].data() + c[2].size(), valor);
        ASSERT_TRUE(leido);
        EXPECT_EQ(*leido, valor);
        EXPECT_EQ(std::signbit(*leido), std::signbit(valor));
    }
    // A cell is a view inside its line: it ends where the view ends, whatever follows (1e310
    // followed by a 9 is not read as 1e-59, 1 followed by e5 is 1, nor 1e2 followed by 5 1e25). A "D" exponent where the form
    // allows it.
    const std::string grande = "1" + std::string(350, '0') + "e-40", linea = grande + "9";
    EXPECT_EQ(LeeNumeroCompleto(std::string_view("1e55").substr(0, 3), {}), 1e5);
    EXPECT_EQ(LeeNumeroCompleto(std::string_view("1e5").substr(0, 1), {}), 1);
    EXPECT_EQ(Parse(std::string_view("1e25").substr(0, 3)), 100);
    EXPECT_EQ(LeeNumeroCompleto(std::string_view(linea).substr(0, grande.size()), {}), std::nullopt);
    FormaNumero conD;
    conD.exponente = FormaNumero::Exponente::EoD;
    EXPECT_EQ(LeeNumeroCompleto("1d2", conD), 100);
}

// 16-bit integers round halves to even and report an overflow; cuts go toward minus infinity.
TEST_P(Conversiones, HalvesToEvenAndCutsTowardMinusInfinity) {
    const std::pair<double, std::optional<std::int16_t>> enteros[] = {
        {2.5, 2},
        {3.5, 4},
        {-2.5, -2},
        {32767.4, 32767},
        {-32768.5, -32768},
        {32767.5, std::nullopt},
        {std::numeric_limits<double>::quiet_NaN(), std::nullopt}};
    for (const auto& [x, entero] : enteros) EXPECT_EQ(AEntero16(x), entero) << x;
    EXPECT_EQ(std::tuple(Cortar(-2.37, 1), Cortar(12.345, 2), Cortar(-0.25, 0)), std::tuple(-2.4, 12.34, -1.0));
    EXPECT_EQ(NumeroATexto(Cortar(-4.88, 1)), "-4.9");
    for (int d = 0; d <= 24; ++d) EXPECT_EQ(Cortar(2.5 / std::pow(10.0, d), d), 2 / std::pow(10.0, d)) << d;
    // In single precision 12.2 times 10 lands on 122, in double just below it.
    EXPECT_EQ(std::tuple(CortarSimple(12.2F, 1), Cortar(12.2F, 1)), std::tuple(12.2F, 12.1));
}
