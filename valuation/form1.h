#pragma once
// The valuation window: one white sheet with the car's data, its rated criteria, the
// valuation results, the reconditioning costs and the final prices. The sheet is built from the
// tables in hoja_valoracion.cpp; the arithmetic is in calculo.h. The window reads texts, calls the
// calculation and writes texts.
// Direction of use: general/ <- impresion/ <- frame/ <- valuation/ <- app/; never the
// certificate.

#include "anuncio.h"
#include "ayudas.h"
#include "calculo.h"
#include "marco.h"
#include "traspaso.h"
#include "vaciado.h"

#include <QList>
#include <QStringList>
#include <array>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class AyudaEmergente;
class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// The title of the valuation sheet, which also names it on paper.
inline constexpr const char* kTituloTasacion =
    "Tasacion; Valoracion Morvex para la compra-venta Coches Ocasion";

// What the valuation window says of itself to a screen reader while a reset can be undone.
inline constexpr const char* kTasacionNueva = "Tasación nueva; Ctrl+Z recupera la anterior.";
// The same while the worked example its button loaded can be undone; announced before the
// results the example changed.
inline constexpr const char* kEjemploCargado =
    "Ejemplo de cálculo cargado; Ctrl+Z recupera los datos anteriores.";
// What the undo bar shows of each.
inline constexpr const char* kAvisoTasacionNueva = "Tasación nueva.";
inline constexpr const char* kAvisoEjemploCargado = "Ejemplo de cálculo cargado.";

// A drop-down list as it stands: its items, the one chosen (-1 for none) and its text.
struct EstadoLista {
    QStringList elementos;
    int elegido = -1;
    QString texto;
    bool operator==(const EstadoLista&) const = default;
};

// The valuation as the user left it, to put it back as it was: every edit field (the six
// results among them), every list, every tick and the origin, fuel and rating buttons, each
// beside its control; and whether anything was typed, ticked or chosen since the last reset.
struct EstadoValoracion {
    QList<std::pair<QLineEdit*, QString>> campos;
    QList<std::pair<QComboBox*, EstadoLista>> listas;
    QList<std::pair<QAbstractButton*, bool>> marcas;
    bool escrito = false;
    bool operator==(const EstadoValoracion&) const = default;
};

// Height of the valuation sheet; the sheet's construction checks that it holds the lowest
// control.
inline constexpr int kAltoHojaValoracion = 900;

class TForm1 : public TMarco {
    Q_OBJECT
public:
    TForm1();
    ~TForm1() override;

    // Back to the starting state: inputs emptied, lists refilled, the worked example loaded and
    // computed; nothing counts as typed, and an undo offered before is withdrawn. Throws
    // ErrorCalculo only if the example itself cannot be computed.
    void ResetValoracion();
    void CalcularValoracion();
    bool ComprobarDatos();

    EstadoValoracion TomarEstado() const;
    // Writes every field, list and button back as `estado` holds them, as the program writes
    // any field: a change handler runs for each new text or tick. No calculation runs: the
    // results are the ones written.
    void RestaurarEstado(const EstadoValoracion& estado);
    // After a reset: until the user types, ticks or chooses anything here, or asks for the
    // certificate, Ctrl+Z from any control of the window, or the undo bar's button, puts
    // `anterior` back (RestaurarEstado) and emits resetDeshecho. Meanwhile the window's
    // description says so (kTasacionNueva) and the bar shows kAvisoTasacionNueva. One level: a
    // new offer replaces the one before.
    void OfrecerDeshacer(EstadoValoracion anterior);
    // Whether anything was typed, ticked or chosen since the last reset (or in the state
    // restored since).
    bool DatosEscritos() const { return escrito_; }

    // Normal colours back on every help-bearing control but the one named (all of them for an
    // empty or unknown name).
    void ResetColoresAyuda(const QString& nombre);

signals:
    // "Certificado de Calidad": the ten texts the certificate receives.
    void certificadoPedido(const TraspasoValoracion& valoracion);
    // The valuation window has been closed: the program ends.
    void cerrado();
    // Ctrl+Z has put back the valuation a reset had cleared (OfrecerDeshacer).
    void resetDeshecho();

protected:
    void closeEvent(QCloseEvent* evento) override;
    // Whether the six results shown are, text for text, what the inputs give today; false when
    // the inputs cannot be computed. Shows nothing and changes nothing.
    bool ResultadosAlDia() const override;
    void Recalcular() override;
    QString BotonCalcular() const override;
    Impreso ComoSeImprime() const override;

private:
    void CrearHoja();
    // Tab order, keyboard and wheel, and the names screen readers give the controls.
    void PrepararNavegacion();
    // The help pop-ups, by pointer and by keyboard (AyudaEmergente).
    void PrepararAyudas();
    void Button2Click();
    // The three calculation buttons do the same: the whole calculation.
    void Button3Click() { CalcularValoracion(); }
    void Button4Click() { CalcularValoracion(); }
    void Button5Click() { CalcularValoracion(); }
    // The worked example, loaded and computed; what it replaced can be undone (as after a
    // reset, until the user's next input), where it changed anything.
    void Button6Click();
    // The worked example loaded and computed, and not heard as changes.
    void EjemploDeCalculo();
    void CargarEjemplo();
    // The user typed, ticked or chose something.
    void Escrito();
    // The six results as a screen reader hears them, in page order.
    std::vector<ResultadosHablados::Resultado> ResultadosDichos() const;
    EntradasValoracion LeerEntradas() const;
    // The six result fields beside their texts, in the order they are written.
    std::array<std::pair<QLineEdit*, const std::optional<QString>*>, 6>
    CamposResultado(const ResultadosValoracion& resultados) const;
    void EscribirResultados(const ResultadosValoracion& resultados);

    // Control-unit data and car identity
    QLineEdit* ENumRecambio;
    QLineEdit* ECodificacion;
    QLineEdit* EExtra2;
    QComboBox* ENombreMarca;
    QComboBox* ETipoVehiculo;
    QLineEdit* EMarca;
    QLineEdit* EBastidor;
    QLineEdit* EMatricula;
    // Car data
    QLineEdit* EPVPNuevo;
    QCheckBox* CEspecial1;
    QCheckBox* CEspecial2;
    QLineEdit* EKilometros;
    QComboBox* EMesFabricacion;
    QComboBox* EAnoFabricacion;
    QRadioButton* CImportacion;
    QRadioButton* CNacional;
    QRadioButton* CGasolina;
    QRadioButton* CDiesel;
    QRadioButton* CMixto;
    QCheckBox* CLeasing;
    QComboBox* EMesesLeasing;
    // Criteria: caption of each row and its five rating buttons
    std::array<QLabel*, kCriterios.size()> LabelP;
    std::array<std::array<QRadioButton*, kNumeroColumnas>, kCriterios.size()> CP;
    // Results
    QLineEdit* EPuntosObtenidos;
    QLineEdit* EPorcentaje;
    QLabel* LabelValorUso;
    QLineEdit* EPVPValoracion;
    QLabel* LabelValorCambio;
    QLineEdit* EPVPCambio;
    // Reconditioning costs
    QLineEdit* EPintura;
    QLineEdit* EMotor;
    QLineEdit* EElectronica;
    QLineEdit* ETapizado;
    QLineEdit* EFrenos;
    QLineEdit* ETotalCoste;
    // Final prices
    QLineEdit* EPVPCompra;
    QLineEdit* EPVPVendedor;
    QLineEdit* EPuntuacion;
    // Buttons and help
    QPushButton* Button3;
    QPushButton* Button4;
    QPushButton* Button5;
    QPushButton* Button6;
    QPlainTextEdit* MemoAyuda;
    // Set by the user's typing, ticking and choosing; cleared by a reset.
    bool escrito_ = false;
    // Goes before the controls it watches: a member, deleted before the frame's children.
    std::unique_ptr<AyudaEmergente> ayuda_;
    // In a reset, the calculation's writing gives the results it does not reach their starting
    // texts.
    VaciarSinResultado vaciarSinResultado_;
    // The results a calculation changed, said once it is over.
    ResultadosHablados hablados_;
};
