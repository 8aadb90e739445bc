#include "engine/carga_escenario.h"
#include "engine/simula_dia.h"
#include "engine/valores_iniciales.h"
#include "results/exportacion.h"
#include "results/temperaturas_tolerables.h"
#include "results/textos_resumen.h"
#include "support/archivos.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace hortelia;

namespace {

class Exportacion : public ::testing::Test {
protected:
    void SetUp() override {
        PonValoresIniciales(e);
        ASSERT_TRUE(CargaEscenario(std::string(HORTELIA_TEST_DATA) + "/inicio.hrt", e).ok);
        ASSERT_TRUE(SimulaDia(e).ok);
    }
    Escenario e;
};

}  // namespace

// The whole text of this day is the golden output of hortelia-sim (test_hortelia_sim); here
// the cells whose rule that day does not reach.
TEST_F(Exportacion, ControlCellsFollowTheTemperatureWithoutControl) {
    e.TempSinControl(3) = -1;  // exactly at the tolerable minimum
    e.TempSinControl(4) = -1.1;
    e.ControlHora(4) = 0.125F;
    e.TempSinControl(5) = 35.1;
    e.ControlHora(5) = 0;
    const auto l = prueba::Partes(TextoPlanilla(e, {}), '\n');
    auto celdas = [&](int h) { return prueba::Partes(l[static_cast<std::size_t>(22 + h)] + "\t", '\t'); };
    EXPECT_EQ(std::vector({celdas(3)[10], celdas(3)[11], celdas(4)[10], celdas(4)[11], celdas(5)[10], celdas(5)[11]}),
              std::vector<std::string>({"", "", ".125", "", "", "0"}));
}

// The first and last months name their date; a month no record holds names no date (and no
// month) in the summary.
TEST_F(Exportacion, AMonthOutsideTheYearGivesNoDate) {
    for (const auto& [mes, fecha] : {std::pair<std::int16_t, std::string>{1, "Fecha:  1 de enero"},
                                     {12, "Fecha:  1 de diciembre"}, {0, ""}, {13, ""}}) {
        e.Mes = mes;
        EXPECT_EQ(TextosDeCarga(e, true).fecha, fecha) << mes;
    }
}

// The hours the controlled temperature spent strictly outside the tolerable range, said in one
// sentence; an hour exactly at a limit is inside: the days of tests/data/fuera_de_rango.tsv.
// (Hours above alone are the results panel's test.)
TEST_F(Exportacion, HoursOutsideTheTolerableRangeAreCountedAndSaid) {
    e.TMaxTol = Variante::Entero(30);
    e.TMinTol = Variante::Entero(10);
    const auto casos = prueba::LeeTablaDato("fuera_de_rango.tsv");
    ASSERT_EQ(casos.size(), 3U);
    for (const auto& c : casos) {
        for (int h = 1; h <= 24; ++h) e.TempConControl(h) = 20;
        for (const std::string& hora : prueba::Partes(c.at(0), ' '))
            e.TempConControl(std::stoi(hora)) = std::stof(hora.substr(hora.find('=') + 1));
        const HorasFueraDeRango horas = CuentaHorasFueraDeRango(e);
        EXPECT_EQ(std::pair(horas.sobreMaxima, horas.bajoMinima), std::pair(std::stoi(c.at(1)), std::stoi(c.at(2))))
            << c[0];
        EXPECT_EQ(TextoFueraDeRango(horas), c.at(3));
    }
    // Without control, a temperature at a limit asks for neither heating nor spraying.
    e.TempSinControl(3) = 30, e.TempSinControl(4) = 10;
    EXPECT_EQ(std::pair(ControlMostrado(e, 3), ControlMostrado(e, 4)),
              std::pair(ControlDeHora::Ninguno, ControlDeHora::Ninguno));
}
