#pragma once

// What the ten input panels share: the side buttons that open them and show by their
// colour whether each is accepted, the Datos menu, and the processing controls. Opening
// a panel disables navigation; accepting marks its button green and counts it; at ten
// accepted panels processing becomes available; re-enabling navigation ends every accept.

#include "scenario/escenario.h"

#include <QColor>
#include <QList>
#include <QPointer>
#include <QString>

#include <functional>

class QAction;
class QMenu;
class QPushButton;
class QWidget;

namespace hortelia {

class Protocolo {
public:
    static const QColor kRosa;   ///< not accepted (0xC0C0FF as BBGGRR)
    static const QColor kVerde;  ///< accepted (0x00C000 as BBGGRR)

    Protocolo(Escenario& e, QList<QPushButton*> botones, QMenu* datos, QPushButton* command12, QAction* proceso);

    /// Shows the panel's frame with the focus on its first control; disables the side buttons
    /// and Datos, and processing if asked.
    void AbrePanel(QWidget* frame, bool deshabilitaProceso);
    /// Pink to green (counting it) once; at ten accepted panels enables processing.
    void MarcaAceptado(QPushButton* boton);
    /// Green back to pink: one accepted panel less, processing disabled.
    void AnulaAceptado(QPushButton* boton);
    /// Enables the ten side buttons and the Datos menu; the focus goes back where it was before opening.
    void RehabilitaNavegacion();
    /// Disables or enables both processing controls.
    void HabilitaProceso(bool si);

    /// A message with only an OK button and the program's title ("Hortelia"), over the window.
    void Avisa(const QString& texto) const;
    /// Replaces the message box (tests record the text instead of waiting for a click).
    std::function<void(const QString&)> aviso;

    static bool EsVerde(const QPushButton* boton);
    static void PintaBoton(QPushButton* boton, const QColor& color);

    const QList<QPushButton*>& Botones() const { return botones_; }
    QMenu* MenuDatos() const { return datos_; }

private:
    Escenario& e_;
    QList<QPushButton*> botones_;
    QMenu* datos_;
    QPushButton* command12_;
    QAction* proceso_;
    QPointer<QWidget> foco_;  ///< what had the focus when the panel was opened
};

}  // namespace hortelia
