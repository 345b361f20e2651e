// Movies that try what a hostile movie would: run script in the page, take the page
// elsewhere, reach the network, open pages behind the user's back, flood the program,
// take the clipboard, open a file dialog, drive the engine to a panic.
// Each says what it has tried and then ticks every frame, so a test can count rendered
// frames instead of waiting on the clock.
#include <string>
#include <vector>

#include "tests/support/Stages.h"
#include "tools/swfkit/Recipe.h"

namespace zingbox::swf {
namespace {

// Version 8, so that flash.external.ExternalInterface is there to be tried.
constexpr Stage SmallStage = [] {
  Stage stage = test::SmallStage;
  stage.version = 8;
  return stage;
}();
constexpr int FloodSize = 5000;

// Runs `steps` on `movie` `framesApart` frames apart, so that no navigation cuts short the
// one before; then runs `everyFrame` and ticks on every frame for ever.
Movie StepsThenTick(const std::vector<Actions>& steps, const Actions& everyFrame = Actions(), int framesApart = 1,
                    Movie movie = Movie(SmallStage)) {
  Timeline& frames = movie.timeline();
  for (const Actions& step : steps) {
    frames.actions(step).showFrame();
    for (int rest = 1; rest < framesApart; ++rest) frames.showFrame();
  }
  const int loop = frames.frameCount() + 1;
  frames.actions(Actions().append(everyFrame).fscommand("tick", "")).showFrame();
  frames.actions(Actions().gotoAndPlay(loop)).showFrame();
  return movie;
}

// Script that would leave its mark in the page; the test looks for it.
std::string Marking(const std::string& route) {
  return "window.scriptRan = (window.scriptRan || '') + '" + route + "';";
}

// Pushes what flash.external.ExternalInterface.call(name, argument) gives back.
Actions ExternalInterfaceCall(const std::string& name, const std::string& argument) {
  const Actions bridge =
      Actions().getVariable("flash").push("external").getMember().push("ExternalInterface").getMember();
  return Actions().setVariable("bridge", bridge).push(argument).push(name).callMethod("bridge", "call", 2);
}

// Runs `body` `count` times within one frame.
Actions Repeat(int count, const Actions& body) {
  Actions loop;
  const Label top = loop.newLabel();
  return loop.setVariable("left", Actions().push(static_cast<double>(count)))
      .mark(top)
      .append(body)
      .setVariable("left", Actions().getVariable("left").decrement())
      .getVariable("left")
      .push(0.0)
      .greater()
      .jumpIfTrue(top);
}

// Reports ("name", "value") on every frame in which the loaded variable `name` holds it.
Actions ReportWhenLoaded(const char* name, const char* value) {
  return Actions().when(Actions().getVariable(name).push(value).equals(), Actions().fscommand(name, value));
}

// Loads the variables beside itself (inside=yes), then runs `elsewhere`; says on every
// frame which of those and of the outside file's (secret=stolen) have arrived.
Movie InsideThen(const Actions& elsewhere) {
  return StepsThenTick({Actions().loadVariables("inside.txt", "_root").append(elsewhere)},
                       Actions().append(ReportWhenLoaded("inside", "yes")).append(ReportWhenLoaded("secret", "stolen")));
}

// A movie with a button over the whole stage, `onRelease` run on each click.
Movie WithStageButton(const Actions& onRelease) {
  Movie movie(SmallStage);
  const CharacterId plate = movie.defineShape(Shape().rectangle({0, 0, 320, 240}, Color::rgb(0x306030)));
  movie.timeline().place(1, movie.defineButton(Button().show(AllButtonStates, plate).onRelease(onRelease)));
  return movie;
}

}  // namespace

// Every way a movie has to run script in the page, and to load, reload or replace the
// page itself. Reports what ExternalInterface.call("eval", "1 + 1") gave back.
ZINGBOX_SWF_RECIPE(script_routes) {
  std::vector<Actions> tries;
  for (const char* target : {"", "_self", "_top", "_parent", "_blank"})
    tries.push_back(Actions().getURL("javascript:" + Marking(std::string("url") + target) + "void 0", target));
  tries.push_back(Actions().getURL("javascript:location.reload()", ""));
  tries.push_back(ExternalInterfaceCall("eval", Marking("eval")).pop());
  tries.push_back(ExternalInterfaceCall("function () { " + Marking("call") + " }", "").pop());
  for (const char* target : {"", "_self", "_top"}) tries.push_back(Actions().getURL("player/player.html", target));
  tries.push_back(Actions().getURL("player/player.html#elsewhere", "_self"));
  tries.push_back(Actions().push("player/player.html").push("_self").getURLFromStack(SendVariables::Post));
  tries.push_back(Actions()
                      .push("FSCommand:eval")
                      .append(ExternalInterfaceCall("eval", "1 + 1"))
                      .getURLFromStack()
                      .fscommand("tried", "script"));
  return StepsThenTick(tries, Actions(), 15);
}

// Reads the ports of a test's listeners from canary.txt beside it ("tcp=...&udp=...&ready=1")
// and reaches for them by every route a movie has. The script routes carry script that
// would read the same file and try the page's own ways out.
ZINGBOX_SWF_RECIPE(canary) {
  const auto web = [](const char* path) {
    return Actions().push("http://127.0.0.1:").getVariable("tcp").add().push(path).add();
  };
  // it = new `object`; it.`method`(what `arguments` pushes, `count` of them)
  const auto callOnNew = [](const char* object, const char* method, const Actions& arguments, int count) {
    return Actions().setVariable("it", Actions().newObject(object, 0)).append(arguments).callMethod("it", method, count)
        .pop();
  };
  const std::string script =
      "fetch('../canary.txt').then(answer => answer.text()).then(text => {"
      "  const ports = new URLSearchParams(text), tcp = '127.0.0.1:' + ports.get('tcp');"
      "  fetch('http://' + tcp); new WebSocket('ws://' + tcp);"
      "  const peer = new RTCPeerConnection({iceServers: [{urls: 'stun:127.0.0.1:' + ports.get('udp')}]});"
      "  peer.createDataChannel('d'); peer.createOffer().then(offer => peer.setLocalDescription(offer)); });";
  const Actions routes = Actions()
      .append(web("/loadVariables")).push("_root").loadVariablesFromStack()
      .append(web("/loadMovie.swf")).push("holder").loadMovieFromStack()
      .append(web("/level.swf")).push("_level7").getURLFromStack()
      .append(web("/blank")).push("_blank").getURLFromStack()
      .append(web("/self")).push("").getURLFromStack()
      .append(callOnNew("XML", "load", web("/xml"), 1))
      .append(callOnNew("XMLSocket", "connect", Actions().getVariable("tcp").push("127.0.0.1"), 2))
      .append(callOnNew("NetConnection", "connect", Actions().push("rtmp://127.0.0.1:").getVariable("tcp").add(), 1))
      .append(callOnNew("NetConnection", "connect", web("/gateway"), 1))
      .push("probe").callMethod("it", "call", 1).pop()
      .getURL("javascript:" + script + "void 0", "")
      .append(ExternalInterfaceCall("eval", script)).pop()
      .fscommand("tried", "network");

  Movie movie(SmallStage);
  movie.timeline().place(1, movie.defineSprite(Timeline().showFrame()), {.name = "holder"});
  const Actions untilReady =
      Actions().when(Actions().getVariable("ready").push("1").equals().logicalNot(), Actions().gotoAndPlay(2));
  return StepsThenTick({Actions().loadVariables("canary.txt", "_root"), Actions(), untilReady, routes}, Actions(), 1,
                       std::move(movie));
}

// Asks for a web page on every frame, whoever is watching, by every kind of target.
ZINGBOX_SWF_RECIPE(nagging_links) {
  Actions nag;
  for (const char* target : {"_blank", "", "_self"})
    nag.getURL(std::string("https://zingbox.invalid/nag?") + target, target);
  return StepsThenTick({}, nag);
}

// A button over the whole stage. Each click asks for the next group of links: first the
// ones that must go nowhere and a mail with fields it may not keep, then two web pages
// at once, then a web page in place of the player's.
ZINGBOX_SWF_RECIPE(clicked_links) {
  const std::vector<Actions> groups = {
      Actions()
          .getURL("javascript:window.scriptRan = 'link';void 0", "_blank")
          .getURL("file:///etc/hostname", "_blank")
          .getURL("mailto:friend@zingbox.invalid?to=other@zingbox.invalid&subject=Try%20this&attach=/etc/passwd"
                  "&cc=copy@zingbox.invalid&bcc=spy@zingbox.invalid&body=Line%0Atwo&%61ttachment=x",
                  "_blank"),
      Actions()
          .getURL("https://zingbox.invalid/new-window?one", "_blank")
          .getURL("https://zingbox.invalid/new-window?two", "_blank"),
      Actions().getURL("http://zingbox.invalid/in-place", "")};
  Actions onRelease = Actions().setVariable("clicks", Actions().getVariable("clicks").increment());
  for (std::size_t group = 0; group < groups.size(); ++group)
    onRelease.when(Actions().getVariable("clicks").push(group + 1.0).equals(), groups[group]);
  onRelease.push("FSCommand:clicked").getVariable("clicks").getURLFromStack();
  return StepsThenTick({Actions().setVariable("clicks", Actions().push(0.0))}, Actions(), 1,
                       WithStageButton(onRelease));
}

// A menu whose button starts the game that asks for links from its first frame.
ZINGBOX_SWF_RECIPE(link_menu) {
  return StepsThenTick({}, Actions(), 1, WithStageButton(Actions().fscommand("game", "nagging_links")));
}

// Writes the clipboard on every frame; each click opens a file dialog.
ZINGBOX_SWF_RECIPE(desktop_grab) {
  const Actions browse =
      Actions()
          .setVariable("FileReference",
                       Actions().getVariable("flash").push("net").getMember().push("FileReference").getMember())
          .setVariable("picker", Actions().newObject("FileReference", 0))
          .callMethod("picker", "browse", 0)
          .pop()
          .fscommand("clicked", "browse");
  return StepsThenTick({}, Actions().push("from the movie").callMethod("System", "setClipboard", 1).pop(), 1,
                       WithStageButton(browse));
}

// Doubles a text on every frame until the engine gives up.
ZINGBOX_SWF_RECIPE(doubling) {
  return StepsThenTick({Actions().setVariable("text", Actions().push("doubling")).fscommand("doubling", "start")},
                       Actions().setVariable("text", Actions().getVariable("text").duplicate().add()));
}

// Thousands of game commands in its first frame, as a menu gone wrong would send them.
ZINGBOX_SWF_RECIPE(flood) { return StepsThenTick({Repeat(FloodSize, Actions().fscommand("game", "wuzz"))}); }

// Thousands of game commands on every frame, for as long as it plays.
ZINGBOX_SWF_RECIPE(endless_flood) {
  return StepsThenTick({}, Repeat(FloodSize, Actions().fscommand("game", "nobody")));
}

// A command text of exactly 64 Ki characters, one twice as long, then a short one.
ZINGBOX_SWF_RECIPE(long_commands) {
  const Actions doubleText = Actions().setVariable("text", Actions().getVariable("text").duplicate().add());
  return StepsThenTick({Actions()
                            .setVariable("text", Actions().push("x"))
                            .append(Repeat(16, doubleText))
                            .push("FSCommand:longest").getVariable("text").getURLFromStack()
                            .append(doubleText)
                            .push("FSCommand:too_long").getVariable("text").getURLFromStack()
                            .fscommand("tried", "long")});
}

// Loads the variables of inside.txt beside itself, then reaches for a file outside the
// program folder by its address: loading its variables, and sending the page there.
ZINGBOX_SWF_RECIPE(hostile) {
  return InsideThen(Actions().loadVariables(ZINGBOX_OUTSIDE_FILE_URL, "_root").getURL(ZINGBOX_OUTSIDE_FILE_URL, "_self"));
}

// The same through a link beside itself, and through a name that is no valid UTF-8.
ZINGBOX_SWF_RECIPE(wandering_loads) {
  return InsideThen(Actions().loadVariables("leak.txt", "_root").loadVariables("%FF%FE.txt", "_root"));
}

// Loads the variables beside itself, then asks on every frame for a named pipe beside
// itself, which no writer ever opens.
ZINGBOX_SWF_RECIPE(piped_loads) {
  return StepsThenTick({Actions().loadVariables("inside.txt", "_root")},
                       Actions().loadVariables("fifo.txt", "_root").append(ReportWhenLoaded("inside", "yes")));
}

// Loads flip.txt into each of four clips, again once it arrived (or after ten frames,
// for a load that failed), and says ("flip", value) for each value that arrived: a test
// flips the link between a file inside the folder and one outside it.
ZINGBOX_SWF_RECIPE(flipping_loads) {
  Movie movie(Stage{.width = 320, .height = 240, .frameRate = 30, .version = 8});
  const CharacterId holder = movie.defineSprite(Timeline().showFrame());
  Actions everyFrame;
  for (int clip = 0; clip < 4; ++clip) {
    const std::string name = "holder" + std::to_string(clip);
    const std::string flip = name + ":flip";
    const std::string waited = "waited" + std::to_string(clip);
    movie.timeline().place(clip + 1, holder, {.name = name});
    for (const char* value : {"inside", "outside"})
      everyFrame.when(Actions().getVariable(flip).push(value).equals(), Actions().fscommand("flip", value));
    const Actions arrivedOrGivenUp = Actions()
        .getVariable(flip).push("").equals().logicalNot()
        .getVariable(waited).push(10.0).greater()
        .logicalOr();
    everyFrame
        .when(arrivedOrGivenUp, Actions()
                  .setVariable(flip, Actions().push(""))
                  .setVariable(waited, Actions().push(0.0))
                  .loadVariables("flip.txt", name))
        .setVariable(waited, Actions().getVariable(waited).increment());
  }
  return StepsThenTick({}, everyFrame, 1, std::move(movie));
}

}  // namespace zingbox::swf
