#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tarvo {

// Reads the comma- and line-separated items of the program's text files, as tolerant
// as the files demand: an item ends at a comma or at the end of a line (CR LF, a bare
// LF or a bare CR), and spaces before an item are skipped.
class ItemReader {
  public:
    explicit ItemReader(std::string_view bytes) : bytes_(bytes) {}

    // True once every byte has been consumed.
    bool AtEnd() const { return position_ >= bytes_.size(); }

    // A name item. In double quotes it runs to the next double quote, and the rest up
    // to and including the next comma or line end is skipped; without quotes it is the
    // text up to the comma or line end, trailing spaces removed.
    // Throws RunTimeFailure when the data end before the item begins.
    std::string ReadText();

    // A numeric item read as a number: the text up to the comma or line end, read with
    // NumericValue, which skips the spaces inside it ("99 .2" reads 99.2) and stops at
    // what cannot continue a number ("101 W" reads 101; a word reads as 0).
    // Throws RunTimeFailure when the data end before the item begins, or on overflow.
    double ReadDouble();

  private:
    // The text from here to the next comma or line end, which is consumed.
    std::string_view ReadToItemEnd();
    void SkipSpaces();
    bool AtLineEnd() const;
    void ConsumeLineEnd();
    void RequireItem();

    std::string_view bytes_;
    std::size_t position_ = 0;
};

// The number at the start of a text line: leading spaces skipped, ending at a space, a
// comma or the end of the line, read with NumericValue (a word reads as 0).
double LeadingNumber(std::string_view line);

}  // namespace tarvo
