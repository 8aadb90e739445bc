#include "engine/carga_escenario.h"
#include "engine/simula_dia.h"
#include "engine/valores_iniciales.h"
#include "results/exportacion.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace hortelia;

namespace {

std::vector<std::string> Partes(const std::string& s, char sep) {
    std::vector<std::string> r;
    std::string x;
    std::istringstream in(s);
    while (std::getline(in, x, sep)) r.push_back(x);
    return r;
}

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
    EXPECT_EQ(ControlMostrado(e, 3), ControlDeHora::Ninguno);
    const auto l = Partes(TextoPlanilla(e, {}), '\n');
    auto celdas = [&](int h) { return Partes(l[static_cast<std::size_t>(22 + h)] + "\t", '\t'); };
    EXPECT_EQ(celdas(3)[10], "");
    EXPECT_EQ(celdas(3)[11], "");
    EXPECT_EQ(celdas(4)[10], ".125");
    EXPECT_EQ(celdas(4)[11], "");
    EXPECT_EQ(celdas(5)[10], "");
    EXPECT_EQ(celdas(5)[11], "0");
}
