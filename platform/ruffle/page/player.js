"use strict";

// The host side of the movie player. The program drives it through the functions of
// `zingbox`, in the order it calls them; commands from the movie go back over the web
// channel. Each movie gets a fresh engine instance, so nothing of the last one (a paused
// state, held keys) carries over; the Ruffle element around it is kept while it shows
// nothing of its own (see reusable()).
const zingbox = (() => {
  const stage = document.getElementById("stage");

  // A movie could send texts of any length; longer ones are no command of a game, and
  // the program refuses them too. What a movie sends in one turn of the engine crosses the
  // channel as one message: one message each would keep the page and the program busy
  // with a movie that sends thousands a frame.
  const { longestCommandText, mostCommandsPerTurn } = moviePolicy;

  // Only our Pause/Resume button resumes a movie; Ruffle's own big play button never shows.
  // Nor does its error panel: the program rebuilds the player at once, and the panel's
  // links would hand the desktop a report with the user's file paths.
  const hiddenOverlays = "#play-button, #unmute-overlay, #panic { display: none !important; }";

  // The engine writes a movie's System.setClipboard through the page's copy command,
  // which the browser grants for seconds after any click or key: a movie on a timer
  // would replace the user's clipboard all through play. No movie gets it at all.
  document.execCommand = () => false;

  // While suspended the engine keeps asking for animation frames, and every frame wakes
  // the renderer, the compositor and the view: about 10 % of a core to show a still
  // picture. Held callbacks run again on resume, which restarts the engine's loop.
  const nextFrame = window.requestAnimationFrame.bind(window);
  const heldFrames = [];
  window.requestAnimationFrame = (callback) => {
    if (!suspended) return nextFrame(callback);
    heldFrames.push(callback);
    return 0;
  };
  // The page stays as it is. A page a movie asks for, in place of this one or in a new
  // window, goes to the program, which lets the desktop open it if the user asked for it.
  // Nothing starts here that would take the keyboard from the movie.
  function askProgramToOpen(url) {
    if (bridge) bridge.openLink(movie, String(url));
  }
  navigation.addEventListener("navigate", (event) => {
    event.preventDefault();
    askProgramToOpen(event.destination.url);
  });
  window.open = (url) => {
    askProgramToOpen(url);
    return null;
  };

  let bridge = null;
  let element = null;       // the Ruffle element of the movie loaded last
  let movie = 0;            // the program's number for that movie, on all it asks for
  let movieRead = false;    // whether the engine has read that movie's header
  let outbox = null;        // the movie's further commands of this turn: command, arguments, ...
  let lastLoad = null;      // what a load's outcome is checked against: a later load or a drop ends it
  let chosenColor = "";     // "rrggbb" from the program; "" means the movie's own
  let movieColor = "#ffffff";
  let suspended = false;    // the program's last word was StopPlay

  function paintBackground() {
    stage.style.backgroundColor = chosenColor ? "#" + chosenColor : movieColor;
  }

  // Ruffle's readyState once a movie's header is read; an engine that stopped resets it.
  const movieLoaded = 2;
  // What Ruffle leaves on an element until the element goes: its error panel, a message,
  // a dialog or its menu left open.
  const leftOnElement = "#panic, #message-overlay, .modal:not(.hidden), #context-menu-overlay:not(.hidden)";

  // An element, once made, is never freed: Ruffle's page-wide listeners hold it. So the
  // last one plays the next movie too, unless its engine stopped, it still loads, or it
  // shows something of the last movie.
  function reusable(candidate) {
    return candidate !== null && candidate.ruffle().readyState === movieLoaded &&
        candidate.ruffle().volume === 1 && candidate.shadowRoot.querySelector(leftOnElement) === null;
  }

  function dropElement() {
    stage.replaceChildren();
    element = null;
    lastLoad = null;
    gamepads.stopListening();
  }

  function sendCommand(texts) {
    if (outbox !== null) {
      if (outbox.length < 2 * mostCommandsPerTurn) outbox.push(...texts);
      return;
    }
    // The turn's first command goes at once: a movie stuck in its script ends no turn.
    bridge.fsCommands(movie, texts);
    outbox = [];
    queueMicrotask(sendCommands);
  }

  function sendCommands() {
    if (outbox !== null && outbox.length > 0) bridge.fsCommands(movie, outbox);
    outbox = null;
  }

  function createElement() {
    const fresh = window.RufflePlayer.newest().createPlayer();
    const style = document.createElement("style");
    style.textContent = hiddenOverlays;
    fresh.shadowRoot.appendChild(style);
    // A replaced element's engine may still run a frame or more before it goes; what it
    // sends then would pass as the new movie's.
    fresh.ruffle().addFSCommandHandler((command, args) => {
      const texts = [String(command), String(args)];
      if (fresh === element && texts.every((text) => text.length <= longestCommandText)) sendCommand(texts);
      return true;
    });
    fresh.addEventListener("loadedmetadata", () => {
      movieRead = true;
      movieColor = fresh.ruffle().metadata.backgroundColor || "#ffffff";
      paintBackground();
    });
    // The engine's error panel: a panic can leave the whole engine unusable for the
    // page, so the program replaces the page.
    new MutationObserver(() => {
      if (fresh === element && fresh.shadowRoot.getElementById("panic") !== null) {
        const read = movieRead;
        dropElement();
        bridge.enginePanicked(movie, read);
      }
    }).observe(fresh.shadowRoot, { childList: true, subtree: true });
    return fresh;
  }

  function load(url, number) {
    sendCommands();  // the last movie's, under its own number
    movie = Number(number);
    movieRead = false;
    bridge.movieStarted(movie);
    suspended = false;
    heldFrames.length = 0;  // the old movie's loop ends with it
    // The last engine's canvas keeps its pixels until the garbage collector comes by,
    // which can take a hundred loads; emptied, it holds nothing meanwhile.
    const oldCanvases = element ? Array.from(element.shadowRoot.querySelectorAll("canvas")) : [];
    if (!reusable(element)) {
      element = createElement();
      stage.replaceChildren(element);
    }
    const player = element;
    const attempt = {};
    lastLoad = attempt;
    gamepads.startListening();
    // As in Flash Player, a movie's relative addresses start from its own folder, not the page's.
    const base = new URL(".", url).href;
    const start = (fontSources) => {
      const loaded = player.ruffle().load({ ...playerOptions, fontSources, url, base });
      // Loading ends the last engine at once.
      for (const canvas of oldCanvases) canvas.width = canvas.height = 0;
      return loaded;
    };
    // Only the first load waits for the fonts; later ones end the last movie at once.
    const fonts = deviceFonts.read();
    const loading = fonts ? start(fonts) :
        deviceFonts.sources().then((read) => lastLoad === attempt ? start(read) : undefined);
    loading.then(() => {
      if (lastLoad !== attempt) return;
      if (suspended) player.ruffle().suspend();
      // The element may have taken the focus before the engine listened for it (the
      // window became active during the load); only a fresh focus event reaches it.
      player.blur();
      player.focus();
    }, () => {
      if (lastLoad !== attempt) return;
      dropElement();
      bridge.movieUnreadable(movie);
    });
  }

  function setBackgroundColor(color) {
    chosenColor = color;
    paintBackground();
  }

  function suspend() {
    suspended = true;
    gamepads.stopListening();
    if (element) element.ruffle().suspend();
  }

  function resume() {
    suspended = false;
    heldFrames.splice(0).forEach(nextFrame);
    if (element) {
      element.ruffle().resume();
      gamepads.startListening();
    }
  }

  function focusMovie() {
    if (element) element.focus();
  }

  new QWebChannel(qt.webChannelTransport, (channel) => {
    bridge = channel.objects.bridge;
    // Ready only if the page's other scripts all ran: a value that a failed script never
    // set cannot be read, and the program names the script that failed.
    if (playerOptions && gamepads) bridge.pageReady(Boolean(window.RufflePlayer && window.RufflePlayer.newest()));
  });

  return { load, unload: dropElement, setBackgroundColor, suspend, resume, focusMovie };
})();
