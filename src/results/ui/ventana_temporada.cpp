#include "results/ui/ventana_temporada.h"

#include "numeros/conversiones.h"
#include "results/hoja_calculo.h"
#include "results/informe_temporada.h"
#include "scenario/archivo_texto.h"
#include "scenario/catalogo.h"
#include "ui/controles.h"
#include "ui/copia_tabla.h"
#include "ui/dialogo_archivo.h"
#include "ui/grafico.h"
#include "ui/impresion.h"
#include "ui/interaccion.h"
#include "ui/texto_qt.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QClipboard>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTabWidget>
#include <QTableView>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace hortelia {

/// A season's table as texts: titles, rows, and a row in bold (the season's total).
class ModeloTemporada : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void Llena(QStringList titulos, QVector<QStringList> filas, int destacada = -1) {
        beginResetModel();
        titulos_ = std::move(titulos);
        filas_ = std::move(filas);
        destacada_ = destacada;
        endResetModel();
    }
    QString Texto(int fila, int columna) const { return filas_.value(fila).value(columna); }
    QString Titulo(int columna) const { return titulos_.value(columna); }

    int rowCount(const QModelIndex& padre = {}) const override {
        return padre.isValid() ? 0 : static_cast<int>(filas_.size());
    }
    int columnCount(const QModelIndex& padre = {}) const override {
        return padre.isValid() ? 0 : static_cast<int>(titulos_.size());
    }
    QVariant data(const QModelIndex& i, int rol) const override {
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
    QVariant headerData(int seccion, Qt::Orientation orientacion, int rol) const override {
        if (orientacion == Qt::Horizontal && rol == Qt::DisplayRole) return Titulo(seccion);
        return QAbstractTableModel::headerData(seccion, orientacion, rol);
    }

private:
    QStringList titulos_;
    QVector<QStringList> filas_;
    int destacada_ = -1;
};

namespace {

// 1 kW = 859.845 kcal/h (the international table calorie: 3600 kJ/h over 4.1868 kJ/kcal).
constexpr double kKcalHPorKw = 859.845;

const TipoArchivo kArchivoClima{QStringLiteral("Clima (*.csv *.txt *.epw)"), QStringLiteral("csv")};
const QString kSinValor = QStringLiteral("- - -");

// The year the date editors of normals hold: not a leap year, so February 29 cannot be chosen.
constexpr int kAnioNormales = 2001;

// Ctrl+C copies the whole selection, not only the current cell as a plain table view does.
class TablaTemporada : public QTableView {
public:
    using QTableView::QTableView;

protected:
    void keyPressEvent(QKeyEvent* evento) override {
        if (evento->matches(QKeySequence::Copy)) {
            QGuiApplication::clipboard()->setText(VentanaTemporada::TextoSeleccionado(this));
            evento->accept();
            return;
        }
        QTableView::keyPressEvent(evento);
    }
};

QTableView* CreaTabla(QWidget* padre, const char* nombre, const QString& accesible, ModeloTemporada* modelo) {
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
                     [t] { QGuiApplication::clipboard()->setText(VentanaTemporada::TextoSeleccionado(t)); });
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

QString Html(const QString& t) { return t.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")); }

// A chart as a picture of twice its size in pixels, sharp enough on paper.
QImage Imagen(QWidget* w) {
    QImage imagen(w->size() * 2, QImage::Format_ARGB32_Premultiplied);
    imagen.setDevicePixelRatio(2);
    imagen.fill(Qt::white);
    QPainter pintor(&imagen);
    w->render(&pintor);
    return imagen;
}

Fecha DeQDate(const QDate& d, bool diaria) { return {diaria ? d.year() : 0, d.month(), d.day()}; }

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

void LlenaGraficoMeses(Grafico* g, const std::optional<Temporada>& temporada) {
    g->PonFilas(temporada ? static_cast<int>(temporada->meses.size()) : 0);
    if (temporada) {
        const Temporada& t = *temporada;
        // Water in m³ once a month holds ten of them, so that its scale reads easily.
        double aguaMayor = 0;
        for (const PeriodoTemporada& p : t.meses) aguaMayor = std::max(aguaMayor, p.agua);
        const bool metros = aguaMayor >= 10000;
        const bool variosAnios = TieneAnio(t.tipo) && t.desde.anio != t.hasta.anio;
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

void LlenaGraficoDias(Grafico* g, const std::optional<Temporada>& temporada) {
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

VentanaTemporada::VentanaTemporada(const Escenario& escenario, Interaccion& interaccion,
                                   std::function<QString()> rutaEscenario, QWidget* parent)
    : QWidget(parent, Qt::Window), e(escenario), interaccion_(interaccion), rutaEscenario_(std::move(rutaEscenario)) {
    setObjectName("FTemporada");
    setWindowTitle(QStringLiteral("Temporada"));

    // The climate table: its file, the button that chooses it, what it holds.
    campoClima_ = new QLineEdit(this);
    campoClima_->setObjectName("RutaClima");
    campoClima_->setReadOnly(true);
    campoClima_->setPlaceholderText(QStringLiteral("Ninguna tabla elegida"));
    auto* etiquetaClima = CreaEtiqueta(this, "LClima", QStringLiteral("Tabla de c&lima:"));
    etiquetaClima->setBuddy(campoClima_);
    campoClima_->setAccessibleName(QStringLiteral("Tabla de clima"));
    elige_ = CreaBoton(this, "EligeClima", QStringLiteral("&Elige tabla de clima…"));
    Explica(elige_,
            QStringLiteral("Un CSV con una fila por día (columna fecha) o doce normales mensuales (columna mes), "
                           "con tmax y tmin y, si se tienen, hrmax, hrmin, nubosidad y viento"));
    tipoTabla_ = CreaEtiqueta(this, "TipoClima",
                              QStringLiteral("Elija una tabla de clima: un día por fila o las normales de cada mes."));
    tipoTabla_->setWordWrap(true);

    // The days and the prices, then "&Calcula".
    desde_ = new QDateEdit(this);
    desde_->setObjectName("DesdeTemporada");
    hasta_ = new QDateEdit(this);
    hasta_->setObjectName("HastaTemporada");
    auto* etiquetaDesde = CreaEtiqueta(this, "LDesde", QStringLiteral("&Desde"));
    auto* etiquetaHasta = CreaEtiqueta(this, "LHasta", QStringLiteral("Has&ta"));
    etiquetaDesde->setBuddy(desde_);
    etiquetaHasta->setBuddy(hasta_);
    desde_->setAccessibleName(QStringLiteral("Primer día"));
    hasta_->setAccessibleName(QStringLiteral("Último día"));
    Explica(hasta_, QStringLiteral("Último día de la temporada; con normales puede ser anterior al primero: la "
                                   "temporada cruza el año nuevo"));
    precioCombustible_ = new QLineEdit(this);
    precioCombustible_->setObjectName("PrecioCombustible");
    precioAgua_ = new QLineEdit(this);
    precioAgua_->setObjectName("PrecioAgua");
    etiquetaPrecioCombustible_ = CreaEtiqueta(this, "LPrecioCombustible");
    auto* etiquetaPrecioAgua = CreaEtiqueta(this, "LPrecioAgua", QStringLiteral("Precio del &agua (por m³)"));
    etiquetaPrecioCombustible_->setBuddy(precioCombustible_);
    etiquetaPrecioAgua->setBuddy(precioAgua_);
    precioAgua_->setAccessibleName(QStringLiteral("Precio del agua por m³"));
    for (QLineEdit* precio : {precioCombustible_, precioAgua_}) {
        precio->setMaximumWidth(precio->fontMetrics().horizontalAdvance(QStringLiteral("0000000,00")) + 16);
        Explica(precio, QStringLiteral("Opcional: con coma o punto decimal; vacío, la temporada va sin ese costo"));
        connect(precio, &QLineEdit::returnPressed, this, &VentanaTemporada::Calcula);
    }
    calcula_ = CreaBoton(this, "CalculaTemporada", QStringLiteral("&Calcula"));
    Explica(calcula_, QStringLiteral("Simula cada día con el invernáculo, el cultivo y las ventanas del escenario"));

    auto* filaClima = new QHBoxLayout;
    filaClima->addWidget(etiquetaClima);
    filaClima->addWidget(campoClima_, 1);
    filaClima->addWidget(elige_);
    auto* filaDatos = new QHBoxLayout;
    filaDatos->addWidget(etiquetaDesde);
    filaDatos->addWidget(desde_);
    filaDatos->addSpacing(8);
    filaDatos->addWidget(etiquetaHasta);
    filaDatos->addWidget(hasta_);
    filaDatos->addSpacing(20);
    filaDatos->addWidget(etiquetaPrecioCombustible_);
    filaDatos->addWidget(precioCombustible_);
    filaDatos->addSpacing(8);
    filaDatos->addWidget(etiquetaPrecioAgua);
    filaDatos->addWidget(precioAgua_);
    filaDatos->addStretch(1);
    filaDatos->addWidget(calcula_);

    // The season's totals in large type, each with a line under it.
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

    guardaHoja_ = CreaBoton(this, "GuardaHojaTemporada", QStringLiteral("Guarda como &hoja de cálculo (.xlsx)"));
    guarda_ = CreaBoton(this, "GuardaTemporada", QStringLiteral("&Guarda"));
    imprime_ = CreaBoton(this, "ImprimeTemporada", QStringLiteral("&Imprime"));
    // "&Calcula" has the C.
    QPushButton* cierra = CreaBoton(this, "CierraTemporada", QStringLiteral("Cie&rra"));
    Explica(guardaHoja_,
            QStringLiteral("Para LibreOffice Calc o Excel en cualquier idioma: cada cifra queda como número"));
    Explica(guarda_, QStringLiteral("El texto de hortelia-sim --temporada, separado por tabuladores (Ctrl+S)"));
    Explica(imprime_, QStringLiteral("Los totales, los gráficos y la tabla de meses (Ctrl+P)"));
    auto* botones = new QHBoxLayout;
    botones->addStretch(1);
    botones->addWidget(guardaHoja_);
    botones->addWidget(guarda_);
    botones->addWidget(imprime_);
    botones->addWidget(cierra);

    auto* todo = new QVBoxLayout(this);
    todo->addLayout(filaClima);
    todo->addWidget(tipoTabla_);
    todo->addLayout(filaDatos);
    todo->addWidget(marcoTotales);
    todo->addLayout(graficos, 5);
    todo->addWidget(pestanias_, 4);
    todo->addLayout(botones);

    connect(elige_, &QPushButton::clicked, this, &VentanaTemporada::EligeTabla);
    connect(calcula_, &QPushButton::clicked, this, &VentanaTemporada::Calcula);
    connect(guarda_, &QPushButton::clicked, this, &VentanaTemporada::ExportaTexto);
    connect(guardaHoja_, &QPushButton::clicked, this, &VentanaTemporada::ExportaHojaCalculo);
    connect(imprime_, &QPushButton::clicked, this, &VentanaTemporada::Imprime);
    connect(cierra, &QPushButton::clicked, this, &QWidget::hide);
    // The conventional shortcuts beside the accelerators.
    connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, this, &VentanaTemporada::Imprime);
    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this, &VentanaTemporada::ExportaTexto);
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::hide);
    Habilita();
}

void VentanaTemporada::Abre() {
    etiquetaPrecioCombustible_->setText(
        QStringLiteral("Precio del com&bustible (por %1)").arg(Q(UnidadPoderCalorico(e.Combustible))));
    precioCombustible_->setAccessibleName(
        QStringLiteral("Precio del combustible por %1").arg(Q(UnidadPoderCalorico(e.Combustible))));
    // The first time, as large as it asks, within the screen; then as the user left it.
    if (!dimensionada_) {
        dimensionada_ = true;
        const QRect pantalla = screen()->availableGeometry();
        resize(std::min(1000, pantalla.width() * 95 / 100), std::min(700, pantalla.height() * 9 / 10));
    }
    show();
    raise();
    activateWindow();
    // What comes next: choosing the table, or running the season.
    (tabla_ ? calcula_ : elige_)->setFocus(Qt::OtherFocusReason);
}

void VentanaTemporada::Descarta() {
    OlvidaTemporada();
    hide();
}

void VentanaTemporada::OlvidaTemporada() {
    temporada_.reset();
    texto_.clear();
    MuestraTotales();
    LlenaGraficos();
    modeloMeses_->Llena({}, {});
    modeloDias_->Llena({}, {});
    Habilita();
}

void VentanaTemporada::Habilita() {
    for (QWidget* w : std::initializer_list<QWidget*>{desde_, hasta_, calcula_}) w->setEnabled(tabla_.has_value());
    for (QWidget* w : std::initializer_list<QWidget*>{guarda_, guardaHoja_, imprime_})
        w->setEnabled(temporada_.has_value());
}

void VentanaTemporada::EligeTabla() {
    // The table chosen last, or the scenario's folder.
    const QString escenario = rutaEscenario_();
    const QString propuesto =
        rutaClima_.isEmpty() && !escenario.isEmpty() ? QFileInfo(escenario).absolutePath() : rutaClima_;
    const QString ruta = EligeParaAbrir(interaccion_, kArchivoClima, propuesto);
    if (!ruta.isEmpty()) CargaTabla(ruta);
}

bool VentanaTemporada::CargaTabla(const QString& ruta) {
    ResultadoTablaClima r = CargaTablaClima(ruta.toStdString());
    if (!r.ok) {
        interaccion_.Mensaje(Interaccion::Gravedad::Error,
                             QStringLiteral("Elija una tabla de clima en CSV con las columnas fecha o mes, tmax y "
                                            "tmin.\n\n%1\n\n%2")
                                 .arg(QDir::toNativeSeparators(ruta), Q(r.mensaje)));
        return false;
    }
    tabla_ = std::move(r.tabla);
    rutaClima_ = ruta;
    campoClima_->setText(QDir::toNativeSeparators(ruta));
    campoClima_->setToolTip(campoClima_->text());

    QString tipo;
    if (tabla_->tipo != TipoTablaClima::Normales) {
        const bool horaria = EsHoraria(tabla_->tipo);
        const auto dias = horaria ? std::count_if(tabla_->dias.begin(), tabla_->dias.end(),
                                                  [](const DiaClima& d) { return d.completo; })
                                  : static_cast<qsizetype>(tabla_->filas.size());
        tipo = QStringLiteral("%1 del %2 al %3 (%4 días con datos).")
                   .arg(horaria ? QStringLiteral("Registros horarios") : QStringLiteral("Datos diarios"),
                        Q(NombreDiaTemporada(PrimerDia(*tabla_), tabla_->tipo)),
                        Q(NombreDiaTemporada(UltimoDia(*tabla_), tabla_->tipo)))
                   .arg(dias);
    } else {
        tipo = QStringLiteral("Normales mensuales: cada día se interpola entre los meses vecinos.");
    }
    if (!tabla_->faltan.empty()) {
        QStringList faltan;
        for (const std::string& c : tabla_->faltan) {
            const double inicial = c == "hrmax"       ? kHRMaxInicial
                                   : c == "hrmin"     ? kHRMinInicial
                                   : c == "nubosidad" ? kNubosidadInicial
                                                      : kVientoInicial;
            const char* unidad = c == "nubosidad" ? " octavos" : c == "viento" ? " km/h" : " %";
            faltan << QStringLiteral("%1 (%2%3)").arg(Q(c), Q(NumeroSinBlanco(inicial)), QLatin1String(unidad));
        }
        tipo += QStringLiteral(" Sin las columnas %1: se usan esos valores iniciales.").arg(faltan.join(", "));
    }
    tipoTabla_->setText(tipo);
    PreparaFechas();
    OlvidaTemporada();  // the season shown was another table's
    return true;
}

void VentanaTemporada::PreparaFechas() {
    const bool diaria = TieneAnio(tabla_->tipo);
    QDate primera(kAnioNormales, 1, 1), ultima(kAnioNormales, 12, 31);
    if (diaria) {
        const Fecha a = PrimerDia(*tabla_);
        const Fecha b = UltimoDia(*tabla_);
        primera = QDate(a.anio, a.mes, a.dia);
        ultima = QDate(b.anio, b.mes, b.dia);
    }
    for (QDateEdit* fecha : {desde_, hasta_}) {
        fecha->setDisplayFormat(diaria ? QStringLiteral("dd/MM/yyyy") : QStringLiteral("dd/MM"));
        fecha->setDateRange(primera, ultima);
        fecha->setCalendarPopup(diaria);  // a calendar of normals would show a year they have not
    }
    desde_->setDate(primera);
    hasta_->setDate(ultima);
    Explica(desde_, diaria ? QStringLiteral("Primer día de la temporada, dentro de la tabla")
                           : QStringLiteral("Primer día de la temporada (día y mes)"));
}

bool VentanaTemporada::LeePrecio(QLineEdit* campo, const QString& que, std::optional<double>& precio) {
    const QString texto = campo->text().trimmed();
    precio.reset();
    if (texto.isEmpty()) return true;
    precio = LeeNumeroTecleado(texto.toStdString());
    if (precio) return true;
    interaccion_.Mensaje(Interaccion::Gravedad::Advertencia,
                         QStringLiteral("Escriba el precio %1 como un número, con coma o punto decimal (por ejemplo "
                                        "1,25), o déjelo vacío: \"%2\" no es un número.")
                             .arg(que, texto));
    campo->setFocus();
    campo->selectAll();
    return false;
}

void VentanaTemporada::Calcula() {
    if (!tabla_) return;
    const bool diaria = TieneAnio(tabla_->tipo);
    OpcionesTemporada opciones;
    if (!LeePrecio(precioCombustible_, QStringLiteral("del combustible"), opciones.precios.combustible) ||
        !LeePrecio(precioAgua_, QStringLiteral("del agua"), opciones.precios.agua))
        return;
    opciones.desde = DeQDate(desde_->date(), diaria);
    opciones.hasta = DeQDate(hasta_->date(), diaria);
    ResultadoTemporada r = SimulaTemporada(e, *tabla_, opciones);
    if (!r.ok) {
        interaccion_.Mensaje(Interaccion::Gravedad::Advertencia, Q(r.mensaje));
        return;
    }
    temporada_ = std::move(r.temporada);
    escenarioCalculado_ = rutaEscenario_().toStdString();
    climaCalculado_ = rutaClima_.toStdString();
    texto_ = TextoTemporada(*temporada_, escenarioCalculado_, climaCalculado_);

    const Temporada& t = *temporada_;
    QVector<QStringList> meses;
    for (const PeriodoTemporada& p : t.meses) meses << Fila(NombreMesTemporada(p, t.tipo), CeldasPeriodoTemporada(p));
    meses << Fila("Total", CeldasPeriodoTemporada(t.total));
    modeloMeses_->Llena(Titulos(TitulosMesesTemporada(t.unidadCombustible)), meses, static_cast<int>(meses.size()) - 1);
    QVector<QStringList> dias;
    dias.reserve(static_cast<qsizetype>(t.dias.size()));
    for (const DiaTemporada& d : t.dias) dias << Fila(NombreDiaTemporada(d.fecha, t.tipo), CeldasDiaTemporada(d));
    modeloDias_->Llena(Titulos(TitulosDiasTemporada(t.unidadCombustible)), dias);
    MuestraTotales();
    LlenaGraficos();
    Habilita();
}

void VentanaTemporada::MuestraTotales() {
    if (!temporada_) {
        periodo_->setText(
            QStringLiteral("Sin calcular: elija la tabla de clima, los días y, si quiere, los precios, y "
                           "pulse «Calcula»."));
        for (QLabel* l : valores_) l->setText(kSinValor);
        for (QLabel* l : detalles_) l->clear();
    } else {
        const Temporada& t = *temporada_;
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

void VentanaTemporada::LlenaGraficos() {
    LlenaGraficoMeses(graficoMeses_, temporada_);
    LlenaGraficoDias(graficoDias_, temporada_);
}

QString VentanaTemporada::Propuesto(const TipoArchivo& tipo) const {
    return JuntoAlEscenario(rutaEscenario_(), QStringLiteral("-temporada"), tipo.extension,
                            QStringLiteral("temporada"));
}

void VentanaTemporada::ExportaTexto() {
    if (!temporada_) return;
    Exporta(interaccion_, kArchivoTexto, Propuesto(kArchivoTexto),
            [this](const std::string& ruta) { return GuardaTexto(ruta, texto_); });
}

void VentanaTemporada::ExportaHojaCalculo() {
    if (!temporada_) return;
    Exporta(interaccion_, kArchivoHojaCalculo, Propuesto(kArchivoHojaCalculo), [this](const std::string& ruta) {
        return GuardaHojaCalculo(ruta, HojaTemporada(*temporada_, escenarioCalculado_, climaCalculado_));
    });
}

std::unique_ptr<QTextDocument> VentanaTemporada::Documento() const {
    auto documento = std::make_unique<QTextDocument>();
    QFont letra = font();
    letra.setPointSizeF(8);
    documento->setDefaultFont(letra);
    if (!temporada_) return documento;
    const Temporada& t = *temporada_;

    const QString escenario = QFileInfo(Q(escenarioCalculado_)).fileName();
    QString h = QStringLiteral("<p style=\"font-size:14pt\"><b>%1</b></p>")
                    .arg(Html(escenario.isEmpty() ? QStringLiteral("Temporada")
                                                  : QStringLiteral("Temporada de %1").arg(escenario)));
    h += QStringLiteral("<p>Tabla de clima: %1 (%2)<br>%3")
             .arg(Html(QFileInfo(Q(climaCalculado_)).fileName()),
                  t.tipo == TipoTablaClima::Normales ? QStringLiteral("normales mensuales")
                  : EsHoraria(t.tipo)                ? QStringLiteral("registros horarios")
                                                     : QStringLiteral("datos diarios"),
                  Html(periodo_->text()));
    if (t.precios.combustible)
        h += QStringLiteral("<br>Precio del combustible: %1 por %2")
                 .arg(Q(NumeroSinBlanco(*t.precios.combustible)), Html(Q(UnidadPoderCalorico(e.Combustible))));
    if (t.precios.agua) h += QStringLiteral("<br>Precio del agua: %1 por m³").arg(Q(NumeroSinBlanco(*t.precios.agua)));
    h += QStringLiteral("</p>");

    // The totals side by side, in large type as on screen.
    h += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"4\" width=\"100%\"><tr>");
    for (int k = 0; k < valores_.size(); ++k) {
        h += QStringLiteral("<td width=\"16%\">%1<br><span style=\"font-size:14pt\"><b>%2</b></span><br>%3</td>")
                 .arg(Html(titulosTotales_[k]), Html(valores_[k]->text()), Html(detalles_[k]->text()));
    }
    h += QStringLiteral("</tr></table><p></p>");

    // The two charts side by side, as pictures drawn at a size of their own: the window's may
    // be too narrow for the months' names.
    h += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\" width=\"100%\"><tr>");
    const std::unique_ptr<Grafico> graficos[] = {std::unique_ptr<Grafico>(CreaGraficoMeses(nullptr)),
                                                 std::unique_ptr<Grafico>(CreaGraficoDias(nullptr))};
    LlenaGraficoMeses(graficos[0].get(), temporada_);
    LlenaGraficoDias(graficos[1].get(), temporada_);
    for (const auto& g : graficos) {
        g->resize(600, 300);
        const QString nombre = QStringLiteral("grafico:") + g->objectName();
        documento->addResource(QTextDocument::ImageResource, QUrl(nombre), Imagen(g.get()));
        h += QStringLiteral("<td><img src=\"%1\" width=\"440\" height=\"220\"></td>").arg(nombre);
    }
    h += QStringLiteral("</tr></table><p></p>");

    // The month table with the season's total.
    h += QStringLiteral(
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" width=\"100%\" "
        "style=\"border-collapse:collapse; font-size:7pt\">"
        "<thead><tr>");
    for (int c = 0; c < modeloMeses_->columnCount(); ++c)
        h += QStringLiteral("<th style=\"white-space:nowrap\">%1</th>").arg(Html(modeloMeses_->Titulo(c)));
    h += QStringLiteral("</tr></thead>");
    for (int f = 0; f < modeloMeses_->rowCount(); ++f) {
        const bool total = f == modeloMeses_->rowCount() - 1;
        h += QStringLiteral("<tr>");
        for (int c = 0; c < modeloMeses_->columnCount(); ++c) {
            const QString celda = Html(modeloMeses_->Texto(f, c));
            h += QStringLiteral("<td align=\"%1\" style=\"white-space:nowrap\">%2</td>")
                     .arg(c == 0 ? QStringLiteral("left") : QStringLiteral("right"),
                          total ? QStringLiteral("<b>%1</b>").arg(celda) : celda);
        }
        h += QStringLiteral("</tr>");
    }
    h += QStringLiteral("</table>");
    documento->setHtml(h);
    return documento;
}

void VentanaTemporada::Imprime() {
    if (!temporada_) return;
    const std::unique_ptr<QTextDocument> documento = Documento();
    const QString error =
        ImprimeDocumento(*documento, interaccion_, PdfPropuesto(rutaEscenario_(), QStringLiteral("temporada")));
    if (!error.isEmpty()) interaccion_.Mensaje(Interaccion::Gravedad::Error, error);
}

QString VentanaTemporada::TextoSeleccionado(const QTableView* tabla) {
    const auto* modelo = static_cast<const ModeloTemporada*>(tabla->model());
    return TextoParaCopiar(tabla, [modelo](const QModelIndex& i) { return modelo->Texto(i.row(), i.column()); });
}

}  // namespace hortelia
