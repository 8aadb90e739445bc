// Scenario files in the window as a user meets them: a save never destroys a file, unsaved
// changes are never lost without a question, and a loaded file replaces everything on screen.

#include "support/ventana_de_prueba.h"

#include "results/ui/planilla.h"
#include "scenario/archivo_hrt.h"

#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

using namespace hortelia;

namespace {

using Respuesta = Interaccion::Respuesta;

QByteArray Bytes(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

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
        QFile otro(dir.filePath("otro.hrt"));
        QVERIFY(otro.open(QIODevice::WriteOnly));
        otro.write("no es mío");
        otro.close();
        v.guion.RespondeArchivo(dir.filePath("otro.hrt"));
        v.guion.RespondePregunta("otro.hrt ya existe", Respuesta::No);
        v.guion.RespondeArchivo(dir.filePath("nuevo.HRT"));
        v.w.GuardaArchivo();
        QCOMPARE(Bytes(dir.filePath("otro.hrt")), QByteArray("no es mío"));
        QVERIFY(QFile::exists(dir.filePath("nuevo.HRT")));
        QCOMPARE(v.guion.propuestos.at(1), dir.filePath("invernaculo.hrt"));  // the last name chosen
    }

    void salir_conCambios_pregunta_yCancelarNoPierdeNada() {
        QTemporaryDir dir;
        VentanaDePrueba v;
        QVERIFY(!v.w.HayCambios());
        v.Click("BotCUltivo");
        v.Mueve("HScrIAF", 10);
        v.AceptaAbierto();
        QVERIFY(v.w.HayCambios());
        QTRY_VERIFY(v.w.isWindowModified());

        v.guion.RespondePregunta("¿Guardar los cambios de este escenario?", Respuesta::Cancelar);
        v.Click("Command1");
        QVERIFY(v.w.isVisible());
        QCOMPARE(v.guion.opcionesUltimaPregunta, QStringList({"Guardar", "Descartar", "Cancelar"}));

        // "Guardar" saves, then leaves; the menu's "&Sale" asks the same.
        v.guion.RespondePregunta("¿Guardar los cambios", Respuesta::Si);
        v.guion.RespondeArchivo(dir.filePath("cultivo.hrt"));
        v.Accion("Sale")->trigger();
        QVERIFY(!v.w.isVisible());
        Escenario leido = v.e;
        QVERIFY(LeeEscenario(Bytes(dir.filePath("cultivo.hrt")).toStdString(), leido).ok);
        QCOMPARE(leido.IAF, 2.5F);
    }

    void cerrarLaVentana_conCambios_descartados_cierra() {
        VentanaDePrueba v;
        v.Click("BotTecho");
        v.Click("Option2_1");
        v.AceptaAbierto();
        v.guion.RespondePregunta("¿Guardar los cambios", Respuesta::No);
        QVERIFY(v.w.close());
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
            v.Click("Command12");
            QVERIFY(!v.w.HayCambios());
            QTRY_VERIFY(!v.w.isWindowModified());
            v.Click("Command14");
            QVERIFY(v.w.PlanillaCreada()->isVisible());
            v.Abre(ruta);
            QVERIFY(!v.Visible("FrResultados"));
            QVERIFY(!v.w.PlanillaCreada()->isVisible());
            QVERIFY(v.Boton("BotTecho")->isEnabled() && v.Boton("Command12")->isEnabled());

            v.Click("BotTemp");
            v.Abre(ruta);
            QVERIFY(v.Visible("FrTemp"));
            for (const char* b : kBotones) QVERIFY2(!v.Boton(b)->isEnabled(), b);
            QVERIFY(!v.Accion("Datos")->isEnabled());
            QVERIFY(!v.Boton("Command12")->isEnabled());
            v.AceptaAbierto();
            QVERIFY(v.Boton("BotTecho")->isEnabled() && v.Boton("Command12")->isEnabled());

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
        v.Click("Command5");
        for (const char* b : kBotones) QVERIFY2(v.Verde(b), b);
        QVERIFY(v.Boton("Command12")->isEnabled());
        // A file that cannot be read says so in a message, as "&Abre" would.
        v.guion.EsperaMensaje(Interaccion::Gravedad::Error, "Elija un archivo guardado por Hortelia");
        v.w.CargaArchivo(dir.filePath("no-existe.hrt"));
    }

    // The scenarios opened or saved lately, newest first, in "&Archivos"; one that is gone
    // leaves the list when chosen.
    void losRecientes_seRecuerdanYSeAbren() {
        QTemporaryDir dir;
        VentanaDePrueba v;
        v.AceptaTodos();
        for (const char* nombre : {"a.hrt", "b.hrt"}) {
            v.guion.RespondeArchivo(dir.filePath(nombre));
            v.w.GuardaArchivo();
        }
        auto* menu = v.Hijo<QMenu>("MenuRecientes");
        emit menu->aboutToShow();
        QCOMPARE(menu->actions().size(), 2);
        QCOMPARE(menu->actions().at(0)->text(), QStringLiteral("&1 b.hrt"));
        QCOMPARE(menu->actions().at(1)->text(), QStringLiteral("&2 a.hrt"));
        menu->actions().at(1)->trigger();
        QCOMPARE(v.w.windowTitle(), QStringLiteral("Hortelia — a.hrt[*]"));
        emit menu->aboutToShow();
        QCOMPARE(menu->actions().at(0)->text(), QStringLiteral("&1 a.hrt"));

        QFile::remove(dir.filePath("b.hrt"));
        v.guion.EsperaMensaje(Interaccion::Gravedad::Error, "b.hrt");
        menu->actions().at(1)->trigger();
        emit menu->aboutToShow();
        QCOMPARE(menu->actions().size(), 1);
    }
};

QTEST_MAIN(TestArchivos)
#include "test_archivos.moc"
