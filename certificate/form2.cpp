#include "form2.h"

#include "controles.h"
#include "escritura.h"
#include "general.h"
#include "reloj.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QSignalBlocker>

namespace {

constexpr DisenoMarco kDiseno = {
    .nombre = "Form2",
    .titulo = "SCANNER MORVEX: Certificado de Calidad",
    .altoHoja = kAltoHojaCertificado,
    .textoAvance = "Valoracion Coches Ocasion",
    .posAvance = {16, 653},
    .posRegresar = {332, 653},
    .regresarPrimero = false,
    .documento = "Certificado de Calidad",
    .archivo = "Certificado",
    .unaPagina = false,
};

const QString kTextoAverias =
    QStringLiteral("Leer Memoria Averias  (Cada averia resta 0,5 puntos)");

} // namespace

TForm2::TForm2() : TMarco(kDiseno) {
    CrearHoja();
    // Before the first hand-over: empty values, and the standard valuation points.
    recibido_.FPuntosObtenidos = QString::number(kPuntosEstandar);
    Conectar();
    PrepararNavegacion();
    // The ITV points follow the tick the reader has just said; the asterisks repeat the score.
    hablados_.Vigilar(
        {{EPuntosObtenidos, QStringLiteral("puntuación obtenida"), {}},
         {EPuntosTotales, QStringLiteral("puntuación total"), QStringLiteral("sobre 10")},
         {EPrecioCompra, QStringLiteral("precio compra"), QStringLiteral("euros")}});
    VigilarEscritura(hoja(), [this] { escrito_ = true; });
}

void TForm2::Conectar() {
    connect(Button2, &QPushButton::clicked, this, &TForm2::valoracionPedida);
    Manejar(this, Button3, &QPushButton::clicked, &TForm2::Button3Click);
    // Every change of the tick, by the user or by the program.
    Manejar(this, CITV, &QCheckBox::toggled, &TForm2::CITVClick);
    // Every change of the text, typed or written; writing the same text changes nothing.
    Manejar(this, EPrecioNuevo, &QLineEdit::textChanged, &TForm2::EPrecioNuevoChange);
    Manejar(this, EPrecioCambio, &QLineEdit::textChanged, &TForm2::EPrecioCambioChange);
    Manejar(this, EPrecioVendedor, &QLineEdit::textChanged, &TForm2::EPrecioVendedorChange);
    Manejar(this, EPVPVendedor, &QLineEdit::textChanged, &TForm2::EPVPVendedorChange);
    // A new rating turns one button of its row on (and the one before off): the button turned
    // on stands for the change.
    for (const auto& elemento : CV) {
        for (QRadioButton* boton : elemento) {
            connect(boton, &QRadioButton::toggled, this, [this](bool puesto) {
                if (puesto)
                    Proteger(this, [this] { CalificacionChange(); });
            });
        }
    }
    Manejar(this, MemoAverias, &QPlainTextEdit::textChanged, &TForm2::MemoAveriasChange);
}

void TForm2::CalificacionChange() {
    if (!sinPuntuar_)
        CalcularCertificado();
}

void TForm2::MemoAveriasChange() {
    const QString texto = MemoAverias->toPlainText();
    if (texto == averiasVistas_)
        return;
    averiasVistas_ = texto;
    if (!sinPuntuar_)
        CalcularCertificado();
}

void TForm2::RecibirValoracion(const TraspasoValoracion& valoracion) { recibido_ = valoracion; }

void TForm2::PrepararCertificado(int cuentaAverias, const QStringList& averias) {
    // Its own writes to the fault memory look typed; however it ends, nothing is.
    const auto limpio = qScopeGuard([this] { escrito_ = false; });
    for (QLineEdit* campo : {EProtocoloUCE, ENumRecambio, ETipoSistema, ECodificacion, ENumTaller,
                             EInfoAdicional1, EInfoAdicional2})
        campo->clear();
    LabelAverias->setText(kTextoAverias);
    {
        const QScopedValueRollback sinPuntuar(sinPuntuar_, true);
        MemoAverias->clear();
        if (cuentaAverias > 0) {
            for (const QString& averia : averias)
                MemoAverias->appendPlainText(averia);
        }
    }
    // A new text in one of the price fields scores at once, nested in the write.
    EMarca->setText(recibido_.FMarca);
    EBastidor->setText(recibido_.FBastidor);
    EMatricula->setText(recibido_.FMatricula);
    EPrecioNuevo->setText(recibido_.FPVPNuevo);
    EPrecioCambio->setText(recibido_.FPVPCambio);
    EPrecioVendedor->setText(recibido_.FPVPVendedor);
    EPuntuacionValoracion->setText(recibido_.FPuntuacion);
    ENombreMarca->setText(recibido_.FNombreMarca);
    ETipoVehiculo->setText(recibido_.FTipoVehiculo);
    {
        const QScopedValueRollback sinPuntuar(sinPuntuar_, true);
        for (auto& elemento : CV)
            elemento[0]->setChecked(true);
    }
    // Unticking scores as a click would; a failure of that run stops the preparation here, so
    // the run is made directly rather than from the notification.
    if (CITV->isChecked()) {
        {
            const QSignalBlocker sinAviso(CITV);
            CITV->setChecked(false);
        }
        CalcularCertificado();
    }
    for (QLineEdit* campo : {EPuntosAsteriscos, EPuntosObtenidos, EPuntosITV, EPuntosTotales})
        campo->clear();
    EPVPVendedor->setText(recibido_.FPVPVendedor);
    EPuntuacion->setText(recibido_.FPuntuacion);
    for (QLineEdit* campo : {EPrecioCompra, EVendedor, EComprador})
        campo->clear();
    LabelFecha->setText(LineaFecha(AhoraLocal()));
    LabelFecha->resize(TamanoDelTexto(*LabelFecha)); // sized to its text, as every caption
    FDefectos.fill(QString());
    CalcularCertificado();
    // A new certificate is heard as its window opens, not as changes.
    hablados_.Callar();
}

Calificaciones TForm2::LeerCalificaciones() const {
    Calificaciones calificaciones;
    for (size_t i = 0; i < CV.size(); ++i) {
        calificaciones[i] = CV[i][0]->isChecked()   ? Calificacion::Bien
                            : CV[i][1]->isChecked() ? Calificacion::Regular
                            : CV[i][2]->isChecked() ? Calificacion::Mal
                                                    : Calificacion::Ninguna;
    }
    return calificaciones;
}

bool TForm2::ResultadosAlDia() const {
    const QChar separador = SeparadorDecimal();
    const Calificaciones calificaciones = LeerCalificaciones();
    const long double puntuacion = PuntuacionLista(calificaciones);
    try {
        if (EPVPVendedor->text() != NormalizarNumero(EPVPVendedor->text(), separador))
            return false;
        const long double precioCambio = ValorDeTexto(EPrecioCambio->text(), separador);
        const Nota nota = NotaCertificado(puntuacion, ContarAverias(MemoAverias->toPlainText()),
                                          recibido_.FPuntosObtenidos, CITV->isChecked(), separador);
        return EPrecioCompra->text() ==
                   TextoNumero(PrecioCorregido(puntuacion, precioCambio), separador) &&
               EPuntosObtenidos->text() == nota.obtenidos && EPuntosITV->text() == nota.itv &&
               EPuntosTotales->text() == nota.totales &&
               EPuntosAsteriscos->text() == nota.asteriscos &&
               MemoDefectosEncontrados->toPlainText() == LineaDefectos(Defectos(calificaciones));
    } catch (const ErrorCalculo&) {
        return false;
    }
}

QString TForm2::BotonCalcular() const { return Button3->text(); }

void TForm2::CalcularCertificado() {
    hablados_.Antes();
    const QChar separador = SeparadorDecimal();
    const Calificaciones calificaciones = LeerCalificaciones();
    const long double puntuacion = PuntuacionLista(calificaciones);
    // A new text here scores once more, nested; that run finds the text already normalised.
    EPVPVendedor->setText(NormalizarNumero(EPVPVendedor->text(), separador));
    const long double precioCambio = ValorDeTexto(EPrecioCambio->text(), separador);
    EPrecioCompra->setText(TextoNumero(PrecioCorregido(puntuacion, precioCambio), separador));
    const Nota nota = NotaCertificado(puntuacion, ContarAverias(MemoAverias->toPlainText()),
                                      recibido_.FPuntosObtenidos, CITV->isChecked(), separador);
    EPuntosObtenidos->setText(nota.obtenidos);
    EPuntosITV->setText(nota.itv);
    EPuntosTotales->setText(nota.totales);
    EPuntosAsteriscos->setText(nota.asteriscos);
    FDefectos = Defectos(calificaciones);
    // The runs nested in one change mostly find the same list: the memo's text is laid out
    // again only when it changes.
    const QString lineaDefectos = LineaDefectos(FDefectos);
    if (MemoDefectosEncontrados->toPlainText() != lineaDefectos)
        MemoDefectosEncontrados->setPlainText(lineaDefectos);
}

Impreso TForm2::ComoSeImprime() const {
    Impreso impreso = TMarco::ComoSeImprime();
    impreso.matricula = EMatricula->text();
    // The boxes under "Conforme VENDEDOR" and "Conforme COMPRADOR" take the signatures.
    const auto leyenda = [this](const char* nombre) {
        return hoja()->findChild<QLabel*>(DeTabla(nombre));
    };
    impreso.firmas = {{EVendedor, leyenda("Label37")}, {EComprador, leyenda("Label38")}};
    return impreso;
}
