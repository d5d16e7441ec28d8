// Printing both sheets: the PDF's text read back with pdftotext, page by page: values rather
// than controls, ratings and ticks as glyphs, every memo line, whole edit texts and words, pasted
// lines as lines, every word's ink whole and ink wherever the sheet shows something (the pages
// rendered with pdftoppm), footers dated by the program's clock, signature blocks; where pages
// break; the one-page valuation; the preview behind "Imprimir" and Ctrl+P, worked by keyboard;
// PDF names and failures to write them; and that printing changes nothing in either window.

#include "apoyo.h"

#include "ajuste.h"
#include "archivo_pdf.h"
#include "disposicion.h"
#include "form1.h"
#include "form2.h"
#include "impresion.h"
#include "paginas.h"
#include "programa.h"
#include "reloj.h"
#include "vista_previa.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <csignal>
#include <functional>
#include <memory>
#include <optional>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {

// What pdftotext writes of the PDF `ruta` with `opcion` ("-layout", "-raw", "-bbox"); a null
// string where it fails.
QString Pdftotext(const QString& opcion, const QString& ruta) {
    QProcess pdftotext;
    pdftotext.start(u"pdftotext"_s, {opcion, ruta, u"-"_s});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return {};
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

// A word of a PDF as pdftotext places it: its page (from 0), its box in points, its text.
struct PalabraEnPdf {
    qsizetype pagina;
    QRectF caja;
    QString texto;
};

// The words of the PDF `ruta` in the order pdftotext gives them; nothing where it fails.
std::optional<QList<PalabraEnPdf>> PalabrasDelPdf(const QString& ruta) {
    const QString cajas = Pdftotext(u"-bbox"_s, ruta);
    if (cajas.isNull())
        return std::nullopt;
    static const QRegularExpression kPalabra(
        uR"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"_s);
    QList<PalabraEnPdf> palabras;
    qsizetype pagina = -1;
    for (const QRegularExpressionMatch& m : kPalabra.globalMatch(cajas)) {
        if (m.captured(0).startsWith(u"<page"_s)) {
            ++pagina;
            continue;
        }
        palabras << PalabraEnPdf{
            pagina,
            QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                   QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())),
            m.captured(5)};
    }
    return palabras;
}

// The text of a PDF as pdftotext lays it out, one entry per page; ligatures ("ﬁ") as letters,
// runs of blanks as one.
QStringList PaginasDelPdf(const QString& ruta) {
    QStringList paginas = Pdftotext(u"-layout"_s, ruta)
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

// The text a control of the sheet shows: a caption's, a field's, a button's, a memo's.
QString TextoDe(const QWidget& control) {
    if (auto* etiqueta = qobject_cast<const QLabel*>(&control))
        return etiqueta->text();
    if (auto* edicion = qobject_cast<const QLineEdit*>(&control))
        return edicion->text();
    if (auto* boton = qobject_cast<const QAbstractButton*>(&control))
        return boton->text();
    if (auto* memo = qobject_cast<const QPlainTextEdit*>(&control))
        return memo->toPlainText();
    return {};
}

// The text lines of every control that shows on the sheet, control by control.
QList<QStringList> LineasDeLaHoja(const QWidget& hoja) {
    QList<QStringList> controles;
    for (const QWidget* control : hoja.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&hoja))
            continue;
        const QString texto = TextoDe(*control);
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

// A piece of paper for the page breaks: its place, opaque or not, and where a page may end
// inside it (between a memo's lines).
struct Bloque {
    int y;
    int alto;
    bool opaco;
    QList<int> cortes = {};
};

// Types `ruta` into the name field of Qt's own file dialog and accepts it; selectFile() leaves
// the field alone while it has the focus.
void Elegir(QFileDialog& dialogo, const QString& ruta) {
    dialogo.findChild<QLineEdit*>(u"fileNameEdit"_s)->setText(ruta);
    static_cast<QDialog&>(dialogo).accept(); // QFileDialog's own is protected
}

// The files of a folder, hidden ones (a temporary file left behind) included.
QStringList Archivos(const QString& carpeta) {
    return QDir(carpeta).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

// Writes with the size of files limited, as a full disk would stop it.
class DiscoLleno {
public:
    explicit DiscoLleno(rlim_t bytes) {
        senal_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &antes_);
        rlimit limite = antes_;
        limite.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limite);
    }
    ~DiscoLleno() {
        setrlimit(RLIMIT_FSIZE, &antes_);
        std::signal(SIGXFSZ, senal_);
    }
    DiscoLleno(const DiscoLleno&) = delete;
    DiscoLleno& operator=(const DiscoLleno&) = delete;

private:
    rlimit antes_{};
    void (*senal_)(int) = nullptr;
};

// The PDF's text in the order it was drawn, a line for each line of text there: a field's
// lines stand together, whatever lies beside its box.
QString TextoEnBruto(const QString& ruta) {
    return Pdftotext(u"-raw"_s, ruta).normalized(QString::NormalizationForm_KC);
}

// Where the stretch `lugar` of the sheet (in sheet pixels) lies on page `pagina` of the sheet
// printed as `maqueta` on `impresora`: in points from the page's corner, only the part of it on
// that page's band; empty where none is.
QRectF EnPagina(const Maqueta& maqueta, const QPrinter& impresora, qsizetype pagina,
                const QRect& lugar) {
    const qreal aPuntos = 72.0 / impresora.resolution();
    const QPointF origen = impresora.pageLayout().paintRectPoints().topLeft();
    const int arriba = maqueta.cortes[pagina];
    const QRect visto =
        lugar.intersected(QRect(0, arriba, 100000, maqueta.cortes[pagina + 1] - arriba));
    if (visto.isEmpty())
        return {};
    return QRectF(origen.x() + (maqueta.izquierda + visto.x() * maqueta.escala) * aPuntos,
                  origen.y() + (visto.y() - arriba) * maqueta.escala * aPuntos,
                  visto.width() * maqueta.escala * aPuntos,
                  visto.height() * maqueta.escala * aPuntos);
}

// How pdftoppm renders a page: in shades of grey, as it shows; or in colour with lines drawn on
// whole pixels, so that a frame a pixel wide keeps its whole colour wherever it falls.
enum class Pintado { Gris, ColorNitido };

// The pages of a PDF as pdftoppm renders them at `puntosPorPulgada`; none when it fails.
QList<QImage> PaginasPintadas(const QString& ruta, int puntosPorPulgada, Pintado pintado) {
    const QFileInfo pdf(ruta);
    const QString prefijo = pdf.absolutePath() + u"/"_s + pdf.completeBaseName() + u"-pintada"_s;
    const bool gris = pintado == Pintado::Gris;
    QStringList argumentos{u"-r"_s, QString::number(puntosPorPulgada)};
    argumentos << (gris ? QStringList{u"-gray"_s} : QStringList{u"-aaVector"_s, u"no"_s});
    QProcess pdftoppm;
    pdftoppm.start(u"pdftoppm"_s, argumentos << ruta << prefijo);
    if (!pdftoppm.waitForFinished(60000) || pdftoppm.exitCode() != 0)
        return {};
    QList<QImage> paginas;
    const QFileInfo patron(prefijo);
    for (const QString& nombre :
         QDir(patron.absolutePath())
             .entryList({patron.fileName() + u"-*.p?m"_s}, QDir::Files, QDir::Name)) {
        const QString archivo = patron.absolutePath() + u"/"_s + nombre;
        paginas << QImage(archivo).convertToFormat(gris ? QImage::Format_Grayscale8
                                                        : QImage::Format_RGB32);
        QFile::remove(archivo);
    }
    return paginas;
}

// The words of a printed sheet that reach out of the box of the control that drew them, which
// cuts them there (pdftotext reads a cut text whole), or that lie in no control's box. Each
// word's box as pdftotext places it is held against the boxes of the pieces printed on its page
// and of their controls, the smallest around the word's middle; a text may run on over the
// empty paper its piece leaves it. Below the sheet's band the footer is left out.
QStringList Recortadas(const QString& ruta, const Maqueta& maqueta, const QPrinter& impresora) {
    const std::optional<QList<PalabraEnPdf>> palabras = PalabrasDelPdf(ruta);
    if (!palabras)
        return {u"(pdftotext failed)"_s};
    QList<QList<QRectF>> porPagina; // the boxes of each page, in points
    for (qsizetype p = 0; p + 1 < maqueta.cortes.size(); ++p) {
        const auto enPuntos = [&](const QRect& lugar) {
            return EnPagina(maqueta, impresora, p, lugar);
        };
        QList<QRectF> lista;
        for (const Pieza& pieza : maqueta.piezas) {
            if (pieza.control == nullptr || enPuntos(pieza.lugar).isEmpty())
                continue;
            QRect lugar = pieza.lugar;
            if (pieza.tipo == TipoDePieza::Texto) {
                lugar.setRight(std::max(lugar.right(), lugar.left() + BordeDeCaja(*pieza.control) +
                                                           kMargenTextoX + pieza.anchoLibre));
            }
            lista << enPuntos(lugar);
            // Only what draws itself shows its controls, each in its own box; a list paints its
            // text over the whole box, its edit field and arrow aside.
            if (pieza.tipo != TipoDePieza::Propio)
                continue;
            for (const QWidget* parte : pieza.control->findChildren<QWidget*>()) {
                if (parte->isVisibleTo(pieza.control))
                    lista << enPuntos(QRect(parte->mapTo(pieza.control, QPoint()), parte->size())
                                          .translated(lugar.topLeft()));
            }
        }
        porPagina << lista;
    }
    QStringList fuera;
    for (const auto& [pagina, palabra, texto] : *palabras) {
        if (pagina >= porPagina.size())
            return {u"(more pages than laid out)"_s};
        const int arriba = maqueta.cortes[pagina];
        const QRectF banda = EnPagina(maqueta, impresora, pagina,
                                      QRect(0, arriba, 1, maqueta.cortes[pagina + 1] - arriba));
        if (palabra.center().y() > banda.bottom())
            continue; // the footer
        const QRectF* menor = nullptr;
        for (const QRectF& caja : std::as_const(porPagina[pagina])) {
            if (caja.contains(palabra.center()) &&
                (menor == nullptr ||
                 caja.width() * caja.height() < menor->width() * menor->height()))
                menor = &caja;
        }
        // A font's ascent and descent reach a little past the line a box holds.
        const qreal holgura = palabra.height() * 0.25;
        const QRectF tolerada =
            menor == nullptr ? QRectF() : menor->adjusted(-0.5, -holgura, 0.5, holgura);
        if (menor == nullptr || !tolerada.contains(palabra))
            fuera << u"%1 (page %2)"_s.arg(texto).arg(pagina + 1);
    }
    return fuera;
}

// The words of a PDF whose ink does not reach across their box: cut inside the box they lie in
// (a caption drawn too narrow, a text clipped by a box too short, something painted over it),
// which pdftotext still reads whole. pdftoppm renders each page; the box pdftotext gives a word
// spans its letters' advances and its font's height. Ink is what stands out of the colour most
// of the box has, on lines of the box that a rule does not cross from end to end. Its ink must
// reach within a fifth of the box's height of either end, and for a word with a letter or digit,
// from a small letter's height down to the baseline.
QStringList SinTinta(const QString& ruta) {
    constexpr int kPuntosPorPulgada = 200;
    constexpr qreal kAPixeles = kPuntosPorPulgada / 72.0;
    const QList<QImage> paginas = PaginasPintadas(ruta, kPuntosPorPulgada, Pintado::Gris);
    if (paginas.isEmpty())
        return {u"(pdftoppm failed)"_s};
    const std::optional<QList<PalabraEnPdf>> palabras = PalabrasDelPdf(ruta);
    if (!palabras)
        return {u"(pdftotext failed)"_s};
    static const QRegularExpression kLetra(u"[\\p{L}\\p{N}]"_s);
    QStringList cortadas;
    for (const auto& [pagina, enPuntos, texto] : *palabras) {
        if (pagina >= paginas.size())
            return {u"(a page not rendered)"_s};
        const QImage& imagen = paginas[pagina];
        const QRectF caja(enPuntos.topLeft() * kAPixeles, enPuntos.bottomRight() * kAPixeles);
        const QRect entera = caja.toAlignedRect().intersected(imagen.rect());
        if (entera.isEmpty())
            continue;
        int cuantos[256] = {};
        for (int y = entera.top(); y <= entera.bottom(); ++y) {
            for (int x = entera.left(); x <= entera.right(); ++x)
                ++cuantos[imagen.constScanLine(y)[x]];
        }
        const int fondo = static_cast<int>(
            std::max_element(std::begin(cuantos), std::end(cuantos)) - std::begin(cuantos));
        // Ink differs from the background by half as much as the most different point does.
        int contraste = 0;
        for (int y = entera.top(); y <= entera.bottom(); ++y) {
            for (int x = entera.left(); x <= entera.right(); ++x)
                contraste = std::max(contraste, std::abs(imagen.constScanLine(y)[x] - fondo));
        }
        const int umbral = std::max(32, contraste / 2);
        const auto tinta = [&](int x, int y) {
            return std::abs(imagen.constScanLine(y)[x] - fondo) > umbral;
        };
        int izquierda = entera.right() + 1;
        int derecha = entera.left() - 1;
        int arriba = entera.bottom() + 1;
        int abajo = entera.top() - 1;
        for (int y = entera.top(); y <= entera.bottom(); ++y) {
            int entintados = 0;
            for (int x = entera.left(); x <= entera.right(); ++x)
                entintados += tinta(x, y) ? 1 : 0;
            if (entintados == 0 || entintados * 100 >= entera.width() * 97)
                continue; // no ink, or a rule across the word
            arriba = std::min(arriba, y);
            abajo = std::max(abajo, y);
            for (int x = entera.left(); x <= entera.right(); ++x) {
                if (tinta(x, y)) {
                    izquierda = std::min(izquierda, x);
                    derecha = std::max(derecha, x);
                }
            }
        }
        // A pixel and a half more for the faint edges of small letters.
        const qreal alto = caja.height();
        const qreal holgura = alto / 5 + 1.5;
        const qreal base = caja.top() + 0.8 * alto; // the font's ascent is some 4/5 of its height
        bool entero = izquierda <= caja.left() + holgura && derecha >= caja.right() - holgura;
        if (texto.contains(kLetra)) {
            entero =
                entero && arriba <= base - 0.35 * alto + 1.5 && abajo >= base - 0.12 * alto - 1.5;
        }
        if (!entero)
            cortadas << u"%1 (page %2)"_s.arg(texto).arg(pagina + 1);
    }
    return cortadas;
}

// A point of `imagen` in `zona` that differs clearly from `fondo`, in red, green or blue, but
// for those in `aparte`.
bool HayTinta(const QImage& imagen, const QRect& zona, const QColor& fondo,
              const QList<QRect>& aparte = {}) {
    constexpr int kClaramente = 48; // of 255
    const auto apartado = [&aparte](int x, int y) {
        return std::any_of(aparte.begin(), aparte.end(),
                           [x, y](const QRect& r) { return r.contains(x, y); });
    };
    const QRect dentro = zona.intersected(imagen.rect());
    for (int y = dentro.top(); y <= dentro.bottom(); ++y) {
        const auto* linea = reinterpret_cast<const QRgb*>(imagen.constScanLine(y));
        for (int x = dentro.left(); x <= dentro.right(); ++x) {
            const QRgb punto = linea[x];
            const bool distinto = std::abs(qRed(punto) - fondo.red()) > kClaramente ||
                                  std::abs(qGreen(punto) - fondo.green()) > kClaramente ||
                                  std::abs(qBlue(punto) - fondo.blue()) > kClaramente;
            if (distinto && !apartado(x, y))
                return true;
        }
    }
    return false;
}

// The pixels of an image whose middles lie in `lugar`, given in points, the image rendered at
// `puntosPorPulgada`.
QRect EnPixeles(const QRectF& lugar, int puntosPorPulgada) {
    const qreal aPixeles = puntosPorPulgada / 72.0;
    const QRectF caja(lugar.topLeft() * aPixeles, lugar.bottomRight() * aPixeles);
    return QRect(QPoint(static_cast<int>(std::ceil(caja.left() - 0.5)),
                        static_cast<int>(std::ceil(caja.top() - 0.5))),
                 QPoint(static_cast<int>(std::floor(caja.right() - 0.5)),
                        static_cast<int>(std::floor(caja.bottom() - 0.5))));
}

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
    void valoresNoControles_data();
    void valoresNoControles();
    void memoEntero_data();
    void memoEntero();
    void textoEnteroDeCadaCampo_data();
    void textoEnteroDeCadaCampo();
    void cadaTextoDeLaHojaEnPapel_data();
    void cadaTextoDeLaHojaEnPapel();
    void tintaDeCadaBloque_data();
    void tintaDeCadaBloque();
    void firmaEnUnaPagina_data();
    void firmaEnUnaPagina();
    void sitioParaFirmar();
    void valoracionEnUnaPagina_data();
    void valoracionEnUnaPagina();
    void vistaPreviaPorTeclado();
    void laVistaPreviaImprimeYGuarda();
    void nombresSugeridos_data();
    void nombresSugeridos();
    void fallosAlGuardar_data();
    void fallosAlGuardar();
    void erroresDeImpresion_data();
    void erroresDeImpresion();
    void lineasEnteras_data();
    void lineasEnteras();
    void menorAntesDePartir_data();
    void menorAntesDePartir();
    void textoPegadoEntero_data();
    void textoPegadoEntero();
    void tintaCortada_data();
    void tintaCortada();
    void nadaRecortado_data();
    void nadaRecortado();

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
    // Prints with the page set-up given, margins in millimetres.
    QStringList ImprimirEn(TMarco& ventana, QPageSize::PageSizeId papel, const QMarginsF& margenes,
                           const QString& archivo);
    // The window named, the certificate prepared first.
    TMarco& Preparada(const QString& ventana) {
        if (ventana == u"Form2"_s)
            AlCertificado();
        return Ventana(ventana);
    }
    // The control named `campo` on the window's sheet, the certificate prepared first.
    QWidget* Campo(const QString& ventana, const QString& campo) {
        return Preparada(ventana).hoja()->findChild<QWidget*>(campo);
    }
    // Prints to a PDF as Imprimir does; the words that stand out of their boxes (Recortadas).
    QStringList ImprimirYMedir(TMarco& ventana, const QString& archivo);
    // Ctrl+P on the window; `enVista` runs while the preview is open, then the preview closes
    // if it is still open.
    bool ConVistaPrevia(TMarco& ventana, const std::function<void(TVistaPrevia&)>& enVista);

    Avisos avisos;
    std::unique_ptr<Programa> programa;
    std::unique_ptr<QTemporaryDir> carpeta;
};

void PruebasImpresion::initTestCase() {
    SilenciarPlataforma();
    for (const QString& herramienta : {u"pdftotext"_s, u"pdftoppm"_s}) {
        QVERIFY2(!QStandardPaths::findExecutable(herramienta).isEmpty(),
                 qPrintable(herramienta + u" (poppler-utils) is needed"_s));
    }
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

QStringList PruebasImpresion::ImprimirEn(TMarco& ventana, QPageSize::PageSizeId papel,
                                         const QMarginsF& margenes, const QString& archivo) {
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setPageLayout(
        QPageLayout(QPageSize(papel), QPageLayout::Portrait, margenes, QPageLayout::Millimeter));
    impresora.setOutputFormat(QPrinter::PdfFormat);
    impresora.setOutputFileName(carpeta->filePath(archivo));
    Proteger(&ventana, [&] { ventana.Imprimir(impresora); });
    return PaginasDelPdf(carpeta->filePath(archivo));
}

QStringList PruebasImpresion::ImprimirYMedir(TMarco& ventana, const QString& archivo) {
    QPrinter impresora(QPrinter::HighResolution);
    PrepararImpresora(impresora);
    impresora.setOutputFormat(QPrinter::PdfFormat);
    impresora.setOutputFileName(carpeta->filePath(archivo));
    ventana.Imprimir(impresora);
    return Recortadas(impresora.outputFileName(), Maquetar(ventana.ComoSeImprime(), impresora),
                      impresora) +
           SinTinta(impresora.outputFileName());
}

bool PruebasImpresion::ConVistaPrevia(TMarco& ventana,
                                      const std::function<void(TVistaPrevia&)>& enVista) {
    ventana.activateWindow();
    if (!QTest::qWaitForWindowActive(&ventana))
        return false;
    bool vista = false;
    QTimer espera;
    espera.setInterval(10);
    connect(&espera, &QTimer::timeout, this, [&] {
        QPointer<TVistaPrevia> dialogo =
            qobject_cast<TVistaPrevia*>(QApplication::activeModalWidget());
        if (dialogo == nullptr || !dialogo->isVisible() || vista)
            return;
        vista = true;
        enVista(*dialogo);
        if (dialogo != nullptr && dialogo->isVisible())
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
        QCOMPARE(lineas.last(),
                 u"Certificado de Calidad Impreso el 15/03/2010 12:00 Página %1 de 3"_s.arg(n));
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
    QCOMPARE(Lineas(paginas[0]).last(), u"Tasacion; Valoracion Morvex para la compra-venta Coches "
                                        u"Ocasion Impreso el 15/03/2010 12:00 Página 1 de 1"_s);
}

void PruebasImpresion::ningunaLineaPartida_data() {
    QTest::addColumn<QString>("ventana");
    QTest::addColumn<QMarginsF>("margenes"); // millimetres
    QTest::newRow("certificate, A4") << u"Form2"_s << QMarginsF(15, 15, 15, 15);
    // pages of some 560 pixels of the sheet
    QTest::newRow("certificate, short pages") << u"Form2"_s << QMarginsF(10, 60, 10, 60);
    QTest::newRow("certificate, shorter pages") << u"Form2"_s << QMarginsF(10, 90, 10, 90);
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
    // The sheet's texts, and those of the signature blocks, which only paper has.
    const QList<QStringList> controles =
        LineasDeLaHoja(*v.hoja()) + QList<QStringList>{{u"Nombre y DNI:"_s}, {u"Firma:"_s}};
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
    QTest::newRow("a tall memo ends a page between its lines")
        << QList<Bloque>{{0, 250, false, {17, 34, 51, 68, 85, 102, 119, 136, 153, 170, 187}}} << 100
        << QList<int>{0, 85, 170, 250};
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
    QList<Pieza> piezas;
    for (const Bloque& b : bloques)
        piezas << Pieza{.lugar = QRect(0, b.y, 300, b.alto), .opaca = b.opaco, .cortes = b.cortes};
    QCOMPARE(CortesDePagina(piezas, altoPagina), cortes);
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
    const QStringList antes1 = EstadoVisible(valoracion);
    const QStringList antes2 = EstadoVisible(certificado);
    Notificaciones cambios1(valoracion);
    Notificaciones cambios2(certificado);

    const QStringList impresas = Imprimir(v, u"estado.pdf"_s);
    QCOMPARE(impresas.size(), paginas);
    // Results that cannot be computed now are printed as they stand when the user says so.
    const bool pregunta = estado == u"fallida"_s || estado == u"defectos"_s;
    if (pregunta)
        avisos.Responder(u"Imprimir así"_s);
    int enVista = 0;
    QVERIFY(ConVistaPrevia(v, [&enVista](TVistaPrevia& dialogo) {
        enVista = dialogo.findChild<QPrintPreviewWidget*>()->pageCount();
    }));
    QCOMPARE(enVista, paginas);

    const QList<Aviso> vistos = avisos.Tomar();
    QCOMPARE(vistos.size(), pregunta ? 1 : 0);
    QCOMPARE(cambios1.cuenta, 0);
    QCOMPARE(cambios2.cuenta, 0);
    v.activateWindow(); // the focus as it was before Ctrl+P
    QVERIFY(QTest::qWaitForWindowActive(&v));
    QCOMPARE(EstadoVisible(valoracion), antes1);
    QCOMPARE(EstadoVisible(certificado), antes2);
    const QString texto = impresas.join(QLatin1Char('\f')).simplified();
    // The help that floats over the sheet stays off paper: its guidance is nowhere in the text
    // read in the order it would be drawn, where the captions beside it cannot break it up. (Its
    // title line repeats the caption it explains.)
    const QString enOrden = TextoEnBruto(carpeta->filePath(u"estado.pdf"_s)).simplified();
    const QString ayuda = Control<QPlainTextEdit>(valoracion, "MemoAyuda")->toPlainText();
    const QString guia = ayuda.section(u'\n', 1).simplified();
    QCOMPARE(guia.isEmpty(), estado != u"ayuda"_s);
    if (!guia.isEmpty())
        QVERIFY2(!enOrden.contains(guia), qPrintable(guia));
    if (estado == u"defectos"_s) {
        QVERIFY(texto.contains(u"Juan Pérez"_s));
        QVERIFY(texto.contains(u"P0300 P0420"_s));
    }
}

void PruebasImpresion::valoresNoControles_data() {
    QTest::addColumn<QString>("ventana");
    QTest::addColumn<bool>("itv");
    QTest::addColumn<QStringList>("esperados"); // in this order
    QTest::addColumn<QStringList>("ausentes");
    const QStringList botones{
        u"Ejemplo de calculo"_s,        u"Calcular"_s, u"Precio Coche sin Reparar"_s,
        u"Valoracion Coches Ocasion"_s, u"Regresar"_s, u"Imprimir"_s};
    QTest::newRow("valuation") << u"Form1"_s << false
                               << QStringList{u"Especial 1 ☒"_s, u"Especial 2 ☐"_s,
                                              u"○ Import ● Nacional ○ Gasolina ● Diesel ○ Hibrido "
                                              u"☐ Leasing,Renting,RentCar "
                                              u"9 meses"_s,
                                              u"○ ○ ○ ○ ●"_s, u"○ ○ ● ○ ○"_s}
                               << botones + QStringList{u"Certificado de Calidad"_s,
                                                        u"Nombre y DNI:"_s, u"Firma:"_s};
    const QStringList certificado{
        u"1.- Pintura de Fabrica o pintado posterior brillante ● ○ ○"_s,
        u"3.- Sintomas de daños externos de accidentes ○ ○ ●"_s,
        u"4.- Diferencias de color en conjuntos carroceria ● ○ ○"_s,
    };
    const QStringList firmas{u"Conforme VENDEDOR Conforme COMPRADOR"_s,
                             u"Nombre y DNI: Nombre y DNI:"_s, u"Firma: Firma:"_s};
    QTest::newRow("certificate, ITV ticked")
        << u"Form2"_s << true << certificado + QStringList{u"totalmente satisfactoria ☒"_s} + firmas
        << botones;
    QTest::newRow("certificate, ITV not ticked")
        << u"Form2"_s << false
        << certificado + QStringList{u"totalmente satisfactoria ☐"_s} + firmas << botones;
}

// On paper a sheet holds values, not controls: no button, ratings and ticks as glyphs that a
// search finds, signature blocks on the certificate, and every page dated by the program's clock.
void PruebasImpresion::valoresNoControles() {
    QFETCH(QString, ventana);
    QFETCH(bool, itv);
    QFETCH(QStringList, esperados);
    QFETCH(QStringList, ausentes);
    if (ventana == u"Form1"_s) {
        TForm1& valoracion = programa->Form1();
        Control<QCheckBox>(valoracion, "CEspecial1")->setChecked(true);
        Control<QRadioButton>(valoracion, "CNacional")->setChecked(true);
        Control<QRadioButton>(valoracion, "CP1MuyBien")->setChecked(true);
    } else {
        AlCertificado();
        TForm2& certificado = programa->Form2();
        Control<QRadioButton>(certificado, "CV3Mal")->setChecked(true);
        if (itv) {
            QTest::mouseClick(Control<QCheckBox>(certificado, "CITV"), Qt::LeftButton, {},
                              Control<QCheckBox>(certificado, "CITV")->rect().center());
        }
    }
    const QStringList paginas = Imprimir(Ventana(ventana), u"valores.pdf"_s);
    QVERIFY(!paginas.isEmpty());
    const QString texto = paginas.join(QLatin1Char('\f')).simplified();
    qsizetype desde = 0;
    for (const QString& e : esperados) {
        const qsizetype donde = texto.indexOf(e, desde);
        QVERIFY2(donde >= 0, qPrintable(e + u" missing or out of order"_s));
        desde = donde + e.size();
    }
    for (const QString& a : ausentes)
        QVERIFY2(!texto.contains(a), qPrintable(a));
    for (const QString& pagina : paginas)
        QVERIFY(Lineas(pagina).last().contains(u" Impreso el 15/03/2010 12:00 Página "_s));
}

void PruebasImpresion::memoEntero_data() {
    QTest::addColumn<int>("lineas");
    QTest::addColumn<int>("paginas");
    QTest::newRow("more lines than its box shows") << 12 << 3;
    QTest::newRow("more lines than a page holds") << 150 << 5;
}

// The fault memory prints every line, each whole on one page, in order; its box grows and what
// follows it comes after its last line.
void PruebasImpresion::memoEntero() {
    QFETCH(int, lineas);
    QFETCH(int, paginas);
    AlCertificado();
    QStringList averias;
    for (int n = 1; n <= lineas; ++n)
        averias << u"P%1 Avería leída número %2"_s.arg(n, 4, 10, QLatin1Char('0')).arg(n);
    Control<QPlainTextEdit>(programa->Form2(), "MemoAverias")->setPlainText(averias.join(u'\n'));
    const QStringList impresas = Imprimir(programa->Form2(), u"memo.pdf"_s);
    QVERIFY(impresas.size() >= paginas);
    QStringList enPaginas;
    for (const QString& pagina : impresas)
        enPaginas << pagina.simplified();
    const QString texto = enPaginas.join(QLatin1Char(' '));
    qsizetype desde = 0;
    for (const QString& averia : std::as_const(averias) + QStringList{u"Se Certifica que"_s}) {
        const qsizetype donde = texto.indexOf(averia, desde);
        QVERIFY2(donde >= 0, qPrintable(averia + u" missing or out of order"_s));
        QVERIFY2(std::any_of(enPaginas.begin(), enPaginas.end(),
                             [&averia](const QString& p) { return p.contains(averia); }),
                 qPrintable(averia + u" split between pages"_s));
        desde = donde + averia.size();
    }
    QCOMPARE(Lineas(impresas.last()).last(),
             u"Certificado de Calidad Impreso el 15/03/2010 12:00 Página %1 de %1"_s.arg(
                 impresas.size()));
}

void PruebasImpresion::textoEnteroDeCadaCampo_data() {
    QTest::addColumn<QString>("ventana");
    QTest::addColumn<QString>("campo");
    QTest::addColumn<QString>("texto");
    QTest::newRow("a model longer than its box") << u"Form1"_s << u"EMarca"_s << u"León FR"_s;
    QTest::newRow("a brand longer than its list")
        << u"Form1"_s << u"ENombreMarca"_s << u"MERCEDES BENZ CLASE E"_s;
    QTest::newRow("a chassis number and more, boxed in on the right")
        << u"Form1"_s << u"EBastidor"_s << u"VSSZZZ1MZ8B000001 con un texto añadido que sigue"_s;
    QTest::newRow("a plate past its box, into the margin")
        << u"Form2"_s << u"EMatricula"_s << u"1234-BCD-EXTRA"_s;
    QTest::newRow("longer than the sheet is wide")
        << u"Form2"_s << u"EInfoAdicional1"_s
        << u"Centralita sustituida en taller oficial con codificacion nueva y adaptacion de "
           u"llaves, inmovilizador y cuadro, segun factura adjunta del concesionario"_s;
}

// An edit field or a list prints its whole text: smaller, running on, or in lines under each
// other in a taller box, never cut.
void PruebasImpresion::textoEnteroDeCadaCampo() {
    QFETCH(QString, ventana);
    QFETCH(QString, campo);
    QFETCH(QString, texto);
    QWidget* control = Campo(ventana, campo);
    if (auto* lista = qobject_cast<QComboBox*>(control))
        lista->setEditText(texto);
    else
        static_cast<QLineEdit*>(control)->setText(texto);
    const QStringList paginas = Imprimir(Ventana(ventana), u"campo.pdf"_s);
    QVERIFY(!paginas.isEmpty());
    // Lines under each other in a box read, beside the sheet's larger text, in pdftotext's own
    // order: every word whole is what counts.
    const QStringList impresas = paginas.join(QLatin1Char('\f')).simplified().split(u' ');
    for (const QString& palabra : texto.split(u' '))
        QVERIFY2(impresas.contains(palabra), qPrintable(palabra + u" missing or cut"_s));
}

void PruebasImpresion::cadaTextoDeLaHojaEnPapel_data() { botonImprimir_data(); } // both windows

// Whatever the sheet shows goes on paper: every word of every caption, field, memo, tick and
// rating caption the sheet holds, found from the sheet itself, so a block added to it is
// checked here too. Push buttons are for the screen.
void PruebasImpresion::cadaTextoDeLaHojaEnPapel() {
    QFETCH(QString, ventana);
    TMarco& v = Preparada(ventana);
    const QStringList paginas = Imprimir(v, u"hoja.pdf"_s);
    QVERIFY(!paginas.isEmpty());
    // As pdftotext reads it: "º" as "o", a row of spaced marks ("* * *") run together.
    const QString impreso =
        paginas.join(QLatin1Char('\f')).simplified().normalized(QString::NormalizationForm_KC);
    const QStringList impresas = impreso.split(u' ');
    QString seguido = impreso;
    seguido.remove(u' ');
    QStringList faltan;
    for (const QWidget* control : v.hoja()->findChildren<QWidget*>()) {
        if (qobject_cast<const QPushButton*>(control) != nullptr || !control->isVisibleTo(v.hoja()))
            continue;
        const QString palabras =
            TextoDe(*control).simplified().normalized(QString::NormalizationForm_KC);
        if (!palabras.contains(QRegularExpression(u"\\w"_s))) {
            if (!seguido.contains(QString(palabras).remove(u' ')))
                faltan << control->objectName() + u": "_s + palabras;
            continue;
        }
        for (const QString& palabra : palabras.split(u' ', Qt::SkipEmptyParts)) {
            if (!impresas.contains(palabra))
                faltan << control->objectName() + u": "_s + palabra;
        }
    }
    QCOMPARE(faltan.join(u" | "_s), QString());
}

void PruebasImpresion::tintaDeCadaBloque_data() { botonImprimir_data(); } // both windows

// Whatever shows on the sheet leaves ink in its place on paper: every control that paper takes
// (push buttons are for the screen) and that shows something against what lies under it, a
// text, a fill or only a frame, found from the sheet itself, so that a block with no text, an
// empty framed box, is looked at too. What draws itself is looked at without its controls, and
// each of those on its own. Its place is where paper puts it, on the pages its band falls on,
// but for what lies within a pixel of another control that shows, whose ink may reach into it;
// ink is a point that differs clearly from what lies under the control.
void PruebasImpresion::tintaDeCadaBloque() {
    QFETCH(QString, ventana);
    TMarco& v = Preparada(ventana);
    QWidget& hoja = *v.hoja();
    QPrinter impresora(QPrinter::HighResolution);
    PrepararImpresora(impresora);
    impresora.setOutputFormat(QPrinter::PdfFormat);
    impresora.setOutputFileName(carpeta->filePath(u"tinta.pdf"_s));
    v.Imprimir(impresora);
    const Impreso impreso = v.ComoSeImprime();
    const Maqueta maqueta = Maquetar(impreso, impresora);
    constexpr int kPuntosPorPulgada = 100;
    const QList<QImage> paginas =
        PaginasPintadas(impresora.outputFileName(), kPuntosPorPulgada, Pintado::ColorNitido);
    QCOMPARE(paginas.size(), maqueta.cortes.size() - 1);

    // The controls that show, each with its place on paper in sheet pixels (none when paper
    // leaves it out) and the colour it lies on: the nearest filled panel's, or the sheet's.
    struct Huella {
        const QWidget* control;
        std::optional<QRect> lugar;
        QColor fondo;
    };
    QList<Huella> vistas;
    const std::function<void(QWidget&, std::optional<QRect>)> mirar =
        [&](QWidget& control, std::optional<QRect> lugar) {
            const std::optional<TipoDePieza> tipo = TipoEnPapel(control);
            if (!control.isVisibleTo(&hoja) || !tipo || !impreso.seImprime(control))
                return;
            const bool propio = *tipo == TipoDePieza::Propio;
            QColor fondo = hoja.palette().color(hoja.backgroundRole());
            for (const QWidget* w = control.parentWidget(); w != &hoja; w = w->parentWidget()) {
                if (w->autoFillBackground()) {
                    fondo = w->palette().color(w->backgroundRole());
                    break;
                }
            }
            QImage pantalla(control.size(), QImage::Format_RGB32);
            pantalla.fill(fondo);
            QPainter pintor(&pantalla);
            control.render(&pintor, QPoint(), QRegion(),
                           propio ? QWidget::RenderFlags() : QWidget::DrawChildren);
            pintor.end();
            if (HayTinta(pantalla, pantalla.rect(), fondo))
                vistas << Huella{&control, lugar, fondo};
            if (!propio)
                return;
            for (QWidget* parte : control.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                mirar(*parte, lugar ? std::optional(parte->geometry().translated(lugar->topLeft()))
                                    : std::nullopt);
            }
        };
    for (QWidget* control : hoja.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const auto pieza = std::find_if(maqueta.piezas.begin(), maqueta.piezas.end(),
                                        [control](const Pieza& p) { return p.control == control; });
        mirar(*control, pieza == maqueta.piezas.end() ? std::nullopt : std::optional(pieza->lugar));
    }

    QStringList sinTinta;
    for (const Huella& vista : std::as_const(vistas)) {
        bool entintada = false;
        for (qsizetype p = 0; vista.lugar && !entintada && p < paginas.size(); ++p) {
            const auto enPixeles = [&](const QRect& lugar) {
                return EnPixeles(EnPagina(maqueta, impresora, p, lugar), kPuntosPorPulgada);
            };
            const QRect suya = enPixeles(*vista.lugar);
            if (suya.isEmpty())
                continue;
            QList<QRect> ajenas; // what the other controls' ink may reach, but the panels under it
            for (const Huella& otra : std::as_const(vistas)) {
                if (otra.control == vista.control || otra.control->isAncestorOf(vista.control) ||
                    !otra.lugar)
                    continue;
                const QRect otraSuya = enPixeles(*otra.lugar);
                if (!otraSuya.isEmpty() && otraSuya.adjusted(-1, -1, 1, 1).intersects(suya))
                    ajenas << otraSuya.adjusted(-1, -1, 1, 1);
            }
            entintada = HayTinta(paginas[p], suya, vista.fondo, ajenas);
        }
        if (!entintada)
            sinTinta << vista.control->objectName();
    }
    QCOMPARE(sinTinta.join(u", "_s), QString());
}

void PruebasImpresion::firmaEnUnaPagina_data() {
    QTest::addColumn<qreal>("margen"); // top and bottom, millimetres
    for (const qreal margen : {15., 30., 40., 50., 60., 70., 80., 90.})
        QTest::addRow("margins of %d mm", static_cast<int>(margen)) << margen;
}

// On pages of any height a signature block stays on one page with its caption.
void PruebasImpresion::firmaEnUnaPagina() {
    QFETCH(qreal, margen);
    AlCertificado();
    const QStringList paginas = ImprimirEn(programa->Form2(), QPageSize::A4,
                                           QMarginsF(15, margen, 15, margen), u"firma.pdf"_s);
    QVERIFY(!paginas.isEmpty());
    const auto pagina = std::find_if(paginas.begin(), paginas.end(), [](const QString& p) {
        return p.contains(u"Conforme VENDEDOR"_s);
    });
    QVERIFY(pagina != paginas.end());
    QCOMPARE(pagina->count(u"Nombre y DNI:"_s), 2);
    QCOMPARE(pagina->count(u"Firma:"_s), 2);
}

// Below "Firma:" there are at least 25 mm to sign in: the words of the page as pdftotext places
// them, in points.
void PruebasImpresion::sitioParaFirmar() {
    AlCertificado();
    TForm2& certificado = programa->Form2();
    QVERIFY(!Imprimir(certificado, u"sitio.pdf"_s).isEmpty());
    QProcess pdftotext;
    pdftotext.start(u"pdftotext"_s, {u"-bbox"_s, carpeta->filePath(u"sitio.pdf"_s), u"-"_s});
    QVERIFY(pdftotext.waitForFinished(30000));
    const QString cajas = QString::fromUtf8(pdftotext.readAllStandardOutput());
    static const QRegularExpression kPalabra(
        uR"re(<word xMin="[\d.]+" yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">([^<]*)</word>)re"_s);
    qreal firma = -1;
    qreal siguiente = -1;
    for (const QRegularExpressionMatch& palabra : kPalabra.globalMatch(cajas)) {
        if (palabra.captured(3) == u"Firma:"_s && firma < 0)
            firma = palabra.captured(2).toDouble();
        else if (firma >= 0 && palabra.captured(1).toDouble() > firma + 1) {
            siguiente = palabra.captured(1).toDouble();
            break;
        }
    }
    QVERIFY(firma >= 0 && siguiente > firma);
    // What follows the block is the date line, as far below the box as on the screen.
    const QWidget* caja = Control(certificado, "EVendedor");
    const QWidget* fecha = Control<QLabel>(certificado, "LabelFecha");
    const qreal mmPorPixel = 180.0 / certificado.hoja()->width(); // A4, margins of 15 mm
    const qreal hueco = (fecha->y() - caja->geometry().bottom() - 1) * mmPorPixel;
    QVERIFY2((siguiente - firma) * 25.4 / 72 >= kMmParaFirmar + hueco,
             qPrintable(QString::number((siguiente - firma) * 25.4 / 72)));
}

void PruebasImpresion::valoracionEnUnaPagina_data() {
    QTest::addColumn<QPageSize::PageSizeId>("papel");
    QTest::addColumn<qreal>("margen"); // millimetres on every side
    for (const auto& [papel, nombre] :
         {std::pair{QPageSize::A4, "A4"}, std::pair{QPageSize::Letter, "Letter"}}) {
        for (const qreal margen : {0., 10., 15., 20.})
            QTest::addRow("%s, margins of %d mm", nombre, static_cast<int>(margen))
                << papel << margen;
    }
}

// The valuation prints on one page, scaled down where the paper is short, its last line and the
// footer included.
void PruebasImpresion::valoracionEnUnaPagina() {
    QFETCH(QPageSize::PageSizeId, papel);
    QFETCH(qreal, margen);
    const QStringList paginas = ImprimirEn(programa->Form1(), papel,
                                           QMarginsF(margen, margen, margen, margen), u"una.pdf"_s);
    QCOMPARE(paginas.size(), 1);
    const QStringList lineas = Lineas(paginas[0]);
    QVERIFY(lineas.first().contains(u"Tasacion; Valoracion Morvex"_s));
    QCOMPARE(lineas[lineas.size() - 2], u"Puntuacion 0 puntos"_s);
    QVERIFY(lineas.last().endsWith(u"Impreso el 15/03/2010 12:00 Página 1 de 1"_s));
}

// The preview by keyboard: the focus on "Imprimir…", Tab round the three buttons, PageDown and
// PageUp, Ctrl++ and Ctrl+-, Ctrl+P for the print dialog, Enter on "Cerrar", Escape.
void PruebasImpresion::vistaPreviaPorTeclado() {
    AlCertificado();
    TForm2& certificado = programa->Form2();
    const auto tecla = [](int codigo, Qt::KeyboardModifiers modificadores = {}) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(codigo), modificadores);
    };
    bool cerradaConIntro = false;
    QVERIFY(ConVistaPrevia(certificado, [&](TVistaPrevia& vista) {
        QCOMPARE(vista.windowTitle(), u"Vista previa: Certificado de Calidad"_s);
        auto* imprimir = vista.findChild<QPushButton*>(u"ButtonImprimir"_s);
        auto* guardar = vista.findChild<QPushButton*>(u"ButtonGuardarPdf"_s);
        auto* cerrar = vista.findChild<QPushButton*>(u"ButtonCerrar"_s);
        QCOMPARE(imprimir->text(), u"Imprimir…"_s);
        QCOMPARE(guardar->text(), u"Guardar PDF…"_s);
        QCOMPARE(cerrar->text(), u"Cerrar"_s);
        QTRY_COMPARE(QApplication::focusWidget(), imprimir);
        for (QPushButton* siguiente : {guardar, cerrar, imprimir}) {
            tecla(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), siguiente);
        }
        tecla(Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), cerrar);

        auto* paginas = vista.findChild<QPrintPreviewWidget*>();
        auto* numero = vista.findChild<QLabel*>(u"LabelPagina"_s);
        QTRY_COMPARE(paginas->pageCount(), 3);
        QCOMPARE(paginas->currentPage(), 1);
        for (const auto& [codigo, pagina] : {std::pair{Qt::Key_PageDown, 2},
                                             {Qt::Key_PageDown, 3},
                                             {Qt::Key_PageDown, 3},
                                             {Qt::Key_PageUp, 2}}) {
            tecla(codigo);
            QCOMPARE(paginas->currentPage(), pagina);
            QCOMPARE(numero->text(), u"Página %1 de 3"_s.arg(pagina));
        }
        const qreal zoom = paginas->zoomFactor();
        tecla(Qt::Key_Plus, Qt::ControlModifier);
        QVERIFY(paginas->zoomFactor() > zoom * 1.05);
        tecla(Qt::Key_Minus, Qt::ControlModifier);
        QVERIFY(qAbs(paginas->zoomFactor() - zoom) < zoom * 0.01);

        // Ctrl+P: the system's print dialog; cancelled, the preview stays.
        AlAbrirse<QPrintDialog> dialogo([](QPrintDialog& d) { d.reject(); });
        tecla(Qt::Key_P, Qt::ControlModifier);
        QVERIFY(dialogo.hecho);
        QVERIFY(vista.isVisible());

        vista.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&vista));
        cerrar->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), cerrar);
        tecla(Qt::Key_Return);
        cerradaConIntro = !vista.isVisible();
    }));
    QVERIFY(cerradaConIntro);
    bool cerradaConEscape = false;
    QVERIFY(ConVistaPrevia(certificado, [&](TVistaPrevia& vista) {
        QTRY_VERIFY(vista.isActiveWindow() && QApplication::focusWidget() != nullptr);
        tecla(Qt::Key_Escape);
        cerradaConEscape = !vista.isVisible();
    }));
    QVERIFY(cerradaConEscape);
}

// "Guardar PDF…" suggests the document's name in the Documents folder; a full disk gives a
// message and leaves no file, the preview open; then a PDF is saved, and one printed to a file
// through "Imprimir…", which closes the preview. Each PDF is whole.
void PruebasImpresion::laVistaPreviaImprimeYGuarda() {
    // A home of the test's own, with its Documents folder.
    const QTemporaryDir casa;
    QVERIFY(QDir(casa.path()).mkpath(u"Documents"_s));
    const QByteArray casaAntes = qgetenv("HOME");
    qputenv("HOME", casa.path().toLocal8Bit());
    const auto devolver = qScopeGuard([&casaAntes] { qputenv("HOME", casaAntes); });
    const QString documentos = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QVERIFY(documentos.startsWith(casa.path()));
    AlCertificado();
    TForm2& certificado = programa->Form2();
    const QString nombre = u"Certificado 1234 BCD 2010-03-15"_s;
    const QString lleno = carpeta->filePath(u"lleno.pdf"_s);
    const QString guardado = carpeta->filePath(u"guardado.pdf"_s);
    // The print dialog names a file after the print job.
    const QString impreso = carpeta->filePath(nombre + u".pdf"_s);
    QString sugerido;
    QList<Aviso> vistos;
    bool cerrada = false;
    QVERIFY(ConVistaPrevia(certificado, [&](TVistaPrevia& vista) {
        QCOMPARE(vista.impresora().docName(), nombre);
        auto* guardar = vista.findChild<QPushButton*>(u"ButtonGuardarPdf"_s);
        guardar->setFocus();
        {
            AlAbrirse<QFileDialog> dialogo([&](QFileDialog& d) {
                sugerido = d.selectedFiles().value(0);
                Elegir(d, lleno);
            });
            const DiscoLleno disco(16 * 1024);
            QTest::keyClick(guardar, Qt::Key_Return);
            QVERIFY(dialogo.hecho);
        }
        vistos = avisos.Tomar();
        QVERIFY(vista.isVisible());
        {
            AlAbrirse<QFileDialog> dialogo([&](QFileDialog& d) { Elegir(d, guardado); });
            QTest::keyClick(guardar, Qt::Key_Return);
            QVERIFY(dialogo.hecho);
        }
        QVERIFY(vista.isVisible());
        vista.impresora().setOutputFormat(QPrinter::PdfFormat);
        vista.impresora().setOutputFileName(impreso);
        AlAbrirse<QPrintDialog> dialogo([](QPrintDialog& d) { d.accept(); });
        auto* imprimir = vista.findChild<QPushButton*>(u"ButtonImprimir"_s);
        QTest::keyClick(imprimir, Qt::Key_Return);
        QVERIFY(dialogo.hecho);
        cerrada = !vista.isVisible();
    }));
    QCOMPARE(sugerido, QDir(documentos).filePath(nombre + u".pdf"_s));
    QCOMPARE(vistos.size(), 1);
    QCOMPARE(vistos[0].icono, QMessageBox::Critical);
    QCOMPARE(vistos[0].texto, u"No se pudo terminar de escribir el archivo PDF «%1»: puede que "
                              u"el disco esté lleno. No se ha guardado nada."_s.arg(lleno));
    QVERIFY(cerrada);
    QCOMPARE(Archivos(carpeta->path()), (QStringList{nombre + u".pdf"_s, u"guardado.pdf"_s}));
    for (const QString& ruta : {guardado, impreso}) {
        const QStringList paginas = PaginasDelPdf(ruta);
        QCOMPARE(paginas.size(), 3);
        QVERIFY(paginas[0].contains(u"VSSZZZ1MZ8B000001"_s));
    }
}

void PruebasImpresion::nombresSugeridos_data() {
    QTest::addColumn<QString>("archivo");
    QTest::addColumn<QString>("matricula");
    QTest::addColumn<QString>("nombre");
    QTest::newRow("a plate") << u"Tasacion"_s << u"1234 BCD"_s << u"Tasacion 1234 BCD 2010-03-15"_s;
    QTest::newRow("no plate") << u"Certificado"_s << u""_s << u"Certificado 2010-03-15"_s;
    QTest::newRow("blanks alone") << u"Tasacion"_s << u"  "_s << u"Tasacion 2010-03-15"_s;
    QTest::newRow("characters file names refuse") << u"Certificado"_s << u"12/34\\B:C*D?\"<>|"_s
                                                  << u"Certificado 12-34-B-C-D----- 2010-03-15"_s;
    QTest::newRow("a line break and a tab")
        << u"Tasacion"_s << u" 1234\nBCD\t"_s << u"Tasacion 1234-BCD- 2010-03-15"_s;
}

// The name of the print job and of the PDF: the document, the plate where there is one, with
// what file names refuse replaced, and the date by the program's clock.
void PruebasImpresion::nombresSugeridos() {
    QFETCH(QString, archivo);
    QFETCH(QString, matricula);
    QFETCH(QString, nombre);
    Impreso impreso;
    impreso.archivo = archivo;
    impreso.matricula = matricula;
    QCOMPARE(NombreDelTrabajo(impreso), nombre);
}

void PruebasImpresion::fallosAlGuardar_data() {
    QTest::addColumn<QString>("caso");
    QTest::newRow("a folder that does not exist") << u"falta"_s;
    QTest::newRow("a folder that cannot be written") << u"cerrada"_s;
    QTest::newRow("a name the folder refuses") << u"nombre"_s;
    QTest::newRow("a full disk, over a file of the same name") << u"lleno"_s;
}

// A PDF that cannot be written says why in Spanish and leaves no file, whole or in part; a file
// it would have replaced stays as it was; the window is unchanged and the next PDF is written.
void PruebasImpresion::fallosAlGuardar() {
    QFETCH(QString, caso);
    TForm1& valoracion = programa->Form1();
    QString carpetaDelPdf = carpeta->path();
    QString ruta = carpeta->filePath(u"valoracion.pdf"_s);
    QString mensaje;
    if (caso == u"falta"_s) {
        carpetaDelPdf = carpeta->filePath(u"falta"_s);
        ruta = carpeta->filePath(u"falta/valoracion.pdf"_s);
        mensaje = u"La carpeta «%1» no existe: elija otra para guardar el PDF"_s.arg(carpetaDelPdf);
    } else if (caso == u"cerrada"_s) {
        QVERIFY(QDir(carpeta->path()).mkdir(u"cerrada"_s));
        carpetaDelPdf = carpeta->filePath(u"cerrada"_s);
        QVERIFY(QFile::setPermissions(carpetaDelPdf, QFile::ReadOwner | QFile::ExeOwner));
        // The administrator writes in any folder but those of the system's own file systems.
        if (QFileInfo(carpetaDelPdf).isWritable())
            carpetaDelPdf = u"/sys"_s;
        ruta = carpetaDelPdf + u"/valoracion.pdf"_s;
        mensaje = u"No se puede escribir el archivo PDF «%1»: compruebe que se puede escribir en "
                  u"la carpeta, o elija otra"_s.arg(ruta);
    } else if (caso == u"nombre"_s) {
        const QString largo = QString(300, u'x') + u".pdf"_s;
        ruta = carpeta->filePath(largo);
        mensaje = u"El nombre «%1» no vale para un archivo: elija uno más corto"_s.arg(largo);
    } else {
        QFile anterior(ruta);
        QVERIFY(anterior.open(QIODevice::WriteOnly));
        anterior.write("el PDF de antes");
        anterior.close();
        mensaje = u"No se pudo terminar de escribir el archivo PDF «%1»: puede que el disco esté "
                  u"lleno. No se ha guardado nada"_s.arg(ruta);
    }
    const QStringList antes = Archivos(carpetaDelPdf);
    const QStringList estado = EstadoVisible(valoracion);
    QPrinter impresora(QPrinter::HighResolution);
    PrepararImpresora(impresora);
    const auto escribir = [&](const QString& destino) {
        EscribirPdf(destino, impresora.pageLayout(), impresora.resolution(),
                    [&valoracion](QPagedPaintDevice& pdf) { valoracion.Imprimir(pdf); });
    };
    QString visto;
    try {
        const std::unique_ptr<DiscoLleno> disco =
            caso == u"lleno"_s ? std::make_unique<DiscoLleno>(16 * 1024) : nullptr;
        escribir(ruta);
    } catch (const ErrorImpresion& error) {
        visto = QString::fromUtf8(error.what());
    }
    QCOMPARE(visto, mensaje);
    QCOMPARE(Archivos(carpetaDelPdf), antes);
    if (caso == u"lleno"_s) {
        QFile anterior(ruta);
        QVERIFY(anterior.open(QIODevice::ReadOnly));
        QCOMPARE(anterior.readAll(), QByteArray("el PDF de antes"));
    }
    QCOMPARE(EstadoVisible(valoracion), estado);
    const QString bueno = carpeta->filePath(u"despues.pdf"_s);
    escribir(bueno);
    QCOMPARE(PaginasDelPdf(bueno).size(), 1);
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
    const QStringList antes = EstadoVisible(valoracion);
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
    QCOMPARE(EstadoVisible(valoracion), antes);
    QCOMPARE(Imprimir(valoracion, u"despues.pdf"_s).size(), 1);
}

void PruebasImpresion::lineasEnteras_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QStringList>("parrafos"); // the lines as pasted
    QTest::addColumn<QString>("medida");       // the line is as wide as this at the smallest size
    const QString pegado = u"Golf GTI\nEdición 40 aniversario\nRojo Tornado"_s;
    const QStringList lineas{u"Golf GTI"_s, u"Edición 40 aniversario"_s, u"Rojo Tornado"_s};
    const QString bastidor = u"WVWZZZ1KZAW000001WVWZZZ1KZAW000002"_s;
    QTest::newRow("a model in a narrow box")
        << u"A3 Sportback 35 TFSI"_s << QStringList{u"A3 Sportback 35 TFSI"_s} << u"Sportback"_s;
    QTest::newRow("pasted lines, a word as wide as the line")
        << pegado << lineas << u"aniversario"_s;
    QTest::newRow("pasted lines, the widest as wide as the line")
        << pegado << lineas << u"Edición 40 aniversario"_s;
    QTest::newRow("line ends of every kind, a blank line, a last line break")
        << u"Golf GTI\r\n\r\nEdición 40\u2028aniversario\u2029Rojo\vTornado\fRojo\rTornado\n"_s
        << QStringList{u"Golf GTI"_s, u""_s,        u"Edición 40"_s, u"aniversario"_s,
                       u"Rojo"_s,     u"Tornado"_s, u"Rojo"_s,       u"Tornado"_s}
        << u"Golf GTI"_s;
    QTest::newRow("a word wider than the line")
        << bastidor + u" Rojo"_s << QStringList{bastidor + u" Rojo"_s} << u"WVWZZZ1K"_s;
    QTest::newRow("a line narrower than a letter")
        << u"Golf GTI"_s << QStringList{u"Golf GTI"_s} << u""_s;
    QTest::newRow("a no-break space holds its words together")
        << u"Edición\u00A040 aniversario"_s << QStringList{u"Edición\u00A040 aniversario"_s}
        << u"Edición 40"_s;
    QTest::newRow("blanks inside a line kept, at its ends dropped")
        << u"  Golf   GTI  Rojo "_s << QStringList{u"  Golf   GTI  Rojo "_s} << u"Golf   GTI"_s;
}

// A text's lines on paper hold each pasted line on its own; each is broken only at blanks, as
// late as the line allows; only a word wider than the line is broken, at the line's edge.
void PruebasImpresion::lineasEnteras() {
    QFETCH(QString, texto);
    QFETCH(QStringList, parrafos);
    QFETCH(QString, medida);
    QFont fuente(u"DejaVu Sans"_s);
    fuente.setPixelSize(kPixelesLegibles);
    const QFontMetricsF metrica(fuente);
    const qreal ancho = metrica.horizontalAdvance(medida) + 0.5;
    const auto cabe = [&](const QString& t) { return metrica.horizontalAdvance(t) <= ancho; };
    const auto sinBlancos = [](QString t) { return t.remove(u' '); };
    const QStringList lineas = EnLineas(texto, fuente, ancho);
    const QString todas = u"\n"_s + lineas.join(u"\n"_s);
    qsizetype i = 0;
    for (const QString& parrafo : parrafos) {
        // The lines of this paragraph, and no more: their characters are its own.
        QStringList suyas;
        while (i < lineas.size() &&
               (suyas.isEmpty() || sinBlancos(suyas.join(QString())) != sinBlancos(parrafo)))
            suyas << lineas[i++];
        QVERIFY2(sinBlancos(suyas.join(QString())) == sinBlancos(parrafo), qPrintable(todas));
        if (parrafo.isEmpty()) {
            QCOMPARE(suyas, QStringList{QString()}); // a blank line stays a line
            continue;
        }
        qsizetype desde = parrafo.indexOf(QRegularExpression(u"[^ ]"_s));
        for (qsizetype n = 0; n < suyas.size(); ++n) {
            const QString& linea = suyas[n];
            QCOMPARE(linea, linea.trimmed());
            QCOMPARE(parrafo.indexOf(linea, desde), desde); // as the paragraph has it
            const qsizetype fin = desde + linea.size();
            // Only a letter fits no line narrower than itself.
            QVERIFY2(cabe(linea) || linea.size() == 1, qPrintable(todas));
            if (n + 1 == suyas.size())
                break;
            const QString& siguiente = suyas[n + 1];
            if (parrafo[fin] == u' ') {
                // At a blank, where the next word does not fit after it.
                const QString palabra = siguiente.section(u' ', 0, 0);
                QVERIFY2(!cabe(parrafo.mid(desde, parrafo.indexOf(palabra, fin) - desde) + palabra),
                         qPrintable(todas));
            } else {
                // Inside a word, where the next letter does not fit: the word is wider than
                // the line.
                QVERIFY2(!cabe(linea + siguiente.left(1)), qPrintable(todas));
                const QString palabra =
                    parrafo.mid(parrafo.lastIndexOf(u' ', fin) + 1).section(u' ', 0, 0);
                QVERIFY2(!cabe(palabra), qPrintable(todas));
            }
            desde = parrafo.indexOf(siguiente, fin);
        }
    }
    QVERIFY2(i == lineas.size(), qPrintable(todas));
}

void PruebasImpresion::menorAntesDePartir_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("medida"); // the room inside the box is as wide as this
    QTest::addColumn<int>("aPixeles");   // at this size
    QTest::addColumn<bool>("corrido");   // the empty paper beside the box holds the text
    QTest::addColumn<int>("pixeles");
    QTest::addColumn<QStringList>("lineas");
    const QString modelo = u"A3 Sportback 35 TFSI"_s;
    const QString pegado = u"Golf GTI\nEdición 40 aniversario\nRojo Tornado"_s;
    const int menor = kPixelesLegibles;
    QTest::newRow("at its own size") << u"A3 Sportback"_s << u"A3 Sportback"_s << 11 << false << 11
                                     << QStringList{u"A3 Sportback"_s};
    QTest::newRow("smaller, not broken")
        << modelo << modelo << 8 << false << 8 << QStringList{modelo};
    QTest::newRow("at the smallest size, broken at blanks")
        << modelo << u"Sportback"_s << menor << false << menor
        << QStringList{u"A3"_s, u"Sportback"_s, u"35 TFSI"_s};
    QTest::newRow("at the smallest size, running on over the empty paper")
        << modelo << u"Sportback"_s << menor << true << menor << QStringList{modelo};
    QTest::newRow("pasted lines, each fitting smaller")
        << pegado << u"Edición 40 aniversario"_s << 9 << true << 9
        << QStringList{u"Golf GTI"_s, u"Edición 40 aniversario"_s, u"Rojo Tornado"_s};
    QTest::newRow("pasted lines, broken at the smallest size")
        << pegado << u"aniversario"_s << menor << true << menor
        << QStringList{u"Golf GTI"_s, u"Edición 40"_s, u"aniversario"_s, u"Rojo"_s, u"Tornado"_s};
}

// An edit field's text is made smaller, down to the smallest legible size, before it is run on
// or broken; pasted lines stay lines and never run on.
void PruebasImpresion::menorAntesDePartir() {
    QFETCH(QString, texto);
    QFETCH(QString, medida);
    QFETCH(int, aPixeles);
    QFETCH(bool, corrido);
    QFETCH(int, pixeles);
    QFETCH(QStringList, lineas);
    QLineEdit campo;
    QFont fuente(u"DejaVu Sans"_s);
    fuente.setPixelSize(aPixeles);
    const int ancho = static_cast<int>(std::ceil(QFontMetricsF(fuente).horizontalAdvance(medida)));
    fuente.setPixelSize(11);
    campo.setFont(fuente);
    campo.setText(texto);
    const int libre = corrido ? 10 * ancho : ancho;
    const TextoEnCaja impreso = Acomodar(campo, ancho, libre);
    QCOMPARE(impreso.fuente.pixelSize(), pixeles);
    QCOMPARE(impreso.lineas, lineas);
}

void PruebasImpresion::textoPegadoEntero_data() {
    QTest::addColumn<QString>("ventana");
    QTest::addColumn<QString>("campo");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("palabras"); // every word fits its box at the smallest size
    const QString lineas = u"Golf GTI\nEdición 40 aniversario\nRojo Tornado"_s;
    const QString bastidor = u"WVWZZZ1KZAW000001WVWZZZ1KZAW000002"_s;
    QString largo; // 200 characters in words
    for (int n = 1; largo.size() < 200; ++n)
        largo += u"palabra%1 "_s.arg(n, 2, 10, QLatin1Char('0'));
    largo.truncate(200);
    // clang-format off
    QTest::newRow("valuation, a long model") << u"Form1"_s << u"EMarca"_s << u"A3 Sportback 35 TFSI"_s << true;
    QTest::newRow("valuation, pasted lines") << u"Form1"_s << u"EMarca"_s << lineas << true;
    QTest::newRow("valuation, lines in a list") << u"Form1"_s << u"ENombreMarca"_s << lineas << true;
    QTest::newRow("valuation, one long word") << u"Form1"_s << u"EMatricula"_s << bastidor << false;
    QTest::newRow("valuation, 200 characters") << u"Form1"_s << u"EBastidor"_s << largo << true;
    QTest::newRow("certificate, pasted lines") << u"Form2"_s << u"EInfoAdicional1"_s << lineas << true;
    QTest::newRow("certificate, one long word") << u"Form2"_s << u"EMatricula"_s << bastidor << false;
    QTest::newRow("certificate, 200 characters") << u"Form2"_s << u"ENumTaller"_s << largo << true;
    QTest::newRow("certificate, lines in a signature block") << u"Form2"_s << u"EVendedor"_s << lineas << true;
    QTest::newRow("certificate, 200 characters in a signature block") << u"Form2"_s << u"EComprador"_s << largo << true;
    // clang-format on
}

// Text pasted into a field reaches the paper whole: every character in order, a word longer
// than the box broken, not cut; every other word whole, so a search of the PDF finds it; each
// pasted line a phrase, ending a line of the PDF; and no word stands out of its box.
void PruebasImpresion::textoPegadoEntero() {
    QFETCH(QString, ventana);
    QFETCH(QString, campo);
    QFETCH(QString, texto);
    QFETCH(bool, palabras);
    QWidget* control = Campo(ventana, campo);
    QVERIFY(control != nullptr);
    auto* edicion = qobject_cast<QLineEdit*>(control);
    if (auto* lista = qobject_cast<QComboBox*>(control))
        edicion = lista->lineEdit();
    QVERIFY(edicion != nullptr);
    QApplication::clipboard()->setText(texto);
    edicion->selectAll();
    edicion->paste();
    QCOMPARE(edicion->text(), texto);
    const QString archivo = u"pegado.pdf"_s;
    const QStringList fuera = ImprimirYMedir(Ventana(ventana), archivo);
    const QString impreso = TextoEnBruto(carpeta->filePath(archivo));
    const QString seguido = QString(impreso).remove(QRegularExpression(u"\\s"_s));
    QVERIFY2(seguido.contains(QString(texto).remove(QRegularExpression(u"\\s"_s))),
             qPrintable(impreso));
    QVERIFY2(fuera.isEmpty(), qPrintable(fuera.join(u", "_s)));
    if (!palabras)
        return;
    const QStringList impresas = impreso.simplified().split(u' ');
    for (const QString& palabra : texto.simplified().split(u' '))
        QVERIFY2(impresas.contains(palabra), qPrintable(palabra + u" missing or cut"_s));
    const QStringList pegadas = texto.split(u'\n');
    for (qsizetype i = 0; i < pegadas.size(); ++i) {
        QVERIFY2(impreso.simplified().contains(pegadas[i]), qPrintable(pegadas[i]));
        if (i + 1 < pegadas.size()) {
            // The line break stays: the next pasted line does not go on on the same line.
            const QString junta =
                pegadas[i].section(u' ', -1) + u' ' + pegadas[i + 1].section(u' ', 0, 0);
            QVERIFY2(!impreso.contains(junta), qPrintable(junta));
        }
    }
}

void PruebasImpresion::tintaCortada_data() {
    QTest::addColumn<QString>("corte");
    QTest::addColumn<int>("pixeles"); // the letters' size on the sheet
    QTest::addColumn<bool>("oscuro"); // light letters on a dark ground
    QTest::addColumn<QStringList>("cortadas");
    const int menor = kPixelesLegibles;
    const QStringList todas{u"Sello"_s, u"del"_s, u"taller"_s};
    // clang-format off
    QTest::newRow("whole") << u"ninguno"_s << menor << false << QStringList{};
    QTest::newRow("whole, at the sheet's size, light on dark") << u"ninguno"_s << 11 << true << QStringList{};
    QTest::newRow("one letter too narrow") << u"derecha"_s << menor << false << QStringList{u"taller"_s};
    QTest::newRow("one letter too narrow, at the sheet's size") << u"derecha"_s << 11 << false << QStringList{u"taller"_s};
    QTest::newRow("one letter too narrow, light on dark") << u"derecha"_s << menor << true << QStringList{u"taller"_s};
    QTest::newRow("aligned right, its start cut") << u"izquierda"_s << menor << false << QStringList{u"Sello"_s};
    QTest::newRow("its foot cut by a box too short") << u"abajo"_s << 11 << false << todas;
    QTest::newRow("its head cut by a box too short") << u"arriba"_s << 11 << false << todas;
    QTest::newRow("its end painted over") << u"cubierto"_s << menor << false << QStringList{u"taller"_s};
    // clang-format on
}

// The ink check sees a text cut inside its own box, which the PDF's text still reads whole:
// "Sello del taller" drawn as printing draws a caption, at the smallest size and the sheet's.
void PruebasImpresion::tintaCortada() {
    QFETCH(QString, corte);
    QFETCH(int, pixeles);
    QFETCH(bool, oscuro);
    QFETCH(QStringList, cortadas);
    const QString leyenda = u"Sello del taller"_s;
    const QString ruta = carpeta->filePath(u"sello.pdf"_s);
    {
        QPdfWriter pdf(ruta);
        QPainter pintor(&pdf);
        // A4 at the scale the sheet prints at, 180 mm for 627 pixels.
        pintor.scale(180 / 25.4 * pdf.resolution() / 627, 180 / 25.4 * pdf.resolution() / 627);
        QFont fuente(u"DejaVu Sans"_s);
        fuente.setPixelSize(pixeles);
        pintor.setFont(fuente);
        const QFontMetricsF metrica(fuente);
        const QRectF caja(50, 50, metrica.horizontalAdvance(leyenda), metrica.height());
        const QColor fondo = oscuro ? Qt::black : Qt::white;
        pintor.fillRect(caja.adjusted(-10, -10, 10, 10), fondo);
        pintor.setPen(oscuro ? Qt::yellow : Qt::black);
        QRectF dibujo = caja;
        Qt::Alignment alineacion = Qt::AlignLeft | Qt::AlignVCenter;
        const qreal medioX = metrica.xHeight() / 2;
        const qreal base = caja.top() + metrica.ascent();
        if (corte == u"derecha"_s)
            dibujo.setWidth(metrica.horizontalAdvance(u"Sello del talle"_s));
        else if (corte == u"izquierda"_s) {
            dibujo.setLeft(caja.left() + metrica.horizontalAdvance(u"Se"_s));
            alineacion = Qt::AlignRight | Qt::AlignVCenter;
        } else if (corte == u"abajo"_s)
            pintor.setClipRect(
                QRectF(caja.left(), caja.top(), caja.width(), base - medioX - caja.top()));
        else if (corte == u"arriba"_s)
            pintor.setClipRect(QRectF(caja.left(), base - medioX, caja.width(), caja.height()));
        pintor.drawText(dibujo, alineacion, leyenda);
        pintor.setClipping(false);
        if (corte == u"cubierto"_s) {
            const qreal desde = caja.left() + metrica.horizontalAdvance(u"Sello del tall"_s);
            pintor.fillRect(QRectF(desde, caja.top(), caja.right() - desde, caja.height()), fondo);
        }
    }
    QCOMPARE(TextoEnBruto(ruta).simplified(), leyenda); // the text reads whole
    QStringList vistas;
    for (const QString& cortada : SinTinta(ruta))
        vistas << cortada.section(u' ', 0, 0);
    QCOMPARE(vistas, cortadas);
}

void PruebasImpresion::nadaRecortado_data() {
    QTest::addColumn<QString>("ventana");
    QTest::addColumn<bool>("llenos"); // every field holds a long text of several words
    QTest::newRow("valuation") << u"Form1"_s << false;
    QTest::newRow("certificate") << u"Form2"_s << false;
    QTest::newRow("valuation, every field long") << u"Form1"_s << true;
    QTest::newRow("certificate, every field long") << u"Form2"_s << true;
}

// Every word printed lies inside the box of the control that drew it, and its ink reaches
// across its box: no caption, field or block is cut at its edge or inside its box, on any page,
// whatever the sheet holds. Every control of the sheet is looked at, so a new one needs no row.
void PruebasImpresion::nadaRecortado() {
    QFETCH(QString, ventana);
    QFETCH(bool, llenos);
    AlCertificado();
    TMarco& v = Ventana(ventana);
    if (llenos) {
        // Written without their signals: paper reads what the fields hold, nothing recalculates.
        const QString largo = u"Golf GTI Edición 40 aniversario Rojo Tornado"_s;
        for (QLineEdit* campo : v.hoja()->findChildren<QLineEdit*>()) {
            const QSignalBlocker quieto(campo);
            campo->setText(largo);
        }
        for (QPlainTextEdit* memo : v.hoja()->findChildren<QPlainTextEdit*>()) {
            const QSignalBlocker quieto(memo);
            memo->setPlainText(largo + u'\n' + largo);
        }
    }
    const QStringList fuera = ImprimirYMedir(v, u"entero.pdf"_s);
    QVERIFY2(fuera.isEmpty(), qPrintable(fuera.join(u", "_s)));
}

MORVEX_TEST_MAIN(PruebasImpresion)
#include "tst_impresion.moc"
