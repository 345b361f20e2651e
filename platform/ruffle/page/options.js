"use strict";

// How Ruffle plays every movie. The player page loads it, and so does the benchmark's
// peer page, so that both draw the same way. What a movie may do is the program's policy,
// given to the page before its scripts run.
const playerOptions = Object.freeze({
  ...moviePolicy.engineOptions,
  autoplay: "on",
  unmuteOverlay: "hidden",
  splashScreen: false,
  letterbox: "off",
  scale: "showAll",
  quality: "high",
  // The stage stays clear and the page paints the background colour behind it, so
  // that a new colour shows at once, also on the movie already playing.
  wmode: "transparent",
  menu: true,
  warnOnUnsupportedContent: false,
  logLevel: "error",
  // Flash's own font names, drawn as Flash drew them on Windows (the fonts are fonts.js's),
  // or with the engine's own face when the system has none of them.
  defaultFonts: Object.freeze({
    sans: Object.freeze(["Arial", "Noto Sans"]),
    serif: Object.freeze(["Times New Roman", "Noto Sans"]),
    typewriter: Object.freeze(["Courier New", "Noto Sans"]),
  }),
  // The keys a gamepad's buttons press; the left stick acts as the d-pad. Ruffle reads
  // no Start button itself: the page presses it through the button with the same key.
  gamepadButtonMapping: Object.freeze({
    "dpad-up": 38,     // Up
    "dpad-down": 40,   // Down
    "dpad-left": 37,   // Left
    "dpad-right": 39,  // Right
    south: 32,         // Space (A, Cross)
    east: 13,          // Enter (B, Circle)
    west: 17,          // Control (X, Square)
    north: 16,         // Shift (Y, Triangle)
    start: 13,         // Enter
  }),
});
