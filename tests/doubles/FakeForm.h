#pragma once

#include "FakeControls.h"
#include "RecordingPlayer.h"
#include "window/Form1Controls.h"

namespace zingbox::test {

// Form1's 25 controls as fakes at their design values, logging into one shared log.
struct FakeForm {
  FakeForm();

  OperationLog log;
  FakeWindowMetrics form;
  FakeTimer Timer1{log};
  RecordingPlayer flash{log};
  FakeLabel Label4{log, "Label4", {6120, 8400, 1215, 255}};
  FakeControl Image7{log, "Image7", {6120, 7920, 645, 705}};
  FakeLabel Label3{log, "Label3", {2160, 8400, 615, 255}};
  FakeLabel Label2{log, "Label2", {1440, 8400, 615, 255}};
  FakeLabel Label1{log, "Label1", {720, 8400, 495, 255}};
  FakeControl Image6{log, "Image6", {5280, 8040, 540, 510}, false};
  FakeControl Image5{log, "Image5", {5280, 8040, 540, 510}};
  FakeControl Image4{log, "Image4", {4440, 8040, 540, 510}, false};
  FakeControl Image3{log, "Image3", {4440, 8040, 540, 510}};
  FakeControl Image2{log, "Image2", {1440, 7920, 540, 510}, false};
  FakeControl Image1{log, "Image1", {1440, 7920, 540, 510}};
  FakeControl rightt{log, "rightt", {9360, 7560, 1200, 1080}};
  FakeControl bott{log, "bott", {2280, 7800, 6255, 885}};
  FakeControl leftt{log, "leftt", {0, 7440, 960, 1245}};
  FakeControl top_left{log, "top_left", {0, 0, 750, 5595}};
  FakeControl top_right{log, "top_right", {9600, 0, 915, 5775}};
  FakeControl topp{log, "topp", {1920, 0, 6675, 810}};
  FakeControl top_rf{log, "top_rf", {8160, 0, 1485, 810}};
  FakeControl top_lf{log, "top_lf", {720, 0, 1695, 810}};
  FakeControl bot_rf{log, "bot_rf", {8400, 7800, 1170, 870}};
  FakeControl bot_lf{log, "bot_lf", {840, 7800, 2055, 900}};
  FakeControl rightf{log, "rightf", {9720, 5760, 795, 1875}};
  FakeControl leftf{log, "leftf", {0, 5520, 660, 2220}};

  Form1Controls controls;
};

}  // namespace zingbox::test
