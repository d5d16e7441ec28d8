// Construction of the certificate sheet from tables: every control with its name, caption, place
// and looks, what a screen reader calls it, the checklist from its one table.
// Behaviour is in form2.cpp.

#include "comprobaciones.h"
#include "controles.h"
#include "form2.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <iterator>

namespace {

constexpr unsigned kRosado = 0x00C0C0FF;

constexpr Estilo kTituloSeccion{.px = 17, .negrita = true};
constexpr Estilo kAzulNegrita{.tinta = kAzul, .negrita = true};
constexpr Estilo kMarinoSobreBlanco{.fondo = kBlanco, .tinta = kMarino, .negrita = true};

// Checklist rows: a heading row above each group, its first item row kPrimeraFila below it,
// the others kPasoFila apart (the rows overlap by 2), and the next group's heading
// kSiguienteGrupo below the last item row.
constexpr int kAltoFila = 17;
constexpr int kPrimeraFila = 20;
constexpr int kPasoFila = 15;
constexpr int kSiguienteGrupo = 25;
constexpr int kArribaLista = 640; // the first heading row

// Top of the heading row of group `g` (0-based); past the last group, where the next would go.
constexpr int ArribaGrupo(size_t g) {
    int arriba = kArribaLista;
    for (size_t i = 0; i < g; ++i)
        arriba +=
            kPrimeraFila + kPasoFila * (kGrupos[i].ultimo - kGrupos[i].primero) + kSiguienteGrupo;
    return arriba;
}

// The lower sheet hangs from the checklist: the ITV section a little below its last item row,
// and each section below from the one above it. A new item moves them all.
constexpr int kFinLista = ArribaGrupo(kGrupos.size()) - kSiguienteGrupo + kAltoFila;
constexpr int kArribaItv = kFinLista + 19;          // "Estado de la ITV"
constexpr int kArribaTotal = kArribaItv + 88;       // "TOTAL PUNTUACION"
constexpr int kArribaNota = kArribaTotal + 112;     // the row of the score fields
constexpr int kArribaPrecio = kArribaNota + 158;    // seller's price, corrected score, "Calcular"
constexpr int kArribaConforme = kArribaPrecio + 74; // the agreement of seller and buyer
constexpr int kArribaFecha = kArribaConforme + 104; // the date line

// One control a row reads best.
// clang-format off
constexpr Etiqueta kEtiquetas[] = {
    {"Label1", "Certificado Calidad Morvex Vehiculos Ocasion", 112, 8,
     {.tinta = kTintaTitulo, .px = 12, .negrita = true}},
    {"Label2",
     "Certificando un vehiculo de ocasion con el sistema Morvex, se podra tener la seguridad de \n"
     "que tanto el comprador como el vendedor valoraron objetivamente el estado del coche y en \n"
     "funcion de los resultados obtenidos con rango entre cero y diez (0-10) la tasacion del "
     "coche \n"
     "de ocasion va a ser la idonea para el estado del automovil\n"
     "\n"
     "La certificacion Morvex consta de tres tipos de valoraciones perfectamente "
     "diferenciadas:\n"
     "•(1)Extraccion de datos de la UCE del coche (Valoracion objetiva)\n"
     "•(2)Tasacion Valoracion Morvex de compra venta coches ocasion (Puntuacion subjetiva)\n"
     "•(3)Inspeccion ocular del coche realizada por profesional del sector (Inspeccion "
     "subjetiva)\n",
     8, 32, kNegrita, 609},
    {"Label3", "(1) Valoracion Objetiva", 8, 176, kTituloSeccion},
    {"Label4", "Protocolo UCE:", 8, 208, kNegrita},
    {"Label5", "Nº Recambio:", 8, 240, kNegrita},
    {"Label9", "Tipo Sistema:", 336, 232, kNegrita},
    {"Label6", "Codificacion:", 8, 264, kNegrita},
    {"Label10", "Nº Taller:", 360, 256, kNegrita},
    {"Label7", "Infor.Adicional:", 8, 288, {}},
    {"Label8", "Infor.Adicional:", 8, 304, {}},
    {"Label12",
     "Se Certifica que los datos anteriores fueron extraidos de la Unidad central electronica "
     "(UCE) por el \n"
     "Aparato de diagnosis o Scanner Morvex, perteneciendo al vehiculo:",
     8, 416, {}},
    {"Label13", "Coche", 8, 456, {}},
    {"Label14", "Bastidor:", 256, 456, {}},
    {"Label15", "Matricula:", 488, 456, {}},
    {"Label16", "2) Puntuacion Subjetiva", 8, 480, kTituloSeccion},
    {"Label17",
     "Los puntos valoracion coche y porcentaje depreciacion coche de la Tasacion Valoracion \n"
     "Morvex para la compra venta automoviles ocasion reseñado anteriormente (teniendo en \n"
     "cuenta que cada ±50 puntos del Standard 300 suma o resta 0,5 puntos) son:",
     8, 504, kNegrita},
    {"Label18", "Coche\nNuevo(€)", 8, 552, {}},
    {"Label20", "Valor\nCambio(€)", 160, 552, {}},
    {"Label19", "Precio\nVendedor(€)\n", 304, 552, {}},
    {"Label21", "Puntuacion\nValoracion ", 464, 552, {}},
    {"Label22", "puntos", 584, 560, {}},
    {"Label23", "3) Inspeccion Subjetiva", 8, 608, kTituloSeccion},
    {"Label24",
     "Estado de la ITV: Se sumara 1 punto a la calificacion obtenida, si la Pre-ITV realizada "
     "por el Taller es \n"
     "totalmente satisfactoria. Igualmente se sumara la misma puntuacion (1 punto) cuando el "
     "coche haya \n"
     "pasado recientemente la ITV y se acredite documentalmente. En caso contrario sera 0.",
     8, kArribaItv, {}},
    {"Label25", "TOTAL PUNTUACION (OBJETIVA + SUBJETIVA)", 8, kArribaTotal, kTituloSeccion},
    {"Label26",
     "La media ponderada de los puntos anteriores se basa en un 0 para cuando este todo mal y "
     "un \n"
     "9 cuando la valoracion objetiva/puntuacion subjetiva/Inspeccion subjetiva sean "
     "totalmente \n"
     "satisfactorias. Cada punto verificado se califica en funcion de pertenecer a seguridad "
     "activa, \n"
     "pasiva u accesorios del coche, por lo que la puntuacion del presente CERTIFICADO "
     "verificado \n"
     "a traves del sistema Morvex arriba referenciado es de:",
     8, kArribaTotal + 24, kNegrita},
    {"Label27", "con una puntuacion de", 112, kArribaNota, kNegrita},
    {"Label28", "+", 328, kArribaNota, kNegrita},
    {"Label29", "de la ITV = ", 408, kArribaNota, kNegrita},
    {"Label30", "sobre 10", 544, kArribaNota, kNegrita},
    {"Label31",
     "Un coche con puntuacion TOTAL superior a 4.5 puede ser APTO para usar, pero a medida que "
     "se acerque \n"
     "a 10 sera un automovil en perfecto estado de conservacion y mantenimiento, similar a un "
     "COCHE NUEVO",
     8, kArribaNota + 32, {}},
    {"Label32", "Precio coche segun Vendedor:", 8, kArribaPrecio + 6, kAzulNegrita},
    {"Label33", "euros", 272, kArribaPrecio + 6, kAzulNegrita},
    {"Label34", "Puntuacion corregida = ", 320, kArribaPrecio + 6, kAzulNegrita},
    {"Label35", "PRECIO COMPRA Coche aplicando Puntuaciones OBJETIVAS/SUBJETIVAS=", 16,
     kArribaPrecio + 34,
     kMarinoSobreBlanco},
    {"Label36", "euros", 584, kArribaPrecio + 34, kMarinoSobreBlanco},
    {"Label37", "Conforme VENDEDOR", 136, kArribaConforme, {}},
    {"Label38", "Conforme COMPRADOR", 424, kArribaConforme, {}},
    {"LabelAverias", kLeyendaAverias, 8, 328, {}},
    {"LabelFecha", kLeyendaFecha, 160, kArribaFecha, {}},
};
// clang-format on
// A caption's first line is no taller than an edit box.
static_assert(PieDeTabla(kEtiquetas, kAltoEdicion) <= kAltoHojaCertificado,
              "the certificate sheet must be tall enough for its lowest caption");

struct Columna {
    const char* cabecera; // also the end of its buttons' names
    int xCabecera;
    Calificacion calificacion;
    int xBoton;
};

constexpr Columna kColumnas[] = {{"Bien", 448, Calificacion::Bien, 472},
                                 {"Regular", 506, Calificacion::Regular, 528},
                                 {"Mal", 562, Calificacion::Mal, 584}};

// The buttons whose names begin "Cv", with a lower-case v, rather than "CV".
struct ConVMinuscula {
    int elemento;
    Calificacion calificacion;
};
constexpr ConVMinuscula kConVMinuscula[] = {{44, Calificacion::Bien}, {55, Calificacion::Bien}};
static_assert(std::ranges::all_of(kConVMinuscula,
                                  [](ConVMinuscula c) {
                                      return c.elemento >= 1 &&
                                             c.elemento <= static_cast<int>(kElementos.size());
                                  }),
              "a name with a lower-case v must belong to an item of the checklist");

QFrame* Fila(QWidget* hoja, const QString& nombre, int arriba) {
    auto* fila = new QFrame(hoja);
    fila->setObjectName(nombre);
    PonerFondo(fila, Qt::white);
    fila->setGeometry(0, arriba, 625, kAltoFila);
    return fila;
}

QLabel* Recuadro(QWidget* padre, const QString& nombre, const QString& texto, int x, int ancho) {
    auto* recuadro = new QLabel(texto, padre);
    recuadro->setObjectName(nombre);
    recuadro->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    recuadro->setFont(Fuente("Verdana", 11, true));
    recuadro->setGeometry(x, 0, ancho, kAltoFila);
    return recuadro;
}

} // namespace

QString NombreBotonLista(int elemento, Calificacion calificacion) {
    const Columna* columna =
        std::find_if(std::begin(kColumnas), std::end(kColumnas),
                     [&](const Columna& c) { return c.calificacion == calificacion; });
    if (columna == std::end(kColumnas))
        return {};
    const bool minuscula =
        std::any_of(std::begin(kConVMinuscula), std::end(kConVMinuscula), [&](ConVMinuscula c) {
            return c.elemento == elemento && c.calificacion == calificacion;
        });
    return QStringLiteral("%1%2%3")
        .arg(minuscula ? QStringLiteral("Cv") : QStringLiteral("CV"))
        .arg(elemento)
        .arg(DeTabla(columna->cabecera));
}

void TForm2::CrearHoja() {
    QWidget* hoja = this->hoja();
    CrearEtiquetas(hoja, kEtiquetas, Medida::AlMostrar); // the certificate starts hidden
    LabelAverias = hoja->findChild<QLabel*>(QStringLiteral("LabelAverias"));
    LabelFecha = hoja->findChild<QLabel*>(QStringLiteral("LabelFecha"));

    constexpr Estilo kAmarillaNegrita{.fondo = kAmarillo, .negrita = true};
    constexpr Estilo kResultado{.fondo = kRosado, .negrita = true};
    constexpr Estilo kRojaBlanca{.fondo = kRojo, .tinta = kBlanco, .negrita = true};
    constexpr Estilo kCianNegrita{.fondo = kCianClaro, .negrita = true};
    // clang-format off
    static constexpr Edicion<TForm2> kEdiciones[] = {
        {&TForm2::EProtocoloUCE, "EProtocoloUCE", 104, 208, 153, {}, false, "Label4", nullptr},
        {&TForm2::ENumRecambio, "ENumRecambio", 104, 232, 225, {}, false, "Label5", nullptr},
        {&TForm2::ETipoSistema, "ETipoSistema", 432, 232, 185, {}, false, "Label9", nullptr},
        {&TForm2::ECodificacion, "ECodificacion", 104, 256, 225, {}, false, "Label6", nullptr},
        {&TForm2::ENumTaller, "ENumTaller", 432, 256, 185, {}, false, "Label10", nullptr},
        {&TForm2::EInfoAdicional1, "EInfoAdicional1", 104, 280, 513, {}, false, "Label7", "línea 1"},
        {&TForm2::EInfoAdicional2, "EInfoAdicional2", 104, 304, 513, {}, false, "Label8", "línea 2"},
        {&TForm2::ENombreMarca, "ENombreMarca", 48, 448, 83, {}, false, "Label13", "Marca"},
        {&TForm2::ETipoVehiculo, "ETipoVehiculo", 134, 448, 70, {}, false, "Label13", "Tipo vehiculo"},
        {&TForm2::EMarca, "EMarca", 208, 448, 44, {}, false, "Label13", "Modelo"},
        {&TForm2::EBastidor, "EBastidor", 304, 448, 177, {}, false, "Label14", nullptr},
        {&TForm2::EMatricula, "EMatricula", 544, 448, 73, kNegrita, false, "Label15", nullptr},
        {&TForm2::EPrecioNuevo, "EPrecioNuevo", 64, 552, 73, kCianNegrita, false, "Label18", nullptr},
        {&TForm2::EPrecioCambio, "EPrecioCambio", 224, 552, 73, kAmarillaNegrita, false, "Label20", nullptr},
        {&TForm2::EPrecioVendedor, "EPrecioVendedor", 376, 560, 73, kResultado, false, "Label19", nullptr},
        {&TForm2::EPuntuacionValoracion, "EPuntuacionValoracion", 536, 560, 41, kRojaBlanca, false, "Label21", nullptr},
        {&TForm2::EPuntosAsteriscos, "EPuntosAsteriscos", 8, kArribaNota, 97, kAmarillaNegrita, true, nullptr, "Puntuacion en asteriscos"},
        {&TForm2::EPuntosObtenidos, "EPuntosObtenidos", 264, kArribaNota, 60, kResultado, true, nullptr, "Puntuacion obtenida"},
        {&TForm2::EPuntosITV, "EPuntosITV", 344, kArribaNota, 60, kResultado, true, nullptr, "Puntos de la ITV"},
        {&TForm2::EPuntosTotales, "EPuntosTotales", 480, kArribaNota, 60, kAmarillaNegrita, true, nullptr, "Puntuacion total sobre 10"},
        {&TForm2::EPVPVendedor, "EPVPVendedor", 208, kArribaPrecio + 2, 60, kCianNegrita, true, "Label32", nullptr},
        {&TForm2::EPuntuacion, "EPuntuacion", 480, kArribaPrecio + 2, 60, kRojaBlanca, true, "Label34", nullptr},
        {&TForm2::EPrecioCompra, "EPrecioCompra", 488, kArribaPrecio + 30, 89, kAmarillaNegrita, true, "Label35", nullptr},
        {&TForm2::EVendedor, "EVendedor", 56, kArribaConforme + 48, 305, {}, true, "Label37", nullptr, EnPapel::Firma},
        {&TForm2::EComprador, "EComprador", 400, kArribaConforme + 48, 217, {}, true, "Label38", nullptr, EnPapel::Firma},
    };
    // clang-format on
    static_assert(PieDeTabla(kEdiciones, kAltoEdicion) <= kAltoHojaCertificado,
                  "the certificate sheet must be tall enough for its lowest edit box");
    CrearEdiciones<TForm2>(*this, hoja, kEdiciones, hojaEnPapel_);

    // The fault memory is named by its caption.
    // clang-format off
    static constexpr FilaMemo<TForm2> kMemos[] = {
        {&TForm2::MemoAverias, "MemoAverias", 8, 344, 609, 65, UsoMemo::Escritura, {}, "LabelAverias", nullptr},
        {&TForm2::MemoDefectosEncontrados, "MemoDefectosEncontrados", 8, kArribaNota + 72, 601, 81, UsoMemo::Resultado, {.tinta = kNegro}, nullptr, "Defectos encontrados"},
    };
    // clang-format on
    static_assert(PieDeTabla(kMemos) <= kAltoHojaCertificado,
                  "the certificate sheet must be tall enough for its lowest memo");
    CrearMemos<TForm2>(*this, hoja, kMemos, hojaEnPapel_);

    // clang-format off
    static constexpr FilaCasilla<TForm2> kCasillas[] = {
        {&TForm2::CITV, "CITV", "Marque si la ITV esta pasada o la Pre-ITV del Taller fue totalmente satisfactoria",
         8, kArribaItv + 48, 481, 17, {}, true},
    };
    // clang-format on
    static_assert(PieDeTabla(kCasillas) <= kAltoHojaCertificado,
                  "the certificate sheet must be tall enough for its check box");
    CrearConLeyenda<TForm2, QCheckBox>(*this, hoja, kCasillas);

    static constexpr FilaBoton<TForm2> kBotones[] = {
        {&TForm2::Button3, "Button3", "Calcular", 560, kArribaPrecio, 59, kAltoBoton, {}},
    };
    static_assert(PieDeTabla(kBotones) <= kAltoHojaCertificado,
                  "the certificate sheet must be tall enough for its button");
    CrearConLeyenda<TForm2, QPushButton>(*this, hoja, kBotones);

    // The checklist, from its one table.
    for (size_t g = 0; g < kGrupos.size(); ++g) {
        const GrupoLista& grupo = kGrupos[g];
        QFrame* cabecera = Fila(hoja, QStringLiteral("PanelGrupo%1").arg(g + 1), ArribaGrupo(g));
        Recuadro(cabecera, QStringLiteral("StaticTextGrupo%1").arg(g + 1), DeTabla(grupo.nombre), 8,
                 441);
        for (const Columna& columna : kColumnas) {
            QLabel* titulo = Recuadro(
                cabecera,
                QStringLiteral("StaticTextGrupo%1%2").arg(g + 1).arg(DeTabla(columna.cabecera)),
                DeTabla(columna.cabecera), columna.xCabecera, 60);
            titulo->setAlignment(Qt::AlignCenter);
        }
        int arriba = ArribaGrupo(g) + kPrimeraFila;
        for (int n = grupo.primero; n <= grupo.ultimo; ++n, arriba += kPasoFila) {
            QFrame* fila = Fila(hoja, QStringLiteral("PanelCV%1").arg(n), arriba);
            auto* texto = new QLabel(TituloElemento(n), fila);
            texto->setObjectName(QStringLiteral("StaticTextCV%1").arg(n));
            texto->setGeometry(8, 0, 441, kAltoFila);
            for (size_t c = 0; c < std::size(kColumnas); ++c) {
                auto* boton = new QRadioButton(fila);
                boton->setObjectName(NombreBotonLista(n, kColumnas[c].calificacion));
                boton->setGeometry(kColumnas[c].xBoton, 0, 17, 17);
                CV[n - 1][c] = boton;
            }
        }
    }
}
