#include "shell/ayuda.h"

#include "ui/interaccion.h"
#include "ui/ventanas.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTextBrowser>
#include <QUrl>

namespace hortelia {
namespace {

// `relativa` beside the installed program (bin/../share/...), else `construida`, if either exists.
QString Instalada(const QString& relativa, const QString& construida) {
    const QString instalada = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../") + relativa);
    for (const QString& ruta : {instalada, construida})
        if (QFileInfo::exists(ruta)) return QFileInfo(ruta).absoluteFilePath();
    return {};
}

}  // namespace

Ayuda::Ayuda(QMainWindow* ventana, Interaccion& interaccion)
    : QObject(ventana), ventana_(ventana), interaccion_(interaccion) {
    QMenu* menu = ventana->menuBar()->addMenu(QStringLiteral("Ay&uda"));
    menu->setObjectName("MenuAyuda");
    menu->menuAction()->setObjectName("Ayuda");
    QAction* guia = menu->addAction(QStringLiteral("&Guía del productor"));
    guia->setObjectName("Guia");
    guia->setShortcut(QKeySequence::HelpContents);
    guia->setShortcutContext(Qt::ApplicationShortcut);  // the data sheet and the season too
    guia->setStatusTip(QStringLiteral("Cómo usar Hortelia, paso a paso"));
    connect(guia, &QAction::triggered, this, &Ayuda::MuestraGuia);
    QAction* version = menu->addAction(QStringLiteral("&Versión"));
    version->setObjectName("Version");
    version->setStatusTip(QStringLiteral("La versión del programa, su licencia y dónde están los ejemplos"));
    connect(version, &QAction::triggered, this, &Ayuda::MuestraVersion);
}

QString Ayuda::RutaGuia() {
    return Instalada(QStringLiteral("share/doc/hortelia/guia.html"),
                     QStringLiteral(HORTELIA_DOC_CONSTRUIDA "/guia.html"));
}

QString Ayuda::CarpetaEjemplos() {
    const QString carpeta =
        Instalada(QStringLiteral("share/hortelia/ejemplos"), QStringLiteral(HORTELIA_EJEMPLOS_FUENTES));
    return carpeta.isEmpty() ? QStringLiteral("/usr/share/hortelia/ejemplos") : carpeta;
}

void Ayuda::MuestraGuia() {
    const QString ruta = RutaGuia();
    if (ruta.isEmpty()) {
        interaccion_.Mensaje(Interaccion::Gravedad::Advertencia,
                             QStringLiteral("No se encuentra la guía del productor: se instala con el programa, en "
                                            "share/doc/hortelia/guia.html. Vuelva a instalar Hortelia."));
        return;
    }
    if (!guia_) {
        guia_ = new QTextBrowser(ventana_);
        guia_->setObjectName("GuiaProductor");
        guia_->setWindowTitle(QStringLiteral("Guía del productor — Hortelia"));
        guia_->setOpenExternalLinks(true);
        HazVentanaDeLaPrincipal(guia_);
        guia_->setSource(QUrl::fromLocalFile(ruta));
        PonPrimeraVez(guia_, QSize(760, 900), ventana_);
    }
    guia_->show();
    guia_->raise();
    guia_->activateWindow();
}

void Ayuda::MuestraVersion() {
    interaccion_.Mensaje(
        Interaccion::Gravedad::Informacion,
        QStringLiteral("Hortelia %1\nSimulador del clima de un invernáculo.\n\n"
                       "Software libre, bajo la Licencia Pública General de GNU, versión 3 o posterior "
                       "(GPL-3.0-or-later).\n\nLos escenarios y tablas de clima de ejemplo están en %2.")
            .arg(QStringLiteral(HORTELIA_VERSION), QDir::toNativeSeparators(CarpetaEjemplos())));
}

}  // namespace hortelia
