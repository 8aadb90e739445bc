#pragma once

// The panels of a daily curve, temperature and relative humidity: the day's maximum and
// minimum on two bars rerun the curve (which replaces every hourly correction); an hour
// selector with "-" and "+" corrects single hours; a chart shows the 24 hours. What differs
// between the two is their description (Curva): names, ranges, captions and the model.

#include "ui/panel.h"

#include <QColor>

class QLabel;
class QScrollBar;

namespace hortelia {

class Grafico;

/// What makes one daily-curve panel.
struct Curva {
    const char* frame;
    QString titulo;
    int indice;
    /// objectNames: maximum and minimum bars and labels, hour bar and label, the hour's value,
    /// "-", "+" and the chart.
    const char *barraMaxima, *barraMinima, *barraHora, *etiquetaMaxima, *etiquetaMinima, *etiquetaHora, *etiquetaValor,
        *menos, *mas, *grafico;
    QString accesibleMaxima, accesibleMinima, accesibleMenos, accesibleMas, tituloGrafico, tituloEje;
    int minimoBarraMaxima, maximoBarraMaxima, minimoBarraMinima, maximoBarraMinima;
    double posicionesPorUnidad;  ///< bar position of one unit of the extremes (10 for tenths of a degree)
    const char* unidad;          ///< " C", " %"
    const char* unidadVisible;   ///< "°C", "%": the unit a screen reader and a tooltip say
    const char* prefijoValor;    ///< "Temp = ", "HR = "
    QColor color;
    double minimoGrafico, maximoGrafico;  ///< the chart's value axis covers at least this range
    Resumen::Linea seccion, lineaMaxima, lineaMinima;

    Variante Escenario::*maxima;
    Variante Escenario::*minima;
    Variante (*deBarra)(int posicion);                   ///< the extreme a bar position stores
    void (*calcula)(Escenario&);                         ///< the curve of the 24 hours
    void (*sube)(Escenario&, int h);                     ///< "+" on hour h
    void (*baja)(Escenario&, int h);                     ///< "-" on hour h
    std::string (*valor)(const Escenario&, int h);       ///< number-to-text of hour h
    void (*grafica)(Grafico*, const Escenario&, int h);  ///< row h of the chart
};

class PanelCurva : public Panel {
    Q_OBJECT
public:
    PanelCurva(Contexto& contexto, Curva curva, QWidget* parent = nullptr);

    /// Hour 1 again, and the bars moved to the record's extremes (rerunning the curve when a
    /// bar really moves).
    void Abre(Origen origen) override;
    void Acepta() override;
    void MuestraCargado() override;

    void CambiaMaxima();
    void CambiaMinima();
    void CambiaHora();
    void Sube();
    void Baja();

private:
    void ExplicaBarras();
    QString TextoExtremo(const char* prefijo, const Variante& v) const;
    void EscribeExtremos();
    void EscribeHora();
    void PonBarras();
    void LlenaGrafico();
    void CambiaExtremo(QScrollBar* barra, Variante Escenario::*campo, QLabel* etiqueta, const char* prefijo,
                       Resumen::Linea linea);

    Curva c;
    QScrollBar *barraMaxima_, *barraMinima_, *barraHora_;
    QLabel *etiquetaMaxima_, *etiquetaMinima_, *etiquetaHora_, *etiquetaValor_;
    Grafico* grafico_;
};

/// The temperature panel FrTemp (TMax 0..50 °C, TMin -15..35 °C in tenths).
PanelCurva* CreaPanelTemperatura(Contexto& contexto, QWidget* parent);
/// The relative humidity panel FrHRel (0..100 % in whole percents).
PanelCurva* CreaPanelHumedad(Contexto& contexto, QWidget* parent);

}  // namespace hortelia
