// What the season's charts draw of a long season: weeks past 3000 days, years past 120 months.

#include "results/grafico_temporada.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

using namespace hortelia;

TEST(GraficoTemporada, ChartsSwitchJustPastTheirLimits) {
    EXPECT_EQ(std::pair(DiasPorFila(3000), DiasPorFila(3001)), std::pair(std::size_t{1}, std::size_t{7}));
    EXPECT_EQ(std::pair(MesesPorAnio(120), MesesPorAnio(121)), std::pair(false, true));
}

TEST(GraficoTemporada, WeeksAsLowestAndHighestWithAShortLastWeek) {
    const auto tramos = [](const std::vector<double>& v, std::size_t largo) {
        std::vector<std::pair<double, double>> r;
        for (const Tramo& t : MinimoMaximoPorTramos(v, largo)) r.emplace_back(t.minimo, t.maximo);
        return r;
    };
    using V = std::vector<std::pair<double, double>>;
    EXPECT_EQ(tramos({}, 7), V{});
    EXPECT_EQ(tramos({3, 1, 4, 1, 5, 9, 2}, 7), (V{{1, 9}}));
    EXPECT_EQ(tramos({3, 1, 4, 1, 5, 9, 2, -6}, 7), (V{{1, 9}, {-6, -6}}));
    EXPECT_EQ(tramos({3, 1, 4, 1, 5, 9, 2, 6, 5, 3}, 7), (V{{1, 9}, {3, 6}}));
    EXPECT_EQ(tramos({2, 7}, 1), (V{{2, 2}, {7, 7}}));
}

TEST(GraficoTemporada, YearsAddTheirMonthsWhereverTheYearChanges) {
    // A water price from February on.
    const auto mes = [](int anio, int m, double c, float minima) {
        return PeriodoTemporada{.anio = anio, .mes = m, .dias = 30, .combustible = c, .agua = 10 * c, .etr = 0,
                                .etp = 0, .horasCalefaccion = 2, .horasRefrigeracion = 0, .horasFueraDeRango = 0,
                                .tempMinInterior = minima, .potenciaPicoKw = c / 2, .costoCombustible = c,
                                .costoAgua = m == 2 ? std::optional(c) : std::nullopt};
    };
    const std::vector<PeriodoTemporada> anios =
        SumaPorAnio({mes(2023, 12, 1, 5), mes(2024, 1, 2, 3), mes(2024, 2, 4, 4), mes(2025, 1, 8, 6)});
    ASSERT_EQ(anios.size(), 3U);
    const auto cifras = [](const PeriodoTemporada& p) {
        return std::tuple(p.anio, p.mes, p.dias, p.combustible, p.agua, p.horasCalefaccion, p.tempMinInterior,
                          p.potenciaPicoKw, p.costoCombustible, p.costoAgua);
    };
    EXPECT_EQ(cifras(anios[0]),
              std::tuple(2023, 0, 30, 1.0, 10.0, 2, 5.0F, 0.5, std::optional(1.0), std::optional<double>()));
    EXPECT_EQ(cifras(anios[1]),
              std::tuple(2024, 0, 60, 6.0, 60.0, 4, 3.0F, 2.0, std::optional(6.0), std::optional(4.0)));
    EXPECT_EQ(cifras(anios[2]),
              std::tuple(2025, 0, 30, 8.0, 80.0, 2, 6.0F, 4.0, std::optional(8.0), std::optional<double>()));
}
