#include "weather/ui/panel_curva.h"

#include "numeros/conversiones.h"
#include "ui/controles.h"
#include "ui/grafico.h"
#include "ui/texto_qt.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace hortelia {

PanelCurva::PanelCurva(Contexto& contexto, Curva curva, QWidget* parent)
    : Panel(curva.frame, curva.titulo, curva.indice, contexto, parent), c(std::move(curva)) {
    const QString unidad = QString::fromUtf8(c.unidadVisible);
    barraMaxima_ = CreaBarra(this, c.barraMaxima, c.accesibleMaxima, Qt::Horizontal, c.minimoBarraMaxima,
                             c.maximoBarraMaxima, 10, EnUnidad(1 / c.posicionesPorUnidad, unidad));
    barraMinima_ = CreaBarra(this, c.barraMinima, c.accesibleMinima, Qt::Horizontal, c.minimoBarraMinima,
                             c.maximoBarraMinima, 10, EnUnidad(1 / c.posicionesPorUnidad, unidad));
    barraHora_ = CreaBarra(this, c.barraHora, QStringLiteral("Hora"), Qt::Horizontal, 1, 24, 1);
    ExplicaBarras();
    etiquetaMaxima_ = CreaEtiqueta(this, c.etiquetaMaxima);
    etiquetaMinima_ = CreaEtiqueta(this, c.etiquetaMinima);
    etiquetaHora_ = CreaEtiqueta(this, c.etiquetaHora);
    etiquetaValor_ = CreaEtiqueta(this, c.etiquetaValor);
    QPushButton* menos = CreaBotonPaso(this, c.menos, QStringLiteral("-"), c.accesibleMenos);
    QPushButton* mas = CreaBotonPaso(this, c.mas, QStringLiteral("+"), c.accesibleMas);
    grafico_ = CreaGraficoHoras(this, c.grafico, c.tituloGrafico, Grafico::Tipo::Lineas, 1);
    grafico_->RangoMinimo(c.minimoGrafico, c.maximoGrafico);
    grafico_->TituloEjeY(c.tituloEje);
    CreaBotonAcepta();

    // The two extremes with their bars on the left; the hour, its bar, its value and the -/+
    // buttons on the right; the chart below; the accept button at the foot.
    auto* extremos = new QGridLayout;
    extremos->addWidget(etiquetaMaxima_, 0, 0);
    extremos->addWidget(barraMaxima_, 1, 0);
    extremos->addWidget(etiquetaMinima_, 2, 0);
    extremos->addWidget(barraMinima_, 3, 0);
    auto* botones = new QHBoxLayout;
    botones->addWidget(etiquetaValor_, 1);
    botones->addWidget(menos);
    botones->addWidget(mas);
    auto* hora = new QVBoxLayout;
    hora->addWidget(etiquetaHora_);
    hora->addWidget(barraHora_);
    hora->addLayout(botones);
    hora->addStretch(1);
    auto* arriba = new QHBoxLayout;
    arriba->addLayout(extremos, 1);
    arriba->addSpacing(24);
    arriba->addLayout(hora, 1);
    DisponeConGraficos(arriba, {{grafico_, 1}});

    // Start-up: the bars, the labels and the chart show the record as it stands.
    PonBarras();
    PonBarraSinEventos(barraHora_, 1);
    EscribeExtremos();
    EscribeHora();
    grafico_->ColorSerie(1, c.color.red(), c.color.green(), c.color.blue());
    LlenaGrafico();

    connect(barraMaxima_, &QScrollBar::valueChanged, this, &PanelCurva::CambiaMaxima);
    connect(barraMinima_, &QScrollBar::valueChanged, this, &PanelCurva::CambiaMinima);
    connect(barraHora_, &QScrollBar::valueChanged, this, &PanelCurva::CambiaHora);
    connect(mas, &QPushButton::clicked, this, &PanelCurva::Sube);
    connect(menos, &QPushButton::clicked, this, &PanelCurva::Baja);
}

// Each bar's tooltip: what it sets and its range.
void PanelCurva::ExplicaBarras() {
    const QString unidad = QString::fromUtf8(c.unidadVisible);
    auto rango = [&](int minimo, int maximo) {
        return QStringLiteral("de %1 a %2 %3")
            .arg(Q(NumeroSinBlanco(minimo / c.posicionesPorUnidad)), Q(NumeroSinBlanco(maximo / c.posicionesPorUnidad)),
                 unidad);
    };
    const QString recalcula = QStringLiteral("; recalcula las 24 horas y borra las correcciones");
    Explica(barraMaxima_, c.accesibleMaxima + QStringLiteral(" del día: ") +
                              rango(c.minimoBarraMaxima, c.maximoBarraMaxima) + recalcula);
    Explica(barraMinima_, c.accesibleMinima + QStringLiteral(" del día: ") +
                              rango(c.minimoBarraMinima, c.maximoBarraMinima) + recalcula);
    Explica(barraHora_, QStringLiteral("Hora del día que se ve y se corrige con - y + (1 a 24)"));
}

QString PanelCurva::TextoExtremo(const char* prefijo, const Variante& v) const {
    return Q(Caption(prefijo, v, c.unidad));
}

void PanelCurva::EscribeExtremos() {
    etiquetaMaxima_->setText(TextoExtremo("Máxima = ", e.*c.maxima));
    etiquetaMinima_->setText(TextoExtremo("Mínima = ", e.*c.minima));
}

void PanelCurva::EscribeHora() {
    etiquetaHora_->setText(TextoHora(Hora()));
    etiquetaValor_->setText(Q(c.prefijoValor + c.valor(e, Hora()) + c.unidad));
}

void PanelCurva::PonBarras() {
    PonBarraSinEventos(barraMaxima_, (e.*c.maxima).valor() * c.posicionesPorUnidad);
    PonBarraSinEventos(barraMinima_, (e.*c.minima).valor() * c.posicionesPorUnidad);
}

void PanelCurva::LlenaGrafico() {
    for (int h = 1; h <= 24; ++h) c.grafica(grafico_, e, h);
    grafico_->Redibuja();
}

void PanelCurva::CambiaExtremo(QScrollBar* barra, Variante Escenario::*campo, QLabel* etiqueta, const char* prefijo,
                               Resumen::Linea linea) {
    e.*campo = c.deBarra(barra->value());
    etiqueta->setText(TextoExtremo(prefijo, e.*campo));
    resumen_.Escribe(linea, etiqueta->text());
    c.calcula(e);
    LlenaGrafico();
    EscribeHora();
}

void PanelCurva::CambiaMaxima() { CambiaExtremo(barraMaxima_, c.maxima, etiquetaMaxima_, "Máxima = ", c.lineaMaxima); }
void PanelCurva::CambiaMinima() { CambiaExtremo(barraMinima_, c.minima, etiquetaMinima_, "Mínima = ", c.lineaMinima); }

void PanelCurva::CambiaHora() {
    PonHora(barraHora_->value());
    EscribeHora();
}

void PanelCurva::Sube() {
    c.sube(e, Hora());
    c.grafica(grafico_, e, Hora());
    grafico_->Redibuja();
    EscribeHora();
}

void PanelCurva::Baja() {
    c.baja(e, Hora());
    c.grafica(grafico_, e, Hora());
    grafico_->Redibuja();
    EscribeHora();
}

void PanelCurva::Abre(Origen) {
    EscribeExtremos();
    resumen_.Muestra(c.lineaMaxima, etiquetaMaxima_->text());
    resumen_.Muestra(c.lineaMinima, etiquetaMinima_->text());
    resumen_.Muestra(c.seccion);
    // Moving a bar reruns the curve, which replaces the hourly corrections.
    barraMaxima_->setValue(PosicionBarra(barraMaxima_, (e.*c.maxima).valor() * c.posicionesPorUnidad));
    barraMinima_->setValue(PosicionBarra(barraMinima_, (e.*c.minima).valor() * c.posicionesPorUnidad));
    PonHora(1);
    barraHora_->setValue(1);
    // Always hour 1 on the labels, even when the bar was already there.
    EscribeHora();
    AbrePanel();
}

void PanelCurva::Acepta() {
    MarcaAceptado();
    Cierra();
}

void PanelCurva::MuestraCargado() {
    LlenaGrafico();
    // The bars follow the loaded extremes quietly, so that opening the panel keeps the
    // loaded hours instead of rerunning the curve.
    PonBarras();
    EscribeExtremos();
    PonBarraSinEventos(barraHora_, Hora());
    EscribeHora();
    MarcaAceptado();
}

}  // namespace hortelia
