#pragma once

#include <array>

namespace quelvan::ui {

// The help context numbers that the windows pass to the help: each is the number of its page
// ("h13080.html"); Contents opens the contents page.
enum class HelpTopic : int {
    Contents = 0,
    Materials = 12005, // the material library, a material, a layer's material
    Ambiances = 12006, // the ambiance lists and the ambiance dialog
    Layers = 12007, // the layer list, a layer's thickness
    PrintChoice = 12008,
    InitialTemperature = 12009,
    Azimuth = 13030,
    ProfileType = 13050,
    ProfilePeriod = 13060,
    HeatCapacity = 13070,
    Absorption = 13080,
    Conductivity = 13090,
    Density = 13100,
    Diffusivity = 13110,
    Effusivity = 13120,
    Inclination = 13170,
    References = 13230,
    SurfaceResistance = 13240,
    Layer = 13270, // the layer dialog
    // Topics of the program's later windows and commands, beyond the original numbers.
    FineMode = 14010, // "Calcul fin"
    DynamicCharacteristics = 14020, // the dynamic characteristics dialog
    WeatherFiles = 14030, // weather files, imported EPW stations
    OwnRecords = 14040, // materials and ambiances of one's own
    AnnualBalance = 14050, // the annual balance window
    CompareWalls = 14060, // the wall comparison window
    KeysAndWindows = 14070, // keyboard, dropped files, where windows open
    UndoRedo = 14080, // the "Édition" menu, values framed in red
    Condensation = 14090, // the condensation window, the interior humidity
};

// Every topic that has a page of its own.
inline constexpr std::array kHelpTopics { HelpTopic::Materials, HelpTopic::Ambiances,
    HelpTopic::Layers, HelpTopic::PrintChoice, HelpTopic::InitialTemperature, HelpTopic::Azimuth,
    HelpTopic::ProfileType, HelpTopic::ProfilePeriod, HelpTopic::HeatCapacity,
    HelpTopic::Absorption, HelpTopic::Conductivity, HelpTopic::Density, HelpTopic::Diffusivity,
    HelpTopic::Effusivity, HelpTopic::Inclination, HelpTopic::References,
    HelpTopic::SurfaceResistance, HelpTopic::Layer, HelpTopic::FineMode,
    HelpTopic::DynamicCharacteristics, HelpTopic::WeatherFiles, HelpTopic::OwnRecords,
    HelpTopic::AnnualBalance, HelpTopic::CompareWalls, HelpTopic::KeysAndWindows,
    HelpTopic::UndoRedo, HelpTopic::Condensation };

} // namespace quelvan::ui
