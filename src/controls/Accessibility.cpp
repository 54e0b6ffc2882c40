#include "Accessibility.h"
#include "Image.h"

#include <QAccessibleWidget>

namespace {

// The interface of one picture control: a push button as told above, any other
// picture as a plain widget. Which one is asked at each call, not when the
// interface is made: the toolkit may make and keep an interface while the
// control is still being constructed, when it is not yet a TkivImage1.
class PictureAccessible : public QAccessibleWidget {
public:
    explicit PictureAccessible(TImage* picture) : QAccessibleWidget(picture) {}

    QAccessible::Role role() const override { return Button() ? QAccessible::Button : QAccessibleWidget::role(); }

    // Only what the screen set: a hint is not a description, as it mostly
    // tells the key in words of its own ("按Esc键返回").
    QString text(QAccessible::Text t) const override
    {
        if (!Button())
            return QAccessibleWidget::text(t);
        switch (t) {
        case QAccessible::Name: return widget()->accessibleName();
        case QAccessible::Description: return widget()->accessibleDescription();
        default: return QAccessibleWidget::text(t);
        }
    }

    QStringList actionNames() const override { return Button() ? QStringList{pressAction()} : QStringList(); }

    QStringList keyBindingsForAction(const QString& action) const override
    {
        const QString key = widget()->accessibleDescription();
        if (action != pressAction() || !Button() || key.isEmpty())
            return {};
        return {key};
    }

    // The click comes after the call has returned, as a toolkit button's own
    // press does: it may open a modal screen, and the screen reader's call
    // must not wait until that closes. A button hidden or disabled by then
    // could not have been clicked, and is not.
    void doAction(const QString& action) override
    {
        TkivImage1* button = Button();
        if (action != pressAction() || !button)
            return;
        QMetaObject::invokeMethod(
            button,
            [button] {
                if (button->isVisible() && button->isEnabled())
                    button->Click();
            },
            Qt::QueuedConnection);
    }

private:
    TkivImage1* Button() const { return dynamic_cast<TkivImage1*>(widget()); }
};

QAccessibleInterface* PictureFactory(const QString& className, QObject* object)
{
    // TkivImage1 has no meta-object of its own, so it is asked for as TImage.
    if (className != QLatin1String("TImage"))
        return nullptr;
    auto* picture = qobject_cast<TImage*>(object);
    return picture ? new PictureAccessible(picture) : nullptr;
}

} // namespace

void InstallPictureAccessibility() { QAccessible::installFactory(PictureFactory); }

void SetAccessibleCaptions(std::initializer_list<AccessibleCaption> buttons)
{
    for (const AccessibleCaption& line : buttons)
        line.button->SetAccessibleCaption(QString::fromUtf8(line.caption), QString::fromUtf8(line.key));
}
