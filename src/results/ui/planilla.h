#pragma once

// The data sheet FPlanilla ("Planilla de resultados"): a second window laying out the whole
// day, one row an hour, with the daily totals and a header that repeats the main window's
// summary. Created once, then filled, shown and hidden. Its "&Guarda" writes the text export.

#include "results/textos_resumen.h"
#include "scenario/escenario.h"

#include <QList>
#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;

namespace hortelia {

class DialogoArchivo;
struct Impresion;
class Resumen;

class Planilla : public QWidget {
    Q_OBJECT
public:
    Planilla(Escenario& e, const Resumen& resumen, DialogoArchivo& dialogo, const Impresion& impresion,
             QWidget* parent = nullptr);

    /// Fills every cell from the last run and the summary, then shows the window.
    void Command14_Click();
    void CierraPlan_Click() { hide(); }
    void Command1_Click();
    /// Writes the text export to a chosen file; a failed write says so, cancel is silent.
    void Command2_Click();

    /// Where messages go (a message box by default; tests record them).
    std::function<void(const QString&)> aviso;

    /// Cell of column c (1..16), element i (0 title, 1..24 hours; 1..4 totals in column 16).
    QLabel* Celda(int c, int i) const;
    const QList<QLabel*>& Encabezado() const { return encabezado_; }

private:
    void Avisa(const QString& texto);
    /// The summary column's captions as they stand.
    TextosResumen TextosDelResumen() const;

    Escenario& e;
    const Resumen& resumen_;
    DialogoArchivo& dialogo_;
    const Impresion& impresion_;
    QList<QList<QLabel*>> columnas_;
    QList<QLabel*> encabezado_;
    QPushButton *CierraPlan, *Command1, *Command2;
};

}  // namespace hortelia
