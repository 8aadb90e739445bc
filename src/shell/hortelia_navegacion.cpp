#include "shell/hortelia.h"

#include "shell/ayuda.h"
#include "ui/colores.h"
#include "ui/dibujos.h"
#include "ui/resumen.h"

#include <QAction>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

// The navigation the main window paints: its menus, the start frame, and the working view with
// its side column of ten buttons under three headings, "&Procesamiento datos" and "&Salir", the
// working area and the summary column. Protocolo decides what of it is enabled.

namespace hortelia {
namespace {

// A heading of the side column on the group's colour, its text white or black, whichever
// reads at 4.5:1 or better against it (WCAG AA).
QLabel* Titulo(const QString& texto, const QColor& fondo, QWidget* padre) {
    auto* l = new QLabel(texto, padre);
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

QAction* Entrada(QMenu* menu, const char* nombre, const QString& texto) {
    QAction* a = menu->addAction(texto);
    a->setObjectName(nombre);
    return a;
}

QMenu* Submenu(QMenu* padre, const char* nombre, const QString& texto) {
    QMenu* m = padre->addMenu(texto);
    m->setObjectName(QStringLiteral("Menu%1").arg(nombre));
    m->menuAction()->setObjectName(nombre);
    return m;
}

}  // namespace

void Hortelia::CreaMenus() {
    QMenuBar* barra = menuBar();
    menuArchivo_ = barra->addMenu(QStringLiteral("&Archivos"));
    menuArchivo_->setObjectName("MenuArchivo");
    menuArchivo_->menuAction()->setObjectName("Archivo");
    // The conventional shortcuts beside the accelerators.
    CreaMenuArchivo();
    menuDatos_ = barra->addMenu(QStringLiteral("&Datos"));
    menuDatos_->setObjectName("MenuDatos");
    menuDatos_->menuAction()->setObjectName("Datos");
    CreaMenuDatos();

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
    new Ayuda(this, interaccion_);
}

void Hortelia::CreaMenuArchivo() {
    QAction* abre = Entrada(menuArchivo_, "Abre", QStringLiteral("&Abre"));
    abre->setShortcut(QKeySequence::Open);
    abre->setStatusTip(QStringLiteral("Abre un escenario guardado (.hrt)"));
    connect(abre, &QAction::triggered, this, &Hortelia::AbreArchivo);
    QAction* guarda = Entrada(menuArchivo_, "Guarda", QStringLiteral("&Guarda"));
    guarda->setShortcut(QKeySequence::Save);
    guarda->setStatusTip(QStringLiteral("Guarda el escenario (.hrt)"));
    connect(guarda, &QAction::triggered, this, &Hortelia::GuardaArchivo);
    menuRecientes_ = Submenu(menuArchivo_, "Recientes", QStringLiteral("Abiertos &recientemente"));
    connect(menuRecientes_, &QMenu::aboutToShow, this, &Hortelia::LlenaRecientes);
    QAction* sale = Entrada(menuArchivo_, "Sale", QStringLiteral("&Sale"));
    sale->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    sale->setStatusTip(QStringLiteral("Termina el programa"));
    connect(sale, &QAction::triggered, this, &Hortelia::Sale);
}

void Hortelia::CreaMenuDatos() {
    QMenu* invernaculo = Submenu(menuDatos_, "Invernaculo", QStringLiteral("&Invernáculo"));
    QMenu* estructura = Submenu(invernaculo, "Estructura", QStringLiteral("&Estructura"));
    entradas_ << Entrada(estructura, "Techo", QStringLiteral("&Tipo de techo"))
              << Entrada(estructura, "Dimensiones", QStringLiteral("&Dimensiones"))
              << Entrada(estructura, "Material", QStringLiteral("&Material"))
              << Entrada(estructura, "Ventilacion", QStringLiteral("&Ventilación"))
              << Entrada(invernaculo, "Calefaccion", QStringLiteral("Sistema &Calefacción"))
              << Entrada(menuDatos_, "Cultivo", QStringLiteral("&Cultivo"));
    QMenu* meteorologia = Submenu(menuDatos_, "Meteorologia", QStringLiteral("&Meteorología"));
    entradas_ << Entrada(meteorologia, "Temperatura", QStringLiteral("&Temperatura"))
              << Entrada(meteorologia, "Humedad", QStringLiteral("&Humedad relativa"))
              << Entrada(meteorologia, "Radiacion", QStringLiteral("&Radiación global"))
              << Entrada(meteorologia, "Viento", QStringLiteral("&Viento"));
}

QWidget* Hortelia::CreaInicio() {
    auto* marco = new QFrame(this);
    marco->setObjectName("FrInicio");
    marco->setFrameShape(QFrame::StyledPanel);
    auto texto = [marco](const QString& t, double escala, bool negrita) {
        auto* l = new QLabel(t, marco);
        l->setAlignment(Qt::AlignCenter);
        l->setWordWrap(true);
        QFont f = l->font();
        f.setPointSizeF(f.pointSizeF() * escala);
        f.setBold(negrita);
        l->setFont(f);
        return l;
    };
    auto* nombre = texto(QStringLiteral("Hortelia"), 3.2, true);
    nombre->setStyleSheet(QStringLiteral("color: #1f6b2f;"));
    auto* lema = texto(
        QStringLiteral("Modelo para simular las necesidades de calefacción y ventilación en invernáculos"), 1.5, false);
    auto* explicacion =
        texto(QStringLiteral("Describa el invernáculo, el cultivo y el tiempo de un día: el programa calcula, "
                             "hora por hora, el clima interior, el combustible, el agua y la transpiración."),
              1.0, false);
    explicacion->setStyleSheet(QStringLiteral("color: #404040;"));

    auto* dibujos = new QHBoxLayout;
    dibujos->setSpacing(30);
    dibujos->addWidget(new Dibujo(QString(), Dibujo::Tipo::Invernaculo, Techo::DosAguas,
                                  QStringLiteral("Dibujo de un invernáculo a dos aguas bajo el sol"), marco));
    dibujos->addWidget(new Dibujo(QString(), Dibujo::Tipo::Cultivo, Techo::DosAguas,
                                  QStringLiteral("Dibujo del cultivo, la calefacción y una ventana cenital"), marco));

    auto* inicio = new QPushButton(QStringLiteral("&Inicio"), marco);
    inicio->setObjectName("Command5");  // bench/bench_ventana.cpp looks it up by this name
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

    QWidget* columna = CreaColumnaBotones();
    // Panels and the results frame share one cell: the one shown stands in front. On a small
    // screen the cell scrolls instead of cutting a panel.
    auto* desplazable = new QScrollArea(vistaTrabajo_);
    desplazable->setObjectName("DesplazaTrabajo");
    desplazable->setWidgetResizable(true);
    desplazable->setFrameShape(QFrame::StyledPanel);
    auto* area = new QWidget;
    area->setObjectName("AreaTrabajo");
    area->setAccessibleName(QStringLiteral("Paneles del escenario"));
    auto* celda = new QGridLayout(area);
    celda->setContentsMargins(4, 4, 4, 4);
    desplazable->setWidget(area);
    areaTrabajo_ = area;

    auto* marcoResumen = new QFrame(vistaTrabajo_);
    marcoResumen->setObjectName("MarcoResumen");
    marcoResumen->setFrameShape(QFrame::StyledPanel);
    const QFontMetrics medida(font());
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

// The side column: the ten buttons under their headings, then processing and leaving.
QWidget* Hortelia::CreaColumnaBotones() {
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
    auto titulo = [&](const QString& texto, unsigned bgr) {
        if (!titulos_.isEmpty()) botonera->addSpacing(10);
        QLabel* l = Titulo(texto, DesdeBGR(bgr), columna);
        l->hide();
        botonera->addWidget(l);
        titulos_.append(l);
    };
    titulo(QStringLiteral("Estructura invernáculo"), 0x808080);
    boton("BotTecho", QStringLiteral("Tipo Techo"));
    boton("BotDimens", QStringLiteral("Dimensiones"));
    boton("BotMaterial", QStringLiteral("Cobertura"));
    boton("BotVentil", QStringLiteral("Ventilación"));
    boton("BotCalef", QStringLiteral("Calefacción"));
    titulo(QStringLiteral("Cultivo"), 0x008000);
    boton("BotCUltivo", QStringLiteral("Cultivo"));
    titulo(QStringLiteral("Condiciones meteorológicas"), 0xC0C000);
    boton("BotTemp", QStringLiteral("Temperat"));
    boton("BotHRel", QStringLiteral("Humedad"));
    boton("BotRadiac", QStringLiteral("Radiación"));
    boton("BotViento", QStringLiteral("Viento"));
    botonera->addStretch(1);

    procesa_ = new QPushButton(QStringLiteral("&Procesamiento datos"), columna);
    procesa_->setObjectName("Command12");  // bench/bench_ventana.cpp looks it up by this name
    procesa_->setMinimumHeight(34);
    procesa_->setStatusTip(QStringLiteral("Simula las 24 horas del día (con los diez paneles aceptados)"));
    procesa_->hide();
    salir_ = new QPushButton(QStringLiteral("&Salir"), columna);
    salir_->setMinimumHeight(30);
    salir_->setStatusTip(QStringLiteral("Termina el programa (pregunta antes si hay cambios sin guardar)"));
    salir_->hide();
    botonera->addWidget(procesa_);
    botonera->addSpacing(6);
    botonera->addWidget(salir_);
    connect(procesa_, &QPushButton::clicked, this, &Hortelia::ProcesaDia);
    connect(salir_, &QPushButton::clicked, this, &Hortelia::Sale);

    return columna;
}

}  // namespace hortelia
