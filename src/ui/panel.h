#pragma once

// Base of the ten input panels: a captioned frame of the main window working on the one
// scenario record, with its side button, the shared protocol, the summary column and an
// "&Acepta datos" button. A panel file then holds only what its panel shows and does.

#include "scenario/escenario.h"
#include "ui/protocolo.h"
#include "ui/resumen.h"

#include <QGroupBox>

class QPushButton;

namespace hortelia {

class Panel : public QGroupBox {
    Q_OBJECT
public:
    /// Opened from the panel's side button or from its entry in the Datos menu.
    enum class Origen { BotonLateral, Menu };

    Panel(const QString& nombreFrame, const QString& titulo, Escenario& e, Protocolo& protocolo, Resumen& resumen,
          QPushButton* botonLateral, QWidget* parent = nullptr);

    virtual void Abre(Origen origen) = 0;
    /// After a scenario file was loaded: controls, charts and summary labels show the loaded
    /// values, the side button turns green. Never lets option handlers replace loaded values.
    virtual void MuestraCargado() = 0;

    QPushButton* BotonLateral() const { return lateral_; }
    QPushButton* BotonAcepta() const { return acepta_; }

protected:
    /// Creates the "&Acepta datos" button with its objectName; the panel places it.
    QPushButton* CreaBotonAcepta(const QString& nombre);
    /// Accept marking of this panel's side button.
    void MarcaAceptado() { protocolo_.MarcaAceptado(lateral_); }

    Escenario& e;
    Protocolo& protocolo_;
    Resumen& resumen_;

private:
    QPushButton* lateral_;
    QPushButton* acepta_ = nullptr;
};

}  // namespace hortelia
