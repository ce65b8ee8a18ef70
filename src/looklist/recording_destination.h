#pragma once

#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "looklist/output_destination.h"

namespace tarvo {

// One text output as it was drawn: where, in which font, on which page (from 1).
struct DrawnText {
    float x = 0;
    float y = 0;
    FontSpec font;
    std::string text;
    LineEnd end = LineEnd::NextLine;
    int page = 1;
    bool operator==(const DrawnText&) const = default;
};

// A destination that keeps what was drawn since it was last cleared: the look-list
// window's retained drawing, and the tests' view of a rendering.
class RecordingDestination : public OutputDestination {
  public:
    explicit RecordingDestination(TextMeasure& measure,
                                  float scaleWidth = std::numeric_limits<float>::max(),
                                  float scaleHeight = std::numeric_limits<float>::max())
        : OutputDestination(measure), width_(scaleWidth), height_(scaleHeight) {}

    float ScaleWidth() const override { return width_; }
    float ScaleHeight() const override { return height_; }
    void SetScaleWidth(float width) { width_ = width; }

    void ExpectTexts(std::size_t texts) override { texts_.reserve(texts_.size() + texts); }

    const std::vector<DrawnText>& Texts() const { return texts_; }
    int Pages() const { return page_; }

    // The drawing as lines of plain text in drawing order: the texts of one line (up to
    // an output that moved to the next line) joined by tabs. A blank line is an empty
    // text; a row whose angles are missing keeps its empty columns.
    std::vector<std::string> Lines() const;

  protected:
    void Draw(float x, float y, const FontSpec& font, std::string_view text, LineEnd end) override;
    void Erase() override;
    void StartPage() override { ++page_; }

  private:
    float width_;
    float height_;
    std::vector<DrawnText> texts_;
    int page_ = 1;
};

}  // namespace tarvo
