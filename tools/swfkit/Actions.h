#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zingbox::swf {

// Movie clip properties as AVM1 numbers them.
enum class Property : std::uint8_t {
  X = 0,
  Y = 1,
  XScale = 2,
  YScale = 3,
  CurrentFrame = 4,
  TotalFrames = 5,
  Alpha = 6,
  Visible = 7,
  Width = 8,
  Height = 9,
  Rotation = 10,
};

// Key codes as Key.isDown() takes them.
enum class KeyCode : std::uint16_t {
  Enter = 13,
  Shift = 16,
  Control = 17,
  Space = 32,
  Left = 37,
  Up = 38,
  Right = 39,
  Down = 40,
};

// What getURL sends along: nothing, or the clip's variables as a form would.
enum class SendVariables : std::uint8_t { None = 0, Get = 1, Post = 2 };

// A jump target inside one Actions list; make it with Actions::newLabel().
struct Label {
  int id = -1;
};

// An AVM1 action list (the body of a DoAction tag or a button event), written as a
// stack machine: push operands, then apply an operation. Frame numbers are 1-based, as
// in ActionScript. Each call appends; bytes() adds the closing ActionEnd.
class Actions {
 public:
  // Timeline control (of this clip, or of the clip chosen with setTarget).
  Actions& play();
  Actions& stop();
  Actions& nextFrame();
  Actions& previousFrame();
  Actions& gotoAndPlay(int frame);
  Actions& gotoAndStop(int frame);
  Actions& gotoAndPlay(std::string_view frameLabel);
  Actions& gotoAndStop(std::string_view frameLabel);
  Actions& setTarget(std::string_view clipPath);  // "" goes back to this clip

  // Host and network requests.
  Actions& fscommand(std::string_view command, std::string_view arguments);
  // Runs `arguments` (a list that leaves one value) for the text handed to the host.
  Actions& fscommand(std::string_view command, const Actions& arguments);
  Actions& getURL(std::string_view url, std::string_view target);
  Actions& loadVariables(std::string_view url, std::string_view targetClip);
  // Replaces the clip at `targetClip` ("_root.holder") with the movie at `url`; a level
  // ("_level0") is loaded with getURL(url, "_level0").
  Actions& loadMovie(std::string_view url, std::string_view targetClip);
  // The same with a computed address and target: both on the stack, the target on top.
  Actions& getURLFromStack(SendVariables send = SendVariables::None);
  Actions& loadVariablesFromStack();
  Actions& loadMovieFromStack();

  // Operand stack.
  Actions& push(std::string_view text);
  Actions& push(const char* text) { return push(std::string_view(text)); }
  Actions& push(double number);  // whole numbers go out as integers
  Actions& push(bool truth);
  Actions& pop();
  Actions& duplicate();

  // Variables and properties. The overloads with a name push it for you; the ones taking
  // Actions run that list first to compute the value to store.
  Actions& getVariable();  // name on the stack
  Actions& getVariable(std::string_view name);
  Actions& setVariable();  // name, value on the stack
  Actions& setVariable(std::string_view name, const Actions& value);
  Actions& getProperty(std::string_view clipPath, Property property);
  Actions& setProperty(std::string_view clipPath, Property property, const Actions& value);

  // Arithmetic and logic on the top of the stack (second operand on top).
  Actions& add();
  Actions& subtract();
  Actions& multiply();
  Actions& divide();
  Actions& increment();
  Actions& decrement();
  Actions& equals();
  Actions& less();
  Actions& greater();
  Actions& logicalAnd();
  Actions& logicalOr();
  Actions& logicalNot();

  // Members of objects: getMember takes object, name; setMember takes object, name, value.
  Actions& getMember();
  Actions& setMember();

  // Objects: calls object.method(arguments pushed before, last argument pushed first).
  Actions& callMethod(std::string_view objectVariable, std::string_view method, int argumentCount);
  // Pushes new className(arguments pushed before, last argument pushed first).
  Actions& newObject(std::string_view className, int argumentCount);
  Actions& keyIsDown(KeyCode key);  // pushes Key.isDown(key)

  // Control flow. Labels may be marked before or after the jumps that use them.
  Label newLabel();
  Actions& mark(Label label);
  Actions& jump(Label to);
  Actions& jumpIfTrue(Label to);  // pops the condition
  // Runs `body` when `condition` (a list that leaves one value) is true.
  Actions& when(const Actions& condition, const Actions& body);

  Actions& append(const Actions& more);

  bool empty() const { return steps_.empty(); }
  std::vector<std::uint8_t> bytes() const;  // ends with ActionEnd

 private:
  struct Step {
    std::uint8_t code;
    std::vector<std::uint8_t> payload;  // only for codes >= 0x80
  };
  struct BranchStep {
    std::uint8_t code;  // ActionJump or ActionIf
    Label target;
  };
  using Item = std::variant<Step, BranchStep, Label>;

  Actions& op(std::uint8_t code, std::vector<std::uint8_t> payload = {});

  std::vector<Item> steps_;
  int labelCount_ = 0;
};

}  // namespace zingbox::swf
