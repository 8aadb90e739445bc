#include "ui/impresion.h"

#include "scenario/archivo_texto.h"
#include "scenario/texto_visible.h"
#include "ui/dialogo_archivo.h"
#include "ui/interaccion.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGraphicsView>
#include <QLocale>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>
#include <QWidget>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <functional>

namespace hortelia {
namespace {

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

// Why `ruta` cannot be written, as the system says it, or "" when it can be now.
QString PorQueNoSeEscribe(const QString& ruta) {
    const QByteArray nativa = QFile::encodeName(ruta);
    const bool existia = QFileInfo::exists(ruta);
    const int fd = ::open(nativa.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) return QString::fromStdString(RazonDelSistema(errno));
    ::close(fd);
    if (!existia) ::unlink(nativa.constData());
    return {};
}

// Which file or printer failed, and why when the system says it.
QString NoImprime(const QPrinter& impresora) {
    const QString archivo = impresora.outputFileName();
    if (archivo.isEmpty())
        return QStringLiteral("No se pudo imprimir en la impresora %1: no responde.").arg(impresora.printerName());
    const QString porQue = PorQueNoSeEscribe(archivo);
    return QStringLiteral(
               "No se pudo imprimir en el archivo \"%1\": %2. Elija otra carpeta en el diálogo de impresión.")
        .arg(QString::fromStdString(TextoVisible(QDir::toNativeSeparators(archivo).toStdString(), 4096)),
             porQue.isEmpty() ? QStringLiteral("el archivo no se pudo escribir") : porQue);
}

// Prepares the printer, asks for the print or shows the preview, and draws the pages with
// `pinta` (false when the printer refused them); an empty string, or why it failed.
QString Sale(Interaccion& interaccion, bool previa, const QString& nombrePdf, QPageLayout::Orientation orientacion,
             const std::function<bool(QPrinter&)>& pinta) {
    QPrinter impresora(QPrinter::HighResolution);
    PreparaImpresora(impresora, nombrePdf, orientacion);
    QString error;
    const auto dibuja = [&](QPrinter& p) { error = pinta(p) ? QString() : NoImprime(p); };
    if (previa) interaccion.VistaPrevia(impresora, dibuja);
    else if (interaccion.Impresion(impresora)) dibuja(impresora);
    return error;
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

bool PintaDocumento(QTextDocument& documento, QPrinter& impresora) {
    documento.print(&impresora);
    return impresora.printerState() != QPrinter::Error;
}

// The widget scaled to the page under the heading line.
bool PintaWidget(QWidget* widget, const QString& encabezado, QPrinter& impresora) {
    QPainter pintor;
    if (!pintor.begin(&impresora)) return false;
    const QRectF pagina = impresora.pageLayout().paintRectPixels(impresora.resolution());
    double arriba = 0;
    if (!encabezado.isEmpty()) {
        QFont letra = widget->font();
        letra.setPointSizeF(11);
        pintor.setFont(letra);
        const QFontMetricsF medida(letra, &impresora);
        pintor.drawText(QRectF(0, 0, pagina.width(), medida.height()), Qt::AlignLeft | Qt::AlignVCenter, encabezado);
        arriba = medida.height() * 1.5;
    }
    const double escala = std::min(pagina.width() / std::max(widget->width(), 1),
                                   (pagina.height() - arriba) / std::max(widget->height(), 1));
    pintor.translate(0, arriba);
    pintor.scale(escala, escala);
    const QPicture picture;
    const QPointF deshace(static_cast<double>(picture.logicalDpiX()) / impresora.logicalDpiX(),
                          static_cast<double>(picture.logicalDpiY()) / impresora.logicalDpiY());
    DibujaSinBotones(pintor, deshace, widget, widget);
    return pintor.end();
}

QPageLayout::Orientation OrientacionDe(const QWidget* widget) {
    return widget->width() >= widget->height() ? QPageLayout::Landscape : QPageLayout::Portrait;
}

}  // namespace

QString Html(const QString& texto) { return texto.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")); }

QString PdfPropuesto(const QString& rutaEscenario, const QString& que) {
    return JuntoAlEscenario(rutaEscenario, QLatin1Char('-') + que, QStringLiteral("pdf"),
                            QStringLiteral("hortelia-") + que);
}

QString EncabezadoImpresion(const QString& escenario) {
    const QLocale castellano(QLocale::Spanish);
    const QDateTime ahora = QDateTime::currentDateTime();
    return QStringLiteral("Escenario: %1 — impreso el %2 a las %3")
        .arg(escenario, castellano.toString(ahora.date(), QStringLiteral("d 'de' MMMM 'de' yyyy")),
             castellano.toString(ahora.time(), QStringLiteral("HH:mm")));
}

QString ImprimeDocumento(QTextDocument& documento, Interaccion& interaccion, const QString& nombrePdf,
                         QPageLayout::Orientation orientacion) {
    return Sale(interaccion, false, nombrePdf, orientacion,
                [&documento](QPrinter& p) { return PintaDocumento(documento, p); });
}

QString VistaPreviaDocumento(QTextDocument& documento, Interaccion& interaccion, const QString& nombrePdf,
                             QPageLayout::Orientation orientacion) {
    return Sale(interaccion, true, nombrePdf, orientacion,
                [&documento](QPrinter& p) { return PintaDocumento(documento, p); });
}

QString ImprimeWidget(QWidget* widget, Interaccion& interaccion, const QString& nombrePdf, const QString& encabezado) {
    return Sale(interaccion, false, nombrePdf, OrientacionDe(widget),
                [&](QPrinter& p) { return PintaWidget(widget, encabezado, p); });
}

QString VistaPreviaWidget(QWidget* widget, Interaccion& interaccion, const QString& nombrePdf,
                          const QString& encabezado) {
    return Sale(interaccion, true, nombrePdf, OrientacionDe(widget),
                [&](QPrinter& p) { return PintaWidget(widget, encabezado, p); });
}

}  // namespace hortelia
