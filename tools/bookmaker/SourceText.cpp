#include "SourceText.h"

#include "platform/TextEncoding.h"

#include <QRegularExpression>

namespace bookmaker {

bool SplitSourceLine(const QString& line, SourceLine& parsed)
{
    static const QRegularExpression pattern(QStringLiteral("^([a-z]+)\\s*:\\s*(.*)$"));
    const QRegularExpressionMatch match = pattern.match(line);
    if (!match.hasMatch())
        return false;
    parsed = {match.captured(1), match.captured(2).trimmed()};
    return true;
}

void ForEachSourceLine(const QString& text, const std::function<void(int number, const QString& line)>& line)
{
    QString content = text;
    if (content.startsWith(QChar(0xFEFF)))
        content.remove(0, 1);
    const QStringList lines = content.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString trimmed = lines[i].trimmed();
        if (!trimmed.isEmpty() && !trimmed.startsWith(u'#'))
            line(int(i + 1), trimmed);
    }
}

QString SourceFault(const QString& sourceName, int line, const QString& message)
{
    return line > 0 ? QStringLiteral("%1:%2: %3").arg(sourceName).arg(line).arg(message)
                    : QStringLiteral("%1: %2").arg(sourceName, message);
}

bool ParsePace(const QString& value, double& pace)
{
    bool ok = false;
    pace = value.toDouble(&ok);
    return ok && pace >= 0.8 && pace <= 2.0;
}

bool FitsGbk(const QString& text)
{
    return platform::GbkToUnicode(platform::UnicodeToGbk(text)) == text;
}

bool IsTypeableAscii(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7E)
            return false;
    }
    return true;
}

bool IsPlainName(const QString& name)
{
    return !name.isEmpty() && name != "." && name != ".." && !name.contains('/') && !name.contains('\\');
}

} // namespace bookmaker
