// Captions sized to their text: the one measurement the sheets make gives what the label's own
// hints give, and the certificate, created hidden, has its captions sized once it is shown or
// printed.

#include "apoyo.h"

#include "controles.h"
#include "form2.h"
#include "impresion.h"

#include <QLabel>
#include <QPrinter>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

class PruebasMedidas : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SilenciarPlataforma(); }
    void cleanup() { QVERIFY2(avisos.Vacio(), qPrintable(avisos.Resumen())); }

    void tamanoDelTexto_data();
    void tamanoDelTexto();
    void certificadoAlMostrarse();
    void certificadoImpresoSinMostrarse();

private:
    Avisos avisos;
};

void PruebasMedidas::tamanoDelTexto_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("px");
    QTest::addColumn<bool>("negrita");
    QTest::newRow("one line") << u"Mes Fabricac"_s << 11 << true;
    QTest::newRow("two lines, trailing blank") << u"Precio coche \nnuevo (euros)"_s << 11 << true;
    QTest::newRow("trailing line break") << u"Precio\nVendedor(€)\n"_s << 11 << false;
    QTest::newRow("accents and signs") << u"Año Fabricac ±50 • ñ"_s << 9 << false;
    QTest::newRow("section title") << u"(1) Valoracion Objetiva"_s << 17 << true;
    QTest::newRow("empty") << QString() << 12 << true;
}

void PruebasMedidas::tamanoDelTexto() {
    QFETCH(QString, texto);
    QFETCH(int, px);
    QFETCH(bool, negrita);
    QLabel etiqueta(texto);
    etiqueta.setFont(Fuente("Verdana", px, negrita));
    QCOMPARE(TamanoDelTexto(etiqueta), etiqueta.sizeHint());
}

void PruebasMedidas::certificadoAlMostrarse() {
    TForm2 ventana;
    ventana.show();
    for (const char* nombre :
         {"Label1", "Label3", "Label17", "Label19", "Label35", "LabelAverias", "LabelFecha"}) {
        auto* etiqueta = ventana.findChild<QLabel*>(QString::fromLatin1(nombre));
        QVERIFY2(etiqueta != nullptr, nombre);
        QCOMPARE(etiqueta->size(), etiqueta->sizeHint());
    }
    // The introduction has its width given, and the height of its nine lines.
    auto* introduccion = ventana.findChild<QLabel*>(u"Label2"_s);
    QCOMPARE(introduccion->size(), QSize(609, introduccion->sizeHint().height()));
}

// Printed before it was ever shown, the certificate's captions are sized all the same.
void PruebasMedidas::certificadoImpresoSinMostrarse() {
    TForm2 ventana;
    QTemporaryDir carpeta;
    QPrinter impresora(QPrinter::HighResolution);
    PrepararImpresora(impresora);
    impresora.setOutputFileName(carpeta.filePath(u"certificado.pdf"_s));
    ventana.Imprimir(impresora);
    QVERIFY(!ventana.isVisible());
    for (const char* nombre : {"Label1", "Label17", "Label35", "LabelAverias"}) {
        auto* etiqueta = ventana.findChild<QLabel*>(QString::fromLatin1(nombre));
        QCOMPARE(etiqueta->size(), etiqueta->sizeHint());
    }
}

MORVEX_TEST_MAIN(PruebasMedidas)
#include "tst_medidas.moc"
