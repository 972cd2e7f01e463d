#pragma once

#include <QString>

#include <string>

// File names between Qt and the system. The project keeps a path as the system's bytes; Qt holds
// it as text and makes UTF-8 of it again, so a name whose bytes are not UTF-8 (a name written
// under another encoding, "projet_\xe9t\xe9.ksl") does not survive the trip: each stray byte
// comes back as U+FFFD. These two functions map between the bytes and the text.
namespace quelvan::ui {

// The text Qt shows for a path's bytes.
QString PathText(const std::string& path);

// The bytes of a path Qt gives (a file dialog, the program's arguments). Part by part: a part
// is its UTF-8 form when that exists in the folder so far, else the one entry of that folder
// that Qt shows under the same text; when no entry or several show so (two names that differ
// only by stray bytes), the UTF-8 form is kept and the path does not lead to an existing file.
std::string PathBytes(const QString& path);

} // namespace quelvan::ui
