#include "marco.h"

#include "anuncio.h"

#include "controles.h"
#include "deshacer.h"
#include "principio.h"
#include "teclado.h"
#include "vista_previa.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollArea>
#include <QStyleHints>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <functional>
#include <utility>

namespace {

constexpr unsigned kFondoVentana = 0x00719FFF;
constexpr unsigned kTintaCabecera = 0x00D9FFFF;
constexpr int kAnchoVentana = 656;
constexpr int kAltoVentana = 739;
// The scroll box of the sheet, under the title line: its full height, shortened only where the
// window is too low for it and the buttons below.
constexpr QRect kCajaHoja(0, 32, 648, 615);
// Place and outer size of both windows, the frame the window manager draws included: the
// content was laid out for a title bar and borders within 656 x 739.
constexpr QRect kExteriorVentana(268, 1, kAnchoVentana, kAltoVentana);

// Runs an action once, when a window is first exposed: by then the window system has mapped it
// and knows the frame it draws around it.
class AlExponerse : public QObject {
public:
    AlExponerse(QWindow* ventana, std::function<void()> accion)
        : QObject(ventana), accion_(std::move(accion)) {
        ventana->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() == QEvent::Expose && static_cast<QWindow*>(objeto)->isExposed()) {
            objeto->removeEventFilter(this);
            deleteLater();
            accion_();
        }
        return QObject::eventFilter(objeto, evento);
    }

private:
    std::function<void()> accion_;
};

// Runs an action with a widget's new size each time it is resized.
class AlRedimensionarse : public QObject {
public:
    AlRedimensionarse(QWidget* control, std::function<void(QSize)> accion)
        : QObject(control), accion_(std::move(accion)) {
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() == QEvent::Resize)
            accion_(static_cast<QResizeEvent*>(evento)->size());
        return QObject::eventFilter(objeto, evento);
    }

private:
    std::function<void(QSize)> accion_;
};

// The scroll area that holds the whole content. Its content has no layout and so no size hint,
// which makes the area's own hint none as well; QScrollArea works that out only after measuring
// its font, which loads a font engine ("MS Sans Serif", a fallback through fontconfig) at the
// first layout of the window that its first painting never uses: one start-up in a hundred.
class Desplazable : public QScrollArea {
public:
    using QScrollArea::QScrollArea;

    QSize sizeHint() const override {
        const QWidget* contenido = widget();
        if (contenido == nullptr || !widgetResizable() || contenido->sizeHint() != QSize(-1, -1) ||
            horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn ||
            verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn)
            return QScrollArea::sizeHint();
        // What QScrollArea gives then: the frame around no size, far below its font's bounds.
        const int borde = 2 * frameWidth();
        return QSize(borde - 1, borde - 1);
    }
};

// The two windows stand at one place, so the bottom button that brings the other window to the
// front lies under the same button of that window: the second press of a double click, or the
// third of a triple one, lands on it. Such a press, on `botones` of `ventana`, following a press
// in another window (or one of these already passed over) within the double-click interval and
// near the same point, is no press of the user's own: it and its release are passed over, so a
// hurried click never hands over or resets a car the user did not mean to.
class SinClicSeguido : public QObject {
public:
    SinClicSeguido(QWidget* ventana, QList<QWidget*> botones)
        : QObject(ventana), ventana_(ventana), botones_(std::move(botones)) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        const QEvent::Type tipo = evento->type();
        if (!objeto->isWidgetType() ||
            (tipo != QEvent::MouseButtonPress && tipo != QEvent::MouseButtonDblClick &&
             tipo != QEvent::MouseButtonRelease))
            return QObject::eventFilter(objeto, evento);
        const auto* raton = static_cast<QMouseEvent*>(evento);
        auto* control = static_cast<QWidget*>(objeto);
        const bool boton = botones_.contains(control);
        if (tipo == QEvent::MouseButtonRelease) {
            if (boton && pasando_) {
                pasando_ = false;
                return true;
            }
            return QObject::eventFilter(objeto, evento);
        }
        const QPoint donde = raton->globalPosition().toPoint();
        const bool seguida =
            raton->timestamp() >= ultima_ &&
            raton->timestamp() - ultima_ <
                static_cast<ulong>(QGuiApplication::styleHints()->mouseDoubleClickInterval()) &&
            (donde - donde_).manhattanLength() <= QApplication::startDragDistance();
        const bool pasar = boton && seguida && (ajena_ || pasando_);
        // A press passed over counts as the other window's: a triple click passes two.
        if (!pasar)
            ajena_ = control->window() != ventana_;
        ultima_ = raton->timestamp();
        donde_ = donde;
        if (pasar) {
            pasando_ = true;
            return true;
        }
        if (boton)
            pasando_ = false;
        return QObject::eventFilter(objeto, evento);
    }

private:
    QWidget* ventana_;
    QList<QWidget*> botones_;
    ulong ultima_ = 0; // the last press's time and place, anywhere in the program
    QPoint donde_;
    bool ajena_ = false;   // it was in another window
    bool pasando_ = false; // a press on one of `botones_` was passed over, its release not yet
};

} // namespace

QRect ExteriorEnPantalla(const QRect& disponible) {
    if (disponible.isEmpty())
        return kExteriorVentana;
    QRect exterior = kExteriorVentana;
    exterior.setWidth(std::min(exterior.width(), disponible.width()));
    exterior.setHeight(std::min(exterior.height(), disponible.height()));
    exterior.moveLeft(std::clamp(exterior.left(), disponible.left(),
                                 disponible.left() + disponible.width() - exterior.width()));
    exterior.moveTop(std::clamp(exterior.top(), disponible.top(),
                                disponible.top() + disponible.height() - exterior.height()));
    return exterior;
}

QRect AreaSinPaneles(const QRect& disponible, bool panelesDesconocidos) {
    if (!panelesDesconocidos || disponible.isEmpty())
        return disponible;
    QRect area = disponible;
    area.setHeight(std::max(area.height() - kAltoPaneles, area.height() / 2));
    return area;
}

TMarco::TMarco(const DisenoMarco& diseno)
    : titulo_(DeTabla(diseno.titulo)), documento_(DeTabla(diseno.documento)),
      archivo_(DeTabla(diseno.archivo)), unaPagina_(diseno.unaPagina) {
    setObjectName(DeTabla(diseno.nombre));
    setWindowTitle(DeTabla(diseno.nombre));
    // Screen readers name the window by its sheet, not by its title bar.
    setAccessibleName(documento_);
    setFont(Fuente("MS Sans Serif", 11));
    PonerFondo(this, ColorBGR(kFondoVentana));

    // The content keeps its place when the window is resized; a window made smaller than the
    // content scrolls it, a larger one shows the background around it.
    auto* desplazable = new Desplazable(this);
    desplazable->setFrameShape(QFrame::NoFrame);
    desplazable->setWidgetResizable(true);
    auto* cliente = new QWidget;
    desplazable->setWidget(cliente);
    cliente_ = cliente;
    PonerFondo(desplazable->viewport(), ColorBGR(kFondoVentana));
    PonerFondo(cliente, ColorBGR(kFondoVentana));
    auto* capas = new QVBoxLayout(this);
    capas->setContentsMargins(0, 0, 0, 0);
    capas->addWidget(desplazable);

    LabelCaption = new QLabel(titulo_, cliente);
    LabelCaption->setObjectName(QStringLiteral("LabelCaption"));
    LabelCaption->setFont(Fuente("Verdana", 16, true));
    PonerTinta(LabelCaption, ColorBGR(kTintaCabecera));
    LabelCaption->move(88, 4);
    LabelCaption->adjustSize();

    auto* caja = new CajaDeHoja(cliente);
    ScrollBox1 = caja;
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setGeometry(kCajaHoja);
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Panel1 = new QWidget;
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedSize(627, diseno.altoHoja);
    PonerFondo(Panel1, Qt::white);
    PonerTinta(Panel1, ColorBGR(kTintaHoja));
    Panel1->setFont(Fuente("Verdana", 11));
    ScrollBox1->setWidget(Panel1);
    deshacer_ = new OfertaDeshacer(this, caja);

    Button2 = new QPushButton(DeTabla(diseno.textoAvance), cliente);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setFont(Fuente("Verdana", 17, true));
    Button2->setGeometry(QRect(diseno.posAvance, QSize(265, 40)));

    BitBtn13 = new QPushButton(QStringLiteral("Regresar"), cliente);
    BitBtn13->setObjectName(QStringLiteral("BitBtn13"));
    BitBtn13->setFont(Fuente("Verdana", 13));
    PonerTinta(BitBtn13, Qt::black);
    BitBtn13->setGeometry(QRect(diseno.posRegresar, QSize(129, 40)));
    connect(BitBtn13, &QPushButton::clicked, this, &TMarco::BitBtn13Click);

    QWidget* primero = diseno.regresarPrimero ? static_cast<QWidget*>(BitBtn13) : Button2;
    QWidget* segundo = diseno.regresarPrimero ? static_cast<QWidget*>(Button2) : BitBtn13;
    setTabOrder(primero, segundo);
    setTabOrder(segundo, ScrollBox1);
    primero->setFocus();
    // No tab stop that shows nothing; set after the order, which Qt builds wrongly around a
    // scroll area that takes no focus.
    desplazable->setFocusPolicy(Qt::NoFocus);

    // In the free part of the bar, right of "Regresar", in its size and font.
    ButtonImprimir = new QPushButton(QStringLiteral("Imprimir"), cliente);
    ButtonImprimir->setObjectName(QStringLiteral("ButtonImprimir"));
    ButtonImprimir->setFont(BitBtn13->font());
    PonerTinta(ButtonImprimir, Qt::black);
    ButtonImprimir->setGeometry(BitBtn13->geometry().translated(BitBtn13->width() + 16, 0));
    ButtonImprimir->setShortcut(QKeySequence::Print);
    Manejar(this, ButtonImprimir, &QPushButton::clicked, &TMarco::ButtonImprimirClick);

    new SinClicSeguido(this, {Button2, BitBtn13});

    yAvance_ = diseno.posAvance.y();
    yRegresar_ = diseno.posRegresar.y();
    new AlRedimensionarse(desplazable->viewport(), [this](QSize tamano) { Encajar(tamano); });

    Colocar();
    Encajar(size()); // a window not yet shown is fitted as it will show
}

void TMarco::Encajar(QSize tamano) {
    constexpr int kCajaMinima = 120;
    const int abajo = std::max(yAvance_, yRegresar_) + BitBtn13->height();
    const int falta = std::clamp(abajo - tamano.height(), 0, kCajaHoja.height() - kCajaMinima);
    // Narrower than designed, the box keeps its scroll bar at the window's right edge, over
    // the sheet's blank right margin; never narrower than the sheet itself.
    const int ancho =
        std::clamp(tamano.width() - ScrollBox1->x(), Panel1->width(), kCajaHoja.width());
    ScrollBox1->resize(ancho, kCajaHoja.height() - falta);
    Button2->move(Button2->x(), yAvance_ - falta);
    BitBtn13->move(BitBtn13->x(), yRegresar_ - falta);
    ButtonImprimir->move(ButtonImprimir->x(), yRegresar_ - falta);
    // Scroll bars of the window's own only where even that does not fit.
    const QRect contenido = cliente_->childrenRect();
    cliente_->setMinimumSize(contenido.right() + 1, contenido.bottom() + 1);
}

void TMarco::Colocar() {
    QScreen* pantalla = QGuiApplication::screenAt(kExteriorVentana.topLeft());
    if (pantalla == nullptr)
        pantalla = screen();
    QRect disponible;
    if (pantalla != nullptr) {
        // Qt's Wayland platform reports the whole screen as available, panels and all.
        const bool panelesDesconocidos =
            QGuiApplication::platformName().startsWith(QLatin1String("wayland")) &&
            pantalla->availableGeometry() == pantalla->geometry();
        disponible = AreaSinPaneles(pantalla->availableGeometry(), panelesDesconocidos);
    }
    const QRect exterior = ExteriorEnPantalla(disponible);
    // No frame is known before the window is mapped, nor without a window manager.
    const QMargins bordes = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    move(exterior.topLeft());
    resize(exterior.size().shrunkBy(bordes));
}

void TMarco::AlMostrar() {
    if (colocadoConBordes_ || windowHandle() == nullptr)
        return;
    colocadoConBordes_ = true;
    Encajar(cliente_->parentWidget()->size());
    new AlExponerse(windowHandle(), [this] { Colocar(); });
}

void TMarco::setVisible(bool visible) {
    const EventosCallados callados(
        [this](const QAccessibleEvent& evento) { return ControlMostradoUOcultado(evento, this); });
    QWidget::setVisible(visible);
}

bool TMarco::event(QEvent* evento) {
    if (evento->type() == QEvent::WindowActivate)
        FormActivate();
    else if (evento->type() == QEvent::Show)
        AlMostrar();
    return QWidget::event(evento);
}

void TMarco::OrdenarTabulacion(QList<QWidget*> orden) {
    // The undo bar under the sheet, while it shows, then the bottom bar's last button.
    orden << deshacer_->Boton() << ButtonImprimir;
    EncadenarTabulacion(ScrollBox1, orden);
    PrepararTeclado(this, ScrollBox1);
    PrincipioALaVista(Panel1);
}

void TMarco::FormActivate() { LabelCaption->setText(titulo_); }

void TMarco::BitBtn13Click() { close(); }

Impreso TMarco::ComoSeImprime() const {
    Impreso impreso;
    impreso.hoja = Panel1;
    impreso.documento = documento_;
    impreso.archivo = archivo_;
    impreso.seImprime = [fuera = hojaEnPapel_.fuera](const QWidget& control) {
        return !fuera.contains(&control);
    };
    impreso.firmas = hojaEnPapel_.firmas;
    impreso.unaPagina = unaPagina_;
    return impreso;
}

void TMarco::Imprimir(QPagedPaintDevice& papel) {
    MedirPendientes(*this); // a window never shown has its captions sized now
    ImprimirHoja(ComoSeImprime(), papel);
}

bool TMarco::ResultadosAlDia() const { return true; }

void TMarco::Recalcular() {}

QString TMarco::BotonCalcular() const { return {}; }

bool TMarco::AntesDeImprimir() {
    if (ResultadosAlDia())
        return true;
    enum Respuesta { CalcularEImprimir, ImprimirAsi, Cancelar };
    const int respuesta =
        Preguntar(this,
                  QStringLiteral("Los resultados no corresponden a los datos de la hoja.\n"
                                 "«Calcular e imprimir» los calcula de nuevo con esos datos, como "
                                 "«%1», y solo imprime si el cálculo termina bien.")
                      .arg(BotonCalcular()),
                  {QStringLiteral("Calcular e imprimir"), QStringLiteral("Imprimir así"),
                   QStringLiteral("Cancelar")});
    switch (respuesta) {
    case CalcularEImprimir:
        // Missing inputs or a failure leave the sheet behind its inputs: nothing is printed.
        Proteger(this, [this] { Recalcular(); });
        return ResultadosAlDia();
    case ImprimirAsi:
        return true;
    default:
        return false;
    }
}

void TMarco::ButtonImprimirClick() {
    if (!AntesDeImprimir())
        return;
    TVistaPrevia vista(ComoSeImprime(), &MostrarError, this);
    // A page turned is said once, by the notification: the page's caption changes unheard.
    const QObject* pagina = vista.findChild<QObject*>(QStringLiteral("LabelPagina"));
    const EventosCallados callados([pagina](const QAccessibleEvent& evento) {
        return evento.object() == pagina && evento.type() == QAccessible::NameChanged;
    });
    connect(&vista, &TVistaPrevia::paginaPasada, &vista,
            [&vista](const QString& texto) { Anunciar(&vista, texto); });
    EsperarAlFrente(&vista);
    vista.exec();
}
