#pragma once

// The one factory of the panels' controls: labels, buttons, group boxes, option-button arrays,
// scroll bars with a name a screen reader can say, 24-hour charts; and the writes that show a
// record value in a control without running the control's handler. A control's objectName
// (`nombre`) is given only where a test or a tool looks the control up by it; nullptr (an empty
// name for an option array) gives none.

#include "scenario/escenario.h"
#include "ui/grafico.h"

#include <QDateEdit>
#include <QList>
#include <QRadioButton>
#include <QString>
#include <QStringList>

#include <functional>
#include <string>

class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QWidget;

namespace hortelia {

QLabel* CreaEtiqueta(QWidget* padre, const char* nombre, const QString& texto = {});

/// A date field that one Tab leaves (a QDateEdit's Tab walks its day, month and year first) and
/// that a screen reader names with its date: "Primer día: 01/06/2024", its value the same date.
class EditorFecha : public QDateEdit {
public:
    EditorFecha(QWidget* padre, const char* nombre, const QString& accesible);
    /// Names the field again after its display format changed.
    void Nombra();

protected:
    bool focusNextPrevChild(bool siguiente) override;

private:
    QString accesible_;
};

/// A button; `accesible` names what it does where its caption does not ("-", "+").
QPushButton* CreaBoton(QWidget* padre, const char* nombre, const QString& texto, const QString& accesible = {});
/// A small "-" or "+" button.
QPushButton* CreaBotonPaso(QWidget* padre, const char* nombre, const QString& texto, const QString& accesible);
/// A group box whose title is also its accessible name.
QGroupBox* CreaGrupo(QWidget* padre, const char* nombre, const QString& titulo);

/// The option-button array `nombre`_0, `nombre`_1, ... (unnamed when `nombre` is empty) with one
/// caption each; exclusive.
QList<QRadioButton*> CreaOpciones(QWidget* padre, const QString& nombre, const QStringList& textos);
/// Runs `manejador` when one of the options becomes checked (by the user or by code).
template <class Objeto>
void ConectaOpciones(const QList<QRadioButton*>& opciones, Objeto* objeto, void (Objeto::*manejador)()) {
    for (QRadioButton* r : opciones)
        QObject::connect(r, &QRadioButton::toggled, objeto, [objeto, manejador](bool marcada) {
            if (marcada) (objeto->*manejador)();
        });
}
/// Index of the checked option of an array, -1 when none is checked.
int OpcionMarcada(const QList<QRadioButton*>& opciones);
/// Checks option i without running any handler; an index outside the array changes nothing.
void MarcaOpcionSinEventos(const QList<QRadioButton*>& opciones, int i);

/// How a bar's position reads to its user: the value it stands for (position × `factor`) and
/// its text ("31.5°" for position 63 of the latitude bar). A screen reader hears these.
struct Lectura {
    double factor = 1;
    std::function<QString(int posicion)> texto;  ///< by default the value by number-to-text
};
/// The value times `factor` with `unidad` after it: "31.5°", "40 %", "3.5".
Lectura EnUnidad(double factor, const QString& unidad);

/// A scroll bar with objectName `nombre`, accessible name `accesible`, range and large step;
/// a horizontal one wide enough to aim at. Its accessible value is `lectura`'s.
QScrollBar* CreaBarra(QWidget* padre, const char* nombre, const QString& accesible, Qt::Orientation orientacion,
                      int minimo, int maximo, int pasoGrande, Lectura lectura = {});

/// A tooltip and a status-bar text: what the control does, its unit and range.
void Explica(QWidget* control, const QString& texto);
/// Bar position of a record value: 16-bit integer (halves to even), kept inside the bar's range.
int PosicionBarra(const QScrollBar* barra, double valor);
/// Puts the bar on a record value without running its change handler.
void PonBarraSinEventos(QScrollBar* barra, double valor);

/// Chart of the 24 hours with `series` series, rows labelled " 1" .. " 24".
Grafico* CreaGraficoHoras(QWidget* padre, const char* nombre, const QString& titulo, Grafico::Tipo tipo, int series);

/// The text by which an hourly value goes to a chart: variants by their plain text, singles
/// with the leading blank of number-to-text; the chart reads both as the same number.
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

/// "Hora " + number-to-text(h).
QString TextoHora(int h);

}  // namespace hortelia
