#include "greenhouse/ui/panel_dimensiones.h"

#include "greenhouse/geometria.h"
#include "numeros/conversiones.h"
#include "results/textos_resumen.h"
#include "ui/dibujos.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace hortelia {
namespace {

Variante Lee(const QLineEdit* caja) { return Variante::Doble(Parse(caja->text().toStdString())); }

}  // namespace

PanelDimensiones::PanelDimensiones(Escenario& escenario, Protocolo& protocolo, Resumen& resumen, QPushButton* botDimens,
                                   QWidget* parent)
    : Panel("FrDimens", QStringLiteral("Dimensiones"), escenario, protocolo, resumen, botDimens, parent) {
    auto* formulario = new QFormLayout;
    formulario->setVerticalSpacing(12);
    auto caja = [&](int n, const QString& rotulo, const QString& texto, const QString& unidad) {
        auto* l = new QLabel(rotulo, this);
        l->setObjectName(QStringLiteral("LDimens%1").arg(n));
        auto* t = new QLineEdit(texto, this);
        t->setObjectName(QStringLiteral("TDimens%1").arg(n));
        t->setAccessibleName(rotulo);
        t->setFixedWidth(90);
        l->setBuddy(t);
        auto* fila = new QHBoxLayout;
        fila->addWidget(t);
        if (!unidad.isEmpty()) fila->addWidget(new QLabel(unidad, this));
        fila->addStretch(1);
        formulario->addRow(l, fila);
        return t;
    };
    TDimens1 = caja(1, QStringLiteral("1. Ancho del módulo:"), "8", "m");
    TDimens2 = caja(2, QStringLiteral("2. Largo del módulo:"), "30", "m");
    TDimens3 = caja(3, QStringLiteral("3. Altura parante lateral:"), "1.5", "m");
    TDimens4 = caja(4, QStringLiteral("4. Altura máxima:"), "3.8", "m");
    TDimens5 = caja(5, QStringLiteral("5. Cantidad de módulos:"), "1", QString());

    auto* dibujos = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        const Techo techo = kTechos[i];
        auto* d = new Dibujo(QStringLiteral("Pictecho2_%1").arg(i), Dibujo::Tipo::Dimensiones, techo,
                             QStringLiteral("Dimensiones del módulo: %1").arg(Q(NombreTecho(techo))), this);
        dibujos->addWidget(d, 0, 0);
        Pictecho2.append(d);
    }

    auto* rejilla = new QGridLayout(this);
    rejilla->setContentsMargins(16, 16, 16, 16);
    rejilla->setVerticalSpacing(16);
    rejilla->addLayout(formulario, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    rejilla->addLayout(dibujos, 1, 0);
    rejilla->setRowStretch(1, 1);
    rejilla->addWidget(CreaBotonAcepta("Command3"), 2, 0, Qt::AlignRight);
    MuestraDibujo();

    connect(TDimens1, &QLineEdit::textChanged, this, &PanelDimensiones::TDimens1_Change);
    connect(TDimens3, &QLineEdit::textChanged, this, &PanelDimensiones::TDimens3_Change);
    connect(BotonAcepta(), &QPushButton::clicked, this, &PanelDimensiones::Command3_Click);
}

void PanelDimensiones::MuestraDibujo() {
    for (int i = 0; i < Pictecho2.size(); ++i) Pictecho2[i]->setVisible(i == e.TipoTecho - 1);
    TDimens4->setEnabled(!EsTecho(e.TipoTecho, Techo::Tunel));
}

void PanelDimensiones::Abre(Origen origen) {
    MuestraDibujo();
    if (EsTecho(e.TipoTecho, Techo::Tunel)) {
        // From the boxes as shown: before the first edit the record holds no width yet.
        TDimens4->setText(Q(NumeroATexto(AlturaMaximaTunel(Lee(TDimens1), Lee(TDimens3)))));
    }
    protocolo_.AbrePanel(this, origen == Origen::BotonLateral);
}

void PanelDimensiones::TDimens1_Change() {
    e.AlturaLateral = Lee(TDimens3);
    e.Ancho = Lee(TDimens1);
    if (EsTecho(e.TipoTecho, Techo::Tunel)) {
        e.AlturaMaxima = AlturaMaximaTunel(e.Ancho, e.AlturaLateral);
        TDimens4->setText(Q(NumeroATexto(e.AlturaMaxima)));
    }
}

void PanelDimensiones::TDimens3_Change() { TDimens1_Change(); }

void PanelDimensiones::MuestraResultados() {
    const TextosCarga t = TextosDeCarga(e, true);
    Resumen::Muestra(resumen_.LDSuecub, Q(t.LDSuecub));
    Resumen::Muestra(resumen_.LDSupinv, Q(t.LDSupinv));
    Resumen::Muestra(resumen_.LDVolinv, Q(t.LDVolinv));
    resumen_.LDimens->show();
}

void PanelDimensiones::Command3_Click() {
    const std::string motivo =
        AceptaDimensiones(e, {Lee(TDimens1).valor(), Lee(TDimens2).valor(), Lee(TDimens3).valor(),
                              Lee(TDimens4).valor(), Lee(TDimens5).valor()});
    if (!motivo.empty()) {
        // The panel stays open until the dimensions make a greenhouse.
        protocolo_.Avisa(Q(motivo));
        return;
    }
    MarcaAceptado();
    hide();
    MuestraResultados();
    protocolo_.RehabilitaNavegacion();
}

void PanelDimensiones::MuestraCargado() {
    if (EsTecho(e.TipoTecho, Techo::Tunel)) e.AlturaMaxima = AlturaMaximaTunel(e.Ancho, e.AlturaLateral);
    const std::pair<QLineEdit*, std::string> cajas[] = {{TDimens1, NumeroATexto(e.Ancho)},
                                                        {TDimens2, NumeroATexto(e.Largo)},
                                                        {TDimens3, NumeroATexto(e.AlturaLateral)},
                                                        {TDimens4, NumeroATexto(e.AlturaMaxima)},
                                                        {TDimens5, NumeroATexto(e.Modulos)}};
    for (const auto& [caja, texto] : cajas) {
        const QSignalBlocker bloqueo(caja);
        caja->setText(Q(texto));
    }
    MuestraDibujo();
    if (DerivaGeometria(e).empty()) {
        MuestraResultados();
        MarcaAceptado();
    } else {
        // Figures of other dimensions would be wrong here; the panel must be accepted again.
        for (QLabel* l : {resumen_.LDimens, resumen_.LDSuecub, resumen_.LDSupinv, resumen_.LDVolinv}) l->hide();
        protocolo_.AnulaAceptado(BotonLateral());
    }
    BotonLateral()->setEnabled(true);
}

}  // namespace hortelia
