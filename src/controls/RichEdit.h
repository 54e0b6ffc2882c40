#pragma once
// A rich-text box: shows a page of rich text (our help pages are RTF) or a
// line of plain text; read-only, or editable with a length limit.

#include "Events.h"
#include "Layout.h"
#include "RtfReader.h"

#include <QTextEdit>
#include <QTimer>

#include <memory>

class TRichEdit : public QTextEdit {
    Q_OBJECT
public:
    TRichEdit(QWidget* parent, const LayoutRect& place);

    // Replaces the contents with the RTF file at `path`; false (contents
    // kept) when it cannot be read. Of a file above kMaxPageBytes only the
    // first kMaxPageBytes are shown, followed by a line that says so. A long
    // page shows its beginning at once and the rest from the event loop, a
    // slice at a time; FinishLoading shows the rest straight away.
    bool LoadFromFile(const QString& path);
    static constexpr qint64 kMaxPageBytes = 1 << 20;
    bool Loading() const { return writer_ != nullptr; }
    void FinishLoading();
    // The text shown so far.
    QString Text() const { return toPlainText(); }
    void SetText(const QString& text);
    void SetFont(const QString& family, int pixelHeight, bool bold = false);

    void SetReadOnly(bool readOnly) { setReadOnly(readOnly); }
    // At most this many characters can be typed; 0 for no limit.
    int MaxLength = 0;
    // When false, Enter does not start a new line.
    bool WantReturns = true;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    void StopLoading();
    void WriteSlice();
    void EnforceMaxLength();

    std::unique_ptr<RichTextWriter> writer_;   // while a page is being shown
    QTimer sliceTimer_;
};
