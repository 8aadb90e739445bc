// The season window's "Opciones" as a grower uses it: the example double tunnel over the example
// typical year, the options it already has disabled with their reasons, the others checked with
// their investments (a decimal comma), a variant file added, "Compara"; what it saves is the
// batch tool's text, its workbook holds numbers, its print the table; what it refuses, it says.

#include "support/temporada_de_prueba.h"

#include "scenario/archivo_texto.h"
#include "support/libro_xlsx.h"

#include <QCheckBox>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>

#include <set>

using namespace hortelia;
using namespace hortelia::prueba;

namespace {

const QString kSimple = Ejemplo("tunel_simple.hrt");
using Gravedad = Interaccion::Gravedad;

// The investment box of an option, by the name a screen reader says.
QLineEdit* Inversion(QWidget* t, const char* opcion) {
    for (QLineEdit* c : t->findChildren<QLineEdit*>())
        if (c->accessibleName() == QStringLiteral("Inversión en %1 ($)").arg(QString::fromUtf8(opcion))) return c;
    qFatal("sin inversión para %s", opcion);
}

// The example double tunnel's season window over the typical year, fuel at 1,1 and water at
// 0,8, its "&Opciones" in front (by its accelerator).
VentanaTemporada* AbreOpciones(VentanaDePrueba& v) {
    VentanaTemporada* t = AbreTemporadaCon(v, Ejemplo("tunel_doble.hrt"), Ejemplo("anio_tipico.epw"));
    Escribe(t, "PrecioCombustible", QStringLiteral("1,1"));
    Escribe(t, "PrecioAgua", QStringLiteral("0,8"));
    if (!QTest::qWaitForWindowExposed(t)) qWarning("la ventana de temporada no se mostró");
    QTest::keyClick(t, Qt::Key_O, Qt::AltModifier);
    return t;
}

// On a 1024 x 768 screen the options show whole, and every accelerator of the window is its own.
void CabeConNombresYAceleradores(VentanaTemporada* t) {
    CabeEnPantallaChica(t, En(t, "VistaOpciones"));
    QStringList textos;
    for (const QAbstractButton* b : t->findChildren<QAbstractButton*>())
        if (b->isVisible()) textos << b->text();
    for (const QLabel* l : t->findChildren<QLabel*>())
        if (l->buddy()) textos << l->text();
    for (const QTabWidget* p : t->findChildren<QTabWidget*>())
        for (int k = 0; k < p->count(); ++k) textos << p->tabText(k);
    std::set<QString> letras;
    for (const QString& texto : textos)
        if (texto.contains(QLatin1Char('&')))
            QVERIFY2(letras.insert(QKeySequence::mnemonic(texto).toString()).second, qPrintable(texto));
    QVERIFY(letras.count(QStringLiteral("Alt+1")) && letras.count(QStringLiteral("Alt+6")));
}

}  // namespace

class TestOpciones : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { std::setlocale(LC_ALL, "C"); }

    void comparaYGuardaLoMismoQueHorteliaSim() {
        VentanaDePrueba v;
        VentanaTemporada* t = AbreOpciones(v);
        COMPRUEBA_PANTALLA(v, "temporada.pantalla", "opciones");
        // The double tunnel has a double roof and good maintenance already.
        for (const auto& [opcion, motivo] : {std::pair{"OpcionDobleTecho", "el escenario ya tiene doble techo"},
                                             std::pair{"OpcionMantenimiento", "ya es de 2 por hora"}})
            QVERIFY2(En<QCheckBox>(t, opcion)->toolTip().contains(QString::fromUtf8(motivo)), opcion);
        QCOMPARE(En<QSpinBox>(t, "EficienciaOpcion")->minimum(), 81);  // above the scenario's 80 %
        for (const char* opcion : {"OpcionMinima", "OpcionEficiencia", "OpcionCombustible"}) Pulsa(t, opcion);
        En<QSpinBox>(t, "MinimaOpcion")->setValue(2);
        Escribe(Inversion(t, "eficiencia de la calefacción"), QStringLiteral("400"));
        auto* gas = En<QComboBox>(t, "CombustibleOpcion");
        QCOMPARE(gas->findText(QStringLiteral("Propano")), -1);  // the scenario's own
        gas->setCurrentIndex(gas->findText(QStringLiteral("GasOil")));
        Escribe(t, "PrecioCombustibleNuevo", QStringLiteral("1,3"));
        v.guion.RespondeArchivo(kSimple);
        Pulsa(t, "AgregaEscenario");
        Escribe(Inversion(t, "tunel_simple.hrt"), QStringLiteral("1500,5"));
        Pulsa(t, "CalculaTemporada");
        CabeConNombresYAceleradores(t);

        const QAbstractItemModel* tabla = En<QTableView>(t, "TablaOpciones")->model();
        QCOMPARE(tabla->index(1, 0).data().toString(), QStringLiteral("Mínima tolerable 2 °C más baja"));
        auto* grafico = En<Grafico>(t, "GraficoOpciones");
        QVERIFY(grafico->TextoDibujado(3).endsWith(QStringLiteral(" años")));  // the burner pays back
        QCOMPARE(grafico->TextoDibujado(1), QString());                        // the base has no payback

        QTemporaryDir dir;
        v.guion.RespondeArchivo(dir.filePath("opciones.txt"));
        Pulsa(t, "GuardaTemporada");
        QCOMPARE(v.guion.propuestos.last(), kEjemplos.filePath(QStringLiteral("tunel_doble-opciones.txt")));
        const QString lote =
            Salida(kHorteliaSim, {"--opciones", "minima-2,eficiencia-90=400,combustible-gasoil," + kSimple + "=1500.5",
                                  "--temporada", "anio_tipico.epw", "--precio-combustible", "1,1", "--precio-agua",
                                  "0,8", "--precio-combustible-nuevo", "1,3", "tunel_doble.hrt"},
                   kEjemplos.path());
        QCOMPARE(Lee(dir.filePath("opciones.txt")), lote);

        // The workbook reads back; the print holds the table.
        v.guion.RespondeArchivo(dir.filePath("opciones"));
        Pulsa(t, "GuardaHojaTemporada");
        std::string error;
        const auto celdas = prueba::LeeLibro(dir.filePath("opciones.xlsx").toStdString(), error);
        QVERIFY2(celdas, error.c_str());  // its cells are checked in test_comparacion
        const QString texto = prueba::TextoImpreso(v, t, dir.filePath("opciones.pdf"));
        QVERIFY(texto.contains(QString::fromUtf8("¿Conviene? Opciones de tunel_doble.hrt")));
    }

    // What is refused is said and compares nothing; another scenario forgets the comparison.
    void loRechazadoLoDiceYNoComparaNada() {
        VentanaDePrueba v;
        VentanaTemporada* t = AbreOpciones(v);
        Pulsa(t, "OpcionCombustible");
        Escribe(Inversion(t, "otro combustible"), QStringLiteral("1e3"));
        v.guion.EsperaMensaje(Gravedad::Advertencia, "\"1e3\" no lo es");
        Pulsa(t, "CalculaTemporada");
        Escribe(Inversion(t, "otro combustible"), QString());
        v.guion.EsperaMensaje(Gravedad::Advertencia, "Escriba el precio del combustible nuevo");
        Pulsa(t, "CalculaTemporada");
        Escribe(t, "PrecioCombustibleNuevo", QStringLiteral("2"));
        Escribe(t, "PrecioCombustible", QString());
        v.guion.EsperaMensaje(Gravedad::Advertencia, "va con el precio del combustible");
        Pulsa(t, "CalculaTemporada");
        QTemporaryDir dir;
        QVERIFY(GuardaTexto(dir.filePath("malo.hrt").toStdString(), "3,0\r\n").ok);
        v.guion.RespondeArchivo(dir.filePath("malo.hrt"));
        v.guion.EsperaMensaje(Gravedad::Error, "No se puede agregar el escenario como opción.");
        Pulsa(t, "AgregaEscenario");
        QVERIFY(!t->findChild<QCheckBox*>(QStringLiteral("OpcionArchivo1")));
        QVERIFY(!En<QPushButton>(t, "GuardaTemporada")->isEnabled());

        Escribe(t, "PrecioCombustible", QStringLiteral("1"));
        Pulsa(t, "CalculaTemporada");
        QVERIFY(En<QPushButton>(t, "GuardaTemporada")->isEnabled());
        v.Abre(kSimple);
        QCOMPARE(En<QTableView>(t, "TablaOpciones")->model()->rowCount(), 0);
        v.Accion("Temporada")->trigger();
        QVERIFY(En<QCheckBox>(t, "OpcionDobleTecho")->isEnabled());  // the simple tunnel has none
        QVERIFY(!En<QPushButton>(t, "GuardaTemporada")->isEnabled());
    }
};

QTEST_MAIN(TestOpciones)
#include "test_opciones.moc"
