#include "results/ui/vista_opciones.h"

#include "engine/carga_escenario.h"
#include "engine/valores_iniciales.h"
#include "results/informe_opciones.h"
#include "results/ui/corrida_temporada.h"
#include "results/ui/resultado_opciones.h"
#include "results/ui/tabla_temporada.h"
#include "scenario/catalogo.h"
#include "scenario/limites.h"
#include "ui/controles.h"
#include "ui/dialogo_archivo.h"
#include "ui/grafico.h"
#include "ui/interaccion.h"
#include "ui/texto_qt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace hortelia {
namespace {

// The efficiency offered first, where the scenario's is below it: a good modern burner.
constexpr int kEficienciaPropuesta = 90;

const QString kSinComparar = QStringLiteral(
    "Marque las opciones que quiere comparar, con lo que cuesta cada una, y pulse «Compara»: cada una corre la "
    "temporada elegida arriba, con sus días y sus precios.");

// A row's caption numbered from 1, its number the accelerator: Alt+1 checks the first option.
// Past the ninth, a row has no accelerator.
QString ConNumero(const QString& texto, int fila) {
    return fila < 9 ? QStringLiteral("&%1 %2").arg(fila + 1).arg(texto) : texto;
}

QSpinBox* CreaNumero(QWidget* padre, const char* nombre, const QString& accesible, const QString& sufijo) {
    auto* n = new QSpinBox(padre);
    n->setObjectName(nombre);
    n->setAccessibleName(accesible);
    n->setSuffix(sufijo);
    return n;
}

}  // namespace

VistaOpciones::VistaOpciones(const Escenario& escenario, Interaccion& interaccion, CorridaTemporada& corrida,
                             std::function<QString()> rutaEscenario,
                             std::function<std::optional<PedidoTemporada>()> pideTemporada, QWidget* parent)
    : QWidget(parent),
      e(escenario),
      interaccion_(interaccion),
      corrida_(corrida),
      rutaEscenario_(std::move(rutaEscenario)),
      pideTemporada_(std::move(pideTemporada)) {
    setObjectName("VistaOpciones");
    grafico_ = CreaGraficoOpciones(this);
    modelo_ = new ModeloTemporada(this);
    tabla_ = CreaTablaTemporada(this, "TablaOpciones", QStringLiteral("Comparación de las opciones"), modelo_);
    nota_ = CreaEtiqueta(this, "NotaOpciones", kSinComparar);
    nota_->setWordWrap(true);
    auto* arriba = new QHBoxLayout;
    arriba->addWidget(CreaOpciones(), 0);
    arriba->addWidget(grafico_, 1);
    auto* todo = new QVBoxLayout(this);
    todo->setContentsMargins(0, 0, 0, 0);
    todo->addLayout(arriba, 3);
    todo->addWidget(nota_);
    todo->addWidget(tabla_, 2);
    Prepara();
}

// The check boxes with their parameters and investments, "Agregar escenario…" and "Compara".
QWidget* VistaOpciones::CreaOpciones() {
    auto* grupo = CreaGrupo(this, "GrupoOpciones", QStringLiteral("Opciones junto a su invernáculo"));
    grupo_ = grupo;
    rejilla_ = new QGridLayout;
    rejilla_->setVerticalSpacing(2);
    rejilla_->addWidget(CreaEtiqueta(grupo, "LInversion", QStringLiteral("Inversión ($)")), 0, 2);
    minima_ = CreaNumero(grupo, "MinimaOpcion", QStringLiteral("Grados que baja la mínima tolerable"),
                         QStringLiteral(" °C más baja"));
    eficiencia_ =
        CreaNumero(grupo, "EficienciaOpcion", QStringLiteral("Eficiencia de la calefacción (%)"), QStringLiteral(" %"));
    eficiencia_->setValue(kEficienciaPropuesta);
    AgregaFila(TipoOpcion::DobleTecho, "OpcionDobleTecho", QStringLiteral("Doble techo"), nullptr,
               QStringLiteral("Una segunda lámina sobre el techo: pierde menos calor"));
    AgregaFila(TipoOpcion::MantenimientoBueno, "OpcionMantenimiento", QStringLiteral("Mantenimiento bueno"), nullptr,
               QStringLiteral("Sellar las fugas: 2 renovaciones de aire por hora"));
    AgregaFila(TipoOpcion::Minima, "OpcionMinima", QStringLiteral("Mínima tolerable"), minima_,
               QStringLiteral("Calefaccionar hasta una mínima más baja, de 1 a 3 °C"));
    AgregaFila(TipoOpcion::Eficiencia, "OpcionEficiencia", QStringLiteral("Eficiencia de la calefacción"), eficiencia_,
               QStringLiteral("Un quemador o una caldera mejor, hasta 100 %"));
    AgregaFila(TipoOpcion::Combustible, "OpcionCombustible", QStringLiteral("Otro combustible"), CreaCombustible(grupo),
               QStringLiteral("Otro combustible del catálogo, a su precio"));

    agrega_ = CreaBoton(grupo, "AgregaEscenario", QStringLiteral("Agregar esce&nario…"));
    Explica(agrega_, QStringLiteral("Otro escenario .hrt, por ejemplo una variante suya, como una opción más"));
    connect(agrega_, &QPushButton::clicked, this, &VistaOpciones::EligeEscenario);
    auto* botones = new QHBoxLayout;
    botones->addWidget(agrega_);
    botones->addStretch(1);

    // Many files added scroll inside the group.
    auto* filas = new QWidget(grupo);
    auto* alto = new QVBoxLayout(filas);
    alto->setContentsMargins(0, 0, 0, 0);
    alto->addLayout(rejilla_);
    alto->addStretch(1);
    auto* desplaza = new QScrollArea(grupo);
    desplaza->setWidget(filas);
    desplaza->setWidgetResizable(true);
    desplaza->setFrameShape(QFrame::NoFrame);
    desplaza->setMinimumWidth(filas->sizeHint().width() + 24);
    auto* caja = new QVBoxLayout(grupo);
    caja->addWidget(desplaza, 1);
    caja->addLayout(botones);
    return grupo;
}

// The fuel to change to and its price, whose unit follows the fuel.
QWidget* VistaOpciones::CreaCombustible(QWidget* grupo) {
    combustible_ = new QComboBox(grupo);
    combustible_->setObjectName("CombustibleOpcion");
    combustible_->setAccessibleName(QStringLiteral("Combustible nuevo"));
    precioNuevo_ = new QLineEdit(grupo);
    precioNuevo_->setObjectName("PrecioCombustibleNuevo");
    precioNuevo_->setMaximumWidth(precioNuevo_->fontMetrics().horizontalAdvance(QStringLiteral("precio por litro")) +
                                  16);
    Explica(precioNuevo_, QStringLiteral("Precio por unidad del combustible nuevo, con coma o punto decimal"));
    connect(combustible_, &QComboBox::currentIndexChanged, this, [this] {
        const QString unidad = Q(UnidadPoderCalorico(combustible_->currentText().toStdString()));
        precioNuevo_->setPlaceholderText(QStringLiteral("precio por %1").arg(unidad));
        precioNuevo_->setAccessibleName(QStringLiteral("Precio del combustible nuevo por %1").arg(unidad));
    });
    auto* gas = new QWidget(grupo);
    auto* fila = new QHBoxLayout(gas);
    fila->setContentsMargins(0, 0, 0, 0);
    fila->addWidget(combustible_);
    fila->addWidget(precioNuevo_);
    return gas;
}

void VistaOpciones::AgregaFila(TipoOpcion tipo, const char* nombre, const QString& texto, QWidget* parametro,
                               const QString& ayuda) {
    auto* marca = new QCheckBox(ConNumero(texto, static_cast<int>(catalogo_.size())), this);
    marca->setObjectName(nombre);
    marca->setProperty("ayuda", ayuda);
    const int fila = rejilla_->rowCount();
    rejilla_->addWidget(marca, fila, 0);
    if (parametro) rejilla_->addWidget(parametro, fila, 1);
    QLineEdit* inversion = CreaInversion(texto);
    rejilla_->addWidget(inversion, fila, 2);
    connect(marca, &QCheckBox::toggled, this, &VistaOpciones::Habilita);
    catalogo_.push_back({tipo, marca, parametro, inversion, {}});
}

QLineEdit* VistaOpciones::CreaInversion(const QString& que) {
    auto* inversion = new QLineEdit(this);
    inversion->setAccessibleName(QStringLiteral("Inversión en %1 ($)").arg(que.toLower()));
    inversion->setMaximumWidth(inversion->fontMetrics().horizontalAdvance(QStringLiteral("0000000,00")) + 16);
    Explica(inversion, QStringLiteral("Lo que cuesta la opción, con coma o punto decimal; vacío, sin retorno"));
    connect(inversion, &QLineEdit::returnPressed, this, &VistaOpciones::Compara);
    return inversion;
}

void VistaOpciones::Prepara() {
    // The largest lowering of the minimum, the lowest efficiency above the scenario's, and the
    // catalogue's fuels but the scenario's own.
    int bajaMayor = 0;
    while (bajaMayor < kMinimaMasBaja && MotivoOpcion(e, {TipoOpcion::Minima, bajaMayor + 1}).empty()) ++bajaMayor;
    minima_->setRange(1, std::max(1, bajaMayor));
    const int eficienciaMenor = static_cast<int>(std::floor(e.Eficiencia)) + 1;
    eficiencia_->setRange(std::min(eficienciaMenor, 100), 100);
    const QString elegido = combustible_->currentText();
    combustible_->clear();
    for (std::size_t i = 0; i < kCombustibles.size(); ++i)
        if (CombustibleDeOpcion(i) && kCombustibles[i].nombre != e.Combustible)
            combustible_->addItem(Q(kCombustibles[i].opcion), static_cast<int>(i));
    combustible_->setCurrentIndex(std::max(0, combustible_->findText(elegido)));
    for (FilaCatalogo& f : catalogo_) {
        Opcion o = OpcionDe(f);
        if (f.tipo == TipoOpcion::Minima) o.valor = 1;
        if (f.tipo == TipoOpcion::Eficiencia) o.valor = eficiencia_->maximum();
        f.motivo = Q(MotivoOpcion(e, o));
        if (!f.motivo.isEmpty()) f.marca->setChecked(false);
        f.marca->setToolTip(f.motivo.isEmpty() ? f.marca->property("ayuda").toString()
                                               : QStringLiteral("No se aplica: %1.").arg(f.motivo));
    }
    Habilita();
}

void VistaOpciones::Habilita() {
    bool alguna = false;
    for (const FilaCatalogo& f : catalogo_) {
        const bool marcada = f.motivo.isEmpty() && f.marca->isChecked();
        f.marca->setEnabled(f.motivo.isEmpty());
        if (f.parametro) f.parametro->setEnabled(marcada);
        f.inversion->setEnabled(marcada);
        alguna = alguna || marcada;
    }
    for (const FilaArchivo& f : archivos_) {
        f.inversion->setEnabled(f.marca->isChecked());
        alguna = alguna || f.marca->isChecked();
    }
    marcadas_ = alguna;
    emit Cambio();
}

Opcion VistaOpciones::OpcionDe(const FilaCatalogo& f) const {
    switch (f.tipo) {
    case TipoOpcion::Minima: return {f.tipo, minima_->value()};
    case TipoOpcion::Eficiencia: return {f.tipo, eficiencia_->value()};
    case TipoOpcion::Combustible: return {f.tipo, combustible_->currentData().toInt()};
    case TipoOpcion::DobleTecho:
    case TipoOpcion::MantenimientoBueno: break;
    }
    return {f.tipo, 0};
}

void VistaOpciones::Olvida() {
    calculada_.reset();
    nota_->setText(kSinComparar);
    MuestraComparacion(nullptr, grafico_, modelo_);
    emit Cambio();
}

void VistaOpciones::EligeEscenario() {
    const QString escenario = rutaEscenario_();
    const QString ruta = EligeParaAbrir(interaccion_, kArchivoEscenario,
                                        escenario.isEmpty() ? QString() : QFileInfo(escenario).absolutePath());
    if (!ruta.isEmpty()) AgregaArchivo(ruta);
}

bool VistaOpciones::AgregaArchivo(const QString& ruta) {
    Escenario x;
    PonValoresIniciales(x);
    const ResultadoCarga c = CargaEscenario(ruta.toStdString(), x);
    const QString mensaje =
        !c.ok ? Q(c.mensaje)
        : !c.dimensionesValidas
            ? QStringLiteral("Las dimensiones del escenario no son válidas: %1").arg(Q(c.motivoDimensiones))
            : QString();
    if (!mensaje.isEmpty()) {
        interaccion_.Mensaje(Interaccion::Gravedad::Error,
                             QStringLiteral("No se puede agregar el escenario como opción.\n\n%1\n\n%2")
                                 .arg(QDir::toNativeSeparators(ruta), mensaje));
        return false;
    }
    const QString nombre = QFileInfo(ruta).fileName();
    auto* marca = new QCheckBox(ConNumero(nombre, static_cast<int>(catalogo_.size() + archivos_.size())), this);
    marca->setObjectName(QStringLiteral("OpcionArchivo%1").arg(archivos_.size() + 1));
    marca->setChecked(true);
    marca->setToolTip(QDir::toNativeSeparators(ruta));
    const int fila = rejilla_->rowCount();
    rejilla_->addWidget(marca, fila, 0, 1, 2);
    QLineEdit* inversion = CreaInversion(nombre);
    rejilla_->addWidget(inversion, fila, 2);
    connect(marca, &QCheckBox::toggled, this, &VistaOpciones::Habilita);
    archivos_.push_back({ruta, std::move(x), marca, inversion});
    Habilita();
    return true;
}

bool VistaOpciones::LeeCifraDe(QLineEdit* campo, const QString& que, std::optional<double>& importe) {
    const QString texto = campo->text().trimmed();
    importe.reset();
    if (texto.isEmpty()) return true;
    importe = LeeCifra(texto.toStdString(), limites::kPrecio);
    if (importe) return true;
    interaccion_.Mensaje(Interaccion::Gravedad::Advertencia,
                         QStringLiteral("Escriba %1 como un número %2, con coma o punto decimal (por ejemplo "
                                        "1500,50), o déjelo vacío: \"%3\" no lo es.")
                             .arg(que, Q(limites::kPrecio.Rango()), texto));
    campo->setFocus();
    campo->selectAll();
    return false;
}

std::optional<std::vector<OpcionAComparar>> VistaOpciones::OpcionesMarcadas(std::optional<double>& precioNuevo) {
    std::vector<OpcionAComparar> opciones;
    for (const FilaCatalogo& f : catalogo_) {
        if (!f.marca->isChecked() || !f.motivo.isEmpty()) continue;
        const Opcion o = OpcionDe(f);
        OpcionAplicada a = AplicaOpcion(e, o);
        std::optional<double> inversion;
        if (!LeeCifraDe(f.inversion, QStringLiteral("la inversión en %1").arg(Q(TituloOpcion(o))), inversion))
            return std::nullopt;
        if (!a.ok) {
            interaccion_.Mensaje(Interaccion::Gravedad::Advertencia,
                                 QStringLiteral("%1 no se aplica: %2.").arg(Q(TituloOpcion(o)), Q(a.motivo)));
            return std::nullopt;
        }
        opciones.push_back(
            {NombreOpcion(o), TituloOpcion(o), TituloOpcion(o, true), std::move(a.escenario), inversion});
        if (o.tipo != TipoOpcion::Combustible) continue;
        if (!LeeCifraDe(precioNuevo_, QStringLiteral("el precio del combustible nuevo"), precioNuevo))
            return std::nullopt;
        if (!precioNuevo) {
            interaccion_.Mensaje(Interaccion::Gravedad::Advertencia,
                                 QStringLiteral("Escriba el precio del combustible nuevo para compararlo."));
            precioNuevo_->setFocus();
            return std::nullopt;
        }
    }
    for (const FilaArchivo& f : archivos_) {
        std::optional<double> inversion;
        if (!f.marca->isChecked()) continue;
        const QString archivo = QFileInfo(f.ruta).fileName();
        if (!LeeCifraDe(f.inversion, QStringLiteral("la inversión en %1").arg(archivo), inversion)) return std::nullopt;
        const std::string nombre = archivo.toStdString();
        opciones.push_back({f.ruta.toStdString(), nombre, nombre, f.escenario, inversion});
    }
    return opciones;
}

void VistaOpciones::Compara() {
    if (!marcadas_ || corrida_.Corriendo()) return;
    const std::optional<PedidoTemporada> pedido = pideTemporada_();
    if (!pedido) return;
    std::optional<double> precioNuevo;
    std::optional<std::vector<OpcionAComparar>> opciones = OpcionesMarcadas(precioNuevo);
    if (!opciones) return;
    const std::string motivo = MotivoPreciosCombustible(e, *opciones, pedido->opciones.precios, precioNuevo);
    if (!motivo.empty()) {
        interaccion_.Mensaje(Interaccion::Gravedad::Advertencia,
                             QStringLiteral("No se puede comparar: %1.").arg(Q(motivo)));
        return;
    }
    // The run gets its own copies: the record, the options' scenarios and the inputs.
    auto hecha = std::make_shared<std::pair<ResultadoComparacion, std::string>>();
    corrida_.Empieza(
        [hecha, base = Escenario(e), o = std::move(*opciones), p = *pedido, precioNuevo](AvanceTemporada& avance) {
            hecha->first = ComparaOpciones(base, o, *p.tabla, p.opciones, precioNuevo, &avance);
            if (hecha->first.ok) hecha->second = TextoComparacion(hecha->first.comparacion);
        },
        [this, hecha, escenario = rutaEscenario_().toStdString(), clima = pedido->clima] {
            if (!hecha->first.ok) {
                interaccion_.Mensaje(Interaccion::Gravedad::Advertencia, Q(hecha->first.mensaje));
                return;
            }
            calculada_ =
                ComparacionCalculada{std::move(hecha->first.comparacion), escenario, clima, std::move(hecha->second)};
            nota_->setText(NotaComparacion(calculada_->comparacion));
            MuestraComparacion(&calculada_->comparacion, grafico_, modelo_);
            emit Cambio();
        });
}

void VistaOpciones::Bloquea(bool bloqueada) { grupo_->setEnabled(!bloqueada); }

void VistaOpciones::ExportaTexto() {
    if (calculada_) ExportaTextoOpciones(interaccion_, rutaEscenario_(), *calculada_);
}

void VistaOpciones::ExportaHojaCalculo() {
    if (calculada_) ExportaHojaOpciones(interaccion_, rutaEscenario_(), *calculada_);
}

void VistaOpciones::Imprime(bool previa) {
    if (calculada_) ImprimeOpciones(interaccion_, rutaEscenario_(), *calculada_, font(), previa);
}

}  // namespace hortelia
