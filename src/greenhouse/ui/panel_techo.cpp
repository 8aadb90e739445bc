#include "greenhouse/ui/panel_techo.h"

#include "scenario/catalogo.h"
#include "ui/controles.h"
#include "ui/dibujos.h"
#include "ui/texto_qt.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace hortelia {
namespace {

using Linea = Resumen::Linea;

// The panel writes four blanks after the colon; loading a file writes three.
QString TextoDobleTecho(int doble) {
    return doble == 1 ? QStringLiteral("Doble techo:    Si") : QStringLiteral("Doble techo:    No");
}

QString TextoTipo(int tipo) { return QStringLiteral("Tipo de techo: ") + Q(NombreTecho(*TechoDeCodigo(tipo))); }

}  // namespace

PanelTecho::PanelTecho(Contexto& contexto, QWidget* parent)
    : Panel("FrTecho", QStringLiteral("Tipo de techo"), kPanelTecho, contexto, parent) {
    QStringList formas;
    for (Techo t : kTechos) formas << Q(NombreTecho(t));
    opcionesTecho_ = CreaOpciones(this, QString(), formas);
    QGroupBox* grupoDoble = CreaGrupo(this, "FrDTecho", QStringLiteral("¿Doble techo?"));
    opcionesDoble_ = CreaOpciones(grupoDoble, QString(), {QStringLiteral("No"), QStringLiteral("Si")});
    auto* dobles = new QHBoxLayout(grupoDoble);
    for (QRadioButton* r : opcionesDoble_) dobles->addWidget(r);
    dobles->addStretch(1);

    auto* opciones = new QVBoxLayout;
    opciones->setSpacing(10);
    for (QRadioButton* r : opcionesTecho_) opciones->addWidget(r);
    opciones->addSpacing(16);
    opciones->addWidget(grupoDoble);
    opciones->addStretch(1);

    auto* dibujos = new QGridLayout;
    for (int i = 0; i < static_cast<int>(kTechos.size()); ++i) {
        auto* d = new Dibujo(QStringLiteral("Pictecho1_%1").arg(i), Dibujo::Tipo::Techo, kTechos[i],
                             QStringLiteral("Corte del techo: %1").arg(formas[i]), this);
        dibujos->addWidget(d, 0, 0);
        dibujos_.append(d);
    }

    auto* caja = new QGridLayout(this);
    caja->setContentsMargins(16, 16, 16, 16);
    caja->setHorizontalSpacing(20);
    caja->addLayout(opciones, 0, 0);
    caja->addLayout(dibujos, 0, 1);
    caja->setColumnStretch(1, 1);
    caja->setRowStretch(0, 1);
    caja->addWidget(CreaBotonAcepta(), 1, 1, Qt::AlignRight);

    MarcaOpcionSinEventos(opcionesTecho_, e.TipoTecho - 1);
    MarcaOpcionSinEventos(opcionesDoble_, e.DobleTecho);
    MuestraDibujo(e.TipoTecho);

    ConectaOpciones(opcionesTecho_, this, &PanelTecho::EligeTipoTecho);
    ConectaOpciones(opcionesDoble_, this, &PanelTecho::EligeDobleTecho);
}

void PanelTecho::MuestraDibujo(int tipo) {
    for (int i = 0; i < dibujos_.size(); ++i) dibujos_[i]->setVisible(i == tipo - 1);
}

void PanelTecho::OcultaDimensiones() {
    for (Linea l : {Linea::Dimensiones, Linea::Suelo, Linea::Superficie, Linea::Volumen}) resumen_.Oculta(l);
}

void PanelTecho::LeeOpciones() {
    const int tipo = OpcionMarcada(opcionesTecho_);
    if (tipo >= 0) {
        e.TipoTecho = static_cast<std::int16_t>(tipo + 1);
        resumen_.Escribe(Linea::TipoTecho, TextoTipo(e.TipoTecho));
    }
    const int doble = OpcionMarcada(opcionesDoble_);
    if (doble >= 0) {
        e.DobleTecho = static_cast<std::int16_t>(doble);
        resumen_.Escribe(Linea::DobleTecho, TextoDobleTecho(doble));
    }
}

void PanelTecho::Abre(Origen origen) {
    e.TipoTechoAnt = e.TipoTecho;
    resumen_.Muestra(Linea::Estructura);
    MuestraDibujo(e.TipoTecho);
    // The menu entry takes the options as they stand.
    if (origen == Origen::Menu) LeeOpciones();
    AbrePanel();
}

void PanelTecho::EligeTipoTecho() {
    resumen_.Muestra(Linea::TipoTecho);
    const int tipo = OpcionMarcada(opcionesTecho_);
    if (tipo < 0) return;
    e.TipoTecho = static_cast<std::int16_t>(tipo + 1);
    resumen_.Escribe(Linea::TipoTecho, TextoTipo(e.TipoTecho));
    MuestraDibujo(e.TipoTecho);
    if (e.TipoTecho != e.TipoTechoAnt) {
        // Floor, cover and volume belonged to the other shape: the dimensions must be accepted again.
        OcultaDimensiones();
        e.TipoTechoAnt = e.TipoTecho;
        c_.protocolo.Anula(kPanelDimensiones);
    }
}

void PanelTecho::EligeDobleTecho() {
    resumen_.Muestra(Linea::DobleTecho);
    const int doble = OpcionMarcada(opcionesDoble_);
    if (doble < 0) return;
    e.DobleTecho = static_cast<std::int16_t>(doble);
    resumen_.Escribe(Linea::DobleTecho, TextoDobleTecho(doble));
}

void PanelTecho::Acepta() {
    resumen_.Muestra(Linea::TipoTecho);
    resumen_.Muestra(Linea::DobleTecho);
    MarcaAceptado();
    if (e.TipoTecho != e.TipoTechoAnt) {
        OcultaDimensiones();
        e.TipoTechoAnt = e.TipoTecho;
    }
    Cierra();
}

void PanelTecho::MuestraCargado() {
    if (TechoDeCodigo(e.TipoTecho)) {
        MarcaOpcionSinEventos(opcionesTecho_, e.TipoTecho - 1);
        MuestraDibujo(e.TipoTecho);
    }
    if (e.DobleTecho == 0 || e.DobleTecho == 1) MarcaOpcionSinEventos(opcionesDoble_, e.DobleTecho);
    MarcaAceptado();
}

}  // namespace hortelia
