#pragma once

namespace vexlin {

inline constexpr const char* kProductTitle = "Vexlin";
inline constexpr const char* kProductName = "Vexlin Cutting Optimizer";
inline constexpr const char* kEdition = "Workshop Edition";
inline constexpr const char* kVersion = VEXLIN_VERSION;
inline constexpr const char* kMakerNotice = "Copyright (c) 2026 the Vexlin developers";
// The program has no network access: the maker's pages are sections of the bundled help.
inline constexpr const char* kHelpSupportSection = "support";
inline constexpr const char* kHelpUpdateSection = "update";
inline constexpr const char* kHelpOnlineSection = "about";
inline constexpr const char* kSupportMail = "support@vexlin.example";

}  // namespace vexlin
