#include "numeros/conversiones.h"
#include "ui/controles.h"
#include "weather/temperatura.h"
#include "weather/ui/panel_curva.h"

namespace hortelia {

PanelCurva* CreaPanelTemperatura(Contexto& contexto, QWidget* parent) {
    Curva c{
        "FrTemp",
        QStringLiteral("Temperatura"),
        kPanelTemperatura,
        "HScrTMax",
        "HScrTMin",
        "HScrTHora",
        "LTMax",
        "LTMin",
        "LTempH",
        "LTempT",
        "TempMenos",
        "TempMas",
        "MSCTemp",
        QStringLiteral("Temperatura máxima"),
        QStringLiteral("Temperatura mínima"),
        QStringLiteral("Bajar la temperatura de la hora"),
        QStringLiteral("Subir la temperatura de la hora"),
        QStringLiteral("Temperatura (C)"),
        QStringLiteral("Temperatura (°C)"),
        0,
        500,
        -150,
        350,  // 0..50 °C and -15..35 °C in tenths
        10,
        " C",
        "°C",
        "Temp = ",
        QColor(250, 0, 0),
        0,
        0,
        Resumen::Linea::Temperatura,
        Resumen::Linea::TMax,
        Resumen::Linea::TMin,
        &Escenario::TMax,
        &Escenario::TMin,
        // The bar holds tenths: position / 10, a quotient of integers, stored as a single.
        [](int p) { return Variante::Entero(static_cast<std::int16_t>(p)) / Variante::Entero(10); },
        CalculaTemperatura,
        TemperaturaMas,
        TemperaturaMenos,
        [](const Escenario& e, int h) { return NumeroATexto(e.TempHora(h)); },
        [](Grafico* g, const Escenario& e, int h) { PonFila(g, 1, h, e.TempHora(h)); },
    };
    return new PanelCurva(contexto, std::move(c), parent);
}

}  // namespace hortelia
