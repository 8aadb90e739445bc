#include "weather/ui/panel_viento.h"

#include "numeros/conversiones.h"
#include "ui/controles.h"
#include "ui/texto_qt.h"
#include "weather/viento.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace hortelia {

PanelViento::PanelViento(Contexto& contexto, QWidget* parent)
    : Panel("FrViento", QStringLiteral("Viento"), kPanelViento, contexto, parent) {
    barraHora_ = CreaBarra(this, "HScrVHora", QStringLiteral("Hora"), Qt::Horizontal, 1, 24, 1);
    barraVelocidad_ = CreaBarra(this, "HScrVto", QStringLiteral("Velocidad del viento en km/h"), Qt::Horizontal, 0, 100,
                                10, EnUnidad(1, QStringLiteral("km/h")));
    Explica(barraHora_, QStringLiteral("Hora del día cuyo viento se ve y se cambia (1 a 24)"));
    Explica(barraVelocidad_, QStringLiteral("Velocidad del viento en la hora elegida: de 0 a 100 km/h"));
    hora_ = CreaEtiqueta(this, "LVHora");
    kmh_ = CreaEtiqueta(this, "LVtoKh");
    ms_ = CreaEtiqueta(this, "LVtoms");
    grafico_ = CreaGraficoHoras(this, "MSCVto", QStringLiteral("Viento (km/h)"), Grafico::Tipo::Barras, 1);
    grafico_->RangoMinimo(0, 10);
    grafico_->TituloEjeY(QStringLiteral("Viento (km/h)"));
    CreaBotonAcepta();

    auto* columnaHora = new QVBoxLayout;
    columnaHora->addWidget(hora_);
    columnaHora->addWidget(barraHora_);
    columnaHora->addStretch(1);
    auto* velocidad = new QVBoxLayout;
    velocidad->addWidget(kmh_);
    velocidad->addWidget(barraVelocidad_);
    velocidad->addWidget(ms_);
    velocidad->addStretch(1);
    auto* arriba = new QHBoxLayout;
    arriba->addLayout(columnaHora, 1);
    arriba->addSpacing(24);
    arriba->addLayout(velocidad, 1);
    DisponeConGraficos(arriba, {{grafico_, 1}});

    // Start-up: the bars, the labels and the chart show the record as it stands.
    const int h = Hora();
    PonBarraSinEventos(barraHora_, h);
    PonBarraSinEventos(barraVelocidad_, e.VtoHoraKmh(h));
    EscribeHora();
    grafico_->ColorSerie(1, 0, 0, 250);
    LlenaGrafico();

    connect(barraVelocidad_, &QScrollBar::valueChanged, this, &PanelViento::CambiaVelocidad);
    connect(barraHora_, &QScrollBar::valueChanged, this, &PanelViento::CambiaHora);
}

void PanelViento::EscribeHora() {
    const int h = barraHora_->value();
    hora_->setText(TextoHora(h));
    ms_->setText(Q(Caption("Velocidad = ", e.VtoHora(h), " m/s")));
    kmh_->setText(Q(Caption("Velocidad = ", e.VtoHoraKmh(h), " km/h")));
}

void PanelViento::LlenaGrafico() {
    PonSerie(grafico_, 1, e.VtoHoraKmh);
    grafico_->Redibuja();
}

void PanelViento::CambiaVelocidad() {
    const int h = Hora();
    FijaVientoKmh(e, h, static_cast<float>(barraVelocidad_->value()));
    kmh_->setText(Q(Caption("Velocidad = ", e.VtoHoraKmh(h), " km/h")));
    ms_->setText(Q(Caption("Velocidad = ", e.VtoHora(h), " m/s")));
    PonFila(grafico_, 1, h, e.VtoHoraKmh(h));
    grafico_->Redibuja();
}

void PanelViento::CambiaHora() {
    PonHora(barraHora_->value());
    barraVelocidad_->setValue(PosicionBarra(barraVelocidad_, e.VtoHoraKmh(Hora())));
    EscribeHora();
}

void PanelViento::Abre(Origen) {
    show();
    // The hour last used by any hourly panel stays.
    barraHora_->setValue(Hora());
    barraVelocidad_->setValue(PosicionBarra(barraVelocidad_, e.VtoHoraKmh(Hora())));
    EscribeHora();
    AbrePanel();
}

void PanelViento::Acepta() {
    MarcaAceptado();
    Cierra();
}

void PanelViento::MuestraCargado() {
    LlenaGrafico();
    // The bars follow the hour shown quietly, so that opening the panel keeps its km/h.
    PonBarraSinEventos(barraHora_, Hora());
    PonBarraSinEventos(barraVelocidad_, e.VtoHoraKmh(Hora()));
    EscribeHora();
    MarcaAceptado();
}

}  // namespace hortelia
