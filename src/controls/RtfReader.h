#pragma once
// A small reader for the rich text our help pages are written in.

#include <QByteArray>
#include <QString>

// Turns RTF bytes into HTML for a rich-text box: paragraphs, bold, italic,
// underline, font sizes, colours, GBK \'hh escapes and \u escapes. Anything
// it does not understand is dropped, never shown as control words; input that
// is not RTF at all comes back as its plain text.
QString RtfToHtml(const QByteArray& rtf);
