#pragma once

// The season window's report: the line of its days and place (with a warning when days were left
// out), the totals in large type (each with a line under it), the heater to install with the
// condition it was sized for, and in tabs the months and the days as tables (Ctrl+C copies the
// exact values of cells) and as charts, bars and lines. It shows a season or, before a run,
// "- - -" and empty charts and tables. "&Abrir este día", under the day table and in its menu, asks for
// the chosen day; the window decides when it is enabled.

#include "engine/temporada.h"
#include "results/ui/tabla_temporada.h"

#include <QWidget>

#include <array>
#include <memory>

class QAction;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableView;

namespace hortelia {

class Grafico;

class VistaTemporada : public QWidget {
    Q_OBJECT
public:
    explicit VistaTemporada(QWidget* parent = nullptr);

    /// Shows `temporada`, which must outlive the view's showing it (the day table reads it);
    /// none empties the totals, the charts and the tables.
    void Muestra(const Temporada* temporada);

    /// One of the totals as it shows: its title, its large figure and the line under it.
    struct TotalMostrado {
        QString titulo, valor, detalle;
    };
    QList<TotalMostrado> Totales() const;
    /// The line above the totals: the days of the season shown and the place of its file.
    QString Periodo() const;
    /// The lines around the totals that are not empty: the days left out, the heater's condition.
    QStringList Notas() const;
    /// The month table with the season's total in its last row.
    const ModeloTemporada& Meses() const { return *modeloMeses_; }
    /// The two charts of `temporada`, months and days, as new windowless charts for paper.
    static std::array<std::unique_ptr<Grafico>, 2> Graficos(const Temporada& temporada);

    /// The tabs of the month and day tables and of the charts.
    QTabWidget* Pestanias() const { return pestanias_; }
    /// The row of the day table the user is on, -1 when none.
    int FilaDiaElegida() const;
    /// Enables "&Abrir este día" (button and menu entry); `dia` names the day it opens.
    void HabilitaAbreDia(bool habilitado, const QString& dia);

signals:
    /// The user moved to another day of the day table, or the table changed.
    void diaElegidoCambia();
    /// "&Abrir este día".
    void abreDiaPedido();

private:
    QWidget* CreaTotales();
    QWidget* CreaPaginaDias();
    void MuestraTotales(const Temporada* temporada);
    void LlenaTablas(const Temporada* temporada);

    QLabel *periodo_, *aviso_, *notaDiseno_;
    QList<QLabel*> valores_, detalles_;  ///< the totals: large figure and the line under it
    QStringList titulosTotales_;
    Grafico *graficoMeses_, *graficoDias_;
    QTabWidget* pestanias_;
    ModeloTemporada *modeloMeses_, *modeloDias_;
    QTableView *tablaMeses_, *tablaDias_;
    QPushButton* abreDia_;
    QAction* accionAbreDia_;
};

}  // namespace hortelia
