#pragma once

// Radiation panel FrRadiac: latitude, hemisphere and date rerun the radiation of the day; the
// cloud type reapplies the clouds to every hour; an hour selector with the cloud cover and
// radiation "-"/"+" buttons corrects single hours. One chart shows the radiation at the
// ground and the cloudless one, another the cloud cover.

#include "ui/panel.h"

#include <QList>

class QBoxLayout;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace hortelia {

class Grafico;

class PanelRadiacion : public Panel {
    Q_OBJECT
public:
    PanelRadiacion(Contexto& contexto, QWidget* parent = nullptr);

    void Abre(Origen origen) override;
    void Acepta() override;
    void MuestraCargado() override;

    void CambiaLatitud();
    void EligeHemisferio();
    void EligeDia();
    void EligeMes();
    void CambiaTipoNubes();
    void CambiaHora();
    void SubeNubosidad();
    void BajaNubosidad();
    void SubeRadiacion();
    void BajaRadiacion();

private:
    void CreaLugarYFecha(QBoxLayout* arriba);
    void CreaHora(QBoxLayout* arriba);
    QString TextoLatitud() const;
    QString TextoFecha() const;
    void EscribeHora();
    void EscribeRadiacionHora();
    void RecalculaDia();
    void LlenaRadiacion();
    void LlenaNubes();
    void PonControles();
    /// After a change of the hour's cloud cover: its labels and both charts' rows.
    void MuestraNubosidadHora();
    void MuestraRadiacionHora();

    QScrollBar *barraLatitud_, *barraTipoNubes_, *barraHora_;
    QPushButton *menosNubes_, *masNubes_, *menosRadiacion_, *masRadiacion_;
    QList<QRadioButton*> opcionesHemisferio_;  ///< 0 "Sur", 1 "Norte"
    QListWidget *listaDias_, *listaMeses_;
    QLabel *latitud_, *tipoNubes_, *hora_, *nubosidad_, *radiacionTope_, *radiacion_;
    Grafico *graficoRadiacion_, *graficoNubes_;
};

}  // namespace hortelia
