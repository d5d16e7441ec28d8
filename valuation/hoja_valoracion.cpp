// Construction of the valuation sheet from tables: every control with its name, caption, place
// and looks, and what a screen reader calls it. Behaviour is in form1.cpp.

#include "ayudas.h"
#include "controles.h"
#include "criterios.h"
#include "form1.h"
#include "rejilla.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <string_view>

namespace {

constexpr unsigned kRosa = 0x00E0D0FF;
constexpr unsigned kRosaClaro = 0x00F0F0FF;
constexpr unsigned kAguamarina = 0x00FFFF00;

constexpr Estilo kNegrita12{.px = 12, .negrita = true};

// A framed static text or a band: fixed size, text centred or not.
struct Recuadro {
    const char* nombre;
    const char* texto;
    int x, y, ancho, alto;
    Estilo estilo;
    bool centrado;
    bool hundido; // a sunken border
};

constexpr int kAnchoHoja = 627;
constexpr Estilo kBanda{.fondo = kAguamarina, .tinta = kTintaHoja, .px = 12, .negrita = true};

// The criteria grid: the column heads, one row per criterion, and the points scale below the
// last row. What lies below the grid is placed from two anchors, the end of the grid and the
// band of the reconditioning costs, so that a row more or less moves it all.
constexpr int kArribaCabeceras = 208;
constexpr int kArribaCriterios = 240;
constexpr int kPasoCriterio = 32;
constexpr int kArribaPuntuaciones =
    kArribaCriterios + kPasoCriterio * static_cast<int>(kCriterios.size());
constexpr int kFinRejilla = kArribaPuntuaciones + 16;
// Results: points and percentage, then the value of use and the exchange value, each a line.
constexpr int kFilaPuntos = kFinRejilla + 4;
constexpr int kFilaValorUso = kFinRejilla + 38;
constexpr int kFilaValorCambio = kFilaValorUso + 24;
// The band of the reconditioning costs; the costs in rows below it, then the final prices.
constexpr int kBandaCostes = kFinRejilla + 104;
constexpr int kFilaCostes = kBandaCostes + 16;
constexpr int kPasoCoste = 22;
constexpr int kLineaCoste[] = {kFilaCostes, kFilaCostes + kPasoCoste, kFilaCostes + 2 * kPasoCoste};
constexpr int kFilaPrecios = kBandaCostes + 104;
constexpr int kPasoPrecio = 26;
constexpr int kLineaPrecio[] = {kFilaPrecios, kFilaPrecios + kPasoPrecio,
                                kFilaPrecios + 2 * kPasoPrecio};
// A caption stands this far below the top of the edit box on its line.
constexpr int kBajaLeyenda = 4;

// The row panels are Panel3 onwards, one a criterion; Panel2 and Panel14 hold the fuel and
// origin groups.
constexpr int kPrimerPanelFila = 3;
static_assert(kPrimerPanelFila + static_cast<int>(kCriterios.size()) - 1 < 14,
              "the criteria rows' panels Panel3... must stop before Panel14, the origin group's");

// Whether a row of `tabla` is named `nombre`.
template <class Tabla> constexpr bool EnTabla(const Tabla& tabla, std::string_view nombre) {
    return std::ranges::any_of(tabla, [nombre](const auto& fila) { return fila.nombre == nombre; });
}

constexpr bool EsAlgunTituloCriterio(std::string_view nombre) {
    for (size_t fila = 1; fila <= kCriterios.size(); ++fila) {
        if (EsTituloCriterio(nombre, fila))
            return true;
    }
    return false;
}

// One control a row reads best.
// clang-format off
constexpr Etiqueta kEtiquetas[] = {
    {"Label1", kTituloTasacion, 146, 8,
     {.tinta = kTintaTitulo, .px = 12, .negrita = true}},
    {"Label31", "Datos UCE:", 8, 36, kNegrita},
    {"Label32",
     "Para ser válidos los resultados hay que CERTIFICAR que los datos de la UCE se "
     "correspondan con Marca y Bastidor",
     8, 55, {.px = 9}},
    {"Label2", "Coche", 4, 72, {}},
    {"Label3", "Bastidor", 270, 72, {}},
    {"Label4", "Matricula", 476, 72, {}},
    {"Label6", "Precio coche \nnuevo (euros)", 8, 114, kNegrita},
    {"Label7", "Kilometros \ncuadro", 276, 114, kNegrita},
    {"Label8", "Mes Fabricac", 450, 116, kNegrita},
    {"Label9", "Año Fabricac", 450, 141, kNegrita},
    {"LabelValorUso", "Valor de Uso Cliente (Precio del Coche)", 216, kFilaValorUso + 2,
     kNegrita12},
    {"Label28", "€+IVA", 0, kFilaValorUso + kBajaLeyenda, {}},
    {"LabelValorCambio", "Valor de Cambio (Precio TOTAL Compra sin IVA)", 152,
     kFilaValorCambio + 2, kNegrita12},
    {"Label29", "€+IVA", 0, kFilaValorCambio + kBajaLeyenda, {}},
    {"Label19", "Pintura: abrillantar o pintar zonas", 8, kLineaCoste[0] + kBajaLeyenda, {}},
    {"Label20", "Motor: correas, aceites, filtros, etc", 8, kLineaCoste[1] + kBajaLeyenda, {}},
    {"Label21", "Componentes electronicos", 8, kLineaCoste[2] + kBajaLeyenda, {}},
    {"Label22", "Tapizado: limpiar o reponer partes", 316, kLineaCoste[0] + kBajaLeyenda, {}},
    {"Label23", "Frenos, Suspension, Neumaticos", 316, kLineaCoste[1] + kBajaLeyenda, {}},
    {"Label24", "Total Coste Reacondicionado", 316, kLineaCoste[2] + kBajaLeyenda, {}},
    {"Label25", "Precio Compra sin reparar", 196, kLineaPrecio[0] + kBajaLeyenda, kNegrita12},
    {"Label16", "euros", 540, kLineaPrecio[0] + kBajaLeyenda, {}},
    {"Label26", "Precio del coche segun Vendedor", 196, kLineaPrecio[1] + kBajaLeyenda, kNegrita12},
    {"Label17", "euros", 540, kLineaPrecio[1] + kBajaLeyenda, {}},
    {"Label27", "Puntuacion", 196, kLineaPrecio[2] + kBajaLeyenda, kNegrita12},
    {"Label30", "puntos", 540, kLineaPrecio[2] + kBajaLeyenda, {}},
};

// A caption's first line is no taller than an edit box.
static_assert(PieDeTabla(kEtiquetas, kAltoEdicion) <= kAltoHojaValoracion,
              "the valuation sheet must be tall enough for its lowest caption");

constexpr Recuadro kRecuadros[] = {
    {"Label5", "Datos Coche que se pretende comprar o vender", 0, 96, kAnchoHoja, 16, kBanda,
     true, false},
    {"Label10", "Puntuacion subjetiva del vehiculo", 0, 192, kAnchoHoja, 16, kBanda, true, false},
    {"StaticText1", "Conceptos valoracion compra\nen porcentajes", 8, kArribaCabeceras, 241, 30,
     {.fondo = kBlanco, .negrita = true}, false, true},
    {"StaticText18", "PUNTUACIONES", 8, kArribaPuntuaciones, 241, 17, {}, false, true},
    {"StaticText19", "Puntos Valoracion coche", 8, kFilaPuntos + 2, 160, 17, {}, false, true},
    {"StaticText21", "Porcentaje depreciacion Coche", 244, kFilaPuntos + 2, 196, 17, {}, false,
     true},
    {"Label18", "RESTAR AL PRECIO COCHE el Coste Reacondicionamiento del automovil", 0,
     kBandaCostes, kAnchoHoja, 16, kBanda, true, false},
};
// clang-format on

} // namespace

void TForm1::CrearHoja() {
    QWidget* hoja = this->hoja();

    CrearEtiquetas(hoja, kEtiquetas);
    for (const Recuadro& r : kRecuadros) {
        auto* recuadro = Nuevo<QLabel>(hoja, r.nombre);
        recuadro->setText(DeTabla(r.texto));
        Aplicar(recuadro, r.estilo);
        if (r.centrado)
            recuadro->setAlignment(Qt::AlignCenter);
        if (r.hundido)
            recuadro->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        recuadro->setGeometry(r.x, r.y, r.ancho, r.alto);
    }

    constexpr Estilo kAmarillaNegrita{.fondo = kAmarillo, .negrita = true};
    constexpr Estilo kRosada{.fondo = kRosa};
    constexpr Estilo kResultado{.fondo = kRosaClaro};
    constexpr Estilo kPrecio{.fondo = kAmarillo, .tinta = kTintaPrecio, .px = 12, .negrita = true};
    constexpr Estilo kBlanca{.fondo = kBlanco};
    constexpr Estilo kValorUso{.fondo = kCianClaro, .px = 12, .negrita = true};
    constexpr Estilo kValorCambio{.fondo = kNegro, .tinta = kAmarillo, .px = 12, .negrita = true};
    constexpr Estilo kVendedor{
        .fondo = kCianClaro, .tinta = kTintaPrecio, .px = 12, .negrita = true};
    constexpr Estilo kPuntuacion{.fondo = kRojo, .tinta = kBlanco, .px = 12, .negrita = true};
    // clang-format off
    static constexpr Edicion<TForm1> kEdiciones[] = {
        {&TForm1::ENumRecambio, "ENumRecambio", 88, 32, 90, kAmarillaNegrita, true, "Label31", "Nº Recambio"},
        {&TForm1::ECodificacion, "ECodificacion", 182, 32, 75, kAmarillaNegrita, true, "Label31", "Codificacion"},
        {&TForm1::EExtra2, "EExtra2", 261, 32, 290, kAmarillaNegrita, true, "Label31", "Infor.Adicional"},
        {&TForm1::EMarca, "EMarca", 222, 68, 44, kRosada, false, "Label2", "Modelo"},
        {&TForm1::EBastidor, "EBastidor", 322, 68, 150, kRosada, false, "Label3", nullptr},
        {&TForm1::EMatricula, "EMatricula", 533, 68, 90, kRosada, false, "Label4", nullptr},
        {&TForm1::EPVPNuevo, "EPVPNuevo", 100, 118, 73, kAmarillaNegrita, false, "Label6", nullptr},
        {&TForm1::EKilometros, "EKilometros", 352, 118, 97, kAmarillaNegrita, false, "Label7", nullptr},
        {&TForm1::EPuntosObtenidos, "EPuntosObtenidos", 172, kFilaPuntos, 65, kResultado, false, "StaticText19", nullptr},
        {&TForm1::EPorcentaje, "EPorcentaje", 444, kFilaPuntos, 65, kResultado, false, "StaticText21", nullptr},
        {&TForm1::EPVPValoracion, "EPVPValoracion", 0, kFilaValorUso, 65, kValorUso, false, "LabelValorUso", nullptr},
        {&TForm1::EPVPCambio, "EPVPCambio", 0, kFilaValorCambio, 65, kValorCambio, false, "LabelValorCambio", nullptr},
        {&TForm1::EPintura, "EPintura", 244, kLineaCoste[0], 65, kBlanca, false, "Label19", nullptr},
        {&TForm1::EMotor, "EMotor", 244, kLineaCoste[1], 65, kBlanca, false, "Label20", nullptr},
        {&TForm1::EElectronica, "EElectronica", 244, kLineaCoste[2], 65, kBlanca, false, "Label21", nullptr},
        {&TForm1::ETapizado, "ETapizado", 556, kLineaCoste[0], 65, kBlanca, false, "Label22", nullptr},
        {&TForm1::EFrenos, "EFrenos", 556, kLineaCoste[1], 65, kBlanca, false, "Label23", nullptr},
        {&TForm1::ETotalCoste, "ETotalCoste", 556, kLineaCoste[2], 65, kPrecio, true, "Label24", nullptr},
        {&TForm1::EPVPCompra, "EPVPCompra", 470, kLineaPrecio[0], 65, kPrecio, false, "Label25", nullptr},
        {&TForm1::EPVPVendedor, "EPVPVendedor", 470, kLineaPrecio[1], 65, kVendedor, false, "Label26", nullptr},
        {&TForm1::EPuntuacion, "EPuntuacion", 470, kLineaPrecio[2], 65, kPuntuacion, false, "Label27", nullptr},
    };
    // clang-format on
    static_assert(PieDeTabla(kEdiciones, kAltoEdicion) <= kAltoHojaValoracion,
                  "the valuation sheet must be tall enough for its lowest edit box");
    CrearEdiciones<TForm1>(*this, hoja, kEdiciones, hojaEnPapel_);

    struct Lista {
        QComboBox* TForm1::*miembro;
        const char* nombre;
        int x, y, ancho;
        Estilo estilo;
        const char* leyenda; // what a screen reader calls it, as an edit box's row says
        const char* detalle;
        EnPapel papel = EnPapel::Texto;
    };
    // clang-format off
    static constexpr Lista kListas[] = {
        {&TForm1::ENombreMarca, "ENombreMarca", 42, 68, 93, kRosada, "Label2", "Marca"},
        {&TForm1::ETipoVehiculo, "ETipoVehiculo", 137, 68, 83, kRosada, "Label2", "Tipo vehiculo"},
        {&TForm1::EMesFabricacion, "EMesFabricacion", 536, 112, 89, kAmarillaNegrita, "Label8", nullptr},
        {&TForm1::EAnoFabricacion, "EAnoFabricacion", 536, 137, 89, kAmarillaNegrita, "Label9", nullptr},
        {&TForm1::EMesesLeasing, "EMesesLeasing", 520, 162, 105, {}, nullptr, "Meses de leasing"},
    };
    // clang-format on
    CrearNombrados<QComboBox>(*this, hoja, std::span<const Lista>(kListas), hojaEnPapel_,
                              [](QComboBox& lista, const Lista& l) {
                                  lista.setEditable(true);
                                  lista.setInsertPolicy(QComboBox::NoInsert);
                                  lista.setMaxVisibleItems(12);
                                  lista.setGeometry(l.x, l.y, l.ancho, 21);
                              });

    constexpr Estilo kEspecial{.fondo = kAmarillo, .tinta = kTintaHoja, .negrita = true};
    static constexpr FilaCasilla<TForm1> kCasillas[] = {
        {&TForm1::CEspecial1, "CEspecial1", "Especial 1", 176, 120, 96, 16, kEspecial, true},
        {&TForm1::CEspecial2, "CEspecial2", "Especial 2", 176, 136, 96, 16, kEspecial, true},
        {&TForm1::CLeasing, "CLeasing", "Leasing,Renting,RentCar", 350, 164, 166, 16, {}, false},
    };
    // A help names its control: a name the sheet lacks would leave the help without one.
    static_assert(std::ranges::all_of(kAyudas,
                                      [](const Ayuda& ayuda) {
                                          return EsAlgunTituloCriterio(ayuda.nombre) ||
                                                 EnTabla(kEtiquetas, ayuda.nombre) ||
                                                 EnTabla(kCasillas, ayuda.nombre);
                                      }),
                  "every help must name a control of the valuation sheet");
    static_assert(PieDeTabla(kCasillas) <= kAltoHojaValoracion,
                  "the valuation sheet must be tall enough for its lowest check box");
    CrearConLeyenda<TForm1, QCheckBox>(*this, hoja, kCasillas);

    // Origin and fuel: each group on a panel of its own.
    struct Opcion {
        QRadioButton* TForm1::*miembro;
        const char* nombre;
        const char* texto;
        int x, ancho;
        const char* detalle; // what a screen reader calls it
    };
    struct Grupo {
        const char* nombre;
        int x, y, ancho;
        Opcion opciones[3];
    };
    // clang-format off
    static constexpr Grupo kGrupos[] = {
        {"Panel14", 8, 162, 132,
         {{&TForm1::CImportacion, "CImportacion", "Import", 4, 60, "Origen: Import"},
          {&TForm1::CNacional, "CNacional", "Nacional", 64, 68, "Origen: Nacional"},
          {}}},
        {"Panel2", 142, 162, 206,
         {{&TForm1::CGasolina, "CGasolina", "Gasolina", 4, 72, "Combustible: Gasolina"},
          {&TForm1::CDiesel, "CDiesel", "Diesel ", 76, 62, "Combustible: Diesel"},
          {&TForm1::CMixto, "CMixto", "Hibrido", 138, 66, "Combustible: Hibrido"}}},
    };
    // clang-format on

    QList<NombreAccesible> nombres;
    for (const Grupo& g : kGrupos) {
        auto* panel = Nuevo<QFrame>(hoja, g.nombre);
        PonerFondo(panel, Qt::white);
        panel->setGeometry(g.x, g.y, g.ancho, 20);
        for (const Opcion& o : g.opciones) {
            if (o.miembro == nullptr)
                continue;
            auto* opcion = Nuevo<QRadioButton>(panel, o.nombre);
            opcion->setText(DeTabla(o.texto));
            opcion->setGeometry(o.x, 2, o.ancho, 16);
            this->*o.miembro = opcion;
            nombres.append({o.nombre, nullptr, o.detalle});
        }
    }
    NombrarControles(hoja, nombres);

    // Criteria grid: column heads, then one row per criterion, each row's five buttons on a
    // panel of their own so that a row is a group by itself; then the points scale.
    constexpr int kXColumnas = 252;
    constexpr int kPasoColumna = 74;
    constexpr int kAnchoColumna = 72;
    constexpr int kAltoFilaCriterio = 33; // one line into the next row
    for (size_t c = 0; c < kColumnas.size(); ++c) {
        const ColumnaValoracion& columna = kColumnas[c];
        const int x = kXColumnas + kPasoColumna * static_cast<int>(c);
        auto* cabecera = Nuevo<QLabel>(hoja, columna.cabecera);
        cabecera->setText(
            QStringLiteral("%1\n%2").arg(DeTabla(columna.linea1), DeTabla(columna.linea2)));
        cabecera->setAlignment(Qt::AlignCenter);
        cabecera->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        PonerFondo(cabecera, ColorBGR(columna.color));
        cabecera->setGeometry(x, kArribaCabeceras, kAnchoColumna, 30);

        auto* marca = Nuevo<QLabel>(hoja, columna.marca);
        marca->setText(QString::number(PuntosEnColumna(static_cast<int>(c) + 1)));
        marca->setAlignment(Qt::AlignCenter);
        PonerFondo(marca, ColorBGR(columna.color));
        marca->setGeometry(x, kArribaPuntuaciones, kAnchoColumna,
                           kFinRejilla - kArribaPuntuaciones);
    }
    for (size_t fila = 0; fila < kCriterios.size(); ++fila) {
        const Criterio& criterio = kCriterios[fila];
        const int y = kArribaCriterios + kPasoCriterio * static_cast<int>(fila);
        auto* titulo =
            Nuevo<QLabel>(hoja, qPrintable(DeTabla(kTituloCriterio) + QString::number(fila + 1)));
        // The class the criterion counts is the class its caption shows.
        titulo->setText(DeTabla(criterio.linea1) + u'\n' + DeTabla(criterio.linea2) +
                        QStringLiteral(" (") + QLatin1Char(criterio.clase) + u')');
        titulo->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        PonerFondo(titulo, Qt::white);
        titulo->setGeometry(8, y, 241, kAltoFilaCriterio);
        LabelP[fila] = titulo;

        auto* panel = Nuevo<QFrame>(hoja, qPrintable(QStringLiteral("Panel%1").arg(
                                              kPrimerPanelFila + static_cast<int>(fila))));
        panel->setGeometry(kXColumnas, y, kPasoColumna * static_cast<int>(kColumnas.size()),
                           kPasoCriterio);
        for (size_t c = 0; c < kColumnas.size(); ++c) {
            const QString nombre =
                QStringLiteral("CP%1%2").arg(fila + 1).arg(DeTabla(kColumnas[c].sufijo));
            auto* boton = Nuevo<QRadioButton>(panel, qPrintable(nombre));
            PonerFondo(boton, ColorBGR(kColumnas[c].color));
            boton->setGeometry(kPasoColumna * static_cast<int>(c) + 27, 8, 17, 17);
            CP[fila][c] = boton;
        }
    }

    // clang-format off
    static constexpr FilaBoton<TForm1> kBotones[] = {
        {&TForm1::Button6, "Button6", "Ejemplo de calculo", 8, 4, 132, kAltoBoton, {}},
        {&TForm1::Button3, "Button3", "Calcular Precio", 514, kFilaPuntos, 110, kAltoBoton, kNegrita},
        {&TForm1::Button4, "Button4", "Precio Coche sin Reparar", 8, kLineaPrecio[0], 180, kAltoBoton, {}},
        {&TForm1::Button5, "Button5", "Calcular PUNTOS Coche", 8, kLineaPrecio[2] - 2, 180, kAltoBoton, kNegrita},
    };
    // clang-format on
    static_assert(PieDeTabla(kBotones) <= kAltoHojaValoracion,
                  "the valuation sheet must be tall enough for its lowest button");
    CrearConLeyenda<TForm1, QPushButton>(*this, hoja, kBotones);

    // The two values and their "€+IVA" follow their captions on the same line.
    LabelValorUso = hoja->findChild<QLabel*>(QStringLiteral("LabelValorUso"));
    LabelValorCambio = hoja->findChild<QLabel*>(QStringLiteral("LabelValorCambio"));
    const auto aLaDerecha = [](QWidget* antes, QWidget* despues, int separacion) {
        despues->move(antes->geometry().right() + 1 + separacion, despues->y());
    };
    aLaDerecha(LabelValorUso, EPVPValoracion, 4);
    aLaDerecha(EPVPValoracion, hoja->findChild<QLabel*>(QStringLiteral("Label28")), 3);
    aLaDerecha(LabelValorCambio, EPVPCambio, 4);
    aLaDerecha(EPVPCambio, hoja->findChild<QLabel*>(QStringLiteral("Label29")), 3);

    // The criteria's help floats over the sheet where it is asked for, and stays off paper.
    // clang-format off
    static constexpr FilaMemo<TForm1> kMemos[] = {
        {&TForm1::MemoAyuda, "MemoAyuda", 0, 0, 0, 0, UsoMemo::Ayuda, {}, nullptr, "Ayuda del criterio", EnPapel::Nada},
    };
    // clang-format on
    CrearMemos<TForm1>(*this, hoja, kMemos, hojaEnPapel_);
}
