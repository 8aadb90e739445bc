#pragma once

// The data sheet FPlanilla ("Planilla de resultados"): a window of its own laying out the
// whole day, a table of one row an hour with the daily totals, under a header that repeats
// the main window's summary. Created once, then filled, shown and hidden. The table is read
// by row and column (a screen reader too) and its cells are copied with Ctrl+C. "&Guarda"
// writes the tab-separated text, "Guarda como &hoja de cálculo (.xlsx)" a workbook whose
// figures are numbers in any spreadsheet, "&Imprime" the header and the table on paper
// ("&Vista previa" shows them first); all three repeat exactly what the sheet shows.

#include "results/hoja_calculo.h"
#include "scenario/escenario.h"
#include "ui/tabla_copiable.h"

#include <QList>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>

class QLabel;
class QLayout;
class QTextDocument;

namespace hortelia {

class Interaccion;
class ModeloPlanilla;
class Resumen;
struct TipoArchivo;

class Planilla : public QWidget {
    Q_OBJECT
public:
    /// `rutaEscenario` gives the scenario's file ("" before one is saved or opened), beside
    /// which the exports and the PDF of a print are proposed.
    Planilla(Escenario& e, const Resumen& resumen, Interaccion& interaccion, std::function<QString()> rutaEscenario,
             QWidget* parent = nullptr);

    /// Fills every cell from the last run and the summary, then shows the window.
    void Llena();
    /// Prints the header and the table, landscape; a failed print says so, cancel is silent.
    void Imprime();
    /// The same pages on screen ("&Vista previa"), from where they may be printed.
    void MuestraVistaPrevia();
    /// Writes the text export to a chosen file; a failed write says so, cancel is silent.
    void ExportaTexto();
    /// Writes the workbook (.xlsx) to a chosen file; a failed write says so, cancel is silent.
    void ExportaHojaCalculo();

    /// The text of column c (1..15), element i (0 title, 1..24 hours); column 16 is the totals
    /// row: 0 its caption, 1..4 the totals. Titles are on one line, as TitulosColumnas.
    QString Celda(int c, int i) const;
    const QList<QLabel*>& Encabezado() const { return encabezado_; }
    /// The table; Ctrl+C copies the shown text without its blank, nothing for " --- ".
    TablaCopiable* Tabla() const { return tabla_; }
    /// What the print puts on paper: the header and the table, as a document.
    std::unique_ptr<QTextDocument> Documento() const;

private:
    QLayout* CreaCabecera();
    /// The export proposed beside the scenario, with its name.
    QString Propuesto(const TipoArchivo& tipo) const;

    Escenario& e;
    const Resumen& resumen_;
    Interaccion& interaccion_;
    std::function<QString()> rutaEscenario_;
    ModeloPlanilla* modelo_;
    TablaCopiable* tabla_;
    QList<QLabel*> encabezado_;
    bool dimensionada_ = false;
    std::string texto_;  ///< the text export of what the sheet shows, made when it was filled
    Hoja hoja_;          ///< the workbook of what the sheet shows, made when it was filled
};

}  // namespace hortelia
