#pragma once

// Heating panel FrCalefacc: the fuel (Option6) with its calorific value, typed in TPoCal
// for "Otro ...", and the efficiency of the heating system (HScrEfic).

#include "ui/panel.h"

#include <QList>

class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollBar;

namespace hortelia {

class PanelCalefaccion : public Panel {
    Q_OBJECT
public:
    PanelCalefaccion(Contexto& contexto, QWidget* parent = nullptr);

    void Abre(Origen origen) override;
    void Acepta() override;
    void MuestraCargado() override;

    void EligeCombustible();
    /// Takes the typed calorific value, cut to one decimal; 0, below or unreadable brings the previous back.
    void TomaPoderCalorico();
    void CambiaEficiencia();

private:
    /// The summary's calorific value line and the box's unit.
    void MuestraPoderCalorico();
    /// The unit beside the box ("kJ/litro") and its tooltip, for the chosen fuel.
    void MuestraUnidadPoder();
    void MuestraEficiencia();

    QScrollBar* barraEficiencia_;
    QLabel* etiquetaEficiencia_;
    QList<QRadioButton*> opcionesCombustible_;
    QLineEdit* poderCalorico_;
    QLabel* unidadPoder_;    ///< "kJ/litro", the calorific value's unit for the chosen fuel
    bool avisando_ = false;  ///< a message about the box is on screen (it takes the focus away)
};

}  // namespace hortelia
