#pragma once

#include "engine/SiWall.h"

// The layers of the library's materials that the engine's physics tests build their walls from,
// in SI units (thickness m, λ W/(m.K), ρ kg/m³, c J/(kg.K)).
namespace quelvan::test {

inline const SiLayer kConcrete { 0.2, 2, 2450, 1000 }; // "Béton lourd"
inline const SiLayer kGlassWool { 0.05, 0.041, 15, 1030 }; // "Laine de verre"
inline const SiLayer kPlaster { 0.01, 0.43, 1050, 1000 }; // "Plâtre"
inline const SiLayer kPolystyrene { 0.1, 0.037, 25, 1450 }; // "Polystyrène expansé"
inline const SiLayer kSteel { 0.001, 72, 7870, 450 }; // "Métal ferreux"
inline const SiLayer kRockWool { 0.1, 0.039, 80, 1030 }; // "Laine de roche"

} // namespace quelvan::test
