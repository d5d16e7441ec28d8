#pragma once
// The print preview: the document's pages and "Imprimir…", "Guardar PDF…" and "Cerrar", all by
// keyboard (Tab, Enter, Ctrl+P, Escape, PageUp and PageDown, Ctrl++ and Ctrl+-).

#include "impresion.h"

#include <QDialog>
#include <QPrinter>
#include <functional>

class QLabel;
class QPrintPreviewWidget;
class QPushButton;

class TVistaPrevia : public QDialog {
    Q_OBJECT
public:
    // `avisar` shows a failure's message over the window given; the preview stays open after it.
    using Avisar = std::function<void(QWidget*, const QString&)>;
    TVistaPrevia(Impreso impreso, Avisar avisar, QWidget* padre);

    QPrinter& impresora() { return impresora_; }

signals:
    // PageUp or PageDown turned to another page: "Página 2 de 3", for a screen reader to say.
    void paginaPasada(const QString& pagina);

private:
    // "Imprimir…": the system's print dialog, then the pages to the printer or file chosen
    // there; the preview closes once they are printed.
    void Imprimir();
    // "Guardar PDF…": a file dialog in the Documents folder with the document's name, then the
    // PDF, whole or not at all.
    void GuardarPdf();
    // Writes the PDF at `ruta` (EscribirPdf); false after a failure, which it has shown.
    bool Escribir(const QString& ruta);
    void Pintar(QPrinter* destino);
    void Pasar(int paginas);
    void MostrarPagina();

    Impreso impreso_;
    Avisar avisar_;
    QPrinter impresora_;
    QPrintPreviewWidget* vista_;
    QLabel* pagina_;
    bool fallo_ = false; // the last painting for the printer failed
};
