#include "greenhouse/ui/panel_techo.h"

#include "results/textos_resumen.h"
#include "ui/controles.h"
#include "ui/dibujos.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace hortelia {
namespace {

QString TextoDobleTecho(int doble) {
    return doble == 1 ? QStringLiteral("Doble techo:    Si") : QStringLiteral("Doble techo:    No");
}

}  // namespace

PanelTecho::PanelTecho(Escenario& escenario, Protocolo& protocolo, Resumen& resumen, QPushButton* botTecho,
                       QPushButton* botDimens, QWidget* parent)
    : Panel("FrTecho", QStringLiteral("Tipo de techo"), escenario, protocolo, resumen, botTecho, parent),
      botDimens_(botDimens) {
    QStringList formas;
    for (Techo t : kTechos) formas << Q(NombreTecho(t));
    Option1 = CreaOpciones("Option1", formas, this);
    auto* FrDTecho = new QGroupBox(QStringLiteral("¿Doble techo?"), this);
    FrDTecho->setObjectName("FrDTecho");
    Option2 = CreaOpciones("Option2", {"No", "Si"}, FrDTecho);
    auto* dobles = new QHBoxLayout(FrDTecho);
    for (QRadioButton* r : Option2) dobles->addWidget(r);
    dobles->addStretch(1);

    auto* opciones = new QVBoxLayout;
    opciones->setSpacing(10);
    for (QRadioButton* r : Option1) opciones->addWidget(r);
    opciones->addSpacing(16);
    opciones->addWidget(FrDTecho);
    opciones->addStretch(1);

    auto* dibujos = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        auto* d = new Dibujo(QStringLiteral("Pictecho1_%1").arg(i), Dibujo::Tipo::Techo, kTechos[i],
                             QStringLiteral("Corte del techo: %1").arg(formas[i]), this);
        dibujos->addWidget(d, 0, 0);
        Pictecho1.append(d);
    }

    auto* caja = new QGridLayout(this);
    caja->setContentsMargins(16, 16, 16, 16);
    caja->setHorizontalSpacing(20);
    caja->addLayout(opciones, 0, 0);
    caja->addLayout(dibujos, 0, 1);
    caja->setColumnStretch(1, 1);
    caja->setRowStretch(0, 1);
    caja->addWidget(CreaBotonAcepta("Command2"), 1, 1, Qt::AlignRight);

    MarcaOpcionSinEventos(Option1, e.TipoTecho - 1);
    MarcaOpcionSinEventos(Option2, e.DobleTecho);
    MuestraDibujo(e.TipoTecho);

    for (QRadioButton* r : Option1)
        connect(r, &QRadioButton::toggled, this, [this](bool marcada) {
            if (marcada) Option1_Click();
        });
    for (QRadioButton* r : Option2)
        connect(r, &QRadioButton::toggled, this, [this](bool marcada) {
            if (marcada) Option2_Click();
        });
    connect(BotonAcepta(), &QPushButton::clicked, this, &PanelTecho::Command2_Click);
}

void PanelTecho::MuestraDibujo(int tipo) {
    for (int i = 0; i < Pictecho1.size(); ++i) Pictecho1[i]->setVisible(i == tipo - 1);
}

void PanelTecho::OcultaDimensiones() {
    for (QLabel* l : {resumen_.LDimens, resumen_.LDSuecub, resumen_.LDSupinv, resumen_.LDVolinv}) l->hide();
}

void PanelTecho::Abre(Origen origen) {
    e.TipoTechoAnt = e.TipoTecho;
    resumen_.LEstruct->show();
    MuestraDibujo(e.TipoTecho);
    if (origen == Origen::Menu) {
        // The menu entry takes the options as they stand.
        const int tipo = OpcionMarcada(Option1);
        if (tipo >= 0) {
            e.TipoTecho = static_cast<std::int16_t>(tipo + 1);
            resumen_.LTTecho->setText(Q(TextoTipoTecho(e.TipoTecho)));
        }
        const int doble = OpcionMarcada(Option2);
        if (doble >= 0) {
            e.DobleTecho = static_cast<std::int16_t>(doble);
            resumen_.LDTecho->setText(TextoDobleTecho(doble));
        }
    }
    protocolo_.AbrePanel(this, true);
}

void PanelTecho::Option1_Click() {
    resumen_.LTTecho->show();
    const int tipo = OpcionMarcada(Option1);
    if (tipo < 0) return;
    e.TipoTecho = static_cast<std::int16_t>(tipo + 1);
    resumen_.LTTecho->setText(Q(TextoTipoTecho(e.TipoTecho)));
    MuestraDibujo(e.TipoTecho);
    if (e.TipoTecho != e.TipoTechoAnt) {
        // Floor, cover and volume belonged to the other shape: the dimensions must be accepted again.
        OcultaDimensiones();
        e.TipoTechoAnt = e.TipoTecho;
        protocolo_.AnulaAceptado(botDimens_);
    }
}

void PanelTecho::Option2_Click() {
    resumen_.LDTecho->show();
    const int doble = OpcionMarcada(Option2);
    if (doble < 0) return;
    e.DobleTecho = static_cast<std::int16_t>(doble);
    resumen_.LDTecho->setText(TextoDobleTecho(doble));
}

void PanelTecho::Command2_Click() {
    resumen_.LTTecho->show();
    resumen_.LDTecho->show();
    MarcaAceptado();
    hide();
    if (e.TipoTecho != e.TipoTechoAnt) {
        OcultaDimensiones();
        e.TipoTechoAnt = e.TipoTecho;
    }
    protocolo_.RehabilitaNavegacion();
}

void PanelTecho::MuestraCargado() {
    const TextosCarga t = TextosDeCarga(e, false);
    resumen_.LEstruct->show();
    if (!t.LTTecho.empty()) {
        MarcaOpcionSinEventos(Option1, e.TipoTecho - 1);
        MuestraDibujo(e.TipoTecho);
        resumen_.LTTecho->setText(Q(t.LTTecho));
    }
    resumen_.LTTecho->show();
    if (!t.LDTecho.empty()) {
        MarcaOpcionSinEventos(Option2, e.DobleTecho);
        resumen_.LDTecho->setText(Q(t.LDTecho));
    }
    resumen_.LDTecho->show();
    MarcaAceptado();
    BotonLateral()->setEnabled(true);
}

}  // namespace hortelia
