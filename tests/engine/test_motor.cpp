#include "engine/simula_dia.h"
#include "engine/valores_iniciales.h"
#include "greenhouse/geometria.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

using namespace hortelia;

namespace {

// The hours' figures are compared bit for bit with the whole-hour model (test_cifras_identicas)
// and the start day's sheet with its golden file (test_hortelia_sim); here what neither shows.
// The start scenario with every panel accepted untouched: two slopes 8 x 30 m, glass,
// good maintenance, roof window open.
class Motor : public ::testing::Test {
protected:
    void SetUp() override {
        PonValoresIniciales(e);
        ASSERT_EQ(AceptaDimensiones(e, {8, 30, 1.5, 3.8, 1}), "");
        e.MatCobertura = Variante::Entero(1);
        e.Mantenimiento = Variante::Entero(1);
        e.Cenital = 1;
    }
    void Corre() { ASSERT_TRUE(SimulaDia(e).ok); }
    Escenario e;
};

}  // namespace

// A run is no change of the scenario: its window floor of closed hours, the first and the last
// among them, is taken back in the fingerprint that tells one.
TEST_F(Motor, RepeatedRunsDoNotAccumulateAndARunIsNoChange) {
    const std::string huella = HuellaEscenario(e);
    Corre();
    ASSERT_EQ(std::tuple(e.AreaVentHora(1).valor(), e.AreaVentHora(24).valor()), std::tuple(0.001, 0.001));
    EXPECT_EQ(HuellaEscenario(e), huella);
    const Escenario primera = e;
    Corre();
    EXPECT_EQ(std::tuple(e.AcumComb, e.AcumAgua, e.AcumEtr, e.AcumEtp),
              std::tuple(primera.AcumComb, primera.AcumAgua, primera.AcumEtr, primera.AcumEtp));
    EXPECT_EQ(e.TempConControl, primera.TempConControl);
}

// A day the model cannot run is refused with its reason and leaves the record as it was:
// what it would divide by zero, a cover material not chosen (a file saved before the cover
// panel was accepted would run with no leaks at all), and numbers no day gives, named with
// their hour and their input.
TEST_F(Motor, RefusesWhatItCannotRunAndChangesNothing) {
    const std::string noFinito = "dan resultados fuera de rango (no numéricos): ";
    const std::vector<std::pair<void (*)(Escenario&), std::string>> casos{
        {[](Escenario& x) { PonValoresIniciales(x = Escenario()); },  // no dimensions
         "El suelo cubierto es 0: acepte las dimensiones del invernáculo antes de procesar."},
        {[](Escenario& x) { x.Eficiencia = 0; }, "La eficiencia del sistema de calefacción debe ser mayor que 0 %."},
        {[](Escenario& x) { x.PoderCalorico = -1; }, "El poder calórico del combustible debe ser mayor que 0."},
        {[](Escenario& x) { x.MatCobertura = Variante(); },
         "Acepte el panel de cobertura: el material de cobertura no está elegido."},
        {[](Escenario& x) { x.MatCobertura = Variante::Entero(0); },
         "El material de cobertura 0 no es válido (de 1 a 3): acepte el panel de cobertura."},
        {[](Escenario& x) { x.MatCobertura = Variante::Entero(9); },
         "El material de cobertura 9 no es válido (de 1 a 3): acepte el panel de cobertura."},
        {[](Escenario& x) { x.TempHora(5) = Variante::Doble(-273); },
         "Los datos de la hora 5 " + noFinito + "la temperatura exterior -273 está fuera de rango (de -90 a 70 °C)."},
        {[](Escenario& x) { x.NubHora(5) = -50; },
         "Los datos de la hora 5 " + noFinito + "la nubosidad -50 está fuera de rango (de 0 a 8 octavos)."},
        {[](Escenario& x) { x.RadHora(12) = Variante::Doble(1e300); },
         "Los datos de la hora 12 " + noFinito + "la radiación 1E+300 está fuera de rango (de 0 a 2000 W/m²)."},
        {[](Escenario& x) {
             x.IAF = -1;
             x.PoderCalorico = 200000.5;
             x.CalorLatente = 0;
         },
         "Los datos de la hora 1 " + noFinito +
             "el índice de área foliar -1 está fuera de rango (de 0 a 20); el poder calórico del combustible 200000.5 "
             "está fuera de rango (de 1 a 200000); el calor latente 0 debe ser mayor que 0."},
    };
    for (const auto& [cambia, mensaje] : casos) {
        Escenario x = e;
        cambia(x);
        const Escenario antes = x;
        const ResultadoDia r = SimulaDia(x);
        EXPECT_EQ(std::pair(r.ok, r.mensaje), std::pair(false, mensaje));
        EXPECT_EQ(std::tie(x.AreaVentHora, x.TempSinControl), std::tie(antes.AreaVentHora, antes.TempSinControl));
    }
    Escenario marco = e;  // a cold frame of 0.4 m³ is small, not empty
    ASSERT_EQ(AceptaDimensiones(marco, {1, 1, 0.3, 0.5, 1}), "");
    EXPECT_EQ(SimulaDia(marco).mensaje, "");
}
