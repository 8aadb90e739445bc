#include "ui/tabla_copiable.h"

#include "numeros/conversiones.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLocale>
#include <QStringList>

#include <algorithm>

namespace hortelia {

TablaCopiable::TablaCopiable(std::function<QString(const QModelIndex&)> texto, QWidget* padre)
    : QTableView(padre), texto_(std::move(texto)) {
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setTabKeyNavigation(false);  // Tab goes on to the buttons
    setWordWrap(false);
    setAlternatingRowColors(true);
    auto* copia = new QAction(QStringLiteral("&Copia"), this);
    copia->setShortcut(QKeySequence::Copy);
    copia->setShortcutContext(Qt::WidgetShortcut);
    addAction(copia);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(copia, &QAction::triggered, this, &TablaCopiable::CopiaSeleccion);
}

void TablaCopiable::keyPressEvent(QKeyEvent* evento) {
    if (evento->matches(QKeySequence::Copy)) {
        CopiaSeleccion();
        evento->accept();
        return;
    }
    QTableView::keyPressEvent(evento);
}

void TablaCopiable::CopiaSeleccion() const { QGuiApplication::clipboard()->setText(TextoSeleccionado()); }

QString TablaCopiable::TextoSeleccionado() const {
    QModelIndexList elegidas = selectionModel()->selectedIndexes();
    if (elegidas.isEmpty() && currentIndex().isValid()) elegidas << currentIndex();
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
            const QModelIndex indice = model()->index(f, c);
            QString t;
            if (elegidas.contains(indice)) {
                t = texto_(indice).trimmed();
                if (NumeroDeCelda(t.toStdString())) t.replace(QLatin1Char('.'), decimal);
            }
            celdas << t;
        }
        filas << celdas.join(QLatin1Char('\t'));
    }
    return filas.join(QLatin1Char('\n'));
}

}  // namespace hortelia
