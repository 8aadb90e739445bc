// Scenario files in the window as a user meets them: a save never destroys a file, unsaved
// changes are never lost without a question, and a loaded file replaces everything on screen.

#include "support/ventana_de_prueba.h"

#include "results/ui/planilla.h"
#include "scenario/archivo_hrt.h"

#include <QDragEnterEvent>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QTemporaryDir>

using namespace hortelia;

using Respuesta = Interaccion::Respuesta;

class TestArchivos : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { std::setlocale(LC_ALL, "C"); }

    void guardar_agregaLaExtensionYPreguntaAntesDeReemplazar() {
        QTemporaryDir dir;
        VentanaDePrueba v;
        v.guion.RespondeArchivo(dir.filePath("invernaculo"));
        v.w.GuardaArchivo();
        QCOMPARE(v.guion.filtros.at(0), QStringLiteral("Archivos Hortelia (*.hrt)"));
        QVERIFY(QFile::exists(dir.filePath("invernaculo.hrt")));
        QCOMPARE(v.w.windowTitle(), QStringLiteral("Hortelia — invernaculo.hrt[*]"));

        // Another file that exists: "No" shows the dialog again, then a new name is taken.
        const QString ajeno = QStringLiteral(HORTELIA_TEST_DATA "/roto.hrt");
        QVERIFY(QFile::copy(ajeno, dir.filePath("otro.hrt")));
        v.guion.RespondeArchivo(dir.filePath("otro.hrt"));
        v.guion.RespondePregunta("otro.hrt ya existe", Respuesta::No);
        v.guion.RespondeArchivo(dir.filePath("nuevo.HRT"));
        v.w.GuardaArchivo();
        QCOMPARE(Lee(dir.filePath("otro.hrt")), Lee(ajeno));
        QVERIFY(QFile::exists(dir.filePath("nuevo.HRT")));
        QCOMPARE(v.guion.propuestos.at(1), dir.filePath("invernaculo.hrt"));  // the last name chosen

        // A name with a line break is shown with the break escaped, as messages show it.
        v.guion.RespondeArchivo(dir.filePath("dos\nlíneas.hrt"));
        v.w.GuardaArchivo();
        QCOMPARE(v.w.windowTitle(), QStringLiteral("Hortelia — dos\\x0Alíneas.hrt[*]"));
    }

    // The command line: one scenario at a time, a name that starts with "-" after "--".
    void laLineaDeOrdenes_unEscenarioALaVez() {
        for (const auto& [argumentos, estado, dice] :
             {std::tuple{QStringList{"--help"}, 0, "hortelia -- -guion.hrt"},
              std::tuple{QStringList{"--", "a.hrt", "-b.hrt"}, 2, "se abre un escenario a la vez; sobra \"-b.hrt\""}}) {
            QProcess programa;
            programa.setProcessChannelMode(QProcess::MergedChannels);
            programa.start(QStringLiteral(HORTELIA_PROGRAMA), argumentos);
            QVERIFY(programa.waitForFinished(20000));
            QCOMPARE(programa.exitCode(), estado);
            QVERIFY2(QString::fromUtf8(programa.readAll()).contains(QString::fromUtf8(dice)), dice);
        }
    }

    // Leaving with unsaved changes asks ("Descartar" leaving is seen in test_ventana).
    void salir_conCambios_pregunta_yCancelarNoPierdeNada() {
        QTemporaryDir dir;
        VentanaDePrueba v;
        QVERIFY(!v.w.isWindowModified());
        v.Click("BotCUltivo");
        v.Mueve("HScrIAF", 10);
        v.AceptaAbierto();
        QTRY_VERIFY(v.w.isWindowModified());

        v.guion.RespondePregunta("¿Guardar los cambios de este escenario?", Respuesta::Cancelar);
        v.Pulsa("&Salir");
        QVERIFY(v.w.isVisible());
        QCOMPARE(v.guion.opcionesUltimaPregunta, QStringList({"Guardar", "Descartar", "Cancelar"}));
        v.guion.RespondePregunta("¿Guardar los cambios", Respuesta::Cancelar);  // closing the window asks too
        QVERIFY(!v.w.close());

        // "Guardar" saves, then leaves; the menu's "&Sale" asks the same.
        v.guion.RespondePregunta("¿Guardar los cambios", Respuesta::Si);
        v.guion.RespondeArchivo(dir.filePath("cultivo.hrt"));
        v.Accion("Sale")->trigger();
        QVERIFY(!v.w.isVisible());
        Escenario leido = v.e;
        QVERIFY(LeeEscenario(Lee(dir.filePath("cultivo.hrt")).toStdString(), leido).ok);
        QCOMPARE(leido.IAF, 2.5F);
    }

    // A file's life in the window. The window floor a run writes into the record is not a
    // change the user made. Loading closes what showed the other scenario's results; an open
    // panel stays open, showing the loaded values, with navigation off until it is accepted;
    // with unsaved changes, loading asks first. A file named on the command line loads before
    // "&Inicio": the start frame shows as always and leads to the loaded scenario.
    void cargar_cierraLosResultados_yDesdeLaLineaDeOrdenesDetrasDelInicio() {
        QTemporaryDir dir;
        const QString ruta = dir.filePath("dia.hrt");
        {
            VentanaDePrueba v;
            v.AceptaTodos();
            v.guion.RespondeArchivo(ruta);
            v.w.GuardaArchivo();
            v.Pulsa("&Procesamiento datos");
            QTRY_VERIFY(!v.w.isWindowModified());
            v.Pulsa("&Planilla de datos");
            QVERIFY(v.w.PlanillaCreada()->isVisible());
            v.Abre(ruta);
            COMPRUEBA_PANTALLA(v, "archivos.pantalla", "resultados cerrados");
            QVERIFY(!v.w.PlanillaCreada()->isVisible());

            v.Click("BotTemp");
            v.Abre(ruta);
            QVERIFY(v.Visible("FrTemp") && !v.Hijo("BotTecho")->isEnabled());
            v.AceptaAbierto();
            QVERIFY(v.Hijo("BotTecho")->isEnabled());

            v.Click("BotViento");
            v.Mueve("HScrVto", 20);
            v.AceptaAbierto();
            v.guion.RespondePregunta("¿Guardar los cambios de dia.hrt?", Respuesta::Cancelar);
            v.w.AbreArchivo();  // cancelled before the file dialog
            QCOMPARE(v.e.VtoHoraKmh(1), 20.0F);
        }
        VentanaDePrueba v(false);
        v.w.CargaArchivo(ruta);
        QVERIFY(v.Visible("FrInicio"));
        QCOMPARE(v.w.windowTitle(), QStringLiteral("Hortelia — dia.hrt[*]"));
        v.Pulsa("&Inicio");
        COMPRUEBA_PANTALLA(v, "ventana.pantalla", "todos aceptados");
        // A file that cannot be read says so in a message, as "&Abre" would.
        v.guion.EsperaMensaje(Interaccion::Gravedad::Error, "Elija un archivo guardado por Hortelia");
        v.w.CargaArchivo(dir.filePath("no-existe.hrt"));
    }

    // A loaded record shows on every panel, and the options and bars that show it do not
    // replace the loaded values through their handlers: a butane tunnel of two modules with a
    // double roof, 7.5 l/h of leaks, 15 October at 40.5° north, and hand-corrected hours that no
    // model would give (3 h 7.7 °C, 5 h 77.5 %, noon 321.4 W/m2 under 654.3 with 5 octaves and
    // a 12 km/h wind of 3.3 m/s).
    void cargar_muestraCadaPanelSinQueLosManejadoresLoCambien() {
        VentanaDePrueba v;
        v.Abre(QStringLiteral(HORTELIA_TEST_DATA "/cargado_a_mano.hrt"));
        COMPRUEBA_PANTALLA(v, "archivos.pantalla", "cargado");

        // Opening the weather panels afterwards, and noon on the radiation's, keeps the loaded hours.
        for (const char* panel : {"BotTemp", "BotHRel"}) {
            v.Click(panel);
            v.AceptaAbierto();
        }
        v.Click("BotRadiac");
        v.Mueve("HScrRHora", 12);
        QCOMPARE(v.e.TempHora(3).valor(), 7.7);
        QCOMPARE(v.e.HRHora(5), 77.5F);
        QCOMPARE(v.e.RadHora(12).valor(), 321.4);
        QCOMPARE(v.Texto("LRNub"), QStringLiteral("Nubosidad =  5 octavos"));
        v.Click("NubMenos");                       // with the loaded cloud type's coefficient
        QCOMPARE(v.e.RadHora(12).valor(), 425.2);  // 654.3 * 0.65 cut down
        v.AceptaAbierto();
        v.Click("BotViento");
        COMPRUEBA_PANTALLA(v, "archivos.pantalla", "paneles abiertos");
    }

    // A scenario file dropped on the window opens as "&Abre" would, asking first about unsaved
    // changes; the window takes nothing before "&Inicio", nor two files, nor another kind.
    void soltarUnEscenario_loAbreComoAbre() {
        // One scenario; one before "&Inicio", two scenarios, another kind: refused.
        for (const auto& [iniciada, archivos, abre] : {std::tuple{true, QStringList{"dia.hrt"}, true},
                                                       std::tuple{false, QStringList{"dia.hrt"}, false},
                                                       std::tuple{true, QStringList{"dia.hrt", "otro.hrt"}, false},
                                                       std::tuple{true, QStringList{"dia.txt"}, false}}) {
            QTemporaryDir dir;
            QList<QUrl> urls;
            for (const QString& a : archivos) {
                QVERIFY(QFile::copy(QStringLiteral(HORTELIA_EJEMPLOS "/invernaculo.hrt"), dir.filePath(a)));
                urls << QUrl::fromLocalFile(dir.filePath(a));
            }
            VentanaDePrueba v(iniciada);
            if (iniciada) {
                v.Click("BotCUltivo");
                v.Mueve("HScrIAF", 10);
                v.AceptaAbierto();
            }
            QMimeData datos;
            datos.setUrls(urls);
            QDragEnterEvent entra(QPoint(50, 50), Qt::CopyAction, &datos, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&v.w, &entra);
            QVERIFY2(entra.isAccepted() == abre, qPrintable(archivos.join(' ') + (iniciada ? "" : " sin Inicio")));
            if (!abre) continue;
            QDropEvent suelta(QPointF(50, 50), Qt::CopyAction, &datos, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&v.w, &suelta);
            v.guion.RespondePregunta("¿Guardar los cambios", Respuesta::No);
            QTRY_COMPARE(v.w.windowTitle(), QStringLiteral("Hortelia — dia.hrt[*]"));
        }
    }

    // The scenarios opened or saved lately, newest first, in "&Archivos", as the last file
    // operation found them (opening the menu never looks at the disk): one that is gone stays,
    // marked, and chosen it may be taken off the list. A list kept longer is read as six.
    void losRecientes_seRecuerdanYSeAbren() {
        QTemporaryDir dir;
        VentanaDePrueba v;
        v.AceptaTodos();
        for (const char* nombre : {"a.hrt", "b.hrt"}) {
            v.guion.RespondeArchivo(dir.filePath(nombre));
            v.w.GuardaArchivo();
        }
        auto* menu = v.Hijo<QMenu>("MenuRecientes");
        const auto textos = [menu] {
            emit menu->aboutToShow();
            QStringList t;
            for (const QAction* a : menu->actions()) t << a->text() + (a->isEnabled() ? "" : " -");
            return t;
        };
        QCOMPARE(textos(), QStringList({"&1 b.hrt", "&2 a.hrt"}));
        menu->actions().at(1)->trigger();
        QCOMPARE(v.w.windowTitle(), QStringLiteral("Hortelia — a.hrt[*]"));
        QFile::remove(dir.filePath("b.hrt"));
        QCOMPARE(textos(), QStringList({"&1 a.hrt", "&2 b.hrt"}));
        v.Abre(dir.filePath("a.hrt"));
        QCOMPARE(textos(), QStringList({"&1 a.hrt", "&2 b.hrt (no disponible)"}));
        for (const Respuesta r : {Respuesta::No, Respuesta::Si}) {
            v.guion.RespondePregunta("b.hrt", r);
            menu->actions().at(1)->trigger();
        }
        QCOMPARE(v.guion.opcionesUltimaPregunta, QStringList({"Quitar de la lista", "Conservar"}));
        QCOMPARE(textos(), QStringList({"&1 a.hrt"}));

        QStringList forjada;
        for (int i = 0; i < 1000; ++i) forjada << dir.filePath(QStringLiteral("%1.hrt").arg(i));
        QSettings().setValue("archivos/recientes", forjada);
        VentanaDePrueba otra(true, VentanaDePrueba::Preferencias::Conservadas);
        emit otra.Hijo<QMenu>("MenuRecientes")->aboutToShow();
        QCOMPARE(otra.Hijo<QMenu>("MenuRecientes")->actions().size(), 6);
    }
};

QTEST_MAIN(TestArchivos)
#include "test_archivos.moc"
