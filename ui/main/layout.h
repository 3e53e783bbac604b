// How the report box and the status line follow the main window's inner size.
// All values are twips (15 to a pixel at 96 dpi), as the window is designed.
#pragma once

namespace zefnaro {

inline constexpr float twipsPerPixel = 15.0f;

struct Box {
    float left = 0, top = 0, width = 0, height = 0;
    bool operator==(const Box&) const = default;
};

struct MainLayout {
    Box report;
    Box status;
    bool operator==(const MainLayout&) const = default;
};

// Where the two boxes stand when the window opens.
MainLayout designLayout();

// One resize: each step reads the values as the steps before it left them; a
// negative width or height is refused and that step keeps the last valid size.
MainLayout relayout(MainLayout current, float innerWidth, float innerHeight);

} // namespace zefnaro
