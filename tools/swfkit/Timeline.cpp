#include "tools/swfkit/Timeline.h"

#include "tools/swfkit/Encoding.h"

namespace zingbox::swf {
namespace {

using encoding::ByteWriter;

namespace place_flag {
constexpr std::uint8_t HasName = 0x20;
constexpr std::uint8_t HasMatrix = 0x04;
constexpr std::uint8_t HasCharacter = 0x02;
constexpr std::uint8_t Move = 0x01;
}  // namespace place_flag

encoding::Bytes placeObject(std::uint8_t flags, Depth depth, CharacterId character,
                            const Placement& placement) {
  if (!placement.name.empty()) flags |= place_flag::HasName;
  ByteWriter payload;
  payload.u8(flags).u16(depth);
  if (flags & place_flag::HasCharacter) payload.u16(character.value);
  payload.bytes(encoding::matrix(encoding::toTwips(placement.at.x),
                                 encoding::toTwips(placement.at.y), placement.scale));
  if (!placement.name.empty()) payload.string(placement.name);
  return encoding::tag(encoding::tag_code::PlaceObject2, payload.data());
}

}  // namespace

Timeline& Timeline::addTag(const std::vector<std::uint8_t>& tag) {
  tags_.insert(tags_.end(), tag.begin(), tag.end());
  frameOpen_ = true;
  return *this;
}

Timeline& Timeline::place(Depth depth, CharacterId character, Placement placement) {
  const std::uint8_t flags = place_flag::HasCharacter | place_flag::HasMatrix;
  return addTag(placeObject(flags, depth, character, placement));
}

Timeline& Timeline::move(Depth depth, Point to) {
  const std::uint8_t flags = place_flag::Move | place_flag::HasMatrix;
  return addTag(placeObject(flags, depth, {}, {.at = to}));
}

Timeline& Timeline::replace(Depth depth, CharacterId character, Placement placement) {
  const std::uint8_t flags = place_flag::Move | place_flag::HasCharacter | place_flag::HasMatrix;
  return addTag(placeObject(flags, depth, character, placement));
}

Timeline& Timeline::remove(Depth depth) {
  return addTag(encoding::tag(encoding::tag_code::RemoveObject2, ByteWriter().u16(depth).take()));
}

Timeline& Timeline::actions(const Actions& frameActions) {
  return addTag(encoding::tag(encoding::tag_code::DoAction, frameActions.bytes()));
}

Timeline& Timeline::label(std::string_view frameLabel) {
  return addTag(encoding::tag(encoding::tag_code::FrameLabel, ByteWriter().string(frameLabel).take()));
}

Timeline& Timeline::showFrame() {
  const auto tag = encoding::tag(encoding::tag_code::ShowFrame, {});
  tags_.insert(tags_.end(), tag.begin(), tag.end());
  ++closedFrames_;
  frameOpen_ = false;
  return *this;
}

std::uint16_t Timeline::frameCount() const {
  const bool needsClosingFrame = frameOpen_ || closedFrames_ == 0;
  return static_cast<std::uint16_t>(closedFrames_ + (needsClosingFrame ? 1 : 0));
}

std::vector<std::uint8_t> Timeline::tags() const {
  auto all = tags_;
  if (frameOpen_ || closedFrames_ == 0) {
    const auto showFrame = encoding::tag(encoding::tag_code::ShowFrame, {});
    all.insert(all.end(), showFrame.begin(), showFrame.end());
  }
  return all;
}

}  // namespace zingbox::swf
