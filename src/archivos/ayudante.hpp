#pragma once
// A second thread that runs one task at a time for a file algorithm, kept for
// the whole run: starting a thread for every block costs more than it saves.
// It starts with the first task, so a run that never hands one over (a short
// one, or the reading on of a run whose pieces covered the whole input)
// never starts it.

#include <atomic>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <utility>

#if defined(__linux__)
#include <sched.h>
#endif

namespace rumbal {

class Ayudante {
public:
    explicit Ayudante(bool activo) : activo_(activo) {}
    ~Ayudante() {
        if (!hilo_.joinable()) return;
        {
            std::lock_guard<std::mutex> cerrojo(m_);
            fin_ = true;
        }
        cv_.notify_all();
        hilo_.join();
    }
    bool activo() const { return activo_; }
    // Only when activo.
    void encarga(std::function<void()> tarea) {
        if (!hilo_.joinable()) hilo_ = std::thread([this] { trabaja(); });
        {
            std::lock_guard<std::mutex> cerrojo(m_);
            tarea_ = std::move(tarea);
            listo_ = false;
            pedida_ = true;
        }
        cv_.notify_all();
    }
    // Waits for the task given; tells whether it was still running. What
    // the task threw is thrown here, on the thread that waits.
    bool espera() {
        const bool corria = !listo_;
        aguarda([this] { return listo_.load(); });
        std::unique_lock<std::mutex> cerrojo(m_);
        cv_.wait(cerrojo, [this] { return listo_.load(); });
        if (fallo_) std::rethrow_exception(std::exchange(fallo_, nullptr));
        return corria;
    }

private:
    // A wait between the tasks of a run is a fraction of a millisecond, and
    // waking a sleeping thread costs tens of microseconds (far more in a
    // virtual machine): each side first watches the other for about a tenth
    // of a millisecond, then sleeps. Not on one processor, where watching
    // only keeps the other side from running.
    template <class Hecho>
    void aguarda(const Hecho& hecho) const {
        for (int i = 0; i < vueltas_ && !hecho(); ++i) {
#if defined(__x86_64__) || defined(__i386__)
            __builtin_ia32_pause();
#endif
        }
    }

    void trabaja() {
        for (;;) {
            aguarda([this] { return pedida_.load() || fin_.load(); });
            std::unique_lock<std::mutex> cerrojo(m_);
            cv_.wait(cerrojo, [this] { return fin_ || tarea_; });
            if (fin_) return;
            auto tarea = std::move(tarea_);
            tarea_ = nullptr;
            pedida_ = false;
            cerrojo.unlock();
            std::exception_ptr fallo;
            try {
                tarea();
            } catch (...) {
                fallo = std::current_exception();  // memory exhausted, say: not an abort
            }
            cerrojo.lock();
            fallo_ = fallo;
            listo_ = true;
            cerrojo.unlock();
            cv_.notify_all();
        }
    }

    static int procesadores() {
#if defined(__linux__)
        cpu_set_t cpus;
        if (sched_getaffinity(0, sizeof cpus, &cpus) == 0) return CPU_COUNT(&cpus);
#endif
        return static_cast<int>(std::thread::hardware_concurrency());
    }

    const int vueltas_ = procesadores() > 1 ? 2000 : 0;
    const bool activo_;
    std::thread hilo_;
    std::mutex m_;
    std::condition_variable cv_;
    std::function<void()> tarea_;
    // Written under m_, also read without it while watching.
    std::atomic<bool> pedida_ = false;  // tarea_ is set
    std::atomic<bool> listo_ = true;
    std::atomic<bool> fin_ = false;
    std::exception_ptr fallo_;  // what the last task threw
};

}  // namespace rumbal
