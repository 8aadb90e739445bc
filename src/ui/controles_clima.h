#pragma once

// Pieces the four weather panels build their controls from, next to the shared ones of
// greenhouse/ui/controles.h: horizontal bars wide enough to aim at, labels and +/- buttons,
// 24-hour charts, and the text by which an hourly value goes to a chart (variants by their
// plain text, singles with the leading blank of number-to-text; the chart reads both as
// the same number).

#include "scenario/escenario.h"
#include "ui/controles.h"
#include "ui/grafico.h"

#include <QString>

#include <string>

class QLabel;
class QPushButton;
class QScrollBar;
class QWidget;

namespace hortelia {

/// Horizontal scroll bar min..max with its objectName and accessible name.
QScrollBar* CreaBarraHorizontal(QWidget* parent, const char* nombre, const QString& accesible, int minimo, int maximo,
                                int pasoGrande);
QLabel* CreaEtiqueta(QWidget* parent, const char* nombre, const QString& texto);
/// "-" or "+" button; the accessible name says what it changes.
QPushButton* CreaBoton(QWidget* parent, const char* nombre, const QString& texto, const QString& accesible);
/// Chart of the 24 hours with `series` series, rows labelled " 1" .. " 24".
Grafico* CreaGraficoHoras(QWidget* parent, const char* nombre, const QString& titulo, Grafico::Tipo tipo, int series);

std::string TextoGrafico(const Variante& v);
std::string TextoGrafico(float v);

/// Row h of series `columna`, as the chart control takes it: select the cell, then its value.
template <class T>
void PonFila(Grafico* g, int columna, int h, const T& valor) {
    g->ColumnaActual(columna);
    g->FilaActual(h);
    g->PonDato(TextoGrafico(valor));
}

/// All 24 rows of series `columna` from an hourly array.
template <class T>
void PonSerie(Grafico* g, int columna, const Horario<T>& horas) {
    for (int h = 1; h <= 24; ++h) PonFila(g, columna, h, horas(h));
}

/// A summary caption of a loaded scenario: an empty text leaves the label's text; shown either way.
void MuestraTextoCarga(QLabel* etiqueta, const std::string& texto);

/// The layout of the panels of a daily curve (temperature, humidity): the two extremes with
/// their bars on the left; the hour, its bar, its value and the -/+ buttons on the right; the
/// chart below; the accept button at the foot.
void DisponePanelDeCurva(QWidget* panel, QLabel* lMax, QScrollBar* barraMax, QLabel* lMin, QScrollBar* barraMin,
                         QLabel* lHora, QScrollBar* barraHora, QLabel* valor, QPushButton* menos, QPushButton* mas,
                         Grafico* grafico, QPushButton* acepta);

/// "Hora " + number-to-text(h).
QString TextoHora(int h);

}  // namespace hortelia
