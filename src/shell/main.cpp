#include "scenario/escenario.h"
#include "shell/hortelia.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Hortelia"));
    // Qt's own dialogs (files, printing, messages) speak Spanish too.
    QTranslator qtEnCastellano;
    if (qtEnCastellano.load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtEnCastellano);
    hortelia::Escenario escenario;
    hortelia::Hortelia ventana(escenario);
    ventana.show();
    ventana.activateWindow();
    return QApplication::exec();
}
