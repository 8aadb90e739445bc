#include "ui/interaccion.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>

namespace hortelia {

void InteraccionQt::Mensaje(Gravedad gravedad, const QString& texto) {
    const QMessageBox::Icon icono = gravedad == Gravedad::Error         ? QMessageBox::Critical
                                    : gravedad == Gravedad::Advertencia ? QMessageBox::Warning
                                                                        : QMessageBox::Information;
    QMessageBox caja(icono, QStringLiteral("Hortelia"), texto, QMessageBox::Ok, ventana_);
    caja.exec();
}

Interaccion::Respuesta InteraccionQt::Pregunta(const QString& texto, const QString& si, const QString& no,
                                               bool conCancelar) {
    QMessageBox caja(QMessageBox::Question, QStringLiteral("Hortelia"), texto, QMessageBox::NoButton, ventana_);
    QPushButton* botonSi = caja.addButton(si, QMessageBox::AcceptRole);
    QPushButton* botonNo = caja.addButton(no, conCancelar ? QMessageBox::DestructiveRole : QMessageBox::RejectRole);
    if (conCancelar) caja.addButton(QStringLiteral("Cancelar"), QMessageBox::RejectRole);
    caja.setDefaultButton(botonSi);
    caja.exec();
    if (caja.clickedButton() == botonSi) return Respuesta::Si;
    if (caja.clickedButton() == botonNo) return Respuesta::No;
    return conCancelar ? Respuesta::Cancelar : Respuesta::No;
}

QString InteraccionQt::Archivo(Modo modo, const QString& filtro, const QString& propuesto) {
    // The program asks before replacing a file itself, once the extension is added.
    if (modo == Modo::Abrir) return QFileDialog::getOpenFileName(ventana_, QStringLiteral("Abrir"), propuesto, filtro);
    return QFileDialog::getSaveFileName(ventana_, QStringLiteral("Guardar"), propuesto, filtro, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

bool InteraccionQt::Impresion(QPrinter& impresora) {
    QPrintDialog dialogo(&impresora, ventana_);
    dialogo.setWindowTitle(QStringLiteral("Imprimir"));
    return dialogo.exec() == QDialog::Accepted;
}

}  // namespace hortelia
