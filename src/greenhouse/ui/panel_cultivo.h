#pragma once

// Crop panel FrCultivo: leaf area index (a quarter per step of its bar) and the highest and
// lowest inside temperatures the crop tolerates.

#include "ui/panel.h"

class QLabel;
class QScrollBar;

namespace hortelia {

class PanelCultivo : public Panel {
    Q_OBJECT
public:
    PanelCultivo(Contexto& contexto, QWidget* parent = nullptr);

    /// From the menu the summary lines are shown at once and processing is left alone.
    void Abre(Origen origen) override;
    void Acepta() override;
    void MuestraCargado() override;

    void CambiaIAF();
    void CambiaMaximaTolerable();
    void CambiaMinimaTolerable();

private:
    /// The bars and their captions from the record, without running the bars' handlers.
    void MuestraValores();

    QScrollBar *barraIAF_, *barraMaxima_, *barraMinima_;
    QLabel *etiquetaIAF_, *etiquetaMaxima_, *etiquetaMinima_;
};

}  // namespace hortelia
