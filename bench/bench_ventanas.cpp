// How long the user waits for the window actions, on the real windows (offscreen): from the
// click to the window repainted. Each action changes something first, outside the timing, so
// that it has something to write and repaint; the "pinturas" column counts the paint events of
// each action and shows that the repaint is inside the time.

#include "form1.h"
#include "form2.h"
#include "programa.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

Programa* programa = nullptr;

// Counts the paint events of the whole application.
class ContadorPinturas : public QObject {
public:
    using QObject::QObject;
    long pinturas = 0;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() == QEvent::Paint)
            ++pinturas;
        return QObject::eventFilter(objeto, evento);
    }
};

ContadorPinturas* contador = nullptr;

template <class Control> Control* Buscar(QWidget& ventana, const QString& nombre) {
    auto* control = ventana.findChild<Control*>(nombre);
    if (control == nullptr)
        qFatal("no control %s", qPrintable(nombre));
    return control;
}

void Pulsar(QWidget& ventana, const char* boton) {
    Buscar<QAbstractButton>(ventana, QString::fromLatin1(boton))->click();
}

// Runs what the action left pending: the update requests, so every changed control paints.
void Repintar() { QCoreApplication::processEvents(); }

// Times `accion` and its repaint; `preparar(i)` runs before each, untimed.
template <class Preparar, class Accion>
void Medir(benchmark::State& estado, Preparar preparar, Accion accion) {
    long pinturas = 0;
    int i = 0;
    for (auto _ : estado) {
        estado.PauseTiming();
        preparar(i++);
        Repintar();
        const long antes = contador->pinturas;
        estado.ResumeTiming();
        accion();
        Repintar();
        estado.PauseTiming();
        pinturas += contador->pinturas - antes;
        estado.ResumeTiming();
    }
    estado.counters["pinturas"] =
        benchmark::Counter(static_cast<double>(pinturas), benchmark::Counter::kAvgIterations);
}

void Escribir(QWidget& ventana, const char* campo, const QString& texto) {
    Buscar<QLineEdit>(ventana, QString::fromLatin1(campo))->setText(texto);
}

// Scrolls the sheet of `ventana` so that `control` is in sight, as the user would to click it.
void Mostrar(QWidget& ventana, const char* control) {
    Buscar<QScrollArea>(ventana, QStringLiteral("ScrollBox1"))
        ->ensureWidgetVisible(Buscar<QWidget>(ventana, QString::fromLatin1(control)));
}

QString UnoDeDos(int i, const char* par, const char* impar) {
    return QString::fromLatin1(i % 2 == 0 ? par : impar);
}

// "Calcular Precio" after a new odometer reading.
void BM_CalcularValoracion(benchmark::State& estado) {
    QWidget& form1 = programa->Form1();
    Medir(
        estado, [&](int i) { Escribir(form1, "EKilometros", UnoDeDos(i, "83680", "93680")); },
        [&] { Pulsar(form1, "Button3"); });
}
BENCHMARK(BM_CalcularValoracion)->Unit(benchmark::kMicrosecond);

// "Certificado de Calidad": the certificate in front, the hand-over and PrepararCertificado.
// Before each, a new price on the valuation and one item rated "Mal" on the certificate.
void BM_EntregaPrepararCertificado(benchmark::State& estado) {
    QWidget& form1 = programa->Form1();
    QWidget& form2 = programa->Form2();
    Medir(
        estado,
        [&](int i) {
            Escribir(form1, "EPVPNuevo", UnoDeDos(i, "31470", "32470"));
            Pulsar(form1, "Button3");
            Pulsar(form2, "CV7Mal");
            Mostrar(form2, "Label1"); // the top of the sheet, as a new certificate is read
        },
        [&] { Pulsar(form1, "Button2"); });
}
BENCHMARK(BM_EntregaPrepararCertificado)->Unit(benchmark::kMicrosecond);

// "Calcular" on the certificate, scrolled down to it, after one item has changed its rating.
void BM_CalcularCertificado(benchmark::State& estado) {
    QWidget& form2 = programa->Form2();
    Medir(
        estado,
        [&](int i) {
            Pulsar(form2, i % 2 == 0 ? "CV12Regular" : "CV12Bien");
            Mostrar(form2, "Button3");
        },
        [&] { Pulsar(form2, "Button3"); });
}
BENCHMARK(BM_CalcularCertificado)->Unit(benchmark::kMicrosecond);

// "Valoracion Coches Ocasion": the valuation in front and ResetValoracion, after the user had
// typed over the example.
void BM_RegresoResetValoracion(benchmark::State& estado) {
    QWidget& form1 = programa->Form1();
    QWidget& form2 = programa->Form2();
    Medir(
        estado,
        [&](int i) {
            Escribir(form1, "EMarca", UnoDeDos(i, "A3", "Golf"));
            Escribir(form1, "EKilometros", UnoDeDos(i, "120000", "64000"));
            Pulsar(form1, "CP4Bien");
            Pulsar(form1, "Button3");
        },
        [&] { Pulsar(form2, "Button2"); });
}
BENCHMARK(BM_RegresoResetValoracion)->Unit(benchmark::kMicrosecond);

} // namespace

// The arithmetic's benchmarks (bench_calculo.cpp) and the windows' in one table; the windows
// need the application, offscreen, prepared as the program prepares it.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacion(argc, argv);
    // The offscreen platform says so at each raise(); that it cannot is of no account here.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& mensaje) {
        if (!mensaje.startsWith(QLatin1String("This plugin does not support")))
            std::fprintf(stderr, "%s\n", qPrintable(mensaje));
    });
    PrepararAplicacion(aplicacion);
    Programa ventanas;
    programa = &ventanas;
    ventanas.Mostrar();
    contador = new ContadorPinturas(&aplicacion);
    aplicacion.installEventFilter(contador);
    // The certificate is shown once before the timing: its first showing is start-up work.
    Pulsar(ventanas.Form1(), "Button2");
    Pulsar(ventanas.Form2(), "Button2");
    Repintar();

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
