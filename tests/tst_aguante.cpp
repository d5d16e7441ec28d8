// A soak of both windows: a seeded random sequence of what a person can do (type anything into
// any field, pick list items, tick boxes and ratings, press every button, move the pointer, go
// back and forth between the windows), with message boxes answered as they come. After every
// action: nothing the program wrote reads "nan" or "inf", both windows still answer, and a
// calculation that ended without a message wrote what the plain calculation gives for the same
// inputs (the valuation worked out by the test itself, the certificate by its plain
// calculation). A failure prints the seed and the actions that led to it.
//
// MORVEX_AGUANTE_ACCIONES sets the number of actions (10000), MORVEX_AGUANTE_SEMILLA the seed.

#include "apoyo.h"

#include "calculo.h"
#include "form1.h"
#include "form2.h"
#include "general.h"
#include "programa.h"
#include "puntuacion.h"
#include "reloj.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// clang-format off
const char* const kEntradasValoracion[] = {
    "EMarca",    "EBastidor", "EMatricula", "EPVPNuevo",    "EKilometros",  "EPintura",
    "ETapizado", "EMotor",    "EFrenos",    "EElectronica", "EPVPVendedor", "EPuntuacion",
    "EPuntosObtenidos", "EPorcentaje", "EPVPValoracion", "EPVPCambio", "EPVPCompra"};
// clang-format on
const char* const kListasValoracion[] = {"EMesFabricacion", "EAnoFabricacion", "ENombreMarca",
                                         "ETipoVehiculo", "EMesesLeasing"};
const char* const kResultadosValoracion[] = {"EPuntosObtenidos", "ETotalCoste", "EPorcentaje",
                                             "EPVPValoracion",   "EPVPCambio",  "EPVPCompra"};
const char* const kEntradasCertificado[] = {"EPrecioNuevo",  "EPrecioCambio", "EPrecioVendedor",
                                            "EProtocoloUCE", "EMarca",        "EInfoAdicional1"};
const char* const kEscritosCertificado[] = {
    "EPrecioCompra", "EPuntosObtenidos",       "EPuntosITV", "EPuntosTotales", "EPuntosAsteriscos",
    "EPVPVendedor",  "MemoDefectosEncontrados"};
const char* const kConAyuda[] = {"CEspecial1", "CEspecial2",    "LabelP1",         "LabelP6",
                                 "LabelP11",   "LabelValorUso", "LabelValorCambio"};
const char* const kColumnas[] = {"MuyMal", "Mal", "Normal", "Bien", "MuyBien"};
const char* const kCalificaciones[] = {"Bien", "Regular", "Mal"};

} // namespace

class PruebaAguante : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SilenciarPlataforma(); }
    void aguante();

private:
    // The texts a person might type, hostile ones first.
    QString TextoAlAzar();
    void Accion();
    void Verificar();
    void CompararValoracion();
    void CompararCertificado();
    QString Nombre(const char* base, int n) { return QString::fromLatin1(base).arg(n); }
    template <class T> T* En(QWidget& ventana, const QString& nombre) {
        T* control = ventana.findChild<T*>(nombre);
        if (control == nullptr)
            qFatal("no control %s", qPrintable(nombre));
        return control;
    }
    int Azar(int hasta) { return static_cast<int>(azar_.bounded(hasta)); }
    // Now and then a short text of printable Latin-1 goes in key by key, as typed; otherwise it
    // is written at once, which notifies the same change.
    void Escribir(QLineEdit* campo, const QString& texto) {
        const bool tecleable = std::all_of(texto.begin(), texto.end(), [](QChar c) {
            return (c.unicode() >= 0x20 && c.unicode() < 0x7F) ||
                   (c.unicode() >= 0xA0 && c.unicode() <= 0xFF);
        });
        if (tecleable && texto.size() <= 20 && Azar(4) == 0) {
            campo->clear();
            QTest::keyClicks(campo, texto);
        } else {
            campo->setText(texto);
        }
    }

    QRandomGenerator azar_;
    std::unique_ptr<Programa> programa_;
    std::unique_ptr<Avisos> avisos_;
    QStringList ultimas_;
    QString puntosEntregados_ = QStringLiteral("300");
    bool compararValoracion_ = false;
    bool compararCertificado_ = false;
    QString vendedorAntes_;
    int valoracionesComparadas_ = 0;
    int certificadosComparados_ = 0;
    int cajas_ = 0;
};

QString PruebaAguante::TextoAlAzar() {
    // clang-format off
    static const QString kFijos[] = {
        QString(), QStringLiteral("   "), QStringLiteral("abc"), QStringLiteral("-"),
        QStringLiteral("+"), QStringLiteral(","), QStringLiteral("."), QStringLiteral(",,.."),
        QStringLiteral("1e99999"), QStringLiteral("1e3"), QStringLiteral("二千"),
        QStringLiteral("Ω€£"), QStringLiteral("\x01\t\x1b"), QStringLiteral("Octubre"),
        QStringLiteral(" marzo "), QStringLiteral("DICIEMBRE"), QStringLiteral("2007"),
        QStringLiteral("1886"), QStringLiteral("9999"), QStringLiteral("2007,5"),
        QStringLiteral("31470"), QStringLiteral("83680"), QStringLiteral("15.000"),
        QStringLiteral("100,25"), QStringLiteral("-7,25"), QStringLiteral("300"),
        QStringLiteral("500"), QStringLiteral("x-5"), QStringLiteral("0,00")};
    // clang-format on
    switch (Azar(6)) {
    case 0:
        return QString(1 + Azar(6000), QLatin1Char('0' + Azar(10))) +
               (Azar(2) ? QStringLiteral(",") + QString::number(Azar(1000)) : QString());
    case 1:
        return QString::number(Azar(200000)) + QStringLiteral(",") + QString::number(Azar(100));
    case 2: {
        QString texto;
        for (int i = Azar(12); i > 0; --i)
            texto += QChar(static_cast<char16_t>(1 + Azar(0x3000)));
        return texto;
    }
    default:
        return kFijos[Azar(static_cast<int>(std::size(kFijos)))];
    }
}

void PruebaAguante::Accion() {
    TForm1& valoracion = programa_->Form1();
    TForm2& certificado = programa_->Form2();
    compararValoracion_ = false;
    compararCertificado_ = false;
    QString hecho;
    switch (Azar(15)) {
    case 0:
    case 1: {
        const char* campo = kEntradasValoracion[Azar(std::size(kEntradasValoracion))];
        const QString texto = TextoAlAzar();
        Escribir(En<QLineEdit>(valoracion, QString::fromLatin1(campo)), texto);
        hecho = QStringLiteral("Form1 %1 <- %2").arg(QLatin1String(campo), texto.left(40));
        break;
    }
    case 2: {
        auto* lista = En<QComboBox>(
            valoracion, QString::fromLatin1(kListasValoracion[Azar(std::size(kListasValoracion))]));
        if (Azar(2) && lista->count() > 0)
            lista->setCurrentIndex(Azar(lista->count()));
        else
            lista->setEditText(TextoAlAzar());
        hecho =
            QStringLiteral("Form1 %1 = %2").arg(lista->objectName(), lista->currentText().left(40));
        break;
    }
    case 3: {
        const QString nombre =
            Azar(3) ? Nombre("CP%1", 1 + Azar(static_cast<int>(kCriterios.size()))) +
                          QLatin1String(kColumnas[Azar(static_cast<int>(std::size(kColumnas)))])
                    : QStringList{u"CEspecial1"_s, u"CEspecial2"_s, u"CLeasing"_s, u"CNacional"_s,
                                  u"CMixto"_s}[Azar(5)];
        auto* boton = En<QAbstractButton>(valoracion, nombre);
        QTest::mouseClick(boton, Qt::LeftButton, {}, boton->rect().center());
        hecho = QStringLiteral("Form1 click %1").arg(nombre);
        break;
    }
    case 4:
    case 5: {
        const char* boton = QList<const char*>{"Button3", "Button4", "Button5", "Button6"}[Azar(4)];
        QTest::mouseClick(En<QPushButton>(valoracion, QString::fromLatin1(boton)), Qt::LeftButton);
        compararValoracion_ = true;
        hecho = QStringLiteral("Form1 press %1").arg(QLatin1String(boton));
        break;
    }
    case 6:
        puntosEntregados_ = En<QLineEdit>(valoracion, QStringLiteral("EPuntosObtenidos"))->text();
        QTest::mouseClick(En<QPushButton>(valoracion, QStringLiteral("Button2")), Qt::LeftButton);
        hecho = QStringLiteral("Form1 press Certificado de Calidad");
        break;
    case 7:
    case 8: {
        const char* campo = kEntradasCertificado[Azar(std::size(kEntradasCertificado))];
        const QString texto = TextoAlAzar();
        Escribir(En<QLineEdit>(certificado, QString::fromLatin1(campo)), texto);
        hecho = QStringLiteral("Form2 %1 <- %2").arg(QLatin1String(campo), texto.left(40));
        break;
    }
    case 9: {
        QString averias;
        for (int i = Azar(4); i > 0; --i)
            averias += TextoAlAzar().left(30) + QLatin1Char('\n');
        auto* memo = En<QPlainTextEdit>(certificado, QStringLiteral("MemoAverias"));
        const QString antes = memo->toPlainText();
        vendedorAntes_ = En<QLineEdit>(certificado, QStringLiteral("EPVPVendedor"))->text();
        memo->setPlainText(averias);
        compararCertificado_ = memo->toPlainText() != antes; // a new text scores at once
        hecho =
            QStringLiteral("Form2 MemoAverias <- %1 lines").arg(averias.count(QLatin1Char('\n')));
        break;
    }
    case 10: {
        const int n = 1 + Azar(static_cast<int>(kElementos.size()));
        const char* calificacion = kCalificaciones[Azar(3)];
        const QString nombre = BotonLista(n, calificacion);
        auto* boton = En<QRadioButton>(certificado, nombre);
        // A new rating scores at once.
        compararCertificado_ = !boton->isChecked();
        vendedorAntes_ = En<QLineEdit>(certificado, QStringLiteral("EPVPVendedor"))->text();
        QTest::mouseClick(boton, Qt::LeftButton);
        hecho = QStringLiteral("Form2 click %1").arg(nombre);
        break;
    }
    case 11: {
        vendedorAntes_ = En<QLineEdit>(certificado, QStringLiteral("EPVPVendedor"))->text();
        if (Azar(3) == 0) {
            auto* itv = En<QCheckBox>(certificado, QStringLiteral("CITV"));
            QTest::mouseClick(itv, Qt::LeftButton, {}, itv->rect().center());
            hecho = QStringLiteral("Form2 click CITV");
        } else {
            QTest::mouseClick(En<QPushButton>(certificado, QStringLiteral("Button3")),
                              Qt::LeftButton);
            hecho = QStringLiteral("Form2 press Calcular");
        }
        compararCertificado_ = true;
        break;
    }
    case 12: {
        QWidget* control =
            En<QWidget>(valoracion, QString::fromLatin1(kConAyuda[Azar(std::size(kConAyuda))]));
        QMouseEvent movimiento(QEvent::MouseMove, QPointF(3, 3),
                               control->mapToGlobal(QPointF(3, 3)), Qt::NoButton, Qt::NoButton,
                               Qt::NoModifier);
        QApplication::sendEvent(Azar(4) ? control : valoracion.hoja(), &movimiento);
        hecho = QStringLiteral("Form1 pointer over %1").arg(control->objectName());
        break;
    }
    case 13:
        QTest::mouseClick(En<QPushButton>(certificado, Azar(2) ? QStringLiteral("Button2")
                                                               : QStringLiteral("BitBtn13")),
                          Qt::LeftButton);
        hecho = QStringLiteral("Form2 back to the valuation or Regresar");
        break;
    case 14: {
        const QDate dia(1990 + Azar(40), 1 + Azar(12), 1 + Azar(28));
        FijarReloj(QDateTime(dia, QTime(Azar(24), Azar(60), Azar(60))));
        hecho = QStringLiteral("the day is now %1").arg(dia.toString(Qt::ISODate));
        break;
    }
    }
    ultimas_ << hecho;
    if (ultimas_.size() > 40)
        ultimas_.removeFirst();
}

// The valuation worked out here from what the sheet shows, step by step as the dealer's
// formulas go, apart from the program's own calculation: each criterion counts the points of the
// class its caption shows, "(a)" to "(h)", times its column over 3.
void PruebaAguante::CompararValoracion() {
    TForm1& v = programa_->Form1();
    const QChar separador = SeparadorDecimal();
    const auto texto = [&](const char* nombre) { return Texto(v, nombre); };
    const auto valor = [&](const char* nombre) { return ValorDeTexto(texto(nombre), separador); };
    static const QRegularExpression claseDelTitulo(QStringLiteral("\\(([a-h])\\)$"));
    constexpr int kPuntosClase[] = {57, 45, 36, 33, 27, 18, 15, 9}; // a to h

    long double puntos = 0;
    for (int fila = 1;; ++fila) {
        const auto* titulo = v.findChild<QWidget*>(Nombre("LabelP%1", fila));
        if (titulo == nullptr)
            break;
        const QRegularExpressionMatch clase =
            claseDelTitulo.match(Texto(v, qPrintable(titulo->objectName())));
        QVERIFY2(clase.hasMatch(), qPrintable(titulo->objectName()));
        const int puntosClase = kPuntosClase[clase.captured(1).at(0).unicode() - u'a'];
        for (int c = 0; c < static_cast<int>(std::size(kColumnas)); ++c) {
            if (En<QRadioButton>(v, Nombre("CP%1", fila) + QLatin1String(kColumnas[c]))
                    ->isChecked())
                puntos = puntos + puntosClase * (c + 1) / 3;
        }
    }
    long double coste = 0;
    for (const char* nombre : {"EPintura", "ETapizado", "EMotor", "EFrenos", "EElectronica"})
        coste = coste + valor(nombre);

    const QDate hoy = AhoraLocal().date();
    const long long anoFabricacion = Redondear(valor("EAnoFabricacion"));
    const long long edadMeses =
        (hoy.month() - NumeroMes(texto("EMesFabricacion"))) + 12 * (hoy.year() - anoFabricacion);
    const long double divisor = En<QCheckBox>(v, QStringLiteral("CEspecial2"))->isChecked() ? 2400
                                : En<QCheckBox>(v, QStringLiteral("CEspecial1"))->isChecked()
                                    ? 1800
                                    : 1200;
    const long double r = valor("EKilometros") / (1600 * edadMeses + 1);
    const long double k = ((r * 0.3L) * 95) / (57 + 1);
    const long double p = 500 / (puntos + 1);
    const long double tasa = ((k * 3.3L) + (p * 4)) + 4;
    long double valorUso = valor("EPVPNuevo");
    for (long long mes = 0; mes < edadMeses; ++mes)
        valorUso = valorUso - ((valorUso * tasa) / divisor);
    const long double gastos = ((51 / (18 + 1.0L)) + 3.8L) + (277.5L / (45 + 1));
    const long long cambio = Redondear(valorUso - ((valorUso * gastos) / 100));

    const QStringList esperado{TextoNumero(puntos, separador),
                               TextoNumero(coste, separador),
                               TextoNumero(RedondearCentesimas(tasa), separador),
                               TextoNumero(Redondear(valorUso), separador),
                               TextoNumero(cambio, separador),
                               TextoNumero(cambio - coste, separador)};
    QStringList escrito;
    for (const char* nombre : kResultadosValoracion)
        escrito << texto(nombre);
    QCOMPARE(escrito, esperado);
}

void PruebaAguante::CompararCertificado() {
    TForm2& c = programa_->Form2();
    const QChar separador = SeparadorDecimal();
    Calificaciones calificaciones;
    for (int n = 1; n <= static_cast<int>(kElementos.size()); ++n) {
        calificaciones[n - 1] =
            En<QRadioButton>(c, BotonLista(n, "Bien"))->isChecked()      ? Calificacion::Bien
            : En<QRadioButton>(c, BotonLista(n, "Regular"))->isChecked() ? Calificacion::Regular
            : En<QRadioButton>(c, BotonLista(n, "Mal"))->isChecked()     ? Calificacion::Mal
                                                                         : Calificacion::Ninguna;
    }
    const long double lista = PuntuacionLista(calificaciones);
    QString precio;
    Nota nota;
    try {
        precio = TextoNumero(
            PrecioCorregido(lista, ValorDeTexto(Texto(c, "EPrecioCambio"), separador)), separador);
        nota = NotaCertificado(lista, ContarAverias(Texto(c, "MemoAverias")), puntosEntregados_,
                               En<QCheckBox>(c, QStringLiteral("CITV"))->isChecked(), separador);
    } catch (const ErrorCalculo&) {
        // A rating's or a fault line's run that fails as the run before did says nothing again;
        // the results stay as the failure left them, and there is nothing to compare them with.
        return;
    }
    const QStringList esperado{precio,
                               nota.obtenidos,
                               nota.itv,
                               nota.totales,
                               nota.asteriscos,
                               NormalizarNumero(vendedorAntes_, separador),
                               LineaDefectos(Defectos(calificaciones))};
    QStringList escrito;
    for (const char* nombre : kEscritosCertificado)
        escrito << Texto(c, nombre);
    QCOMPARE(escrito, esperado);
}

void PruebaAguante::Verificar() {
    static const QRegularExpression noNumero(QStringLiteral("\\b(nan|inf|infinity)\\b"),
                                             QRegularExpression::CaseInsensitiveOption);
    const int vistas = static_cast<int>(avisos_->Tomar().size());
    const bool huboAviso = vistas > 0;
    cajas_ += vistas;
    for (const char* nombre : kResultadosValoracion)
        QVERIFY2(!noNumero.match(Texto(programa_->Form1(), nombre)).hasMatch(), nombre);
    for (const char* nombre : kEscritosCertificado)
        QVERIFY2(!noNumero.match(Texto(programa_->Form2(), nombre)).hasMatch(), nombre);
    for (QWidget* ventana :
         {static_cast<QWidget*>(&programa_->Form1()), static_cast<QWidget*>(&programa_->Form2())}) {
        bool responde = false;
        QMetaObject::invokeMethod(
            ventana, [&responde] { responde = true; }, Qt::QueuedConnection);
        QCoreApplication::processEvents();
        QVERIFY2(responde, qPrintable(ventana->objectName()));
    }
    if (!huboAviso && compararValoracion_) {
        CompararValoracion();
        ++valoracionesComparadas_;
    }
    if (!huboAviso && compararCertificado_) {
        CompararCertificado();
        ++certificadosComparados_;
    }
}

void PruebaAguante::aguante() {
    const int acciones = qEnvironmentVariableIsSet("MORVEX_AGUANTE_ACCIONES")
                             ? qEnvironmentVariableIntValue("MORVEX_AGUANTE_ACCIONES")
                             : 10000;
    const quint32 semilla = qEnvironmentVariableIsSet("MORVEX_AGUANTE_SEMILLA")
                                ? qEnvironmentVariable("MORVEX_AGUANTE_SEMILLA").toUInt()
                                : 20261210u;
    azar_.seed(semilla);
    FijarReloj(MomentoDePrueba(2010, 3));
    avisos_ = std::make_unique<Avisos>(1);
    programa_ = std::make_unique<Programa>();
    programa_->Mostrar();
    for (int i = 0; i < acciones; ++i) {
        Accion();
        Verificar();
        if (QTest::currentTestFailed()) {
            qWarning().noquote() << QStringLiteral(
                                        "seed %1, failed at action %2; the last actions:\n  ")
                                        .arg(semilla)
                                        .arg(i + 1)
                                 << ultimas_.join(QStringLiteral("\n  "));
            return;
        }
    }
    qInfo("%d actions, seed %u: %d valuations worked out here and %d certificate runs checked "
          "against the plain calculation, %d message boxes answered",
          acciones, semilla, valoracionesComparadas_, certificadosComparados_, cajas_);
}

MORVEX_TEST_MAIN(PruebaAguante)
#include "tst_aguante.moc"
