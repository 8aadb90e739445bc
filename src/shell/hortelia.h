#pragma once

// Hortelia, the main window. How the data flows:
//  - main() owns the one Escenario; the window and every panel work on it by reference,
//    through the Contexto they share: the record, the navigation state (Protocolo), the
//    summary column (Resumen) and the way to ask the user (Interaccion).
//  - At construction PonValoresIniciales sets the start values (it runs the weather models),
//    then the ten input panels are built showing the record as it stands.
//  - The start frame stands in front until "&Inicio"; then the working view: ten side buttons
//    under three headings, the summary column, "&Salir" and "&Procesamiento datos".
//  - A side button or a Datos entry opens its panel in the working area; its "&Acepta datos"
//    writes the record and its summary lines and marks it accepted. Protocolo alone decides
//    what is enabled, from which panels are accepted, which is open and whether results show.
//  - ProcesaDia runs the day (SimulaDia) on the record, shows the results frame at hour 1 and
//    locks the inputs until its "&Cierra"; "&Planilla de datos" fills and shows the data sheet.
//  - The Temporada entry (enabled when processing is) opens the season window for the scenario
//    on screen; it runs on copies of the record. A change of scenario discards its season.
//  - AbreArchivo reads a whole scenario file into the record (or refuses it, changing nothing),
//    then the summary and every panel show the loaded values; GuardaArchivo writes the file.
//  - "&Abrir este día" of the season window puts a record's day into the record as a new,
//    unsaved scenario (after the unsaved-changes question), shown as a loaded file is.

#include "engine/carga_escenario.h"
#include "scenario/escenario.h"
#include "ui/interaccion.h"
#include "ui/panel.h"
#include "ui/protocolo.h"

#include <QList>
#include <QMainWindow>
#include <QSet>

#include <memory>
#include <string>

class QAction;
class QCloseEvent;
class QDragEnterEvent;
class QDropEvent;
class QMimeData;
class QLabel;
class QMenu;
class QPushButton;

namespace hortelia {

class PanelResultados;
class Planilla;
class Resumen;
class VentanaTemporada;

class Hortelia : public QMainWindow {
    Q_OBJECT
public:
    /// `interaccion` answers everything the window asks the user; by default Qt's dialogs.
    explicit Hortelia(Escenario& e, Interaccion* interaccion = nullptr, QWidget* parent = nullptr);
    ~Hortelia() override;

    /// The ten input panels in the order of their side buttons, roof to wind.
    const QList<Panel*>& Paneles() const { return paneles_; }
    /// The data sheet, once "&Planilla de datos" has created it.
    Planilla* PlanillaCreada() const { return planilla_; }
    /// The season window, once the Temporada entry has created it.
    VentanaTemporada* TemporadaCreada() const { return temporada_; }

    /// "&Inicio": the working view.
    void Inicia();
    /// "&Salir" and the menu's "&Sale": closes the window, asking first about unsaved changes.
    void Sale();
    /// "&Procesamiento datos" and the Procesamiento entry: the daily run and its results frame.
    void ProcesaDia();
    /// The Temporada entry: the season window for the scenario on screen.
    void AbreTemporada();
    /// Archivos menu: load and save a scenario file.
    void AbreArchivo();
    /// Loads the scenario at `ruta` (a refused file says why and changes nothing); what "&Abre",
    /// a file dropped on the window and a file named on the command line do once it is chosen.
    bool CargaArchivo(const QString& ruta);
    void GuardaArchivo();
    /// Results frame: "&Planilla de datos", "&Imprime", "&Vista previa", "&Cierra". The print
    /// is headed by the scenario's name and the time it was printed.
    void AbrePlanilla();
    void ImprimeResultados();
    void MuestraVistaPreviaResultados();
    void CierraResultados();

    /// The scenario changed since it was loaded or saved (a run is no change).
    bool HayCambios() const;

protected:
    void closeEvent(QCloseEvent* evento) override;
    /// A scenario file dropped on the window opens as "&Abre" would, while "&Abre" is enabled.
    void dragEnterEvent(QDragEnterEvent* evento) override;
    void dropEvent(QDropEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    // The file operations (hortelia_archivos.cpp).
    /// Saves the scenario where the user chooses; false when cancelled or failed.
    bool Guarda();
    /// The unsaved-changes question: true when the scenario on screen may be replaced or the
    /// program left, because nothing is unsaved, or the user saved it or chose to discard it.
    bool PuedeDejarElEscenario();
    /// "Hortelia — NOMBRE.hrt" with Qt's modified mark.
    void ActualizaTitulo();
    /// The scenario as a print names it: its file's name, "sin nombre" before it has one.
    QString NombreParaImprimir() const;
    /// The record holds a scenario just loaded: the results, data sheet and open panel show it,
    /// the summary and every panel show its values as accepted.
    void MuestraEscenarioNuevo(bool dimensionesValidas);
    /// A record's day from the season window becomes the scenario on screen, new and unsaved,
    /// its save proposed as the scenario's name and `fecha`; the season stays, hidden.
    void AbreDiaDeRegistro(const Escenario& dia, const QString& fecha);
    /// Loads the scenario at `ruta` and shows it; a refused file changes nothing.
    ResultadoCarga Carga(const QString& ruta);
    /// The recent files kept between runs (QSettings), at most six, and which of them cannot
    /// be read now; at start and after every file operation, never when the menu opens.
    void LeeRecientes();
    void MiraRecientes();
    /// Puts `ruta` first among the recent files.
    void RecuerdaReciente(const QString& ruta);
    void OlvidaReciente(const QString& ruta);
    void LlenaRecientes();
    /// A recent file chosen: loaded, or, when it cannot be, the user may take it off the list.
    void AbreReciente(const QString& ruta);
    /// The one scenario file (.hrt) a drag brings, or "" when it brings anything else.
    QString EscenarioArrastrado(const QMimeData* datos) const;

    // The navigation it paints (hortelia_navegacion.cpp).
    void CreaMenus();
    void CreaMenuArchivo();
    void CreaMenuDatos();
    QWidget* CreaInicio();
    QWidget* CreaVistaTrabajo();
    QWidget* CreaColumnaBotones();

    void CreaPaneles();
    /// Places a frame in the working area, hidden; show() and raise() bring it in front.
    void PonEnAreaDeTrabajo(QWidget* frame);
    void Avisa(Interaccion::Gravedad gravedad, const QString& texto);

    Escenario& e;
    std::unique_ptr<InteraccionQt> interaccionQt_;
    Interaccion& interaccion_;
    std::unique_ptr<Protocolo> protocolo_;
    std::unique_ptr<Contexto> contexto_;
    Resumen* resumen_ = nullptr;
    QWidget* inicio_ = nullptr;
    QWidget* vistaTrabajo_ = nullptr;
    QWidget* areaTrabajo_ = nullptr;
    QMenu *menuArchivo_ = nullptr, *menuDatos_ = nullptr, *menuRecientes_ = nullptr;
    QAction *entradaProceso_ = nullptr, *entradaTemporada_ = nullptr;
    QPushButton *salir_ = nullptr, *procesa_ = nullptr;
    QList<QPushButton*> laterales_;  ///< BotTecho .. BotViento
    QList<QLabel*> titulos_;         ///< the three headings of the side column
    QList<QAction*> entradas_;       ///< the Datos entries, in the order of the side buttons
    QList<Panel*> paneles_;
    PanelResultados* resultados_ = nullptr;
    Planilla* planilla_ = nullptr;
    VentanaTemporada* temporada_ = nullptr;
    QStringList recientes_;        ///< the scenarios opened or saved lately, newest first
    QSet<QString> noDisponibles_;  ///< those of them the last look found unreadable
    QString rutaEscenario_;        ///< the scenario's file, once opened or saved
    QString propuesto_;            ///< where a new scenario without a file is proposed to be saved
    std::string huellaGuardada_;   ///< HuellaEscenario when last loaded or saved (or at start)
    bool tituloPendiente_ = false;
};

}  // namespace hortelia
