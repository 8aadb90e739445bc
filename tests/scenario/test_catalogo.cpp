#include "scenario/catalogo.h"
#include "scenario/limites.h"

#include <gtest/gtest.h>

using namespace hortelia;

// Codes outside their lists and the limits of each field are refused by the .hrt reader's table
// (test_archivo_hrt). What the catalogue answers for names that come from files: exact names only, and a unit for
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

// Prices and investments: a plain decimal with a point or a comma, from 0 to 1 000 000.
TEST(Limites, AFigureTypedIsAPlainDecimalInsideItsRange) {
    const std::pair<std::string, std::optional<double>> casos[] = {
        {"1,25", 1.25},         {" 0.8 ", 0.8},       {"1000000", 1e6},     {"0", 0.0},
        {"1e3", std::nullopt},  {"-1", std::nullopt}, {"1000000,01", std::nullopt},
        {"1" + std::string(307, '0'), std::nullopt},  {"1.234,5", std::nullopt}, {"", std::nullopt}};
    for (const auto& [texto, cifra] : casos) EXPECT_EQ(LeeCifra(texto, limites::kPrecio), cifra) << texto;
}
