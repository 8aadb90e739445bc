#pragma once

// The one file dialog of the main window, shared by the scenario's load and save and the
// data sheet's text export: it proposes the name last chosen. Tests replace `elige` with a
// function that answers without a dialog.

#include <QString>

#include <functional>

class QWidget;

namespace hortelia {

class DialogoArchivo {
public:
    enum class Modo { Abrir, Guardar };

    explicit DialogoArchivo(QWidget* padre) : padre_(padre) {}

    /// The chosen path, or an empty string on cancel.
    QString Elige(Modo modo, const QString& filtro);

    /// Replaces the platform dialog: gets the mode, the filter and the proposed name.
    std::function<QString(Modo, const QString&, const QString&)> elige;

    static inline const QString kFiltroEscenario = QStringLiteral("Archivos Hortelia (*.hrt)");
    static inline const QString kFiltroTexto = QStringLiteral("Archivos de texto (*.txt)");

private:
    QWidget* padre_;
    QString ultimo_;
};

}  // namespace hortelia
