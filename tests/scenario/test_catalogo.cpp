#include "numeros/conversiones.h"
#include "scenario/catalogo.h"
#include "scenario/limites.h"
#include "support/archivos.h"

#include <gtest/gtest.h>

using namespace hortelia;

// Codes outside their lists and the limits of each field are refused by the .hrt reader's table
// (test_archivo_hrt); here the fuels' units and the figures typed of tests/data/catalogo.tsv.
TEST(Catalogo, FuelUnitsAndFiguresTyped) {
    const auto casos = prueba::LeeTablaDato("catalogo.tsv");
    ASSERT_EQ(casos.size(), 19U);
    for (const auto& c : casos) {
        if (c.at(0) == "unidad") {
            EXPECT_EQ(std::pair(UnidadCombustible(c.at(1)), UnidadPoderCalorico(c[1])),
                      (std::pair<std::string_view, std::string_view>(c.at(2), c.at(3))))
                << c[1];
        } else {
            const auto cifra = LeeCifra(c.at(1), limites::kPrecio);
            EXPECT_EQ(cifra, c.at(2) == "-" ? std::nullopt : std::optional(LeeDecimal(c[2]))) << c[1];
        }
    }
    EXPECT_FALSE(IndiceCombustible("gasoil"));
    EXPECT_FALSE(kCombustibles[*IndiceCombustible("Otro")].poderCalorico);
}
