#include "ui/impresion.h"

#include "ui/dialogo_archivo.h"
#include "ui/interaccion.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QDir>
#include <QFileInfo>
#include <QGraphicsView>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTextDocument>
#include <QWidget>

#include <algorithm>

namespace hortelia {
namespace {

const QString kNoImprime = QStringLiteral("No se pudo imprimir en %1: la impresora o el archivo no responde.");

// The default printer; without one, a PDF file named in the dialog.
void PreparaImpresora(QPrinter& impresora, const QString& nombrePdf, QPageLayout::Orientation orientacion) {
    impresora.setDocName(QFileInfo(nombrePdf).completeBaseName());
    const QPrinterInfo predeterminada = QPrinterInfo::defaultPrinter();
    if (!predeterminada.isNull()) {
        impresora.setPrinterName(predeterminada.printerName());
    } else {
        impresora.setOutputFormat(QPrinter::PdfFormat);
        impresora.setOutputFileName(nombrePdf);
    }
    impresora.setPageOrientation(orientacion);
}

QString Destino(const QPrinter& impresora) {
    return impresora.outputFileName().isEmpty() ? impresora.printerName()
                                                : QDir::toNativeSeparators(impresora.outputFileName());
}

// Each widget paints itself at its place; buttons and scroll bars, which mean nothing on
// paper, are left out with everything inside them, and so are hidden widgets. Qt draws a
// widget for a printer through a picture of pixels; recorded as painting commands and played
// back on the printer, text stays text and lines stay lines. A picture plays back scaled by
// the printer's resolution over its own, which `deshace` undoes. A graphics view (a
// chart) draws its scene straight on the printer: played back from a picture, its clipped
// legend would lose items.
void DibujaSinBotones(QPainter& pintor, QPointF deshace, QWidget* raiz, QWidget* w) {
    if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QAbstractSlider*>(w)) return;
    QPicture dibujo;
    QPainter grabador(&dibujo);
    w->render(&grabador, QPoint(), QRegion(), QWidget::RenderFlags());
    grabador.end();
    pintor.save();
    pintor.translate(w->mapTo(raiz, QPoint(0, 0)));
    pintor.scale(deshace.x(), deshace.y());
    pintor.drawPicture(0, 0, dibujo);
    pintor.restore();
    if (auto* vista = qobject_cast<QGraphicsView*>(w)) {
        const QWidget* v = vista->viewport();
        vista->render(&pintor, QRectF(v->mapTo(raiz, QPoint(0, 0)), v->size()), v->rect());
        return;
    }
    for (QObject* o : w->children())
        if (auto* hijo = qobject_cast<QWidget*>(o); hijo && !hijo->isWindow() && hijo->isVisible())
            DibujaSinBotones(pintor, deshace, raiz, hijo);
}

}  // namespace

QString Html(const QString& texto) { return texto.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")); }

QString PdfPropuesto(const QString& rutaEscenario, const QString& que) {
    QString carpeta = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (carpeta.isEmpty() || !QFileInfo(carpeta).isDir()) carpeta = QDir::homePath();
    return JuntoAlEscenario(rutaEscenario, QLatin1Char('-') + que, QStringLiteral("pdf"),
                            QDir(carpeta).filePath(QStringLiteral("hortelia-") + que));
}

QString ImprimeDocumento(QTextDocument& documento, Interaccion& interaccion, const QString& nombrePdf,
                         QPageLayout::Orientation orientacion) {
    QPrinter impresora(QPrinter::HighResolution);
    PreparaImpresora(impresora, nombrePdf, orientacion);
    if (!interaccion.Impresion(impresora)) return {};
    documento.print(&impresora);
    if (impresora.printerState() == QPrinter::Error) return kNoImprime.arg(Destino(impresora));
    return {};
}

QString ImprimeWidget(QWidget* widget, Interaccion& interaccion, const QString& nombrePdf) {
    QPrinter impresora(QPrinter::HighResolution);
    PreparaImpresora(impresora, nombrePdf,
                     widget->width() >= widget->height() ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (!interaccion.Impresion(impresora)) return {};
    QPainter pintor;
    if (!pintor.begin(&impresora)) return kNoImprime.arg(Destino(impresora));
    const QRectF pagina = impresora.pageLayout().paintRectPixels(impresora.resolution());
    const double escala =
        std::min(pagina.width() / std::max(widget->width(), 1), pagina.height() / std::max(widget->height(), 1));
    pintor.scale(escala, escala);
    const QPicture picture;
    const QPointF deshace(static_cast<double>(picture.logicalDpiX()) / impresora.logicalDpiX(),
                          static_cast<double>(picture.logicalDpiY()) / impresora.logicalDpiY());
    DibujaSinBotones(pintor, deshace, widget, widget);
    if (!pintor.end()) return kNoImprime.arg(Destino(impresora));
    return {};
}

}  // namespace hortelia
