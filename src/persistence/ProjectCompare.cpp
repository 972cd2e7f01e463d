// Comparison of the project data that the project file stores, used to check that a file
// reads back before it replaces the previous one.
#include "core/TextTrim.h"
#include "model/KslDoc.h"
#include "persistence/FixedColumns.h"
#include "persistence/ProjectFile.h"

namespace quelvan {

namespace {

// Collects the first difference between two documents.
class Comparison {
public:
    explicit Comparison(std::string* difference)
        : difference_(difference)
    {
    }

    bool Same() const { return same_; }

    template <typename V> void Exact(const V& a, const V& b, const std::string& what)
    {
        if (same_ && !(a == b))
            Differ(what);
    }
    // Value texts lose their surrounding blanks in the fixed columns.
    void Value(const std::string& a, const std::string& b, const std::string& what)
    {
        Exact(TrimBlanks(a), TrimBlanks(b), what);
    }
    void Profile(const ProfileData& a, const ProfileData& b, const std::string& what)
    {
        Exact(a.period, b.period, what + " période");
        Exact(a.type, b.type, what + " type");
        for (size_t k = 0; k < a.values.size(); ++k)
            Value(a.values[k], b.values[k], what + " valeur " + std::to_string(k + 1));
    }
    void Differ(const std::string& what)
    {
        same_ = false;
        if (difference_ != nullptr)
            *difference_ = what;
    }

private:
    std::string* difference_;
    bool same_ = true;
};

void CompareMaterials(Comparison& c, const KslDoc& a, const KslDoc& b)
{
    c.Exact(a.materials.Count(), b.materials.Count(), "nombre de matériaux");
    for (int i = 0; c.Same() && i < a.materials.Count(); ++i) {
        const CMaterial& x = a.materials.At(i);
        const CMaterial& y = b.materials.At(i);
        const std::string what = "matériau " + std::to_string(i + 1);
        c.Exact(x.Identifier(), y.Identifier(), what + " identifiant");
        c.Value(x.Conductivity(), y.Conductivity(), what + " conductivité");
        c.Value(x.Density(), y.Density(), what + " masse volumique");
        c.Value(x.Capacity(), y.Capacity(), what + " capacité");
        c.Exact(x.GetColour(), y.GetColour(), what + " couleur");
        c.Exact(x.Name(), y.Name(), what + " nom");
    }
}

void CompareAmbiances(
    Comparison& c, const NList<CBCData>& a, const NList<CBCData>& b, const std::string& side)
{
    c.Exact(a.Count(), b.Count(), "nombre d'ambiances " + side);
    for (int i = 0; c.Same() && i < a.Count(); ++i) {
        const CBCData& x = a.At(i);
        const CBCData& y = b.At(i);
        const std::string what = "ambiance " + side + " " + std::to_string(i + 1);
        c.Exact(x.Identifier(), y.Identifier(), what + " identifiant");
        c.Exact(x.weatherFlag, y.weatherFlag, what + " météo");
        c.Exact(x.cityIndex, y.cityIndex, what + " ville");
        c.Exact(x.firstDay, y.firstDay, what + " premier jour");
        c.Exact(x.weatherPeriod, y.weatherPeriod, what + " période météo");
        c.Profile(x.temperature, y.temperature, what + " température");
        c.Profile(x.flux, y.flux, what + " flux");
        c.Exact(x.Name(), y.Name(), what + " nom");
    }
}

void CompareLayers(Comparison& c, const KslDoc& a, const KslDoc& b)
{
    c.Exact(a.layers.Count(), b.layers.Count(), "nombre de couches");
    for (int i = 0; c.Same() && i < a.layers.Count(); ++i) {
        const NMaterialLayer& x = a.layers.At(i);
        const NMaterialLayer& y = b.layers.At(i);
        const std::string what = "couche " + std::to_string(i + 1);
        c.Value(x.Thickness(), y.Thickness(), what + " épaisseur");
        if (x.Material() == nullptr || y.Material() == nullptr)
            c.Exact(x.Material() == nullptr, y.Material() == nullptr, what + " matériau");
        else
            c.Exact(x.Material()->LibraryIndex(), y.Material()->LibraryIndex(), what + " matériau");
    }
}

} // namespace

bool SameProjectData(const KslDoc& a, const KslDoc& b, std::string* difference)
{
    Comparison c(difference);
    c.Exact(a.author, b.author, "auteur");
    c.Exact(a.reference, b.reference, "référence");
    // Only the first five print choices are used and stored.
    for (size_t k = 0; k < 5; ++k)
        c.Exact(a.printChoices[k] != 0, b.printChoices[k] != 0, "choix d'impression");
    c.Exact(a.initialTemperatureMode, b.initialTemperatureMode, "température initiale");
    c.Exact(a.azimuthIndex, b.azimuthIndex, "azimut");
    c.Exact(a.inclinationIndex, b.inclinationIndex, "inclinaison");
    c.Value(a.surfaces.absorptionInterior, b.surfaces.absorptionInterior, "absorption intérieure");
    c.Value(a.surfaces.absorptionExterior, b.surfaces.absorptionExterior, "absorption extérieure");
    c.Value(a.surfaces.resistanceInterior, b.surfaces.resistanceInterior, "résistance intérieure");
    c.Value(a.surfaces.resistanceExterior, b.surfaces.resistanceExterior, "résistance extérieure");
    c.Exact(a.selectedExterior, b.selectedExterior, "ambiance extérieure choisie");
    c.Exact(a.selectedInterior, b.selectedInterior, "ambiance intérieure choisie");
    CompareMaterials(c, a, b);
    CompareAmbiances(c, a.exteriorAmbiances, b.exteriorAmbiances, "extérieure");
    CompareAmbiances(c, a.interiorAmbiances, b.interiorAmbiances, "intérieure");
    CompareLayers(c, a, b);
    return c.Same();
}

} // namespace quelvan
