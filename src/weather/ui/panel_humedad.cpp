#include "weather/ui/panel_humedad.h"

#include "numeros/conversiones.h"
#include "results/textos_resumen.h"
#include "ui/controles_clima.h"
#include "weather/humedad.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace hortelia {

PanelHumedad::PanelHumedad(Escenario& e, Protocolo& protocolo, Resumen& resumen, QPushButton* botonLateral,
                           QWidget* parent)
    : Panel("FrHRel", QStringLiteral("Humedad relativa"), e, protocolo, resumen, botonLateral, parent) {
    HScrHRMax = CreaBarraHorizontal(this, "HScrHRMax", QStringLiteral("Humedad relativa máxima"), 0, 100, 10);
    HScrHRMin = CreaBarraHorizontal(this, "HScrHRMin", QStringLiteral("Humedad relativa mínima"), 0, 100, 10);
    HScrHRelH = CreaBarraHorizontal(this, "HScrHRelH", QStringLiteral("Hora"), 1, 24, 1);
    LHRMax = CreaEtiqueta(this, "LHRMax", {});
    LHRMin = CreaEtiqueta(this, "LHRMin", {});
    LHRHora = CreaEtiqueta(this, "LHRHora", {});
    LHRel = CreaEtiqueta(this, "LHRel", {});
    HRMenos = CreaBoton(this, "HRMenos", QStringLiteral("-"), QStringLiteral("Bajar la humedad de la hora"));
    HRMas = CreaBoton(this, "HRMas", QStringLiteral("+"), QStringLiteral("Subir la humedad de la hora"));
    MSCHRel = CreaGraficoHoras(this, "MSCHRel", QStringLiteral("Humedad relativa (%)"), Grafico::Tipo::Lineas, 1);
    MSCHRel->RangoMinimo(0, 100);
    QPushButton* Command16 = CreaBotonAcepta("Command16");

    DisponePanelDeCurva(this, LHRMax, HScrHRMax, LHRMin, HScrHRMin, LHRHora, HScrHRelH, LHRel, HRMenos, HRMas, MSCHRel,
                        Command16);

    // Start-up: the bars, the labels and the chart show the record as it stands.
    PonBarras();
    PonBarraSinEventos(HScrHRelH, 1);
    EscribeExtremos();
    EscribeHora();
    MSCHRel->ColorSerie(1, 0, 200, 128);
    LlenaGrafico();

    connect(HScrHRMax, &QScrollBar::valueChanged, this, &PanelHumedad::HScrHRMax_Change);
    connect(HScrHRMin, &QScrollBar::valueChanged, this, &PanelHumedad::HScrHRMin_Change);
    connect(HScrHRelH, &QScrollBar::valueChanged, this, &PanelHumedad::HScrHRelH_Change);
    connect(HRMas, &QPushButton::clicked, this, &PanelHumedad::HRMas_Click);
    connect(HRMenos, &QPushButton::clicked, this, &PanelHumedad::HRMenos_Click);
    connect(Command16, &QPushButton::clicked, this, &PanelHumedad::Command16_Click);
}

void PanelHumedad::EscribeExtremos() {
    LHRMax->setText(Q(Caption("Máxima = ", e.HRMax, " %")));
    LHRMin->setText(Q(Caption("Mínima = ", e.HRMin, " %")));
}

void PanelHumedad::EscribeHora() {
    LHRHora->setText(TextoHora(e.HoraSel));
    LHRel->setText(Q(Caption("HR = ", e.HRHora(e.HoraSel), " %")));
}

void PanelHumedad::PonBarras() {
    PonBarraSinEventos(HScrHRMax, e.HRMax.valor());
    PonBarraSinEventos(HScrHRMin, e.HRMin.valor());
}

void PanelHumedad::LlenaGrafico() {
    PonSerie(MSCHRel, 1, e.HRHora);
    MSCHRel->Redibuja();
}

void PanelHumedad::HScrHRMax_Change() {
    e.HRMax = Variante::Entero(static_cast<std::int16_t>(HScrHRMax->value()));
    LHRMax->setText(Q(Caption("Máxima = ", e.HRMax, " %")));
    resumen_.LFHRMax->setText(LHRMax->text());
    CalculaHumedad(e);
    LlenaGrafico();
    EscribeHora();
}

void PanelHumedad::HScrHRMin_Change() {
    e.HRMin = Variante::Entero(static_cast<std::int16_t>(HScrHRMin->value()));
    LHRMin->setText(Q(Caption("Mínima = ", e.HRMin, " %")));
    resumen_.LFHRMin->setText(LHRMin->text());
    CalculaHumedad(e);
    LlenaGrafico();
    EscribeHora();
}

void PanelHumedad::HScrHRelH_Change() {
    e.HoraSel = static_cast<std::int16_t>(HScrHRelH->value());
    EscribeHora();
}

void PanelHumedad::HRMas_Click() {
    HumedadMas(e, e.HoraSel);
    LHRel->setText(Q(Caption("HR = ", e.HRHora(e.HoraSel), " %")));
    PonFila(MSCHRel, 1, e.HoraSel, e.HRHora(e.HoraSel));
    MSCHRel->Redibuja();
}

void PanelHumedad::HRMenos_Click() {
    HumedadMenos(e, e.HoraSel);
    LHRel->setText(Q(Caption("HR = ", e.HRHora(e.HoraSel), " %")));
    PonFila(MSCHRel, 1, e.HoraSel, e.HRHora(e.HoraSel));
    MSCHRel->Redibuja();
}

void PanelHumedad::Abre(Origen) {
    show();
    EscribeExtremos();
    Resumen::Muestra(resumen_.LFHRMax, LHRMax->text());
    Resumen::Muestra(resumen_.LFHRMin, LHRMin->text());
    resumen_.LFHRel->show();
    // The hour selector goes back to 1 with the hour it acts on.
    e.HoraSel = 1;
    HScrHRelH->setValue(1);
    EscribeHora();
    // Moving a bar reruns the curve, which replaces the hourly corrections.
    HScrHRMax->setValue(PosicionBarra(HScrHRMax, e.HRMax.valor()));
    HScrHRMin->setValue(PosicionBarra(HScrHRMin, e.HRMin.valor()));
    protocolo_.AbrePanel(this, true);
}

void PanelHumedad::Command16_Click() {
    hide();
    MarcaAceptado();
    protocolo_.RehabilitaNavegacion();
}

void PanelHumedad::MuestraCargado() {
    const TextosCarga t = TextosDeCarga(e, false);
    resumen_.LFHRel->show();
    MuestraTextoCarga(resumen_.LFHRMax, t.LFHRMax);
    MuestraTextoCarga(resumen_.LFHRMin, t.LFHRMin);
    LlenaGrafico();
    // The bars follow the loaded extremes quietly, so that opening the panel keeps the
    // loaded hours instead of rerunning the curve.
    PonBarras();
    EscribeExtremos();
    if (e.HoraSel >= 1 && e.HoraSel <= 24) {
        PonBarraSinEventos(HScrHRelH, e.HoraSel);
        EscribeHora();
    }
    MarcaAceptado();
}

}  // namespace hortelia
