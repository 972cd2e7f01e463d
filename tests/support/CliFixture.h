#pragma once

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace quelvan::test {

// Runs the built quelvan-cli in a temporary folder of its own and keeps what it printed.
class CliFixture : public ::testing::Test {
protected:
    CliFixture()
        : temp_("quelvan-cli")
        , folder_(temp_.Path())
    {
    }

    std::string File(const std::string& name) const { return (folder_ / name).string(); }
    void Write(const std::string& name, const std::string& text) const
    {
        WriteBytes(File(name), text);
    }

    // Arguments are file names made by the tests: quoting them is enough. Returns the exit code.
    int Run(const std::string& arguments, const std::string& program = QUELVAN_CLI_PATH)
    {
        const std::string command = "cd '" + folder_.string() + "' && '" + program + "' "
            + arguments + " >out.txt 2>err.txt";
        const int status = std::system(command.c_str());
        out_ = ReadBytes(File("out.txt"));
        err_ = ReadBytes(File("err.txt"));
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    TempFolder temp_;
    std::filesystem::path folder_;
    std::string out_;
    std::string err_;
};

} // namespace quelvan::test
