#include "Keys.h"

#include <QCoreApplication>
#include <QHash>
#include <QKeyEvent>
#include <QPointer>

int VirtualKeyOf(const QKeyEvent& event)
{
    const int key = event.key();
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return key; // Qt's codes for letters and digits are their upper-case characters
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return vk::F1 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Backspace: return vk::Back;
    case Qt::Key_Tab: return vk::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return vk::Return;
    case Qt::Key_Shift: return vk::Shift;
    case Qt::Key_Control: return vk::Control;
    case Qt::Key_Alt: return vk::Menu;
    case Qt::Key_Escape: return vk::Escape;
    case Qt::Key_Space: return vk::Space;
    case Qt::Key_PageUp: return vk::Prior;
    case Qt::Key_PageDown: return vk::Next;
    case Qt::Key_End: return vk::End;
    case Qt::Key_Home: return vk::Home;
    case Qt::Key_Left: return vk::Left;
    case Qt::Key_Up: return vk::Up;
    case Qt::Key_Right: return vk::Right;
    case Qt::Key_Down: return vk::Down;
    case Qt::Key_Delete: return vk::Delete;
    default: return 0;
    }
}

namespace {

// Sees every key press before any widget does.
class KeyPressMemory final : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto* press = static_cast<QKeyEvent*>(event);
            if (!press->isAutoRepeat())
                held_.insert(press->key(), press->modifiers());
        }
        return QObject::eventFilter(watched, event);
    }

    // The modifiers held at the press of the key `release` lets go; the
    // release's own when its press was not seen.
    Qt::KeyboardModifiers AtPress(const QKeyEvent& release) const
    {
        return held_.value(release.key(), release.modifiers());
    }

private:
    QHash<int, Qt::KeyboardModifiers> held_;
};

QPointer<KeyPressMemory>& Memory()
{
    static QPointer<KeyPressMemory> memory;
    return memory;
}

} // namespace

void InstallKeyPressMemory()
{
    QCoreApplication* application = QCoreApplication::instance();
    if (!application || Memory())
        return;
    Memory() = new KeyPressMemory(application);
    application->installEventFilter(Memory());
}

void RaiseKeyUp(const TKeyEvent& slot, QObject* sender, const QKeyEvent& event)
{
    if (event.isAutoRepeat())
        return;
    int key = VirtualKeyOf(event);
    const Qt::KeyboardModifiers modifiers = Memory() ? Memory()->AtPress(event) : event.modifiers();
    Raise(slot, sender, key, modifiers);
}
