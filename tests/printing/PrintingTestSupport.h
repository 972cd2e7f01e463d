#pragma once

#include "engine/EngineState.h"
#include "model/KslDoc.h"

#include <QByteArray>
#include <optional>
#include <string>
#include <vector>

namespace quelvan::printing::test {

// Prepares the document's calculation and records `hours` hours (hour 0 is the steady state),
// as the desktop view and the command-line tool do; the snapshot of the state.
EngineSnapshot RunHours(KslDoc& doc, int hours);

// The text of each page of a PDF document as `pdftotext -layout` gives it; nullopt when the
// tool is not installed (the caller skips).
std::optional<std::vector<std::string>> PdfPages(const QByteArray& pdf);
std::optional<std::vector<std::string>> PdfFilePages(const std::string& path);

// The text with every run of blanks reduced to one space, so that a layout's column spacing
// does not matter.
std::string Squeezed(const std::string& text);

} // namespace quelvan::printing::test
