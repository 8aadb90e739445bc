#include "results/ui/resultado_opciones.h"

#include "numeros/conversiones.h"
#include "results/hoja_calculo.h"
#include "results/informe_opciones.h"
#include "results/informe_temporada.h"
#include "results/ui/cifras_temporada.h"
#include "results/ui/salidas_temporada.h"
#include "results/ui/tabla_temporada.h"
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
#include <QTextDocument>
#include <QUrl>

namespace hortelia {
namespace {

// The cell of the payback, as a bar says it: "2.5 años", "no se recupera", or nothing.
QString TextoRetorno(const FilaComparacion& f) {
    const std::string celda = CeldasComparacion(f)[8];
    const auto anios = NumeroDeCelda(celda);
    return anios ? CifraLocal(*anios, 1) + QStringLiteral(" años") : Q(celda);
}

QString Propuesto(const QString& rutaEscenario, const TipoArchivo& tipo) {
    return JuntoAlEscenario(rutaEscenario, QStringLiteral("-opciones"), tipo.extension, QStringLiteral("opciones"));
}

}  // namespace

Grafico* CreaGraficoOpciones(QWidget* padre) {
    auto* g = new Grafico("GraficoOpciones", QStringLiteral("Costo de un año, con los años en que se recupera"),
                          Grafico::Tipo::Barras, padre);
    g->PonSeries(1);
    g->ColorSerie(1, 250, 0, 0);
    g->TituloEjeX(QStringLiteral("Opción"));
    g->TituloEjeY(QStringLiteral("Costo de un año ($)"));
    return g;
}

void MuestraComparacion(const Comparacion* c, Grafico* grafico, ModeloTemporada* modelo) {
    grafico->PonFilas(c ? static_cast<int>(c->filas.size()) : 0);
    QStringList titulos;
    QVector<QStringList> filas;
    if (c) {
        for (const std::string& t : TitulosComparacion()) titulos << Q(t);
        // A season longer than a year costs as much a year as its scaled saving says.
        const double anio = c->escalada ? 365.0 / c->dias : 1;
        for (int k = 1; k <= grafico->Filas(); ++k) {
            const FilaComparacion& f = c->filas[static_cast<std::size_t>(k - 1)];
            grafico->EtiquetaFila(k, Q(f.corto));
            grafico->PonValor(k, 1, f.costoTotal.value_or(0) * anio);
            grafico->TextoSobreFila(k, TextoRetorno(f));
            QStringList fila{Q(f.titulo)};
            for (const std::string& celda : CeldasComparacion(f)) fila << Q(celda);
            filas << fila;
        }
    }
    grafico->Redibuja();
    modelo->Llena(titulos, filas, DecimalesTrasNombre(DecimalesComparacion()), c ? 0 : -1);
}

QString NotaComparacion(const Comparacion& c) {
    const Temporada& t = c.base;
    QString nota = QStringLiteral("Del %1 al %2: %3 días, la misma temporada para cada opción.")
                       .arg(Q(NombreDiaTemporada(t.desde, t.tipo)), Q(NombreDiaTemporada(t.hasta, t.tipo)))
                       .arg(c.dias);
    if (c.escalada) nota += QLatin1Char(' ') + Q(NotaEscalado(c)) + QLatin1Char('.');
    if (!t.precios.combustible && !t.precios.agua)
        nota += QStringLiteral(" Sin precios no hay costos ni ahorro: escriba el del combustible arriba.");
    return nota;
}

void ExportaTextoOpciones(Interaccion& interaccion, const QString& rutaEscenario, const ComparacionCalculada& c) {
    Exporta(interaccion, kArchivoTexto, Propuesto(rutaEscenario, kArchivoTexto),
            [&c](const std::string& ruta) { return GuardaTexto(ruta, c.texto); });
}

void ExportaHojaOpciones(Interaccion& interaccion, const QString& rutaEscenario, const ComparacionCalculada& c) {
    Exporta(interaccion, kArchivoHojaCalculo, Propuesto(rutaEscenario, kArchivoHojaCalculo),
            [&c](const std::string& ruta) {
                return GuardaHojaCalculo(ruta, HojaComparacion(c.comparacion, c.escenario, c.clima));
            });
}

void ImprimeOpciones(Interaccion& interaccion, const QString& rutaEscenario, const ComparacionCalculada& c, QFont letra,
                     bool previa) {
    QTextDocument documento;
    letra.setPointSizeF(8);
    documento.setDefaultFont(letra);
    // The chart drawn at a size of its own: the window's may be too narrow for the names.
    std::unique_ptr<Grafico> papel(CreaGraficoOpciones(nullptr));
    ModeloTemporada tabla;
    MuestraComparacion(&c.comparacion, papel.get(), &tabla);
    papel->resize(800, 300);
    documento.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("grafico:opciones")),
                          ImagenParaPapel(papel.get()));
    const QString escenario = QFileInfo(Q(c.escenario)).fileName();
    documento.setHtml(QStringLiteral("<p style=\"font-size:14pt\"><b>%1</b></p><p>Tabla de clima: %2<br>%3</p>"
                                     "<p><img src=\"grafico:opciones\" width=\"600\" height=\"225\"></p>%4")
                          .arg(QStringLiteral("¿Conviene? Opciones de %1")
                                   .arg(escenario.isEmpty() ? QStringLiteral("su invernáculo") : escenario)
                                   .toHtmlEscaped(),
                               QFileInfo(Q(c.clima)).fileName().toHtmlEscaped(),
                               NotaComparacion(c.comparacion).toHtmlEscaped(), TablaHtml(tabla)));
    const QString pdf = PdfPropuesto(rutaEscenario, QStringLiteral("opciones"));
    const QString error =
        previa ? VistaPreviaDocumento(documento, interaccion, pdf) : ImprimeDocumento(documento, interaccion, pdf);
    if (!error.isEmpty()) interaccion.Mensaje(Interaccion::Gravedad::Error, error);
}

}  // namespace hortelia
