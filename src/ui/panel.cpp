#include "ui/panel.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace hortelia {

Panel::Panel(const QString& nombreFrame, const QString& titulo, int indice, Contexto& contexto, QWidget* parent)
    : QGroupBox(titulo, parent), c_(contexto), e(contexto.e), resumen_(contexto.resumen), indice_(indice) {
    setObjectName(nombreFrame);
    setAccessibleName(titulo);
    hide();
}

QPushButton* Panel::CreaBotonAcepta(const QString& explicacion) {
    acepta_ = new QPushButton(QStringLiteral("&Acepta datos"), this);
    acepta_->setAutoDefault(false);
    connect(acepta_, &QPushButton::clicked, this, &Panel::Acepta);
    c_.protocolo.PonBotonAcepta(indice_, acepta_, explicacion);
    return acepta_;
}

void Panel::DisponeConGraficos(QLayout* arriba, std::initializer_list<std::pair<QWidget*, int>> graficos) {
    auto* pie = new QHBoxLayout;
    pie->addStretch(1);
    pie->addWidget(acepta_);
    auto* caja = new QVBoxLayout(this);
    caja->addLayout(arriba);
    for (const auto& [grafico, estiramiento] : graficos) caja->addWidget(grafico, estiramiento);
    caja->addLayout(pie);
}

void Panel::Cierra() {
    hide();
    c_.protocolo.Cierra(indice_);
}

}  // namespace hortelia
