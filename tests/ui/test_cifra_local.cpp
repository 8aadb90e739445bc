// Figures for a person: rounded half away from zero on the value the double really holds, with
// the separators of the language, Spanish pinned here and English beside it.

#include "ui/cifra_local.h"

#include <QLocale>
#include <QTest>

using namespace hortelia;

class TestCifraLocal : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Spanish)); }

    void redondeaElValorExacto_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("decimales");
        QTest::addColumn<QStringList>("textos");  // in Spanish, in English
        QTest::newRow("2.675 es 2.67499...") << 2.675 << 2 << QStringList{"2,67", "2.67"};
        QTest::newRow("mitad negativa, lejos del cero") << -2.5 << 0 << QStringList{"-3", "-3"};
        QTest::newRow("miles con un decimal") << 1234.5 << 1 << QStringList{"1.234,5", "1,234.5"};
        QTest::newRow("no corta: 244.1599") << 244.1599 << 2 << QStringList{"244,16", "244.16"};
        QTest::newRow("el acarreo suma un grupo") << 999.995 << 2 << QStringList{"1.000,00", "1,000.00"};
        QTest::newRow("sin cero negativo") << -0.001 << 2 << QStringList{"0,00", "0.00"};
    }
    void redondeaElValorExacto() {
        QFETCH(double, x);
        QFETCH(int, decimales);
        QFETCH(QStringList, textos);
        QCOMPARE(CifraLocal(x, decimales), textos[0]);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(CifraLocal(x, decimales), textos[1]);
    }
};

QTEST_MAIN(TestCifraLocal)
#include "test_cifra_local.moc"
