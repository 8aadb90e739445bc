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
    PanelCobertura(Escenario& e, Protocolo& protocolo, Resumen& resumen, QPushButton* botMaterial,
                   QWidget* parent = nullptr);

    void Abre(Origen origen) override;
    void MuestraCargado() override;

    void Option3_Click();
    void Option4_Click();
    void TOtro_Change();
    void Command4_Click();

private:
    QString CaptionMantenimiento() const;

    QList<QRadioButton*> Option3, Option4;
    QLineEdit* TOtro;
};

}  // namespace hortelia
