#include "controles.h"

#include <QEvent>
#include <QPointer>
#include <vector>

namespace {

// A caption sized to its text; with a width, that width and the height its lines need.
void Ajustar(QLabel* etiqueta, int ancho) {
    const QSize tamano = TamanoDelTexto(*etiqueta);
    etiqueta->resize(ancho != 0 ? ancho : tamano.width(), tamano.height());
}

// Sizes the captions of a window when it is first shown, before it paints, or when it is
// printed before that (MedirPendientes).
class AjusteAlMostrar : public QObject {
public:
    explicit AjusteAlMostrar(QWidget* ventana) : QObject(ventana), ventana_(ventana) {
        ventana->installEventFilter(this);
    }
    void Anadir(QLabel* etiqueta, int ancho) { pendientes_.push_back({etiqueta, ancho}); }

    void Medir() {
        for (const auto& [etiqueta, ancho] : pendientes_) {
            if (etiqueta != nullptr)
                Ajustar(etiqueta, ancho);
        }
        pendientes_.clear();
        ventana_->removeEventFilter(this);
        deleteLater();
    }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (objeto == ventana_ && evento->type() == QEvent::Show && !pendientes_.empty())
            Medir();
        return false;
    }

private:
    QWidget* ventana_;
    std::vector<std::pair<QPointer<QLabel>, int>> pendientes_;
};

} // namespace

void MedirPendientes(QWidget& ventana) {
    for (QObject* hijo : ventana.children()) {
        if (auto* ajuste = dynamic_cast<AjusteAlMostrar*>(hijo))
            ajuste->Medir();
    }
    // Showing it would polish what it shows; the controls' own requests may have been dropped.
    for (QWidget* control : ventana.findChildren<QWidget*>())
        control->ensurePolished();
}

QSize TamanoDelTexto(const QLabel& etiqueta) {
    if (etiqueta.text().isEmpty())
        return etiqueta.sizeHint(); // an empty label keeps room for one character
    const int alineacion = etiqueta.alignment() & ~(Qt::AlignVCenter | Qt::AlignHCenter);
    return etiqueta.fontMetrics()
        .boundingRect(QRect(0, 0, 2000, 2000), alineacion, etiqueta.text())
        .size();
}

void CrearEtiquetas(QWidget* hoja, std::span<const Etiqueta> etiquetas, Medida medida) {
    AjusteAlMostrar* ajuste = nullptr;
    if (medida == Medida::AlMostrar && !hoja->isVisible())
        ajuste = new AjusteAlMostrar(hoja->window());
    for (const Etiqueta& e : etiquetas) {
        auto* etiqueta = Nuevo<QLabel>(hoja, e.nombre);
        etiqueta->setText(DeTabla(e.texto));
        Aplicar(etiqueta, e.estilo);
        etiqueta->move(e.x, e.y);
        if (ajuste != nullptr)
            ajuste->Anadir(etiqueta, e.ancho);
        else
            Ajustar(etiqueta, e.ancho);
    }
}
