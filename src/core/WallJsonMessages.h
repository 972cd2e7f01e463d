#pragma once

// Texts of a wall described in JSON (quelvan-cli new --wall): each follows the JSON path of the
// fault, "layers[2].thickness_mm : nombre positif attendu".
namespace quelvan::msg {

inline constexpr const char* kWallJson = "Description de paroi";
inline constexpr const char* kWallJsonSyntax = "JSON illisible";
inline constexpr const char* kWallJsonObject = "objet attendu";
inline constexpr const char* kWallJsonLayers = "liste d'au moins une couche attendue";
inline constexpr const char* kWallJsonPositive = "nombre positif attendu";
inline constexpr const char* kWallJsonNumber = "nombre attendu";
inline constexpr const char* kWallJsonName = "nom non vide attendu";
inline constexpr const char* kWallJsonMaterial
    = "nom d'un matériau intégré ou du catalogue, ou objet (name, lambda_w_mk, rho_kg_m3, "
      "c_j_kgk, mu ou sd_m) attendu";
inline constexpr const char* kWallJsonUnknownMaterial = "matériau inconnu";
inline constexpr const char* kWallJsonNoCatalogue
    = "matériau inconnu (le catalogue des matériaux n'a pas pu être lu)";
inline constexpr const char* kWallJsonVapour = "mu ou sd_m attendu (l'un des deux)";
inline constexpr const char* kWallJsonTwice = "matériau déjà décrit avec d'autres valeurs";
inline constexpr const char* kWallJsonUnknownKey = "clé inconnue";
inline constexpr const char* kWallJsonAzimuth
    = "nom d'orientation attendu (Nord, Nord-Est, Est, Sud-Est, Sud, Sud-Ouest, Ouest, "
      "Nord-Ouest)";
inline constexpr const char* kWallJsonInclination
    = "inclinaison attendue parmi 0, 30, 45, 60, 90, 120, 135, 150, 180";
inline constexpr const char* kWallJsonTooMany = "trop de matériaux pour la bibliothèque";

} // namespace quelvan::msg
