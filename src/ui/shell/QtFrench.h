#pragma once

#include <QTranslator>

#include <memory>

namespace quelvan::ui {

// Qt's own texts (the standard buttons "Oui", "Non", "Annuler", the file, print, print preview
// and page setup dialogs) in French whatever the system language: Qt's qtbase_fr.qm, looked
// for in Qt's translations folder. The translator stays installed while the result lives.
// Null when the file is missing or unreadable: those texts then stay in English.
std::unique_ptr<QTranslator> InstallQtFrench();

// The French locale for Qt's dialogs (dates, sizes, paper units), then the translations above.
// The program's own numbers do not follow it.
std::unique_ptr<QTranslator> UseFrench();

} // namespace quelvan::ui
