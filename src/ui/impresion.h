#pragma once

// Printing what a window shows as paper wants it: drawn at the printer's resolution, scaled
// to the page, text kept as text (a PDF can be searched and copied from), charts as lines.
// The print dialog goes through Interaccion with the default printer chosen; without one the
// print goes to a PDF file whose name the dialog shows, never in the program's current folder.
// A cancelled dialog writes nothing.

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
/// file, in the user's documents folder (the home folder if there is none): "hortelia-planilla.pdf".
QString PdfPropuesto(const QString& rutaEscenario, const QString& que);

/// Prints `documento` on pages of the chosen printer, paginated; its text stays text. Returns
/// an empty string on success or cancel, else why it failed.
QString ImprimeDocumento(QTextDocument& documento, Interaccion& interaccion, const QString& nombrePdf,
                         QPageLayout::Orientation orientacion = QPageLayout::Landscape);

/// Prints what `widget` shows, without its buttons and scroll bars, scaled to fill one page
/// (landscape for a widget wider than tall). Returns an empty string on success or cancel,
/// else why it failed.
QString ImprimeWidget(QWidget* widget, Interaccion& interaccion, const QString& nombrePdf);

}  // namespace hortelia
