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
    EXPECT_EQ(NumeroATexto(static_cast<std::int16_t>(-10)), "-10");
    EXPECT_EQ(NumeroATexto(32767), " 32767");
    EXPECT_EQ(NumeroATexto(0), " 0");
    EXPECT_EQ(NumeroATexto(Variante::Entero(35)), " 35");
    EXPECT_EQ(NumeroATexto(Variante::Simple(0.1F)), " .1");
    EXPECT_EQ(NumeroATexto(Variante::Doble(0.1F)), " .100000001490116");
    EXPECT_EQ(NumeroATexto(Variante()), " 0");
    EXPECT_EQ(NumeroSinBlanco(Variante()), "");
    EXPECT_EQ(NumeroSinBlanco(Variante::Doble(-0.2)), "-.2");
}

// Parse takes the longest numeric prefix, "." only, an exponent by E or D; LeeDecimal reads a
// plain number with a point, infinity past the range and zero below it.
TEST_P(Conversiones, TextToNumber) {
    const std::pair<const char*, double> prefijos[] = {
        {"1,5", 1.0},   {"  2.5  ", 2.5}, {"abc", 0.0},   {".5", 0.5},   {"-3x", -3.0},
        {"1 2", 12.0},  {"\t\n7", 7.0},   {"1.2.3", 1.2}, {"-", 0.0},    {"1E3", 1000.0},
        {"1D2", 100.0}, {"2.5e-1", 0.25}, {"1E", 1.0},    {"1E+x", 1.0}, {"3,25", 3.0}};
    for (const auto& [texto, valor] : prefijos) EXPECT_EQ(Parse(texto), valor) << texto;
    EXPECT_TRUE(std::isinf(Parse("1E400")));
    const std::pair<const char*, double> decimales[] = {{"-1.5e3", -1500.0}, {"+.5", 0.5}, {"0.1", 0.1},
                                                        {"2.5", 2.5},        {"3,5", 3.0}, {"1e-400", 0.0}};
    for (const auto& [texto, valor] : decimales) EXPECT_EQ(LeeDecimal(texto), valor) << texto;
    EXPECT_EQ(LeeDecimal("1e400"), HUGE_VAL);
}

// A decimal below the least double is no error: it reads as the nearest double, 0 or a
// subnormal, however many zeros lead it; only a number past the largest is refused.
TEST_P(Conversiones, VerySmallDecimalsReadAsTheNearestDouble) {
    const std::string ceros(400, '0');
    const std::pair<std::string, double> casos[] = {
        {"0." + ceros + "1", 0.0},
        {"-0," + ceros + "7", -0.0},
        {"0." + std::string(323, '0') + "5", 5e-324},
        {"4.9e-324", std::numeric_limits<double>::denorm_min()},
        {"0." + ceros + "1e500", 1e99},
        {"1e-99999999999999999999", 0.0},
        {"000" + ceros + "1.5", 1.5},
    };
    for (const auto& [texto, valor] : casos) {
        const auto v = LeeNumeroTecleado(texto);
        ASSERT_TRUE(v) << texto;
        EXPECT_EQ(*v, valor) << texto;
        EXPECT_EQ(std::signbit(*v), std::signbit(valor)) << texto;
    }
    for (const std::string& texto : {"1" + ceros, std::string("1e99999999999999999999"), std::string("0,1e9999")})
        EXPECT_EQ(LeeNumeroTecleado(texto), std::nullopt) << texto;
    // Below the least subnormal every reader gives zero with the text's sign, none refuses it.
    for (const auto& [texto, signo] :
         {std::pair("-1e-400", true), std::pair("+1E-400", false), std::pair("1e-400", false)}) {
        const std::optional<double> leidos[] = {LeeNumeroTecleado(texto), NumeroDeCelda(texto), LeeDecimal(texto),
                                                Parse(texto)};
        for (const std::optional<double>& v : leidos) {
            ASSERT_TRUE(v) << texto;
            EXPECT_EQ(*v, 0.0) << texto;
            EXPECT_EQ(std::signbit(*v), signo) << texto;
        }
    }
}

// A table cell as number-to-text wrote it, blanks around it; no comma, no unit, no infinity.
TEST_P(Conversiones, CellReadsWhatNumberToTextShowsAndNothingElse) {
    const std::pair<const char*, std::optional<double>> casos[] = {
        {" 9.5", 9.5},           {" .24", 0.24},        {"-1", -1.0},
        {" 1.5E-05", 1.5e-05},   {"-2.5E+20", -2.5e20}, {"", std::nullopt},
        {" --- ", std::nullopt}, {"NaN", std::nullopt}, {"-Inf", std::nullopt},
        {"3m", std::nullopt},    {"1,5", std::nullopt}, {"1 5", std::nullopt}};
    for (const auto& [texto, numero] : casos) EXPECT_EQ(NumeroDeCelda(texto), numero) << "\"" << texto << "\"";
}

// What a grower types in a box: the decimal comma as Spanish writes it, or the point, once.
TEST_P(Conversiones, TypedNumberTakesACommaOrAPointOnceAndNothingElse) {
    const std::pair<const char*, double> numeros[] = {
        {"3,8", 3.8}, {"3.8", 3.8},      {" 3,8\t", 3.8},  {"-3,8", -3.8},  {"+2", 2.0}, {",5", 0.5},
        {"5,", 5.0},  {"1,5E3", 1500.0}, {"2,5e-1", 0.25}, {"1e+2", 100.0}, {"0", 0.0},  {"-0,25", -0.25}};
    for (const auto& [texto, valor] : numeros) EXPECT_EQ(LeeNumeroTecleado(texto), valor) << '"' << texto << '"';
    for (const char* texto :
         {"1.234,5", "3.8,1", "3,8,1", "1.2.3", "ocho",   "3m",  "",    "   ",   ",",         "-",
          "3 8",     "1E",    "1D2",   "1e400", "-1e400", "inf", "nan", "1,5 m", "\u00a03,8", "3,8\n"})
        EXPECT_EQ(LeeNumeroTecleado(texto), std::nullopt) << '"' << texto << '"';
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
    EXPECT_EQ(Cortar(-2.37, 1), -2.4);
    EXPECT_EQ(Cortar(12.345, 2), 12.34);
    EXPECT_EQ(Cortar(-0.25, 0), -1.0);
    EXPECT_EQ(NumeroATexto(Cortar(-4.88, 1)), "-4.9");
    for (int d = 0; d <= 24; ++d) EXPECT_EQ(Cortar(2.5 / std::pow(10.0, d), d), 2 / std::pow(10.0, d)) << d;
    // In single precision 12.2 times 10 lands on 122, in double just below it.
    EXPECT_EQ(CortarSimple(12.2F, 1), 12.2F);
    EXPECT_EQ(Cortar(12.2F, 1), 12.1);
}
