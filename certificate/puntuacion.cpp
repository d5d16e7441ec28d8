#include "puntuacion.h"

#include "errores.h"
#include "general.h"
#include "traspaso.h"

namespace {

constexpr const char* kDiasSemana[] = {"Lunes, ",   "Martes, ", "Miercoles, ", "Jueves, ",
                                       "Viernes, ", "Sabado, ", "Domingo, "};

// The valuation correction: every kPuntosPorPunto valuation points are worth one point of the
// score, counted from kPuntosSinCorreccion, so that the standard points add exactly one.
constexpr int kPuntosPorPunto = 200;
constexpr int kPuntosSinCorreccion = kPuntosEstandar - kPuntosPorPunto;
// Valuation points above this count as this.
constexpr int kTopeValoracion = 500;

} // namespace

QString TituloElemento(int elemento) {
    return QString::number(elemento) + QStringLiteral(".- ") +
           DeTabla(kElementos[elemento - 1].texto);
}

long double PuntuacionLista(const Calificaciones& calificaciones) {
    long double suma = 0;
    for (size_t i = 0; i < kElementos.size(); ++i) {
        const long double peso = kElementos[i].peso;
        switch (calificaciones[i]) {
        case Calificacion::Bien:
            suma = suma + peso;
            break;
        case Calificacion::Regular:
            suma = suma + peso / 2;
            break;
        case Calificacion::Mal:
        case Calificacion::Ninguna:
            break;
        }
    }
    return suma / kDivisorLista;
}

long long PrecioCorregido(long double puntuacionLista, long double precioCambio) {
    long double d = 6.7L - puntuacionLista;
    d = d * precioCambio;
    d = d / 10;
    return Redondear(precioCambio - d);
}

Nota NotaCertificado(long double puntuacionLista, int averias, const QString& puntosValoracion,
                     bool itv, QChar separador) {
    long double s = puntuacionLista - 0.5L * averias;
    s = RedondearCentesimas(s);
    long double puntos = ValorDeTexto(puntosValoracion, separador);
    if (puntos > kTopeValoracion)
        puntos = kTopeValoracion;
    s = s + (puntos - kPuntosSinCorreccion) / kPuntosPorPunto;

    Nota nota;
    nota.obtenidos = TextoNumero(RedondearCentesimas(s), separador);
    if (itv)
        s = s + 1;
    nota.itv = itv ? QStringLiteral("1.0") : QStringLiteral("0.0");
    nota.totales = TextoNumero(RedondearCentesimas(s), separador);
    const long long estrellas = Redondear(s);
    for (long long i = 0; i < estrellas; ++i)
        nota.asteriscos += QStringLiteral("* ");
    return nota;
}

int ContarAverias(const QString& memoria) {
    int averias = 0;
    for (const QStringView linea : QStringView(memoria).split(QLatin1Char('\n'))) {
        if (!linea.trimmed().isEmpty())
            ++averias;
    }
    return averias;
}

TextosLista Defectos(const Calificaciones& calificaciones) {
    TextosLista defectos;
    for (size_t i = 0; i < kElementos.size(); ++i) {
        if (calificaciones[i] != Calificacion::Regular && calificaciones[i] != Calificacion::Mal)
            continue;
        defectos[i] = DeTabla(kElementos[i].texto) + (calificaciones[i] == Calificacion::Regular
                                                          ? QStringLiteral(" (Regular)")
                                                          : QStringLiteral(" (Mal)"));
    }
    return defectos;
}

QString LineaDefectos(const TextosLista& defectos) {
    QString linea;
    for (size_t i = 0; i < defectos.size(); ++i) {
        if (!defectos[i].isEmpty())
            linea += QStringLiteral("%1.-%2; ").arg(i + 1).arg(defectos[i]);
    }
    return linea;
}

void PuntuarCertificado(const EntradasCertificado& entradas, QChar separador,
                        ResultadosCertificado& resultados) {
    const long double puntuacion = PuntuacionLista(entradas.calificaciones);
    resultados.pvpVendedor = NormalizarNumero(entradas.pvpVendedor, separador);
    const long double precioCambio = ValorDeTexto(entradas.precioCambio, separador);
    resultados.precioCompra = TextoNumero(PrecioCorregido(puntuacion, precioCambio), separador);
    resultados.nota = NotaCertificado(puntuacion, ContarAverias(entradas.averias),
                                      entradas.puntosValoracion, entradas.itv, separador);
    resultados.defectos = Defectos(entradas.calificaciones);
    resultados.lineaDefectos = LineaDefectos(*resultados.defectos);
}

QString LineaFecha(const QDateTime& momento) {
    const QDate dia = momento.date();
    const QTime hora = momento.time();
    return DeTabla(kLeyendaFecha) + DeTabla(kDiasSemana[dia.dayOfWeek() - 1]) +
           QString::number(dia.day()) + QStringLiteral(" de ") + NombreMes(dia.month()) +
           QStringLiteral(" de ") + QString::number(dia.year()) + QStringLiteral("     ") +
           hora.toString(QStringLiteral("HH:mm:ss"));
}
