#include "ui/protocolo.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

namespace hortelia {

const QColor Protocolo::kRosa(0xFF, 0xC0, 0xC0);
const QColor Protocolo::kVerde(0x00, 0xC0, 0x00);

Protocolo::Protocolo(Escenario& e, QList<QPushButton*> botones, QMenu* datos, QPushButton* command12, QAction* proceso)
    : e_(e), botones_(std::move(botones)), datos_(datos), command12_(command12), proceso_(proceso) {}

void Protocolo::PintaBoton(QPushButton* boton, const QColor& color) {
    boton->setProperty("colorFondo", color);
    boton->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: black; border: 1px solid #808080;"
                                        " padding: 4px 8px; }"
                                        "QPushButton:disabled { color: #404040; }"
                                        "QPushButton:focus { border: 2px solid #202080; }")
                             .arg(color.name()));
}

void Protocolo::Avisa(const QString& texto) const {
    if (aviso) {
        aviso(texto);
        return;
    }
    QWidget* ventana = botones_.isEmpty() ? nullptr : botones_.front()->window();
    QMessageBox caja(QMessageBox::NoIcon, QStringLiteral("Hortelia"), texto, QMessageBox::Ok, ventana);
    caja.exec();
}

bool Protocolo::EsVerde(const QPushButton* boton) { return boton->property("colorFondo").value<QColor>() == kVerde; }

void Protocolo::AbrePanel(QWidget* frame, bool deshabilitaProceso) {
    foco_ = QApplication::focusWidget();
    frame->show();
    frame->raise();
    // Otherwise the focus leaves the disabled side button for the next control that takes it,
    // which may be "&Salir".
    for (QWidget* w = frame->nextInFocusChain(); w != frame; w = w->nextInFocusChain())
        if (frame->isAncestorOf(w) && w->isEnabled() && w->isVisible() && (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::OtherFocusReason);
            break;
        }
    for (QPushButton* b : botones_) b->setEnabled(false);
    datos_->setEnabled(false);
    datos_->menuAction()->setEnabled(false);
    if (deshabilitaProceso) HabilitaProceso(false);
}

void Protocolo::MarcaAceptado(QPushButton* boton) {
    if (!EsVerde(boton)) {
        PintaBoton(boton, kVerde);
        ++e_.DatosListos;
    }
    if (e_.DatosListos == 10) HabilitaProceso(true);
}

void Protocolo::AnulaAceptado(QPushButton* boton) {
    if (!EsVerde(boton)) return;
    PintaBoton(boton, kRosa);
    --e_.DatosListos;
    HabilitaProceso(false);
}

void Protocolo::RehabilitaNavegacion() {
    for (QPushButton* b : botones_) b->setEnabled(true);
    datos_->setEnabled(true);
    datos_->menuAction()->setEnabled(true);
    if (foco_ && foco_->isVisible() && foco_->isEnabled()) foco_->setFocus(Qt::OtherFocusReason);
}

void Protocolo::HabilitaProceso(bool si) {
    command12_->setEnabled(si);
    proceso_->setEnabled(si);
}

}  // namespace hortelia
