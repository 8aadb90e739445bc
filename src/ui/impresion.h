#pragma once

// Printing a picture of a window: the print dialog (through Interaccion) with the default
// printer chosen, then the window's image scaled to the page.

#include <QString>

class QPrinter;
class QWidget;

namespace hortelia {

class Interaccion;

/// Prints `ventana`; returns an empty string on success or cancel, else why it failed.
QString ImprimeVentana(QWidget* ventana, Interaccion& interaccion);

/// Draws the window's picture on the printer's first page, scaled to fit.
bool DibujaVentana(QWidget* ventana, QPrinter& impresora);

}  // namespace hortelia
