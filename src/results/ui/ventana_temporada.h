#pragma once

// The season window FTemporada ("Temporada"): the scenario on screen run over every day of a
// climate table or hourly record, as `hortelia-sim --temporada` runs it, for a grower who buys
// the fuel of a season and the heater for its coldest night. Created once, then shown and hidden.
//
// The grower chooses the climate table (a daily file, twelve monthly normals, an EPW typical
// year or a weather API's export; a refused one says what to do and where it failed), the first
// and last day, and, if wanted, the prices of fuel and water and the design temperature and wind
// (prefilled with the file's design condition; a field still holding it counts as the file's).
// "&Calcula" runs the season on copies of the record (never the record itself), off the
// window's thread (corrida_temporada.h): a bar shows the days run and "&Cancelar" stops it,
// leaving the results shown before; the inputs, "&Calcula" and the exports wait for its end,
// and closing the window stops it. The season's
// totals show in large type, with the heater to install and the condition it was sized for,
// the months as bars, the days as lines, and the months and days as tables (Ctrl+C copies
// cells). "&Guarda" writes the batch tool's text, "Guarda como ho&ja de cálculo (.xlsx)" a
// workbook of numbers, "&Imprime" the totals, the two charts and the month table on paper, and
// "&Vista previa" shows that paper first. The table, the days, the prices and the design
// condition are kept for the next run of the program (preferencias_temporada.h).
// "&Abrir este día" hands a complete day of an hourly record, as the scenario's own day, to
// whoever set alAbrirDia (the main window, which asks about unsaved changes first).
//
// Its "&Opciones" part (vista_opciones.h) sets options beside the scenario over the same season:
// what each costs, saves and when it pays back. The three exports write the part in front.

#include "engine/temporada.h"
#include "results/ui/salidas_temporada.h"
#include "scenario/escenario.h"
#include "weather/tabla_clima.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QLayout;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTimer;

namespace hortelia {

class CorridaTemporada;
class EditorFecha;
class FilaDiseno;
class Interaccion;
class VistaOpciones;
class VistaTemporada;
struct PedidoTemporada;

class VentanaTemporada : public QWidget {
    Q_OBJECT
public:
    /// `rutaEscenario` gives the scenario's file ("" before one is saved or opened): the saved
    /// text names it, and the files written are proposed beside it.
    VentanaTemporada(const Escenario& e, Interaccion& interaccion, std::function<QString()> rutaEscenario,
                     QWidget* parent = nullptr);
    ~VentanaTemporada() override;

    /// Shows the window for the scenario as it is now (its fuel names the price's unit).
    void Abre();
    /// The scenario changed: the season shown was another's. The results go and the window
    /// hides; the table, the days and the prices stay for the next season.
    void Descarta();
    /// "Cie&rra" and Escape: a season running stops, and the window hides.
    void Cierra();

    /// "&Elige tabla de clima…": a file through the open dialog, then CargaTabla.
    void EligeTabla();
    /// Reads the table at `ruta`. A refused table says what to do and why (line, column) and
    /// leaves the window as it was; a table read resets the days to the whole table. With
    /// `avisa` false a refused table is not mentioned.
    bool CargaTabla(const QString& ruta, bool avisa = true);
    /// "&Calcula": the season from the days and prices chosen, started off the window's thread;
    /// a refused price or a season that cannot run is a warning and leaves the results shown.
    void Calcula();
    /// "&Guarda": the text of `hortelia-sim --temporada`, to a chosen file.
    void ExportaTexto();
    /// "Guarda como &hoja de cálculo (.xlsx)": the head, the months and the days as numbers.
    void ExportaHojaCalculo();
    /// "&Imprime" and Ctrl+P: the totals, the two charts and the month table, landscape.
    void Imprime();
    /// "&Vista previa": the same pages on screen.
    void MuestraVistaPrevia();

    /// "&Abrir este día": the chosen day of the record put into a copy of the scenario.
    void AbreDia();

    /// True from "&Calcula" or "&Compara" until the run ends or is cancelled.
    bool Corriendo() const;
    /// The season shown, none before a run.
    const Temporada* TemporadaMostrada() const { return calculada_ ? &calculada_->temporada : nullptr; }

    /// Takes a record's day as the scenario on screen: `dia` is the scenario with that day's
    /// hours, `fecha` the day as the batch tool writes it ("2024-07-03", "06-21").
    std::function<void(const Escenario& dia, const QString& fecha)> alAbrirDia;

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    /// The climate table's row: its file and the button that chooses it.
    QLayout* CreaFilaClima();
    /// The days, the prices, the run's progress and "&Calcula".
    QLayout* CreaFilaDatos();
    /// The progress bar and "&Cancelar" of a run, hidden until one starts.
    void CreaAvance();
    /// The row of "&Guarda", the workbook, "&Imprime" and "Cie&rra".
    QLayout* CreaBotones();
    /// No season shown: totals, charts and tables empty, exports disabled.
    void OlvidaTemporada();
    /// The date editors for the table read: its whole range, or a year of normals.
    void PreparaFechas();
    /// One price from its box: none when empty; false (and a warning) when it is not a number.
    bool LeePrecio(QLineEdit* campo, const QString& que, std::optional<double>& precio);
    /// The complete day of an hourly record chosen in the day table; none otherwise.
    const DiaClima* DiaParaAbrir() const;
    /// The days and prices as typed; none (after a warning) when a price is not a number.
    std::optional<OpcionesTemporada> LeeEntradas();
    /// The table and the inputs, for the options' comparison; none without a table or inputs.
    std::optional<PedidoTemporada> PideTemporada();
    /// Enables what the table, the results and a run under way allow.
    void Habilita();
    /// The progress bar: the days run of the days in all.
    void MuestraAvance();
    /// What the tab in front shows, on paper or, with `previa`, on screen first.
    void Sale(bool previa);
    /// The table, the days, the prices and the design condition into the settings.
    void GuardaPreferencias();
    /// Those of the last run: a table that is no longer there, or is refused, is left out.
    void RestauraPreferencias();

    const Escenario& e;
    Interaccion& interaccion_;
    std::function<QString()> rutaEscenario_;
    std::shared_ptr<const TablaClima> tabla_;  ///< shared, never changed, with a run under way
    QString rutaClima_;
    std::optional<TemporadaCalculada> calculada_;
    bool dimensionada_ = false;
    bool restaurando_ = false;

    QLineEdit* campoClima_;
    QLabel* tipoTabla_;
    EditorFecha *desde_, *hasta_;
    QLabel* etiquetaPrecioCombustible_;
    QLineEdit *precioCombustible_, *precioAgua_;
    FilaDiseno* diseno_;
    QPushButton *elige_, *calcula_, *cancela_, *guarda_, *guardaHoja_, *imprime_, *previa_, *cierra_;
    QProgressBar* progreso_;
    QTimer* reloj_;  ///< repaints the progress while a run goes on
    CorridaTemporada* corrida_;
    VistaTemporada* vista_;
    VistaOpciones* opciones_;
    QTabWidget* partes_;
};

}  // namespace hortelia
