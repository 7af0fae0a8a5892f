#include "commands/color.h"

#include "lines/color_line.h"
#include "plugin/dialog_sequence.h"
#include "toolkit/colour.h"
#include "toolkit/dialog.h"
#include "toolkit/images.h"

namespace commands {

namespace {

using lines::color::FirstColour;
using lines::color::LastColour;

enum ColorGadget {
  TextLabel = 1,
  BackgroundLabel = 2,
  TextBack = 3,
  TextSwatch = 4,
  TextOn = 5,
  BackgroundBack = 6,
  BackgroundSwatch = 7,
  BackgroundOn = 8,
  AddButton = 9,
  CancelButton = 10,
};

constexpr int SwatchSize = 20;
constexpr int SwatchBitsPerPixel = 32;

// One row of the dialog: an index stepped by "<<" and ">>" without wrapping.
struct ColourRow {
  int index;
  int back, swatch, on;

  void Step(int by) { Show(index + by); }

  // Shows an index; the arrows are the only guard of the range: the one
  // that would leave it is off, the other on.
  void Show(int shown) {
    index = shown;
    toolkit::SetGadgetImage(swatch, toolkit::ImageHandle(index));
    toolkit::DisableGadget(back, index <= FirstColour ? 1 : 0);
    toolkit::DisableGadget(on, index >= LastColour ? 1 : 0);
  }
};

class ColorDialog final : public plugin::CommandDialog {
 public:
  plugin::DialogWindow Window() const override {
    return {"Color", 230, 100, toolkit::window_flag::CommandDialog};
  }
  const char* CommandWord() const override { return "color"; }

  // The swatches stay in the image store until the library is unloaded:
  // made by the first call, shown again by every later one.
  void Prepare() override {
    for (int index = FirstColour; index <= LastColour; ++index)
      if (!toolkit::ImageHandle(index)) return MakeSwatches();
  }

  void CreateGadgets(int) override {
    toolkit::CreateTextLabel(TextLabel, 10, 10, 100, 20, "Textfarbe:", 0);
    toolkit::CreateTextLabel(BackgroundLabel, 10, 40, 100, 20, "Hintergrundfarbe:", 0);
    toolkit::CreateButton(TextBack, 160, 10, 20, 20, "<<", 0);
    toolkit::CreateImageGadget(TextSwatch, 180, 10, 0, 0, toolkit::ImageHandle(text_.index), 0);
    toolkit::CreateButton(TextOn, 200, 10, 20, 20, ">>", 0);
    toolkit::CreateButton(BackgroundBack, 160, 40, 20, 20, "<<", 0);
    toolkit::CreateImageGadget(BackgroundSwatch, 180, 40, 0, 0,
                               toolkit::ImageHandle(background_.index), 0);
    toolkit::CreateButton(BackgroundOn, 200, 40, 20, 20, ">>", 0);
    toolkit::CreateButton(AddButton, 10, ButtonRowTop(), 100, 20, "Hinzufügen", 0);
    toolkit::CreateButton(CancelButton, 120, ButtonRowTop(), 100, 20, "Abbrechen", 0);
  }

  int ButtonRowTop() const override { return 70; }

  // The text colour starts at the last entry.
  void AfterHelpArmed() override { toolkit::DisableGadget(TextOn, 1); }

  // The reading gives two different colours, so "Hinzufügen" stays on.
  void ShowLine(std::string_view line, lines::Remarks& remarks) override {
    reading_ = lines::color::Read(line);
    text_.Show(reading_.state.text);
    background_.Show(reading_.state.background);
    remarks = reading_.frame.remarks;
  }

  plugin::GadgetOutcome OnGadgetEvent(int gadget, int) override {
    switch (gadget) {
      case TextBack: text_.Step(-1); break;
      case TextOn: text_.Step(+1); break;
      case BackgroundBack: background_.Step(-1); break;
      case BackgroundOn: background_.Step(+1); break;
      case AddButton:
        return plugin::GadgetOutcome::Add(lines::color::Build({background_.index, text_.index}, reading_));
      case CancelButton:
        return plugin::GadgetOutcome::Cancel();
      default:
        return plugin::GadgetOutcome::Continue();  // the labels and swatches
    }
    // A command with the same text and background colour cannot be made.
    toolkit::DisableGadget(AddButton, text_.index == background_.index ? 1 : 0);
    return plugin::GadgetOutcome::Continue();
  }

 private:
  lines::color::Reading reading_;  // of the line the dialog opened from, if any
  ColourRow text_{lines::color::State{}.text, TextBack, TextSwatch, TextOn};
  ColourRow background_{lines::color::State{}.background, BackgroundBack, BackgroundSwatch, BackgroundOn};
};

}  // namespace

// The swatch of colour index i is image number i: a square of its colour
// inside a one-pixel black frame.
void MakeSwatches() {
  for (int index = FirstColour; index <= LastColour; ++index) {
    toolkit::CreateImage(index, SwatchSize, SwatchSize, SwatchBitsPerPixel);
    toolkit::StartDrawing(toolkit::ImageDrawingTarget(index));
    const lines::color::Colour& colour = lines::color::Colours[index - 1];
    toolkit::FilledBox(1, 1, SwatchSize - 2, SwatchSize - 2, toolkit::MakeColour(colour.red, colour.green, colour.blue));
    toolkit::StopDrawing();
  }
}

// The procedure that the library's command list names for "color".
const char* RunColorDialog(const char* line) {
  ColorDialog dialog;
  return plugin::RunCommandDialog(dialog, line);
}

}  // namespace commands
