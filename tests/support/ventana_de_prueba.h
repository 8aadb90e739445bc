#pragma once

// The real main window with its start-up record, for the window tests: everything the window
// asks the user is answered by a script (InteraccionGuionada), which fails the test on
// anything it was not told to expect; controls are found by the names the user sees them by.

#include "engine/valores_iniciales.h"
#include "scenario/escenario.h"
#include "shell/hortelia.h"
#include "support/interaccion_guionada.h"
#include "ui/grafico.h"
#include "ui/protocolo.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include <clocale>

namespace hortelia {

/// The ten side buttons, roof to wind.
inline const char* const kBotones[] = {"BotTecho",   "BotDimens", "BotMaterial", "BotVentil", "BotCalef",
                                       "BotCUltivo", "BotTemp",   "BotHRel",     "BotRadiac", "BotViento"};

/// What the program keeps between runs (the recent files, the window's place) goes to Qt's test
/// folder, never the user's, and starts empty in every test unless it asks to keep what an
/// earlier window of the test left. Each test program keeps its own file there: ctest runs
/// several at once, and one saving a scenario must not add to another's recent files.
inline bool PreparaPreferencias(bool limpias) {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("Hortelia"));
    QCoreApplication::setApplicationName(QStringLiteral("Hortelia-pruebas-") +
                                         QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
    if (limpias) QSettings().clear();
    return true;
}

/// What a control shows its user: a button's caption (with its "&"), a label's text, a group
/// box's title.
inline QString TextoVisible(const QObject* o) {
    if (const auto* b = qobject_cast<const QAbstractButton*>(o)) return b->text();
    if (const auto* l = qobject_cast<const QLabel*>(o)) return l->text();
    if (const auto* g = qobject_cast<const QGroupBox*>(o)) return g->title();
    return {};
}

/// The control of type T inside `raiz` that shows `texto` (or, with `comienzo`, a text that
/// starts with it): the only one, or else the only one on screen.
template <class T>
T* PorTexto(const QObject* raiz, const QString& texto, bool comienzo = false) {
    QList<T*> hallados;
    for (T* x : raiz->findChildren<T*>()) {
        const QString t = TextoVisible(x);
        if (comienzo ? t.startsWith(texto) : t == texto) hallados << x;
    }
    if (hallados.size() > 1) hallados.removeIf([](const T* x) { return !x->isVisible(); });
    if (hallados.size() != 1)
        qFatal("%lld controles muestran \"%s\"", static_cast<long long>(hallados.size()), qPrintable(texto));
    return hallados.front();
}

/// A button at its centre; an option button on its round mark (the layout may widen it).
inline void Pulsa(QAbstractButton* b) {
    const bool opcion = qobject_cast<QRadioButton*>(b) != nullptr;
    QTest::mouseClick(b, Qt::LeftButton, {}, opcion ? QPoint(8, b->height() / 2) : QPoint());
}

namespace prueba {
/// Replaces a text box's text by typing, as a user selecting all and typing over it.
inline void Escribe(QLineEdit* c, const QString& texto) {
    c->selectAll();
    QTest::keyClick(c, Qt::Key_Delete);
    QTest::keyClicks(c, texto);
}
}  // namespace prueba

/// The text of a file, "" when it cannot be read.
inline QString Lee(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

/// What `programa` writes with `argumentos`, run in `carpeta`; when it fails, the test fails.
inline QString Salida(const QString& programa, const QStringList& argumentos, const QString& carpeta = {}) {
    QProcess p;
    p.setWorkingDirectory(carpeta);
    p.start(programa, argumentos);
    if (p.waitForFinished(30000) && p.exitCode() == 0) return QString::fromUtf8(p.readAllStandardOutput());
    QTest::qFail(qPrintable(QStringLiteral("no se pudo correr ") + programa), __FILE__, __LINE__);
    return {};
}

/// The scripted print dialog's answer: a PDF file at `ruta`, printed or cancelled.
inline bool AlPdf(QPrinter& impresora, const QString& ruta, bool imprime = true) {
    impresora.setOutputFormat(QPrinter::PdfFormat);
    impresora.setOutputFileName(ruta);
    return imprime;
}

/// Fails the test with every difference between the window and a section of a data file.
#define COMPRUEBA_PANTALLA(v, archivo, seccion)                                    \
    do {                                                                           \
        const QString diferencias_ = (v).Diferencias((archivo), (seccion));        \
        QVERIFY2(diferencias_.isEmpty(), qPrintable('\n' + diferencias_));        \
    } while (false)

struct VentanaDePrueba {
    /// What the window finds kept from an earlier run: nothing, or what the test left there.
    enum class Preferencias { Limpias, Conservadas };

    bool preparada;  // first: the window reads the preferences as it is built
    Escenario e;
    InteraccionGuionada guion;
    Hortelia w{e, &guion};

    explicit VentanaDePrueba(bool inicia = true, Preferencias p = Preferencias::Limpias)
        : preparada(PreparaPreferencias(p == Preferencias::Limpias)) {
        w.show();
        w.activateWindow();
        if (!QTest::qWaitForWindowActive(&w)) qWarning("la ventana no quedó activa");
        if (inicia) Pulsa("&Inicio");
    }
    ~VentanaDePrueba() {
        if (!guion.GuionTerminado()) QTest::qFail("el guion esperaba más de lo que pasó", __FILE__, __LINE__);
    }

    template <class T = QWidget>
    T* Hijo(const char* nombre) const {
        T* x = w.findChild<T*>(QString::fromLatin1(nombre));
        if (!x) qFatal("no existe el control %s", nombre);
        return x;
    }
    QAction* Accion(const char* nombre) const { return Hijo<QAction>(nombre); }
    QString Texto(const char* etiqueta) const { return Hijo<QLabel>(etiqueta)->text(); }
    bool Visible(const char* nombre) const { return Hijo(nombre)->isVisible(); }
    bool Verde(const char* boton) const {
        return Hijo(boton)->property("colorFondo").value<QColor>() == Protocolo::kVerde;
    }
    void Mueve(const char* barra, int valor) const { Hijo<QScrollBar>(barra)->setValue(valor); }
    double Dibujado(const char* grafico, int fila, int serie = 1) const {
        return Hijo<Grafico>(grafico)->ValorDibujado(fila, serie);
    }

    void Click(const char* nombre) const { hortelia::Pulsa(Hijo<QAbstractButton>(nombre)); }
    /// The button whose caption is `texto` ("&Procesamiento datos"), and a click on it.
    QAbstractButton* Pulsador(const QString& texto) const { return PorTexto<QAbstractButton>(&w, texto); }
    void Pulsa(const QString& texto) const { hortelia::Pulsa(Pulsador(texto)); }
    /// The option `texto` of the group box or panel titled `grupo`, and a click on it.
    QRadioButton* Opcion(const QString& grupo, const QString& texto) const {
        return PorTexto<QRadioButton>(PorTexto<QGroupBox>(&w, grupo), texto);
    }
    void Elige(const QString& grupo, const QString& texto) const { hortelia::Pulsa(Opcion(grupo, texto)); }
    void Escribe(const char* caja, const QString& texto) const { prueba::Escribe(Hijo<QLineEdit>(caja), texto); }
    /// One check of Diferencias: what the control shows now.
    QString Muestra(const QStringList& c) const {
        const auto siNo = [](bool b) { return b ? QStringLiteral("si") : QStringLiteral("no"); };
        if (c.at(0) == "marcada") return siNo(Opcion(c.at(1), c.at(2))->isChecked());
        if (c.at(0) == "dibujado") return QString::number(Dibujado(qPrintable(c.at(1)), c.at(2).toInt(), c.at(3).toInt()));
        QObject* o = w.findChild<QObject*>(c.at(1));
        if (!o) o = PorTexto<QWidget>(&w, c.at(1));
        const auto* x = qobject_cast<QWidget*>(o);
        if (c.at(0) == "texto") return qobject_cast<QLineEdit*>(o) ? x->property("text").toString() : TextoVisible(o);
        if (c.at(0) == "visible") return siNo(x->isVisible());
        if (c.at(0) == "activo") return siNo(x ? x->isEnabled() : qobject_cast<QAction*>(o)->isEnabled());
        if (c.at(0) == "barra") return QString::number(qobject_cast<QScrollBar*>(o)->value());
        if (c.at(0) == "lista") return qobject_cast<QListWidget*>(o)->selectedItems().value(0)->text();
        if (c.at(0) == "color") return o->property("colorFondo").value<QColor>().name();
        if (c.at(0) == "descripcion") return x->accessibleDescription();  // what a screen reader hears
        if (c.at(0) == "valor") {  // a screen reader's text, and its number
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(o);
            return a->text(QAccessible::Value) + " = " + a->valueInterface()->currentValue().toString();
        }
        qFatal("no sé leer \"%s\"", qPrintable(c.at(0)));
    }
    /// Clicks the "&Acepta datos" of the panel that is open.
    void AceptaAbierto() const {
        for (Panel* p : w.Paneles())
            if (p->isVisible()) {
                QTest::mouseClick(p->BotonAcepta(), Qt::LeftButton);
                return;
            }
        qFatal("ningún panel abierto");
    }
    /// Accepts the ten panels from their side buttons, dimensions before ventilation.
    void AceptaTodos() const {
        for (const char* b : kBotones) {
            Click(b);
            if (QString::fromLatin1(b) == "BotVentil") Pulsa("Carga datos &horarios de apertura de ventanas");
            AceptaAbierto();
        }
    }
    /// Accepts the ten panels and runs the day with "&Procesamiento datos".
    void Procesa() const {
        AceptaTodos();
        Pulsa("&Procesamiento datos");
    }
#ifdef HORTELIA_TEST_DATA  // the screenshot program builds this window without the tests' data
    /// How the window differs from what the section `[seccion]` of tests/data/`archivo` says it
    /// shows: one line per difference, "" when it shows it all. Each line there is a check with
    /// tab-separated fields: what to read, the control (its object name, or else the caption of
    /// the button or label), and what it must show ("si"/"no" for a state):
    ///   texto LTTecho Tipo de techo: Túnel | visible FrInicio si | activo Datos no | barra HScrEfic 80
    ///   lista LiMes octubre | marcada Combustible Butano si | dibujado MSCTemp 3 1 7.7 | color BotTecho #ffc0c0
    ///   descripcion BotTecho pendiente | valor HScrLat 31.5° = 31.5
    QString Diferencias(const QString& archivo, const QString& seccion) const {
        QFile f(QStringLiteral(HORTELIA_TEST_DATA "/") + archivo);
        if (!f.open(QIODevice::ReadOnly)) qFatal("no se pudo leer %s", qPrintable(archivo));
        QStringList r;
        bool dentro = false;
        int leidas = 0;
        for (const QString& linea : QString::fromUtf8(f.readAll()).split('\n')) {
            if (linea.startsWith('[')) dentro = linea == '[' + seccion + ']';
            if (!dentro || linea.isEmpty() || linea.startsWith('[') || linea.startsWith('#')) continue;
            const QStringList c = linea.split('\t');
            ++leidas;
            if (const QString visto = Muestra(c); visto != c.last()) r << linea + QStringLiteral("  -> ") + visto;
        }
        if (leidas == 0) r << QStringLiteral("nada que comprobar en [%1] de %2").arg(seccion, archivo);
        return r.join('\n');
    }
#endif
    /// "&Abre" with the file dialog answering `ruta`.
    void Abre(const QString& ruta) {
        guion.RespondeArchivo(ruta);
        w.AbreArchivo();
    }
};

}  // namespace hortelia
