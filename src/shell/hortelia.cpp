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
#include "shell/mnemonicos.h"
#include "ui/dibujos.h"
#include "ui/resumen.h"
#include "weather/ui/panel_humedad.h"
#include "weather/ui/panel_radiacion.h"
#include "weather/ui/panel_temperatura.h"
#include "weather/ui/panel_viento.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace hortelia {
namespace {

// A heading of the side column: white text on the group's colour.
QLabel* Titulo(const char* nombre, const QString& texto, const QColor& fondo, QWidget* padre) {
    auto* l = new QLabel(texto, padre);
    l->setObjectName(nombre);
    l->setAlignment(Qt::AlignCenter);
    l->setWordWrap(true);
    l->setAutoFillBackground(true);
    l->setMargin(4);
    QPalette paleta = l->palette();
    paleta.setColor(QPalette::Window, fondo);
    paleta.setColor(QPalette::WindowText, Qt::white);
    l->setPalette(paleta);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

// Colours given as 0x00BBGGRR.
QColor DesdeBGR(unsigned bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

}  // namespace

Hortelia::Hortelia(Escenario& escenario, QWidget* parent) : QMainWindow(parent), e(escenario) {
    setObjectName("Hortelia");
    setWindowTitle(QStringLiteral("Hortelia"));
    resize(1100, 720);
    CreaMenus();
    auto* central = new QWidget(this);
    auto* caja = new QVBoxLayout(central);
    caja->setContentsMargins(0, 0, 0, 0);
    caja->addWidget(CreaInicio());
    caja->addWidget(CreaVistaTrabajo());
    setCentralWidget(central);
    protocolo_ = std::make_unique<Protocolo>(e, botones_, Datos, Command12, Proceso);
    new Mnemonicos(this);
    Form_Load();
}

Hortelia::~Hortelia() = default;

void Hortelia::CreaMenus() {
    QMenuBar* barra = menuBar();
    auto entrada = [this](QMenu* menu, const char* nombre, const QString& texto) {
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

    Archivo = barra->addMenu(QStringLiteral("&Archivos"));
    Archivo->setObjectName("MenuArchivo");
    Archivo->menuAction()->setObjectName("Archivo");
    connect(entrada(Archivo, "Abre", QStringLiteral("&Abre")), &QAction::triggered, this, &Hortelia::Abre_Click);
    connect(entrada(Archivo, "Guarda", QStringLiteral("&Guarda")), &QAction::triggered, this, &Hortelia::Guarda_Click);
    connect(entrada(Archivo, "Sale", QStringLiteral("&Sale")), &QAction::triggered, this, &Hortelia::Sale_Click);

    Datos = barra->addMenu(QStringLiteral("&Datos"));
    Datos->setObjectName("MenuDatos");
    Datos->menuAction()->setObjectName("Datos");
    QMenu* Invernaculo = submenu(Datos, "Invernaculo", QStringLiteral("&Invernáculo"));
    QMenu* Estructura = submenu(Invernaculo, "Estructura", QStringLiteral("&Estructura"));
    entradas_ << entrada(Estructura, "Techo", QStringLiteral("&Tipo de techo"))
              << entrada(Estructura, "Dimensiones", QStringLiteral("&Dimensiones"))
              << entrada(Estructura, "Material", QStringLiteral("&Material"))
              << entrada(Estructura, "Ventilacion", QStringLiteral("&Ventilación"))
              << entrada(Invernaculo, "Calefaccion", QStringLiteral("Sistema &Calefacción"))
              << entrada(Datos, "Cultivo", QStringLiteral("&Cultivo"));
    QMenu* Meteorologia = submenu(Datos, "Meteorologia", QStringLiteral("&Meteorología"));
    entradas_ << entrada(Meteorologia, "Temperatura", QStringLiteral("&Temperatura"))
              << entrada(Meteorologia, "Humedad", QStringLiteral("&Humedad relativa"))
              << entrada(Meteorologia, "Radiacion", QStringLiteral("&Radiación global"))
              << entrada(Meteorologia, "Viento", QStringLiteral("&Viento"));

    Proceso = barra->addAction(QStringLiteral("&Procesamiento"));
    Proceso->setObjectName("Proceso");
    connect(Proceso, &QAction::triggered, this, &Hortelia::Command12_Click);
    QAction* Acerca = barra->addAction(QStringLiteral("Acerca de &Hortelia"));
    Acerca->setObjectName("Acerca");
    Acerca->setEnabled(false);
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
    auto* Label1 = texto("Label1", QStringLiteral("Hortelia"), 3.2, true);
    Label1->setStyleSheet(QStringLiteral("color: #1f6b2f;"));
    auto* Label2 = texto(
        "Label2", QStringLiteral("Modelo para simular las necesidades de calefacción y ventilación en invernáculos"),
        1.5, false);
    auto* Label3 =
        texto("Label3",
              QStringLiteral("Describa el invernáculo, el cultivo y el tiempo de un día: el programa calcula, "
                             "hora por hora, el clima interior, el combustible, el agua y la transpiración."),
              1.0, false);
    Label3->setStyleSheet(QStringLiteral("color: #404040;"));

    auto* dibujos = new QHBoxLayout;
    dibujos->setSpacing(30);
    dibujos->addWidget(new Dibujo("Picture1", Dibujo::Tipo::Invernaculo, Techo::DosAguas,
                                  QStringLiteral("Dibujo de un invernáculo a dos aguas bajo el sol"), marco));
    dibujos->addWidget(new Dibujo("Picture2", Dibujo::Tipo::Cultivo, Techo::DosAguas,
                                  QStringLiteral("Dibujo del cultivo, la calefacción y una ventana cenital"), marco));

    auto* Command5 = new QPushButton(QStringLiteral("&Inicio"), marco);
    Command5->setObjectName("Command5");
    Command5->setMinimumSize(160, 40);
    Command5->setDefault(true);
    connect(Command5, &QPushButton::clicked, this, &Hortelia::Command5_Click);

    auto* caja = new QVBoxLayout(marco);
    caja->setContentsMargins(60, 30, 60, 30);
    caja->setSpacing(14);
    caja->addWidget(Label1);
    caja->addWidget(Label2);
    caja->addWidget(Label3);
    caja->addLayout(dibujos, 1);
    caja->addWidget(Command5, 0, Qt::AlignHCenter);
    FrInicio = marco;
    return marco;
}

QWidget* Hortelia::CreaVistaTrabajo() {
    vistaTrabajo_ = new QWidget(this);
    vistaTrabajo_->setObjectName("VistaTrabajo");
    vistaTrabajo_->hide();

    auto* columna = new QWidget(vistaTrabajo_);
    columna->setObjectName("ColumnaBotones");
    columna->setFixedWidth(190);
    auto* botonera = new QVBoxLayout(columna);
    botonera->setContentsMargins(0, 0, 0, 0);
    botonera->setSpacing(4);
    auto boton = [&](const char* nombre, const QString& texto) {
        auto* b = new QPushButton(texto, columna);
        b->setObjectName(nombre);
        b->setMinimumHeight(30);
        Protocolo::PintaBoton(b, Protocolo::kRosa);
        b->hide();
        botonera->addWidget(b);
        botones_.append(b);
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

    Command12 = new QPushButton(QStringLiteral("&Procesamiento datos"), columna);
    Command12->setObjectName("Command12");
    Command12->setMinimumHeight(34);
    Command12->setEnabled(false);
    Command12->hide();
    Command1 = new QPushButton(QStringLiteral("&Salir"), columna);
    Command1->setObjectName("Command1");
    Command1->setMinimumHeight(30);
    Command1->hide();
    botonera->addWidget(Command12);
    botonera->addSpacing(6);
    botonera->addWidget(Command1);
    connect(Command12, &QPushButton::clicked, this, &Hortelia::Command12_Click);
    connect(Command1, &QPushButton::clicked, this, &Hortelia::Command1_Click);

    // Panels and the results frame share one cell: the one shown stands in front.
    auto* area = new QFrame(vistaTrabajo_);
    area->setObjectName("AreaTrabajo");
    area->setFrameShape(QFrame::StyledPanel);
    auto* celda = new QGridLayout(area);
    celda->setContentsMargins(4, 4, 4, 4);
    areaTrabajo_ = area;

    auto* marcoResumen = new QFrame(vistaTrabajo_);
    marcoResumen->setObjectName("MarcoResumen");
    marcoResumen->setFrameShape(QFrame::StyledPanel);
    marcoResumen->setFixedWidth(250);
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
    fila->addWidget(area, 1);
    fila->addWidget(marcoResumen);
    return vistaTrabajo_;
}

void Hortelia::PonEnAreaDeTrabajo(QWidget* frame) {
    frame->hide();
    static_cast<QGridLayout*>(areaTrabajo_->layout())->addWidget(frame, 0, 0);
}

void Hortelia::CreaPaneles() {
    Resumen& r = *resumen_;
    Protocolo& p = *protocolo_;
    const QList<QPushButton*>& b = botones_;
    QWidget* area = areaTrabajo_;
    paneles_ = {new PanelTecho(e, p, r, b[0], b[1], area), new PanelDimensiones(e, p, r, b[1], area),
                new PanelCobertura(e, p, r, b[2], area),   new PanelVentilacion(e, p, r, b[3], area),
                new PanelCalefaccion(e, p, r, b[4], area), new PanelCultivo(e, p, r, b[5], area),
                new PanelTemperatura(e, p, r, b[6], area), new PanelHumedad(e, p, r, b[7], area),
                new PanelRadiacion(e, p, r, b[8], area),   new PanelViento(e, p, r, b[9], area)};
    for (int i = 0; i < paneles_.size(); ++i) {
        Panel* panel = paneles_[i];
        PonEnAreaDeTrabajo(panel);
        connect(botones_[i], &QPushButton::clicked, panel, [panel] { panel->Abre(Panel::Origen::BotonLateral); });
        connect(entradas_[i], &QAction::triggered, panel, [panel] { panel->Abre(Panel::Origen::Menu); });
    }
    FrResultados = new PanelResultados(e, areaTrabajo_);
    PonEnAreaDeTrabajo(FrResultados);
    connect(FrResultados->Command14, &QPushButton::clicked, this, &Hortelia::Command14_Click);
    connect(FrResultados->Command15, &QPushButton::clicked, this, &Hortelia::Guarda_Click);
    connect(FrResultados->Command19, &QPushButton::clicked, this, &Hortelia::Command19_Click);
    connect(FrResultados->Command20, &QPushButton::clicked, this, &Hortelia::Command20_Click);
}

void Hortelia::Form_Load() {
    for (QMenu* m : {Archivo, Datos}) {
        m->setEnabled(false);
        m->menuAction()->setEnabled(false);
    }
    Proceso->setEnabled(false);
    PonValoresIniciales(e);
    CreaPaneles();
}

void Hortelia::Command5_Click() {
    for (QMenu* m : {Archivo, Datos}) {
        m->setEnabled(true);
        m->menuAction()->setEnabled(true);
    }
    FrInicio->hide();
    vistaTrabajo_->show();
    Command1->show();
    Command12->show();
    for (QPushButton* b : botones_) b->show();
    for (QLabel* l : titulos_) l->show();
    botones_.front()->setFocus();
}

void Hortelia::Command1_Click() { QApplication::closeAllWindows(); }
void Hortelia::Sale_Click() { QApplication::closeAllWindows(); }

bool Hortelia::PanelAbierto() const {
    return std::any_of(paneles_.begin(), paneles_.end(), [](const Panel* p) { return p->isVisible(); });
}

void Hortelia::AjustaNavegacion() {
    if (FrResultados->isVisible()) {
        for (QPushButton* b : botones_) b->setEnabled(false);
        Datos->setEnabled(false);
        Datos->menuAction()->setEnabled(false);
        protocolo_->HabilitaProceso(false);
    } else if (PanelAbierto()) {
        protocolo_->HabilitaProceso(false);
    } else {
        protocolo_->RehabilitaNavegacion();
        protocolo_->HabilitaProceso(e.DatosListos == 10);
    }
}

void Hortelia::Command12_Click() {
    const ResultadoDia r = SimulaDia(e);
    if (!r.ok) {
        protocolo_->Avisa(Q(r.mensaje));
        return;
    }
    FrResultados->MuestraDia();
    AjustaNavegacion();
    FrResultados->HScrResHora->setFocus();
}

void Hortelia::Command20_Click() {
    FrResultados->hide();
    AjustaNavegacion();
    // The focus goes back to the open panel, or to the first side button.
    if (!PanelAbierto()) botones_.front()->setFocus();
}

void Hortelia::Command14_Click() {
    if (!planilla_) {
        planilla_ = new Planilla(e, *resumen_, dialogo_, impresion_, this);
        planilla_->aviso = [this](const QString& t) { protocolo_->Avisa(t); };
    }
    planilla_->Command14_Click();
}

void Hortelia::Command19_Click() {
    const QString error = impresion_.Imprime(this);
    if (!error.isEmpty()) protocolo_->Avisa(error);
}

void Hortelia::Guarda_Click() {
    const QString ruta = dialogo_.Elige(DialogoArchivo::Modo::Guardar, DialogoArchivo::kFiltroEscenario);
    if (ruta.isEmpty()) return;
    const ResultadoArchivo r = GuardaEscenario(ruta.toStdString(), e);
    if (!r.ok) protocolo_->Avisa(Q(r.mensaje));
}

void Hortelia::Abre_Click() {
    const QString ruta = dialogo_.Elige(DialogoArchivo::Modo::Abrir, DialogoArchivo::kFiltroEscenario);
    if (ruta.isEmpty()) return;
    const ResultadoCarga r = CargaEscenario(ruta.toStdString(), e);
    if (!r.ok) {
        protocolo_->Avisa(Q(r.mensaje));
        return;
    }
    // Each panel shows its loaded values and turns green; the dimensions stay pink when the
    // geometry refuses them.
    for (Panel* p : paneles_) p->MuestraCargado();
    AjustaNavegacion();
    if (!r.dimensionesValidas)
        protocolo_->Avisa(QStringLiteral("El escenario se cargó, pero sus dimensiones no son válidas: ") +
                          Q(r.motivoDimensiones) + QStringLiteral(" Acepte las dimensiones antes de procesar."));
}

}  // namespace hortelia
