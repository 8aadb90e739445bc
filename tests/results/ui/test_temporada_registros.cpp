// The season window on the grower's own weather: a typical year (EPW), an hourly and a daily
// export of a weather API give the same text as hortelia-sim; the design fields, prefilled from
// the file, their refusals and the sentences about the heater to install; a record's day opened
// as the scenario's own day, after the unsaved-changes question.

#include "support/temporada_de_prueba.h"

#include "results/informe_temporada.h"
#include "scenario/archivo_hrt.h"

#include <QTabWidget>
#include <QTemporaryDir>

using namespace hortelia;
using namespace hortelia::prueba;

namespace {

const QString kTunel = Ejemplo("tunel_doble.hrt");
const QString kEpw = Ejemplo("anio_tipico.epw");
using Respuesta = Interaccion::Respuesta;

QString Texto(VentanaTemporada* t, const char* etiqueta) { return En<QLabel>(t, etiqueta)->text(); }

// Row `fila` of the day table chosen with the mouse, in its tab.
void EligeDia(VentanaTemporada* t, int fila) {
    En<QTabWidget>(t, "PestaniasTemporada")->setCurrentIndex(1);
    auto* dias = En<QTableView>(t, "TablaDias");
    const QRect celda = dias->visualRect(dias->model()->index(fila, 0));
    QTest::mouseClick(dias->viewport(), Qt::LeftButton, {}, celda.center());
}

// The rows of tests/data/`archivo` as the test's data: the first field names a row, the others
// fill the text columns `columnas`.
void Filas(const char* archivo, std::initializer_list<const char*> columnas) {
    for (const char* c : columnas) QTest::addColumn<QString>(c);
    for (const QString& linea : Lee(QStringLiteral(HORTELIA_TEST_DATA "/") + archivo).split('\n')) {
        if (linea.isEmpty() || linea.startsWith('#')) continue;
        const QStringList campos = linea.split('\t');
        QTestData& fila = QTest::newRow(qPrintable(campos[0]));
        for (qsizetype k = 1; k < campos.size(); ++k) fila << campos[k];
    }
}

}  // namespace

class TestTemporadaRegistros : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { std::setlocale(LC_ALL, "C"); }

    // Each record of tests/data/temporada_registros.tsv: its days, what it left out, the heater's
    // line, whether a day opens, and a saved text equal to hortelia-sim's on the same files.
    void registros_danLoMismoQueHorteliaSim_data() {
        Filas("temporada_registros.tsv", {"clima", "diseno", "finDias", "aviso", "nota", "abreDia"});
    }
    void registros_danLoMismoQueHorteliaSim() {
        QFETCH(QString, clima);
        QFETCH(QString, diseno);
        const QStringList opciones = diseno.split(' ', Qt::SkipEmptyParts);
        VentanaDePrueba v;
        VentanaTemporada* t = AbreTemporadaCon(v, kTunel, kEjemplos.filePath(clima));
        if (!opciones.isEmpty()) {
            Escribe(t, "TemperaturaDiseno", opciones[1]);
            Escribe(t, "VientoDiseno", opciones[3]);
        }
        Pulsa(t, "CalculaTemporada");
        QFETCH(QString, finDias);
        QVERIFY2(Texto(t, "PeriodoTemporada").endsWith(finDias), qPrintable(Texto(t, "PeriodoTemporada")));
        QTEST(Texto(t, "AvisoTemporada"), "aviso");
        QFETCH(QString, nota);
        QVERIFY2(Texto(t, "NotaDiseno").contains(nota), qPrintable(Texto(t, "NotaDiseno")));
        EligeDia(t, 0);
        QFETCH(QString, abreDia);
        QCOMPARE(En<QPushButton>(t, "AbreDia")->isEnabled(), abreDia == "si");

        QTemporaryDir dir;
        v.guion.RespondeArchivo(dir.filePath("temporada.txt"));
        Pulsa(t, "GuardaTemporada");
        const QStringList argumentos = QStringList{"--temporada", kEjemplos.filePath(clima)} + opciones << kTunel;
        QCOMPARE(Lee(dir.filePath("temporada.txt")), Salida(kHorteliaSim, argumentos));
    }

    // Normals ask for a design temperature; a file's condition fills the fields it finds empty
    // or still holding the last file's, never what the grower typed; an empty wind is 6.7 m/s.
    void laCondicionDeDiseno_delArchivoOEscrita() {
        VentanaDePrueba v;
        VentanaTemporada* t = AbreTemporadaCon(v, kTunel, Ejemplo("clima_normales.csv"));
        COMPRUEBA_PANTALLA(v, "temporada.pantalla", "diseño de las normales");
        QVERIFY(En<QLabel>(t, "TotCombustible")->toolTip().contains("antes de los cortes a milésimas"));
        const auto elige = [&](const QString& clima) {
            v.guion.RespondeArchivo(clima);
            Pulsa(t, "EligeClima");
        };
        elige(kEpw);
        COMPRUEBA_PANTALLA(v, "temporada.pantalla", "diseño del EPW");
        QCOMPARE(En(t, "TemperaturaDiseno")->accessibleName(),
                 QStringLiteral("Temperatura de diseño: -4.5 °C, del archivo"));
        elige(Ejemplo("clima_normales.csv"));
        COMPRUEBA_PANTALLA(v, "temporada.pantalla", "diseño de las normales");
        Escribe(t, "TemperaturaDiseno", "-2");
        elige(kEpw);
        COMPRUEBA_PANTALLA(v, "temporada.pantalla", "diseño escrito");
        Escribe(t, "VientoDiseno", "");
        Pulsa(t, "CalculaTemporada");
        QCOMPARE(t->TemporadaMostrada()->diseno.viento, kVientoDiseno);
    }

    // A figure typed that is no number, or out of range, or a wind without its temperature
    // (tests/data/temporada_cifras_rechazadas.tsv).
    void unaCifraRechazada_loDiceYNoCalcula_data() {
        Filas("temporada_cifras_rechazadas.tsv", {"campo", "texto", "mensaje"});
    }
    void unaCifraRechazada_loDiceYNoCalcula() {
        QFETCH(QString, campo);
        QFETCH(QString, texto);
        QFETCH(QString, mensaje);
        VentanaDePrueba v;
        VentanaTemporada* t = AbreTemporadaCon(v, kTunel, Ejemplo("clima_normales.csv"));
        Pulsa(t, "CalculaTemporada");
        const Temporada* antes = t->TemporadaMostrada();
        Escribe(t, qPrintable(campo), texto);
        v.guion.EsperaMensaje(Interaccion::Gravedad::Advertencia, mensaje);
        Pulsa(t, "CalculaTemporada");
        QCOMPARE(t->TemporadaMostrada(), antes);
    }

    // "Abrir este día" asks first about unsaved changes (cancel changes nothing), then makes the
    // record's day a new scenario, proposed to be saved beside the one saved; processed, it
    // gives the season's row of that day but fuel, heating hours and peak, which the sheet cuts.
    void abrirEsteDia_preguntaYDaLaFilaDeLaTemporada() {
        QTemporaryDir dir;
        VentanaDePrueba v;
        v.Abre(kTunel);
        v.Click("BotCUltivo");
        v.Mueve("HScrIAF", 10);
        v.AceptaAbierto();
        v.Accion("Temporada")->trigger();
        VentanaTemporada* t = v.w.TemporadaCreada();
        v.guion.RespondeArchivo(Ejemplo("clima_horario.csv"));
        Pulsa(t, "EligeClima");
        Pulsa(t, "CalculaTemporada");
        QVERIFY(!En<QPushButton>(t, "AbreDia")->isEnabled());  // no day chosen yet
        EligeDia(t, 2);
        auto* abre = En<QPushButton>(t, "AbreDia");
        QCOMPARE(abre->accessibleName(), QStringLiteral("Abrir el día 03/07/2024 en la ventana principal"));

        const std::string antes = TextoEscenario(v.e);
        v.guion.RespondePregunta("¿Guardar los cambios de tunel_doble.hrt?", Respuesta::Cancelar);
        QTest::mouseClick(abre, Qt::LeftButton);
        QCOMPARE(TextoEscenario(v.e), antes);
        QVERIFY(t->isVisible());

        v.guion.RespondePregunta("¿Guardar los cambios", Respuesta::Si);
        v.guion.RespondeArchivo(dir.filePath("cambiado.hrt"));
        En<QTableView>(t, "TablaDias")->actions().last()->trigger();  // the context menu's entry
        QCOMPARE(Lee(dir.filePath("cambiado.hrt")).toStdString(), antes);
        QCOMPARE(std::tuple(v.e.Dia, v.e.Mes), std::tuple(std::int16_t{3}, std::int16_t{7}));
        QVERIFY(!t->isVisible() && t->TemporadaMostrada());
        QCOMPARE(v.w.windowTitle(), QStringLiteral("Hortelia — cambiado-2024-07-03 (sin guardar)[*]"));
        for (const char* b : kBotones) QVERIFY2(v.Verde(b), b);

        v.Pulsa("&Procesamiento datos");
        const DiaTemporada& fila = t->TemporadaMostrada()->dias[2];
        const auto hoja = CeldasDiaTemporada(FigurasDelDia(v.e, fila.fecha, CifrasCombustible::Planilla));
        const auto temporada = CeldasDiaTemporada(fila);
        for (std::size_t c = 0; c < hoja.size(); ++c)
            if (c != 6 && c != 10 && c != 14) QCOMPARE(hoja[c], temporada[c]);

        v.guion.RespondeArchivo(QString());
        v.Accion("Guarda")->trigger();
        QCOMPARE(v.guion.propuestos.last(), dir.filePath("cambiado-2024-07-03.hrt"));
        v.Pulsa("&Cierra");
        v.Accion("Temporada")->trigger();
        QVERIFY(t->isVisible() && t->TemporadaMostrada());  // the season stays for another day
    }
};

QTEST_MAIN(TestTemporadaRegistros)
#include "test_temporada_registros.moc"
