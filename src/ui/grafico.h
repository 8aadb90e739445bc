#pragma once

// The one chart adapter of the program, over Qt Charts. It offers what the panels need
// of a chart: series (columns) and rows, a current row and column, a value from text,
// row labels, a series colour from red, green and blue, and a redraw. Values are kept
// in the adapter and pushed to Qt Charts on Redibuja(), so filling 24 rows costs one redraw.

#include <QChartView>
#include <QColor>
#include <QStringList>
#include <QVector>

#include <string>
#include <utility>

class QBarCategoryAxis;
class QBarSet;
class QChart;
class QLineSeries;
class QValueAxis;

namespace hortelia {

class Grafico : public QChartView {
    Q_OBJECT
public:
    enum class Tipo { Barras, Lineas };

    /// `nombre` becomes the objectName and the accessible name.
    Grafico(const QString& nombre, const QString& titulo, Tipo tipo, QWidget* parent = nullptr);

    void PonSeries(int n);  ///< number of series (columns), 1-based afterwards
    void PonFilas(int n);   ///< number of rows; rows are labelled " 1", " 2", ... until set
    void FilaActual(int fila) { fila_ = fila; }
    void ColumnaActual(int columna) { columna_ = columna; }
    /// Sets the value of the current row and column from the text of a number.
    void PonDato(const std::string& texto);
    void PonValor(int fila, int columna, double valor);
    void EtiquetaFila(int fila, const QString& texto);
    void ColorSerie(int serie, int rojo, int verde, int azul);
    void NombreSerie(int serie, const QString& nombre);
    /// The value axis always covers at least minimo..maximo (0..8 octavos, a few km/h).
    void RangoMinimo(double minimo, double maximo) {
        rangoMin_ = minimo;
        rangoMax_ = maximo;
    }
    void Redibuja();

    int Series() const { return static_cast<int>(datos_.size()); }
    int Filas() const { return filas_; }
    QColor Color(int serie) const;

    /// Values shown since the last redraw (what the user sees).
    double ValorDibujado(int fila, int columna) const;

private:
    /// New axes and series for the present number of series and rows, values at 0.
    void Reconstruye();

    Tipo tipo_;
    int filas_ = 0;
    int fila_ = 1, columna_ = 1;
    double rangoMin_ = 0, rangoMax_ = 0;
    QVector<QVector<double>> datos_;
    QVector<QVector<double>> dibujados_;
    QVector<QColor> colores_;
    QStringList nombres_;
    QStringList etiquetas_;
    // What Qt Charts shows now: its axes, its series, the row count and the unrounded range.
    QBarCategoryAxis* ejeX_ = nullptr;
    QValueAxis* ejeY_ = nullptr;
    QList<QBarSet*> conjuntos_;
    QList<QLineSeries*> lineas_;
    int filasDibujadas_ = -1;
    std::pair<double, double> rangoDibujado_;
};

}  // namespace hortelia
