// Every picture button of every screen tells a screen reader its caption,
// and the key it is described by is one its screen takes.

#include "ScreenHarness.h"
#include "controls/Forms.h"
#include "controls/Image.h"
#include "controls/Keys.h"
#include "sentence/DictationRules.h"
#include "sentence/LessonPlayerRules.h"
#include "sentence/ReadAlongRules.h"
#include "word/WordAnswerRules.h"

#include <QAccessible>
#include <functional>
#include <map>
#include <optional>

namespace {

class AccessibleScreens : public ScreenHarness {};

struct Key {
    int code;
    Qt::KeyboardModifiers modifiers;
};

// The key names the descriptions use, as the screens' key help spells them.
std::optional<Key> KeyNamed(const QString& name)
{
    static const std::map<QString, Key> keys = {
        {"Esc", {vk::Escape, {}}},       {"Enter", {vk::Return, {}}},      {"Space", {vk::Space, {}}},
        {"PageUp", {vk::Prior, {}}},     {"PageDown", {vk::Next, {}}},     {"F1", {vk::F1, {}}},
        {"F2", {vk::F1 + 1, {}}},        {"F3", {vk::F1 + 2, {}}},         {"F4", {vk::F1 + 3, {}}},
        {"F5", {vk::F5, {}}},            {"Ctrl+S", {'S', Qt::ControlModifier}},
        {"Ctrl+D", {'D', Qt::ControlModifier}},
    };
    const auto found = keys.find(name);
    return found == keys.end() ? std::nullopt : std::optional<Key>(found->second);
}

std::vector<TkivImage1*> ButtonsOf(const TForm* form)
{
    std::vector<TkivImage1*> buttons;
    for (TImage* picture : form->findChildren<TImage*>())
        if (auto* button = dynamic_cast<TkivImage1*>(picture))
            buttons.push_back(button);
    return buttons;
}

using TakesKey = std::function<bool(const Key&)>;

// What each screen's key handling takes; a screen not listed takes no key
// that any of its buttons could share.
std::map<QString, TakesKey> ScreensKeys()
{
    return {
        {"bjzReadForm",
         [](const Key& key) {
             return sentence::ReadAlongKeyCommand(key.code, key.modifiers) != sentence::ReadAlongKey::None;
         }},
        {"bjzTypeSenForm",
         [](const Key& key) {
             return !key.modifiers && sentence::DictationKeyCommand(key.code) != sentence::DictationKey::None;
         }},
        {"TotalForm",
         [](const Key& key) {
             // Only the space bar and Esc do what a button does; the other
             // keys scroll the text.
             const sentence::LessonPlayerKey command = sentence::LessonPlayerKeyCommand(key.code);
             return !key.modifiers && (command == sentence::LessonPlayerKey::TogglePlay ||
                                       command == sentence::LessonPlayerKey::Back);
         }},
        {"bdcTestForm",
         [](const Key& key) {
             return !key.modifiers && word::AnswerFieldCommand(key.code) != word::AnswerFieldKey::Typing;
         }},
        {"bdcTypeForm",
         [](const Key& key) {
             return !key.modifiers && word::AnswerFieldCommand(key.code) != word::AnswerFieldKey::Typing;
         }},
        // The scratch field's own handling: Enter clears it, Esc leaves.
        {"bdcReadForm", [](const Key& key) { return !key.modifiers && key.code == vk::Escape; }},
    };
}

TEST_F(AccessibleScreens, EveryPictureButtonIsANamedPushButtonDescribedByAKeyItsScreenTakes)
{
    CreateScreenSet();
    const std::map<QString, TakesKey> screensKeys = ScreensKeys();
    int buttons = 0;
    int described = 0;
    for (TForm* form : application->Forms()) {
        const QString screen = form->objectName();
        for (TkivImage1* button : ButtonsOf(form)) {
            ++buttons;
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(button);
            ASSERT_NE(face, nullptr);
            const QString where = screen + " at " + QString::number(button->x()) + "," + QString::number(button->y());
            EXPECT_EQ(face->role(), QAccessible::Button) << where.toStdString();
            EXPECT_FALSE(face->text(QAccessible::Name).trimmed().isEmpty()) << where.toStdString();

            const QString keyName = face->text(QAccessible::Description);
            if (keyName.isEmpty())
                continue;
            ++described;
            const std::optional<Key> key = KeyNamed(keyName);
            ASSERT_TRUE(key) << where.toStdString() << ": not a key name: " << keyName.toStdString();
            const auto takes = screensKeys.find(screen);
            ASSERT_NE(takes, screensKeys.end()) << where.toStdString() << ": the screen takes no key";
            EXPECT_TRUE(takes->second(*key)) << where.toStdString() << ": the screen does not take "
                                             << keyName.toStdString();
        }
    }
    // Every screen's buttons were found, and the keyed ones among them.
    EXPECT_GE(buttons, 80);
    EXPECT_GE(described, 25);
}

} // namespace
