#include "ui/grafico.h"

#include "numeros/conversiones.h"

#include <QBarSet>
#include <QChart>
#include <QGraphicsSimpleTextItem>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <utility>

namespace hortelia {
namespace {

// The mark of the chosen row: dark grey, which stands out from every series colour and the white plot.
const QColor kColorMarca(60, 60, 60);
constexpr int kAnchoMarca = 2;  // pixels

}  // namespace

QFont Grafico::Pequena(QFont f) {
    f.setPointSizeF(std::max(6.0, f.pointSizeF() - 2));
    return f;
}

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
    // Items only for a chart with texts: a season's thousands of rows need none.
    const bool conTextos =
        std::any_of(textosFilas_.begin(), textosFilas_.end(), [](const QString& t) { return !t.isEmpty(); });
    const int items = conTextos ? filas_ : 0;
    while (textosDibujados_.size() > items) delete textosDibujados_.takeLast();
    while (textosDibujados_.size() < items) textosDibujados_.append(new QGraphicsSimpleTextItem(chart()));
    const QRectF area = chart()->plotArea();
    const double minimo = ejesY_[0]->min(), rango = ejesY_[0]->max() - minimo;
    for (int f = 0; f < items; ++f) {
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

void Grafico::PonSerie(int serie, const QList<double>& valores) {
    if (serie < 1 || serie > Series()) return;
    datos_[serie - 1] = valores;
    datos_[serie - 1].resize(filas_);
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

    PonValores();
    ColocaMarca();
    ColocaTextos();
    dibujados_ = datos_;
    const QString descripcion = Descripcion();
    if (accessibleDescription() != descripcion) setAccessibleDescription(descripcion);
}

void Grafico::PonValores() {
    for (int s = 0; s < conjuntos_.size(); ++s) {
        QBarSet* conjunto = conjuntos_[s];
        if (conjunto->label() != nombres_.value(s)) conjunto->setLabel(nombres_.value(s));
        if (conjunto->color() != colores_[s]) {
            conjunto->setColor(colores_[s]);
            conjunto->setBorderColor(colores_[s].darker(130));
        }
        // The whole set in one call when a value changed: each call lays out every bar again.
        bool igual = conjunto->count() == filas_;
        for (int f = 0; igual && f < filas_; ++f) igual = conjunto->at(f) == datos_[s][f];
        if (!igual) {
            if (conjunto->count() > 0) conjunto->remove(0, conjunto->count());
            conjunto->append(datos_[s]);
        }
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
