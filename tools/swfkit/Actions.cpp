#include "tools/swfkit/Actions.h"

#include <bit>
#include <cmath>
#include <limits>
#include <map>
#include <stdexcept>
#include <string>

#include "tools/swfkit/Encoding.h"

namespace zingbox::swf {
namespace {

using encoding::ByteWriter;

namespace code {
constexpr std::uint8_t End = 0x00;
constexpr std::uint8_t NextFrame = 0x04;
constexpr std::uint8_t PreviousFrame = 0x05;
constexpr std::uint8_t Play = 0x06;
constexpr std::uint8_t Stop = 0x07;
constexpr std::uint8_t Subtract = 0x0B;
constexpr std::uint8_t Multiply = 0x0C;
constexpr std::uint8_t Divide = 0x0D;
constexpr std::uint8_t And = 0x10;
constexpr std::uint8_t Or = 0x11;
constexpr std::uint8_t Not = 0x12;
constexpr std::uint8_t Pop = 0x17;
constexpr std::uint8_t GetVariable = 0x1C;
constexpr std::uint8_t SetVariable = 0x1D;
constexpr std::uint8_t GetProperty = 0x22;
constexpr std::uint8_t SetProperty = 0x23;
constexpr std::uint8_t Add2 = 0x47;
constexpr std::uint8_t Less2 = 0x48;
constexpr std::uint8_t Equals2 = 0x49;
constexpr std::uint8_t PushDuplicate = 0x4C;
constexpr std::uint8_t Increment = 0x50;
constexpr std::uint8_t Decrement = 0x51;
constexpr std::uint8_t GetMember = 0x4E;
constexpr std::uint8_t SetMember = 0x4F;
constexpr std::uint8_t CallMethod = 0x52;
constexpr std::uint8_t NewObject = 0x40;
constexpr std::uint8_t Greater = 0x67;
constexpr std::uint8_t GotoFrame = 0x81;
constexpr std::uint8_t GetURL = 0x83;
constexpr std::uint8_t SetTarget = 0x8B;
constexpr std::uint8_t GoToLabel = 0x8C;
constexpr std::uint8_t Push = 0x96;
constexpr std::uint8_t Jump = 0x99;
constexpr std::uint8_t GetURL2 = 0x9A;
constexpr std::uint8_t If = 0x9D;
}  // namespace code

namespace push_type {
constexpr std::uint8_t String = 0;
constexpr std::uint8_t Boolean = 5;
constexpr std::uint8_t Double = 6;
constexpr std::uint8_t Integer = 7;
}  // namespace push_type

// GetURL2 flags. Players read the byte with the send method in the low two bits, the
// "target is a clip" flag in bit 6 and "load variables" in bit 7; the format's own
// field table lists them in the opposite order.
namespace get_url2 {
constexpr std::uint8_t TargetIsClip = 0x40;
constexpr std::uint8_t LoadVariables = 0x80;
}  // namespace get_url2

constexpr std::size_t branchSize = 5;  // code, 16-bit length, 16-bit offset

std::vector<std::uint8_t> strings(std::string_view first, std::string_view second) {
  return ByteWriter().string(first).string(second).take();
}

// ActionScript counts frames from 1, the GotoFrame record from 0.
std::vector<std::uint8_t> frameIndex(int frame) {
  if (frame < 1 || frame > 65536) throw std::out_of_range("frame numbers start at 1");
  return ByteWriter().u16(static_cast<std::uint16_t>(frame - 1)).take();
}

std::size_t encodedSize(std::uint8_t actionCode, const std::vector<std::uint8_t>& payload) {
  return actionCode >= 0x80 ? 3 + payload.size() : 1;
}

}  // namespace

Actions& Actions::op(std::uint8_t actionCode, std::vector<std::uint8_t> payload) {
  if (actionCode < 0x80 && !payload.empty()) throw std::logic_error("short action with payload");
  if (payload.size() > std::numeric_limits<std::uint16_t>::max()) {
    throw std::length_error("action record too long");
  }
  steps_.emplace_back(Step{actionCode, std::move(payload)});
  return *this;
}

Actions& Actions::play() { return op(code::Play); }
Actions& Actions::stop() { return op(code::Stop); }
Actions& Actions::nextFrame() { return op(code::NextFrame); }
Actions& Actions::previousFrame() { return op(code::PreviousFrame); }

Actions& Actions::gotoAndPlay(int frame) { return op(code::GotoFrame, frameIndex(frame)).play(); }

Actions& Actions::gotoAndStop(int frame) { return op(code::GotoFrame, frameIndex(frame)).stop(); }

Actions& Actions::gotoAndPlay(std::string_view frameLabel) {
  return op(code::GoToLabel, ByteWriter().string(frameLabel).take()).play();
}

Actions& Actions::gotoAndStop(std::string_view frameLabel) {
  return op(code::GoToLabel, ByteWriter().string(frameLabel).take()).stop();
}

Actions& Actions::setTarget(std::string_view clipPath) {
  return op(code::SetTarget, ByteWriter().string(clipPath).take());
}

Actions& Actions::fscommand(std::string_view command, std::string_view arguments) {
  return getURL("FSCommand:" + std::string(command), arguments);
}

Actions& Actions::fscommand(std::string_view command, const Actions& arguments) {
  // GetURL2 with no flags: the URL and the target come from the stack.
  return push("FSCommand:" + std::string(command)).append(arguments).op(code::GetURL2, {0});
}

Actions& Actions::getURL(std::string_view url, std::string_view target) {
  return op(code::GetURL, strings(url, target));
}

Actions& Actions::loadVariables(std::string_view url, std::string_view targetClip) {
  return push(url).push(targetClip).loadVariablesFromStack();
}

Actions& Actions::loadMovie(std::string_view url, std::string_view targetClip) {
  return push(url).push(targetClip).loadMovieFromStack();
}

Actions& Actions::getURLFromStack(SendVariables send) {
  return op(code::GetURL2, {static_cast<std::uint8_t>(send)});
}

Actions& Actions::loadVariablesFromStack() {
  return op(code::GetURL2, {get_url2::LoadVariables | get_url2::TargetIsClip});
}

Actions& Actions::loadMovieFromStack() { return op(code::GetURL2, {get_url2::TargetIsClip}); }

Actions& Actions::push(std::string_view text) {
  return op(code::Push, ByteWriter().u8(push_type::String).string(text).take());
}

Actions& Actions::push(double number) {
  ByteWriter value;
  if (std::trunc(number) == number && number >= std::numeric_limits<std::int32_t>::min() &&
      number <= std::numeric_limits<std::int32_t>::max()) {
    value.u8(push_type::Integer).u32(static_cast<std::uint32_t>(static_cast<std::int32_t>(number)));
  } else {
    // AVM1 stores a double as two little-endian words, the high word first.
    const auto bits = std::bit_cast<std::uint64_t>(number);
    value.u8(push_type::Double)
        .u32(static_cast<std::uint32_t>(bits >> 32))
        .u32(static_cast<std::uint32_t>(bits));
  }
  return op(code::Push, value.take());
}

Actions& Actions::push(bool truth) {
  return op(code::Push, ByteWriter().u8(push_type::Boolean).u8(truth ? 1 : 0).take());
}

Actions& Actions::pop() { return op(code::Pop); }
Actions& Actions::duplicate() { return op(code::PushDuplicate); }

Actions& Actions::getVariable() { return op(code::GetVariable); }
Actions& Actions::getVariable(std::string_view name) { return push(name).getVariable(); }
Actions& Actions::setVariable() { return op(code::SetVariable); }

Actions& Actions::setVariable(std::string_view name, const Actions& value) {
  return push(name).append(value).setVariable();
}

Actions& Actions::getProperty(std::string_view clipPath, Property property) {
  return push(clipPath).push(static_cast<double>(property)).op(code::GetProperty);
}

Actions& Actions::setProperty(std::string_view clipPath, Property property, const Actions& value) {
  return push(clipPath).push(static_cast<double>(property)).append(value).op(code::SetProperty);
}

Actions& Actions::add() { return op(code::Add2); }
Actions& Actions::subtract() { return op(code::Subtract); }
Actions& Actions::multiply() { return op(code::Multiply); }
Actions& Actions::divide() { return op(code::Divide); }
Actions& Actions::increment() { return op(code::Increment); }
Actions& Actions::decrement() { return op(code::Decrement); }
Actions& Actions::equals() { return op(code::Equals2); }
Actions& Actions::less() { return op(code::Less2); }
Actions& Actions::greater() { return op(code::Greater); }
Actions& Actions::logicalAnd() { return op(code::And); }
Actions& Actions::logicalOr() { return op(code::Or); }
Actions& Actions::logicalNot() { return op(code::Not); }

Actions& Actions::getMember() { return op(code::GetMember); }
Actions& Actions::setMember() { return op(code::SetMember); }

Actions& Actions::callMethod(std::string_view objectVariable, std::string_view method,
                             int argumentCount) {
  return push(static_cast<double>(argumentCount))
      .getVariable(objectVariable)
      .push(method)
      .op(code::CallMethod);
}

Actions& Actions::newObject(std::string_view className, int argumentCount) {
  return push(static_cast<double>(argumentCount)).push(className).op(code::NewObject);
}

Actions& Actions::keyIsDown(KeyCode key) {
  return push(static_cast<double>(key)).callMethod("Key", "isDown", 1);
}

Label Actions::newLabel() { return Label{labelCount_++}; }

Actions& Actions::mark(Label label) {
  if (label.id < 0 || label.id >= labelCount_) throw std::logic_error("label from another list");
  steps_.emplace_back(label);
  return *this;
}

Actions& Actions::jump(Label to) {
  steps_.emplace_back(BranchStep{code::Jump, to});
  return *this;
}

Actions& Actions::jumpIfTrue(Label to) {
  steps_.emplace_back(BranchStep{code::If, to});
  return *this;
}

Actions& Actions::when(const Actions& condition, const Actions& body) {
  const Label skip = newLabel();
  return append(condition).logicalNot().jumpIfTrue(skip).append(body).mark(skip);
}

Actions& Actions::append(const Actions& more) {
  const int shift = labelCount_;
  for (Item item : more.steps_) {
    if (auto* label = std::get_if<Label>(&item)) label->id += shift;
    if (auto* branch = std::get_if<BranchStep>(&item)) branch->target.id += shift;
    steps_.push_back(std::move(item));
  }
  labelCount_ += more.labelCount_;
  return *this;
}

std::vector<std::uint8_t> Actions::bytes() const {
  std::map<int, std::size_t> labelOffsets;
  std::size_t offset = 0;
  for (const Item& item : steps_) {
    if (const auto* step = std::get_if<Step>(&item)) offset += encodedSize(step->code, step->payload);
    if (std::holds_alternative<BranchStep>(item)) offset += branchSize;
    if (const auto* label = std::get_if<Label>(&item)) {
      if (!labelOffsets.emplace(label->id, offset).second) {
        throw std::logic_error("label marked twice");
      }
    }
  }

  ByteWriter out;
  offset = 0;
  for (const Item& item : steps_) {
    if (const auto* step = std::get_if<Step>(&item)) {
      out.u8(step->code);
      if (step->code >= 0x80) out.u16(static_cast<std::uint16_t>(step->payload.size())).bytes(step->payload);
      offset += encodedSize(step->code, step->payload);
    }
    if (const auto* branch = std::get_if<BranchStep>(&item)) {
      const auto target = labelOffsets.find(branch->target.id);
      if (target == labelOffsets.end()) throw std::logic_error("jump to a label never marked");
      offset += branchSize;
      // Branch offsets count from the end of the branch action.
      const auto distance = static_cast<std::ptrdiff_t>(target->second) - static_cast<std::ptrdiff_t>(offset);
      if (distance < std::numeric_limits<std::int16_t>::min() ||
          distance > std::numeric_limits<std::int16_t>::max()) {
        throw std::length_error("jump too far");
      }
      out.u8(branch->code).u16(2).s16(static_cast<std::int16_t>(distance));
    }
  }
  return out.u8(code::End).take();
}

}  // namespace zingbox::swf
