#include "greenhouse/ui/panel_dimensiones.h"

#include "greenhouse/geometria.h"
#include "numeros/conversiones.h"
#include "results/textos_resumen.h"
#include "scenario/catalogo.h"
#include "scenario/limites.h"
#include "ui/controles.h"
#include "ui/dibujos.h"
#include "ui/texto_qt.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace hortelia {
namespace {

using Linea = Resumen::Linea;

// A box as typed, with a decimal comma or point; while it holds no number, 0.
Variante Lee(const QLineEdit* caja) {
    return Variante::Doble(LeeNumeroTecleado(caja->text().toStdString()).value_or(0));
}

bool EsTunel(const Escenario& e) { return EsTecho(e.TipoTecho, Techo::Tunel); }

}  // namespace

PanelDimensiones::PanelDimensiones(Contexto& contexto, QWidget* parent)
    : Panel("FrDimens", QStringLiteral("Dimensiones"), kPanelDimensiones, contexto, parent) {
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
    ancho_ = caja(1, QStringLiteral("1. Ancho del módulo:"), "8", "m");
    largo_ = caja(2, QStringLiteral("2. Largo del módulo:"), "30", "m");
    alturaLateral_ = caja(3, QStringLiteral("3. Altura parante lateral:"), "1.5", "m");
    alturaMaxima_ = caja(4, QStringLiteral("4. Altura máxima:"), "3.8", "m");
    modulos_ = caja(5, QStringLiteral("5. Cantidad de módulos:"), "1", QString());
    const std::pair<QLineEdit*, const Limite*> limitesCajas[] = {{ancho_, &limites::kAncho},
                                                                 {largo_, &limites::kLargo},
                                                                 {alturaLateral_, &limites::kAltura},
                                                                 {alturaMaxima_, &limites::kAltura},
                                                                 {modulos_, &limites::kModulos}};
    for (const auto& [caja, limite] : limitesCajas)
        Explica(caja, caja->accessibleName().section(QStringLiteral(". "), 1).chopped(1) + QStringLiteral(": ") +
                          Q(limite->Rango()) +
                          (limite->entero ? QString() : QStringLiteral(" (con coma o punto decimal)")));

    auto* dibujos = new QGridLayout;
    for (int i = 0; i < static_cast<int>(kTechos.size()); ++i) {
        const Techo techo = kTechos[i];
        auto* d = new Dibujo(QStringLiteral("Pictecho2_%1").arg(i), Dibujo::Tipo::Dimensiones, techo,
                             QStringLiteral("Dimensiones del módulo: %1").arg(Q(NombreTecho(techo))), this);
        dibujos->addWidget(d, 0, 0);
        dibujos_.append(d);
    }

    auto* rejilla = new QGridLayout(this);
    rejilla->setContentsMargins(16, 16, 16, 16);
    rejilla->setVerticalSpacing(16);
    rejilla->addLayout(formulario, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    rejilla->addLayout(dibujos, 1, 0);
    rejilla->setRowStretch(1, 1);
    rejilla->addWidget(CreaBotonAcepta(), 2, 0, Qt::AlignRight);
    MuestraDibujo();

    connect(ancho_, &QLineEdit::textChanged, this, &PanelDimensiones::CambiaAnchoOAltura);
    connect(alturaLateral_, &QLineEdit::textChanged, this, &PanelDimensiones::CambiaAnchoOAltura);
}

void PanelDimensiones::MuestraDibujo() {
    for (int i = 0; i < dibujos_.size(); ++i) dibujos_[i]->setVisible(i == e.TipoTecho - 1);
    alturaMaxima_->setEnabled(!EsTunel(e));
}

void PanelDimensiones::Abre(Origen origen) {
    MuestraDibujo();
    if (EsTunel(e)) {
        // From the boxes as shown: before the first edit the record holds no width yet.
        alturaMaxima_->setText(Q(NumeroATexto(AlturaMaximaTunel(Lee(ancho_), Lee(alturaLateral_)))));
    }
    AbrePanel(origen == Origen::Menu);
}

void PanelDimensiones::CambiaAnchoOAltura() {
    e.AlturaLateral = Lee(alturaLateral_);
    e.Ancho = Lee(ancho_);
    if (EsTunel(e)) {
        e.AlturaMaxima = AlturaMaximaTunel(e.Ancho, e.AlturaLateral);
        alturaMaxima_->setText(Q(NumeroATexto(e.AlturaMaxima)));
    }
}

void PanelDimensiones::MuestraFiguras() {
    const TextosCarga t = TextosDeCarga(e, true);
    resumen_.Muestra(Linea::Suelo, Q(t.suelo));
    resumen_.Muestra(Linea::Superficie, Q(t.superficie));
    resumen_.Muestra(Linea::Volumen, Q(t.volumen));
    resumen_.Muestra(Linea::Dimensiones);
}

void PanelDimensiones::Acepta() {
    for (QLineEdit* caja : {ancho_, largo_, alturaLateral_, alturaMaxima_, modulos_}) {
        if (LeeNumeroTecleado(caja->text().toStdString())) continue;
        Advierte(QStringLiteral("Escriba un número en \"%1\" (con coma o punto decimal): \"%2\" no es un número.")
                     .arg(caja->accessibleName(), caja->text()));
        caja->setFocus();
        return;
    }
    const std::string motivo =
        AceptaDimensiones(e, {Lee(ancho_).valor(), Lee(largo_).valor(), Lee(alturaLateral_).valor(),
                              Lee(alturaMaxima_).valor(), Lee(modulos_).valor()});
    if (!motivo.empty()) {
        // The panel stays open until the dimensions make a greenhouse.
        Advierte(Q(motivo));
        return;
    }
    MarcaAceptado();
    MuestraFiguras();
    Cierra();
}

void PanelDimensiones::MuestraCargado() {
    if (EsTunel(e)) e.AlturaMaxima = AlturaMaximaTunel(e.Ancho, e.AlturaLateral);
    const std::pair<QLineEdit*, std::string> cajas[] = {{ancho_, NumeroATexto(e.Ancho)},
                                                        {largo_, NumeroATexto(e.Largo)},
                                                        {alturaLateral_, NumeroATexto(e.AlturaLateral)},
                                                        {alturaMaxima_, NumeroATexto(e.AlturaMaxima)},
                                                        {modulos_, NumeroATexto(e.Modulos)}};
    for (const auto& [caja, texto] : cajas) {
        const QSignalBlocker bloqueo(caja);
        caja->setText(Q(texto));
    }
    MuestraDibujo();
    // Figures of dimensions the geometry refuses would be wrong: the panel must be accepted again.
    if (DerivaGeometria(e).empty()) MarcaAceptado();
    else c_.protocolo.Anula(Indice());
}

}  // namespace hortelia
