#pragma once

namespace airvane {

// The SVG text of an image resource, or nullptr when there is no such image.
const char* IconSvg(int image_id);
// Every image resource id, ending with 0.
const int* AllIconIds();

}  // namespace airvane
