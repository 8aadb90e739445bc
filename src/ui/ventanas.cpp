#include "ui/ventanas.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace hortelia {
namespace {

const char* const kDeLaPrincipal = "ventanaDeLaPrincipal";

// A plain widget is announced as a "client" area; a window of ours, as a window.
QAccessibleInterface* ComoVentana(const QString&, QObject* objeto) {
    auto* w = qobject_cast<QWidget*>(objeto);
    if (!w || !w->isWindow() || !w->property(kDeLaPrincipal).toBool()) return nullptr;
    return new QAccessibleWidget(w, QAccessible::Window);
}

}  // namespace

void HazVentanaDeLaPrincipal(QWidget* ventana) {
    static const bool instalada = (QAccessible::installFactory(&ComoVentana), true);
    Q_UNUSED(instalada);
    ventana->setProperty(kDeLaPrincipal, true);
    // A dialog to the window system, kept above the main window, with a window's buttons.
    ventana->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                            Qt::WindowCloseButtonHint);
}

QRect AreaParaVentanas(const QWidget* referencia) {
    const QScreen* pantalla = QGuiApplication::screenAt(referencia->geometry().center());
    if (!pantalla) pantalla = referencia->screen() ? referencia->screen() : QGuiApplication::primaryScreen();
    const QRect disponible = pantalla ? pantalla->availableGeometry() : QRect(0, 0, 1024, 768);
    // Title bars follow the font; borders are a few pixels.
    const int barra = 2 * referencia->fontMetrics().height();
    return disponible.adjusted(4, barra, -4, -4);
}

void MeteEnLaPantalla(QWidget* ventana) {
    if (ventana->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) return;
    const QRect area = AreaParaVentanas(ventana);
    QRect r = ventana->geometry();
    r.setSize(r.size().boundedTo(area.size()).expandedTo(ventana->minimumSizeHint()));
    r.moveLeft(std::clamp(r.left(), area.left(), std::max(area.left(), area.right() - r.width() + 1)));
    r.moveTop(std::clamp(r.top(), area.top(), std::max(area.top(), area.bottom() - r.height() + 1)));
    if (r != ventana->geometry()) ventana->setGeometry(r);
}

void PonPrimeraVez(QWidget* ventana, QSize deseado, const QWidget* sobre) {
    QRect r(QPoint(), deseado);
    r.moveCenter(sobre->geometry().center());
    ventana->setGeometry(r);
    MeteEnLaPantalla(ventana);
}

void MuestraAlFrente(QWidget* ventana, bool& dimensionada, QSize deseado) {
    if (!dimensionada) {
        dimensionada = true;
        PonPrimeraVez(ventana, deseado, ventana->parentWidget() ? ventana->parentWidget()->window() : ventana);
    }
    ventana->show();
    ventana->raise();
    ventana->activateWindow();
}

}  // namespace hortelia
