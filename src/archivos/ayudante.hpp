#pragma once
// A second thread that runs one task at a time for a file algorithm, kept for
// the whole run: starting a thread for every block costs more than it saves.

#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <utility>

namespace rumbal {

class Ayudante {
public:
    explicit Ayudante(bool activo) {
        if (activo) hilo_ = std::thread([this] { trabaja(); });
    }
    ~Ayudante() {
        if (!hilo_.joinable()) return;
        {
            std::lock_guard<std::mutex> cerrojo(m_);
            fin_ = true;
        }
        cv_.notify_all();
        hilo_.join();
    }
    bool activo() const { return hilo_.joinable(); }
    void encarga(std::function<void()> tarea) {
        {
            std::lock_guard<std::mutex> cerrojo(m_);
            tarea_ = std::move(tarea);
            listo_ = false;
        }
        cv_.notify_all();
    }
    // Waits for the task given; tells whether it was still running. What
    // the task threw is thrown here, on the thread that waits.
    bool espera() {
        std::unique_lock<std::mutex> cerrojo(m_);
        const bool corria = !listo_;
        cv_.wait(cerrojo, [this] { return listo_; });
        if (fallo_) std::rethrow_exception(std::exchange(fallo_, nullptr));
        return corria;
    }

private:
    void trabaja() {
        std::unique_lock<std::mutex> cerrojo(m_);
        for (;;) {
            cv_.wait(cerrojo, [this] { return fin_ || tarea_; });
            if (fin_) return;
            auto tarea = std::move(tarea_);
            tarea_ = nullptr;
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
            cv_.notify_all();
        }
    }

    std::thread hilo_;
    std::mutex m_;
    std::condition_variable cv_;
    std::function<void()> tarea_;
    bool listo_ = true;
    std::exception_ptr fallo_;  // what the last task threw
    bool fin_ = false;
};

}  // namespace rumbal
