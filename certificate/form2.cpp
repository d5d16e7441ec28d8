#include "form2.h"

#include "controles.h"
#include "deshacer.h"
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
#include <utility>

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
    VigilarEscritura(hoja(), [this] {
        escrito_ = true;
        if (!preparando_)
            Deshacer().Retirar();
    });
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
        PuntuarDeNuevo();
}

void TForm2::MemoAveriasChange() {
    const QString texto = MemoAverias->toPlainText();
    if (texto == averiasVistas_)
        return;
    averiasVistas_ = texto;
    if (!sinPuntuar_)
        PuntuarDeNuevo();
}

void TForm2::PuntuarDeNuevo() {
    const QString mostrado = ultimoFallo_;
    try {
        CalcularCertificado();
    } catch (const ErrorCalculo&) {
        if (mostrado.isEmpty() || ultimoFallo_ != mostrado)
            throw;
    }
}

void TForm2::RecibirValoracion(const TraspasoValoracion& valoracion) { recibido_ = valoracion; }

void TForm2::PrepararCertificado(int cuentaAverias, const QStringList& averias) {
    if (!escrito_) {
        Preparar(cuentaAverias, averias);
        return;
    }
    // The user's inspection, replaced: it can be put back, however the preparation ends.
    const auto ofrecer = qScopeGuard([this, anterior = TomarInspeccion()] {
        Deshacer().Ofrecer(DeTabla(kAvisoCertificadoPreparado), DeTabla(kCertificadoPreparado),
                           [this, anterior] { RestaurarInspeccion(anterior); });
        Anunciar(this, DeTabla(kCertificadoPreparado));
    });
    Preparar(cuentaAverias, averias);
}

void TForm2::Preparar(int cuentaAverias, const QStringList& averias) {
    // Its own writes to the fault memory look typed; however it ends, nothing is.
    const auto limpio = qScopeGuard([this] { escrito_ = false; });
    const QScopedValueRollback preparando(preparando_, true);
    // Each field is written once, and only where its text is new or its own undo holds the
    // inspection before (PonerTexto).
    for (QLineEdit* campo : CamposUCE())
        PonerTexto(campo, {});
    LabelAverias->setText(DeTabla(kLeyendaAverias));
    {
        const QScopedValueRollback sinPuntuar(sinPuntuar_, true);
        if (!MemoAverias->toPlainText().isEmpty())
            MemoAverias->clear();
        if (cuentaAverias > 0) {
            for (const QString& averia : averias)
                MemoAverias->appendPlainText(averia);
        }
    }
    // A new text in one of the price fields scores at once, nested in the write.
    PonerTexto(EMarca, recibido_.FMarca);
    PonerTexto(EBastidor, recibido_.FBastidor);
    PonerTexto(EMatricula, recibido_.FMatricula);
    PonerTexto(EPrecioNuevo, recibido_.FPVPNuevo);
    PonerTexto(EPrecioCambio, recibido_.FPVPCambio);
    PonerTexto(EPrecioVendedor, recibido_.FPVPVendedor);
    PonerTexto(EPuntuacionValoracion, recibido_.FPuntuacion);
    PonerTexto(ENombreMarca, recibido_.FNombreMarca);
    PonerTexto(ETipoVehiculo, recibido_.FTipoVehiculo);
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
    // The score's fields and the price are emptied only where the last run does not write them
    // (vaciarSinResultado_): emptied first, a reader would hear each of them twice.
    const VaciarSinResultado::Paso paso(vaciarSinResultado_);
    PonerTexto(EPVPVendedor, recibido_.FPVPVendedor);
    PonerTexto(EPuntuacion, recibido_.FPuntuacion);
    for (QLineEdit* campo : {EVendedor, EComprador})
        PonerTexto(campo, {});
    LabelFecha->setText(LineaFecha(AhoraLocal()));
    LabelFecha->resize(TamanoDelTexto(*LabelFecha)); // sized to its text, as every caption
    FDefectos.fill(QString());
    CalcularCertificado();
    // A new certificate is heard as its window opens, not as changes.
    hablados_.Callar();
}

std::array<QLineEdit*, 7> TForm2::CamposUCE() const {
    return {EProtocoloUCE, ENumRecambio,    ETipoSistema,   ECodificacion,
            ENumTaller,    EInfoAdicional1, EInfoAdicional2};
}

EstadoInspeccion TForm2::TomarInspeccion() const {
    EstadoInspeccion inspeccion;
    for (QLineEdit* campo : CamposUCE())
        inspeccion.campos.append({campo, campo->text()});
    inspeccion.averias = MemoAverias->toPlainText();
    for (size_t i = 0; i < CV.size(); ++i) {
        inspeccion.calificaciones[i] = -1;
        for (size_t c = 0; c < CV[i].size(); ++c) {
            if (CV[i][c]->isChecked())
                inspeccion.calificaciones[i] = static_cast<int>(c);
        }
    }
    inspeccion.itv = CITV->isChecked();
    return inspeccion;
}

void TForm2::RestaurarInspeccion(const EstadoInspeccion& inspeccion) {
    // The score put back is heard as any change of the score is.
    hablados_.Antes();
    {
        const QScopedValueRollback sinPuntuar(sinPuntuar_, true);
        for (const auto& [campo, texto] : inspeccion.campos)
            campo->setText(texto);
        if (MemoAverias->toPlainText() != inspeccion.averias)
            MemoAverias->setPlainText(inspeccion.averias);
        for (size_t i = 0; i < CV.size(); ++i) {
            // A row never rated has no button to set; the preparation rated it since.
            const int columna = inspeccion.calificaciones[i];
            if (columna >= 0)
                CV[i][static_cast<size_t>(columna)]->setChecked(true);
        }
        const QSignalBlocker sinAviso(CITV);
        CITV->setChecked(inspeccion.itv);
    }
    escrito_ = true;
    PuntuarDeNuevo();
}

EntradasCertificado TForm2::LeerEntradas() const {
    EntradasCertificado entradas;
    for (size_t i = 0; i < CV.size(); ++i) {
        entradas.calificaciones[i] = CV[i][0]->isChecked()   ? Calificacion::Bien
                                     : CV[i][1]->isChecked() ? Calificacion::Regular
                                     : CV[i][2]->isChecked() ? Calificacion::Mal
                                                             : Calificacion::Ninguna;
    }
    entradas.pvpVendedor = EPVPVendedor->text();
    entradas.precioCambio = EPrecioCambio->text();
    entradas.averias = MemoAverias->toPlainText();
    entradas.puntosValoracion = recibido_.FPuntosObtenidos;
    entradas.itv = CITV->isChecked();
    return entradas;
}

std::array<std::pair<QLineEdit*, const QString*>, 6>
TForm2::CamposResultado(const ResultadosCertificado& resultados) const {
    const auto texto = [](const std::optional<QString>& valor) {
        return valor.has_value() ? &*valor : nullptr;
    };
    const Nota* nota = resultados.nota.has_value() ? &*resultados.nota : nullptr;
    return {{
        {EPVPVendedor, texto(resultados.pvpVendedor)},
        {EPrecioCompra, texto(resultados.precioCompra)},
        {EPuntosObtenidos, nota != nullptr ? &nota->obtenidos : nullptr},
        {EPuntosITV, nota != nullptr ? &nota->itv : nullptr},
        {EPuntosTotales, nota != nullptr ? &nota->totales : nullptr},
        {EPuntosAsteriscos, nota != nullptr ? &nota->asteriscos : nullptr},
    }};
}

void TForm2::EscribirResultados(const ResultadosCertificado& resultados) {
    // A new seller's price scores once more, nested in its write; that run finds the text
    // already normalised.
    // A preparation empties the score's fields and the price the run does not reach.
    const bool vaciar = vaciarSinResultado_.Tomar();
    for (const auto& [campo, texto] : CamposResultado(resultados)) {
        if (texto != nullptr)
            PonerTexto(campo, *texto);
        else if (vaciar && campo != EPVPVendedor)
            PonerTexto(campo, {});
    }
    if (resultados.defectos.has_value())
        FDefectos = *resultados.defectos;
    // The runs nested in one change mostly find the same list: the memo's text is laid out
    // again only when it changes.
    if (resultados.lineaDefectos.has_value() &&
        MemoDefectosEncontrados->toPlainText() != *resultados.lineaDefectos)
        MemoDefectosEncontrados->setPlainText(*resultados.lineaDefectos);
}

bool TForm2::ResultadosAlDia() const {
    ResultadosCertificado resultados;
    try {
        PuntuarCertificado(LeerEntradas(), SeparadorDecimal(), resultados);
    } catch (const ErrorCalculo&) {
        return false; // whatever was computed before the failure, the sheet cannot be right
    }
    for (const auto& [campo, texto] : CamposResultado(resultados)) {
        if (campo->text() != *texto)
            return false;
    }
    return MemoDefectosEncontrados->toPlainText() == *resultados.lineaDefectos;
}

QString TForm2::BotonCalcular() const { return Button3->text(); }

void TForm2::CalcularCertificado() {
    hablados_.Antes();
    const EntradasCertificado entradas = LeerEntradas();
    ResultadosCertificado resultados;
    try {
        PuntuarCertificado(entradas, SeparadorDecimal(), resultados);
    } catch (const ErrorCalculo& error) {
        ultimoFallo_ =
            QStringList{error.mensaje(), entradas.precioCambio, entradas.puntosValoracion}.join(
                u'\n');
        EscribirResultados(resultados);
        throw;
    }
    ultimoFallo_.clear();
    EscribirResultados(resultados);
}

Impreso TForm2::ComoSeImprime() const {
    Impreso impreso = TMarco::ComoSeImprime();
    impreso.matricula = EMatricula->text();
    return impreso;
}
