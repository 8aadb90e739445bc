#include "results/ui/modelo_planilla.h"

#include "results/exportacion.h"
#include "results/hoja_planilla.h"
#include "scenario/catalogo.h"
#include "ui/texto_qt.h"

#include <QFont>
#include <QStringList>

namespace hortelia {
namespace {

// A title broken at blanks into lines of at most `ancho` characters (a longer word keeps its
// own line), so that fifteen columns fit a screen's width.
QString EnLineas(const QString& titulo, int ancho) {
    QStringList lineas;
    for (const QString& parte : titulo.split(QLatin1Char('\n'))) {
        QString linea;
        for (const QString& palabra : parte.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (!linea.isEmpty() && linea.size() + 1 + palabra.size() > ancho) {
                lineas << linea;
                linea.clear();
            }
            linea += (linea.isEmpty() ? QString() : QStringLiteral(" ")) + palabra;
        }
        lineas << linea;
    }
    return lineas.join(QLatin1Char('\n'));
}

}  // namespace

ModeloPlanilla::ModeloPlanilla(QObject* parent) : QAbstractTableModel(parent) {
    for (int c = 0; c < kColumnas; ++c)
        titulos_[static_cast<std::size_t>(c)] = EnLineas(Q(TitulosColumnas()[static_cast<std::size_t>(c)]), 10);
    for (const GrupoColumnas& g : kGruposColumnas) celdas_[kFilaGrupos][g.desde] = Q(g.titulo);
    celdas_[kFilaTotales][0] = QStringLiteral("Totales: ");
}

void ModeloPlanilla::Llena(const Escenario& e) {
    for (int h = 1; h <= 24; ++h) {
        const std::vector<std::string> celdas = CeldasHora(e, h);
        for (std::size_t c = 0; c < kColumnas; ++c)
            celdas_[static_cast<std::size_t>(h)][c] = celdas[c].empty() ? kSinControl : Q(celdas[c]);
    }
    const std::vector<std::string> totales = CeldasTotales(e);
    for (std::size_t i = 0; i < totales.size(); ++i) celdas_[kFilaTotales][kColumnasTotales[i]] = Q(totales[i]);
    titulos_[kColumnaCombustible] =
        EnLineas(Q(TituloColumna(kColumnaCombustible, UnidadCombustible(e.Combustible))), 10);
    emit dataChanged(index(0, 0), index(kFilas - 1, kColumnas - 1));
    emit headerDataChanged(Qt::Horizontal, 0, kColumnas - 1);
}

QString ModeloPlanilla::Texto(int fila, int columna) const {
    if (fila < 0 || fila >= kFilas || columna < 0 || columna >= kColumnas) return {};
    return celdas_[static_cast<std::size_t>(fila)][static_cast<std::size_t>(columna)];
}

QString ModeloPlanilla::Titulo(int columna) const {
    return columna < 0 || columna >= kColumnas ? QString() : titulos_[static_cast<std::size_t>(columna)];
}

int ModeloPlanilla::rowCount(const QModelIndex& padre) const { return padre.isValid() ? 0 : kFilas; }
int ModeloPlanilla::columnCount(const QModelIndex& padre) const { return padre.isValid() ? 0 : kColumnas; }

QVariant ModeloPlanilla::data(const QModelIndex& indice, int rol) const {
    if (!indice.isValid()) return {};
    const int fila = indice.row();
    switch (rol) {
    case Qt::DisplayRole: return Texto(fila, indice.column());
    case Qt::AccessibleTextRole: {
        // A screen reader says "sin control" rather than three dashes.
        const QString t = Texto(fila, indice.column());
        return t == kSinControl ? QStringLiteral("sin control") : t.trimmed();
    }
    case Qt::TextAlignmentRole:
        return fila == kFilaGrupos ? QVariant(Qt::AlignCenter) : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::FontRole:
        if (fila == kFilaGrupos || fila == kFilaTotales) {
            QFont negrita;
            negrita.setBold(true);
            return negrita;
        }
        return {};
    default: return {};
    }
}

QVariant ModeloPlanilla::headerData(int seccion, Qt::Orientation orientacion, int rol) const {
    if (orientacion == Qt::Vertical) {
        if (rol != Qt::DisplayRole) return {};
        if (seccion == kFilaGrupos) return QString();
        return seccion == kFilaTotales ? QStringLiteral("Totales") : QString::number(seccion);
    }
    switch (rol) {
    case Qt::DisplayRole: return Titulo(seccion);
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole: return Titulo(seccion).replace(QLatin1Char('\n'), QLatin1Char(' '));
    case Qt::TextAlignmentRole: return QVariant(Qt::AlignHCenter | Qt::AlignBottom);
    default: return {};
    }
}

}  // namespace hortelia
