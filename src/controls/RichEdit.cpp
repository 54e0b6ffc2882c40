#include "RichEdit.h"
#include "RtfReader.h"

#include <QFile>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

TRichEdit::TRichEdit(QWidget* parent, const LayoutRect& place) : QTextEdit(parent)
{
    setGeometry(place.Left, place.Top, place.Width, place.Height);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAcceptRichText(false);
}

bool TRichEdit::LoadFromFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    setHtml(RtfToHtml(file.readAll()));
    moveCursor(QTextCursor::Start);
    return true;
}

void TRichEdit::SetFont(const QString& family, int pixelHeight, bool bold)
{
    QFont f(family);
    f.setPixelSize(pixelHeight);
    f.setBold(bold);
    setFont(f);
    document()->setDefaultFont(f);
}

void TRichEdit::keyPressEvent(QKeyEvent* event)
{
    const bool isReturn = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (isReturn && !WantReturns) {
        event->ignore();
        return;
    }
    const bool adds = !event->text().isEmpty() && event->text().at(0).isPrint();
    if (adds && MaxLength > 0 && !isReadOnly() && toPlainText().size() >= MaxLength &&
        !textCursor().hasSelection()) {
        event->accept();
        return;
    }
    QTextEdit::keyPressEvent(event);
    EnforceMaxLength();
}

void TRichEdit::insertFromMimeData(const QMimeData* source)
{
    QTextEdit::insertFromMimeData(source);
    EnforceMaxLength();
}

void TRichEdit::EnforceMaxLength()
{
    if (MaxLength <= 0 || toPlainText().size() <= MaxLength)
        return;
    QTextCursor cursor(document());
    cursor.setPosition(MaxLength);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}
