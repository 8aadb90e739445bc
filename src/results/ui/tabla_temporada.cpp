#include "results/ui/tabla_temporada.h"

#include "ui/copia_tabla.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTableView>

namespace hortelia {

void ModeloTemporada::Llena(QStringList titulos, QVector<QStringList> filas, int destacada) {
    beginResetModel();
    titulos_ = std::move(titulos);
    filas_ = std::move(filas);
    destacada_ = destacada;
    endResetModel();
}

int ModeloTemporada::rowCount(const QModelIndex& padre) const {
    return padre.isValid() ? 0 : static_cast<int>(filas_.size());
}

int ModeloTemporada::columnCount(const QModelIndex& padre) const {
    return padre.isValid() ? 0 : static_cast<int>(titulos_.size());
}

QVariant ModeloTemporada::data(const QModelIndex& i, int rol) const {
    if (!i.isValid()) return {};
    switch (rol) {
    case Qt::DisplayRole: return Texto(i.row(), i.column());
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
    const auto* modelo = static_cast<const ModeloTemporada*>(tabla->model());
    return TextoParaCopiar(tabla, [modelo](const QModelIndex& i) { return modelo->Texto(i.row(), i.column()); });
}

namespace {

// Ctrl+C copies the whole selection, not only the current cell as a plain table view does.
class TablaTemporada : public QTableView {
public:
    using QTableView::QTableView;

protected:
    void keyPressEvent(QKeyEvent* evento) override {
        if (evento->matches(QKeySequence::Copy)) {
            QGuiApplication::clipboard()->setText(TextoSeleccionado(this));
            evento->accept();
            return;
        }
        QTableView::keyPressEvent(evento);
    }
};

}  // namespace

QTableView* CreaTablaTemporada(QWidget* padre, const char* nombre, const QString& accesible, ModeloTemporada* modelo) {
    auto* t = new TablaTemporada(padre);
    t->setObjectName(nombre);
    t->setAccessibleName(accesible);
    t->setModel(modelo);
    t->verticalHeader()->hide();
    // Rows of one line: a year of days takes no time to lay out.
    t->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::ExtendedSelection);
    t->setTabKeyNavigation(false);  // Tab goes on to the buttons
    t->setWordWrap(false);
    t->setAlternatingRowColors(true);
    auto* copia = new QAction(QStringLiteral("&Copia"), t);
    copia->setShortcut(QKeySequence::Copy);
    copia->setShortcutContext(Qt::WidgetShortcut);
    t->addAction(copia);
    t->setContextMenuPolicy(Qt::ActionsContextMenu);
    QObject::connect(copia, &QAction::triggered, t,
                     [t] { QGuiApplication::clipboard()->setText(TextoSeleccionado(t)); });
    return t;
}

}  // namespace hortelia
