#pragma once

// The season window's report: the totals in large type (each with a line under it), the months
// as bars and the days as lines, and the months and the days as tables, one tab each (Ctrl+C
// copies cells). It shows a season or, before a run, "- - -" and empty charts and tables.

#include "engine/temporada.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <QVector>
#include <QWidget>

#include <array>
#include <memory>

class QLabel;
class QTabWidget;
class QTableView;

namespace hortelia {

class Grafico;

/// A season's table as texts: titles, rows, and a row in bold (the season's total).
class ModeloTemporada : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void Llena(QStringList titulos, QVector<QStringList> filas, int destacada = -1);
    QString Texto(int fila, int columna) const { return filas_.value(fila).value(columna); }
    QString Titulo(int columna) const { return titulos_.value(columna); }

    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& i, int rol) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion, int rol) const override;

private:
    QStringList titulos_;
    QVector<QStringList> filas_;
    int destacada_ = -1;
};

class VistaTemporada : public QWidget {
    Q_OBJECT
public:
    explicit VistaTemporada(QWidget* parent = nullptr);

    /// Shows `temporada`; none empties the totals, the charts and the tables.
    void Muestra(const Temporada* temporada);

    /// One of the totals as it shows: its title, its large figure and the line under it.
    struct TotalMostrado {
        QString titulo, valor, detalle;
    };
    QList<TotalMostrado> Totales() const;
    /// The line above the totals: the days of the season shown.
    QString Periodo() const;
    /// The month table with the season's total in its last row.
    const ModeloTemporada& Meses() const { return *modeloMeses_; }
    /// The two charts of `temporada`, months and days, as new windowless charts for paper.
    static std::array<std::unique_ptr<Grafico>, 2> Graficos(const Temporada& temporada);

private:
    QWidget* CreaTotales();
    void MuestraTotales(const Temporada* temporada);
    void LlenaTablas(const Temporada* temporada);

    QLabel* periodo_;
    QList<QLabel*> valores_, detalles_;  ///< the totals: large figure and the line under it
    QStringList titulosTotales_;
    Grafico *graficoMeses_, *graficoDias_;
    QTabWidget* pestanias_;
    ModeloTemporada *modeloMeses_, *modeloDias_;
    QTableView *tablaMeses_, *tablaDias_;
};

}  // namespace hortelia
