#include "ui/shell/QtFrench.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace quelvan::ui {

std::unique_ptr<QTranslator> InstallQtFrench()
{
    auto translator = std::make_unique<QTranslator>();
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(QStringLiteral("qtbase_fr"), folder)
        || !QCoreApplication::installTranslator(translator.get()))
        return nullptr;
    return translator;
}

std::unique_ptr<QTranslator> UseFrench()
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    return InstallQtFrench();
}

} // namespace quelvan::ui
