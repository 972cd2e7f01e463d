#pragma once

// What importing a weather station does to a project: the station joins the project's list (or
// renames the one already kept in that file), and an exterior ambiance of the user's own on its
// weather may be made and chosen at once.
#include <string>

namespace quelvan {

class KslDoc;

// The station's index: the station holding that file takes the name, else a new station takes
// the lowest free index from 10 on. -1 when every index is taken.
int AddOrRenameStation(KslDoc& doc, const std::string& name, const std::string& fileName);

// Chooses on the exterior side an ambiance of that name on the station's weather, over a week
// from 1 January: the one the list already has, else a new ambiance of the user's own at the
// lowest free index after the built-in ones. False, with nothing changed, when the list is full.
bool ChooseStationAmbiance(KslDoc& doc, int stationIndex, const std::string& name);

} // namespace quelvan
