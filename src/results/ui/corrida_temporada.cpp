#include "results/ui/corrida_temporada.h"

#include <QThread>

namespace hortelia {

CorridaTemporada::CorridaTemporada(QObject* parent) : QObject(parent), avance_(std::make_unique<AvanceTemporada>()) {
    setObjectName("CorridaTemporada");
}

// No Cambio from here: the window that listens may be half destroyed.
CorridaTemporada::~CorridaTemporada() { Para(); }

void CorridaTemporada::Empieza(std::function<void(AvanceTemporada&)> trabajo, std::function<void()> alTerminar) {
    if (hilo_) return;
    avance_ = std::make_unique<AvanceTemporada>();
    alTerminar_ = std::move(alTerminar);
    hilo_ = QThread::create([trabajo = std::move(trabajo), antes = antesDeCorrer, avance = avance_.get()] {
        if (antes) antes(*avance);
        trabajo(*avance);
    });
    // The thread's end comes back queued, to this object's thread; a cancelled run's is ignored.
    const unsigned corrida = ++corrida_;
    connect(hilo_, &QThread::finished, this, [this, corrida] { Termina(corrida); });
    hilo_->start();
    emit Cambio();
}

void CorridaTemporada::Termina(unsigned corrida) {
    if (corrida != corrida_ || !hilo_) return;
    hilo_->wait();
    delete hilo_;
    hilo_ = nullptr;
    const std::function<void()> alTerminar = std::move(alTerminar_);
    alTerminar_ = nullptr;
    if (alTerminar) alTerminar();
    emit Cambio();
}

void CorridaTemporada::Cancela() {
    if (!hilo_) return;
    Para();
    emit Cambio();
}

void CorridaTemporada::Para() {
    if (!hilo_) return;
    avance_->cancela = true;
    hilo_->wait();  // the days under way end; those not started are skipped
    ++corrida_;
    delete hilo_;
    hilo_ = nullptr;
    alTerminar_ = nullptr;
}

}  // namespace hortelia
