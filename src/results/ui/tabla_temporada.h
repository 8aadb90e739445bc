#pragma once

// The season window's tables: a season's month or day table as texts (the figures as the window
// shows them, the season's total in bold), and the view that shows it, whose Ctrl+C and
// "&Copia" copy the whole selection.

#include <QAbstractTableModel>
#include <QStringList>
#include <QVector>

#include <functional>

class QTableView;
class QWidget;

namespace hortelia {

/// A season's table as texts: titles, rows, and a row in bold (the season's total).
class ModeloTemporada : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void Llena(QStringList titulos, QVector<QStringList> filas, int destacada = -1);
    /// `filas` rows, each written by `fila` when it is shown or copied.
    void LlenaPorFila(QStringList titulos, int filas, std::function<QStringList(int)> fila);
    QString Texto(int fila, int columna) const;
    QString Titulo(int columna) const { return titulos_.value(columna); }
    int Destacada() const { return destacada_; }

    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& i, int rol) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion, int rol) const override;

private:
    QStringList titulos_;
    QVector<QStringList> filas_;
    int destacada_ = -1;
    std::function<QStringList(int)> escribeFila_;  ///< rows written when asked for, without filas_
    int cuantas_ = 0;
    mutable int filaEscrita_ = -1;  ///< the last row written, kept for its other cells
    mutable QStringList escrita_;
};

/// A read-only table of `modelo`, rows of one line, with "&Copia" in its context menu.
QTableView* CreaTablaTemporada(QWidget* padre, const char* nombre, const QString& accesible, ModeloTemporada* modelo);

/// The selected cells of `tabla` (a ModeloTemporada's) as tab-separated rows, as shown without
/// their blank, numbers with the decimal separator of the user's language (Ctrl+C).
QString TextoSeleccionado(const QTableView* tabla);

}  // namespace hortelia
