// The valuation window driven through its controls: the starting state, the lists, the rating
// rows, the buttons, the message boxes and what a failure leaves on the sheet.

#include "apoyo.h"

#include "form1.h"
#include "reloj.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const char* const kResultados[] = {"EPuntosObtenidos", "EPorcentaje", "EPVPValoracion",
                                   "EPVPCambio",       "ETotalCoste", "EPVPCompra"};
const char* const kCostes[] = {"EPintura", "ETapizado", "EMotor", "EFrenos", "EElectronica"};
const char* const kColumnas[] = {"MuyMal", "Mal", "Normal", "Bien", "MuyBien"};

// Every text field a user can type into.
const char* const kEntradas[] = {
    "EMarca",          "EBastidor",       "EMatricula",       "EPVPNuevo",     "EKilometros",
    "EMesFabricacion", "EAnoFabricacion", "ENombreMarca",     "ETipoVehiculo", "EMesesLeasing",
    "EPintura",        "ETapizado",       "EMotor",           "EFrenos",       "EElectronica",
    "EPVPVendedor",    "EPuntuacion",     "EPuntosObtenidos", "EPorcentaje",   "EPVPValoracion",
    "EPVPCambio",      "EPVPCompra"};

} // namespace

class PruebasValoracion : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SilenciarPlataforma(); }
    void init();
    void cleanup();

    void estadoInicial();
    void textos_data();
    void textos();
    void aspecto_data();
    void aspecto();
    void maqueta();
    void listasTrasDosReinicios();
    void listaDeAnos_data();
    void listaDeAnos();
    void filasDeValoracion();
    void botonesDeCalculo_data();
    void botonesDeCalculo();
    void ejemploDeCalculo();
    void valoracionesCuentan();
    void faltanDatos();
    void precioNoNumerico();
    void costeFallido();
    void anoFallido();
    void operacionInvalida();
    void rechazosNoCambianNada_data();
    void rechazosNoCambianNada();
    void mesEnMinusculas();
    void textosHostiles_data();
    void textosHostiles();
    void entregaAlCertificado();

private:
    QLineEdit* Edicion(const char* nombre) {
        return ventana->findChild<QLineEdit*>(QLatin1String(nombre));
    }
    QComboBox* Lista(const char* nombre) {
        return ventana->findChild<QComboBox*>(QLatin1String(nombre));
    }
    QRadioButton* Opcion(int fila, int columna) {
        return ventana->findChild<QRadioButton*>(
            QStringLiteral("CP%1%2").arg(fila).arg(QLatin1String(kColumnas[columna - 1])));
    }
    void Escribir(const char* nombre, const QString& texto);
    void Pulsar(const char* boton) {
        QTest::mouseClick(ventana->findChild<QPushButton*>(QLatin1String(boton)), Qt::LeftButton);
    }
    QStringList Resultados() const;
    QStringList TodosLosTextos() const;
    void MarcarResultados();

    Avisos avisos;
    std::unique_ptr<TForm1> ventana;
};

void PruebasValoracion::init() {
    FijarReloj(MomentoDePrueba(2010, 3));
    ventana = std::make_unique<TForm1>();
    ventana->show();
}

void PruebasValoracion::cleanup() {
    ventana.reset();
    QVERIFY2(avisos.Vacio(), qPrintable(avisos.Resumen()));
}

void PruebasValoracion::Escribir(const char* nombre, const QString& texto) {
    if (QLineEdit* edicion = Edicion(nombre))
        edicion->setText(texto);
    else
        Lista(nombre)->setEditText(texto);
}

QStringList PruebasValoracion::Resultados() const {
    QStringList textos;
    for (const char* nombre : kResultados)
        textos << Texto(*ventana, nombre);
    return textos;
}

QStringList PruebasValoracion::TodosLosTextos() const {
    QStringList textos;
    for (const char* nombre : kEntradas)
        textos << Texto(*ventana, nombre);
    textos << Texto(*ventana, "ETotalCoste");
    return textos;
}

// Marks every result field, so that a test sees which ones a run rewrote.
void PruebasValoracion::MarcarResultados() {
    for (const char* nombre : kResultados)
        Edicion(nombre)->setText(QStringLiteral("marca"));
}

void PruebasValoracion::estadoInicial() {
    QCOMPARE(Resultados(),
             (QStringList{u"300"_s, u"13,57"_s, u"22629"_s, u"19797"_s, u"0"_s, u"19797"_s}));
    struct Esperado {
        const char* nombre;
        const char* texto;
    };
    // clang-format off
    const Esperado esperados[] = {
        {"EPVPNuevo", "31470"},
        {"EKilometros", "83680"},
        {"EMesFabricacion", "Octubre"},
        {"EAnoFabricacion", "2007"},
        {"EMesesLeasing", "9 meses"},
        {"EPintura", "0"},
        {"ETapizado", "0"},
        {"EMotor", "0"},
        {"EFrenos", "0"},
        {"EElectronica", "0"},
        {"EPVPVendedor", "0"},
        {"EPuntuacion", "0"},
        {"EMarca", ""},
        {"EBastidor", ""},
        {"EMatricula", ""},
        {"ENumRecambio", ""},
        {"ECodificacion", ""},
        {"EExtra2", ""},
        {"ENombreMarca", ""},
        {"ETipoVehiculo", ""},
    };
    // clang-format on
    for (const Esperado& e : esperados)
        QCOMPARE(Texto(*ventana, e.nombre), QString::fromUtf8(e.texto));
    for (const char* nombre : {"CEspecial1", "CEspecial2", "CLeasing"})
        QVERIFY(!ventana->findChild<QCheckBox*>(QLatin1String(nombre))->isChecked());
    for (const char* nombre : {"CImportacion", "CDiesel"})
        QVERIFY(ventana->findChild<QRadioButton*>(QLatin1String(nombre))->isChecked());
    QCOMPARE(Texto(*ventana, "CDiesel"), QStringLiteral("Diesel "));
    QVERIFY(ventana->findChild<QPlainTextEdit*>(u"MemoAyuda"_s)->isHidden());
    QVERIFY(ventana->findChild<QLineEdit*>(u"ETotalCoste"_s)->isReadOnly());
}

void PruebasValoracion::textos_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("texto");
    // clang-format off
    const char* const textos[][2] = {
        {"Button6", "Ejemplo de calculo"},
        {"Label1", "Tasacion; Valoracion Morvex para la compra-venta Coches Ocasion"},
        {"Label31", "Datos UCE:"},
        {"Label32", "Para ser válidos los resultados hay que CERTIFICAR que los datos de la UCE se "
                    "correspondan con Marca y Bastidor"},
        {"Label2", "Coche"},
        {"Label3", "Bastidor"},
        {"Label4", "Matricula"},
        {"Label5", "Datos Coche que se pretende comprar o vender"},
        {"Label6", "Precio coche \nnuevo (euros)"},
        {"CEspecial1", "Especial 1"},
        {"CEspecial2", "Especial 2"},
        {"Label7", "Kilometros \ncuadro"},
        {"Label8", "Mes Fabricac"},
        {"Label9", "Año Fabricac"},
        {"CImportacion", "Import"},
        {"CNacional", "Nacional"},
        {"CGasolina", "Gasolina"},
        {"CDiesel", "Diesel "},
        {"CMixto", "Hibrido"},
        {"CLeasing", "Leasing,Renting,RentCar"},
        {"Label10", "Puntuacion subjetiva del vehiculo"},
        {"StaticText1", "Conceptos valoracion compra\nen porcentajes"},
        {"StaticText2", "MUY MAL\nNada Import"},
        {"StaticText3", "MAL\nPoco Import"},
        {"StaticText7", "NORMAL\nStandard"},
        {"StaticText8", "BIEN\nImportante"},
        {"StaticText10", "MUY BIEN\nMuy Import"},
        {"LabelP1", "Imagen percibida sobre la Marca\ny el Modelo de Coche (g)"},
        {"LabelP3", "Velocidad depreciacion coche por \nvariar mucho el modelo (f)"},
        {"LabelP7", "Años del coche:Prejuicio por tener \nmodelo actual o NO (e)"},
        {"LabelP8", "Kilometros Cuadro: Posibilidad de \nFalsedad/Engaño (a)"},
        {"LabelP11", "Extras: Opciones NO incluidas en \nVehiculo Nuevo (c)"},
        {"StaticText18", "PUNTUACIONES"},
        {"Label11", "100"},
        {"Label12", "200"},
        {"Label13", "300"},
        {"Label14", "400"},
        {"Label15", "500"},
        {"StaticText19", "Puntos Valoracion coche"},
        {"StaticText21", "Porcentaje depreciacion Coche"},
        {"Button3", "Calcular Precio"},
        {"LabelValorUso", "Valor de Uso Cliente (Precio del Coche)"},
        {"Label28", "€+IVA"},
        {"LabelValorCambio", "Valor de Cambio (Precio TOTAL Compra sin IVA)"},
        {"Label29", "€+IVA"},
        {"Label18", "RESTAR AL PRECIO COCHE el Coste Reacondicionamiento del automovil"},
        {"Label19", "Pintura: abrillantar o pintar zonas"},
        {"Label20", "Motor: correas, aceites, filtros, etc"},
        {"Label21", "Componentes electronicos"},
        {"Label22", "Tapizado: limpiar o reponer partes"},
        {"Label23", "Frenos, Suspension, Neumaticos"},
        {"Label24", "Total Coste Reacondicionado"},
        {"Button4", "Precio Coche sin Reparar"},
        {"Label25", "Precio Compra sin reparar"},
        {"Label16", "euros"},
        {"Label26", "Precio del coche segun Vendedor"},
        {"Label17", "euros"},
        {"Button5", "Calcular PUNTOS Coche"},
        {"Label27", "Puntuacion"},
        {"Label30", "puntos"},
    };
    // clang-format on
    for (const auto& fila : textos)
        QTest::newRow(fila[0]) << QString::fromLatin1(fila[0]) << QString::fromUtf8(fila[1]);
}

void PruebasValoracion::textos() {
    QFETCH(QString, control);
    QFETCH(QString, texto);
    QCOMPARE(Texto(*ventana, qPrintable(control)), texto);
}

void PruebasValoracion::aspecto_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<uint>("fondo"); // 0x00BBGGRR
    QTest::addColumn<uint>("tinta");
    QTest::addColumn<int>("alto"); // character height in pixels
    QTest::addColumn<bool>("negrita");
    // clang-format off
    QTest::newRow("sheet") << "Panel1" << 0x00FFFFFFu << 0x00656549u << 11 << false;
    QTest::newRow("window") << "Form1" << 0x00719FFFu << 0x00000000u << 11 << false;
    QTest::newRow("title line") << "LabelCaption" << 0x00719FFFu << 0x00D9FFFFu << 16 << true;
    QTest::newRow("price new") << "EPVPNuevo" << 0x0000FFFFu << 0x00656549u << 11 << true;
    QTest::newRow("brand") << "ENombreMarca" << 0x00E0D0FFu << 0x00656549u << 11 << false;
    QTest::newRow("special box") << "CEspecial1" << 0x0000FFFFu << 0x00656549u << 11 << true;
    QTest::newRow("band") << "Label10" << 0x00FFFF00u << 0x00656549u << 12 << true;
    QTest::newRow("column MUY MAL") << "StaticText2" << 0x00D0D0FFu << 0x00656549u << 11 << false;
    QTest::newRow("rating MUY MAL") << "CP1MuyMal" << 0x00D0D0FFu << 0x00656549u << 11 << false;
    QTest::newRow("rating MUY BIEN") << "CP11MuyBien" << 0x00F0F0FFu << 0x00656549u << 11 << false;
    QTest::newRow("points") << "EPuntosObtenidos" << 0x00F0F0FFu << 0x00656549u << 11 << false;
    QTest::newRow("value of use") << "EPVPValoracion" << 0x00FFFFC0u << 0x00656549u << 12 << true;
    QTest::newRow("exchange value") << "EPVPCambio" << 0x00000000u << 0x0000FFFFu << 12 << true;
    QTest::newRow("total cost") << "ETotalCoste" << 0x0000FFFFu << 0x00654949u << 12 << true;
    QTest::newRow("seller's price") << "EPVPVendedor" << 0x00FFFFC0u << 0x00654949u << 12 << true;
    QTest::newRow("score") << "EPuntuacion" << 0x000000FFu << 0x00FFFFFFu << 12 << true;
    QTest::newRow("sheet title") << "Label1" << 0x00FFFFFFu << 0x008C4646u << 12 << true;
    // clang-format on
}

void PruebasValoracion::aspecto() {
    QFETCH(QString, control);
    QFETCH(uint, fondo);
    QFETCH(uint, tinta);
    QFETCH(int, alto);
    QFETCH(bool, negrita);
    const QWidget* w =
        control == QLatin1String("Form1") ? ventana.get() : ventana->findChild<QWidget*>(control);
    QVERIFY(w != nullptr);
    const bool edicion = qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w);
    const QPalette& p = w->palette();
    QCOMPARE(p.color(edicion ? QPalette::Base : QPalette::Window), ColorBGR(fondo));
    QCOMPARE(p.color(edicion ? QPalette::Text : QPalette::WindowText), ColorBGR(tinta));
    QCOMPARE(w->font().pixelSize(), alto);
    QCOMPARE(w->font().bold(), negrita);
    const QString familia = control == QLatin1String("Form1") ? u"MS Sans Serif"_s : u"Verdana"_s;
    QCOMPARE(w->font().family(), familia);
}

void PruebasValoracion::maqueta() {
    const QWidget& hoja = *ventana->hoja();
    // The criterion captions are 33 high on a 32-pixel pitch: neighbours share one line, and so
    // do the last one and "PUNTUACIONES" below it.
    const auto filasVecinas = [](const QWidget& a, const QWidget& b) {
        static const QRegularExpression fila(QStringLiteral("^LabelP(\\d+)$"));
        const auto ma = fila.match(a.objectName());
        const auto mb = fila.match(b.objectName());
        if (a.objectName() == u"LabelP%1"_s.arg(kCriterios.size()) &&
            b.objectName() == QLatin1String("StaticText18"))
            return a.geometry().intersected(b.geometry()).height() == 1;
        return ma.hasMatch() && mb.hasMatch() &&
               qAbs(ma.captured(1).toInt() - mb.captured(1).toInt()) == 1;
    };
    const QStringList defectos = DefectosDeMaqueta(hoja, filasVecinas);
    QVERIFY2(defectos.isEmpty(), qPrintable(defectos.join(QLatin1Char('\n'))));

    struct Lugar {
        const char* nombre;
        QPoint esquina;
    };
    // The controls whose place the help pop-ups are measured from.
    const Lugar lugares[] = {{"CEspecial1", {176, 120}},    {"CEspecial2", {176, 136}},
                             {"LabelP1", {8, 240}},         {"LabelP11", {8, 560}},
                             {"LabelValorUso", {216, 648}}, {"LabelValorCambio", {152, 672}}};
    for (const Lugar& l : lugares)
        QCOMPARE(ventana->findChild<QWidget*>(QLatin1String(l.nombre))->pos(), l.esquina);
    QCOMPARE(ventana->findChild<QWidget*>(u"LabelP5"_s)->size(), QSize(241, 33));
}

void PruebasValoracion::listasTrasDosReinicios() {
    Proteger(ventana.get(), [this] { ventana->ResetValoracion(); });
    const struct {
        const char* nombre;
        int cuenta;
        const char* primero;
        const char* ultimo;
        // clang-format off
    } listas[] = {
        {"EMesFabricacion", 12, "Enero", "Diciembre"},    {"EMesesLeasing", 7, "6 meses", "5 años"},
        {"ENombreMarca", 49, "ALFA ROMEO", "VOLKSWAGEN"}, {"ETipoVehiculo", 11, "Turismo", "Otros"},
        {"EAnoFabricacion", 26, "2010", "1985"},
    };
    // clang-format on
    for (const auto& l : listas) {
        QComboBox* lista = Lista(l.nombre);
        QCOMPARE(lista->count(), l.cuenta);
        QCOMPARE(lista->itemText(0), QString::fromUtf8(l.primero));
        QCOMPARE(lista->itemText(lista->count() - 1), QString::fromUtf8(l.ultimo));
        QVERIFY(lista->isEditable());
    }
    QCOMPARE(Lista("ENombreMarca")->itemText(47), QStringLiteral("VOLVO"));
    QCOMPARE(Lista("EMesFabricacion")->itemText(8), QStringLiteral("Septiembre"));
}

void PruebasValoracion::listaDeAnos_data() {
    QTest::addColumn<int>("ano");
    QTest::addColumn<int>("cuenta");
    // clang-format off
    QTest::newRow("2026") << 2026 << 42;
    QTest::newRow("1985") << 1985 << 1;
    QTest::newRow("1984") << 1984 << 0;
    // clang-format on
}

void PruebasValoracion::listaDeAnos() {
    QFETCH(int, ano);
    QFETCH(int, cuenta);
    FijarReloj(MomentoDePrueba(ano, 12));
    ventana->ResetValoracion();
    QComboBox* lista = Lista("EAnoFabricacion");
    QCOMPARE(lista->count(), cuenta);
    for (int i = 0; i < cuenta; ++i)
        QCOMPARE(lista->itemText(i), QString::number(ano - i));
    QCOMPARE(lista->currentText(), QStringLiteral("2007"));
    avisos.Tomar(); // a car built after today is still computed; 1984 needs no box either
}

void PruebasValoracion::filasDeValoracion() {
    for (int fila = 1; fila <= static_cast<int>(kCriterios.size()); ++fila) {
        for (int columna = 1; columna <= kNumeroColumnas; ++columna)
            QCOMPARE(Opcion(fila, columna)->isChecked(), columna == 3);
    }
    QTest::mouseClick(Opcion(1, 4), Qt::LeftButton);
    const int ultima = static_cast<int>(kCriterios.size());
    QTest::mouseClick(Opcion(ultima, 1), Qt::LeftButton);
    for (int fila = 1; fila <= static_cast<int>(kCriterios.size()); ++fila) {
        const int marcada = fila == 1 ? 4 : fila == ultima ? 1 : 3;
        for (int columna = 1; columna <= kNumeroColumnas; ++columna)
            QCOMPARE(Opcion(fila, columna)->isChecked(), columna == marcada);
    }
    ventana->ResetValoracion();
    QVERIFY(Opcion(1, 3)->isChecked() && !Opcion(1, 4)->isChecked());
}

void PruebasValoracion::botonesDeCalculo_data() {
    QTest::addColumn<QString>("boton");
    // clang-format off
    QTest::newRow("Calcular Precio") << "Button3";
    QTest::newRow("Precio Coche sin Reparar") << "Button4";
    QTest::newRow("Calcular PUNTOS Coche") << "Button5";
    // clang-format on
}

void PruebasValoracion::botonesDeCalculo() {
    QFETCH(QString, boton);
    FijarReloj(MomentoDePrueba(2012, 6));
    Escribir("EPintura", QStringLiteral("150"));
    Escribir("EMotor", QStringLiteral("200,5"));
    Escribir("EElectronica", QStringLiteral("49,5"));
    ventana->findChild<QCheckBox*>(u"CEspecial1"_s)->setChecked(true);
    QCOMPARE(Texto(*ventana, "EPVPValoracion"), QStringLiteral("22629")); // nothing until pressed
    Pulsar(qPrintable(boton));
    QCOMPARE(Resultados(),
             (QStringList{u"300"_s, u"12,16"_s, u"21531"_s, u"18836"_s, u"400"_s, u"18436"_s}));
}

void PruebasValoracion::ejemploDeCalculo() {
    FijarReloj(MomentoDePrueba(2012, 6));
    ventana->findChild<QCheckBox*>(u"CEspecial2"_s)->setChecked(true);
    for (const char* nombre : {"EPVPNuevo", "EKilometros", "EAnoFabricacion", "EMesFabricacion",
                               "EPintura", "EPVPVendedor", "EPuntuacion"})
        Escribir(nombre, QStringLiteral("7"));
    Escribir("EMarca", QStringLiteral("GTI"));
    Pulsar("Button6");
    QCOMPARE(Texto(*ventana, "EPVPNuevo"), QStringLiteral("31470"));
    QCOMPARE(Texto(*ventana, "EMesFabricacion"), QStringLiteral("Octubre"));
    QCOMPARE(Texto(*ventana, "EPVPVendedor"), QStringLiteral("0"));
    QCOMPARE(Texto(*ventana, "EMarca"), QStringLiteral("GTI"));
    QVERIFY(ventana->findChild<QCheckBox*>(u"CEspecial2"_s)->isChecked());
    QCOMPARE(Resultados(),
             (QStringList{u"300"_s, u"12,16"_s, u"23679"_s, u"20715"_s, u"0"_s, u"20715"_s}));
}

void PruebasValoracion::valoracionesCuentan() {
    QTest::mouseClick(Opcion(8, 5), Qt::LeftButton); // class a: 57 x 5/3 = 95
    QTest::mouseClick(Opcion(2, 1), Qt::LeftButton); // class h: 9 x 1/3 = 3
    QCOMPARE(Texto(*ventana, "EPuntosObtenidos"), QStringLiteral("300"));
    Pulsar("Button3");
    QCOMPARE(Texto(*ventana, "EPuntosObtenidos"), QStringLiteral("332"));
}

void PruebasValoracion::faltanDatos() {
    MarcarResultados();
    for (const char* nombre : {"EPVPNuevo", "EKilometros", "EAnoFabricacion", "EMesFabricacion"})
        Escribir(nombre, QString());
    Pulsar("Button3");
    const QList<Aviso> vistos = avisos.Tomar();
    QCOMPARE(vistos.size(), 1);
    QCOMPARE(vistos[0].icono, QMessageBox::NoIcon);
    QCOMPARE(vistos[0].titulo, kTituloAplicacion);
    QCOMPARE(vistos[0].texto, QStringLiteral("Falta por cubrir Precio Coche Nuevo\r\n"
                                             "Falta por cubrir Kilometros Cuadro\r\n"
                                             "Falta por cubrir Ano Fabricacion\r\n"
                                             "Falta por cubrir Mes Fabricacion\r\n"));
    QCOMPARE(Resultados(), QStringList(6, QStringLiteral("marca")));
}

void PruebasValoracion::precioNoNumerico() {
    MarcarResultados();
    Escribir("EPVPNuevo", QStringLiteral("31.470"));
    Escribir("EKilometros", QString()); // not examined once the price has failed
    const QStringList antes = TodosLosTextos();
    Pulsar("Button4");
    const QList<Aviso> vistos = avisos.Tomar();
    QCOMPARE(vistos.size(), 1);
    QCOMPARE(vistos[0].icono, QMessageBox::Critical);
    QCOMPARE(vistos[0].titulo, kTituloAplicacion);
    QCOMPARE(vistos[0].texto, QStringLiteral("'031.470' is not a valid floating point value."));
    QCOMPARE(TodosLosTextos(), antes);
}

void PruebasValoracion::costeFallido() {
    MarcarResultados();
    Escribir("EFrenos", QStringLiteral("-"));
    Pulsar("Button3");
    const QList<Aviso> vistos = avisos.Tomar();
    QCOMPARE(vistos.size(), 1);
    QCOMPARE(vistos[0].texto, QStringLiteral("'-' is not a valid floating point value."));
    QCOMPARE(Resultados(),
             (QStringList{u"300"_s, u"marca"_s, u"marca"_s, u"marca"_s, u"marca"_s, u"marca"_s}));
}

void PruebasValoracion::anoFallido() {
    MarcarResultados();
    Escribir("EPintura", QStringLiteral("12,5"));
    Escribir("EAnoFabricacion", QStringLiteral("x+"));
    Pulsar("Button5");
    const QList<Aviso> vistos = avisos.Tomar();
    QCOMPARE(vistos.size(), 1);
    QCOMPARE(vistos[0].texto, QStringLiteral("'+' is not a valid floating point value."));
    QCOMPARE(Resultados(),
             (QStringList{u"300"_s, u"marca"_s, u"marca"_s, u"marca"_s, u"12,5"_s, u"marca"_s}));
}

void PruebasValoracion::operacionInvalida() {
    FijarReloj(MomentoDePrueba(2026, 12));
    MarcarResultados();
    Escribir("EKilometros", QStringLiteral("9999999999999999"));
    Escribir("EAnoFabricacion", QStringLiteral("1886"));
    Pulsar("Button3");
    const QList<Aviso> vistos = avisos.Tomar();
    QCOMPARE(vistos.size(), 1);
    QCOMPARE(vistos[0].icono, QMessageBox::Critical);
    QCOMPARE(vistos[0].texto, QStringLiteral("Invalid floating point operation."));
    const QStringList r = Resultados();
    QCOMPARE(r[0], QStringLiteral("300"));
    QCOMPARE(r[4], QStringLiteral("0"));
    QVERIFY(r[1] != QStringLiteral("marca")); // the rate is written, the value of use is not
    QCOMPARE(r.mid(2, 2), (QStringList{u"marca"_s, u"marca"_s}));
    QCOMPARE(r[5], QStringLiteral("marca"));
}

void PruebasValoracion::rechazosNoCambianNada_data() {
    QTest::addColumn<QString>("campo");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("mensaje");
    // clang-format off
    QTest::newRow("unknown month")
        << "EMesFabricacion"
        << "Oct."
        << QStringLiteral("Mes Fabricac: 'Oct.' no es ningún mes. Elija uno de la lista, de Enero "
                          "a Diciembre.");
    QTest::newRow("year 1800") << "EAnoFabricacion"
                               << "1800"
                               << QStringLiteral("Año Fabricac: '1800' no es un año de "
                                                 "fabricación posible. Escriba un año entre 1886 "
                                                 "y 9999.");
    // clang-format on
}

void PruebasValoracion::rechazosNoCambianNada() {
    QFETCH(QString, campo);
    QFETCH(QString, texto);
    QFETCH(QString, mensaje);
    MarcarResultados();
    Escribir(qPrintable(campo), texto);
    const QStringList antes = TodosLosTextos();
    Pulsar("Button3");
    const QList<Aviso> vistos = avisos.Tomar();
    QCOMPARE(vistos.size(), 1);
    QCOMPARE(vistos[0].icono, QMessageBox::Critical);
    QCOMPARE(vistos[0].texto, mensaje);
    QCOMPARE(TodosLosTextos(), antes);
}

void PruebasValoracion::mesEnMinusculas() {
    Escribir("EMesFabricacion", QStringLiteral(" octubre "));
    MarcarResultados();
    Pulsar("Button3");
    QCOMPARE(Resultados(),
             (QStringList{u"300"_s, u"13,57"_s, u"22629"_s, u"19797"_s, u"0"_s, u"19797"_s}));
}

void PruebasValoracion::textosHostiles_data() {
    QTest::addColumn<QString>("texto");
    // clang-format off
    QTest::newRow("empty") << "";
    QTest::newRow("blanks") << "   ";
    QTest::newRow("letters") << "abc";
    QTest::newRow("minus") << "-";
    QTest::newRow("plus") << "+";
    QTest::newRow("separators") << ",,,...";
    QTest::newRow("thousand digits") << QString(1000, QLatin1Char('9'));
    QTest::newRow("thousand digits and decimals") << QString(1000, QLatin1Char('9')) + u",99"_s;
    QTest::newRow("five thousand digits, separator") << QString(5000, QLatin1Char('9')) + u","_s;
    QTest::newRow("exponent") << "1e99999";
    QTest::newRow("negative exponent") << "1e-99999";
    QTest::newRow("non-Latin") << QStringLiteral("二千 €");
    QTest::newRow("control characters") << QStringLiteral("\x01\x1b\t7");
    // clang-format on
}

// Whatever is typed into any field ends in results or in one message, never in a crash, a
// hang or a field reading "nan" or "inf".
void PruebasValoracion::textosHostiles() {
    QFETCH(QString, texto);
    FijarReloj(MomentoDePrueba(2026, 12));
    for (const char* campo : kEntradas) {
        ventana->ResetValoracion();
        Escribir(campo, texto);
        for (const char* boton : {"Button3", "Button4", "Button5"}) {
            Pulsar(boton);
            QVERIFY(avisos.Tomar().size() <= 1);
            for (const QString& resultado : TodosLosTextos()) {
                QVERIFY2(!resultado.contains(QStringLiteral("nan"), Qt::CaseInsensitive) &&
                             !resultado.contains(QStringLiteral("inf"), Qt::CaseInsensitive),
                         campo);
            }
        }
    }
}

void PruebasValoracion::entregaAlCertificado() {
    QSignalSpy entregas(ventana.get(), &TForm1::certificadoPedido);
    Escribir("EMarca", QStringLiteral("1.9 TDI"));
    Escribir("EBastidor", QStringLiteral("VSSZZZ1MZ8B000001"));
    Escribir("EMatricula", QStringLiteral("1234 BCD"));
    Escribir("EPVPVendedor", QStringLiteral("15.000"));
    Escribir("EPuntuacion", QStringLiteral("7"));
    Lista("ENombreMarca")->setCurrentIndex(38);
    Escribir("ETipoVehiculo", QStringLiteral("Familiar"));
    Escribir("EPVPCambio", QStringLiteral(" typed "));
    Pulsar("Button2");
    QCOMPARE(entregas.size(), 1);
    const auto entregado = entregas[0][0].value<TraspasoValoracion>();
    const struct {
        QString TraspasoValoracion::*campo;
        QString texto;
    } campos[] = {
        {&TraspasoValoracion::FMarca, u"1.9 TDI"_s},
        {&TraspasoValoracion::FBastidor, u"VSSZZZ1MZ8B000001"_s},
        {&TraspasoValoracion::FMatricula, u"1234 BCD"_s},
        {&TraspasoValoracion::FPVPNuevo, u"31470"_s},
        {&TraspasoValoracion::FPuntosObtenidos, u"300"_s},
        {&TraspasoValoracion::FPVPCambio, u" typed "_s},
        {&TraspasoValoracion::FPVPVendedor, u"15.000"_s},
        {&TraspasoValoracion::FPuntuacion, u"7"_s},
        {&TraspasoValoracion::FNombreMarca, u"SEAT"_s},
        {&TraspasoValoracion::FTipoVehiculo, u"Familiar"_s},
    };
    for (const auto& [campo, texto] : campos)
        QCOMPARE(entregado.*campo, texto);
}

MORVEX_TEST_MAIN(PruebasValoracion)
#include "tst_valoracion.moc"
