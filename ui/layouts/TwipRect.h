#pragma once

namespace baricor {

// Left, Top, Width, Height in twips (15 twips to a pixel at 96 dpi). Controls in
// a frame are placed relative to the frame.
struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

}  // namespace baricor
