#include "ui/impresion.h"

#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace hortelia {

bool DibujaVentana(QWidget* ventana, QPrinter& impresora) {
    const QPixmap imagen = ventana->window()->grab();
    QPainter p;
    if (!p.begin(&impresora)) return false;
    const QRect pagina = impresora.pageLayout().paintRectPixels(impresora.resolution());
    const QSize tam = imagen.size().scaled(pagina.size(), Qt::KeepAspectRatio);
    p.drawPixmap(QRect(QPoint(0, 0), tam), imagen);
    return p.end();
}

QString Impresion::Imprime(QWidget* ventana) const {
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setPageOrientation(QPageLayout::Landscape);
    const QPrinterInfo predeterminada = QPrinterInfo::defaultPrinter();
    if (!predeterminada.isNull()) impresora.setPrinterName(predeterminada.printerName());
    else impresora.setOutputFileName(QStringLiteral("hortelia.pdf"));
    const bool acepta = dialogo ? dialogo(impresora, ventana) : [&] {
        QPrintDialog d(&impresora, ventana);
        d.setWindowTitle(QStringLiteral("Imprimir"));
        return d.exec() == QDialog::Accepted;
    }();
    if (!acepta) return {};
    if (!DibujaVentana(ventana, impresora)) return QStringLiteral("No se pudo imprimir: la impresora no responde.");
    return {};
}

}  // namespace hortelia
