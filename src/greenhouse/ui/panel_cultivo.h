#pragma once

// Crop panel FrCultivo: leaf area index (HScrIAF, a quarter per step) and the highest and
// lowest inside temperatures the crop tolerates (HScrMaxTol, HScrMinTol).

#include "ui/panel.h"

class QLabel;
class QScrollBar;

namespace hortelia {

class PanelCultivo : public Panel {
    Q_OBJECT
public:
    PanelCultivo(Escenario& e, Protocolo& protocolo, Resumen& resumen, QPushButton* botCultivo,
                 QWidget* parent = nullptr);

    /// From the menu the summary lines are shown at once and processing is left alone.
    void Abre(Origen origen) override;
    void MuestraCargado() override;

    void HScrIAF_Change();
    void HScrMaxTol_Change();
    void HScrMinTol_Change();
    void Command11_Click();

private:
    void MuestraValoresPanel();

    QScrollBar *HScrIAF, *HScrMaxTol, *HScrMinTol;
    QLabel *LCIAF, *LCMaxTol, *LCMinTol;
};

}  // namespace hortelia
