#include "results/grafico_temporada.h"

#include <algorithm>

namespace hortelia {

std::vector<Tramo> MinimoMaximoPorTramos(const std::vector<double>& valores, std::size_t largo) {
    std::vector<Tramo> tramos;
    if (largo == 0) return tramos;
    tramos.reserve((valores.size() + largo - 1) / largo);
    for (std::size_t i = 0; i < valores.size(); i += largo) {
        const auto desde = valores.begin() + static_cast<std::ptrdiff_t>(i);
        const auto hasta = valores.begin() + static_cast<std::ptrdiff_t>(std::min(valores.size(), i + largo));
        const auto [menor, mayor] = std::minmax_element(desde, hasta);
        tramos.push_back({*menor, *mayor});
    }
    return tramos;
}

std::vector<PeriodoTemporada> SumaPorAnio(const std::vector<PeriodoTemporada>& meses) {
    std::vector<PeriodoTemporada> anios;
    for (const PeriodoTemporada& m : meses) {
        if (anios.empty() || anios.back().anio != m.anio) anios.emplace_back().anio = m.anio;
        SumaPeriodo(anios.back(), m);
    }
    return anios;
}

}  // namespace hortelia
