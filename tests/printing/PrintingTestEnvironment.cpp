#include "PrintingTestSupport.h"

#include "support/GuiApplicationEnvironment.h"

#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>

namespace {

const auto* const kEnvironment
    = ::testing::AddGlobalTestEnvironment(new quelvan::test::GuiApplicationEnvironment);

bool HasPdfToText()
{
    return std::system("pdftotext -v > /dev/null 2>&1") == 0;
}

} // namespace

namespace quelvan::printing::test {

EngineSnapshot RunHours(KslDoc& doc, int hours)
{
    EngineState engine;
    CalculationInputs inputs = InputsFromDocument(doc);
    inputs.initialTemperatureMode = InitialTemperature::Automatic;
    if (engine.PrepareCalculation(doc, inputs) != kEngineOk)
        return {};
    while (engine.Snapshot().hours < hours && engine.CanAdvance())
        engine.AdvanceHour(doc, true, true);
    return engine.Snapshot();
}

std::optional<std::vector<std::string>> PdfFilePages(const std::string& path)
{
    if (!HasPdfToText())
        return std::nullopt;
    const std::string textPath = path + ".txt";
    const std::string command = "pdftotext -layout '" + path + "' '" + textPath + "'";
    if (std::system(command.c_str()) != 0)
        return std::vector<std::string> {};
    std::ifstream in(textPath, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    // Pages end with a form feed.
    std::vector<std::string> pages;
    std::string page;
    for (const char c : all.str()) {
        if (c == '\f') {
            pages.push_back(page);
            page.clear();
        } else {
            page += c;
        }
    }
    return pages;
}

std::optional<std::vector<std::string>> PdfPages(const QByteArray& pdf)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("rapport.pdf")).toStdString();
    std::ofstream out(path, std::ios::binary);
    out.write(pdf.constData(), pdf.size());
    out.close();
    return PdfFilePages(path);
}

std::string Squeezed(const std::string& text)
{
    std::string out;
    bool blank = false;
    for (const char c : text) {
        const bool isBlank = c == ' ' || c == '\t' || c == '\n' || c == '\r';
        if (isBlank) {
            if (!blank)
                out += ' ';
        } else {
            out += c;
        }
        blank = isBlank;
    }
    return out;
}

} // namespace quelvan::printing::test
