#include "engine/simula_dia.h"
#include "results/exportacion.h"
#include "scenario/archivo_hrt.h"

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

TEST_F(Exportacion, LayoutOfTitleSummaryTableAndTotals) {
    const auto l = Partes(TextoPlanilla(e), '\n');
    ASSERT_EQ(l.size(), 1U + 20 + 1 + 1 + 24 + 1);
    EXPECT_EQ(l[0], "Planilla de resultados");
    EXPECT_EQ(l[2], "Doble techo:   No");
    EXPECT_EQ(l[12], "Temp. Máxima=  35 C");
    EXPECT_EQ(l[20], "Índice de área foliar=  3.5");
    EXPECT_EQ(l[21], "");
    EXPECT_EQ(Partes(l[22], '\t'), TitulosColumnas());
    for (int h = 1; h <= 24; ++h) {
        const auto celdas = Partes(l[static_cast<std::size_t>(22 + h)] + "\t", '\t');
        ASSERT_EQ(celdas.size(), 15U) << h;
        EXPECT_EQ(celdas[0], std::to_string(h));
    }
    EXPECT_EQ(Partes(l[47], '\t').size(), 5U);
    EXPECT_EQ(Partes(l[47], '\t')[0], "Totales");
}

TEST_F(Exportacion, ControlCellsFollowTheTemperatureWithoutControl) {
    e.TempSinControl(3) = -1;  // exactly at the tolerable minimum
    e.TempSinControl(4) = -1.1;
    e.ControlHora(4) = 0.125F;
    e.TempSinControl(5) = 35.1;
    e.ControlHora(5) = 0;
    EXPECT_EQ(ControlMostrado(e, 3), ControlDeHora::Ninguno);
    const auto l = Partes(TextoPlanilla(e), '\n');
    auto celdas = [&](int h) { return Partes(l[static_cast<std::size_t>(22 + h)] + "\t", '\t'); };
    EXPECT_EQ(celdas(3)[10], "");
    EXPECT_EQ(celdas(3)[11], "");
    EXPECT_EQ(celdas(4)[10], ".125");
    EXPECT_EQ(celdas(4)[11], "");
    EXPECT_EQ(celdas(5)[10], "");
    EXPECT_EQ(celdas(5)[11], "0");
}
