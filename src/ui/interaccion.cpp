#include "ui/interaccion.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrintPreviewDialog>
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

QString InteraccionQt::Archivo(Modo modo, const QString& filtro, const QString& propuesto, const QString& nota) {
    const QString titulo = modo == Modo::Abrir ? QStringLiteral("Abrir") : QStringLiteral("Guardar");
    // The program asks before replacing a file itself, once the extension is added.
    if (nota.isEmpty()) {
        if (modo == Modo::Abrir) return QFileDialog::getOpenFileName(ventana_, titulo, propuesto, filtro);
        return QFileDialog::getSaveFileName(ventana_, titulo, propuesto, filtro, nullptr,
                                            QFileDialog::DontConfirmOverwrite);
    }
    // Qt's own dialog, whose layout takes the note under the file name and type.
    QFileDialog dialogo(ventana_, titulo, propuesto, filtro);
    dialogo.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    dialogo.setAcceptMode(modo == Modo::Abrir ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialogo.setFileMode(modo == Modo::Abrir ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    auto* linea = new QLabel(nota, &dialogo);
    linea->setObjectName(QStringLiteral("NotaArchivo"));
    linea->setWordWrap(true);
    if (auto* rejilla = qobject_cast<QGridLayout*>(dialogo.layout()))
        rejilla->addWidget(linea, rejilla->rowCount(), 0, 1, rejilla->columnCount());
    return dialogo.exec() == QDialog::Accepted ? dialogo.selectedFiles().value(0) : QString();
}

bool InteraccionQt::Impresion(QPrinter& impresora) {
    QPrintDialog dialogo(&impresora, ventana_);
    dialogo.setWindowTitle(QStringLiteral("Imprimir"));
    return dialogo.exec() == QDialog::Accepted;
}

void InteraccionQt::VistaPrevia(QPrinter& impresora, const std::function<void(QPrinter&)>& pinta) {
    QPrintPreviewDialog dialogo(&impresora, ventana_);
    dialogo.setWindowTitle(QStringLiteral("Vista previa"));
    QObject::connect(&dialogo, &QPrintPreviewDialog::paintRequested, &dialogo, [&pinta](QPrinter* p) { pinta(*p); });
    dialogo.exec();
}

}  // namespace hortelia
