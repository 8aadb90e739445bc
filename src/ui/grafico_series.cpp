#include "ui/grafico.h"

#include "numeros/conversiones.h"
#include "ui/texto_qt.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QLegendMarker>
#include <QLineSeries>
#include <QValueAxis>

#include <cmath>
#include <limits>

// The chart's Qt Charts objects for its shape, the rows' labels on its axis, and what a screen
// reader hears of it.

namespace hortelia {
namespace {

void FueraDeLaLeyenda(QChart* c, QAbstractSeries* serie) {
    for (QLegendMarker* m : c->legend()->markers(serie)) m->setVisible(false);
}

// A value as the program writes it: one that is a single (the record's hourly figures) by the
// digits of a single, so 0.24F says ".24" and not ".239999994635582"; any other by a double's.
std::string TextoValor(double v) {
    if (std::isfinite(v) && std::abs(v) <= std::numeric_limits<float>::max()) {
        const auto simple = static_cast<float>(v);
        if (static_cast<double>(simple) == v) return NumeroSinBlanco(simple);
    }
    return NumeroSinBlanco(v);
}

}  // namespace

void Grafico::ReconstruyeEjes() {
    QChart* c = chart();
    const QFont pequena = Pequena(font());
    if (FormaActual().rotulosSueltos) {
        // A value axis with labels at chosen values: row f is at f - 1, as on a category axis.
        auto* eje = new QCategoryAxis;
        eje->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        eje->setStartValue(-0.5);
        ejeX_ = eje;
    } else {
        ejeX_ = new QBarCategoryAxis;
    }
    ejeX_->setTruncateLabels(false);  // " 24" fits its column; Qt would cut it to "..."
    ejeX_->setLabelsFont(pequena);
    ejeX_->setTitleFont(pequena);
    c->addAxis(ejeX_, Qt::AlignBottom);
    const int ejes = ejes_.contains(1) ? 2 : 1;
    ejesY_[1] = nullptr;
    for (int k = 0; k < ejes; ++k) {
        ejesY_[k] = new QValueAxis;
        ejesY_[k]->setLabelsFont(pequena);
        ejesY_[k]->setTitleFont(pequena);
        if (k == 1) ejesY_[k]->setGridLineVisible(false);  // the grid follows the left scale
        c->addAxis(ejesY_[k], k == 0 ? Qt::AlignLeft : Qt::AlignRight);
        rangosDibujados_[k] = {0, 0};
    }
}

void Grafico::Reconstruye() {
    QChart* c = chart();
    c->removeAllSeries();
    for (QAbstractAxis* eje : c->axes()) {
        c->removeAxis(eje);
        delete eje;
    }
    conjuntos_.clear();
    lineas_.clear();
    lineasContorno_.clear();

    ReconstruyeEjes();
    const int ejes = ejesY_[1] ? 2 : 1;

    if (tipo_ == Tipo::Barras) {
        // One bar series per value axis: Qt Charts puts the bar series of a chart side by side
        // in each row, so a series on the right stands beside, not over, those on the left.
        QBarSeries* barras[2] = {nullptr, nullptr};
        for (int s = 0; s < Series(); ++s) {
            QBarSeries*& b = barras[ejes_[s]];
            if (!b) {
                b = new QBarSeries;
                b->setBarWidth(0.8);
            }
            auto* conjunto = new QBarSet(QString());
            conjunto->append(QList<qreal>(filas_, 0.0));
            b->append(conjunto);
            conjuntos_.append(conjunto);
        }
        for (int k = 0; k < ejes; ++k)
            if (barras[k]) {
                c->addSeries(barras[k]);
                barras[k]->attachAxis(ejeX_);
                barras[k]->attachAxis(ejesY_[k]);
            }
    } else {
        const auto agrega = [&](int s) {
            auto* linea = new QLineSeries;
            QList<QPointF> ceros;
            ceros.reserve(filas_);
            for (int f = 0; f < filas_; ++f) ceros.append(QPointF(f, 0));
            linea->replace(ceros);
            c->addSeries(linea);
            linea->attachAxis(ejeX_);
            linea->attachAxis(ejesY_[ejes_[s]]);
            return linea;
        };
        // The outlines first: the series added later are drawn over them.
        for (int s = 0; s < Series(); ++s) {
            QLineSeries* contorno = contornos_[s].isValid() ? agrega(s) : nullptr;
            if (contorno) FueraDeLaLeyenda(c, contorno);
            lineasContorno_.append(contorno);
        }
        for (int s = 0; s < Series(); ++s) lineas_.append(agrega(s));
    }
}

void Grafico::PonRotulos() {
    if (auto* categorias = qobject_cast<QBarCategoryAxis*>(ejeX_)) {
        if (categorias->categories() != etiquetas_) categorias->setCategories(etiquetas_);
        return;
    }
    auto* eje = static_cast<QCategoryAxis*>(ejeX_);
    // Kept here, after the series are attached: a value axis would otherwise follow their points.
    if (eje->min() != -0.5 || eje->max() != filas_ - 0.5) eje->setRange(-0.5, filas_ - 0.5);
    QStringList rotulos;
    QList<int> filas;
    for (int f : rotuladas_)
        if (f >= 1 && f <= filas_ && (filas.isEmpty() || f > filas.back())) {
            filas.append(f);
            rotulos.append(etiquetas_[f - 1]);
        }
    if (eje->categoriesLabels() == rotulos) return;
    for (const QString& r : eje->categoriesLabels()) eje->remove(r);
    for (int k = 0; k < filas.size(); ++k) eje->append(rotulos[k], filas[k] - 1);
}

QString Grafico::Descripcion() const {
    // "Temperatura (°C): hora 1: 9.5; hora 2: 6; ...": the axis title says what a series is and
    // in what unit; the series' name is added where an axis holds more than one.
    const QString fila = (tituloX_.isEmpty() ? QStringLiteral("fila") : tituloX_.toLower()) + QLatin1Char(' ');
    QStringList series;
    for (int s = 0; s < Series(); ++s) {
        const QString& eje = titulos_[ejes_[s]];
        QStringList partes;
        if (!nombres_[s].isEmpty() && (eje.isEmpty() || ejes_.count(ejes_[s]) > 1)) partes << nombres_[s];
        if (!eje.isEmpty()) partes << eje;
        if (partes.isEmpty()) partes << (Series() > 1 ? QStringLiteral("Serie %1").arg(s + 1) : chart()->title());
        QStringList valores;
        for (int f = 0; f < filas_; ++f)
            valores << fila + etiquetas_[f].trimmed() + QStringLiteral(": ") + Q(TextoValor(datos_[s][f])) +
                           (textosFilas_[f].isEmpty() ? QString() : QStringLiteral(" (%1)").arg(textosFilas_[f]));
        series << partes.join(QStringLiteral(", ")) + QStringLiteral(": ") + valores.join(QStringLiteral("; "));
    }
    return series.join(QLatin1Char('\n'));
}

}  // namespace hortelia
