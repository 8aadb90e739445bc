#include "results/ui/vista_temporada.h"

#include "numeros/conversiones.h"
#include "results/informe_temporada.h"
#include "scenario/catalogo.h"
#include "ui/controles.h"
#include "ui/grafico.h"
#include "ui/tabla_copiable.h"
#include "ui/texto_qt.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

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

namespace {

// 1 kW = 859.845 kcal/h (the international table calorie: 3600 kJ/h over 4.1868 kJ/kcal).
constexpr double kKcalHPorKw = 859.845;

const QString kSinValor = QStringLiteral("- - -");

QTableView* CreaTabla(QWidget* padre, const char* nombre, const QString& accesible, ModeloTemporada* modelo) {
    auto* t = new TablaCopiable([modelo](const QModelIndex& i) { return modelo->Texto(i.row(), i.column()); }, padre);
    t->setObjectName(nombre);
    t->setAccessibleName(accesible);
    t->setModel(modelo);
    // Rows of one line: a year of days takes no time to lay out.
    t->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
    return t;
}

// A figure of the text as the window shows it (number-to-text without its blank); an empty cell
// (a cost without a price) stays empty.
QString Cifra(const std::string& exacto) {
    const auto x = NumeroDeCelda(exacto);
    return x ? Q(NumeroSinBlanco(*x)) : QString();
}

QStringList Fila(const std::string& nombre, const std::vector<std::string>& celdas) {
    QStringList f{Q(nombre)};
    for (const std::string& c : celdas) f << Cifra(c);
    return f;
}

QStringList Titulos(const std::vector<std::string>& titulos) {
    QStringList t;
    for (const std::string& s : titulos) t << Q(s);
    return t;
}

// A total in large type: cut to `decimales` (toward minus infinity, as every reduction of
// decimals), with its unit.
QString Total(double x, int decimales, const QString& unidad) {
    return Q(NumeroSinBlanco(Cortar(x, decimales))) + QLatin1Char(' ') + unidad;
}

// The months as bars: fuel on the left, water on the right.
Grafico* CreaGraficoMeses(QWidget* padre) {
    auto* g = new Grafico("MSCTempMeses", QStringLiteral("Combustible y agua por mes"), Grafico::Tipo::Barras, padre);
    g->PonSeries(2);
    g->NombreSerie(1, QStringLiteral("Combustible"));
    g->NombreSerie(2, QStringLiteral("Agua"));
    g->ColorSerie(1, 250, 0, 0);
    g->ColorSerie(2, 0, 0, 250);
    g->TituloEjeX(QStringLiteral("Mes"));
    return g;
}

// The days as lines: fuel on the left, the lowest inside temperature on the right.
Grafico* CreaGraficoDias(QWidget* padre) {
    auto* g = new Grafico("MSCTempDias", QStringLiteral("Combustible y temperatura interior mínima por día"),
                          Grafico::Tipo::Lineas, padre);
    g->PonSeries(2);
    g->NombreSerie(1, QStringLiteral("Combustible"));
    g->NombreSerie(2, QStringLiteral("Temp. mínima"));
    g->ColorSerie(1, 250, 0, 0);
    g->ColorSerie(2, 0, 0, 250);
    g->TituloEjeX(QStringLiteral("Día"));
    g->EjeDerecho(2, QStringLiteral("Temp. mínima interior (°C)"));
    return g;
}

void LlenaGraficoMeses(Grafico* g, const Temporada* temporada) {
    g->PonFilas(temporada ? static_cast<int>(temporada->meses.size()) : 0);
    if (temporada) {
        const Temporada& t = *temporada;
        // Water in m³ once a month holds ten of them, so that its scale reads easily.
        double aguaMayor = 0;
        for (const PeriodoTemporada& p : t.meses) aguaMayor = std::max(aguaMayor, p.agua);
        const bool metros = aguaMayor >= 10000;
        const bool variosAnios = t.tipo == TipoTablaClima::Diaria && t.desde.anio != t.hasta.anio;
        g->TituloEjeY(QStringLiteral("Combustible (%1)").arg(Q(t.unidadCombustible)));
        g->EjeDerecho(2, metros ? QStringLiteral("Agua (m³)") : QStringLiteral("Agua (l)"));
        for (int f = 1; f <= g->Filas(); ++f) {
            const PeriodoTemporada& p = t.meses[static_cast<std::size_t>(f - 1)];
            QString mes = Q(NombreMes(p.mes).substr(0, 3));
            if (variosAnios) mes += QStringLiteral(" %1").arg(p.anio);
            g->EtiquetaFila(f, mes);
            g->PonValor(f, 1, p.combustible);
            g->PonValor(f, 2, metros ? p.agua / 1000 : p.agua);
        }
    }
    g->Redibuja();
}

void LlenaGraficoDias(Grafico* g, const Temporada* temporada) {
    g->PonFilas(temporada ? static_cast<int>(temporada->dias.size()) : 0);
    if (temporada) {
        const Temporada& t = *temporada;
        g->TituloEjeY(QStringLiteral("Combustible (%1)").arg(Q(t.unidadCombustible)));
        QList<int> primeros;
        for (int f = 1; f <= g->Filas(); ++f) {
            const DiaTemporada& d = t.dias[static_cast<std::size_t>(f - 1)];
            g->EtiquetaFila(f, Q(NombreDiaTemporada(d.fecha, t.tipo)));
            g->PonValor(f, 1, d.combustible);
            g->PonValor(f, 2, d.tempMinInterior);
            if (d.fecha.dia == 1) primeros << f;
        }
        // The axis names the first of each month, of every other month or fewer in a long
        // season, so that six dates at most share its width.
        if (primeros.isEmpty() || primeros.front() > 15) primeros.prepend(1);
        const qsizetype paso = (primeros.size() + 5) / 6;
        QList<int> rotuladas;
        for (qsizetype k = 0; k < primeros.size(); k += paso) rotuladas << primeros[k];
        g->RotulaSoloFilas(rotuladas);
    }
    g->Redibuja();
}

}  // namespace

VistaTemporada::VistaTemporada(QWidget* parent) : QWidget(parent) {
    // The months as bars, the days as lines.
    graficoMeses_ = CreaGraficoMeses(this);
    graficoDias_ = CreaGraficoDias(this);
    auto* graficos = new QHBoxLayout;
    graficos->addWidget(graficoMeses_, 1);
    graficos->addWidget(graficoDias_, 1);

    // The months and the days as tables, one tab each.
    modeloMeses_ = new ModeloTemporada(this);
    modeloDias_ = new ModeloTemporada(this);
    tablaMeses_ = CreaTabla(this, "TablaMeses", QStringLiteral("Temporada mes por mes, con el total"), modeloMeses_);
    tablaDias_ = CreaTabla(this, "TablaDias", QStringLiteral("Temporada día por día"), modeloDias_);
    pestanias_ = new QTabWidget(this);
    pestanias_->setObjectName("PestaniasTemporada");
    pestanias_->addTab(tablaMeses_, QStringLiteral("&Meses"));
    pestanias_->addTab(tablaDias_, QStringLiteral("Día&s"));

    auto* todo = new QVBoxLayout(this);
    todo->setContentsMargins(0, 0, 0, 0);
    todo->addWidget(CreaTotales());
    todo->addLayout(graficos, 5);
    todo->addWidget(pestanias_, 4);
}

// The season's totals in large type, each with a line under it.
QWidget* VistaTemporada::CreaTotales() {
    auto* marcoTotales = new QFrame(this);
    marcoTotales->setObjectName("MarcoTotales");
    marcoTotales->setFrameShape(QFrame::StyledPanel);
    marcoTotales->setBackgroundRole(QPalette::Base);
    marcoTotales->setAutoFillBackground(true);
    auto* totales = new QGridLayout(marcoTotales);
    totales->setHorizontalSpacing(16);
    totales->setVerticalSpacing(0);
    periodo_ = CreaEtiqueta(marcoTotales, "PeriodoTemporada", QStringLiteral("Sin calcular"));
    QFont negrita = periodo_->font();
    negrita.setBold(true);
    periodo_->setFont(negrita);
    totales->addWidget(periodo_, 0, 0, 1, 6);
    titulosTotales_ = {QStringLiteral("Combustible"),           QStringLiteral("Agua asperjada"),
                       QStringLiteral("Horas de calefacción"),  QStringLiteral("Horas de refrigeración"),
                       QStringLiteral("Calefacción necesaria"), QStringLiteral("Temperatura interior mínima")};
    const char* const nombres[] = {"TotCombustible",        "TotAgua",     "TotHorasCalefaccion",
                                   "TotHorasRefrigeracion", "TotPotencia", "TotTempMinima"};
    QFont grande = font();
    grande.setPointSizeF(grande.pointSizeF() * 1.7);
    grande.setBold(true);
    for (int k = 0; k < titulosTotales_.size(); ++k) {
        auto* titulo = new QLabel(titulosTotales_[k], marcoTotales);
        titulo->setWordWrap(true);
        auto* valor = CreaEtiqueta(marcoTotales, nombres[k], kSinValor);
        valor->setFont(grande);
        valor->setTextInteractionFlags(Qt::TextSelectableByMouse);
        auto* detalle = CreaEtiqueta(marcoTotales, QByteArray(nombres[k]).replace("Tot", "Det").constData());
        totales->addWidget(titulo, 1, k, Qt::AlignBottom);
        totales->addWidget(valor, 2, k);
        totales->addWidget(detalle, 3, k, Qt::AlignTop);
        totales->setColumnStretch(k, 1);
        valores_ << valor;
        detalles_ << detalle;
    }
    return marcoTotales;
}

void VistaTemporada::Muestra(const Temporada* temporada) {
    MuestraTotales(temporada);
    LlenaGraficoMeses(graficoMeses_, temporada);
    LlenaGraficoDias(graficoDias_, temporada);
    LlenaTablas(temporada);
}

void VistaTemporada::LlenaTablas(const Temporada* temporada) {
    if (!temporada) {
        modeloMeses_->Llena({}, {});
        modeloDias_->Llena({}, {});
        return;
    }
    const Temporada& t = *temporada;
    QVector<QStringList> meses;
    for (const PeriodoTemporada& p : t.meses) meses << Fila(NombreMesTemporada(p, t.tipo), CeldasPeriodoTemporada(p));
    meses << Fila("Total", CeldasPeriodoTemporada(t.total));
    modeloMeses_->Llena(Titulos(TitulosMesesTemporada(t.unidadCombustible)), meses, static_cast<int>(meses.size()) - 1);
    QVector<QStringList> dias;
    dias.reserve(static_cast<qsizetype>(t.dias.size()));
    for (const DiaTemporada& d : t.dias) dias << Fila(NombreDiaTemporada(d.fecha, t.tipo), CeldasDiaTemporada(d));
    modeloDias_->Llena(Titulos(TitulosDiasTemporada(t.unidadCombustible)), dias);
}

void VistaTemporada::MuestraTotales(const Temporada* temporada) {
    if (!temporada) {
        periodo_->setText(
            QStringLiteral("Sin calcular: elija la tabla de clima, los días y, si quiere, los precios, y "
                           "pulse «Calcula»."));
        for (QLabel* l : valores_) l->setText(kSinValor);
        for (QLabel* l : detalles_) l->clear();
    } else {
        const Temporada& t = *temporada;
        const PeriodoTemporada& p = t.total;
        QString periodo = QStringLiteral("Del %1 al %2: %3 días")
                              .arg(Q(NombreDiaTemporada(t.desde, t.tipo)), Q(NombreDiaTemporada(t.hasta, t.tipo)))
                              .arg(p.dias);
        if (t.diasSinDatos > 0)
            periodo += QStringLiteral(" (a la tabla le faltan %1 días de ese lapso: no se suman)").arg(t.diasSinDatos);
        periodo_->setText(periodo + QLatin1Char('.'));
        const auto dias = [&](auto conHoras) {
            return static_cast<int>(std::count_if(t.dias.begin(), t.dias.end(), conHoras));
        };
        const auto costo = [](const std::optional<double>& c) {
            return c ? QStringLiteral("Costo: %1").arg(Q(NumeroSinBlanco(Cortar(*c, 2))))
                     : QStringLiteral("Sin precio");
        };
        const auto diaMinimo = std::find_if(t.dias.begin(), t.dias.end(), [&](const DiaTemporada& d) {
            return d.tempMinInterior == p.tempMinInterior;
        });
        const QString textos[][2] = {
            {Total(p.combustible, 2, Q(t.unidadCombustible)), costo(p.costoCombustible)},
            {Total(p.agua, 0, QStringLiteral("l")),
             Total(p.agua / 1000, 2, QStringLiteral("m³")) +
                 (p.costoAgua ? QStringLiteral(" · ") + costo(p.costoAgua) : QString())},
            {Q(NumeroSinBlanco(static_cast<double>(p.horasCalefaccion))),
             QStringLiteral("en %1 días").arg(dias([](const DiaTemporada& d) { return d.horasCalefaccion > 0; }))},
            {Q(NumeroSinBlanco(static_cast<double>(p.horasRefrigeracion))),
             QStringLiteral("en %1 días").arg(dias([](const DiaTemporada& d) { return d.horasRefrigeracion > 0; }))},
            {Total(p.potenciaPicoKw, 2, QStringLiteral("kW")),
             Total(p.potenciaPicoKw * kKcalHPorKw, 0, QStringLiteral("kcal/h"))},
            {Q(NumeroSinBlanco(p.tempMinInterior)) + QStringLiteral(" °C"),
             diaMinimo == t.dias.end() ? QString()
                                       : QStringLiteral("el %1").arg(Q(NombreDiaTemporada(diaMinimo->fecha, t.tipo)))},
        };
        for (int k = 0; k < valores_.size(); ++k) {
            valores_[k]->setText(textos[k][0]);
            detalles_[k]->setText(textos[k][1]);
        }
    }
    for (int k = 0; k < valores_.size(); ++k)
        valores_[k]->setAccessibleName(titulosTotales_[k] + QStringLiteral(": ") + valores_[k]->text() +
                                       (detalles_[k]->text().isEmpty() ? QString() : ", " + detalles_[k]->text()));
}

QList<VistaTemporada::TotalMostrado> VistaTemporada::Totales() const {
    QList<TotalMostrado> totales;
    for (int k = 0; k < valores_.size(); ++k)
        totales << TotalMostrado{titulosTotales_[k], valores_[k]->text(), detalles_[k]->text()};
    return totales;
}

QString VistaTemporada::Periodo() const { return periodo_->text(); }

std::array<std::unique_ptr<Grafico>, 2> VistaTemporada::Graficos(const Temporada& temporada) {
    std::array<std::unique_ptr<Grafico>, 2> graficos{std::unique_ptr<Grafico>(CreaGraficoMeses(nullptr)),
                                                     std::unique_ptr<Grafico>(CreaGraficoDias(nullptr))};
    LlenaGraficoMeses(graficos[0].get(), &temporada);
    LlenaGraficoDias(graficos[1].get(), &temporada);
    return graficos;
}

}  // namespace hortelia
