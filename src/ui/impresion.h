#pragma once

// Printing what a window shows as paper wants it: drawn at the printer's resolution, scaled
// to the page, text kept as text (a PDF can be searched and copied from), charts as lines.
// The print dialog goes through Interaccion with the default printer chosen; without one the
// print goes to a PDF file whose name the dialog shows, never in the program's current folder.
// A cancelled dialog writes nothing. Each print has its preview: the same pages on screen
// first, from where the user may print them.

#include <QPageLayout>
#include <QString>

class QPrinter;
class QTextDocument;
class QWidget;

namespace hortelia {

class Interaccion;

/// `texto` in a print's HTML: escaped, each line break a <br>.
QString Html(const QString& texto);

/// Where a print goes without a printer: beside the scenario with its name and `que`
/// ("/campo/dia.hrt", "planilla" -> "/campo/dia-planilla.pdf"), or, before a scenario has a
/// file or when its folder cannot be written, in the user's documents folder (the home folder
/// if there is none): "hortelia-planilla.pdf".
QString PdfPropuesto(const QString& rutaEscenario, const QString& que);

/// The line that heads a printed page, so that a sheet of paper says what it is:
/// "Escenario: dia.hrt — impreso el 7 de diciembre de 2025 a las 14:32".
QString EncabezadoImpresion(const QString& escenario);

/// Prints `documento` on pages of the chosen printer, paginated; its text stays text. Returns
/// an empty string on success or cancel, else which file or printer failed and why.
QString ImprimeDocumento(QTextDocument& documento, Interaccion& interaccion, const QString& nombrePdf,
                         QPageLayout::Orientation orientacion = QPageLayout::Landscape);
/// The pages ImprimeDocumento prints, previewed; a print from the preview that fails says why.
QString VistaPreviaDocumento(QTextDocument& documento, Interaccion& interaccion, const QString& nombrePdf,
                             QPageLayout::Orientation orientacion = QPageLayout::Landscape);

/// Prints what `widget` shows, without its buttons and scroll bars, scaled to fill one page
/// (landscape for a widget wider than tall), under `encabezado` when given. Returns an empty
/// string on success or cancel, else which file or printer failed and why.
QString ImprimeWidget(QWidget* widget, Interaccion& interaccion, const QString& nombrePdf,
                      const QString& encabezado = {});
/// The page ImprimeWidget prints, previewed; a print from the preview that fails says why.
QString VistaPreviaWidget(QWidget* widget, Interaccion& interaccion, const QString& nombrePdf,
                          const QString& encabezado = {});

}  // namespace hortelia
