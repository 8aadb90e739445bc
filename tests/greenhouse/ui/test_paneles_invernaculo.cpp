// The six greenhouse panels inside the main window, driven as a user drives them: options,
// typed boxes, scroll bars, +/- buttons and accept. A loaded record shown on each panel is
// checked in tests/shell/test_archivos.

#include "support/ventana_de_prueba.h"

using namespace hortelia;

namespace {

// Roof panel, then dimensions, accepted with what the boxes hold.
void AceptaEstructura(const VentanaDePrueba& v, const char* techo = "A dos aguas") {
    v.Click("BotTecho");
    v.Elige(QStringLiteral("Tipo de techo"), QString::fromUtf8(techo));
    v.AceptaAbierto();
    v.Click("BotDimens");
    v.AceptaAbierto();
}

}  // namespace

class TestPanelesInvernaculo : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { std::setlocale(LC_ALL, "C"); }

    // Roof and dimensions

    // The roof's type and double roof go to the summary as they are chosen; another roof
    // shape voids the dimensions accepted. A tunnel's maximum height follows its width and side
    // height as they are typed.
    void techo_escribeElResumen_anulaLasDimensiones_yElTunelDaSuAltura() {
        VentanaDePrueba v;
        AceptaEstructura(v);
        v.Click("BotTecho");
        QVERIFY(v.Visible("Pictecho1_0") && !v.Visible("Pictecho1_2"));
        v.Elige("Tipo de techo", "Túnel");
        COMPRUEBA_PANTALLA(v, "invernaculo.pantalla", "tunel");
        v.Elige("¿Doble techo?", "Si");
        QCOMPARE(v.Texto("LDTecho"), QString("Doble techo:    Si"));
        v.Elige("¿Doble techo?", "No");
        QCOMPARE(v.Texto("LDTecho"), QString("Doble techo:    No"));
        v.AceptaAbierto();
        QCOMPARE(v.e.TipoTecho, std::int16_t(3));
        QVERIFY(v.Visible("LTTecho") && v.Visible("LDTecho"));

        v.Click("BotDimens");
        QLineEdit* maxima = v.Hijo<QLineEdit>("TDimens4");
        QCOMPARE(maxima->text(), QString(" 5.5"));
        QVERIFY(!maxima->isEnabled());
        v.Escribe("TDimens1", "1");
        QCOMPARE(maxima->text(), QString(" 2"));
        QTest::keyClick(v.Hijo<QLineEdit>("TDimens1"), Qt::Key_0);
        QCOMPARE(maxima->text(), QString(" 6.5"));
        v.Escribe("TDimens3", "2");
        QCOMPARE(maxima->text(), QString(" 7"));
        v.AceptaAbierto();
        QCOMPARE(v.e.AlturaMaxima.valor(), 7.0);
        // Roof area S * pi / 2 with pi = 3.141596; 2 * 30 * 2 + 2 * 10 * 2 walls; 1 * pi * 25 gables.
        QCOMPARE(v.Texto("LDSuecub"), QString("Suelo cubierto = 300 m2"));
    }

    // The boxes reach the geometry as typed; the core tests check its other refusals. What it
    // refuses leaves the panel open and pink. A grower writes decimals the way Spanish does:
    // 3,8 is 3.8 (a volume of 636 m3, not 540); a text with both a point and a comma is not a
    // number.
    void dimensiones_rechazosYComaDecimal() {
        VentanaDePrueba v;
        v.guion.EsperaMensaje(Interaccion::Gravedad::Advertencia, "\"ocho\" no es un número");
        v.guion.EsperaMensaje(Interaccion::Gravedad::Advertencia, "\"1.234,5\" no es un número");
        v.guion.EsperaMensaje(Interaccion::Gravedad::Advertencia, "La cantidad de módulos debe ser un número entero");
        v.Click("BotDimens");
        QVERIFY(v.Hijo<QLineEdit>("TDimens1")->toolTip().contains("hasta 100 m"));
        v.Escribe("TDimens1", "ocho");
        v.AceptaAbierto();
        v.Escribe("TDimens1", "8");
        v.Escribe("TDimens3", "1,5");
        v.Escribe("TDimens4", "1.234,5");
        v.AceptaAbierto();
        v.Escribe("TDimens4", "3,8");
        v.Escribe("TDimens5", "2.5");
        v.AceptaAbierto();
        QVERIFY(v.Visible("FrDimens") && !v.Verde("BotDimens") && !v.Visible("LDSuecub"));
        v.Escribe("TDimens5", "1");
        v.AceptaAbierto();
        COMPRUEBA_PANTALLA(v, "invernaculo.pantalla", "coma decimal");
    }

    // Cover and maintenance

    // Untouched, the cover is glass with no state of maintenance; a state writes its rate, and
    // the typed one takes a box (a decimal comma too), refused when it is not a number.
    void cobertura_estadosYTasaEscrita() {
        VentanaDePrueba v;
        v.Click("BotMaterial");
        v.AceptaAbierto();
        QCOMPARE(v.e.MatCobertura.valor(), 1.0);
        QVERIFY(v.e.Mantenimiento.vacia());
        COMPRUEBA_PANTALLA(v, "invernaculo.pantalla", "cobertura sin tocar");

        v.Click("BotMaterial");
        v.Elige("Mantenimiento", "Malo");
        QCOMPARE(v.Texto("LManten"), QString("Mantenimiento =  4 l/h"));
        v.Elige("Mantenimiento", "Otro ...");
        QCOMPARE(v.e.RenovAire, 4.0F);  // the last rate, until one is typed
        QVERIFY(v.Hijo("TOtro")->isEnabled());
        v.Escribe("TOtro", "12.5");
        QCOMPARE(v.Texto("LManten"), QString("Mantenimiento = 12.5 l/h"));
        v.Escribe("TOtro", "1,5");
        QCOMPARE(v.e.RenovAire, 1.5F);
        v.Escribe("TOtro", "mucha");
        v.guion.EsperaMensaje(Interaccion::Gravedad::Advertencia, "\"mucha\" no es un número");
        v.AceptaAbierto();
        QVERIFY(v.Visible("FrMaterial"));
        v.Escribe("TOtro", "0");
        v.AceptaAbierto();
        QVERIFY(!v.Visible("FrMaterial"));

        v.Click("BotMaterial");
        v.Elige("Material cobertura", "Plástico 1er. año");
        v.Elige("Mantenimiento", "Bueno");
        COMPRUEBA_PANTALLA(v, "invernaculo.pantalla", "plastico bien mantenido");
        QCOMPARE(v.e.RenovAire, 2.0F);
        v.AceptaAbierto();
        QCOMPARE(v.e.Mantenimiento.valor(), 1.0);
    }

    // Ventilation

    // Accepting waits for the hourly schedules, and says so in its tooltip and the status bar;
    // Alt+H loads them.
    void ventilacion_horarios() {
        VentanaDePrueba v;
        AceptaEstructura(v);
        v.Click("BotVentil");
        QAbstractButton* acepta = v.Pulsador("&Acepta datos");
        QVERIFY(!v.Visible("MSCVentil") && !acepta->isEnabled());
        QCOMPARE(acepta->toolTip(), QStringLiteral("Cargue primero los datos horarios de apertura"));
        QCOMPARE(acepta->statusTip(), acepta->toolTip());
        QTest::keyClick(&v.w, Qt::Key_H, Qt::AltModifier);
        QTRY_VERIFY(v.Visible("MSCVentil"));
        QVERIFY(acepta->isEnabled() && !acepta->toolTip().contains("Cargue"));
        COMPRUEBA_PANTALLA(v, "invernaculo.pantalla", "horarios cargados");
        QCOMPARE(v.Hijo<Grafico>("MSCVentil")->Color(1), QColor(0, 128, 128));

        v.Mueve("HScrVent", 12);
        COMPRUEBA_PANTALLA(v, "invernaculo.pantalla", "ventilacion a las 12");
        v.Pulsa("+");
        COMPRUEBA_PANTALLA(v, "invernaculo.pantalla", "un metro mas");
        v.Mueve("VScrVent", -100);
        COMPRUEBA_PANTALLA(v, "invernaculo.pantalla", "abiertas del todo");
        v.Elige("Vent.Cenital", "Cerrada");
        v.AceptaAbierto();
        COMPRUEBA_PANTALLA(v, "invernaculo.pantalla", "cenital cerrada");

        v.Click("BotVentil");  // "-" stops at none
        for (int i = 0; i < 52; ++i) v.Pulsa("-");
        QCOMPARE(v.Texto("LVentaX"), QString(" 0"));
        v.AceptaAbierto();
    }

    // Heating

    // A fuel of the list writes its calorific value; "Otro" takes a typed one, a decimal comma
    // too: Return ends the typing, and accepting with the box still focused takes the value
    // just typed.
    void calefaccion_combustibles() {
        VentanaDePrueba v;
        QLineEdit* poder = v.Hijo<QLineEdit>("TPoCal");
        COMPRUEBA_PANTALLA(v, "invernaculo.pantalla", "calefaccion de arranque");
        v.Click("BotCalef");
        v.Elige("Combustible", "Otro ...");
        QVERIFY(poder->isEnabled() && poder->hasFocus());
        QCOMPARE(QString::fromStdString(v.e.Combustible), QString("Otro"));
        v.Escribe("TPoCal", "12345.67");
        QTest::keyClick(poder, Qt::Key_Return);
        QCOMPARE(v.e.PoderCalorico, 12345.6F);
        COMPRUEBA_PANTALLA(v, "invernaculo.pantalla", "otro poder calorico");
        v.Escribe("TPoCal", "9876,54");
        QTest::keyClick(poder, Qt::Key_Return);
        QCOMPARE(v.e.PoderCalorico, 9876.5F);

        v.Elige("Combustible", "Butano");
        QVERIFY(!v.Hijo<QScrollBar>("HScrEfic")->toolTip().isEmpty());
        v.Mueve("HScrEfic", 80);
        COMPRUEBA_PANTALLA(v, "invernaculo.pantalla", "butano al 80");
        v.Elige("Combustible", "Otro ...");
        v.Escribe("TPoCal", "40000");
        QTest::keyClick(&v.w, Qt::Key_A, Qt::AltModifier);
        QTRY_VERIFY(!v.Visible("FrCalefacc"));
        QCOMPARE(v.e.PoderCalorico, 40000.0F);
        COMPRUEBA_PANTALLA(v, "invernaculo.pantalla", "calefaccion aceptada");
    }

    // Letters, zero, negatives and numbers out of range typed as "Otro"'s calorific value bring
    // the last value back when the box is left, and say why.
    void calefaccion_otroRechazaLoQueNoEsUnPoderCalorico() {
        VentanaDePrueba v;
        v.Click("BotCalef");
        v.Elige("Combustible", "Otro ...");
        auto* poder = v.Hijo<QLineEdit>("TPoCal");
        for (const QString malo : {"abc", "0", "-5", "1e999", "1.234,5"}) {
            poder->setFocus();
            v.Escribe("TPoCal", malo);
            v.guion.EsperaMensaje(Interaccion::Gravedad::Advertencia, '"' + malo + '"');
            v.Hijo<QScrollBar>("HScrEfic")->setFocus();
            QCOMPARE(v.e.PoderCalorico, 35570.0F);
            QCOMPARE(poder->text(), QString(" 35570"));
        }
    }

    // Crop

    // Opened from the menu, the crop's summary shows at once.
    void cultivo_barras() {
        VentanaDePrueba v;
        v.Accion("Cultivo")->trigger();
        v.Mueve("HScrIAF", 1);
        v.Mueve("HScrMinTol", -10);
        v.Mueve("HScrMaxTol", 5);
        COMPRUEBA_PANTALLA(v, "invernaculo.pantalla", "cultivo abierto");
        v.Mueve("HScrMinTol", 30);  // above the maximum, and taken as it is
        v.AceptaAbierto();
        COMPRUEBA_PANTALLA(v, "invernaculo.pantalla", "cultivo aceptado");
        QCOMPARE(v.e.TMinTol.valor(), 30.0);
    }
};

QTEST_MAIN(TestPanelesInvernaculo)
#include "test_paneles_invernaculo.moc"
