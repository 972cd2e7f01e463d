#pragma once

#include <string>

namespace quelvan {

// A new file with a short name (".quelvan-" and six random characters) in a given folder, for a
// write that is renamed over its target once complete. The name stays short whatever the
// target's, so a target of any legal length can be written. Until the file is renamed, it is
// removed when the object ends, and also when SIGINT, SIGTERM or SIGHUP ends the program: the
// first file written installs, for those of the three signals whose action is still the default,
// a handler that removes the pending temporary files (unlink of names prepared beforehand, the
// only calls it makes) and then ends the program by the same signal with the default action.
class TemporaryFile {
public:
    // folder: empty (the current folder) or ending with '/'.
    explicit TemporaryFile(const std::string& folder);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    // The open descriptor, or -1 when no file could be created.
    int Descriptor() const { return fd_; }
    const std::string& Path() const { return path_; }
    // Closes the descriptor; false when the close reports an error (a write that did not land).
    bool Close();
    // Renames the closed file over the target; from then on it is the target and is kept.
    bool RenameTo(const std::string& target);

private:
    std::string path_;
    int fd_ = -1;
    int slot_ = -1; // where the name waits for a signal, -1 when it could not be recorded
};

} // namespace quelvan
