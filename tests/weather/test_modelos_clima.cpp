#include "engine/valores_iniciales.h"
#include "numeros/conversiones.h"
#include "scenario/escenario.h"
#include "weather/humedad.h"
#include "weather/radiacion.h"
#include "weather/temperatura.h"
#include "weather/viento.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

using namespace hortelia;

namespace {

class Clima : public ::testing::Test {
protected:
    void SetUp() override { PonValoresIniciales(e); }
    Escenario e;
};

}  // namespace

TEST(DiaDelAnio, NonLeapCalendar) {
    for (const auto& [dia, mes, n] : {std::tuple(1, 1, 1), std::tuple(1, 3, 60), std::tuple(15, 10, 288),
                                      std::tuple(31, 12, 365), std::tuple(31, 2, 62)})
        EXPECT_EQ(DiaDelAnio(dia, mes), n) << dia << "/" << mes;
}

// The northern winter is shorter; the southern polar night has no radiation.
TEST_F(Clima, RadiationFollowsHemisphereLatitudeAndDate) {
    e.Hemisferio = Variante::Entero(1);
    CalculaRadiacion(e);
    EXPECT_EQ(NumeroATexto(e.RadTope(12)), " 631.9");
    for (int h = 1; h <= 24; ++h) EXPECT_EQ(e.RadTope(h).valor() > 0, h >= 7 && h <= 17) << h;
    e.Hemisferio = Variante::Entero(-1);
    e.Latitud = Variante::Simple(90);
    e.Dia = 21;
    e.Mes = 6;
    CalculaRadiacion(e);
    for (int h = 1; h <= 24; ++h) EXPECT_EQ(e.RadTope(h).valor(), 0.0) << h;
}

TEST_F(Clima, CloudFactorFromFullAndFromCutRadiation) {
    for (int h = 1; h <= 24; ++h) e.NubHora(h) = 4;
    CalculaRadiacion(e);
    EXPECT_EQ(NumeroATexto(e.RadHora(12)), " 1028.7");
    AplicaTipoNubes(e, 2);
    AplicaTipoNubes(e, 1);
    EXPECT_EQ(NumeroATexto(e.RadHora(12)), " 1028.6");
    EXPECT_EQ(CaptionTipoNubes(3), "Tipo de nubes: Oscuras");
    EXPECT_EQ(e.CoefNubes, 0.3F);
}

// Where the cloud buttons stop, and the first steps of the radiation's, are the panel's test
// (test_paneles_clima); here the floor at night and after many steps down.
TEST_F(Clima, RadiationButtonsStayBetweenZeroAndCloudless) {
    RadiacionMenos(e, 2);
    RadiacionMas(e, 2);
    EXPECT_EQ(e.RadHora(2).valor(), 0.0);
    for (int i = 0; i < 7; ++i) RadiacionMenos(e, 5);
    EXPECT_EQ(e.RadHora(5).valor(), 0.0);
}

TEST_F(Clima, TemperatureButtonsStepByTenthsAndASingleExtremeStaysSingle) {
    TemperaturaMas(e, 15);  // 34.9
    EXPECT_EQ(NumeroATexto(e.TempHora(15)), " 35");
    TemperaturaMas(e, 15);
    EXPECT_EQ(e.TempHora(15), Variante::Entero(35));  // clamped: a copy of TMax
    e.TempHora(1) = Variante::Doble(19.875);          // a file's figure of more decimals: a tenth more, cut
    TemperaturaMas(e, 1);
    e.TempHora(2) = Variante::Doble(20.0);
    TemperaturaMenos(e, 2);
    EXPECT_EQ(std::tuple(NumeroATexto(e.TempHora(1)), NumeroATexto(e.TempHora(2))), std::tuple(" 19.9", " 19.9"));
    TemperaturaMas(e, 8);  // -5
    EXPECT_EQ(NumeroATexto(e.TempHora(8)), "-4.9");
    TemperaturaMenos(e, 8);
    TemperaturaMenos(e, 8);
    EXPECT_EQ(e.TempHora(8), Variante::Entero(-5));
    // A single extreme makes a single difference.
    e.TMax = Variante::Simple(20.3F);
    CalculaTemperatura(e);
    EXPECT_EQ(NumeroATexto(e.TempHora(8)), "-5");
    EXPECT_EQ(NumeroATexto(e.TempHora(15)), " 20.2");
}

TEST_F(Clima, HumidityButtonsClampAndKeepTheTenth) {
    HumedadMas(e, 3);     // 99.9
    HumedadMenos(e, 15);  // 50
    HumedadMas(e, 11);    // 98.8
    EXPECT_EQ(std::tuple(NumeroATexto(e.HRHora(3)), NumeroATexto(e.HRHora(15)), NumeroATexto(e.HRHora(11))),
              std::tuple(" 100", " 50", " 99.3"));
}

TEST_F(Clima, WindInMetresPerSecondIsCutDown) {
    const std::vector<std::pair<float, std::string>> casos{{1, " .2"},  {2, " .5"},    {10, " 2.7"},   {18, " 5"},
                                                           {36, " 10"}, {50, " 13.8"}, {100, " 27.7"}, {0, " 0"}};
    for (const auto& [kmh, ms] : casos) {
        FijaVientoKmh(e, 7, kmh);
        EXPECT_EQ(NumeroATexto(e.VtoHora(7)), ms) << kmh;
    }
}
