// The helper thread of the file algorithms: what a task throws (memory
// exhausted, say) is thrown where the task is waited for, and the helper
// goes on taking tasks.

#include "archivos/ayudante.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <new>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace rumbal {
namespace {

TEST(Ayudante, LoQueLanzaLaTareaSaleAlEsperarla) {
    Ayudante ayudante(true);
    ayudante.encarga([] { throw std::bad_alloc(); });
    EXPECT_THROW(ayudante.espera(), std::bad_alloc);
    EXPECT_FALSE(ayudante.espera());  // thrown once; nothing was running
    int hechas = 0;
    ayudante.encarga([&] { ++hechas; });
    ayudante.espera();
    EXPECT_EQ(hechas, 1);
}

#if defined(__linux__)
// The threads of this process, by number: a thread of an earlier test that
// is still going away then counts for nothing.
std::set<std::string> hilos() {
    std::set<std::string> numeros;
    for (const auto& tarea : std::filesystem::directory_iterator("/proc/self/task"))
        numeros.insert(tarea.path().filename().string());
    return numeros;
}

std::size_t nuevos(const std::set<std::string>& antes) {
    std::size_t n = 0;
    for (const std::string& numero : hilos()) n += antes.count(numero) == 0;
    return n;
}

// The thread starts with the first task: a run that hands none over starts
// none (nor makes it wait to be ended).
TEST(Ayudante, EmpiezaConLaPrimeraTarea) {
    const std::set<std::string> antes = hilos();
    Ayudante ayudante(true);
    EXPECT_EQ(nuevos(antes), 0u);
    ayudante.encarga([] {});
    ayudante.espera();
    EXPECT_EQ(nuevos(antes), 1u);
}
#endif

// Many tasks in a row, each waited for: what a task wrote is seen by the
// waiting thread, whether the helper was watching or asleep when it came.
TEST(Ayudante, CadaTareaSeVeTerminadaAlEsperarla) {
    Ayudante ayudante(true);
    std::vector<int> escritos(2000, 0);
    for (std::size_t i = 0; i < escritos.size(); ++i) {
        if (i % 500 == 0) std::this_thread::sleep_for(std::chrono::milliseconds(2));  // the helper asleep
        ayudante.encarga([&escritos, i] { escritos[i] = static_cast<int>(i) + 1; });
        ayudante.espera();
        ASSERT_EQ(escritos[i], static_cast<int>(i) + 1) << i;
    }
}

// A task longer than the watching: the waiting thread sleeps and is woken.
TEST(Ayudante, EsperaUnaTareaLarga) {
    Ayudante ayudante(true);
    std::atomic<bool> suelta = false, hecha = false;
    ayudante.encarga([&] {
        while (!suelta) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        hecha = true;
    });
    std::thread soltador([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        suelta = true;
    });
    EXPECT_TRUE(ayudante.espera());  // it was running
    EXPECT_TRUE(hecha);
    soltador.join();
}

// Destroyed with a task given and not waited for: a task begun is finished
// before the helper goes (what it uses may go right after), or it never
// begins.
TEST(Ayudante, SeDestruyeConUnaTareaSinEsperar) {
    for (int vez = 0; vez < 20; ++vez) {
        std::atomic<bool> empezada = false, terminada = false;
        {
            Ayudante ayudante(true);
            ayudante.encarga([&] {
                empezada = true;
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
                terminada = true;
            });
        }
        EXPECT_EQ(empezada.load(), terminada.load()) << vez;
    }
}

}  // namespace
}  // namespace rumbal
