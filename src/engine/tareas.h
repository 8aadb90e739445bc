#pragma once

// Independent jobs on every core. EnParalelo runs job 0..n-1 on a few threads that each take
// the next job not yet taken, and hands the results back in job order, so that whoever adds them
// up in that order gets exactly what a serial loop gets. The seasons of a comparison and the days
// of a long season run this way; a job must touch nothing another job touches.

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

/// Runs trabajo(i) for i = 0..n-1 on up to `hilos` threads (the calling one among them; 0 means
/// HilosDisponibles()) and returns the results in index order. Once `cancela` is set, jobs not yet
/// started are skipped and their results stay empty. A job that throws stops the jobs not yet
/// started; its exception (the lowest index's, if several) is rethrown once every thread is done.
template <class F>
auto EnParalelo(std::size_t n, F trabajo, unsigned hilos = 0, const std::atomic<bool>* cancela = nullptr)
    -> std::vector<std::optional<decltype(trabajo(std::size_t{}))>> {
    std::vector<std::optional<decltype(trabajo(std::size_t{}))>> resultados(n);
    std::vector<std::exception_ptr> errores(n);
    std::atomic<std::size_t> siguiente{0};
    std::atomic<bool> fallo{false};
    const auto trabaja = [&] {
        for (;;) {
            if (fallo.load() || (cancela && cancela->load())) return;
            const std::size_t i = siguiente.fetch_add(1);
            if (i >= n) return;
            try {
                resultados[i].emplace(trabajo(i));
            } catch (...) {
                errores[i] = std::current_exception();
                fallo.store(true);
            }
        }
    };
    if (hilos == 0) hilos = HilosDisponibles();
    std::vector<std::thread> otros;
    for (std::size_t k = 1; k < hilos && k < n; ++k) {
        try {
            otros.emplace_back(trabaja);
        } catch (const std::system_error&) {
            break;  // fewer threads: the same results, later
        }
    }
    trabaja();
    for (std::thread& t : otros) t.join();
    for (const std::exception_ptr& e : errores)
        if (e) std::rethrow_exception(e);
    return resultados;
}

}  // namespace hortelia
