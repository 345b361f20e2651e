"use strict";

// What a person would do without the launcher: the same Ruffle build playing the same
// movie in a browser page. peer.html?movie=<file>&width=<px>&height=<px> gives the movie
// the launcher's player area. Each FSCommand goes to the console as
// "zingbox-probe <epoch ms> <command> <args>", which the benchmark reads from stderr.
(() => {
  const query = new URLSearchParams(location.search);
  const stage = document.getElementById("stage");
  stage.style.width = query.get("width") + "px";
  stage.style.height = query.get("height") + "px";

  const player = window.RufflePlayer.newest().createPlayer();
  player.style.width = stage.style.width;
  player.style.height = stage.style.height;
  stage.appendChild(player);
  player.ruffle().addFSCommandHandler((command, args) => {
    console.log(`zingbox-probe ${Date.now()} ${command} ${args}`);
    return true;
  });
  // The launcher's own options, from its player page, so both draw the same way.
  player.ruffle().load({ ...playerOptions, url: query.get("movie") });
})();
