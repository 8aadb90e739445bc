#pragma once

// The season's two charts: the months as bars (fuel on the left, water on the right) and the
// days as lines (fuel on the left, the lowest inside temperature on the right). A long season
// draws years instead of months and each week's lowest and highest instead of its days
// (results/grafico_temporada.h), and says so in the chart's title.

#include "engine/temporada.h"

class QWidget;

namespace hortelia {

class Grafico;

Grafico* CreaGraficoMeses(QWidget* padre);
Grafico* CreaGraficoDias(QWidget* padre);
/// Fills the chart with `temporada`; none empties it.
void LlenaGraficoMeses(Grafico* g, const Temporada* temporada);
void LlenaGraficoDias(Grafico* g, const Temporada* temporada);

}  // namespace hortelia
