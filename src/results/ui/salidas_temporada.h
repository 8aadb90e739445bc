#pragma once

// What leaves the season window: "&Guarda" writes the batch tool's text, "Guarda como &hoja
// de cálculo (.xlsx)" a workbook of numbers, both proposed beside the scenario; "&Imprime"
// puts the totals, the two charts and the month table on paper, landscape.

#include "engine/temporada.h"

#include <QString>

#include <memory>
#include <string>

class QFont;
class QImage;
class QTextDocument;
class QWidget;

namespace hortelia {

class Interaccion;
class ModeloTemporada;
class VistaTemporada;

/// A season run, with the files it was run with ("" for a scenario without a file).
struct TemporadaCalculada {
    Temporada temporada;
    std::string escenario, clima;
    std::string texto;  ///< the batch tool's text of it, what "&Guarda" writes
};

/// "&Guarda": the text of `hortelia-sim --temporada`, to a chosen file.
void ExportaTextoTemporada(Interaccion& interaccion, const QString& rutaEscenario, const TemporadaCalculada& c);
/// "Guarda como &hoja de cálculo (.xlsx)": the head, the months and the days as numbers.
void ExportaHojaTemporada(Interaccion& interaccion, const QString& rutaEscenario, const TemporadaCalculada& c);

/// What a print puts on paper, in `letra` at 8 points: the scenario and the table, the prices
/// (the fuel's by `unidadCombustible`), the totals as `vista` shows them, the two charts and the
/// month table.
std::unique_ptr<QTextDocument> DocumentoTemporada(const TemporadaCalculada& c, const VistaTemporada& vista,
                                                  const QString& unidadCombustible, QFont letra);
/// A chart (any widget) as a picture of twice its size in pixels, sharp enough on paper.
QImage ImagenParaPapel(QWidget* w);
/// A table of the window as HTML for paper, its highlighted row (the season's total) in bold.
QString TablaHtml(const ModeloTemporada& modelo);

/// "&Imprime" and Ctrl+P, or with `previa` "&Vista previa": `documento`, landscape; a failed
/// print says so, cancel is silent.
void ImprimeTemporada(Interaccion& interaccion, const QString& rutaEscenario, QTextDocument& documento,
                      bool previa = false);

}  // namespace hortelia
