#include "greenhouse/conversiones.h"
#include "scenario/escenario.h"

#include <gtest/gtest.h>

using namespace hortelia;

class ValoresIniciales : public ::testing::Test {
protected:
    void SetUp() override { PonValoresIniciales(e); }
    Escenario e;
};

TEST_F(ValoresIniciales, StructureAndCoverStayEmpty) {
    EXPECT_TRUE(e.Ancho.vacia());
    EXPECT_TRUE(e.AlturaMaxima.vacia());
    EXPECT_TRUE(e.MatCobertura.vacia());
    EXPECT_TRUE(e.Mantenimiento.vacia());
    EXPECT_EQ(e.Modulos, 0);
    EXPECT_EQ(e.TipoTecho, 1);
    EXPECT_EQ(e.RenovAire, 2.0F);
}

TEST_F(ValoresIniciales, WindowScheduleOpenFromTenToSixteen) {
    for (int h = 1; h <= 24; ++h) {
        const bool abierta = h >= 10 && h <= 16;
        EXPECT_EQ(e.AperturaHora(h), abierta ? -40.0F : 0.0F) << h;
        EXPECT_EQ(e.AreaVentHora(h), Variante::Entero(abierta ? 20 : 0)) << h;
    }
}

TEST_F(ValoresIniciales, WeatherDayAndConstants) {
    for (int h = 1; h <= 24; ++h) {
        EXPECT_EQ(NumeroATexto(e.VtoHora(h)), " .2") << h;
        EXPECT_EQ(e.VtoHoraKmh(h), 1.0F);
        EXPECT_EQ(e.NubHora(h), 0.0F);
    }
    EXPECT_EQ(e.Hemisferio, Variante::Entero(-1));
    EXPECT_EQ(e.Latitud, Variante::Doble(31.5));
    EXPECT_EQ(e.Combustible, "GasOil");
    EXPECT_EQ(NumeroATexto(e.PoderCalorico), " 35570");
    EXPECT_EQ(e.NomMes[8], "setiembre");
    EXPECT_EQ(e.DensAire, Variante::Doble(1.29));
    EXPECT_EQ(e.CalorLatente, 2500.0F);
}

TEST_F(ValoresIniciales, HourOutsideTheDayFailsLoudly) {
    EXPECT_THROW(e.TempHora(0), std::out_of_range);
    EXPECT_THROW(e.HRHora(25), std::out_of_range);
    EXPECT_NO_THROW(e.TempHora(24));
}
