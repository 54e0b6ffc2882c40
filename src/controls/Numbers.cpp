#include "Numbers.h"
#include "platform/Errors.h"

int StrToInt(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        throw EConvertError(QStringLiteral("“%1”不是有效的整数").arg(text));
    return value;
}
