// Which window is in front: each way between the windows brings the window it shows to the
// front and gives it the keyboard, even when that window was open behind the other; every
// message box and the print preview belong to the window they speak for, so that the window
// system opens them over it.

#include "apoyo.h"

#include "form1.h"
#include "form2.h"
#include "programa.h"

#include <QLineEdit>
#include <QPushButton>
#include <QWindow>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

void Pulsar(QWidget& ventana, const char* boton) {
    auto* b = ventana.findChild<QPushButton*>(QString::fromLatin1(boton));
    QVERIFY(b != nullptr);
    QTest::mouseClick(b, Qt::LeftButton);
}

void Escribir(QWidget& ventana, const char* campo, const QString& texto) {
    auto* c = ventana.findChild<QLineEdit*>(QString::fromLatin1(campo));
    QVERIFY(c != nullptr);
    c->setText(texto);
}

// What a dialog that opened over a window said of itself: its class, and the window it belongs
// to in the window system.
struct Dialogo {
    QString clase;
    QWindow* sobre = nullptr;
};

} // namespace

class PruebasFrente : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SilenciarPlataforma(); }
    void init();
    void cleanup();

    void caminosAlFrente_data();
    void caminosAlFrente();
    void dialogosSobreSuVentana_data();
    void dialogosSobreSuVentana();

private:
    QWidget& Ventana(const QString& nombre) {
        return nombre == "Form1"_L1 ? static_cast<QWidget&>(programa_->Form1())
                                    : static_cast<QWidget&>(programa_->Form2());
    }

    std::unique_ptr<Programa> programa_;
};

void PruebasFrente::init() {
    programa_ = std::make_unique<Programa>();
    programa_->Mostrar();
    QVERIFY(QTest::qWaitForWindowActive(&programa_->Form1()));
}

void PruebasFrente::cleanup() { programa_.reset(); }

void PruebasFrente::caminosAlFrente_data() {
    // Buttons pressed in turn, "window:button", and the window that must then be in front.
    QTest::addColumn<QStringList>("pasos");
    QTest::addColumn<QString>("delante");
    const QString alCertificado = u"Form1:Button2"_s;
    const QString aLaValoracion = u"Form2:Button2"_s;
    const QString cerrarCertificado = u"Form2:BitBtn13"_s;
    // clang-format off
    QTest::newRow("hand-over") << QStringList{alCertificado} << u"Form2"_s;
    QTest::newRow("return, the certificate left open") << QStringList{alCertificado, aLaValoracion} << u"Form1"_s;
    QTest::newRow("hand-over to the certificate open behind") << QStringList{alCertificado, aLaValoracion, alCertificado} << u"Form2"_s;
    QTest::newRow("second return") << QStringList{alCertificado, aLaValoracion, alCertificado, aLaValoracion} << u"Form1"_s;
    QTest::newRow("hand-over after closing the certificate") << QStringList{alCertificado, cerrarCertificado, alCertificado} << u"Form2"_s;
    // clang-format on
}

// The window shown is the active one and holds the keyboard: a key pressed next, Ctrl+P
// included, goes to the window the user sees.
void PruebasFrente::caminosAlFrente() {
    QFETCH(QStringList, pasos);
    QFETCH(QString, delante);
    for (const QString& paso : pasos) {
        const QStringList partes = paso.split(u':');
        QWidget& ventana = Ventana(partes[0]);
        // Once the certificate is closed the user clicks the valuation, which makes it active.
        if (QApplication::activeWindow() == nullptr)
            ventana.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &ventana); // pressed as the user would
        Pulsar(ventana, qPrintable(partes[1]));
    }
    QWidget& esperada = Ventana(delante);
    QTRY_COMPARE(QApplication::activeWindow(), &esperada);
    QCOMPARE(QGuiApplication::focusWindow(), esperada.windowHandle());
    QVERIFY(QApplication::focusWidget() != nullptr);
    QCOMPARE(QApplication::focusWidget()->window(), &esperada);
}

void PruebasFrente::dialogosSobreSuVentana_data() {
    QTest::addColumn<QString>("caso");
    QTest::addColumn<QString>("sobre");
    QTest::addColumn<QString>("clase");
    // clang-format off
    QTest::newRow("valuation, missing input") << u"faltan"_s << u"Form1"_s << u"QMessageBox"_s;
    QTest::newRow("valuation, conversion error") << u"kilometros"_s << u"Form1"_s << u"QMessageBox"_s;
    QTest::newRow("hand-over failing in the certificate") << u"entrega"_s << u"Form2"_s << u"QMessageBox"_s;
    QTest::newRow("certificate, conversion error") << u"cambio"_s << u"Form2"_s << u"QMessageBox"_s;
    QTest::newRow("valuation, preview") << u"vista1"_s << u"Form1"_s << u"TVistaPrevia"_s;
    QTest::newRow("certificate, preview") << u"vista2"_s << u"Form2"_s << u"TVistaPrevia"_s;
    // clang-format on
}

void PruebasFrente::dialogosSobreSuVentana() {
    QFETCH(QString, caso);
    QFETCH(QString, sobre);
    QFETCH(QString, clase);
    TForm1& valoracion = programa_->Form1();
    TForm2& certificado = programa_->Form2();

    // Each modal dialog, as it shows, is noted and closed.
    QList<Dialogo> vistos;
    QTimer espera;
    espera.setInterval(10);
    connect(&espera, &QTimer::timeout, this, [&vistos] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible() || modal->property("visto").toBool())
            return;
        modal->setProperty("visto", true);
        vistos.append({QString::fromLatin1(modal->metaObject()->className()),
                       modal->windowHandle()->transientParent()});
        if (auto* caja = qobject_cast<QMessageBox*>(modal))
            caja->button(QMessageBox::Ok)->click();
        else if (auto* dialogo = qobject_cast<QDialog*>(modal))
            dialogo->reject();
    });
    espera.start();

    if (caso == "faltan"_L1) {
        Escribir(valoracion, "EPVPNuevo", QString());
        Pulsar(valoracion, "Button3");
    } else if (caso == "kilometros"_L1) {
        Escribir(valoracion, "EKilometros", u"-5"_s);
        Pulsar(valoracion, "Button3");
    } else if (caso == "entrega"_L1) {
        Escribir(valoracion, "EPVPCambio", u"-"_s);
        Pulsar(valoracion, "Button2");
    } else if (caso == "cambio"_L1) {
        Pulsar(valoracion, "Button2");
        QVERIFY(vistos.isEmpty());
        Escribir(certificado, "EPrecioCambio", u"-"_s);
    } else {
        QWidget& ventana = caso == "vista1"_L1 ? static_cast<QWidget&>(valoracion) : certificado;
        if (&ventana == &certificado)
            Pulsar(valoracion, "Button2");
        Pulsar(ventana, "ButtonImprimir");
    }
    // The preview paints its pages first: generous under the sanitizers on a busy machine.
    QVERIFY(QTest::qWaitFor([&vistos] { return !vistos.isEmpty(); }, 30000));
    for (const Dialogo& visto : vistos) {
        QCOMPARE(visto.clase, clase);
        QCOMPARE(visto.sobre, Ventana(sobre).windowHandle());
    }
}

MORVEX_TEST_MAIN(PruebasFrente)
#include "tst_frente.moc"
