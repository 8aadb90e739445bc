#pragma once

// The data sheet's table as a model: a first row with the headings of the column groups
// ("Ambiente externo" above columns 1..5, ...), the 24 hours and the totals row, 15 columns
// headed by TitulosColumnas (the fuel's unit under "Calefacc."). Texts are as the sheet has
// always shown them: number-to-text with its blank, " --- " for the control an hour did not
// use, "Totales: " with each total under its column. It holds the texts of the last run, so
// that the sheet keeps showing what it was filled with.

#include "scenario/escenario.h"

#include <QAbstractTableModel>
#include <QString>

#include <array>

namespace hortelia {

class ModeloPlanilla : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kFilaGrupos = 0;
    static constexpr int kFilaTotales = 25;  ///< hours are rows 1..24
    static constexpr int kFilas = 26;
    static constexpr int kColumnas = 15;
    static inline const QString kSinControl = QStringLiteral(" --- ");

    explicit ModeloPlanilla(QObject* parent = nullptr);

    /// Takes the texts of the last run, and the fuel's unit, from the record.
    void Llena(const Escenario& e);

    /// The text shown at (fila, columna); empty outside the table.
    QString Texto(int fila, int columna) const;
    /// Column title as headed, "\n" between its lines ("Calefacc.\n(litros)").
    QString Titulo(int columna) const;

    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int rol = Qt::DisplayRole) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion, int rol = Qt::DisplayRole) const override;

private:
    std::array<std::array<QString, kColumnas>, kFilas> celdas_;
    std::array<QString, kColumnas> titulos_;
};

}  // namespace hortelia
