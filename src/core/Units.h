#pragma once

// The conversions between the units the program computes in (seconds, joules) and those it
// shows (hours, watt-hours), stated once. The engine's single-precision arithmetic has its own
// float constant so that its expressions stay in float.
namespace quelvan::units {

inline constexpr double kSecondsPerHour = 3600.0;
inline constexpr float kSecondsPerHourFloat = 3600.0f;
inline constexpr double kSecondsPerDay = 24 * kSecondsPerHour;
inline constexpr double kSecondsPerWeek = 7 * kSecondsPerDay;
// A watt during an hour.
inline constexpr double kJoulesPerWattHour = kSecondsPerHour;

} // namespace quelvan::units
