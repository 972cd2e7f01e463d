#pragma once

#include "engine/EngineState.h"
#include "model/KslDoc.h"
#include "support/PdfText.h"

#include <QByteArray>
#include <optional>
#include <string>
#include <vector>

namespace quelvan::printing::test {

// Prepares the document's calculation and records `hours` hours (hour 0 is the steady state),
// as the desktop view and the command-line tool do; the view of the run at that hour.
RunView RunHours(KslDoc& doc, int hours);

// The text of each page of a PDF document as `pdftotext -layout` gives it; nullopt when the
// tool is not installed (the caller skips).
std::optional<std::vector<std::string>> PdfPages(const QByteArray& pdf);
using quelvan::test::PdfFilePages;
using quelvan::test::Squeezed;

} // namespace quelvan::printing::test
