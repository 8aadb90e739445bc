#pragma once

// For the season window's tests: the shipped examples, the window reached from the main window
// with a climate file chosen through the dialog, its controls found by name, and hortelia-sim's
// output.

#include "support/ventana_de_prueba.h"

#include "results/ui/ventana_temporada.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QTableView>

namespace hortelia::prueba {

inline const QDir kEjemplos(QStringLiteral(HORTELIA_EJEMPLOS));
inline QString Ejemplo(const char* nombre) { return kEjemplos.filePath(QString::fromLatin1(nombre)); }

template <class T = QWidget>
T* En(QWidget* t, const char* nombre) {
    T* x = t->findChild<T*>(QString::fromLatin1(nombre));
    if (!x) qFatal("no existe el control %s", nombre);
    return x;
}

/// Waits for the season or comparison under way, if any, to end.
inline void EsperaFin(VentanaTemporada* t) { QTRY_VERIFY_WITH_TIMEOUT(!t->Corriendo(), 60000); }

/// Clicks `boton` and, as a user waits for the results, for the run it started to end.
inline void Pulsa(QWidget* t, const char* boton) {
    QTest::mouseClick(En<QAbstractButton>(t, boton), Qt::LeftButton);
    if (auto* ventana = qobject_cast<VentanaTemporada*>(t)) EsperaFin(ventana);
}

/// Escribe(QLineEdit*, texto) is in ventana_de_prueba.h; this one finds the box by name.
inline void Escribe(QWidget* t, const char* campo, const QString& texto) { Escribe(En<QLineEdit>(t, campo), texto); }

/// The scenario `escenario` opened, its season window shown and `clima` chosen through the dialog.
inline VentanaTemporada* AbreTemporadaCon(VentanaDePrueba& v, const QString& escenario, const QString& clima) {
    v.Abre(escenario);
    v.Accion("Temporada")->trigger();
    VentanaTemporada* t = v.w.TemporadaCreada();
    v.guion.RespondeArchivo(clima);
    Pulsa(t, "EligeClima");
    return t;
}

/// On a 1024 x 740 window every control of `parte` on screen lies whole inside it, unclipped,
/// with a name a screen reader says (a button its caption); every wrapped line shows whole.
inline void CabeEnPantallaChica(QWidget* t, QWidget* parte) {
    QVERIFY(t->minimumSizeHint().width() <= 1024 && t->minimumSizeHint().height() <= 740);
    t->resize(1024, 740);
    QApplication::processEvents();
    for (QWidget* w : parte->findChildren<QWidget*>()) {
        const auto* l = qobject_cast<QLabel*>(w);
        if (l && l->isVisible() && l->wordWrap())
            QVERIFY2(l->height() >= l->heightForWidth(l->width()), qPrintable(l->text()));
        const auto* b = qobject_cast<QAbstractButton*>(w);
        const bool control = b || qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
                             qobject_cast<QComboBox*>(w) || qobject_cast<QTableView*>(w) || qobject_cast<Grafico*>(w);
        // A spin box's own line edit is the spin box to a screen reader.
        if (!w->isVisible() || !control || qobject_cast<QAbstractSpinBox*>(w->parentWidget())) continue;
        QVERIFY2(!w->accessibleName().isEmpty() || (b && !b->text().isEmpty()), qPrintable(w->objectName()));
        QVERIFY2(t->rect().contains(QRect(w->mapTo(t, QPoint()), w->size())) &&
                     (!b || b->visibleRegion().boundingRect() == b->rect()),
                 qPrintable(w->objectName()));
    }
}

/// What Ctrl+P on `ventana` puts on paper, as a PDF read back by pdftotext, blanks run together
/// (a missing pdftotext fails the test).
inline QString TextoImpreso(VentanaDePrueba& v, QWidget* ventana, const QString& pdf) {
    v.guion.RespondeImpresion([&pdf](QPrinter& impresora) { return AlPdf(impresora, pdf); });
    QTest::keySequence(ventana, QKeySequence::Print);
    return Salida(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).simplified();  // poppler-utils
}

/// The batch tool, whose output the window's saved texts must equal.
inline const QString kHorteliaSim = QStringLiteral(HORTELIA_SIM);

}  // namespace hortelia::prueba
