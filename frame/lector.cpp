#include "lector.h"

#include "anuncio.h"

#include "general.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextCursor>
#include <QTextLayout>
#include <QWidget>
#include <algorithm>

namespace {

// Property of a caption read as a result: the text before its value (the caption itself).
constexpr char kLeyendaDeLinea[] = "morvexLeyenda";
// Properties of a field read as a count of its marks: the mark, and the words for one and for
// several.
constexpr char kMarca[] = "morvexMarca";
constexpr char kUnaMarca[] = "morvexUnaMarca";
constexpr char kVariasMarcas[] = "morvexVariasMarcas";

// An edit field, a memo, or a line read as a result, as a screen reader reads its text. Qt's own
// line edit answers a reader with its last character cut off and loops on a sentence asked for
// at the end of the text; here every query is answered from the text's pieces (characters,
// words, sentences, lines, paragraphs), which cover it from its start to its end.
class TextoAccesible : public QAccessibleWidget,
                       public QAccessibleTextInterface,
                       public QAccessibleEditableTextInterface {
public:
    // A line read as a result is a read-only text, as the result fields are: readers say a
    // text's value with its name, and only the name of a caption.
    explicit TextoAccesible(QWidget* control)
        : QAccessibleWidget(control, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType tipo) override {
        if (tipo == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (tipo == QAccessible::EditableTextInterface && !SoloLectura())
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(tipo);
    }

    QAccessible::State state() const override {
        QAccessible::State estado = QAccessibleWidget::state();
        estado.selectableText = true;
        estado.readOnly = SoloLectura();
        estado.editable = !SoloLectura();
        estado.multiLine = Memo() != nullptr;
        estado.focusable = widget()->focusPolicy() != Qt::NoFocus;
        return estado;
    }

    QString text(QAccessible::Text clase) const override {
        if (clase == QAccessible::Value)
            return Texto();
        return QAccessibleWidget::text(clase);
    }

    // The text's own pieces are all a reader needs: no children (a memo's viewport and bars).
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    // QAccessibleTextInterface
    QString text(int inicio, int fin) const override {
        const QString texto = Texto();
        const auto [desde, hasta] = Tramo(inicio, fin, static_cast<int>(texto.size()));
        return texto.mid(desde, hasta - desde);
    }

    int characterCount() const override { return static_cast<int>(Texto().size()); }

    // A count said in words has no caret or selection of its own inside the words.
    int cursorPosition() const override {
        if (EnPalabras())
            return 0;
        if (const QLineEdit* campo = Campo())
            return campo->cursorPosition();
        if (const QPlainTextEdit* memo = Memo())
            return memo->textCursor().position();
        return 0;
    }

    void setCursorPosition(int posicion) override {
        const int n = characterCount();
        posicion = std::clamp(posicion == -1 ? n : posicion, 0, n);
        if (QLineEdit* campo = Campo()) {
            campo->setCursorPosition(posicion);
        } else if (QPlainTextEdit* memo = Memo()) {
            QTextCursor cursor = memo->textCursor();
            cursor.setPosition(posicion);
            memo->setTextCursor(cursor);
        }
    }

    int selectionCount() const override {
        if (EnPalabras())
            return 0;
        if (const QLineEdit* campo = Campo())
            return campo->hasSelectedText() ? 1 : 0;
        if (const QPlainTextEdit* memo = Memo())
            return memo->textCursor().hasSelection() ? 1 : 0;
        return 0;
    }

    void selection(int indice, int* inicio, int* fin) const override {
        *inicio = *fin = 0;
        if (indice != 0 || EnPalabras())
            return;
        if (const QLineEdit* campo = Campo(); campo && campo->hasSelectedText()) {
            *inicio = campo->selectionStart();
            *fin = campo->selectionEnd();
        } else if (const QPlainTextEdit* memo = Memo(); memo && memo->textCursor().hasSelection()) {
            *inicio = memo->textCursor().selectionStart();
            *fin = memo->textCursor().selectionEnd();
        }
    }

    void addSelection(int inicio, int fin) override { setSelection(0, inicio, fin); }

    void removeSelection(int indice) override {
        if (indice != 0)
            return;
        if (QLineEdit* campo = Campo()) {
            campo->deselect();
        } else if (QPlainTextEdit* memo = Memo()) {
            QTextCursor cursor = memo->textCursor();
            cursor.clearSelection();
            memo->setTextCursor(cursor);
        }
    }

    void setSelection(int indice, int inicio, int fin) override {
        if (indice != 0)
            return;
        const auto [desde, hasta] = Tramo(inicio, fin, characterCount());
        if (QLineEdit* campo = Campo()) {
            campo->setSelection(desde, hasta - desde);
        } else if (QPlainTextEdit* memo = Memo()) {
            QTextCursor cursor = memo->textCursor();
            cursor.setPosition(desde);
            cursor.setPosition(hasta, QTextCursor::KeepAnchor);
            memo->setTextCursor(cursor);
        }
    }

    QString textAtOffset(int posicion, QAccessible::TextBoundaryType limite, int* inicio,
                         int* fin) const override {
        const QString texto = Texto();
        const QList<int> cortes = Cortes(texto, limite);
        return Dar(texto, cortes, Pieza(texto, cortes, limite, posicion), inicio, fin);
    }

    QString textBeforeOffset(int posicion, QAccessible::TextBoundaryType limite, int* inicio,
                             int* fin) const override {
        const QString texto = Texto();
        const QList<int> cortes = Cortes(texto, limite);
        const int i = Pieza(texto, cortes, limite, posicion);
        return Dar(texto, cortes, i == kFuera ? kFuera : i - 1, inicio, fin);
    }

    QString textAfterOffset(int posicion, QAccessible::TextBoundaryType limite, int* inicio,
                            int* fin) const override {
        const QString texto = Texto();
        const QList<int> cortes = Cortes(texto, limite);
        const int i = Pieza(texto, cortes, limite, posicion);
        return Dar(texto, cortes, i == kFuera ? kFuera : i + 1, inicio, fin);
    }

    QRect characterRect(int posicion) const override {
        const int n = characterCount();
        if (posicion < 0 || posicion > n)
            return {};
        if (QPlainTextEdit* memo = Memo()) {
            QTextCursor cursor(memo->document());
            cursor.setPosition(posicion);
            QRect lugar = memo->cursorRect(cursor);
            const QString texto = Texto();
            lugar.setWidth(posicion < n ? memo->fontMetrics().horizontalAdvance(texto.at(posicion))
                                        : 1);
            return QRect(memo->viewport()->mapToGlobal(lugar.topLeft()), lugar.size());
        }
        const QFontMetrics medidas = widget()->fontMetrics();
        const QRect dentro = widget()->contentsRect();
        const int y = dentro.top() + (dentro.height() - medidas.height()) / 2;
        // A count said in words stands for the whole row of marks.
        if (EnPalabras())
            return QRect(widget()->mapToGlobal(QPoint(dentro.left(), y)),
                         QSize(dentro.width(), medidas.height()));
        // A field's text starts at its contents' left edge (Qt's own margin of 2 pixels) and
        // scrolls only when longer than the field; a result line's value after its caption.
        const QString mostrado = Mostrado();
        const int delante = InicioDelValor();
        const int margen = Campo() != nullptr ? 2 : static_cast<const QLabel*>(widget())->margin();
        const int x =
            dentro.left() + margen + medidas.horizontalAdvance(mostrado.left(delante + posicion));
        const int ancho =
            posicion < n ? medidas.horizontalAdvance(mostrado.at(delante + posicion)) : 1;
        return QRect(widget()->mapToGlobal(QPoint(x, y)), QSize(ancho, medidas.height()));
    }

    int offsetAtPoint(const QPoint& punto) const override {
        if (QPlainTextEdit* memo = Memo())
            return memo->cursorForPosition(memo->viewport()->mapFromGlobal(punto)).position();
        if (QLineEdit* campo = Campo())
            return campo->cursorPositionAt(campo->mapFromGlobal(punto));
        return -1;
    }

    void scrollToSubstring(int inicio, int) override {
        if (QPlainTextEdit* memo = Memo()) {
            QTextCursor cursor(memo->document());
            cursor.setPosition(std::clamp(inicio, 0, characterCount()));
            memo->setTextCursor(cursor);
            memo->ensureCursorVisible();
        }
    }

    QString attributes(int posicion, int* inicio, int* fin) const override {
        // One run of plain text, without attributes.
        const int n = characterCount();
        *inicio = 0;
        *fin = n;
        if (posicion < -1 || posicion > n)
            *inicio = *fin = -1;
        return {};
    }

    // QAccessibleEditableTextInterface: as typed, so the window hears the change as from the
    // keyboard; nothing in a read-only field.
    void deleteText(int inicio, int fin) override { replaceText(inicio, fin, QString()); }

    void insertText(int posicion, const QString& texto) override {
        replaceText(posicion, posicion, texto);
    }

    void replaceText(int inicio, int fin, const QString& texto) override {
        if (SoloLectura())
            return;
        const auto [desde, hasta] = Tramo(inicio, fin, characterCount());
        if (QLineEdit* campo = Campo()) {
            campo->setSelection(desde, hasta - desde);
            campo->insert(texto);
        } else if (QPlainTextEdit* memo = Memo()) {
            QTextCursor cursor(memo->document());
            cursor.setPosition(desde);
            cursor.setPosition(hasta, QTextCursor::KeepAnchor);
            cursor.insertText(texto);
        }
    }

private:
    QLineEdit* Campo() const { return qobject_cast<QLineEdit*>(object()); }
    QPlainTextEdit* Memo() const { return qobject_cast<QPlainTextEdit*>(object()); }

    bool SoloLectura() const {
        if (const QLineEdit* campo = Campo())
            return campo->isReadOnly();
        if (const QPlainTextEdit* memo = Memo())
            return memo->isReadOnly();
        return true;
    }

    bool EnPalabras() const { return object()->property(kMarca).isValid(); }

    // The text on screen: a field's as shown (a password as its dots), a memo's plain text, a
    // result line's whole, caption and all.
    QString Mostrado() const {
        if (const QLineEdit* campo = Campo())
            return campo->displayText();
        if (const QPlainTextEdit* memo = Memo())
            return memo->toPlainText();
        if (const auto* linea = qobject_cast<QLabel*>(object()))
            return linea->text();
        return {};
    }

    // Where the value starts in the text on screen: after a result line's caption and the
    // blanks that follow it; 0 elsewhere.
    int InicioDelValor() const {
        const auto* linea = qobject_cast<QLabel*>(object());
        if (linea == nullptr)
            return 0;
        const QString leyenda = linea->property(kLeyendaDeLinea).toString();
        const QString texto = linea->text();
        if (!texto.startsWith(leyenda))
            return 0;
        qsizetype inicio = leyenda.size();
        while (inicio < texto.size() && texto.at(inicio).isSpace())
            ++inicio;
        return static_cast<int>(inicio);
    }

    // What the reader reads: the text on screen, but a result line's value alone and a row of
    // marks as their count in words ("8 asteriscos").
    QString Texto() const {
        const QString mostrado = Mostrado();
        if (EnPalabras()) {
            const auto marcas = mostrado.count(object()->property(kMarca).toChar());
            if (marcas == 0)
                return {};
            const char* palabra = marcas == 1 ? kUnaMarca : kVariasMarcas;
            return QString::number(marcas) + u' ' + object()->property(palabra).toString();
        }
        if (qobject_cast<QLabel*>(object()) != nullptr)
            return mostrado.mid(InicioDelValor()).trimmed();
        return mostrado;
    }

    // A span asked for, inside the text; -1 for its end means the end of the text.
    static std::pair<int, int> Tramo(int inicio, int fin, int n) {
        if (fin == -1)
            fin = n;
        inicio = std::clamp(inicio, 0, n);
        fin = std::clamp(fin, inicio, n);
        return {inicio, fin};
    }

    // Where the pieces of one kind begin, from 0, and the text's length last: each piece runs
    // from one cut to the next, so that together they cover the text.
    QList<int> Cortes(const QString& texto, QAccessible::TextBoundaryType limite) const {
        const int n = static_cast<int>(texto.size());
        QList<int> cortes{0};
        const auto anadir = [&cortes](int corte) {
            if (corte > cortes.last())
                cortes << corte;
        };
        switch (limite) {
        case QAccessible::NoBoundary:
            break;
        case QAccessible::CharBoundary:
        case QAccessible::WordBoundary:
        case QAccessible::SentenceBoundary: {
            const auto tipo = limite == QAccessible::CharBoundary   ? QTextBoundaryFinder::Grapheme
                              : limite == QAccessible::WordBoundary ? QTextBoundaryFinder::Word
                                                                    : QTextBoundaryFinder::Sentence;
            QTextBoundaryFinder buscador(tipo, texto);
            // A word runs from its start to the next word's start, the blanks after it included.
            const bool palabras = limite == QAccessible::WordBoundary;
            for (qsizetype corte = buscador.toNextBoundary(); corte > 0 && corte < n;
                 corte = buscador.toNextBoundary()) {
                if (!palabras || (buscador.boundaryReasons() & QTextBoundaryFinder::StartOfItem))
                    anadir(static_cast<int>(corte));
            }
            break;
        }
        case QAccessible::LineBoundary:
        case QAccessible::ParagraphBoundary: {
            // A paragraph ends after its line feed; a memo's line where its layout breaks it.
            for (int i = 0; i < n; ++i) {
                if (texto.at(i) == u'\n')
                    anadir(i + 1);
            }
            const QPlainTextEdit* memo = Memo();
            if (limite == QAccessible::LineBoundary && memo != nullptr) {
                for (QTextBlock bloque = memo->document()->begin(); bloque.isValid();
                     bloque = bloque.next()) {
                    const QTextLayout* trazado = bloque.layout();
                    for (int l = 1; trazado != nullptr && l < trazado->lineCount(); ++l) {
                        const int corte = bloque.position() + trazado->lineAt(l).textStart();
                        if (corte > 0 && corte < n && !cortes.contains(corte))
                            cortes << corte;
                    }
                }
                std::sort(cortes.begin(), cortes.end());
            }
            break;
        }
        }
        anadir(n);
        return cortes;
    }

    // Piece `i` runs from cortes[i] to cortes[i + 1]. Past the last, the empty text at the end
    // (cortes.size() - 1 and beyond); before the first, the empty text at the start.
    static constexpr int kFuera = -100; // an offset outside the text

    // The piece that holds `posicion` (-1: the end of the text). At the end: a character is
    // none (the empty text there), and so is a line or paragraph after a final line feed (the
    // empty one it begins); any other kind gives the last piece.
    static int Pieza(const QString& texto, const QList<int>& cortes,
                     QAccessible::TextBoundaryType limite, int posicion) {
        const int n = static_cast<int>(texto.size());
        if (posicion == -1)
            posicion = n;
        if (posicion < 0 || posicion > n)
            return kFuera;
        const int piezas = static_cast<int>(cortes.size()) - 1;
        if (posicion == n) {
            const bool lineas =
                limite == QAccessible::LineBoundary || limite == QAccessible::ParagraphBoundary;
            const bool vacioAlFinal =
                n == 0 || limite == QAccessible::CharBoundary || (lineas && texto.endsWith(u'\n'));
            return vacioAlFinal ? piezas : piezas - 1;
        }
        const auto despues = std::upper_bound(cortes.begin(), cortes.end(), posicion);
        return static_cast<int>(despues - cortes.begin()) - 1;
    }

    // Piece `i` of the text with its span.
    static QString Dar(const QString& texto, const QList<int>& cortes, int i, int* inicio,
                       int* fin) {
        const int piezas = static_cast<int>(cortes.size()) - 1;
        if (i == kFuera) {
            *inicio = *fin = -1;
            return {};
        }
        if (i < 0 || i >= piezas) {
            *inicio = *fin = i < 0 ? 0 : static_cast<int>(texto.size());
            return {};
        }
        *inicio = cortes.at(i);
        *fin = cortes.at(i + 1);
        return texto.mid(*inicio, *fin - *inicio);
    }
};

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
    if (QAccessibleInterface* anuncio = InterfazDeAnuncio(clase, objeto))
        return anuncio;
    if (clase == QLatin1String("QLineEdit") || clase == QLatin1String("QPlainTextEdit"))
        return new TextoAccesible(static_cast<QWidget*>(objeto));
    if (clase == QLatin1String("QLabel") && objeto->property(kLeyendaDeLinea).isValid())
        return new TextoAccesible(static_cast<QWidget*>(objeto));
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

void LeerComoResultado(QLabel* linea, const QString& leyenda) {
    linea->setProperty(kLeyendaDeLinea, leyenda);
    // Qt made the line its plain caption's interface when its text was first set: that one
    // goes, and the next question finds the line's own.
    QAccessibleInterface* comoLeyenda = QAccessible::queryAccessibleInterface(linea);
    if (comoLeyenda != nullptr && dynamic_cast<TextoAccesible*>(comoLeyenda) == nullptr)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(comoLeyenda));
    linea->setAccessibleName(NombreDeLeyenda(leyenda));
    linea->setFocusPolicy(Qt::StrongFocus);
}

void LeerComoCuenta(QLineEdit* campo, QChar marca, const QString& una, const QString& varias) {
    campo->setProperty(kMarca, marca);
    campo->setProperty(kUnaMarca, una);
    campo->setProperty(kVariasMarcas, varias);
}
