// The season window as a grower uses it: the example tunnel loaded through "&Abre", a climate
// table chosen through the dialog, days and prices typed, "&Calcula"; what it saves is the batch
// tool's text, its workbook reads back, its print holds text, and it fits a small screen. Its
// figures read in Spanish: the locale is pinned.

#include "support/temporada_de_prueba.h"

#include "results/ui/corrida_temporada.h"
#include "results/ui/vista_temporada.h"
#include "scenario/archivo_texto.h"
#include "support/libro_xlsx.h"

#include <QDateEdit>
#include <QPrinter>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QThread>

#include <atomic>

using namespace hortelia;
using namespace hortelia::prueba;

namespace {

const QString kNormales = Ejemplo("clima_normales.csv");
const QString kTunel = Ejemplo("tunel_doble.hrt");
using Gravedad = Interaccion::Gravedad;

}  // namespace

class TestTemporada : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { std::setlocale(LC_ALL, "C"); }
    void init() { QLocale::setDefault(QLocale(QLocale::Spanish)); }

    // The season of the example normals: figures rounded in Spanish (Ctrl+C copies them exact),
    // the record left as it was, a saved text equal to that of hortelia-sim on the same files, a
    // workbook that reads back, a print of text.
    void unaTemporadaDeNormales_guardaLoMismoQueHorteliaSim() {
        VentanaDePrueba v;
        VentanaTemporada* t = AbreTemporadaCon(v, kTunel, kNormales);
        const std::string cargado = TextoEscenario(v.e);
        Escribe(t, "PrecioCombustible", QStringLiteral("1,2"));
        Escribe(t, "PrecioAgua", QStringLiteral(" 0.8 "));
        Pulsa(t, "CalculaTemporada");
        COMPRUEBA_PANTALLA(v, "temporada.pantalla", "normales");
        const QAbstractItemModel* meses = En<QTableView>(t, "TablaMeses")->model();
        En<QTableView>(t, "TablaMeses")->setCurrentIndex(meses->index(12, 3));
        QCOMPARE(TextoSeleccionado(En<QTableView>(t, "TablaMeses")), QStringLiteral("122077,20014190674"));
        QCOMPARE(TextoEscenario(v.e), cargado);

        QTemporaryDir dir;
        v.guion.RespondeArchivo(dir.filePath("temporada.txt"));
        Pulsa(t, "GuardaTemporada");
        QCOMPARE(v.guion.propuestos.last(), kEjemplos.filePath(QStringLiteral("tunel_doble-temporada.txt")));
        const QString lote = Salida(kHorteliaSim,
            {"--temporada", kNormales, "--precio-combustible", "1,2", "--precio-agua", "0.8", kTunel});
        QCOMPARE(Lee(dir.filePath("temporada.txt")), lote);

        v.guion.RespondeArchivo(dir.filePath("temporada"));
        Pulsa(t, "GuardaHojaTemporada");
        std::string error;
        const auto celdas = prueba::LeeLibro(dir.filePath("temporada.xlsx").toStdString(), error);
        QVERIFY2(celdas, error.c_str());  // its cells are checked in test_informe_temporada

        // On paper as on screen, the table's last column on the page; "&Vista previa" draws the same.
        QVERIFY(QTest::qWaitForWindowExposed(t));
        const QString texto = TextoImpreso(v, t, dir.filePath("temporada.pdf"));
        for (const char* s : {"Temporada de tunel_doble.hrt", "316,94 kg", "Horas fuera de rango"})
            QVERIFY2(texto.contains(QString::fromUtf8(s)), s);
        v.guion.RespondeVistaPrevia([&dir](QPrinter& p) { p.setOutputFileName(dir.filePath("previa.pdf")); });
        Pulsa(t, "PreviaTemporada");
        QCOMPARE(QFileInfo(dir.filePath("previa.pdf")).size(), QFileInfo(dir.filePath("temporada.pdf")).size());
    }

    // A season the core refuses is said and not calculated; a table the reader refuses says what
    // to do and where, and changes nothing: the season and its table stay.
    void loRechazado_loDiceYNoCalculaNada() {
        QTemporaryDir dir;
        const QString mala = dir.filePath("mala.csv");
        QVERIFY(GuardaTexto(mala.toStdString(), "mes,tmax,tmin\n1,30,12\n2,10,14\n").ok);
        VentanaDePrueba v;
        VentanaTemporada* t = AbreTemporadaCon(v, kTunel, Ejemplo("clima_diario.csv"));
        auto* desde = En<QDateEdit>(t, "DesdeTemporada");
        auto* hasta = En<QDateEdit>(t, "HastaTemporada");
        QCOMPARE(hasta->maximumDate(), hasta->date());  // the whole file
        desde->setDate(hasta->date());
        hasta->setDate(desde->minimumDate());
        v.guion.EsperaMensaje(Gravedad::Advertencia, "es posterior a la de fin");
        Pulsa(t, "CalculaTemporada");
        QVERIFY(!t->TemporadaMostrada());

        hasta->setDate(hasta->maximumDate());
        Pulsa(t, "CalculaTemporada");
        v.guion.RespondeArchivo(mala);
        v.guion.EsperaMensaje(Gravedad::Error,
                              "Elija una tabla de clima en CSV con las columnas fecha o mes, tmax y "
                              "tmin, un año típico EPW o una exportación CSV");
        Pulsa(t, "EligeClima");
        QVERIFY(v.guion.mensajes.last().contains("en la línea 3, columna 3 (tmin)"));
        QVERIFY(t->TemporadaMostrada());
        QVERIFY(En<QLineEdit>(t, "RutaClima")->text().endsWith(QStringLiteral("clima_diario.csv")));
    }

    // A season runs off the window's thread: meanwhile its inputs and exports wait and the bar
    // and "&Cancelar" show; a run cancelled leaves the season shown before, one let through
    // shows its own. Alt+C is "&Calcula", then "&Cancelar".
    void mientrasCorre_esperaYCancelarDejaLoAnterior() {
        VentanaDePrueba v;
        VentanaTemporada* t = AbreTemporadaCon(v, kTunel, kNormales);
        Pulsa(t, "CalculaTemporada");
        const QString antes = En<QLabel>(t, "DetCombustible")->text();
        std::atomic<bool> suelta{false};
        t->findChild<CorridaTemporada*>()->antesDeCorrer = [&suelta](const AvanceTemporada& a) {
            while (!suelta && !a.cancela) QThread::msleep(1);
        };
        Escribe(t, "PrecioCombustible", QStringLiteral("2"));
        t->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(t));
        QTest::keyClick(t, Qt::Key_C, Qt::AltModifier);
        QTRY_VERIFY(t->Corriendo());
        COMPRUEBA_PANTALLA(v, "temporada.pantalla", "corriendo");
        QTest::keyClick(t, Qt::Key_C, Qt::AltModifier);  // an accelerator clicks a moment later
        EsperaFin(t);
        COMPRUEBA_PANTALLA(v, "temporada.pantalla", "quieta");
        QCOMPARE(En<QLabel>(t, "DetCombustible")->text(), antes);
        suelta = true;
        Pulsa(t, "CalculaTemporada");
        QVERIFY(En<QLabel>(t, "DetCombustible")->text().startsWith(QStringLiteral("Costo: 633,8")));

        // A change of scenario discards the season; the window is created once, its table kept.
        v.Click("BotCUltivo");
        v.AceptaAbierto();
        QVERIFY(!t->isVisible() && !t->TemporadaMostrada());
        v.Accion("Temporada")->trigger();
        QCOMPARE(v.w.TemporadaCreada(), t);
        QVERIFY(En<QPushButton>(t, "CalculaTemporada")->isEnabled());
    }

    // The entry follows processing exactly (closed while the day's results show: test_resultados).
    void laEntradaSeHabilitaComoElProcesamiento() {
        VentanaDePrueba v;
        COMPRUEBA_PANTALLA(v, "temporada.pantalla", "entrada cerrada");  // panels pending
        v.AceptaTodos();
        COMPRUEBA_PANTALLA(v, "temporada.pantalla", "entrada abierta");
        v.Click("BotTecho");
        COMPRUEBA_PANTALLA(v, "temporada.pantalla", "entrada cerrada");
    }

    // A season without one heating hour says so in words, not as "0 kW"; a heater sized for a
    // colder design night still shows.
    void sinCalefaccion_loDiceConPalabras() {
        Temporada s;
        s.dias.emplace_back().fecha = {0, 7, 1};
        SumaDia(s.total, s.dias.back());
        SumaDia(s.meses.emplace_back(), s.dias.back());
        s.meses.back().mes = 7;
        s.diseno = {OrigenDiseno::Indicada, -2, 4};
        s.potenciaDisenoKw = 3.5;
        VistaTemporada vista;
        vista.Muestra(&s);
        QCOMPARE(vista.Totales()[5].valor, QStringLiteral("3,50 kW"));
        QCOMPARE(vista.Totales()[6].valor, QStringLiteral("No hace falta"));
        QVERIFY(vista.Notas().join(' ').startsWith("No hace falta calefacción en esta temporada: la mínima"));
    }

    // Normals run from any day to any other, across the new year when the first is later
    // (February 29 cannot be chosen); the next run of the program opens the season window as
    // this one left it; a table that is no longer there is left out without a word.
    void laProximaVezAbreComoQuedo() {
        for (const bool borrada : {false, true}) {  // the table still there, then gone
            QTemporaryDir dir;
            const QString copia = dir.filePath("clima.csv");
            QVERIFY(QFile::copy(kNormales, copia));
            {
                VentanaDePrueba v;
                VentanaTemporada* t = AbreTemporadaCon(v, kTunel, copia);
                auto* desde = En<QDateEdit>(t, "DesdeTemporada");
                auto* hasta = En<QDateEdit>(t, "HastaTemporada");
                desde->setDate(QDate(desde->date().year(), 12, 1));
                hasta->setDate(QDate(hasta->date().year(), 2, 28));
                hasta->setCurrentSection(QDateTimeEdit::DaySection);
                hasta->stepUp();
                QCOMPARE(hasta->text(), QStringLiteral("28/02"));
                Escribe(t, "PrecioAgua", QStringLiteral("0,8"));
                Escribe(t, "TemperaturaDiseno", QStringLiteral("-3"));
                Pulsa(t, "CalculaTemporada");
                const QAbstractItemModel* meses = En<QTableView>(t, "TablaMeses")->model();
                QStringList nombres;
                for (int f = 0; f < meses->rowCount(); ++f) nombres << meses->index(f, 0).data().toString();
                QCOMPARE(nombres, QStringList({"diciembre", "enero", "febrero", "Total"}));
            }
            if (borrada) QVERIFY(QFile::remove(copia));
            VentanaDePrueba v(true, VentanaDePrueba::Preferencias::Conservadas);
            v.Abre(kTunel);
            v.Accion("Temporada")->trigger();
            VentanaTemporada* t = v.w.TemporadaCreada();
            QCOMPARE(En<QLineEdit>(t, "RutaClima")->text(), borrada ? QString() : QDir::toNativeSeparators(copia));
            QCOMPARE(En<QPushButton>(t, "CalculaTemporada")->isEnabled(), !borrada);
            if (!borrada) QCOMPARE(En<QDateEdit>(t, "DesdeTemporada")->text(), QStringLiteral("01/12"));
            COMPRUEBA_PANTALLA(v, "temporada.pantalla", "como quedó");
        }
    }

    // On a 1024 x 768 screen every control and every line shows whole with a record (which names
    // its place and the days it left out); the tables scroll to their last cell. Tab reaches each
    // control once, in reading order, back to the first; Ctrl+Tab turns the tabs; the date
    // fields speak their dates.
    void cabeEnUnaPantallaChica_yTabPasaUnaVezPorCadaControl() {
        VentanaDePrueba v;
        VentanaTemporada* t = AbreTemporadaCon(v, kTunel, Ejemplo("anio_tipico.epw"));
        Pulsa(t, "CalculaTemporada");
        for (int pestania : {1, 0}) {
            En<QTabWidget>(t, "PestaniasTemporada")->setCurrentIndex(pestania);
            CabeEnPantallaChica(t, t);
        }
        // The twelve months and the total without scrolling.
        QCOMPARE(En<QTableView>(t, "TablaMeses")->verticalScrollBar()->maximum(), 0);
        auto* dias = En<QTableView>(t, "TablaDias");
        const QModelIndex ultima = dias->model()->index(dias->model()->rowCount() - 1, 15);
        dias->scrollTo(ultima);
        QVERIFY(dias->viewport()->rect().contains(dias->visualRect(ultima)));

        QVERIFY(QTest::qWaitForWindowExposed(t));
        QWidget* primero = En(t, "RutaClima");
        primero->setFocus();
        QWidgetList recorridos{primero};
        for (int k = 0; k < 60 && (k == 0 || t->focusWidget() != primero); ++k) {
            QTest::keyClick(t->focusWidget(), Qt::Key_Tab);
            recorridos << t->focusWidget();
        }
        QCOMPARE(recorridos.takeLast(), primero);
        QCOMPARE(QSet<QWidget*>(recorridos.begin(), recorridos.end()).size(), recorridos.size());
        for (QWidget* w : t->findChildren<QWidget*>())
            if ((qobject_cast<QAbstractButton*>(w) || qobject_cast<QTabBar*>(w)) && w->isVisible() && w->isEnabled())
                QVERIFY2(recorridos.contains(w), qPrintable(w->objectName() + TextoVisible(w)));
        QCOMPARE(recorridos.last(), En(t, "CierraTemporada"));
        QCOMPARE(En(t, "DesdeTemporada")->accessibleName(), QStringLiteral("Primer día: 10/06"));
        En(t, "TablaMeses")->setFocus();
        QTest::keyClick(t->focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(En<QTabWidget>(t, "PestaniasTemporada")->currentIndex(), 1);
        En(t, "CalculaTemporada")->setFocus();
        QTest::keyClick(t->focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(En<QTabWidget>(t, "PartesTemporada")->currentIndex(), 1);
    }
};

QTEST_MAIN(TestTemporada)
#include "test_temporada.moc"
