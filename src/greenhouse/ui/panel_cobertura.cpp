#include "greenhouse/ui/panel_cobertura.h"

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
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace hortelia {
namespace {

constexpr int kOtro = kMantenimientoTecleado - 1;  // option index of a typed rate

QString TextoMaterial(Material m) { return QStringLiteral("Material: ") + Q(NombreMaterialCorto(m)); }

}  // namespace

PanelCobertura::PanelCobertura(Escenario& escenario, Protocolo& protocolo, Resumen& resumen, QPushButton* botMaterial,
                               QWidget* parent)
    : Panel("FrMaterial", QStringLiteral("Material cobertura"), escenario, protocolo, resumen, botMaterial, parent) {
    QStringList materiales;
    for (Material m : kMateriales) materiales << Q(NombreMaterial(m));
    Option3 = CreaOpciones("Option3", materiales, this);
    auto* columnaMateriales = new QVBoxLayout;
    columnaMateriales->setSpacing(10);
    for (QRadioButton* r : Option3) columnaMateriales->addWidget(r);

    auto* FrMantenim = new QGroupBox(QStringLiteral("Mantenimiento"), this);
    FrMantenim->setObjectName("FrMantenim");
    QStringList estados;
    for (const EstadoMantenimiento& m : kMantenimientos) estados << Q(m.nombre);
    Option4 = CreaOpciones("Option4", estados, FrMantenim);
    TOtro = new QLineEdit(QStringLiteral("2"), FrMantenim);
    TOtro->setObjectName("TOtro");
    TOtro->setAccessibleName(QStringLiteral("Tasa de renovación"));
    TOtro->setFixedWidth(80);
    TOtro->setEnabled(false);
    auto* Label9 = new QLabel(QStringLiteral("Tasa de renovación:"), FrMantenim);
    Label9->setObjectName("Label9");
    Label9->setBuddy(TOtro);
    auto* Label8 = new QLabel(QStringLiteral("l/h"), FrMantenim);
    Label8->setObjectName("Label8");
    auto* mantenimiento = new QGridLayout(FrMantenim);
    mantenimiento->setVerticalSpacing(10);
    for (int i = 0; i < Option4.size(); ++i) mantenimiento->addWidget(Option4[i], i, 0);
    auto* tasa = new QHBoxLayout;
    tasa->addWidget(Label9);
    tasa->addWidget(TOtro);
    tasa->addWidget(Label8);
    tasa->addStretch(1);
    mantenimiento->addLayout(tasa, Option4.size(), 0);

    auto* rejilla = new QGridLayout(this);
    rejilla->setContentsMargins(16, 16, 16, 16);
    rejilla->setVerticalSpacing(20);
    rejilla->addLayout(columnaMateriales, 0, 0);
    rejilla->addWidget(FrMantenim, 1, 0);
    rejilla->setColumnStretch(1, 1);
    rejilla->setRowStretch(2, 1);
    rejilla->addWidget(CreaBotonAcepta("Command4"), 3, 0, 1, 2, Qt::AlignRight);

    MarcaOpcionSinEventos(Option3, 0);
    MarcaOpcionSinEventos(Option4, 0);

    for (QRadioButton* r : Option3)
        connect(r, &QRadioButton::toggled, this, [this](bool marcada) {
            if (marcada) Option3_Click();
        });
    for (QRadioButton* r : Option4)
        connect(r, &QRadioButton::toggled, this, [this](bool marcada) {
            if (marcada) Option4_Click();
        });
    connect(TOtro, &QLineEdit::textChanged, this, &PanelCobertura::TOtro_Change);
    connect(BotonAcepta(), &QPushButton::clicked, this, &PanelCobertura::Command4_Click);
}

QString PanelCobertura::CaptionMantenimiento() const {
    return QStringLiteral("Mantenimiento = ") + TOtro->text() + QStringLiteral(" l/h");
}

void PanelCobertura::Abre(Origen) {
    resumen_.LCob->show();
    protocolo_.AbrePanel(this, true);
}

void PanelCobertura::Option3_Click() {
    const int i = OpcionMarcada(Option3);
    if (i >= 0) {
        e.MatCobertura = Variante::Entero(static_cast<std::int16_t>(i + 1));
        resumen_.LCobertura->setText(TextoMaterial(kMateriales[static_cast<std::size_t>(i)]));
    }
    resumen_.LCobertura->show();
}

void PanelCobertura::Option4_Click() {
    const int i = OpcionMarcada(Option4);
    if (i < 0) return;
    e.Mantenimiento = Variante::Entero(static_cast<std::int16_t>(i + 1));
    if (i == kOtro) {
        // The box stays editable as long as "Otro ..." is chosen; the rate keeps its value until typed.
        TOtro->setEnabled(true);
        TOtro->setFocus();
    } else {
        e.RenovAire = *kMantenimientos[static_cast<std::size_t>(i)].renovacionesHora;
        TOtro->setEnabled(false);
    }
    TOtro->setText(Q(NumeroATexto(e.RenovAire)));
    Resumen::Muestra(resumen_.LManten, CaptionMantenimiento());
}

void PanelCobertura::TOtro_Change() {
    e.RenovAire = static_cast<float>(Parse(TOtro->text().toStdString()));
    Resumen::Muestra(resumen_.LManten, CaptionMantenimiento());
}

void PanelCobertura::Command4_Click() {
    const QString texto = TOtro->text();
    const bool hayNumero = std::any_of(texto.begin(), texto.end(), [](QChar c) { return c.isDigit(); });
    if (!hayNumero || !std::isfinite(e.RenovAire) || e.RenovAire < 0) {
        protocolo_.Avisa(
            QStringLiteral("La tasa de renovación debe ser un número mayor o igual a 0 "
                           "(renovaciones del aire por hora)."));
        if (TOtro->isEnabled()) TOtro->setFocus();
        return;
    }
    hide();
    MarcaAceptado();
    Option3_Click();
    Resumen::Muestra(resumen_.LManten, CaptionMantenimiento());
    protocolo_.RehabilitaNavegacion();
}

void PanelCobertura::MuestraCargado() {
    const TextosCarga t = TextosDeCarga(e, false);
    resumen_.LCob->show();
    if (!t.LCobertura.empty()) {
        MarcaOpcionSinEventos(Option3, static_cast<int>(e.MatCobertura.valor()) - 1);
        resumen_.LCobertura->setText(Q(t.LCobertura));
    }
    resumen_.LCobertura->show();
    const double mantenimiento = e.Mantenimiento.valor();
    if (mantenimiento == std::floor(mantenimiento)) MarcaOpcionSinEventos(Option4, static_cast<int>(mantenimiento) - 1);
    {
        const QSignalBlocker bloqueo(TOtro);
        TOtro->setText(Q(NumeroATexto(e.RenovAire)));
    }
    TOtro->setEnabled(OpcionMarcada(Option4) == kOtro);
    Resumen::Muestra(resumen_.LManten, Q(t.LManten));
    MarcaAceptado();
    BotonLateral()->setEnabled(true);
}

}  // namespace hortelia
