#pragma once

// The version the program reports, the same on every platform; the Windows
// version record (packaging/windows/zorvel.rc) carries these texts too.
namespace zorvel::version {

inline constexpr const char* kProductName = "Zorvel";
inline constexpr const char* kVersionText = "1.00";

} // namespace zorvel::version
