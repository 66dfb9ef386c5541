#pragma once

namespace zentavo {

// The program's own name: the main window's caption and the application title until the
// language file gives them.
inline constexpr const char* kProgramName = "Zentavo";

}  // namespace zentavo
