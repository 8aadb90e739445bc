// The README's pictures, taken from the real main window: it is driven as the window tests
// drive it (every question answered by a script) and each state is saved as a PNG.
//
//   hortelia-capturas CARPETA [NOMBRE ...]     (only the pictures named, when some are)
//
// scripts/capturas.sh builds and runs it offscreen into docs/capturas/.

#include "support/ventana_de_prueba.h"

#include "results/ui/planilla.h"
#include "results/ui/ventana_temporada.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QSpinBox>
#include <QTabWidget>

#include <cstdio>
#include <functional>

using namespace hortelia;

namespace {

QString carpeta;
QStringList elegidas;  ///< the pictures asked for; all when empty
int errores = 0;

bool Toca(const char* nombre) { return elegidas.isEmpty() || elegidas.contains(QString::fromLatin1(nombre)); }

void Guarda(QWidget* w, const char* nombre) {
    QApplication::processEvents();
    const QString ruta = QDir(carpeta).filePath(QString::fromLatin1(nombre) + QStringLiteral(".png"));
    if (!w->grab().save(ruta)) {
        std::fprintf(stderr, "hortelia-capturas: no se pudo guardar %s\n", qPrintable(ruta));
        ++errores;
        return;
    }
    std::printf("%s\n", qPrintable(ruta));
}

// One picture of the main window at a size, after `prepara` brought it to the state wanted.
void Captura(const char* nombre, QSize tam, bool inicia, const std::function<void(VentanaDePrueba&)>& prepara) {
    if (!Toca(nombre)) return;
    VentanaDePrueba v(inicia);
    v.guion.fallaEnLoInesperado = false;
    v.w.resize(tam);
    prepara(v);
    Guarda(&v.w, nombre);
}

// The README's "¿Conviene?": the simple tunnel over the example typical year, a double roof for
// 1500, the minimum 2 °C lower, and a burner of 90 % for 400.
void CapturaOpciones(QSize tam) {
    const QString antes = QDir::currentPath();
    QDir::setCurrent(QStringLiteral(HORTELIA_FUENTES));
    VentanaDePrueba v;
    v.guion.fallaEnLoInesperado = false;
    v.w.resize(tam);
    v.Abre(QStringLiteral("ejemplos/tunel_simple.hrt"));
    v.w.AbreTemporada();
    VentanaTemporada* t = v.w.TemporadaCreada();
    t->resize(tam);
    t->CargaTabla(QStringLiteral("ejemplos/anio_tipico.epw"));
    t->findChild<QLineEdit*>(QStringLiteral("PrecioCombustible"))->setText(QStringLiteral("1,1"));
    t->findChild<QTabWidget*>(QStringLiteral("PartesTemporada"))->setCurrentIndex(1);
    for (const char* opcion : {"OpcionDobleTecho", "OpcionMinima", "OpcionEficiencia"})
        t->findChild<QCheckBox*>(QString::fromLatin1(opcion))->setChecked(true);
    t->findChild<QSpinBox*>(QStringLiteral("MinimaOpcion"))->setValue(2);
    t->findChild<QSpinBox*>(QStringLiteral("EficienciaOpcion"))->setValue(90);
    const auto inversiones = t->findChild<QWidget*>(QStringLiteral("GrupoOpciones"))->findChildren<QLineEdit*>();
    for (QLineEdit* c : inversiones) {
        if (c->accessibleName() == QStringLiteral("Inversión en doble techo ($)")) c->setText(QStringLiteral("1500"));
        if (c->accessibleName().startsWith(QStringLiteral("Inversión en eficiencia")))
            c->setText(QStringLiteral("400"));
    }
    // "&Compara" with the options in front; the run goes off the window's thread.
    t->Calcula();
    if (!QTest::qWaitFor([t] { return !t->Corriendo(); }, 60000)) ++errores;
    QTest::qWait(300);  // the chart lays its new axes out in the event loop
    Guarda(t, "opciones");
    QDir::setCurrent(antes);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "uso: hortelia-capturas CARPETA [NOMBRE ...]\n");
        return 2;
    }
    carpeta = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    for (int i = 2; i < argc; ++i) elegidas << QString::fromLocal8Bit(argv[i]);
    QDir().mkpath(carpeta);
    const QSize portatil(1024, 720), mediana(1400, 1000), grande(1920, 1080);

    Captura("inicio", portatil, false, [](VentanaDePrueba&) {});
    Captura("primer-dia", portatil, true, [](VentanaDePrueba& v) {
        for (const char* b : {"BotTecho", "BotDimens", "BotMaterial"}) {
            v.Click(b);
            v.AceptaAbierto();
        }
        v.Click("BotVentil");
        v.Pulsa("Carga datos &horarios de apertura de ventanas");
    });
    Captura("radiacion", portatil, true, [](VentanaDePrueba& v) {
        v.Click("BotRadiac");
        v.Mueve("HScrRHora", 12);
    });
    Captura("resultados", portatil, true, [](VentanaDePrueba& v) {
        v.Procesa();
        v.Mueve("HScrResHora", 14);
    });
    Captura("resultados-1400x1000", mediana, true, [](VentanaDePrueba& v) { v.Procesa(); });
    Captura("resultados-1920x1080", grande, true, [](VentanaDePrueba& v) { v.Procesa(); });
    if (Toca("planilla")) {
        VentanaDePrueba v;
        v.guion.fallaEnLoInesperado = false;
        v.w.resize(portatil);
        v.Procesa();
        v.Pulsa("&Planilla de datos");
        Planilla* p = v.w.PlanillaCreada();
        p->resize(1000, 700);
        Guarda(p, "planilla");
    }
    if (Toca("temporada")) {
        // A season of the example normals on the example tunnel, with prices and a design
        // temperature (normals alone give no heater to install); the files named
        // from the sources' folder, as a grower's own would be ("ejemplos/clima_normales.csv").
        const QString antes = QDir::currentPath();
        QDir::setCurrent(QStringLiteral(HORTELIA_FUENTES));
        VentanaDePrueba v;
        v.guion.fallaEnLoInesperado = false;
        v.w.resize(portatil);
        v.Abre(QStringLiteral("ejemplos/tunel_doble.hrt"));
        v.w.AbreTemporada();
        VentanaTemporada* t = v.w.TemporadaCreada();
        t->resize(portatil);
        t->CargaTabla(QStringLiteral("ejemplos/clima_normales.csv"));
        t->findChild<QLineEdit*>(QStringLiteral("PrecioCombustible"))->setText(QStringLiteral("1,2"));
        t->findChild<QLineEdit*>(QStringLiteral("PrecioAgua"))->setText(QStringLiteral("0,8"));
        t->findChild<QLineEdit*>(QStringLiteral("TemperaturaDiseno"))->setText(QStringLiteral("-3"));
        t->Calcula();
        if (!QTest::qWaitFor([t] { return !t->Corriendo(); }, 60000)) ++errores;
        Guarda(t, "temporada");
        QDir::setCurrent(antes);
    }
    if (Toca("opciones")) CapturaOpciones(portatil);
    return errores ? 1 : 0;
}
