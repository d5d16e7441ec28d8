#include "lector.h"

#include "general.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>

namespace {

// A list as a screen reader should hear it: its name, then its text. Its children are Qt's own:
// the list of items, and the edit part of an editable list.
class ListaAccesible : public QAccessibleWidget {
public:
    explicit ListaAccesible(QComboBox* lista) : QAccessibleWidget(lista, QAccessible::ComboBox) {}

    QString text(QAccessible::Text clase) const override {
        if (clase == QAccessible::Value)
            return Lista()->currentText();
        return QAccessibleWidget::text(clase);
    }

    int childCount() const override { return Lista()->isEditable() ? 2 : 1; }

    QAccessibleInterface* child(int indice) const override {
        if (indice == 0)
            return QAccessible::queryAccessibleInterface(Lista()->view());
        if (indice == 1 && Lista()->isEditable())
            return QAccessible::queryAccessibleInterface(Lista()->lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface* hijo) const override {
        if (hijo == nullptr)
            return -1;
        if (hijo->object() == Lista()->view())
            return 0;
        if (Lista()->isEditable() && hijo->object() == Lista()->lineEdit())
            return 1;
        return -1;
    }

    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QStringList actionNames() const override {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& accion) override {
        if (accion == showMenuAction())
            Lista()->showPopup();
        else
            QAccessibleWidget::doAction(accion);
    }

private:
    QComboBox* Lista() const { return static_cast<QComboBox*>(object()); }
};

QAccessibleInterface* FabricaDelPrograma(const QString& clase, QObject* objeto) {
    if (clase == QLatin1String("QComboBox")) {
        if (auto* lista = qobject_cast<QComboBox*>(objeto))
            return new ListaAccesible(lista);
    }
    // A window of the program: a frame, named by its sheet. Qt calls the factory with each
    // class of the object's hierarchy; the program's windows derive from a plain widget.
    if (clase == QLatin1String("QWidget")) {
        auto* ventana = qobject_cast<QWidget*>(objeto);
        if (ventana != nullptr && ventana->isWindow() && !ventana->accessibleName().isEmpty())
            return new QAccessibleWidget(ventana, QAccessible::Window);
    }
    return nullptr;
}

} // namespace

void PrepararLector() {
    static bool instalada = false;
    if (!instalada)
        QAccessible::installFactory(FabricaDelPrograma);
    instalada = true;
}

QString NombreDeLeyenda(const QString& leyenda) {
    QString nombre = leyenda.simplified();
    while (nombre.endsWith(u':') || nombre.endsWith(u'='))
        nombre = nombre.chopped(1).trimmed();
    return nombre;
}

void NombrarControles(QWidget* hoja, std::span<const NombreAccesible> nombres) {
    for (const NombreAccesible& n : nombres) {
        auto* control = hoja->findChild<QWidget*>(DeTabla(n.control));
        if (control == nullptr)
            qFatal("no control %s to name", n.control);
        QString nombre;
        if (n.leyenda != nullptr) {
            auto* leyenda = hoja->findChild<QLabel*>(DeTabla(n.leyenda));
            if (leyenda == nullptr)
                qFatal("no caption %s for %s", n.leyenda, n.control);
            nombre = NombreDeLeyenda(leyenda->text());
            if (n.detalle == nullptr && leyenda->buddy() == nullptr)
                leyenda->setBuddy(control);
        }
        if (n.detalle != nullptr) {
            const QString detalle = DeTabla(n.detalle);
            nombre = nombre.isEmpty() ? detalle : nombre + QStringLiteral(": ") + detalle;
        }
        control->setAccessibleName(nombre);
        if (auto* lista = qobject_cast<QComboBox*>(control); lista && lista->lineEdit())
            lista->lineEdit()->setAccessibleName(nombre);
    }
}

void NombrarFila(std::span<QRadioButton* const> botones, const QString& leyenda,
                 const QStringList& columnas) {
    const QString fila = NombreDeLeyenda(leyenda);
    for (size_t i = 0; i < botones.size(); ++i) {
        botones[i]->setAccessibleName(fila + QStringLiteral(": ") +
                                      columnas.value(static_cast<qsizetype>(i)));
    }
}
