#pragma once

// The summary column of the main window: one group of labels per input panel, all hidden
// until the panel that sets them is accepted or a scenario file is loaded. The panels
// write these labels; the data sheet copies them.

#include "ui/texto_qt.h"

#include <QLabel>
#include <QWidget>

namespace hortelia {

class Resumen : public QWidget {
    Q_OBJECT
public:
    explicit Resumen(QWidget* parent = nullptr);

    // structure
    QLabel *LEstruct, *LTTecho, *LDTecho, *LDimens, *LDSuecub, *LDSupinv, *LDVolinv;
    // cover
    QLabel *LCob, *LCobertura, *LManten;
    // ventilation
    QLabel *LVentil, *LVentanas, *LCenital;
    // heating
    QLabel *LCalef, *LEfic, *LPoCal;
    // crop
    QLabel *LCultivo, *LMaxTol, *LMinTol, *Liaf;
    // temperature
    QLabel *LFTemp, *LFTMax, *LFTMin;
    // humidity
    QLabel *LFHRel, *LFHRMax, *LFHRMin;
    // radiation
    QLabel *LFRad, *LLat, *LFecha;

    /// Sets a label's text and shows it.
    static void Muestra(QLabel* l, const QString& texto) {
        l->setText(texto);
        l->show();
    }
};

}  // namespace hortelia
