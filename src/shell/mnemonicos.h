#pragma once

// Alt+letter where two visible captions of the window share the letter ("&Archivos" and an
// open panel's "&Acepta datos"; "&Procesamiento" and "&Procesamiento datos"). Qt calls such a
// shortcut ambiguous and only moves the focus; this filter decides instead: an enabled button
// of the open panel first, then any other enabled button, then the menu bar's entry.

#include <QObject>

class QMainWindow;

namespace hortelia {

class Mnemonicos : public QObject {
    Q_OBJECT
public:
    /// Watches the application's shortcut events for `ventana` (installs itself on qApp).
    explicit Mnemonicos(QMainWindow* ventana);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QMainWindow* ventana_;
};

}  // namespace hortelia
