#pragma once

#include <QSettings>

namespace quelvan::ui {

// The program's per-user settings (the recent-file list, the calculation mode, the report's
// annual balance), under the key the recent-file list has always been kept in.
QSettings ProgramSettings();

} // namespace quelvan::ui
