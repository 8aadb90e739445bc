#pragma once

// What the "Opciones" part shows of a comparison and what leaves it: the table of the batch
// tool's columns (each option by its title, the base in bold), the yearly cost of each as a bar
// with its payback written on it, the line over them (days, scaling, missing prices), and the
// text, the workbook and the print, as the rest of the season window writes its own.

#include "results/ui/vista_opciones.h"

#include <QString>

class QFont;

namespace hortelia {

class Grafico;
class Interaccion;
class ModeloTemporada;

/// The bar chart of the yearly cost of each row.
Grafico* CreaGraficoOpciones(QWidget* padre);
/// Fills the chart and the table with `c`; none empties them.
void MuestraComparacion(const Comparacion* c, Grafico* grafico, ModeloTemporada* modelo);
/// The line over the table: the days, the scaling to a year, the prices missing.
QString NotaComparacion(const Comparacion& c);

/// "&Guarda": the text of `hortelia-sim --opciones`, proposed beside the scenario.
void ExportaTextoOpciones(Interaccion& interaccion, const QString& rutaEscenario, const ComparacionCalculada& c);
/// "Guarda como &hoja de cálculo (.xlsx)": the head and the table as numbers.
void ExportaHojaOpciones(Interaccion& interaccion, const QString& rutaEscenario, const ComparacionCalculada& c);
/// "&Imprime", or with `previa` "&Vista previa": the scenario, the climate table, the line over
/// the table, the chart and the table.
void ImprimeOpciones(Interaccion& interaccion, const QString& rutaEscenario, const ComparacionCalculada& c, QFont letra,
                     bool previa = false);

}  // namespace hortelia
