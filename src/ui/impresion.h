#pragma once

// Printing a picture of a window: the system print dialog with the default printer chosen
// (where there is none, printing to a PDF file still works), then the window's image scaled
// to the page.

#include <QString>

#include <functional>

class QPrinter;
class QWidget;

namespace hortelia {

struct Impresion {
    /// Shows the print dialog; false on cancel. Tests replace it (e.g. to print to a PDF).
    std::function<bool(QPrinter&, QWidget*)> dialogo;

    /// Prints `ventana`; returns an empty string on success or cancel, else why it failed.
    QString Imprime(QWidget* ventana) const;
};

/// Draws the window's picture on the printer's first page, scaled to fit.
bool DibujaVentana(QWidget* ventana, QPrinter& impresora);

}  // namespace hortelia
