#include "results/ui/vista_temporada.h"

#include "numeros/conversiones.h"
#include "results/informe_temporada.h"
#include "results/ui/cifras_temporada.h"
#include "results/ui/graficos_temporada.h"
#include "results/ui/tabla_temporada.h"
#include "scenario/catalogo.h"
#include "ui/controles.h"
#include "ui/grafico.h"
#include "ui/tabla_copiable.h"
#include "ui/texto_qt.h"

#include <QAction>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace hortelia {

namespace {

const QString kSinValor = QStringLiteral("- - -");

QStringList Fila(const std::string& nombre, const std::vector<std::string>& celdas) {
    QStringList f{Q(nombre)};
    for (const std::string& c : celdas) f << Q(c);
    return f;
}

QStringList Titulos(const std::vector<std::string>& titulos) {
    QStringList t;
    for (const std::string& s : titulos) t << Q(s);
    return t;
}

// A heater's output and the line under it: none (with `sinValor` under it), a heater no night
// needs, or kW over kcal/h.
std::pair<QString, QString> Potencia(const std::optional<double>& kw, const QString& sinValor) {
    if (!kw) return {kSinValor, sinValor};
    if (*kw <= 0) return {QStringLiteral("No hace falta"), QStringLiteral("ninguna noche la pide")};
    return {PotenciaKw(*kw), PotenciaKcalH(*kw)};
}

// The totals' large figures and the lines under them, in the order of their titles.
std::array<std::pair<QString, QString>, 7> TextosTotales(const Temporada& t) {
    const PeriodoTemporada& p = t.total;
    const auto dias = [&](auto conHoras) {
        return static_cast<int>(std::count_if(t.dias.begin(), t.dias.end(), conHoras));
    };
    const auto diaMinimo = std::find_if(t.dias.begin(), t.dias.end(),
                                        [&](const DiaTemporada& d) { return d.tempMinInterior == p.tempMinInterior; });
    return {{
        {Total(p.combustible, 2, Q(t.unidadCombustible)), Costo(p.costoCombustible)},
        {Total(p.agua, 0, QStringLiteral("l")),
         Total(p.agua / 1000, 2, QStringLiteral("m³")) +
             (p.costoAgua ? QStringLiteral(" · ") + Costo(p.costoAgua) : QString())},
        {Cuenta(p.horasCalefaccion),
         QStringLiteral("en %1 días").arg(dias([](const DiaTemporada& d) { return d.horasCalefaccion > 0; }))},
        {Cuenta(p.horasRefrigeracion),
         QStringLiteral("en %1 días").arg(dias([](const DiaTemporada& d) { return d.horasRefrigeracion > 0; }))},
        {Temperatura(p.tempMinInterior),
         diaMinimo == t.dias.end() ? QString()
                                   : QStringLiteral("el %1").arg(Q(NombreDiaTemporada(diaMinimo->fecha, t.tipo)))},
        Potencia(t.potenciaDisenoKw, QStringLiteral("sin temperatura de diseño")),
        Potencia(p.horasCalefaccion > 0 ? std::optional(p.potenciaPicoKw) : std::optional(0.0), QString()),
    }};
}

}  // namespace

VistaTemporada::VistaTemporada(QWidget* parent) : QWidget(parent) {
    // The months and the days as tables and as charts, one tab each, the month table first and
    // whole on a screen of 1024 x 768; a day of a record opens from its table.
    modeloMeses_ = new ModeloTemporada(this);
    modeloDias_ = new ModeloTemporada(this);
    pestanias_ = new QTabWidget(this);  // first, so that Tab reaches its tabs before their pages
    pestanias_->setObjectName("PestaniasTemporada");
    pestanias_->setAccessibleName(QStringLiteral("Meses, días y gráficos de la temporada"));
    tablaMeses_ =
        CreaTablaTemporada(this, "TablaMeses", QStringLiteral("Temporada mes por mes, con el total"), modeloMeses_);
    pestanias_->addTab(tablaMeses_, QStringLiteral("&Meses"));
    pestanias_->addTab(CreaPaginaDias(), QStringLiteral("Día&s"));
    // The months as bars, the days as lines.
    auto* paginaGraficos = new QWidget(this);
    graficoMeses_ = CreaGraficoMeses(paginaGraficos);
    graficoDias_ = CreaGraficoDias(paginaGraficos);
    auto* graficos = new QHBoxLayout(paginaGraficos);
    graficos->setContentsMargins(0, 0, 0, 0);
    graficos->addWidget(graficoMeses_, 1);
    graficos->addWidget(graficoDias_, 1);
    pestanias_->addTab(paginaGraficos, QStringLiteral("Grá&ficos"));

    auto* todo = new QVBoxLayout(this);
    todo->setContentsMargins(0, 0, 0, 0);
    todo->addWidget(CreaTotales());
    todo->addWidget(pestanias_, 1);
}

// The day table, and under it "&Abrir este día", also in the table's context menu.
QWidget* VistaTemporada::CreaPaginaDias() {
    auto* pagina = new QWidget(this);
    tablaDias_ = CreaTablaTemporada(pagina, "TablaDias", QStringLiteral("Temporada día por día"), modeloDias_);
    abreDia_ = CreaBoton(pagina, "AbreDia", QStringLiteral("&Abrir este día"));
    Explica(abreDia_, QStringLiteral("Pone el día elegido de un registro horario, con sus 24 horas, como el día del "
                                     "escenario de la ventana principal (un escenario nuevo, sin guardar)"));
    accionAbreDia_ = new QAction(QStringLiteral("&Abrir este día"), tablaDias_);
    tablaDias_->addAction(accionAbreDia_);
    auto* fila = new QHBoxLayout;
    fila->addStretch(1);
    fila->addWidget(abreDia_);
    auto* caja = new QVBoxLayout(pagina);
    caja->setContentsMargins(0, 0, 4, 4);
    caja->addWidget(tablaDias_, 1);
    caja->addLayout(fila);
    connect(abreDia_, &QPushButton::clicked, this, &VistaTemporada::abreDiaPedido);
    connect(accionAbreDia_, &QAction::triggered, this, &VistaTemporada::abreDiaPedido);
    connect(tablaDias_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &VistaTemporada::diaElegidoCambia);
    connect(modeloDias_, &QAbstractItemModel::modelReset, this, &VistaTemporada::diaElegidoCambia);
    return pagina;
}

int VistaTemporada::FilaDiaElegida() const {
    const QModelIndex i = tablaDias_->currentIndex();
    return i.isValid() ? i.row() : -1;
}

void VistaTemporada::HabilitaAbreDia(bool habilitado, const QString& dia) {
    abreDia_->setEnabled(habilitado);
    accionAbreDia_->setEnabled(habilitado);
    abreDia_->setAccessibleName(habilitado ? QStringLiteral("Abrir el día %1 en la ventana principal").arg(dia)
                                           : QStringLiteral("Abrir este día (elija un día de un registro horario)"));
}

// The season's totals in large type, each with a line under it, between the line of its days
// (and what they lack) and the line of the heater to install.
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
    periodo_->setWordWrap(true);
    QFont negrita = periodo_->font();
    negrita.setBold(true);
    periodo_->setFont(negrita);
    aviso_ = CreaEtiqueta(marcoTotales, "AvisoTemporada");
    aviso_->setStyleSheet(QStringLiteral("color: #a0281e;"));  // dark red, 6:1 on white
    notaDiseno_ = CreaEtiqueta(marcoTotales, "NotaDiseno");
    for (QLabel* l : {aviso_, notaDiseno_}) l->setWordWrap(true);
    aviso_->hide();
    // A line held before a run too, so that the charts keep their place when it fills.
    notaDiseno_->setMinimumHeight(notaDiseno_->fontMetrics().height() + 4);
    titulosTotales_ = {QStringLiteral("Combustible"),
                       QStringLiteral("Agua asperjada"),
                       QStringLiteral("Horas de calefacción"),
                       QStringLiteral("Horas de refrigeración"),
                       QStringLiteral("Temperatura interior mínima"),
                       QStringLiteral("Calefacción a instalar"),
                       QStringLiteral("Pico de la temporada")};
    const char* const nombres[] = {
        "TotCombustible", "TotAgua", "TotHorasCalefaccion", "TotHorasRefrigeracion", "TotTempMinima",
        "TotInstalar",    "TotPico"};
    const int columnas = static_cast<int>(titulosTotales_.size());
    totales->addWidget(periodo_, 0, 0, 1, columnas);
    totales->addWidget(aviso_, 1, 0, 1, columnas);
    QFont grande = font();
    grande.setPointSizeF(grande.pointSizeF() * 1.7);
    grande.setBold(true);
    for (int k = 0; k < columnas; ++k) {
        auto* titulo = new QLabel(titulosTotales_[k], marcoTotales);
        titulo->setWordWrap(true);
        auto* valor = CreaEtiqueta(marcoTotales, nombres[k], kSinValor);
        valor->setFont(grande);
        valor->setTextInteractionFlags(Qt::TextSelectableByMouse);
        auto* detalle = CreaEtiqueta(marcoTotales, QByteArray(nombres[k]).replace("Tot", "Det").constData());
        totales->addWidget(titulo, 2, k, Qt::AlignBottom);
        totales->addWidget(valor, 3, k);
        totales->addWidget(detalle, 4, k, Qt::AlignTop);
        totales->setColumnStretch(k, 1);
        valores_ << valor;
        detalles_ << detalle;
        if (k == 0)
            for (QWidget* w : {static_cast<QWidget*>(titulo), static_cast<QWidget*>(valor)})
                Explica(w, PorQueMasCombustible());
    }
    notaDiseno_->setContentsMargins(0, 4, 0, 0);
    totales->addWidget(notaDiseno_, 5, 0, 1, columnas);
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
        modeloMeses_->Llena({}, {}, {});
        modeloDias_->Llena({}, {}, {});
        return;
    }
    const Temporada& t = *temporada;
    QVector<QStringList> meses;
    for (const PeriodoTemporada& p : t.meses) meses << Fila(NombreMesTemporada(p, t.tipo), CeldasPeriodoTemporada(p));
    meses << Fila("Total", CeldasPeriodoTemporada(t.total));
    modeloMeses_->Llena(Titulos(TitulosMesesTemporada(t.unidadCombustible)), meses,
                        DecimalesTrasNombre(DecimalesPeriodoTemporada()), static_cast<int>(meses.size()) - 1);
    // The days written as the view asks for them: a long season's would not fit in memory as texts.
    modeloDias_->LlenaPorFila(
        Titulos(TitulosDiasTemporada(t.unidadCombustible)), static_cast<int>(t.dias.size()),
        [&t](int i) {
            const DiaTemporada& d = t.dias[static_cast<std::size_t>(i)];
            return Fila(NombreDiaTemporada(d.fecha, t.tipo), CeldasDiaTemporada(d));
        },
        DecimalesTrasNombre(DecimalesDiaTemporada()));
}

void VistaTemporada::MuestraTotales(const Temporada* temporada) {
    if (!temporada) {
        periodo_->setText(
            QStringLiteral("Sin calcular: elija la tabla de clima, los días y, si quiere, los precios, y "
                           "pulse «Calcula»."));
        for (QLabel* l : valores_) l->setText(kSinValor);
        for (QLabel* l : detalles_) l->clear();
        for (QLabel* l : {aviso_, notaDiseno_}) l->clear();
    } else {
        const Temporada& t = *temporada;
        QString periodo = QStringLiteral("Del %1 al %2: %3 días.")
                              .arg(Q(NombreDiaTemporada(t.desde, t.tipo)), Q(NombreDiaTemporada(t.hasta, t.tipo)))
                              .arg(t.total.dias);
        const QString lugar = LugarDelArchivo(t.lugar, t.latitud);
        if (!lugar.isEmpty()) periodo += QStringLiteral(" Lugar: %1.").arg(lugar);
        periodo_->setText(periodo);
        aviso_->setText(AvisoDiasSinDatos(t));
        notaDiseno_->setText(NotaDiseno(t));
        const auto textos = TextosTotales(t);
        for (int k = 0; k < valores_.size(); ++k) {
            valores_[k]->setText(textos[static_cast<std::size_t>(k)].first);
            detalles_[k]->setText(textos[static_cast<std::size_t>(k)].second);
        }
    }
    aviso_->setVisible(!aviso_->text().isEmpty());
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

QStringList VistaTemporada::Notas() const {
    QStringList notas;
    for (const QLabel* l : {aviso_, notaDiseno_})
        if (!l->text().isEmpty()) notas << l->text();
    return notas;
}

std::array<std::unique_ptr<Grafico>, 2> VistaTemporada::Graficos(const Temporada& temporada) {
    std::array<std::unique_ptr<Grafico>, 2> graficos{std::unique_ptr<Grafico>(CreaGraficoMeses(nullptr)),
                                                     std::unique_ptr<Grafico>(CreaGraficoDias(nullptr))};
    LlenaGraficoMeses(graficos[0].get(), &temporada);
    LlenaGraficoDias(graficos[1].get(), &temporada);
    return graficos;
}

}  // namespace hortelia
