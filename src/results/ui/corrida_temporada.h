#pragma once

// A season or a comparison run off the window's thread, so that the window keeps answering and
// shows its progress. The job runs on a thread of its own with only what it owns (copies of the
// record and the inputs, made on the window's thread before Empieza) and the AvanceTemporada it
// reports to; once it ends, `alTerminar` runs back on the window's thread. Cancela stops the days
// not yet started, waits for the thread and drops `alTerminar`, so the results shown stay; the
// destructor does the same, so a window closed with the program never outlives its job.

#include "engine/temporada.h"

#include <QObject>

#include <functional>
#include <memory>

class QThread;

namespace hortelia {

class CorridaTemporada : public QObject {
    Q_OBJECT
public:
    explicit CorridaTemporada(QObject* parent = nullptr);
    ~CorridaTemporada() override;

    /// Runs `trabajo` on its own thread; nothing while another runs.
    void Empieza(std::function<void(AvanceTemporada&)> trabajo, std::function<void()> alTerminar);
    void Cancela();
    bool Corriendo() const { return hilo_ != nullptr; }
    /// Days run so far and days in all (0 until the job has listed them).
    std::size_t Hechos() const { return avance_->hechos; }
    std::size_t Total() const { return avance_->total; }

    /// Runs on the job's thread before the job itself: a test holds a run here.
    std::function<void(const AvanceTemporada&)> antesDeCorrer;

signals:
    /// A run started or ended: what the window enables changes.
    void Cambio();

private:
    void Termina(unsigned corrida);
    /// Stops the run and waits for its thread, without a word.
    void Para();

    std::unique_ptr<AvanceTemporada> avance_;
    QThread* hilo_ = nullptr;
    unsigned corrida_ = 0;  ///< which run a finished thread belongs to
    std::function<void()> alTerminar_;
};

}  // namespace hortelia
