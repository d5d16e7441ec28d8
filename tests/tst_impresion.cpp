// Printing both sheets: the PDF's text read back with pdftotext, page by page; where pages
// break; the preview behind "Imprimir" and Ctrl+P; printing errors; and that printing changes
// nothing in either window.

#include "apoyo.h"

#include "form1.h"
#include "form2.h"
#include "impresion.h"
#include "programa.h"
#include "reloj.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The text of a PDF as pdftotext lays it out, one entry per page; ligatures ("ﬁ") as letters,
// runs of blanks as one.
QStringList PaginasDelPdf(const QString& ruta) {
    QProcess pdftotext;
    pdftotext.start(u"pdftotext"_s, {u"-layout"_s, ruta, u"-"_s});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return {};
    QStringList paginas = QString::fromUtf8(pdftotext.readAllStandardOutput())
                              .normalized(QString::NormalizationForm_KC)
                              .split(QLatin1Char('\f'));
    if (!paginas.isEmpty() && paginas.last().trimmed().isEmpty())
        paginas.removeLast();
    return paginas;
}

// The non-empty lines of a page, blanks simplified.
QStringList Lineas(const QString& pagina) {
    QStringList lineas;
    for (const QString& linea : pagina.split(QLatin1Char('\n'))) {
        if (!linea.trimmed().isEmpty())
            lineas << linea.simplified();
    }
    return lineas;
}

// The text lines of every control that shows on the sheet, control by control.
QList<QStringList> LineasDeLaHoja(const QWidget& hoja) {
    QList<QStringList> controles;
    for (const QWidget* control : hoja.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&hoja))
            continue;
        QString texto;
        if (auto* etiqueta = qobject_cast<const QLabel*>(control))
            texto = etiqueta->text();
        else if (auto* edicion = qobject_cast<const QLineEdit*>(control))
            texto = edicion->text();
        else if (auto* boton = qobject_cast<const QAbstractButton*>(control))
            texto = boton->text();
        else if (auto* memo = qobject_cast<const QPlainTextEdit*>(control))
            texto = memo->toPlainText();
        QStringList lineas;
        for (const QString& linea : texto.split(QLatin1Char('\n'))) {
            if (linea.simplified().size() >= 3) // "0", "+" would match anywhere
                lineas << linea.simplified();
        }
        if (!lineas.isEmpty())
            controles << lineas;
    }
    return controles;
}

// Everything a person could see change in a window: every control's text, tick, list, place,
// visibility and colours, the scroll bars and the focus.
QStringList Estado(const QWidget& ventana) {
    QStringList estado;
    for (const QWidget* c : ventana.findChildren<QWidget*>()) {
        // Qt's own parts of a control (a list's pop-up, a hidden scroll bar's box) are laid out
        // when first painted; the program's controls all carry a name.
        if (auto* barra = qobject_cast<const QScrollBar*>(c)) {
            estado << u"scroll bar "_s + QString::number(barra->value());
            continue;
        }
        if (c->objectName().isEmpty() || c->objectName().startsWith(u"qt_"_s))
            continue;
        QString linea = QStringLiteral("%1 %2 %3,%4 %5x%6 %7 %8 %9")
                            .arg(c->objectName(), QLatin1String(c->metaObject()->className()))
                            .arg(c->x())
                            .arg(c->y())
                            .arg(c->width())
                            .arg(c->height())
                            .arg(c->isHidden())
                            .arg(c->palette().color(c->backgroundRole()).name(),
                                 c->palette().color(c->foregroundRole()).name());
        if (auto* edicion = qobject_cast<const QLineEdit*>(c))
            linea += u" ="_s + edicion->text();
        else if (auto* lista = qobject_cast<const QComboBox*>(c))
            linea += u" ="_s + lista->currentText() + u" #"_s + QString::number(lista->count());
        else if (auto* boton = qobject_cast<const QAbstractButton*>(c))
            linea += u" ="_s + boton->text() + (boton->isChecked() ? u" [x]"_s : u" [ ]"_s);
        else if (auto* etiqueta = qobject_cast<const QLabel*>(c))
            linea += u" ="_s + etiqueta->text();
        else if (auto* memo = qobject_cast<const QPlainTextEdit*>(c))
            linea += u" ="_s + memo->toPlainText();
        estado << linea;
    }
    estado << (ventana.focusWidget() ? ventana.focusWidget()->objectName() : u"(no focus)"_s);
    return estado;
}

// Counts every change notification of the controls of `ventana` while it lives.
class Notificaciones : public QObject {
public:
    explicit Notificaciones(QWidget& ventana) {
        const auto contar = [this] { ++cuenta; };
        for (auto* c : ventana.findChildren<QLineEdit*>())
            connect(c, &QLineEdit::textChanged, this, contar);
        for (auto* c : ventana.findChildren<QAbstractButton*>())
            connect(c, &QAbstractButton::toggled, this, contar);
        for (auto* c : ventana.findChildren<QComboBox*>())
            connect(c, &QComboBox::currentTextChanged, this, contar);
        for (auto* c : ventana.findChildren<QPlainTextEdit*>())
            connect(c, &QPlainTextEdit::textChanged, this, contar);
    }
    int cuenta = 0;
};

// A sheet for the page breaks: named controls at given places, opaque or not.
struct Bloque {
    int y;
    int alto;
    bool opaco;
};

} // namespace

Q_DECLARE_METATYPE(Bloque)

class PruebasImpresion : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void botonImprimir_data();
    void botonImprimir();
    void imprimirEsElUltimoDelTabulador();
    void certificadoEnPdf();
    void valoracionEnPdf();
    void ningunaLineaPartida_data();
    void ningunaLineaPartida();
    void cortesDePagina_data();
    void cortesDePagina();
    void imprimirNoCambiaNada_data();
    void imprimirNoCambiaNada();
    void laVistaPreviaImprimeYAvisaDeErrores();
    void erroresDeImpresion_data();
    void erroresDeImpresion();

private:
    TMarco& Ventana(const QString& nombre) {
        return nombre == QLatin1String("Form1") ? static_cast<TMarco&>(programa->Form1())
                                                : programa->Form2();
    }
    template <class T = QLineEdit> T* Control(QWidget& ventana, const char* nombre) {
        return ventana.findChild<T*>(QString::fromLatin1(nombre));
    }
    // The valuation as typed for the certificate, handed over with "Certificado de Calidad".
    // The car's brand, chassis and plate, typed on the valuation as the tests look for them.
    void TeclearIdentidad(TForm1& valoracion);
    void AlCertificado();
    // Prints the window to a PDF in the temporary folder, the way the preview does; its pages.
    QStringList Imprimir(TMarco& ventana, const QString& archivo);
    // Ctrl+P on the window; `enVista` runs while the preview is open, then the preview closes.
    bool ConVistaPrevia(TMarco& ventana, const std::function<void(QPrintPreviewDialog&)>& enVista);

    Avisos avisos;
    std::unique_ptr<Programa> programa;
    std::unique_ptr<QTemporaryDir> carpeta;
};

void PruebasImpresion::initTestCase() {
    SilenciarPlataforma();
    QVERIFY2(!QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty(),
             "pdftotext (poppler-utils) is needed");
}

void PruebasImpresion::init() {
    FijarReloj(MomentoDePrueba(2010, 3));
    carpeta = std::make_unique<QTemporaryDir>();
    QVERIFY(carpeta->isValid());
    programa = std::make_unique<Programa>();
    programa->Mostrar();
    QVERIFY(QTest::qWaitForWindowExposed(&programa->Form1()));
}

void PruebasImpresion::cleanup() {
    programa.reset();
    carpeta.reset();
    QVERIFY2(avisos.Vacio(), qPrintable(avisos.Resumen()));
}

void PruebasImpresion::TeclearIdentidad(TForm1& valoracion) {
    Control(valoracion, "EMarca")->setText(u"1.9 TDI"_s);
    Control(valoracion, "EBastidor")->setText(u"VSSZZZ1MZ8B000001"_s);
    Control(valoracion, "EMatricula")->setText(u"1234 BCD"_s);
    Control<QComboBox>(valoracion, "ENombreMarca")->setEditText(u"SEAT"_s);
}

void PruebasImpresion::AlCertificado() {
    TForm1& valoracion = programa->Form1();
    TeclearIdentidad(valoracion);
    Control<QComboBox>(valoracion, "ETipoVehiculo")->setEditText(u"Familiar"_s);
    Control(valoracion, "EPVPVendedor")->setText(u"12500"_s);
    QTest::mouseClick(Control<QPushButton>(valoracion, "Button2"), Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowExposed(&programa->Form2()));
}

QStringList PruebasImpresion::Imprimir(TMarco& ventana, const QString& archivo) {
    QPrinter impresora(QPrinter::HighResolution);
    PrepararImpresora(impresora);
    impresora.setOutputFormat(QPrinter::PdfFormat);
    impresora.setOutputFileName(carpeta->filePath(archivo));
    Proteger(&ventana, [&] { ventana.Imprimir(impresora); });
    return PaginasDelPdf(carpeta->filePath(archivo));
}

bool PruebasImpresion::ConVistaPrevia(TMarco& ventana,
                                      const std::function<void(QPrintPreviewDialog&)>& enVista) {
    ventana.activateWindow();
    if (!QTest::qWaitForWindowActive(&ventana))
        return false;
    bool vista = false;
    QTimer espera;
    espera.setInterval(10);
    connect(&espera, &QTimer::timeout, this, [&] {
        auto* dialogo = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        if (dialogo == nullptr || !dialogo->isVisible() || vista)
            return;
        vista = true;
        enVista(*dialogo);
        dialogo->reject();
    });
    espera.start();
    // The shortcut clicks the button as the mouse would, a moment later.
    QTest::keyClick(&ventana, Qt::Key_P, Qt::ControlModifier);
    // Three pages at high resolution: generous under the sanitizers on a busy machine; the wait
    // ends as soon as the preview shows.
    return QTest::qWaitFor([&vista] { return vista; }, 30000);
}

void PruebasImpresion::botonImprimir_data() {
    QTest::addColumn<QString>("ventana");
    QTest::newRow("valuation") << u"Form1"_s;
    QTest::newRow("certificate") << u"Form2"_s;
}

// Right of "Regresar" in the free part of the bar, of its height and font, inside the window.
void PruebasImpresion::botonImprimir() {
    QFETCH(QString, ventana);
    TMarco& v = Ventana(ventana);
    auto* regresar = Control<QPushButton>(v, "BitBtn13");
    auto* imprimir = Control<QPushButton>(v, "ButtonImprimir");
    QVERIFY(imprimir != nullptr);
    QCOMPARE(imprimir->text(), u"Imprimir"_s);
    QCOMPARE(imprimir->parentWidget(), regresar->parentWidget());
    QCOMPARE(imprimir->y(), regresar->y());
    QCOMPARE(imprimir->height(), regresar->height());
    QCOMPARE(imprimir->font(), regresar->font());
    QVERIFY(imprimir->x() > regresar->geometry().right() + 8);
    QVERIFY(imprimir->geometry().right() < 648); // inside the window, clear of its edge
    QVERIFY(imprimir->fontMetrics().horizontalAdvance(imprimir->text()) + 8 <= imprimir->width());
    QCOMPARE(imprimir->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    for (QWidget* otro :
         regresar->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (otro != imprimir)
            QVERIFY2(!otro->geometry().intersects(imprimir->geometry()),
                     qPrintable(otro->objectName()));
    }
}

// "Imprimir" is the last stop of the tab order: Tab from the sheet's last control reaches it,
// and after it comes the first button again.
void PruebasImpresion::imprimirEsElUltimoDelTabulador() {
    AlCertificado();
    for (const QString& nombre : {u"Form1"_s, u"Form2"_s}) {
        TMarco& v = Ventana(nombre);
        v.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&v));
        auto* imprimir = Control<QPushButton>(v, "ButtonImprimir");
        QWidget* primero = Control<QWidget>(v, nombre == u"Form1"_s ? "BitBtn13" : "Button2");
        QWidget* ultimoDeLaHoja = nullptr;
        for (QWidget* w = primero->nextInFocusChain(); w != primero; w = w->nextInFocusChain()) {
            if (w == imprimir)
                break;
            if (v.hoja()->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) &&
                w->isVisibleTo(&v) && w->isEnabled())
                ultimoDeLaHoja = w;
        }
        QVERIFY(ultimoDeLaHoja != nullptr);
        ultimoDeLaHoja->setFocus(Qt::TabFocusReason);
        QTest::keyClick(ultimoDeLaHoja, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), imprimir);
        // After it the chain goes back to the first button; no control of the bar or the
        // sheet comes between.
        QWidget* barra = imprimir->parentWidget();
        for (QWidget* w = imprimir->nextInFocusChain(); w != primero; w = w->nextInFocusChain()) {
            QVERIFY2(!barra->isAncestorOf(w) || !(w->focusPolicy() & Qt::TabFocus),
                     qPrintable(w->objectName()));
        }
    }
}

// A prepared certificate in three pages, with what was typed and what was computed, in order.
void PruebasImpresion::certificadoEnPdf() {
    AlCertificado();
    TForm2& certificado = programa->Form2();
    QTest::mouseClick(Control<QCheckBox>(certificado, "CITV"), Qt::LeftButton, {},
                      Control<QCheckBox>(certificado, "CITV")->rect().center());
    QCOMPARE(Texto(certificado, "EPuntosTotales"), u"9"_s);
    const QString precio = Texto(certificado, "EPrecioCompra");
    const QString fecha = Texto(certificado, "LabelFecha");
    QCOMPARE(fecha, u"Fecha del certificado: Lunes, 15 de Marzo      de 2010     12:00:00"_s);

    const QStringList paginas = Imprimir(certificado, u"certificado.pdf"_s);
    QCOMPARE(paginas.size(), 3);
    // In page order, each where the sheet has it.
    const struct {
        QString texto;
        int pagina;
    } esperados[] = {
        {u"Certificado Calidad Morvex Vehiculos Ocasion"_s, 1},
        {u"SEAT"_s, 1},
        {u"Familiar"_s, 1},
        {u"1.9 TDI"_s, 1},
        {u"VSSZZZ1MZ8B000001"_s, 1},
        {u"1234 BCD"_s, 1},
        {u"10.- Estado de los bajos del coche"_s, 1},
        {u"11.- Estado y limpieza Tapizado asientos, puertas y techo"_s, 2},
        {u"55.- Manchas aceite en parte inferior motor. Sin petrolear"_s, 2},
        {u"de la ITV = 9 sobre 10"_s, 3},
        {u"OBJETIVAS/SUBJETIVAS= "_s + precio + u" euros"_s, 3},
        {u"Conforme VENDEDOR"_s, 3},
        {fecha.simplified(), 3},
    };
    const QString todo = paginas.join(QLatin1Char('\f')).simplified();
    qsizetype desde = 0;
    for (const auto& e : esperados) {
        const qsizetype donde = todo.indexOf(e.texto, desde);
        QVERIFY2(donde >= 0, qPrintable(e.texto + u" missing or out of order"_s));
        QVERIFY2(paginas[e.pagina - 1].simplified().contains(e.texto), qPrintable(e.texto));
        desde = donde + e.texto.size();
    }
    for (int n = 1; n <= 3; ++n) {
        const QStringList lineas = Lineas(paginas[n - 1]);
        QCOMPARE(lineas.last(), u"Certificado de Calidad Página %1 de 3"_s.arg(n));
    }
    // Pages begin with a section: the second checklist group, then the total score.
    QVERIFY(Lineas(paginas[1]).first().startsWith(u"Interior coche (Habitaculo)"_s));
    QCOMPARE(Lineas(paginas[2]).first(), u"TOTAL PUNTUACION (OBJETIVA + SUBJETIVA)"_s);
}

// The valuation fits one page: title, identity as typed, prices, the footer.
void PruebasImpresion::valoracionEnPdf() {
    TForm1& valoracion = programa->Form1();
    TeclearIdentidad(valoracion);
    const QStringList paginas = Imprimir(valoracion, u"valoracion.pdf"_s);
    QCOMPARE(paginas.size(), 1);
    const QString texto = paginas[0].simplified();
    const QString esperados[] = {
        u"Tasacion; Valoracion Morvex para la compra-venta Coches Ocasion"_s,
        u"SEAT"_s,
        u"1.9 TDI"_s,
        u"Bastidor VSSZZZ1MZ8B000001"_s,
        u"Matricula 1234 BCD"_s,
        u"Valor de Cambio (Precio TOTAL Compra sin IVA) "_s + Texto(valoracion, "EPVPCambio"),
        u"Precio Compra sin reparar "_s + Texto(valoracion, "EPVPCompra") + u" euros"_s,
        u"Puntuacion 0 puntos"_s,
    };
    qsizetype desde = 0;
    for (const QString& e : esperados) {
        const qsizetype donde = texto.indexOf(e, desde);
        QVERIFY2(donde >= 0, qPrintable(e + u" missing or out of order"_s));
        desde = donde + e.size();
    }
    QCOMPARE(Lineas(paginas[0]).last(),
             u"Tasacion; Valoracion Morvex para la compra-venta Coches Ocasion Página 1 de 1"_s);
}

void PruebasImpresion::ningunaLineaPartida_data() {
    QTest::addColumn<QString>("ventana");
    QTest::addColumn<QMarginsF>("margenes"); // millimetres
    const QMarginsF bajas(10, 60, 10, 60);   // pages of some 560 pixels of the sheet
    QTest::newRow("certificate, A4") << u"Form2"_s << QMarginsF(15, 15, 15, 15);
    QTest::newRow("certificate, short pages") << u"Form2"_s << bajas;
    QTest::newRow("valuation, short pages") << u"Form1"_s << bajas;
}

// A page's last line and the next page's first are texts of the sheet's controls, and no
// control goes on over the break: no line of text is split between pages.
void PruebasImpresion::ningunaLineaPartida() {
    QFETCH(QString, ventana);
    QFETCH(QMarginsF, margenes);
    AlCertificado();
    TMarco& v = Ventana(ventana);
    QPrinter impresora(QPrinter::HighResolution);
    PrepararImpresora(impresora);
    QVERIFY(impresora.setPageMargins(margenes, QPageLayout::Millimeter));
    impresora.setOutputFormat(QPrinter::PdfFormat);
    impresora.setOutputFileName(carpeta->filePath(u"partida.pdf"_s));
    v.Imprimir(impresora);
    const QStringList paginas = PaginasDelPdf(impresora.outputFileName());
    QVERIFY(paginas.size() >= 2);
    const QList<QStringList> controles = LineasDeLaHoja(*v.hoja());
    for (qsizetype p = 0; p + 1 < paginas.size(); ++p) {
        QStringList antes = Lineas(paginas[p]);
        antes.removeLast(); // the footer
        const QString ultima = antes.last();
        const QString primera = Lineas(paginas[p + 1]).first();
        const QString corte = ultima + u" | "_s + primera;
        bool arriba = false;
        bool abajo = false;
        for (const QStringList& lineas : controles) {
            for (qsizetype i = 0; i < lineas.size(); ++i) {
                arriba = arriba || ultima.contains(lineas[i]);
                abajo = abajo || primera.contains(lineas[i]);
                // A control whose lines go on over the break, or a line on both pages.
                const bool siguePartido = i + 1 < lineas.size() && ultima.contains(lineas[i]) &&
                                          primera.contains(lineas[i + 1]);
                const bool cortada = ultima.contains(lineas[i]) && primera.contains(lineas[i]);
                QVERIFY2(!siguePartido && !cortada, qPrintable(corte));
            }
        }
        QVERIFY2(arriba && abajo, qPrintable(corte)); // both lines are the sheet's own
    }
}

void PruebasImpresion::cortesDePagina_data() {
    QTest::addColumn<QList<Bloque>>("bloques");
    QTest::addColumn<int>("altoPagina");
    QTest::addColumn<QList<int>>("cortes");
    const auto filas = [](int desde, int cuantas, int paso, int alto, bool opaco) {
        QList<Bloque> bloques;
        for (int i = 0; i < cuantas; ++i)
            bloques << Bloque{desde + i * paso, alto, opaco};
        return bloques;
    };
    QTest::newRow("fits one page") << filas(10, 3, 30, 20, false) << 100 << QList<int>{0, 90};
    QTest::newRow("in the gap before the row that does not fit")
        << filas(0, 5, 30, 20, false) << 100 << QList<int>{0, 90, 140};
    QTest::newRow("rows overlapping, the lower one opaque: at its top")
        << filas(0, 10, 15, 17, true) << 100 << QList<int>{0, 90, 152};
    QTest::newRow("rows overlapping, transparent: cut only where a page must")
        << filas(0, 10, 15, 17, false) << 100 << QList<int>{0, 100, 152};
    QTest::newRow("a control taller than a page is cut")
        << QList<Bloque>{{0, 250, false}} << 100 << QList<int>{0, 100, 200, 250};
    // Rows of 20 on a 25 pitch with a section gap of 20 after the third: near the end of the
    // page the section gap wins over the later row gap.
    QTest::newRow("a section rather than a row begins the page")
        << (filas(0, 3, 25, 20, false) + filas(90, 3, 25, 20, false)) << 120
        << QList<int>{0, 90, 160};
}

void PruebasImpresion::cortesDePagina() {
    QFETCH(QList<Bloque>, bloques);
    QFETCH(int, altoPagina);
    QFETCH(QList<int>, cortes);
    QWidget hoja;
    hoja.resize(300, 1000);
    auto* oculto = new QWidget(&hoja); // a hidden control never holds a page back
    oculto->setGeometry(0, 0, 300, 1000);
    oculto->hide();
    auto* fuera = new QWidget(&hoja); // nor one that is left off paper
    fuera->setGeometry(0, 0, 300, 1000);
    for (const Bloque& b : bloques) {
        auto* control = new QWidget(&hoja);
        control->setGeometry(0, b.y, 300, b.alto);
        control->setAutoFillBackground(b.opaco);
    }
    QCOMPARE(CortesDePagina(hoja, altoPagina, [fuera](const QWidget& c) { return &c != fuera; }),
             cortes);
}

void PruebasImpresion::imprimirNoCambiaNada_data() {
    QTest::addColumn<QString>("estado");
    QTest::addColumn<QString>("ventana");
    QTest::addColumn<int>("paginas");
    QTest::newRow("worked example") << u"ejemplo"_s << u"Form1"_s << 1;
    QTest::newRow("valuation failed half-way") << u"fallida"_s << u"Form1"_s << 1;
    QTest::newRow("valuation with a help pop-up") << u"ayuda"_s << u"Form1"_s << 1;
    QTest::newRow("certificate with defects and faults") << u"defectos"_s << u"Form2"_s << 3;
}

// After a print and a preview both windows are as they were: texts, ticks, lists, colours,
// places, scroll bars, focus; no change notification ran, and no calculation or scoring: in
// the failed states any run would report its failure again.
void PruebasImpresion::imprimirNoCambiaNada() {
    QFETCH(QString, estado);
    QFETCH(QString, ventana);
    QFETCH(int, paginas);
    TForm1& valoracion = programa->Form1();
    TForm2& certificado = programa->Form2();
    if (estado == u"fallida"_s) {
        Control(valoracion, "EPintura")->setText(u"12,5"_s);
        Control<QComboBox>(valoracion, "EAnoFabricacion")->setEditText(u"x+"_s);
        QTest::mouseClick(Control<QPushButton>(valoracion, "Button5"), Qt::LeftButton);
        QCOMPARE(avisos.Tomar().size(), 1);
        QCOMPARE(Texto(valoracion, "ETotalCoste"), u"12,5"_s); // written before the failure
    }
    if (estado == u"ayuda"_s) {
        QWidget* criterio = Control<QWidget>(valoracion, "LabelP3");
        QMouseEvent movimiento(QEvent::MouseMove, QPointF(20, 10),
                               criterio->mapToGlobal(QPointF(20, 10)), Qt::NoButton, Qt::NoButton,
                               Qt::NoModifier);
        QApplication::sendEvent(criterio, &movimiento);
        QVERIFY(Control<QPlainTextEdit>(valoracion, "MemoAyuda")->isVisible());
    }
    if (estado == u"defectos"_s) {
        AlCertificado();
        for (const char* nombre : {"CV3Mal", "CV17Regular", "CV44Mal"})
            QTest::mouseClick(Control<QRadioButton>(certificado, nombre), Qt::LeftButton);
        Control<QPlainTextEdit>(certificado, "MemoAverias")->setPlainText(u"P0300\nP0420"_s);
        QTest::mouseClick(Control<QCheckBox>(certificado, "CITV"), Qt::LeftButton, {},
                          Control<QCheckBox>(certificado, "CITV")->rect().center());
        Control(certificado, "EVendedor")->setText(u"Juan Pérez"_s);
        // From here on every scoring run reports the exchange value.
        Control(certificado, "EPrecioCambio")->setText(u"-"_s);
        QCOMPARE(avisos.Tomar().size(), 1);
    }
    TMarco& v = Ventana(ventana);
    v.findChild<QScrollArea*>(u"ScrollBox1"_s)->verticalScrollBar()->setValue(123);
    const QStringList antes1 = Estado(valoracion);
    const QStringList antes2 = Estado(certificado);
    Notificaciones cambios1(valoracion);
    Notificaciones cambios2(certificado);

    const QStringList impresas = Imprimir(v, u"estado.pdf"_s);
    QCOMPARE(impresas.size(), paginas);
    if (estado == u"fallida"_s)
        avisos.Responder(u"Imprimir así"_s);
    int enVista = 0;
    QVERIFY(ConVistaPrevia(v, [&enVista](QPrintPreviewDialog& dialogo) {
        enVista = dialogo.findChild<QPrintPreviewWidget*>()->pageCount();
    }));
    QCOMPARE(enVista, paginas);

    // A valuation that could not be computed is printed as it stands when the user says so.
    const QList<Aviso> vistos = avisos.Tomar();
    QCOMPARE(vistos.size(), estado == u"fallida"_s ? 1 : 0);
    QCOMPARE(cambios1.cuenta, 0);
    QCOMPARE(cambios2.cuenta, 0);
    v.activateWindow(); // the focus as it was before Ctrl+P
    QVERIFY(QTest::qWaitForWindowActive(&v));
    QCOMPARE(Estado(valoracion), antes1);
    QCOMPARE(Estado(certificado), antes2);
    const QString texto = impresas.join(QLatin1Char('\f')).simplified();
    QVERIFY(!texto.contains(u"Velocidad depreciacion coche por variar mucho el Modelo"_s));
    if (estado == u"defectos"_s) {
        QVERIFY(texto.contains(u"Juan Pérez"_s));
        QVERIFY(texto.contains(u"P0300 P0420"_s));
    }
}

// The preview prints what it shows: to a PDF the user names, or, when that file cannot be
// written, a message and no file; the program goes on and the next print works.
void PruebasImpresion::laVistaPreviaImprimeYAvisaDeErrores() {
    AlCertificado();
    TForm2& certificado = programa->Form2();
    const QString malo = carpeta->filePath(u"no-existe/certificado.pdf"_s);
    const QString bueno = carpeta->filePath(u"certificado.pdf"_s);
    QList<Aviso> vistos;
    int enVista = 0;
    QVERIFY(ConVistaPrevia(certificado, [&](QPrintPreviewDialog& dialogo) {
        auto* vista = dialogo.findChild<QPrintPreviewWidget*>();
        enVista = vista->pageCount();
        QPrinter* impresora = dialogo.printer();
        QCOMPARE(impresora->pageLayout().pageSize().id(), QPageSize::A4);
        QCOMPARE(impresora->pageLayout().orientation(), QPageLayout::Portrait);
        QCOMPARE(impresora->docName(), u"Certificado de Calidad"_s);
        impresora->setOutputFormat(QPrinter::PdfFormat);
        impresora->setOutputFileName(malo);
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        vista->print();
        QTRY_VERIFY_WITH_TIMEOUT(!avisos.Vacio(), 30000);
        vistos = avisos.Tomar();
        impresora->setOutputFileName(bueno);
        vista->print();
    }));
    QCOMPARE(enVista, 3);
    QCOMPARE(vistos.size(), 1);
    QCOMPARE(vistos[0].icono, QMessageBox::Critical);
    QCOMPARE(vistos[0].titulo, kTituloAplicacion);
    QCOMPARE(vistos[0].texto, u"No se puede escribir el archivo PDF «%1»: compruebe que la carpeta "
                              u"existe y que se puede escribir en ella."_s.arg(malo));
    QVERIFY(!QFile::exists(malo));
    const QStringList paginas = PaginasDelPdf(bueno);
    QCOMPARE(paginas.size(), 3);
    QVERIFY(paginas[0].contains(u"VSSZZZ1MZ8B000001"_s));
}

void PruebasImpresion::erroresDeImpresion_data() {
    QTest::addColumn<QString>("archivo");
    QTest::addColumn<QMarginsF>("margenes"); // millimetres
    QTest::addColumn<QString>("mensaje");
    QTest::newRow("a folder that does not exist")
        << u"falta/valoracion.pdf"_s << QMarginsF(15, 15, 15, 15)
        << u"No se puede escribir el archivo PDF «%1»: compruebe que la carpeta existe y que se "
           u"puede escribir en ella."_s;
    QTest::newRow("margins that leave no room")
        << u"valoracion.pdf"_s << QMarginsF(10, 140, 10, 140)
        << u"Los márgenes elegidos no dejan sitio en la página para la hoja: elija márgenes "
           u"menores o un papel mayor."_s;
}

// A failed print says why in Spanish, writes nothing, changes nothing, and the program goes on.
void PruebasImpresion::erroresDeImpresion() {
    QFETCH(QString, archivo);
    QFETCH(QMarginsF, margenes);
    QFETCH(QString, mensaje);
    TForm1& valoracion = programa->Form1();
    const QStringList antes = Estado(valoracion);
    QPrinter impresora(QPrinter::HighResolution);
    PrepararImpresora(impresora);
    QVERIFY(impresora.setPageMargins(margenes, QPageLayout::Millimeter));
    impresora.setOutputFormat(QPrinter::PdfFormat);
    const QString ruta = carpeta->filePath(archivo);
    impresora.setOutputFileName(ruta);
    if (mensaje.contains(u"PDF"_s))
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    Proteger(&valoracion, [&] { valoracion.Imprimir(impresora); });
    const QList<Aviso> vistos = avisos.Tomar();
    QCOMPARE(vistos.size(), 1);
    QCOMPARE(vistos[0].icono, QMessageBox::Critical);
    QCOMPARE(vistos[0].texto, mensaje.contains(u"%1"_s) ? mensaje.arg(ruta) : mensaje);
    QVERIFY(!QFile::exists(ruta));
    QCOMPARE(Estado(valoracion), antes);
    QCOMPARE(Imprimir(valoracion, u"despues.pdf"_s).size(), 1);
}

MORVEX_TEST_MAIN(PruebasImpresion)
#include "tst_impresion.moc"
