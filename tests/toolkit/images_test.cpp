// Images, the drawing pass and image gadgets.
#include <gtest/gtest.h>

#include "commands/color.h"
#include "tests/support/toolkit_fixture.h"
#include "tests/support/user_input.h"
#include "toolkit/images.h"
#include "toolkit/scoped_handles.h"

namespace {

using support::PumpEvents;
using support::RecordedEvent;
using Events = std::vector<RecordedEvent>;

// A pixel of a 32-bit image as a colour value (the bits are 0x00RRGGBB,
// rows bottom-up).
std::uint32_t Pixel(HBITMAP image, int x, int y) {
  DIBSECTION section = {};
  GetObjectA(image, sizeof section, &section);
  const auto* bits = static_cast<const std::uint32_t*>(section.dsBm.bmBits);
  const std::uint32_t rgb = bits[(section.dsBm.bmHeight - 1 - y) * section.dsBm.bmWidth + x];
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// Whether the 20 x 20 image is `inside` at 1..18 and black on its outer ring.
void ExpectSwatch(HBITMAP image, std::uint32_t inside, const char* what) {
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) {
      const bool ring = x == 0 || y == 0 || x == 19 || y == 19;
      ASSERT_EQ(Pixel(image, x, y), ring ? 0u : inside) << what << " at " << x << "," << y;
    }
}

TEST(Images, FilledBoxesAndTheirRules) {
  const int handlesBefore = toolkit::LiveScopedHandles();
  HBITMAP image = toolkit::CreateImage(1, 20, 20, 32);
  ASSERT_NE(image, nullptr);
  ExpectSwatch(image, 0, "a new image is black");

  toolkit::FilledBox(1, 1, 18, 18, 0x0000FF);  // no drawing pass yet
  ExpectSwatch(image, 0, "before start drawing");
  toolkit::StartDrawing(toolkit::ImageDrawingTarget(1));
  toolkit::FilledBox(1, 1, 18, 18, 0x0000FF);
  toolkit::StopDrawing();
  ExpectSwatch(image, 0x0000FF, "a red box inside a black ring");
  toolkit::FilledBox(1, 1, 18, 18, 0x00FF00);
  ExpectSwatch(image, 0x0000FF, "after stop drawing");

  toolkit::StartDrawing(toolkit::ImageDrawingTarget(1));
  toolkit::FilledBox(5, 5, 1, 1, 0xFFFFFF);
  toolkit::FilledBox(5, 5, -1, -1, 0x00FF00);
  toolkit::FilledBox(10, 10, 3, 3, 0);  // black: the pass's own pen and brush
  toolkit::StopDrawing();
  EXPECT_EQ(Pixel(image, 5, 5), 0xFFFFFFu);
  EXPECT_EQ(Pixel(image, 4, 4), 0x00FF00u);
  EXPECT_EQ(Pixel(image, 12, 12), 0u);
  EXPECT_EQ(Pixel(image, 13, 13), 0x0000FFu) << "right column and bottom row excluded";

  EXPECT_EQ(toolkit::ImageHandle(1), image);
  EXPECT_EQ(toolkit::ImageHandle(99), nullptr);
  EXPECT_EQ(toolkit::ImageDrawingTarget(99), nullptr);
  HBITMAP replaced = toolkit::CreateImage(1, 20, 20, 32);
  EXPECT_EQ(GetObjectType(image), 0u) << "the old bitmap is freed";
  EXPECT_EQ(toolkit::ImageHandle(1), replaced);

  HBITMAP beyond = toolkit::CreateImage(20, 4, 4, 32);  // a number past the others
  EXPECT_TRUE(beyond && toolkit::ImageHandle(20) == beyond);
  EXPECT_EQ(toolkit::LiveScopedHandles(), handlesBefore + 2) << "only the two images are left";
}

using ImageGadgets = support::ToolkitTest;

COLORREF ShownPixel(HWND control, int x, int y) {
  HDC dc = GetDC(control);
  const COLORREF pixel = GetPixel(dc, x, y);
  ReleaseDC(control, dc);
  return pixel;
}

TEST_F(ImageGadgets, TakeTheImagesSizeAndRepaintOnReplacement) {
  commands::MakeSwatches();
  ASSERT_EQ(toolkit::CreateImageGadget(4, 30, 30, 0, 0, toolkit::ImageHandle(16), 0), 1);
  HWND control = toolkit::GadgetHandle(4);
  RECT r;
  GetClientRect(control, &r);
  EXPECT_EQ(r.right, 20);
  EXPECT_EQ(r.bottom, 20);
  PumpEvents();
  EXPECT_EQ(ShownPixel(control, 10, 10), RGB(255, 255, 255));
  EXPECT_EQ(ShownPixel(control, 0, 0), RGB(0, 0, 0));

  toolkit::SetGadgetImage(4, toolkit::ImageHandle(13));
  EXPECT_EQ(toolkit::GetGadgetImage(4), toolkit::ImageHandle(13));
  EXPECT_EQ(ShownPixel(control, 10, 10), RGB(255, 0, 0)) << "repainted at once";
  toolkit::DisableGadget(4, 1);
  EXPECT_EQ(ShownPixel(control, 10, 10), RGB(255, 0, 0)) << "disabled looks the same";
  toolkit::SetGadgetImage(4, nullptr);
  GetClientRect(control, &r);
  EXPECT_EQ(r.right, 20) << "no image keeps the size";

  ASSERT_EQ(toolkit::CreateImageGadget(5, 80, 30, 0, 0, toolkit::ImageHandle(1), WS_EX_CLIENTEDGE), 1);
  GetWindowRect(toolkit::GadgetHandle(5), &r);
  EXPECT_EQ(r.right - r.left, 24) << "room for the sunken edge";
}

TEST_F(ImageGadgets, ReportTheMouse) {
  commands::MakeSwatches();
  ASSERT_EQ(toolkit::CreateImageGadget(4, 30, 30, 0, 0, toolkit::ImageHandle(10), 0), 1);
  HWND control = toolkit::GadgetHandle(4);
  PumpEvents();
  auto gadgetEvents = [] {
    Events kept;
    for (const RecordedEvent& e : PumpEvents(150))
      if (e.kind == toolkit::event::Gadget) kept.push_back(e);
    return kept;
  };
  const auto gadget = [](int type) { return RecordedEvent{toolkit::event::Gadget, 4, type}; };
  support::Click(control);
  EXPECT_EQ(gadgetEvents(), (Events{gadget(STN_CLICKED)}));
  support::DoubleClick(control);
  EXPECT_EQ(gadgetEvents(), (Events{gadget(STN_CLICKED), gadget(toolkit::event_type::DoubleClick)})) << "no double-click of the static";
  support::DoubleClick(control, true);
  EXPECT_EQ(gadgetEvents(), (Events{gadget(toolkit::event_type::RightClick), gadget(toolkit::event_type::RightDoubleClick)})) << "no right click after the double-click";
  RECT r;
  GetWindowRect(control, &r);
  support::Drag({r.left + 5, r.top + 5}, {r.left + 40, r.top + 40});
  EXPECT_EQ(gadgetEvents(), (Events{gadget(STN_CLICKED), gadget(toolkit::event_type::DragStarted)}));
}

}  // namespace
