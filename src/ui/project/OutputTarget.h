#pragma once

#include <string>
#include <vector>

class QFileDialog;
class QWidget;

namespace quelvan::ui {

class Prompter;

// The rule of every file the desktop writes at a name the user chose: a file the project reads
// (its own file, its weather files) is refused with the command line's message, before any
// other question; an existing file is then replaced only once the user said "Oui". The file
// dialogs of outputs therefore ask nothing of their own (PrepareOutputDialog).
bool MayWriteOutput(Prompter& prompter, QWidget* parent, const std::string& path,
    const std::vector<std::string>& filesRead);

// A save dialog of an output: save mode, the default suffix, and no overwrite question of its
// own (MayWriteOutput asks it after the refusals).
void PrepareOutputDialog(QFileDialog& dialog, const char* defaultSuffix);

} // namespace quelvan::ui
