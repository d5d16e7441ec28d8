#pragma once
// The quality certificate window: one white sheet 2500 pixels high with the control-unit data,
// the car's identity, the valuation figures handed over, the checklist, the ITV, the
// score out of 10, the corrected purchase price and the date line. The sheet is built from the
// tables in hoja_certificado.cpp; the arithmetic is in puntuacion.h.
// Direction of use: general/ <- impresion/ <- frame/ <- certificate/ <- app/; never the
// valuation.

#include "anuncio.h"
#include "marco.h"
#include "puntuacion.h"
#include "traspaso.h"
#include "vaciado.h"

#include <QList>
#include <QStringList>
#include <array>
#include <utility>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// The fault memory's caption, which each new certificate puts back.
inline constexpr char kLeyendaAverias[] = "Leer Memoria Averias  (Cada averia resta 0,5 puntos)";

// What the certificate window says of itself to a screen reader while a preparation that
// replaced the user's inspection can be undone, and what the undo bar shows of it.
inline constexpr const char* kCertificadoPreparado =
    "Certificado preparado de nuevo; Ctrl+Z recupera la inspección anterior.";
inline constexpr const char* kAvisoCertificadoPreparado = "Certificado preparado de nuevo.";

// What the user gave a certificate beside the handed-over values: the control-unit fields, the
// fault memory, the rating of each item (its column, -1 for none) and the ITV tick. The
// signature boxes are read-only: the parties sign on paper.
struct EstadoInspeccion {
    QList<std::pair<QLineEdit*, QString>> campos;
    QString averias;
    std::array<int, kElementos.size()> calificaciones{};
    bool itv = false;
};

// Height of the certificate sheet; the sheet's construction checks that it holds the lowest
// control.
inline constexpr int kAltoHojaCertificado = 2500;

// Name of the radio button of checklist item `elemento` (1-based) in the column of
// `calificacion`: CV<item><Bien|Regular|Mal>, except a few written with a lower-case v
// (Cv44Bien, Cv55Bien), rows of a table of their own.
QString NombreBotonLista(int elemento, Calificacion calificacion);

class TForm2 : public TMarco {
    Q_OBJECT
public:
    TForm2();

    // Stores the ten texts of the valuation as they come. Nothing is shown or computed yet.
    void RecibirValoracion(const TraspasoValoracion& valoracion);

    // A fresh certificate from the values received: control-unit data and ratings cleared,
    // every item "Bien", ITV unticked, the date line, a scoring run. A fault count above 0
    // copies the fault list into the fault memory. Throws ErrorCalculo when a scoring run that
    // it starts directly fails; it stops there.
    // Where it replaced anything typed, ticked or chosen here, the inspection before can be
    // put back, until the user's next input here: Ctrl+Z from any control of the window, or the
    // undo bar's button, writes it back (RestaurarInspeccion) over the values now handed over,
    // which stay, and scores once. A preparation that replaced nothing leaves an offer standing.
    void PrepararCertificado(int cuentaAverias = 0, const QStringList& averias = {});

    // One scoring run. Throws ErrorCalculo; what was written before the failure stays.
    void CalcularCertificado();

    // The control-unit fields, which each new certificate empties.
    std::array<QLineEdit*, 7> CamposUCE() const;
    EstadoInspeccion TomarInspeccion() const;
    // Writes the inspection back, then scores once; the writes themselves start no scoring run.
    // Throws as CalcularCertificado, but not again for the failure shown last (PuntuarDeNuevo).
    void RestaurarInspeccion(const EstadoInspeccion& inspeccion);

    // Whether anything was typed, ticked or chosen since the last preparation.
    bool DatosEscritos() const { return escrito_; }

signals:
    // "Valoracion Coches Ocasion": back to the valuation, which starts again.
    void valoracionPedida();

protected:
    // Whether every result shown is what the ratings, the faults, the ITV tick and the prices
    // give now; false where a run cannot compute them (an unreadable exchange value). Shows
    // nothing and changes nothing.
    bool ResultadosAlDia() const override;
    // As "Calcular".
    void Recalcular() override { CalcularCertificado(); }
    QString BotonCalcular() const override;
    // The plate, and the signature blocks under the seller's and buyer's agreement.
    Impreso ComoSeImprime() const override;

private:
    void CrearHoja();
    // Tab order, keyboard and wheel, and the names screen readers give the controls.
    void PrepararNavegacion();
    void Conectar();
    // The triggers of a scoring run. A run they start reports its own failure (Manejar)
    // and whatever made the change goes on.
    void Button3Click() { CalcularCertificado(); }
    void CITVClick() { CalcularCertificado(); }
    void EPrecioNuevoChange() { CalcularCertificado(); }
    void EPrecioCambioChange() { CalcularCertificado(); }
    void EPrecioVendedorChange() { CalcularCertificado(); }
    void EPVPVendedorChange() { CalcularCertificado(); }
    // The ratings and the faults count, so their changes score at once as well: a rating set by
    // the user or by the program, and every change of the fault memory's text. The
    // preparation's own writes to them score nothing (sinPuntuar_): its last step scores.
    void CalificacionChange();
    void MemoAveriasChange();
    // The scoring run of a rating, a fault line or the undo, which score on top of the
    // certificate's own triggers: one that fails for the reason shown last (the same message
    // from the same texts) fails quietly, its results as the failure leaves them; printing then
    // asks first, as for any results not current.
    void PuntuarDeNuevo();
    // The preparation's steps, without the undo it offers.
    void Preparar(int cuentaAverias, const QStringList& averias);
    EntradasCertificado LeerEntradas() const;
    // The result fields beside their texts in `resultados`, in the order they are written; null
    // where the run stopped before the text.
    std::array<std::pair<QLineEdit*, const QString*>, 6>
    CamposResultado(const ResultadosCertificado& resultados) const;
    // Writes what a run computed, in order; the memo of defects gets its line last.
    void EscribirResultados(const ResultadosCertificado& resultados);

    // The valuation's values, as received
    TraspasoValoracion recibido_;
    TextosLista FDefectos;
    // Set by the user's typing, ticking and choosing; cleared by a preparation.
    bool escrito_ = false;
    // While set, a change of a rating or of the fault memory starts no scoring run.
    bool sinPuntuar_ = false;
    // While set, the writes are the preparation's, which end no offer of the undo.
    bool preparando_ = false;
    // The last run's failure, as the message and the texts it converted; empty after a run
    // that ended well.
    QString ultimoFallo_;
    // In a preparation, the next run's writing empties the results it does not reach.
    VaciarSinResultado vaciarSinResultado_;
    // The results a change of the user's altered, said once the change is over.
    ResultadosHablados hablados_;
    // The fault memory's text at its last change notification: writing the same text again, or
    // a change of its looks alone, is no change.
    QString averiasVistas_;

    // (1) Control-unit data and fault memory
    QLineEdit* EProtocoloUCE;
    QLineEdit* ENumRecambio;
    QLineEdit* ETipoSistema;
    QLineEdit* ECodificacion;
    QLineEdit* ENumTaller;
    QLineEdit* EInfoAdicional1;
    QLineEdit* EInfoAdicional2;
    QLabel* LabelAverias;
    QPlainTextEdit* MemoAverias;
    // Identity
    QLineEdit* ENombreMarca;
    QLineEdit* ETipoVehiculo;
    QLineEdit* EMarca;
    QLineEdit* EBastidor;
    QLineEdit* EMatricula;
    // (2) Valuation figures
    QLineEdit* EPrecioNuevo;
    QLineEdit* EPrecioCambio;
    QLineEdit* EPrecioVendedor;
    QLineEdit* EPuntuacionValoracion;
    // (3) Checklist: Bien, Regular, Mal of each item
    std::array<std::array<QRadioButton*, 3>, kElementos.size()> CV;
    // ITV and results
    QCheckBox* CITV;
    QLineEdit* EPuntosAsteriscos;
    QLineEdit* EPuntosObtenidos;
    QLineEdit* EPuntosITV;
    QLineEdit* EPuntosTotales;
    QPlainTextEdit* MemoDefectosEncontrados;
    QLineEdit* EPVPVendedor;
    QLineEdit* EPuntuacion;
    QPushButton* Button3;
    QLineEdit* EPrecioCompra;
    QLineEdit* EVendedor;
    QLineEdit* EComprador;
    QLabel* LabelFecha;
};
