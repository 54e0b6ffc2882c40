#include "Look.h"

namespace look {

QString Kai() { return QString::fromUtf8(platform::kKaiFamily); }
QString Sans() { return QString::fromUtf8(platform::kSansFamily); }

namespace {
QFont Font(const QString& family, int pixelSize, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}
} // namespace

QString StyleSheet(const char* sheet)
{
    struct Named {
        const char* name;
        Colour colour;
    };
    static constexpr Named kColours[] = {
        {"GroundTop", GroundTop}, {"GroundBottom", GroundBottom}, {"Text", Text},
        {"TextSoft", TextSoft},   {"TextMuted", TextMuted},       {"Accent", Accent},
        {"AccentDeep", AccentDeep}, {"OnAccent", OnAccent},       {"Sentence", Sentence},
        {"Paper", Paper},         {"Ink", Ink},                   {"PaperRule", PaperRule},
        {"HeaderFill", HeaderFill}, {"HeaderInk", HeaderInk},     {"HeaderEdge", HeaderEdge},
        {"DialogGround", DialogGround}, {"Purple", Purple},       {"Green", Green},
        {"Silver", Silver},       {"Blue", Blue},
    };
    QString result = QString::fromUtf8(sheet);
    for (const Named& named : kColours)
        result.replace(QLatin1Char('{') + QLatin1String(named.name) + QLatin1Char('}'), named.colour.Css());
    result.replace(QStringLiteral("{Kai}"), Kai());
    result.replace(QStringLiteral("{Sans}"), Sans());
    return result;
}

QString StepButtonStyle()
{
    return StyleSheet("QToolButton { color: {Text}; font-family: '{Sans}'; font-size: 22px; font-weight: bold;"
                      "  border: 1px solid {TextSoft}; border-radius: 6px; background: transparent; }"
                      "QToolButton:hover { background: {Accent}; color: {OnAccent}; border-color: {AccentDeep}; }"
                      "QToolButton:pressed { background: {AccentDeep}; }"
                      "QToolButton:disabled { color: rgba(255, 255, 255, 70); border-color: rgba(255, 255, 255, 50); }");
}

QFont KaiFont(int pixelSize, bool bold) { return Font(Kai(), pixelSize, bold); }
QFont SansFont(int pixelSize, bool bold) { return Font(Sans(), pixelSize, bold); }

} // namespace look
