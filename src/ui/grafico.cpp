#include "ui/grafico.h"

#include "numeros/conversiones.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <utility>

namespace hortelia {

Grafico::Grafico(const QString& nombre, const QString& titulo, Tipo tipo, QWidget* parent)
    : QChartView(new QChart, parent), tipo_(tipo) {
    // The chart is given to the view at construction: a chart set later would leave the view's
    // own default chart behind, never deleted.
    setObjectName(nombre);
    setAccessibleName(titulo.isEmpty() ? nombre : titulo);
    setRenderHint(QPainter::Antialiasing);
    QChart* c = chart();
    c->legend()->hide();
    c->setMargins(QMargins(2, 2, 2, 2));
    c->setBackgroundRoundness(0);
    if (!titulo.isEmpty()) c->setTitle(titulo);
    setMinimumSize(220, 150);
}

void Grafico::PonSeries(int n) {
    datos_.resize(n);
    colores_.resize(n);
    while (nombres_.size() < n) nombres_.append(QString());
    for (auto& s : datos_) s.resize(filas_);
}

void Grafico::PonFilas(int n) {
    filas_ = n;
    for (auto& s : datos_) s.resize(n);
    while (etiquetas_.size() < n) etiquetas_.append(NumeroATexto(static_cast<int>(etiquetas_.size()) + 1).c_str());
    while (etiquetas_.size() > n) etiquetas_.removeLast();
}

void Grafico::PonDato(const std::string& texto) { PonValor(fila_, columna_, Parse(texto)); }

void Grafico::PonValor(int fila, int columna, double valor) {
    if (columna < 1 || columna > Series() || fila < 1 || fila > filas_) return;
    datos_[columna - 1][fila - 1] = valor;
}

void Grafico::EtiquetaFila(int fila, const QString& texto) {
    if (fila >= 1 && fila <= filas_) etiquetas_[fila - 1] = texto;
}

void Grafico::ColorSerie(int serie, int rojo, int verde, int azul) {
    if (serie >= 1 && serie <= Series()) colores_[serie - 1] = QColor(rojo, verde, azul);
}

void Grafico::NombreSerie(int serie, const QString& nombre) {
    if (serie >= 1 && serie <= Series()) nombres_[serie - 1] = nombre;
}

double Grafico::ValorDibujado(int fila, int columna) const {
    if (columna < 1 || columna > dibujados_.size() || fila < 1 || fila > dibujados_[columna - 1].size()) return 0;
    return dibujados_[columna - 1][fila - 1];
}

QColor Grafico::Color(int serie) const { return colores_.value(serie - 1); }

void Grafico::Reconstruye() {
    QChart* c = chart();
    c->removeAllSeries();
    for (QAbstractAxis* eje : c->axes()) {
        c->removeAxis(eje);
        delete eje;
    }
    conjuntos_.clear();
    lineas_.clear();

    ejeX_ = new QBarCategoryAxis;
    QFont pequena = ejeX_->labelsFont();
    pequena.setPointSizeF(std::max(6.0, pequena.pointSizeF() - 2));
    ejeX_->setLabelsFont(pequena);
    ejeX_->setTruncateLabels(false);  // " 24" fits its column; Qt would cut it to "..."
    ejeY_ = new QValueAxis;
    ejeY_->setLabelsFont(pequena);
    c->addAxis(ejeX_, Qt::AlignBottom);
    c->addAxis(ejeY_, Qt::AlignLeft);
    rangoDibujado_ = {0, 0};

    if (tipo_ == Tipo::Barras) {
        auto* barras = new QBarSeries;
        barras->setBarWidth(0.8);
        for (int s = 0; s < Series(); ++s) {
            auto* conjunto = new QBarSet(QString());
            for (int f = 0; f < filas_; ++f) conjunto->append(0);
            barras->append(conjunto);
            conjuntos_.append(conjunto);
        }
        c->addSeries(barras);
        barras->attachAxis(ejeX_);
        barras->attachAxis(ejeY_);
    } else {
        for (int s = 0; s < Series(); ++s) {
            auto* linea = new QLineSeries;
            for (int f = 0; f < filas_; ++f) linea->append(f, 0);
            c->addSeries(linea);
            linea->attachAxis(ejeX_);
            linea->attachAxis(ejeY_);
            lineas_.append(linea);
        }
    }
}

void Grafico::Redibuja() {
    // Qt Charts objects are built again only when the number of series or rows changed; a
    // redraw of the same shape changes the values, labels, colours and range in place, which
    // spares the chart a new layout of its axes (a move of a bar redraws a chart).
    const int seriesDibujadas = static_cast<int>(tipo_ == Tipo::Barras ? conjuntos_.size() : lineas_.size());
    if (!ejeX_ || seriesDibujadas != Series() || filasDibujadas_ != filas_) {
        Reconstruye();
        filasDibujadas_ = filas_;
    }

    if (ejeX_->categories() != etiquetas_) ejeX_->setCategories(etiquetas_);
    double minimo = rangoMin_, maximo = rangoMax_;
    for (const auto& s : datos_)
        for (double v : s)
            if (std::isfinite(v)) {
                minimo = std::min(minimo, v);
                maximo = std::max(maximo, v);
            }
    if (maximo <= minimo) maximo = minimo + 1;
    if (rangoDibujado_ != std::pair(minimo, maximo)) {
        ejeY_->setRange(minimo, maximo);
        ejeY_->applyNiceNumbers();
        rangoDibujado_ = {minimo, maximo};
    }

    const bool leyenda = std::any_of(nombres_.begin(), nombres_.end(), [](const QString& n) { return !n.isEmpty(); });
    if (chart()->legend()->isVisible() != leyenda) chart()->legend()->setVisible(leyenda);

    for (int s = 0; s < conjuntos_.size(); ++s) {
        QBarSet* conjunto = conjuntos_[s];
        if (conjunto->label() != nombres_.value(s)) conjunto->setLabel(nombres_.value(s));
        if (conjunto->color() != colores_[s]) {
            conjunto->setColor(colores_[s]);
            conjunto->setBorderColor(colores_[s].darker(130));
        }
        for (int f = 0; f < filas_; ++f)
            if (conjunto->at(f) != datos_[s][f]) conjunto->replace(f, datos_[s][f]);
    }
    for (int s = 0; s < lineas_.size(); ++s) {
        QLineSeries* linea = lineas_[s];
        if (linea->name() != nombres_.value(s)) linea->setName(nombres_.value(s));
        if (linea->pen().color() != colores_[s]) {
            QPen lapiz(colores_[s]);
            lapiz.setWidthF(2);
            linea->setPen(lapiz);
        }
        QList<QPointF> puntos;
        puntos.reserve(filas_);
        for (int f = 0; f < filas_; ++f) puntos.append(QPointF(f, datos_[s][f]));
        if (linea->points() != puntos) linea->replace(puntos);
    }
    dibujados_ = datos_;
}

}  // namespace hortelia
