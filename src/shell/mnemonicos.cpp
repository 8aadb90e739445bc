#include "shell/mnemonicos.h"

#include "ui/panel.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QShortcutEvent>

namespace hortelia {
namespace {

bool DelPanelAbierto(const QWidget* w) {
    for (const QWidget* p = w; p; p = p->parentWidget())
        if (qobject_cast<const Panel*>(p)) return p->isVisible();
    return false;
}

}  // namespace

Mnemonicos::Mnemonicos(QMainWindow* ventana) : QObject(ventana), ventana_(ventana) { qApp->installEventFilter(this); }

bool Mnemonicos::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() != QEvent::Shortcut || !objeto->isWidgetType()) return false;
    auto* atajo = static_cast<QShortcutEvent*>(evento);
    if (!atajo->isAmbiguous() || static_cast<QWidget*>(objeto)->window() != ventana_) return false;
    const QKeySequence tecla = atajo->key();

    QAbstractButton* elegido = nullptr;
    for (QAbstractButton* b : ventana_->findChildren<QAbstractButton*>()) {
        if (!b->isVisible() || !b->isEnabled() || QKeySequence::mnemonic(b->text()) != tecla) continue;
        if (!elegido || (DelPanelAbierto(b) && !DelPanelAbierto(elegido))) elegido = b;
    }
    if (elegido) {
        elegido->setFocus(Qt::ShortcutFocusReason);  // leaving a text box runs its handler first
        elegido->click();
        return true;
    }
    QMenuBar* barra = ventana_->menuBar();
    for (QAction* a : barra->actions()) {
        if (!a->isVisible() || !a->isEnabled() || QKeySequence::mnemonic(a->text()) != tecla) continue;
        if (a->menu()) barra->setActiveAction(a);
        else a->trigger();
        return true;
    }
    return true;  // nothing enabled answers to this letter
}

}  // namespace hortelia
