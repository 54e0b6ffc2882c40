#pragma once
// A rich-text box: shows a page of rich text (our help pages are RTF) or a
// line of plain text; read-only, or editable with a length limit.

#include "Events.h"
#include "Layout.h"

#include <QTextEdit>

class TRichEdit : public QTextEdit {
    Q_OBJECT
public:
    TRichEdit(QWidget* parent, const LayoutRect& place);

    // Replaces the contents with the RTF file at `path`; false (contents
    // kept) when it cannot be read.
    bool LoadFromFile(const QString& path);
    QString Text() const { return toPlainText(); }
    void SetText(const QString& text) { setPlainText(text); }
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
    void EnforceMaxLength();
};
