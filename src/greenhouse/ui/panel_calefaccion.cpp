#include "greenhouse/ui/panel_calefaccion.h"

#include "numeros/conversiones.h"
#include "results/textos_resumen.h"
#include "scenario/catalogo.h"
#include "ui/controles.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <cmath>

namespace hortelia {
namespace {

// "Otro ..." takes the value typed in TPoCal.
constexpr int kOtro = static_cast<int>(kCombustibles.size()) - 1;

int Indice(const std::string& nombre) {
    const auto i = IndiceCombustible(nombre);
    return i ? static_cast<int>(*i) : -1;
}

}  // namespace

PanelCalefaccion::PanelCalefaccion(Escenario& escenario, Protocolo& protocolo, Resumen& resumen, QPushButton* botCalef,
                                   QWidget* parent)
    : Panel("FrCalefacc", QStringLiteral("Sistema de Calefacción"), escenario, protocolo, resumen, botCalef, parent) {
    HScrEfic = CreaBarra("HScrEfic", QStringLiteral("Eficiencia del sistema"), Qt::Horizontal, 0, 100, 10, this);
    LEfiCal = new QLabel(this);
    LEfiCal->setObjectName("LEfiCal");

    auto* FrCombust = new QGroupBox(QStringLiteral("Combustible"), this);
    FrCombust->setObjectName("FrCombust");
    QStringList opciones;
    for (const Combustible& c : kCombustibles) opciones << Q(c.opcion);
    Option6 = CreaOpciones("Option6", opciones, FrCombust);
    auto* Label16 = new QLabel(QStringLiteral("Poder calórico:"), FrCombust);
    Label16->setObjectName("Label16");
    TPoCal = new QLineEdit(FrCombust);
    TPoCal->setObjectName("TPoCal");
    TPoCal->setAccessibleName(QStringLiteral("Poder calórico"));
    TPoCal->setFixedWidth(100);
    TPoCal->setEnabled(false);
    Label16->setBuddy(TPoCal);
    auto* combustibles = new QGridLayout(FrCombust);
    combustibles->setVerticalSpacing(8);
    for (int i = 0; i < Option6.size(); ++i) combustibles->addWidget(Option6[i], i, 0);
    auto* poder = new QHBoxLayout;
    poder->addWidget(Label16);
    poder->addWidget(TPoCal);
    poder->addStretch(1);
    combustibles->addLayout(poder, Option6.size(), 0);

    auto* rejilla = new QGridLayout(this);
    rejilla->setContentsMargins(16, 16, 16, 16);
    rejilla->setVerticalSpacing(12);
    rejilla->addWidget(LEfiCal, 0, 0);
    rejilla->addWidget(HScrEfic, 1, 0);
    rejilla->addWidget(FrCombust, 2, 0);
    rejilla->setColumnStretch(1, 1);
    rejilla->setColumnMinimumWidth(0, 320);
    rejilla->setRowStretch(3, 1);
    rejilla->addWidget(CreaBotonAcepta("Command8"), 4, 0, 1, 2, Qt::AlignRight);

    // The record's start values, without running the handlers.
    TPoCal->setText(Q(NumeroATexto(e.PoderCalorico)));
    PonBarraSinEventos(HScrEfic, e.Eficiencia);
    LEfiCal->setText(Q(Caption("Eficiencia del sistema= ", e.Eficiencia, "%")));
    MarcaOpcionSinEventos(Option6, Indice(e.Combustible));

    for (QRadioButton* r : Option6)
        connect(r, &QRadioButton::toggled, this, [this](bool marcada) {
            if (marcada) Option6_Click();
        });
    connect(TPoCal, &QLineEdit::editingFinished, this, &PanelCalefaccion::TPoCal_LostFocus);
    connect(HScrEfic, &QScrollBar::valueChanged, this, &PanelCalefaccion::HScrEfic_Change);
    connect(BotonAcepta(), &QPushButton::clicked, this, &PanelCalefaccion::Command8_Click);
}

void PanelCalefaccion::MuestraPoderCalorico() {
    resumen_.LPoCal->setText(Q(Caption("P.Calórico = ", e.PoderCalorico)));
}

void PanelCalefaccion::MuestraEficiencia() {
    LEfiCal->setText(Q(Caption("Eficiencia del sistema= ", e.Eficiencia, "%")));
    resumen_.LEfic->setText(Q(Caption("Eficiencia = ", e.Eficiencia, " %")));
}

void PanelCalefaccion::Abre(Origen) {
    resumen_.LCalef->show();
    protocolo_.AbrePanel(this, true);
}

void PanelCalefaccion::Option6_Click() {
    const int i = OpcionMarcada(Option6);
    if (i < 0) return;
    const Combustible& c = kCombustibles[static_cast<std::size_t>(i)];
    if (c.poderCalorico) {
        e.Combustible = c.nombre;
        e.PoderCalorico = *c.poderCalorico;
    }
    TPoCal->setText(Q(NumeroATexto(e.PoderCalorico)));
    MuestraPoderCalorico();
    if (i == kOtro) {
        // The calorific value stays as it is until the user leaves the box.
        e.Combustible = c.nombre;
        TPoCal->setEnabled(true);
        TPoCal->setFocus();
        TPoCal->selectAll();
    }
}

void PanelCalefaccion::TPoCal_LostFocus() {
    const float previo = e.PoderCalorico;
    const auto nuevo = static_cast<float>(Cortar(Parse(TPoCal->text().toStdString()), 1));
    e.PoderCalorico = std::isfinite(nuevo) && nuevo > 0 ? nuevo : previo;
    TPoCal->setText(Q(NumeroATexto(e.PoderCalorico)));
    MuestraPoderCalorico();
}

void PanelCalefaccion::HScrEfic_Change() {
    e.Eficiencia = static_cast<float>(HScrEfic->value());
    MuestraEficiencia();
}

void PanelCalefaccion::Command8_Click() {
    // A value typed and accepted at once, by the keyboard, is taken as leaving the box.
    if (TPoCal->isEnabled() && TPoCal->isModified()) TPoCal_LostFocus();
    hide();
    Resumen::Muestra(resumen_.LEfic, Q(Caption("Eficiencia = ", e.Eficiencia, " %")));
    MuestraPoderCalorico();
    resumen_.LPoCal->show();
    MarcaAceptado();
    protocolo_.RehabilitaNavegacion();
}

void PanelCalefaccion::MuestraCargado() {
    const TextosCarga t = TextosDeCarga(e, false);
    const int i = Indice(e.Combustible);
    MarcaOpcionSinEventos(Option6, i);
    resumen_.LCalef->show();
    Resumen::Muestra(resumen_.LEfic, Q(t.LEfic));
    Resumen::Muestra(resumen_.LPoCal, Q(t.LPoCal));
    // The panel shows the loaded figures as well, so that accepting it again keeps them.
    {
        const QSignalBlocker bloqueo(TPoCal);
        TPoCal->setText(Q(NumeroATexto(e.PoderCalorico)));
    }
    if (i == kOtro) TPoCal->setEnabled(true);
    PonBarraSinEventos(HScrEfic, e.Eficiencia);
    LEfiCal->setText(Q(Caption("Eficiencia del sistema= ", e.Eficiencia, "%")));
    MarcaAceptado();
    BotonLateral()->setEnabled(true);
}

}  // namespace hortelia
