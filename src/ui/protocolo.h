#pragma once

// What the ten input panels share, as one navigation state: which panels are accepted, which
// one is open, whether it leaves processing as it was and what it waits for before it can be
// accepted, whether the results are shown, whether the working view is up at all, and the hour
// the hourly panels and the results frame show. Pinta() sets every side button's enabling,
// colour (pink pending, green accepted) and accessible description, the panels' accept buttons,
// the Archivos and Datos menus, both processing controls and the Temporada entry from that
// state; nothing else enables or disables them.

#include <QColor>
#include <QList>
#include <QPointer>
#include <QString>

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

    explicit Protocolo(Controles controles);

    /// The accept button of panel `indice`, with what it does (its tooltip while it can accept).
    void PonBotonAcepta(int indice, QPushButton* boton, const QString& explicacion);

    /// The working view is up ("&Inicio").
    void Inicia();
    /// Panel `indice` (0..9) opens in `frame`, the focus on its first control; navigation off
    /// until it is accepted, processing too unless `conservaProceso`. A non-empty `espera`
    /// says what must be done before it can be accepted: its accept button waits, saying so,
    /// until PermiteAceptar.
    void Abre(int indice, QWidget* frame, bool conservaProceso, const QString& espera = {});
    /// What the open panel `indice` waited for is done: its accept button works.
    void PermiteAceptar(int indice);
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

    /// The hour (1..24) the hourly panels and the results frame show: the last one chosen in
    /// any of them, 1 at the start.
    int Hora() const { return hora_; }
    void PonHora(int h);

    static void PintaBoton(QPushButton* boton, const QColor& color);

    /// Called when a panel is accepted: what shows results of other inputs must go.
    std::function<void()> alAceptar;

private:
    void Pinta();

    Controles c_;
    std::array<QPointer<QPushButton>, kPaneles> botonesAcepta_{};
    std::array<QString, kPaneles> explicacionesAcepta_{};
    bool trabajando_ = false;
    std::array<bool, kPaneles> aceptado_{};
    int abierto_ = -1;
    bool conservaProceso_ = false;
    QString espera_;  ///< what the open panel waits for before it can be accepted
    int hora_ = 1;
    bool resultados_ = false;
    QPointer<QWidget> foco_;  ///< what had the focus when the panel was opened
};

}  // namespace hortelia
