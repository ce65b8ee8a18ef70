#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "catalogue/satellite_record.h"
#include "geometry/look_angle_series.h"
#include "mainwindow/text_writes.h"

namespace tarvo {

// A box of the main window as the row pass finds it: its text as program text, and
// whether that is all it holds (a character program text cannot hold reads as "?").
struct BoxText {
    std::string text;
    bool exact = true;
};

// What the row pass reads from the main window before the first row.
struct RowPassStart {
    BoxText satName, satLong, longitude, latitude, azimuth, elevation, range;
    double azOffset = 0;
    double elOffset = 0;
};

// The rows of the look list, each calculated as the main window calculates a satellite
// put into its fields: the row's name (as stored) and position (as NumberText writes
// it) into the satellite fields, then the calculation on the texts the boxes then hold,
// which rewrites the coordinates and fills or empties the result boxes. Nothing is
// shown; every write into a box is kept (TextWrites), so that at the end the window can
// be left as showing every row in turn would have left it.
class LookListRowPass {
  public:
    explicit LookListRowPass(const RowPassStart& start);

    void Calculate(const SatelliteRecord& row);

    // The result boxes' texts after the last row: empty when its calculation failed.
    std::string_view Azimuth() const;
    std::string_view Elevation() const;

    // The furthest any row's calculation got: whether the coordinates were rewritten
    // and which result captions were set.
    CalculationStage Furthest() const { return series_.Furthest(); }
    bool AzimuthAdjusted() const { return azimuthAdjusted_; }
    bool ElevationAdjusted() const { return elevationAdjusted_; }

    TextWrites satName, satLong, longitude, latitude, azimuth, elevation, range;

  private:
    LookAngleSeries series_;
    const LookAngleTexts* last_ = nullptr;
    std::string position_;
    bool azimuthAdjusted_ = false;
    bool elevationAdjusted_ = false;
};

}  // namespace tarvo
