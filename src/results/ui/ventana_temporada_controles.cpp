// The season window's rows of controls: the climate table, the days and prices with "&Calcula"
// and the run's progress, and the buttons at the bottom.

#include "results/ui/ventana_temporada.h"

#include "results/ui/corrida_temporada.h"
#include "results/ui/fila_diseno.h"
#include "ui/controles.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

namespace hortelia {

// The climate table: its file and the button that chooses it.
QLayout* VentanaTemporada::CreaFilaClima() {
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
                           "con tmax y tmin y, si se tienen, hrmax, hrmin, nubosidad y viento; un año típico EPW; "
                           "o la exportación CSV horaria o diaria de un servicio de clima"));
    auto* filaClima = new QHBoxLayout;
    filaClima->addWidget(etiquetaClima);
    filaClima->addWidget(campoClima_, 1);
    filaClima->addWidget(elige_);
    connect(elige_, &QPushButton::clicked, this, &VentanaTemporada::EligeTabla);
    return filaClima;
}

// The days and the prices, then "&Calcula".
QLayout* VentanaTemporada::CreaFilaDatos() {
    desde_ = new EditorFecha(this, "DesdeTemporada", QStringLiteral("Primer día"));
    hasta_ = new EditorFecha(this, "HastaTemporada", QStringLiteral("Último día"));
    auto* etiquetaDesde = CreaEtiqueta(this, "LDesde", QStringLiteral("&Desde"));
    auto* etiquetaHasta = CreaEtiqueta(this, "LHasta", QStringLiteral("&Hasta"));
    etiquetaDesde->setBuddy(desde_);
    etiquetaHasta->setBuddy(hasta_);
    Explica(hasta_,
            QStringLiteral("Último día de la temporada; con normales o un año típico puede ser anterior al primero: la "
                           "temporada cruza el año nuevo"));
    precioCombustible_ = new QLineEdit(this);
    precioCombustible_->setObjectName("PrecioCombustible");
    precioAgua_ = new QLineEdit(this);
    precioAgua_->setObjectName("PrecioAgua");
    etiquetaPrecioCombustible_ = CreaEtiqueta(this, "LPrecioCombustible");
    auto* etiquetaPrecioAgua = CreaEtiqueta(this, "LPrecioAgua", QStringLiteral("Precio del ag&ua (por m³)"));
    etiquetaPrecioCombustible_->setBuddy(precioCombustible_);
    etiquetaPrecioAgua->setBuddy(precioAgua_);
    precioAgua_->setAccessibleName(QStringLiteral("Precio del agua por m³"));
    for (QLineEdit* precio : {precioCombustible_, precioAgua_}) {
        precio->setMaximumWidth(precio->fontMetrics().horizontalAdvance(QStringLiteral("0000000,00")) + 16);
        Explica(precio, QStringLiteral("Opcional: con coma o punto decimal; vacío, la temporada va sin ese costo"));
        connect(precio, &QLineEdit::returnPressed, this, &VentanaTemporada::Calcula);
    }
    calcula_ = CreaBoton(this, "CalculaTemporada", QStringLiteral("&Calcula"));
    CreaAvance();
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
    filaDatos->addWidget(progreso_);
    filaDatos->addWidget(cancela_);
    filaDatos->addWidget(calcula_);
    connect(calcula_, &QPushButton::clicked, this, &VentanaTemporada::Calcula);
    return filaDatos;
}

// While a season runs: how far it got, and how to stop it.
void VentanaTemporada::CreaAvance() {
    progreso_ = new QProgressBar(this);
    progreso_->setObjectName("ProgresoTemporada");
    progreso_->setAccessibleName(QStringLiteral("Progreso de la temporada"));
    progreso_->setTextVisible(true);
    // "&Calcula" is disabled while this shows: the C is free.
    cancela_ = CreaBoton(this, "CancelaTemporada", QStringLiteral("&Cancelar"));
    Explica(cancela_, QStringLiteral("Detiene la temporada; quedan los resultados que se veían"));
    reloj_ = new QTimer(this);
    reloj_->setInterval(100);
    connect(reloj_, &QTimer::timeout, this, &VentanaTemporada::MuestraAvance);
    connect(cancela_, &QPushButton::clicked, corrida_, &CorridaTemporada::Cancela);
}

QLayout* VentanaTemporada::CreaBotones() {
    guardaHoja_ = CreaBoton(this, "GuardaHojaTemporada", QStringLiteral("Guarda como ho&ja de cálculo (.xlsx)"));
    guarda_ = CreaBoton(this, "GuardaTemporada", QStringLiteral("&Guarda"));
    imprime_ = CreaBoton(this, "ImprimeTemporada", QStringLiteral("&Imprime"));
    previa_ = CreaBoton(this, "PreviaTemporada", QStringLiteral("&Vista previa"));
    // "&Calcula" has the C.
    cierra_ = CreaBoton(this, "CierraTemporada", QStringLiteral("Cie&rra"));
    Explica(guardaHoja_,
            QStringLiteral("Para LibreOffice Calc o Excel en cualquier idioma: cada cifra queda como número"));
    Explica(guarda_, QStringLiteral("El texto de hortelia-sim --temporada, separado por tabuladores (Ctrl+S)"));
    Explica(imprime_, QStringLiteral("Los totales, los gráficos y la tabla de meses (Ctrl+P)"));
    Explica(previa_, QStringLiteral("Las mismas páginas en la pantalla, antes de imprimirlas"));
    auto* botones = new QHBoxLayout;
    botones->addStretch(1);
    botones->addWidget(guardaHoja_);
    botones->addWidget(guarda_);
    botones->addWidget(imprime_);
    botones->addWidget(previa_);
    botones->addWidget(cierra_);
    connect(guarda_, &QPushButton::clicked, this, &VentanaTemporada::ExportaTexto);
    connect(guardaHoja_, &QPushButton::clicked, this, &VentanaTemporada::ExportaHojaCalculo);
    connect(imprime_, &QPushButton::clicked, this, &VentanaTemporada::Imprime);
    connect(previa_, &QPushButton::clicked, this, &VentanaTemporada::MuestraVistaPrevia);
    connect(cierra_, &QPushButton::clicked, this, &VentanaTemporada::Cierra);
    // The conventional shortcuts beside the accelerators.
    connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, this, &VentanaTemporada::Imprime);
    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this, &VentanaTemporada::ExportaTexto);
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &VentanaTemporada::Cierra);
    return botones;
}

}  // namespace hortelia
