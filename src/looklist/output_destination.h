#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "looklist/text_measure.h"

namespace tarvo {

// How a text output ends: the position stays on the line right after the text, or moves
// to the start of the next line.
enum class LineEnd { Stay, NextLine };

// Where the look list is drawn: the look-list window, the printer, or a recording. The
// rendering uses nothing but this: a font (name, size, bold), a drawing position in
// twips (CurrentX the left edge of the next text, CurrentY the top of its line), the
// usable width and height, text output, clearing and (printers) a new page.
//
// The position moves by widths and line heights taken from the measuring surface, in
// the destination's current font. The width of a text that stays on the line is
// measured only when the position after it is needed: a row's columns are each placed
// at their own x, so their widths are never taken.
class OutputDestination {
  public:
    explicit OutputDestination(TextMeasure& measure) : measure_(measure) {}
    virtual ~OutputDestination() = default;
    OutputDestination(const OutputDestination&) = delete;
    OutputDestination& operator=(const OutputDestination&) = delete;

    const FontSpec& Font() const { return font_; }
    const std::string& FontName() const { return font_.name; }
    std::int16_t FontSize() const { return font_.size; }
    bool FontBold() const { return font_.bold; }
    void SetFontName(std::string_view name);
    void SetFontSize(std::int16_t points);
    void SetFontBold(bool bold);

    float CurrentX() const;
    float CurrentY() const { return y_; }
    void SetCurrentX(float x);
    void SetCurrentY(float y) { y_ = y; }

    // The usable drawing area, in twips.
    virtual float ScaleWidth() const = 0;
    virtual float ScaleHeight() const = 0;

    // The height of one line in the current font.
    float TextHeight() const { return measure_.LineHeight(font_); }

    // Draws `text` at the current position, then moves the position: right after the
    // text, or to x 0 on the next line. An empty text with NextLine makes a blank line.
    void Print(std::string_view text, LineEnd end);

    // Erases everything drawn and sets the position to (0, 0).
    void Cls();

    // A hint before many outputs: about `texts` more are to come. A destination that
    // keeps what it draws makes room for them at once.
    virtual void ExpectTexts(std::size_t texts) { (void)texts; }

    // Continues on a new page (printers); the position goes to (0, 0).
    void NewPage();

  protected:
    // What the destination does with one text output at (x, y) in `font`. Empty texts
    // come here too, so that a destination can keep its lines.
    virtual void Draw(float x, float y, const FontSpec& font, std::string_view text,
                      LineEnd end) = 0;
    virtual void Erase() = 0;
    virtual void StartPage() {}

    TextMeasure& measure() const { return measure_; }

  private:
    // Moves x past the text last output on the line, in the font it was output in.
    void Advance() const;

    TextMeasure& measure_;
    FontSpec font_;
    mutable float x_ = 0;
    float y_ = 0;
    // The text output last on the line, while x_ is still its left edge.
    mutable std::string unmeasured_;
    mutable bool advancePending_ = false;
};

}  // namespace tarvo
