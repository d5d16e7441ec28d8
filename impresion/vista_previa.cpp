#include "vista_previa.h"

#include "archivo_pdf.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <exception>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

QPushButton* Boton(QWidget* padre, const QString& nombre, const QString& texto) {
    auto* boton = new QPushButton(texto, padre);
    boton->setObjectName(nombre);
    boton->setAutoDefault(true); // Enter presses the one with the focus
    return boton;
}

// The frame the window manager draws around `ventana` or, while it has drawn none yet (a window
// just shown), around the window it stands over; none without a window manager.
QMargins Bordes(const QWidget* ventana) {
    for (const QWidget* w = ventana; w != nullptr; w = w->parentWidget()) {
        const QWindow* marco = w->window()->windowHandle();
        if (marco != nullptr && !marco->frameMargins().isNull())
            return marco->frameMargins();
        w = w->window();
    }
    return {};
}

// Qt's own file dialog opens at the size it prefers, taller than a small screen, or one at a
// large scale factor, holds: as it shows, it is cut down to the screen's free area, its frame
// included (as the window manager frames the preview).
class CabeEnPantalla : public QObject {
public:
    CabeEnPantalla(QDialog* dialogo, const QWidget* sobre) : QObject(dialogo), sobre_(sobre) {
        dialogo->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() == QEvent::Show && !evento->spontaneous()) {
            auto* dialogo = static_cast<QWidget*>(objeto);
            const QSize libre = sobre_->screen()->availableSize().shrunkBy(Bordes(sobre_));
            dialogo->resize(dialogo->size().boundedTo(libre));
        }
        return QObject::eventFilter(objeto, evento);
    }

private:
    const QWidget* sobre_;
};

} // namespace

TVistaPrevia::TVistaPrevia(Impreso impreso, Avisar avisar, QWidget* padre)
    : QDialog(padre), impreso_(std::move(impreso)), avisar_(std::move(avisar)),
      impresora_(QPrinter::HighResolution) {
    setObjectName(u"VistaPrevia"_s);
    setWindowTitle(u"Vista previa: "_s + impreso_.documento);
    PrepararImpresora(impresora_);
    impresora_.setDocName(NombreDelTrabajo(impreso_));

    vista_ = new QPrintPreviewWidget(&impresora_, this);
    vista_->setObjectName(u"Paginas"_s);
    vista_->setAccessibleName(impreso_.pie.paginas.arg(impreso_.documento));
    vista_->setViewMode(QPrintPreviewWidget::SinglePageView);
    vista_->setZoomMode(QPrintPreviewWidget::FitInView);
    // Keys of the dialog turn and zoom the pages; Tab goes round the three buttons alone.
    vista_->setFocusPolicy(Qt::NoFocus);
    for (QWidget* parte : vista_->findChildren<QWidget*>())
        parte->setFocusPolicy(Qt::NoFocus);
    connect(vista_, &QPrintPreviewWidget::paintRequested, this, &TVistaPrevia::Pintar);
    connect(vista_, &QPrintPreviewWidget::previewChanged, this, &TVistaPrevia::MostrarPagina);

    pagina_ = new QLabel(this);
    pagina_->setObjectName(u"LabelPagina"_s);
    QPushButton* imprimir = Boton(this, u"ButtonImprimir"_s, u"Imprimir…"_s);
    QPushButton* guardar = Boton(this, u"ButtonGuardarPdf"_s, u"Guardar PDF…"_s);
    QPushButton* cerrar = Boton(this, u"ButtonCerrar"_s, u"Cerrar"_s);
    imprimir->setDefault(true);
    connect(imprimir, &QPushButton::clicked, this, &TVistaPrevia::Imprimir);
    connect(guardar, &QPushButton::clicked, this, &TVistaPrevia::GuardarPdf);
    connect(cerrar, &QPushButton::clicked, this, &QDialog::reject);

    auto* botones = new QHBoxLayout;
    botones->addWidget(pagina_);
    botones->addStretch();
    botones->addWidget(imprimir);
    botones->addWidget(guardar);
    botones->addWidget(cerrar);
    auto* capas = new QVBoxLayout(this);
    capas->addWidget(vista_, 1);
    capas->addLayout(botones);
    setTabOrder(imprimir, guardar);
    setTabOrder(guardar, cerrar);

    const auto atajo = [this](const QKeySequence& teclas, auto accion) {
        connect(new QShortcut(teclas, this), &QShortcut::activated, this, accion);
    };
    atajo(QKeySequence::Print, [this] { Imprimir(); });
    atajo(QKeySequence(Qt::Key_PageDown), [this] { Pasar(1); });
    atajo(QKeySequence(Qt::Key_PageUp), [this] { Pasar(-1); });
    atajo(QKeySequence(Qt::Key_Home), [this] { Pasar(-vista_->pageCount()); });
    atajo(QKeySequence(Qt::Key_End), [this] { Pasar(vista_->pageCount()); });
    // Ctrl++ also where "+" needs Shift, as Ctrl+=.
    for (const QKeySequence& teclas :
         {QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)})
        atajo(teclas, [this] { vista_->zoomIn(); });
    atajo(QKeySequence::ZoomOut, [this] { vista_->zoomOut(); });

    // Large enough to read a page.
    const QScreen* pantalla = padre != nullptr ? padre->screen() : screen();
    resize(QSize(800, 960).boundedTo(pantalla->availableSize() * 9 / 10));
    imprimir->setFocus();
}

void TVistaPrevia::Pintar(QPrinter* destino) {
    fallo_ = false;
    try {
        ImprimirHoja(impreso_, *destino);
    } catch (const std::exception& error) {
        fallo_ = true;
        avisar_(this, QString::fromUtf8(error.what()));
    }
}

bool TVistaPrevia::Escribir(const QString& ruta) {
    try {
        EscribirPdf(ruta, impresora_.pageLayout(), impresora_.resolution(),
                    [this](QPagedPaintDevice& pdf) { ImprimirHoja(impreso_, pdf); });
        return true;
    } catch (const std::exception& error) {
        avisar_(this, QString::fromUtf8(error.what()));
        return false;
    }
}

void TVistaPrevia::Imprimir() {
    QPrintDialog dialogo(&impresora_, this);
    dialogo.setWindowTitle(u"Imprimir: "_s + impreso_.documento);
    if (dialogo.exec() != QDialog::Accepted)
        return;
    vista_->updatePreview(); // on the paper and margins chosen there
    if (impresora_.outputFormat() == QPrinter::PdfFormat) {
        // To a file: as "Guardar PDF…" writes it, whole or not at all.
        if (!Escribir(impresora_.outputFileName()))
            return;
    } else {
        vista_->print();
        if (fallo_)
            return;
    }
    accept();
}

void TVistaPrevia::GuardarPdf() {
    QFileDialog dialogo(this, u"Guardar PDF: "_s + impreso_.documento);
    dialogo.setObjectName(u"DialogoGuardarPdf"_s);
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setFileMode(QFileDialog::AnyFile);
    dialogo.setNameFilter(u"Documentos PDF (*.pdf)"_s);
    dialogo.setDefaultSuffix(u"pdf"_s);
    const QFileInfo sugerida(RutaSugerida(NombreDelTrabajo(impreso_)));
    dialogo.setDirectory(sugerida.absolutePath());
    dialogo.selectFile(sugerida.fileName());
    new CabeEnPantalla(&dialogo, this);
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return;
    Escribir(dialogo.selectedFiles().constFirst());
}

void TVistaPrevia::Pasar(int paginas) {
    const int antes = vista_->currentPage();
    vista_->setCurrentPage(std::clamp(antes + paginas, 1, std::max(1, vista_->pageCount())));
    MostrarPagina();
    // At the first or last page the key turns nothing, and nothing new is said.
    if (vista_->currentPage() != antes)
        emit paginaPasada(pagina_->text());
}

void TVistaPrevia::MostrarPagina() {
    pagina_->setText(NumeroDePagina(impreso_.pie, vista_->currentPage(), vista_->pageCount()));
}
