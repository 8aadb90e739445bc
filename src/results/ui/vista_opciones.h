#pragma once

// The season window's "Opciones" part: does a change pay? A check box for each option of the
// catalogue (a double roof, good maintenance, the tolerable minimum N °C lower, a heating
// efficiency of E %, another fuel at its price), each with the investment it costs ($, a decimal
// comma read); "Agregar esce&nario…" adds a grower's own variant file beside them. Each row is
// numbered, its number its accelerator. The window's "&Compara" (its "&Calcula" while this part is
// in front) runs the scenario on screen and each option checked (on copies of the record) over the season that
// the window's inputs describe, as `hortelia-sim --opciones` does, and shows the batch tool's
// columns as a table and the yearly cost of each as a bar with its payback written on it. An
// option the scenario already has is disabled, its tooltip saying why. While this part is in
// front, the window's "&Guarda", workbook and "&Imprime" write what it shows (resultado_opciones.h).

#include "engine/comparacion.h"
#include "scenario/escenario.h"
#include "scenario/opciones.h"
#include "weather/tabla_clima.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableView;

namespace hortelia {

class CorridaTemporada;
class Grafico;
class Interaccion;
class ModeloTemporada;

/// What a comparison runs over, as the season window's inputs give it.
struct PedidoTemporada {
    std::shared_ptr<const TablaClima> tabla;
    OpcionesTemporada opciones;  ///< the days, the prices, the design condition
    std::string clima;           ///< the climate file, as the saved text names it
};

/// A comparison shown, with the files it was run with, and its text as the batch tool prints it.
struct ComparacionCalculada {
    Comparacion comparacion;
    std::string escenario, clima;
    std::string texto;
};

class VistaOpciones : public QWidget {
    Q_OBJECT
public:
    /// `pideTemporada` reads the window's inputs; none (after saying why) when they cannot be read.
    /// Comparisons run on `corrida`, the window's, one run at a time with its seasons.
    VistaOpciones(const Escenario& e, Interaccion& interaccion, CorridaTemporada& corrida,
                  std::function<QString()> rutaEscenario, std::function<std::optional<PedidoTemporada>()> pideTemporada,
                  QWidget* parent = nullptr);

    /// The scenario as it is now: which options apply, and the range of each parameter.
    void Prepara();
    /// True when an option is checked: there is something to compare.
    bool HayMarcadas() const { return marcadas_; }
    /// The comparison shown was another scenario's or table's: it goes.
    void Olvida();
    /// "Agregar esce&nario…": a scenario file through the open dialog, then AgregaArchivo.
    void EligeEscenario();
    /// Adds the scenario at `ruta` as an option, checked; a file that cannot be read or run says
    /// why and adds nothing.
    bool AgregaArchivo(const QString& ruta);
    /// "&Compara": the scenario and each option checked over the season, started off the window's
    /// thread; a refused investment or price, or a season that cannot run, is a warning and leaves
    /// what was shown.
    void Compara();
    /// While a run goes on the options, their figures and "Agregar escenario…" cannot change.
    void Bloquea(bool bloqueada);

    void ExportaTexto();
    void ExportaHojaCalculo();
    void Imprime(bool previa = false);

    const ComparacionCalculada* ComparacionMostrada() const { return calculada_ ? &*calculada_ : nullptr; }

signals:
    /// A comparison was shown or went, or an option was checked: what the window enables changes.
    void Cambio();

private:
    /// A row of the catalogue: its check box, its parameter (if any), its investment.
    struct FilaCatalogo {
        TipoOpcion tipo;
        QCheckBox* marca;
        QWidget* parametro;
        QLineEdit* inversion;
        QString motivo;  ///< why it cannot apply to the scenario; empty when it can
    };
    /// A scenario file added as an option.
    struct FilaArchivo {
        QString ruta;
        Escenario escenario;
        QCheckBox* marca;
        QLineEdit* inversion;
    };

    QWidget* CreaOpciones();
    QWidget* CreaCombustible(QWidget* grupo);
    void AgregaFila(TipoOpcion tipo, const char* nombre, const QString& texto, QWidget* parametro,
                    const QString& ayuda);
    QLineEdit* CreaInversion(const QString& que);
    Opcion OpcionDe(const FilaCatalogo& f) const;
    /// The options checked, as the core compares them; none (after a warning) when one is refused.
    std::optional<std::vector<OpcionAComparar>> OpcionesMarcadas(std::optional<double>& precioNuevo);
    /// An investment or price box: none when empty; false (and a warning) when it is not one.
    bool LeeCifraDe(QLineEdit* campo, const QString& que, std::optional<double>& importe);
    /// Paints what is enabled from the scenario, the table and the boxes checked.
    void Habilita();

    const Escenario& e;
    Interaccion& interaccion_;
    CorridaTemporada& corrida_;
    std::function<QString()> rutaEscenario_;
    std::function<std::optional<PedidoTemporada>()> pideTemporada_;
    std::vector<FilaCatalogo> catalogo_;
    std::vector<FilaArchivo> archivos_;
    std::optional<ComparacionCalculada> calculada_;
    bool marcadas_ = false;

    QGridLayout* rejilla_;
    QWidget* grupo_;
    QSpinBox *minima_, *eficiencia_;
    QComboBox* combustible_;
    QLineEdit* precioNuevo_;
    QPushButton* agrega_;
    QLabel* nota_;
    ModeloTemporada* modelo_;
    QTableView* tabla_;
    Grafico* grafico_;
};

}  // namespace hortelia
