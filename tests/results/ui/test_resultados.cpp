// Processing, the results frame, the data sheet, scenario files and printing, driven
// through the real main window as a user does.

#include "support/ventana_de_prueba.h"

#include "results/exportacion.h"
#include "results/ui/modelo_planilla.h"
#include "results/ui/planilla.h"
#include "results/ui/ventana_temporada.h"
#include "scenario/archivo_hrt.h"
#include "support/libro_xlsx.h"
#include "ui/dialogo_archivo.h"
#include "ui/impresion.h"

#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QTableView>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>

using namespace hortelia;

namespace {

// The text of a PDF by pdftotext, as laid out on the page, blanks run together, and its pages
// (a missing pdftotext, of poppler-utils, fails the test).
QString TextoPdf(const QString& pdf, int* paginas = nullptr) {
    const QString crudo = Salida(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (paginas) *paginas = static_cast<int>(crudo.count(QLatin1Char('\f')));  // one after each page
    QStringList lineas;
    for (const QString& l : crudo.split('\n')) lineas << l.simplified();
    return QLatin1Char('\n') + lineas.join('\n');
}

}  // namespace

class TestResultados : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { std::setlocale(LC_ALL, "C"); }
    void cleanup() {
        QLocale::setDefault(QLocale::c());
        std::setlocale(LC_ALL, "C");
    }

    // Under a Spanish locale (the program's users') numbers keep their point: the captions do
    // not depend on the locale, neither Qt's nor the C library's. A run shows hour 1 whatever
    // was chosen, and blocks the entries until the frame is closed; the control pair says what
    // each hour did.
    void procesar_muestraCadaHoraYBloqueaLasEntradas() {
        if (!std::setlocale(LC_ALL, "es_ES.UTF-8")) QFAIL("falta el locale es_ES.UTF-8: ejecute scripts/deps.sh");
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        VentanaDePrueba v;
        v.AceptaTodos();
        v.Click("BotViento");
        v.Mueve("HScrVHora", 7);
        v.AceptaAbierto();
        v.Pulsa("&Procesamiento datos");
        COMPRUEBA_PANTALLA(v, "resultados.pantalla", "hora 1");
        QCOMPARE(QApplication::focusWidget(), v.Hijo("HScrResHora"));
        v.e.TempSinControl(3) = v.e.TMaxTol.valor();  // exactly at a limit
        for (const int hora : {5, 12, 24, 3}) {
            v.Mueve("HScrResHora", hora);
            COMPRUEBA_PANTALLA(v, "resultados.pantalla", QStringLiteral("hora %1").arg(hora));
            for (const char* grafico : {"MSCResTemp", "MSCResCtrl"}) {  // the chosen hour marked on both charts
                QCOMPARE(v.Hijo<Grafico>(grafico)->FilaMarcada(), hora);
                QVERIFY(v.Hijo<Grafico>(grafico)->Marca()->isVisible());
            }
        }
        QCOMPARE(v.Hijo("GrupoTolerables")->accessibleName(), QStringLiteral("Temperaturas tolerables del cultivo"));

        v.Pulsa("&Cierra");
        COMPRUEBA_PANTALLA(v, "resultados.pantalla", "cerrado");
    }

    // The sheet's table: hours, heating and spraying or " --- ", the window floor, the totals
    // and the summary; at 1024x768 its buttons stay inside the window and the last cell scrolls
    // into sight; closed, it opens again the same.
    void laPlanilla_muestraCabeYCopia() {
        VentanaDePrueba v;
        v.Procesa();
        v.Pulsa("&Planilla de datos");
        Planilla* p = v.w.PlanillaCreada();
        QVERIFY(p && p->isVisible() && p->isWindow());
        QCOMPARE(p->windowTitle(), QStringLiteral("Planilla de resultados"));
        // As wide as its table, as far as the screen allows.
        const QRect pantalla = p->screen()->availableGeometry();
        QVERIFY(pantalla.contains(p->frameGeometry()));
        QVERIFY(p->width() >= std::min(p->sizeHint().width(), pantalla.width() - 16));
        QVERIFY(p->height() >= std::min(p->sizeHint().height(), pantalla.height() / 2));
        const std::tuple<int, int, const char*> celdas[] = {
            {1, 0, "Hora"},   {1, 24, " 24"},     {11, 5, " .24"},  {12, 5, " --- "},     {11, 1, " --- "},
            {12, 1, " --- "}, {12, 12, " 123.6"}, {13, 1, " .001"}, {16, 0, "Totales: "}, {16, 3, " 3.38"}};
        for (const auto& [columna, fila, texto] : celdas) QCOMPARE(p->Celda(columna, fila), QString(texto));
        QCOMPARE(p->Encabezado().at(1)->text(), QStringLiteral("Doble techo:    No"));
        // The group headings over their columns, the fuel's unit under its title, a name to be read by.
        QTableView* t = p->Tabla();
        const QAbstractItemModel* m = t->model();
        QCOMPARE(m->index(0, 6).data().toString(), QStringLiteral("Interior invernáculo"));
        QCOMPARE(t->columnSpan(0, 6), 4);
        QCOMPARE(m->headerData(10, Qt::Horizontal).toString(), QStringLiteral("Calefacc.\n(litros)"));
        QVERIFY(!t->accessibleName().isEmpty());

        p->resize(1024, 768);
        QCOMPARE(p->size(), QSize(1024, 768));
        for (const char* b : {"&Cierra", "&Imprime", "&Guarda", "Guarda como &hoja de cálculo (.xlsx)"}) {
            const QAbstractButton* boton = PorTexto<QAbstractButton>(p, QString::fromUtf8(b));
            QVERIFY2(boton->isVisible() && p->rect().contains(QRect(boton->mapTo(p, QPoint()), boton->size())), b);
        }
        const QModelIndex ultima = m->index(ModeloPlanilla::kFilaTotales, ModeloPlanilla::kColumnas - 1);
        t->scrollTo(ultima);
        QVERIFY(t->viewport()->rect().contains(t->visualRect(ultima)));

        Pulsa(PorTexto<QAbstractButton>(p, QStringLiteral("&Cierra")));
        QVERIFY(!p->isVisible());
        v.Pulsa("&Planilla de datos");
        QCOMPARE(v.w.PlanillaCreada(), p);  // created once

        // The sheet and the season are windows of the main window: kept above it, announced
        // as windows by their titles.
        Pulsa(PorTexto<QAbstractButton>(v.Hijo<QWidget>("FrResultados"), QStringLiteral("&Cierra")));
        v.Accion("Temporada")->trigger();
        for (QWidget* ventana : {static_cast<QWidget*>(p), static_cast<QWidget*>(v.w.TemporadaCreada())}) {
            QCOMPARE(ventana->windowType(), Qt::Dialog);
            QCOMPARE(ventana->windowHandle()->transientParent(), v.w.windowHandle());
            const QAccessibleInterface* a = QAccessible::queryAccessibleInterface(ventana);
            QCOMPARE(a->role(), QAccessible::Window);
            QCOMPARE(a->text(QAccessible::Name), ventana->windowTitle());
        }
    }

    // Ctrl+C copies the sheet's selected block: tab between cells, a line a row, nothing for
    // " --- ", the decimal separator of the user's language.
    void laPlanilla_copiaConElSeparadorDelUsuario() {
        VentanaDePrueba v;
        v.Procesa();
        v.Pulsa("&Planilla de datos");
        QTableView* t = v.w.PlanillaCreada()->Tabla();
        t->selectionModel()->select(QItemSelection(t->model()->index(4, 6), t->model()->index(5, 11)),
                                    QItemSelectionModel::ClearAndSelect);
        for (const auto& [idioma, copiado] :
             {std::pair{QLocale::c(), ".1\t.1\t100\t2\t\t\n-1.8\t-1\t100\t2\t.24\t"},
              std::pair{QLocale(QLocale::Spanish, QLocale::Spain), ",1\t,1\t100\t2\t\t\n-1,8\t-1\t100\t2\t,24\t"}}) {
            QLocale::setDefault(idioma);
            QGuiApplication::clipboard()->clear();
            QTest::keySequence(t, QKeySequence::Copy);
            QCOMPARE(QGuiApplication::clipboard()->text(), QString(copiado));
        }
    }

    // The sheet's text and workbook go beside the scenario with its name, never over it. The
    // text saved is what the table shows, read through the table's model; the workbook holds
    // the fuel of an hour as the number the sheet shows (the whole workbook is checked against
    // the text export in test_hoja_calculo). Each save says why it failed; cancel is silent.
    void laPlanilla_seGuardaJuntoAlEscenario() {
        QTemporaryDir dir;
        VentanaDePrueba v;
        v.Procesa();
        v.guion.RespondeArchivo(dir.filePath("dia.hrt"));
        v.Pulsa("&Guarda");
        const QString escenario = Lee(dir.filePath("dia.hrt"));
        v.Pulsa("&Planilla de datos");
        Planilla* p = v.w.PlanillaCreada();
        const auto pulsa = [p](const char* boton) { Pulsa(PorTexto<QAbstractButton>(p, QString::fromUtf8(boton))); };
        v.guion.RespondeArchivo(dir.filePath("dia.txt"));
        pulsa("&Guarda");
        QCOMPARE(v.guion.propuestos.last(), dir.filePath("dia.txt"));
        QCOMPARE(v.guion.filtros.last(), QStringLiteral("Archivos de texto (*.txt)"));
        QVERIFY(v.guion.notas.last().contains(QStringLiteral("es para otros programas")));
        // The 20 header lines, and the cells of an hour under the columns they stand under.
        const QStringList lineas = Lee(dir.filePath("dia.txt")).split('\n');
        for (int i = 0; i < p->Encabezado().size(); ++i) QCOMPARE(lineas.at(1 + i), p->Encabezado().at(i)->text());
        QStringList hora;  // hour 5, heated: " .24" and " --- " on the sheet
        for (int c = 0; c < 15; ++c)
            hora << p->Tabla()->model()->index(5, c).data().toString().remove(" --- ").trimmed();
        QCOMPARE(lineas.at(27), hora.join('\t'));
        QCOMPARE(lineas.at(47).split('\t').at(0), QStringLiteral("Totales"));
        // A name typed without ".txt" is the same file: asked before replacing it, scenario untouched.
        v.guion.RespondeArchivo(dir.filePath("dia"));
        v.guion.RespondePregunta("dia.txt ya existe", Interaccion::Respuesta::Si);
        pulsa("&Guarda");
        QCOMPARE(Lee(dir.filePath("dia.hrt")), escenario);
        QVERIFY(Lee(dir.filePath("dia.txt")).startsWith(QStringLiteral("Planilla de resultados")));

        v.guion.RespondeArchivo(dir.filePath("dia"));
        pulsa("Guarda como &hoja de cálculo (.xlsx)");
        QCOMPARE(v.guion.filtros.last(), QStringLiteral("Hojas de cálculo (*.xlsx)"));
        QVERIFY(v.guion.notas.last().isEmpty());
        QCOMPARE(v.guion.propuestos.last(), dir.filePath("dia.xlsx"));
        std::string error;
        const auto libro = prueba::LeeLibro(dir.filePath("dia.xlsx").toStdString(), error);
        QVERIFY2(libro, error.c_str());
        QCOMPARE(libro->at("A1").texto, std::string("Planilla de resultados"));
        QCOMPARE(libro->at("A32").texto, std::string("5"));  // hour 5's fuel, " .24" on the sheet
        QVERIFY(libro->at("K32").numero && libro->at("K32").texto == "0.24");

        for (const char* boton : {"&Guarda", "Guarda como &hoja de cálculo (.xlsx)"}) {
            v.guion.RespondeArchivo(QString());
            pulsa(boton);
            v.guion.RespondeArchivo(dir.filePath("no/existe/dia"));
            v.guion.EsperaMensaje(Interaccion::Gravedad::Error, "No se puede guardar");
            pulsa(boton);
        }
    }

    // Files the window takes in part or not at all, one after the other in the same window: an
    // unreadable one changes nothing; one saved at start loads all but the dimensions (what it
    // leaves unusable turns back); an unknown fuel keeps the options but shows its power; a day
    // that cannot run says why and changes nothing.
    void archivosQueNoSeTomanEnteros() {
        VentanaDePrueba v;
        const std::string antes = TextoEscenario(v.e);
        v.guion.EsperaMensaje(Interaccion::Gravedad::Error, "línea 2, campo 5");
        v.Abre(QStringLiteral(HORTELIA_TEST_DATA "/roto.hrt"));
        QCOMPARE(TextoEscenario(v.e), antes);
        QVERIFY(!v.Verde("BotTecho"));
        v.Abre(QString());  // cancel: silent

        v.AceptaTodos();
        v.guion.RespondePregunta("¿Guardar los cambios", Interaccion::Respuesta::No);
        v.guion.EsperaMensaje(Interaccion::Gravedad::Advertencia, "dimensiones no son válidas");
        v.Abre(QStringLiteral(HORTELIA_TEST_DATA "/inicio_sin_aceptar.hrt"));
        COMPRUEBA_PANTALLA(v, "resultados.pantalla", "inicio sin dimensiones");

        v.guion.EsperaMensaje(Interaccion::Gravedad::Advertencia, "dimensiones no son válidas");
        v.Abre(QStringLiteral(HORTELIA_TEST_DATA "/lena.hrt"));
        QCOMPARE(v.e.Combustible, std::string("Leña"));
        COMPRUEBA_PANTALLA(v, "resultados.pantalla", "leña");

        v.Abre(QStringLiteral(HORTELIA_TEST_DATA "/sin_eficiencia.hrt"));
        QVERIFY(v.Pulsador("&Procesamiento datos")->isEnabled());
        const std::string cargado = TextoEscenario(v.e);
        v.guion.EsperaMensaje(Interaccion::Gravedad::Advertencia, "eficiencia");
        v.Pulsa("&Procesamiento datos");
        QVERIFY(!v.Visible("FrResultados"));
        QCOMPARE(TextoEscenario(v.e), cargado);
    }

    // Ctrl+P prints the results frame; a cancelled dialog writes nothing. On paper the frame
    // alone, on one page, its captions as text, none of its buttons nor the main window's side
    // column.
    void imprimir_losResultadosComoTexto() {
        VentanaDePrueba v;
        v.w.resize(1400, 1000);  // columns wide enough for pdftotext to read each caption whole
        v.Procesa();
        QTemporaryDir dir;
        const QString cancelado = dir.filePath("cancelado.pdf");
        v.guion.RespondeImpresion([&](QPrinter& impresora) { return AlPdf(impresora, cancelado, false); });
        QTest::keySequence(&v.w, QKeySequence::Print);
        QVERIFY(v.guion.GuionTerminado() && !QFile::exists(cancelado));
        // Printed, or previewed and printed from the preview: the same page, headed by the
        // scenario's name ("sin nombre" before it has a file) and when it was printed.
        const QString resultados = dir.filePath("resultados.pdf");
        v.guion.RespondeImpresion([&](QPrinter& impresora) { return AlPdf(impresora, resultados); });
        v.Pulsa("&Imprime");
        v.guion.RespondeArchivo(dir.filePath("invernadero-norte.hrt"));
        v.Pulsa("&Guarda");
        const QString previa = dir.filePath("previa.pdf");
        v.guion.RespondeVistaPrevia([&](QPrinter& impresora) { AlPdf(impresora, previa); });
        v.Pulsa("&Vista previa");
        const QString hoy = QLocale(QLocale::Spanish).toString(QDate::currentDate(), QStringLiteral("d 'de' MMMM"));
        for (const auto& [pdf, nombre] :
             {std::pair{resultados, "sin nombre"}, std::pair{previa, "invernadero-norte.hrt"}}) {
            int paginas = 0;
            const QString texto = TextoPdf(pdf, &paginas);
            QVERIFY2(texto.contains(QStringLiteral("\nEscenario: %1 — impreso el %2").arg(nombre, hoy)), nombre);
            for (const char* etiqueta : {"ResTE", "ResAcEtr", "ResHora", "ResFueraRango"})
                QVERIFY2(texto.contains(v.Texto(etiqueta).simplified()), etiqueta);
            QVERIFY(!texto.contains(QStringLiteral("Planilla de datos")));
            QVERIFY(!texto.contains(v.Hijo<QPushButton>("BotTecho")->text().remove('&')));
            QCOMPARE(paginas, 1);
        }
    }

    // Ctrl+P prints the sheet across the page, its header and every cell of its table as text a PDF
    // reader finds; its preview draws the same page. A print that cannot be written says which
    // file and why.
    void imprimir_laPlanillaComoTexto() {
        VentanaDePrueba v;
        v.Procesa();
        QTemporaryDir dir;
        v.Pulsa("&Planilla de datos");
        Planilla* p = v.w.PlanillaCreada();
        QVERIFY(QTest::qWaitForWindowExposed(p));
        const QString pdf = dir.filePath("planilla.pdf");
        v.guion.RespondeImpresion([&](QPrinter& impresora) {
            return impresora.pageLayout().orientation() == QPageLayout::Landscape && AlPdf(impresora, pdf);
        });
        QTest::keySequence(p, QKeySequence::Print);
        const QString previa = dir.filePath("previa.pdf");
        v.guion.RespondeVistaPrevia([&](QPrinter& impresora) { AlPdf(impresora, previa); });
        Pulsa(PorTexto<QAbstractButton>(p, QStringLiteral("&Vista previa")));
        QCOMPARE(TextoPdf(previa), TextoPdf(pdf));
        const QString texto = TextoPdf(pdf);
        QVERIFY(texto.contains(p->Encabezado().at(11)->text().simplified()));
        QVERIFY(texto.contains(QStringLiteral("Interior invernáculo")));
        const QAbstractItemModel* m = p->Tabla()->model();
        for (int fila = 1; fila <= 25; ++fila) {  // a row's cells, the empty ones left out
            QStringList celdas;
            for (int c = 0; c < 15; ++c) celdas << m->index(fila, c).data().toString();
            const QString buscado = celdas.join(' ').simplified();
            QVERIFY2(texto.contains('\n' + buscado + '\n'), qPrintable(buscado));
        }
        const QString malo = dir.filePath("no/existe/x.pdf");
        v.guion.RespondeImpresion([&](QPrinter& impresora) { return AlPdf(impresora, malo); });
        v.guion.EsperaMensaje(Interaccion::Gravedad::Error,
                              "No se pudo imprimir en el archivo \"" + malo + "\": no existe el archivo o la carpeta");
        Pulsa(PorTexto<QAbstractButton>(p, QStringLiteral("&Imprime")));
    }

    // A PDF or an export goes beside the scenario, with its name; before the scenario has a file,
    // or when its folder cannot be written (the installed examples), to the documents folder.
    void loGuardadoVaJuntoAlEscenarioOALosDocumentos() {
        const QString documentos = CarpetaDocumentos();
        QVERIFY(QFileInfo(documentos).isAbsolute());
        // The scenario's folder, one that cannot be written, none ("": no file yet).
        for (const auto& [carpeta, alLado] : {std::pair{QDir::tempPath(), true},
                                              std::pair{QStringLiteral("/no/existe"), false},
                                              std::pair{QString(), false}}) {
            const QString escenario = carpeta.isEmpty() ? QString() : carpeta + QStringLiteral("/dia.hrt");
            const QDir donde(alLado ? carpeta : documentos);
            const QString nombre = carpeta.isEmpty() ? QStringLiteral("hortelia-") : QStringLiteral("dia-");
            QCOMPARE(PdfPropuesto(escenario, QStringLiteral("planilla")), donde.filePath(nombre + "planilla.pdf"));
            QCOMPARE(JuntoAlEscenario(escenario, QString(), QStringLiteral("txt"), QStringLiteral("planilla")),
                     donde.filePath(carpeta.isEmpty() ? QStringLiteral("planilla.txt") : QStringLiteral("dia.txt")));
        }
    }
};

QTEST_MAIN(TestResultados)
#include "test_resultados.moc"
