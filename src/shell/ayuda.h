#pragma once

// The Ayuda menu of the main window, there in every state of the window (the start frame too):
// "&Guía del productor" (F1, from any of the program's windows) shows the grower's guide in a
// window of its own, and "&Versión" says the program's version, its licence and where the
// examples are. The guide is the README's part for growers as HTML, installed with the program
// under share/doc/hortelia or, before it is installed, made in the build.

#include <QObject>
#include <QString>

class QMainWindow;
class QTextBrowser;

namespace hortelia {

class Interaccion;

class Ayuda : public QObject {
    Q_OBJECT
public:
    /// Adds the menu to the end of `ventana`'s menu bar.
    Ayuda(QMainWindow* ventana, Interaccion& interaccion);

    void MuestraGuia();
    void MuestraVersion();

    /// The installed file, else the build's; "" when there is neither.
    static QString RutaGuia();
    /// The installed examples, else those of the sources.
    static QString CarpetaEjemplos();

private:
    QMainWindow* ventana_;
    Interaccion& interaccion_;
    QTextBrowser* guia_ = nullptr;
};

}  // namespace hortelia
