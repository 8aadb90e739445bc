#include "ui/impresion.h"

#include "ui/interaccion.h"

#include <QPainter>
#include <QPixmap>
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

QString ImprimeVentana(QWidget* ventana, Interaccion& interaccion) {
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setPageOrientation(QPageLayout::Landscape);
    const QPrinterInfo predeterminada = QPrinterInfo::defaultPrinter();
    if (!predeterminada.isNull()) impresora.setPrinterName(predeterminada.printerName());
    else impresora.setOutputFileName(QStringLiteral("hortelia.pdf"));
    if (!interaccion.Impresion(impresora)) return {};
    if (!DibujaVentana(ventana, impresora)) return QStringLiteral("No se pudo imprimir: la impresora no responde.");
    return {};
}

}  // namespace hortelia
