#include "numeros/conversiones.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <optional>

using namespace hortelia;

TEST(NumeroATexto, BlankForNonNegativeAndNoZeroBeforeThePoint) {
    EXPECT_EQ(NumeroATexto(0.0), " 0");
    EXPECT_EQ(NumeroATexto(-0.0), " 0");
    EXPECT_EQ(NumeroATexto(-0.5), "-.5");
    EXPECT_EQ(NumeroATexto(0.25), " .25");
    EXPECT_EQ(NumeroATexto(20.5), " 20.5");
    EXPECT_EQ(NumeroATexto(-3.0), "-3");
    EXPECT_EQ(NumeroATexto(static_cast<std::int16_t>(-10)), "-10");
}

TEST(NumeroATexto, SignificantDigitsFollowTheKind) {
    EXPECT_EQ(NumeroATexto(99.1F), " 99.1");    // the single nearest 99.1
    EXPECT_EQ(NumeroATexto(0.1 + 0.2), " .3");  // 15 digits hide the binary tail
    EXPECT_EQ(NumeroATexto(1.0 / 3.0), " .333333333333333");
    EXPECT_EQ(NumeroATexto(1.0F / 3.0F), " .3333333");
    EXPECT_EQ(NumeroATexto(12345.6F), " 12345.6");
    EXPECT_EQ(NumeroATexto(123456789012345.0), " 123456789012345");
    EXPECT_EQ(NumeroATexto(9999999.0F), " 9999999");
}

TEST(NumeroATexto, ExponentFormOutsideThePlainRange) {
    EXPECT_EQ(NumeroATexto(0.0001), " .0001");
    EXPECT_EQ(NumeroATexto(0.00001), " 1E-05");
    EXPECT_EQ(NumeroATexto(-0.000015), "-1.5E-05");
    EXPECT_EQ(NumeroATexto(1.5e16), " 1.5E+16");
    EXPECT_EQ(NumeroATexto(1e15), " 1E+15");
    EXPECT_EQ(NumeroATexto(1e7F), " 1E+07");
    EXPECT_EQ(NumeroATexto(1e200), " 1E+200");
    EXPECT_EQ(NumeroATexto(999999999999999.9), " 1E+15");  // rounding carries into a new digit
}

TEST(NumeroATexto, VariantTextFollowsTheHeldKind) {
    EXPECT_EQ(NumeroATexto(Variante::Entero(35)), " 35");
    EXPECT_EQ(NumeroATexto(Variante::Simple(0.1F)), " .1");
    EXPECT_EQ(NumeroATexto(Variante::Doble(0.1F)), " .100000001490116");
    EXPECT_EQ(NumeroATexto(Variante()), " 0");
    EXPECT_EQ(NumeroSinBlanco(Variante()), "");
    EXPECT_EQ(NumeroSinBlanco(Variante::Doble(-0.2)), "-.2");
}

TEST(Parse, LongestNumericPrefix) {
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

TEST(Parse, ExponentByEOrD) {
    EXPECT_EQ(Parse("1E3"), 1000.0);
    EXPECT_EQ(Parse("1D2"), 100.0);
    EXPECT_EQ(Parse("2.5e-1"), 0.25);
    EXPECT_EQ(Parse("1E"), 1.0);
    EXPECT_EQ(Parse("1E+x"), 1.0);
    EXPECT_TRUE(std::isinf(Parse("1E400")));
}

// What a grower types in a box: the decimal comma as Spanish writes it, or the point.
TEST(LeeNumeroTecleado, CommaOrPointOnceAndNothingElseWhateverTheLocale) {
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
    std::setlocale(LC_ALL, "C");
}

TEST(AEntero16, HalvesToEvenAndOverflowIsReported) {
    EXPECT_EQ(AEntero16(2.5), 2);
    EXPECT_EQ(AEntero16(3.5), 4);
    EXPECT_EQ(AEntero16(-2.5), -2);
    EXPECT_EQ(AEntero16(32767.4), 32767);
    EXPECT_EQ(AEntero16(-32768.5), -32768);
    EXPECT_FALSE(AEntero16(32767.5).has_value());
    EXPECT_FALSE(AEntero16(std::numeric_limits<double>::quiet_NaN()).has_value());
}

TEST(Cortar, GoesTowardMinusInfinity) {
    EXPECT_EQ(Cortar(-2.37, 1), -2.4);
    EXPECT_EQ(Cortar(12.345, 2), 12.34);
    EXPECT_EQ(Cortar(-0.25, 0), -1.0);
    EXPECT_EQ(NumeroATexto(Cortar(-4.88, 1)), "-4.9");
    // In single precision 12.2 times 10 lands on 122, in double just below it.
    EXPECT_EQ(CortarSimple(12.2F, 1), 12.2F);
    EXPECT_EQ(Cortar(12.2F, 1), 12.1);
}
