#include "memo.h"

#include <QAbstractTextDocumentLayout>
#include <QFrame>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <cmath>

const QFrame& CercoDeMemo(const QWidget& memo) { return static_cast<const QFrame&>(memo); }

std::unique_ptr<QTextDocument> DocumentoDeMemo(const QWidget& memo, int ancho) {
    QString texto;
    qreal margen = 0;
    QTextOption opcion;
    opcion.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    if (const auto* plano = qobject_cast<const QPlainTextEdit*>(&memo)) {
        texto = plano->toPlainText();
        margen = plano->document()->documentMargin();
        if (plano->lineWrapMode() != QPlainTextEdit::NoWrap)
            opcion.setWrapMode(plano->wordWrapMode());
    } else {
        const auto& rico = static_cast<const QTextEdit&>(memo);
        texto = rico.toPlainText();
        margen = rico.document()->documentMargin();
    }
    auto documento = std::make_unique<QTextDocument>();
    documento->setDocumentMargin(margen);
    documento->setDefaultFont(memo.font());
    documento->setDefaultTextOption(opcion);
    documento->setPlainText(texto);
    documento->setTextWidth(ancho);
    return documento;
}

MemoEnPapel MedirMemo(const QWidget& memo, int ancho) {
    const int borde = CercoDeMemo(memo).frameWidth();
    const auto documento = DocumentoDeMemo(memo, ancho - 2 * borde);
    MemoEnPapel medida{borde * 2 + static_cast<int>(std::ceil(documento->size().height())), {}};
    for (QTextBlock bloque = documento->begin(); bloque.isValid(); bloque = bloque.next()) {
        const QRectF lugar = documento->documentLayout()->blockBoundingRect(bloque);
        const QTextLayout* disposicion = bloque.layout();
        for (int i = 0; i < disposicion->lineCount(); ++i) {
            const QTextLine linea = disposicion->lineAt(i);
            medida.entreLineas << borde + static_cast<int>(
                                              std::ceil(lugar.top() + linea.y() + linea.height()));
        }
    }
    if (!medida.entreLineas.isEmpty())
        medida.entreLineas.removeLast();
    return medida;
}
