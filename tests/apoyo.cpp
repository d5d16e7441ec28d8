#include "apoyo.h"

#include "form2.h"
#include "numeros.h"
#include "programa.h"
#include "reloj.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

Avisos::Avisos(int intervaloMs) {
    reloj_.setInterval(intervaloMs);
    connect(&reloj_, &QTimer::timeout, this, &Avisos::Revisar);
    reloj_.start();
}

void Avisos::Revisar() {
    for (QWidget* ventana : QApplication::topLevelWidgets()) {
        auto* caja = qobject_cast<QMessageBox*>(ventana);
        if (caja == nullptr || !caja->isVisible() || caja->property("visto").toBool())
            continue;
        caja->setProperty("visto", true);
        Aviso aviso{caja->icon(), caja->windowTitle(), caja->text(), {}, {}, {}};
        QList<QAbstractButton*> botones = caja->buttons();
        std::sort(
            botones.begin(), botones.end(),
            [](const QAbstractButton* a, const QAbstractButton* b) { return a->x() < b->x(); });
        for (const QAbstractButton* boton : botones)
            aviso.botones << boton->text();
        if (caja->defaultButton() != nullptr)
            aviso.porDefecto = caja->defaultButton()->text();
        QAbstractButton* pulsar = caja->button(QMessageBox::Ok);
        aviso.respuesta = respuestas_.isEmpty() ? QString() : respuestas_.takeFirst();
        for (QAbstractButton* boton : botones) {
            if (boton->text() == aviso.respuesta)
                pulsar = boton;
        }
        if (pulsar == nullptr || aviso.respuesta == QLatin1String("Escape")) {
            aviso.respuesta = QStringLiteral("Escape");
            QTest::keyClick(caja, Qt::Key_Escape);
        } else {
            aviso.respuesta = pulsar->text();
            pulsar->click();
        }
        recogidos_.append(aviso);
    }
}

QList<Aviso> Avisos::Tomar() {
    QList<Aviso> tomados;
    tomados.swap(recogidos_);
    respuestas_.clear();
    return tomados;
}

QString Avisos::Resumen() const {
    QStringList textos;
    for (const Aviso& aviso : recogidos_)
        textos << aviso.texto;
    QString resumen =
        QStringLiteral("unexpected message boxes: ") + textos.join(QStringLiteral(" | "));
    if (!respuestas_.isEmpty())
        resumen +=
            QStringLiteral("; answers no box took: ") + respuestas_.join(QStringLiteral(" | "));
    return resumen;
}

QString BotonLista(int n, const char* calificacion) {
    const Calificacion c = qstrcmp(calificacion, "Bien") == 0      ? Calificacion::Bien
                           : qstrcmp(calificacion, "Regular") == 0 ? Calificacion::Regular
                                                                   : Calificacion::Mal;
    return NombreBotonLista(n, c);
}

QString Texto(const QWidget& ventana, const char* nombre) {
    QObject* control = ventana.findChild<QObject*>(QString::fromLatin1(nombre));
    if (auto* edicion = qobject_cast<QLineEdit*>(control))
        return edicion->text();
    if (auto* lista = qobject_cast<QComboBox*>(control))
        return lista->currentText();
    if (auto* etiqueta = qobject_cast<QLabel*>(control))
        return etiqueta->text();
    if (auto* boton = qobject_cast<QAbstractButton*>(control))
        return boton->text();
    if (auto* memo = qobject_cast<QPlainTextEdit*>(control))
        return memo->toPlainText();
    qFatal("no control named %s", nombre);
}

QStringList EstadoVisible(const QWidget& ventana) {
    QStringList estado;
    for (const QWidget* c : ventana.findChildren<QWidget*>()) {
        // Qt's own parts of a control (a list's pop-up, a hidden scroll bar's box) are laid out
        // when first painted; the program's controls all carry a name.
        if (auto* barra = qobject_cast<const QScrollBar*>(c)) {
            estado << QStringLiteral("scroll bar ") + QString::number(barra->value());
            continue;
        }
        if (c->objectName().isEmpty() || c->objectName().startsWith(QLatin1String("qt_")))
            continue;
        // A screen reader's notification: empty, unseen, made when a window first says something.
        if (c->objectName() == QLatin1String("Anuncio"))
            continue;
        QString linea = QStringLiteral("%1 %2 %3,%4 %5x%6 %7 %8 %9")
                            .arg(c->objectName(), QLatin1String(c->metaObject()->className()))
                            .arg(c->x())
                            .arg(c->y())
                            .arg(c->width())
                            .arg(c->height())
                            .arg(c->isHidden())
                            .arg(c->palette().color(c->backgroundRole()).name(),
                                 c->palette().color(c->foregroundRole()).name());
        if (auto* edicion = qobject_cast<const QLineEdit*>(c))
            linea += QStringLiteral(" =") + edicion->text();
        else if (auto* lista = qobject_cast<const QComboBox*>(c)) {
            QStringList elementos;
            for (int i = 0; i < lista->count(); ++i)
                elementos << lista->itemText(i);
            linea += QStringLiteral(" =%1 @%2 #%3")
                         .arg(lista->currentText())
                         .arg(lista->currentIndex())
                         .arg(elementos.join(u'|'));
        } else if (auto* boton = qobject_cast<const QAbstractButton*>(c))
            linea += QStringLiteral(" =") + boton->text() +
                     (boton->isChecked() ? QStringLiteral(" [x]") : QStringLiteral(" [ ]"));
        else if (auto* etiqueta = qobject_cast<const QLabel*>(c))
            linea += QStringLiteral(" =") + etiqueta->text();
        else if (auto* memo = qobject_cast<const QPlainTextEdit*>(c))
            linea += QStringLiteral(" =") + memo->toPlainText();
        estado << linea;
    }
    estado << (ventana.focusWidget() != nullptr ? ventana.focusWidget()->objectName()
                                                : QStringLiteral("(no focus)"));
    return estado;
}

namespace {

// The offscreen platform warns about a window feature it lacks on every top-level window shown,
// and font matching about fonts that cannot shape a script the soak types; neither says
// anything about the program.
QtMessageHandler manejadorAnterior = nullptr;

void FiltrarMensajes(QtMsgType tipo, const QMessageLogContext& contexto, const QString& texto) {
    if (texto.startsWith(QLatin1String("This plugin does not support")) ||
        texto.contains(QLatin1String("OpenType support missing")))
        return;
    manejadorAnterior(tipo, contexto, texto);
}

} // namespace

void SilenciarPlataforma() { manejadorAnterior = qInstallMessageHandler(FiltrarMensajes); }

std::unique_ptr<QApplication> AplicacionDePrueba(int& argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" MORVEX_PANTALLA_PRUEBAS);
    auto aplicacion = std::make_unique<QApplication>(argc, argv);
    PrepararAplicacion(*aplicacion);
    FijarSeparadorDecimal(QLatin1Char(','));
    FijarReloj(MomentoDePrueba(2010, 3));
    return aplicacion;
}

QStringList
DefectosDeMaqueta(const QWidget& hoja,
                  const std::function<bool(const QWidget&, const QWidget&)>& solapeAdmitido) {
    QStringList defectos;
    QList<QWidget*> controles;
    for (QWidget* control : hoja.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!control->isHidden())
            controles << control;
    }
    const QRect area = hoja.rect();
    for (QWidget* control : controles) {
        const QString nombre = control->objectName();
        if (!area.contains(control->geometry()))
            defectos << nombre + QStringLiteral(" reaches past the sheet");
        // Check boxes and radio buttons stand on a 16-pixel pitch: only their width must fit.
        const bool etiqueta = qobject_cast<QLabel*>(control) != nullptr;
        const bool boton = qobject_cast<QAbstractButton*>(control) != nullptr;
        QSize necesita = control->sizeHint();
        if (auto* pulsador = qobject_cast<QPushButton*>(control)) {
            // The style's minimum width of a push button is not the caption's.
            necesita.setWidth(pulsador->fontMetrics().horizontalAdvance(pulsador->text()) + 8);
        }
        if ((etiqueta || boton) && (necesita.width() > control->width() ||
                                    (etiqueta && necesita.height() > control->height()))) {
            defectos << QStringLiteral("%1 cuts its caption: needs %2 x %3, has %4 x %5")
                            .arg(nombre)
                            .arg(necesita.width())
                            .arg(necesita.height())
                            .arg(control->width())
                            .arg(control->height());
        }
    }
    for (qsizetype i = 0; i < controles.size(); ++i) {
        for (qsizetype j = i + 1; j < controles.size(); ++j) {
            // A caption may touch its neighbour by the side bearing of its last glyph.
            const QRect comun = controles[i]->geometry().intersected(controles[j]->geometry());
            const bool roce = comun.width() <= 2 && (qobject_cast<QLabel*>(controles[i]) ||
                                                     qobject_cast<QLabel*>(controles[j]));
            if (!comun.isEmpty() && !roce && !solapeAdmitido(*controles[i], *controles[j]) &&
                !solapeAdmitido(*controles[j], *controles[i])) {
                defectos << controles[i]->objectName() + QStringLiteral(" overlaps ") +
                                controles[j]->objectName();
            }
        }
    }
    return defectos;
}

QStringList DatosVisibles(const QWidget& ventana) {
    QStringList datos = EstadoVisible(ventana);
    datos.removeLast();
    datos.removeIf([](const QString& linea) {
        return linea.startsWith(u"scroll bar") || linea.startsWith(u"Panel1 ");
    });
    return datos;
}
