// The help pop-ups of the valuation sheet, driven by mouse moves through the window, the way the
// platform delivers them, and by the keyboard: F1, Escape, the focus moving on; and the help
// a screen reader says with the controls the keyboard reaches.

#include "apoyo.h"

#include "ayudas.h"
#include "form1.h"
#include "marco.h"
#include "reloj.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextCursor>
#include <algorithm>
#include <map>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

struct Colores {
    QColor fondo;
    QColor tinta;
    bool operator==(const Colores&) const = default;
};

// The help-bearing controls: the two special classes, the caption of every criterion, the two
// values. Walked from the criteria, not from the help table: a criterion without its help row
// fails here too.
QStringList Controles() {
    QStringList controles = {u"CEspecial1"_s, u"CEspecial2"_s};
    for (size_t fila = 1; fila <= kCriterios.size(); ++fila)
        controles << QString::fromLatin1(kTituloCriterio) + QString::number(fila);
    return controles << u"LabelValorUso"_s << u"LabelValorCambio"_s;
}

const Colores kColoresResaltado{ColorBGR(0x00FFE0E0), ColorBGR(0x000000FF)};
const Colores kColoresAmarillo{ColorBGR(0x0000FFFF), ColorBGR(0x00656549)};
const Colores kColoresBlanco{ColorBGR(0x00FFFFFF), ColorBGR(0x00656549)};

Colores Normales(const QString& nombre) {
    return nombre.startsWith(QLatin1String("CEspecial")) ? kColoresAmarillo : kColoresBlanco;
}

} // namespace

class PruebasAyudas : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SilenciarPlataforma(); }
    void init();
    void cleanup();

    void deUnaFilaALaSiguiente();
    void cadaControl_data();
    void cadaControl();
    void otrosControlesNoCambianNada_data();
    void otrosControlesNoCambianNada();
    void arrastrarSobreUnTitulo();
    void hojaDesnudaOcultaYRestaura();
    void resetColoresAyuda_data();
    void resetColoresAyuda();
    void reinicioOcultaYConservaResalte();
    void ayudaCortadaEnElBorde();
    void f1MuestraLaAyuda_data();
    void f1MuestraLaAyuda();
    void f1EnUnaVistaCorta();
    void f1SinAyudaNoHaceNada();
    void teclaOFocoOcultan_data();
    void teclaOFocoOcultan();

private:
    QWidget* Control(const char* nombre) { return Control(QString::fromLatin1(nombre)); }
    QWidget* Control(const QString& nombre) { return ventana->findChild<QWidget*>(nombre); }
    QPlainTextEdit* Memo() { return ventana->findChild<QPlainTextEdit*>(u"MemoAyuda"_s); }
    Colores ColoresDe(const char* nombre) { return ColoresDe(QString::fromLatin1(nombre)); }
    Colores ColoresDe(const QString& nombre) {
        const QPalette paleta = Control(nombre)->palette();
        return {paleta.color(QPalette::Window), paleta.color(QPalette::WindowText)};
    }
    // Moves the pointer over a point of the sheet, scrolling it into view first.
    void MoverSobreHoja(QPoint punto);
    void MoverSobre(const char* nombre, QPoint dentro = {5, 5}) {
        MoverSobreHoja(Control(nombre)->mapTo(ventana->hoja(), dentro));
    }
    void TodosNormales();
    // What keeps the memo's text from showing whole, title first: empty where nothing does.
    QString Entera();

    Avisos avisos;
    std::unique_ptr<TForm1> ventana;
};

QString NombreDelFoco() {
    QWidget* foco = QApplication::focusWidget();
    return foco == nullptr ? u"(none)"_s : foco->objectName();
}

void PruebasAyudas::init() {
    FijarReloj(MomentoDePrueba(2010, 3));
    ventana = std::make_unique<TForm1>();
    ventana->show();
    QVERIFY(QTest::qWaitForWindowExposed(ventana.get()));
}

void PruebasAyudas::cleanup() {
    ventana.reset();
    QVERIFY2(avisos.Vacio(), qPrintable(avisos.Resumen()));
}

void PruebasAyudas::MoverSobreHoja(QPoint punto) {
    auto* caja = ventana->findChild<QScrollArea*>(u"ScrollBox1"_s);
    caja->ensureVisible(punto.x(), punto.y(), 10, 10);
    QWidget* hoja = ventana->hoja();
    QTest::mouseMove(ventana.get(), hoja->mapTo(ventana.get(), punto));
    QCoreApplication::processEvents();
}

void PruebasAyudas::TodosNormales() {
    for (const QString& nombre : Controles())
        QCOMPARE(ColoresDe(nombre), Normales(nombre));
}

QString PruebasAyudas::Entera() {
    QPlainTextEdit* memo = Memo();
    QStringList faltas;
    if (memo->verticalScrollBar()->value() != 0 || memo->verticalScrollBar()->maximum() != 0)
        faltas << u"scrolls"_s;
    QTextCursor cursor(memo->document());
    if (memo->cursorRect(cursor).top() < 0)
        faltas << u"title above the view"_s;
    cursor.movePosition(QTextCursor::End);
    const int pie = memo->cursorRect(cursor).bottom();
    if (pie >= memo->viewport()->height())
        faltas << u"last line at %1 below a view %2 high"_s.arg(pie).arg(
            memo->viewport()->height());
    return faltas.join(u", "_s);
}

void PruebasAyudas::deUnaFilaALaSiguiente() {
    MoverSobre("LabelP1");
    QVERIFY(Memo()->isVisible());
    MoverSobre("LabelP2");
    QCOMPARE(ColoresDe("LabelP1"), kColoresBlanco);
    QCOMPARE(ColoresDe("LabelP2"), kColoresResaltado);
    QCOMPARE(Memo()->geometry(), QRect(38, 302, 420, 120));
    QCOMPARE(Memo()->toPlainText(),
             QStringLiteral("Color coche: Moderno/ habitual/desfasado\n\nSe marcará NORMAL o "
                            "Standard para un color habitual presente en el mercado reservandose "
                            "el BIEN y MUY BIEN para colores modernos de venta actual. El MAL o "
                            "MUY MAL se marcara en coches con colores en desuso."));
    MoverSobre("LabelP2", {40, 20}); // back and forth within one control: the same three lines
    QCOMPARE(Memo()->document()->blockCount(), 3);
}

void PruebasAyudas::cadaControl_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QPoint>("esquina"); // memo left, top
    QTest::addColumn<QString>("titulo");
    // clang-format off
    const std::map<QString, QPoint> esquinas = {
        {u"CEspecial1"_s, {186, 140}}, {u"CEspecial2"_s, {186, 156}},
        {u"LabelValorUso"_s, {236, 668}}, {u"LabelValorCambio"_s, {172, 692}},
    };
    // clang-format on
    for (const QString& control : Controles()) {
        // The criteria's memos open a grid row (32) apart, the first at 38, 270.
        const qsizetype prefijo = std::char_traits<char>::length(kTituloCriterio);
        const int fila = esquinas.contains(control) ? 0 : control.mid(prefijo).toInt();
        const QPoint esquina = fila > 0 ? QPoint(38, 270 + 32 * (fila - 1)) : esquinas.at(control);
        const auto ayuda = std::find_if(kAyudas.begin(), kAyudas.end(), [&](const Ayuda& a) {
            return control == QLatin1String(a.nombre);
        });
        const QString titulo =
            ayuda == kAyudas.end() ? u"(no help row)"_s : QString::fromUtf8(ayuda->titulo);
        QTest::newRow(qPrintable(control)) << control << esquina << titulo;
    }
}

// Each help shows whole, from its title down to its last line, without scrolling: a memo too
// short for its text grows downward, never narrower or shorter than 420 x 120.
void PruebasAyudas::cadaControl() {
    QFETCH(QString, control);
    QFETCH(QPoint, esquina);
    QFETCH(QString, titulo);
    MoverSobre(qPrintable(control));
    QVERIFY(Memo()->isVisible());
    QCOMPARE(Memo()->pos(), esquina);
    QCOMPARE(Memo()->width(), 420);
    QVERIFY(Memo()->height() >= 120);
    QCOMPARE(Entera(), QString());
    QVERIFY(Memo()->geometry().bottom() < ventana->hoja()->height());
    const QStringList lineas = Memo()->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(lineas.size(), 3);
    QCOMPARE(lineas[0], titulo);
    QCOMPARE(lineas[1], QString());
    QVERIFY(lineas[2].size() > 100);
    for (const QString& nombre : Controles())
        QCOMPARE(ColoresDe(nombre), control == nombre ? kColoresResaltado : Normales(nombre));
}

void PruebasAyudas::otrosControlesNoCambianNada_data() {
    QTest::addColumn<QString>("control");
    // clang-format off
    QTest::newRow("rating button") << "CP3Bien";
    QTest::newRow("rating row, between buttons") << "Panel5";
    QTest::newRow("edit") << "EPVPNuevo";
    QTest::newRow("list") << "EMesFabricacion";
    QTest::newRow("plain caption") << "Label1";
    QTest::newRow("button") << "Button3";
    QTest::newRow("help memo itself") << "MemoAyuda";
    // clang-format on
}

void PruebasAyudas::otrosControlesNoCambianNada() {
    QFETCH(QString, control);
    MoverSobre("LabelP3");
    const QString texto = Memo()->toPlainText();
    MoverSobre(qPrintable(control), {30, 3});
    QVERIFY(Memo()->isVisible());
    QCOMPARE(Memo()->toPlainText(), texto);
    QCOMPARE(ColoresDe("LabelP3"), kColoresResaltado);
}

// A press on a plain caption goes on to the sheet, which then gets every move until the
// release: moves over the caption are still not moves over the bare sheet.
void PruebasAyudas::arrastrarSobreUnTitulo() {
    MoverSobre("LabelP3");
    const QString texto = Memo()->toPlainText();
    QWidget* titulo = Control("Label1");
    MoverSobre("Label1", {30, 3});
    const QPoint enVentana = titulo->mapTo(ventana.get(), QPoint(30, 3));
    QTest::mousePress(ventana->window()->windowHandle(), Qt::LeftButton, {}, enVentana);
    QTest::mouseMove(ventana->window()->windowHandle(), enVentana + QPoint(20, 2));
    QTest::mouseRelease(ventana->window()->windowHandle(), Qt::LeftButton, {},
                        enVentana + QPoint(20, 2));
    QVERIFY(Memo()->isVisible());
    QCOMPARE(Memo()->toPlainText(), texto);
}

void PruebasAyudas::hojaDesnudaOcultaYRestaura() {
    MoverSobre("CEspecial2");
    QCOMPARE(ColoresDe("CEspecial2"), kColoresResaltado);
    MoverSobreHoja({300, 5}); // bare sheet beside the header button
    QVERIFY(Memo()->isHidden());
    TodosNormales(); // the special box is yellow again, not white
}

void PruebasAyudas::resetColoresAyuda_data() {
    QTest::addColumn<QString>("nombre");
    // clang-format off
    QTest::newRow("a criterion past the last")
        << QString::fromLatin1(kTituloCriterio) + QString::number(kCriterios.size() + 1);
    QTest::newRow("letter case differs") << "labelp4";
    QTest::newRow("empty") << "";
    // clang-format on
}

void PruebasAyudas::resetColoresAyuda() {
    QFETCH(QString, nombre);
    MoverSobre("LabelP4");
    ventana->ResetColoresAyuda(nombre);
    TodosNormales();
}

void PruebasAyudas::reinicioOcultaYConservaResalte() {
    MoverSobre("LabelP9");
    ventana->ResetValoracion();
    QVERIFY(Memo()->isHidden());
    QCOMPARE(ColoresDe("LabelP9"), kColoresResaltado);
}

void PruebasAyudas::ayudaCortadaEnElBorde() {
    MoverSobre("LabelValorUso");
    const int anchoHoja = ventana->hoja()->width();
    QCOMPARE(Memo()->geometry().right() + 1 - anchoHoja, 29);
    QVERIFY(ventana->hoja()->rect().intersected(Memo()->geometry()).width() == 420 - 29);
}

void PruebasAyudas::f1MuestraLaAyuda_data() {
    QTest::addColumn<QString>("control"); // where the keyboard is
    QTest::addColumn<QString>("ayuda");   // the help-bearing control
    QTest::addColumn<QPoint>("esquina");  // memo left, top
    QTest::addColumn<int>("desplazado");  // the sheet's scroll before F1: 0 top, 1 end
    // clang-format off
    QTest::newRow("special class") << u"CEspecial2"_s << u"CEspecial2"_s << QPoint(186, 156) << 1;
    QTest::newRow("rating row, first button") << u"CP4MuyMal"_s << u"LabelP4"_s << QPoint(38, 366) << 1;
    QTest::newRow("rating row, set button") << u"CP11Normal"_s << u"LabelP11"_s << QPoint(38, 590) << 0;
    QTest::newRow("hidden faults, sheet at the top") << u"CP10Normal"_s << u"LabelP10"_s << QPoint(38, 558) << 0;
    QTest::newRow("hidden faults, sheet at the end") << u"CP10Normal"_s << u"LabelP10"_s << QPoint(38, 558) << 1;
    QTest::newRow("value of use") << u"EPVPValoracion"_s << u"LabelValorUso"_s << QPoint(236, 668) << 0;
    QTest::newRow("exchange value") << u"EPVPCambio"_s << u"LabelValorCambio"_s << QPoint(172, 692) << 0;
    // clang-format on
}

// F1 brings up the help as the pointer does, scrolled into view with the control; a screen
// reader has the same help as the control's description.
void PruebasAyudas::f1MuestraLaAyuda() {
    QFETCH(QString, control);
    QFETCH(QString, ayuda);
    QFETCH(QPoint, esquina);
    QFETCH(int, desplazado);
    ventana->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(ventana.get()));
    QWidget* c = Control(qPrintable(control));
    c->setFocus(Qt::TabFocusReason);
    auto* caja = ventana->findChild<QScrollArea*>(u"ScrollBox1"_s);
    caja->verticalScrollBar()->setValue(desplazado == 0 ? 0 : caja->verticalScrollBar()->maximum());
    QTest::keyClick(c, Qt::Key_F1);
    QVERIFY(Memo()->isVisible());
    QCOMPARE(Memo()->pos(), esquina);
    QCOMPARE(Entera(), QString());
    const QStringList lineas = Memo()->toPlainText().split(u'\n');
    QCOMPARE(lineas.size(), 3);
    for (const QString& nombre : Controles())
        QCOMPARE(ColoresDe(nombre), ayuda == nombre ? kColoresResaltado : Normales(nombre));
    for (QWidget* visto :
         {c, static_cast<QWidget*>(Memo())}) { // the memo as far as the sheet holds it
        const QRect enHoja = QRect(visto->mapTo(ventana->hoja(), QPoint(0, 0)), visto->size())
                                 .intersected(ventana->hoja()->rect());
        const QRect lugar =
            enHoja.translated(ventana->hoja()->mapTo(caja->viewport(), QPoint(0, 0)));
        QVERIFY2(caja->viewport()->rect().contains(lugar), qPrintable(visto->objectName()));
    }
    QCOMPARE(NombreDelFoco(), control);
    const QString descripcion = lineas[0] + u'\n' + lineas[2];
    QCOMPARE(QAccessible::queryAccessibleInterface(c)->text(QAccessible::Description), descripcion);
}

// A view too short for a control and its help together (a small screen, a large scale
// factor) shows the help from its title down, as much of it as the view holds.
void PruebasAyudas::f1EnUnaVistaCorta() {
    ventana->resize(656, 200);
    ventana->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(ventana.get()));
    auto* caja = ventana->findChild<QScrollArea*>(u"ScrollBox1"_s);
    QWidget* c = Control("CP10Normal");
    c->setFocus(Qt::TabFocusReason);
    caja->verticalScrollBar()->setValue(0);
    QTest::keyClick(c, Qt::Key_F1);
    QVERIFY(Memo()->isVisible());
    const QRect fila(c->mapTo(ventana->hoja(), QPoint(0, 0)), c->size());
    QVERIFY(fila.united(Memo()->geometry()).height() > caja->viewport()->height());
    const int arriba = Memo()->mapTo(caja->viewport(), QPoint(0, 0)).y();
    QVERIFY2(arriba >= 0 && arriba < 20, qPrintable(QString::number(arriba)));
    QCOMPARE(Entera(), QString());
}

// F1 where no help belongs changes nothing.
void PruebasAyudas::f1SinAyudaNoHaceNada() {
    ventana->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(ventana.get()));
    QWidget* c = Control("EPVPNuevo");
    c->setFocus(Qt::TabFocusReason);
    QTest::keyClick(c, Qt::Key_F1);
    QVERIFY(Memo()->isHidden());
    TodosNormales();
}

void PruebasAyudas::teclaOFocoOcultan_data() {
    QTest::addColumn<QString>("accion");
    QTest::addColumn<bool>("sigue"); // the help still shows
    QTest::newRow("Escape") << u"Escape"_s << false;
    QTest::newRow("Tab to the next row") << u"Tab"_s << false;
    QTest::newRow("focus moved by a click") << u"click"_s << false;
    QTest::newRow("arrow within the row") << u"Right"_s << true;
    QTest::newRow("a message box and back") << u"box"_s << true;
}

// A help brought up by F1 goes as the bare sheet takes it: memo hidden, every colour normal;
// but not while the focus stays on the row, nor for a box that comes and goes.
void PruebasAyudas::teclaOFocoOcultan() {
    QFETCH(QString, accion);
    QFETCH(bool, sigue);
    ventana->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(ventana.get()));
    QWidget* c = Control("CP5Normal");
    c->setFocus(Qt::TabFocusReason);
    QTest::keyClick(c, Qt::Key_F1);
    QVERIFY(Memo()->isVisible());
    if (accion == "Escape"_L1)
        QTest::keyClick(c, Qt::Key_Escape);
    else if (accion == "Tab"_L1)
        QTest::keyClick(c, Qt::Key_Tab);
    else if (accion == "Right"_L1)
        QTest::keyClick(c, Qt::Key_Right);
    else if (accion == "click"_L1)
        Control("EPVPNuevo")->setFocus(Qt::MouseFocusReason);
    else {
        MostrarAviso(ventana.get(), u"Aviso"_s);
        QCOMPARE(avisos.Tomar().size(), 1);
    }
    QCOMPARE(Memo()->isVisible(), sigue);
    if (sigue)
        QCOMPARE(ColoresDe("LabelP5"), kColoresResaltado);
    else
        TodosNormales();
}

MORVEX_TEST_MAIN(PruebasAyudas)
#include "tst_ayudas.moc"
