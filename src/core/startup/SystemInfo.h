#pragma once

// What the program asks of the operating system at start-up. On Linux the
// answers say "not Windows"; tests set whatever they need.
struct SystemInfo {
    bool IsWindows = false;
    int MajorVersion = 0; // as the version query reports it
    int MinorVersion = 0;
    bool UxThemeAvailable = false; // the visual-styles library can be loaded
    bool ThemeActive = false;      // visual styles are switched on
};
