// The four weather panels in the main window, driven as a user drives them: side button,
// bars, lists, options and +/- buttons, accept; assert on labels, charts and buttons. The
// models' numbers are the core tests' business: here one or two values per behaviour.

#include "support/ventana_de_prueba.h"

#include "scenario/archivo_hrt.h"

using namespace hortelia;

class TestPanelesClima : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { std::setlocale(LC_ALL, "C"); }

    // The panels' handlers leave the start record as it is. Each chart's rows, filled by the
    // code that shows a loaded record, are checked in test_archivos.
    void arranque_dejaElRegistroComoLosValoresIniciales() {
        VentanaDePrueba v;
        Escenario inicial;
        PonValoresIniciales(inicial);
        QCOMPARE(TextoEscenario(v.e), TextoEscenario(inicial));
        COMPRUEBA_PANTALLA(v, "clima.pantalla", "arranque");
    }

    void temperatura_botonesExtremosYHoraAlReabrir() {
        VentanaDePrueba v;
        v.Click("BotTemp");
        QCOMPARE(v.Texto("LTempT"), QStringLiteral("Temp =  9.5 C"));
        v.Mueve("HScrTHora", 12);  // 19.4, then five tenths up and one down
        for (const char* b : {"TempMas", "TempMas", "TempMas", "TempMas", "TempMas", "TempMenos"}) v.Click(b);
        COMPRUEBA_PANTALLA(v, "clima.pantalla", "temperatura corregida");

        // New extremes recompute the curve, the hour shown and the summary.
        v.Mueve("HScrTHora", 15);
        v.Mueve("HScrTMax", 300);
        v.Mueve("HScrTMin", 25);
        COMPRUEBA_PANTALLA(v, "clima.pantalla", "extremos de temperatura");

        // Reopened after accepting: hour 1 again, and the corrected hour stays.
        v.Click("TempMenos");
        const double corregida = v.e.TempHora(15).valor();
        v.AceptaAbierto();
        v.Click("BotTemp");
        QCOMPARE(v.Texto("LTempH"), QStringLiteral("Hora  1"));
        QCOMPARE(v.e.TempHora(15).valor(), corregida);
    }

    // The same panel as the temperature's, with its own captions, bars and chart; where the
    // buttons stop is the core tests' business.
    void humedad_botonesYMinima() {
        VentanaDePrueba v;
        v.Click("BotHRel");
        QCOMPARE(v.Texto("LHRel"), QStringLiteral("HR =  99.1 %"));
        v.Mueve("HScrHRelH", 4);  // 99.9, and "+" twice
        for (int i = 0; i < 2; ++i) v.Click("HRMas");
        COMPRUEBA_PANTALLA(v, "clima.pantalla", "humedad en el tope");
        v.Mueve("HScrHRMin", 60);
        COMPRUEBA_PANTALLA(v, "clima.pantalla", "humedad minima");
    }

    void radiacion_latitudHemisferioYFechaRecalculan() {
        VentanaDePrueba v;
        v.Click("BotRadiac");
        COMPRUEBA_PANTALLA(v, "clima.pantalla", "radiacion");
        v.Mueve("HScrRHora", 12);
        v.Elige("Hemisferio", "Norte");
        COMPRUEBA_PANTALLA(v, "clima.pantalla", "norte");
        v.Mueve("HScrLat", 180);
        v.Elige("Hemisferio", "Sur");
        QCOMPARE(v.e.Hemisferio.valor(), -1);
        auto* mes = v.Hijo<QListWidget>("LiMes");
        QTest::mouseClick(mes->viewport(), Qt::LeftButton, {}, mes->visualItemRect(mes->item(5)).center());
        v.Hijo<QListWidget>("LiDia")->setCurrentRow(20);
        COMPRUEBA_PANTALLA(v, "clima.pantalla", "noche polar");
    }

    void radiacion_nubosidadYRadiacionSeDetienenEnSusLimites() {
        VentanaDePrueba v;
        v.Click("BotRadiac");
        v.Mueve("HScrRHora", 12);
        for (int i = 0; i < 8; ++i) v.Click("NubMas");
        COMPRUEBA_PANTALLA(v, "clima.pantalla", "ocho octavos");

        // At 8 octavos "+", and at 0 "-", change nothing, not even a label.
        const auto marca = [&v] {
            for (const char* l : {"LRNub", "LRRadNub"}) v.Hijo<QLabel>(l)->setText("sin tocar");
        };
        marca();
        v.Click("NubMas");
        QCOMPARE(v.e.NubHora(12), 8.0F);
        COMPRUEBA_PANTALLA(v, "clima.pantalla", "sin tocar");
        v.Mueve("HScrRHora", 11);
        marca();
        v.Click("NubMenos");
        COMPRUEBA_PANTALLA(v, "clima.pantalla", "sin tocar");

        // Radiation stays between 0 and the cloudless value of the hour (1172.1 at 11).
        v.Click("RadMas");
        QCOMPARE(v.Texto("LRRadNub"), QStringLiteral("Radiación =  1172.1"));
        v.Click("RadMenos");
        QCOMPARE(v.Dibujado("MSCRad", 11), 1171.1);

        // The cloud type applies the clouds to every hour again and drops hand corrections.
        v.Mueve("HScrTNub", 3);
        QCOMPARE(v.Texto("LRTNubes"), QStringLiteral("Tipo de nubes: Oscuras"));
        QCOMPARE(v.e.RadHora(11), v.e.RadTope(11));
        QVERIFY(v.e.RadHora(12).valor() < 847.1);
        QCOMPARE(v.Dibujado("MSCRad", 12), v.e.RadHora(12).valor());
    }

    void viento_abreEnLaHoraDejadaPorOtroPanelYMuestraKmhYms() {
        VentanaDePrueba v;
        v.Click("BotRadiac");
        v.Mueve("HScrRHora", 7);
        v.AceptaAbierto();
        v.Click("BotViento");
        COMPRUEBA_PANTALLA(v, "clima.pantalla", "viento");
        v.Mueve("HScrVto", 50);
        COMPRUEBA_PANTALLA(v, "clima.pantalla", "viento de 50");
        // Another hour shows its own wind, and coming back shows the one set.
        v.Mueve("HScrVHora", 5);
        COMPRUEBA_PANTALLA(v, "clima.pantalla", "viento de otra hora");
        v.Mueve("HScrVHora", 7);
        COMPRUEBA_PANTALLA(v, "clima.pantalla", "viento de 50");
    }

    // A screen reader selects an entry without moving the current row: the day and the month
    // the user chose that way are the ones the program takes.
    void radiacion_listasElegidasPorLectorDePantalla() {
        VentanaDePrueba v;
        // Hidden, its entries are neither showing nor focused for a screen reader.
        auto ocultas = [&](const char* lista) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(v.Hijo<QListWidget>(lista));
            for (int i = 0; i < a->childCount(); ++i) {
                const QAccessible::State estado = a->child(i)->state();
                if (!estado.invisible || estado.focused) return false;
            }
            return true;
        };
        QVERIFY(ocultas("LiDia") && ocultas("LiMes"));
        v.Click("BotRadiac");
        for (const auto& [lista, fila] : {std::pair{"LiDia", 4}, std::pair{"LiMes", 5}})
            QAccessible::queryAccessibleInterface(v.Hijo<QListWidget>(lista))->tableInterface()->selectRow(fila);
        QCOMPARE(v.Hijo<QListWidget>("LiDia")->currentRow(), 0);
        QCOMPARE(v.e.Dia, std::int16_t(5));
        QCOMPARE(v.e.Mes, std::int16_t(6));
        v.AceptaAbierto();
        QVERIFY(ocultas("LiDia") && ocultas("LiMes"));
        COMPRUEBA_PANTALLA(v, "clima.pantalla", "5 de junio");
    }
};

QTEST_MAIN(TestPanelesClima)
#include "test_paneles_clima.moc"
