#include "marco.h"

#include "impresion.h"

#include <QEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

const QString kTituloAplicacion = QStringLiteral("Morvex Coches Ocasion");

namespace {

constexpr unsigned kFondoVentana = 0x00719FFF;
constexpr unsigned kTintaCabecera = 0x00D9FFFF;
constexpr int kAnchoVentana = 656;
constexpr int kAltoVentana = 739;

} // namespace

void MostrarError(QWidget* ventana, const QString& mensaje) {
    QMessageBox caja(QMessageBox::Critical, kTituloAplicacion, TextoDelAviso(mensaje),
                     QMessageBox::Ok, ventana);
    caja.exec();
}

TMarco::TMarco(const DisenoMarco& diseno)
    : titulo_(QString::fromUtf8(diseno.titulo)), documento_(QString::fromUtf8(diseno.documento)) {
    setObjectName(QString::fromLatin1(diseno.nombre));
    setWindowTitle(QString::fromLatin1(diseno.nombre));
    setFont(Fuente("MS Sans Serif", 11));
    PonerFondo(this, ColorBGR(kFondoVentana));

    // The content keeps its place when the window is resized; a window made smaller than the
    // content scrolls it.
    auto* desplazable = new QScrollArea(this);
    desplazable->setFrameShape(QFrame::NoFrame);
    auto* cliente = new QWidget;
    cliente->setFixedSize(kAnchoVentana, kAltoVentana);
    desplazable->setWidget(cliente);
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

    ScrollBox1 = new QScrollArea(cliente);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setGeometry(0, 32, 648, 615);
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Panel1 = new QWidget;
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedSize(627, diseno.altoHoja);
    PonerFondo(Panel1, Qt::white);
    PonerTinta(Panel1, ColorBGR(kTintaHoja));
    Panel1->setFont(Fuente("Verdana", 11));
    ScrollBox1->setWidget(Panel1);

    Button2 = new QPushButton(QString::fromLatin1(diseno.textoAvance), cliente);
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

    move(268, 1);
    resize(kAnchoVentana, kAltoVentana);
}

bool TMarco::event(QEvent* evento) {
    if (evento->type() == QEvent::WindowActivate)
        FormActivate();
    // The sheet's controls are made after the frame: only now can "Imprimir" go after them.
    if (evento->type() == QEvent::Show)
        ImprimirUltimoDelTabulador();
    return QWidget::event(evento);
}

void TMarco::ImprimirUltimoDelTabulador() {
    QWidget* ultimo = previousInFocusChain();
    while (ultimo != this && (ultimo == ButtonImprimir || ultimo->focusPolicy() == Qt::NoFocus))
        ultimo = ultimo->previousInFocusChain();
    if (ultimo != this)
        setTabOrder(ultimo, ButtonImprimir);
}

void TMarco::FormActivate() { LabelCaption->setText(titulo_); }

void TMarco::BitBtn13Click() { close(); }

bool TMarco::SeImprime(const QWidget&) const { return true; }

void TMarco::Imprimir(QPrinter& impresora) {
    ImprimirHoja(*Panel1, impresora, documento_,
                 [this](const QWidget& control) { return SeImprime(control); });
}

void TMarco::ButtonImprimirClick() {
    QPrinter impresora(QPrinter::HighResolution);
    PrepararImpresora(impresora);
    impresora.setDocName(documento_);
    QPrintPreviewDialog vista(&impresora, this);
    vista.setWindowTitle(QStringLiteral("Imprimir: ") + documento_);
    // Large enough to read a page; Qt's own size shows a strip of it.
    vista.resize(QSize(800, 960).boundedTo(screen()->availableSize() * 9 / 10));
    // Painted for the preview and again for the printer or the PDF the user chooses there.
    connect(&vista, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* destino) { Proteger(this, [this, destino] { Imprimir(*destino); }); });
    vista.exec();
}
