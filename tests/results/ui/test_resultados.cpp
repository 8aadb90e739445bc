// Processing, the results frame, the data sheet, scenario files and printing, driven
// through the real main window as a user does.

#include "engine/valores_iniciales.h"
#include "support/ventana_de_prueba.h"

#include "results/exportacion.h"
#include "results/ui/planilla.h"
#include "scenario/archivo_hrt.h"

#include <QFile>
#include <QLocale>
#include <QPrinter>
#include <QTemporaryDir>

#include <clocale>
#include <functional>

using namespace hortelia;

namespace {

QString Lee(const QString& ruta) {
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll());
}

// The file text of the start values, changed by cambia, written in dir.
QString GuardaInicio(const QTemporaryDir& dir, const char* nombre, const std::function<void(std::string&)>& cambia) {
    Escenario e;
    PonValoresIniciales(e);
    std::string texto = TextoEscenario(e);
    cambia(texto);
    const QString ruta = dir.filePath(QString::fromLatin1(nombre));
    if (!GuardaTexto(ruta.toStdString(), texto).ok) qFatal("no se pudo escribir %s", nombre);
    return ruta;
}

}  // namespace

class TestResultados : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { std::setlocale(LC_ALL, "C"); }

    void procesarMuestraLaHoraUnoYBloqueaLasEntradas() {
        VentanaDePrueba v;
        v.AceptaTodos();
        v.e.HoraSel = 7;
        v.Click("Command12");
        QVERIFY(v.Visible("FrResultados"));
        QCOMPARE(v.Texto("ResHora"), QStringLiteral("Hora  1"));
        QCOMPARE(v.Hijo<QScrollBar>("HScrResHora")->value(), 1);
        QCOMPARE(v.Texto("ResTE"), QStringLiteral("Temperatura =  9.5 C"));
        QCOMPARE(v.Texto("ResVto"), QStringLiteral("Viento =  .2 m/s"));
        QCOMPARE(v.Texto("ResRen"), QStringLiteral("Renovación aire =  2"));
        QCOMPARE(v.Texto("ResAcEtr"), QStringLiteral("Etr =  3.38 mm"));
        QVERIFY(v.Texto("ResAAgua").startsWith(QStringLiteral("Agua asperjada =  ")));
        for (const char* b : {"BotTecho", "BotViento", "Command12"}) QVERIFY(!v.Boton(b)->isEnabled());
        QVERIFY(!v.Accion("Datos")->isEnabled() && !v.Accion("Proceso")->isEnabled());
        QVERIFY(v.Accion("Abre")->isEnabled());
        QCOMPARE(QApplication::focusWidget(), v.Hijo("HScrResHora"));

        v.Click("Command20");
        QVERIFY(!v.Visible("FrResultados"));
        for (const char* b : {"BotTecho", "BotViento", "Command12"}) QVERIFY(v.Boton(b)->isEnabled());
        QVERIFY(v.Accion("Datos")->isEnabled() && v.Accion("Proceso")->isEnabled());
    }

    // Under a Spanish locale (the program's users') numbers keep their point: the captions do
    // not depend on the locale, neither Qt's nor the C library's.
    void conLocaleEspanol_losNumerosSiguenConPunto() {
        if (!std::setlocale(LC_ALL, "es_ES.UTF-8")) QFAIL("falta el locale es_ES.UTF-8: ejecute scripts/deps.sh");
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        VentanaDePrueba v;
        v.Procesa();
        v.Hijo<QScrollBar>("HScrResHora")->setValue(5);
        const QString calefaccion = v.Texto("ResCal"), etr = v.Texto("ResAcEtr");
        QLocale::setDefault(QLocale::c());
        std::setlocale(LC_ALL, "C");
        QCOMPARE(calefaccion, QStringLiteral("Calefacción =  .24"));
        QCOMPARE(etr, QStringLiteral("Etr =  3.38 mm"));
    }

    void laParejaDeControlDiceQueHizoCadaHora() {
        VentanaDePrueba v;
        v.Procesa();
        auto* hora = v.Hijo<QScrollBar>("HScrResHora");
        hora->setValue(5);  // cold: heated to -1
        QCOMPARE(v.Texto("ResCal"), QStringLiteral("Calefacción =  .24"));
        QCOMPARE(v.Texto("ResRef"), QStringLiteral("Refrigeración =  - - -"));
        QCOMPARE(v.Texto("ResTC"), QStringLiteral("Temp.con control = -1 C"));
        hora->setValue(12);  // hot: sprayed
        QCOMPARE(v.Texto("ResCal"), QStringLiteral("Calefacción =  - - -"));
        QCOMPARE(v.Texto("ResRef"), QStringLiteral("Refrigeración =  123.6 l.H2O/h"));
        hora->setValue(24);  // quiet
        QCOMPARE(v.Texto("ResCal"), QStringLiteral("Calefacción =  - - -"));
        QCOMPARE(v.Texto("ResRef"), QStringLiteral("Refrigeración =  - - -"));
        v.e.TempSinControl(3) = v.e.TMaxTol.valor();  // exactly at a limit
        hora->setValue(3);
        QCOMPARE(v.Texto("ResCal"), QStringLiteral("Calefacción =  - - -"));
        QCOMPARE(v.Texto("ResRef"), QStringLiteral("Refrigeración =  - - -"));
        auto* temp = v.Hijo<Grafico>("MSCResTemp");
        QCOMPARE(temp->Series(), 3);
        QCOMPARE(temp->Color(3), QColor(200, 200, 0));
        QCOMPARE(temp->ValorDibujado(12, 2), v.e.TempSinControl(12));
        QCOMPARE(v.Dibujado("MSCResCtrl", 5, 1), static_cast<double>(0.24F));
        QCOMPARE(v.Dibujado("MSCResCtrl", 5, 2), 0.0);
        QCOMPARE(v.Dibujado("MSCResCtrl", 12, 2), static_cast<double>(123.6F));
    }

    void laPlanillaCopiaLasHorasYElResumen() {
        VentanaDePrueba v;
        v.Procesa();
        v.Click("Command14");
        Planilla* p = v.w.PlanillaCreada();
        QVERIFY(p && p->isVisible());
        QCOMPARE(p->windowTitle(), QStringLiteral("Planilla de resultados"));
        // Column, row, text: hours, heating and spraying or " --- ", the window floor, a total.
        const struct {
            int columna, fila;
            const char* texto;
        } celdas[] = {{1, 0, "Hora"},   {1, 24, " 24"},     {11, 5, " .24"},  {12, 5, " --- "}, {11, 1, " --- "},
                      {12, 1, " --- "}, {12, 12, " 123.6"}, {13, 1, " .001"}, {16, 3, " 3.38"}};
        for (const auto& c : celdas) QCOMPARE(p->Celda(c.columna, c.fila)->text(), QString(c.texto));
        QCOMPARE(p->Encabezado().at(1)->text(), QStringLiteral("Doble techo:    No"));
        QCOMPARE(p->Encabezado().at(11)->text(), QStringLiteral("Temp. Máxima =  35 C"));
        v.Click("CierraPlan");
        QVERIFY(!p->isVisible());
        v.Click("Command14");
        QCOMPARE(v.w.PlanillaCreada(), p);  // created once
    }

    void elTextoDeLaPlanillaSeGuardaOSeDiceQueNo() {
        VentanaDePrueba v;
        v.Procesa();
        v.Click("Command14");
        QTemporaryDir dir;
        v.guion.RespondeArchivo(dir.filePath("dia.txt"));
        Planilla* p = v.w.PlanillaCreada();
        QTest::mouseClick(p->findChild<QPushButton*>("Command2"), Qt::LeftButton);
        // The text repeats what the sheet shows: its 20 header lines, and every hourly cell and
        // total under the column it stands under on the sheet.
        const QStringList lineas = Lee(dir.filePath("dia.txt")).split('\n');
        for (int i = 0; i < p->Encabezado().size(); ++i) QCOMPARE(lineas.at(1 + i), p->Encabezado().at(i)->text());
        for (int h = 0; h <= 24; ++h) {
            const QStringList celdas = lineas.at(22 + h).split('\t');
            QCOMPARE(celdas.size(), 15);
            for (int c = 1; c <= 15; ++c) {
                const QString enPlanilla = p->Celda(c, h)->text();
                QCOMPARE(celdas.at(c - 1), enPlanilla == " --- " ? QString() : enPlanilla.trimmed());
            }
        }
        const QStringList totales = lineas.at(47).split('\t');
        QCOMPARE(totales.size(), 15);
        QCOMPARE(totales.at(0), QStringLiteral("Totales"));
        const int columnas[] = {11, 12, 14, 15};
        for (int i = 0; i < 4; ++i) QCOMPARE(totales.at(columnas[i] - 1), p->Celda(16, i + 1)->text().trimmed());
        QCOMPARE(v.guion.filtros.at(0), QStringLiteral("Archivos de texto (*.txt)"));
        v.guion.RespondeArchivo(QString());  // cancel: silent
        QTest::mouseClick(p->findChild<QPushButton*>("Command2"), Qt::LeftButton);
        v.guion.RespondeArchivo(dir.filePath("no/existe/dia.txt"));
        v.guion.EsperaMensaje(Interaccion::Gravedad::Error, "No se puede guardar");
        QTest::mouseClick(p->findChild<QPushButton*>("Command2"), Qt::LeftButton);
    }

    void guardarYAbrirDevuelvenElMismoDia() {
        QTemporaryDir dir;
        const QString ruta = dir.filePath("escenario.hrt");
        QString resultadosAntes;
        {
            VentanaDePrueba v;
            v.AceptaTodos();
            v.Click("BotTecho");
            v.Click("Option2_1");  // double roof
            v.AceptaAbierto();
            v.Click("Command12");
            v.guion.RespondeArchivo(ruta);
            v.Click("Command15");
            QCOMPARE(v.guion.filtros, QStringList{QStringLiteral("Archivos Hortelia (*.hrt)")});
            resultadosAntes = QString::fromStdString(TextoPlanilla(v.e, {}));
        }
        VentanaDePrueba v;
        v.Abre(ruta);
        // Each panel's showing of loaded values is checked in the panels' tests.
        QCOMPARE(v.e.DatosListos, 10);
        QVERIFY(v.Boton("Command12")->isEnabled());
        QCOMPARE(v.Texto("LDTecho"), QStringLiteral("Doble techo:   Si"));
        QCOMPARE(v.Texto("Liaf"), QStringLiteral("Índice de área foliar=  3.5"));
        v.Click("Command12");
        QCOMPARE(QString::fromStdString(TextoPlanilla(v.e, {})), resultadosAntes);
    }

    void unArchivoGuardadoAlInicioCargaTodoMenosLasDimensiones() {
        QTemporaryDir dir;
        VentanaDePrueba v;
        v.AceptaTodos();  // what the file leaves unusable turns back
        v.guion.RespondePregunta("¿Guardar los cambios", Interaccion::Respuesta::No);
        v.guion.EsperaMensaje(Interaccion::Gravedad::Advertencia, "dimensiones no son válidas");
        v.Abre(GuardaInicio(dir, "inicio.hrt", [](std::string&) {}));
        QVERIFY(!v.Verde("BotDimens"));
        QCOMPARE(v.e.DatosListos, 9);
        QVERIFY(!v.Boton("Command12")->isEnabled());
        QVERIFY(!v.Accion("Proceso")->isEnabled());
        QCOMPARE(v.Texto("LDTecho"), QStringLiteral("Doble techo:   No"));
        QVERIFY(!v.Visible("LDSuecub"));
    }

    void unArchivoIlegibleNoCambiaNada() {
        QTemporaryDir dir;
        VentanaDePrueba v;
        const std::string antes = TextoEscenario(v.e);
        v.guion.EsperaMensaje(Interaccion::Gravedad::Error, "línea 2, campo 5");
        v.Abre(GuardaInicio(dir, "roto.hrt", [](std::string& t) { t = "1,0\r\n8,30,1.5,3.8,40000\r\n"; }));
        QCOMPARE(TextoEscenario(v.e), antes);
        QVERIFY(!v.Verde("BotTecho"));
        v.Abre(QString());  // cancel: silent
    }

    void unCombustibleDesconocidoDejaLasOpcionesPeroMuestraSuPoder() {
        QTemporaryDir dir;
        VentanaDePrueba v;
        v.guion.EsperaMensaje(Interaccion::Gravedad::Advertencia, "dimensiones no son válidas");
        v.Abre(GuardaInicio(dir, "lena.hrt",
                             [](std::string& t) { t.replace(t.find("\"GasOil\",35570"), 14, "\"Leña\",15000"); }));
        QCOMPARE(v.e.Combustible, std::string("Leña"));
        QVERIFY(v.Hijo<QRadioButton>("Option6_1")->isChecked());  // GasOil, as it was
        QCOMPARE(v.Texto("LPoCal"), QStringLiteral("P.Calórico =  15000"));
        QCOMPARE(v.e.PoderCalorico, 15000.0F);
    }

    void unDiaQueNoSePuedeProcesarDiceElPorQueYNoCambiaNada() {
        QTemporaryDir dir;
        VentanaDePrueba v;
        v.Abre(GuardaInicio(dir, "sin_eficiencia.hrt", [](std::string& t) {
                 t.replace(0, t.find("\r\n", 5) + 2, "1,0\r\n8,30,1.5,3.8,1\r\n");
                 t.replace(t.find("35570,65"), 8, "35570,0");
             }));
        QVERIFY(v.Boton("Command12")->isEnabled());
        const std::string antes = TextoEscenario(v.e);
        v.guion.EsperaMensaje(Interaccion::Gravedad::Advertencia, "eficiencia");
        v.Click("Command12");
        QVERIFY(!v.Visible("FrResultados"));
        QCOMPARE(TextoEscenario(v.e), antes);
    }

    void imprimeUnaImagenDeLaVentanaEnUnPdf() {
        VentanaDePrueba v;
        v.Procesa();
        QTemporaryDir dir;
        const QString pdf = dir.filePath("resultados.pdf");
        v.guion.RespondeImpresion([pdf](QPrinter& p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(pdf);
            return true;
        });
        v.Click("Command19");
        QVERIFY(QFile(pdf).size() > 1000);
        QVERIFY(Lee(pdf).startsWith(QStringLiteral("%PDF")));
        v.guion.RespondeImpresion([](QPrinter&) { return false; });  // cancel
        v.Click("Command19");
    }
};

QTEST_MAIN(TestResultados)
#include "test_resultados.moc"
