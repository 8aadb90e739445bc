#include "scenario/catalogo.h"
#include "scenario/limites.h"

#include <gtest/gtest.h>

using namespace hortelia;

// What the catalogue answers for names that come from files: exact names only, and a unit for
// every fuel, "unidades" where the fuel is typed or unknown.
TEST(Catalogo, FuelUnitsAndLookupByExactName) {
    const std::pair<const char*, const char*> casos[] = {
        {"Nafta", "litros"},  {"GasOil", "litros"},    {"Butano", "kg"},
        {"Propano", "kg"},    {"Gas nat.pobre", "m³"}, {"Gas nat.rico", "m³"},
        {"Otro", "unidades"}, {"gasoil", "unidades"},  {"Leña", "unidades"}};
    for (const auto& [nombre, unidad] : casos) EXPECT_EQ(UnidadCombustible(nombre), unidad) << nombre;
    EXPECT_FALSE(IndiceCombustible("gasoil"));
    EXPECT_FALSE(kCombustibles[*IndiceCombustible("Otro")].poderCalorico);
}

TEST(Catalogo, CodesOutsideTheirListsNameNothing) {
    EXPECT_FALSE(TechoDeCodigo(0));
    EXPECT_FALSE(TechoDeCodigo(5));
    EXPECT_FALSE(MaterialDeCodigo(1.5));
    EXPECT_FALSE(MaterialDeCodigo(4));
    EXPECT_THROW(NombreMes(13), std::out_of_range);
}

TEST(Limites, WholeCodesInsideTheirRangeAndARangeToSay) {
    EXPECT_TRUE(limites::kMes.Admite(12));
    EXPECT_FALSE(limites::kMes.Admite(12.5));
    EXPECT_FALSE(limites::kMes.Admite(0));
    EXPECT_EQ(limites::kDia.Rango(), "de 1 a 31");
}

TEST(Limites, AnOpenMinimumIsSaidAndRefused) {
    EXPECT_FALSE(limites::kAncho.Admite(0));
    EXPECT_TRUE(limites::kAncho.Admite(0.1));
    EXPECT_FALSE(limites::kAncho.Admite(1e17));
    EXPECT_EQ(limites::kAncho.Rango(), "mayor que 0 y hasta 100 m");
    EXPECT_EQ(limites::kTemperatura.Rango(), "de -90 a 70 °C");
}

// Prices and investments: a plain decimal with a point or a comma, from 0 to 1 000 000.
TEST(Limites, AFigureTypedIsAPlainDecimalInsideItsRange) {
    const std::pair<std::string, std::optional<double>> casos[] = {
        {"1,25", 1.25},         {" 0.8 ", 0.8},       {"1000000", 1e6},     {"0", 0.0},
        {"1e3", std::nullopt},  {"-1", std::nullopt}, {"1000000,01", std::nullopt},
        {"1" + std::string(307, '0'), std::nullopt},  {"1.234,5", std::nullopt}, {"", std::nullopt}};
    for (const auto& [texto, cifra] : casos) EXPECT_EQ(LeeCifra(texto, limites::kPrecio), cifra) << texto;
}
