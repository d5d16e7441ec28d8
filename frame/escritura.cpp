#include "escritura.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVariant>

namespace {

// An editable list that loses the focus holding an item's text chooses that item, and Qt
// announces it as activated from the end of editing of its edit part: its own tidying, not a
// choice of the user.
class EleccionDeLista : public QObject {
public:
    EleccionDeLista(QComboBox* lista, const std::function<void()>& alEscribir)
        : QObject(lista), alEscribir_(alEscribir) {
        lista->installEventFilter(this);
        connect(lista, &QComboBox::activated, this, [this] {
            if (!saliendo_)
                alEscribir_();
        });
        // After the list's own answer to the end of editing, which was connected first.
        if (QLineEdit* edicion = lista->lineEdit())
            connect(edicion, &QLineEdit::editingFinished, this, [this] { saliendo_ = false; });
    }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() == QEvent::FocusOut)
            saliendo_ = true;
        else if (evento->type() == QEvent::FocusIn)
            saliendo_ = false;
        return QObject::eventFilter(objeto, evento);
    }

private:
    std::function<void()> alEscribir_;
    bool saliendo_ = false;
};

} // namespace

void VigilarEscritura(QWidget* hoja, const std::function<void()>& alEscribir) {
    static constexpr char kVigilada[] = "escrituraVigilada";
    if (hoja->property(kVigilada).toBool())
        return;
    hoja->setProperty(kVigilada, true);
    for (QLineEdit* campo : hoja->findChildren<QLineEdit*>())
        QObject::connect(campo, &QLineEdit::textEdited, hoja, alEscribir);
    for (QComboBox* lista : hoja->findChildren<QComboBox*>())
        new EleccionDeLista(lista, alEscribir);
    for (QAbstractButton* boton : hoja->findChildren<QAbstractButton*>()) {
        if (boton->isCheckable())
            QObject::connect(boton, &QAbstractButton::clicked, hoja, alEscribir);
    }
    for (QPlainTextEdit* memo : hoja->findChildren<QPlainTextEdit*>()) {
        if (memo->isReadOnly())
            continue;
        // A change of the text's looks alone notifies too, and is no change.
        QObject::connect(memo, &QPlainTextEdit::textChanged, hoja,
                         [memo, alEscribir, visto = memo->toPlainText()]() mutable {
                             if (memo->toPlainText() == visto)
                                 return;
                             visto = memo->toPlainText();
                             alEscribir();
                         });
    }
}
