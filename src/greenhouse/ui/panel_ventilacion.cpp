#include "greenhouse/ui/panel_ventilacion.h"

#include "greenhouse/ventilacion.h"
#include "numeros/conversiones.h"
#include "ui/controles.h"
#include "ui/grafico.h"
#include "ui/texto_qt.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace hortelia {
namespace {

using Linea = Resumen::Linea;

QString TextoVentanas(float superficie) { return Q(Caption("Ventanas = ", superficie, " m2")); }

}  // namespace

PanelVentilacion::PanelVentilacion(Contexto& contexto, QWidget* parent)
    : Panel("FrVentil", QStringLiteral("Ventilación"), kPanelVentilacion, contexto, parent) {
    QLayout* filaSuperficie = CreaSuperficie();
    // bench/bench_ventana.cpp looks it up by its name.
    cargaHorario_ = CreaBoton(this, "Command7", QStringLiteral("Carga datos &horarios de apertura de ventanas"));
    CreaGrafico();
    barraHora_ = CreaBarra(this, "HScrVent", QStringLiteral("Hora"), Qt::Horizontal, 1, 24, 1);
    // The bar runs from 0 (closed, at the bottom) up to -100 (fully open, at the top).
    barraApertura_ = CreaBarra(this, "VScrVent", QStringLiteral("Apertura de las ventanas"), Qt::Vertical, -100, 0, 10,
                               EnUnidad(-1, QStringLiteral("%")));
    Explica(barraHora_, QStringLiteral("Hora del día cuya apertura se ve y se cambia (1 a 24)"));
    Explica(barraApertura_, QStringLiteral("Apertura de las ventanas en la hora elegida: de 0 % (abajo, cerradas) a "
                                           "100 % (arriba, abiertas del todo)"));
    porcentaje_ = CreaEtiqueta(this, "LPrVent", QStringLiteral("0%"));
    porcentaje_->setMinimumWidth(48);
    hora_ = CreaEtiqueta(this, nullptr, QStringLiteral("Hora="));
    abiertas_ = CreaEtiqueta(this, nullptr, QStringLiteral("Ventanas abiertas (m2) ="));
    relacion_ = CreaEtiqueta(this, "LRelVentSue", QStringLiteral("Vent.ab./Suelo cub. ="));

    QGroupBox* grupoCenital = CreaGrupo(this, nullptr, QStringLiteral("Vent.Cenital"));
    opcionesCenital_ = CreaOpciones(grupoCenital, QString(), {QStringLiteral("Abierta"), QStringLiteral("Cerrada")});
    auto* cenital = new QHBoxLayout(grupoCenital);
    for (QRadioButton* r : opcionesCenital_) cenital->addWidget(r);
    MarcaOpcionSinEventos(opcionesCenital_, 0);

    QLayout* apertura = CreaApertura();
    auto* lecturas = new QHBoxLayout;
    lecturas->setSpacing(24);
    for (QLabel* l : {hora_, abiertas_, relacion_}) lecturas->addWidget(l);
    lecturas->addStretch(1);

    auto* pie = new QHBoxLayout;
    pie->addWidget(grupoCenital);
    pie->addStretch(1);
    pie->addWidget(CreaBotonAcepta(QStringLiteral("Acepta la superficie de ventanas, su apertura hora "
                                                  "por hora y la ventana cenital")),
                   0, Qt::AlignBottom);

    auto* rejilla = new QGridLayout(this);
    rejilla->setContentsMargins(12, 12, 12, 12);
    rejilla->addLayout(filaSuperficie, 0, 0, 1, 2);
    rejilla->addWidget(cargaHorario_, 1, 0, 1, 2, Qt::AlignLeft);
    rejilla->addWidget(grafico_, 2, 0);
    rejilla->addLayout(apertura, 2, 1);
    rejilla->addWidget(barraHora_, 3, 0);
    rejilla->addLayout(lecturas, 4, 0, 1, 2);
    rejilla->addLayout(pie, 5, 0, 1, 2);
    rejilla->setRowStretch(2, 1);
    rejilla->setColumnStretch(0, 1);

    connect(cargaHorario_, &QPushButton::clicked, this, &PanelVentilacion::CargaHorario);
    connect(suma_, &QPushButton::clicked, this, &PanelVentilacion::SumaVentana);
    connect(resta_, &QPushButton::clicked, this, &PanelVentilacion::RestaVentana);
    connect(barraHora_, &QScrollBar::valueChanged, this, &PanelVentilacion::CambiaHora);
    connect(barraApertura_, &QScrollBar::valueChanged, this, &PanelVentilacion::CambiaApertura);
    ConectaOpciones(opcionesCenital_, this, &PanelVentilacion::EligeCenital);
}

// The window area, with its "-" and "+".
QLayout* PanelVentilacion::CreaSuperficie() {
    QLabel* rotulo = CreaEtiqueta(this, nullptr, QStringLiteral("Superficie máxima de ventanas="));
    superficie_ = CreaEtiqueta(this, "LVentaX", Q(NumeroSinBlanco(e.SupVentanas)));
    superficie_->setMinimumWidth(40);
    QLabel* unidad = CreaEtiqueta(this, nullptr, QStringLiteral("m2"));
    resta_ = CreaBotonPaso(this, nullptr, QStringLiteral("-"), QStringLiteral("Un m2 de ventanas menos"));
    suma_ = CreaBotonPaso(this, nullptr, QStringLiteral("+"), QStringLiteral("Un m2 de ventanas más"));
    Explica(suma_, QStringLiteral("Un m² más de superficie de ventanas"));
    Explica(resta_, QStringLiteral("Un m² menos de superficie de ventanas (no baja de 0)"));
    auto* fila = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{rotulo, superficie_, unidad, resta_, suma_}) fila->addWidget(w);
    fila->addStretch(1);
    return fila;
}

// The open window area of each hour, as bars.
void PanelVentilacion::CreaGrafico() {
    grafico_ = CreaGraficoHoras(this, "MSCVentil", QStringLiteral("Ventanas abiertas por hora (m2)"),
                                Grafico::Tipo::Barras, 1);
    grafico_->ColorSerie(1, 0, 128, 128);
    grafico_->TituloEjeY(QStringLiteral("Ventanas abiertas (m²)"));
    grafico_->ColumnaActual(1);
    for (int h = 1; h <= 24; ++h) {
        grafico_->EtiquetaFila(h, Q(NumeroATexto(h)));
        GraficaHora(h);
    }
    grafico_->Redibuja();
}

// The bar of the hour's opening between "Abierta" and "Cerrada", with its percentage. What
// CargaHorario shows keeps its place on the panel while it is hidden.
QLayout* PanelVentilacion::CreaApertura() {
    QLabel* abierta = CreaEtiqueta(this, "LAbierta", QStringLiteral("Abierta"));
    QLabel* cerrada = CreaEtiqueta(this, "LCerrada", QStringLiteral("Cerrada"));
    auto* apertura = new QVBoxLayout;
    apertura->addWidget(abierta, 0, Qt::AlignHCenter);
    apertura->addWidget(barraApertura_, 1, Qt::AlignHCenter);
    apertura->addWidget(cerrada, 0, Qt::AlignHCenter);
    apertura->addWidget(porcentaje_, 0, Qt::AlignHCenter);
    horario_ = {grafico_, barraHora_, barraApertura_, abierta, cerrada, porcentaje_, hora_, abiertas_, relacion_};
    for (QWidget* w : horario_) {
        QSizePolicy politica = w->sizePolicy();
        politica.setRetainSizeWhenHidden(true);
        w->setSizePolicy(politica);
    }
    return apertura;
}

void PanelVentilacion::GraficaHora(int h) {
    grafico_->FilaActual(h);
    grafico_->PonDato(NumeroSinBlanco(e.AreaVentHora(h)));
}

void PanelVentilacion::MuestraApertura() {
    porcentaje_->setText(Q(NumeroATexto(std::fabs(e.AperturaHora(Hora())))) + "%");
}

void PanelVentilacion::MuestraHora() {
    const int h = Hora();
    hora_->setText(Q(Caption("Hora = ", h)));
    abiertas_->setText(Q(Caption("Ventanas abiertas = ", e.AreaVentHora(h), " m2")));
    // Open window area over covered floor, a plain fraction cut to three decimals.
    const double fraccion = Cortar(e.AreaVentHora(h).valor() / e.SueloCubierto.valor(), 3);
    relacion_->setText(Q(Caption("Vent.ab./Suelo cub.= ", fraccion)));
    MuestraApertura();
}

void PanelVentilacion::VeHorario(bool visible) {
    for (QWidget* w : horario_) w->setVisible(visible);
}

void PanelVentilacion::Abre(Origen) {
    if (e.SueloCubierto.valor() <= 0) {
        Advierte(QStringLiteral("Especifique Dimensiones antes de continuar"));
        return;
    }
    VeHorario(false);
    cargaHorario_->setEnabled(true);
    resumen_.Muestra(Linea::Ventilacion);
    // The schedule must be shown and checked before it is accepted.
    AbrePanel(false, QStringLiteral("Cargue primero los datos horarios de apertura"));
}

void PanelVentilacion::CargaHorario() {
    for (int h = 1; h <= 24; ++h) {
        RecalculaAreaVent(e, h);
        GraficaHora(h);
    }
    grafico_->Redibuja();
    VeHorario(true);
    PermiteAceptar();
    BotonAcepta()->setFocus();
    cargaHorario_->setEnabled(false);
    PonHora(1);
    MuestraHora();
    barraHora_->setValue(Hora());
    barraApertura_->setValue(PosicionBarra(barraApertura_, e.AperturaHora(Hora())));
}

void PanelVentilacion::CambiaSuperficie(float delta) {
    // The window area cannot go below nothing.
    e.SupVentanas = std::max(0.0F, e.SupVentanas + delta);
    superficie_->setText(Q(NumeroATexto(e.SupVentanas)));
    resumen_.Escribe(Linea::Ventanas, TextoVentanas(e.SupVentanas));
    for (int h = 1; h <= 24; ++h) {
        RecalculaAreaVent(e, h);
        GraficaHora(h);
    }
    grafico_->Redibuja();
    barraHora_->setValue(Hora());
    barraApertura_->setValue(PosicionBarra(barraApertura_, e.AperturaHora(Hora())));
    MuestraHora();
}

void PanelVentilacion::CambiaHora() {
    PonHora(barraHora_->value());
    MuestraHora();
    barraApertura_->setValue(PosicionBarra(barraApertura_, e.AperturaHora(Hora())));
    MuestraApertura();
}

void PanelVentilacion::CambiaApertura() {
    const int h = Hora();
    e.AperturaHora(h) = static_cast<float>(barraApertura_->value());
    RecalculaAreaVent(e, h);
    MuestraHora();
    GraficaHora(h);
    grafico_->Redibuja();
}

void PanelVentilacion::EligeCenital() {
    const int i = OpcionMarcada(opcionesCenital_);
    if (i < 0) return;
    e.Cenital = static_cast<std::int16_t>(i == 0 ? 1 : 0);
    resumen_.Escribe(Linea::Cenital, i == 0 ? QStringLiteral("Cenital: Abierta") : QStringLiteral("Cenital: Cerrada"));
}

void PanelVentilacion::Acepta() {
    EligeCenital();
    resumen_.Muestra(Linea::Cenital);
    resumen_.Muestra(Linea::Ventanas, TextoVentanas(e.SupVentanas));
    MarcaAceptado();
    Cierra();
}

void PanelVentilacion::MuestraCargado() {
    if (e.Cenital == 1 || e.Cenital == 0) MarcaOpcionSinEventos(opcionesCenital_, e.Cenital == 1 ? 0 : 1);
    // The panel's own figures follow the loaded schedule too.
    superficie_->setText(Q(NumeroATexto(e.SupVentanas)));
    for (int h = 1; h <= 24; ++h) GraficaHora(h);
    grafico_->Redibuja();
    MarcaAceptado();
}

}  // namespace hortelia
