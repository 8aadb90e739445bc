#pragma once

// Base of the ten input panels: a captioned frame of the main window working on the one
// scenario record, with its place in the navigation state, the summary column, the way to
// ask the user, and an "&Acepta datos" button. A panel file then holds only what its panel
// shows and does.

#include "scenario/escenario.h"
#include "ui/interaccion.h"
#include "ui/protocolo.h"
#include "ui/resumen.h"

#include <QGroupBox>

#include <initializer_list>
#include <utility>

class QLayout;
class QPushButton;

namespace hortelia {

/// The panels' places, in the order of their side buttons.
enum IndicePanel : int {
    kPanelTecho,
    kPanelDimensiones,
    kPanelCobertura,
    kPanelVentilacion,
    kPanelCalefaccion,
    kPanelCultivo,
    kPanelTemperatura,
    kPanelHumedad,
    kPanelRadiacion,
    kPanelViento,
};

/// What every panel works with; owned by the main window.
struct Contexto {
    Escenario& e;
    Protocolo& protocolo;
    Resumen& resumen;
    Interaccion& interaccion;
};

class Panel : public QGroupBox {
    Q_OBJECT
public:
    /// Opened from the panel's side button or from its entry in the Datos menu.
    enum class Origen { BotonLateral, Menu };

    /// `indice` is the panel's place among the ten, roof (0) to wind (9).
    Panel(const QString& nombreFrame, const QString& titulo, int indice, Contexto& contexto, QWidget* parent = nullptr);

    virtual void Abre(Origen origen) = 0;
    /// "&Acepta datos".
    virtual void Acepta() = 0;
    /// After a scenario file was loaded: controls and charts show the loaded values and the
    /// panel counts as accepted. Never lets option handlers replace loaded values.
    virtual void MuestraCargado() = 0;

    int Indice() const { return indice_; }
    QPushButton* BotonAcepta() const { return acepta_; }

protected:
    /// Creates the "&Acepta datos" button, connected to Acepta(); `explicacion`, what it does, is
    /// its tooltip while it can accept.
    QPushButton* CreaBotonAcepta(const QString& explicacion = {});
    /// The layout of a panel with charts: `arriba` on top, each chart below with its stretch,
    /// and the accept button at the foot on the right.
    void DisponeConGraficos(QLayout* arriba, std::initializer_list<std::pair<QWidget*, int>> graficos);
    /// Shows the panel with navigation off; processing off too unless `conservaProceso`; a
    /// non-empty `espera` keeps the accept button waiting for it (PermiteAceptar).
    void AbrePanel(bool conservaProceso = false, const QString& espera = {}) {
        c_.protocolo.Abre(indice_, this, conservaProceso, espera);
    }
    void PermiteAceptar() { c_.protocolo.PermiteAceptar(indice_); }
    /// The hour the hourly panels show, shared with the results frame.
    int Hora() const { return c_.protocolo.Hora(); }
    void PonHora(int h) { c_.protocolo.PonHora(h); }
    /// The panel's side button turns green (and counts).
    void MarcaAceptado() { c_.protocolo.Acepta(indice_); }
    /// Hides the panel and gives navigation back: the last step of every accept.
    void Cierra();
    /// A refused input: a warning that says what to do.
    void Advierte(const QString& texto) { c_.interaccion.Mensaje(Interaccion::Gravedad::Advertencia, texto); }

    Contexto& c_;
    Escenario& e;
    Resumen& resumen_;

private:
    int indice_;
    QPushButton* acepta_ = nullptr;
};

}  // namespace hortelia
