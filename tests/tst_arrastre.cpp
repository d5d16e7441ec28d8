// Drags over the valuation sheet: while a mouse button is held, the moves belong to the control
// where the press began, wherever the pointer goes. Moves are delivered through the window, the
// way the platform delivers them.

#include "apoyo.h"

#include "form1.h"
#include "reloj.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <memory>

using namespace Qt::StringLiterals;

class PruebasArrastre : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SilenciarPlataforma(); }
    void init();
    void cleanup();

    void desdeUnTituloSinAyudaALaHoja();
    void desdeLaHojaSobreUnTituloConAyuda();
    void desdeUnTituloConAyudaALaHoja();

private:
    QWidget* Control(const char* nombre) {
        return ventana_->findChild<QWidget*>(QString::fromLatin1(nombre));
    }
    QPlainTextEdit* Memo() { return ventana_->findChild<QPlainTextEdit*>(u"MemoAyuda"_s); }
    QScrollBar* Barra() {
        return ventana_->findChild<QScrollArea*>(u"ScrollBox1"_s)->verticalScrollBar();
    }
    // A point of the sheet in the window, as the sheet is scrolled now.
    QPoint EnVentana(QPoint enHoja) { return ventana_->hoja()->mapTo(ventana_.get(), enHoja); }
    QPoint Dentro(const char* nombre, QPoint punto = {20, 10}) {
        return Control(nombre)->mapTo(ventana_->hoja(), punto);
    }
    void Mover(QPoint enHoja) {
        QTest::mouseMove(ventana_->windowHandle(), EnVentana(enHoja));
        QCoreApplication::processEvents();
    }
    void Pulsar(QPoint enHoja) {
        QTest::mousePress(ventana_->windowHandle(), Qt::LeftButton, {}, EnVentana(enHoja));
    }
    void Soltar(QPoint enHoja) {
        QTest::mouseRelease(ventana_->windowHandle(), Qt::LeftButton, {}, EnVentana(enHoja));
    }
    bool Resaltado(const char* nombre) {
        return Control(nombre)->palette().color(QPalette::Window) == ColorBGR(0x00FFE0E0);
    }

    Avisos avisos_;
    std::unique_ptr<TForm1> ventana_;
};

void PruebasArrastre::init() {
    FijarReloj(MomentoDePrueba(2010, 3));
    ventana_ = std::make_unique<TForm1>();
    ventana_->show();
    QVERIFY(QTest::qWaitForWindowExposed(ventana_.get()));
}

void PruebasArrastre::cleanup() {
    ventana_.reset();
    QVERIFY2(avisos_.Vacio(), qPrintable(avisos_.Resumen()));
}

// Pressed on the sheet's title, which has no help: dragging onto the bare sheet is no move over
// the bare sheet, and the help stays. Once released, the bare sheet hides it as before.
void PruebasArrastre::desdeUnTituloSinAyudaALaHoja() {
    const QPoint hojaDesnuda(300, 5);
    QVERIFY(ventana_->hoja()->childAt(hojaDesnuda) == nullptr);
    Mover(Dentro("LabelP3"));
    const QString ayuda = Memo()->toPlainText();
    Mover(Dentro("Label1", {30, 3}));
    Pulsar(Dentro("Label1", {30, 3}));
    Mover(hojaDesnuda);
    Mover(hojaDesnuda + QPoint(-200, 0));
    QVERIFY(Memo()->isVisible());
    QCOMPARE(Memo()->toPlainText(), ayuda);
    QVERIFY(Resaltado("LabelP3"));
    Soltar(hojaDesnuda + QPoint(-200, 0));

    Mover(hojaDesnuda);
    QVERIFY(Memo()->isHidden());
    QVERIFY(!Resaltado("LabelP3"));
}

// The pointer rests on a help caption while the sheet scrolls beneath it (as a mouse wheel does)
// until it rests on the bare sheet; pressed there, the drag over another help caption belongs
// to the bare sheet: the help goes and every colour is back.
void PruebasArrastre::desdeLaHojaSobreUnTituloConAyuda() {
    Barra()->setValue(200);
    const QPoint sobreCambio = Dentro("LabelValorCambio", {8, 8});
    QCOMPARE(ventana_->hoja()->childAt(sobreCambio), Control("LabelValorCambio"));
    Mover(sobreCambio);
    QVERIFY(Memo()->isVisible());
    QVERIFY(Resaltado("LabelValorCambio"));

    Barra()->setValue(220);
    QCoreApplication::processEvents();
    const QPoint hojaDesnuda = sobreCambio + QPoint(0, 20); // the same place in the window
    QVERIFY(ventana_->hoja()->childAt(hojaDesnuda) == nullptr);
    Pulsar(hojaDesnuda);
    QVERIFY(Memo()->isVisible()); // the press alone changes nothing

    Mover(Dentro("LabelValorUso", {10, 5}));
    QVERIFY(Memo()->isHidden());
    QVERIFY(!Resaltado("LabelValorCambio"));
    QVERIFY(!Resaltado("LabelValorUso"));
    Soltar(Dentro("LabelValorUso", {10, 5}));
}

// Pressed on a help caption: the drag belongs to it, and its help stays over the bare sheet.
void PruebasArrastre::desdeUnTituloConAyudaALaHoja() {
    Mover(Dentro("LabelP2"));
    Pulsar(Dentro("LabelP2"));
    Mover({4, 300}); // bare sheet left of the criteria
    QVERIFY(ventana_->hoja()->childAt({4, 300}) == nullptr);
    QVERIFY(Memo()->isVisible());
    QCOMPARE(Memo()->pos(), QPoint(38, 302));
    QVERIFY(Resaltado("LabelP2"));
    Soltar({4, 300});
}

MORVEX_TEST_MAIN(PruebasArrastre)
#include "tst_arrastre.moc"
