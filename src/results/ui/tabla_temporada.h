#pragma once

// The season window's tables: a season's month or day table as texts (the figures as the window
// shows them, the season's total in bold), and the view that shows it, whose Ctrl+C and
// "&Copia" copy the whole selection.

#include <QAbstractTableModel>
#include <QStringList>
#include <QVector>

class QTableView;
class QWidget;

namespace hortelia {

/// A season's table as texts: titles, rows, and a row in bold (the season's total).
class ModeloTemporada : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void Llena(QStringList titulos, QVector<QStringList> filas, int destacada = -1);
    QString Texto(int fila, int columna) const { return filas_.value(fila).value(columna); }
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
};

/// A read-only table of `modelo`, rows of one line, with "&Copia" in its context menu.
QTableView* CreaTablaTemporada(QWidget* padre, const char* nombre, const QString& accesible, ModeloTemporada* modelo);

/// The selected cells of `tabla` (a ModeloTemporada's) as tab-separated rows, as shown without
/// their blank, numbers with the decimal separator of the user's language (Ctrl+C).
QString TextoSeleccionado(const QTableView* tabla);

}  // namespace hortelia
