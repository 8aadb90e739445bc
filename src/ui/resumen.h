#pragma once

// The summary column of the main window: a heading and its lines for each input panel but
// the wind, all hidden until the panel that sets them is accepted or a scenario file is
// loaded. Panels write a line's caption and show or hide it; the captions the data sheet
// repeats are kept in one core structure (TextosResumen) that the sheet and the export read.

#include "results/textos_resumen.h"
#include "scenario/escenario.h"

#include <QWidget>

#include <array>

class QLabel;

namespace hortelia {

class Resumen : public QWidget {
    Q_OBJECT
public:
    /// Every line of the column, top to bottom; the headings carry fixed captions.
    enum class Linea {
        Estructura,
        TipoTecho,
        DobleTecho,
        Dimensiones,
        Suelo,
        Superficie,
        Volumen,
        Cobertura,
        Material,
        Mantenimiento,
        Ventilacion,
        Ventanas,
        Cenital,
        Calefaccion,
        Eficiencia,
        PoderCalorico,
        Cultivo,
        MaxTol,
        MinTol,
        Iaf,
        Temperatura,
        TMax,
        TMin,
        Humedad,
        HRMax,
        HRMin,
        Radiacion,
        Latitud,
        Fecha,
    };
    static constexpr int kLineas = static_cast<int>(Linea::Fecha) + 1;

    explicit Resumen(QWidget* parent = nullptr);

    /// Writes a line's caption (a heading's caption is fixed).
    void Escribe(Linea linea, const QString& texto);
    /// Writes a line's caption and shows it.
    void Muestra(Linea linea, const QString& texto);
    void Muestra(Linea linea);
    void Oculta(Linea linea);
    QString Texto(Linea linea) const;

    /// After a scenario file was loaded: every caption the file gives (the derived figures
    /// only when the dimensions are valid), and every line but those figures shown.
    void Carga(const Escenario& e, bool dimensionesValidas);

    /// The captions the data sheet and the text export repeat.
    const TextosResumen& Textos() const { return textos_; }

private:
    QLabel* Etiqueta(Linea linea) const { return etiquetas_[static_cast<std::size_t>(linea)]; }
    void PintaTextos();

    std::array<QLabel*, kLineas> etiquetas_{};
    TextosResumen textos_;
};

}  // namespace hortelia
