#include "numeros/conversiones.h"
#include "ui/controles.h"
#include "weather/humedad.h"
#include "weather/ui/panel_curva.h"

namespace hortelia {

PanelCurva* CreaPanelHumedad(Contexto& contexto, QWidget* parent) {
    Curva c{
        "FrHRel",
        QStringLiteral("Humedad relativa"),
        kPanelHumedad,
        "HScrHRMax",
        "HScrHRMin",
        "HScrHRelH",
        "LHRMax",
        "LHRMin",
        "LHRHora",
        "LHRel",
        "HRMenos",
        "HRMas",
        "MSCHRel",
        QStringLiteral("Humedad relativa máxima"),
        QStringLiteral("Humedad relativa mínima"),
        QStringLiteral("Bajar la humedad de la hora"),
        QStringLiteral("Subir la humedad de la hora"),
        QStringLiteral("Humedad relativa (%)"),
        QStringLiteral("Humedad relativa (%)"),
        0,
        100,
        0,
        100,
        1,
        " %",
        "%",
        "HR = ",
        QColor(0, 200, 128),
        0,
        100,
        Resumen::Linea::Humedad,
        Resumen::Linea::HRMax,
        Resumen::Linea::HRMin,
        &Escenario::HRMax,
        &Escenario::HRMin,
        [](int p) { return Variante::Entero(static_cast<std::int16_t>(p)); },
        CalculaHumedad,
        HumedadMas,
        HumedadMenos,
        [](const Escenario& e, int h) { return NumeroATexto(e.HRHora(h)); },
        [](Grafico* g, const Escenario& e, int h) { PonFila(g, 1, h, e.HRHora(h)); },
    };
    return new PanelCurva(contexto, std::move(c), parent);
}

}  // namespace hortelia
