#include "PlatformDoubles.h"
#include "controls/Forms.h"

#include <QFile>

bool FakeDisplay::EnumMode(int index, platform::DisplayMode& mode)
{
    if (enumerationFails || index < 0 || index >= int(modes.size()))
        return false;
    mode = {};
    mode.Fields = platform::DM_PELSWIDTH | platform::DM_PELSHEIGHT | platform::DM_BITSPERPEL;
    mode.PelsWidth = modes[size_t(index)].width();
    mode.PelsHeight = modes[size_t(index)].height();
    mode.BitsPerPel = 32;
    return true;
}

bool FakeDisplay::Change(const platform::DisplayMode& mode)
{
    if (onChange)
        onChange(mode);
    changes.push_back(mode);
    for (const QSize& offered : modes)
        if (offered == QSize(mode.PelsWidth, mode.PelsHeight)) {
            size = offered;
            return true;
        }
    return false;
}

int MessageLog::Show(const QString& text, const QString& caption, platform::MessageButtons buttons)
{
    messages.push_back({text, caption, buttons});
    return answer;
}

QStringList MessageLog::Texts() const
{
    QStringList texts;
    for (const auto& m : messages)
        texts << m.text;
    return texts;
}

int ScriptedModal::ShowModal(platform::ModalDialog& dialog)
{
    auto& form = dynamic_cast<TForm&>(dialog);
    shown.push_back(&form);
    dialog.SetModalResult(0);
    form.show();
    if (responses.empty()) {
        form.Close();
    } else {
        auto response = std::move(responses.front());
        responses.pop_front();
        response(form);
    }
    form.hide();
    return dialog.ModalResult();
}

bool RecordingShell::Open(const QString& target, QWidget*)
{
    opened << target;
    return QFile::exists(target) || target.contains(QLatin1String("://"));
}

int RecordingFonts::AddFontFile(const QString& path)
{
    files << path;
    return QFile::exists(path) ? 1 : 0;
}

void RecordingFonts::Substitute(const QString& family, const QString& replacement)
{
    substitutions.emplace_back(family, replacement);
}
