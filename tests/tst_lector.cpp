// What a screen reader is told of an edit field's or a memo's text: every query at the start,
// middle and end of the text, for every kind of piece, answered whole; and the results a
// window announces when a step changes them.

#include "apoyo.h"

#include "anuncio.h"
#include "lector.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;

namespace {

enum class Pregunta { En, Antes, Despues };

} // namespace

Q_DECLARE_METATYPE(Pregunta)
Q_DECLARE_METATYPE(QAccessible::TextBoundaryType)

class PruebasLector : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        SilenciarPlataforma();
        PrepararLector();
    }
    void cleanup() { QVERIFY2(avisos.Vacio(), qPrintable(avisos.Resumen())); }

    void piezasDelTexto_data();
    void piezasDelTexto();
    void textoYSeleccion();
    void lineaComoResultado();
    void marcasDichasPorSuCuenta_data();
    void marcasDichasPorSuCuenta();
    void resultadosDichosUnaVez();

private:
    Avisos avisos;
};

void PruebasLector::piezasDelTexto_data() {
    QTest::addColumn<bool>("memo");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QAccessible::TextBoundaryType>("limite");
    QTest::addColumn<Pregunta>("pregunta");
    QTest::addColumn<int>("posicion");
    QTest::addColumn<QString>("pieza");
    QTest::addColumn<int>("inicio");
    QTest::addColumn<int>("fin");
    const auto C = QAccessible::CharBoundary;
    const auto W = QAccessible::WordBoundary;
    const auto S = QAccessible::SentenceBoundary;
    const auto L = QAccessible::LineBoundary;
    const auto P = QAccessible::ParagraphBoundary;
    const auto N = QAccessible::NoBoundary;
    const auto en = Pregunta::En;
    const auto antes = Pregunta::Antes;
    const auto despues = Pregunta::Despues;
    const QString precio = u"31470"_s;
    // The price as Qt's own field cut it: the last character and the line at the end whole.
    QTest::newRow("char at start") << false << precio << C << en << 0 << u"3"_s << 0 << 1;
    QTest::newRow("char last") << false << precio << C << en << 4 << u"0"_s << 4 << 5;
    QTest::newRow("char at end") << false << precio << C << en << 5 << u""_s << 5 << 5;
    QTest::newRow("char at end as -1") << false << precio << C << en << -1 << u""_s << 5 << 5;
    QTest::newRow("char before end") << false << precio << C << antes << 5 << u"0"_s << 4 << 5;
    QTest::newRow("char after last") << false << precio << C << despues << 4 << u""_s << 5 << 5;
    QTest::newRow("line at start") << false << precio << L << en << 0 << precio << 0 << 5;
    QTest::newRow("line at end") << false << precio << L << en << 5 << precio << 0 << 5;
    QTest::newRow("line before") << false << precio << L << antes << 5 << u""_s << 0 << 0;
    QTest::newRow("line after") << false << precio << L << despues << 0 << u""_s << 5 << 5;
    QTest::newRow("whole at end") << false << precio << N << en << 5 << precio << 0 << 5;
    // Qt's own field spins at 100 % on these.
    QTest::newRow("sentence at end") << false << precio << S << en << 5 << precio << 0 << 5;
    QTest::newRow("sentence after end") << false << precio << S << despues << 5 << u""_s << 5 << 5;
    QTest::newRow("paragraph at end") << false << precio << P << en << 5 << precio << 0 << 5;
    const QString frase = u"Valor de uso. Precio 8,44"_s;
    QTest::newRow("word at start") << false << frase << W << en << 0 << u"Valor "_s << 0 << 6;
    QTest::newRow("word in the middle") << false << frase << W << en << 7 << u"de "_s << 6 << 9;
    QTest::newRow("word at end") << false << frase << W << en << 25 << u"8,44"_s << 21 << 25;
    QTest::newRow("word before end")
        << false << frase << W << antes << 25 << u"Precio "_s << 14 << 21;
    QTest::newRow("word after middle")
        << false << frase << W << despues << 7 << u"uso. "_s << 9 << 14;
    QTest::newRow("sentence at start")
        << false << frase << S << en << 0 << u"Valor de uso. "_s << 0 << 14;
    QTest::newRow("sentence at end 2")
        << false << frase << S << en << 25 << u"Precio 8,44"_s << 14 << 25;
    QTest::newRow("sentence before end")
        << false << frase << S << antes << -1 << u"Valor de uso. "_s << 0 << 14;
    QTest::newRow("empty: char") << false << u""_s << C << en << 0 << u""_s << 0 << 0;
    QTest::newRow("empty: sentence") << false << u""_s << S << en << 0 << u""_s << 0 << 0;
    QTest::newRow("empty: word after") << false << u""_s << W << despues << 0 << u""_s << 0 << 0;
    QTest::newRow("outside") << false << precio << W << en << 6 << u""_s << -1 << -1;
    const QString averias = u"P0300 fallo\nP0171 mezcla\n"_s;
    QTest::newRow("memo: line at start")
        << true << averias << L << en << 0 << u"P0300 fallo\n"_s << 0 << 12;
    QTest::newRow("memo: line in second")
        << true << averias << L << en << 15 << u"P0171 mezcla\n"_s << 12 << 25;
    QTest::newRow("memo: empty line at end")
        << true << averias << L << en << 25 << u""_s << 25 << 25;
    QTest::newRow("memo: line before end")
        << true << averias << L << antes << 25 << u"P0171 mezcla\n"_s << 12 << 25;
    QTest::newRow("memo: paragraph after first")
        << true << averias << P << despues << 3 << u"P0171 mezcla\n"_s << 12 << 25;
    QTest::newRow("memo: word at end")
        << true << averias << W << en << 25 << u"mezcla\n"_s << 18 << 25;
    QTest::newRow("memo: sentence at end")
        << true << averias << S << en << -1 << u"P0171 mezcla\n"_s << 12 << 25;
}

void PruebasLector::piezasDelTexto() {
    QFETCH(bool, memo);
    QFETCH(QString, texto);
    QFETCH(QAccessible::TextBoundaryType, limite);
    QFETCH(Pregunta, pregunta);
    QFETCH(int, posicion);
    QFETCH(QString, pieza);
    QFETCH(int, inicio);
    QFETCH(int, fin);
    QLineEdit campo(texto);
    QPlainTextEdit hoja(texto);
    hoja.resize(600, 200); // wide enough that no line breaks but at a line feed
    QWidget* control = memo ? static_cast<QWidget*>(&hoja) : &campo;
    QAccessibleInterface* interfaz = QAccessible::queryAccessibleInterface(control);
    QVERIFY(interfaz != nullptr && interfaz->textInterface() != nullptr);
    QAccessibleTextInterface* t = interfaz->textInterface();
    QCOMPARE(t->characterCount(), texto.size());
    int desde = -2;
    int hasta = -2;
    const QString dada =
        pregunta == Pregunta::En      ? t->textAtOffset(posicion, limite, &desde, &hasta)
        : pregunta == Pregunta::Antes ? t->textBeforeOffset(posicion, limite, &desde, &hasta)
                                      : t->textAfterOffset(posicion, limite, &desde, &hasta);
    QCOMPARE(dada, pieza);
    QCOMPARE(desde, inicio);
    QCOMPARE(hasta, fin);
}

void PruebasLector::textoYSeleccion() {
    QLineEdit campo(u"83680"_s);
    QAccessibleTextInterface* t = QAccessible::queryAccessibleInterface(&campo)->textInterface();
    QCOMPARE(t->text(0, -1), u"83680"_s);
    QCOMPARE(t->text(3, 99), u"80"_s);
    t->setCursorPosition(-1);
    QCOMPARE(t->cursorPosition(), 5);
    QCOMPARE(campo.cursorPosition(), 5);
    t->setSelection(0, 1, -1);
    QCOMPARE(t->selectionCount(), 1);
    int desde = 0;
    int hasta = 0;
    t->selection(0, &desde, &hasta);
    QCOMPARE(std::pair(desde, hasta), std::pair(1, 5));
    QCOMPARE(campo.selectedText(), u"3680"_s);
    t->removeSelection(0);
    QCOMPARE(t->selectionCount(), 0);
    // Written through the reader as if typed; a read-only field takes nothing.
    QAccessibleEditableTextInterface* e =
        QAccessible::queryAccessibleInterface(&campo)->editableTextInterface();
    QVERIFY(e != nullptr);
    e->replaceText(0, -1, u"90000"_s);
    QCOMPARE(campo.text(), u"90000"_s);
    campo.setReadOnly(true);
    QVERIFY(QAccessible::queryAccessibleInterface(&campo)->editableTextInterface() == nullptr);
    QVERIFY(QAccessible::queryAccessibleInterface(&campo)->state().readOnly);
}

void PruebasLector::lineaComoResultado() {
    QLabel linea(u"Fecha del certificado: "_s);
    QAccessible::queryAccessibleInterface(&linea); // Qt's own, made as the text was set
    LeerComoResultado(&linea, linea.text());
    linea.setText(u"Fecha del certificado: Viernes, 11 de Diciembre  de 2026"_s);
    QAccessibleInterface* interfaz = QAccessible::queryAccessibleInterface(&linea);
    QVERIFY(interfaz->textInterface() != nullptr);
    QCOMPARE(interfaz->text(QAccessible::Name), u"Fecha del certificado"_s);
    QCOMPARE(interfaz->textInterface()->text(0, -1), u"Viernes, 11 de Diciembre  de 2026"_s);
    QVERIFY(linea.focusPolicy() & Qt::TabFocus);
    // Read as the result fields are, so that a reader says its value with its name.
    QCOMPARE(interfaz->role(), QAccessible::EditableText);
    QVERIFY(interfaz->state().readOnly);
    QCOMPARE(interfaz->text(QAccessible::Value), u"Viernes, 11 de Diciembre  de 2026"_s);
    // A character's box is where it stands on screen: after the caption, not at its left edge.
    linea.adjustSize();
    linea.show();
    const QFontMetrics medidas = linea.fontMetrics();
    const QString delante = u"Fecha del certificado: "_s;
    const QRect primera = interfaz->textInterface()->characterRect(0);
    QCOMPARE(primera.left(), linea.mapToGlobal(linea.contentsRect().topLeft()).x() +
                                 medidas.horizontalAdvance(delante));
    QCOMPARE(primera.width(), medidas.horizontalAdvance(u'V'));
    QCOMPARE(interfaz->textInterface()->characterRect(1).left(),
             primera.left() + medidas.horizontalAdvance(u'V'));
}

void PruebasLector::marcasDichasPorSuCuenta_data() {
    QTest::addColumn<QString>("marcas");
    QTest::addColumn<QString>("dicho");
    QTest::newRow("none") << QString() << QString();
    QTest::newRow("one") << u"* "_s << u"1 asterisco"_s;
    QTest::newRow("several") << u"* * * * * * * * "_s << u"8 asteriscos"_s;
    QTest::newRow("ten") << u"* "_s.repeated(10) << u"10 asteriscos"_s;
}

void PruebasLector::marcasDichasPorSuCuenta() {
    QFETCH(QString, marcas);
    QFETCH(QString, dicho);
    QLineEdit barra;
    barra.setReadOnly(true);
    LeerComoCuenta(&barra, u'*', u"asterisco"_s, u"asteriscos"_s);
    barra.setText(marcas);
    QAccessibleInterface* interfaz = QAccessible::queryAccessibleInterface(&barra);
    QCOMPARE(interfaz->text(QAccessible::Value), dicho);
    QAccessibleTextInterface* texto = interfaz->textInterface();
    QCOMPARE(texto->text(0, -1), dicho);
    QCOMPARE(texto->characterCount(), dicho.size());
    barra.setCursorPosition(static_cast<int>(marcas.size()));
    QCOMPARE(texto->cursorPosition(), 0);
    barra.selectAll();
    QCOMPARE(texto->selectionCount(), 0);
    int inicio = 0;
    int fin = 0;
    // Word by word, never mark by mark.
    const QString primera = texto->textAtOffset(0, QAccessible::WordBoundary, &inicio, &fin);
    QCOMPARE(primera, dicho.section(u' ', 0, 0) + (dicho.isEmpty() ? u""_s : u" "_s));
}

void PruebasLector::resultadosDichosUnaVez() {
    QWidget ventana;
    auto* uso = new QLineEdit(u"3775"_s, &ventana);
    auto* cambio = new QLineEdit(u"3345"_s, &ventana);
    ResultadosHablados hablados;
    hablados.Vigilar({{uso, u"valor de uso"_s, u"euros"_s}, {cambio, u"valor de cambio"_s, {}}});
    // Two runs in one step: said once, what differs from before the first.
    hablados.Antes();
    uso->setText(u"3800"_s);
    hablados.Antes();
    uso->setText(u"3823"_s);
    QCOMPARE(UltimoAnuncio(&ventana), QString());
    QCoreApplication::processEvents();
    QCOMPARE(UltimoAnuncio(&ventana), u"Valor de uso 3823 euros."_s);
    // Nothing changed: nothing said.
    Anunciar(&ventana, u"-"_s);
    hablados.Antes();
    uso->setText(u"3823"_s);
    QCoreApplication::processEvents();
    QCOMPARE(UltimoAnuncio(&ventana), u"-"_s);
    // A step not to be heard.
    hablados.Antes();
    cambio->setText(u"1"_s);
    hablados.Callar();
    QCoreApplication::processEvents();
    QCOMPARE(UltimoAnuncio(&ventana), u"-"_s);
    QCOMPARE(hablados.Frase({u"0"_s, u"0"_s}), u"Valor de uso 3823 euros, valor de cambio 1."_s);
}

MORVEX_TEST_MAIN(PruebasLector)
#include "tst_lector.moc"
