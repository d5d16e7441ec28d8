// Every edit field and editable list of both sheets shows the start of its text while the focus
// is elsewhere, whether the user typed it or the program wrote it; with the focus it scrolls to
// its cursor as any edit field does. What a field shows is judged from its picture.

#include "apoyo.h"

#include "form1.h"
#include "form2.h"
#include "reloj.h"

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString kModeloLargo = u"León 1.6 TDI 105 CV Style"_s;

// Whether the field shows the start of its text: over the width its first letters take, its
// picture is the picture of those letters alone, which fit and so stand at the start.
bool MuestraElPrincipio(QLineEdit& campo) {
    QCoreApplication::processEvents(); // what the window shows once the program's step is over
    const QString texto = campo.text();
    const QFontMetrics medidas(campo.font());
    qsizetype letras = texto.size();
    while (letras > 3 && medidas.horizontalAdvance(texto.left(letras)) > campo.width() / 2)
        --letras;
    const int ancho = medidas.horizontalAdvance(texto.left(letras - 1));
    const Qt::Alignment alineacion = campo.alignment();
    campo.setAlignment(Qt::AlignLeft | Qt::AlignVCenter); // as a text too long for it stands
    const QImage entero = campo.grab().toImage();
    campo.setText(texto.left(letras));
    const QImage principio = campo.grab().toImage();
    campo.setText(texto);
    campo.setAlignment(alineacion);
    const QRect zona(0, 0, ancho, campo.height());
    return entero.copy(zona) == principio.copy(zona);
}

// Types the text key by key at the cursor, letters outside ASCII too.
void TeclearLetras(QWidget* control, const QString& texto) {
    for (const QChar letra : texto)
        QTest::sendKeyEvent(QTest::Click, control, Qt::Key_unknown, QString(letra), Qt::NoModifier);
}

// The edit part of a list, or the field itself.
QLineEdit* Edicion(QWidget* control) {
    if (auto* lista = qobject_cast<QComboBox*>(control))
        return lista->lineEdit();
    return qobject_cast<QLineEdit*>(control);
}

// A text twice as long as the field: phrases of the sheet's kind, with the field's name first.
QString TextoLargo(const QLineEdit& campo, const QString& nombre) {
    QString texto = nombre;
    while (QFontMetrics(campo.font()).horizontalAdvance(texto) < 2 * campo.width())
        texto += u" 1.234.567,89 León 1.6 TDI 105 CV Style VSSZZZ1MZ8B000001"_s;
    return texto;
}

} // namespace

class PruebasPrincipio : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SilenciarPlataforma(); }
    void init();
    void cleanup();

    void trasEscribir_data();
    void trasEscribir();
    void trasEscribirElPrograma_data();
    void trasEscribirElPrograma();
    void cadaCampo_data();
    void cadaCampo();
    void otraVentanaDejaElCampoComoEstaba();

private:
    QWidget& Ventana(const QString& nombre) {
        return nombre == "Form1"_L1 ? static_cast<QWidget&>(*form1) : *form2;
    }
    QWidget* Control(const QString& ventana, const QString& nombre) {
        QWidget* control = Ventana(ventana).findChild<QWidget*>(nombre);
        if (control == nullptr)
            qFatal("no control %s in %s", qPrintable(nombre), qPrintable(ventana));
        return control;
    }
    void Activar(const QString& nombre);

    Avisos avisos;
    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TForm2> form2;
};

void PruebasPrincipio::init() {
    FijarReloj(MomentoDePrueba(2010, 3));
    form1 = std::make_unique<TForm1>();
    form2 = std::make_unique<TForm2>();
}

void PruebasPrincipio::cleanup() {
    form2.reset();
    form1.reset();
    QVERIFY2(avisos.Vacio(), qPrintable(avisos.Resumen()));
}

void PruebasPrincipio::Activar(const QString& nombre) {
    QWidget& ventana = Ventana(nombre);
    ventana.show();
    ventana.raise();
    ventana.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&ventana));
}

void PruebasPrincipio::trasEscribir_data() {
    QTest::addColumn<QString>("ventana");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("texto");
    // clang-format off
    QTest::newRow("month box, Septiembre") << u"Form1"_s << u"EMesFabricacion"_s << u"Septiembre"_s;
    QTest::newRow("month box, Noviembre") << u"Form1"_s << u"EMesFabricacion"_s << u"Noviembre"_s;
    QTest::newRow("model box") << u"Form1"_s << u"EMarca"_s << kModeloLargo;
    QTest::newRow("certificate's model box") << u"Form2"_s << u"EMarca"_s << kModeloLargo;
    QTest::newRow("brand list, a brand of its own") << u"Form1"_s << u"ENombreMarca"_s << u"MERCEDES BENZ AMG"_s;
    // clang-format on
}

// Typed: the end in view while the field has the focus, the start once Tab leaves it.
void PruebasPrincipio::trasEscribir() {
    QFETCH(QString, ventana);
    QFETCH(QString, control);
    QFETCH(QString, texto);
    Activar(ventana);
    QWidget* c = Control(ventana, control);
    QLineEdit* campo = Edicion(c);
    c->setFocus(Qt::TabFocusReason);
    campo->selectAll();
    TeclearLetras(campo, texto);
    QCOMPARE(campo->text(), texto);
    QVERIFY(!MuestraElPrincipio(*campo));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(!c->hasFocus());
    QCOMPARE(campo->text(), texto);
    QVERIFY(MuestraElPrincipio(*campo));
}

void PruebasPrincipio::trasEscribirElPrograma_data() {
    QTest::addColumn<QString>("ventana");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("como"); // how the program writes it
    QTest::addColumn<QString>("texto");
    // clang-format off
    QTest::newRow("month box, its item chosen") << u"Form1"_s << u"EMesFabricacion"_s << u"item"_s << u"Septiembre"_s;
    QTest::newRow("month box, its text written") << u"Form1"_s << u"EMesFabricacion"_s << u"text"_s << u"Noviembre"_s;
    QTest::newRow("model box") << u"Form1"_s << u"EMarca"_s << u"text"_s << kModeloLargo;
    QTest::newRow("model box, the same text again") << u"Form1"_s << u"EMarca"_s << u"again"_s << kModeloLargo;
    QTest::newRow("certificate's model box, handed over") << u"Form2"_s << u"EMarca"_s << u"handover"_s << kModeloLargo;
    // clang-format on
}

// Written by the program, in a window shown and active, the focus elsewhere.
void PruebasPrincipio::trasEscribirElPrograma() {
    QFETCH(QString, ventana);
    QFETCH(QString, control);
    QFETCH(QString, como);
    QFETCH(QString, texto);
    Activar(ventana);
    QWidget* c = Control(ventana, control);
    QLineEdit* campo = Edicion(c);
    if (como == "item"_L1) {
        auto* lista = qobject_cast<QComboBox*>(c);
        lista->setCurrentIndex(lista->findText(texto));
    } else if (como == "handover"_L1) {
        form2->RecibirValoracion({texto, u"VSSZZZ1MZ8B000001"_s, u"1234 BCD"_s, u"31470"_s,
                                  u"300"_s, u"10000"_s, u"15000"_s, u"7"_s, u"SEAT"_s,
                                  u"Familiar"_s});
        Proteger(form2.get(), [this] { form2->PrepararCertificado(); });
    } else {
        campo->setText(texto);
        if (como == "again"_L1) {
            campo->setCursorPosition(texto.size()); // the end in view, as a write leaves it
            campo->setText(texto);
        }
    }
    QVERIFY(!c->hasFocus());
    QCOMPARE(campo->text(), texto);
    QVERIFY(MuestraElPrincipio(*campo));
}

void PruebasPrincipio::cadaCampo_data() {
    QTest::addColumn<QString>("ventana");
    QTest::addColumn<QString>("control");
    FijarReloj(MomentoDePrueba(2010, 3));
    const TForm1 valoracion;
    const TForm2 certificado;
    for (const TMarco* marco :
         {static_cast<const TMarco*>(&valoracion), static_cast<const TMarco*>(&certificado)}) {
        const QString ventana = marco->objectName();
        for (const QLineEdit* campo : marco->hoja()->findChildren<QLineEdit*>()) {
            const QWidget* control =
                qobject_cast<QComboBox*>(campo->parentWidget()) ? campo->parentWidget() : campo;
            QTest::addRow("%s %s", qPrintable(ventana), qPrintable(control->objectName()))
                << ventana << control->objectName();
        }
    }
}

// Every field of both sheets, with a text too long for it: the start in view once the program
// writes it, and once the user types it and the focus moves on (where the user may type).
void PruebasPrincipio::cadaCampo() {
    QFETCH(QString, ventana);
    QFETCH(QString, control);
    Activar(ventana);
    QWidget* c = Control(ventana, control);
    QLineEdit* campo = Edicion(c);
    const QString texto = TextoLargo(*campo, control);
    campo->setText(texto);
    QVERIFY2(MuestraElPrincipio(*campo), "written by the program");
    if (campo->isReadOnly())
        return;
    c->setFocus(Qt::TabFocusReason);
    campo->clear();
    TeclearLetras(campo, texto);
    QCOMPARE(campo->text(), texto);
    QVERIFY2(!MuestraElPrincipio(*campo), "with the focus");
    // Elsewhere by a click, as a mouse user leaves a field.
    Control(ventana, u"BitBtn13"_s)->setFocus(Qt::MouseFocusReason);
    QVERIFY2(MuestraElPrincipio(*campo), "typed");
}

// A message box takes the focus for a while: the field keeps its cursor and selection, as the
// user left them, and the focus comes back to them.
void PruebasPrincipio::otraVentanaDejaElCampoComoEstaba() {
    Activar(u"Form1"_s);
    auto* campo = qobject_cast<QLineEdit*>(Control(u"Form1"_s, u"EMarca"_s));
    campo->setFocus(Qt::TabFocusReason);
    campo->setText(kModeloLargo);
    campo->setSelection(13, 3);
    MostrarAviso(form1.get(), u"Aviso"_s);
    QCOMPARE(avisos.Tomar().size(), 1);
    Activar(u"Form1"_s);
    QTRY_VERIFY(campo->hasFocus());
    QCOMPARE(campo->selectedText(), u"105"_s);
    QCOMPARE(campo->cursorPosition(), 16);
}

MORVEX_TEST_MAIN(PruebasPrincipio)
#include "tst_principio.moc"
