#include "results/ui/ventana_temporada.h"

#include "engine/clima_del_dia.h"
#include "numeros/conversiones.h"
#include "results/informe_temporada.h"
#include "results/ui/cifras_temporada.h"
#include "results/ui/corrida_temporada.h"
#include "results/ui/fila_diseno.h"
#include "results/ui/preferencias_temporada.h"
#include "results/ui/vista_opciones.h"
#include "results/ui/vista_temporada.h"
#include "scenario/catalogo.h"
#include "scenario/limites.h"
#include "ui/controles.h"
#include "ui/dialogo_archivo.h"
#include "ui/interaccion.h"
#include "ui/texto_qt.h"
#include "ui/ventanas.h"

#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>

namespace hortelia {
namespace {

const TipoArchivo kArchivoClima{QStringLiteral("Clima (*.csv *.txt *.epw)"), QStringLiteral("csv")};

// The year the date editors of normals hold: not a leap year, so February 29 cannot be chosen.
constexpr int kAnioNormales = 2001;
// The year those of a typical year hold: a leap year, as its file may bring February 29.
constexpr int kAnioTipico = 2000;

Fecha DeQDate(const QDate& d, bool diaria) { return {diaria ? d.year() : 0, d.month(), d.day()}; }

}  // namespace

VentanaTemporada::~VentanaTemporada() = default;

VentanaTemporada::VentanaTemporada(const Escenario& escenario, Interaccion& interaccion,
                                   std::function<QString()> rutaEscenario, QWidget* parent)
    : QWidget(parent, Qt::Window), e(escenario), interaccion_(interaccion), rutaEscenario_(std::move(rutaEscenario)) {
    setObjectName("FTemporada");
    setWindowTitle(QStringLiteral("Temporada"));
    // Made in reading order, which is the order Tab follows: the rows of inputs, the tabs, the
    // tab in front, the buttons.
    QLayout* filaClima = CreaFilaClima();
    tipoTabla_ = CreaEtiqueta(this, "TipoClima",
                              QStringLiteral("Elija una tabla de clima (un día por fila o las normales de cada mes) o "
                                             "un registro horario (EPW o exportación CSV)."));
    tipoTabla_->setWordWrap(true);
    corrida_ = new CorridaTemporada(this);
    connect(corrida_, &CorridaTemporada::Cambio, this, &VentanaTemporada::Habilita);
    QLayout* filaDatos = CreaFilaDatos();
    diseno_ = new FilaDiseno(interaccion_, this);
    connect(diseno_, &FilaDiseno::calculaPedido, this, &VentanaTemporada::Calcula);
    // The season, and the options beside the scenario over the same season.
    partes_ = new QTabWidget(this);
    partes_->setObjectName("PartesTemporada");
    partes_->setAccessibleName(QStringLiteral("Temporada y opciones"));
    vista_ = new VistaTemporada(this);
    opciones_ = new VistaOpciones(
        e, interaccion_, *corrida_, rutaEscenario_, [this] { return PideTemporada(); }, this);
    partes_->addTab(vista_, QStringLiteral("Temporada"));
    partes_->addTab(opciones_, QStringLiteral("&Opciones"));
    connect(partes_, &QTabWidget::currentChanged, this, &VentanaTemporada::Habilita);
    connect(opciones_, &VistaOpciones::Cambio, this, &VentanaTemporada::Habilita);

    auto* todo = new QVBoxLayout(this);
    todo->addLayout(filaClima);
    todo->addWidget(tipoTabla_);
    todo->addLayout(filaDatos);
    todo->addWidget(diseno_);
    todo->addWidget(partes_, 1);
    todo->addLayout(CreaBotones());
    connect(vista_, &VistaTemporada::diaElegidoCambia, this, &VentanaTemporada::Habilita);
    connect(vista_, &VistaTemporada::abreDiaPedido, this, &VentanaTemporada::AbreDia);
    // Ctrl+Tab and Ctrl+Shift+Tab: the next or previous tab of the tabs in use.
    const auto pasa = [this](int paso) {
        QTabWidget* t = vista_->isAncestorOf(focusWidget()) ? vista_->Pestanias() : partes_;
        t->setCurrentIndex((t->currentIndex() + paso + t->count()) % t->count());
    };
    connect(new QShortcut(QKeySequence::NextChild, this), &QShortcut::activated, this, [pasa] { pasa(1); });
    connect(new QShortcut(QKeySequence::PreviousChild, this), &QShortcut::activated, this, [pasa] { pasa(-1); });
    for (EditorFecha* fecha : {desde_, hasta_})
        connect(fecha, &QDateEdit::dateChanged, this, &VentanaTemporada::GuardaPreferencias);
    for (QLineEdit* precio : {precioCombustible_, precioAgua_})
        connect(precio, &QLineEdit::textEdited, this, &VentanaTemporada::GuardaPreferencias);
    connect(diseno_, &FilaDiseno::cambia, this, &VentanaTemporada::GuardaPreferencias);
    RestauraPreferencias();
    Habilita();
}

void VentanaTemporada::GuardaPreferencias() {
    if (!restaurando_)
        GuardaPreferenciasTemporada({rutaClima_, desde_->date(), hasta_->date(), precioCombustible_->text(),
                                     precioAgua_->text(), diseno_->Textos()});
}

void VentanaTemporada::RestauraPreferencias() {
    const PreferenciasTemporada p = LeePreferenciasTemporada();
    restaurando_ = true;
    precioCombustible_->setText(p.precioCombustible);
    precioAgua_->setText(p.precioAgua);
    if (!p.clima.isEmpty() && QFileInfo::exists(p.clima) && CargaTabla(p.clima, false)) {
        if (p.desde.isValid()) desde_->setDate(p.desde);
        if (p.hasta.isValid()) hasta_->setDate(p.hasta);
    }
    diseno_->PonTextos(p.diseno);
    restaurando_ = false;
}

void VentanaTemporada::Abre() {
    opciones_->Prepara();
    etiquetaPrecioCombustible_->setText(
        QStringLiteral("Precio del com&bustible (por %1)").arg(Q(UnidadPoderCalorico(e.Combustible))));
    precioCombustible_->setAccessibleName(
        QStringLiteral("Precio del combustible por %1").arg(Q(UnidadPoderCalorico(e.Combustible))));
    // The first time, as large as it asks, within the screen; then as the user left it.
    MuestraAlFrente(this, dimensionada_, QSize(1000, 700));
    // What comes next: choosing the table, or running the season.
    (tabla_ ? calcula_ : elige_)->setFocus(Qt::OtherFocusReason);
}

void VentanaTemporada::Descarta() {
    corrida_->Cancela();
    OlvidaTemporada();
    hide();
}

void VentanaTemporada::Cierra() {
    corrida_->Cancela();
    hide();
}

void VentanaTemporada::closeEvent(QCloseEvent* evento) {
    corrida_->Cancela();
    QWidget::closeEvent(evento);
}

bool VentanaTemporada::Corriendo() const { return corrida_->Corriendo(); }

void VentanaTemporada::OlvidaTemporada() {
    calculada_.reset();
    vista_->Muestra(nullptr);
    opciones_->Olvida();
    Habilita();
}

void VentanaTemporada::Habilita() {
    // While a season runs, nothing it was started with changes and nothing acts on what it replaces.
    const bool corre = corrida_->Corriendo();
    const bool hayTabla = tabla_ != nullptr;
    for (QWidget* w : std::initializer_list<QWidget*>{desde_, hasta_, calcula_}) w->setEnabled(hayTabla && !corre);
    for (QWidget* w : std::initializer_list<QWidget*>{elige_, precioCombustible_, precioAgua_, diseno_})
        w->setEnabled(!corre);
    opciones_->Bloquea(corre);
    progreso_->setVisible(corre);
    cancela_->setVisible(corre);
    if (corre != reloj_->isActive()) corre ? reloj_->start() : reloj_->stop();
    MuestraAvance();
    // "&Calcula" and the exports act on the part in front: with the options, "&Compara" runs them.
    const bool enOpciones = partes_->currentWidget() == opciones_;
    calcula_->setText(enOpciones ? QStringLiteral("&Compara") : QStringLiteral("&Calcula"));
    Explica(calcula_, enOpciones ? QStringLiteral("Corre la temporada del escenario y de cada opción marcada")
                                 : QStringLiteral("Simula cada día con el invernáculo, el cultivo y las ventanas del "
                                                  "escenario"));
    if (enOpciones && !opciones_->HayMarcadas()) calcula_->setEnabled(false);
    for (QWidget* w : std::initializer_list<QWidget*>{guarda_, guardaHoja_, imprime_, previa_})
        w->setEnabled(!corre && (enOpciones ? opciones_->ComparacionMostrada() != nullptr : calculada_.has_value()));
    const DiaClima* dia = DiaParaAbrir();
    vista_->HabilitaAbreDia(dia != nullptr, dia ? Q(NombreDiaTemporada(dia->fecha, tabla_->tipo)) : QString());
}

void VentanaTemporada::MuestraAvance() {
    // Days done of the days in all once the run has listed them; until then, a busy bar.
    const std::size_t total = corrida_->Total();
    progreso_->setRange(0, total > 0 ? 1000 : 0);
    if (total > 0) progreso_->setValue(static_cast<int>(1000 * corrida_->Hechos() / total));
    progreso_->setFormat(total > 0 ? QStringLiteral("%1 de %2 días").arg(corrida_->Hechos()).arg(total) : QString());
}

void VentanaTemporada::EligeTabla() {
    // The table chosen last, or the scenario's folder.
    const QString escenario = rutaEscenario_();
    const QString propuesto =
        rutaClima_.isEmpty() && !escenario.isEmpty() ? QFileInfo(escenario).absolutePath() : rutaClima_;
    const QString ruta = EligeParaAbrir(interaccion_, kArchivoClima, propuesto);
    if (!ruta.isEmpty()) CargaTabla(ruta);
}

bool VentanaTemporada::CargaTabla(const QString& ruta, bool avisa) {
    ResultadoTablaClima r = CargaTablaClima(ruta.toStdString());
    if (!r.ok) {
        if (avisa)
            interaccion_.Mensaje(Interaccion::Gravedad::Error,
                                 QStringLiteral("Elija una tabla de clima en CSV con las columnas fecha o mes, tmax y "
                                                "tmin, un año típico EPW o una exportación CSV de un servicio de clima."
                                                "\n\n%1\n\n%2")
                                     .arg(QDir::toNativeSeparators(ruta), Q(r.mensaje)));
        return false;
    }
    tabla_ = std::make_shared<const TablaClima>(std::move(r.tabla));
    rutaClima_ = ruta;
    campoClima_->setText(QDir::toNativeSeparators(ruta));
    campoClima_->setToolTip(campoClima_->text());

    tipoTabla_->setText(DescripcionTabla(*tabla_));
    diseno_->PonTabla(*tabla_);
    PreparaFechas();
    OlvidaTemporada();  // the season shown was another table's
    GuardaPreferencias();
    return true;
}

void VentanaTemporada::PreparaFechas() {
    const bool diaria = TieneAnio(tabla_->tipo);
    const int anio = tabla_->tipo == TipoTablaClima::AnioTipico ? kAnioTipico : kAnioNormales;
    const auto fecha = [&](const Fecha& f) { return QDate(diaria ? f.anio : anio, f.mes, f.dia); };
    // Inside a table with years; any day to any other without them. The days the table holds,
    // in its order: a typical year's may cross the new year.
    const QDate primera = diaria ? fecha(PrimerDia(*tabla_)) : QDate(anio, 1, 1);
    const QDate ultima = diaria ? fecha(UltimoDia(*tabla_)) : QDate(anio, 12, 31);
    for (QDateEdit* editor : {desde_, hasta_}) {
        editor->setDisplayFormat(diaria ? QStringLiteral("dd/MM/yyyy") : QStringLiteral("dd/MM"));
        editor->setDateRange(primera, ultima);
        editor->setCalendarPopup(diaria);  // a calendar of normals would show a year they have not
    }
    desde_->setDate(fecha(PrimerDia(*tabla_)));
    hasta_->setDate(fecha(UltimoDia(*tabla_)));
    for (EditorFecha* editor : {desde_, hasta_}) editor->Nombra();
    Explica(desde_, diaria ? QStringLiteral("Primer día de la temporada, dentro de la tabla")
                           : QStringLiteral("Primer día de la temporada (día y mes)"));
}

bool VentanaTemporada::LeePrecio(QLineEdit* campo, const QString& que, std::optional<double>& precio) {
    const QString texto = campo->text().trimmed();
    precio.reset();
    if (texto.isEmpty()) return true;
    precio = LeeCifra(texto.toStdString(), limites::kPrecio);
    if (precio) return true;
    interaccion_.Mensaje(Interaccion::Gravedad::Advertencia,
                         QStringLiteral("Escriba el precio %1 como un número %2, con coma o punto decimal (por "
                                        "ejemplo 1,25), o déjelo vacío: \"%3\" no es un número %2.")
                             .arg(que, Q(limites::kPrecio.Rango()), texto));
    campo->setFocus();
    campo->selectAll();
    return false;
}

std::optional<OpcionesTemporada> VentanaTemporada::LeeEntradas() {
    const bool diaria = TieneAnio(tabla_->tipo);
    OpcionesTemporada opciones;
    if (!LeePrecio(precioCombustible_, QStringLiteral("del combustible"), opciones.precios.combustible) ||
        !LeePrecio(precioAgua_, QStringLiteral("del agua"), opciones.precios.agua) || !diseno_->Lee(opciones))
        return std::nullopt;
    opciones.desde = DeQDate(desde_->date(), diaria);
    opciones.hasta = DeQDate(hasta_->date(), diaria);
    return opciones;
}

std::optional<PedidoTemporada> VentanaTemporada::PideTemporada() {
    if (!tabla_) return std::nullopt;
    const std::optional<OpcionesTemporada> opciones = LeeEntradas();
    if (!opciones) return std::nullopt;
    return PedidoTemporada{tabla_, *opciones, rutaClima_.toStdString()};
}

void VentanaTemporada::Calcula() {
    if (corrida_->Corriendo()) return;
    if (partes_->currentWidget() == opciones_) return opciones_->Compara();
    if (!tabla_) return;
    const std::optional<OpcionesTemporada> opciones = LeeEntradas();
    if (!opciones) return;
    // The run gets its own copies of the record and the inputs, and shares the table, which
    // nothing changes; the window's objects stay on this thread.
    auto hecha = std::make_shared<std::pair<ResultadoTemporada, std::string>>();
    const std::string escenario = rutaEscenario_().toStdString();
    const std::string clima = rutaClima_.toStdString();
    corrida_->Empieza(
        [hecha, copia = Escenario(e), tabla = tabla_, o = *opciones, escenario, clima](AvanceTemporada& avance) {
            hecha->first = SimulaTemporada(copia, *tabla, o, &avance);
            if (hecha->first.ok) hecha->second = TextoTemporada(hecha->first.temporada, escenario, clima);
        },
        [this, hecha, escenario, clima] {
            if (!hecha->first.ok) {
                interaccion_.Mensaje(Interaccion::Gravedad::Advertencia, Q(hecha->first.mensaje));
                return;
            }
            vista_->Muestra(nullptr);  // the days shown belong to the season about to go
            calculada_ =
                TemporadaCalculada{std::move(hecha->first.temporada), escenario, clima, std::move(hecha->second)};
            vista_->Muestra(&calculada_->temporada);
            Habilita();
        });
}

const DiaClima* VentanaTemporada::DiaParaAbrir() const {
    if (!calculada_ || !tabla_ || !EsHoraria(tabla_->tipo) || !alAbrirDia) return nullptr;
    const std::vector<DiaTemporada>& dias = calculada_->temporada.dias;
    const int fila = vista_->FilaDiaElegida();
    if (fila < 0 || fila >= static_cast<int>(dias.size())) return nullptr;
    const Fecha f = dias[static_cast<std::size_t>(fila)].fecha;
    const auto dia =
        std::find_if(tabla_->dias.begin(), tabla_->dias.end(), [&f](const DiaClima& d) { return d.fecha == f; });
    return dia != tabla_->dias.end() && dia->completo ? &*dia : nullptr;
}

void VentanaTemporada::AbreDia() {
    if (const DiaClima* dia = DiaParaAbrir())
        alAbrirDia(EscenarioDelDia(e, *tabla_, *dia), Q(TextoFecha(dia->fecha, tabla_->tipo)));
}

void VentanaTemporada::ExportaTexto() {
    if (corrida_->Corriendo()) return;
    if (partes_->currentWidget() == opciones_) return opciones_->ExportaTexto();
    if (calculada_) ExportaTextoTemporada(interaccion_, rutaEscenario_(), *calculada_);
}

void VentanaTemporada::ExportaHojaCalculo() {
    if (corrida_->Corriendo()) return;
    if (partes_->currentWidget() == opciones_) return opciones_->ExportaHojaCalculo();
    if (calculada_) ExportaHojaTemporada(interaccion_, rutaEscenario_(), *calculada_);
}

void VentanaTemporada::Imprime() { Sale(false); }

void VentanaTemporada::MuestraVistaPrevia() { Sale(true); }

void VentanaTemporada::Sale(bool previa) {
    if (corrida_->Corriendo()) return;
    if (partes_->currentWidget() == opciones_) return opciones_->Imprime(previa);
    if (!calculada_) return;
    const std::unique_ptr<QTextDocument> documento =
        DocumentoTemporada(*calculada_, *vista_, Q(UnidadPoderCalorico(e.Combustible)), font());
    ImprimeTemporada(interaccion_, rutaEscenario_(), *documento, previa);
}

}  // namespace hortelia
