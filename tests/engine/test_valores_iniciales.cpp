#include "engine/valores_iniciales.h"
#include "scenario/escenario.h"

#include <gtest/gtest.h>

using namespace hortelia;

// The start values as saved are compared with a checked-in file (test_archivo_hrt); here what
// the file cannot show: the kind each number starts with, constants never saved, the hour check.
class ValoresIniciales : public ::testing::Test {
protected:
    void SetUp() override { PonValoresIniciales(e); }
    Escenario e;
};

TEST_F(ValoresIniciales, KindsAndConstantsThatTheFileDoesNotShow) {
    EXPECT_EQ(e.AreaVentHora(12), Variante::Entero(20));
    EXPECT_EQ(e.AreaVentHora(1), Variante::Entero(0));
    EXPECT_EQ(e.Hemisferio, Variante::Entero(-1));
    EXPECT_EQ(e.Latitud, Variante::Doble(31.5));
    EXPECT_EQ(e.NomMes[8], "setiembre");
    EXPECT_EQ(e.DensAire, Variante::Doble(1.29));
    EXPECT_EQ(e.CalorLatente, 2500.0F);
}

TEST_F(ValoresIniciales, HourOutsideTheDayFailsLoudly) {
    EXPECT_THROW(e.TempHora(0), std::out_of_range);
    EXPECT_THROW(e.HRHora(25), std::out_of_range);
    EXPECT_NO_THROW(e.TempHora(24));
}
