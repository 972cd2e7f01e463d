// One QApplication on a single 1024 × 768 screen (the offscreen platform reads its screens from
// a configuration file), with the settings and the user's data in a temporary folder.
#include "ui/shell/HelpSupport.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>

namespace {

class SmallScreenEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        folder_ = std::make_unique<QTemporaryDir>();
        const QString screens = folder_->filePath(QStringLiteral("screens.json"));
        std::ofstream(screens.toStdString())
            << R"({"screens": [{"name": "petit", "x": 0, "y": 0, "width": 1024, "height": 768,)"
               R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.toUtf8());
        qputenv("XDG_CONFIG_HOME", folder_->filePath(QStringLiteral("config")).toUtf8());
        qputenv("XDG_DATA_HOME", folder_->filePath(QStringLiteral("data")).toUtf8());
        app_ = std::make_unique<QApplication>(argc_, argv_);
        quelvan::ui::InitResources();
    }
    void TearDown() override
    {
        app_.reset();
        folder_.reset();
    }

private:
    int argc_ = 1;
    char name_[24] = "test_ui_small_screen";
    char* argv_[2] = { name_, nullptr };
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<QApplication> app_;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new SmallScreenEnvironment);

} // namespace
