#include "engine/tareas.h"

#ifdef __linux__
#include <pthread.h>
#include <sched.h>
#endif

namespace hortelia {

unsigned HilosDisponibles() {
#ifdef __linux__
    cpu_set_t cpus;
    CPU_ZERO(&cpus);
    if (sched_getaffinity(0, sizeof cpus, &cpus) == 0 && CPU_COUNT(&cpus) > 0)
        return static_cast<unsigned>(CPU_COUNT(&cpus));
#endif
    const unsigned n = std::thread::hardware_concurrency();
    return n > 0 ? n : 1;
}

void PonEnSuNucleo([[maybe_unused]] std::thread& hilo, [[maybe_unused]] unsigned k) {
#ifdef __linux__
    cpu_set_t permitidos;
    CPU_ZERO(&permitidos);
    if (sched_getaffinity(0, sizeof permitidos, &permitidos) != 0) return;
    const int actual = sched_getcpu();
    std::vector<int> nucleos;  // the caller's cores, in order
    std::size_t propio = 0;    // where the caller runs now among them
    for (int c = 0; c < CPU_SETSIZE; ++c) {
        if (!CPU_ISSET(c, &permitidos)) continue;
        if (c == actual) propio = nucleos.size();
        nucleos.push_back(c);
    }
    if (nucleos.size() < 2) return;
    cpu_set_t uno;
    CPU_ZERO(&uno);
    CPU_SET(nucleos[(propio + k) % nucleos.size()], &uno);
    pthread_setaffinity_np(hilo.native_handle(), sizeof uno, &uno);  // refused: it stays unheld
#endif
}

}  // namespace hortelia
