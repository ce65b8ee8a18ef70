#pragma once

#include "aidwindows/main_window_view.h"
#include "mainwindow/main_window_state.h"

namespace tarvo {

class PlatformServices;
class frmSatellite;

// The main window's side of MainWindowView: the state it reads is the main window's
// own, and the main window hands it what each calculation left in the window.
class SatelliteWindowView final : public MainWindowView {
    Q_OBJECT
  public:
    // A child of `window`, whose state it reads.
    SatelliteWindowView(frmSatellite& window, PlatformServices& platform);

    const ShownCalculation& Shown() const override { return shown_; }
    const SatelliteTable& Catalogue() const override { return state_.SatelliteTable; }
    std::vector<std::int16_t> LookListRows() const override;
    const Settings& CurrentSettings() const override { return state_.Settings; }
    const std::string& MsgTitle() const override { return state_.MsgTitle; }
    const std::string& LineBreak() const override { return state_.LineBreak; }
    std::optional<std::string> ChoosePdfFile(const std::string& offeredName,
                                             const std::string& document) override;
    void ChooseSatellite(std::int16_t row) override;

    // A calculation ended with the window showing `shown`: kept, then told.
    void Record(ShownCalculation shown);

  private:
    frmSatellite& window_;
    const MainWindowState& state_;
    PlatformServices& platform_;
    ShownCalculation shown_;
};

}  // namespace tarvo
