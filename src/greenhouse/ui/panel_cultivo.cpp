#include "greenhouse/ui/panel_cultivo.h"

#include "numeros/conversiones.h"
#include "ui/controles.h"
#include "ui/texto_qt.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace hortelia {
namespace {

using Linea = Resumen::Linea;

// The summary column's captions; the panel's own carry the unit and "de".
QString TextoMaxTol(const Variante& t) { return Q(Caption("Máxima tolerable= ", t)); }
QString TextoMinTol(const Variante& t) { return Q(Caption("Mínima tolerable= ", t)); }
QString TextoIAF(float iaf) { return Q(Caption("Índice área foliar= ", iaf)); }

}  // namespace

PanelCultivo::PanelCultivo(Contexto& contexto, QWidget* parent)
    : Panel("FrCultivo", QStringLiteral("Cultivo"), kPanelCultivo, contexto, parent) {
    etiquetaIAF_ = CreaEtiqueta(this, "LCIAF");
    etiquetaMaxima_ = CreaEtiqueta(this, "LCMaxTol");
    etiquetaMinima_ = CreaEtiqueta(this, "LCMinTol");
    barraIAF_ = CreaBarra(this, "HScrIAF", QStringLiteral("Índice de área foliar"), Qt::Horizontal, 0, 60, 1,
                          EnUnidad(0.25, {}));
    barraMaxima_ = CreaBarra(this, "HScrMaxTol", QStringLiteral("Temperatura máxima tolerable"), Qt::Horizontal, 0, 60,
                             5, EnUnidad(1, QStringLiteral("°C")));
    barraMinima_ = CreaBarra(this, "HScrMinTol", QStringLiteral("Temperatura mínima tolerable"), Qt::Horizontal, -10,
                             30, 5, EnUnidad(1, QStringLiteral("°C")));
    Explica(barraIAF_, QStringLiteral("Índice de área foliar: m² de hoja por m² de suelo, de 0 a 15 en pasos de 0.25"));
    Explica(barraMaxima_, QStringLiteral("Temperatura interior más alta que tolera el cultivo: de 0 a 60 °C; por "
                                         "encima se refrigera con agua asperjada"));
    Explica(barraMinima_, QStringLiteral("Temperatura interior más baja que tolera el cultivo: de -10 a 30 °C; por "
                                         "debajo se calefacciona"));

    auto* rejilla = new QGridLayout(this);
    rejilla->setContentsMargins(16, 16, 16, 16);
    rejilla->setVerticalSpacing(6);
    int fila = 0;
    for (auto [l, b] : {std::pair{etiquetaIAF_, barraIAF_}, std::pair{etiquetaMaxima_, barraMaxima_},
                        std::pair{etiquetaMinima_, barraMinima_}}) {
        if (fila > 0) rejilla->setRowMinimumHeight(fila++, 18);
        rejilla->addWidget(l, fila++, 0);
        rejilla->addWidget(b, fila++, 0);
    }
    rejilla->setColumnMinimumWidth(0, 360);
    rejilla->setColumnStretch(1, 1);
    rejilla->setRowStretch(fila++, 1);
    rejilla->addWidget(CreaBotonAcepta(), fila, 0, 1, 2, Qt::AlignRight);

    MuestraValores();

    connect(barraIAF_, &QScrollBar::valueChanged, this, &PanelCultivo::CambiaIAF);
    connect(barraMaxima_, &QScrollBar::valueChanged, this, &PanelCultivo::CambiaMaximaTolerable);
    connect(barraMinima_, &QScrollBar::valueChanged, this, &PanelCultivo::CambiaMinimaTolerable);
}

void PanelCultivo::MuestraValores() {
    etiquetaMaxima_->setText(Q(Caption("Temperatura máxima tolerable= ", e.TMaxTol, " C")));
    PonBarraSinEventos(barraMaxima_, e.TMaxTol.valor());
    etiquetaMinima_->setText(Q(Caption("Temperatura mínima tolerable= ", e.TMinTol, " C")));
    PonBarraSinEventos(barraMinima_, e.TMinTol.valor());
    etiquetaIAF_->setText(Q(Caption("Índice de área foliar= ", e.IAF)));
    PonBarraSinEventos(barraIAF_, static_cast<double>(e.IAF) * 4);
}

void PanelCultivo::Abre(Origen origen) {
    resumen_.Muestra(Linea::Cultivo);
    if (origen == Origen::Menu)
        for (Linea l : {Linea::MaxTol, Linea::MinTol, Linea::Iaf}) resumen_.Muestra(l);
    AbrePanel(origen == Origen::Menu);
}

void PanelCultivo::CambiaIAF() {
    e.IAF = static_cast<float>(barraIAF_->value()) / 4.0F;
    etiquetaIAF_->setText(Q(Caption("Índice de área foliar= ", e.IAF)));
    resumen_.Escribe(Linea::Iaf, TextoIAF(e.IAF));
}

void PanelCultivo::CambiaMaximaTolerable() {
    e.TMaxTol = Variante::Entero(static_cast<std::int16_t>(barraMaxima_->value()));
    etiquetaMaxima_->setText(Q(Caption("Temperatura máxima tolerable= ", e.TMaxTol, " C")));
    resumen_.Escribe(Linea::MaxTol, TextoMaxTol(e.TMaxTol));
}

void PanelCultivo::CambiaMinimaTolerable() {
    e.TMinTol = Variante::Entero(static_cast<std::int16_t>(barraMinima_->value()));
    etiquetaMinima_->setText(Q(Caption("Temperatura mínima tolerable= ", e.TMinTol, " C")));
    resumen_.Escribe(Linea::MinTol, TextoMinTol(e.TMinTol));
}

void PanelCultivo::Acepta() {
    MarcaAceptado();
    resumen_.Muestra(Linea::Cultivo);
    resumen_.Muestra(Linea::MaxTol, TextoMaxTol(e.TMaxTol));
    resumen_.Muestra(Linea::MinTol, TextoMinTol(e.TMinTol));
    resumen_.Muestra(Linea::Iaf, TextoIAF(e.IAF));
    Cierra();
}

void PanelCultivo::MuestraCargado() {
    MuestraValores();
    MarcaAceptado();
}

}  // namespace hortelia
