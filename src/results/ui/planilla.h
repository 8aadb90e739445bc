#pragma once

// The data sheet FPlanilla ("Planilla de resultados"): a second window laying out the whole
// day, one row an hour, with the daily totals and a header that repeats the main window's
// summary. Created once, then filled, shown and hidden. Its "&Guarda" writes the text export,
// which repeats exactly what the sheet shows.

#include "scenario/escenario.h"

#include <QList>
#include <QWidget>

#include <functional>
#include <string>

class QLabel;

namespace hortelia {

class Interaccion;
class Resumen;

class Planilla : public QWidget {
    Q_OBJECT
public:
    /// `rutaEscenario` gives the scenario's file ("" before one is saved or opened), beside
    /// which the text export is proposed.
    Planilla(Escenario& e, const Resumen& resumen, Interaccion& interaccion, std::function<QString()> rutaEscenario,
             QWidget* parent = nullptr);

    /// Fills every cell from the last run and the summary, then shows the window.
    void Llena();
    void Imprime();
    /// Writes the text export to a chosen file; a failed write says so, cancel is silent.
    void ExportaTexto();

    /// Cell of column c (1..16), element i (0 title, 1..24 hours; 1..4 totals in column 16).
    QLabel* Celda(int c, int i) const;
    const QList<QLabel*>& Encabezado() const { return encabezado_; }

private:
    Escenario& e;
    const Resumen& resumen_;
    Interaccion& interaccion_;
    std::function<QString()> rutaEscenario_;
    QList<QList<QLabel*>> columnas_;
    QList<QLabel*> encabezado_;
    std::string texto_;  ///< the export of what the sheet shows, made when it was filled
};

}  // namespace hortelia
