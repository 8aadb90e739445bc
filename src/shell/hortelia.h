#pragma once

// Hortelia, the main window. How the data flows:
//  - main() owns the one Escenario; the window and every panel work on it by reference.
//  - Form_Load: PonValoresIniciales sets the start values (it runs the weather models), then
//    the ten input panels are built showing the record as it stands.
//  - FrInicio stands in front until "&Inicio"; then the working view: ten side buttons under
//    three headings, the summary column (Resumen), "&Salir" and "&Procesamiento datos".
//  - A side button or a Datos entry opens its panel in the working area through Protocolo:
//    navigation off, processing off too (not from the Dimensiones and Cultivo entries).
//  - A panel's "&Acepta datos" writes the record and its summary lines and turns its button
//    green; with ten green buttons Command12 and Proceso run the day (Command12_Click).
//  - Command12_Click runs the day (SimulaDia) on the record, shows FrResultados at hour 1 and
//    locks the inputs until its "&Cierra"; "&Planilla de datos" fills and shows FPlanilla.
//  - Abre_Click reads a whole scenario file into the record (or refuses it, changing nothing),
//    then every panel's MuestraCargado shows the loaded values; Guarda_Click writes the file.

#include "scenario/escenario.h"
#include "ui/dialogo_archivo.h"
#include "ui/impresion.h"
#include "ui/panel.h"
#include "ui/protocolo.h"

#include <QList>
#include <QMainWindow>

#include <functional>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QPushButton;

namespace hortelia {

class PanelResultados;
class Planilla;
class Resumen;

class Hortelia : public QMainWindow {
    Q_OBJECT
public:
    explicit Hortelia(Escenario& e, QWidget* parent = nullptr);
    ~Hortelia() override;

    /// The ten input panels in the order of their side buttons, roof to wind.
    const QList<Panel*>& Paneles() const { return paneles_; }
    /// Places a frame (the results frame) in the working area, hidden; show() and raise() bring it
    /// in front of whatever else the area holds.
    void PonEnAreaDeTrabajo(QWidget* frame);
    /// Replaces the message box of the panels (tests read the message instead).
    void PonAviso(std::function<void(const QString&)> aviso) { protocolo_->aviso = std::move(aviso); }

    void Command5_Click();
    void Command1_Click();
    void Sale_Click();
    /// "&Procesamiento datos" and the Proceso entry: the daily run and its results frame.
    void Command12_Click();
    /// Archivos menu: load and save a scenario file.
    void Abre_Click();
    void Guarda_Click();
    /// Results frame: "&Planilla de datos", "&Imprime", "&Cierra".
    void Command14_Click();
    void Command19_Click();
    void Command20_Click();

    /// The one file dialog (tests replace its choice) and the printing (tests replace its dialog).
    DialogoArchivo& Dialogo() { return dialogo_; }
    Impresion& Impresora() { return impresion_; }
    /// The data sheet, once created by "&Planilla de datos".
    Planilla* FPlanilla() const { return planilla_; }

private:
    void Form_Load();
    void CreaMenus();
    QWidget* CreaInicio();
    QWidget* CreaVistaTrabajo();
    void CreaPaneles();

    Escenario& e;
    std::unique_ptr<Protocolo> protocolo_;
    Resumen* resumen_ = nullptr;
    QWidget* FrInicio = nullptr;
    QWidget* vistaTrabajo_ = nullptr;
    QWidget* areaTrabajo_ = nullptr;
    QMenu *Archivo = nullptr, *Datos = nullptr;
    QAction* Proceso = nullptr;
    QPushButton *Command1 = nullptr, *Command12 = nullptr;
    QList<QPushButton*> botones_;  ///< BotTecho .. BotViento
    QList<QLabel*> titulos_;       ///< Label10, Label11, Label17
    QList<QAction*> entradas_;     ///< Techo .. Viento, in the order of the side buttons
    QList<Panel*> paneles_;
    PanelResultados* FrResultados = nullptr;
    Planilla* planilla_ = nullptr;
    DialogoArchivo dialogo_{this};
    Impresion impresion_;

    bool PanelAbierto() const;
    /// Side buttons, Datos and processing as the open frames allow: locked while the results
    /// are shown, navigation off while a panel is open, processing only with ten accepted.
    void AjustaNavegacion();
};

}  // namespace hortelia
