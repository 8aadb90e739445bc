#include "greenhouse/ui/panel_calefaccion.h"

#include "numeros/conversiones.h"
#include "scenario/catalogo.h"
#include "ui/controles.h"
#include "ui/texto_qt.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include <cmath>

namespace hortelia {
namespace {

using Linea = Resumen::Linea;

int OpcionDeCombustible(const std::string& nombre) {
    const auto i = IndiceCombustible(nombre);
    return i ? static_cast<int>(*i) : -1;
}

}  // namespace

PanelCalefaccion::PanelCalefaccion(Contexto& contexto, QWidget* parent)
    : Panel("FrCalefacc", QStringLiteral("Sistema de Calefacción"), kPanelCalefaccion, contexto, parent) {
    barraEficiencia_ = CreaBarra(this, "HScrEfic", QStringLiteral("Eficiencia del sistema"), Qt::Horizontal, 0, 100, 10,
                                 EnUnidad(1, QStringLiteral("%")));
    Explica(barraEficiencia_, QStringLiteral("Eficiencia del sistema de calefacción: de 0 a 100 % del calor del "
                                             "combustible que llega al invernáculo"));
    etiquetaEficiencia_ = CreaEtiqueta(this, "LEfiCal");

    QGroupBox* grupo = CreaGrupo(this, "FrCombust", QStringLiteral("Combustible"));
    QStringList opciones;
    for (const Combustible& c : kCombustibles) opciones << Q(c.opcion);
    opcionesCombustible_ = CreaOpciones(grupo, QString(), opciones);
    QLabel* rotulo = CreaEtiqueta(grupo, nullptr, QStringLiteral("Poder calórico:"));
    poderCalorico_ = new QLineEdit(grupo);
    poderCalorico_->setObjectName("TPoCal");
    poderCalorico_->setAccessibleName(QStringLiteral("Poder calórico"));
    poderCalorico_->setFixedWidth(100);
    poderCalorico_->setEnabled(false);
    rotulo->setBuddy(poderCalorico_);
    auto* combustibles = new QGridLayout(grupo);
    combustibles->setVerticalSpacing(8);
    for (int i = 0; i < opcionesCombustible_.size(); ++i) combustibles->addWidget(opcionesCombustible_[i], i, 0);
    auto* poder = new QHBoxLayout;
    poder->addWidget(rotulo);
    poder->addWidget(poderCalorico_);
    unidadPoder_ = CreaEtiqueta(grupo, "UnidadPoCal");
    poder->addWidget(unidadPoder_);
    poder->addStretch(1);
    combustibles->addLayout(poder, static_cast<int>(opcionesCombustible_.size()), 0);

    auto* rejilla = new QGridLayout(this);
    rejilla->setContentsMargins(16, 16, 16, 16);
    rejilla->setVerticalSpacing(12);
    rejilla->addWidget(etiquetaEficiencia_, 0, 0);
    rejilla->addWidget(barraEficiencia_, 1, 0);
    rejilla->addWidget(grupo, 2, 0);
    rejilla->setColumnStretch(1, 1);
    rejilla->setColumnMinimumWidth(0, 320);
    rejilla->setRowStretch(3, 1);
    rejilla->addWidget(CreaBotonAcepta(), 4, 0, 1, 2, Qt::AlignRight);

    for (std::size_t i = 0; i < kCombustibles.size(); ++i) {
        const Combustible& c = kCombustibles[i];
        Explica(opcionesCombustible_[static_cast<int>(i)],
                c.poderCalorico ? QStringLiteral("%1: %2 kJ por %3; se cuenta en %4")
                                      .arg(Q(c.nombre), Q(NumeroSinBlanco(*c.poderCalorico)),
                                           Q(UnidadPoderCalorico(c.nombre)), Q(c.unidad))
                                : QStringLiteral("Otro combustible: escriba su poder calórico"));
    }
    // The record's start values, without running the handlers.
    poderCalorico_->setText(Q(NumeroATexto(e.PoderCalorico)));
    PonBarraSinEventos(barraEficiencia_, e.Eficiencia);
    etiquetaEficiencia_->setText(Q(Caption("Eficiencia del sistema= ", e.Eficiencia, "%")));
    MarcaOpcionSinEventos(opcionesCombustible_, OpcionDeCombustible(e.Combustible));
    MuestraUnidadPoder();  // the summary keeps its start caption until the panel is accepted

    ConectaOpciones(opcionesCombustible_, this, &PanelCalefaccion::EligeCombustible);
    connect(poderCalorico_, &QLineEdit::editingFinished, this, &PanelCalefaccion::TomaPoderCalorico);
    connect(barraEficiencia_, &QScrollBar::valueChanged, this, &PanelCalefaccion::CambiaEficiencia);
}

void PanelCalefaccion::MuestraPoderCalorico() {
    resumen_.Escribe(Linea::PoderCalorico, Q(Caption("P.Calórico = ", e.PoderCalorico)));
    MuestraUnidadPoder();
}

void PanelCalefaccion::MuestraUnidadPoder() {
    // The calorific value is energy per unit of the fuel the heating counts.
    const QString unidad = Q(UnidadPoderCalorico(e.Combustible));
    unidadPoder_->setText(QStringLiteral("kJ/") + unidad);
    Explica(poderCalorico_, QStringLiteral("Poder calórico del combustible: kJ por %1, mayor que 0 (coma o punto "
                                           "decimal); se escribe para \"Otro ...\"")
                                .arg(unidad));
}

void PanelCalefaccion::MuestraEficiencia() {
    etiquetaEficiencia_->setText(Q(Caption("Eficiencia del sistema= ", e.Eficiencia, "%")));
    resumen_.Escribe(Linea::Eficiencia, Q(Caption("Eficiencia = ", e.Eficiencia, " %")));
}

void PanelCalefaccion::Abre(Origen) {
    resumen_.Muestra(Linea::Calefaccion);
    AbrePanel();
}

void PanelCalefaccion::EligeCombustible() {
    const int i = OpcionMarcada(opcionesCombustible_);
    if (i < 0) return;
    const Combustible& c = kCombustibles[static_cast<std::size_t>(i)];
    if (c.poderCalorico) {
        e.Combustible = c.nombre;
        e.PoderCalorico = *c.poderCalorico;
    }
    poderCalorico_->setText(Q(NumeroATexto(e.PoderCalorico)));
    MuestraPoderCalorico();
    if (!c.poderCalorico) {
        // The calorific value stays as it is until the user leaves the box.
        e.Combustible = c.nombre;
        poderCalorico_->setEnabled(true);
        poderCalorico_->setFocus();
        poderCalorico_->selectAll();
    }
}

void PanelCalefaccion::TomaPoderCalorico() {
    const QString texto = poderCalorico_->text();
    const auto tecleado = LeeNumeroTecleado(texto.toStdString());
    const auto nuevo = static_cast<float>(Cortar(tecleado.value_or(0), 1));
    const bool vale = tecleado && std::isfinite(nuevo) && nuevo > 0;
    if (vale) e.PoderCalorico = nuevo;
    // The previous value comes back into the box; what was wrong is said once.
    poderCalorico_->setText(Q(NumeroATexto(e.PoderCalorico)));
    poderCalorico_->setModified(false);
    MuestraPoderCalorico();
    if (!vale && !avisando_) {
        avisando_ = true;
        Advierte(QStringLiteral("Escriba un poder calórico mayor que 0 (kJ por %1 de combustible, con coma o punto "
                                "decimal): \"%2\" %3. Se conserva %4.")
                     .arg(Q(UnidadPoderCalorico(e.Combustible)), texto,
                          tecleado ? QStringLiteral("no es mayor que 0") : QStringLiteral("no es un número"),
                          Q(NumeroSinBlanco(e.PoderCalorico))));
        avisando_ = false;
    }
}

void PanelCalefaccion::CambiaEficiencia() {
    e.Eficiencia = static_cast<float>(barraEficiencia_->value());
    MuestraEficiencia();
}

void PanelCalefaccion::Acepta() {
    // A value typed and accepted at once, by the keyboard, is taken as leaving the box.
    if (poderCalorico_->isEnabled() && poderCalorico_->isModified()) TomaPoderCalorico();
    resumen_.Muestra(Linea::Eficiencia, Q(Caption("Eficiencia = ", e.Eficiencia, " %")));
    MuestraPoderCalorico();
    resumen_.Muestra(Linea::PoderCalorico);
    MarcaAceptado();
    Cierra();
}

void PanelCalefaccion::MuestraCargado() {
    const int i = OpcionDeCombustible(e.Combustible);
    MarcaOpcionSinEventos(opcionesCombustible_, i);
    // The panel shows the loaded figures as well, so that accepting it again keeps them.
    {
        const QSignalBlocker bloqueo(poderCalorico_);
        poderCalorico_->setText(Q(NumeroATexto(e.PoderCalorico)));
    }
    if (i >= 0 && !kCombustibles[static_cast<std::size_t>(i)].poderCalorico) poderCalorico_->setEnabled(true);
    PonBarraSinEventos(barraEficiencia_, e.Eficiencia);
    etiquetaEficiencia_->setText(Q(Caption("Eficiencia del sistema= ", e.Eficiencia, "%")));
    MuestraPoderCalorico();
    MarcaAceptado();
}

}  // namespace hortelia
