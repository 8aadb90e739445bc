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
//  - A loaded scenario file is shown by every panel's MuestraCargado (from Abre_Click).

#include "greenhouse/ui/panel.h"
#include "greenhouse/ui/protocolo.h"
#include "scenario/escenario.h"

#include <QList>
#include <QMainWindow>

#include <functional>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QPushButton;

namespace hortelia {

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
};

}  // namespace hortelia
