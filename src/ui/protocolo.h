#pragma once

// What the ten input panels share, as one navigation state: which panels are accepted, which
// one is open and whether it leaves processing as it was, whether the results are shown, and
// whether the working view is up at all. Pinta() sets every side button's enabling, colour
// (pink pending, green accepted) and accessible description, the Archivos and Datos menus,
// both processing controls and the Temporada entry from that state; nothing else enables or
// disables them.
// The record's DatosListos follows the number of accepted panels.

#include "scenario/escenario.h"

#include <QColor>
#include <QList>
#include <QPointer>

#include <array>
#include <functional>

class QAction;
class QMenu;
class QPushButton;
class QWidget;

namespace hortelia {

class Protocolo {
public:
    static constexpr int kPaneles = 10;
    static const QColor kRosa;   ///< not accepted (0xC0C0FF as BBGGRR)
    static const QColor kVerde;  ///< accepted (0x00C000 as BBGGRR)

    /// The controls the state decides: the ten side buttons (roof to wind), the Archivos and
    /// Datos menus, "&Procesamiento datos" and the Procesamiento entry, and the Temporada entry
    /// (a season runs when a day can).
    struct Controles {
        QList<QPushButton*> laterales;
        QMenu* archivo = nullptr;
        QMenu* datos = nullptr;
        QPushButton* procesa = nullptr;
        QAction* proceso = nullptr;
        QAction* temporada = nullptr;
    };

    Protocolo(Escenario& e, Controles controles);

    /// The working view is up ("&Inicio").
    void Inicia();
    /// Panel `indice` (0..9) opens in `frame`, the focus on its first control; navigation off
    /// until it is accepted, processing too unless `conservaProceso`.
    void Abre(int indice, QWidget* frame, bool conservaProceso);
    /// The open panel closed by its accept button; the focus goes back where it was.
    void Cierra(int indice);
    void Acepta(int indice);
    /// A panel whose result another voided turns pending again.
    void Anula(int indice);
    void MuestraResultados(bool visibles);

    bool Aceptado(int indice) const { return aceptado_[static_cast<std::size_t>(indice)]; }
    bool TodosAceptados() const;
    /// The open panel, -1 when none is.
    int Abierto() const { return abierto_; }
    bool ResultadosVisibles() const { return resultados_; }
    bool ProcesoHabilitado() const;
    /// The Archivos menu: "&Abre" and what opens a file as it would (a file dropped on the window).
    bool ArchivosHabilitados() const { return trabajando_; }

    static void PintaBoton(QPushButton* boton, const QColor& color);

    /// Called when a panel is accepted: what shows results of other inputs must go.
    std::function<void()> alAceptar;

private:
    void Pinta();

    Escenario& e_;
    Controles c_;
    bool trabajando_ = false;
    std::array<bool, kPaneles> aceptado_{};
    int abierto_ = -1;
    bool conservaProceso_ = false;
    bool resultados_ = false;
    QPointer<QWidget> foco_;  ///< what had the focus when the panel was opened
};

}  // namespace hortelia
