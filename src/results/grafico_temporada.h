#pragma once

// What the season window's charts draw of a long season, so that a chart stays a few thousand
// points whatever the table: beyond kDiasGraficoDiario days the daily chart draws each week (seven
// days from the first of the season on, the last week maybe shorter) as its lowest and highest
// value, and beyond kMesesGraficoMensual months the monthly chart draws each year's sums.

#include "engine/temporada.h"

#include <cstddef>
#include <vector>

namespace hortelia {

/// The most days the daily chart draws one by one, and the most months the monthly chart does.
inline constexpr std::size_t kDiasGraficoDiario = 3000;
inline constexpr std::size_t kMesesGraficoMensual = 120;
inline constexpr std::size_t kDiasDeLaSemana = 7;

/// Days a row of the daily chart holds: 1, or kDiasDeLaSemana past kDiasGraficoDiario days.
constexpr std::size_t DiasPorFila(std::size_t dias) { return dias > kDiasGraficoDiario ? kDiasDeLaSemana : 1; }
/// True when the monthly chart draws years: past kMesesGraficoMensual months.
constexpr bool MesesPorAnio(std::size_t meses) { return meses > kMesesGraficoMensual; }

/// The lowest and highest of a run of consecutive values.
struct Tramo {
    double minimo = 0, maximo = 0;
};

/// Each `largo` consecutive values from the first (the last run holds what is left) as its
/// lowest and highest; none when `valores` is empty.
std::vector<Tramo> MinimoMaximoPorTramos(const std::vector<double>& valores, std::size_t largo);

/// The months of a season added up by year in order (a year's months need not be adjacent: a
/// new year starts wherever the year changes), each as SumaPeriodo adds them.
std::vector<PeriodoTemporada> SumaPorAnio(const std::vector<PeriodoTemporada>& meses);

}  // namespace hortelia
