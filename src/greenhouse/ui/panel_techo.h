#pragma once

// Roof panel FrTecho: the roof shape (Option1) with its picture, and the double roof (Option2).
// A new roof shape voids accepted dimensions: their three figures belong to the old shape.

#include "ui/panel.h"

#include <QList>

class QRadioButton;

namespace hortelia {

class Dibujo;

class PanelTecho : public Panel {
    Q_OBJECT
public:
    PanelTecho(Contexto& contexto, QWidget* parent = nullptr);

    void Abre(Origen origen) override;
    void Acepta() override;
    void MuestraCargado() override;

    void EligeTipoTecho();
    void EligeDobleTecho();

private:
    void MuestraDibujo(int tipo);
    void OcultaDimensiones();
    /// Takes the options as they stand into the record and the summary.
    void LeeOpciones();

    QList<QRadioButton*> opcionesTecho_, opcionesDoble_;
    QList<Dibujo*> dibujos_;
};

}  // namespace hortelia
