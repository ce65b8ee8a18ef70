#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "fake_font.h"
#include "looklist/frm_look_list.h"
#include "mainwindow/satellite_fixture.h"

namespace tarvo::testing {

// The main window measuring in the hand-worked font, and ways to read what it drew.
class LookListTest : public SatelliteFormTest {
  protected:
    LookListTest() { form->SetMeasuringSurface(std::make_unique<FakeFont>()); }

    // Starts the program on the sample working folder: "Atlanta, GA" at 84.39 W,
    // 33.75 N; five catalogue satellites marked (Telstar 19 VANTAGE 63, Galaxy 19 97,
    // SES-1 101, SES-11/EchoStar 105, Anik F2 111.1), names listed alphabetically.
    void StartOnSamples() {
        for (const auto& entry : std::filesystem::directory_iterator(TARVO_SAMPLES)) {
            std::filesystem::copy_file(entry.path(), folder.file(entry.path().filename()));
        }
        form->Form_Load();
    }

    const std::vector<DrawnText>& Drawn() const {
        return form->LookListWindow()->drawing().Texts();
    }

    // The names of the rows, in the order they were drawn (texts at x0 in the row font).
    static std::vector<std::string> RowNames(const std::vector<DrawnText>& texts, float x0,
                                             const FontSpec& rowFont) {
        std::vector<std::string> names;
        for (const DrawnText& t : texts) {
            if (t.font == rowFont && t.x == x0 && t.end == LineEnd::Stay &&
                t.text.find_first_not_of("0123456789.-") != std::string::npos) {
                names.push_back(t.text);
            }
        }
        return names;
    }
};

}  // namespace tarvo::testing
