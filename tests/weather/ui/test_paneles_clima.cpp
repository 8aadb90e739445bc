// The four weather panels driven as a user drives them: open from the side button, move
// bars, click lists, options and +/- buttons, accept; assert on labels, charts and buttons.

#include "greenhouse/conversiones.h"
#include "greenhouse/ui/grafico.h"
#include "greenhouse/ui/protocolo.h"
#include "greenhouse/ui/resumen.h"
#include "scenario/escenario.h"
#include "weather/ui/panel_humedad.h"
#include "weather/ui/panel_radiacion.h"
#include "weather/ui/panel_temperatura.h"
#include "weather/ui/panel_viento.h"

#include "../../shell/ui/ventana_de_prueba.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <clocale>
#include <memory>

using namespace hortelia;

namespace {

const char* const kBotones[] = {"BotTecho",   "BotDimens", "BotMaterial", "BotVentil", "BotCalef",
                                "BotCUltivo", "BotTemp",   "BotHRel",     "BotRadiac", "BotViento"};

// A stand-in for the main window: the record after start-up, the ten side buttons, the
// Datos menu, the processing controls, the summary column and the four panels.
struct Banco {
    Escenario e;
    QWidget ventana;
    QList<QPushButton*> botones;
    QMenu* datos = new QMenu(QStringLiteral("&Datos"), &ventana);
    QPushButton* command12 = new QPushButton(QStringLiteral("&Procesamiento datos"), &ventana);
    QAction* proceso = new QAction(QStringLiteral("&Procesamiento"), &ventana);
    std::unique_ptr<Protocolo> protocolo;
    Resumen* resumen = nullptr;
    PanelTemperatura* temp = nullptr;
    PanelHumedad* hum = nullptr;
    PanelRadiacion* rad = nullptr;
    PanelViento* vto = nullptr;

    Banco() {
        PonValoresIniciales(e);
        auto* fila = new QHBoxLayout(&ventana);
        auto* columna = new QVBoxLayout;
        for (const char* nombre : kBotones) {
            auto* b = new QPushButton(QString::fromLatin1(nombre), &ventana);
            b->setObjectName(nombre);
            Protocolo::PintaBoton(b, Protocolo::kRosa);
            columna->addWidget(b);
            botones << b;
        }
        command12->setObjectName("Command12");
        command12->setEnabled(false);
        proceso->setObjectName("Proceso");
        proceso->setEnabled(false);
        columna->addWidget(command12);
        fila->addLayout(columna);
        protocolo = std::make_unique<Protocolo>(e, botones, datos, command12, proceso);
        resumen = new Resumen(&ventana);
        temp = new PanelTemperatura(e, *protocolo, *resumen, Boton("BotTemp"), &ventana);
        hum = new PanelHumedad(e, *protocolo, *resumen, Boton("BotHRel"), &ventana);
        rad = new PanelRadiacion(e, *protocolo, *resumen, Boton("BotRadiac"), &ventana);
        vto = new PanelViento(e, *protocolo, *resumen, Boton("BotViento"), &ventana);
        for (Panel* p : {static_cast<Panel*>(temp), static_cast<Panel*>(hum), static_cast<Panel*>(rad),
                         static_cast<Panel*>(vto)}) {
            fila->addWidget(p, 1);
            QObject::connect(p->BotonLateral(), &QPushButton::clicked, p,
                             [p] { p->Abre(Panel::Origen::BotonLateral); });
        }
        fila->addWidget(resumen);
        ventana.resize(1100, 720);
        ventana.show();
    }

    QPushButton* Boton(const char* nombre) const { return ventana.findChild<QPushButton*>(nombre); }
    template <class T = QWidget>
    T* Control(const char* nombre) const {
        T* w = ventana.findChild<T*>(nombre);
        if (!w) qFatal("no control %s", nombre);
        return w;
    }
    QString Texto(const char* nombre) const { return Control<QLabel>(nombre)->text(); }
    void Clic(const char* nombre) const { QTest::mouseClick(Control<QPushButton>(nombre), Qt::LeftButton); }
    // On the round indicator, where a user aims.
    void Marca(const char* opcion) const {
        auto* r = Control<QRadioButton>(opcion);
        QTest::mouseClick(r, Qt::LeftButton, {}, QPoint(8, r->height() / 2));
    }
    void Mueve(const char* barra, int posicion) const { Control<QScrollBar>(barra)->setValue(posicion); }
    Grafico* Chart(const char* nombre) const { return Control<Grafico>(nombre); }
};

}  // namespace

class TestPanelesClima : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { std::setlocale(LC_NUMERIC, "C"); }

    void arranque_dejaElRegistroYLosGraficosComoLosValoresIniciales();
    void temperatura_botonesSubenDoceCentesimasYBajanUnaDecima();
    void temperatura_extremosRecalculanLaCurvaYElResumen();
    void humedad_botonesSeDetienenEnLosExtremos();
    void humedad_abrirVuelveLaBarraDeHoraAUno();
    void radiacion_latitudHemisferioYFechaRecalculan();
    void radiacion_nubosidadYRadiacionSeDetienenEnSusLimites();
    void radiacion_tipoDeNubesAplicaLasNubesATodasLasHoras();
    void viento_kmhYmsDeLaHora();
    void viento_abreEnLaHoraDejadaPorOtroPanel();
    void protocolo_abrirBloqueaNavegacionYAceptarLaDevuelve();
    void carga_muestraLoCargadoSinRecalcular();
    void carga_fechaYNubesFueraDeSusListasNoRompenNada();
    void ventana_diezAceptadosYLasEntradasDelTiempo();
};

void TestPanelesClima::arranque_dejaElRegistroYLosGraficosComoLosValoresIniciales() {
    Banco b;
    Escenario inicial;
    PonValoresIniciales(inicial);
    QVERIFY(b.e.TMax == inicial.TMax && b.e.TMin == inicial.TMin);
    QVERIFY(b.e.HRMax == inicial.HRMax && b.e.HRMin == inicial.HRMin);
    QVERIFY(b.e.Latitud == inicial.Latitud && b.e.Hemisferio == inicial.Hemisferio);
    QCOMPARE(b.e.Dia, inicial.Dia);
    QCOMPARE(b.e.Mes, inicial.Mes);
    QCOMPARE(b.e.TipoNubes, inicial.TipoNubes);
    QCOMPARE(b.e.CoefNubes, inicial.CoefNubes);
    QCOMPARE(b.e.HoraSel, inicial.HoraSel);
    QVERIFY(b.e.TempHora == inicial.TempHora);
    QVERIFY(b.e.HRHora == inicial.HRHora);
    QVERIFY(b.e.RadTope == inicial.RadTope);
    QVERIFY(b.e.RadHora == inicial.RadHora);
    QVERIFY(b.e.NubHora == inicial.NubHora);
    QVERIFY(b.e.VtoHora == inicial.VtoHora);
    QVERIFY(b.e.VtoHoraKmh == inicial.VtoHoraKmh);

    struct Esperado {
        const char* grafico;
        int series;
        QColor colores[2];
    };
    const Esperado graficos[] = {{"MSCTemp", 1, {QColor(250, 0, 0)}},
                                 {"MSCHRel", 1, {QColor(0, 200, 128)}},
                                 {"MSCRad", 2, {QColor(250, 250, 0), QColor(150, 150, 150)}},
                                 {"MSCNub", 1, {QColor(150, 150, 150)}},
                                 {"MSCVto", 1, {QColor(0, 0, 250)}}};
    for (const Esperado& g : graficos) {
        Grafico* c = b.Chart(g.grafico);
        QCOMPARE(c->Series(), g.series);
        QCOMPARE(c->Filas(), 24);
        for (int s = 1; s <= g.series; ++s) QCOMPARE(c->Color(s), g.colores[s - 1]);
        QCOMPARE(c->Etiqueta(1), QStringLiteral(" 1"));
        QCOMPARE(c->Etiqueta(24), QStringLiteral(" 24"));
    }
    for (int h = 1; h <= 24; ++h) {
        QCOMPARE(b.Chart("MSCTemp")->ValorDibujado(h, 1), b.e.TempHora(h).valor());
        // Singles go to the chart as their number-to-text, which the chart reads back.
        QCOMPARE(b.Chart("MSCHRel")->ValorDibujado(h, 1), Parse(NumeroATexto(b.e.HRHora(h))));
        QCOMPARE(b.Chart("MSCRad")->ValorDibujado(h, 1), b.e.RadHora(h).valor());
        QCOMPARE(b.Chart("MSCRad")->ValorDibujado(h, 2), b.e.RadTope(h).valor());
        QCOMPARE(b.Chart("MSCNub")->ValorDibujado(h, 1), 0.0);
        QCOMPARE(b.Chart("MSCVto")->ValorDibujado(h, 1), 1.0);
    }
    QCOMPARE(b.Chart("MSCHRel")->ValorDibujado(1, 1), 99.1);
    QCOMPARE(b.Chart("MSCRad")->ValorDibujado(12, 2), 1210.2);

    // The summary column keeps its start captions, hidden, until a panel is opened.
    QCOMPARE(b.resumen->LFTMax->text(), QStringLiteral("Máxima ="));
    QCOMPARE(b.resumen->LLat->text(), QStringLiteral("Latitud ="));
    QCOMPARE(b.resumen->LFecha->text(), QStringLiteral("Fecha:"));
    QVERIFY(!b.resumen->LLat->isVisible());
    QVERIFY(b.Control<QRadioButton>("Option7_0")->isChecked());
    QCOMPARE(b.Control<QListWidget>("LiMes")->currentItem()->text(), QStringLiteral("enero"));
}

void TestPanelesClima::temperatura_botonesSubenDoceCentesimasYBajanUnaDecima() {
    Banco b;
    b.Clic("BotTemp");
    QVERIFY(b.temp->isVisible());
    QCOMPARE(b.Texto("LTMax"), QStringLiteral("Máxima =  35 C"));
    QCOMPARE(b.Texto("LTMin"), QStringLiteral("Mínima = -5 C"));
    QCOMPARE(b.Texto("LTempH"), QStringLiteral("Hora  1"));
    QCOMPARE(b.Texto("LTempT"), QStringLiteral("Temp =  9.5 C"));

    b.Mueve("HScrTHora", 12);  // 19.4
    QCOMPARE(b.Texto("LTempH"), QStringLiteral("Hora  12"));
    for (int i = 0; i < 5; ++i) b.Clic("TempMas");
    QCOMPARE(b.Texto("LTempT"), QStringLiteral("Temp =  19.9 C"));
    b.Clic("TempMenos");  // 19.8 falls just below its tenth and is cut to 19.7
    QCOMPARE(b.Texto("LTempT"), QStringLiteral("Temp =  19.7 C"));
    QCOMPARE(b.Chart("MSCTemp")->ValorDibujado(12, 1), 19.7);
    b.Clic("TempMas");
    b.Clic("TempMas");
    b.Clic("TempMas");
    QCOMPARE(b.Texto("LTempT"), QStringLiteral("Temp =  20 C"));
    b.Clic("TempMenos");
    QCOMPARE(b.Texto("LTempT"), QStringLiteral("Temp =  19.9 C"));

    b.Mueve("HScrTHora", 15);  // 34.9 at the hour of the maximum
    QCOMPARE(b.Texto("LTempT"), QStringLiteral("Temp =  34.9 C"));
    b.Clic("TempMas");
    QCOMPARE(b.Texto("LTempT"), QStringLiteral("Temp =  35 C"));
    b.Clic("TempMas");
    QCOMPARE(b.Texto("LTempT"), QStringLiteral("Temp =  35 C"));

    b.Mueve("HScrTHora", 8);  // the minimum, -5
    b.Clic("TempMenos");
    QCOMPARE(b.Texto("LTempT"), QStringLiteral("Temp = -5 C"));
    b.Clic("TempMas");
    b.Clic("TempMas");
    QCOMPARE(b.Texto("LTempT"), QStringLiteral("Temp = -4.8 C"));
    QCOMPARE(b.Chart("MSCTemp")->ValorDibujado(8, 1), -4.8);
}

void TestPanelesClima::temperatura_extremosRecalculanLaCurvaYElResumen() {
    Banco b;
    b.Clic("BotTemp");
    b.Mueve("HScrTHora", 15);
    b.Mueve("HScrTMax", 300);
    QCOMPARE(b.Texto("LTMax"), QStringLiteral("Máxima =  30 C"));
    QCOMPARE(b.resumen->LFTMax->text(), QStringLiteral("Máxima =  30 C"));
    QVERIFY(b.resumen->LFTMax->isVisible());
    QCOMPARE(b.e.TempHora(15).valor(), 29.9);
    QCOMPARE(b.Texto("LTempT"), QStringLiteral("Temp =  29.9 C"));
    QCOMPARE(b.Chart("MSCTemp")->ValorDibujado(15, 1), 29.9);
    b.Mueve("HScrTMin", 25);
    QCOMPARE(b.Texto("LTMin"), QStringLiteral("Mínima =  2.5 C"));
    QCOMPARE(b.e.TempHora(8).valor(), 2.5);
    QCOMPARE(b.Chart("MSCTemp")->ValorDibujado(8, 1), 2.5);

    // Accept, then reopen: the hour goes back to 1 and the corrected hours stay.
    b.Clic("TempMenos");
    const double corregida = b.e.TempHora(15).valor();
    b.Clic("Command13");
    QVERIFY(!b.temp->isVisible());
    b.Clic("BotTemp");
    QCOMPARE(b.e.HoraSel, 1);
    QCOMPARE(b.Control<QScrollBar>("HScrTHora")->value(), 1);
    QCOMPARE(b.Texto("LTempH"), QStringLiteral("Hora  1"));
    QCOMPARE(b.e.TempHora(15).valor(), corregida);
}

void TestPanelesClima::humedad_botonesSeDetienenEnLosExtremos() {
    Banco b;
    b.Clic("BotHRel");
    QCOMPARE(b.Texto("LHRMax"), QStringLiteral("Máxima =  100 %"));
    QCOMPARE(b.Texto("LHRel"), QStringLiteral("HR =  99.1 %"));
    QCOMPARE(b.resumen->LFHRMin->text(), QStringLiteral("Mínima =  50 %"));

    b.Mueve("HScrHRelH", 4);  // 99.9
    b.Clic("HRMas");
    QCOMPARE(b.Texto("LHRel"), QStringLiteral("HR =  100 %"));
    b.Clic("HRMas");
    QCOMPARE(b.Texto("LHRel"), QStringLiteral("HR =  100 %"));
    QCOMPARE(b.Chart("MSCHRel")->ValorDibujado(4, 1), 100.0);

    b.Mueve("HScrHRelH", 15);  // the minimum, 50
    b.Clic("HRMenos");
    QCOMPARE(b.Texto("LHRel"), QStringLiteral("HR =  50 %"));

    b.Mueve("HScrHRelH", 11);  // 98.8: half steps keep the tenth
    b.Clic("HRMas");
    QCOMPARE(b.Texto("LHRel"), QStringLiteral("HR =  99.3 %"));
    b.Clic("HRMenos");
    b.Clic("HRMenos");
    QCOMPARE(b.Texto("LHRel"), QStringLiteral("HR =  98.3 %"));
    QCOMPARE(b.Chart("MSCHRel")->ValorDibujado(11, 1), 98.3);

    b.Mueve("HScrHRMin", 60);
    QCOMPARE(b.Texto("LHRMin"), QStringLiteral("Mínima =  60 %"));
    QCOMPARE(b.resumen->LFHRMin->text(), QStringLiteral("Mínima =  60 %"));
    QCOMPARE(b.e.HRHora(15), 60.0F);
    QCOMPARE(b.Chart("MSCHRel")->ValorDibujado(15, 1), 60.0);
}

void TestPanelesClima::humedad_abrirVuelveLaBarraDeHoraAUno() {
    Banco b;
    b.Clic("BotHRel");
    b.Mueve("HScrHRelH", 13);
    b.Clic("Command16");
    b.Clic("BotHRel");
    QCOMPARE(b.Control<QScrollBar>("HScrHRelH")->value(), 1);
    QCOMPARE(b.Texto("LHRHora"), QStringLiteral("Hora  1"));
    b.Clic("HRMenos");  // acts on the hour the bar shows
    QCOMPARE(b.e.HRHora(1), 98.6F);
    QCOMPARE(b.e.HRHora(13), 78.2F);
}

void TestPanelesClima::radiacion_latitudHemisferioYFechaRecalculan() {
    Banco b;
    b.Clic("BotRadiac");
    QCOMPARE(b.Texto("LRLat"), QStringLiteral("Latitud =  31.5°"));
    QCOMPARE(b.resumen->LLat->text(), QStringLiteral("Latitud =  31.5°"));
    QCOMPARE(b.resumen->LFecha->text(), QStringLiteral("Fecha:  1 de enero"));
    QVERIFY(b.resumen->LFecha->isVisible() && b.resumen->LFRad->isVisible());
    QCOMPARE(b.Texto("LRTNubes"), QStringLiteral("Tipo de nubes: Claras"));
    QCOMPARE(b.Texto("LRFecha"), QStringLiteral("Fecha:"));
    QCOMPARE(b.Texto("Label21"), QStringLiteral("de"));
    QCOMPARE(b.Control<QScrollBar>("HScrLat")->value(), 63);

    b.Mueve("HScrRHora", 12);
    QCOMPARE(b.Texto("LRHora"), QStringLiteral("Hora  12"));
    QCOMPARE(b.Texto("LRRad"), QStringLiteral("Rad.tope atmósf.=  1210.2"));
    QCOMPARE(b.Texto("LRRadNub"), QStringLiteral("Radiación =  1210.2"));
    QCOMPARE(b.Texto("LRNub"), QStringLiteral("Nubosidad =  0 octavos"));

    b.Marca("Option7_1");
    QCOMPARE(b.e.Hemisferio.valor(), 1.0);
    QCOMPARE(b.Texto("LRRad"), QStringLiteral("Rad.tope atmósf.=  631.9"));
    QCOMPARE(b.Chart("MSCRad")->ValorDibujado(12, 2), 631.9);
    QCOMPARE(b.Chart("MSCRad")->ValorDibujado(6, 1), 0.0);

    b.Mueve("HScrLat", 180);
    QCOMPARE(b.Texto("LRLat"), QStringLiteral("Latitud =  90°"));
    QCOMPARE(b.resumen->LLat->text(), QStringLiteral("Latitud =  90°"));
    b.Marca("Option7_0");
    auto* mes = b.Control<QListWidget>("LiMes");
    QTest::mouseClick(mes->viewport(), Qt::LeftButton, {}, mes->visualItemRect(mes->item(5)).center());
    QCOMPARE(b.e.Mes, 6);
    b.Control<QListWidget>("LiDia")->setCurrentRow(20);
    QCOMPARE(b.e.Dia, 21);
    QCOMPARE(b.resumen->LFecha->text(), QStringLiteral("Fecha:  21 de junio"));
    // The south pole on 21 June has no sun, and the hour's labels say so at once.
    for (int h = 1; h <= 24; ++h) QCOMPARE(b.Chart("MSCRad")->ValorDibujado(h, 2), 0.0);
    QCOMPARE(b.Texto("LRRad"), QStringLiteral("Rad.tope atmósf.=  0"));
    QCOMPARE(b.Texto("LRRadNub"), QStringLiteral("Radiación =  0"));
}

void TestPanelesClima::radiacion_nubosidadYRadiacionSeDetienenEnSusLimites() {
    Banco b;
    b.Clic("BotRadiac");
    b.Mueve("HScrRHora", 12);
    for (int i = 0; i < 4; ++i) b.Clic("NubMas");
    QCOMPARE(b.Texto("LRNub"), QStringLiteral("Nubosidad =  4 octavos"));
    QCOMPARE(b.Texto("LRRadNub"), QStringLiteral("Radiación =  1028.6"));
    QCOMPARE(b.Chart("MSCNub")->ValorDibujado(12, 1), 4.0);
    QCOMPARE(b.Chart("MSCRad")->ValorDibujado(12, 1), 1028.6);
    for (int i = 0; i < 4; ++i) b.Clic("NubMas");
    QCOMPARE(b.e.NubHora(12), 8.0F);

    // At 8 octavos "+" changes nothing, not even a label.
    auto* nub = b.Control<QLabel>("LRNub");
    auto* radNub = b.Control<QLabel>("LRRadNub");
    nub->setText("sin tocar");
    radNub->setText("sin tocar");
    b.Clic("NubMas");
    QCOMPARE(b.e.NubHora(12), 8.0F);
    QCOMPARE(nub->text(), QStringLiteral("sin tocar"));
    QCOMPARE(radNub->text(), QStringLiteral("sin tocar"));

    b.Mueve("HScrRHora", 11);
    QCOMPARE(b.Texto("LRNub"), QStringLiteral("Nubosidad =  0 octavos"));
    nub->setText("sin tocar");
    b.Clic("NubMenos");
    QCOMPARE(b.e.NubHora(11), 0.0F);
    QCOMPARE(nub->text(), QStringLiteral("sin tocar"));

    // Radiation stays between 0 and the cloudless value of the hour.
    const double tope = b.e.RadTope(11).valor();
    b.Clic("RadMas");
    QCOMPARE(b.e.RadHora(11).valor(), tope);
    QCOMPARE(b.Texto("LRRadNub"), Q(Caption("Radiación = ", b.e.RadTope(11))));
    b.Clic("RadMenos");
    QCOMPARE(b.Chart("MSCRad")->ValorDibujado(11, 1), b.e.RadHora(11).valor());
    QCOMPARE(b.e.RadHora(11).valor(), tope - 1);
    b.Mueve("HScrRHora", 2);  // night
    b.Clic("RadMenos");
    b.Clic("RadMas");
    QCOMPARE(b.Texto("LRRadNub"), QStringLiteral("Radiación =  0"));
    QCOMPARE(b.e.RadHora(2).valor(), 0.0);
}

void TestPanelesClima::radiacion_tipoDeNubesAplicaLasNubesATodasLasHoras() {
    Banco b;
    b.Clic("BotRadiac");
    b.Mueve("HScrRHora", 12);
    for (int i = 0; i < 4; ++i) b.Clic("NubMas");
    b.Mueve("HScrRHora", 13);
    b.Clic("RadMenos");
    b.Mueve("HScrTNub", 3);
    QCOMPARE(b.Texto("LRTNubes"), QStringLiteral("Tipo de nubes: Oscuras"));
    QCOMPARE(b.e.CoefNubes, 0.7F);
    QCOMPARE(b.e.RadHora(13), b.e.RadTope(13));  // the hand correction is gone
    b.Mueve("HScrTNub", 1);
    // From the cut cloudless value: 0.1 below what the model gives for the same clouds.
    QCOMPARE(b.e.RadHora(12).valor(), 1028.6);
    QCOMPARE(b.Chart("MSCRad")->ValorDibujado(12, 1), 1028.6);
}

void TestPanelesClima::viento_kmhYmsDeLaHora() {
    Banco b;
    b.Clic("BotViento");
    QCOMPARE(b.Texto("LVHora"), QStringLiteral("Hora  1"));
    QCOMPARE(b.Texto("LVtoms"), QStringLiteral("Velocidad =  .2 m/s"));
    QCOMPARE(b.Texto("LVtoKh"), QStringLiteral("Velocidad =  1 km/h"));
    QCOMPARE(b.Control<QScrollBar>("HScrVto")->value(), 1);

    const struct {
        int kmh;
        const char* ms;
    } casos[] = {{2, " .5"}, {10, " 2.7"}, {18, " 5"}, {36, " 10"}, {50, " 13.8"}, {100, " 27.7"}, {0, " 0"}};
    for (const auto& c : casos) {
        b.Mueve("HScrVto", c.kmh);
        QCOMPARE(b.Texto("LVtoms"), QStringLiteral("Velocidad = ") + QString::fromLatin1(c.ms) + " m/s");
        QCOMPARE(b.Texto("LVtoKh"),
                 QStringLiteral("Velocidad = ") + QString::fromStdString(NumeroATexto(c.kmh)) + " km/h");
        QCOMPARE(b.Chart("MSCVto")->ValorDibujado(1, 1), static_cast<double>(c.kmh));
    }

    b.Mueve("HScrVto", 50);
    b.Mueve("HScrVHora", 5);
    QCOMPARE(b.Control<QScrollBar>("HScrVto")->value(), 1);
    QCOMPARE(b.Texto("LVtoKh"), QStringLiteral("Velocidad =  1 km/h"));
    QCOMPARE(b.e.VtoHoraKmh(1), 50.0F);
    b.Mueve("HScrVHora", 1);
    QCOMPARE(b.Texto("LVtoms"), QStringLiteral("Velocidad =  13.8 m/s"));
}

void TestPanelesClima::viento_abreEnLaHoraDejadaPorOtroPanel() {
    Banco b;
    b.e.VtoHoraKmh(7) = 20.0F;  // as a loaded file may leave it
    b.Clic("BotRadiac");
    b.Mueve("HScrRHora", 7);
    b.Clic("Command17");
    b.Clic("BotViento");
    QCOMPARE(b.Texto("LVHora"), QStringLiteral("Hora  7"));
    QCOMPARE(b.Control<QScrollBar>("HScrVHora")->value(), 7);
    QCOMPARE(b.Control<QScrollBar>("HScrVto")->value(), 20);
    QCOMPARE(b.Texto("LVtoKh"), QStringLiteral("Velocidad =  20 km/h"));
    QCOMPARE(b.Texto("LVtoms"), QStringLiteral("Velocidad =  5.5 m/s"));
}

void TestPanelesClima::protocolo_abrirBloqueaNavegacionYAceptarLaDevuelve() {
    Banco b;
    struct Caso {
        const char* boton;
        const char* acepta;
        Panel* panel;
    };
    const Caso casos[] = {{"BotTemp", "Command13", b.temp},
                          {"BotHRel", "Command16", b.hum},
                          {"BotRadiac", "Command17", b.rad},
                          {"BotViento", "Command18", b.vto}};
    int aceptados = 0;
    for (const Caso& c : casos) {
        b.Clic(c.boton);
        QVERIFY(c.panel->isVisible());
        for (QPushButton* lateral : b.botones) QVERIFY(!lateral->isEnabled());
        QVERIFY(!b.datos->isEnabled());
        QVERIFY(!b.command12->isEnabled() && !b.proceso->isEnabled());
        b.Clic(c.acepta);
        QVERIFY(!c.panel->isVisible());
        QVERIFY(Protocolo::EsVerde(b.Boton(c.boton)));
        QCOMPARE(b.e.DatosListos, ++aceptados);
        for (QPushButton* lateral : b.botones) QVERIFY(lateral->isEnabled());
        QVERIFY(b.datos->isEnabled());
    }
    // A second acceptance counts once.
    b.Clic("BotTemp");
    b.Clic("Command13");
    QCOMPARE(b.e.DatosListos, 4);
}

void TestPanelesClima::carga_muestraLoCargadoSinRecalcular() {
    Banco b;
    Escenario& e = b.e;
    // A scenario as the file reader leaves it: other extremes, north, another date and
    // clouds, hand-corrected hours that no model would give.
    e.TMax = Variante::Simple(30.5F);
    e.TMin = Variante::Entero(2);
    e.TempHora(3) = Variante::Doble(7.7);
    e.HRMax = Variante::Entero(90);
    e.HRMin = Variante::Entero(40);
    e.HRHora(5) = 77.5F;
    e.Latitud = Variante::Simple(40.5F);
    e.Hemisferio = Variante::Entero(1);
    e.Dia = 15;
    e.Mes = 10;
    e.TipoNubes = 3;
    e.RadHora(12) = Variante::Doble(321.4);
    e.RadTope(12) = Variante::Doble(654.3);
    e.NubHora(12) = 5;
    e.VtoHoraKmh(12) = 12.0F;
    e.VtoHora(12) = Variante::Doble(3.3);

    for (Panel* p : {static_cast<Panel*>(b.temp), static_cast<Panel*>(b.hum), static_cast<Panel*>(b.rad),
                     static_cast<Panel*>(b.vto)})
        p->MuestraCargado();

    QCOMPARE(b.resumen->LFTMax->text(), QStringLiteral("Máxima=  30.5 C"));
    QCOMPARE(b.resumen->LFTMin->text(), QStringLiteral("Mínima=  2 C"));
    QCOMPARE(b.resumen->LFHRMax->text(), QStringLiteral("Máxima=  90 %"));
    QCOMPARE(b.resumen->LLat->text(), QStringLiteral("Latitud=  40.5°"));
    QCOMPARE(b.resumen->LFecha->text(), QStringLiteral("Fecha:  15 de octubre"));
    for (QLabel* l : {b.resumen->LFTemp, b.resumen->LFTMax, b.resumen->LFHRel, b.resumen->LFHRMin, b.resumen->LFRad,
                      b.resumen->LLat, b.resumen->LFecha})
        QVERIFY2(l->isVisible(), qPrintable(l->objectName()));
    QCOMPARE(b.Chart("MSCTemp")->ValorDibujado(3, 1), 7.7);
    QCOMPARE(b.Chart("MSCHRel")->ValorDibujado(5, 1), 77.5);
    QCOMPARE(b.Chart("MSCRad")->ValorDibujado(12, 1), 321.4);
    QCOMPARE(b.Chart("MSCRad")->ValorDibujado(12, 2), 654.3);
    QCOMPARE(b.Chart("MSCNub")->ValorDibujado(12, 1), 5.0);
    QCOMPARE(b.Chart("MSCVto")->ValorDibujado(12, 1), 12.0);
    QCOMPARE(e.DatosListos, 4);
    for (const char* boton : {"BotTemp", "BotHRel", "BotRadiac", "BotViento"})
        QVERIFY(Protocolo::EsVerde(b.Boton(boton)));

    // The controls show the loaded values, and the hemisphere did not recompute anything.
    QVERIFY(b.Control<QRadioButton>("Option7_1")->isChecked());
    QCOMPARE(e.RadHora(12).valor(), 321.4);
    QCOMPARE(b.Control<QScrollBar>("HScrLat")->value(), 81);
    QCOMPARE(b.Control<QListWidget>("LiMes")->currentRow(), 9);
    QCOMPARE(b.Control<QScrollBar>("HScrTNub")->value(), 3);
    QCOMPARE(e.CoefNubes, 0.7F);

    // Opening each panel afterwards keeps the loaded hours.
    b.Clic("BotTemp");
    QCOMPARE(b.Texto("LTMax"), QStringLiteral("Máxima =  30.5 C"));
    QCOMPARE(e.TempHora(3).valor(), 7.7);
    b.Clic("Command13");
    b.Clic("BotHRel");
    QCOMPARE(e.HRHora(5), 77.5F);
    b.Clic("Command16");
    b.Clic("BotRadiac");
    QCOMPARE(b.Texto("LRLat"), QStringLiteral("Latitud =  40.5°"));
    QCOMPARE(b.Texto("LRTNubes"), QStringLiteral("Tipo de nubes: Oscuras"));
    QCOMPARE(e.RadHora(12).valor(), 321.4);
    b.Mueve("HScrRHora", 12);
    QCOMPARE(b.Texto("LRNub"), QStringLiteral("Nubosidad =  5 octavos"));
    b.Clic("NubMenos");                      // with the loaded cloud type's coefficient
    QCOMPARE(e.RadHora(12).valor(), 425.2);  // 654.3 * 0.65 cut down
    b.Clic("Command17");
    b.Clic("BotViento");
    QCOMPARE(b.Texto("LVHora"), QStringLiteral("Hora  12"));
    QCOMPARE(b.Texto("LVtoms"), QStringLiteral("Velocidad =  3.3 m/s"));
}

void TestPanelesClima::carga_fechaYNubesFueraDeSusListasNoRompenNada() {
    Banco b;
    b.Clic("BotRadiac");
    b.Clic("Command17");
    b.e.Dia = 0;
    b.e.Mes = 13;
    b.e.TipoNubes = 7;
    b.rad->MuestraCargado();
    QCOMPARE(b.resumen->LFecha->text(), QStringLiteral("Fecha:  1 de enero"));  // left as it was
    QVERIFY(b.resumen->LFecha->isVisible());
    b.Clic("BotRadiac");
    QVERIFY(b.rad->isVisible());
    QCOMPARE(b.Texto("LRTNubes"), QStringLiteral("Tipo de nubes: Oscuras"));
    QCOMPARE(b.e.TipoNubes, 3);
    QCOMPARE(b.e.CoefNubes, 0.7F);
    QCOMPARE(b.Control<QListWidget>("LiMes")->currentRow(), -1);  // no month of the list
}

void TestPanelesClima::ventana_diezAceptadosYLasEntradasDelTiempo() {
    VentanaDePrueba v;
    // The window's start-up filled the weather charts from the record.
    QCOMPARE(v.Hijo<Grafico>("MSCTemp")->ValorDibujado(15, 1), 34.9);
    QCOMPARE(v.Hijo<Grafico>("MSCHRel")->ValorDibujado(1, 1), 99.1);
    QCOMPARE(v.Hijo<Grafico>("MSCRad")->ValorDibujado(12, 2), 1210.2);
    QCOMPARE(v.Hijo<Grafico>("MSCVto")->ValorDibujado(24, 1), 1.0);

    v.AceptaTodos();
    QCOMPARE(v.e.DatosListos, std::int16_t(10));
    QVERIFY(v.Boton("Command12")->isEnabled() && v.Accion("Proceso")->isEnabled());

    // The four weather entries of Datos open their panels with processing off until accepted.
    const struct {
        const char* entrada;
        const char* marco;
    } entradas[] = {
        {"Temperatura", "FrTemp"}, {"Humedad", "FrHRel"}, {"Radiacion", "FrRadiac"}, {"Viento", "FrViento"}};
    for (const auto& c : entradas) {
        v.Accion(c.entrada)->trigger();
        QVERIFY2(v.Visible(c.marco), c.marco);
        QVERIFY2(!v.Boton("Command12")->isEnabled() && !v.Accion("Proceso")->isEnabled(), c.entrada);
        QVERIFY2(!v.Accion("Datos")->isEnabled(), c.entrada);
        if (QString::fromLatin1(c.entrada) == "Radiacion") v.Hijo<QScrollBar>("HScrRHora")->setValue(7);
        if (QString::fromLatin1(c.entrada) == "Viento") QCOMPARE(v.Texto("LVHora"), QStringLiteral("Hora  7"));
        v.AceptaAbierto();
        QVERIFY2(!v.Visible(c.marco), c.marco);
        QVERIFY2(v.Boton("Command12")->isEnabled() && v.Accion("Proceso")->isEnabled(), c.entrada);
    }
    QCOMPARE(v.e.DatosListos, std::int16_t(10));
}

QTEST_MAIN(TestPanelesClima)
#include "test_paneles_clima.moc"
