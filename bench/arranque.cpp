// hortelia_arranque: the program's start as far as its window being shown, then it ends. For
// timing the start of the whole process and its peak memory from outside (bench/figuras.sh).
// It prints the milliseconds from entering main() to the first paint of the window and the
// peak resident memory in MB.

#include "scenario/escenario.h"
#include "shell/hortelia.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <sys/resource.h>

#include <cstdio>

int main(int argc, char** argv) {
    QElapsedTimer reloj;
    reloj.start();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Hortelia"));
    hortelia::Escenario escenario;
    hortelia::Hortelia ventana(escenario);
    ventana.show();
    if (!QTest::qWaitForWindowExposed(&ventana)) {
        std::fprintf(stderr, "hortelia_arranque: la ventana no se mostró\n");
        return 1;
    }
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    const double ms = static_cast<double>(reloj.nsecsElapsed()) / 1e6;
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    std::printf("ventana_mostrada_ms %.1f\nmemoria_pico_mb %.1f\n", ms, static_cast<double>(uso.ru_maxrss) / 1024.0);
    return 0;
}
