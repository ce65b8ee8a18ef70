#include "aidwindows/sheet_printing.h"

#include <algorithm>
#include <vector>

#include "looklist/look_list_layout.h"

namespace tarvo {
namespace {

constexpr std::int16_t kSmallestPoints = 6;

// The left edge of each column and the end of the last, from the left margin, in `size`.
std::vector<float> ColumnEdges(const PointingSheet& sheet, TextMeasure& measure,
                               const std::string& fontName, std::int16_t size, float left) {
    const FontSpec caption{fontName, size, true};
    const FontSpec cell{fontName, size, false};
    const float gap = measure.TextWidth(cell, "__");
    std::vector<float> edges{left};
    for (std::size_t c = 0; c < sheet.columns.size(); ++c) {
        float widest = measure.TextWidth(caption, sheet.columns[c]);
        for (const std::vector<std::string>& row : sheet.rows) {
            if (c < row.size()) {
                widest = std::max(widest, measure.TextWidth(cell, row[c]));
            }
        }
        edges.push_back(edges.back() + widest + gap);
    }
    return edges;
}

void PrintCells(OutputDestination& out, const std::vector<std::string>& cells,
                const std::vector<float>& edges) {
    for (std::size_t c = 0; c < cells.size() && c + 1 < edges.size(); ++c) {
        out.SetCurrentX(edges[c]);
        out.Print(cells[c], c + 1 == cells.size() ? LineEnd::NextLine : LineEnd::Stay);
    }
}

}  // namespace

void PrintPointingSheet(const PointingSheet& sheet, OutputDestination& out, TextMeasure& measure,
                        const Settings& settings) {
    const float left = settings.PrtLeftMargin;
    const float room = out.ScaleWidth() - 2 * left;
    std::int16_t size = std::max(settings.PrtFontSize, kSmallestPoints);
    std::vector<float> edges = ColumnEdges(sheet, measure, settings.PrtFontName, size, left);
    while (size > kSmallestPoints && edges.back() - left > room) {
        --size;
        edges = ColumnEdges(sheet, measure, settings.PrtFontName, size, left);
    }

    out.SetFontName(settings.PrtFontName);
    out.SetFontBold(true);
    out.SetCurrentY(settings.PrtTopMargin);
    for (std::size_t i = 0; i < sheet.heading.size(); ++i) {
        out.SetFontSize(IntPart16(size * (i == 0 ? 1.5 : 1.25)));
        out.SetCurrentX(left);
        out.Print(sheet.heading[i], LineEnd::NextLine);
    }
    out.SetFontSize(size);
    out.Print("", LineEnd::NextLine);

    const auto captions = [&] {
        out.SetFontBold(true);
        PrintCells(out, sheet.columns, edges);
        out.SetFontBold(false);
    };
    captions();
    const float rowsTop = static_cast<float>(settings.PrtTopMargin) + out.TextHeight();
    for (const std::vector<std::string>& row : sheet.rows) {
        if (RowNeedsNewPage(out.CurrentY(), out.TextHeight(), out.ScaleHeight(), rowsTop)) {
            out.NewPage();
            out.SetCurrentY(settings.PrtTopMargin);
            captions();
        }
        PrintCells(out, row, edges);
        out.SetCurrentY(out.CurrentY() + settings.PrtLineSpacing);
    }
    out.Print("", LineEnd::NextLine);
    if (RowNeedsNewPage(out.CurrentY(), out.TextHeight(), out.ScaleHeight(), rowsTop)) {
        out.NewPage();
        out.SetCurrentY(settings.PrtTopMargin);
    }
    out.SetCurrentX(left);
    out.Print(sheet.footnote, LineEnd::NextLine);
}

}  // namespace tarvo
