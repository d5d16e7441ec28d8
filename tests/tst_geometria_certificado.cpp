// Places, looks and checklist captions of the certificate sheet that are given to the pixel, the
// colour and the letter. The figures are typed here, not read from the sheet's tables, so that a
// wrong table or a place computed wrongly from another fails.

#include "apoyo.h"

#include "form2.h"
#include "reloj.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr unsigned kBlancoHoja = 0x00FFFFFF;
constexpr unsigned kTinta = 0x00656549; // the sheet's text
constexpr unsigned kAmarilla = 0x0000FFFF;
constexpr unsigned kRoja = 0x000000FF;
constexpr unsigned kAzulada = 0x00FFFFC0;
constexpr unsigned kRosada = 0x00C0C0FF;

// The checklist's groups: heading row top, first and last item.
struct Grupo {
    const char* nombre;
    int arriba;
    int primero, ultimo;
};

// clang-format off
constexpr Grupo kGruposDados[] = {
    {"Carroceria parte exterior", 640, 1, 10},
    {"Interior coche (Habitaculo)", 820, 11, 17},
    {"Motor", 955, 18, 29},
    {"Prueba en carretera", 1165, 30, 35},
    {"Sistema electrico", 1285, 36, 42},
    {"Parte baja del coche", 1420, 43, 55},
};

constexpr const char* kTextosElementos[] = {
    "1.- Pintura de Fabrica o pintado posterior brillante",
    "2.- Pequeños golpes o rozaduras en la pintura y plasticos carroceria",
    "3.- Sintomas de daños externos de accidentes",
    "4.- Diferencias de color en conjuntos carroceria",
    "5.- Chinazos en Parabrisas, lunas o cristales laterales",
    "6.- Presencia de Oxidos externos u oxidos en uniones de chapas",
    "7.- Funcionamiento suave de puertas y capos",
    "8.- Capo y Porton levantado, ver sintomas de accidentes en chasis",
    "9.- Estado Parachoques delantero/Trasero y guarnecidos laterales",
    "10.- Estado de los bajos del coche",
    "11.- Estado y limpieza Tapizado asientos, puertas y techo",
    "12.- Estado de las Alfombras y Moquetas",
    "13.- Mecanica de los asientos (regulacion,desplazamiento,etc)",
    "14.- Techo electrico y Puertas; accionamientos",
    "15.- Estado del Panel, Cuadro Instrumentos y Volante Direccion",
    "16.- Funcionamiento de las luces y accesorios internos",
    "17.- Suavidad Palanca velocidades, Freno mano y Pedales mando",
    "18.- Fugas de liquidos o aceites en vano motor",
    "19.- Manguitos goma: Sintomas de envejecimiento o ligeras grietas",
    "20.- Nivel aceite y color sin restos de agua (grisaceo)",
    "21.- Nivel liquido frenos, direccion asistida, refrigerante y color liquidos",
    "22.- Presion residual manguitos refrigeracion (Ausencia)",
    "23.- Todas Pegatinas/revisiones motor, correa distrib, etc (Hay/No hay)",
    "24.- Rumorosidad a ralenti. Arranque/Pare motor suave-brusco",
    "25.- Respuesta aceleracion motor a pedal acelerador",
    "26.- Con freno mano y marcha, responde embrague y acelerador",
    "27.- En aceleracion del motor salen exceso de humos por el escape",
    "28.- Con motor a ralenti aflojando tapa llenado aceite ver presion interna",
    "29.- Ausencia de burbujas y restos aceite en bote liquido refrigerante",
    "30.- Cinturones de seguridad con funcionamiento correcto",
    "31.- Respuesta de los frenos",
    "32.- En carretera ausencia de tendencia de tirar hacia los laterales",
    "33.- Aceleracion/Deceleracion acorde con aguja velocimetro/rpm",
    "34.- Suavidad motor/cambio velocidades",
    "35.- Control mandos conductor",
    "36.- Cromado interno de faros, pilotos y estado de los mismos",
    "37.- Accionamiento luces, intermitentes, calefaccion, etc.",
    "38.- Mandos elevalunas, cierre centralizado, techo, etc.",
    "39.- Mandos calefaccion, radio, aire acondicionado, etc.",
    "40.- Tension de bateria (normal = superior a 12V)",
    "41.- Carga alternador (13.5 a 14.3V) con motor a ralenti",
    "42.- Aire acondicionado: se pega el plato al accionar contacto",
    "43.- Neumaticos con desgaste normal en banda de rodadura",
    "44.- Conservacion y aspecto de las llantas",
    "45.- Amortiguacion delantera. Ver mas de 1 rebote en empuje vertical",
    "46.- Amortiguacion trasera. Ver mas de 1 rebote en empuje vertical",
    "47.- Desgaste pastillas de freno y discos freno",
    "48.- Holguras en las ruedas balanceando con las manos",
    "49.- Ausencia de ruidos en rodamientos, homocinetica al giro ruedas",
    "50.- Envejecimiento de latiguillos freno (goma nueva/grietas)",
    "51.- Rotulas direccion y suspension: Holguras",
    "52.- Capuchones Palieres Transmision (goma nueva/grietas)",
    "53.- Sistema de escape (nuevo, oxidado o ruidoso)",
    "54.- Rozaduras y golpes en laterales de la parte inferior",
    "55.- Manchas aceite en parte inferior motor. Sin petrolear",
};
// clang-format on

// The three rating columns: head and buttons.
struct ColumnaDada {
    const char* calificacion;
    int xCabecera;
    int xBoton;
};

constexpr ColumnaDada kColumnasDadas[] = {
    {"Bien", 448, 472}, {"Regular", 506, 528}, {"Mal", 562, 584}};

} // namespace

class PruebasGeometriaCertificado : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void lugar_data();
    void lugar();
    void aspecto_data();
    void aspecto();
    void cabecera_data();
    void cabecera();
    void elemento_data();
    void elemento();

private:
    const QWidget* Control(const QString& nombre) const {
        return ventana_->findChild<QWidget*>(nombre);
    }
    // Where a control stands on the sheet, whatever panel holds it.
    QPoint EnLaHoja(const QWidget& control) const {
        return control.mapTo(ventana_->hoja(), QPoint(0, 0));
    }

    Avisos avisos_;
    std::unique_ptr<TForm2> ventana_;
};

// The sheet as a hand-over leaves it, its captions measured by its first show.
void PruebasGeometriaCertificado::initTestCase() {
    SilenciarPlataforma();
    FijarReloj(MomentoDePrueba(2010, 3));
    ventana_ = std::make_unique<TForm2>();
    ventana_->show();
    ventana_->RecibirValoracion({u"1.9 TDI"_s, u"VSSZZZ1MZ8B000001"_s, u"1234 BCD"_s, u"31470"_s,
                                 u"300"_s, u"10000"_s, u"15.000"_s, u"7"_s, u"SEAT"_s,
                                 u"Familiar"_s});
    Proteger(ventana_.get(), [this] { ventana_->PrepararCertificado(); });
}

void PruebasGeometriaCertificado::cleanupTestCase() {
    ventana_.reset();
    QVERIFY2(avisos_.Vacio(), qPrintable(avisos_.Resumen()));
}

void PruebasGeometriaCertificado::lugar_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QPoint>("esquina");
    QTest::addColumn<int>("ancho"); // 0 where it is its text's
    QTest::addColumn<int>("alto");  // 0 where it is its text's or not given
    struct Lugar {
        const char* control;
        int x, y, ancho, alto;
    };
    // clang-format off
    constexpr Lugar kLugares[] = {
        {"Label1", 112, 8, 0, 0},               {"Label2", 8, 32, 609, 0},
        {"Label3", 8, 176, 0, 0},               {"Label4", 8, 208, 0, 0},
        {"EProtocoloUCE", 104, 208, 153, 21},   {"Label5", 8, 240, 0, 0},
        {"ENumRecambio", 104, 232, 225, 21},    {"Label9", 336, 232, 0, 0},
        {"ETipoSistema", 432, 232, 185, 21},    {"Label6", 8, 264, 0, 0},
        {"ECodificacion", 104, 256, 225, 21},   {"Label10", 360, 256, 0, 0},
        {"ENumTaller", 432, 256, 185, 21},      {"Label7", 8, 288, 0, 0},
        {"EInfoAdicional1", 104, 280, 513, 21}, {"Label8", 8, 304, 0, 0},
        {"EInfoAdicional2", 104, 304, 513, 21}, {"LabelAverias", 8, 328, 0, 0},
        {"MemoAverias", 8, 344, 609, 65},
        {"Label12", 8, 416, 0, 0},              {"Label13", 8, 456, 0, 0},
        {"ENombreMarca", 48, 448, 83, 21},      {"ETipoVehiculo", 134, 448, 70, 21},
        {"EMarca", 208, 448, 44, 21},           {"Label14", 256, 456, 0, 0},
        {"EBastidor", 304, 448, 177, 21},       {"Label15", 488, 456, 0, 0},
        {"EMatricula", 544, 448, 73, 21},
        {"Label16", 8, 480, 0, 0},              {"Label17", 8, 504, 0, 0},
        {"Label18", 8, 552, 0, 0},              {"EPrecioNuevo", 64, 552, 73, 21},
        {"Label20", 160, 552, 0, 0},            {"EPrecioCambio", 224, 552, 73, 21},
        {"Label19", 304, 552, 0, 0},            {"EPrecioVendedor", 376, 560, 73, 21},
        {"Label21", 464, 552, 0, 0},            {"EPuntuacionValoracion", 536, 560, 41, 21},
        {"Label22", 584, 560, 0, 0},
        {"Label23", 8, 608, 0, 0},
        {"Label24", 8, 1656, 0, 0},             {"CITV", 8, 1704, 481, 0},
        {"Label25", 8, 1744, 0, 0},             {"Label26", 8, 1768, 0, 0},
        {"EPuntosAsteriscos", 8, 1856, 97, 21}, {"Label27", 112, 1856, 0, 0},
        {"EPuntosObtenidos", 264, 1856, 60, 21}, {"Label28", 328, 1856, 0, 0},
        {"EPuntosITV", 344, 1856, 60, 21},      {"Label29", 408, 1856, 0, 0},
        {"EPuntosTotales", 480, 1856, 60, 21},  {"Label30", 544, 1856, 0, 0},
        {"Label31", 8, 1888, 0, 0},             {"MemoDefectosEncontrados", 8, 1928, 601, 81},
        {"Label32", 8, 2020, 0, 0},             {"EPVPVendedor", 208, 2016, 60, 21},
        {"Label33", 272, 2020, 0, 0},           {"Label34", 320, 2020, 0, 0},
        {"EPuntuacion", 480, 2016, 60, 21},     {"Button3", 560, 2014, 59, 25},
        {"Label35", 16, 2048, 0, 0},            {"EPrecioCompra", 488, 2044, 89, 21},
        {"Label36", 584, 2048, 0, 0},
        {"Label37", 136, 2088, 0, 0},           {"Label38", 424, 2088, 0, 0},
        {"EVendedor", 56, 2136, 305, 21},       {"EComprador", 400, 2136, 217, 21},
        {"LabelFecha", 160, 2192, 0, 0},
    };
    // clang-format on
    for (const Lugar& l : kLugares)
        QTest::newRow(l.control) << QString::fromLatin1(l.control) << QPoint(l.x, l.y) << l.ancho
                                 << l.alto;
}

void PruebasGeometriaCertificado::lugar() {
    QFETCH(QString, control);
    QFETCH(QPoint, esquina);
    QFETCH(int, ancho);
    QFETCH(int, alto);
    const QWidget* w = Control(control);
    QVERIFY(w != nullptr);
    QCOMPARE(EnLaHoja(*w), esquina);
    if (ancho != 0)
        QCOMPARE(w->width(), ancho);
    if (alto != 0)
        QCOMPARE(w->height(), alto);
}

void PruebasGeometriaCertificado::aspecto_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<uint>("fondo"); // 0x00BBGGRR
    QTest::addColumn<uint>("tinta");
    QTest::addColumn<int>("alto");
    QTest::addColumn<bool>("negrita");
    struct Aspecto {
        const char* control;
        unsigned fondo, tinta;
        int alto;
        bool negrita;
    };
    // clang-format off
    constexpr Aspecto kAspectos[] = {
        {"Label1", kBlancoHoja, 0x008C4646, 12, true},
        {"Label2", kBlancoHoja, kTinta, 11, true},
        // the section titles
        {"Label3", kBlancoHoja, kTinta, 17, true},
        {"Label16", kBlancoHoja, kTinta, 17, true},
        {"Label23", kBlancoHoja, kTinta, 17, true},
        {"Label25", kBlancoHoja, kTinta, 17, true},
        // bold captions
        {"Label4", kBlancoHoja, kTinta, 11, true},
        {"Label5", kBlancoHoja, kTinta, 11, true},
        {"Label9", kBlancoHoja, kTinta, 11, true},
        {"Label6", kBlancoHoja, kTinta, 11, true},
        {"Label10", kBlancoHoja, kTinta, 11, true},
        {"Label17", kBlancoHoja, kTinta, 11, true},
        {"Label26", kBlancoHoja, kTinta, 11, true},
        {"Label27", kBlancoHoja, kTinta, 11, true},
        {"Label28", kBlancoHoja, kTinta, 11, true},
        {"Label29", kBlancoHoja, kTinta, 11, true},
        {"Label30", kBlancoHoja, kTinta, 11, true},
        // the sheet's own look
        {"Label7", kBlancoHoja, kTinta, 11, false},
        {"Label8", kBlancoHoja, kTinta, 11, false},
        {"LabelAverias", kBlancoHoja, kTinta, 11, false},
        {"Label12", kBlancoHoja, kTinta, 11, false},
        {"Label13", kBlancoHoja, kTinta, 11, false},
        {"Label14", kBlancoHoja, kTinta, 11, false},
        {"Label15", kBlancoHoja, kTinta, 11, false},
        {"Label18", kBlancoHoja, kTinta, 11, false},
        {"Label19", kBlancoHoja, kTinta, 11, false},
        {"Label20", kBlancoHoja, kTinta, 11, false},
        {"Label21", kBlancoHoja, kTinta, 11, false},
        {"Label22", kBlancoHoja, kTinta, 11, false},
        {"Label24", kBlancoHoja, kTinta, 11, false},
        {"Label31", kBlancoHoja, kTinta, 11, false},
        {"Label37", kBlancoHoja, kTinta, 11, false},
        {"Label38", kBlancoHoja, kTinta, 11, false},
        {"LabelFecha", kBlancoHoja, kTinta, 11, false},
        {"CITV", kBlancoHoja, kTinta, 11, false},
        {"EProtocoloUCE", kBlancoHoja, kTinta, 11, false},
        {"EBastidor", kBlancoHoja, kTinta, 11, false},
        {"EComprador", kBlancoHoja, kTinta, 11, false},
        {"MemoAverias", kBlancoHoja, kTinta, 11, false},
        // blue, and navy on white
        {"Label32", kBlancoHoja, 0x00FF0000, 11, true},
        {"Label33", kBlancoHoja, 0x00FF0000, 11, true},
        {"Label34", kBlancoHoja, 0x00FF0000, 11, true},
        {"Label35", kBlancoHoja, 0x00800000, 11, true},
        {"Label36", kBlancoHoja, 0x00800000, 11, true},
        // edit boxes of their own look
        {"EMatricula", kBlancoHoja, kTinta, 11, true},
        {"EPrecioNuevo", kAzulada, kTinta, 11, true},
        {"EPrecioCambio", kAmarilla, kTinta, 11, true},
        {"EPrecioVendedor", kRosada, kTinta, 11, true},
        {"EPuntuacionValoracion", kRoja, 0x00FFFFFF, 11, true},
        {"EPuntosAsteriscos", kAmarilla, kTinta, 11, true},
        {"EPuntosObtenidos", kRosada, kTinta, 11, true},
        {"EPuntosITV", kRosada, kTinta, 11, true},
        {"EPuntosTotales", kAmarilla, kTinta, 11, true},
        {"EPVPVendedor", kAzulada, kTinta, 11, true},
        {"EPuntuacion", kRoja, 0x00FFFFFF, 11, true},
        {"EPrecioCompra", kAmarilla, kTinta, 11, true},
        {"MemoDefectosEncontrados", kBlancoHoja, 0x00000000, 11, false},
    };
    // clang-format on
    for (const Aspecto& a : kAspectos)
        QTest::newRow(a.control) << QString::fromLatin1(a.control) << uint{a.fondo} << uint{a.tinta}
                                 << a.alto << a.negrita;
}

// Verdana throughout; an edit box or memo shows its colours as base and text, any other control
// as window and window text.
void PruebasGeometriaCertificado::aspecto() {
    QFETCH(QString, control);
    QFETCH(uint, fondo);
    QFETCH(uint, tinta);
    QFETCH(int, alto);
    QFETCH(bool, negrita);
    const QWidget* w = Control(control);
    QVERIFY(w != nullptr);
    const bool edicion =
        qobject_cast<const QLineEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w);
    const QPalette& p = w->palette();
    QCOMPARE(p.color(edicion ? QPalette::Base : QPalette::Window), ColorBGR(fondo));
    QCOMPARE(p.color(edicion ? QPalette::Text : QPalette::WindowText), ColorBGR(tinta));
    QCOMPARE(w->font().family(), u"Verdana"_s);
    QCOMPARE(w->font().pixelSize(), alto);
    QCOMPARE(w->font().bold(), negrita);
}

void PruebasGeometriaCertificado::cabecera_data() {
    QTest::addColumn<int>("grupo"); // 1-based
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<int>("arriba");
    for (size_t g = 0; g < std::size(kGruposDados); ++g) {
        const Grupo& grupo = kGruposDados[g];
        QTest::newRow(grupo.nombre)
            << static_cast<int>(g + 1) << QString::fromLatin1(grupo.nombre) << grupo.arriba;
    }
}

// A heading row: the group's name and the three column heads, framed, bold, on a white row.
void PruebasGeometriaCertificado::cabecera() {
    QFETCH(int, grupo);
    QFETCH(QString, nombre);
    QFETCH(int, arriba);
    const QWidget* fila = Control(u"PanelGrupo%1"_s.arg(grupo));
    QVERIFY(fila != nullptr);
    QCOMPARE(QRect(EnLaHoja(*fila), fila->size()), QRect(0, arriba, 625, 17));
    const auto comprobar = [&](const QString& control, const QString& texto, int x, int ancho) {
        const auto* recuadro = ventana_->findChild<QLabel*>(control);
        QVERIFY2(recuadro != nullptr, qPrintable(control));
        QCOMPARE(recuadro->text(), texto);
        QCOMPARE(EnLaHoja(*recuadro), QPoint(x, arriba));
        QCOMPARE(recuadro->width(), ancho);
        QVERIFY(recuadro->frameShape() != QFrame::NoFrame);
        QCOMPARE(recuadro->font().pixelSize(), 11);
        QVERIFY(recuadro->font().bold());
    };
    comprobar(u"StaticTextGrupo%1"_s.arg(grupo), nombre, 8, 441);
    for (const ColumnaDada& c : kColumnasDadas) {
        const QString cabecera = QString::fromLatin1(c.calificacion);
        comprobar(u"StaticTextGrupo%1"_s.arg(grupo) + cabecera, cabecera, c.xCabecera, 60);
        QCOMPARE(
            ventana_->findChild<QLabel*>(u"StaticTextGrupo%1"_s.arg(grupo) + cabecera)->alignment(),
            Qt::AlignCenter);
    }
    QCOMPARE(fila->palette().color(QPalette::Window), ColorBGR(kBlancoHoja));
}

void PruebasGeometriaCertificado::elemento_data() {
    QTest::addColumn<int>("elemento");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("arriba");
    // First item row 20 below its heading, the next ones 15 apart.
    for (const Grupo& grupo : kGruposDados) {
        for (int n = grupo.primero; n <= grupo.ultimo; ++n) {
            QTest::addRow("%d", n) << n << QString::fromUtf8(kTextosElementos[n - 1])
                                   << grupo.arriba + 20 + 15 * (n - grupo.primero);
        }
    }
}

// An item row: its caption in the sheet's regular look without a frame, and its three buttons
// under the column heads.
void PruebasGeometriaCertificado::elemento() {
    QFETCH(int, elemento);
    QFETCH(QString, texto);
    QFETCH(int, arriba);
    const QWidget* fila = Control(u"PanelCV%1"_s.arg(elemento));
    QVERIFY(fila != nullptr);
    QCOMPARE(QRect(EnLaHoja(*fila), fila->size()), QRect(0, arriba, 625, 17));
    QCOMPARE(fila->palette().color(QPalette::Window), ColorBGR(kBlancoHoja));

    const auto* rotulo = ventana_->findChild<QLabel*>(u"StaticTextCV%1"_s.arg(elemento));
    QVERIFY(rotulo != nullptr);
    QCOMPARE(rotulo->text(), texto);
    QCOMPARE(EnLaHoja(*rotulo), QPoint(8, arriba));
    QCOMPARE(rotulo->width(), 441);
    QCOMPARE(rotulo->frameShape(), QFrame::NoFrame);
    QCOMPARE(rotulo->font().family(), u"Verdana"_s);
    QCOMPARE(rotulo->font().pixelSize(), 11);
    QVERIFY(!rotulo->font().bold());
    QCOMPARE(rotulo->palette().color(QPalette::WindowText), ColorBGR(kTinta));

    for (const ColumnaDada& c : kColumnasDadas) {
        const QWidget* boton = Control(BotonLista(elemento, c.calificacion));
        QVERIFY2(boton != nullptr, c.calificacion);
        QCOMPARE(QRect(EnLaHoja(*boton), boton->size()), QRect(c.xBoton, arriba, 17, 17));
    }
}

MORVEX_TEST_MAIN(PruebasGeometriaCertificado)
#include "tst_geometria_certificado.moc"
