#include "scenario/escenario.h"
#include "shell/hortelia.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Hortelia"));
    hortelia::Escenario escenario;
    hortelia::Hortelia ventana(escenario);
    ventana.show();
    ventana.activateWindow();
    return QApplication::exec();
}
