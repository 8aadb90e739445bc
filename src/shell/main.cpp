// The program: Hortelia's main window over one scenario record; a scenario file named on the
// command line (as a file manager passes it) is loaded once the window shows. One file at a
// time: a second one is a wrong usage (exit 2).

#include "scenario/escenario.h"
#include "scenario/texto_visible.h"
#include "shell/hortelia.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Hortelia"));
    QApplication::setOrganizationName(QStringLiteral("Hortelia"));
    QApplication::setApplicationVersion(QStringLiteral(HORTELIA_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("ar.hortelia.Hortelia"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/iconos/hortelia.svg")));
    // Qt's own dialogs (files, printing, messages) speak Spanish too.
    QTranslator qtEnCastellano;
    if (qtEnCastellano.load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtEnCastellano);

    QCommandLineParser opciones;
    opciones.setApplicationDescription(
        QStringLiteral("Simula el clima de un invernáculo durante un día: temperatura, humedad, combustible, "
                       "agua y transpiración del cultivo."));
    opciones.addHelpOption();
    opciones.addVersionOption();
    opciones.addPositionalArgument(
        QStringLiteral("escenario"),
        QStringLiteral("Un escenario guardado (.hrt) para abrir. Un nombre que empieza con \"-\" va después de "
                       "\"--\": hortelia -- -guion.hrt"),
        QStringLiteral("[ESCENARIO.hrt]"));
    opciones.process(app);
    const QStringList archivos = opciones.positionalArguments();
    if (archivos.size() > 1) {
        std::fprintf(stderr, "hortelia: se abre un escenario a la vez; sobra \"%s\".\n",
                     hortelia::TextoVisible(archivos[1].toStdString(), 4096).c_str());
        return 2;
    }

    hortelia::Escenario escenario;
    hortelia::Hortelia ventana(escenario);
    ventana.show();
    ventana.activateWindow();
    if (!archivos.isEmpty())
        QTimer::singleShot(0, &ventana, [&ventana, ruta = archivos.front()] { ventana.CargaArchivo(ruta); });
    return QApplication::exec();
}
