#include "shell/hortelia.h"

#include "engine/carga_escenario.h"
#include "engine/simula_dia.h"
#include "results/ui/planilla.h"
#include "results/ui/ventana_temporada.h"
#include "scenario/archivo_hrt.h"
#include "scenario/texto_visible.h"
#include "ui/dialogo_archivo.h"
#include "ui/resumen.h"
#include "ui/texto_qt.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <utility>

// The main window's file operations: opening a scenario (through "&Abre", the recent files, a
// file dropped on the window or the command line), saving it, the recent files kept between
// runs, the title that names the file and marks unsaved changes, and the question asked before
// unsaved changes are lost.

namespace hortelia {
namespace {

constexpr int kRecientes = 6;
const QString kClaveRecientes = QStringLiteral("archivos/recientes");

// A file's name as the window shows it: a control character (a newline) as \xNN.
QString NombreVisible(const QString& nombre) { return Q(TextoVisible(nombre.toStdString(), 1024)); }

}  // namespace

bool Hortelia::HayCambios() const { return HuellaEscenario(e) != huellaGuardada_; }

void Hortelia::ActualizaTitulo() {
    tituloPendiente_ = false;
    QString nombre = rutaEscenario_.isEmpty() ? QString() : NombreVisible(QFileInfo(rutaEscenario_).fileName());
    if (nombre.isEmpty() && !propuesto_.isEmpty())
        nombre = QStringLiteral("%1 (sin guardar)").arg(NombreVisible(QFileInfo(propuesto_).completeBaseName()));
    setWindowTitle(nombre.isEmpty() ? QStringLiteral("Hortelia[*]") : QStringLiteral("Hortelia — %1[*]").arg(nombre));
    setWindowModified(HayCambios());
}

QString Hortelia::NombreParaImprimir() const {
    if (rutaEscenario_.isEmpty()) return QStringLiteral("sin nombre");
    const QString nombre = NombreVisible(QFileInfo(rutaEscenario_).fileName());
    return HayCambios() ? nombre + QStringLiteral(" (con cambios sin guardar)") : nombre;
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
    const QString nombre = rutaEscenario_.isEmpty() ? QStringLiteral("este escenario")
                                                    : NombreVisible(QFileInfo(rutaEscenario_).fileName());
    switch (interaccion_.Pregunta(QStringLiteral("¿Guardar los cambios de %1?").arg(nombre), QStringLiteral("Guardar"),
                                  QStringLiteral("Descartar"), true)) {
    case Interaccion::Respuesta::Si: return Guarda();
    case Interaccion::Respuesta::No: return true;
    case Interaccion::Respuesta::Cancelar: return false;
    }
    return false;
}

void Hortelia::GuardaArchivo() { Guarda(); }

bool Hortelia::Guarda() {
    const QString ruta =
        EligeParaGuardar(interaccion_, kArchivoEscenario, rutaEscenario_.isEmpty() ? propuesto_ : rutaEscenario_);
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
    propuesto_.clear();
    RecuerdaReciente(ruta);
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

QString Hortelia::EscenarioArrastrado(const QMimeData* datos) const {
    if (!protocolo_->ArchivosHabilitados() || !datos->hasUrls() || datos->urls().size() != 1) return {};
    const QUrl url = datos->urls().front();
    const QString ruta = url.toLocalFile();
    const bool escenario =
        url.isLocalFile() && QFileInfo(ruta).suffix().compare(kArchivoEscenario.extension, Qt::CaseInsensitive) == 0;
    return escenario ? ruta : QString();
}

void Hortelia::dragEnterEvent(QDragEnterEvent* evento) {
    if (!EscenarioArrastrado(evento->mimeData()).isEmpty()) evento->acceptProposedAction();
}

void Hortelia::dropEvent(QDropEvent* evento) {
    const QString ruta = EscenarioArrastrado(evento->mimeData());
    if (ruta.isEmpty()) return;
    evento->acceptProposedAction();
    // Asked once the drop is over, so that the program the file came from is not kept waiting.
    QTimer::singleShot(0, this, [this, ruta] {
        if (protocolo_->ArchivosHabilitados() && PuedeDejarElEscenario()) CargaArchivo(ruta);
    });
}

void Hortelia::LeeRecientes() {
    // Read capped too: a list forged or written by another program may be of any length.
    recientes_ = QSettings().value(kClaveRecientes).toStringList().mid(0, kRecientes);
    recientes_.removeAll(QString());
    MiraRecientes();
}

void Hortelia::MiraRecientes() {
    noDisponibles_.clear();
    for (const QString& ruta : recientes_)
        if (const QFileInfo archivo(ruta); !archivo.isFile() || !archivo.isReadable()) noDisponibles_.insert(ruta);
}

void Hortelia::RecuerdaReciente(const QString& ruta) {
    const QString absoluta = QFileInfo(ruta).absoluteFilePath();
    recientes_.removeAll(absoluta);
    recientes_.prepend(absoluta);
    while (recientes_.size() > kRecientes) recientes_.removeLast();
    QSettings().setValue(kClaveRecientes, recientes_);
    MiraRecientes();
}

void Hortelia::OlvidaReciente(const QString& ruta) {
    recientes_.removeAll(ruta);
    noDisponibles_.remove(ruta);
    QSettings().setValue(kClaveRecientes, recientes_);
}

void Hortelia::LlenaRecientes() {
    // What the last file operation found: the menu itself never looks at the disk.
    menuRecientes_->clear();
    for (int i = 0; i < recientes_.size(); ++i) {
        const QString ruta = recientes_[i];
        QString texto = QStringLiteral("&%1 %2").arg(i + 1).arg(
            NombreVisible(QFileInfo(ruta).fileName()).replace(QLatin1Char('&'), QStringLiteral("&&")));
        if (noDisponibles_.contains(ruta)) texto += QStringLiteral(" (no disponible)");
        QAction* a = menuRecientes_->addAction(texto);
        a->setObjectName(QStringLiteral("Reciente%1").arg(i + 1));
        a->setStatusTip(ruta);
        a->setToolTip(ruta);
        connect(a, &QAction::triggered, this, [this, ruta] { AbreReciente(ruta); });
    }
    if (recientes_.isEmpty()) menuRecientes_->addAction(QStringLiteral("(ninguno)"))->setEnabled(false);
}

void Hortelia::AbreReciente(const QString& ruta) {
    if (!PuedeDejarElEscenario()) return;
    const ResultadoCarga r = Carga(ruta);
    if (r.ok) return;
    // A stick or a network folder may come back: the file stays listed unless the user says.
    const auto respuesta =
        interaccion_.Pregunta(Q(r.mensaje) + QStringLiteral("\n\n¿Quitarlo de los abiertos recientemente?"),
                              QStringLiteral("Quitar de la lista"), QStringLiteral("Conservar"), false);
    if (respuesta == Interaccion::Respuesta::Si) OlvidaReciente(ruta);
}

bool Hortelia::CargaArchivo(const QString& ruta) {
    const ResultadoCarga r = Carga(ruta);
    if (!r.ok)
        Avisa(Interaccion::Gravedad::Error,
              QStringLiteral("Elija un archivo guardado por Hortelia (.hrt).\n\n") + Q(r.mensaje));
    return r.ok;
}

ResultadoCarga Hortelia::Carga(const QString& ruta) {
    const ResultadoCarga r = CargaEscenario(ruta.toStdString(), e);
    if (!r.ok) {
        MiraRecientes();
        return r;
    }
    RecuerdaReciente(ruta);
    rutaEscenario_ = ruta;
    propuesto_.clear();
    huellaGuardada_ = HuellaEscenario(e);
    if (temporada_) temporada_->Descarta();
    MuestraEscenarioNuevo(r.dimensionesValidas);
    if (!r.dimensionesValidas)
        Avisa(Interaccion::Gravedad::Advertencia,
              QStringLiteral("El escenario se cargó, pero sus dimensiones no son válidas: ") + Q(r.motivoDimensiones) +
                  QStringLiteral(" Acepte las dimensiones antes de procesar."));
    return r;
}

void Hortelia::MuestraEscenarioNuevo(bool dimensionesValidas) {
    // The results of the scenario that was on screen go; an open panel stays, showing the
    // loaded values. The summary and each panel show them; the dimensions stay pending when
    // the geometry refuses them.
    if (protocolo_->ResultadosVisibles()) CierraResultados();
    if (planilla_) planilla_->hide();
    resumen_->Carga(e, dimensionesValidas);
    for (Panel* p : paneles_) p->MuestraCargado();
    ActualizaTitulo();
}

void Hortelia::AbreDiaDeRegistro(const Escenario& dia, const QString& fecha) {
    if (!PuedeDejarElEscenario()) return;
    // Proposed beside the scenario it came from (or the one just saved), never over it.
    propuesto_ = JuntoAlEscenario(rutaEscenario_, QLatin1Char('-') + fecha, kArchivoEscenario.extension,
                                  QStringLiteral("escenario-") + fecha);
    rutaEscenario_.clear();
    huellaGuardada_.clear();  // never saved: leaving or opening another file asks first
    e = dia;
    // The season stays: a record's days bring their own weather, so it is this greenhouse's
    // still. Accepting the loaded panels must not discard it; it hides for the day to show.
    temporada_->hide();
    const std::function<void()> alAceptar = std::exchange(protocolo_->alAceptar, nullptr);
    MuestraEscenarioNuevo(true);  // the season ran: its dimensions are valid
    protocolo_->alAceptar = alAceptar;
    raise();
    activateWindow();
    statusBar()->showMessage(
        QStringLiteral("El día de la temporada es el del escenario, nuevo y sin guardar: «Procesamiento» lo simula."),
        8000);
}

}  // namespace hortelia
