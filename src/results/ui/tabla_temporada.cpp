#include "results/ui/tabla_temporada.h"

#include "numeros/conversiones.h"
#include "ui/cifra_local.h"
#include "ui/tabla_copiable.h"

#include <QHeaderView>
#include <QTableView>

namespace hortelia {

void ModeloTemporada::Llena(QStringList titulos, QVector<QStringList> filas, QList<int> decimales, int destacada) {
    beginResetModel();
    titulos_ = std::move(titulos);
    filas_ = std::move(filas);
    decimales_ = std::move(decimales);
    destacada_ = destacada;
    escribeFila_ = nullptr;
    cuantas_ = static_cast<int>(filas_.size());
    filaEscrita_ = -1;
    endResetModel();
}

void ModeloTemporada::LlenaPorFila(QStringList titulos, int filas, std::function<QStringList(int)> fila,
                                   QList<int> decimales) {
    beginResetModel();
    titulos_ = std::move(titulos);
    filas_.clear();
    decimales_ = std::move(decimales);
    destacada_ = -1;
    escribeFila_ = std::move(fila);
    cuantas_ = filas;
    filaEscrita_ = -1;
    endResetModel();
}

QString ModeloTemporada::Exacto(int fila, int columna) const {
    if (!escribeFila_) return filas_.value(fila).value(columna);
    if (fila < 0 || fila >= cuantas_) return {};
    if (fila != filaEscrita_) {
        escrita_ = escribeFila_(fila);
        filaEscrita_ = fila;
    }
    return escrita_.value(columna);
}

QString ModeloTemporada::Texto(int fila, int columna) const {
    const QString exacto = Exacto(fila, columna);
    const int decimales = decimales_.value(columna, -1);
    const auto x = decimales < 0 ? std::nullopt : NumeroDeCelda(exacto.toStdString());
    return x ? CifraLocal(*x, decimales) : exacto;
}

int ModeloTemporada::rowCount(const QModelIndex& padre) const { return padre.isValid() ? 0 : cuantas_; }

int ModeloTemporada::columnCount(const QModelIndex& padre) const {
    return padre.isValid() ? 0 : static_cast<int>(titulos_.size());
}

QVariant ModeloTemporada::data(const QModelIndex& i, int rol) const {
    if (!i.isValid()) return {};
    switch (rol) {
    case Qt::DisplayRole: return Texto(i.row(), i.column());
    case Qt::EditRole: {
        const QString exacto = Exacto(i.row(), i.column());
        const auto x = NumeroDeCelda(exacto.toStdString());
        return x ? QVariant(*x) : QVariant(exacto);
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter | (i.column() == 0 ? Qt::AlignLeft : Qt::AlignRight));
    case Qt::FontRole:
        if (i.row() == destacada_) {
            QFont negrita;
            negrita.setBold(true);
            return negrita;
        }
        return {};
    default: return {};
    }
}

QVariant ModeloTemporada::headerData(int seccion, Qt::Orientation orientacion, int rol) const {
    if (orientacion == Qt::Horizontal && rol == Qt::DisplayRole) return Titulo(seccion);
    return QAbstractTableModel::headerData(seccion, orientacion, rol);
}

QString TextoSeleccionado(const QTableView* tabla) {
    const auto* copiable = dynamic_cast<const TablaCopiable*>(tabla);
    return copiable ? copiable->TextoSeleccionado() : QString();
}

QList<int> DecimalesTrasNombre(const std::vector<int>& deLasCeldas) {
    QList<int> d{-1};
    for (const int k : deLasCeldas) d << k;
    return d;
}

QTableView* CreaTablaTemporada(QWidget* padre, const char* nombre, const QString& accesible, ModeloTemporada* modelo) {
    auto* t = new TablaCopiable([modelo](const QModelIndex& i) { return modelo->Exacto(i.row(), i.column()); }, padre);
    t->setObjectName(nombre);
    t->setAccessibleName(accesible);
    t->setModel(modelo);
    // Rows of one line: a year of days takes no time to lay out.
    t->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
    return t;
}

}  // namespace hortelia
