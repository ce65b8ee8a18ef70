#include "aidwindows/sky_list_model.h"

#include <QBrush>
#include <QColor>
#include <QFont>

#include "platform/qt_text.h"

namespace tarvo {

void SkyListModel::SetScene(const SkyScene* scene) {
    beginResetModel();
    scene_ = scene;
    endResetModel();
}

int SkyListModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || scene_ == nullptr) {
        return 0;
    }
    return static_cast<int>(scene_->satellites.size());
}

QVariant SkyListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const SkySatellite& satellite = scene_->satellites[static_cast<std::size_t>(index.row())];
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return ToQString(SkySatelliteText(satellite));
        case Qt::FontRole:
            if (satellite.onLookList || satellite.shown) {
                QFont font;
                font.setBold(true);
                return font;
            }
            return {};
        case Qt::ForegroundRole:
            if (satellite.Blocked()) {
                return QBrush(QColor(160, 0, 0));
            }
            return {};
        default:
            return {};
    }
}

}  // namespace tarvo
