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
#include "scenario/archivo_hrt.h"
#include "shell/mnemonicos.h"
#include "ui/colores.h"
#include "ui/dialogo_archivo.h"
#include "ui/dibujos.h"
#include "ui/impresion.h"
#include "ui/resumen.h"
#include "ui/texto_qt.h"
#include "weather/ui/panel_curva.h"
#include "weather/ui/panel_radiacion.h"
#include "weather/ui/panel_viento.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace hortelia {
namespace {

// A heading of the side column on the group's colour, its text white or black, whichever
// reads at 4.5:1 or better against it (WCAG AA).
QLabel* Titulo(const char* nombre, const QString& texto, const QColor& fondo, QWidget* padre) {
    auto* l = new QLabel(texto, padre);
    l->setObjectName(nombre);
    l->setAlignment(Qt::AlignCenter);
    l->setWordWrap(true);
    l->setAutoFillBackground(true);
    l->setMargin(4);
    QPalette paleta = l->palette();
    paleta.setColor(QPalette::Window, fondo);
    paleta.setColor(QPalette::WindowText, ContrasteWcag(fondo, Qt::white) >= 4.5 ? Qt::white : Qt::black);
    l->setPalette(paleta);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

constexpr int kRecientes = 6;
const QString kClaveRecientes = QStringLiteral("archivos/recientes");

}  // namespace

Hortelia::Hortelia(Escenario& escenario, Interaccion* interaccion, QWidget* parent)
    : QMainWindow(parent),
      e(escenario),
      interaccionQt_(interaccion ? nullptr : std::make_unique<InteraccionQt>(this)),
      interaccion_(interaccion ? *interaccion : *interaccionQt_) {
    setObjectName("Hortelia");
    // No wider than 1024 px, and never larger than the screen.
    const QRect pantalla = screen() ? screen()->availableGeometry() : QRect(0, 0, 1024, 768);
    resize(std::min(1024, pantalla.width()), std::min(720, pantalla.height()));
    statusBar()->setObjectName("BarraEstado");
    CreaMenus();
    auto* central = new QWidget(this);
    auto* caja = new QVBoxLayout(central);
    caja->setContentsMargins(0, 0, 0, 0);
    caja->addWidget(CreaInicio());
    caja->addWidget(CreaVistaTrabajo());
    setCentralWidget(central);
    protocolo_ = std::make_unique<Protocolo>(
        e, Protocolo::Controles{laterales_, menuArchivo_, menuDatos_, procesa_, entradaProceso_, entradaTemporada_});
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
    huellaGuardada_ = HuellaEscenario(e);
    ActualizaTitulo();
    // After what the user does, the title's modified mark follows the record.
    qApp->installEventFilter(this);
}

Hortelia::~Hortelia() = default;

void Hortelia::CreaMenus() {
    QMenuBar* barra = menuBar();
    auto entrada = [](QMenu* menu, const char* nombre, const QString& texto) {
        QAction* a = menu->addAction(texto);
        a->setObjectName(nombre);
        return a;
    };
    auto submenu = [](QMenu* padre, const char* nombre, const QString& texto) {
        QMenu* m = padre->addMenu(texto);
        m->setObjectName(QStringLiteral("Menu%1").arg(nombre));
        m->menuAction()->setObjectName(nombre);
        return m;
    };

    menuArchivo_ = barra->addMenu(QStringLiteral("&Archivos"));
    menuArchivo_->setObjectName("MenuArchivo");
    menuArchivo_->menuAction()->setObjectName("Archivo");
    // The conventional shortcuts beside the accelerators.
    QAction* abre = entrada(menuArchivo_, "Abre", QStringLiteral("&Abre"));
    abre->setShortcut(QKeySequence::Open);
    abre->setStatusTip(QStringLiteral("Abre un escenario guardado (.hrt)"));
    connect(abre, &QAction::triggered, this, &Hortelia::AbreArchivo);
    QAction* guarda = entrada(menuArchivo_, "Guarda", QStringLiteral("&Guarda"));
    guarda->setShortcut(QKeySequence::Save);
    guarda->setStatusTip(QStringLiteral("Guarda el escenario (.hrt)"));
    connect(guarda, &QAction::triggered, this, &Hortelia::GuardaArchivo);
    menuRecientes_ = submenu(menuArchivo_, "Recientes", QStringLiteral("Abiertos &recientemente"));
    connect(menuRecientes_, &QMenu::aboutToShow, this, &Hortelia::LlenaRecientes);
    QAction* sale = entrada(menuArchivo_, "Sale", QStringLiteral("&Sale"));
    sale->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    sale->setStatusTip(QStringLiteral("Termina el programa"));
    connect(sale, &QAction::triggered, this, &Hortelia::Sale);

    menuDatos_ = barra->addMenu(QStringLiteral("&Datos"));
    menuDatos_->setObjectName("MenuDatos");
    menuDatos_->menuAction()->setObjectName("Datos");
    QMenu* invernaculo = submenu(menuDatos_, "Invernaculo", QStringLiteral("&Invernáculo"));
    QMenu* estructura = submenu(invernaculo, "Estructura", QStringLiteral("&Estructura"));
    entradas_ << entrada(estructura, "Techo", QStringLiteral("&Tipo de techo"))
              << entrada(estructura, "Dimensiones", QStringLiteral("&Dimensiones"))
              << entrada(estructura, "Material", QStringLiteral("&Material"))
              << entrada(estructura, "Ventilacion", QStringLiteral("&Ventilación"))
              << entrada(invernaculo, "Calefaccion", QStringLiteral("Sistema &Calefacción"))
              << entrada(menuDatos_, "Cultivo", QStringLiteral("&Cultivo"));
    QMenu* meteorologia = submenu(menuDatos_, "Meteorologia", QStringLiteral("&Meteorología"));
    entradas_ << entrada(meteorologia, "Temperatura", QStringLiteral("&Temperatura"))
              << entrada(meteorologia, "Humedad", QStringLiteral("&Humedad relativa"))
              << entrada(meteorologia, "Radiacion", QStringLiteral("&Radiación global"))
              << entrada(meteorologia, "Viento", QStringLiteral("&Viento"));

    entradaProceso_ = barra->addAction(QStringLiteral("&Procesamiento"));
    entradaProceso_->setObjectName("Proceso");
    entradaProceso_->setStatusTip(QStringLiteral("Simula las 24 horas del día"));
    connect(entradaProceso_, &QAction::triggered, this, &Hortelia::ProcesaDia);
    entradaTemporada_ = barra->addAction(QStringLiteral("&Temporada"));
    entradaTemporada_->setObjectName("Temporada");
    entradaTemporada_->setStatusTip(
        QStringLiteral("Simula cada día de una tabla de clima: combustible, agua y costos de la temporada"));
    connect(entradaTemporada_, &QAction::triggered, this, &Hortelia::AbreTemporada);
    // Never enabled: there is nothing behind it.
    QAction* acerca = barra->addAction(QStringLiteral("Acerca de &Hortelia"));
    acerca->setObjectName("Acerca");
    acerca->setEnabled(false);
}

QWidget* Hortelia::CreaInicio() {
    auto* marco = new QFrame(this);
    marco->setObjectName("FrInicio");
    marco->setFrameShape(QFrame::StyledPanel);
    auto texto = [marco](const char* nombre, const QString& t, double escala, bool negrita) {
        auto* l = new QLabel(t, marco);
        l->setObjectName(nombre);
        l->setAlignment(Qt::AlignCenter);
        l->setWordWrap(true);
        QFont f = l->font();
        f.setPointSizeF(f.pointSizeF() * escala);
        f.setBold(negrita);
        l->setFont(f);
        return l;
    };
    auto* nombre = texto("Label1", QStringLiteral("Hortelia"), 3.2, true);
    nombre->setStyleSheet(QStringLiteral("color: #1f6b2f;"));
    auto* lema = texto(
        "Label2", QStringLiteral("Modelo para simular las necesidades de calefacción y ventilación en invernáculos"),
        1.5, false);
    auto* explicacion =
        texto("Label3",
              QStringLiteral("Describa el invernáculo, el cultivo y el tiempo de un día: el programa calcula, "
                             "hora por hora, el clima interior, el combustible, el agua y la transpiración."),
              1.0, false);
    explicacion->setStyleSheet(QStringLiteral("color: #404040;"));

    auto* dibujos = new QHBoxLayout;
    dibujos->setSpacing(30);
    dibujos->addWidget(new Dibujo("Picture1", Dibujo::Tipo::Invernaculo, Techo::DosAguas,
                                  QStringLiteral("Dibujo de un invernáculo a dos aguas bajo el sol"), marco));
    dibujos->addWidget(new Dibujo("Picture2", Dibujo::Tipo::Cultivo, Techo::DosAguas,
                                  QStringLiteral("Dibujo del cultivo, la calefacción y una ventana cenital"), marco));

    auto* inicio = new QPushButton(QStringLiteral("&Inicio"), marco);
    inicio->setObjectName("Command5");
    inicio->setMinimumSize(160, 40);
    inicio->setDefault(true);
    connect(inicio, &QPushButton::clicked, this, &Hortelia::Inicia);

    auto* caja = new QVBoxLayout(marco);
    caja->setContentsMargins(60, 30, 60, 30);
    caja->setSpacing(14);
    caja->addWidget(nombre);
    caja->addWidget(lema);
    caja->addWidget(explicacion);
    caja->addLayout(dibujos, 1);
    caja->addWidget(inicio, 0, Qt::AlignHCenter);
    inicio_ = marco;
    return marco;
}

QWidget* Hortelia::CreaVistaTrabajo() {
    vistaTrabajo_ = new QWidget(this);
    vistaTrabajo_->setObjectName("VistaTrabajo");
    vistaTrabajo_->hide();

    auto* columna = new QWidget(vistaTrabajo_);
    columna->setObjectName("ColumnaBotones");
    // Widths follow the font, so that a 144 dpi screen does not cut the captions.
    const QFontMetrics medida(font());
    columna->setFixedWidth(medida.horizontalAdvance(QStringLiteral("Procesamiento datos")) + 48);
    auto* botonera = new QVBoxLayout(columna);
    botonera->setContentsMargins(0, 0, 0, 0);
    botonera->setSpacing(4);
    auto boton = [&](const char* nombre, const QString& texto) {
        auto* b = new QPushButton(texto, columna);
        b->setObjectName(nombre);
        b->setMinimumHeight(30);
        b->setStatusTip(QStringLiteral("Abre el panel \"%1\"; verde cuando sus datos están aceptados").arg(texto));
        Protocolo::PintaBoton(b, Protocolo::kRosa);
        b->hide();
        botonera->addWidget(b);
        laterales_.append(b);
    };
    auto titulo = [&](const char* nombre, const QString& texto, unsigned bgr) {
        if (!titulos_.isEmpty()) botonera->addSpacing(10);
        QLabel* l = Titulo(nombre, texto, DesdeBGR(bgr), columna);
        l->hide();
        botonera->addWidget(l);
        titulos_.append(l);
    };
    titulo("Label10", QStringLiteral("Estructura invernáculo"), 0x808080);
    boton("BotTecho", QStringLiteral("Tipo Techo"));
    boton("BotDimens", QStringLiteral("Dimensiones"));
    boton("BotMaterial", QStringLiteral("Cobertura"));
    boton("BotVentil", QStringLiteral("Ventilación"));
    boton("BotCalef", QStringLiteral("Calefacción"));
    titulo("Label11", QStringLiteral("Cultivo"), 0x008000);
    boton("BotCUltivo", QStringLiteral("Cultivo"));
    titulo("Label17", QStringLiteral("Condiciones meteorológicas"), 0xC0C000);
    boton("BotTemp", QStringLiteral("Temperat"));
    boton("BotHRel", QStringLiteral("Humedad"));
    boton("BotRadiac", QStringLiteral("Radiación"));
    boton("BotViento", QStringLiteral("Viento"));
    botonera->addStretch(1);

    procesa_ = new QPushButton(QStringLiteral("&Procesamiento datos"), columna);
    procesa_->setObjectName("Command12");
    procesa_->setMinimumHeight(34);
    procesa_->setStatusTip(QStringLiteral("Simula las 24 horas del día (con los diez paneles aceptados)"));
    procesa_->hide();
    salir_ = new QPushButton(QStringLiteral("&Salir"), columna);
    salir_->setObjectName("Command1");
    salir_->setMinimumHeight(30);
    salir_->setStatusTip(QStringLiteral("Termina el programa (pregunta antes si hay cambios sin guardar)"));
    salir_->hide();
    botonera->addWidget(procesa_);
    botonera->addSpacing(6);
    botonera->addWidget(salir_);
    connect(procesa_, &QPushButton::clicked, this, &Hortelia::ProcesaDia);
    connect(salir_, &QPushButton::clicked, this, &Hortelia::Sale);

    // Panels and the results frame share one cell: the one shown stands in front. On a small
    // screen the cell scrolls instead of cutting a panel.
    auto* desplazable = new QScrollArea(vistaTrabajo_);
    desplazable->setObjectName("DesplazaTrabajo");
    desplazable->setWidgetResizable(true);
    desplazable->setFrameShape(QFrame::StyledPanel);
    auto* area = new QWidget;
    area->setObjectName("AreaTrabajo");
    auto* celda = new QGridLayout(area);
    celda->setContentsMargins(4, 4, 4, 4);
    desplazable->setWidget(area);
    areaTrabajo_ = area;

    auto* marcoResumen = new QFrame(vistaTrabajo_);
    marcoResumen->setObjectName("MarcoResumen");
    marcoResumen->setFrameShape(QFrame::StyledPanel);
    marcoResumen->setFixedWidth(medida.horizontalAdvance(QStringLiteral("Mat. cobertura: Plástico 2do.año")) + 32);
    marcoResumen->setBackgroundRole(QPalette::Base);
    marcoResumen->setAutoFillBackground(true);
    auto* cajaResumen = new QVBoxLayout(marcoResumen);
    cajaResumen->setContentsMargins(0, 0, 0, 0);
    resumen_ = new Resumen(marcoResumen);
    cajaResumen->addWidget(resumen_);

    auto* fila = new QHBoxLayout(vistaTrabajo_);
    fila->setContentsMargins(8, 8, 8, 8);
    fila->setSpacing(8);
    fila->addWidget(columna);
    fila->addWidget(desplazable, 1);
    fila->addWidget(marcoResumen);
    return vistaTrabajo_;
}

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
    resultados_ = new PanelResultados(e, areaTrabajo_);
    PonEnAreaDeTrabajo(resultados_);
    connect(resultados_, &PanelResultados::planillaPedida, this, &Hortelia::AbrePlanilla);
    connect(resultados_, &PanelResultados::guardadoPedido, this, &Hortelia::GuardaArchivo);
    connect(resultados_, &PanelResultados::impresionPedida, this, &Hortelia::ImprimeResultados);
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

bool Hortelia::HayCambios() const { return HuellaEscenario(e) != huellaGuardada_; }

void Hortelia::ActualizaTitulo() {
    tituloPendiente_ = false;
    const QString nombre = rutaEscenario_.isEmpty() ? QString() : QFileInfo(rutaEscenario_).fileName();
    setWindowTitle(nombre.isEmpty() ? QStringLiteral("Hortelia[*]") : QStringLiteral("Hortelia — %1[*]").arg(nombre));
    setWindowModified(HayCambios());
}

bool Hortelia::eventFilter(QObject* objeto, QEvent* evento) {
    const QEvent::Type t = evento->type();
    if (!tituloPendiente_ && (t == QEvent::MouseButtonRelease || t == QEvent::KeyRelease || t == QEvent::Wheel)) {
        tituloPendiente_ = true;
        QTimer::singleShot(0, this, &Hortelia::ActualizaTitulo);
    }
    return QMainWindow::eventFilter(objeto, evento);
}

bool Hortelia::PuedeDejarElEscenario() {
    if (!HayCambios()) return true;
    const QString nombre =
        rutaEscenario_.isEmpty() ? QStringLiteral("este escenario") : QFileInfo(rutaEscenario_).fileName();
    switch (interaccion_.Pregunta(QStringLiteral("¿Guardar los cambios de %1?").arg(nombre), QStringLiteral("Guardar"),
                                  QStringLiteral("Descartar"), true)) {
    case Interaccion::Respuesta::Si: return Guarda();
    case Interaccion::Respuesta::No: return true;
    case Interaccion::Respuesta::Cancelar: return false;
    }
    return false;
}

void Hortelia::closeEvent(QCloseEvent* evento) {
    if (PuedeDejarElEscenario()) {
        if (planilla_) planilla_->close();
        if (temporada_) temporada_->close();
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
    if (!temporada_)
        temporada_ = new VentanaTemporada(
            e, interaccion_, [this] { return rutaEscenario_; }, this);
    temporada_->Abre();
}

void Hortelia::CierraResultados() {
    resultados_->hide();
    protocolo_->MuestraResultados(false);
    // The focus goes back to the open panel, or to the first side button.
    if (protocolo_->Abierto() < 0) laterales_.front()->setFocus();
}

void Hortelia::AbrePlanilla() {
    if (!planilla_)
        planilla_ = new Planilla(
            e, *resumen_, interaccion_, [this] { return rutaEscenario_; }, this);
    planilla_->Llena();
}

void Hortelia::ImprimeResultados() {
    // The results frame alone, without its buttons, scaled to the page.
    const QString error =
        ImprimeWidget(resultados_, interaccion_, PdfPropuesto(rutaEscenario_, QStringLiteral("resultados")));
    if (!error.isEmpty()) Avisa(Interaccion::Gravedad::Error, error);
}

void Hortelia::GuardaArchivo() { Guarda(); }

bool Hortelia::Guarda() {
    const QString ruta = EligeParaGuardar(interaccion_, kArchivoEscenario, rutaEscenario_);
    if (ruta.isEmpty()) return false;
    const ResultadoArchivo r = GuardaEscenario(ruta.toStdString(), e);
    if (!r.ok) {
        Avisa(Interaccion::Gravedad::Error,
              QStringLiteral(
                  "Elija otra carpeta o nombre para guardar el escenario; el archivo anterior no se tocó.\n\n") +
                  Q(r.mensaje));
        return false;
    }
    rutaEscenario_ = ruta;
    RecuerdaReciente(ruta, true);
    huellaGuardada_ = HuellaEscenario(e);
    ActualizaTitulo();
    statusBar()->showMessage(QStringLiteral("Escenario guardado en %1").arg(ruta), 5000);
    return true;
}

void Hortelia::AbreArchivo() {
    if (!PuedeDejarElEscenario()) return;
    const QString ruta = EligeParaAbrir(interaccion_, kArchivoEscenario, rutaEscenario_);
    if (!ruta.isEmpty()) CargaArchivo(ruta);
}

QStringList Hortelia::Recientes() const { return QSettings().value(kClaveRecientes).toStringList(); }

void Hortelia::RecuerdaReciente(const QString& ruta, bool valido) {
    QStringList lista = Recientes();
    const QString absoluta = QFileInfo(ruta).absoluteFilePath();
    lista.removeAll(absoluta);
    if (valido) lista.prepend(absoluta);
    while (lista.size() > kRecientes) lista.removeLast();
    QSettings().setValue(kClaveRecientes, lista);
}

void Hortelia::LlenaRecientes() {
    menuRecientes_->clear();
    const QStringList lista = Recientes();
    for (int i = 0; i < lista.size(); ++i) {
        const QString ruta = lista[i];
        QAction* a = menuRecientes_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(ruta).fileName()));
        a->setObjectName(QStringLiteral("Reciente%1").arg(i + 1));
        a->setStatusTip(ruta);
        a->setToolTip(ruta);
        connect(a, &QAction::triggered, this, [this, ruta] {
            if (PuedeDejarElEscenario()) CargaArchivo(ruta);
        });
    }
    if (lista.isEmpty()) menuRecientes_->addAction(QStringLiteral("(ninguno)"))->setEnabled(false);
}

void Hortelia::CargaArchivo(const QString& ruta) {
    const ResultadoCarga r = CargaEscenario(ruta.toStdString(), e);
    if (!r.ok) {
        RecuerdaReciente(ruta, false);
        Avisa(Interaccion::Gravedad::Error,
              QStringLiteral("Elija un archivo guardado por Hortelia (.hrt).\n\n") + Q(r.mensaje));
        return;
    }
    RecuerdaReciente(ruta, true);
    rutaEscenario_ = ruta;
    huellaGuardada_ = HuellaEscenario(e);
    // The results of the scenario that was on screen go; an open panel stays, showing the
    // loaded values. The summary and each panel show them; the dimensions stay pending when
    // the geometry refuses them.
    if (protocolo_->ResultadosVisibles()) CierraResultados();
    if (planilla_) planilla_->hide();
    if (temporada_) temporada_->Descarta();
    resumen_->Carga(e, r.dimensionesValidas);
    for (Panel* p : paneles_) p->MuestraCargado();
    ActualizaTitulo();
    if (!r.dimensionesValidas)
        Avisa(Interaccion::Gravedad::Advertencia,
              QStringLiteral("El escenario se cargó, pero sus dimensiones no son válidas: ") + Q(r.motivoDimensiones) +
                  QStringLiteral(" Acepte las dimensiones antes de procesar."));
}

}  // namespace hortelia
