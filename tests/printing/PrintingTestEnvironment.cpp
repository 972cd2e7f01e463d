#include "PrintingTestSupport.h"

#include "support/GuiApplicationEnvironment.h"

#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>

namespace {

const auto* const kEnvironment
    = ::testing::AddGlobalTestEnvironment(new quelvan::test::GuiApplicationEnvironment);

} // namespace

namespace quelvan::printing::test {

RunView RunHours(KslDoc& doc, int hours)
{
    EngineState engine;
    CalculationInputs inputs = InputsFromDocument(doc);
    inputs.initialTemperatureMode = InitialTemperature::Automatic;
    if (engine.PrepareCalculation(doc, inputs).IsError())
        return {};
    while (engine.View().hours < hours && engine.CanAdvance())
        engine.AdvanceHour(doc, true, true);
    return engine.View();
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

} // namespace quelvan::printing::test
