#include "ui/grafico.h"

#include "numeros/conversiones.h"
#include "ui/texto_qt.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QGraphicsSimpleTextItem>
#include <QLegendMarker>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace hortelia {
namespace {

// The mark of the chosen row: dark grey, which stands out from every series colour and the white plot.
const QColor kColorMarca(60, 60, 60);
constexpr int kAnchoMarca = 2;  // pixels

QFont Pequena(QFont f) {
    f.setPointSizeF(std::max(6.0, f.pointSizeF() - 2));
    return f;
}

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

Grafico::Grafico(const QString& nombre, const QString& titulo, Tipo tipo, QWidget* parent)
    : QChartView(new QChart, parent), tipo_(tipo) {
    // The chart is given to the view at construction: a chart set later would leave the view's
    // own default chart behind, never deleted.
    setObjectName(nombre);
    setAccessibleName(titulo.isEmpty() ? nombre : titulo);
    // Reached by the keyboard (a screen reader then says its name and values), but a click on it
    // leaves the focus where it was, on the bar being moved.
    setFocusPolicy(Qt::TabFocus);
    setRenderHint(QPainter::Antialiasing);
    QChart* c = chart();
    c->legend()->hide();
    c->setMargins(QMargins(2, 2, 2, 2));
    c->setBackgroundRoundness(0);
    c->setBackgroundBrush(Qt::white);  // the colours of the series are chosen against it
    c->setBackgroundPen(Qt::NoPen);
    // Title and legend in the window's own font and a smaller one: the plot of a small chart keeps
    // the height its axis titles need.
    QFont negrita = font();
    negrita.setBold(true);
    c->setTitleFont(negrita);
    c->legend()->setFont(Pequena(font()));
    c->legend()->setAlignment(Qt::AlignRight);
    if (!titulo.isEmpty()) c->setTitle(titulo);
    setMinimumSize(220, 150);

    // The mark of a row is an opaque strip over the chart, not a series nor an item of its scene:
    // a move repaints the chart only where the strip was (a strip of the scene would repaint the
    // chart under both places, three times the cost).
    marca_ = new QWidget(viewport());
    marca_->setAutoFillBackground(true);
    QPalette paleta = marca_->palette();
    paleta.setColor(QPalette::Window, kColorMarca);
    marca_->setPalette(paleta);
    marca_->setAttribute(Qt::WA_TransparentForMouseEvents);
    marca_->setAccessibleName(QStringLiteral("Marca de la hora elegida"));
    marca_->hide();
    connect(c, &QChart::plotAreaChanged, this, [this] {
        ColocaMarca();
        ColocaTextos();
    });
}

void Grafico::PonSeries(int n) {
    datos_.resize(n);
    colores_.resize(n);
    contornos_.resize(n);
    ejes_.resize(n);
    while (nombres_.size() < n) nombres_.append(QString());
    for (auto& s : datos_) s.resize(filas_);
}

void Grafico::PonFilas(int n) {
    filas_ = n;
    for (auto& s : datos_) s.resize(n);
    while (etiquetas_.size() < n) etiquetas_.append(NumeroATexto(static_cast<int>(etiquetas_.size()) + 1).c_str());
    while (etiquetas_.size() > n) etiquetas_.removeLast();
    textosFilas_.resize(n);
}

QString Grafico::TextoDibujado(int fila) const {
    const QGraphicsSimpleTextItem* t = textosDibujados_.value(fila - 1);
    return t && t->isVisible() ? t->text() : QString();
}

void Grafico::ColocaTextos() {
    if (!ejesY_[0]) return;  // before the first redraw
    while (textosDibujados_.size() > filas_) delete textosDibujados_.takeLast();
    while (textosDibujados_.size() < filas_) textosDibujados_.append(new QGraphicsSimpleTextItem(chart()));
    const QRectF area = chart()->plotArea();
    const double minimo = ejesY_[0]->min(), rango = ejesY_[0]->max() - minimo;
    for (int f = 0; f < filas_; ++f) {
        textosDibujados_[f]->setFont(Pequena(font()));
        textosDibujados_[f]->setText(textosFilas_[f]);
        textosDibujados_[f]->setVisible(!textosFilas_[f].isEmpty());
        double alto = 0;
        for (int s = 0; s < Series(); ++s) alto = std::max(alto, datos_[s][f]);
        // Centred over its row, above the bar; inside it where the bar reaches the top.
        const QRectF caja = textosDibujados_[f]->boundingRect();
        const double y = area.bottom() - (alto - minimo) / rango * area.height() - caja.height() - 2;
        textosDibujados_[f]->setPos(area.left() + (f + 0.5) * area.width() / filas_ - caja.width() / 2,
                                    std::max(y, area.top()));
    }
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

void Grafico::EjeDerecho(int serie, const QString& titulo) {
    if (serie < 1 || serie > Series()) return;
    ejes_[serie - 1] = 1;
    titulos_[1] = titulo;
}

void Grafico::ContornoSerie(int serie, int rojo, int verde, int azul) {
    if (serie >= 1 && serie <= Series()) contornos_[serie - 1] = QColor(rojo, verde, azul);
}

double Grafico::ValorDibujado(int fila, int columna) const {
    if (columna < 1 || columna > dibujados_.size() || fila < 1 || fila > dibujados_[columna - 1].size()) return 0;
    return dibujados_[columna - 1][fila - 1];
}

QColor Grafico::Color(int serie) const { return colores_.value(serie - 1); }

Grafico::Forma Grafico::FormaActual() const {
    Forma f{Series(), filas_, tipo_ == Tipo::Lineas && !rotuladas_.isEmpty(), ejes_, {}};
    for (const QColor& c : contornos_) f.contornos.append(tipo_ == Tipo::Lineas && c.isValid());
    return f;
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
            for (int f = 0; f < filas_; ++f) conjunto->append(0);
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
            for (int f = 0; f < filas_; ++f) linea->append(f, 0);
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

void Grafico::MarcaFila(int fila) {
    filaMarcada_ = fila;
    ColocaMarca();
}

void Grafico::ColocaMarca() {
    const bool visible = ejeX_ && filaMarcada_ >= 1 && filaMarcada_ <= filas_;
    if (visible) {
        // The rows share the plot's width evenly (a category axis): row f is centred at
        // (f - 1/2) / rows of the width, for bars and lines alike.
        const QRectF area = chart()->plotArea();
        const double x = area.left() + (filaMarcada_ - 0.5) * area.width() / filas_;
        const QPoint arriba = mapFromScene(chart()->mapToScene(QPointF(x - kAnchoMarca / 2.0, area.top())));
        const QRect enVista(arriba, QSize(kAnchoMarca, qRound(area.height())));
        if (marca_->geometry() != enVista) marca_->setGeometry(enVista);
    }
    if (marca_->isHidden() == visible) marca_->setVisible(visible);
}

void Grafico::Redibuja() {
    // Qt Charts objects are built again only when the shape changed (number of series or rows,
    // the axis of a series, an outline); a redraw of the same shape changes the values, labels,
    // colours, titles and ranges in place, which spares the chart a new layout of its axes (a
    // move of a bar redraws a chart).
    const Forma forma = FormaActual();
    if (!ejeX_ || formaDibujada_ != forma) {
        Reconstruye();
        formaDibujada_ = forma;
    }

    PonRotulos();
    if (ejeX_->titleText() != tituloX_) ejeX_->setTitleText(tituloX_);
    for (int k = 0; k < 2; ++k) {
        QValueAxis* eje = ejesY_[k];
        if (!eje) continue;
        if (eje->titleText() != titulos_[k]) eje->setTitleText(titulos_[k]);
        double minimo = rangoMin_, maximo = rangoMax_;
        for (int s = 0; s < Series(); ++s)
            if (ejes_[s] == k)
                for (double v : datos_[s])
                    if (std::isfinite(v)) {
                        minimo = std::min(minimo, v);
                        maximo = std::max(maximo, v);
                    }
        if (maximo <= minimo) maximo = minimo + 1;
        if (rangosDibujados_[k] != std::pair(minimo, maximo)) {
            eje->setRange(minimo, maximo);
            eje->applyNiceNumbers();
            rangosDibujados_[k] = {minimo, maximo};
        }
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
        QList<QPointF> puntos;
        puntos.reserve(filas_);
        for (int f = 0; f < filas_; ++f) puntos.append(QPointF(f, datos_[s][f]));
        const auto pinta = [&](QLineSeries* linea, const QColor& color, double ancho) {
            if (linea->pen().color() != color) {
                QPen lapiz(color);
                lapiz.setWidthF(ancho);
                linea->setPen(lapiz);
            }
            if (linea->points() != puntos) linea->replace(puntos);
        };
        if (lineas_[s]->name() != nombres_.value(s)) lineas_[s]->setName(nombres_.value(s));
        pinta(lineas_[s], colores_[s], 2);
        if (lineasContorno_[s]) pinta(lineasContorno_[s], contornos_[s], 4);
    }
    ColocaMarca();
    ColocaTextos();
    dibujados_ = datos_;
    const QString descripcion = Descripcion();
    if (accessibleDescription() != descripcion) setAccessibleDescription(descripcion);
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

void Grafico::resizeEvent(QResizeEvent* evento) {
    // The chart's new plot is announced while the view still maps the old scene: the mark is placed
    // again once the view has its new size.
    QChartView::resizeEvent(evento);
    ColocaMarca();
}

void Grafico::focusInEvent(QFocusEvent* evento) {
    // The focus shows as a frame in the highlight colour, as on the other controls.
    chart()->setBackgroundPen(QPen(palette().color(QPalette::Highlight), 2));
    QChartView::focusInEvent(evento);
}

void Grafico::focusOutEvent(QFocusEvent* evento) {
    chart()->setBackgroundPen(Qt::NoPen);
    QChartView::focusOutEvent(evento);
}

}  // namespace hortelia
