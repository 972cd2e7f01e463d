#include "ui/project/OutputTarget.h"

#include "core/Messages.h"
#include "core/OutputRefusal.h"
#include "graphics/QtStrings.h"
#include "ui/shell/Prompter.h"

#include <QFileDialog>
#include <QFileInfo>

#include <sys/stat.h>

namespace quelvan::ui {

bool MayWriteOutput(Prompter& prompter, QWidget* parent, const std::string& path,
    const std::vector<std::string>& filesRead)
{
    if (const std::string refusal = OutputRefusal(path, filesRead); !refusal.empty()) {
        prompter.Message(parent, ToQ(refusal), Prompter::Icon::Exclamation);
        return false;
    }
    struct stat info { };
    if (::stat(path.c_str(), &info) != 0)
        return true;
    const QString question = QStringLiteral("« %1 » existe déjà.\n%2")
                                 .arg(QFileInfo(ToQ(path)).fileName(), ToQ(msg::kReplaceQuestion));
    return prompter.AskYesNoCancel(parent, question) == Prompter::Answer::Yes;
}

void PrepareOutputDialog(QFileDialog& dialog, const char* defaultSuffix)
{
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(ToQ(defaultSuffix));
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
}

} // namespace quelvan::ui
