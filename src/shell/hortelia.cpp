#include "shell/hortelia.h"

#include "engine/carga_escenario.h"
#include "engine/simula_dia.h"
#include "engine/valores_iniciales.h"
#include "greenhouse/ui/panel_calefaccion.h"
#include "greenhouse/ui/panel_cobertura.h"
#include "greenhouse/ui/panel_cultivo.h"
#include "greenhouse/ui/panel_dimensiones.h"
#include "greenhouse/ui/panel_techo.h"
#include "greenhouse/ui/panel_ventilacion.h"
#include "results/ui/panel_resultados.h"
#include "results/ui/planilla.h"
#include "results/ui/ventana_temporada.h"
#include "shell/mnemonicos.h"
#include "ui/impresion.h"
#include "ui/resumen.h"
#include "ui/texto_qt.h"
#include "ui/ventanas.h"
#include "weather/ui/panel_curva.h"
#include "weather/ui/panel_radiacion.h"
#include "weather/ui/panel_viento.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QShortcut>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>

namespace hortelia {
namespace {

const QString kClaveGeometria = QStringLiteral("ventana/geometria");

}  // namespace

Hortelia::Hortelia(Escenario& escenario, Interaccion* interaccion, QWidget* parent)
    : QMainWindow(parent),
      e(escenario),
      interaccionQt_(interaccion ? nullptr : std::make_unique<InteraccionQt>(this)),
      interaccion_(interaccion ? *interaccion : *interaccionQt_) {
    setObjectName("Hortelia");
    // No wider than 1024 px, and never larger than the room the screen leaves a window; then
    // where the user left it in the last run, kept inside the screen.
    const QRect area = AreaParaVentanas(this);
    resize(std::min(1024, area.width()), std::min(720, area.height()));
    if (restoreGeometry(QSettings().value(kClaveGeometria).toByteArray())) MeteEnLaPantalla(this);
    setAcceptDrops(true);
    statusBar()->setObjectName("BarraEstado");
    CreaMenus();
    auto* central = new QWidget(this);
    auto* caja = new QVBoxLayout(central);
    caja->setContentsMargins(0, 0, 0, 0);
    caja->addWidget(CreaInicio());
    caja->addWidget(CreaVistaTrabajo());
    setCentralWidget(central);
    protocolo_ = std::make_unique<Protocolo>(
        Protocolo::Controles{laterales_, menuArchivo_, menuDatos_, procesa_, entradaProceso_, entradaTemporada_});
    contexto_ = std::make_unique<Contexto>(Contexto{e, *protocolo_, *resumen_, interaccion_});
    // A data sheet or a season left open would show the results of other inputs.
    protocolo_->alAceptar = [this] {
        if (planilla_) planilla_->hide();
        if (temporada_) temporada_->Descarta();
    };
    new Mnemonicos(this);
    // The start values first (they run the weather models), then the panels that show them.
    PonValoresIniciales(e);
    CreaPaneles();
    LeeRecientes();
    huellaGuardada_ = HuellaEscenario(e);
    ActualizaTitulo();
    // After what the user does, the title's modified mark follows the record.
    qApp->installEventFilter(this);
}

Hortelia::~Hortelia() = default;

void Hortelia::PonEnAreaDeTrabajo(QWidget* frame) {
    frame->hide();
    static_cast<QGridLayout*>(areaTrabajo_->layout())->addWidget(frame, 0, 0);
}

void Hortelia::CreaPaneles() {
    Contexto& c = *contexto_;
    QWidget* area = areaTrabajo_;
    paneles_ = {new PanelTecho(c, area),       new PanelDimensiones(c, area), new PanelCobertura(c, area),
                new PanelVentilacion(c, area), new PanelCalefaccion(c, area), new PanelCultivo(c, area),
                CreaPanelTemperatura(c, area), CreaPanelHumedad(c, area),     new PanelRadiacion(c, area),
                new PanelViento(c, area)};
    for (int i = 0; i < paneles_.size(); ++i) {
        Panel* panel = paneles_[i];
        PonEnAreaDeTrabajo(panel);
        connect(laterales_[i], &QPushButton::clicked, panel, [panel] { panel->Abre(Panel::Origen::BotonLateral); });
        connect(entradas_[i], &QAction::triggered, panel, [panel] { panel->Abre(Panel::Origen::Menu); });
    }
    resultados_ = new PanelResultados(e, *protocolo_, areaTrabajo_);
    PonEnAreaDeTrabajo(resultados_);
    connect(resultados_, &PanelResultados::planillaPedida, this, &Hortelia::AbrePlanilla);
    connect(resultados_, &PanelResultados::guardadoPedido, this, &Hortelia::GuardaArchivo);
    connect(resultados_, &PanelResultados::impresionPedida, this, &Hortelia::ImprimeResultados);
    connect(resultados_, &PanelResultados::previaPedida, this, &Hortelia::MuestraVistaPreviaResultados);
    connect(resultados_, &PanelResultados::cierrePedido, this, &Hortelia::CierraResultados);
    // Ctrl+P prints what there is to print: the results, while they show.
    auto* imprime = new QShortcut(QKeySequence::Print, this);
    connect(imprime, &QShortcut::activated, this, [this] {
        if (protocolo_->ResultadosVisibles()) ImprimeResultados();
    });
}

void Hortelia::Avisa(Interaccion::Gravedad gravedad, const QString& texto) { interaccion_.Mensaje(gravedad, texto); }

void Hortelia::Inicia() {
    inicio_->hide();
    vistaTrabajo_->show();
    salir_->show();
    procesa_->show();
    for (QPushButton* b : laterales_) b->show();
    for (QLabel* l : titulos_) l->show();
    protocolo_->Inicia();
    laterales_.front()->setFocus();
}

void Hortelia::Sale() { close(); }

void Hortelia::closeEvent(QCloseEvent* evento) {
    if (PuedeDejarElEscenario()) {
        if (planilla_) planilla_->close();
        if (temporada_) temporada_->close();
        QSettings().setValue(kClaveGeometria, saveGeometry());
        evento->accept();
    } else {
        evento->ignore();
    }
}

void Hortelia::ProcesaDia() {
    const ResultadoDia r = SimulaDia(e);
    if (!r.ok) {
        Avisa(Interaccion::Gravedad::Advertencia, Q(r.mensaje));
        return;
    }
    resultados_->MuestraDia();
    protocolo_->MuestraResultados(true);
    resultados_->BarraHora()->setFocus();
}

void Hortelia::AbreTemporada() {
    if (!temporada_) {
        temporada_ = new VentanaTemporada(
            e, interaccion_, [this] { return rutaEscenario_; }, this);
        HazVentanaDeLaPrincipal(temporada_);
        temporada_->alAbrirDia = [this](const Escenario& dia, const QString& fecha) { AbreDiaDeRegistro(dia, fecha); };
    }
    temporada_->Abre();
}

void Hortelia::CierraResultados() {
    resultados_->hide();
    protocolo_->MuestraResultados(false);
    // The focus goes back to the open panel, or to the first side button.
    if (protocolo_->Abierto() < 0) laterales_.front()->setFocus();
}

void Hortelia::AbrePlanilla() {
    if (!planilla_) {
        planilla_ = new Planilla(
            e, *resumen_, interaccion_, [this] { return rutaEscenario_; }, this);
        HazVentanaDeLaPrincipal(planilla_);
    }
    planilla_->Llena();
}

void Hortelia::ImprimeResultados() {
    // The results frame alone, without its buttons, scaled to the page.
    const QString error =
        ImprimeWidget(resultados_, interaccion_, PdfPropuesto(rutaEscenario_, QStringLiteral("resultados")),
                      EncabezadoImpresion(NombreParaImprimir()));
    if (!error.isEmpty()) Avisa(Interaccion::Gravedad::Error, error);
}

void Hortelia::MuestraVistaPreviaResultados() {
    const QString error =
        VistaPreviaWidget(resultados_, interaccion_, PdfPropuesto(rutaEscenario_, QStringLiteral("resultados")),
                          EncabezadoImpresion(NombreParaImprimir()));
    if (!error.isEmpty()) Avisa(Interaccion::Gravedad::Error, error);
}

}  // namespace hortelia
