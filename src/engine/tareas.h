#pragma once

// Independent jobs on every core. ParaCada runs job 0..n-1 on a few threads that each take the
// next job not yet taken; EnParalelo hands the results back in job order, so that whoever adds
// them up in that order gets exactly what a serial loop gets. The seasons of a comparison and the
// days of a long season run this way; a job must touch nothing another job touches.

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <exception>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

namespace hortelia {

/// The cores this process may run on (its CPU affinity), at least 1.
unsigned HilosDisponibles();

/// Holds the k-th helper thread of a run (k = 1, 2, ...) to the k-th core after the caller's among
/// those the caller may use. Left to the scheduler, a new thread is often queued behind the one
/// that made it, on the same core, until the next balance up to a tick (4 ms) later, while the
/// other core idles; held, it starts at once. Jobs are taken, not handed out, so a held thread
/// whose core is busy with other work only takes fewer of them, and a job's own ParaCada runs on
/// its thread alone. A core it cannot have leaves it where it is. `hilo` must not have ended.
void PonEnSuNucleo(std::thread& hilo, unsigned k);

/// Runs trabajo(i) for i = 0..n-1 on up to `hilos` threads (the calling one among them; 0 means
/// HilosDisponibles()), each thread taking the next job not yet taken. Once `cancela` is set, jobs
/// not yet started are skipped. A job that throws stops the jobs not yet started; its exception
/// (the lowest index's, if several) is rethrown once every thread is done.
template <class F>
void ParaCada(std::size_t n, F trabajo, unsigned hilos = 0, const std::atomic<bool>* cancela = nullptr) {
    std::vector<std::exception_ptr> errores(n);
    std::atomic<std::size_t> siguiente{0};
    std::atomic<bool> fallo{false};
    const auto trabaja = [&] {
        for (;;) {
            if (fallo.load() || (cancela && cancela->load())) return;
            const std::size_t i = siguiente.fetch_add(1);
            if (i >= n) return;
            try {
                trabajo(i);
            } catch (...) {
                errores[i] = std::current_exception();
                fallo.store(true);
            }
        }
    };
    if (hilos == 0) hilos = HilosDisponibles();
    // A helper waits until it is on its core: one that had already ended could not be moved.
    std::atomic<bool> colocados{false};
    const auto ayuda = [&] {
        colocados.wait(false);
        trabaja();
    };
    std::vector<std::thread> otros;
    otros.reserve(std::min<std::size_t>(hilos, n));
    for (std::size_t k = 1; k < hilos && k < n; ++k) {
        try {
            otros.emplace_back(ayuda);
        } catch (const std::system_error&) {
            break;  // fewer threads: the same results, later
        }
        PonEnSuNucleo(otros.back(), static_cast<unsigned>(k));
    }
    colocados = true;
    colocados.notify_all();
    trabaja();
    for (std::thread& t : otros) t.join();
    for (const std::exception_ptr& e : errores)
        if (e) std::rethrow_exception(e);
}

/// ParaCada that keeps what each job returns, in index order; a skipped job's result stays empty.
template <class F>
auto EnParalelo(std::size_t n, F trabajo, unsigned hilos = 0, const std::atomic<bool>* cancela = nullptr)
    -> std::vector<std::optional<decltype(trabajo(std::size_t{}))>> {
    std::vector<std::optional<decltype(trabajo(std::size_t{}))>> resultados(n);
    ParaCada(n, [&](std::size_t i) { resultados[i].emplace(trabajo(i)); }, hilos, cancela);
    return resultados;
}

}  // namespace hortelia
