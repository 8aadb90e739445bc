#include "greenhouse/ui/panel_ventilacion.h"

#include "greenhouse/ventilacion.h"
#include "numeros/conversiones.h"
#include "results/textos_resumen.h"
#include "ui/controles.h"
#include "ui/grafico.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace hortelia {

PanelVentilacion::PanelVentilacion(Escenario& escenario, Protocolo& protocolo, Resumen& resumen, QPushButton* botVentil,
                                   QWidget* parent)
    : Panel("FrVentil", QStringLiteral("Ventilación"), escenario, protocolo, resumen, botVentil, parent) {
    auto etiqueta = [this](const char* nombre, const QString& texto) {
        auto* l = new QLabel(texto, this);
        l->setObjectName(nombre);
        return l;
    };
    auto boton = [this](const char* nombre, const QString& texto, const QString& accesible) {
        auto* b = new QPushButton(texto, this);
        b->setObjectName(nombre);
        if (!accesible.isEmpty()) b->setAccessibleName(accesible);
        return b;
    };
    auto* Label14 = etiqueta("Label14", QStringLiteral("Superficie máxima de ventanas="));
    LVentaX = etiqueta("LVentaX", Q(NumeroSinBlanco(e.SupVentanas)));
    LVentaX->setMinimumWidth(40);
    auto* Label15 = etiqueta("Label15", QStringLiteral("m2"));
    Command10 = boton("Command10", QStringLiteral("-"), QStringLiteral("Un m2 de ventanas menos"));
    Command9 = boton("Command9", QStringLiteral("+"), QStringLiteral("Un m2 de ventanas más"));
    for (QPushButton* b : {Command10, Command9}) b->setFixedWidth(36);
    Command7 = boton("Command7", QStringLiteral("Carga datos &horarios de apertura de ventanas"), QString());

    MSCVentil =
        new Grafico("MSCVentil", QStringLiteral("Ventanas abiertas por hora (m2)"), Grafico::Tipo::Barras, this);
    MSCVentil->PonSeries(1);
    MSCVentil->ColorSerie(1, 0, 128, 128);
    MSCVentil->PonFilas(24);
    MSCVentil->ColumnaActual(1);
    for (int h = 1; h <= 24; ++h) {
        MSCVentil->EtiquetaFila(h, Q(NumeroATexto(h)));
        GraficaHora(h);
    }
    MSCVentil->Redibuja();

    HScrVent = CreaBarra("HScrVent", QStringLiteral("Hora"), Qt::Horizontal, 1, 24, 1, this);
    VScrVent = CreaBarra("VScrVent", QStringLiteral("Apertura de las ventanas"), Qt::Vertical, -100, 0, 10, this);
    LPrVent = etiqueta("LPrVent", QStringLiteral("0%"));
    LPrVent->setMinimumWidth(48);
    Label12 = etiqueta("Label12", QStringLiteral("Hora="));
    Label13 = etiqueta("Label13", QStringLiteral("Ventanas abiertas (m2) ="));
    LRelVentSue = etiqueta("LRelVentSue", QStringLiteral("Vent.ab./Suelo cub. ="));

    auto* Frame1 = new QGroupBox(QStringLiteral("Vent.Cenital"), this);
    Frame1->setObjectName("Frame1");
    Option5 = CreaOpciones("Option5", {"Abierta", "Cerrada"}, Frame1);
    auto* cenital = new QHBoxLayout(Frame1);
    for (QRadioButton* r : Option5) cenital->addWidget(r);
    MarcaOpcionSinEventos(Option5, 0);

    auto* superficie = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{Label14, LVentaX, Label15, Command10, Command9})
        superficie->addWidget(w);
    superficie->addStretch(1);

    LAbierta = etiqueta("LAbierta", QStringLiteral("Abierta"));
    LCerrada = etiqueta("LCerrada", QStringLiteral("Cerrada"));
    auto* apertura = new QVBoxLayout;
    apertura->addWidget(LAbierta, 0, Qt::AlignHCenter);
    apertura->addWidget(VScrVent, 1, Qt::AlignHCenter);
    apertura->addWidget(LCerrada, 0, Qt::AlignHCenter);
    apertura->addWidget(LPrVent, 0, Qt::AlignHCenter);

    auto* lecturas = new QHBoxLayout;
    lecturas->setSpacing(24);
    for (QLabel* l : {Label12, Label13, LRelVentSue}) lecturas->addWidget(l);
    lecturas->addStretch(1);

    auto* pie = new QHBoxLayout;
    pie->addWidget(Frame1);
    pie->addStretch(1);
    pie->addWidget(CreaBotonAcepta("Command6"), 0, Qt::AlignBottom);

    auto* rejilla = new QGridLayout(this);
    rejilla->setContentsMargins(12, 12, 12, 12);
    rejilla->addLayout(superficie, 0, 0, 1, 2);
    rejilla->addWidget(Command7, 1, 0, 1, 2, Qt::AlignLeft);
    rejilla->addWidget(MSCVentil, 2, 0);
    rejilla->addLayout(apertura, 2, 1);
    rejilla->addWidget(HScrVent, 3, 0);
    rejilla->addLayout(lecturas, 4, 0, 1, 2);
    rejilla->addLayout(pie, 5, 0, 1, 2);
    rejilla->setRowStretch(2, 1);
    rejilla->setColumnStretch(0, 1);

    horario_ = {MSCVentil, HScrVent, VScrVent, LAbierta, LCerrada, LPrVent, Label12, Label13, LRelVentSue};
    // The schedule keeps its place on the panel while it is hidden.
    for (QWidget* w : horario_) {
        QSizePolicy politica = w->sizePolicy();
        politica.setRetainSizeWhenHidden(true);
        w->setSizePolicy(politica);
    }

    connect(Command7, &QPushButton::clicked, this, &PanelVentilacion::Command7_Click);
    connect(Command9, &QPushButton::clicked, this, &PanelVentilacion::Command9_Click);
    connect(Command10, &QPushButton::clicked, this, &PanelVentilacion::Command10_Click);
    connect(HScrVent, &QScrollBar::valueChanged, this, &PanelVentilacion::HScrVent_Change);
    connect(VScrVent, &QScrollBar::valueChanged, this, &PanelVentilacion::VScrVent_Change);
    for (QRadioButton* r : Option5)
        connect(r, &QRadioButton::toggled, this, [this](bool marcada) {
            if (marcada) Option5_Click();
        });
    connect(BotonAcepta(), &QPushButton::clicked, this, &PanelVentilacion::Command6_Click);
}

void PanelVentilacion::GraficaHora(int h) {
    MSCVentil->FilaActual(h);
    MSCVentil->PonDato(NumeroSinBlanco(e.AreaVentHora(h)));
}

void PanelVentilacion::MuestraApertura() {
    LPrVent->setText(Q(NumeroATexto(std::fabs(e.AperturaHora(e.HoraSel)))) + "%");
}

void PanelVentilacion::MuestraHora() {
    const int h = e.HoraSel;
    Label12->setText(Q(Caption("Hora = ", h)));
    Label13->setText(Q(Caption("Ventanas abiertas = ", e.AreaVentHora(h), " m2")));
    // Open window area over covered floor, a plain fraction cut to three decimals.
    const double relacion = Cortar(e.AreaVentHora(h).valor() / e.SueloCubierto.valor(), 3);
    LRelVentSue->setText(Q(Caption("Vent.ab./Suelo cub.= ", relacion)));
    MuestraApertura();
}

void PanelVentilacion::MuestraHorario(bool visible) {
    for (QWidget* w : horario_) w->setVisible(visible);
}

void PanelVentilacion::Abre(Origen) {
    if (e.SueloCubierto.valor() <= 0) {
        protocolo_.Avisa(QStringLiteral("Especifique Dimensiones antes de continuar"));
        return;
    }
    MuestraHorario(false);
    BotonAcepta()->setEnabled(false);
    Command7->setEnabled(true);
    resumen_.LVentil->show();
    protocolo_.AbrePanel(this, true);
}

void PanelVentilacion::Command7_Click() {
    for (int h = 1; h <= 24; ++h) {
        RecalculaAreaVent(e, h);
        GraficaHora(h);
    }
    MSCVentil->Redibuja();
    MuestraHorario(true);
    BotonAcepta()->setEnabled(true);
    BotonAcepta()->setFocus();
    Command7->setEnabled(false);
    e.HoraSel = 1;
    MuestraHora();
    HScrVent->setValue(e.HoraSel);
    VScrVent->setValue(PosicionBarra(VScrVent, e.AperturaHora(e.HoraSel)));
}

void PanelVentilacion::CambiaSuperficie(float delta) {
    // The window area cannot go below nothing.
    e.SupVentanas = std::max(0.0F, e.SupVentanas + delta);
    LVentaX->setText(Q(NumeroATexto(e.SupVentanas)));
    resumen_.LVentanas->setText(Q(Caption("Ventanas = ", e.SupVentanas, " m2")));
    for (int h = 1; h <= 24; ++h) {
        RecalculaAreaVent(e, h);
        GraficaHora(h);
    }
    MSCVentil->Redibuja();
    HScrVent->setValue(e.HoraSel);
    VScrVent->setValue(PosicionBarra(VScrVent, e.AperturaHora(e.HoraSel)));
    MuestraHora();
}

void PanelVentilacion::Command9_Click() { CambiaSuperficie(1); }
void PanelVentilacion::Command10_Click() { CambiaSuperficie(-1); }

void PanelVentilacion::HScrVent_Change() {
    e.HoraSel = static_cast<std::int16_t>(HScrVent->value());
    MuestraHora();
    VScrVent->setValue(PosicionBarra(VScrVent, e.AperturaHora(e.HoraSel)));
    MuestraApertura();
}

void PanelVentilacion::VScrVent_Change() {
    const int h = e.HoraSel;
    e.AperturaHora(h) = static_cast<float>(VScrVent->value());
    RecalculaAreaVent(e, h);
    MuestraHora();
    GraficaHora(h);
    MSCVentil->Redibuja();
}

void PanelVentilacion::Option5_Click() {
    const int i = OpcionMarcada(Option5);
    if (i < 0) return;
    e.Cenital = static_cast<std::int16_t>(i == 0 ? 1 : 0);
    resumen_.LCenital->setText(i == 0 ? QStringLiteral("Cenital: Abierta") : QStringLiteral("Cenital: Cerrada"));
}

void PanelVentilacion::Command6_Click() {
    hide();
    Option5_Click();
    resumen_.LCenital->show();
    Resumen::Muestra(resumen_.LVentanas, Q(Caption("Ventanas = ", e.SupVentanas, " m2")));
    MarcaAceptado();
    protocolo_.RehabilitaNavegacion();
}

void PanelVentilacion::MuestraCargado() {
    const TextosCarga t = TextosDeCarga(e, false);
    resumen_.LVentil->show();
    Resumen::Muestra(resumen_.LVentanas, Q(t.LVentanas));
    if (e.Cenital == 1 || e.Cenital == 0) MarcaOpcionSinEventos(Option5, e.Cenital == 1 ? 0 : 1);
    if (!t.LCenital.empty()) resumen_.LCenital->setText(Q(t.LCenital));
    resumen_.LCenital->show();
    // The panel's own figures follow the loaded schedule too.
    LVentaX->setText(Q(NumeroATexto(e.SupVentanas)));
    for (int h = 1; h <= 24; ++h) GraficaHora(h);
    MSCVentil->Redibuja();
    MarcaAceptado();
    BotonLateral()->setEnabled(true);
}

}  // namespace hortelia
