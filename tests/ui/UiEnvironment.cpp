// One QApplication for every test of this executable, with the settings kept in a temporary
// folder so that the recent-file list of the user is never touched.
#include "ui/shell/HelpSupport.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        settingsDir_ = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", settingsDir_->path().toUtf8());
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = std::make_unique<QApplication>(argc_, argv_);
        quelvan::ui::InitResources();
    }
    void TearDown() override
    {
        app_.reset();
        settingsDir_.reset();
    }

private:
    int argc_ = 1;
    char name_[8] = "test_ui";
    char* argv_[2] = { name_, nullptr };
    std::unique_ptr<QTemporaryDir> settingsDir_;
    std::unique_ptr<QApplication> app_;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

} // namespace
