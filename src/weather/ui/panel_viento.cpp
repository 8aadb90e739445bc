#include "weather/ui/panel_viento.h"

#include "numeros/conversiones.h"
#include "ui/controles_clima.h"
#include "weather/viento.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace hortelia {

PanelViento::PanelViento(Escenario& e, Protocolo& protocolo, Resumen& resumen, QPushButton* botonLateral,
                         QWidget* parent)
    : Panel("FrViento", QStringLiteral("Viento"), e, protocolo, resumen, botonLateral, parent) {
    HScrVHora = CreaBarraHorizontal(this, "HScrVHora", QStringLiteral("Hora"), 1, 24, 1);
    HScrVto = CreaBarraHorizontal(this, "HScrVto", QStringLiteral("Velocidad del viento en km/h"), 0, 100, 10);
    LVHora = CreaEtiqueta(this, "LVHora", {});
    LVtoKh = CreaEtiqueta(this, "LVtoKh", {});
    LVtoms = CreaEtiqueta(this, "LVtoms", {});
    MSCVto = CreaGraficoHoras(this, "MSCVto", QStringLiteral("Viento (km/h)"), Grafico::Tipo::Barras, 1);
    MSCVto->RangoMinimo(0, 10);
    QPushButton* Command18 = CreaBotonAcepta("Command18");

    auto* hora = new QVBoxLayout;
    hora->addWidget(LVHora);
    hora->addWidget(HScrVHora);
    hora->addStretch(1);
    auto* velocidad = new QVBoxLayout;
    velocidad->addWidget(LVtoKh);
    velocidad->addWidget(HScrVto);
    velocidad->addWidget(LVtoms);
    velocidad->addStretch(1);
    auto* arriba = new QHBoxLayout;
    arriba->addLayout(hora, 1);
    arriba->addSpacing(24);
    arriba->addLayout(velocidad, 1);
    auto* pie = new QHBoxLayout;
    pie->addStretch(1);
    pie->addWidget(Command18);
    auto* caja = new QVBoxLayout(this);
    caja->addLayout(arriba);
    caja->addWidget(MSCVto, 1);
    caja->addLayout(pie);

    // Start-up: the bars, the labels and the chart show the record as it stands.
    const int h = e.HoraSel >= 1 && e.HoraSel <= 24 ? e.HoraSel : 1;
    PonBarraSinEventos(HScrVHora, h);
    PonBarraSinEventos(HScrVto, e.VtoHoraKmh(h));
    EscribeHora();
    MSCVto->ColorSerie(1, 0, 0, 250);
    LlenaGrafico();

    connect(HScrVto, &QScrollBar::valueChanged, this, &PanelViento::HScrVto_Change);
    connect(HScrVHora, &QScrollBar::valueChanged, this, &PanelViento::HScrVHora_Change);
    connect(Command18, &QPushButton::clicked, this, &PanelViento::Command18_Click);
}

void PanelViento::EscribeHora() {
    const int h = HScrVHora->value();
    LVHora->setText(TextoHora(h));
    LVtoms->setText(Q(Caption("Velocidad = ", e.VtoHora(h), " m/s")));
    LVtoKh->setText(Q(Caption("Velocidad = ", e.VtoHoraKmh(h), " km/h")));
}

void PanelViento::LlenaGrafico() {
    PonSerie(MSCVto, 1, e.VtoHoraKmh);
    MSCVto->Redibuja();
}

void PanelViento::HScrVto_Change() {
    const int h = e.HoraSel;
    FijaVientoKmh(e, h, static_cast<float>(HScrVto->value()));
    LVtoKh->setText(Q(Caption("Velocidad = ", e.VtoHoraKmh(h), " km/h")));
    LVtoms->setText(Q(Caption("Velocidad = ", e.VtoHora(h), " m/s")));
    PonFila(MSCVto, 1, h, e.VtoHoraKmh(h));
    MSCVto->Redibuja();
}

void PanelViento::HScrVHora_Change() {
    e.HoraSel = static_cast<std::int16_t>(HScrVHora->value());
    HScrVto->setValue(PosicionBarra(HScrVto, e.VtoHoraKmh(e.HoraSel)));
    EscribeHora();
}

void PanelViento::Abre(Origen) {
    show();
    // The hour last used by any hourly panel stays.
    HScrVHora->setValue(e.HoraSel);
    HScrVto->setValue(PosicionBarra(HScrVto, e.VtoHoraKmh(e.HoraSel)));
    EscribeHora();
    protocolo_.AbrePanel(this, true);
}

void PanelViento::Command18_Click() {
    MarcaAceptado();
    hide();
    protocolo_.RehabilitaNavegacion();
}

void PanelViento::MuestraCargado() {
    LlenaGrafico();
    // The bars follow the loaded hour quietly, so that opening the panel keeps its km/h.
    if (e.HoraSel >= 1 && e.HoraSel <= 24) {
        PonBarraSinEventos(HScrVHora, e.HoraSel);
        PonBarraSinEventos(HScrVto, e.VtoHoraKmh(e.HoraSel));
        EscribeHora();
    }
    MarcaAceptado();
}

}  // namespace hortelia
