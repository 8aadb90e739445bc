#pragma once

// The season window's tables: a season's month or day table holding each cell as the season's
// text writes it, showing its figures rounded in the user's language (the season's total in
// bold), and the view that shows it, whose Ctrl+C and "&Copia" copy the exact values.

#include <QAbstractTableModel>
#include <QStringList>
#include <QVector>

#include <functional>
#include <vector>

class QTableView;
class QWidget;

namespace hortelia {

/// A season's table: titles, rows, and a row in bold (the season's total). Qt::DisplayRole gives
/// a cell as shown, Qt::EditRole its exact value (a double for a figure).
class ModeloTemporada : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    /// `filas` as the season's text writes its cells (figures exact, with a point; words as
    /// they are); a figure of column c shows rounded to `decimales[c]` (CifraLocal), or as
    /// written when the column has none.
    void Llena(QStringList titulos, QVector<QStringList> filas, QList<int> decimales, int destacada = -1);
    /// `filas` rows, each written by `fila` (as Llena takes them) when it is shown or copied.
    void LlenaPorFila(QStringList titulos, int filas, std::function<QStringList(int)> fila, QList<int> decimales);
    /// A cell as shown: "1.234,57" in Spanish.
    QString Texto(int fila, int columna) const;
    /// A cell as the season's text writes it: "1234.5678".
    QString Exacto(int fila, int columna) const;
    QString Titulo(int columna) const { return titulos_.value(columna); }
    int Destacada() const { return destacada_; }

    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& i, int rol) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion, int rol) const override;

private:
    QStringList titulos_;
    QVector<QStringList> filas_;
    QList<int> decimales_;
    int destacada_ = -1;
    std::function<QStringList(int)> escribeFila_;  ///< rows written when asked for, without filas_
    int cuantas_ = 0;
    mutable int filaEscrita_ = -1;  ///< the last row written, kept for its other cells
    mutable QStringList escrita_;
};

/// The decimals of a table's columns whose first holds the row's name (no decimals: shown as
/// written), then `deLasCeldas` of the figures.
QList<int> DecimalesTrasNombre(const std::vector<int>& deLasCeldas);

/// A read-only table of `modelo`, rows of one line, with "&Copia" in its context menu.
QTableView* CreaTablaTemporada(QWidget* padre, const char* nombre, const QString& accesible, ModeloTemporada* modelo);

/// The selected cells of `tabla` (a ModeloTemporada's) as tab-separated rows, each figure exact,
/// without group separators, with the decimal separator of the user's language (Ctrl+C).
QString TextoSeleccionado(const QTableView* tabla);

}  // namespace hortelia
