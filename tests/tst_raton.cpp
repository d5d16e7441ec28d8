// The help pop-up with the real pointer of a real X display: run under Xvfb with the xcb
// platform, the X server itself reports the pointer's moves to the program.

#include "apoyo.h"

#include "form1.h"
#include "reloj.h"

#include <QCursor>
#include <QPlainTextEdit>
#include <memory>

using namespace Qt::StringLiterals;

class PruebasRaton : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SilenciarPlataforma(); }
    void punteroSobreUnCriterio();
};

void PruebasRaton::punteroSobreUnCriterio() {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs a real X display");
    Avisos avisos;
    TForm1 ventana;
    ventana.show();
    QVERIFY(QTest::qWaitForWindowExposed(&ventana));
    auto* memo = ventana.findChild<QPlainTextEdit*>(u"MemoAyuda"_s);
    QWidget* criterio = ventana.findChild<QWidget*>(u"LabelP3"_s);

    QCursor::setPos(criterio->mapToGlobal(QPoint(20, 10)));
    QTRY_VERIFY(memo->isVisible());
    QVERIFY(memo->toPlainText().startsWith(
        QStringLiteral("Velocidad depreciacion coche por variar mucho el Modelo\n\n")));

    QCursor::setPos(ventana.hoja()->mapToGlobal(QPoint(300, 5))); // the bare sheet
    QTRY_VERIFY(memo->isHidden());
    QVERIFY(avisos.Vacio());
}

MORVEX_TEST_MAIN(PruebasRaton)
#include "tst_raton.moc"
