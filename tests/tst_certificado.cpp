// The certificate window through its controls: the sheet, the received values, the preparation,
// the six triggers of a scoring run, nested runs and where a failure ends.

#include "apoyo.h"

#include "form2.h"
#include "reloj.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <functional>
#include <map>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const char* const kResultados[] = {"EPrecioCompra",     "EPuntosObtenidos",
                                   "EPuntosITV",        "EPuntosTotales",
                                   "EPuntosAsteriscos", "MemoDefectosEncontrados"};

// The ten values of a hand-over, with the points and exchange value given.
TraspasoValoracion Valores(const QString& puntos, const QString& cambio) {
    return {u"1.9 TDI"_s,  u"VSSZZZ1MZ8B000001"_s,
            u"1234 BCD"_s, u"31470"_s,
            puntos,        cambio,
            u"15.000"_s,   u"7"_s,
            u"SEAT"_s,     u"Familiar"_s};
}

// The price and the four score texts of a certificate with 300 points, an exchange value of
// 10000, every item "Bien" but those given and the faults given: figures the checklist's
// weights decide, so computed from them rather than typed.
QStringList Puntuados(std::initializer_list<std::pair<int, Calificacion>> calificaciones,
                      const QString& averias = {}) {
    EntradasCertificado entradas;
    entradas.calificaciones.fill(Calificacion::Bien);
    for (const auto& [elemento, calificacion] : calificaciones)
        entradas.calificaciones[elemento - 1] = calificacion;
    entradas.precioCambio = u"10000"_s;
    entradas.puntosValoracion = u"300"_s;
    entradas.averias = averias;
    ResultadosCertificado resultados;
    PuntuarCertificado(entradas, QLatin1Char(','), resultados);
    return {*resultados.precioCompra, resultados.nota->obtenidos, resultados.nota->itv,
            resultados.nota->totales, resultados.nota->asteriscos};
}

} // namespace

class PruebasCertificado : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SilenciarPlataforma(); }
    void init();
    void cleanup();

    void hoja();
    void textos_data();
    void textos();
    void nadaMarcadoAlCrear();
    void trescientosPuntosAntesDeLaPrimeraEntrega();
    void preparacion();
    void tablaDePuntuacion_data();
    void tablaDePuntuacion();
    void precios_data();
    void precios();
    void signoMenosNoCambiaResultados();
    void itvVuelveAPuntuar();
    void fechaSoloAlPreparar();
    void calificacionesMezcladas();
    void averiasRestan();
    void calificacionYAveriasPorTeclado();
    void escrituraNormalizadoraAnidaUnaVez();
    void pasadasPorCambio_data();
    void pasadasPorCambio();
    void pasadasDeUnaEntrega_data();
    void pasadasDeUnaEntrega();
    void cambioIlegibleAvisaUnaVez();
    void fallosEnLaPreparacion();
    void preparacionFallidaSinLaAnterior();
    void desmarcarItvFallidoDetieneLaPreparacion();

private:
    template <class T = QLineEdit> T* Control(const char* nombre) {
        return ventana->findChild<T*>(QString::fromLatin1(nombre));
    }
    QRadioButton* Boton(const QString& nombre) { return ventana->findChild<QRadioButton*>(nombre); }
    void Preparar(const TraspasoValoracion& valores) {
        ventana->RecibirValoracion(valores);
        Proteger(ventana.get(), [this] { ventana->PrepararCertificado(); });
    }
    QStringList Resultados() const {
        QStringList textos;
        for (const char* nombre : kResultados)
            textos << Texto(*ventana, nombre);
        return textos;
    }
    void Calcular() { QTest::mouseClick(Control<QPushButton>("Button3"), Qt::LeftButton); }

    Avisos avisos;
    std::unique_ptr<TForm2> ventana;
};

void PruebasCertificado::init() {
    FijarReloj(MomentoDePrueba(2010, 3));
    ventana = std::make_unique<TForm2>();
    ventana->show();
}

void PruebasCertificado::cleanup() {
    ventana.reset();
    QVERIFY2(avisos.Vacio(), qPrintable(avisos.Resumen()));
}

void PruebasCertificado::hoja() {
    FijarReloj(QDateTime(QDate(2026, 9, 30), QTime(23, 59, 59))); // a long date line
    Preparar(Valores(QStringLiteral("300"), QStringLiteral("10000")));
    // The checklist rows are 17 high on a 15-pixel pitch, and the heading's column heads
    // 60 wide on a 58-pixel pitch: those overlaps are by design.
    const auto filas = [](const QWidget& a, const QWidget& b) {
        return a.objectName().startsWith(QLatin1String("PanelCV")) ||
               a.objectName().startsWith(QLatin1String("PanelGrupo")) ||
               b.objectName().startsWith(QLatin1String("PanelCV"));
    };
    const QStringList defectos = DefectosDeMaqueta(*ventana->hoja(), filas);
    QVERIFY2(defectos.isEmpty(), qPrintable(defectos.join(QLatin1Char('\n'))));

    const struct {
        int elemento;
        int arriba;
    } filasDadas[] = {{1, 660},   {10, 795},  {11, 840},  {17, 930}, {18, 975},
                      {30, 1185}, {36, 1305}, {43, 1440}, {55, 1620}};
    for (const auto& f : filasDadas) {
        auto* fila = Control<QWidget>(qPrintable(QStringLiteral("PanelCV%1").arg(f.elemento)));
        QCOMPARE(fila->geometry(), QRect(0, f.arriba, 625, 17));
    }
    const int cabeceras[] = {640, 820, 955, 1165, 1285, 1420};
    for (int g = 0; g < 6; ++g) {
        auto* cabecera = Control<QWidget>(qPrintable(QStringLiteral("PanelGrupo%1").arg(g + 1)));
        QCOMPARE(cabecera->y(), cabeceras[g]);
    }
    QCOMPARE(Texto(*ventana, "StaticTextGrupo3"), QStringLiteral("Motor"));
    QCOMPARE(Texto(*ventana, "StaticTextCV55"),
             QStringLiteral("55.- Manchas aceite en parte inferior motor. Sin petrolear"));
    for (int n = 1; n <= static_cast<int>(kElementos.size()); ++n) {
        for (const QString& nombre :
             {BotonLista(n, "Bien"), BotonLista(n, "Regular"), BotonLista(n, "Mal")}) {
            QVERIFY2(Boton(nombre) != nullptr, qPrintable(nombre));
            QCOMPARE(Boton(nombre)->size(), QSize(17, 17));
        }
    }
    QVERIFY(Boton(QStringLiteral("CV44Bien")) == nullptr);
    const struct {
        const char* nombre;
        QRect lugar;
    } lugares[] = {
        {"EProtocoloUCE", {104, 208, 153, 21}},         {"MemoAverias", {8, 344, 609, 65}},
        {"EPrecioCambio", {224, 552, 73, 21}},          {"CITV", {8, 1704, 481, 17}},
        {"EPuntosTotales", {480, 1856, 60, 21}},        {"Button3", {560, 2014, 59, 25}},
        {"EPrecioCompra", {488, 2044, 89, 21}},         {"EComprador", {400, 2136, 217, 21}},
        {"MemoDefectosEncontrados", {8, 1928, 601, 81}}};
    for (const auto& l : lugares)
        QCOMPARE(Control<QWidget>(l.nombre)->geometry(), l.lugar);
    QCOMPARE(Control<QLabel>("LabelFecha")->pos(), QPoint(160, 2192));
}

void PruebasCertificado::textos_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("texto");
    // clang-format off
    const char* const textos[][2] = {
        {"Label1", "Certificado Calidad Morvex Vehiculos Ocasion"},
        {"Label3", "(1) Valoracion Objetiva"}, {"Label5", "Nº Recambio:"},
        {"LabelAverias", "Leer Memoria Averias  (Cada averia resta 0,5 puntos)"},
        {"Label16", "2) Puntuacion Subjetiva"}, {"Label18", "Coche\nNuevo(€)"},
        {"Label19", "Precio\nVendedor(€)\n"}, {"Label21", "Puntuacion\nValoracion "},
        {"Label23", "3) Inspeccion Subjetiva"},
        {"StaticTextGrupo1", "Carroceria parte exterior"},
        {"StaticTextGrupo6", "Parte baja del coche"}, {"StaticTextGrupo6Regular", "Regular"},
        {"StaticTextCV1", "1.- Pintura de Fabrica o pintado posterior brillante"},
        {"CITV", "Marque si la ITV esta pasada o la Pre-ITV del Taller fue totalmente satisfactoria"},
        {"Label25", "TOTAL PUNTUACION (OBJETIVA + SUBJETIVA)"}, {"Label28", "+"},
        {"Label29", "de la ITV = "}, {"Label30", "sobre 10"},
        {"Label34", "Puntuacion corregida = "}, {"Button3", "Calcular"},
        {"Label35", "PRECIO COMPRA Coche aplicando Puntuaciones OBJETIVAS/SUBJETIVAS="},
        {"Label37", "Conforme VENDEDOR"}, {"Label38", "Conforme COMPRADOR"},
    };
    // clang-format on
    for (const auto& fila : textos)
        // clang-format off
        QTest::newRow(fila[0]) << QString::fromLatin1(fila[0]) << QString::fromUtf8(fila[1]);
    QTest::newRow("Label2, nine lines and a break")
        << "Label2"
        << QStringLiteral("Certificando un vehiculo de ocasion con el sistema Morvex, se podra tener la seguridad de \n"
                          "que tanto el comprador como el vendedor valoraron objetivamente el estado del coche y en \n"
                          "funcion de los resultados obtenidos con rango entre cero y diez (0-10) la tasacion del coche \n"
                          "de ocasion va a ser la idonea para el estado del automovil\n\n"
                          "La certificacion Morvex consta de tres tipos de valoraciones perfectamente diferenciadas:\n"
                          "•(1)Extraccion de datos de la UCE del coche (Valoracion objetiva)\n"
                          "•(2)Tasacion Valoracion Morvex de compra venta coches ocasion (Puntuacion subjetiva)\n"
                          "•(3)Inspeccion ocular del coche realizada por profesional del sector (Inspeccion subjetiva)\n");
    // clang-format on
}

void PruebasCertificado::textos() {
    QFETCH(QString, control);
    QFETCH(QString, texto);
    QCOMPARE(Texto(*ventana, qPrintable(control)), texto);
}

void PruebasCertificado::nadaMarcadoAlCrear() {
    for (QRadioButton* boton : ventana->findChildren<QRadioButton*>())
        QVERIFY2(!boton->isChecked(), qPrintable(boton->objectName()));
    QTest::mouseClick(Boton(QStringLiteral("CV7Regular")), Qt::LeftButton);
    QVERIFY(Boton(QStringLiteral("CV7Regular"))->isChecked());
}

void PruebasCertificado::trescientosPuntosAntesDeLaPrimeraEntrega() {
    Proteger(ventana.get(), [this] { ventana->PrepararCertificado(); });
    QCOMPARE(Texto(*ventana, "EPuntosObtenidos"), QStringLiteral("8"));
    QCOMPARE(Texto(*ventana, "EPrecioCompra"), QStringLiteral("0"));
    QCOMPARE(Texto(*ventana, "EPrecioCambio"), QString());
}

void PruebasCertificado::preparacion() {
    Control("EProtocoloUCE")->setText(QStringLiteral("KWP2000"));
    Control<QPlainTextEdit>("MemoAverias")->setPlainText(QStringLiteral("P0300"));
    Control("EVendedor")->setText(QStringLiteral("firma"));
    Preparar(Valores(QStringLiteral("300"), QStringLiteral("10000")));
    const struct {
        const char* nombre;
        const char* texto;
        // clang-format off
    } esperados[] = {
        {"EProtocoloUCE", ""},       {"MemoAverias", ""},        {"EVendedor", ""},
        {"EComprador", ""},          {"EMarca", "1.9 TDI"},      {"EBastidor", "VSSZZZ1MZ8B000001"},
        {"EMatricula", "1234 BCD"},  {"EPrecioNuevo", "31470"},  {"EPrecioCambio", "10000"},
        {"EPrecioVendedor", "15.000"}, {"EPVPVendedor", "15000"},   {"EPuntuacionValoracion", "7"},
        {"EPuntuacion", "7"},        {"ENombreMarca", "SEAT"},   {"ETipoVehiculo", "Familiar"},
        {"LabelAverias", "Leer Memoria Averias  (Cada averia resta 0,5 puntos)"},
    };
    // clang-format on
    for (const auto& e : esperados)
        QCOMPARE(Texto(*ventana, e.nombre), QString::fromUtf8(e.texto));
    QCOMPARE(Resultados(),
             (QStringList{u"10300"_s, u"8"_s, u"0.0"_s, u"8"_s, u"* * * * * * * * "_s, u""_s}));
    for (int n = 1; n <= static_cast<int>(kElementos.size()); ++n) {
        QVERIFY(Boton(BotonLista(n, "Bien"))->isChecked());
    }
    QVERIFY(!Control<QCheckBox>("CITV")->isChecked());
}

void PruebasCertificado::tablaDePuntuacion_data() {
    QTest::addColumn<QString>("puntos");
    QTest::addColumn<bool>("itv");
    QTest::addColumn<QStringList>("resultado"); // obtained, ITV, total
    QTest::addColumn<int>("pares");
    // clang-format off
    QTest::newRow("300") << u"300"_s << false << QStringList{u"8"_s, u"0.0"_s, u"8"_s} << 8;
    QTest::newRow("300, ITV") << u"300"_s << true << QStringList{u"8"_s, u"1.0"_s, u"9"_s} << 9;
    QTest::newRow("500, ITV") << u"500"_s << true << QStringList{u"9"_s, u"1.0"_s, u"10"_s} << 10;
    QTest::newRow("600") << u"600"_s << false << QStringList{u"9"_s, u"0.0"_s, u"9"_s} << 9;
    QTest::newRow("250") << u"250"_s << false << QStringList{u"7,75"_s, u"0.0"_s, u"7,75"_s} << 8;
    QTest::newRow("312,5, ITV") << u"312,5"_s << true << QStringList{u"8,06"_s, u"1.0"_s, u"9,06"_s} << 9;
    QTest::newRow("100") << u"100"_s << false << QStringList{u"7"_s, u"0.0"_s, u"7"_s} << 7;
    QTest::newRow("0") << u"0"_s << false << QStringList{u"6,5"_s, u"0.0"_s, u"6,5"_s} << 6;
    QTest::newRow("0, ITV") << u"0"_s << true << QStringList{u"6,5"_s, u"1.0"_s, u"7,5"_s} << 8;
    QTest::newRow("empty text") << u""_s << false << QStringList{u"6,5"_s, u"0.0"_s, u"6,5"_s} << 6;
    // clang-format on
}

void PruebasCertificado::tablaDePuntuacion() {
    QFETCH(QString, puntos);
    QFETCH(bool, itv);
    QFETCH(QStringList, resultado);
    QFETCH(int, pares);
    Preparar(Valores(puntos, QStringLiteral("10000")));
    if (itv)
        QTest::mouseClick(Control<QCheckBox>("CITV"), Qt::LeftButton, {},
                          Control<QCheckBox>("CITV")->rect().center());
    QCOMPARE(Control<QCheckBox>("CITV")->isChecked(), itv);
    QCOMPARE((QStringList{Texto(*ventana, "EPuntosObtenidos"), Texto(*ventana, "EPuntosITV"),
                          Texto(*ventana, "EPuntosTotales")}),
             resultado);
    QCOMPARE(Texto(*ventana, "EPuntosAsteriscos"), QStringLiteral("* ").repeated(pares));
    QCOMPARE(Texto(*ventana, "EPrecioCompra"), QStringLiteral("10300"));
}

void PruebasCertificado::precios_data() {
    QTest::addColumn<QString>("cambio");
    QTest::addColumn<QString>("precio");
    // clang-format off
    QTest::newRow("12000") << "12000" << "12360";
    QTest::newRow("33") << "33" << "34";
    QTest::newRow("0") << "0" << "0";
    QTest::newRow("empty") << "" << "0";
    QTest::newRow("letters") << "abc" << "0";
    QTest::newRow("separator alone") << "," << "0";
    QTest::newRow("thousands point skipped") << "12.000" << "12360";
    // clang-format on
}

void PruebasCertificado::precios() {
    QFETCH(QString, cambio);
    QFETCH(QString, precio);
    Preparar(Valores(QStringLiteral("300"), cambio));
    QCOMPARE(Texto(*ventana, "EPrecioCompra"), precio);
    QCOMPARE(Texto(*ventana, "EPrecioCambio"), cambio); // shown as received, not rewritten
}

void PruebasCertificado::signoMenosNoCambiaResultados() {
    Preparar(Valores(QStringLiteral("300"), QStringLiteral("10000")));
    QTest::mouseClick(Boton(QStringLiteral("CV3Mal")), Qt::LeftButton);
    const QStringList antes = Resultados();
    QTest::keyClicks(Control("EPrecioCambio"), QString()); // focus only
    Control("EPrecioCambio")->setText(QStringLiteral("-"));
    const QList<Aviso> vistos = avisos.Tomar();
    QCOMPARE(vistos.size(), 1);
    QCOMPARE(vistos[0].icono, QMessageBox::Critical);
    QCOMPARE(vistos[0].texto, QStringLiteral("'-' is not a valid floating point value."));
    QCOMPARE(Resultados(), antes);
    QCOMPARE(Texto(*ventana, "EPrecioCambio"), QStringLiteral("-")); // the write completes
}

void PruebasCertificado::itvVuelveAPuntuar() {
    Preparar(Valores(QStringLiteral("300"), QStringLiteral("10000")));
    auto* itv = Control<QCheckBox>("CITV");
    QTest::mouseClick(itv, Qt::LeftButton, {}, itv->rect().center());
    QCOMPARE(Texto(*ventana, "EPuntosTotales"), QStringLiteral("9"));
    QCOMPARE(Texto(*ventana, "EPuntosITV"), QStringLiteral("1.0"));
    QCOMPARE(Texto(*ventana, "EPrecioCompra"), QStringLiteral("10300"));
    itv->setChecked(false); // the program unticking it scores too
    QCOMPARE(Texto(*ventana, "EPuntosTotales"), QStringLiteral("8"));
    QCOMPARE(Texto(*ventana, "EPuntosITV"), QStringLiteral("0.0"));
}

void PruebasCertificado::fechaSoloAlPreparar() {
    FijarReloj(QDateTime(QDate(2008, 8, 12), QTime(12, 51, 9)));
    Preparar(Valores(QStringLiteral("300"), QStringLiteral("10000")));
    const QString linea =
        QStringLiteral("Fecha del certificado: Martes, 12 de Agosto     de 2008     12:51:09");
    QCOMPARE(Texto(*ventana, "LabelFecha"), linea);
    FijarReloj(QDateTime(QDate(2008, 8, 12), QTime(12, 52, 30)));
    Calcular();
    QCOMPARE(Texto(*ventana, "LabelFecha"), linea);
}

// Each rating scores as it is set; "Calcular" afterwards finds nothing new.
void PruebasCertificado::calificacionesMezcladas() {
    Preparar(Valores(QStringLiteral("300"), QStringLiteral("10000")));
    QTest::mouseClick(Boton(QStringLiteral("CV3Regular")), Qt::LeftButton);
    QTest::mouseClick(Boton(QStringLiteral("CV17Mal")), Qt::LeftButton);
    const QStringList mezcladas =
        Puntuados({{3, Calificacion::Regular}, {17, Calificacion::Mal}})
        << u"3.-Sintomas de daños externos de accidentes (Regular); "
           u"17.-Suavidad Palanca velocidades, Freno mano y Pedales mando (Mal); "_s;
    QCOMPARE(Resultados(), mezcladas);
    Calcular();
    QCOMPARE(Resultados(), mezcladas);
    for (int n = 1; n <= static_cast<int>(kElementos.size()); ++n) {
        if (n != 3 && n != 17)
            QTest::mouseClick(Boton(BotonLista(n, "Mal")), Qt::LeftButton);
    }
    QTest::mouseClick(Boton(QStringLiteral("CV3Mal")), Qt::LeftButton);
    QCOMPARE(Texto(*ventana, "EPuntosObtenidos"), QStringLiteral("1")); // 0 and the 300 points
    QCOMPARE(Texto(*ventana, "EPrecioCompra"), QStringLiteral("3300"));
    const QStringList todasMal = Resultados();
    Calcular();
    QCOMPARE(Resultados(), todasMal);
}

// Item 55 rated "Mal" from the keyboard, then two faults typed: each shows at once.
void PruebasCertificado::calificacionYAveriasPorTeclado() {
    Preparar(Valores(QStringLiteral("300"), QStringLiteral("10000")));
    ventana->activateWindow(); // the arrow keys move the choice of the focused row
    QVERIFY(QTest::qWaitForWindowActive(ventana.get()));
    QRadioButton* bien = Boton(QStringLiteral("Cv55Bien"));
    bien->setFocus(Qt::TabFocusReason);
    QTest::keyClick(bien, Qt::Key_Right);
    QTest::keyClick(ventana->focusWidget(), Qt::Key_Right);
    QVERIFY(Boton(QStringLiteral("CV55Mal"))->isChecked());
    const QString defecto = u"55.-Manchas aceite en parte inferior motor. Sin petrolear (Mal); "_s;
    QCOMPARE(Resultados(), Puntuados({{55, Calificacion::Mal}}) << defecto);
    auto* memo = Control<QPlainTextEdit>("MemoAverias");
    memo->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(memo, u"P0300"_s);
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, u"P0420"_s);
    // Half a point a fault; the price stays.
    const QStringList conAverias = Puntuados({{55, Calificacion::Mal}}, u"P0300\nP0420"_s)
                                   << defecto;
    QCOMPARE(conAverias[0], Puntuados({{55, Calificacion::Mal}})[0]);
    QCOMPARE(Resultados(), conAverias);
    Calcular();
    QCOMPARE(Resultados(), conAverias);
}

void PruebasCertificado::averiasRestan() {
    Preparar(Valores(QStringLiteral("300"), QStringLiteral("10000")));
    Control<QPlainTextEdit>("MemoAverias")->setPlainText(QStringLiteral("P0300\n\nP0420"));
    QCOMPARE(Texto(*ventana, "EPuntosObtenidos"), QStringLiteral("7"));
    QCOMPARE(Texto(*ventana, "EPrecioCompra"), QStringLiteral("10300"));
    ventana->PrepararCertificado(
        2, {QStringLiteral("P0300"), QStringLiteral("P0420"), QStringLiteral("P0171")});
    QCOMPARE(Texto(*ventana, "MemoAverias"), QStringLiteral("P0300\nP0420\nP0171"));
    QCOMPARE(Texto(*ventana, "EPuntosObtenidos"), QStringLiteral("6,5"));
}

// A run whose exchange value fails reports once: counting the reports counts the runs.
void PruebasCertificado::escrituraNormalizadoraAnidaUnaVez() {
    Preparar(Valores(QStringLiteral("300"), QStringLiteral("10000")));
    Control("EPrecioCambio")->setText(QStringLiteral("-"));
    QCOMPARE(avisos.Tomar().size(), 1);
    Control("EPVPVendedor")
        ->setText(QStringLiteral("15.000")); // normalised to 15000: one nested run
    QCOMPARE(avisos.Tomar().size(), 2);
    QCOMPARE(Texto(*ventana, "EPVPVendedor"), QStringLiteral("15000"));
    Control("EPVPVendedor")->setText(QStringLiteral("15000")); // the same text: nothing runs
    QCOMPARE(avisos.Tomar().size(), 0);
}

void PruebasCertificado::pasadasPorCambio_data() {
    QTest::addColumn<QString>("cambio");
    QTest::addColumn<int>("pasadas");
    // clang-format off
    QTest::newRow("Calcular pressed") << u"Calcular"_s << 1;
    QTest::newRow("ITV clicked") << u"ITV clicked"_s << 1;
    QTest::newRow("ITV unticked by the program") << u"ITV unticked"_s << 1;
    QTest::newRow("price new typed, one key") << u"EPrecioNuevo typed"_s << 1;
    QTest::newRow("exchange value written") << u"EPrecioCambio written"_s << 1;
    QTest::newRow("seller's price written") << u"EPrecioVendedor written"_s << 1;
    QTest::newRow("seller's price below, normalised") << u"EPVPVendedor 12000"_s << 1;
    QTest::newRow("seller's price below, with a thousands point: nested")
        << u"EPVPVendedor 12.000"_s << 2;
    QTest::newRow("exchange value written as it stands") << u"EPrecioCambio same"_s << 0;
    QTest::newRow("control-unit field typed") << u"EProtocoloUCE typed"_s << 0;
    QTest::newRow("rating clicked") << u"rating clicked"_s << 1;
    QTest::newRow("rating by Space") << u"rating by Space"_s << 1;
    QTest::newRow("rating by an arrow key") << u"rating by arrow"_s << 1;
    QTest::newRow("rating set by the program") << u"rating set"_s << 1;
    QTest::newRow("rows passed by Down and Up") << u"rows by Down and Up"_s << 0;
    QTest::newRow("rating by an arrow after Down") << u"rating by arrow after Down"_s << 1;
    QTest::newRow("rating clicked as it stands") << u"rating same"_s << 0;
    QTest::newRow("faults typed, a run a key") << u"faults typed"_s << 5;
    QTest::newRow("faults pasted") << u"faults pasted"_s << 1;
    QTest::newRow("faults written") << u"faults written"_s << 1;
    QTest::newRow("fault appended") << u"fault appended"_s << 1;
    QTest::newRow("fault memory emptied while empty") << u"faults same"_s << 0;
    // clang-format on
}

// Every trigger starts one scoring run per change, and what is no change starts none. The
// valuation points handed over are no number, so every run fails at its end and reports once:
// the reports count the runs. A rating's or a fault line's run that fails as the last run did
// reports nothing, so those runs are counted, on points that score, as they write the total.
void PruebasCertificado::pasadasPorCambio() {
    QFETCH(QString, cambio);
    QFETCH(int, pasadas);
    const bool callada = cambio.startsWith(u"rating"_s) || cambio.startsWith(u"rows"_s) ||
                         cambio.startsWith(u"fault"_s);
    Preparar(Valores(callada ? u"300"_s : u"-"_s, QStringLiteral("10000")));
    auto* itv = Control<QCheckBox>("CITV");
    auto* memo = Control<QPlainTextEdit>("MemoAverias");
    if (cambio == u"ITV unticked"_s)
        itv->setChecked(true);
    avisos.Tomar();
    ventana->activateWindow(); // the arrow keys move the choice of the focused row
    QVERIFY(QTest::qWaitForWindowActive(ventana.get()));
    const std::map<QString, std::function<void()>> cambios = {
        {u"Calcular"_s, [this] { Calcular(); }},
        {u"ITV clicked"_s,
         [itv] { QTest::mouseClick(itv, Qt::LeftButton, {}, itv->rect().center()); }},
        {u"ITV unticked"_s, [itv] { itv->setChecked(false); }},
        {u"EPrecioNuevo typed"_s, [this] { QTest::keyClick(Control("EPrecioNuevo"), '5'); }},
        {u"EPrecioCambio written"_s, [this] { Control("EPrecioCambio")->setText(u"12000"_s); }},
        {u"EPrecioVendedor written"_s,
         [this] { Control("EPrecioVendedor")->setText(u"12.000"_s); }},
        {u"EPVPVendedor 12000"_s, [this] { Control("EPVPVendedor")->setText(u"12000"_s); }},
        {u"EPVPVendedor 12.000"_s, [this] { Control("EPVPVendedor")->setText(u"12.000"_s); }},
        {u"EPrecioCambio same"_s, [this] { Control("EPrecioCambio")->setText(u"10000"_s); }},
        {u"EProtocoloUCE typed"_s, [this] { QTest::keyClicks(Control("EProtocoloUCE"), u"K"_s); }},
        {u"rating clicked"_s,
         [this] { QTest::mouseClick(Boton(u"CV9Regular"_s), Qt::LeftButton); }},
        {u"rating by Space"_s,
         [this] {
             Boton(u"CV9Mal"_s)->setFocus(Qt::MouseFocusReason);
             QTest::keyClick(Boton(u"CV9Mal"_s), Qt::Key_Space);
         }},
        {u"rating by arrow"_s,
         [this] {
             Boton(u"CV9Bien"_s)->setFocus(Qt::TabFocusReason);
             QTest::keyClick(Boton(u"CV9Bien"_s), Qt::Key_Right);
         }},
        {u"rating set"_s, [this] { Boton(u"CV9Mal"_s)->setChecked(true); }},
        {u"rows by Down and Up"_s,
         [this] {
             Boton(u"CV9Bien"_s)->setFocus(Qt::TabFocusReason);
             for (const Qt::Key tecla : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Up})
                 QTest::keyClick(ventana->focusWidget(), tecla);
         }},
        {u"rating by arrow after Down"_s,
         [this] {
             Boton(u"CV8Bien"_s)->setFocus(Qt::TabFocusReason);
             QTest::keyClick(Boton(u"CV8Bien"_s), Qt::Key_Down);
             QTest::keyClick(ventana->focusWidget(), Qt::Key_Right);
             QVERIFY(Boton(u"CV9Regular"_s)->isChecked());
         }},
        {u"rating same"_s, [this] { QTest::mouseClick(Boton(u"CV9Bien"_s), Qt::LeftButton); }},
        {u"faults typed"_s, [memo] { QTest::keyClicks(memo, u"P0300"_s); }},
        {u"faults pasted"_s,
         [memo] {
             QApplication::clipboard()->setText(u"P0300\nP0420"_s);
             memo->setFocus(Qt::MouseFocusReason);
             QTest::keyClick(memo, Qt::Key_V, Qt::ControlModifier);
         }},
        {u"faults written"_s, [memo] { memo->setPlainText(u"P0300\nP0420"_s); }},
        {u"fault appended"_s, [memo] { memo->appendPlainText(u"P0300"_s); }},
        {u"faults same"_s, [memo] { memo->clear(); }},
    };
    // Each run writes the total anew over a blank one.
    int escritas = 0;
    auto* total = Control("EPuntosTotales");
    const QObject vigia;
    if (callada) {
        total->setText(QString());
        connect(total, &QLineEdit::textChanged, &vigia, [total, &escritas] {
            if (total->text().isEmpty())
                return;
            ++escritas;
            total->setText(QString());
        });
    }
    cambios.at(cambio)();
    const QList<Aviso> vistos = avisos.Tomar();
    QCOMPARE(callada ? escritas : static_cast<int>(vistos.size()), pasadas);
    if (callada)
        QCOMPARE(vistos.size(), 0);
    for (const Aviso& aviso : vistos)
        QCOMPARE(aviso.texto, u"'-' is not a valid floating point value."_s);
    if (cambio.startsWith(u"faults"_s) && cambio != u"faults same"_s)
        QVERIFY(!memo->toPlainText().isEmpty()); // the change itself is made
    if (cambio.startsWith(u"rating by"_s))
        QVERIFY(!Boton(u"CV9Bien"_s)->isChecked());
}

void PruebasCertificado::pasadasDeUnaEntrega_data() {
    QTest::addColumn<QString>("antes");
    QTest::addColumn<int>("pasadas");
    // A fresh window: the price fields were empty, so three writes run the scoring; the first
    // also normalises the empty seller's price to 0, nested; the seller's price below, written
    // with its thousands point, runs once and once nested; then the final run. 7.
    QTest::newRow("fresh window") << u"nuevo"_s << 7;
    // The same values again: the price fields keep their texts; the seller's price below
    // (15000) gets 15.000 back: twice; the final run. The ratings, the fault memory emptied
    // and the faults copied in score nothing of their own. 3.
    QTest::newRow("same values, ratings and faults changed") << u"cambiado"_s << 3;
    QTest::newRow("same values, with a fault list") << u"lista"_s << 3;
    // Unticking the ITV fails, and the preparation stops there: once.
    QTest::newRow("same values, ITV ticked") << u"itv"_s << 1;
}

// The preparation's own writes to the ratings and the fault memory start no run: a hand-over
// runs what it ran before ratings and faults counted. Counted as above.
void PruebasCertificado::pasadasDeUnaEntrega() {
    QFETCH(QString, antes);
    QFETCH(int, pasadas);
    const TraspasoValoracion valores = Valores(QStringLiteral("-"), QStringLiteral("10000"));
    if (antes != u"nuevo"_s) {
        Preparar(valores);
        QTest::mouseClick(Boton(u"CV3Mal"_s), Qt::LeftButton);
        QTest::mouseClick(Boton(u"CV44Regular"_s), Qt::LeftButton);
        Control<QPlainTextEdit>("MemoAverias")->setPlainText(u"P0300"_s);
        if (antes == u"itv"_s)
            Control<QCheckBox>("CITV")->setChecked(true);
        avisos.Tomar();
    }
    ventana->RecibirValoracion(valores);
    Proteger(ventana.get(), [this, &antes] {
        if (antes == u"lista"_s)
            ventana->PrepararCertificado(2, {u"P0300"_s, u"P0420"_s});
        else
            ventana->PrepararCertificado();
    });
    QCOMPARE(avisos.Tomar().size(), pasadas);
    // The ratings and the fault memory are written before the ITV is unticked.
    for (int n = 1; n <= static_cast<int>(kElementos.size()); ++n)
        QVERIFY(Boton(BotonLista(n, "Bien"))->isChecked());
    QCOMPARE(Texto(*ventana, "MemoAverias"), antes == u"lista"_s ? u"P0300\nP0420"_s : QString());
}

// With an exchange value that cannot be read, reported once, the new ratings and changes of the
// faults report it no more and leave the results as they were; the ratings and faults are taken
// as given, and a readable value scores them all.
void PruebasCertificado::cambioIlegibleAvisaUnaVez() {
    Preparar(Valores(QStringLiteral("300"), QStringLiteral("10000")));
    Control("EPrecioCambio")->setText(u"-"_s);
    QCOMPARE(avisos.Tomar().size(), 1);
    const QStringList antes = Resultados();
    QTest::mouseClick(Boton(u"CV1Mal"_s), Qt::LeftButton);
    QTest::mouseClick(Boton(u"CV2Regular"_s), Qt::LeftButton);
    Control<QPlainTextEdit>("MemoAverias")->setPlainText(u"P0300"_s);
    QCOMPARE(avisos.Tomar().size(), 0);
    QCOMPARE(Resultados(), antes);
    QVERIFY(Boton(u"CV1Mal"_s)->isChecked());
    QVERIFY(Boton(u"CV2Regular"_s)->isChecked());
    Control("EPrecioCambio")->setText(u"10000"_s);
    QCOMPARE(Resultados(),
             Puntuados({{1, Calificacion::Mal}, {2, Calificacion::Regular}}, u"P0300"_s)
                 << u"1.-Pintura de Fabrica o pintado posterior brillante (Mal); 2.-Pequeños "
                    u"golpes o rozaduras en la pintura y plasticos carroceria (Regular); "_s);
}

// Runs started by the preparation's own writes report their failures and the preparation goes
// on; its last run, started directly, passes the failure up.
void PruebasCertificado::fallosEnLaPreparacion() {
    FijarReloj(QDateTime(QDate(2008, 8, 12), QTime(12, 51, 9)));
    Preparar(Valores(QStringLiteral("300"), QStringLiteral("-")));
    // EPrecioNuevo, EPrecioCambio, EPrecioVendedor and EPVPVendedor each start a run that
    // fails; the final run fails too.
    const QList<Aviso> vistos = avisos.Tomar();
    QCOMPARE(vistos.size(), 5);
    for (const Aviso& aviso : vistos)
        QCOMPARE(aviso.texto, QStringLiteral("'-' is not a valid floating point value."));
    QVERIFY(Texto(*ventana, "LabelFecha").endsWith(QLatin1String("12:51:09")));
}

// A preparation whose scoring fails shows nothing of the certificate before it: the results its
// runs leave unwritten are as empty as on a window prepared for the first time.
void PruebasCertificado::preparacionFallidaSinLaAnterior() {
    const TraspasoValoracion ilegible = Valores(QStringLiteral("300"), QStringLiteral("-"));
    Preparar(ilegible);
    avisos.Tomar();
    const QStringList primera = Resultados();
    QVERIFY(primera.contains(QString())); // some result the failing runs do not reach

    ventana = std::make_unique<TForm2>();
    ventana->show();
    Preparar(Valores(QStringLiteral("300"), QStringLiteral("10000")));
    QVERIFY(Resultados() != primera);
    Preparar(ilegible);
    avisos.Tomar();
    QCOMPARE(Resultados(), primera);
}

void PruebasCertificado::desmarcarItvFallidoDetieneLaPreparacion() {
    FijarReloj(QDateTime(QDate(2008, 8, 12), QTime(12, 51, 9)));
    const TraspasoValoracion valores = Valores(QStringLiteral("300"), QStringLiteral("-"));
    Preparar(valores);
    avisos.Tomar();
    auto* itv = Control<QCheckBox>("CITV");
    QTest::mouseClick(itv, Qt::LeftButton, {}, itv->rect().center());
    QCOMPARE(avisos.Tomar().size(), 1);
    QVERIFY(itv->isChecked());

    Control("EPuntuacion")->setText(QStringLiteral("escrito"));
    FijarReloj(QDateTime(QDate(2008, 8, 13), QTime(9, 0, 0)));
    Preparar(valores); // the same texts: no writes run anything until the ITV is unticked
    const QList<Aviso> vistos = avisos.Tomar();
    QCOMPARE(vistos.size(), 1);
    QVERIFY(!itv->isChecked());
    QCOMPARE(Texto(*ventana, "EPuntuacion"), QStringLiteral("escrito")); // step 7 not reached
    QVERIFY(Texto(*ventana, "LabelFecha").contains(QLatin1String("12 de Agosto")));
}

MORVEX_TEST_MAIN(PruebasCertificado)
#include "tst_certificado.moc"
