// Jobs on several threads: results in job order whatever thread ran them, the lowest job's
// exception, and a cancel that skips the jobs not yet started.

#include "engine/tareas.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>

using namespace hortelia;

namespace {

// Jobs of uneven length, so that threads finish them out of order.
std::string Trabajo(std::size_t i) {
    std::this_thread::sleep_for(std::chrono::microseconds(i * 37 % 200));
    return std::to_string(i * i);
}

}  // namespace

TEST(Tareas, ResultsInJobOrderOnEveryThreadCount) {
    for (unsigned hilos : {1U, 2U, 3U, 8U}) {
        for (std::size_t n : {0U, 1U, 5U, 200U}) {
            std::mutex m;
            std::set<std::thread::id> usados;
            const auto r = EnParalelo(
                n,
                [&](std::size_t i) {
                    std::lock_guard<std::mutex> cierre(m);
                    usados.insert(std::this_thread::get_id());
                    return Trabajo(i);
                },
                hilos);
            ASSERT_EQ(r.size(), n);
            for (std::size_t i = 0; i < n; ++i) EXPECT_EQ(r[i], Trabajo(i)) << hilos << " hilos, " << i;
            EXPECT_TRUE(n < 200 || usados.size() == hilos) << usados.size();
        }
    }
    EXPECT_GE(HilosDisponibles(), 1U);
}

TEST(Tareas, TheLowestFailingJobsExceptionComesOut) {
    const auto falla = [](std::size_t i) {
        if (i == 70 || i == 30) throw std::runtime_error(std::to_string(i));
        return Trabajo(i);
    };
    const auto lanzado = [&]() -> std::string {
        try {
            EnParalelo(100, falla, 4);
        } catch (const std::runtime_error& e) {
            return e.what();
        }
        return "sin excepción";
    };
    for (int vez = 0; vez < 20; ++vez) EXPECT_EQ(lanzado(), "30");
}

TEST(Tareas, ACancelSkipsTheJobsNotYetStarted) {
    std::atomic<bool> cancela{false};
    const auto r = EnParalelo(
        1000,
        [&](std::size_t i) {
            if (i == 10) cancela = true;
            return Trabajo(i);
        },
        3, &cancela);
    std::size_t hechos = 0;
    for (std::size_t i = 0; i < r.size(); ++i) {
        EXPECT_TRUE(i > 10 || r[i]) << i;  // taken before the cancel: they finish
        hechos += r[i].has_value();
    }
    EXPECT_LE(hechos, 13U);  // at most one job per thread after the cancel
}
