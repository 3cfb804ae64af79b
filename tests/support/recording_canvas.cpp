#include "support/recording_canvas.h"

#include <cstdio>

namespace vexlin {
namespace {

std::string Numbers(std::initializer_list<int32_t> values) {
  std::string text;
  for (int32_t value : values) text += ' ' + std::to_string(value);
  return text;
}

}  // namespace

void TRecordingCanvas::SetPenColor(TColor color) {
  pen_ = color;
  char hex[16];
  std::snprintf(hex, sizeof hex, "%06X", color);
  Calls.push_back(std::string("Pen ") + hex);
}

void TRecordingCanvas::MoveTo(int32_t x, int32_t y) {
  Calls.push_back("MoveTo" + Numbers({x, y}));
}

void TRecordingCanvas::LineTo(int32_t x, int32_t y) {
  Calls.push_back("LineTo" + Numbers({x, y}));
}

void TRecordingCanvas::Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  Calls.push_back("Rectangle" + Numbers({left, top, right, bottom}));
}

void TRecordingCanvas::Arc(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t startX,
                           int32_t startY, int32_t endX, int32_t endY) {
  Calls.push_back("Arc" + Numbers({left, top, right, bottom, startX, startY, endX, endY}));
}

void TRecordingCanvas::TextOut(int32_t x, int32_t y, const std::string& text) {
  Calls.push_back("Text" + Numbers({x, y}) + ' ' + text);
}

int32_t TRecordingCanvas::TextWidth(const std::string& text) const {
  return CharWidth * static_cast<int32_t>(text.size());
}

int32_t TRecordingCanvas::TextHeight(const std::string&) const {
  return LineHeight;
}

}  // namespace vexlin
