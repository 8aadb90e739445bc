#pragma once

// Radiation panel (frame FrRadiac): latitude, hemisphere and date rerun the radiation of the
// day; the cloud type reapplies the clouds to every hour; an hour selector with the cloud
// cover and radiation +/- buttons corrects single hours. MSCRad shows RadHora and RadTope,
// MSCNub the cloud cover.

#include "ui/panel.h"

#include <QList>

class QLabel;
class QListWidget;
class QRadioButton;
class QScrollBar;

namespace hortelia {

class Grafico;

class PanelRadiacion : public Panel {
    Q_OBJECT
public:
    PanelRadiacion(Escenario& e, Protocolo& protocolo, Resumen& resumen, QPushButton* botonLateral,
                   QWidget* parent = nullptr);

    void Abre(Origen origen) override;
    void MuestraCargado() override;

    void HScrLat_Change();
    void Option7_Click();
    void LiDia_Click();
    void LiMes_Click();
    void HScrTNub_Change();
    void HScrRHora_Change();
    void NubMas_Click();
    void NubMenos_Click();
    void RadMas_Click();
    void RadMenos_Click();
    void Command17_Click();

private:
    QString TextoLatitud() const;
    QString TextoFecha() const;
    void EscribeHora();
    void RecalculaDia();
    void LlenaRadiacion();
    void LlenaNubes();
    void PonControles();

    QScrollBar *HScrLat, *HScrTNub, *HScrRHora;
    QList<QRadioButton*> Option7;  ///< 0 "Sur", 1 "Norte"
    QListWidget *LiDia, *LiMes;
    QLabel *LRLat, *LRTNubes, *LRHora, *LRNub, *LRRad, *LRRadNub;
    QPushButton *NubMenos, *NubMas, *RadMenos, *RadMas;
    Grafico *MSCRad, *MSCNub;
};

}  // namespace hortelia
