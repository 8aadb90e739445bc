#pragma once

// The window tests' Interaccion: every message, question, file choice and print dialog is
// answered from a script the test writes beforehand (each kind in its own order), and
// anything the script did not expect fails the test.

#include "ui/interaccion.h"

#include <QPrinter>
#include <QStringList>
#include <QTest>

#include <deque>
#include <functional>
#include <optional>
#include <utility>

namespace hortelia {

class InteraccionGuionada : public Interaccion {
public:
    void EsperaMensaje(Gravedad g, const QString& fragmento) { mensajes_.emplace_back(g, fragmento); }
    void RespondePregunta(const QString& fragmento, Respuesta r) { preguntas_.emplace_back(fragmento, r); }
    /// "" cancels.
    void RespondeArchivo(const QString& ruta) { archivos_.push_back(ruta); }
    void RespondeImpresion(std::function<bool(QPrinter&)> f) { impresiones_.push_back(std::move(f)); }
    /// `f` prepares the printer the preview's pages are drawn on.
    void RespondeVistaPrevia(std::function<void(QPrinter&)> f) { previas_.push_back(std::move(f)); }

    void Mensaje(Gravedad gravedad, const QString& texto) override {
        mensajes << texto;
        const auto paso = Siguiente(mensajes_, QStringLiteral("mensaje \"%1\"").arg(texto));
        if (paso && (paso->first != gravedad || !texto.contains(paso->second)))
            Falla(QStringLiteral("mensaje \"%1\" (gravedad %2), se esperaba uno con \"%3\" (gravedad %4)")
                      .arg(texto, QString::number(int(gravedad)), paso->second, QString::number(int(paso->first))));
    }
    Respuesta Pregunta(const QString& texto, const QString& si, const QString& no, bool conCancelar) override {
        opcionesUltimaPregunta = {si, no};
        if (conCancelar) opcionesUltimaPregunta << QStringLiteral("Cancelar");
        const auto paso = Siguiente(preguntas_, QStringLiteral("pregunta \"%1\"").arg(texto));
        if (!paso) return conCancelar ? Respuesta::Cancelar : Respuesta::No;
        if (!texto.contains(paso->first))
            Falla(QStringLiteral("pregunta \"%1\", se esperaba una con \"%2\"").arg(texto, paso->first));
        return paso->second;
    }
    QString Archivo(Modo, const QString& filtro, const QString& propuesto, const QString& nota = {}) override {
        filtros << filtro;
        propuestos << propuesto;
        notas << nota;
        return Siguiente(archivos_, QStringLiteral("diálogo de archivo (%1)").arg(filtro)).value_or(QString());
    }
    bool Impresion(QPrinter& impresora) override {
        const auto paso = Siguiente(impresiones_, QStringLiteral("diálogo de impresión"));
        return paso && (*paso)(impresora);
    }
    /// The preview's pages drawn once, on the printer the script prepares.
    void VistaPrevia(QPrinter& impresora, const std::function<void(QPrinter&)>& pinta) override {
        const auto paso = Siguiente(previas_, QStringLiteral("vista previa"));
        if (!paso) return;
        (*paso)(impresora);
        pinta(impresora);
    }

    QStringList mensajes, filtros, propuestos, notas;
    QStringList opcionesUltimaPregunta;
    /// False where what the script did not expect may happen (the README's pictures).
    bool fallaEnLoInesperado = true;
    bool GuionTerminado() const {
        return mensajes_.empty() && preguntas_.empty() && archivos_.empty() && impresiones_.empty() && previas_.empty();
    }

private:
    template <class T>
    std::optional<T> Siguiente(std::deque<T>& cola, const QString& que) {
        if (cola.empty()) {
            Falla(QStringLiteral("inesperado: ") + que);
            return std::nullopt;
        }
        T paso = std::move(cola.front());
        cola.pop_front();
        return paso;
    }
    void Falla(const QString& que) const {
        if (fallaEnLoInesperado) QTest::qFail(qPrintable(que), __FILE__, __LINE__);
    }

    std::deque<std::pair<Gravedad, QString>> mensajes_;  // the message must contain the text
    std::deque<std::pair<QString, Respuesta>> preguntas_;
    std::deque<QString> archivos_;
    std::deque<std::function<bool(QPrinter&)>> impresiones_;
    std::deque<std::function<void(QPrinter&)>> previas_;
};

}  // namespace hortelia
