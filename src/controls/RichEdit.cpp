#include "RichEdit.h"

#include <QFile>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

#include <limits>

namespace {

// Budgets in the writer's units. The first slice holds several screens of
// any page and the whole of each of our own; a later slice takes a few
// milliseconds, so scrolling stays smooth while the rest comes in.
constexpr qsizetype kFirstSliceBudget = 20000;
constexpr qsizetype kSliceBudget = 10000;

// The last line of a page too long to show whole.
RichParagraph CutPageNotice()
{
    RichParagraph notice;
    notice.spaceBeforePixels = 8;
    RichTextFormat format;
    format.bold = true;
    format.color = QColor(0xa0, 0x20, 0x20);
    notice.text = QStringLiteral("（此页超过 1 MB，只显示了前 1 MB。）");
    notice.runs.push_back({notice.text.size(), format});
    return notice;
}

} // namespace

TRichEdit::TRichEdit(QWidget* parent, const LayoutRect& place) : QTextEdit(parent)
{
    setGeometry(place.Left, place.Top, place.Width, place.Height);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAcceptRichText(false);
    sliceTimer_.setInterval(0);
    connect(&sliceTimer_, &QTimer::timeout, this, Guarded([this] { WriteSlice(); }));
}

bool TRichEdit::LoadFromFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QByteArray bytes = file.read(kMaxPageBytes + 1);
    const bool cut = bytes.size() > kMaxPageBytes;
    bytes.truncate(kMaxPageBytes);
    RichText page = ReadRtf(bytes);
    if (cut)
        page.paragraphs.push_back(CutPageNotice());
    writer_ = std::make_unique<RichTextWriter>(*document(), std::move(page));
    if (writer_->WriteSome(kFirstSliceBudget))
        StopLoading();
    else
        sliceTimer_.start();
    moveCursor(QTextCursor::Start);
    return true;
}

void TRichEdit::FinishLoading()
{
    if (writer_)
        writer_->WriteSome(std::numeric_limits<qsizetype>::max());
    StopLoading();
}

void TRichEdit::SetText(const QString& text)
{
    StopLoading();
    setPlainText(text);
}

void TRichEdit::StopLoading()
{
    sliceTimer_.stop();
    writer_.reset();
}

void TRichEdit::WriteSlice()
{
    if (!writer_ || writer_->WriteSome(kSliceBudget))
        StopLoading();
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
