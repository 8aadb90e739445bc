#pragma once

// Cover panel FrMaterial: the cover material (Option3) and the state of maintenance
// (Option4), which sets the air renewal rate; "Otro ..." lets the rate be typed in TOtro.

#include "ui/panel.h"

#include <QList>

class QLineEdit;
class QRadioButton;

namespace hortelia {

class PanelCobertura : public Panel {
    Q_OBJECT
public:
    PanelCobertura(Contexto& contexto, QWidget* parent = nullptr);

    void Abre(Origen origen) override;
    void Acepta() override;
    void MuestraCargado() override;

    void EligeMaterial();
    void EligeMantenimiento();
    /// The rate box changed (typed, or written by the program): the record and the summary follow.
    void CambiaTasa();

private:
    QString TextoMantenimiento() const;

    QList<QRadioButton*> opcionesMaterial_, opcionesMantenimiento_;
    QLineEdit* tasa_;
};

}  // namespace hortelia
