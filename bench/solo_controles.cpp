// The floor under the program's start-up: both windows' controls as Qt makes them, of the same
// kinds and in the same numbers, and nothing else. One font (the application's), Qt's own
// palette and style, no names, no screen-reader names, no tables, no worked example, no icon,
// no translations; the second window stays hidden, as the certificate does. What the program
// spends beyond this is what its looks, names and behaviour cost; what this spends beyond the
// one-label window is the price of the controls themselves.
// Built a second time as solo_controles_con_aspecto, with the captions in the seven looks the
// valuation paints at start-up (Verdana 9, 11, 12, 11 bold and 16 bold, the buttons' 13 and 17
// bold), one caption after another: the price of the controls and of the fonts the sheets show.
// Counted in the running program on 10 December 2026 (the controls each window holds, by class,
// Qt's own parts of them apart: a list's line edit, popup and scroll bars come with it; the
// title is one of the captions).

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <iterator>
#include <memory>

namespace {

struct Controles {
    int textos, ediciones, listas, opciones, casillas, paneles, memos, botones;
};

constexpr Controles kValoracion{.textos = 54,
                                .ediciones = 21,
                                .listas = 5,
                                .opciones = 60,
                                .casillas = 3,
                                .paneles = 13,
                                .memos = 1,
                                .botones = 7};
constexpr Controles kCertificado{.textos = 118,
                                 .ediciones = 25,
                                 .listas = 0,
                                 .opciones = 165,
                                 .casillas = 1,
                                 .paneles = 61,
                                 .memos = 2,
                                 .botones = 4};
constexpr int kBotonesAbajo = 3; // "Regresar", the way on and "Imprimir", below the sheet

struct Aspecto {
    int px;
    bool negrita;
};
constexpr Aspecto kAspectos[] = {{9, false}, {11, false}, {12, false}, {11, true},
                                 {16, true}, {13, false}, {17, true}};

void DarAspecto([[maybe_unused]] QWidget* control, [[maybe_unused]] int i) {
#ifdef CON_ASPECTO
    const Aspecto& aspecto = kAspectos[i % std::size(kAspectos)];
    QFont fuente(QStringLiteral("Verdana"));
    fuente.setPixelSize(aspecto.px);
    fuente.setBold(aspecto.negrita);
    control->setFont(fuente);
#endif
}

// A window of the program's size and place: a title, the sheet in a scroll area, the controls
// on the sheet four to a row, and three buttons below it.
std::unique_ptr<QWidget> Ventana(const Controles& c) {
    auto ventana = std::make_unique<QWidget>();
    ventana->setGeometry(268, 1, 656, 739);
    auto* titulo = new QLabel(QStringLiteral("SCANNER: Valoracion Coches Ocasion"), ventana.get());
    titulo->move(88, 4);
    titulo->adjustSize();
    auto* area = new QScrollArea(ventana.get());
    area->setGeometry(0, 32, 648, 615);
    auto* hoja = new QWidget;
    hoja->setFixedSize(627, 2400);
    area->setWidget(hoja);
    int sitio = 0;
    const auto colocar = [&sitio](QWidget* control, int ancho) {
        control->setGeometry(8 + (sitio % 4) * 150, 8 + (sitio / 4) * 24, ancho, 21);
        ++sitio;
    };
    for (int i = 0; i < c.textos; ++i) {
        auto* texto = new QLabel(QStringLiteral("Texto %1 de la hoja").arg(i), hoja);
        DarAspecto(texto, i);
        colocar(texto, 140);
    }
    for (int i = 0; i < c.ediciones; ++i)
        colocar(new QLineEdit(hoja), 140);
    for (int i = 0; i < c.listas; ++i) {
        auto* lista = new QComboBox(hoja);
        lista->setEditable(true);
        lista->addItems({QStringLiteral("NORMAL"), QStringLiteral("BUENO")});
        colocar(lista, 140);
    }
    for (int i = 0; i < c.opciones; ++i)
        colocar(new QRadioButton(hoja), 20);
    for (int i = 0; i < c.casillas; ++i)
        colocar(new QCheckBox(hoja), 20);
    for (int i = 0; i < c.paneles; ++i)
        colocar(new QFrame(hoja), 140);
    for (int i = 0; i < c.memos; ++i)
        colocar(new QPlainTextEdit(hoja), 140);
    for (int i = 0; i < c.botones; ++i) {
        if (i < kBotonesAbajo)
            (new QPushButton(QStringLiteral("Boton"), ventana.get()))
                ->setGeometry(10 + 150 * i, 660, 129, 40);
        else
            colocar(new QPushButton(QStringLiteral("Boton"), hoja), 140);
    }
    return ventana;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication aplicacion(argc, argv);
    const auto valoracion = Ventana(kValoracion);
    const auto certificado = Ventana(kCertificado);
    valoracion->show();
    return aplicacion.exec();
}
