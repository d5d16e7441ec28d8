// Both sheets without a mouse and with a screen reader: the tab chain of each window, Tab out
// of the memos, Enter on the buttons, the rating rows as one tab stop, the wheel that scrolls
// the sheet instead of changing a list, the focus ring, the names screen readers hear, and Qt's
// own texts in the user's language.

#include "apoyo.h"

#include "escritura.h"
#include "form1.h"
#include "form2.h"
#include "pintura.h"
#include "reloj.h"
#include "teclado.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPicture>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextCursor>
#include <QWheelEvent>
#include <algorithm>
#include <memory>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// The name of the control that has the focus; the edit part of a list stands for its list.
QString NombreDelFoco() {
    QWidget* foco = QApplication::focusWidget();
    if (foco == nullptr)
        return u"(none)"_s;
    if (foco->objectName().isEmpty() && qobject_cast<QComboBox*>(foco->parentWidget()))
        foco = foco->parentWidget();
    return foco->objectName();
}

// What a screen reader says for the object: its name, or its value.
QString TextoAccesible(QObject* objeto, QAccessible::Text clase = QAccessible::Name) {
    QAccessibleInterface* interfaz = QAccessible::queryAccessibleInterface(objeto);
    return interfaz == nullptr ? QString() : interfaz->text(clase);
}

QString NombreAccesibleDe(QWidget* control) { return TextoAccesible(control); }

// The captions that label the control, by their text as a screen reader says it.
QStringList LeyendasDe(QWidget* control) {
    QStringList leyendas;
    QAccessibleInterface* interfaz = QAccessible::queryAccessibleInterface(control);
    for (const auto& [otra, relacion] : interfaz->relations(QAccessible::Label))
        leyendas << otra->text(QAccessible::Name);
    return leyendas;
}

// The sheet's tab stops in the order the page reads, found from their places alone: a line of
// the page is a run of stops whose heights overlap, one after another, read left to right (top
// to bottom where two stand one above the other); the lines top to bottom. The radio buttons
// of a panel are one stop, the one set (the first while none is), in the panel's place.
QStringList ParadasPorLugar(QWidget& hoja) {
    struct Parada {
        QString nombre;
        QRect lugar;
    };
    QList<Parada> paradas;
    for (QWidget* control : hoja.findChildren<QWidget*>()) {
        bool suelto = true; // not a part of a list, memo or scroll bar
        for (QWidget* w = control->parentWidget(); w != &hoja; w = w->parentWidget())
            suelto = suelto && qobject_cast<QComboBox*>(w) == nullptr &&
                     qobject_cast<QAbstractScrollArea*>(w) == nullptr;
        if (!suelto || !control->isVisibleTo(&hoja) || !control->isEnabled() ||
            (control->focusPolicy() & Qt::TabFocus) == 0)
            continue;
        QWidget* sitio = control;
        if (auto* boton = qobject_cast<QRadioButton*>(control);
            boton != nullptr && boton->parentWidget() != &hoja) {
            const auto grupo =
                boton->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
            QRadioButton* parada = grupo.first();
            for (QRadioButton* otro : grupo) {
                if (otro->isChecked())
                    parada = otro;
            }
            if (parada != boton)
                continue;
            sitio = boton->parentWidget();
        }
        paradas.append(
            {control->objectName(), QRect(sitio->mapTo(&hoja, QPoint(0, 0)), sitio->size())});
    }
    std::ranges::sort(paradas, {}, [](const Parada& p) { return p.lugar.top(); });
    QStringList orden;
    for (qsizetype i = 0; i < paradas.size();) {
        qsizetype fin = i + 1;
        int pie = paradas[i].lugar.bottom();
        for (; fin < paradas.size() && paradas[fin].lugar.top() <= pie; ++fin)
            pie = std::max(pie, paradas[fin].lugar.bottom());
        QList<Parada> linea = paradas.mid(i, fin - i);
        std::ranges::sort(linea, {},
                          [](const Parada& p) { return std::pair(p.lugar.left(), p.lugar.top()); });
        for (const Parada& p : std::as_const(linea))
            orden << p.nombre;
        i = fin;
    }
    return orden;
}

// The whole tab chain of a window: its two bottom buttons in the order the window gives them,
// the scroll box, the sheet's stops by their places, "Imprimir".
QStringList CadenaPorLugar(QWidget& ventana) {
    const bool regresarPrimero = ventana.objectName() == "Form1"_L1;
    QStringList cadena = regresarPrimero ? QStringList{u"BitBtn13"_s, u"Button2"_s}
                                         : QStringList{u"Button2"_s, u"BitBtn13"_s};
    cadena << u"ScrollBox1"_s;
    cadena << ParadasPorLugar(*ventana.findChild<QScrollArea*>(u"ScrollBox1"_s)->widget());
    cadena << u"ButtonImprimir"_s;
    return cadena;
}

// The sheet's first and last tab stops: the chain's stops between the scroll box and
// "Imprimir".
QString PrimeraDeHoja(const QStringList& cadena) {
    return cadena.at(cadena.indexOf(u"ScrollBox1"_s) + 1);
}
QString UltimaDeHoja(const QStringList& cadena) {
    return cadena.at(cadena.indexOf(u"ButtonImprimir"_s) - 1);
}

// Whether the whole control shows in the scroll box's view.
bool EnVista(const QScrollArea& caja, const QWidget& control) {
    const QRect lugar(control.mapTo(caja.viewport(), QPoint(0, 0)), control.size());
    return caja.viewport()->rect().contains(lugar);
}

// Pixels of the focus ring's colour in an image.
int PixelesDeAnillo(const QImage& origen) {
    const QImage imagen = origen.convertToFormat(QImage::Format_RGB32);
    const QRgb anillo = ColorBGR(kColorFoco).rgb();
    int cuenta = 0;
    for (int y = 0; y < imagen.height(); ++y) {
        for (int x = 0; x < imagen.width(); ++x)
            cuenta += imagen.pixel(x, y) == anillo ? 1 : 0;
    }
    return cuenta;
}

// ... in the control on screen.
int PixelesDeFoco(QWidget* control) { return PixelesDeAnillo(control->grab().toImage()); }

// ... in the control as printing records it, played onto a page.
int PixelesEnPapel(QWidget* control) {
    QPicture papel;
    QPainter grabador(&papel);
    PintarEnPapel(grabador, *control);
    grabador.end();
    QImage pagina(control->size(), QImage::Format_RGB32);
    pagina.fill(Qt::white);
    QPainter pintor(&pagina);
    papel.play(&pintor);
    pintor.end();
    return PixelesDeAnillo(pagina);
}

} // namespace

class PruebasTeclado : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SilenciarPlataforma(); }
    void init();
    void cleanup();

    void cadenaDeTabulacion_data();
    void cadenaDeTabulacion();
    void tabSaleDeLosMemos_data();
    void tabSaleDeLosMemos();
    void introPulsaLosBotones_data();
    void introPulsaLosBotones();
    void filaDeCalificacionUnaParada_data();
    void filaDeCalificacionUnaParada();
    void laParadaVuelveConElReinicio();
    void focoSiempreALaVista();
    void ruedaSinFocoDesplazaLaHoja_data();
    void ruedaSinFocoDesplazaLaHoja();
    void ruedaConFocoCambiaLaLista();
    void focoVisible_data();
    void focoVisible();
    void todosTienenNombre_data();
    void todosTienenNombre();
    void nombres_data();
    void nombres();
    void leyendasDeLasListas_data();
    void leyendasDeLasListas();
    void listasPorSuLeyenda_data();
    void listasPorSuLeyenda();
    void ventanasPorSuHoja();
    void teclasDeLaHoja_data();
    void teclasDeLaHoja();
    void principioYFinDeLaHoja_data();
    void principioYFinDeLaHoja();
    void principioYFinDelMemo_data();
    void principioYFinDelMemo();
    void calificacionesEnRejilla_data();
    void calificacionesEnRejilla();
    void listaEnteraConFlechas();
    void menuContextualEnElIdiomaDelUsuario();
    void segundaPreparacionNoRepite();

private:
    QWidget& Ventana(const QString& nombre) {
        return nombre == "Form1"_L1 ? static_cast<QWidget&>(*form1) : *form2;
    }
    template <class T = QWidget> T* Control(const QString& ventana, const QString& nombre) {
        T* control = Ventana(ventana).findChild<T*>(nombre);
        if (control == nullptr)
            qFatal("no control %s in %s", qPrintable(nombre), qPrintable(ventana));
        return control;
    }
    // Shows the window, active, with the focus on its first control.
    void Activar(const QString& nombre);
    QScrollBar* Barra(const QString& ventana) {
        return Control<QScrollArea>(ventana, u"ScrollBox1"_s)->verticalScrollBar();
    }

    Avisos avisos;
    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TForm2> form2;
};

void PruebasTeclado::init() {
    FijarReloj(MomentoDePrueba(2010, 3));
    form1 = std::make_unique<TForm1>();
    form2 = std::make_unique<TForm2>();
    form2->RecibirValoracion({u"1.9 TDI"_s, u"VSSZZZ1MZ8B000001"_s, u"1234 BCD"_s, u"31470"_s,
                              u"300"_s, u"10000"_s, u"15000"_s, u"7"_s, u"SEAT"_s, u"Familiar"_s});
    Proteger(form2.get(), [this] { form2->PrepararCertificado(); });
}

void PruebasTeclado::cleanup() {
    form2.reset();
    form1.reset();
    QVERIFY2(avisos.Vacio(), qPrintable(avisos.Resumen()));
}

void PruebasTeclado::Activar(const QString& nombre) {
    QWidget& ventana = Ventana(nombre);
    ventana.show();
    ventana.raise();
    ventana.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&ventana));
}

void PruebasTeclado::cadenaDeTabulacion_data() {
    QTest::addColumn<QString>("ventana");
    QTest::newRow("valuation") << u"Form1"_s;
    QTest::newRow("certificate") << u"Form2"_s;
}

// Tab from the first control round to it again, in the order the page reads, each control in
// view as it takes the focus; Backtab walks the same chain the other way.
void PruebasTeclado::cadenaDeTabulacion() {
    QFETCH(QString, ventana);
    Activar(ventana);
    const QStringList cadena = CadenaPorLugar(Ventana(ventana));
    QCOMPARE(NombreDelFoco(), cadena.first());
    auto* caja = Control<QScrollArea>(ventana, u"ScrollBox1"_s);
    QStringList vista = {NombreDelFoco()};
    QStringList fueraDeVista;
    for (int i = 0; i < 300; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (NombreDelFoco() == cadena.first())
            break;
        vista << NombreDelFoco();
        QWidget* foco = QApplication::focusWidget();
        if (caja->widget()->isAncestorOf(foco)) {
            const QRect lugar(foco->mapTo(caja->viewport(), QPoint(0, 0)), foco->size());
            if (!caja->viewport()->rect().contains(lugar))
                fueraDeVista << NombreDelFoco();
        }
    }
    QCOMPARE(vista.join(u' '), cadena.join(u' '));
    QCOMPARE(fueraDeVista.join(u' '), QString());

    QStringList atras;
    for (qsizetype i = 0; i < cadena.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        atras.prepend(NombreDelFoco());
    }
    QCOMPARE(atras.join(u' '), cadena.join(u' '));
}

void PruebasTeclado::tabSaleDeLosMemos_data() {
    QTest::addColumn<QString>("ventana");
    QTest::addColumn<QString>("memo");
    QTest::addColumn<QString>("siguiente");
    QTest::addColumn<QString>("anterior");
    QTest::newRow("fault memory") << u"Form2"_s << u"MemoAverias"_s << u"ENombreMarca"_s
                                  << u"EInfoAdicional2"_s;
    QTest::newRow("defects found")
        << u"Form2"_s << u"MemoDefectosEncontrados"_s << u"EPVPVendedor"_s << u"EPuntosTotales"_s;
    QTest::newRow("criterion help")
        << u"Form1"_s << u"MemoAyuda"_s << u"ButtonImprimir"_s << u"EPuntuacion"_s;
}

// Tab and Backtab leave a memo, also one reached by a click, and type nothing into it.
void PruebasTeclado::tabSaleDeLosMemos() {
    QFETCH(QString, ventana);
    QFETCH(QString, memo);
    QFETCH(QString, siguiente);
    QFETCH(QString, anterior);
    Activar(ventana);
    auto* control = Control<QPlainTextEdit>(ventana, memo);
    control->show();
    const QString texto = control->toPlainText();
    for (const auto& [tecla, destino] :
         {std::pair{Qt::Key_Tab, siguiente}, std::pair{Qt::Key_Backtab, anterior}}) {
        control->setFocus(Qt::MouseFocusReason);
        QCOMPARE(NombreDelFoco(), memo);
        QTest::keyClick(control, tecla);
        QCOMPARE(NombreDelFoco(), destino);
        QCOMPARE(control->toPlainText(), texto);
    }
}

void PruebasTeclado::introPulsaLosBotones_data() {
    QTest::addColumn<QString>("ventana");
    QTest::addColumn<QString>("boton");
    QTest::addColumn<int>("tecla");
    QTest::addColumn<int>("modificadores");
    const struct {
        const char* ventana;
        const char* boton;
    } botones[] = {{"Form1", "Button6"}, {"Form1", "Button3"}, {"Form1", "Button4"},
                   {"Form1", "Button5"}, {"Form1", "Button2"}, {"Form1", "BitBtn13"},
                   {"Form2", "Button3"}, {"Form2", "Button2"}, {"Form2", "BitBtn13"}};
    const struct {
        const char* nombre;
        Qt::Key tecla;
        Qt::KeyboardModifiers modificadores;
    } teclas[] = {{"Return", Qt::Key_Return, Qt::NoModifier},
                  {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier},
                  {"Space", Qt::Key_Space, Qt::NoModifier}};
    for (const auto& b : botones) {
        for (const auto& t : teclas) {
            QTest::addRow("%s %s %s", b.ventana, b.boton, t.nombre)
                << QString::fromLatin1(b.ventana) << QString::fromLatin1(b.boton)
                << static_cast<int>(t.tecla) << static_cast<int>(t.modificadores.toInt());
        }
    }
}

void PruebasTeclado::introPulsaLosBotones() {
    QFETCH(QString, ventana);
    QFETCH(QString, boton);
    QFETCH(int, tecla);
    QFETCH(int, modificadores);
    Activar(ventana);
    auto* control = Control<QPushButton>(ventana, boton);
    control->setFocus(Qt::TabFocusReason);
    QSignalSpy pulsado(control, &QPushButton::clicked);
    QTest::keyClick(control, static_cast<Qt::Key>(tecla),
                    Qt::KeyboardModifiers::fromInt(modificadores));
    QCOMPARE(pulsado.size(), 1);
}

void PruebasTeclado::filaDeCalificacionUnaParada_data() {
    QTest::addColumn<QString>("ventana");
    QTest::addColumn<QString>("filaAnterior");  // the previous row's stop
    QTest::addColumn<QStringList>("fila");      // the row's buttons, left to right
    QTest::addColumn<QString>("puesto");        // the one set
    QTest::addColumn<QString>("filaSiguiente"); // the next row's stop
    QTest::newRow("valuation criterion")
        << u"Form1"_s << u"CP3Normal"_s
        << QStringList{u"CP4MuyMal"_s, u"CP4Mal"_s, u"CP4Normal"_s, u"CP4Bien"_s, u"CP4MuyBien"_s}
        << u"CP4Normal"_s << u"CP5Normal"_s;
    QTest::newRow("checklist item")
        << u"Form2"_s << u"CV43Bien"_s << QStringList{u"Cv44Bien"_s, u"CV44Regular"_s, u"CV44Mal"_s}
        << u"Cv44Bien"_s << u"CV45Bien"_s;
    QTest::newRow("fuel") << u"Form1"_s << u"CImportacion"_s
                          << QStringList{u"CGasolina"_s, u"CDiesel"_s, u"CMixto"_s} << u"CDiesel"_s
                          << u"CLeasing"_s;
}

// Tab stops once in a row, on the button set; the arrow keys move the choice along the row and
// no further, and leave the other rows alone; Tab then leaves the row.
void PruebasTeclado::filaDeCalificacionUnaParada() {
    QFETCH(QString, ventana);
    QFETCH(QString, filaAnterior);
    QFETCH(QStringList, fila);
    QFETCH(QString, puesto);
    QFETCH(QString, filaSiguiente);
    Activar(ventana);
    const auto elegido = [&] {
        QString nombre;
        for (const QString& boton : fila) {
            if (Control<QRadioButton>(ventana, boton)->isChecked())
                nombre += boton;
        }
        return nombre;
    };
    const qsizetype inicio = fila.indexOf(puesto);
    Control(ventana, filaAnterior)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(NombreDelFoco(), puesto);

    for (qsizetype i = inicio + 1; i <= fila.size(); ++i) { // one press past the end
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        const QString esperado = fila[qMin(i, fila.size() - 1)];
        QCOMPARE(NombreDelFoco(), esperado);
        QCOMPARE(elegido(), esperado);
    }
    for (qsizetype i = fila.size() - 2; i >= -1; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        const QString esperado = fila[qMax(i, qsizetype(0))];
        QCOMPARE(NombreDelFoco(), esperado);
        QCOMPARE(elegido(), esperado);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(NombreDelFoco(), filaSiguiente);
    if (auto* siguiente = qobject_cast<QRadioButton*>(Control(ventana, filaSiguiente)))
        QVERIFY(siguiente->isChecked());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(NombreDelFoco(), fila.first()); // the stop moved with the choice
}

// A choice made by keyboard, then a reset: Tab stops on the button the reset set.
void PruebasTeclado::laParadaVuelveConElReinicio() {
    Activar(u"Form1"_s);
    Control(u"Form1"_s, u"CP1Normal"_s)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QVERIFY(Control<QRadioButton>(u"Form1"_s, u"CP1Bien"_s)->isChecked());
    Control(u"Form1"_s, u"EMesesLeasing"_s)->setFocus(Qt::TabFocusReason);
    form1->ResetValoracion();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(NombreDelFoco(), u"CP1Normal"_s);
}

// The focus moved by the program or by an arrow key, far down the sheet: the sheet follows.
void PruebasTeclado::focoSiempreALaVista() {
    Activar(u"Form2"_s);
    Barra(u"Form2"_s)->setValue(0);
    auto* caja = Control<QScrollArea>(u"Form2"_s, u"ScrollBox1"_s);
    for (const QString& nombre : {u"CV50Bien"_s, u"EProtocoloUCE"_s, u"Button3"_s}) {
        QWidget* control = Control(u"Form2"_s, nombre);
        control->setFocus(Qt::OtherFocusReason);
        const QRect lugar(control->mapTo(caja->viewport(), QPoint(0, 0)), control->size());
        QVERIFY2(caja->viewport()->rect().contains(lugar), qPrintable(nombre));
    }
}

void PruebasTeclado::ruedaSinFocoDesplazaLaHoja_data() {
    QTest::addColumn<QString>("lista");
    for (const char* lista :
         {"ENombreMarca", "ETipoVehiculo", "EMesFabricacion", "EAnoFabricacion", "EMesesLeasing"})
        QTest::newRow(lista) << QString::fromLatin1(lista);
}

void PruebasTeclado::ruedaSinFocoDesplazaLaHoja() {
    QFETCH(QString, lista);
    Activar(u"Form1"_s);
    auto* control = Control<QComboBox>(u"Form1"_s, lista);
    control->setCurrentIndex(2);
    Barra(u"Form1"_s)->setValue(0);
    const QPointF centro = control->rect().center();
    QWheelEvent rueda(centro, control->mapToGlobal(centro), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(control, &rueda);
    QCOMPARE(control->currentIndex(), 2);
    QCOMPARE(control->currentText(), control->itemText(2));
    QCOMPARE(NombreDelFoco(), u"BitBtn13"_s); // the wheel gave it no focus
    QVERIFY(Barra(u"Form1"_s)->value() > 0);
}

void PruebasTeclado::ruedaConFocoCambiaLaLista() {
    Activar(u"Form1"_s);
    auto* control = Control<QComboBox>(u"Form1"_s, u"EAnoFabricacion"_s);
    control->setCurrentIndex(2);
    control->setFocus(Qt::TabFocusReason);
    const int desplazado = Barra(u"Form1"_s)->value();
    const QPointF centro = control->rect().center();
    QWheelEvent rueda(centro, control->mapToGlobal(centro), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(control, &rueda);
    QCOMPARE(control->currentIndex(), 3);
    QCOMPARE(Barra(u"Form1"_s)->value(), desplazado);
}

void PruebasTeclado::focoVisible_data() {
    QTest::addColumn<QString>("ventana");
    QTest::addColumn<QString>("control");
    QTest::newRow("edit field") << u"Form1"_s << u"EPVPNuevo"_s;
    QTest::newRow("black result field") << u"Form1"_s << u"EPVPCambio"_s;
    QTest::newRow("list") << u"Form1"_s << u"EMesFabricacion"_s;
    QTest::newRow("check box, caption left") << u"Form1"_s << u"CEspecial1"_s;
    QTest::newRow("radio button with caption") << u"Form1"_s << u"CImportacion"_s;
    QTest::newRow("rating button") << u"Form1"_s << u"CP1Normal"_s;
    QTest::newRow("sheet button") << u"Form1"_s << u"Button3"_s;
    QTest::newRow("frame button") << u"Form1"_s << u"Button2"_s;
    QTest::newRow("scroll box") << u"Form1"_s << u"ScrollBox1"_s;
    QTest::newRow("memo") << u"Form2"_s << u"MemoAverias"_s;
    QTest::newRow("checklist button") << u"Form2"_s << u"CV1Bien"_s;
    QTest::newRow("ITV box") << u"Form2"_s << u"CITV"_s;
}

// The ring shows on the control with the focus, however it got it, and on no other.
void PruebasTeclado::focoVisible() {
    QFETCH(QString, ventana);
    QFETCH(QString, control);
    Activar(ventana);
    QWidget* c = Control(ventana, control);
    QCOMPARE(PixelesDeFoco(c), 0);
    c->setFocus(Qt::MouseFocusReason);
    QVERIFY2(PixelesDeFoco(c) >= 40, qPrintable(QString::number(PixelesDeFoco(c))));
    // The ring is for the screen: a sheet printed while a control has the focus goes without it.
    QCOMPARE(PixelesEnPapel(c), 0);
}

void PruebasTeclado::todosTienenNombre_data() {
    QTest::addColumn<QString>("ventana");
    QTest::newRow("valuation") << u"Form1"_s;
    QTest::newRow("certificate") << u"Form2"_s;
}

// Every control of the window the focus can reach has a name a screen reader says.
void PruebasTeclado::todosTienenNombre() {
    QFETCH(QString, ventana);
    QWidget& v = Ventana(ventana);
    QStringList sinNombre;
    int controles = 0;
    for (QWidget* control : v.findChildren<QWidget*>()) {
        if (control->focusPolicy() == Qt::NoFocus || control->window() != &v ||
            control->focusProxy() != nullptr || qobject_cast<QScrollBar*>(control) != nullptr)
            continue;
        ++controles;
        if (NombreAccesibleDe(control).trimmed().isEmpty())
            sinNombre << control->objectName() + u" ("_s +
                             QString::fromLatin1(control->metaObject()->className()) + u")"_s;
    }
    QCOMPARE(sinNombre.join(u' '), QString());
    QVERIFY(controles > (ventana == "Form1"_L1 ? 80 : 190));
}

void PruebasTeclado::nombres_data() {
    QTest::addColumn<QString>("ventana");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("nombre");
    // clang-format off
    const struct {
        const char* ventana;
        const char* control;
        const char* nombre;
    } casos[] = {
        {"Form1", "EPVPNuevo", "Precio coche nuevo (euros)"},
        {"Form1", "EKilometros", "Kilometros cuadro"},
        {"Form1", "EMesFabricacion", "Mes Fabricac"},
        {"Form1", "EAnoFabricacion", "Año Fabricac"},
        {"Form1", "CEspecial1", "Especial 1"},
        {"Form1", "CP1Normal", "Imagen percibida sobre la Marca y el Modelo de Coche (g): NORMAL"},
        {"Form1", "CP3MuyMal", "Velocidad depreciacion coche por variar mucho el modelo (f): MUY MAL"},
        {"Form1", "CP11MuyBien", "Extras: Opciones NO incluidas en Vehiculo Nuevo (c): MUY BIEN"},
        {"Form1", "EPuntosObtenidos", "Puntos Valoracion coche"},
        {"Form1", "ETotalCoste", "Total Coste Reacondicionado"},
        {"Form1", "Button3", "Calcular Precio"},
        {"Form2", "CV12Regular", "12.- Estado de las Alfombras y Moquetas: Regular"},
        {"Form2", "Cv55Bien", "55.- Manchas aceite en parte inferior motor. Sin petrolear: Bien"},
        {"Form2", "MemoAverias", "Leer Memoria Averias (Cada averia resta 0,5 puntos)"},
        {"Form2", "EPrecioVendedor", "Precio Vendedor(€)"},
        {"Form2", "EPVPVendedor", "Precio coche segun Vendedor"},
        {"Form2", "EPrecioCompra", "PRECIO COMPRA Coche aplicando Puntuaciones OBJETIVAS/SUBJETIVAS"},
        {"Form2", "CITV", "Marque si la ITV esta pasada o la Pre-ITV del Taller fue totalmente satisfactoria"},
    };
    // clang-format on
    for (const auto& c : casos) {
        QTest::addRow("%s %s", c.ventana, c.control)
            << QString::fromLatin1(c.ventana) << QString::fromLatin1(c.control)
            << QString::fromUtf8(c.nombre);
    }
}

void PruebasTeclado::nombres() {
    QFETCH(QString, ventana);
    QFETCH(QString, control);
    QFETCH(QString, nombre);
    QCOMPARE(NombreAccesibleDe(Control(ventana, control)), nombre);
}

void PruebasTeclado::leyendasDeLasListas_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QStringList>("leyendas");
    QTest::newRow("month") << u"EMesFabricacion"_s << QStringList{u"Mes Fabricac"_s};
    QTest::newRow("year") << u"EAnoFabricacion"_s << QStringList{u"Año Fabricac"_s};
    QTest::newRow("price new") << u"EPVPNuevo"_s << QStringList{u"Precio coche \nnuevo (euros)"_s};
}

// Screen readers on Linux say a list's caption from the label relation.
void PruebasTeclado::leyendasDeLasListas() {
    QFETCH(QString, control);
    QFETCH(QStringList, leyendas);
    QCOMPARE(LeyendasDe(Control(u"Form1"_s, control)), leyendas);
}

void PruebasTeclado::listasPorSuLeyenda_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<QString>("valor");
    QTest::newRow("month") << u"EMesFabricacion"_s << u"Mes Fabricac"_s << u"Octubre"_s;
    QTest::newRow("year") << u"EAnoFabricacion"_s << u"Año Fabricac"_s << u"2007"_s;
    QTest::newRow("leasing") << u"EMesesLeasing"_s << u"Meses de leasing"_s << u"9 meses"_s;
    QTest::newRow("brand, empty") << u"ENombreMarca"_s << u"Coche: Marca"_s << QString();
}

// A list is heard by its caption, then its text; so is the edit part of the list, where the
// focus is while the user types, whatever the list holds.
void PruebasTeclado::listasPorSuLeyenda() {
    QFETCH(QString, control);
    QFETCH(QString, nombre);
    QFETCH(QString, valor);
    auto* lista = Control<QComboBox>(u"Form1"_s, control);
    QAccessibleInterface* interfaz = QAccessible::queryAccessibleInterface(lista);
    QCOMPARE(interfaz->role(), QAccessible::ComboBox);
    QCOMPARE(interfaz->text(QAccessible::Name), nombre);
    QCOMPARE(interfaz->text(QAccessible::Value), valor);
    QCOMPARE(TextoAccesible(lista->lineEdit()), nombre);
    QCOMPARE(TextoAccesible(lista->lineEdit(), QAccessible::Value), valor);
    // The edit part is the list's child, where a reader looks for it.
    const int hijo =
        interfaz->indexOfChild(QAccessible::queryAccessibleInterface(lista->lineEdit()));
    QVERIFY(hijo >= 0);
    QCOMPARE(interfaz->child(hijo)->object(), lista->lineEdit());
    lista->setCurrentIndex(2);
    QCOMPARE(interfaz->text(QAccessible::Name), nombre);
    QCOMPARE(interfaz->text(QAccessible::Value), lista->itemText(2));
}

// Each window is a frame named by its sheet, not by its title bar.
void PruebasTeclado::ventanasPorSuHoja() {
    for (const auto& [ventana, nombre] : {std::pair{u"Form1"_s, QString::fromUtf8(kTituloTasacion)},
                                          std::pair{u"Form2"_s, u"Certificado de Calidad"_s}}) {
        QAccessibleInterface* interfaz = QAccessible::queryAccessibleInterface(&Ventana(ventana));
        QCOMPARE(interfaz->role(), QAccessible::Window);
        QCOMPARE(interfaz->text(QAccessible::Name), nombre);
        QCOMPARE(Ventana(ventana).windowTitle(), ventana);
    }
}

void PruebasTeclado::teclasDeLaHoja_data() {
    QTest::addColumn<QString>("ventana");
    QTest::addColumn<QString>("control"); // with the focus
    QTest::addColumn<int>("tecla");
    QTest::addColumn<bool>("conCtrl");  // Ctrl held
    QTest::addColumn<QString>("desde"); // where the sheet stands: top, middle, end
    QTest::addColumn<QString>(
        "hasta"); // where the key brings it: top, end, page up, page down, unchanged
    const struct {
        const char* caso;
        const char* ventana;
        const char* control;
        Qt::Key tecla;
        bool conCtrl;
        const char* desde;
        const char* hasta;
    } casos[] = {
        // clang-format off
        {"PageDown from an edit", "Form2", "EPrecioNuevo", Qt::Key_PageDown, false, "middle", "page down"},
        {"PageUp from a list, to the top", "Form1", "EAnoFabricacion", Qt::Key_PageUp, false, "middle", "page up"},
        {"PageDown in a memo pages the memo", "Form2", "MemoAverias", Qt::Key_PageDown, false, "middle", "unchanged"},
        // clang-format on
    };
    for (const auto& c : casos) {
        QTest::newRow(c.caso) << QString::fromLatin1(c.ventana) << QString::fromLatin1(c.control)
                              << static_cast<int>(c.tecla) << c.conCtrl
                              << QString::fromLatin1(c.desde) << QString::fromLatin1(c.hasta);
    }
}

// The sheet by pages; the focus stays where it was, and a list keeps its text.
void PruebasTeclado::teclasDeLaHoja() {
    QFETCH(QString, ventana);
    QFETCH(QString, control);
    QFETCH(int, tecla);
    QFETCH(bool, conCtrl);
    QFETCH(QString, desde);
    QFETCH(QString, hasta);
    Activar(ventana);
    QWidget* c = Control(ventana, control);
    c->setFocus(Qt::TabFocusReason);
    QScrollBar* barra = Barra(ventana);
    const int medio = barra->maximum() / 2;
    barra->setValue(desde == "top"_L1 ? 0 : desde == "end"_L1 ? barra->maximum() : medio);
    const auto* lista = qobject_cast<QComboBox*>(c);
    const QString texto = lista != nullptr ? lista->currentText() : QString();
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(tecla),
                    conCtrl ? Qt::ControlModifier : Qt::NoModifier);
    const int esperado = hasta == "top"_L1         ? 0
                         : hasta == "end"_L1       ? barra->maximum()
                         : hasta == "page up"_L1   ? std::max(medio - barra->pageStep(), 0)
                         : hasta == "page down"_L1 ? medio + barra->pageStep()
                                                   : medio;
    QCOMPARE(barra->value(), esperado);
    QCOMPARE(NombreDelFoco(), control);
    if (lista != nullptr)
        QCOMPARE(lista->currentText(), texto);
}

void PruebasTeclado::principioYFinDeLaHoja_data() {
    QTest::addColumn<QString>("ventana");
    QTest::addColumn<QString>("control"); // with the focus
    QTest::addColumn<bool>("fin");        // Ctrl+End, or else Ctrl+Home
    QTest::addColumn<QString>("desde");   // where the sheet stands: top, middle, end
    const struct {
        const char* caso;
        const char* ventana;
        const char* control;
        bool fin;
        const char* desde;
    } casos[] = {
        // clang-format off
        {"Ctrl+End from an edit", "Form2", "EProtocoloUCE", true, "top"},
        {"Ctrl+Home from a rating", "Form2", "CV50Bien", false, "end"},
        {"Ctrl+End from a list", "Form1", "EMesFabricacion", true, "top"},
        {"Ctrl+Home from a frame button", "Form1", "BitBtn13", false, "end"},
        {"Ctrl+End from the scroll box", "Form2", "ScrollBox1", true, "top"},
        {"Ctrl+End from a frame button", "Form2", "Button2", true, "top"},
        // The focus already there, the sheet scrolled away from it: the sheet follows.
        {"Ctrl+End on the last stop, sheet at the top", "Form2", "", true, "top"},
        {"Ctrl+Home on the first stop, sheet at the end", "Form1", "", false, "end"},
        // clang-format on
    };
    for (const auto& c : casos) {
        QTest::newRow(c.caso) << QString::fromLatin1(c.ventana) << QString::fromLatin1(c.control)
                              << c.fin << QString::fromLatin1(c.desde);
    }
}

// Ctrl+Home and Ctrl+End give the focus to the sheet's first and last tab stop, wherever the
// focus and the sheet were, and show it; Ctrl+Home shows the sheet's top, Ctrl+End the end of
// its content. A list keeps its text.
void PruebasTeclado::principioYFinDeLaHoja() {
    QFETCH(QString, ventana);
    QFETCH(QString, control);
    QFETCH(bool, fin);
    QFETCH(QString, desde);
    Activar(ventana);
    const QStringList cadena = CadenaPorLugar(Ventana(ventana));
    const QString destino = fin ? UltimaDeHoja(cadena) : PrimeraDeHoja(cadena);
    QWidget* c = Control(ventana, control.isEmpty() ? destino : control);
    c->setFocus(Qt::TabFocusReason);
    QScrollBar* barra = Barra(ventana);
    barra->setValue(desde == "top"_L1   ? 0
                    : desde == "end"_L1 ? barra->maximum()
                                        : barra->maximum() / 2);
    const auto* lista = qobject_cast<QComboBox*>(c);
    const QString texto = lista != nullptr ? lista->currentText() : QString();
    QTest::keyClick(QApplication::focusWidget(), fin ? Qt::Key_End : Qt::Key_Home,
                    Qt::ControlModifier);
    QCOMPARE(NombreDelFoco(), destino);
    auto* caja = Control<QScrollArea>(ventana, u"ScrollBox1"_s);
    QVERIFY(EnVista(*caja, *QApplication::focusWidget()));
    if (fin) {
        // The sheet's lowest content in view: no blank foot of the sheet alone.
        const int contenido = caja->widget()->childrenRect().bottom();
        const int vista = -caja->widget()->y(); // the sheet's row at the top of the view
        QVERIFY2(contenido < vista + caja->viewport()->height(),
                 qPrintable(QString::number(vista)));
        QVERIFY(contenido > vista);
    } else {
        QCOMPARE(barra->value(), 0);
    }
    if (lista != nullptr)
        QCOMPARE(lista->currentText(), texto);
}

void PruebasTeclado::principioYFinDelMemo_data() {
    QTest::addColumn<QString>("memo");
    QTest::addColumn<bool>("fin"); // Ctrl+End, or else Ctrl+Home
    // clang-format off
    QTest::newRow("fault memory, Ctrl+Home") << u"MemoAverias"_s << false;
    QTest::newRow("fault memory, Ctrl+End") << u"MemoAverias"_s << true;
    QTest::newRow("defects found, read-only, Ctrl+Home") << u"MemoDefectosEncontrados"_s << false;
    QTest::newRow("defects found, read-only, Ctrl+End") << u"MemoDefectosEncontrados"_s << true;
    // clang-format on
}

// In a memo Ctrl+Home and Ctrl+End move the cursor to the start and the end of its text, as in
// any text box, and show it there; the focus, the text and the sheet stay.
void PruebasTeclado::principioYFinDelMemo() {
    QFETCH(QString, memo);
    QFETCH(bool, fin);
    Activar(u"Form2"_s);
    auto* m = Control<QPlainTextEdit>(u"Form2"_s, memo);
    QStringList lineas;
    for (int i = 1; i <= 12; ++i)
        lineas << u"P0%1 Averia %1 leida de la unidad de control"_s.arg(300 + i);
    const QString texto = lineas.join(u'\n');
    m->setPlainText(texto);
    QTextCursor cursor = m->textCursor();
    cursor.setPosition(texto.indexOf(u"P0306"_s));
    m->setTextCursor(cursor);
    m->centerCursor();
    m->setFocus(Qt::TabFocusReason);
    auto* caja = Control<QScrollArea>(u"Form2"_s, u"ScrollBox1"_s);
    caja->ensureWidgetVisible(m, 0, 0);
    const int hoja = Barra(u"Form2"_s)->value();
    QTest::keyClick(m, fin ? Qt::Key_End : Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(NombreDelFoco(), memo);
    QCOMPARE(m->textCursor().position(), fin ? texto.size() : 0);
    QVERIFY(!m->textCursor().hasSelection());
    QCOMPARE(m->toPlainText(), texto);
    QVERIFY(m->viewport()->rect().contains(m->cursorRect()));
    QCOMPARE(Barra(u"Form2"_s)->value(), hoja);
}

void PruebasTeclado::calificacionesEnRejilla_data() {
    QTest::addColumn<QString>("ventana");
    QTest::addColumn<QStringList>("elegir"); // ratings set before
    QTest::addColumn<QString>("desde");      // with the focus
    QTest::addColumn<int>("tecla");
    QTest::addColumn<QString>("hasta"); // with the focus after the key
    QTest::addColumn<bool>("cambia");   // `hasta` is a new rating of its row
    const struct {
        const char* caso;
        const char* ventana;
        QStringList elegir;
        const char* desde;
        Qt::Key tecla;
        const char* hasta;
        bool cambia;
    } casos[] = {
        // clang-format off
        {"criteria, Down to the next row's rating", "Form1", {u"CP4Bien"_s}, "CP3Normal", Qt::Key_Down, "CP4Bien", false},
        {"criteria, Up to the previous row's rating", "Form1", {u"CP2MuyMal"_s}, "CP3Normal", Qt::Key_Up, "CP2MuyMal", false},
        {"criteria, Down from a rating moved", "Form1", {u"CP6MuyBien"_s}, "CP6MuyBien", Qt::Key_Down, "CP7Normal", false},
        {"criteria, Up on the first row stays", "Form1", {}, "CP1Normal", Qt::Key_Up, "CP1Normal", false},
        {"criteria, Right changes the rating", "Form1", {}, "CP5Normal", Qt::Key_Right, "CP5Bien", true},
        {"criteria, Left changes the rating", "Form1", {}, "CP5Normal", Qt::Key_Left, "CP5Mal", true},
        {"checklist, Down into item 44", "Form2", {u"CV44Regular"_s}, "CV43Bien", Qt::Key_Down, "CV44Regular", false},
        {"checklist, Up from item 45", "Form2", {u"CV44Mal"_s}, "CV45Bien", Qt::Key_Up, "CV44Mal", false},
        {"checklist, Down past a group's heading", "Form2", {u"CV10Regular"_s}, "CV10Regular", Qt::Key_Down, "CV11Bien", false},
        {"checklist, Up past a group's heading", "Form2", {u"CV17Mal"_s}, "CV18Bien", Qt::Key_Up, "CV17Mal", false},
        {"checklist, Up on item 1 stays", "Form2", {}, "CV1Bien", Qt::Key_Up, "CV1Bien", false},
        {"checklist, Right changes the rating", "Form2", {}, "CV30Bien", Qt::Key_Right, "CV30Regular", true},
        {"checklist, Left changes the rating", "Form2", {u"CV30Mal"_s}, "CV30Mal", Qt::Key_Left, "CV30Regular", true},
        // clang-format on
    };
    for (const auto& c : casos) {
        QTest::newRow(c.caso) << QString::fromLatin1(c.ventana) << c.elegir
                              << QString::fromLatin1(c.desde) << static_cast<int>(c.tecla)
                              << QString::fromLatin1(c.hasta) << c.cambia;
    }
    // The last rows, named from the tables' lengths.
    const QString ultimoCriterio = u"CP%1Mal"_s.arg(kCriterios.size());
    QTest::newRow("criteria, Down on the last row stays")
        << u"Form1"_s << QStringList{ultimoCriterio} << ultimoCriterio
        << static_cast<int>(Qt::Key_Down) << ultimoCriterio << false;
    const QString ultimoElemento = BotonLista(static_cast<int>(kElementos.size()), "Bien");
    QTest::newRow("checklist, Down on the last item stays")
        << u"Form2"_s << QStringList{} << ultimoElemento << static_cast<int>(Qt::Key_Down)
        << ultimoElemento << false;
}

// Up and Down go between the rows to each row's rating and change none; Left and Right change
// the rating of the row, and that row's only. The sheet, scrolled to its top, follows the focus
// to a row far down.
void PruebasTeclado::calificacionesEnRejilla() {
    QFETCH(QString, ventana);
    QFETCH(QStringList, elegir);
    QFETCH(QString, desde);
    QFETCH(int, tecla);
    QFETCH(QString, hasta);
    QFETCH(bool, cambia);
    Activar(ventana);
    for (const QString& boton : elegir)
        Control<QRadioButton>(ventana, boton)->setChecked(true);
    // The grid's buttons: CP<row>… on the valuation, CV<item>… (Cv44Bien) on the certificate.
    const QRegularExpression deLaRejilla(ventana == "Form1"_L1 ? u"^CP\\d"_s : u"^C[Vv]\\d"_s);
    QList<QRadioButton*> botones;
    for (QRadioButton* boton : Ventana(ventana).findChildren<QRadioButton*>()) {
        if (deLaRejilla.match(boton->objectName()).hasMatch())
            botones << boton;
    }
    const auto elegidos = [&botones] {
        QStringList nombres;
        for (const QRadioButton* boton : botones) {
            if (boton->isChecked())
                nombres << boton->objectName();
        }
        return nombres;
    };
    QStringList antes = elegidos();
    QCOMPARE(static_cast<size_t>(antes.size()),
             ventana == "Form1"_L1 ? kCriterios.size() : kElementos.size());
    Control(ventana, desde)->setFocus(Qt::TabFocusReason);
    Barra(ventana)->setValue(0);
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(tecla));
    QCOMPARE(NombreDelFoco(), hasta);
    if (cambia)
        antes.replace(antes.indexOf(desde), hasta);
    QCOMPARE(elegidos(), antes);
    if (hasta != desde)
        QVERIFY(
            EnVista(*Control<QScrollArea>(ventana, u"ScrollBox1"_s), *QApplication::focusWidget()));
}

// A dealer rates the whole checklist with Down and an arrow: each item "Regular", the focus on
// the last one, and the score that of a checklist all "Regular".
void PruebasTeclado::listaEnteraConFlechas() {
    Activar(u"Form2"_s);
    Control(u"Form2"_s, u"CV1Bien"_s)->setFocus(Qt::TabFocusReason);
    for (size_t i = 0; i < kElementos.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    }
    QCOMPARE(NombreDelFoco(), BotonLista(static_cast<int>(kElementos.size()), "Regular"));
    const QString total = Texto(*form2, "EPuntosTotales");
    for (int n = 1; n <= static_cast<int>(kElementos.size()); ++n)
        QVERIFY(Control<QRadioButton>(u"Form2"_s, BotonLista(n, "Regular"))->isChecked());
    form2->findChild<QPushButton*>(u"Button3"_s)->click();
    QCOMPARE(Texto(*form2, "EPuntosTotales"), total);
    QVERIFY(total != u"7"_s);
}

// Run under LC_ALL=es_ES.UTF-8 too: the edit fields' context menu speaks the user's language.
void PruebasTeclado::menuContextualEnElIdiomaDelUsuario() {
    const bool espanol = qEnvironmentVariable("LC_ALL").startsWith("es"_L1);
    QLineEdit edicion;
    edicion.setText(u"31470"_s);
    const std::unique_ptr<QMenu> menu(edicion.createStandardContextMenu());
    QStringList textos;
    for (const QAction* accion : menu->actions()) {
        if (!accion->isSeparator())
            textos << accion->text().section(u'\t', 0, 0); // without the shortcut
    }
    const QStringList esperados =
        espanol ? QStringList{u"&Deshacer"_s, u"&Rehacer"_s, u"Cor&tar"_s,         u"&Copiar"_s,
                              u"&Pegar"_s,    u"Borrar"_s,   u"Seleccionar todo"_s}
                : QStringList{u"&Undo"_s,  u"&Redo"_s,  u"Cu&t"_s,      u"&Copy"_s,
                              u"&Paste"_s, u"Delete"_s, u"Select All"_s};
    QCOMPARE(textos, esperados);
}

// Setting up a window's keyboard, or watching its sheet for typing, a second time adds nothing:
// no key is filtered twice and a key typed counts once.
void PruebasTeclado::segundaPreparacionNoRepite() {
    QWidget ventana;
    auto* caja = new QScrollArea(&ventana);
    auto* hoja = new QWidget;
    caja->setWidget(hoja);
    auto* campo = new QLineEdit(hoja);
    auto* boton = new QPushButton(u"Calcular"_s, hoja);
    boton->move(0, 30);
    int pulsado = 0;
    connect(boton, &QPushButton::clicked, this, [&pulsado] { ++pulsado; });
    int escrito = 0;
    for (int vez = 0; vez < 2; ++vez)
        VigilarEscritura(hoja, [&escrito] { ++escrito; });
    PrepararTeclado(&ventana, caja);
    const qsizetype partes = ventana.findChildren<QObject*>().size();
    PrepararTeclado(&ventana, caja);
    QCOMPARE(ventana.findChildren<QObject*>().size(), partes);

    ventana.show();
    QVERIFY(QTest::qWaitForWindowExposed(&ventana));
    QTest::keyClick(campo, Qt::Key_A);
    QCOMPARE(escrito, 1);
    QTest::keyClick(boton, Qt::Key_Return);
    QCOMPARE(pulsado, 1);
}

MORVEX_TEST_MAIN(PruebasTeclado)
#include "tst_teclado.moc"
