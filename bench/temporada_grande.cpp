// hortelia_temporada_grande: a season window on a daily table of many years, timed and measured
// in its own process (bench/figuras.sh times hortelia-sim on the same file beside it).
//
//   hortelia_temporada_grande --genera ARCHIVO [DIAS]   writes a daily table of DIAS days (316 000)
//   hortelia_temporada_grande ARCHIVO ESCENARIO.hrt     the window, offscreen: the table read, the
//                                                       season run and shown; prints its time in ms
//                                                       and the process's peak memory in MB

#include "engine/carga_escenario.h"
#include "engine/valores_iniciales.h"
#include "results/ui/ventana_temporada.h"
#include "ui/interaccion.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <sys/resource.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

using namespace hortelia;

namespace {

// Any question stops the figure: the run must go through without one.
class SinPreguntas : public Interaccion {
public:
    void Mensaje(Gravedad, const QString& texto) override { Falla(texto); }
    Respuesta Pregunta(const QString& texto, const QString&, const QString&, bool) override { Falla(texto); }
    QString Archivo(Modo, const QString&, const QString&, const QString&) override { Falla("archivo"); }
    bool Impresion(QPrinter&) override { Falla("impresión"); }
    void VistaPrevia(QPrinter&, const std::function<void(QPrinter&)>&) override { Falla("vista previa"); }

private:
    [[noreturn]] static void Falla(const QString& texto) {
        std::fprintf(stderr, "hortelia_temporada_grande: %s\n", qPrintable(texto));
        std::exit(1);
    }
};

// A made-up climate: a yearly wave with a weekly ripple, from January 1, 1160 on (about 10 MB).
int Genera(const char* ruta, long dias) {
    std::ofstream f(ruta);
    f << "fecha,tmax,tmin,hrmax,hrmin,nubosidad,viento\n";
    const int largo[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int anio = 1160, mes = 1, dia = 1;
    char linea[96];
    for (long n = 0; n < dias; ++n) {
        const double ola = std::cos(2 * M_PI * static_cast<double>(n) / 365.25), onda = std::sin(n * 0.9);
        std::snprintf(linea, sizeof linea, "%04d-%02d-%02d,%.1f,%.1f,90,%d,%d,%d\n", anio, mes, dia,
                      24 + 10 * ola + 3 * onda, 9 + 8 * ola + 2 * onda, 40 + static_cast<int>(n % 30),
                      static_cast<int>(n % 9), 5 + static_cast<int>(n % 17));
        f << linea;
        const bool bisiesto = anio % 4 == 0 && (anio % 100 != 0 || anio % 400 == 0);
        if (++dia > largo[mes - 1] + (mes == 2 && bisiesto ? 1 : 0)) {
            dia = 1;
            if (++mes > 12) {
                mes = 1;
                ++anio;
            }
        }
    }
    return f ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::string(argv[1]) == "--genera") return Genera(argv[2], argc > 3 ? std::atol(argv[3]) : 316000);
    if (argc != 3) {
        std::fprintf(stderr, "uso: hortelia_temporada_grande --genera ARCHIVO [DIAS] | ARCHIVO ESCENARIO.hrt\n");
        return 2;
    }
    QApplication app(argc, argv);
    Escenario e;
    PonValoresIniciales(e);
    if (!CargaEscenario(argv[2], e).ok) return 1;
    SinPreguntas interaccion;
    VentanaTemporada ventana(e, interaccion, [] { return QString(); });
    ventana.resize(1000, 700);
    ventana.show();
    if (!QTest::qWaitForWindowExposed(&ventana)) return 1;

    QElapsedTimer reloj;
    reloj.start();
    if (!ventana.CargaTabla(QString::fromLocal8Bit(argv[1]))) return 1;
    ventana.Calcula();
    // The window answers while the season runs; it is done once it shows it, painted.
    if (!QTest::qWaitFor([&] { return !ventana.Corriendo(); }, 600000) || !ventana.TemporadaMostrada()) return 1;
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    ventana.repaint();
    const double ms = static_cast<double>(reloj.nsecsElapsed()) / 1e6;
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    std::printf("ventana_ms %.0f\ndias %zu\nmemoria_pico_mb %.0f\n", ms, ventana.TemporadaMostrada()->dias.size(),
                static_cast<double>(uso.ru_maxrss) / 1024.0);
    return 0;
}
