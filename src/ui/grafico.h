#pragma once

// The one chart adapter of the program, over Qt Charts. It offers what the panels need
// of a chart: series (columns) and rows, a current row and column, a value from text,
// row labels, a series colour from red, green and blue, axis titles, a second value axis on
// the right, a marked row and a redraw. Values are kept in the adapter and pushed to Qt Charts
// on Redibuja() (titles and axes too), each series in one call, so filling 24 rows or ten
// thousand costs one redraw. grafico_series.cpp builds the Qt Charts objects of a shape. The view tells a
// screen reader its title (accessible name) and its values (accessible description).

#include <QChartView>
#include <QColor>
#include <QStringList>
#include <QVector>

#include <string>
#include <utility>

class QAbstractAxis;
class QBarSet;
class QGraphicsSimpleTextItem;
class QChart;
class QLineSeries;
class QValueAxis;

namespace hortelia {

class Grafico : public QChartView {
    Q_OBJECT
public:
    enum class Tipo { Barras, Lineas };

    /// `nombre` becomes the objectName, `titulo` the chart's title and the accessible name.
    Grafico(const QString& nombre, const QString& titulo, Tipo tipo, QWidget* parent = nullptr);

    void PonSeries(int n);  ///< number of series (columns), 1-based afterwards
    void PonFilas(int n);   ///< number of rows; rows are labelled " 1", " 2", ... until set
    void FilaActual(int fila) { fila_ = fila; }
    void ColumnaActual(int columna) { columna_ = columna; }
    /// Sets the value of the current row and column from the text of a number.
    void PonDato(const std::string& texto);
    void PonValor(int fila, int columna, double valor);
    /// Every row of `serie` at once (a season's days): rows past the values stay 0, values past
    /// the rows are left out. Qt Charts then takes the whole series in one call on Redibuja.
    void PonSerie(int serie, const QList<double>& valores);
    void EtiquetaFila(int fila, const QString& texto);
    void ColorSerie(int serie, int rojo, int verde, int azul);
    void NombreSerie(int serie, const QString& nombre);
    /// Every value axis always covers at least minimo..maximo (0..8 octavos, a few km/h).
    void RangoMinimo(double minimo, double maximo) {
        rangoMin_ = minimo;
        rangoMax_ = maximo;
    }
    /// Title of the rows' axis ("Hora"); its words, lower-cased, also name the rows to a screen reader.
    void TituloEjeX(const QString& titulo) { tituloX_ = titulo; }
    /// A line chart of many rows (a season's days) labels its rows' axis only at `filas` (1-based,
    /// rising: the first day of each month), each with its EtiquetaFila, and draws a grid line
    /// there; every row keeps its label for a screen reader. Empty, the default: every row labelled.
    void RotulaSoloFilas(const QList<int>& filas) { rotuladas_ = filas; }
    /// Title of the left value axis, with its unit ("Temperatura (°C)").
    void TituloEjeY(const QString& titulo) { titulos_[0] = titulo; }
    /// Puts `serie` on a second value axis on the right, with its own scale and title ("Agua (l)"):
    /// the series that stay on the left are not flattened by its larger numbers.
    void EjeDerecho(int serie, const QString& titulo);
    /// A line of this colour drawn wider beneath line series `serie`, so that a light colour keeps
    /// its contrast with the white plot; not in the legend.
    void ContornoSerie(int serie, int rojo, int verde, int azul);
    /// A short text written over row `fila`'s bars (an option's payback); empty writes none.
    void TextoSobreFila(int fila, const QString& texto) {
        if (fila >= 1 && fila <= filas_) textosFilas_[fila - 1] = texto;
    }
    /// Marks row `fila` with a vertical line across the plot; 0 takes the mark away. Cheap: the
    /// chart is not drawn again, only the line moves.
    void MarcaFila(int fila);
    void Redibuja();

    int Series() const { return static_cast<int>(datos_.size()); }
    int Filas() const { return filas_; }
    QColor Color(int serie) const;
    /// The outline colour of a series, invalid when it has none.
    QColor Contorno(int serie) const { return contornos_.value(serie - 1); }
    int FilaMarcada() const { return filaMarcada_; }
    /// The text shown over a row's bars since the last redraw.
    QString TextoDibujado(int fila) const;
    /// The mark: a thin strip over the view's plot, hidden while no row is marked.
    const QWidget* Marca() const { return marca_; }

    /// Values shown since the last redraw (what the user sees).
    double ValorDibujado(int fila, int columna) const;

protected:
    void resizeEvent(QResizeEvent* evento) override;
    void focusInEvent(QFocusEvent* evento) override;
    void focusOutEvent(QFocusEvent* evento) override;

private:
    /// What decides the Qt Charts objects: series, rows, the axis of each series and which lines
    /// have an outline. A redraw of the same shape changes values in place.
    struct Forma {
        int series = -1, filas = -1;
        bool rotulosSueltos = false;  ///< lines labelled only at some rows
        QVector<int> ejes;
        QVector<bool> contornos;
        bool operator==(const Forma&) const = default;
    };
    Forma FormaActual() const;
    /// The font of the axes, the legend and the texts over the bars: the view's, a little smaller.
    static QFont Pequena(QFont f);
    /// New axes and series for the present shape, values at 0.
    void Reconstruye();
    /// The values, names and colours of the bar sets and lines, as they are in the adapter.
    void PonValores();
    /// The rows' axis and the value axes of a new shape.
    void ReconstruyeEjes();
    /// The rows' labels on the axis, all of them or those of RotulaSoloFilas.
    void PonRotulos();
    /// The vertical line of the marked row across the plot, hidden without one.
    void ColocaMarca();
    /// The texts over the bars, each just above its row's highest bar (as drawn last).
    void ColocaTextos();
    /// The accessible description: each series with its value at every row.
    QString Descripcion() const;

    Tipo tipo_;
    int filas_ = 0;
    int fila_ = 1, columna_ = 1;
    int filaMarcada_ = 0;
    double rangoMin_ = 0, rangoMax_ = 0;
    QVector<QVector<double>> datos_;
    QVector<QVector<double>> dibujados_;
    QVector<QColor> colores_;
    QVector<QColor> contornos_;
    QVector<int> ejes_;  ///< per series: 0 left value axis, 1 right
    QStringList nombres_;
    QStringList etiquetas_;
    QStringList textosFilas_;
    QList<QGraphicsSimpleTextItem*> textosDibujados_;
    QList<int> rotuladas_;
    QString tituloX_;
    QString titulos_[2];  ///< left and right value axes
    // What Qt Charts shows now: its axes, its series, the shape and the unrounded ranges.
    QAbstractAxis* ejeX_ = nullptr;  ///< a QBarCategoryAxis, or a QCategoryAxis for lines labelled at some rows
    QValueAxis* ejesY_[2] = {nullptr, nullptr};
    QList<QBarSet*> conjuntos_;
    QList<QLineSeries*> lineas_;
    QList<QLineSeries*> lineasContorno_;  ///< per series, null where it has no outline
    QWidget* marca_;
    Forma formaDibujada_;
    std::pair<double, double> rangosDibujados_[2];
};

}  // namespace hortelia
