#include "results/ui/salidas_temporada.h"

#include "numeros/conversiones.h"
#include "results/hoja_calculo.h"
#include "results/informe_temporada.h"
#include "results/ui/vista_temporada.h"
#include "scenario/archivo_texto.h"
#include "ui/cifra_local.h"
#include "ui/dialogo_archivo.h"
#include "ui/grafico.h"
#include "ui/impresion.h"
#include "ui/interaccion.h"
#include "ui/texto_qt.h"

#include <QFileInfo>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>

namespace hortelia {

QImage ImagenParaPapel(QWidget* w) {
    QImage imagen(w->size() * 2, QImage::Format_ARGB32_Premultiplied);
    imagen.setDevicePixelRatio(2);
    imagen.fill(Qt::white);
    QPainter pintor(&imagen);
    w->render(&pintor);
    return imagen;
}

namespace {

// The export proposed beside the scenario: its name and "-temporada".
QString Propuesto(const QString& rutaEscenario, const TipoArchivo& tipo) {
    return JuntoAlEscenario(rutaEscenario, QStringLiteral("-temporada"), tipo.extension, QStringLiteral("temporada"));
}

// The scenario, the climate table, the days and the prices.
QString Cabeza(const TemporadaCalculada& c, const VistaTemporada& vista, const QString& unidadCombustible) {
    const Temporada& t = c.temporada;
    const QString escenario = QFileInfo(Q(c.escenario)).fileName();
    QString h = QStringLiteral("<p style=\"font-size:14pt\"><b>%1</b></p>")
                    .arg(Html(escenario.isEmpty() ? QStringLiteral("Temporada")
                                                  : QStringLiteral("Temporada de %1").arg(escenario)));
    h += QStringLiteral("<p>Tabla de clima: %1 (%2)<br>%3")
             .arg(Html(QFileInfo(Q(c.clima)).fileName()),
                  t.tipo == TipoTablaClima::Normales ? QStringLiteral("normales mensuales")
                  : EsHoraria(t.tipo)                ? QStringLiteral("registros horarios")
                                                     : QStringLiteral("datos diarios"),
                  Html(vista.Periodo()));
    if (t.precios.combustible)
        h += QStringLiteral("<br>Precio del combustible: %1 por %2")
                 .arg(CifraLocal(*t.precios.combustible, 2), Html(unidadCombustible));
    if (t.precios.agua) h += QStringLiteral("<br>Precio del agua: %1 por m³").arg(CifraLocal(*t.precios.agua, 2));
    return h + QStringLiteral("</p>");
}

// The totals side by side, in large type as on screen (titles, figures and the lines under them
// each in a row, so that they align), then the lines that go with them.
QString Totales(const VistaTemporada& vista) {
    const QList<VistaTemporada::TotalMostrado> totales = vista.Totales();
    const QString ancho = QString::number(100 / std::max<qsizetype>(1, totales.size()));
    QString filas[3];
    for (const VistaTemporada::TotalMostrado& total : totales) {
        filas[0] += QStringLiteral("<td width=\"%1%\" valign=\"bottom\">%2</td>").arg(ancho, Html(total.titulo));
        filas[1] += QStringLiteral("<td><span style=\"font-size:14pt\"><b>%1</b></span></td>").arg(Html(total.valor));
        filas[2] += QStringLiteral("<td valign=\"top\">%1</td>").arg(Html(total.detalle));
    }
    QString h = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\" width=\"100%\">");
    for (const QString& fila : filas) h += QStringLiteral("<tr>%1</tr>").arg(fila);
    h += QStringLiteral("</table>");
    for (const QString& nota : vista.Notas()) h += QStringLiteral("<p>%1</p>").arg(Html(nota));
    return h + QStringLiteral("<p></p>");
}

// The two charts side by side, small enough to leave the month table whole on the page, as
// pictures drawn at a size of their own: the window's may be too narrow for the months' names.
QString Graficos(const Temporada& t, QTextDocument& documento) {
    QString h = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\" width=\"100%\"><tr>");
    for (const auto& g : VistaTemporada::Graficos(t)) {
        g->resize(600, 300);
        const QString nombre = QStringLiteral("grafico:") + g->objectName();
        documento.addResource(QTextDocument::ImageResource, QUrl(nombre), ImagenParaPapel(g.get()));
        h += QStringLiteral("<td><img src=\"%1\" width=\"380\" height=\"190\"></td>").arg(nombre);
    }
    return h + QStringLiteral("</tr></table><p></p>");
}

}  // namespace

QString TablaHtml(const ModeloTemporada& meses) {
    QString h = QStringLiteral(
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" width=\"100%\" "
        "style=\"border-collapse:collapse; font-size:7pt\">"
        "<thead><tr>");
    for (int c = 0; c < meses.columnCount(); ++c)
        h += QStringLiteral("<th style=\"white-space:nowrap\">%1</th>").arg(Html(meses.Titulo(c)));
    h += QStringLiteral("</tr></thead>");
    for (int f = 0; f < meses.rowCount(); ++f) {
        const bool total = f == meses.Destacada();
        h += QStringLiteral("<tr>");
        for (int c = 0; c < meses.columnCount(); ++c) {
            const QString celda = Html(meses.Texto(f, c));
            h += QStringLiteral("<td align=\"%1\" style=\"white-space:nowrap\">%2</td>")
                     .arg(c == 0 ? QStringLiteral("left") : QStringLiteral("right"),
                          total ? QStringLiteral("<b>%1</b>").arg(celda) : celda);
        }
        h += QStringLiteral("</tr>");
    }
    return h + QStringLiteral("</table>");
}

void ExportaTextoTemporada(Interaccion& interaccion, const QString& rutaEscenario, const TemporadaCalculada& c) {
    Exporta(interaccion, kArchivoTexto, Propuesto(rutaEscenario, kArchivoTexto),
            [&c](const std::string& ruta) { return GuardaTexto(ruta, c.texto); });
}

void ExportaHojaTemporada(Interaccion& interaccion, const QString& rutaEscenario, const TemporadaCalculada& c) {
    Exporta(interaccion, kArchivoHojaCalculo, Propuesto(rutaEscenario, kArchivoHojaCalculo),
            [&c](const std::string& ruta) {
                return GuardaHojaCalculo(ruta, HojaTemporada(c.temporada, c.escenario, c.clima));
            });
}

std::unique_ptr<QTextDocument> DocumentoTemporada(const TemporadaCalculada& c, const VistaTemporada& vista,
                                                  const QString& unidadCombustible, QFont letra) {
    auto documento = std::make_unique<QTextDocument>();
    letra.setPointSizeF(8);
    documento->setDefaultFont(letra);
    documento->setHtml(Cabeza(c, vista, unidadCombustible) + Totales(vista) + Graficos(c.temporada, *documento) +
                       TablaHtml(vista.Meses()));
    return documento;
}

void ImprimeTemporada(Interaccion& interaccion, const QString& rutaEscenario, QTextDocument& documento, bool previa) {
    const QString pdf = PdfPropuesto(rutaEscenario, QStringLiteral("temporada"));
    const QString error =
        previa ? VistaPreviaDocumento(documento, interaccion, pdf) : ImprimeDocumento(documento, interaccion, pdf);
    if (!error.isEmpty()) interaccion.Mensaje(Interaccion::Gravedad::Error, error);
}

}  // namespace hortelia
