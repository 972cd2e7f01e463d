#pragma once

#include "core/NumberText.h"
#include "model/KslDoc.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace quelvan::test {

// A weather file of `lines` data lines after a header; line j holds in its seven tab-separated
// columns: j, temperature(j), direct(j), diffuse(j), 0, azimuth(j), height(j).
struct WeatherColumns {
    std::function<double(int)> temperature = [](int j) { return (j % 1000) * 0.1; };
    std::function<double(int)> direct = [](int) { return 0.0; };
    std::function<double(int)> diffuse = [](int) { return 0.0; };
    std::function<double(int)> azimuth = [](int) { return 0.0; };
    std::function<double(int)> height = [](int) { return 0.0; };
};

inline void WriteWeatherFile(const std::string& path, int lines, const WeatherColumns& c = {})
{
    std::ofstream out(path, std::ios::binary);
    out << "h\tT\tDir\tDif\tx\tAz\tHt\r\n";
    for (int j = 1; j <= lines; ++j) {
        out << FormatInt("%d", j) << '\t' << FloatText(c.temperature(j)) << '\t'
            << FloatText(c.direct(j)) << '\t' << FloatText(c.diffuse(j)) << "\t0\t"
            << FloatText(c.azimuth(j)) << '\t' << FloatText(c.height(j)) << "\r\n";
    }
}

// A document whose wall is the given layers (material name, thickness in mm).
using WallLayers = std::vector<std::pair<const char*, const char*>>;
inline void SetWall(KslDoc& doc, const WallLayers& layers)
{
    doc.layers.Clear();
    for (const auto& [material, thickness] : layers)
        doc.AddLayer(doc.FindMaterialByName(material), thickness);
}

// Adds an ambiance with a constant temperature and a null flux, selects it and returns it.
inline CBCData& SelectConstant(KslDoc& doc, Side side, const std::string& temperature)
{
    NList<CBCData>& list = doc.Ambiances(side);
    const int identifier = kAmbianceIdentifierBase + list.Count();
    CBCData& record = doc.AddAmbiance(identifier, side, "Essai " + temperature,
        ProfileType::Constant, ProfileType::Null, Period::Day, Period::Day,
        { "0", temperature, "0", "0" }, { "0", "0", "0", "0" });
    (side == Side::Exterior ? doc.selectedExterior : doc.selectedInterior) = record.Index();
    return record;
}

} // namespace quelvan::test
