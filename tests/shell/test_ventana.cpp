// The main window driven as a user drives it: the start frame, the menus and their enabling,
// the side column, opening and accepting panels, and Alt+letter where two captions share it.

#include "support/ventana_de_prueba.h"

#include "ui/colores.h"
#include "ui/dibujos.h"
#include "ui/dialogo_archivo.h"
#include "ui/resumen.h"

#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTextBrowser>
#include <QTimer>

#include <functional>

using namespace hortelia;

class TestVentana : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { std::setlocale(LC_ALL, "C"); }

    // The start frame with the menus disabled; "&Inicio" by the keyboard opens the working view:
    // pink side buttons, the summary hidden, processing off, and the headings in their colours
    // with a text that reads at 4.5:1 or better (WCAG AA: white on grey and on cyan would not).
    void inicio_yVistaDeTrabajo() {
        VentanaDePrueba v(false);
        QCOMPARE(v.w.windowTitle(), QString("Hortelia[*]"));
        COMPRUEBA_PANTALLA(v, "ventana.pantalla", "inicio");
        const QList<Dibujo*> dibujos = v.w.findChildren<Dibujo*>();
        QCOMPARE(std::count_if(dibujos.begin(), dibujos.end(), [](const Dibujo* d) { return d->isVisible(); }), 2);
        const std::pair<const char*, QColor> titulos[] = {{"Estructura invernáculo", QColor(0x80, 0x80, 0x80)},
                                                          {"Cultivo", QColor(0x00, 0x80, 0x00)},
                                                          {"Condiciones meteorológicas", QColor(0x00, 0xC0, 0xC0)}};
        for (const auto& [t, fondo] : titulos) QVERIFY2(!PorTexto<QLabel>(&v.w, QString::fromUtf8(t))->isVisible(), t);

        QTest::keyClick(&v.w, Qt::Key_I, Qt::AltModifier);
        QTRY_VERIFY(!v.Visible("FrInicio"));
        COMPRUEBA_PANTALLA(v, "ventana.pantalla", "trabajo");
        for (QLabel* l : v.Hijo<Resumen>("Resumen")->findChildren<QLabel*>())
            QVERIFY2(!l->isVisible(), qPrintable(l->objectName()));
        QVERIFY(v.Hijo<Resumen>("Resumen")->Textos() == TextosResumen{});
        for (const auto& [t, fondo] : titulos) {
            const QPalette p = PorTexto<QLabel>(&v.w, QString::fromUtf8(t))->palette();
            QCOMPARE(p.color(QPalette::Window), fondo);
            QVERIFY2(ContrasteWcag(p.color(QPalette::WindowText), fondo) >= 4.5, t);
        }
    }

    // The menu bar as the user reads it (tests/data/menus.txt), with each entry's name and the
    // conventional shortcuts: a submenu's entries indented under it.
    void menus_conSusTextosEnOrden() {
        VentanaDePrueba v;
        std::function<void(const QList<QAction*>&, const QString&)> arbol;
        QString visto;
        arbol = [&](const QList<QAction*>& acciones, const QString& sangria) {
            for (QAction* a : acciones) {
                visto += sangria + a->objectName() + '=' + a->text() +
                         (a->shortcut().isEmpty() ? QString() : '(' + a->shortcut().toString() + ')') + '\n';
                if (a->menu()) arbol(a->menu()->actions(), sangria + "  ");
            }
        };
        arbol(v.w.menuBar()->actions(), QString());
        QFile menus(QStringLiteral(HORTELIA_TEST_DATA "/menus.txt"));
        QVERIFY(menus.open(QIODevice::ReadOnly));
        QCOMPARE(visto, QString::fromUtf8(menus.readAll()));
    }

    // Help in every state of the window: F1 shows the grower's guide, "&Versión" the version,
    // the licence and where the examples are.
    void ayuda_laGuiaYLaVersion_enCualquierEstado() {
        for (const bool conPanel : {false, true}) {  // the start frame, then a panel open
            VentanaDePrueba v(conPanel);
            if (conPanel) v.Click("BotMaterial");
            QTest::keyClick(&v.w, Qt::Key_F1);
            auto* guia = v.Hijo<QTextBrowser>("GuiaProductor");
            QTRY_VERIFY(guia->isVisible());
            QVERIFY(guia->toPlainText().contains(QStringLiteral("Su primer día en cinco pasos")));
            QVERIFY(!guia->toPlainText().contains(QStringLiteral("For developers")));
            QVERIFY(v.Accion("Ayuda")->isEnabled());
            v.guion.EsperaMensaje(Interaccion::Gravedad::Informacion, "GPL-3.0-or-later");
            v.Accion("Version")->trigger();
            QVERIFY(v.guion.mensajes.last().contains(QStringLiteral("de ejemplo están en /")));
        }
    }

    // An open panel, from its side button or its menu entry, blocks navigation until it is
    // accepted, while "&Archivos" and "&Salir" still work; all but the dimensions and the crop
    // turn processing off until then.
    void unPanelAbierto_bloqueaLaNavegacionHastaAceptar_data() {
        QTest::addColumn<QString>("abre");
        QTest::addColumn<bool>("apagaProceso");
        for (const char* a : {"BotTecho", "Techo", "Material", "Ventilacion", "Calefaccion", "BotCUltivo", "Temperatura",
                              "Humedad", "Radiacion", "Viento"})
            QTest::newRow(a) << QString(a) << true;
        for (const char* a : {"Dimensiones", "Cultivo"}) QTest::newRow(a) << QString(a) << false;
    }
    void unPanelAbierto_bloqueaLaNavegacionHastaAceptar() {
        QFETCH(QString, abre);
        QFETCH(bool, apagaProceso);
        VentanaDePrueba v;
        v.AceptaTodos();
        if (abre.startsWith("Bot")) v.Click(qPrintable(abre));
        else v.Accion(qPrintable(abre))->trigger();
        if (abre == "Ventilacion") v.Pulsa("Carga datos &horarios de apertura de ventanas");
        COMPRUEBA_PANTALLA(v, "ventana.pantalla", "panel abierto");
        QCOMPARE(v.Pulsador("&Procesamiento datos")->isEnabled(), !apagaProceso);
        QCOMPARE(v.Accion("Proceso")->isEnabled(), !apagaProceso);
        v.AceptaAbierto();
        COMPRUEBA_PANTALLA(v, "ventana.pantalla", "todos aceptados");
        v.Click("BotCalef");
        v.guion.RespondePregunta("¿Guardar los cambios", Interaccion::Respuesta::No);
        v.Pulsa("&Salir");
        QVERIFY(!v.w.isVisible());
    }

    // The focus enters the panel a side button opens and comes back to the button; Alt+A
    // accepts an open panel, and without one opens "&Archivos".
    void teclado_elFocoEntraAlPanel_yAltAAceptaOAbreArchivos() {
        VentanaDePrueba v;
        QWidget* techo = v.Hijo("BotTecho");
        QCOMPARE(QApplication::focusWidget(), techo);
        QTest::keyClick(techo, Qt::Key_Space);
        QVERIFY(v.Hijo("FrTecho")->isAncestorOf(QApplication::focusWidget()));
        QTest::keyClick(&v.w, Qt::Key_A, Qt::AltModifier);
        QTRY_VERIFY(!v.Visible("FrTecho"));
        QVERIFY(v.Verde("BotTecho"));
        QCOMPARE(QApplication::focusWidget(), techo);
        QVERIFY(!QApplication::activePopupWidget());

        QTest::keyClick(&v.w, Qt::Key_A, Qt::AltModifier);
        QTRY_COMPARE(QApplication::activePopupWidget(), v.Hijo<QMenu>("MenuArchivo"));
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QTest::keyClick(&v.w, Qt::Key_Escape);
    }

    void altP_corriendoElDia_unaSolaVez() {
        VentanaDePrueba v;
        v.AceptaTodos();
        QSignalSpy boton(v.Pulsador("&Procesamiento datos"), &QPushButton::clicked);
        QSignalSpy menu(v.Accion("Proceso"), &QAction::triggered);
        QTest::keyClick(&v.w, Qt::Key_P, Qt::AltModifier);
        QTRY_COMPARE(boton.count() + menu.count(), 1);
        QTest::qWait(50);
        QCOMPARE(boton.count() + menu.count(), 1);
    }

    // Ventilation before the dimensions says so and does not open.
    void ventilacionSinDimensiones_loAdvierte() {
        VentanaDePrueba v;
        v.guion.EsperaMensaje(Interaccion::Gravedad::Advertencia, "Especifique Dimensiones antes de continuar");
        v.Click("BotVentil");
        QVERIFY(!v.Visible("FrVentil") && v.Hijo("BotTecho")->isEnabled() && v.Accion("Datos")->isEnabled());
    }

    // Qt's message box over the window, titled with the program's name and the icon of its severity.
    void lasCajasDeQt_tienenElTituloYElIconoDeSuGravedad() {
        using G = Interaccion::Gravedad;
        for (const auto& [gravedad, icono] : {std::pair{G::Informacion, QMessageBox::Information},
                                              std::pair{G::Advertencia, QMessageBox::Warning},
                                              std::pair{G::Error, QMessageBox::Critical}}) {
            QWidget ventana;
            QString titulo;
            QMessageBox::Icon visto = QMessageBox::NoIcon;
            QTimer::singleShot(0, [&] {
                if (auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    titulo = caja->windowTitle();
                    visto = caja->icon();
                    caja->accept();
                }
            });
            InteraccionQt(&ventana).Mensaje(gravedad, QStringLiteral("texto"));
            QCOMPARE(titulo, QString("Hortelia"));
            QCOMPARE(visto, icono);
        }
    }

    // Qt's save dialog keeps its title and filter, and says what the text is for; the print
    // preview asks for its pages as it opens.
    void elDialogoDeArchivo_yLaVistaPrevia() {
        QWidget ventana;
        InteraccionQt interaccion(&ventana);
        // The text's save dialog keeps its title and filter, and says what the text is for.
        QStringList visto;
        QTimer::singleShot(0, [&] {
            if (auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                visto << d->windowTitle() << d->nameFilters();
                if (auto* nota = d->findChild<QLabel*>("NotaArchivo"); nota && nota->isVisible()) visto << nota->text();
                d->reject();
            }
        });
        QVERIFY(interaccion
                    .Archivo(Interaccion::Modo::Guardar, kArchivoTexto.filtro, QStringLiteral("planilla.txt"),
                             kArchivoTexto.nota)
                    .isEmpty());
        QCOMPARE(visto, QStringList({"Guardar", kArchivoTexto.filtro, kArchivoTexto.nota}));
        // The preview asks for its pages as it opens.
        int pedidas = 0;
        QTimer::singleShot(0, [] {
            if (auto* d = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget())) d->reject();
        });
        QPrinter impresora;
        impresora.setOutputFormat(QPrinter::PdfFormat);
        interaccion.VistaPrevia(impresora, [&pedidas](QPrinter&) { ++pedidas; });
        QVERIFY(pedidas > 0);
    }

    // Scroll bars say their value in the user's terms, not the bar's position (closed windows
    // are "0 %", never "-0 %").
    void barras_dicenSuValorComoLoLeeElUsuario() {
        VentanaDePrueba v;
        v.Mueve("VScrVent", 0);
        COMPRUEBA_PANTALLA(v, "ventana.pantalla", "ventanas cerradas");
        v.Mueve("VScrVent", -40);
        COMPRUEBA_PANTALLA(v, "ventana.pantalla", "barras");
    }

    // At 1024 x 720 (a 1366 x 768 screen) every panel shows whole; on a smaller window the
    // working area scrolls, and the side buttons stay on screen.
    void cadaPanel_caben_yEnVentanaChicaSeDesplazan() {
        VentanaDePrueba v;
        v.w.resize(1024, 720);
        v.Click("BotDimens");
        v.AceptaAbierto();
        auto* area = v.Hijo<QScrollArea>("DesplazaTrabajo");
        for (const char* b : kBotones) {
            v.Click(b);
            if (QString(b) == "BotVentil") v.Pulsa("Carga datos &horarios de apertura de ventanas");
            QApplication::processEvents();
            QVERIFY2(!area->horizontalScrollBar()->isVisible() && !area->verticalScrollBar()->isVisible(), b);
            // A screen reader says what each button does: "-" and "+" alone say nothing.
            for (QAbstractButton* boton : area->findChildren<QAbstractButton*>())
                if (boton->isVisible()) {
                    const QString nombre = QAccessible::queryAccessibleInterface(boton)->text(QAccessible::Name);
                    QVERIFY2(!nombre.isEmpty() && nombre != "-" && nombre != "+", b);
                }
            v.AceptaAbierto();
        }
        v.Pulsa("&Procesamiento datos");
        v.Mueve("HScrResHora", 14);  // long captions: spraying, a daily total of 15 digits
        QApplication::processEvents();
        QVERIFY2(!area->horizontalScrollBar()->isVisible() && !area->verticalScrollBar()->isVisible(), "resultados");
        QCOMPARE(v.w.width(), 1024);
        v.Pulsa("&Cierra");
        v.w.resize(800, 560);
        v.Click("BotRadiac");
        QApplication::processEvents();
        QVERIFY(area->verticalScrollBar()->isVisible() || area->horizontalScrollBar()->isVisible());
        for (const char* c : {"&Salir", "&Procesamiento datos"})
            QVERIFY2(v.w.rect().contains(v.Pulsador(c)->mapTo(&v.w, v.Pulsador(c)->rect().bottomRight())), c);
        v.AceptaAbierto();
    }

    // The window opens where the user left it in the last run, kept inside the screen; the
    // first time it leaves the screen room for its title bar.
    void laVentana_quedaDondeSeLaDejo_dentroDeLaPantalla() {
        // The first time, where it was left, off the screen, larger than the screen.
        for (const QRect& dejada :
             {QRect(), QRect(40, 60, 640, 480), QRect(5000, 4000, 640, 480), QRect(0, 0, 3000, 2000)}) {
            {
                VentanaDePrueba v(false);
                if (dejada.isValid()) v.w.setGeometry(dejada);
                v.w.close();
            }
            VentanaDePrueba v(false, VentanaDePrueba::Preferencias::Conservadas);
            const QRect pantalla = v.w.screen()->availableGeometry();
            QVERIFY(pantalla.contains(v.w.frameGeometry()));
            if (!dejada.isValid()) QVERIFY(v.w.height() + 2 * v.w.fontMetrics().height() <= pantalla.height());
            if (pantalla.contains(dejada)) QCOMPARE(v.w.geometry(), dejada);
        }
    }
};

QTEST_MAIN(TestVentana)
#include "test_ventana.moc"
