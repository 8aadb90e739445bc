#pragma once

// Everything that asks the user something goes through Interaccion: a message with its
// severity, a question, a file to open or save, the print dialog and the print preview. The
// program shows Qt's dialogs (InteraccionQt); the window tests answer from a script and fail on
// anything the script did not expect.

#include <QString>

#include <functional>

class QPrinter;
class QWidget;

namespace hortelia {

class Interaccion {
public:
    /// Information; a warning for an input the program refuses; an error for an operation
    /// that failed.
    enum class Gravedad { Informacion, Advertencia, Error };
    enum class Respuesta { Si, No, Cancelar };
    enum class Modo { Abrir, Guardar };

    virtual ~Interaccion() = default;

    virtual void Mensaje(Gravedad gravedad, const QString& texto) = 0;
    /// A question answered by `si` or `no`, or cancelled when `conCancelar`.
    virtual Respuesta Pregunta(const QString& texto, const QString& si, const QString& no, bool conCancelar) = 0;
    /// The chosen path, or an empty string on cancel. `propuesto` is the name offered first;
    /// `nota`, when given, is a line the dialog shows about the kind of file.
    virtual QString Archivo(Modo modo, const QString& filtro, const QString& propuesto, const QString& nota = {}) = 0;
    /// Shows the print dialog for `impresora`; false on cancel.
    virtual bool Impresion(QPrinter& impresora) = 0;
    /// Shows on screen the pages `pinta` draws on `impresora`, from where the user may print them.
    virtual void VistaPrevia(QPrinter& impresora, const std::function<void(QPrinter&)>& pinta) = 0;
};

/// Qt's dialogs over `ventana`, titled "Hortelia", with the icon of each severity.
class InteraccionQt : public Interaccion {
public:
    explicit InteraccionQt(QWidget* ventana) : ventana_(ventana) {}

    void Mensaje(Gravedad gravedad, const QString& texto) override;
    Respuesta Pregunta(const QString& texto, const QString& si, const QString& no, bool conCancelar) override;
    QString Archivo(Modo modo, const QString& filtro, const QString& propuesto, const QString& nota = {}) override;
    bool Impresion(QPrinter& impresora) override;
    void VistaPrevia(QPrinter& impresora, const std::function<void(QPrinter&)>& pinta) override;

private:
    QWidget* ventana_;
};

}  // namespace hortelia
