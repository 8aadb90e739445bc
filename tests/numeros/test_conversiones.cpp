#include "numeros/conversiones.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

using namespace hortelia;

namespace {

// Every number test runs under the C locale, and leaves it so even when it fails halfway.
class EnLocaleC : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr); }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};
using NumeroATextoTest = EnLocaleC;
using ParseTest = EnLocaleC;
using AEntero16Test = EnLocaleC;
using CortarTest = EnLocaleC;
using LocaleTest = EnLocaleC;

// What every conversion makes of a fixed set of inputs, in the locale now in force.
struct Conversiones {
    std::vector<std::string> textos;
    std::vector<double> valores;
};

Conversiones Convierte() {
    Conversiones c;
    for (double x : {0.0, -0.5, 0.25, 20.5, 1.0 / 3.0, 0.00001, -0.000015, 1.5e16, 123456.789, -1234.5}) {
        c.textos.push_back(NumeroATexto(x));
        c.textos.push_back(NumeroSinBlanco(x));
    }
    for (float x : {99.1F, 1.0F / 3.0F, 12345.6F, 1e7F, -0.2F, 0.5F}) {
        c.textos.push_back(NumeroATexto(x));
        c.textos.push_back(NumeroSinBlanco(x));
    }
    for (int x : {0, -10, 35, 32767}) {
        c.textos.push_back(NumeroATexto(x));
        c.textos.push_back(NumeroATexto(static_cast<std::int16_t>(x)));
    }
    for (const Variante& v :
         {Variante(), Variante::Entero(35), Variante::Simple(0.1F), Variante::Doble(-0.2), Variante::Doble(2.5)}) {
        c.textos.push_back(NumeroATexto(v));
        c.textos.push_back(NumeroSinBlanco(v));
    }
    for (const char* t : {"1,5", "  2.5  ", "-3x", "1 2", "1.2.3", "1E3", "1D2", "2.5e-1", ".5", "1E400", "3,25"})
        c.valores.push_back(Parse(t));
    for (const char* t : {"-1.5e3", "+.5", "0.1", "2.5", "3,5", "1e400", "1e-400"}) c.valores.push_back(LeeDecimal(t));
    return c;
}

}  // namespace

TEST_F(NumeroATextoTest, BlankForNonNegativeAndNoZeroBeforeThePoint) {
    EXPECT_EQ(NumeroATexto(0.0), " 0");
    EXPECT_EQ(NumeroATexto(-0.0), " 0");
    EXPECT_EQ(NumeroATexto(-0.5), "-.5");
    EXPECT_EQ(NumeroATexto(0.25), " .25");
    EXPECT_EQ(NumeroATexto(20.5), " 20.5");
    EXPECT_EQ(NumeroATexto(-3.0), "-3");
    EXPECT_EQ(NumeroATexto(static_cast<std::int16_t>(-10)), "-10");
}

TEST_F(NumeroATextoTest, SignificantDigitsFollowTheKind) {
    EXPECT_EQ(NumeroATexto(99.1F), " 99.1");    // the single nearest 99.1
    EXPECT_EQ(NumeroATexto(0.1 + 0.2), " .3");  // 15 digits hide the binary tail
    EXPECT_EQ(NumeroATexto(1.0 / 3.0), " .333333333333333");
    EXPECT_EQ(NumeroATexto(1.0F / 3.0F), " .3333333");
    EXPECT_EQ(NumeroATexto(12345.6F), " 12345.6");
    EXPECT_EQ(NumeroATexto(123456789012345.0), " 123456789012345");
    EXPECT_EQ(NumeroATexto(9999999.0F), " 9999999");
}

TEST_F(NumeroATextoTest, ExponentFormOutsideThePlainRange) {
    EXPECT_EQ(NumeroATexto(0.0001), " .0001");
    EXPECT_EQ(NumeroATexto(0.00001), " 1E-05");
    EXPECT_EQ(NumeroATexto(-0.000015), "-1.5E-05");
    EXPECT_EQ(NumeroATexto(1.5e16), " 1.5E+16");
    EXPECT_EQ(NumeroATexto(1e15), " 1E+15");
    EXPECT_EQ(NumeroATexto(1e7F), " 1E+07");
    EXPECT_EQ(NumeroATexto(1e200), " 1E+200");
    EXPECT_EQ(NumeroATexto(999999999999999.9), " 1E+15");  // rounding carries into a new digit
}

TEST_F(NumeroATextoTest, VariantTextFollowsTheHeldKind) {
    EXPECT_EQ(NumeroATexto(Variante::Entero(35)), " 35");
    EXPECT_EQ(NumeroATexto(Variante::Simple(0.1F)), " .1");
    EXPECT_EQ(NumeroATexto(Variante::Doble(0.1F)), " .100000001490116");
    EXPECT_EQ(NumeroATexto(Variante()), " 0");
    EXPECT_EQ(NumeroSinBlanco(Variante()), "");
    EXPECT_EQ(NumeroSinBlanco(Variante::Doble(-0.2)), "-.2");
}

TEST_F(ParseTest, LongestNumericPrefix) {
    EXPECT_EQ(Parse("1,5"), 1.0);
    EXPECT_EQ(Parse("  2.5  "), 2.5);
    EXPECT_EQ(Parse("abc"), 0.0);
    EXPECT_EQ(Parse(".5"), 0.5);
    EXPECT_EQ(Parse("-3x"), -3.0);
    EXPECT_EQ(Parse("1 2"), 12.0);
    EXPECT_EQ(Parse("\t\n7"), 7.0);
    EXPECT_EQ(Parse("1.2.3"), 1.2);
    EXPECT_EQ(Parse("-"), 0.0);
}

TEST_F(ParseTest, ExponentByEOrD) {
    EXPECT_EQ(Parse("1E3"), 1000.0);
    EXPECT_EQ(Parse("1D2"), 100.0);
    EXPECT_EQ(Parse("2.5e-1"), 0.25);
    EXPECT_EQ(Parse("1E"), 1.0);
    EXPECT_EQ(Parse("1E+x"), 1.0);
    EXPECT_TRUE(std::isinf(Parse("1E400")));
}

// What a grower types in a box: the decimal comma as Spanish writes it, or the point.
TEST_F(LocaleTest, LeeNumeroTecleadoTakesACommaOrAPointOnceAndNothingElse) {
    const std::vector<std::pair<const char*, std::optional<double>>> casos{
        {"3,8", 3.8},
        {"3.8", 3.8},
        {" 3,8\t", 3.8},
        {"-3,8", -3.8},
        {"+2", 2.0},
        {",5", 0.5},
        {"5,", 5.0},
        {"1,5E3", 1500.0},
        {"2,5e-1", 0.25},
        {"1e+2", 100.0},
        {"0", 0.0},
        {"-0,25", -0.25},
        {"1.234,5", {}},
        {"3.8,1", {}},
        {"3,8,1", {}},
        {"1.2.3", {}},
        {"ocho", {}},
        {"3m", {}},
        {"", {}},
        {"   ", {}},
        {",", {}},
        {"-", {}},
        {"3 8", {}},
        {"1E", {}},
        {"1D2", {}},
        {"1e400", {}},
        {"-1e400", {}},
        {"inf", {}},
        {"nan", {}},
        {"1,5 m", {}},
        {"\xc2\xa0"
         "3,8",
         {}},
        {"3,8\n", {}},
    };
    auto compruebaTabla = [&](const char* donde) {
        for (const auto& [texto, esperado] : casos)
            EXPECT_EQ(LeeNumeroTecleado(texto), esperado) << donde << ": \"" << texto << '"';
    };
    compruebaTabla("C");
    ASSERT_NE(std::setlocale(LC_ALL, "es_ES.UTF-8"), nullptr) << "falta la configuración regional es_ES.UTF-8";
    compruebaTabla("es_ES.UTF-8");
}

TEST_F(AEntero16Test, HalvesToEvenAndOverflowIsReported) {
    EXPECT_EQ(AEntero16(2.5), 2);
    EXPECT_EQ(AEntero16(3.5), 4);
    EXPECT_EQ(AEntero16(-2.5), -2);
    EXPECT_EQ(AEntero16(32767.4), 32767);
    EXPECT_EQ(AEntero16(-32768.5), -32768);
    EXPECT_FALSE(AEntero16(32767.5).has_value());
    EXPECT_FALSE(AEntero16(std::numeric_limits<double>::quiet_NaN()).has_value());
}

TEST_F(CortarTest, GoesTowardMinusInfinity) {
    EXPECT_EQ(Cortar(-2.37, 1), -2.4);
    EXPECT_EQ(Cortar(12.345, 2), 12.34);
    EXPECT_EQ(Cortar(-0.25, 0), -1.0);
    EXPECT_EQ(NumeroATexto(Cortar(-4.88, 1)), "-4.9");
    // In single precision 12.2 times 10 lands on 122, in double just below it.
    EXPECT_EQ(CortarSimple(12.2F, 1), 12.2F);
    EXPECT_EQ(Cortar(12.2F, 1), 12.1);
}

// The windows set the C locale from the environment, a Spanish one among them, whose decimal
// separator is the comma. No conversion may follow it: texts and values are those of "C".
TEST_F(LocaleTest, ACommaDecimalLocaleChangesNoConversion) {
    const Conversiones enC = Convierte();
    ASSERT_NE(std::setlocale(LC_ALL, "es_ES.UTF-8"), nullptr)
        << "falta la configuración regional es_ES.UTF-8: ejecute scripts/deps.sh, que la genera";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    const Conversiones enEs = Convierte();
    std::setlocale(LC_ALL, "C");
    ASSERT_EQ(enEs.textos.size(), enC.textos.size());
    for (std::size_t i = 0; i < enC.textos.size(); ++i) EXPECT_EQ(enEs.textos[i], enC.textos[i]) << i;
    ASSERT_EQ(enEs.valores.size(), enC.valores.size());
    for (std::size_t i = 0; i < enC.valores.size(); ++i) EXPECT_EQ(enEs.valores[i], enC.valores[i]) << i;
}
