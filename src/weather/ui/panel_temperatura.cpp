#include "weather/ui/panel_temperatura.h"

#include "numeros/conversiones.h"
#include "results/textos_resumen.h"
#include "ui/controles_clima.h"
#include "weather/temperatura.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace hortelia {

PanelTemperatura::PanelTemperatura(Escenario& e, Protocolo& protocolo, Resumen& resumen, QPushButton* botonLateral,
                                   QWidget* parent)
    : Panel("FrTemp", QStringLiteral("Temperatura"), e, protocolo, resumen, botonLateral, parent) {
    HScrTMax = CreaBarraHorizontal(this, "HScrTMax", QStringLiteral("Temperatura máxima"), 0, 500, 10);
    HScrTMin = CreaBarraHorizontal(this, "HScrTMin", QStringLiteral("Temperatura mínima"), -150, 350, 10);
    HScrTHora = CreaBarraHorizontal(this, "HScrTHora", QStringLiteral("Hora"), 1, 24, 1);
    LTMax = CreaEtiqueta(this, "LTMax", {});
    LTMin = CreaEtiqueta(this, "LTMin", {});
    LTempH = CreaEtiqueta(this, "LTempH", {});
    LTempT = CreaEtiqueta(this, "LTempT", {});
    TempMenos = CreaBoton(this, "TempMenos", QStringLiteral("-"), QStringLiteral("Bajar la temperatura de la hora"));
    TempMas = CreaBoton(this, "TempMas", QStringLiteral("+"), QStringLiteral("Subir la temperatura de la hora"));
    MSCTemp = CreaGraficoHoras(this, "MSCTemp", QStringLiteral("Temperatura (C)"), Grafico::Tipo::Lineas, 1);
    QPushButton* Command13 = CreaBotonAcepta("Command13");

    DisponePanelDeCurva(this, LTMax, HScrTMax, LTMin, HScrTMin, LTempH, HScrTHora, LTempT, TempMenos, TempMas, MSCTemp,
                        Command13);

    // Start-up: the bars, the labels and the chart show the record as it stands.
    PonBarras();
    PonBarraSinEventos(HScrTHora, 1);
    EscribeExtremos();
    EscribeHora();
    MSCTemp->ColorSerie(1, 250, 0, 0);
    LlenaGrafico();

    connect(HScrTMax, &QScrollBar::valueChanged, this, &PanelTemperatura::HScrTMax_Change);
    connect(HScrTMin, &QScrollBar::valueChanged, this, &PanelTemperatura::HScrTMin_Change);
    connect(HScrTHora, &QScrollBar::valueChanged, this, &PanelTemperatura::HScrTHora_Change);
    connect(TempMas, &QPushButton::clicked, this, &PanelTemperatura::TempMas_Click);
    connect(TempMenos, &QPushButton::clicked, this, &PanelTemperatura::TempMenos_Click);
    connect(Command13, &QPushButton::clicked, this, &PanelTemperatura::Command13_Click);
}

void PanelTemperatura::EscribeExtremos() {
    LTMax->setText(Q(Caption("Máxima = ", e.TMax, " C")));
    LTMin->setText(Q(Caption("Mínima = ", e.TMin, " C")));
}

void PanelTemperatura::EscribeHora() {
    LTempH->setText(TextoHora(e.HoraSel));
    LTempT->setText(Q(Caption("Temp = ", e.TempHora(e.HoraSel), " C")));
}

void PanelTemperatura::PonBarras() {
    PonBarraSinEventos(HScrTMax, e.TMax.valor() * 10);
    PonBarraSinEventos(HScrTMin, e.TMin.valor() * 10);
}

void PanelTemperatura::LlenaGrafico() {
    PonSerie(MSCTemp, 1, e.TempHora);
    MSCTemp->Redibuja();
}

void PanelTemperatura::HScrTMax_Change() {
    e.TMax = Variante::Entero(static_cast<std::int16_t>(HScrTMax->value())) / Variante::Entero(10);
    LTMax->setText(Q(Caption("Máxima = ", e.TMax, " C")));
    resumen_.LFTMax->setText(LTMax->text());
    CalculaTemperatura(e);
    LlenaGrafico();
    EscribeHora();
}

void PanelTemperatura::HScrTMin_Change() {
    e.TMin = Variante::Entero(static_cast<std::int16_t>(HScrTMin->value())) / Variante::Entero(10);
    LTMin->setText(Q(Caption("Mínima = ", e.TMin, " C")));
    resumen_.LFTMin->setText(LTMin->text());
    CalculaTemperatura(e);
    LlenaGrafico();
    EscribeHora();
}

void PanelTemperatura::HScrTHora_Change() {
    e.HoraSel = static_cast<std::int16_t>(HScrTHora->value());
    EscribeHora();
}

void PanelTemperatura::TempMas_Click() {
    TemperaturaMas(e, e.HoraSel);
    PonFila(MSCTemp, 1, e.HoraSel, e.TempHora(e.HoraSel));
    MSCTemp->Redibuja();
    EscribeHora();
}

void PanelTemperatura::TempMenos_Click() {
    TemperaturaMenos(e, e.HoraSel);
    PonFila(MSCTemp, 1, e.HoraSel, e.TempHora(e.HoraSel));
    MSCTemp->Redibuja();
    EscribeHora();
}

void PanelTemperatura::Abre(Origen) {
    EscribeExtremos();
    resumen_.LFTMax->setText(LTMax->text());
    resumen_.LFTMin->setText(LTMin->text());
    // Moving a bar reruns the curve, which replaces the hourly corrections.
    HScrTMax->setValue(PosicionBarra(HScrTMax, e.TMax.valor() * 10));
    HScrTMin->setValue(PosicionBarra(HScrTMin, e.TMin.valor() * 10));
    e.HoraSel = 1;
    HScrTHora->setValue(1);
    // Always hour 1 on the labels, even when the bar was already there.
    EscribeHora();
    resumen_.LFTemp->show();
    resumen_.LFTMax->show();
    resumen_.LFTMin->show();
    protocolo_.AbrePanel(this, true);
}

void PanelTemperatura::Command13_Click() {
    hide();
    MarcaAceptado();
    protocolo_.RehabilitaNavegacion();
}

void PanelTemperatura::MuestraCargado() {
    const TextosCarga t = TextosDeCarga(e, false);
    resumen_.LFTemp->show();
    MuestraTextoCarga(resumen_.LFTMax, t.LFTMax);
    MuestraTextoCarga(resumen_.LFTMin, t.LFTMin);
    LlenaGrafico();
    // The bars follow the loaded extremes quietly, so that opening the panel keeps the
    // loaded hours instead of rerunning the curve.
    PonBarras();
    EscribeExtremos();
    if (e.HoraSel >= 1 && e.HoraSel <= 24) {
        PonBarraSinEventos(HScrTHora, e.HoraSel);
        EscribeHora();
    }
    MarcaAceptado();
}

}  // namespace hortelia
