#include "greenhouse/ui/grafico.h"

#include "greenhouse/conversiones.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

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

double Grafico::Valor(int fila, int columna) const {
    if (columna < 1 || columna > Series() || fila < 1 || fila > filas_) return 0;
    return datos_[columna - 1][fila - 1];
}

double Grafico::ValorDibujado(int fila, int columna) const {
    if (columna < 1 || columna > dibujados_.size() || fila < 1 || fila > dibujados_[columna - 1].size()) return 0;
    return dibujados_[columna - 1][fila - 1];
}

QColor Grafico::Color(int serie) const { return colores_.value(serie - 1); }

void Grafico::Redibuja() {
    QChart* c = chart();
    c->removeAllSeries();
    for (QAbstractAxis* eje : c->axes()) {
        c->removeAxis(eje);
        delete eje;
    }

    double minimo = rangoMin_, maximo = rangoMax_;
    for (const auto& s : datos_)
        for (double v : s)
            if (std::isfinite(v)) {
                minimo = std::min(minimo, v);
                maximo = std::max(maximo, v);
            }
    if (maximo <= minimo) maximo = minimo + 1;

    auto* ejeX = new QBarCategoryAxis;
    ejeX->append(etiquetas_);
    QFont pequena = ejeX->labelsFont();
    pequena.setPointSizeF(std::max(6.0, pequena.pointSizeF() - 2));
    ejeX->setLabelsFont(pequena);
    ejeX->setTruncateLabels(false);  // " 24" fits its column; Qt would cut it to "..."
    auto* ejeY = new QValueAxis;
    ejeY->setRange(minimo, maximo);
    ejeY->setLabelsFont(pequena);
    ejeY->applyNiceNumbers();
    c->addAxis(ejeX, Qt::AlignBottom);
    c->addAxis(ejeY, Qt::AlignLeft);

    const bool leyenda = std::any_of(nombres_.begin(), nombres_.end(), [](const QString& n) { return !n.isEmpty(); });
    c->legend()->setVisible(leyenda);

    if (tipo_ == Tipo::Barras) {
        auto* barras = new QBarSeries;
        barras->setBarWidth(0.8);
        for (int s = 0; s < Series(); ++s) {
            auto* conjunto = new QBarSet(nombres_.value(s));
            for (double v : datos_[s]) conjunto->append(v);
            conjunto->setColor(colores_[s]);
            conjunto->setBorderColor(colores_[s].darker(130));
            barras->append(conjunto);
        }
        c->addSeries(barras);
        barras->attachAxis(ejeX);
        barras->attachAxis(ejeY);
    } else {
        for (int s = 0; s < Series(); ++s) {
            auto* linea = new QLineSeries;
            linea->setName(nombres_.value(s));
            for (int f = 0; f < filas_; ++f) linea->append(f, datos_[s][f]);
            QPen lapiz(colores_[s]);
            lapiz.setWidthF(2);
            linea->setPen(lapiz);
            c->addSeries(linea);
            linea->attachAxis(ejeX);
            linea->attachAxis(ejeY);
        }
    }
    dibujados_ = datos_;
}

}  // namespace hortelia
