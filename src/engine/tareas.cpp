#include "engine/tareas.h"

#ifdef __linux__
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

}  // namespace hortelia
