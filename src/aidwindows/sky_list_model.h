#pragma once

#include <QAbstractListModel>

#include "aidwindows/sky_scene.h"

namespace tarvo {

// The satellites of a sky scene as a list, one line each in the scene's order (east to
// west), each line what a screen reader says of the satellite: "SES-2: azimuth 184.7,
// elevation 50.7, clear by 6.4". Look-list satellites are bold, blocked ones dark red.
// The lines are made when they are shown, so that a catalogue of thousands costs
// nothing until it is scrolled.
class SkyListModel : public QAbstractListModel {
    Q_OBJECT
  public:
    using QAbstractListModel::QAbstractListModel;

    // `scene` outlives the model or is replaced before it goes.
    void SetScene(const SkyScene* scene);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

  private:
    const SkyScene* scene_ = nullptr;
};

}  // namespace tarvo
