#pragma once
// What the page's status panel and its tests read out of the program's state.
// Both only read: calling them changes nothing the program does.

extern "C" {

// The current settings as one JSON object: basis, r, C, pd, w, scheme,
// stationary, tracing, points (count), curve, width and height (of the
// window), and font: the registry slot of the current font, -1 for none
// (start-up loads one). Numbers carry 17 significant digits, so they read back exactly.
// The text stays valid until the next call.
const char* curvix_web_status();

// The working polygon as a JSON array of [x, y] pairs, y downward as stored,
// 17 significant digits. The text stays valid until the next call.
const char* curvix_web_points();

}  // extern "C"
