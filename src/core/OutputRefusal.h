#pragma once

#include <string>
#include <vector>

namespace quelvan {

// Why an output may not be written whatever the user says, or an empty text: the output is an
// existing folder, an existing file that is not a regular file (a named pipe, a device, which a
// regular file would replace), or one of the files read (the same path once resolved, or the
// same file through a hard or symbolic link). The command line and the desktop refuse with
// this same text: "Écriture refusée : « mur.wth » est le fichier lu « /m/mur.wth » : il serait
// remplacé".
std::string OutputRefusal(const std::string& output, const std::vector<std::string>& filesRead);

} // namespace quelvan
