#include "form1.h"

#include "ayuda_emergente.h"
#include "controles.h"
#include "criterios.h"
#include "deshacer.h"
#include "desplegables.h"
#include "escritura.h"
#include "general.h"
#include "reloj.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <utility>

namespace {

constexpr DisenoMarco kDiseno = {
    .nombre = "Form1",
    .titulo = "SCANNER MORVEX: Valoracion Coches Ocasion",
    .altoHoja = kAltoHojaValoracion,
    .textoAvance = "Certificado de Calidad",
    .posAvance = {8, 661},
    .posRegresar = {324, 661},
    .regresarPrimero = true,
    .documento = kTituloTasacion,
    .archivo = "Tasacion",
    .unaPagina = true,
};

// Empties the list, adds the items in order and leaves `texto` in it, with the item numbered
// `elegido` chosen (none for -1). A list that already holds exactly these items keeps them:
// rebuilding it would change nothing.
void Rellenar(QComboBox* lista, const QStringList& elementos, QStringView texto = {},
              int elegido = -1) {
    bool iguales = lista->count() == elementos.size();
    for (int i = 0; iguales && i < lista->count(); ++i)
        iguales = lista->itemText(i) == elementos[i];
    if (!iguales) {
        lista->clear();
        lista->addItems(elementos);
    }
    lista->setCurrentIndex(elegido);
    // Written as any field the program writes (PonerTexto): the same text is not told to a
    // screen reader as a change, and the list's own undo starts afresh.
    if (lista->lineEdit() != nullptr)
        PonerTexto(lista->lineEdit(), texto.toString());
}

template <size_t N> QStringList Textos(const std::array<const char*, N>& tabla) {
    QStringList textos;
    for (const char* texto : tabla)
        textos << DeTabla(texto);
    return textos;
}

QStringList Meses() {
    QStringList meses;
    for (int mes = 1; mes <= 12; ++mes)
        meses << NombreMes(mes).trimmed();
    return meses;
}

QStringList Anos(int anoActual) {
    QStringList anos;
    for (int ano = anoActual; ano >= kPrimerAnoLista; --ano)
        anos << QString::number(ano);
    return anos;
}

} // namespace

TForm1::TForm1() : TMarco(kDiseno) {
    CrearHoja();
    PrepararAyudas();
    Manejar(this, Button2, &QPushButton::clicked, &TForm1::Button2Click);
    Manejar(this, Button3, &QPushButton::clicked, &TForm1::Button3Click);
    Manejar(this, Button4, &QPushButton::clicked, &TForm1::Button4Click);
    Manejar(this, Button5, &QPushButton::clicked, &TForm1::Button5Click);
    Manejar(this, Button6, &QPushButton::clicked, &TForm1::Button6Click);
    PrepararNavegacion();
    hablados_.Vigilar(ResultadosDichos());
    VigilarEscritura(hoja(), [this] { Escrito(); });
    Proteger(this, [this] { ResetValoracion(); });
}

TForm1::~TForm1() = default;

void TForm1::closeEvent(QCloseEvent* evento) {
    QWidget::closeEvent(evento);
    if (evento->isAccepted())
        emit cerrado();
}

std::vector<ResultadosHablados::Resultado> TForm1::ResultadosDichos() const {
    return {{EPuntosObtenidos, QStringLiteral("puntos valoración"), {}},
            {EPorcentaje, QStringLiteral("depreciación"), QStringLiteral("por ciento")},
            {EPVPValoracion, QStringLiteral("valor de uso"), QStringLiteral("euros")},
            {EPVPCambio, QStringLiteral("valor de cambio"), {}},
            {ETotalCoste, QStringLiteral("coste reacondicionado"), {}},
            {EPVPCompra, QStringLiteral("precio compra"), {}}};
}

void TForm1::ResetValoracion() {
    Deshacer().Retirar();
    escrito_ = false;
    // An edit field the worked example fills gets the example's text once, not emptied first:
    // no handler watches these fields, and a field written twice repaints twice. The lists are
    // refilled empty, and the example writes the month and year. Each write starts the field's own
    // undo afresh (PonerTexto): Ctrl+Z in it never brings back the car before.
    const int anoActual = AhoraLocal().date().year();
    MemoAyuda->hide();
    for (QLineEdit* campo : {EMarca, EBastidor, EMatricula})
        PonerTexto(campo, {});
    CEspecial1->setChecked(false);
    CEspecial2->setChecked(false);
    Rellenar(EMesFabricacion, Meses());
    Rellenar(EAnoFabricacion, Anos(anoActual));
    CDiesel->setChecked(true);
    CLeasing->setChecked(false);
    Rellenar(EMesesLeasing, Textos(kDuracionesLeasing), u"9 meses");
    for (auto& fila : CP)
        fila[kColumnaNormal - 1]->setChecked(true);
    for (QLineEdit* campo : {ENumRecambio, ECodificacion, EExtra2})
        PonerTexto(campo, {});
    CImportacion->setChecked(true);
    Rellenar(ENombreMarca, Textos(kMarcas));
    Rellenar(ETipoVehiculo, Textos(kTiposVehiculo));
    // The results get the example's figures once: not emptied first, which a screen reader
    // would hear as a change of its own. Where the calculation does not reach one, it is emptied
    // (the points: the standard points) as ever.
    const VaciarSinResultado::Paso paso(vaciarSinResultado_);
    EjemploDeCalculo(); // loaded and computed as its button does
}

EstadoValoracion TForm1::TomarEstado() const {
    EstadoValoracion estado;
    for (QLineEdit* campo : hoja()->findChildren<QLineEdit*>()) {
        if (qobject_cast<QComboBox*>(campo->parentWidget()) == nullptr)
            estado.campos.append({campo, campo->text()});
    }
    for (QComboBox* lista : hoja()->findChildren<QComboBox*>()) {
        EstadoLista guardada{{}, lista->currentIndex(), lista->currentText()};
        for (int i = 0; i < lista->count(); ++i)
            guardada.elementos << lista->itemText(i);
        estado.listas.append({lista, guardada});
    }
    for (QAbstractButton* boton : hoja()->findChildren<QAbstractButton*>()) {
        if (boton->isCheckable())
            estado.marcas.append({boton, boton->isChecked()});
    }
    estado.escrito = escrito_;
    return estado;
}

void TForm1::RestaurarEstado(const EstadoValoracion& estado) {
    for (const auto& [campo, texto] : estado.campos)
        PonerTexto(campo, texto);
    for (const auto& [lista, guardada] : estado.listas)
        Rellenar(lista, guardada.elementos, guardada.texto, guardada.elegido);
    // Of a group of radio buttons, the one set is set, which clears the others; the one set
    // cannot be cleared on its own.
    for (const auto& [boton, marcado] : estado.marcas)
        boton->setChecked(marcado);
    escrito_ = estado.escrito;
}

void TForm1::OfrecerDeshacer(EstadoValoracion anterior) {
    Deshacer().Ofrecer(DeTabla(kAvisoTasacionNueva), DeTabla(kTasacionNueva),
                       [this, anterior = std::move(anterior)] {
                           // The results put back are heard as any change of results is.
                           hablados_.Antes();
                           RestaurarEstado(anterior);
                           emit resetDeshecho();
                       });
    Anunciar(this, DeTabla(kTasacionNueva));
}

void TForm1::Escrito() {
    escrito_ = true;
    Deshacer().Retirar();
}

void TForm1::CargarEjemplo() {
    PonerTexto(EPVPNuevo, QStringLiteral("31470"));
    PonerTexto(EKilometros, QStringLiteral("83680"));
    PonerTexto(EAnoFabricacion->lineEdit(), QStringLiteral("2007"));
    PonerTexto(EMesFabricacion->lineEdit(), QStringLiteral("Octubre"));
    for (QLineEdit* campo :
         {EPintura, ETapizado, EMotor, EFrenos, EElectronica, EPVPVendedor, EPuntuacion})
        PonerTexto(campo, QStringLiteral("0"));
}

void TForm1::EjemploDeCalculo() {
    CargarEjemplo();
    CalcularValoracion();
    // The worked example is heard as the sheet shows, not as changes.
    hablados_.Callar();
}

void TForm1::Button6Click() {
    EstadoValoracion anterior = TomarEstado();
    QStringList resultados;
    for (const ResultadosHablados::Resultado& resultado : ResultadosDichos())
        resultados << resultado.campo->text();
    // However the example ends: whatever it wrote before a failure stays written, and can be
    // undone as well.
    const auto ofrecer = qScopeGuard([this, &anterior, &resultados] {
        if (TomarEstado() == anterior)
            return; // nothing replaced: an offer standing stays
        Deshacer().Ofrecer(DeTabla(kAvisoEjemploCargado), DeTabla(kEjemploCargado),
                           [this, anterior] {
                               hablados_.Antes();
                               RestaurarEstado(anterior);
                           });
        const QString cambios = hablados_.Frase(resultados);
        Anunciar(this, cambios.isEmpty() ? DeTabla(kEjemploCargado)
                                         : DeTabla(kEjemploCargado) + u' ' + cambios);
    });
    EjemploDeCalculo();
}

EntradasValoracion TForm1::LeerEntradas() const {
    EntradasValoracion entradas;
    entradas.pvpNuevo = EPVPNuevo->text();
    entradas.kilometros = EKilometros->text();
    entradas.anoFabricacion = EAnoFabricacion->currentText();
    entradas.mesFabricacion = EMesFabricacion->currentText();
    entradas.costes = {EPintura->text(), ETapizado->text(), EMotor->text(), EFrenos->text(),
                       EElectronica->text()};
    entradas.especial1 = CEspecial1->isChecked();
    entradas.especial2 = CEspecial2->isChecked();
    for (size_t fila = 0; fila < CP.size(); ++fila) {
        for (size_t c = 0; c < CP[fila].size(); ++c) {
            if (CP[fila][c]->isChecked())
                entradas.columnas[fila] = static_cast<int>(c) + 1;
        }
    }
    return entradas;
}

bool TForm1::ComprobarDatos() {
    const QString faltan = DatosQueFaltan(LeerEntradas(), SeparadorDecimal());
    if (faltan.isEmpty())
        return true;
    MostrarAviso(this, faltan);
    return false;
}

void TForm1::CalcularValoracion() {
    if (!ComprobarDatos())
        return;
    hablados_.Antes();
    ResultadosValoracion resultados;
    try {
        ValorarCoche(LeerEntradas(), AhoraLocal().date(), SeparadorDecimal(), resultados);
    } catch (const ErrorCalculo&) {
        EscribirResultados(resultados);
        throw;
    }
    EscribirResultados(resultados);
}

std::array<std::pair<QLineEdit*, const std::optional<QString>*>, 6>
TForm1::CamposResultado(const ResultadosValoracion& resultados) const {
    return {{
        {EPuntosObtenidos, &resultados.puntosObtenidos},
        {ETotalCoste, &resultados.totalCoste},
        {EPorcentaje, &resultados.porcentaje},
        {EPVPValoracion, &resultados.pvpValoracion},
        {EPVPCambio, &resultados.pvpCambio},
        {EPVPCompra, &resultados.pvpCompra},
    }};
}

void TForm1::EscribirResultados(const ResultadosValoracion& resultados) {
    const bool reinicio = vaciarSinResultado_.Tomar();
    for (const auto& [campo, texto] : CamposResultado(resultados)) {
        if (texto->has_value())
            PonerTexto(campo, **texto);
        else if (reinicio)
            PonerTexto(campo,
                       campo == EPuntosObtenidos ? QString::number(kPuntosEstandar) : QString());
    }
}

bool TForm1::ResultadosAlDia() const {
    const EntradasValoracion entradas = LeerEntradas();
    const QChar separador = SeparadorDecimal();
    ResultadosValoracion resultados;
    try {
        if (!DatosQueFaltan(entradas, separador).isEmpty())
            return false;
        ValorarCoche(entradas, AhoraLocal().date(), separador, resultados);
    } catch (const ErrorCalculo&) {
        return false; // whatever was computed before the failure, the sheet cannot be right
    }
    for (const auto& [campo, texto] : CamposResultado(resultados)) {
        if (campo->text() != **texto)
            return false;
    }
    return true;
}

// As "Calcular Precio": its input check and its messages.
void TForm1::Recalcular() { CalcularValoracion(); }

QString TForm1::BotonCalcular() const { return Button3->text(); }

void TForm1::Button2Click() {
    Deshacer().Retirar();
    emit certificadoPedido({
        .FMarca = EMarca->text(),
        .FBastidor = EBastidor->text(),
        .FMatricula = EMatricula->text(),
        .FPVPNuevo = EPVPNuevo->text(),
        .FPuntosObtenidos = EPuntosObtenidos->text(),
        .FPVPCambio = EPVPCambio->text(),
        .FPVPVendedor = EPVPVendedor->text(),
        .FPuntuacion = EPuntuacion->text(),
        .FNombreMarca = ENombreMarca->currentText(),
        .FTipoVehiculo = ETipoVehiculo->currentText(),
    });
}

void TForm1::PrepararAyudas() {
    // The keyboard reaches a criterion's help by its rating row, a value's by its field.
    std::array<AyudaEmergente::Controles, kAyudas.size()> controles;
    for (size_t i = 0; i < kAyudas.size(); ++i) {
        QWidget* control = findChild<QWidget*>(DeTabla(kAyudas[i].nombre));
        controles[i] = {control, {control}};
        for (size_t fila = 0; fila < LabelP.size(); ++fila) {
            if (control == LabelP[fila])
                controles[i].teclado = {CP[fila].begin(), CP[fila].end()};
        }
        if (control == LabelValorUso)
            controles[i].teclado = {EPVPValoracion};
        else if (control == LabelValorCambio)
            controles[i].teclado = {EPVPCambio};
    }
    ayuda_ = std::make_unique<AyudaEmergente>(ScrollBox1, MemoAyuda, controles);
}

void TForm1::ResetColoresAyuda(const QString& nombre) { ayuda_->ResetColoresAyuda(nombre); }

Impreso TForm1::ComoSeImprime() const {
    Impreso impreso = TMarco::ComoSeImprime();
    impreso.matricula = EMatricula->text();
    return impreso;
}
