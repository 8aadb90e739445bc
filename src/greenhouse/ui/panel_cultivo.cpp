#include "greenhouse/ui/panel_cultivo.h"

#include "numeros/conversiones.h"
#include "results/textos_resumen.h"
#include "ui/controles.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace hortelia {
namespace {

QString TextoMaxTol(const Variante& t) { return Q(Caption("Máxima tolerable= ", t)); }
QString TextoMinTol(const Variante& t) { return Q(Caption("Mínima tolerable= ", t)); }
QString TextoIAF(float iaf) { return Q(Caption("Índice área foliar= ", iaf)); }

}  // namespace

PanelCultivo::PanelCultivo(Escenario& escenario, Protocolo& protocolo, Resumen& resumen, QPushButton* botCultivo,
                           QWidget* parent)
    : Panel("FrCultivo", QStringLiteral("Cultivo"), escenario, protocolo, resumen, botCultivo, parent) {
    auto etiqueta = [this](const char* nombre) {
        auto* l = new QLabel(this);
        l->setObjectName(nombre);
        return l;
    };
    LCIAF = etiqueta("LCIAF");
    LCMaxTol = etiqueta("LCMaxTol");
    LCMinTol = etiqueta("LCMinTol");
    HScrIAF = CreaBarra("HScrIAF", QStringLiteral("Índice de área foliar"), Qt::Horizontal, 0, 60, 1, this);
    HScrMaxTol =
        CreaBarra("HScrMaxTol", QStringLiteral("Temperatura máxima tolerable"), Qt::Horizontal, 0, 60, 5, this);
    HScrMinTol =
        CreaBarra("HScrMinTol", QStringLiteral("Temperatura mínima tolerable"), Qt::Horizontal, -10, 30, 5, this);

    auto* rejilla = new QGridLayout(this);
    rejilla->setContentsMargins(16, 16, 16, 16);
    rejilla->setVerticalSpacing(6);
    int fila = 0;
    for (auto [l, b] : {std::pair{LCIAF, HScrIAF}, std::pair{LCMaxTol, HScrMaxTol}, std::pair{LCMinTol, HScrMinTol}}) {
        if (fila > 0) rejilla->setRowMinimumHeight(fila++, 18);
        rejilla->addWidget(l, fila++, 0);
        rejilla->addWidget(b, fila++, 0);
    }
    rejilla->setColumnMinimumWidth(0, 360);
    rejilla->setColumnStretch(1, 1);
    rejilla->setRowStretch(fila++, 1);
    rejilla->addWidget(CreaBotonAcepta("Command11"), fila, 0, 1, 2, Qt::AlignRight);

    MuestraValoresPanel();

    connect(HScrIAF, &QScrollBar::valueChanged, this, &PanelCultivo::HScrIAF_Change);
    connect(HScrMaxTol, &QScrollBar::valueChanged, this, &PanelCultivo::HScrMaxTol_Change);
    connect(HScrMinTol, &QScrollBar::valueChanged, this, &PanelCultivo::HScrMinTol_Change);
    connect(BotonAcepta(), &QPushButton::clicked, this, &PanelCultivo::Command11_Click);
}

void PanelCultivo::MuestraValoresPanel() {
    LCMaxTol->setText(Q(Caption("Temperatura máxima tolerable= ", e.TMaxTol, " C")));
    PonBarraSinEventos(HScrMaxTol, e.TMaxTol.valor());
    LCMinTol->setText(Q(Caption("Temperatura mínima tolerable= ", e.TMinTol, " C")));
    PonBarraSinEventos(HScrMinTol, e.TMinTol.valor());
    LCIAF->setText(Q(Caption("Índice de área foliar= ", e.IAF)));
    PonBarraSinEventos(HScrIAF, static_cast<double>(e.IAF) * 4);
}

void PanelCultivo::Abre(Origen origen) {
    resumen_.LCultivo->show();
    if (origen == Origen::Menu)
        for (QLabel* l : {resumen_.LMaxTol, resumen_.LMinTol, resumen_.Liaf}) l->show();
    protocolo_.AbrePanel(this, origen == Origen::BotonLateral);
}

void PanelCultivo::HScrIAF_Change() {
    e.IAF = static_cast<float>(HScrIAF->value()) / 4.0F;
    LCIAF->setText(Q(Caption("Índice de área foliar= ", e.IAF)));
    resumen_.Liaf->setText(TextoIAF(e.IAF));
}

void PanelCultivo::HScrMaxTol_Change() {
    e.TMaxTol = Variante::Entero(static_cast<std::int16_t>(HScrMaxTol->value()));
    LCMaxTol->setText(Q(Caption("Temperatura máxima tolerable= ", e.TMaxTol, " C")));
    resumen_.LMaxTol->setText(TextoMaxTol(e.TMaxTol));
}

void PanelCultivo::HScrMinTol_Change() {
    e.TMinTol = Variante::Entero(static_cast<std::int16_t>(HScrMinTol->value()));
    LCMinTol->setText(Q(Caption("Temperatura mínima tolerable= ", e.TMinTol, " C")));
    resumen_.LMinTol->setText(TextoMinTol(e.TMinTol));
}

void PanelCultivo::Command11_Click() {
    hide();
    MarcaAceptado();
    resumen_.LCultivo->show();
    Resumen::Muestra(resumen_.LMaxTol, TextoMaxTol(e.TMaxTol));
    Resumen::Muestra(resumen_.LMinTol, TextoMinTol(e.TMinTol));
    Resumen::Muestra(resumen_.Liaf, TextoIAF(e.IAF));
    protocolo_.RehabilitaNavegacion();
}

void PanelCultivo::MuestraCargado() {
    const TextosCarga t = TextosDeCarga(e, false);
    resumen_.LCultivo->show();
    Resumen::Muestra(resumen_.LMaxTol, Q(t.LMaxTol));
    Resumen::Muestra(resumen_.LMinTol, Q(t.LMinTol));
    Resumen::Muestra(resumen_.Liaf, Q(t.Liaf));
    MuestraValoresPanel();
    MarcaAceptado();
    BotonLateral()->setEnabled(true);
}

}  // namespace hortelia
