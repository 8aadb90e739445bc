// The season window on the grower's own weather: a typical year (EPW), an hourly and a daily
// export of a weather API give the same text as hortelia-sim; the design fields, prefilled from
// the file, their refusals and the sentences about the heater to install; a record's day opened
// as the scenario's own day, after the unsaved-changes question.

#include "support/temporada_de_prueba.h"

#include "results/informe_temporada.h"
#include "scenario/archivo_hrt.h"
#include "scenario/archivo_texto.h"

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

}  // namespace

class TestTemporadaRegistros : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString diario_;  // a weather API's daily export, 4 July lacking

private slots:
    void initTestCase() {
        std::setlocale(LC_ALL, "C");
        diario_ = dir_.filePath("diario.csv");
        QVERIFY(GuardaTexto(diario_.toStdString(),
                            "time,temperature_2m_max (°C),temperature_2m_min (°C)\n2024-07-01,14.2,2.1\n"
                            "2024-07-02,12.8,-1.4\n2024-07-03,9.5,-3.2\n2024-07-05,16,4.3\n")
                    .ok);
    }

    void registros_danLoMismoQueHorteliaSim_data() {
        QTest::addColumn<QString>("clima");
        QTest::addColumn<QStringList>("diseno");  // hortelia-sim's options, the same typed in the window
        // How the line of the days ends, the days left out, some words of the line of the heater.
        QTest::addColumn<QStringList>("textos");
        QTest::addColumn<bool>("abreDia");
        QTest::newRow("EPW, su condición")
            << kEpw << QStringList()
            << QStringList{"Lugar: Ejemplo 31.5 S (cifras inventadas), latitud -31.5°.",
                           "Quedó fuera 1 día del lapso: le falta alguna hora o algún dato en el archivo. Es el 21/06.",
                           "para -4.5 °C y viento de 4.6 m/s, condición de diseño del archivo."}
            << true;
        QTest::newRow("CSV horario")
            << Ejemplo("clima_horario.csv") << QStringList()
            << QStringList{"5 días. Lugar: latitud -31.5°.", "",
                           "-4.3 °C y viento de 6.7 m/s, la hora más fría de la temporada con el viento de diseño. Un "
                           "año típico o un registro corto rara vez trae las noches más frías del lugar: escriba la "
                           "temperatura de diseño local si la conoce."}
            << true;
        QTest::newRow("CSV diario")
            << diario_ << QStringList{"--temperatura-diseno", "-5", "--viento-diseno", "3.5"}
            << QStringList{"4 días.", "Quedó fuera 1 día del lapso: la tabla de clima no lo tiene. Es el 04/07/2024.",
                           "para -5.0 °C y viento de 3.5 m/s"}
            << false;
    }
    void registros_danLoMismoQueHorteliaSim() {
        QFETCH(QString, clima);
        QFETCH(QStringList, diseno);
        QFETCH(QStringList, textos);
        VentanaDePrueba v;
        VentanaTemporada* t = AbreTemporadaCon(v, kTunel, clima);
        if (!diseno.isEmpty()) {
            Escribe(t, "TemperaturaDiseno", diseno[1]);
            Escribe(t, "VientoDiseno", diseno[3]);
        }
        Pulsa(t, "CalculaTemporada");
        QVERIFY2(Texto(t, "PeriodoTemporada").endsWith(textos[0]), qPrintable(Texto(t, "PeriodoTemporada")));
        QCOMPARE(Texto(t, "AvisoTemporada"), textos[1]);
        QVERIFY2(Texto(t, "NotaDiseno").contains(textos[2]), qPrintable(Texto(t, "NotaDiseno")));
        EligeDia(t, 0);
        QTEST(En<QPushButton>(t, "AbreDia")->isEnabled(), "abreDia");

        QTemporaryDir dir;
        v.guion.RespondeArchivo(dir.filePath("temporada.txt"));
        Pulsa(t, "GuardaTemporada");
        const QString lote = SalidaDeHorteliaSim(QStringList{"--temporada", clima} + diseno + QStringList{kTunel});
        QCOMPARE(Lee(dir.filePath("temporada.txt")), lote);
    }

    // Normals ask for a design temperature; a file's condition fills the fields it finds empty
    // or still holding the last file's, never what the grower typed; an empty wind is 6.7 m/s.
    void laCondicionDeDiseno_delArchivoOEscrita() {
        VentanaDePrueba v;
        VentanaTemporada* t = AbreTemporadaCon(v, kTunel, Ejemplo("clima_normales.csv"));
        auto* temperatura = En<QLineEdit>(t, "TemperaturaDiseno");
        auto* viento = En<QLineEdit>(t, "VientoDiseno");
        QVERIFY(
            Texto(t, "AyudaDiseno").contains("las normales mensuales son promedios y nunca traen la noche más fría"));
        QVERIFY(En<QLabel>(t, "TotCombustible")->toolTip().contains("antes de los cortes a milésimas"));
        const auto elige = [&](const QString& clima) {
            v.guion.RespondeArchivo(clima);
            Pulsa(t, "EligeClima");
        };
        elige(kEpw);
        QCOMPARE(temperatura->text(), QStringLiteral("-4.5"));
        QCOMPARE(viento->text(), QStringLiteral("4.6"));
        QCOMPARE(temperatura->accessibleName(), QStringLiteral("Temperatura de diseño: -4.5 °C, del archivo"));
        QVERIFY(Texto(t, "AyudaDiseno").isEmpty());
        elige(Ejemplo("clima_normales.csv"));
        QVERIFY(temperatura->text().isEmpty() && viento->text().isEmpty());
        Escribe(t, "TemperaturaDiseno", "-2");
        elige(kEpw);
        QCOMPARE(temperatura->text(), QStringLiteral("-2"));
        QCOMPARE(viento->text(), QStringLiteral("4.6"));
        Escribe(t, "VientoDiseno", "");
        Pulsa(t, "CalculaTemporada");
        QCOMPARE(t->TemporadaMostrada()->diseno.viento, kVientoDiseno);
    }

    // A figure typed that is no number, or out of range, or a wind without its temperature.
    void unaCifraRechazada_loDiceYNoCalcula_data() {
        QTest::addColumn<QByteArray>("campo");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("precio con dos comas") << QByteArray("PrecioCombustible") << "1,2,3"
                                              << "\"1,2,3\" no es un número";
        QTest::newRow("viento solo") << QByteArray("VientoDiseno") << "3"
                                     << "Escriba también la «Temperatura de diseño»";
        QTest::newRow("temperatura en letras")
            << QByteArray("TemperaturaDiseno") << "helada"
            << "Escriba en «Temperatura de diseño» un número de -90 a 70 °C, con coma o punto decimal: \"helada\" "
               "no lo es.";
        QTest::newRow("temperatura bajo el límite") << QByteArray("TemperaturaDiseno") << "-90,5"
                                                    << "«Temperatura de diseño» un número de -90 a 70 °C";
    }
    void unaCifraRechazada_loDiceYNoCalcula() {
        QFETCH(QByteArray, campo);
        QFETCH(QString, mensaje);
        VentanaDePrueba v;
        VentanaTemporada* t = AbreTemporadaCon(v, kTunel, Ejemplo("clima_normales.csv"));
        Pulsa(t, "CalculaTemporada");
        const Temporada* antes = t->TemporadaMostrada();
        QFETCH(QString, texto);
        Escribe(t, campo.constData(), texto);
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
