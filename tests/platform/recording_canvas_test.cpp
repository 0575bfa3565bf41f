// The recording canvas is what the painting tests measure with, so its own bookkeeping is
// checked here.
#include "support/recording_canvas.h"

#include <gtest/gtest.h>

#include "platform/png_image.h"

TEST(RecordingCanvas, RecordsCallsInOrderWithTheClipInForce) {
  TPngImage cell, border;
  TRecordingCanvas canvas({0, 0, 100, 50});
  canvas.DrawImage(3, 4, cell);
  {
    TClipGuard guard(canvas, {10, 10, 200, 20});
    canvas.DrawImage(-5, 7, border);
    canvas.FillRect({1, 2, 3, 4}, RgbColor(1, 2, 3));
  }
  canvas.DrawText(8, 9, u"Hi", 0x00FFFFFF);

  EXPECT_EQ(canvas.DrawnImages(), (std::vector<TDrawnImage>{{&cell, 3, 4}, {&border, -5, 7}}));
  const auto& records = canvas.Records();
  ASSERT_EQ(records.size(), 6u);
  EXPECT_EQ(records[0].Clip, (TRect{0, 0, 100, 50}));
  EXPECT_EQ(records[1].Kind, TCanvasCall::PushClip);
  EXPECT_EQ(records[1].Rect, (TRect{10, 10, 200, 20}));
  EXPECT_EQ(records[1].Clip, (TRect{10, 10, 100, 20}));
  EXPECT_EQ(records[2].Clip, (TRect{10, 10, 100, 20}));
  EXPECT_EQ(records[3].Kind, TCanvasCall::FillRect);
  EXPECT_EQ(records[3].Color, 0x00030201u);
  EXPECT_EQ(records[4].Kind, TCanvasCall::PopClip);
  EXPECT_EQ(records[4].Clip, (TRect{0, 0, 100, 50}));
  EXPECT_EQ(records[5].Text, u"Hi");
  EXPECT_EQ(records[5].Position, (TPoint{8, 9}));
  EXPECT_EQ(canvas.ClipDepth(), 0);
}

TEST(RecordingCanvas, ASurfaceThatCannotClipRefusesWithoutARecord) {
  TRecordingCanvas canvas({0, 0, 10, 10});
  canvas.SetClipSupported(false);
  {
    TClipGuard guard(canvas, {2, 2, 4, 4});
    EXPECT_FALSE(guard.Active());
    EXPECT_EQ(canvas.ClipRect(), (TRect{0, 0, 10, 10}));
  }
  EXPECT_TRUE(canvas.Records().empty());
  EXPECT_EQ(canvas.TextWidth(u"abc"), 18);
}
