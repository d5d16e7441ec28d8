// Start-up comparison: two programs started in turn, A B A B ..., each ended by the injected
// library as soon as its first window is exposed. For each run: wall time from the start of the
// process to its end, CPU time (user + system) and peak resident memory of that process. Prints
// the medians and their ratios A / B.
// usage: arranque VECES BIBLIOTECA PROGRAMA_A PROGRAMA_B

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <signal.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kEsperaMaxima = 30; // seconds; a program that shows nothing by then has failed

struct Consumo {
    double paredMs;
    double cpuMs;
    double memoriaMiB;
};

double Milisegundos(const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; }

// One start-up of `programa`; false with a message when it did not end on its own, cleanly.
bool Medir(const std::string& programa, const std::string& biblioteca, Consumo& consumo) {
    sigset_t hijo;
    sigemptyset(&hijo);
    sigaddset(&hijo, SIGCHLD);
    const auto inicio = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("fork");
        return false;
    }
    if (pid == 0) {
        sigprocmask(SIG_UNBLOCK, &hijo, nullptr);
        setenv("LD_PRELOAD", biblioteca.c_str(), 1);
        execl(programa.c_str(), programa.c_str(), static_cast<char*>(nullptr));
        std::perror(programa.c_str());
        _exit(127);
    }
    // SIGCHLD is blocked: wait for it with a limit, without polling that would blur the time.
    const timespec limite{kEsperaMaxima, 0};
    int senal;
    do
        senal = sigtimedwait(&hijo, nullptr, &limite);
    while (senal < 0 && errno == EINTR);
    const bool atiempo = senal == SIGCHLD;
    if (!atiempo)
        kill(pid, SIGKILL);
    int estado = 0;
    rusage uso{};
    wait4(pid, &estado, 0, &uso);
    const auto fin = std::chrono::steady_clock::now();
    if (!atiempo || !WIFEXITED(estado) || WEXITSTATUS(estado) != 0) {
        std::fprintf(stderr, "%s: %s\n", programa.c_str(),
                     !atiempo ? "no window exposed in time" : "ended without a window exposed");
        return false;
    }
    consumo.paredMs = std::chrono::duration<double, std::milli>(fin - inicio).count();
    consumo.cpuMs = Milisegundos(uso.ru_utime) + Milisegundos(uso.ru_stime);
    consumo.memoriaMiB = uso.ru_maxrss / 1024.0; // kibibytes on Linux
    return true;
}

double Mediana(std::vector<double> valores) {
    std::sort(valores.begin(), valores.end());
    const size_t n = valores.size();
    return n % 2 == 1 ? valores[n / 2] : (valores[n / 2 - 1] + valores[n / 2]) / 2;
}

std::string Nombre(const std::string& ruta) { return ruta.substr(ruta.find_last_of('/') + 1); }

std::string Absoluta(const char* ruta) {
    char absoluta[PATH_MAX];
    return realpath(ruta, absoluta) != nullptr ? absoluta : ruta;
}

} // namespace

int main(int argc, char* argv[]) {
    const int veces = argc == 5 ? std::atoi(argv[1]) : 0;
    if (veces < 1) {
        std::fprintf(stderr, "usage: %s VECES BIBLIOTECA PROGRAMA_A PROGRAMA_B\n", argv[0]);
        return 2;
    }
    const std::string biblioteca = Absoluta(argv[2]);
    const std::string programas[2] = {Absoluta(argv[3]), Absoluta(argv[4])};

    sigset_t hijo;
    sigemptyset(&hijo);
    sigaddset(&hijo, SIGCHLD);
    sigprocmask(SIG_BLOCK, &hijo, nullptr);

    // One start of each first, not counted: the disk cache and the font caches are warm for all.
    Consumo consumo{};
    for (const std::string& programa : programas) {
        if (!Medir(programa, biblioteca, consumo))
            return 1;
    }
    std::vector<double> pared[2], cpu[2], memoria[2];
    for (int i = 0; i < veces; ++i) {
        for (int p = 0; p < 2; ++p) {
            if (!Medir(programas[p], biblioteca, consumo))
                return 1;
            pared[p].push_back(consumo.paredMs);
            cpu[p].push_back(consumo.cpuMs);
            memoria[p].push_back(consumo.memoriaMiB);
        }
    }

    struct Fila {
        const char* nombre;
        const char* unidad;
        const std::vector<double>* valores;
        double objetivo;
    };
    const Fila filas[] = {
        {"wall time to first window", "ms", pared, 1.25},
        {"CPU time", "ms", cpu, 1.4},
        {"peak memory", "MiB", memoria, 1.15},
    };
    std::printf("Start-up to the first exposed window: medians of %d alternating runs each\n\n",
                veces);
    std::printf("| | %s | %s | ratio | target |\n|---|---|---|---|---|\n",
                Nombre(programas[0]).c_str(), Nombre(programas[1]).c_str());
    bool cumplido = true;
    for (const Fila& f : filas) {
        const double a = Mediana(f.valores[0]);
        const double b = Mediana(f.valores[1]);
        const double razon = a / b;
        cumplido = cumplido && razon <= f.objetivo;
        std::printf("| %s | %.1f %s | %.1f %s | %.2f | <= %.2f%s |\n", f.nombre, a, f.unidad, b,
                    f.unidad, razon, f.objetivo, razon <= f.objetivo ? "" : " (missed)");
    }
    std::printf("\nEach run, %s then %s (wall ms / CPU ms / MiB):\n", Nombre(programas[0]).c_str(),
                Nombre(programas[1]).c_str());
    for (int i = 0; i < veces; ++i)
        std::printf("%3d  %6.1f %6.1f %5.1f   %6.1f %6.1f %5.1f\n", i + 1, pared[0][i], cpu[0][i],
                    memoria[0][i], pared[1][i], cpu[1][i], memoria[1][i]);
    std::printf("\n%s\n", cumplido ? "all targets met" : "some target missed");
    return 0;
}
