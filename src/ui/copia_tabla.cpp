#include "ui/copia_tabla.h"

#include "results/hoja_calculo.h"

#include <QItemSelectionModel>
#include <QLocale>
#include <QStringList>
#include <QTableView>

#include <algorithm>

namespace hortelia {

QString TextoParaCopiar(const QTableView* tabla, const std::function<QString(const QModelIndex&)>& texto) {
    QModelIndexList elegidas = tabla->selectionModel()->selectedIndexes();
    if (elegidas.isEmpty() && tabla->currentIndex().isValid()) elegidas << tabla->currentIndex();
    if (elegidas.isEmpty()) return {};
    int arriba = elegidas.front().row(), abajo = arriba;
    int izquierda = elegidas.front().column(), derecha = izquierda;
    for (const QModelIndex& i : elegidas) {
        arriba = std::min(arriba, i.row());
        abajo = std::max(abajo, i.row());
        izquierda = std::min(izquierda, i.column());
        derecha = std::max(derecha, i.column());
    }
    const QString decimal = QLocale().decimalPoint();
    QStringList filas;
    for (int f = arriba; f <= abajo; ++f) {
        QStringList celdas;
        for (int c = izquierda; c <= derecha; ++c) {
            const QModelIndex indice = tabla->model()->index(f, c);
            QString t;
            if (elegidas.contains(indice)) {
                t = texto(indice).trimmed();
                if (NumeroDeCelda(t.toStdString())) t.replace(QLatin1Char('.'), decimal);
            }
            celdas << t;
        }
        filas << celdas.join(QLatin1Char('\t'));
    }
    return filas.join(QLatin1Char('\n'));
}

}  // namespace hortelia
