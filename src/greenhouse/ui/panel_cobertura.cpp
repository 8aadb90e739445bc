#include "greenhouse/ui/panel_cobertura.h"

#include "numeros/conversiones.h"
#include "scenario/catalogo.h"
#include "ui/controles.h"
#include "ui/texto_qt.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace hortelia {
namespace {

using Linea = Resumen::Linea;

constexpr int kTecleado = kMantenimientoTecleado - 1;  // option index of a typed rate

QString TextoMaterial(Material m) { return QStringLiteral("Material: ") + Q(NombreMaterialCorto(m)); }

}  // namespace

PanelCobertura::PanelCobertura(Contexto& contexto, QWidget* parent)
    : Panel("FrMaterial", QStringLiteral("Material cobertura"), kPanelCobertura, contexto, parent) {
    QStringList materiales;
    for (Material m : kMateriales) materiales << Q(NombreMaterial(m));
    opcionesMaterial_ = CreaOpciones(this, QString(), materiales);
    auto* columnaMateriales = new QVBoxLayout;
    columnaMateriales->setSpacing(10);
    for (QRadioButton* r : opcionesMaterial_) columnaMateriales->addWidget(r);

    QGroupBox* grupo = CreaGrupo(this, "FrMantenim", QStringLiteral("Mantenimiento"));
    QStringList estados;
    for (const EstadoMantenimiento& m : kMantenimientos) estados << Q(m.nombre);
    opcionesMantenimiento_ = CreaOpciones(grupo, QString(), estados);
    tasa_ = new QLineEdit(QStringLiteral("2"), grupo);
    tasa_->setObjectName("TOtro");
    tasa_->setAccessibleName(QStringLiteral("Tasa de renovación"));
    tasa_->setFixedWidth(80);
    tasa_->setEnabled(false);
    QLabel* rotulo = CreaEtiqueta(grupo, nullptr, QStringLiteral("Tasa de renovación:"));
    rotulo->setBuddy(tasa_);
    QLabel* unidad = CreaEtiqueta(grupo, nullptr, QStringLiteral("l/h"));
    auto* mantenimiento = new QGridLayout(grupo);
    mantenimiento->setVerticalSpacing(10);
    for (int i = 0; i < opcionesMantenimiento_.size(); ++i) mantenimiento->addWidget(opcionesMantenimiento_[i], i, 0);
    auto* fila = new QHBoxLayout;
    fila->addWidget(rotulo);
    fila->addWidget(tasa_);
    fila->addWidget(unidad);
    fila->addStretch(1);
    mantenimiento->addLayout(fila, static_cast<int>(opcionesMantenimiento_.size()), 0);

    auto* rejilla = new QGridLayout(this);
    rejilla->setContentsMargins(16, 16, 16, 16);
    rejilla->setVerticalSpacing(20);
    rejilla->addLayout(columnaMateriales, 0, 0);
    rejilla->addWidget(grupo, 1, 0);
    rejilla->setColumnStretch(1, 1);
    rejilla->setRowStretch(2, 1);
    rejilla->addWidget(CreaBotonAcepta(), 3, 0, 1, 2, Qt::AlignRight);

    for (int i = 0; i < opcionesMantenimiento_.size(); ++i) {
        const EstadoMantenimiento& m = kMantenimientos[static_cast<std::size_t>(i)];
        Explica(opcionesMantenimiento_[i],
                m.renovacionesHora ? QStringLiteral("Las fugas renuevan el aire %1 veces por hora")
                                         .arg(Q(NumeroSinBlanco(*m.renovacionesHora)))
                                   : QStringLiteral("Escriba las renovaciones del aire por hora que dan las fugas"));
    }
    Explica(tasa_, QStringLiteral("Renovaciones del aire por hora por las fugas del invernáculo: 0 o más (con coma o "
                                  "punto decimal)"));
    Explica(unidad, QStringLiteral("l/h: renovaciones del aire interior por hora"));
    for (QRadioButton* r : opcionesMaterial_) Explica(r, QStringLiteral("Material de la cobertura"));
    MarcaOpcionSinEventos(opcionesMaterial_, 0);
    MarcaOpcionSinEventos(opcionesMantenimiento_, 0);

    ConectaOpciones(opcionesMaterial_, this, &PanelCobertura::EligeMaterial);
    ConectaOpciones(opcionesMantenimiento_, this, &PanelCobertura::EligeMantenimiento);
    connect(tasa_, &QLineEdit::textChanged, this, &PanelCobertura::CambiaTasa);
}

QString PanelCobertura::TextoMantenimiento() const {
    return QStringLiteral("Mantenimiento = ") + tasa_->text() + QStringLiteral(" l/h");
}

void PanelCobertura::Abre(Origen) {
    resumen_.Muestra(Linea::Cobertura);
    AbrePanel();
}

void PanelCobertura::EligeMaterial() {
    const int i = OpcionMarcada(opcionesMaterial_);
    if (i >= 0) {
        const Material m = kMateriales[static_cast<std::size_t>(i)];
        e.MatCobertura = Variante::Entero(static_cast<std::int16_t>(m));
        resumen_.Escribe(Linea::Material, TextoMaterial(m));
    }
    resumen_.Muestra(Linea::Material);
}

void PanelCobertura::EligeMantenimiento() {
    const int i = OpcionMarcada(opcionesMantenimiento_);
    if (i < 0) return;
    const EstadoMantenimiento& estado = kMantenimientos[static_cast<std::size_t>(i)];
    e.Mantenimiento = Variante::Entero(estado.codigo);
    if (estado.renovacionesHora) {
        e.RenovAire = *estado.renovacionesHora;
        tasa_->setEnabled(false);
    } else {
        // The box stays editable as long as "Otro ..." is chosen; the rate keeps its value until typed.
        tasa_->setEnabled(true);
        tasa_->setFocus();
    }
    tasa_->setText(Q(NumeroATexto(e.RenovAire)));
    resumen_.Muestra(Linea::Mantenimiento, TextoMantenimiento());
}

void PanelCobertura::CambiaTasa() {
    // A rate typed with a decimal comma or point; what is not yet a number waits for the accept.
    if (const auto tasa = LeeNumeroTecleado(tasa_->text().toStdString())) e.RenovAire = static_cast<float>(*tasa);
    resumen_.Muestra(Linea::Mantenimiento, TextoMantenimiento());
}

void PanelCobertura::Acepta() {
    const auto tasa = LeeNumeroTecleado(tasa_->text().toStdString());
    if (!tasa || !std::isfinite(e.RenovAire) || e.RenovAire < 0) {
        const QString motivo =
            tasa ? QStringLiteral("es menor que 0") : QStringLiteral("\"%1\" no es un número").arg(tasa_->text());
        Advierte(QStringLiteral("Escriba la tasa de renovación (renovaciones del aire por hora, 0 o más, con coma "
                                "o punto decimal): ") +
                 motivo + '.');
        if (tasa_->isEnabled()) tasa_->setFocus();
        return;
    }
    MarcaAceptado();
    EligeMaterial();
    resumen_.Muestra(Linea::Mantenimiento, TextoMantenimiento());
    Cierra();
}

void PanelCobertura::MuestraCargado() {
    if (const auto m = MaterialDeCodigo(e.MatCobertura.valor()); m && !e.MatCobertura.vacia())
        MarcaOpcionSinEventos(opcionesMaterial_, static_cast<int>(*m) - 1);
    const double mantenimiento = e.Mantenimiento.valor();
    if (mantenimiento == std::floor(mantenimiento))
        MarcaOpcionSinEventos(opcionesMantenimiento_, static_cast<int>(mantenimiento) - 1);
    {
        const QSignalBlocker bloqueo(tasa_);
        tasa_->setText(Q(NumeroATexto(e.RenovAire)));
    }
    tasa_->setEnabled(OpcionMarcada(opcionesMantenimiento_) == kTecleado);
    MarcaAceptado();
}

}  // namespace hortelia
