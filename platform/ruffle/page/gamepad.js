"use strict";

// Gamepads press keys in the movie through Ruffle's button mapping (in playerOptions).
// Ruffle asks navigator.getGamepads() for the pads on every frame, reads only the first
// one, knows neither the Start button nor the sticks, and keeps a button pressed when
// its pad goes. So it is shown one pad instead: every connected pad merged, the left
// stick acting as the d-pad, each button that Ruffle does not read folded onto one that
// presses the same key, and nothing pressed once the last pad has gone.
//
// Asking the browser for pads, or listening for them, makes it poll the devices 60 times
// a second until the page stops listening. So the page listens only while a movie plays
// and asks only while a pad is connected.
const gamepads = (() => {
  // Button indices of the standard layout, by the names of Ruffle's mapping.
  const readByRuffle = { south: 0, east: 1, west: 2, north: 3,
    "dpad-up": 12, "dpad-down": 13, "dpad-left": 14, "dpad-right": 15 };
  const unreadByRuffle = { "left-trigger": 4, "right-trigger": 5, "left-trigger-2": 6,
    "right-trigger-2": 7, select: 8, start: 9 };
  const buttonCount = 16;
  const stickThreshold = 0.5;  // about half-way

  const mapping = playerOptions.gamepadButtonMapping;
  const folds = Object.entries(mapping)
      .filter(([name]) => name in unreadByRuffle)
      .map(([name, key]) => [unreadByRuffle[name],
        readByRuffle[Object.keys(readByRuffle).find((read) => mapping[read] === key)]])
      .filter(([, onto]) => onto !== undefined);

  // Ruffle takes only what passes for the browser's own pad and button objects.
  const padButton = (pressed) => Object.create(GamepadButton.prototype, { pressed: { value: pressed } });
  const pressedButton = padButton(true);
  const releasedButton = padButton(false);
  const shownPad = (pressed) => Object.create(Gamepad.prototype,
      { buttons: { value: pressed.map((down) => (down ? pressedButton : releasedButton)) } });
  const noPadPressing = Object.freeze([shownPad([])]);

  // navigator.getGamepads is the one Ruffle sees; the browser's own is on the prototype.
  const connectedPads = () =>
      Array.from(Navigator.prototype.getGamepads.call(navigator)).filter((one) => one && one.connected);

  let asking = false;  // a pad has been connected, and not all have gone since

  function pressedOn(pads) {
    const pressed = new Array(buttonCount).fill(false);
    for (const one of pads) {
      one.buttons.slice(0, buttonCount).forEach((button, index) => {
        pressed[index] ||= button.pressed;
      });
      const [across = 0, down = 0] = one.axes;
      pressed[readByRuffle["dpad-left"]] ||= across < -stickThreshold;
      pressed[readByRuffle["dpad-right"]] ||= across > stickThreshold;
      pressed[readByRuffle["dpad-up"]] ||= down < -stickThreshold;
      pressed[readByRuffle["dpad-down"]] ||= down > stickThreshold;
    }
    for (const [from, onto] of folds) pressed[onto] ||= pressed[from];
    return pressed;
  }

  navigator.getGamepads = () => {
    if (!asking) return noPadPressing;
    const pads = connectedPads();
    asking = pads.length > 0;
    return [shownPad(pressedOn(pads))];
  };

  const padConnected = () => { asking = true; };

  return {
    startListening() { window.addEventListener("gamepadconnected", padConnected); },
    stopListening() { window.removeEventListener("gamepadconnected", padConnected); },
  };
})();
