#include "ui/protocolo.h"

#include "ui/controles.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QWidget>

#include <algorithm>
#include <stdexcept>
#include <string>

namespace hortelia {

const QColor Protocolo::kRosa(0xFF, 0xC0, 0xC0);
const QColor Protocolo::kVerde(0x00, 0xC0, 0x00);

namespace {

void Habilita(QMenu* menu, bool si) {
    menu->setEnabled(si);
    menu->menuAction()->setEnabled(si);
}

}  // namespace

Protocolo::Protocolo(Controles controles) : c_(std::move(controles)) { Pinta(); }

void Protocolo::PonBotonAcepta(int indice, QPushButton* boton, const QString& explicacion) {
    botonesAcepta_[static_cast<std::size_t>(indice)] = boton;
    explicacionesAcepta_[static_cast<std::size_t>(indice)] = explicacion;
    Pinta();
}

void Protocolo::PintaBoton(QPushButton* boton, const QColor& color) {
    // The colour painted is kept on the button, so that it is restyled only when it changes.
    if (boton->property("colorFondo").value<QColor>() == color) return;
    boton->setProperty("colorFondo", color);
    boton->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: black; border: 1px solid #808080;"
                                        " padding: 4px 8px; }"
                                        "QPushButton:disabled { color: #404040; }"
                                        "QPushButton:focus { border: 2px solid #202080; }")
                             .arg(color.name()));
}

void Protocolo::Inicia() {
    trabajando_ = true;
    Pinta();
}

void Protocolo::Abre(int indice, QWidget* frame, bool conservaProceso, const QString& espera) {
    foco_ = QApplication::focusWidget();
    abierto_ = indice;
    conservaProceso_ = conservaProceso;
    espera_ = espera;
    frame->show();
    frame->raise();
    Pinta();
    // Otherwise the focus leaves the disabled side button for the next control that takes it,
    // which may be "&Salir".
    for (QWidget* w = frame->nextInFocusChain(); w != frame; w = w->nextInFocusChain())
        if (frame->isAncestorOf(w) && w->isEnabled() && w->isVisible() && (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::OtherFocusReason);
            break;
        }
}

void Protocolo::PermiteAceptar(int indice) {
    if (abierto_ != indice) return;
    espera_.clear();
    Pinta();
}

void Protocolo::Cierra(int indice) {
    if (abierto_ != indice) return;
    abierto_ = -1;
    espera_.clear();
    Pinta();
    if (foco_ && foco_->isVisible() && foco_->isEnabled()) foco_->setFocus(Qt::OtherFocusReason);
}

void Protocolo::Acepta(int indice) {
    aceptado_[static_cast<std::size_t>(indice)] = true;
    Pinta();
    if (alAceptar) alAceptar();
}

void Protocolo::Anula(int indice) {
    aceptado_[static_cast<std::size_t>(indice)] = false;
    Pinta();
}

void Protocolo::MuestraResultados(bool visibles) {
    resultados_ = visibles;
    Pinta();
}

bool Protocolo::TodosAceptados() const {
    return std::all_of(aceptado_.begin(), aceptado_.end(), [](bool a) { return a; });
}

bool Protocolo::ProcesoHabilitado() const {
    return trabajando_ && TodosAceptados() && !resultados_ && (abierto_ < 0 || conservaProceso_);
}

void Protocolo::PonHora(int h) {
    if (h < 1 || h > 24) throw std::out_of_range("hora fuera de 1..24: " + std::to_string(h));
    hora_ = h;
}

void Protocolo::Pinta() {
    const bool navegacion = trabajando_ && abierto_ < 0 && !resultados_;
    for (int i = 0; i < c_.laterales.size(); ++i) {
        QPushButton* b = c_.laterales[i];
        const bool aceptado = Aceptado(i);
        b->setEnabled(navegacion);
        PintaBoton(b, aceptado ? kVerde : kRosa);
        b->setAccessibleDescription(aceptado ? QStringLiteral("aceptado") : QStringLiteral("pendiente"));
    }
    for (int i = 0; i < kPaneles; ++i) {
        QPushButton* acepta = botonesAcepta_[static_cast<std::size_t>(i)];
        if (!acepta) continue;
        const bool espera = i == abierto_ && !espera_.isEmpty();
        acepta->setEnabled(!espera);
        Explica(acepta, espera ? espera_ : explicacionesAcepta_[static_cast<std::size_t>(i)]);
    }
    Habilita(c_.archivo, ArchivosHabilitados());
    Habilita(c_.datos, navegacion);
    const bool proceso = ProcesoHabilitado();
    c_.procesa->setEnabled(proceso);
    c_.proceso->setEnabled(proceso);
    c_.temporada->setEnabled(proceso);
}

}  // namespace hortelia
